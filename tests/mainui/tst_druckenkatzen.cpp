// The print dispatcher on a started program: the "Drucker" items of its jobs are enabled, a job
// opens its preview or says why not, a registration window is called only past its condition,
// the litter jobs take the litter the cat record window shows and the window reads its litters
// again afterwards, and the picture prints once per copy, each copy a job of its own.
#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "cats/ui/CatRecordBaseDataPage.h"
#include "cats/ui/Psuchdlg.h"
#include "printouts/Wurfmeldung.h"
#include "printouts/ui/DruckenKatzen.h"
#include "printouts/ui/Meldeformular.h"
#include "printouts/ui/Wurfmeldung.h"
#include "report/ui/Vorschau.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"

#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

using namespace tav;
using tav::widgets::Scripted;

class TstDruckenKatzen : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    QTemporaryDir m_out;

    int katze(const char *where)
    {
        return scalar(*f.db, QStringLiteral("SELECT min(LaufendeNummer) FROM catstamm WHERE %1").arg(where))
            .toInt();
    }
    QStringList messages() const
    {
        QStringList m;
        for (const Scripted::Shown &s : Scripted::shown())
            if (s.kind == "message")
                m << s.text;
        return m;
    }
    // the texts of the preview's first page when `item` opened one
    QStringList vorschau(const QString &item, int cat)
    {
        tav::shell::TMirravel::catRecordHooks().zeigeKatze(cat);
        QStringList texte;
        Scripted::dialog([&](QDialog &d) {
            auto *v = qobject_cast<report::ui::TVorschau *>(&d);
            if (!v)
                return int(QDialog::Rejected);
            v->show();
            QTest::qWait(20);
            texte = v->pages().pages.value(0).texts();
            v->grab().save(QDir::temp().filePath("tavrenno-druck-" + item + ".png"));
            return int(QDialog::Rejected);
        });
        f.main->runCommand(item);
        return texte;
    }

    // a job as the main window hands it to the dispatcher
    void druckjob(int job)
    {
        f.main->Druckentag = job;
        tav::shell::TMirravel::windowFactory("druckdispatcher")(*f.main);
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QString failed = f.start(QSize(1280, 860), true);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        failed = f.openCatStamm();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        printouts::ui::registerDruckenKatzen();
        f.main->updateCommandStates();
    }
    void cleanupTestCase() { f.stop(); }
    void init() { Scripted::reset(); }

    void eintraegeSindFrei()
    {
        for (const char *item : {"Katzendaten1", "KatzendatenListe1", "TradRichten1", "TICARichten1",
                                 "CFARichten1", "Deckbuch", "Deckschein", "FilePrintItem"})
            QVERIFY2(f.main->action(item)->isEnabled(), item);
    }

    void deckscheinUndDeckbuch()
    {
        const int tom = katze("LaufendeNummer IN (SELECT Kater FROM deckbuch)");
        QVERIFY(tom > 0);
        const QString name =
            scalar(*f.db, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?", {tom}).toString();
        // without the breeder's text: previewed without a word
        QStringList texte = vorschau("Deckschein", tom);
        QVERIFY2(texte.contains("DECKSCHEIN") && texte.contains(name), qPrintable(texte.join('|')));
        QVERIFY(messages().isEmpty());
        // a text that cannot be read (here a folder in its place) is said; the certificate shows
        QVERIFY(QDir(f.db->dataDir()).mkdir("deckschein.txt"));
        Scripted::reset();
        texte = vorschau("Deckschein", tom);
        QVERIFY(texte.contains("DECKSCHEIN"));
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages().first().contains("deckschein.txt"));
        QVERIFY(QDir(f.db->dataDir()).rmdir("deckschein.txt"));
        QFile text(f.db->dataDir() + "/deckschein.txt");
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("Die Deckung gilt mit einem Nachdecken.\r\n");
        text.close();
        Scripted::reset();
        texte = vorschau("Deckschein", tom);
        QVERIFY2(texte.join(' ').contains("Nachdecken"), qPrintable(texte.join('|')));
        QVERIFY(messages().isEmpty());
        texte = vorschau("Deckbuch", tom);
        QVERIFY2(texte.contains("Deckbuch von : " + name), qPrintable(texte.join('|')));
        // a queen gets the message and no preview
        Scripted::reset();
        texte = vorschau("Deckschein", katze("Geschlecht = '2'"));
        QVERIFY(texte.isEmpty());
        QCOMPARE(messages(), QStringList{app::messageText(219)});
    }

    void datenblattUndErgebnisse()
    {
        const int cat = katze("Geschlecht = '1'");
        const QStringList texte = vorschau("Katzendaten1", cat);
        QVERIFY2(texte.contains("Ohrmarkennr.:") && texte.contains("männlich"), qPrintable(texte.join('|')));
        // no show results in the demo
        QVERIFY(vorschau("TradRichten1", cat).isEmpty());
        QCOMPARE(messages(), QStringList{app::messageText(73)});
    }

    void formularNurNachBedingung()
    {
        QList<int> gerufen;
        printouts::ui::registriereDruckFormular(
            6, [&](QWidget *, store::Database &, const printouts::ui::DruckKatze &k) { gerufen << k.nr; });
        const int tom = katze("Geschlecht = '1'"), queen = katze("Geschlecht = '2'");
        vorschau("Gewichtstabelle", tom);
        QCOMPARE(messages(), QStringList{app::messageText(195)});
        QVERIFY(gerufen.isEmpty());
        Scripted::reset();
        vorschau("Gewichtstabelle", queen);
        QCOMPARE(gerufen, QList<int>{queen});
        QVERIFY(messages().isEmpty());
        // a registration window nobody registered: nothing at all
        printouts::ui::registriereDruckFormular(10, {});
        vorschau("AusstellungsanmeldungCFA", queen);
        QVERIFY(Scripted::shown().isEmpty());
        printouts::ui::registerDruckenKatzen();
    }

    // the queen's older litter shown: the registration and the data sheet are of that litter, the
    // registration window keeps the record's save and undo off, and a print job leaves the litter
    // book showing what the register holds now
    void wurfDesKatzenfensters()
    {
        const int queen =
            scalar(*f.db, "SELECT Katze FROM wurfbuch GROUP BY Katze HAVING count(*) > 1 LIMIT 1").toInt();
        QVERIFY(queen > 0);
        auto *w = cats::ui::TCatStamm::instance();
        QVERIFY(w->zeigeKatze(queen));
        w->showPage(cats::ui::TCatStamm::SeiteZuchtbuch);
        tav::widgets::DataSource *wb = w->findChild<tav::widgets::DBEdit *>("DBWurfbuchKater")->dataSource();
        QVERIFY(wb->first());
        const int wurf = wb->table()->intValue("LaufendeNummer");
        const QDate wurftag = wb->table()->value("Wurftag").toDate();
        QVERIFY(wurftag.isValid());
        QVERIFY(printouts::wurfLesen(*f.db, queen)->wurftag != wurftag); // not her latest

        w->basisSeite()->knoepfeFreigeben(true, true);
        QString gebDatum;
        bool gesperrt = false;
        Scripted::dialog([&](QDialog &d) {
            if (auto *m = qobject_cast<printouts::ui::TformWurfmeldung *>(&d)) {
                gebDatum = m->feld("GebDatum")->text();
                gesperrt = !w->findChild<QPushButton *>("BitBtnSpeichern")->isEnabled() &&
                           !w->findChild<QPushButton *>("BitBtnRueckgaengig")->isEnabled();
            }
            return int(QDialog::Rejected);
        });
        druckjob(3); // its menu item is hidden in this edition
        QCOMPARE(gebDatum, printouts::kurzesDatum(wurftag));
        QVERIFY(gesperrt);
        // the show entry forms do the same
        for (const int job : {4, 10}) {
            w->basisSeite()->knoepfeFreigeben(true, true);
            gesperrt = false;
            Scripted::dialog([&](QDialog &d) {
                if (d.objectName().startsWith("FormMeldeformular"))
                    gesperrt = !w->findChild<QPushButton *>("BitBtnSpeichern")->isEnabled() &&
                               !w->findChild<QPushButton *>("BitBtnRueckgaengig")->isEnabled();
                return int(QDialog::Rejected);
            });
            druckjob(job);
            QVERIFY2(gesperrt, qPrintable(QString::number(job)));
        }

        // the litter's designation changed behind the window's back
        {
            store::Table t(f.db.get(), "WURFBUCH.DB");
            t.open();
            QVERIFY(t.locate("LaufendeNummer", wurf));
            t.edit();
            t.setValue("Wurfbez", "Z-Wurf neu");
            t.post();
        }
        QStringList texte;
        Scripted::dialog([&](QDialog &d) {
            if (auto *v = qobject_cast<report::ui::TVorschau *>(&d))
                texte = v->pages().pages.value(0).texts();
            return int(QDialog::Rejected);
        });
        druckjob(13);
        QVERIFY2(texte.contains(wurftag.toString("dd.MM.yyyy")), qPrintable(texte.join('|')));
        QCOMPARE(wb->table()->intValue("LaufendeNummer"), wurf);
        QCOMPARE(wb->table()->text("Wurfbez"), QStringLiteral("Z-Wurf neu"));
    }

    // the registration windows open past their condition (their menu items are hidden in this
    // edition; the dispatcher still serves them)
    void formulareDesVerteilers()
    {
        const int queen = scalar(*f.db, "SELECT min(Katze) FROM wurfbuch").toInt();
        printouts::ui::tDruckenKatzen verteiler(*f.db, f.main.get());
        for (const int job : {3, 4, 10}) {
            QString geoeffnet;
            Scripted::dialog([&](QDialog &d) {
                geoeffnet = QString::fromLatin1(d.metaObject()->className());
                return int(QDialog::Rejected);
            });
            printouts::ui::DruckKatze katze;
            katze.nr = queen;
            verteiler.druck(job, katze);
            QVERIFY2(geoeffnet.contains(job == 3 ? "Wurfmeldung" : "Meldeformular"),
                     qPrintable(QString::number(job) + ": " + geoeffnet + messages().join('|')));
        }
    }

    // "Katzendaten - Liste" with the search left empty and OK prints every cat, as a search
    // without criteria lists them; criteria that find nothing say so and print nothing
    void katzenlisteOhneKriterien()
    {
        int seiten = 0;
        QString alles;
        const auto vorschauLesen = [&](QDialog &d) {
            if (auto *v = qobject_cast<report::ui::TVorschau *>(&d)) {
                seiten = int(v->pages().pages.size());
                for (const auto &p : v->pages().pages)
                    alles += p.texts().join('\n');
            }
            return int(QDialog::Rejected);
        };
        Scripted::dialog([](QDialog &) { return int(QDialog::Accepted); });
        Scripted::dialog(vorschauLesen);
        f.main->runCommand("KatzendatenListe1");
        QVERIFY(messages().isEmpty());
        QVERIFY(seiten > 0);
        store::Query q(f.db.get(), "SELECT Name FROM catstamm");
        q.open();
        int fehlen = 0, katzen = 0;
        for (; !q.eof(); q.next(), ++katzen)
            fehlen += alles.contains(q.value(0).toString().left(10)) ? 0 : 1;
        QVERIFY(katzen > 10);
        QCOMPARE(fehlen, 0);

        seiten = 0;
        Scripted::reset();
        Scripted::dialog([](QDialog &d) {
            static_cast<cats::ui::TSuchenDlg &>(d).EName->setText("Qxzq");
            return int(QDialog::Accepted);
        });
        Scripted::dialog(vorschauLesen);
        f.main->runCommand("KatzendatenListe1");
        QCOMPARE(seiten, 0);
        QCOMPARE(messages(), QStringList{app::messageText(50)});
    }

    void bildJeKopieEinAuftrag()
    {
        QImage img(120, 80, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        const QString png = m_out.filePath("katze.png");
        QVERIFY(img.save(png));
        const QString pdf = m_out.filePath("bild.pdf");
        Scripted::dialog([&](QDialog &d) {
            auto *p = qobject_cast<QPrintDialog *>(&d);
            if (!p)
                return int(QDialog::Rejected);
            p->printer()->setOutputFormat(QPrinter::PdfFormat);
            p->printer()->setOutputFileName(pdf);
            p->printer()->setCopyCount(3);
            return int(QDialog::Accepted);
        });
        QVERIFY(printouts::ui::bildDrucken(f.main.get(), png, "Amadeus"));
        for (const QString &datei : {pdf, m_out.filePath("bild-2.pdf"), m_out.filePath("bild-3.pdf")}) {
            QProcess text;
            text.start("pdftotext", {datei, "-"});
            QVERIFY(text.waitForFinished());
            QVERIFY2(text.readAllStandardOutput().contains("Amadeus"), qPrintable(datei));
        }
        QVERIFY(!QFile::exists(m_out.filePath("bild-4.pdf")));
        QVERIFY(messages().isEmpty());
        // missing and unreadable: said, no print dialog
        Scripted::reset();
        QFile kaputt(m_out.filePath("kaputt.jpg"));
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("kein Bild");
        kaputt.close();
        QVERIFY(!printouts::ui::bildDrucken(f.main.get(), m_out.filePath("fehlt.jpg"), "Amadeus"));
        QVERIFY(!printouts::ui::bildDrucken(f.main.get(), kaputt.fileName(), "Amadeus"));
        const QStringList m = messages();
        QCOMPARE(m.size(), 2);
        QVERIFY(m[0].startsWith(app::messageText(24)) && m[1].startsWith(app::messageText(6100)));
        for (const Scripted::Shown &s : Scripted::shown())
            QVERIFY(s.kind == "message");
    }
};

QTEST_MAIN(TstDruckenKatzen)
#include "tst_druckenkatzen.moc"
