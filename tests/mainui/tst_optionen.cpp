#include "../common/ProgramFixture.h"
#include "app/IniFile.h"
#include "app/Sprache.h"
#include "app/ui/Optionen.h"
#include "app/ui/OptionenTeile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace tav::app;
using namespace tav::app::ui;
using tav::shell::TMirravel;
using namespace tav::widgets;

namespace {

QString wert(const QString &section, const QString &key)
{
    return IniFile(settingsPath()).readString(section, key);
}

void waehle(QListWidget *l, const QString &text)
{
    l->clearSelection();
    const auto found = l->findItems(text, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    found.first()->setSelected(true);
}

bool gezeigt(int nummer)
{
    const QString text = messageText(nummer);
    for (const auto &s : Scripted::shown())
        if (s.text.contains(text))
            return true;
    return false;
}
} // namespace

class TstOptionen : public QObject
{
    Q_OBJECT
    ProgramFixture f;

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1100, 760));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        registerOptionen();
        f.main->updateCommandStates();
    }
    void cleanupTestCase() { f.stop(); }
    void cleanup()
    {
        if (TFOptionen *w = TFOptionen::instance())
            w->close();
        QTRY_VERIFY(!TFOptionen::instance());
        Scripted::reset();
    }

    // from the menu: the status filter, an order list and the language; nothing is written before
    // "Speichern", then the main list follows and the file holds the values
    void ausDemMenue()
    {
        QAction *menu = f.main->action("Systemparameter2");
        QVERIFY(menu && menu->isEnabled());
        menu->trigger();
        TFOptionen *w = TFOptionen::instance();
        QVERIFY(w);
        QCOMPARE(w->PageControl->count(), 12);
        QVERIFY(w->statusAnzahl >= 2);
        // the default sort settings ("Nameidx") show as their items
        QCOMPARE(optionen::selected(w->RadioGroupSortierungStammdaten), 0);
        QCOMPARE(optionen::selected(w->RadioGroupSortierung), 0);
        const QByteArray vorher = datei(settingsPath());

        w->CheckBoxAlle->setChecked(false);
        for (QCheckBox *b : w->CheckBoxStatus)
            b->setChecked(false);
        w->CheckBoxStatus[1]->click();
        // the pedigree display: "Titel" out, "Rassecode" in
        auto &r = w->Stammbaumliste;
        waehle(r.liste, "Titel");
        r.entfernen->click();
        r.hinzufuegen->click();
        QVERIFY(!r.auswahlPanel->isHidden());
        waehle(r.auswahl, "Rassecode");
        r.ok->click();
        QCOMPARE(r.liste->count(), 2);
        w->ComboBoxSprache->setCurrentIndex(1);
        QCOMPARE(datei(settingsPath()), vorher);

        // the cat record window hears of the new settings once they are applied
        const TMirravel::CatRecordHooks alt = TMirravel::catRecordHooks();
        TMirravel::CatRecordHooks hooks = alt;
        int gehoert = 0;
        hooks.einstellungenGeaendert = [&] {
            QCOMPARE(tsysteminfo::instance()->Status, QStringLiteral("2"));
            ++gehoert;
        };
        TMirravel::setCatRecordHooks(hooks);
        w->BitBtnSpeichern->click();
        QTRY_VERIFY(!TFOptionen::instance());
        TMirravel::setCatRecordHooks(alt);
        QCOMPARE(gehoert, 1);
        QCOMPARE(wert("Auswahlfenster", "Status"), QStringLiteral("2"));
        QCOMPARE(wert("Stammbaum", "Anzeige"), QStringLiteral("FarbeRassecode"));
        QCOMPARE(wert("System", "Sprache"), QStringLiteral("Englisch"));
        QCOMPARE(sprache().languageNumber(), 1);
        const int zweier = scalar(*f.db, "SELECT COUNT(*) FROM catstamm.db WHERE Status = 2").toInt();
        QVERIFY(zweier > 0);
        QCOMPARE(f.main->catTable()->recordCount(), zweier);

        // in English the page names come from the catalogue; back to German
        menu->trigger();
        w = TFOptionen::instance();
        // (its Alt key may have moved to another letter)
        QCOMPARE(tav::app::removeAccelerator(w->PageControl->tabText(SeiteVerpaarung)),
                 QStringLiteral("Mating"));
        QCOMPARE(w->Stammbaumliste.liste->item(0)->text(), QStringLiteral("Color"));
        w->ComboBoxSprache->setCurrentIndex(0);
        w->CheckBoxAlle->setChecked(true);
        QVERIFY(w->speichern());
        QCOMPARE(sprache().languageNumber(), 0);
        QCOMPARE(wert("Auswahlfenster", "Status"), QStringLiteral("alle"));
    }

    // Delete empties the colour box, also while its text has the focus, and the coat-type box
    void entfLeertDieBoxen()
    {
        TFOptionen *w = optionenOeffnen(*f.main, TFOptionen::Seiten::Alle);
        w->ComboBoxFarbe->addItem(QStringLiteral("rot"));
        w->ComboBoxHaarart->addItem(QStringLiteral("kurz"));
        QTest::keyClick(w->ComboBoxFarbe->lineEdit(), Qt::Key_Delete);
        QTest::keyClick(w->ComboBoxHaarart, Qt::Key_Delete);
        for (QComboBox *b : {w->ComboBoxFarbe, w->ComboBoxHaarart})
            QVERIFY2(b->count() == 0 && b->currentText().isEmpty(), qPrintable(b->currentText()));
        w->close();
        QTRY_VERIFY(!TFOptionen::instance());
    }

    // the cat record window's opener: two pages; only their keys are written, and a field without a
    // number stops the save before anything is taken
    void wurfbuchSeiten()
    {
        tsysteminfo *s = tsysteminfo::instance();
        s->Status = QStringLiteral("3"); // in memory only: must not reach the file
        TFOptionen *w = optionenOeffnen(*f.main, TFOptionen::Seiten::Wurfbuch);
        QCOMPARE(w->PageControl->count(), 2);
        QCOMPARE(w->PageControl->tabText(0), QStringLiteral("Wurfbuch"));
        QCOMPARE(w->PageControl->tabText(1), QStringLiteral("Inzucht"));
        QVERIFY(w->PageControl->currentWidget() == w->seite(SeiteWurfbuch));

        w->EditTraechtigkeit->setText("70");
        w->EditAbgabe->setText("zwölf");
        const QByteArray vorher = datei(settingsPath());
        QVERIFY(!w->speichern());
        QVERIFY(gezeigt(8200));
        QCOMPARE(datei(settingsPath()), vorher);
        QCOMPARE(s->TageTraechtigkeit, 65);

        w->EditAbgabe->setText("56");
        w->ComboBoxInzuchtFenster->setCurrentIndex(2);
        QVERIFY(w->speichern());
        QCOMPARE(wert("Stammdaten", "BerechnungGebtermin"), QStringLiteral("70"));
        QCOMPARE(wert("Wurfbuch", "BerechnungAbgabetermin"), QStringLiteral("56"));
        QCOMPARE(wert("Inzucht", "Fenster"), QStringLiteral("2"));
        QCOMPARE(wert("Auswahlfenster", "Status"), QStringLiteral("alle"));
        s->Status = QStringLiteral("alle");
    }

    // the conversion from the page: a factor that is not positive and a missing date are refused;
    // a run writes its keys
    void waehrung()
    {
        TFOptionen *w = optionenOeffnen(*f.main, TFOptionen::Seiten::Alle);
        w->PageControl->setCurrentIndex(SeiteAllgemeines);
        w->EditFaktor->setText("0,0");
        w->ButtonUmrechnungStart->click();
        QVERIFY(gezeigt(88));
        QVERIFY(w->PanelBestaetigung->isHidden());
        w->EditFaktor->setText("2");
        w->ButtonUmrechnungStart->click();
        QVERIFY(!w->PanelBestaetigung->isHidden());
        w->ButtonPanelStart->click();
        QVERIFY(gezeigt(114));
        QCOMPARE(wert("System", "WaehrungsumrechnungFaktor"), QStringLiteral("0"));

        w->EditUmrechnungBis->setText("31.12.2030");
        w->ButtonPanelStart->click();
        QVERIFY(gezeigt(89));
        QCOMPARE(wert("System", "WaehrungsumrechnungFaktor"), QStringLiteral("2"));
        QCOMPARE(parseSettingsDate(wert("System", "WaehrungsumrechnungAm")), QDate::currentDate());
        w->ButtonLetzteUmrechnung->click();
        QVERIFY(w->LabelErgebnis->text().contains(settingsDateText(QDate::currentDate())));

        if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget()))
            sub->resize(sub->sizeHint());
        w->EditFaktor->setText("1,95583");
        w->ButtonUmrechnungStart->click();
        QVERIFY(w->grab().save("/tmp/tav_optionen_allgemein.png"));
        w->PageControl->setCurrentIndex(SeiteAuswahlfenster);
        QVERIFY(w->grab().save("/tmp/tav_optionen_auswahl.png"));
        w->PageControl->setCurrentIndex(SeiteDruckStammbaum);
        QVERIFY(w->grab().save("/tmp/tav_optionen_druck.png"));
    }
};

QTEST_MAIN(TstOptionen)
#include "tst_optionen.moc"
