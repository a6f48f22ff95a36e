#pragma once

#include "store/Table.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class QAbstractButton;

namespace tav::widgets {

class DataControl;

// Binds controls to a table. It holds, once for every window, the save rule (message 29 before a
// post unless saving without asking), the delete rule (message 28) and the handling of post and
// open errors (the error dialog with the table's file name, nothing retried, the user's input kept).
class DataSource : public QObject
{
    Q_OBJECT
  public:
    explicit DataSource(tav::store::Table *table = nullptr, QObject *parent = nullptr);
    ~DataSource() override;

    void setTable(tav::store::Table *table);
    // Lets go of the table without touching the controls (a window that is being destroyed).
    void detach();
    tav::store::Table *table() const { return m_table; }
    bool isOpen() const { return m_table && m_table->isOpen(); }
    bool isEditing() const { return m_table && m_table->isEditing(); }
    tav::store::Table::State state() const;

    // The setting `speichern`: post without asking. The settings object sets the default;
    // a data source may override it.
    static void setDefaultSaveWithoutAsking(bool on);
    static bool defaultSaveWithoutAsking();
    void setSaveWithoutAsking(std::optional<bool> on) { m_saveWithoutAsking = on; }
    bool saveWithoutAsking() const;

    // Typing in a bound control enters edit state when this is on (default).
    void setAutoEdit(bool on) { m_autoEdit = on; }
    bool autoEdit() const { return m_autoEdit; }

    // Opens the table; an error goes to the error dialog. True when open.
    bool open();
    // Enters edit state (insert when there is no record). False when the table refuses.
    bool edit();
    bool append();
    // a new record at the cursor's place in the view (the index still orders it when posted)
    bool insert();
    // Posts the pending input after the save rule; false when nothing was posted (No, bad input or
    // an engine error; in the last two cases the input stays).
    bool save();
    // Abandons the pending input.
    void undo();
    // Deletes the current record after message 28 (when `ask`); true when deleted.
    bool remove(bool ask = true);
    // Posts or cancels pending input before the cursor moves; false when the input stays.
    bool leaveEdit();

    // navigation that respects pending input; engine errors go to the error dialog
    bool first();
    bool prior();
    bool next();
    bool last();
    int moveBy(int distance);
    bool moveTo(int recNo);
    bool refresh();
    bool gotoBookmark(const tav::store::Table::Bookmark &b);
    // whether the cursor stands on the first or last record (true for both when empty)
    bool atBeginning() const;
    bool atEnd() const;

    // Writes a field, entering edit state first; false when the table refuses. A money field
    // takes a tav::app::Geld exactly (a double is rounded to 1/10000).
    bool setFieldValue(const QString &field, const QVariant &value);

    // "Speichern" and "Rückgängig": enabled while editing, pressing them saves or undoes.
    void attachButtons(QAbstractButton *save, QAbstractButton *undo);

    // Reports an engine or other error of this table to the error dialog.
    void reportError(const std::exception &e) const;

    // used by the controls; `writer` is not read back while its own value is written
    bool writeField(const QString &field, const QVariant &value, DataControl *writer);
    void addControl(DataControl *c);
    void removeControl(DataControl *c);
    bool controlsUpdating() const { return m_reading > 0; }

    // Called (after the controls' own checks and the save question) before every post; may throw
    // tav::store::AbortOperation to keep the input.
    std::function<void(tav::store::Table &)> beforePost;

  Q_SIGNALS:
    // the current record changed (scrolled, posted, cancelled, opened, closed, new record)
    void recordChanged();
    void stateChanged();
    void fieldChanged(const QString &name);
    // the set of records changed (post, delete, open, close)
    void dataSetChanged();
    // an error was shown in the error dialog
    void errorReported();
    // the save question was answered No: the input is given up (emitted once the post is over)
    void saveDeclined();

  private:
    bool atEdge(const std::function<bool()> &edge) const;
    void hook();
    void unhook();
    void readControls();
    void updateButtons();
    void postHook(tav::store::Table &t);
    bool guarded(const std::function<void()> &f);
    bool post();

    QPointer<tav::store::Table> m_table;
    std::optional<bool> m_saveWithoutAsking;
    bool m_autoEdit = true;
    bool m_ownsHooks = false;
    bool m_declined = false;
    int m_reading = 0;
    DataControl *m_writer = nullptr;
    QList<DataControl *> m_controls;
    QList<QPointer<QAbstractButton>> m_saveButtons, m_undoButtons;
    QList<QMetaObject::Connection> m_conns;
    std::function<void(tav::store::Table &)> m_oldBeforePost;
    std::function<tav::store::Table::PostErrorAction(tav::store::Table &, const tav::store::EngineError &)>
        m_oldPostError;
};

// Reports an error of a table to the error dialog (TDBError). Installed by DbEngine.cpp; tests
// may replace it.
using ErrorReporter = std::function<void(const std::exception &, const QString &fileName)>;
void setErrorReporter(ErrorReporter reporter);
void reportDatabaseError(const std::exception &e, const QString &fileName);

// A bound control: reads its field when the record changes, writes it when the user edits.
class DataControl
{
  public:
    virtual ~DataControl();
    void bind(DataSource *source, const QString &field);
    DataSource *dataSource() const { return m_source; }
    QString field() const { return m_field; }
    // refreshes the control from the field
    virtual void readField() = 0;
    // Checks the pending input before a post; false (after telling the user) keeps the record in
    // edit state.
    virtual bool commit() { return true; }

  protected:
    // call when the user changed the control; false when the table cannot be edited
    bool userChanged(const QVariant &value);
    bool reading() const { return m_source && m_source->controlsUpdating(); }
    QVariant fieldValue() const;
    virtual QWidget *widget() = 0;

  private:
    QPointer<DataSource> m_source;
    QString m_field;
};

} // namespace tav::widgets
