// Nav2: the record navigator (TDBNavigatorSpec), a button row over a data source.
#pragma once

#include "Translator.h"
#include "store/Table.h"

#include <QPointer>
#include <QStringList>
#include <QToolButton>
#include <QWidget>

namespace tav::widgets {

class DataSource;
class TDBNavigatorSpec;

enum class TNavigateBtn {
    nbFirst,
    nbRW,
    nbPrior,
    nbNext,
    nbFF,
    nbLast,
    nbInsert,
    nbDelete,
    nbEdit,
    nbPost,
    nbCancel,
    nbRefresh,
    nbMark,
    nbGoto
};
constexpr int NavButtonCount = 14;

class TNavButton : public QToolButton
{
    Q_OBJECT
  public:
    TNavButton(TDBNavigatorSpec *nav, TNavigateBtn kind);
    TNavigateBtn kind() const { return m_kind; }

  protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

  private:
    TDBNavigatorSpec *m_nav;
    TNavigateBtn m_kind;
};

// A row of buttons that moves through the records of a data source: first, jump back, prior, next,
// jump forward, last, insert, delete, edit, post, cancel, refresh, set mark, go to mark.
class TDBNavigatorSpec : public QWidget, public Translatable
{
    Q_OBJECT
  public:
    explicit TDBNavigatorSpec(QWidget *parent = nullptr);

    void setDataSource(DataSource *source);
    DataSource *dataSource() const { return m_source; }

    void setVisibleButtons(const QList<TNavigateBtn> &kinds);
    QList<TNavigateBtn> visibleButtons() const;
    // the six buttons every window shows
    static QList<TNavigateBtn> standardButtons();

    void setJump(int records) { m_jump = std::max(1, records); }
    int jump() const { return m_jump; }
    // Up to fourteen hints; an empty entry keeps the default.
    void setHints(const QStringList &hints);
    QString hint(TNavigateBtn kind) const;
    void setConfirmDelete(bool on) { m_confirmDelete = on; }
    bool confirmDelete() const { return m_confirmDelete; }
    // The designed German hints of the windows.
    static QStringList germanHints();

    TNavButton *button(TNavigateBtn kind) const { return m_buttons[int(kind)]; }
    TNavigateBtn focusedButton() const { return m_focused; }
    void setFocusedButton(TNavigateBtn kind);
    bool hasMark() const { return m_mark.isValid(); }

    // performs a button's action as a click would (when the button is enabled)
    void BtnClick(TNavigateBtn kind);
    // recomputes which buttons are enabled
    void updateButtons();

    // tag 380: the hints from the records following the navigator's own
    void translate(const app::Sprache &catalogue, int tag, int offset) override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // When false (the default) the width is trimmed so that every button has the same width.
    void setAligned(bool on);

  Q_SIGNALS:
    // after every button action
    void clicked(TNavigateBtn kind);

  protected:
    void keyPressEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

  private:
    friend class TNavButton;
    void layoutButtons();
    void doAction(TNavigateBtn kind);
    int visibleCount() const;

    QPointer<DataSource> m_source;
    TNavButton *m_buttons[NavButtonCount];
    QStringList m_defaultHints;
    int m_jump = 50;
    bool m_confirmDelete = true;
    bool m_aligned = false;
    TNavigateBtn m_focused = TNavigateBtn::nbFirst;
    tav::store::Table::Bookmark m_mark;
    QList<QMetaObject::Connection> m_conns;
};

} // namespace tav::widgets
