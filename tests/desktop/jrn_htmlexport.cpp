#include "Desktop.h"
#include "shell/Main.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QToolBar>
#include <QtTest>

using namespace desktop;

// On a fresh home the HTML pedigree of the cat shown goes into HOME/Bmp at the first try, and is
// there after a restart, where the window proposes the same page again. On the way: the tool bar
// as the breeder sees it.
class JrnHtmlExport : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void firstExportOnAFreshHome()
    {
        User user("htmlexport");
        const QString failed = runJourney(user, "first-export", [](User &u) {
            u.makeDemoHome();
            if (QFileInfo::exists(u.home() + "/Bmp") && !QDir(u.home() + "/Bmp").isEmpty())
                u.failed("the fresh home has pages already");
            u.startProgram();
            // the tool bar, every button with its icon
            u.pause(300);
            u.look([&u] {
                auto *bar = User::mainWindow()->findChild<QToolBar *>("SpeedBar");
                const QRect r(bar->mapToGlobal(QPoint(0, 0)), bar->size());
                QApplication::primaryScreen()
                    ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
                    .save(u.outputFolder() + "/toolbar.png");
            });
            u.screenshot("started");

            const Finder html = [] { return User::child("formhtmlstammbaum"); };
            const auto pfad = [html] {
                QWidget *w = html();
                auto *e = w ? w->findChild<QLineEdit *>("EditPfad") : nullptr;
                return e ? e->text() : QString();
            };
            u.menu({"Internet", "HTML-Stammbaum erstellen"});
            u.require([html] { return html() != nullptr; }, "the HTML export window opens");
            u.pause(300);
            u.screenshot("html-window");
            const QStringList problems = u.lookProblems(html);
            if (!problems.isEmpty())
                u.failed("what the user sees of the HTML window:\n  " + problems.join("\n  "));
            const QString seite = u.look(pfad);
            if (QFileInfo(seite).absolutePath() != QFileInfo(u.home() + "/Bmp").absoluteFilePath())
                u.failed("the page is proposed outside HOME/Bmp: " + seite);
            u.press(html, {"HTML-Datei erstellen"});
            u.answer(76, QMessageBox::Ok);
            if (!QFileInfo(seite).isFile() || QFileInfo(seite).size() < 500)
                u.failed("no page written at " + seite);
            const QByteArray inhalt = [&] {
                QFile f(seite);
                return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            }();
            u.press(html, {"Zurück"});
            u.require([html] { return html() == nullptr; }, "the HTML window closes");
            u.quitProgram();

            // after a restart the page is as written, and the window proposes it again
            u.startProgram();
            QFile f(seite);
            if (!f.open(QIODevice::ReadOnly) || f.readAll() != inhalt)
                u.failed("the page changed across the restart");
            u.menu({"Internet", "HTML-Stammbaum erstellen"});
            u.require([html] { return html() != nullptr; }, "the HTML export window opens again");
            if (u.look(pfad) != seite)
                u.failed("after the restart the window proposes " + u.look(pfad));
            u.press(html, {"Zurück"});
            u.require([html] { return html() == nullptr; }, "the HTML window closes again");
            u.quitProgram();
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

QTEST_MAIN(JrnHtmlExport)
#include "jrn_htmlexport.moc"
