// The reference list windows and the status list window on the demo register: the System menu
// opens them, a new breed reaches the cat record window, a breed in use is deleted only when the
// user says so after being told, the fixed traits refuse every change, status names keep numbers.
#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "cats/ui/Pcatstam.h"
#include "cats/ui/ReferenzlisteFenster.h"
#include "cats/ui/StatusFenster.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"

#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace tav::app;
using namespace tav::widgets;
using namespace tav::cats::ui;
using tav::store::Table;

class TstListenfenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    template <class W = TReferenzliste> W *oeffnen(const char *item, const char *fenster)
    {
        QAction *a = f.main->action(item);
        if (!a || !a->isEnabled())
            return nullptr;
        a->trigger();
        QCoreApplication::processEvents();
        return qobject_cast<W *>(ChildWindow::find(fenster));
    }
    static void klick(QWidget *w, const char *knopf)
    {
        QPushButton *b = w->findChild<QPushButton *>(knopf);
        QVERIFY2(b && b->isEnabled(), knopf);
        b->click();
        QCoreApplication::processEvents();
    }
    int anzahl(const QString &sql, const QVariantList &args = {}) { return scalar(*f.db, sql, args).toInt(); }
    void grab(QWidget *w, const QString &name)
    {
        const QString dir = qEnvironmentVariable("TAV_GRAB_DIR");
        if (!dir.isEmpty())
            w->parentWidget()->grab().save(dir + "/" + name);
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QString failed = f.start(QSize(1280, 860), true);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        failed = f.openCatStamm();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        registerReferenzlisten();
    }
    void cleanupTestCase() { f.stop(); }
    void init() { Scripted::reset(); }

    void breedInUseIsDeletedOnlyAfterBeingTold()
    {
        TReferenzliste *w = oeffnen("Rassen1", "rassen");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Rassen"));
        klick(w, "Hinzufuegen");
        QCOMPARE(w->table()->state(), Table::State::Insert);
        const QString name = "Angora \"Weiß\" d'Ivoire";
        QTest::keyClicks(w->findChild<DBEdit *>("DBRName"), name);
        QTest::keyClicks(w->findChild<DBEdit *>("DBRKurzname"), "ANW");
        grab(w, "breeds-window.png");
        klick(w, "Zurueck");
        QTRY_VERIFY(!ChildWindow::find("rassen"));
        const int rasse = anzahl("SELECT RCode FROM rasse WHERE RName = ?", {name});
        QVERIFY(rasse > 0);

        // the cat record window lists it at once; a cat takes it
        TCatStamm *k = TCatStamm::instance();
        auto *combo = k->findChild<QComboBox *>("DBRasse");
        QVERIFY(combo->findText(name) >= 0);
        const int katze = k->aktuelleKatze();
        QVERIFY(k->DataSourceCatStamm()->setFieldValue("Rasse", rasse));
        QVERIFY(k->Speichern());
        QCOMPARE(anzahl("SELECT Rasse FROM catstamm WHERE LaufendeNummer = ?", {katze}), rasse);

        w = oeffnen("Rassen1", "rassen");
        QVERIFY(w->table()->locate("RCode", rasse));
        Scripted::answer(QMessageBox::No);
        klick(w, "Loeschen");
        QCOMPARE(Scripted::shown().size(), 1);
        QVERIFY2(Scripted::shown().last().text.endsWith("(1)"), qPrintable(Scripted::shown().last().text));
        QCOMPARE(anzahl("SELECT count(*) FROM rasse WHERE RCode = ?", {rasse}), 1);
        Scripted::answer(QMessageBox::Yes);
        klick(w, "Loeschen");
        QCOMPARE(anzahl("SELECT count(*) FROM rasse WHERE RCode = ?", {rasse}), 0);
        klick(w, "Zurueck");
        QTRY_VERIFY(!ChildWindow::find("rassen"));
        // the cat keeps the number, which now names nothing, and the list no longer offers it
        QCOMPARE(anzahl("SELECT Rasse FROM catstamm WHERE LaufendeNummer = ?", {katze}), rasse);
        QCOMPARE(combo->findText(name), -1);
        QVERIFY(combo->currentText() != name);
    }

    void fixedTraitsRefuseEveryChange()
    {
        TReferenzliste *w = oeffnen("Merkmale1", "formmerkmale");
        QVERIFY(w);
        QVERIFY(w->table()->locate("LaufendeNummer", 2));
        const QString vorher = w->table()->text("Bezeichnung");
        klick(w, "Loeschen");
        klick(w, "FarbeLaden");
        QTest::keyClicks(w->findChild<DBEdit *>("DBBezeichnung"), "x");
        QVERIFY(!w->table()->isEditing());
        QVERIFY(Scripted::shown().size() >= 3);
        QCOMPARE(Scripted::shown().at(0).text, messageText(94));
        QCOMPARE(Scripted::shown().at(1).text, messageText(90));
        QCOMPARE(
            anzahl("SELECT count(*) FROM merkmale WHERE LaufendeNummer = 2 AND Bezeichnung = ?", {vorher}),
            1);

        // an ordinary trait takes a colour from the dialog
        QVERIFY(w->table()->locate("LaufendeNummer", 3));
        Scripted::dialog([](QDialog &d) {
            static_cast<QColorDialog &>(d).setCurrentColor(QColor(10, 20, 30));
            return int(QDialog::Accepted);
        });
        klick(w, "FarbeLaden");
        QVERIFY(w->dataSource()->save());
        QCOMPARE(anzahl("SELECT farbe FROM merkmale WHERE LaufendeNummer = 3"), 10 + 20 * 256 + 30 * 65536);
        klick(w, "Zurueck");
    }

    // the colour sample shows the colour of the record the window opens on, too
    void traitColourOfTheFirstRecord()
    {
        Table t(f.db.get(), "MERKMALE.DB");
        t.open();
        t.first();
        const QVariant vorher = t.value("farbe");
        t.edit();
        t.setValue("farbe", 255);
        t.post();
        TReferenzliste *w = oeffnen("Merkmale1", "formmerkmale");
        QVERIFY(w);
        QCOMPARE(w->table()->intValue("LaufendeNummer"), t.intValue("LaufendeNummer"));
        QVERIFY2(w->findChild<QLabel *>("Farbmuster")->styleSheet().contains(QColor(Qt::red).name()),
                 qPrintable(w->findChild<QLabel *>("Farbmuster")->styleSheet()));
        klick(w, "Zurueck");
        t.edit();
        t.setValue("farbe", vorher);
        t.post();
    }

    void pedigreeColoursAreCreatedAndAppended()
    {
        TReferenzliste *w = oeffnen("FarbeDruckDoppelte1", "stbfarbeform");
        QVERIFY(w && w->table()->isOpen());
        const int vorher = w->table()->recordCount();
        Scripted::dialog([](QDialog &d) {
            static_cast<QColorDialog &>(d).setCurrentColor(QColor(255, 0, 0));
            return int(QDialog::Accepted);
        });
        klick(w, "Hinzufuegen");
        QCOMPARE(w->table()->recordCount(), vorher + 1);
        QCOMPARE(anzahl("SELECT farbe FROM stbfarbe ORDER BY LaufendeNummer DESC LIMIT 1"), 255);
        klick(w, "Zurueck");
    }

    void statusNamesAreEditedByPosition()
    {
        auto *w = oeffnen<TStatusForm>("Status1", "statusform");
        QVERIFY(w);
        const int n = w->sichtbar();
        QVERIFY(n > 0 && n < 9);
        QVERIFY(!w->findChild<QPushButton *>("Speichern")->isEnabled());
        klick(w, "Hinzufuegen");
        QCOMPARE(w->sichtbar(), n + 1);
        QTest::keyClicks(w->feld(n + 1), "Im Urlaub");
        klick(w, "Speichern");
        QCOMPARE(scalar(*f.db, "SELECT Status FROM status WHERE Nummer = ?", {n + 1}).toString(),
                 QString("Im Urlaub"));
        // emptying the last one deletes it
        w->feld(n + 1)->clear();
        QTest::keyClicks(w->feld(n + 1), " ");
        klick(w, "Speichern");
        QCOMPARE(w->sichtbar(), n);
        QCOMPARE(anzahl("SELECT count(*) FROM status WHERE Nummer = ?", {n + 1}), 0);
        klick(w, "Zurueck");
    }

    void everyListWindowOpensOnceFromTheSystemMenu()
    {
        const QList<QPair<const char *, const char *>> fenster = {{"Rassen1", "rassen"},
                                                                  {"Farben1", "farbeform"},
                                                                  {"Augenfarben1", "augenfarbeform"},
                                                                  {"Fellart1", "fellartform"},
                                                                  {"Titel1", "titelhundform"},
                                                                  {"Merkmale1", "formmerkmale"},
                                                                  {"FarbeDruckDoppelte1", "stbfarbeform"},
                                                                  {"Katzennamen1", "formkatzennamen"},
                                                                  {"Status1", "statusform"}};
        for (const auto &[item, name] : fenster) {
            QAction *a = f.main->action(item);
            QVERIFY2(a && a->isEnabled(), item);
            const int offen = ChildWindow::openWindows().size();
            a->trigger();
            a->trigger();
            QCoreApplication::processEvents();
            QVERIFY2(ChildWindow::openWindows().size() == offen + 1, item);
            QPointer<ChildWindow> w = ChildWindow::find(name);
            QVERIFY2(w, name);
            QVERIFY(w->close());
            QTRY_VERIFY(!w);
        }
    }
};

QTEST_MAIN(TstListenfenster)
#include "tst_listenfenster.moc"
