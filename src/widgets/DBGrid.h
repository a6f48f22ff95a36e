#pragma once

#include "DataSource.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QTableView>
#include <functional>

namespace tav::widgets {

// The records of a data source as rows. Rows are read on demand, a block at a time, by moving the
// cursor quietly and putting it back; the current row is the cursor's record.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT
  public:
    struct Column {
        QString field; // the table's field, or the key field of a lookup column
        QString title;
        int tag = 0; // caption tag of the title (0: keep)
        bool editable = false;
        // calculated column: computed while the cursor stands on the row
        std::function<QVariant(tav::store::Table &)> calc;
        // lookup column: `field` is looked up in `lookupTable` (file name) by `lookupKey`
        QString lookupTable, lookupKey, lookupResult;
        // the texts an editable column offers in a drop-down list (typing stays possible unless
        // `pickOnly`); an editable lookup column offers the rows of its lookup table
        QStringList pickList;
        bool pickOnly = false;
    };
    // data roles of a column's pick list and of a lookup column's key
    static constexpr int PickListRole = Qt::UserRole + 40;
    static constexpr int LookupKeyRole = Qt::UserRole + 41;

    // An editable lookup column's choices: each row of the lookup table as its shown text and key,
    // in the order of the shown texts. Empty for other columns.
    QVector<QPair<QString, QVariant>> lookupChoices(int column) const;

    explicit TableModel(DataSource *source, QObject *parent = nullptr);

    void addColumn(const QString &field, const QString &title, bool editable = false);
    void addCalcColumn(const QString &title, std::function<QVariant(tav::store::Table &)> calc);
    void addLookupColumn(const QString &title, const QString &keyField, const QString &lookupTable,
                         const QString &lookupKey, const QString &lookupResult);
    void setColumns(const QVector<Column> &columns);
    const QVector<Column> &columns() const { return m_columns; }
    // background colour of a row, computed while the cursor stands on it; invalid = normal
    void setRowColour(std::function<QColor(tav::store::Table &)> colour);

    DataSource *dataSource() const { return m_source; }
    // a column over a date or a moment of the table: edited as the text the grid shows
    bool isDateColumn(int column) const;
    // whether `text` may be written to a date column (a date as the user types one, or nothing)
    bool dateTextValid(int column, const QString &text) const;
    int currentRow() const;
    // moves the cursor to the row (posting pending input first)
    bool setCurrentRow(int row);
    // forgets every row read so far
    void reload();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation o, const QVariant &value,
                       int role = Qt::EditRole) override;

    // how many rows the view shows: rows are read a page at a time
    void setPageRows(int rows);

    // rows read from the table so far (for tests of the on-demand reading)
    int cachedRows() const { return int(m_cache.size()); }

  Q_SIGNALS:
    void currentRowChanged(int row);

  private:
    struct CachedRow {
        qint64 rowid = 0;
        QVector<QVariant> values, keys; // keys: of the lookup columns
        QColor colour;
    };
    void reset();
    void forgetRows();
    CachedRow readCurrent() const;
    void reportReadError(const std::exception &e, const QString &file) const;
    void fetchAround(int row) const;
    QVariant lookup(const Column &c, const QVariant &key) const;
    void scrolled();
    QString display(const QVariant &v) const;

    QPointer<DataSource> m_source;
    QVector<Column> m_columns;
    std::function<QColor(tav::store::Table &)> m_rowColour;
    mutable QHash<int, CachedRow> m_cache;
    mutable QHash<QString, QVariant> m_lookupCache;
    mutable int m_count = -1;
    mutable bool m_readFailed = false;
    int m_lastCurrent = -1;
    int m_pageRows = 64;
};

// A grid over a data source: the current row follows the cursor and moving in the grid moves it.
class DBGrid : public QTableView
{
    Q_OBJECT
  public:
    explicit DBGrid(QWidget *parent = nullptr);
    DBGrid(DataSource *source, QWidget *parent = nullptr);
    void setDataSource(DataSource *source);
    TableModel *tableModel() const { return m_model; }

    // The keys users know from data grids: Insert adds a row, Down on the last row appends one
    // (not a second empty one), Escape gives up the row being entered, Ctrl+Delete deletes the
    // current row after message 28. Off unless a window asks; `add` makes the new row (default:
    // the data source appends one).
    void setRowKeys(bool on, std::function<bool()> add = {});
    bool rowKeys() const { return m_rowKeys; }
    // what those keys do, also for a window's buttons: the new row is current, its first editable
    // cell focused
    bool addRow();
    bool deleteRow();

  protected:
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

  private:
    void followCursor(int row);
    void pageRowsChanged();
    void closeOpenEditor();
    TableModel *m_model = nullptr;
    bool m_following = false;
    bool m_rowKeys = false;
    std::function<bool()> m_add;
};

} // namespace tav::widgets
