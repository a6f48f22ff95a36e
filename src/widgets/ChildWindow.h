#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace tav::widgets {

// Base of the on-demand child windows (the content of a QMdiSubWindow). A window translates itself
// when it is created (call finishCreate() at the end of the constructor), runs the exclusive-window
// check when it is activated, frees itself when it is closed and so clears every QPointer to it.
class ChildWindow : public QWidget
{
    Q_OBJECT
  public:
    // `name` is the window name the exclusive-window check compares (e.g. "formvereine").
    explicit ChildWindow(const QString &name, QWidget *parent = nullptr);
    ~ChildWindow() override;

    int helpContext() const { return m_helpContext; }
    void setHelpContext(int context) { m_helpContext = context; }
    // opens the window's help page; false (and message 179) when it is missing
    bool showHelp();

    // The main window's CheckFormOpen on activation: called with the window's own name whenever a
    // window that asks for it is activated (it brings an open exclusive window other than this one
    // to the front and names it); returns that window's code or 0.
    using ActivationCheck = std::function<int(const QString &)>;
    static void setActivationCheck(ActivationCheck check);
    void setChecksOnActivation(bool on) { m_checkOnActivation = on; }
    // What the window does when activated; true when no exclusive window stands in the way.
    bool runActivationCheck();

    // How window fitting sizes the window: not at all, to the free client area, or in height only.
    enum class Fit { None, Both, Height };
    Fit fit() const { return m_fit; }
    void setFit(Fit fit) { m_fit = fit; }
    // Fits the window's frame to a client area of that size (never below its layout's minimum).
    void fitTo(const QSize &client);

    // The cat record window shows another cat (or the cat shown was changed): a window that shows
    // the current cat takes this one.
    virtual void followCat(int cat) { Q_UNUSED(cat); }
    // such a window stays in front when the cat record window shows another cat
    virtual bool followsCat() const { return false; }

    // the open child window of that name, if any
    static ChildWindow *find(const QString &name);
    static QList<ChildWindow *> openWindows();

  Q_SIGNALS:
    void closed();

  protected:
    void finishCreate();
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    // F1 shows the window's help; Escape closes it as its own closing button does (a control that
    // uses the key itself, like an open list or a cell being edited, keeps it)
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    // false for a window that lives for the whole run and is not closed by Escape
    virtual bool closesOnEscape() const { return true; }
    // the window's own work when activated and no exclusive window is open
    virtual void activated() {}

  private:
    void watchFrame();
    bool handleKey(QKeyEvent *e);

    int m_helpContext = 0;
    bool m_checkOnActivation = true;
    bool m_inCheck = false;
    Fit m_fit = Fit::None;
    QPointer<QWidget> m_frame;
};

} // namespace tav::widgets
