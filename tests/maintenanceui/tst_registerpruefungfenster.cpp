// The register check window on the demo register: from the System menu, the months setting, a
// double click to the cat record window, and the offer at the start after an import.
#include "../common/WindowRegistry.h"
#include "maintenance/ui/Registerpruefung.h"
#include "store/Table.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace tav::app;
using namespace tav::widgets;
using namespace tav::maintenance;
using namespace tav::maintenance::ui;

class TstRegisterpruefungFenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    qint32 neueKatze(const QString &name, const QString &geschlecht, const QDate &geboren, qint32 mutter = 0)
    {
        tav::store::Table t(f.db.get(), QStringLiteral("CATSTAMM.DB"));
        t.open();
        t.append();
        t.setValue("Name", name);
        t.setValue("Geschlecht", geschlecht);
        t.setValue("GebDatum", geboren);
        t.setValue("Mutter", mutter ? QVariant(mutter) : QVariant());
        t.post();
        return t.value("LaufendeNummer").toInt();
    }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1100, 700));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QVERIFY(openCatRecordWindow(f));
        registerRegisterpruefung();
    }
    void cleanupTestCase() { f.stop(); }

    void pruefenUndOeffnen()
    {
        QAction *a = f.main->action("Registerpruefung1");
        QVERIFY(a && a->isEnabled());
        a->trigger();
        auto *w = TFormRegisterpruefung::instance();
        QVERIFY(w);
        w->BitBtnPruefen->click();
        QCOMPARE(w->GridBefunde->rowCount(), 0);
        QCOMPARE(w->LabelErgebnis->text(), messageText(meldung::KeineBefunde));

        const qint32 fehlt = neueKatze("Mira vom Bach", "2", QDate(2020, 4, 1), 4711);
        const qint32 erste = neueKatze("Nox vom Bach", "1", QDate(2021, 5, 5));
        const qint32 zweite = neueKatze("NOX  vom Bach", "1", QDate(2021, 5, 5));
        w->BitBtnPruefen->click();
        QCOMPARE(w->GridBefunde->rowCount(), 2);
        QCOMPARE(w->LabelErgebnis->text(), messageText(meldung::Befunde).arg(2));
        QCOMPARE(w->GridBefunde->item(0, 0)->text(), befundName(Befund::ElterFehlt, sprache()));
        QVERIFY(w->GridBefunde->item(0, 2)->text().contains("4711"));
        QCOMPARE(w->GridBefunde->item(1, 1)->text(),
                 QStringLiteral("Nox vom Bach (%1), NOX  vom Bach (%2)").arg(erste).arg(zweite));
        w->parentWidget()->setGeometry(0, 0, 880, 380);
        if (const QString dir = qEnvironmentVariable("TAV_GRAB_DIR"); !dir.isEmpty())
            f.main->grab().save(dir + "/integrity-check.png");

        // a double click shows the row's cat in the cat record window and the list
        const QRect zelle = w->GridBefunde->visualItemRect(w->GridBefunde->item(1, 0));
        QTest::mouseClick(w->GridBefunde->viewport(), Qt::LeftButton, {}, zelle.center());
        QTest::mouseDClick(w->GridBefunde->viewport(), Qt::LeftButton, {}, zelle.center());
        QCOMPARE(tav::cats::ui::TCatStamm::instance()->aktuelleKatze(), erste);
        QCOMPARE(f.main->currentListCat(), erste);
        w->GridBefundeDblClick(0);
        QCOMPARE(tav::cats::ui::TCatStamm::instance()->aktuelleKatze(), fehlt);

        // the months are kept in the settings; a higher limit finds the demo's young parents
        w->SpinMonate->setValue(120);
        QCOMPARE(pruefOptionenLesen().mindestMonate, 120);
        w->BitBtnPruefen->click();
        QVERIFY(w->GridBefunde->rowCount() > 2);
        QCOMPARE(w->GridBefunde->item(0, 0)->text(), befundName(Befund::ElterZuJung, sprache()));
        w->SpinMonate->setValue(7);
        w->close();
    }

    // cats imported since the last start: the check is offered once, and runs when accepted
    void angebotNachImport()
    {
        importVermerken(f.db->dataDir(), 4);
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        pruefungNachImportAnbieten(*f.main, *f.db);
        QCOMPARE(Scripted::shown().size(), 1);
        QCOMPARE(Scripted::shown().last().text, messageText(meldung::NachImport).arg(4));
        auto *w = TFormRegisterpruefung::instance();
        QVERIFY(w);
        QCOMPARE(w->GridBefunde->rowCount(), 2);
        QCOMPARE(importVermerk(f.db->dataDir()), 0);
        Scripted::reset();
        pruefungNachImportAnbieten(*f.main, *f.db);
        QVERIFY(Scripted::shown().isEmpty());
    }
};

QTEST_MAIN(TstRegisterpruefungFenster)
#include "tst_registerpruefungfenster.moc"
