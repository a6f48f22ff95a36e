#pragma once

// Journeys on a real desktop: the program runs in this process on an X display with a window
// manager, exactly as it starts for a breeder; a second thread plays the user. Its hands are real
// X input (xdotool: the pointer, clicks and keys go through the X server and the window manager);
// its eyes read what the screen shows (widgets' places, texts and states, looked at on the GUI
// thread). A journey never calls a window's members to do what a user does by hand.

#include <QMessageBox>
#include <QMetaObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <QVariant>
#include <QVector>
#include <QWidget>
#include <functional>
#include <memory>
#include <type_traits>

namespace tav::shell {
class ProgramRun;
class TMirravel;
} // namespace tav::shell

namespace desktop {

// A step that did not go as a user would expect; the journey stops there.
struct Failure {
    QString what;
};

// A widget as the eyes find it again on each look (so that no pointer outlives its window).
using Finder = std::function<QWidget *()>;

class User
{
  public:
    // `name` names the folder of screenshots under the test's output folder
    explicit User(const QString &name);
    ~User();
    // the journey now under way: its screenshots go to a folder of that name
    void setJourney(const QString &name);

    // ---- the program
    // a fresh home with the demo register and a fresh settings folder
    void makeDemoHome();
    QString home() const { return m_home.path(); }
    QString config() const { return m_config.path(); }
    // starts the program on the home (as `tavrenno --home HOME`) and waits for its main window;
    // with `firstMessage` the start shows a message holding that text first, answered with OK,
    // and the message is returned
    QString startProgram(const QString &firstMessage = QString());
    // "Katze → Beenden", the exit question answered Yes, and the run ended
    void quitProgram();
    bool programRunning();

    // ---- eyes: `f` runs on the GUI thread, its result comes back
    template <class F> auto look(F &&f) -> std::invoke_result_t<F>
    {
        using R = std::invoke_result_t<F>;
        if constexpr (std::is_void_v<R>) {
            onGui([&] { f(); });
        } else {
            R r{};
            onGui([&] { r = f(); });
            return r;
        }
    }
    // waits until `cond` holds (looked at on the GUI thread); an unexpected message box fails
    bool waitFor(const std::function<bool()> &cond, int ms = 8000);
    void require(const std::function<bool()> &cond, const QString &what, int ms = 8000);
    void pause(int ms);
    static tav::shell::TMirravel *mainWindow();
    // the open child window of that name (its content, not the frame)
    static QWidget *child(const QString &name);
    // the visible button whose caption (without its "&") is `caption`, inside `in`
    static QWidget *buttonNamed(QWidget *in, const QStringList &captions);
    // the text of the message `number` in the program's current language
    static QString message(int number);
    // the context of the help page on screen, 0 when no help shows
    static int helpShown();
    static QString caption(int tag);

    // ---- hands: real X input
    // clicks the centre of what `find` gives (or `at` inside it); the point must show that widget
    void click(const Finder &find, const QString &what, QPoint at = QPoint(-1, -1), int count = 1,
               int button = 1);
    void clickAt(QPoint global, int count = 1, int button = 1);
    // clicks the title bar of a child window's frame, as a user brings it to the front
    void activate(const Finder &window);
    // the caption path of a menu command, as the user reads it: {"Büro", "Buchführung"}
    void menu(const QStringList &captions);
    // the menu command of that name, through the captions the menu shows
    void menuItem(const QString &name);
    QStringList menuPath(const QString &name);
    // the tool button of that name
    void toolButton(const QString &name);
    // the button with that caption inside the window `in`
    void press(const Finder &in, const QStringList &captions);
    void key(const QString &keys);  // xdotool key names: "F1", "Escape", "alt+b", "Tab"
    void type(const QString &text); // typed into the focused control
    void moveAway();                // the pointer off every window, so no hover stays

    // ---- the register
    // the cat the cat record window shows (its number), 0 when none
    static int shownCat();
    // shows the cat as a user finds it: typed into the cat list, then a double click on its row
    void showCat(const QString &name);
    // rows of a query on the home's tables (names by file, "?" bound to `args`), read through the
    // running program's connection or, when the program is not running, a connection of its own
    QVector<QVariantList> rows(const QString &sql, const QVariantList &args = {});
    QVariant value(const QString &sql, const QVariantList &args = {});

    // ---- message boxes: every one must be expected
    // waits for a message box whose text contains `text`, presses `answer` and returns its text
    QString answer(const QString &text, QMessageBox::StandardButton button, int ms = 8000);
    QString answer(int number, QMessageBox::StandardButton button, int ms = 8000);
    // the text of an open message box, empty when none
    static QString openMessage();

    // ---- file dialogs (the toolkit's own): types the path and presses Enter
    void chooseFile(const QString &path, int ms = 8000);

    // ---- what the user sees
    void screenshot(const QString &name);
    QString outputFolder() const { return m_out; }
    // the problems of what is on screen: controls of the window outside it, cut off or beyond
    // the main window's free area
    QStringList lookProblems(const Finder &window);

    // for the journey runner
    void failed(const QString &what);
    void cleanUp();

  private:
    void onGui(const std::function<void()> &f);
    void xdo(const QStringList &args);
    void failOnMessage();

    QTemporaryDir m_home, m_config;
    QString m_base, m_out;
    int m_shot = 0;
    bool m_expecting = false;
};

// Runs `script` as the user on its own thread while this (the GUI) thread runs the program;
// returns what failed, or an empty text. After a failure the program run is ended.
QString runJourney(User &user, const QString &name, const std::function<void(User &)> &script);

// Starts and ends program runs on the GUI thread for the journeys.
tav::shell::ProgramRun *startedProgram();

} // namespace desktop
