// The print dispatcher on a started program: the "Drucker" items of its jobs are enabled, a job
// opens its preview or says why not, a registration window is called only past its condition,
// and the picture prints once per copy, each copy a job of its own.
#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "printouts/ui/DruckenKatzen.h"
#include "printouts/ui/Meldeformular.h"
#include "printouts/ui/Wurfmeldung.h"
#include "report/ui/Vorschau.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QtTest>

using namespace tav;
using app::ui::Scripted;

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
        app::ui::TMirravel::catRecordHooks().zeigeKatze(cat);
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
        // without the breeder's text: said, and previewed all the same
        QStringList texte = vorschau("Deckschein", tom);
        QVERIFY2(texte.contains("DECKSCHEIN") && texte.contains(name), qPrintable(texte.join('|')));
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages().first().contains("deckschein.txt"));
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
        printouts::ui::registriereDruckFormular(6,
                                                [&](QWidget *, store::Database &, int nr) { gerufen << nr; });
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
        printouts::ui::registriereDruckFormular(6, printouts::ui::wurfbuchDrucken);
        printouts::ui::registriereDruckFormular(10, printouts::ui::meldeformularCFAOeffnen);
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
            verteiler.druck(job, printouts::ui::DruckKatze{queen});
            QVERIFY2(geoeffnet.contains(job == 3 ? "Wurfmeldung" : "Meldeformular"),
                     qPrintable(QString::number(job) + ": " + geoeffnet + messages().join('|')));
        }
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
