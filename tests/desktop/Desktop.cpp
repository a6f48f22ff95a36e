#include "Desktop.h"

#include "../common/GeometryCheck.h"
#include "app/Sprache.h"
#include "cats/ui/Pcatstam.h"
#include "shell/Main.h"
#include "shell/Startup.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"
#include "widgets/ChildWindow.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/Help.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

using tav::shell::ProgramRun;
using tav::shell::TMirravel;
using tav::widgets::ChildWindow;

namespace desktop {

namespace {
std::unique_ptr<ProgramRun> &run()
{
    static std::unique_ptr<ProgramRun> r;
    return r;
}

QString plain(QString caption)
{
    caption = caption.section(QLatin1Char('\t'), 0, 0);
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return caption.trimmed();
}

// the global rectangle of a widget that the user can see, clipped by its parents
QRect visibleRect(const QWidget *w)
{
    QRect r(w->mapToGlobal(QPoint(0, 0)), w->size());
    for (const QWidget *p = w; !p->isWindow() && p->parentWidget(); p = p->parentWidget())
        r &= QRect(p->parentWidget()->mapToGlobal(QPoint(0, 0)), p->parentWidget()->size());
    if (const QScreen *s = w->screen())
        r &= s->geometry();
    return r;
}

QString describeWidget(const QWidget *w)
{
    return w ? geometry::describe(w) : QStringLiteral("nothing");
}
} // namespace

ProgramRun *startedProgram()
{
    return run().get();
}

User::User(const QString &name)
{
    m_base = qEnvironmentVariable("TAV_DESKTOP_OUT",
                                  QCoreApplication::applicationDirPath() + QStringLiteral("/journeys")) +
             QLatin1Char('/') + name;
    QDir(m_base).removeRecursively();
    setJourney(QString());
}

void User::setJourney(const QString &name)
{
    m_out = name.isEmpty() ? m_base : m_base + QLatin1Char('/') + name;
    m_shot = 0;
    QDir().mkpath(m_out);
}

User::~User() = default;

void User::onGui(const std::function<void()> &f)
{
    Q_ASSERT(QThread::currentThread() != qApp->thread());
    QMetaObject::invokeMethod(qApp, f, Qt::BlockingQueuedConnection);
}

void User::failed(const QString &what)
{
    screenshot(QStringLiteral("failure"));
    throw Failure{what};
}

// ---- the program

void User::makeDemoHome()
{
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TAVRENNO_CONFIG"), m_config.path());
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(TAV_CLI), {QStringLiteral("--home"), m_home.path(), QStringLiteral("demo")});
    if (!cli.waitForFinished(180000) || cli.exitCode() != 0)
        failed(QStringLiteral("tavrenno-cli demo failed: ") + QString::fromUtf8(cli.readAllStandardError()));
}

QString User::startProgram(const QString &firstMessage)
{
    qputenv("TAVRENNO_CONFIG", m_config.path().toUtf8());
    const QStringList args = {QStringLiteral("tavrenno"), QStringLiteral("--home"), m_home.path()};
    // queued, not waited for: the start may ask something, and the user must be free to answer
    QMetaObject::invokeMethod(
        qApp,
        [args] {
            QApplication::setQuitOnLastWindowClosed(false);
            run() = std::make_unique<ProgramRun>();
            if (!run()->start(args))
                run().reset();
        },
        Qt::QueuedConnection);
    QString said;
    if (!firstMessage.isEmpty()) {
        m_expecting = true;
        waitFor([] { return !openMessage().isEmpty(); }, 30000);
        pause(500);
        screenshot(QStringLiteral("first-message"));
        said = answer(firstMessage, QMessageBox::Ok, 30000);
    }
    require([] { return mainWindow() && mainWindow()->isVisible() && mainWindow()->isActiveWindow(); },
            QStringLiteral("the main window shows and is active"), 30000);
    pause(300);
    return said;
}

bool User::programRunning()
{
    return look([] { return run() && mainWindow() && mainWindow()->isVisible(); });
}

void User::quitProgram()
{
    menu({QStringLiteral("Katze"), QStringLiteral("Beenden")});
    answer(9860, QMessageBox::Yes);
    require([] { return !mainWindow() || !mainWindow()->isVisible(); }, QStringLiteral("the program ends"));
    look([] { run().reset(); });
}

TMirravel *User::mainWindow()
{
    return run() ? run()->mainWindow() : nullptr;
}

QWidget *User::child(const QString &name)
{
    ChildWindow *w = ChildWindow::find(name);
    return w && w->isVisible() ? w : nullptr;
}

QWidget *User::buttonNamed(QWidget *in, const QStringList &captions)
{
    if (!in)
        return nullptr;
    for (const QString &c : captions)
        for (QAbstractButton *b : in->findChildren<QAbstractButton *>())
            if (b->isVisible() && plain(b->text()) == c)
                return b;
    return nullptr;
}

QString User::message(int number)
{
    return tav::app::messageText(number);
}

int User::helpShown()
{
    const tav::widgets::THilfeFenster *h = tav::widgets::THilfeFenster::current();
    return h && h->isVisible() ? h->context() : 0;
}

QString User::caption(int tag)
{
    return tav::app::captionText(tag);
}

// ---- eyes

bool User::waitFor(const std::function<bool()> &cond, int ms)
{
    QElapsedTimer t;
    t.start();
    for (;;) {
        if (!m_expecting)
            failOnMessage();
        if (look(cond))
            return true;
        if (t.elapsed() > ms)
            return false;
        QThread::msleep(25);
    }
}

void User::require(const std::function<bool()> &cond, const QString &what, int ms)
{
    if (!waitFor(cond, ms))
        failed(QStringLiteral("not seen: ") + what);
}

void User::pause(int ms)
{
    QThread::msleep(ms);
}

QString User::openMessage()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
            return box->text();
    return QString();
}

void User::failOnMessage()
{
    const QString text = look([] { return openMessage(); });
    if (text.isEmpty())
        return;
    screenshot(QStringLiteral("unexpected-message"));
    // the box goes, so that the program is free again for the next journey
    key(QStringLiteral("Escape"));
    throw Failure{QStringLiteral("unexpected message box: \"%1\"").arg(text)};
}

// ---- hands

void User::xdo(const QStringList &args)
{
    // the journey's steps, so that a failure in a run nobody watched can be followed
    qInfo().noquote() << "  xdotool" << args.join(QLatin1Char(' '));
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        throw Failure{QStringLiteral("xdotool %1 failed: %2")
                          .arg(args.join(QLatin1Char(' ')), QString::fromUtf8(p.readAllStandardError()))};
    // the X server has the input; the program reads it on its next turn
    QThread::msleep(40);
}

void User::clickAt(QPoint global, int count, int button)
{
    xdo({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
    xdo({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
         QStringLiteral("--delay"), QStringLiteral("80"), QString::number(button)});
}

void User::click(const Finder &find, const QString &what, QPoint at, int count, int button)
{
    QPoint point;
    QString problem;
    const bool seen = waitFor([&] {
        QWidget *w = find();
        if (!w || !w->isVisible()) {
            problem = QStringLiteral("not shown");
            return false;
        }
        if (!w->isEnabled()) {
            problem = QStringLiteral("disabled");
            return false;
        }
        const QPoint local = at.x() < 0 ? w->rect().center() : at;
        point = w->mapToGlobal(local);
        if (!visibleRect(w).contains(point)) {
            problem =
                QStringLiteral("cut off (%1 of %2 is visible)")
                    .arg(QStringLiteral("%1x%2").arg(visibleRect(w).width()).arg(visibleRect(w).height()),
                         QStringLiteral("%1x%2").arg(w->width()).arg(w->height()));
            return false;
        }
        QWidget *hit = QApplication::widgetAt(point);
        if (hit != w && !w->isAncestorOf(hit)) {
            problem = QStringLiteral("covered by ") + describeWidget(hit);
            return false;
        }
        return true;
    });
    if (!seen)
        failed(QStringLiteral("cannot click %1: %2").arg(what, problem));
    clickAt(point, count, button);
}

void User::menu(const QStringList &captions)
{
    QPointer<QMenu> open;
    for (int i = 0; i < captions.size(); ++i) {
        const QString c = captions[i];
        QPoint point;
        QMenu *sub = nullptr;
        const bool found = waitFor([&] {
            QWidget *bar = i == 0 ? static_cast<QWidget *>(mainWindow() ? mainWindow()->menuBar() : nullptr)
                                  : static_cast<QWidget *>(open.data());
            if (!bar || !bar->isVisible())
                return false;
            for (QAction *a : bar->actions()) {
                if (!a->isVisible() || plain(a->text()) != c)
                    continue;
                if (!a->isEnabled())
                    return false;
                const QRect r = i == 0 ? static_cast<QMenuBar *>(bar)->actionGeometry(a)
                                       : static_cast<QMenu *>(bar)->actionGeometry(a);
                point = bar->mapToGlobal(r.center());
                sub = a->menu();
                return true;
            }
            return false;
        });
        if (!found)
            failed(QStringLiteral("menu item \"%1\" is not there or disabled")
                       .arg(captions.mid(0, i + 1).join(" → ")));
        clickAt(point);
        if (sub) {
            QPointer<QMenu> next = sub;
            require([next] { return next && next->isVisible(); },
                    QStringLiteral("menu \"%1\" opens").arg(captions.mid(0, i + 1).join(" → ")));
            open = next;
        } else if (i + 1 < captions.size()) {
            failed(QStringLiteral("\"%1\" has no menu").arg(c));
        }
    }
    // the command may ask something at once: that is for the journey's next step to expect
    m_expecting = true;
    const bool closed = waitFor([] { return !QApplication::activePopupWidget(); });
    m_expecting = false;
    if (!closed)
        failed(QStringLiteral("the menu does not close"));
}

void User::activate(const Finder &window)
{
    const Finder frame = [window]() -> QWidget * {
        QWidget *w = window();
        return w && qobject_cast<QMdiSubWindow *>(w->parentWidget()) ? w->parentWidget() : w;
    };
    // the middle of the title bar: the frame's own, no control of the window
    const QPoint title = look([frame] {
        QWidget *f = frame();
        return f ? QPoint(f->width() / 2, f->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, f) / 2)
                 : QPoint();
    });
    click(frame, QStringLiteral("the window's title"), title);
}

QStringList User::menuPath(const QString &name)
{
    return look([&] {
        QStringList path;
        TMirravel *mw = mainWindow();
        QAction *a = mw ? mw->action(name) : nullptr;
        if (!a)
            return path;
        path.prepend(plain(a->text()));
        // the menus that hold it, up to the bar
        for (QObject *o = a->parent(); o; o = o->parent()) {
            auto *m = qobject_cast<QMenu *>(o);
            if (!m)
                continue;
            path.prepend(plain(m->title()));
        }
        return path;
    });
}

void User::menuItem(const QString &name)
{
    const QStringList path = menuPath(name);
    if (path.size() < 2)
        failed(QStringLiteral("no menu command %1").arg(name));
    menu(path);
}

void User::toolButton(const QString &name)
{
    click(
        [name]() -> QWidget * {
            return mainWindow() ? mainWindow()->findChild<QToolButton *>(name) : nullptr;
        },
        QStringLiteral("tool button ") + name);
}

void User::press(const Finder &in, const QStringList &captions)
{
    click([&] { return buttonNamed(in(), captions); },
          QStringLiteral("button \"%1\"").arg(captions.join('/')));
}

void User::key(const QString &keys)
{
    QStringList args = {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")};
    args << keys.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    xdo(args);
}

void User::type(const QString &text)
{
    xdo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), QStringLiteral("--"),
         text});
}

void User::moveAway()
{
    const QPoint corner = look([] { return QApplication::primaryScreen()->geometry().bottomRight(); });
    xdo({QStringLiteral("mousemove"), QString::number(corner.x()), QString::number(corner.y())});
}

// ---- the register

int User::shownCat()
{
    auto *w = tav::cats::ui::TCatStamm::instance();
    tav::store::Table *t = w ? w->DBCatStamm() : nullptr;
    return t && t->isOpen() && t->hasRecord() ? t->value(QStringLiteral("LaufendeNummer")).toInt() : 0;
}

void User::showCat(const QString &name)
{
    const QVariant number =
        value(QStringLiteral("SELECT LaufendeNummer FROM catstamm.db WHERE Name = ?"), {name});
    if (!number.isValid())
        failed(QStringLiteral("no cat %1 in the register").arg(name));
    const auto listRows = []() -> QWidget * {
        auto *g = mainWindow() ? mainWindow()->catList() : nullptr;
        return g ? g->viewport() : nullptr;
    };
    click(listRows, QStringLiteral("the cat list"), QPoint(20, 8));
    key(QStringLiteral("Escape"));
    type(name);
    QPoint row;
    require(
        [&] {
            auto *g = mainWindow() ? mainWindow()->catList() : nullptr;
            if (!g || !g->currentIndex().isValid() || g->currentIndex().data().toString() != name)
                return false;
            row = g->visualRect(g->currentIndex()).center();
            return g->viewport()->rect().contains(row);
        },
        QStringLiteral("the cat list stands on %1").arg(name));
    click(listRows, QStringLiteral("the row of ") + name, row, 2);
    const int cat = number.toInt();
    require([cat] { return shownCat() == cat; }, QStringLiteral("the cat record window shows %1").arg(name));
}

QVector<QVariantList> User::rows(const QString &sql, const QVariantList &args)
{
    const auto read = [&](tav::store::Database *db) {
        tav::store::Query q(db, sql);
        for (const QVariant &a : args)
            q.addBindValue(a);
        q.open();
        return q.rows();
    };
    QVector<QVariantList> out;
    QString error;
    look([&] {
        try {
            if (run() && run()->database()) {
                out = read(run()->database());
            } else {
                tav::store::Database db(m_home.path() + QStringLiteral("/Daten"));
                out = read(&db);
            }
        } catch (const std::exception &e) {
            error = QString::fromLocal8Bit(e.what());
        }
    });
    if (!error.isEmpty())
        failed(QStringLiteral("reading the tables failed: %1 (%2)").arg(error, sql));
    return out;
}

QVariant User::value(const QString &sql, const QVariantList &args)
{
    const QVector<QVariantList> r = rows(sql, args);
    return r.isEmpty() || r.first().isEmpty() ? QVariant() : r.first().first();
}

// ---- message boxes and file dialogs

QString User::answer(const QString &text, QMessageBox::StandardButton button, int ms)
{
    m_expecting = true;
    QString shown;
    const bool seen = waitFor(
        [&] {
            shown = openMessage();
            return !shown.isEmpty();
        },
        ms);
    m_expecting = false;
    if (!seen)
        failed(QStringLiteral("no message box \"%1\"").arg(text));
    if (!shown.contains(text)) {
        screenshot(QStringLiteral("unexpected-message"));
        key(QStringLiteral("Escape"));
        throw Failure{QStringLiteral("message box \"%1\" where \"%2\" was expected").arg(shown, text)};
    }
    m_expecting = true;
    click(
        [button]() -> QWidget * {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
                    return box->button(button);
            return nullptr;
        },
        QStringLiteral("the message's button"));
    // a second box may follow the first: that is the journey's next step
    waitFor([] { return openMessage().isEmpty(); }, 3000);
    m_expecting = false;
    return shown;
}

QString User::answer(int number, QMessageBox::StandardButton button, int ms)
{
    return answer(look([number] { return message(number); }).section(QLatin1Char('\r'), 0, 0).trimmed(),
                  button, ms);
}

void User::chooseFile(const QString &path, int ms)
{
    m_expecting = true;
    const bool shown = waitFor(
        [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (qobject_cast<QFileDialog *>(w) && w->isVisible() && w->isActiveWindow())
                    return true;
            return false;
        },
        ms);
    m_expecting = false;
    if (!shown)
        failed(QStringLiteral("no file dialog"));
    // the name field has the focus: what is there is replaced
    key(QStringLiteral("ctrl+a"));
    type(path);
    key(QStringLiteral("Return"));
    require(
        [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (qobject_cast<QFileDialog *>(w) && w->isVisible())
                    return false;
            return true;
        },
        QStringLiteral("the file dialog closes"));
}

// ---- what the user sees

void User::screenshot(const QString &name)
{
    const QString file =
        QStringLiteral("%1/%2-%3.png").arg(m_out).arg(++m_shot, 2, 10, QLatin1Char('0')).arg(name);
    look([file] { QApplication::primaryScreen()->grabWindow(0).save(file); });
}

QStringList User::lookProblems(const Finder &window)
{
    return look([&] {
        QStringList problems;
        QWidget *w = window();
        if (!w)
            return QStringList{QStringLiteral("the window is not open")};
        QWidget *frame = qobject_cast<QMdiSubWindow *>(w->parentWidget()) ? w->parentWidget() : w;
        geometry::checkGeometry(frame, frame, problems);
        // the window lies in the main window's free area, or on the screen
        if (auto *sub = qobject_cast<QMdiSubWindow *>(frame)) {
            const QRect area = sub->mdiArea()->viewport()->rect();
            if (!area.contains(sub->geometry()))
                problems << QStringLiteral("the window (%1,%2 %3x%4) is beyond the free area (%5x%6)")
                                .arg(sub->x())
                                .arg(sub->y())
                                .arg(sub->width())
                                .arg(sub->height())
                                .arg(area.width())
                                .arg(area.height());
        } else if (!frame->screen()->availableGeometry().contains(frame->frameGeometry())) {
            problems << QStringLiteral("the window is beyond the screen");
        }
        return problems;
    });
}

void User::cleanUp()
{
    // what the failed journey left open goes, so that the next one starts on a clean desktop
    for (int i = 0; i < 20; ++i) {
        const bool modal = look([] {
            QWidget *m = QApplication::activeModalWidget();
            if (auto *d = qobject_cast<QDialog *>(m))
                d->reject();
            else if (m)
                m->close();
            if (QWidget *p = QApplication::activePopupWidget())
                p->close();
            return m != nullptr;
        });
        if (!modal)
            break;
        pause(50);
    }
    // the run itself ends once every dialog's loop has returned (in runJourney)
}

QString runJourney(User &user, const QString &name, const std::function<void(User &)> &script)
{
    user.setJourney(name);
    QString failure;
    QThread *t = QThread::create([&] {
        try {
            script(user);
        } catch (const Failure &f) {
            failure = f.what;
            try {
                user.cleanUp();
            } catch (const Failure &) {
            }
        }
    });
    QEventLoop loop;
    QObject::connect(t, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    t->start();
    loop.exec();
    t->wait();
    delete t;
    if (!failure.isEmpty())
        run().reset();
    return failure;
}

} // namespace desktop
