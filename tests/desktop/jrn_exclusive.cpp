#include "Desktop.h"

#include <QtTest>

using namespace desktop;

// An exclusive window and its help: asking for help and closing it gives the window back without
// a word, however often it is done.
class JrnExclusive : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void helpAndBack()
    {
        User user("exclusive");
        const QString failed = runJourney(user, "help-and-back", [](User &u) {
            u.makeDemoHome();
            u.startProgram();
            u.screenshot("started");
            u.menu({"Büro", "Buchführung"});
            const Finder book = [] { return User::child("formbuchfuehrung"); };
            u.require([&] { return book() != nullptr; }, "the bookkeeping opens");
            u.screenshot("bookkeeping");
            for (int round = 0; round < 2; ++round) {
                u.press(book, {"Hilfe"});
                u.require([] { return User::child("hilfefenster") || QApplication::activeWindow(); },
                          "the help shows");
                u.pause(300);
                u.screenshot("help");
                u.key("Escape");
                u.pause(500);
                u.require([&] { return book() && book()->isVisible(); }, "the bookkeeping is back");
            }
            u.quitProgram();
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

QTEST_MAIN(JrnExclusive)
#include "jrn_exclusive.moc"
