#include "Desktop.h"
#include "shell/Main.h"
#include "widgets/Help.h"

#include <QDialog>
#include <QtTest>

using namespace desktop;

// The menu commands and tool buttons that open no child window of their own: the cat commands,
// the print jobs (each opens its preview or form), the printer and font dialogs, the word
// processor, the window arrangement and the help. Each is used as a user would and must end
// without a word the user did not expect.

namespace {

// the dialog or preview a command opened: the active top-level window other than the main window
QWidget *openDialog()
{
    QWidget *w = QApplication::activeModalWidget();
    if (!w) {
        w = QApplication::activeWindow();
        if (w == User::mainWindow() || qobject_cast<tav::widgets::THilfeFenster *>(w))
            w = nullptr;
    }
    return w && w->isVisible() ? w : nullptr;
}

const QStringList closeCaptions = {"Schließen", "Zurück", "Abbruch", "Abbrechen", "OK"};

// a print-out's preview or form: look, help by button and F1, close by its button; again, Escape
void printJob(User &u, const QString &item)
{
    for (int round = 0; round < 2; ++round) {
        u.menuItem(item);
        u.require([] { return openDialog() != nullptr; }, "the print-out's window opens", 20000);
        u.pause(300);
        u.screenshot(round ? "again" : "open");
        const QStringList problems = u.lookProblems(openDialog);
        if (!problems.isEmpty())
            u.failed("what the user sees:\n  " + problems.join("\n  "));
        if (round == 0) {
            for (bool byKey : {false, true}) {
                if (byKey)
                    u.key("F1");
                else
                    u.press(openDialog, {"Hilfe"});
                u.require([] { return User::helpShown() != 0; }, byKey ? "help by F1" : "help by its button");
                u.key("Escape");
                u.require([] { return User::helpShown() == 0; }, "the help closes");
                u.require([] { return openDialog() != nullptr; }, "the print-out's window is back");
            }
            u.press(openDialog, closeCaptions);
        } else {
            u.key("Escape");
        }
        u.require([] { return openDialog() == nullptr; },
                  round ? "Escape closes it" : "its button closes it");
    }
}

} // namespace

class JrnCommands : public QObject
{
    Q_OBJECT
    User m_user{"commands"};
    bool m_home = false;

    QString journey(const QString &name, const std::function<void(User &)> &script)
    {
        return runJourney(m_user, name, [this, script](User &u) {
            if (!m_home) {
                u.makeDemoHome();
                m_home = true;
            }
            if (!u.programRunning())
                u.startProgram();
            script(u);
        });
    }

  private Q_SLOTS:
    void newCatAndUndo()
    {
        const QString failed = journey("new-cat", [](User &u) {
            const int before = u.look([] { return User::shownCat(); });
            for (bool byButton : {false, true}) {
                if (byButton)
                    u.toolButton("SpeedButton1");
                else
                    u.menuItem("KatzeNeuItem");
                u.require([] { return User::shownCat() == 0; }, "an empty record for the new cat");
                u.type("Probekatze");
                u.screenshot("typed");
                u.press([] { return User::child("catstamm"); }, {"Rückgängig"});
                u.require([before] { return User::shownCat() == before; }, "the cat shown before is back");
            }
            if (u.value("SELECT COUNT(*) FROM catstamm.db WHERE Name = 'Probekatze'").toInt() != 0)
                u.failed("the abandoned cat was stored");
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void duplicateAndUndo()
    {
        const QString failed = journey("duplicate", [](User &u) {
            const int before = u.look([] { return User::shownCat(); });
            const int count = u.value("SELECT COUNT(*) FROM catstamm.db").toInt();
            for (bool byButton : {false, true}) {
                if (byButton)
                    u.toolButton("SpeedButtonKopie");
                else
                    u.menuItem("Katzekopieren1");
                u.require([] { return User::shownCat() == 0; }, "the copy waits to be saved");
                u.screenshot("copy");
                u.press([] { return User::child("catstamm"); }, {"Rückgängig"});
                u.require([before] { return User::shownCat() == before; }, "the original is back");
            }
            if (u.value("SELECT COUNT(*) FROM catstamm.db").toInt() != count)
                u.failed("the abandoned copy was stored");
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void searchSaveDelete()
    {
        const QString failed = journey("search-save-delete", [](User &u) {
            for (bool byButton : {false, true}) {
                if (byButton)
                    u.toolButton("SpeedButton2");
                else
                    u.menuItem("FileSaveItem");
                u.require([] { return openDialog() != nullptr; }, "the cat search opens");
                u.screenshot("search");
                const QStringList problems = u.lookProblems(openDialog);
                if (!problems.isEmpty())
                    u.failed("what the user sees:\n  " + problems.join("\n  "));
                u.key("Escape");
                u.require([] { return openDialog() == nullptr; }, "Escape closes the search");
            }
            // nothing to save: saving says nothing and changes nothing
            u.menuItem("FileSaveAsItem");
            u.pause(300);
            const int cat = u.look([] { return User::shownCat(); });
            u.menuItem("loeschen");
            u.answer(15, QMessageBox::No);
            if (u.value("SELECT COUNT(*) FROM catstamm.db WHERE LaufendeNummer = ?", {cat}).toInt() != 1)
                u.failed("the cat went although the user said No");
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void exitAnsweredNo()
    {
        const QString failed = journey("exit-no", [](User &u) {
            u.menuItem("FileExitItem");
            u.answer(9860, QMessageBox::No);
            u.toolButton("SpeedButton6");
            u.answer(9860, QMessageBox::No);
            u.require([] { return User::mainWindow() && User::mainWindow()->isVisible(); },
                      "the program goes on");
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void wordProcessor()
    {
        const QString failed = journey("word-processor", [](User &u) {
            // the settings name no word processor this desktop has: the program says so and offers
            // the options page
            for (bool byButton : {false, true}) {
                if (byButton)
                    u.toolButton("SpeedButton18");
                else
                    u.menuItem("Textverarbeitung1");
                u.answer(9152, QMessageBox::Ok);
                u.answer(9153, QMessageBox::No);
            }
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void printerAndFont()
    {
        const QString failed = journey("printer-font", [](User &u) {
            for (const char *item : {"FilePrintSetupItem", "Schriftart1"}) {
                u.menuItem(item);
                u.require([] { return openDialog() != nullptr; },
                          QString("the dialog of %1 opens").arg(item));
                u.pause(300);
                u.screenshot(item);
                u.key("Escape");
                u.require([] { return openDialog() == nullptr; }, "Escape closes it");
            }
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void print_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("cat");
        // the litter print-outs of a queen with litters, the mating book and certificate of a tom
        // with matings, the others of any cat
        const QString queen =
            "SELECT c.Name FROM catstamm.db c JOIN wurfbuch.db w ON w.Katze = c.LaufendeNummer "
            "ORDER BY w.LaufendeNummer LIMIT 1";
        const QString tom =
            "SELECT c.Name FROM catstamm.db c JOIN deckbuch.db d ON d.Kater = c.LaufendeNummer "
            "ORDER BY d.LaufendeNummer LIMIT 1";
        for (const char *item : {"Katzendaten1", "KatzendatenListe1", "Stammbaum1", "Stammbaum2"})
            QTest::newRow(item) << item << QString();
        for (const char *item : {"Wurfdaten1", "Gewichtstabelle"})
            QTest::newRow(item) << item << queen;
        for (const char *item : {"Deckbuch", "Deckschein"})
            QTest::newRow(item) << item << tom;
    }

    void print()
    {
        QFETCH(QString, item);
        QFETCH(QString, cat);
        const QString failed = journey(item, [&](User &u) {
            if (!cat.isEmpty())
                u.showCat(u.value(cat).toString());
            printJob(u, item);
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void windowsAndHelp()
    {
        const QString failed = journey("windows-help", [](User &u) {
            u.menuItem("bereinander1");
            u.pause(300);
            u.screenshot("cascaded");
            u.menuItem("Symboleanordnen1");
            u.pause(300);
            u.screenshot("icons");
            const QStringList problems = u.lookProblems([] { return User::child("catstamm"); });
            if (!problems.isEmpty())
                u.failed("the cat record window after arranging the icons:\n  " + problems.join("\n  "));
            for (bool byButton : {false, true}) {
                if (byButton)
                    u.toolButton("SpeedButton5");
                else
                    u.menuItem("HelpContentsItem");
                u.require([] { return User::helpShown() == 1001; }, "the help's contents");
                u.key("Escape");
                u.require([] { return User::helpShown() == 0; }, "the help closes");
            }
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void cleanupTestCase()
    {
        runJourney(m_user, "end", [](User &u) {
            if (u.programRunning())
                u.quitProgram();
        });
    }
};

QTEST_MAIN(JrnCommands)
#include "jrn_commands.moc"
