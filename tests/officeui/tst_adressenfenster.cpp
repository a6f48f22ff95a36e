// The address book on the demo register: an owner created from the cat window and put on the cat,
// found again through the search dialog, a status that becomes a tab, a save without a name
// refused with the typed input kept.
#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "app/Sprache.h"
#include "cats/ui/Pcatstam.h"
#include "office/ui/AdressSuchDlg.h"
#include "office/ui/Adressenverwaltung.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/Translator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

using namespace tav::widgets;
using namespace tav::office::ui;
using tav::store::Table;

class TstAdressenfenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    static void klick(QWidget *w, const char *knopf)
    {
        QAbstractButton *b = w->findChild<QAbstractButton *>(knopf);
        QVERIFY2(b && b->isEnabled() && !b->isHidden(), knopf);
        b->click();
        QCoreApplication::processEvents();
    }
    static void tippen(QWidget *w, const QString &feld, const QString &text)
    {
        QWidget *e = w->findChild<QWidget *>("DB" + feld);
        QVERIFY2(e, qPrintable(feld));
        QTest::keyClicks(e, text);
    }
    static Tadressenverwaltung *fenster()
    {
        return qobject_cast<Tadressenverwaltung *>(ChildWindow::find("adressenverwaltung"));
    }
    void grab(QWidget *w, const QString &name)
    {
        const QString dir = qEnvironmentVariable("TAV_GRAB_DIR");
        if (!dir.isEmpty())
            w->parentWidget()->grab().save(dir + "/" + name);
    }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1280, 900), true);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        registerAdressen();
        f.main->updateCommandStates();
        QVERIFY(f.main->action("Adresenverwaltung1")->isEnabled());
        QVERIFY(f.main->action("StatusAdressen1")->isEnabled());
    }
    void cleanupTestCase() { f.stop(); }
    void init() { Scripted::reset(); }
    void cleanup()
    {
        for (ChildWindow *w : ChildWindow::openWindows())
            if (w->objectName() != "FormCatStamm" && w != tav::cats::ui::TCatStamm::instance())
                delete w->parentWidget();
    }

    void ownerCreatedFromTheCatWindowAndFoundAgain()
    {
        QVERIFY(f.openCatStamm().isEmpty());
        auto *katze = tav::cats::ui::TCatStamm::instance();
        Table *t = katze->DBCatStamm();
        // a cat of someone else without an owner
        t->edit();
        t->setValue("Status", 2);
        t->setValue("Besitzer", 0);
        t->post();
        const int nr = t->intValue("LaufendeNummer");

        klick(katze, "AdrNeuBesitzer");
        Tadressenverwaltung *w = fenster();
        QVERIFY(w);
        QCOMPARE(w->reiter()->currentIndex(), int(tav::office::ReiterNeu));
        QCOMPARE(w->table()->state(), Table::State::Insert);
        QCOMPARE(w->table()->text("Status"), w->status().value(0));
        tippen(w, "Name", "O'Neill \"Kate\"");
        tippen(w, "Vorname", "Grete");
        tippen(w, "Ort", "Luebeck");
        klick(w, "BitBtnSpeichern");
        QCOMPARE(w->table()->state(), Table::State::Browse);
        QTRY_COMPARE(w->reiter()->currentIndex(), int(tav::office::ReiterAlle));
        QCOMPARE(w->table()->text("Name"), QString("O'Neill \"Kate\""));
        grab(w, "address-window.png");
        const int adresse = w->table()->intValue("LaufendeNr");

        klick(w, "BitBtnZurKatze");
        QTRY_VERIFY(!fenster());
        QCOMPARE(t->intValue("Besitzer"), adresse);
        QVERIFY(katze->findChild<QPlainTextEdit *>("AdresseBesitzer")->toPlainText().startsWith("O'Neill"));
        QVERIFY(katze->basisSeite() && t->isEditing());
        t->post();
        QCOMPARE(scalar(*f.db, "SELECT Besitzer FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt(),
                 adresse);

        // again from the owner button: on that address; the search finds it by a quoted prefix
        klick(katze, "AdrNeuBesitzer");
        QVERIFY(fenster());
        QCOMPARE(fenster()->table()->intValue("LaufendeNr"), adresse);
        fenster()->reiterWaehlen(0);
        Scripted::dialog([](QDialog &dlg) {
            auto &d = static_cast<TSuchenAdrDlg &>(dlg);
            d.show();
            QTest::keyClicks(d.EName, "o'neill \"k");
            QTest::keyClicks(d.EOrt, "lue");
            QTest::mouseClick(d.Suchen, Qt::LeftButton);
            if (d.Anzahl->text() != "1" || d.Evorname->text() != "Grete")
                return int(QDialog::Rejected);
            QTest::mouseClick(d.Ok, Qt::LeftButton);
            return d.result();
        });
        fenster()->reiterWaehlen(tav::office::ReiterSuche);
        QCOMPARE(Scripted::pendingAnswers(), 0);
        QCOMPARE(fenster()->reiter()->currentIndex(), int(tav::office::ReiterAlle));
        QCOMPARE(fenster()->table()->intValue("LaufendeNr"), adresse);
    }

    // the status choice offers the user's statuses, in every language
    void statusChoiceShowsTheStatuses()
    {
        f.main->runCommand("Adresenverwaltung1");
        Tadressenverwaltung *w = fenster();
        QVERIFY(w && !w->status().isEmpty());
        QWidget *gruppe = w->findChild<QWidget *>("DBStatus");
        QVERIFY(gruppe);
        auto wahl = [gruppe] {
            QStringList texte;
            for (QAbstractButton *b : gruppe->findChildren<QAbstractButton *>())
                texte << b->text();
            return texte;
        };
        QCOMPARE(wahl(), w->status());
        for (int sprache : {1, 2, 0}) {
            translateAllWindows(tav::app::languageOffset(sprache));
            QCOMPARE(wahl(), w->status());
        }
    }

    void saveWithoutNameIsRefusedAndKeepsTheInput()
    {
        f.main->runCommand("Adresenverwaltung1");
        Tadressenverwaltung *w = fenster();
        QVERIFY(w);
        klick(w, "Hinzufuegen");
        tippen(w, "Vorname", "ohne Namen");
        tippen(w, "Telefon", "0171-1");
        Scripted::answer(QMessageBox::No);
        klick(w, "BitBtnSpeichern");
        QCOMPARE(Scripted::shown().last().text, tav::app::messageText(6860));
        QCOMPARE(w->table()->state(), Table::State::Insert);
        QCOMPARE(w->findChild<QLineEdit *>("DBVorname")->text(), QString("ohne Namen"));
        QCOMPARE(w->table()->text("Telefon"), QString("0171-1"));
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM adr_dat WHERE Vorname = 'ohne Namen'").toInt(), 0);
        tippen(w, "Name", "Nachgetragen");
        klick(w, "BitBtnSpeichern");
        QCOMPARE(scalar(*f.db, "SELECT Name FROM adr_dat WHERE Vorname = 'ohne Namen'").toString(),
                 QString("Nachgetragen"));
    }

    void saveAnsweredNoShowsAllAddresses_data()
    {
        QTest::addColumn<bool>("perReiter"); // the post comes from a tab click, else from "Speichern"
        QTest::newRow("Speichern") << false;
        QTest::newRow("tab click") << true;
    }
    void saveAnsweredNoShowsAllAddresses()
    {
        QFETCH(bool, perReiter);
        f.main->runCommand("Adresenverwaltung1");
        Tadressenverwaltung *w = fenster();
        QVERIFY(w);
        const int alle = w->table()->recordCount();
        int r = 0; // a letter tab with addresses
        do
            w->reiterWaehlen(r++);
        while (!w->table()->hasRecord() && r <= tav::office::ReiterVZ);
        QVERIFY(w->table()->recordCount() < alle);
        w->dataSource()->setSaveWithoutAsking(false);
        const QString ort = w->table()->text("Ort");
        tippen(w, "Ort", "xy");
        QVERIFY(w->table()->isEditing());
        Scripted::answer(QMessageBox::No);
        if (perReiter)
            w->reiterWaehlen(1);
        else
            klick(w, "BitBtnSpeichern");
        QCOMPARE(Scripted::shown().last().text, tav::app::messageText(29));
        QCOMPARE(w->table()->state(), Table::State::Browse);
        QCOMPARE(w->reiter()->currentIndex(), int(tav::office::ReiterAlle));
        QCOMPARE(w->table()->recordCount(), alle);
        QVERIFY(!w->findChild<QPushButton *>("BitBtnSpeichern")->isEnabled());
        QVERIFY(!w->findChild<QPushButton *>("Rueckgaengig")->isEnabled());
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM adr_dat WHERE Ort = ?", {ort + "xy"}).toInt(), 0);
    }

    // the status choice lists the address groups in every language: they are the user's words
    void statusChoiceShowsTheGroups_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("German") << 0;
        QTest::newRow("English") << 1;
        QTest::newRow("Dutch") << 2;
    }
    void statusChoiceShowsTheGroups()
    {
        QFETCH(int, language);
        tav::app::sprache().setLanguageNumber(language);
        f.main->runCommand("Adresenverwaltung1");
        tav::app::sprache().setLanguageNumber(0);
        Tadressenverwaltung *w = fenster();
        QVERIFY(w);
        QVERIFY(!w->status().isEmpty());
        QStringList shown;
        for (DBRadioGroup *g : w->findChildren<DBRadioGroup *>())
            if (g->field() == "Status")
                for (QAbstractButton *b : g->findChildren<QAbstractButton *>())
                    shown << b->text();
        QCOMPARE(shown, w->status());
    }

    void statusChangesReachTheOpenAddressWindow()
    {
        // the status list open first: the address book, once open, stands in front of it
        f.main->runCommand("StatusAdressen1");
        auto *s = qobject_cast<TFormStatusAdressen *>(ChildWindow::find("formstatusadressen"));
        QVERIFY(s);
        f.main->runCommand("Adresenverwaltung1");
        Tadressenverwaltung *w = fenster();
        QVERIFY(w);
        const int vorher = w->status().size();
        const int tab = tav::office::ReiterStatus + vorher;
        auto radio = [w](const QString &text) {
            for (QAbstractButton *b : w->findChild<QWidget *>("DBStatus")->findChildren<QAbstractButton *>())
                if (b->text() == text)
                    return true;
            return false;
        };
        klick(s, "Hinzufuegen");
        tippen(s, "Status", "Neukunde");
        QVERIFY(s->dataSource()->save());
        QCOMPARE(w->reiter()->count(), tab + 1);
        QCOMPARE(w->reiter()->tabText(tab), QString("Neukunde"));
        QVERIFY(radio("Neukunde"));
        QCOMPARE(w->grid()->tableModel()->columns().last().pickList, w->status());

        // renamed or deleted while its tab is shown: the tabs follow and all addresses are shown,
        // the range having been the old text
        w->reiterWaehlen(tab);
        QVERIFY(s->dataSource()->setFieldValue("Status", "Stammkunde"));
        QVERIFY(s->dataSource()->save());
        QCOMPARE(w->reiter()->tabText(tab), QString("Stammkunde"));
        QVERIFY(radio("Stammkunde") && !radio("Neukunde"));
        QCOMPARE(w->reiter()->currentIndex(), int(tav::office::ReiterAlle));
        w->reiterWaehlen(tab);
        Scripted::answer(QMessageBox::Yes);
        klick(s, "Loeschen");
        QCOMPARE(w->reiter()->count(), tab);
        QCOMPARE(w->status().size(), vorher);
        QCOMPARE(w->reiter()->currentIndex(), int(tav::office::ReiterAlle));
        QCOMPARE(w->table()->recordCount(), scalar(*f.db, "SELECT count(*) FROM adr_dat").toInt());
    }

    void searchDialogWidensToTheLeftAndComesBack()
    {
        TSuchenAdrDlg d(f.db.get());
        d.show();
        QApplication::processEvents();
        // every criterion has room for what is typed into it
        for (QLineEdit *e : d.findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(e->width() >= e->fontMetrics().averageCharWidth() * 14, qPrintable(e->objectName()));
        for (const auto &[links, breit] : {std::pair{500, 350}, std::pair{100, 3}}) {
            d.move(links, 80);
            QTest::mouseClick(d.Suchen, Qt::LeftButton);
            QVERIFY(d.Ergebnis->isVisible());
            QCOMPARE(d.x(), breit);
            QVERIFY(d.width() >= 720);
            QTest::mouseClick(d.Suchen, Qt::LeftButton);
            QVERIFY(!d.Ergebnis->isVisible());
            QCOMPARE(d.x(), links);
            QVERIFY(d.width() < 720);
        }
    }

    void statusBecomesATabAndTheListStopsAtTen()
    {
        const int vorher = scalar(*f.db, "SELECT count(*) FROM statusadressen").toInt();
        f.main->runCommand("StatusAdressen1");
        auto *s = qobject_cast<TFormStatusAdressen *>(ChildWindow::find("formstatusadressen"));
        QVERIFY(s);
        klick(s, "Hinzufuegen");
        tippen(s, "Status", "Gast");
        QVERIFY(s->dataSource()->save());
        for (int i = vorher + 1; i < 10; ++i) {
            klick(s, "Hinzufuegen");
            tippen(s, "Status", QString("S%1").arg(i));
            QVERIFY(s->dataSource()->save());
        }
        klick(s, "Hinzufuegen");
        QCOMPARE(s->table()->state(), Table::State::Browse);
        QCOMPARE(Scripted::shown().last().text, tav::app::messageText(6861));
        s->close();

        f.main->runCommand("Adresenverwaltung1");
        Tadressenverwaltung *w = fenster();
        QVERIFY(w);
        const int gast = tav::office::ReiterStatus + vorher;
        QCOMPARE(w->reiter()->tabText(gast), QString("Gast"));
        w->table()->setIndexName("AdrName");
        QVERIFY(w->zeigeAdresse(scalar(*f.db, "SELECT min(LaufendeNr) FROM adr_dat").toInt()));
        w->dataSource()->setFieldValue("Status", "Gast");
        QVERIFY(w->dataSource()->save());
        w->reiterWaehlen(gast);
        QCOMPARE(w->table()->recordCount(), 1);
        QCOMPARE(w->table()->text("Status"), QString("Gast"));
    }
};

QTEST_MAIN(TstAdressenfenster)
#include "tst_adressenfenster.moc"
