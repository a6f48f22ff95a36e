// The bookkeeping window opened from the menu: two accounts made in the editor, an income, an
// expense and a transfer posted, the balances and the income statement on screen and as PDF.
#include "../common/ProgramFixture.h"
#include "app/Sprache.h"
#include "office/ui/Buchfuehrung.h"
#include "report/ui/Vorschau.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using namespace tav::widgets;
using namespace tav::office;
using namespace tav::office::ui;

class TstBuchfuehrungFenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    QTemporaryDir aus;

    static void klick(QWidget *w, const char *knopf)
    {
        auto *b = w->findChild<QAbstractButton *>(knopf);
        QVERIFY2(b && b->isEnabled(), knopf);
        b->click();
        QCoreApplication::processEvents();
    }
    static void tippen(QWidget *w, const char *feld, const QString &text)
    {
        auto *e = w->findChild<QLineEdit *>(feld);
        QVERIFY2(e, feld);
        e->clear();
        QTest::keyClicks(e, text);
    }
    void konto(TFormBuchfuehrung *w, const char *art, const QString &name, const QString &saldo)
    {
        klick(w, "NeuesKonto");
        QCOMPARE(w->m_kontoStapel->currentIndex(), 0); // the kind choice
        klick(w, art);
        QCOMPARE(w->m_kontoStapel->currentIndex(), 1);
        tippen(w, "DBName", name);
        tippen(w, "DBEroeffnungssaldo", saldo);
    }
    static void grab(QWidget *w, const char *datei)
    {
        if (const QString dir = qEnvironmentVariable("TAV_GRAB_DIR"); !dir.isEmpty())
            w->parentWidget()->grab().save(dir + "/" + datei);
    }
    static TFormBuchfuehrung *oeffnen(ProgramFixture &f)
    {
        QAction *menue = f.main->action("Buchfhrung1");
        if (!menue || !menue->isEnabled())
            return nullptr;
        menue->trigger();
        QCoreApplication::processEvents();
        return qobject_cast<TFormBuchfuehrung *>(ChildWindow::find("formbuchfuehrung"));
    }
    void buchen(TFormBuchfuehrung *w, const QString &betrag, const QString &kategorie)
    {
        klick(w, "BuchungNeu");
        tippen(w, "Betrag", betrag);
        w->m_kategorie->setCurrentIndex(w->m_kategorie->findText(kategorie));
        klick(w, "Speichern");
    }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1280, 860), true);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        registerBuchfuehrung();
        f.main->updateCommandStates();
    }
    void cleanupTestCase() { f.stop(); }

    void buchenUndAuswerten()
    {
        Buchfuehrung buch(*f.db);
        buch.kategorieAnlegen(QStringLiteral("Kittenverkauf"), EinAusEinnahme);
        const int futter = buch.kategorieAnlegen(QStringLiteral("Futter"), EinAusAusgabe);
        {
            tav::store::Table mwst(f.db.get(), QStringLiteral("MEHRWERT.DB"));
            mwst.open();
            for (int prozent : {7, 19}) {
                mwst.append();
                mwst.setValue(QStringLiteral("Prozent"), prozent);
                mwst.post();
            }
        }
        auto *w = oeffnen(f);
        QVERIFY(w);
        // no account yet: the window shows the kind choice
        QCOMPARE(w->m_seiten->currentIndex(), int(TFormBuchfuehrung::SeiteKonten));
        QCOMPARE(w->m_kontoStapel->currentIndex(), 0);
        grab(w, "bookkeeping-kind.png");
        // it fills the client area and stays there
        auto *rahmen = qobject_cast<QMdiSubWindow *>(w->parentWidget());
        QVERIFY(rahmen);
        const QRect platz(QPoint(0, 0), f.main->mdiArea()->viewport()->size());
        QCOMPARE(rahmen->geometry(), platz);
        rahmen->move(40, 30);
        rahmen->resize(500, 400);
        QCOMPARE(rahmen->geometry(), platz);

        // an opening balance in another language's form is refused and stays as typed
        Scripted::reset();
        konto(w, "Bankkonto", QStringLiteral("Girokonto"), QStringLiteral("250.00"));
        QVERIFY(!w->seiteZeigen(TFormBuchfuehrung::SeiteBuchen));
        QCOMPARE(Scripted::shown().last().text, tav::app::messageText(7000) + " 250.00");
        QCOMPARE(w->findChild<QLineEdit *>("DBEroeffnungssaldo")->text(), QStringLiteral("250.00"));
        tippen(w, "DBEroeffnungssaldo", QStringLiteral("250,00"));
        konto(w, "Bargeld/Kasse", QStringLiteral("Kasse"), QStringLiteral("50"));
        QVERIFY(w->seiteZeigen(TFormBuchfuehrung::SeiteBuchen)); // stores the account being edited
        QCOMPARE(konten(*f.db).size(), 2);
        QCOMPARE(konten(*f.db)[0].kontostand, *tav::app::Geld::lesen("250", QLocale(QLocale::German)));

        // the VAT rate and the kind of a category are picked in the grid
        QVERIFY(w->seiteZeigen(TFormBuchfuehrung::SeiteKonten));
        w->m_kontenTabs->setCurrentIndex(1);
        QCoreApplication::processEvents(); // shown, so its rows are read before one is edited
        auto *kats = w->findChild<DBGrid *>("KategorienGrid");
        const QModelIndex mwstZelle = kats->model()->index(0, 1); // Futter, by name
        kats->setCurrentIndex(mwstZelle);
        kats->edit(mwstZelle);
        auto offenerEditor = [kats]() -> QComboBox * {
            for (QComboBox *c : kats->viewport()->findChildren<QComboBox *>())
                if (c->isVisible())
                    return c;
            return nullptr;
        };
        auto *wahl = offenerEditor();
        QVERIFY(wahl);
        QCOMPARE(wahl->count(), 2);
        wahl->setCurrentIndex(wahl->findText("19"));
        QTest::keyClick(wahl, Qt::Key_Tab); // takes the rate, goes on to the kind
        QCOMPARE(kats->model()->data(mwstZelle).toString(), QStringLiteral("19"));
        const QModelIndex artZelle = kats->model()->index(0, 2);
        if (!offenerEditor())
            kats->edit(artZelle);
        auto *art = offenerEditor();
        QVERIFY(art && !art->isEditable());
        QCOMPARE(art->count(), 2);
        QCOMPARE(art->currentText(), EinAusAusgabe);
        grab(w, "bookkeeping.png");
        QTest::keyClick(art, Qt::Key_Escape);
        QVERIFY(w->seiteZeigen(TFormBuchfuehrung::SeiteBuchen));
        {
            tav::store::Table k(f.db.get(), QStringLiteral("KONTEN.DB"));
            k.open();
            QVERIFY(k.findKey({futter}));
            tav::store::Table mwst(f.db.get(), QStringLiteral("MEHRWERT.DB"));
            mwst.open();
            QVERIFY(mwst.findKey({k.intValue(QStringLiteral("Mwst"))}));
            QCOMPARE(mwst.intValue(QStringLiteral("Prozent")), 19);
            QCOMPARE(k.text(QStringLiteral("EinAus")), EinAusAusgabe);
        }

        // the chooser: a double-click on the first account
        DBGrid *waehler = w->m_waehlerGrid;
        const QRect zelle = waehler->visualRect(waehler->model()->index(0, 0));
        QTest::mouseClick(waehler->viewport(), Qt::LeftButton, {}, zelle.center());
        QTest::mouseDClick(waehler->viewport(), Qt::LeftButton, {}, zelle.center());
        QCoreApplication::processEvents();
        QCOMPARE(w->m_buchenStapel->currentIndex(), 1);
        QCOMPARE(w->m_kontoName->text(), QStringLiteral("Girokonto"));

        // an amount in another locale's form is refused with its message; a new posting is typed
        // in the single view even when the grid was shown
        w->m_ansicht->setCurrentIndex(1);
        klick(w, "BuchungNeu");
        QCOMPARE(w->m_ansicht->currentIndex(), 0);
        tippen(w, "Betrag", QStringLiteral("1,000.50"));
        w->m_kategorie->setCurrentIndex(0);
        klick(w, "Speichern");
        QCOMPARE(Scripted::shown().last().text.left(17), QStringLiteral("Ungültiger Betrag"));
        klick(w, "Rueckgaengig");

        buchen(w, QStringLiteral("1.000,50"), QStringLiteral("Kittenverkauf"));
        buchen(w, QStringLiteral("40,10"), QStringLiteral("Futter"));
        buchen(w, QStringLiteral("100"), QStringLiteral("Kasse"));
        // a transfer books the amount as typed here and its negation on the other account
        QCOMPARE(w->m_kontostand->text(), QStringLiteral("1.310,40"));
        QCOMPARE(w->m_betrag->text(), QStringLiteral("100,00")); // the last posting
        grab(w, "bookkeeping-posting.png");
        QCOMPARE(konten(*f.db)[1].kontostand, *tav::app::Geld::lesen("-50", QLocale(QLocale::German)));

        QVERIFY(w->seiteZeigen(TFormBuchfuehrung::SeiteAuswertung));
        QCOMPARE(w->m_standListe->rowCount(), 2);
        QCOMPARE(w->m_standListe->item(1, 1)->text(), QStringLiteral("-50,00"));
        Scripted::dialog([](QDialog &d) {
            auto &dlg = static_cast<TStatistikDlg &>(d);
            dlg.von->setValue(1);
            dlg.bis->setValue(12);
            dlg.jahr->setValue(QDate::currentDate().year());
            return int(QDialog::Accepted);
        });
        w->m_auswertung->setCurrentIndex(2);
        QCOMPARE(w->m_einGesamt->text(), QStringLiteral("1.000,50"));
        QCOMPARE(w->m_ausGesamt->text(), QStringLiteral("40,10"));
        QCOMPARE(w->m_saldo->text(), QStringLiteral("960,40"));
        QCOMPARE(w->m_einnahmen->item(0, 2)->text(), QStringLiteral("Girokonto"));
        // without "alle Konten" both sums are the chosen account's
        w->m_gvKonten->setCurrentRow(1);
        w->m_alleKonten->click();
        QVERIFY(w->m_kontoPanel->isVisibleTo(w));
        QCOMPARE(w->m_einGesamt->text() + " " + w->m_ausGesamt->text(), QStringLiteral("0,00 0,00"));
        w->m_gvKonten->setCurrentRow(0);
        QCOMPARE(w->m_einGesamt->text() + " " + w->m_ausGesamt->text(), QStringLiteral("1.000,50 40,10"));
        w->m_alleKonten->click();
        QVERIFY(!w->m_kontoPanel->isVisibleTo(w));
        grab(w, "bookkeeping-statement.png");

        const QString pdf = aus.filePath("gv.pdf");
        Scripted::dialog([&](QDialog &d) {
            Scripted::file(pdf);
            static_cast<tav::report::ui::TVorschau &>(d).savePdf();
            return int(QDialog::Accepted);
        });
        klick(w, "Drucken");
        QVERIFY(QFile::exists(pdf));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        // the command line prints the same statement
        const QString year = QString::number(QDate::currentDate().year());
        const QString cliPdf = aus.filePath("cli.pdf");
        p.start(TAV_CLI, {"--home", f.home.path(), "print", "income-statement", "--from", year + "-01-01",
                          "--to", year + "-12-31", "--pdf", cliPdf});
        QVERIFY(p.waitForFinished(60000) && p.exitCode() == 0);
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), cliPdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString cliText = QString::fromUtf8(p.readAllStandardOutput());
        for (const char *soll : {"Gewinn- und Verlustrechnung", "Einnahmen", "Ausgaben", "1.000,50", "40,10",
                                 "960,40", "1.260,40"}) {
            QVERIFY2(text.contains(QString::fromUtf8(soll)), soll);
            QVERIFY2(cliText.contains(QString::fromUtf8(soll)), soll);
        }
        if (const QString dir = qEnvironmentVariable("TAV_GRAB_DIR"); !dir.isEmpty())
            QFile::copy(pdf, dir + "/bookkeeping.pdf");

        // opened again, the window shows the editor of the kind of the last account: cash, no bank
        w->close();
        QTRY_VERIFY(!ChildWindow::find("formbuchfuehrung"));
        w = oeffnen(f);
        QVERIFY(w);
        QCOMPARE(w->m_seiten->currentIndex(), int(TFormBuchfuehrung::SeiteBuchen));
        QCOMPARE(w->m_kontoStapel->currentIndex(), 1);
        QCOMPARE(w->findChild<QLineEdit *>("DBName")->text(), QStringLiteral("Kasse"));
        QVERIFY(!w->findChild<QWidget *>("DBKontonummer")->isVisibleTo(w));
        w->close();
    }

    // An account is stored with its own button; categories and VAT rates are added by button and
    // by the grid's keys (Insert, Down on the last row), given up by Escape, deleted after
    // message 28 by button and by Ctrl+Delete.
    void kontoKategorienUndSaetze()
    {
        auto *w = oeffnen(f);
        QVERIFY(w);
        QVERIFY(w->seiteZeigen(TFormBuchfuehrung::SeiteKonten));
        konto(w, "Bankkonto", QStringLiteral("Sparbuch"), QStringLiteral("10"));
        klick(w, "KontoSpeichern");
        QVERIFY(!w->kontenTabelle()->isEditing());
        QCOMPARE(konten(*f.db).last().name, QStringLiteral("Sparbuch"));

        w->m_kontenTabs->setCurrentIndex(1);
        QCoreApplication::processEvents();
        auto *kats = w->findChild<DBGrid *>("KategorienGrid");
        auto *saetze = w->findChild<DBGrid *>("MwstGrid");
        // the cell's open editor (closed ones are deleted later)
        auto editor = [](DBGrid *g) -> QLineEdit * {
            for (QLineEdit *e : g->viewport()->findChildren<QLineEdit *>())
                if (e->isVisible())
                    return e;
            return nullptr;
        };
        auto tippenInZelle = [editor](DBGrid *g, const QString &text) {
            g->edit(g->currentIndex());
            QVERIFY(editor(g));
            QTest::keyClicks(editor(g), text);
        };
        auto anzahl = [this](const char *sql) { return scalar(*f.db, sql).toInt(); };
        auto zustand = [kats] { return kats->tableModel()->dataSource()->table()->state(); };
        const int kategorien = anzahl("SELECT count(*) FROM konten WHERE Kontoart = 0");
        const int raten = anzahl("SELECT count(*) FROM mehrwert");

        QTest::keyClick(kats, Qt::Key_Insert);
        QCOMPARE(zustand(), tav::store::Table::State::Insert);
        QCOMPARE(kats->currentIndex().row(), kats->model()->rowCount() - 1);
        tippenInZelle(kats, QStringLiteral("Porto"));
        QTest::keyClick(editor(kats), Qt::Key_Down); // stores, appends
        QCOMPARE(anzahl("SELECT count(*) FROM konten WHERE Kontoart = 0 AND Name = 'Porto' AND EinAus = "
                        "'Ausgabe'"),
                 1);
        QCOMPARE(zustand(), tav::store::Table::State::Insert);
        QTest::keyClick(kats, Qt::Key_Down); // an empty new row stays the only one
        QCOMPARE(kats->model()->rowCount(), kategorien + 2);
        QTest::keyClick(kats, Qt::Key_Escape);
        QCOMPARE(zustand(), tav::store::Table::State::Browse);
        QCOMPARE(kats->model()->rowCount(), kategorien + 1);

        klick(w, "KategorieNeu");
        tippenInZelle(kats, QStringLiteral("Fotos"));
        QTest::keyClick(editor(kats), Qt::Key_Return);
        QCoreApplication::processEvents(); // the cell is committed after the editor saw the key
        klick(w, "KategorienSpeichern");
        QCOMPARE(anzahl("SELECT count(*) FROM konten WHERE Kontoart = 0"), kategorien + 2);
        Scripted::answer(QMessageBox::No);
        QTest::keyClick(kats, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(anzahl("SELECT count(*) FROM konten WHERE Kontoart = 0"), kategorien + 2);
        Scripted::answer(QMessageBox::Yes);
        klick(w, "KategorieLoeschen");
        QCOMPARE(Scripted::shown().last().text, tav::app::messageText(28));
        QCOMPARE(anzahl("SELECT count(*) FROM konten WHERE Kontoart = 0"), kategorien + 1);

        QTest::keyClick(saetze, Qt::Key_Insert);
        tippenInZelle(saetze, QStringLiteral("16"));
        QTest::keyClick(editor(saetze), Qt::Key_Return);
        QCoreApplication::processEvents();
        klick(w, "KategorienSpeichern");
        QCOMPARE(anzahl("SELECT count(*) FROM mehrwert WHERE Prozent = 16"), 1);
        Scripted::answer(QMessageBox::Yes);
        QTest::keyClick(saetze, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(anzahl("SELECT count(*) FROM mehrwert"), raten);
        w->close();
    }

    // an amount that would carry a balance past what the books hold is refused with the
    // bookkeeping's message, not the database error dialog, and nothing is posted
    void zuGrosserBetrag()
    {
        const tav::app::Geld riesig = *tav::app::Geld::lesen("899999999999999", QLocale(QLocale::German));
        const int tresor = Buchfuehrung(*f.db).kontoAnlegen(Kontoart::Bankkonto, QStringLiteral("Tresor"),
                                                            riesig, QDate(2024, 1, 1));
        auto *w = oeffnen(f);
        QVERIFY(w && w->seiteZeigen(TFormBuchfuehrung::SeiteBuchen));
        w->kontoWaehlen(tresor);
        const int buchungen = scalar(*f.db, "SELECT count(*) FROM buchung").toInt();
        Scripted::reset();
        buchen(w, QStringLiteral("899.999.999.999.999"), QStringLiteral("Kittenverkauf"));
        QCOMPARE(Scripted::shown().size(), 1);
        QCOMPARE(Scripted::shown().last().kind, QStringLiteral("message"));
        QCOMPARE(Scripted::shown().last().text, tav::app::messageText(MeldungBetragZuGross));
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM buchung").toInt(), buchungen);
        QCOMPARE(tav::office::konto(*f.db, tresor)->kontostand, riesig);
        klick(w, "Rueckgaengig");
        w->close();
    }
};

QTEST_MAIN(TstBuchfuehrungFenster)
#include "tst_buchfuehrungfenster.moc"
