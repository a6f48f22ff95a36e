#include "Desktop.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "shell/Main.h"

#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTreeView>
#include <QtTest>

using namespace desktop;

namespace {

// a field of a cat as the data file holds it
QString gespeichert(const QString &home, int katze, const QString &feld)
{
    QProcess p;
    p.start("sqlite3",
            {home + "/Daten/CATSTAMM.DB",
             QStringLiteral("SELECT %1 FROM data WHERE LaufendeNummer = %2").arg(feld).arg(katze)});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QTreeView *ordnerBaum(const QString &fenster)
{
    QWidget *w = User::child(fenster);
    return w ? w->findChild<QTreeView *>() : nullptr;
}

QString gewaehlt(const QString &fenster)
{
    QTreeView *t = ordnerBaum(fenster);
    auto *m = t ? qobject_cast<QFileSystemModel *>(t->model()) : nullptr;
    return m && t->currentIndex().isValid() ? QDir::cleanPath(m->filePath(t->currentIndex())) : QString();
}

// Walks the folder tree down to `pfad` by the keyboard: the first row, then for each folder a step
// into the open folder and its name typed.
void ordnerWaehlen(User &u, const QString &fenster, const QString &pfad)
{
    u.click(
        [fenster]() -> QWidget * { return ordnerBaum(fenster) ? ordnerBaum(fenster)->viewport() : nullptr; },
        "the folder tree", QPoint(40, 8));
    u.key("Home");
    u.require([fenster] { return gewaehlt(fenster) == "/"; }, "the root folder is chosen");
    QString bisher = "/";
    for (const QString &teil : QDir::cleanPath(pfad).split('/', Qt::SkipEmptyParts)) {
        u.key("Right");
        u.pause(400); // the folder is read
        u.key("Right");
        u.pause(200);
        u.type(teil);
        bisher = QDir::cleanPath(bisher + "/" + teil);
        u.require([fenster, bisher] { return gewaehlt(fenster) == bisher; },
                  "the folder " + bisher + " is chosen");
        u.pause(1200); // typing starts a new search afterwards
    }
}

QWidget *feldMitBeschriftung(QWidget *in, const QString &beschriftung)
{
    if (!in)
        return nullptr;
    for (QLabel *l : in->findChildren<QLabel *>())
        if (l->isVisible() && l->buddy() && tav::app::removeAccelerator(l->text()).trimmed() == beschriftung)
            return l->buddy();
    return nullptr;
}

} // namespace

// A backup into a new folder, a change to a cat, the restore of the backup: the cat is back as it
// was, in the window, in the data file and after a restart.
class JrnBackup : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void backupChangeRestore()
    {
        User user("backup");
        const QString failed = runJourney(user, "backup-change-restore", [](User &u) {
            u.makeDemoHome();
            u.startProgram();
            const Finder katze = [] { return User::child("catstamm"); };
            const Finder rufname = [katze] { return feldMitBeschriftung(katze(), "Rufname"); };
            u.require([rufname] { return rufname() != nullptr; }, "the cat record window shows a cat");
            const int nr = u.look([] { return User::mainWindow()->currentListCat(); });
            const QString vorher = gespeichert(u.home(), nr, "Rufname");

            // the backup, into a new folder beside the home's own
            const QString ziel = QDir::cleanPath(u.home() + "/..");
            u.menu({"System", "Datensicherung"});
            const Finder sichern = [] { return User::child("formdatensicherung"); };
            u.require([sichern] { return sichern() != nullptr; }, "the backup window opens");
            ordnerWaehlen(u, "formdatensicherung", ziel);
            u.press(sichern, {"Neues Verzeichnis anlegen"});
            const QString name = "sicherung-" + QFileInfo(u.home()).fileName();
            u.type(name);
            u.press(sichern, {"OK"});
            u.require([name] { return gewaehlt("formdatensicherung").endsWith("/" + name); },
                      "the new folder is chosen");
            u.screenshot("backup-folder");
            u.press(sichern, {"Start"});
            u.answer(7111, QMessageBox::Ok, 60000);
            const QString sicherung = ziel + "/" + name;
            if (!QFileInfo(sicherung + "/CATSTAMM.DB").isFile())
                u.failed("no cat table in the backup " + sicherung);
            u.press(sichern, {"Zurück"});
            u.require([sichern] { return sichern() == nullptr; }, "the backup window closes");

            // the cat changes
            const QString neu = "Neuer Ruf";
            u.click(rufname, "the call name field");
            u.key("ctrl+a");
            u.type(neu);
            const bool fragt = u.look([] { return !tav::app::tsysteminfo::instance()->speichern; });
            u.press(katze, {"Speichern"});
            if (fragt)
                u.answer(29, QMessageBox::Yes);
            u.require([&] { return gespeichert(u.home(), nr, "Rufname") == neu; }, "the change is saved");

            // the restore brings the cat back
            u.menu({"System", "Datenrücksicherung"});
            const Finder zurueck = [] { return User::child("formdatenruecksicherung"); };
            u.require([zurueck] { return zurueck() != nullptr; }, "the restore window opens");
            ordnerWaehlen(u, "formdatenruecksicherung", sicherung);
            u.press(zurueck, {"Start"});
            u.answer(7102, QMessageBox::Yes);
            // the backup is older than the data it replaces
            u.answer(7103, QMessageBox::Yes);
            u.answer(7110, QMessageBox::Ok, 60000);
            u.screenshot("restored");
            if (gespeichert(u.home(), nr, "Rufname") != vorher)
                u.failed("after the restore the data file holds " + gespeichert(u.home(), nr, "Rufname"));
            u.require(
                [rufname, vorher] {
                    auto *e = qobject_cast<QLineEdit *>(rufname());
                    return e && e->text() == vorher;
                },
                "the cat record window shows the cat as it was");
            u.quitProgram();

            u.startProgram();
            if (gespeichert(u.home(), nr, "Rufname") != vorher)
                u.failed("after the restart the data file holds " + gespeichert(u.home(), nr, "Rufname"));
            u.quitProgram();
            QDir(sicherung).removeRecursively();
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

QTEST_MAIN(JrnBackup)
#include "jrn_backup.moc"
