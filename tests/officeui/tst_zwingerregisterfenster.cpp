// The cattery registers on the demo register, opened from the menu: a private cattery with a stud
// and its picture kept across closing, the copy into the address book, the general register
// refusing edits unless started for data entry, and the search finding a name with a quote.
#include "../common/Bedienung.h"
#include "office/ui/BueroFenster.h"
#include "shell/Main.h"
#include "office/ui/ZwinSuchDlg.h"
#include "office/ui/ZwingerEintraege.h"
#include "office/ui/Zwingerregister.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using namespace tav::app;
using namespace tav::widgets;
using namespace tav::office;
using namespace tav::office::ui;
using tav::store::Table;

class TstZwingerregisterFenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    QTemporaryDir bilder;

    TFormZwingerregister *oeffnen(const char *item, const char *fenster)
    {
        return menueOeffnen<TFormZwingerregister>(f, item, fenster);
    }
    static bool sichtbar(QWidget *w, const char *knopf)
    {
        auto *b = w->findChild<QWidget *>(knopf);
        return b && b->isVisible();
    }
    void schliessen(QWidget *w, const char *fenster)
    {
        w->parentWidget()->close();
        QTRY_VERIFY(!ChildWindow::find(fenster));
    }
    QString bildDatei()
    {
        QImage bild(120, 90, QImage::Format_RGB32);
        bild.fill(QColor(90, 110, 160));
        for (int x = 30; x < 90; ++x)
            for (int y = 20; y < 70; ++y)
                bild.setPixel(x, y, qRgb(230, 200, 120));
        const QString pfad = bilder.filePath("benno.bmp");
        bild.save(pfad);
        return pfad;
    }
    int adressen(const QString &name)
    {
        return scalar(*f.db, "SELECT COUNT(*) FROM adr_dat WHERE Name = ?", {name}).toInt();
    }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1280, 860), true);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        registerBuero();
        f.main->updateCommandStates();
    }
    void cleanupTestCase() { f.stop(); }
    void init() { Scripted::reset(); }
    void cleanup()
    {
        for (ChildWindow *w : ChildWindow::openWindows())
            delete w->parentWidget();
    }

    void privateCatteryKeepsItsStudWithPicture()
    {
        const ZwingerTabellen t = zwingerTabellen(true);
        for (const QString &datei : {t.zwinger, t.eintraege})
            f.db->dropTable(datei);
        auto *w = oeffnen("Zwingerregisterprivat1", "formzwingerregisterprivat");
        QVERIFY(w);
        QVERIFY(f.db->tableExists(t.zwinger) && f.db->tableExists(t.eintraege));
        QCOMPARE(w->windowTitle(), QString("Zwingerregister Privat"));
        QCOMPARE(w->sortBox()->itemText(0), QString("Hof"));
        klick(w, "Hinzufuegen");
        tippen(w, "Zwinger", "vom Erlenhof");
        tippen(w, "Züchter", "Hollwede,  Annegret");
        tippen(w, "Rasse", "Perser");
        tippen(w, "EMail", "post@erlenhof.de");
        QVERIFY(w->dataSource()->save());
        QVERIFY(!w->bildMarke(KatzeArt::Deckkater)->isVisible());

        klick(w, "BitBtnDeckkater");
        QVERIFY(w->eintraege()->isVisible() && !w->seiten()->isVisible());
        QVERIFY(!sichtbar(w, "Hinzufuegen") && !w->sortBox()->isEnabled());
        klick(w, "BitBtnNeuInfo");
        tippen(w, "Name", "Benno vom Erlenhof");
        // a file that is no picture is refused and changes nothing
        const QString keinBild = bilder.filePath("notiz.bmp");
        QFile(keinBild).open(QIODevice::WriteOnly);
        Scripted::file(keinBild);
        klick(w, "BitBtnBildladen");
        QVERIFY(Scripted::shown().last().text.contains("notiz.bmp"));
        QVERIFY(!w->eintraege()->bild()->hasPicture());
        Scripted::file(bildDatei());
        klick(w, "BitBtnBildladen");
        QVERIFY(w->eintraege()->bild()->hasPicture());
        grabFrame(w, "cattery-register-entries.png");
        klick(w, "BitBtn1");
        QVERIFY(w->seiten()->isVisible() && sichtbar(w, "Hinzufuegen"));
        QVERIFY(w->bildMarke(KatzeArt::Deckkater)->isVisible());
        QVERIFY(!w->bildMarke(KatzeArt::Zuchtkatze)->isVisible());
        grabFrame(w, "cattery-register.png");

        // into the address book once; asked again, "No" adds nothing
        QCOMPARE(adressen("Hollwede"), 0);
        klick(w, "ButtonUebernahmeAdresse");
        QCOMPARE(adressen("Hollwede"), 1);
        QCOMPARE(scalar(*f.db, "SELECT Vorname FROM adr_dat WHERE Name = 'Hollwede'").toString(),
                 QString("Annegret"));
        Scripted::answer(QMessageBox::No);
        klick(w, "ButtonUebernahmeAdresse");
        QCOMPARE(adressen("Hollwede"), 1);
        schliessen(w, "formzwingerregisterprivat");

        w = oeffnen("Zwingerregisterprivat1", "formzwingerregisterprivat");
        QVERIFY(w);
        QCOMPARE(w->table()->text("Zwinger"), QString("vom Erlenhof"));
        QVERIFY(w->bildMarke(KatzeArt::Deckkater)->isVisible());
        klick(w, "BitBtnDeckkater");
        QCOMPARE(w->eintraege()->table()->text("Name"), QString("Benno vom Erlenhof"));
        QVERIFY(w->eintraege()->bild()->hasPicture());
        QCOMPARE(w->eintraege()->table()->intValue("KatzeArt"), 1);
        // a new entry left without a name is dropped, silently
        Scripted::reset();
        klick(w, "BitBtnNeuInfo");
        klick(w, "BitBtn1");
        QCOMPARE(scalar(*f.db, "SELECT COUNT(*) FROM zwinginfprivat").toInt(), 1);
        QVERIFY2(Scripted::shown().isEmpty(), qPrintable(Scripted::shown().value(0).text));
    }

    void generalRegisterIsWrittenOnlyForDataEntry()
    {
        // the edition hides its menu item; the window is there by its name
        QVERIFY(tav::shell::TMirravel::hasWindow("formzwingerregister"));
        f.db->dropIndex("ZWINGREG.DB", "IDXZüchter");
        tav::shell::TMirravel::windowFactory("formzwingerregister")(*f.main);
        auto *w = qobject_cast<TFormZwingerregister *>(ChildWindow::find("formzwingerregister"));
        QVERIFY(w);
        QCOMPARE(w->table()->text("Zwinger"), QString("of Saltmarsh Lane"));
        for (const char *knopf : {"Hinzufuegen", "Rueckgaengig", "Loeschen"})
            QVERIFY2(!sichtbar(w, knopf), knopf);
        QVERIFY(w->table()->isReadOnly());
        tippen(w, "Zwinger", "X");
        QCOMPARE(w->table()->state(), Table::State::Browse);
        // the breeder order makes its missing index
        Q_EMIT w->sortBox()->activated(2);
        QCOMPARE(w->table()->indexName(), QString("IDXZüchter"));
        QCOMPARE(w->grid()->tableModel()->index(0, 2).data().toString(), QString("de Wit, Sanne"));
        QVERIFY(w->table()->locate("Zwinger", "vom Erlenbruch"));
        // the delivered cattery has a stud and two queens, no kittens and no pictures
        QVERIFY(w->artKnopf(KatzeArt::Deckkater)->isEnabled() &&
                w->artKnopf(KatzeArt::Zuchtkatze)->isEnabled());
        QVERIFY(!w->artKnopf(KatzeArt::Jungtiere)->isEnabled());
        klick(w, "BitBtnZuchtkatze");
        QCOMPARE(w->eintraege()->table()->recordCount(), 2);
        for (const char *knopf :
             {"BitBtnNeuInfo", "BitBtnBildladen", "BitBtnBildloeschen", "BitBtnLoeschenInfo"})
            QVERIFY2(!sichtbar(w, knopf), knopf);
        schliessen(w, "formzwingerregister");

        w = new TFormZwingerregister(f.db.get(), false, true);
        f.main->addChild(w);
        w->show();
        QVERIFY(!w->table()->isReadOnly());
        klick(w, "Hinzufuegen");
        tippen(w, "Zwinger", "aus der Dateneingabe");
        QVERIFY(w->dataSource()->save());
        QCOMPARE(
            scalar(*f.db, "SELECT COUNT(*) FROM zwingreg WHERE Zwinger = 'aus der Dateneingabe'").toInt(), 1);
    }

    void searchFindsANameWithAQuote()
    {
        auto *w = oeffnen("Zwingerregisterprivat1", "formzwingerregisterprivat");
        QVERIFY(w);
        for (const char *name : {"d'Artagnan", "Dupont", "d'Arcy"}) {
            klick(w, "Hinzufuegen");
            tippen(w, "Zwinger", name);
            QVERIFY(w->dataSource()->save());
        }
        // `zeilen` listed, the one at `nimm` taken
        const auto suche = [&](const QString &text, int zeilen, int nimm = 0) {
            int gelistet = 0;
            Scripted::dialog([&](QDialog &d) -> int {
                auto &dlg = static_cast<TZwinSuchDlg &>(d);
                dlg.kriterium("Zwinger")->setText(text);
                dlg.suchen();
                if (!dlg.ergebnis()->isHidden()) {
                    gelistet = dlg.ergebnis()->rowCount();
                    dlg.zeileNehmen(nimm);
                }
                dlg.accept();
                return dlg.result();
            });
            klick(w, "BitBtnSuche");
            QCOMPARE(gelistet, zeilen > 1 ? zeilen : 0);
        };
        suche("d'Art", 1);
        QCOMPARE(w->table()->text("Zwinger"), QString("d'Artagnan"));
        suche("d'", 2, 0);
        QCOMPARE(w->table()->text("Zwinger"), QString("d'Arcy"));
        for (const Scripted::Shown &s : Scripted::shown())
            QCOMPARE(s.kind, QString("dialog"));
        suche("d%", 0);
        QVERIFY(Scripted::shown().last().text.contains(messageText(79)));
        QCOMPARE(w->table()->text("Zwinger"), QString("d'Arcy"));
    }
};

QTEST_MAIN(TstZwingerregisterFenster)
#include "tst_zwingerregisterfenster.moc"
