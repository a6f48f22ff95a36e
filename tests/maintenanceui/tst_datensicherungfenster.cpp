#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "maintenance/ui/Datensicherung.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"

#include <QPushButton>
#include <QtTest>

using namespace tav::maintenance::ui;
using tav::widgets::Scripted;

namespace {
// the texts of the main list's rows
QStringList listenzeilen(QAbstractItemModel *m)
{
    QStringList zeilen;
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c)
            zeilen << m->index(r, c).data().toString();
    return zeilen;
}
} // namespace

// Backup the demo register, change a cat, restore: the change is gone, and the main list and the
// cat record window show the restored data without a restart.
class TestDatensicherungFenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;

  private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(f.start(QSize(1200, 900)), QString());
        QCOMPARE(f.openCatStamm(), QString());
        registerDatensicherung();
        f.main->updateCommandStates();
    }
    void cleanupTestCase() { f.stop(); }

    void backupChangeRestore()
    {
        QTemporaryDir ziel;
        QVERIFY(f.main->action("Datensicherung1")->isEnabled());
        QVERIFY(f.main->action("Datenrcksicherung1")->isEnabled());
        f.main->runCommand("Datensicherung1");
        TFormDatensicherung *s = TFormDatensicherung::instance();
        QVERIFY(s);
        s->setOrdner(ziel.path());
        Scripted::reset();
        s->BitBtnStart->click();
        QCOMPARE(Scripted::shown().size(), 1);
        QVERIFY2(Scripted::shown().first().text.contains("Kopierte Dateien"),
                 qPrintable(Scripted::shown().first().text));
        QVERIFY(QFileInfo::exists(ziel.filePath("CATSTAMM.DB")));
        s->close();

        tav::store::Table *liste = f.main->catTable();
        liste->first();
        const QString name = liste->text("Name");
        {
            tav::store::Table t(f.db.get(), "CATSTAMM.DB");
            t.open();
            QVERIFY(t.locate("Name", name));
            t.edit();
            t.setValue("Name", "Geaendert Zurueck");
            t.post();
        }
        liste->refresh();
        QTRY_VERIFY(listenzeilen(f.main->catList()->model()).contains("Geaendert Zurueck"));

        f.main->runCommand("Datenrcksicherung1");
        TFormDatenruecksicherung *r = TFormDatenruecksicherung::instance();
        QVERIFY(r);
        r->setOrdner(ziel.path());
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes); // restore?
        Scripted::answer(QMessageBox::Yes); // the backup is older than the changed cat table
        r->BitBtnStart->click();
        QStringList texte;
        for (const auto &m : Scripted::shown())
            texte << m.text;
        QCOMPARE(texte.size(), 3);
        QVERIFY2(texte.last().contains("zurückgespielt"), qPrintable(texte.join('|')));

        QVERIFY(liste->isOpen());
        QVERIFY(!liste->locate("Name", "Geaendert Zurueck"));
        QVERIFY(liste->locate("Name", name));
        QTRY_VERIFY(!listenzeilen(f.main->catList()->model()).contains("Geaendert Zurueck"));
        QVERIFY(listenzeilen(f.main->catList()->model()).contains(name));
        QVERIFY(tav::cats::ui::TCatStamm::instance()->DBCatStamm()->isOpen());
        QVERIFY(tav::app::sprache().messagesOpen());
        QVERIFY(QFileInfo::exists(f.home.filePath("Datensik/CATSTAMM.DB")));
        f.main->grab().save("/tmp/restore-main.png");
        r->parentWidget()->grab().save("/tmp/restore-window.png");
    }

    // A folder with the cat table alone is refused before any question, naming what is missing.
    void incompleteBackupIsRefused()
    {
        QTemporaryDir ziel;
        QVERIFY(QFile::copy(f.db->dataDir() + "/CATSTAMM.DB", ziel.filePath("CATSTAMM.DB")));
        f.main->runCommand("Datenrcksicherung1");
        TFormDatenruecksicherung *r = TFormDatenruecksicherung::instance();
        QVERIFY(r);
        r->setOrdner(ziel.path());
        Scripted::reset();
        r->BitBtnStart->click();
        QCOMPARE(Scripted::shown().size(), 1);
        const QString text = Scripted::shown().first().text;
        QVERIFY2(text.contains("unvollständig") && text.contains("FARBE.DB"), qPrintable(text));
        QVERIFY(f.main->catTable()->isOpen());
        r->close();
    }
};

QTEST_MAIN(TestDatensicherungFenster)
#include "tst_datensicherungfenster.moc"
