// The cat print-outs without windows: which job the dispatcher lets run for which cat and with
// which message, the text rules of their lines, and the mating book's expected birth dates.
#include "printouts/KatzenDruck.h"
#include "printouts/ReportDeckplan.h"
#include "printouts/ReportKatzen.h"
#include "report/TextMeasure.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tav::printouts;

Q_DECLARE_METATYPE(Druckart)

namespace {
// the flags of a cat: p picture, w litter, d matings, t trad, i TICA, c CFA results
KatzenLage lage(const QString &geschlecht, const QString &flags)
{
    KatzenLage l;
    l.geschlecht = geschlecht;
    l.bild = flags.contains('p');
    l.wurf = flags.contains('w');
    l.deckbuch = flags.contains('d');
    l.trad = flags.contains('t');
    l.tica = flags.contains('i');
    l.cfa = flags.contains('c');
    return l;
}
} // namespace

class TstKatzenDruck : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void jobUndBedingung_data()
    {
        QTest::addColumn<int>("job");
        QTest::addColumn<QString>("geschlecht");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<Druckart>("art");
        QTest::addColumn<int>("meldung");
        const QString alle = QStringLiteral("pwdtic");
        // jobs without a condition run for every cat, with or without anything recorded
        for (const char *g : {"1", "2", "3", "4", ""}) {
            for (const QString &f : {QString(), alle}) {
                const QString n = QStringLiteral("%1 sex '%2' %3").arg("%1", g, f.isEmpty() ? "bare" : "all");
                QTest::newRow(qPrintable(n.arg(1))) << 1 << g << f << Druckart::Stammdaten << 0;
                QTest::newRow(qPrintable(n.arg(4))) << 4 << g << f << Druckart::Formular << 0;
                QTest::newRow(qPrintable(n.arg(9))) << 9 << g << f << Druckart::Katzenliste << 0;
                QTest::newRow(qPrintable(n.arg(10))) << 10 << g << f << Druckart::Formular << 0;
                for (int nichts : {0, 5, 12, 14, 17, 255})
                    QTest::newRow(qPrintable(n.arg(nichts))) << nichts << g << f << Druckart::Nichts << 0;
            }
        }
        // the picture: only when one is chosen; no message either way
        QTest::newRow("2 with picture") << 2 << "1"
                                        << "p" << Druckart::Bild << 0;
        QTest::newRow("2 without picture") << 2 << "2"
                                           << "wdtic" << Druckart::Nichts << 0;
        // litter jobs: not for toms, neutered ones included; a cat without sex passes
        for (int job : {3, 6}) {
            QTest::addRow("%d tom", job) << job << "1" << alle << Druckart::Nichts << 195;
            QTest::addRow("%d neutered tom", job) << job << "3" << alle << Druckart::Nichts << 195;
            QTest::addRow("%d queen", job) << job << "2"
                                           << "" << Druckart::Formular << 0;
            QTest::addRow("%d neutered queen", job) << job << "4"
                                                    << "" << Druckart::Formular << 0;
            QTest::addRow("%d no sex", job) << job << ""
                                            << "" << Druckart::Formular << 0;
        }
        QTest::newRow("13 tom with litter") << 13 << "1"
                                            << "w" << Druckart::Nichts << 195;
        QTest::newRow("13 queen with litter") << 13 << "2"
                                              << "w" << Druckart::Formular << 0;
        QTest::newRow("13 queen without litter") << 13 << "2"
                                                 << "pdtic" << Druckart::Nichts << 165;
        QTest::newRow("13 no sex with litter") << 13 << ""
                                               << "w" << Druckart::Formular << 0;
        QTest::newRow("13 no sex without litter") << 13 << ""
                                                  << "" << Druckart::Nichts << 165;
        // show results: each list needs its own table's rows
        const struct {
            int job;
            const char *flag;
            Druckart art;
        } listen[] = {{7, "t", Druckart::TradRichten},
                      {8, "i", Druckart::TICARichten},
                      {11, "c", Druckart::CFARichten}};
        for (const auto &l : listen) {
            for (const char *g : {"1", "2", ""}) {
                QTest::addRow("%d sex '%s' with results", l.job, g) << l.job << g << l.flag << l.art << 0;
                QString andere = QStringLiteral("pwdtic").remove(QLatin1String(l.flag));
                QTest::addRow("%d sex '%s' without", l.job, g)
                    << l.job << g << andere << Druckart::Nichts << 73;
            }
        }
        // mating book and certificate: not for queens; a tom (neutered too) or a cat without sex
        // needs a mating
        const struct {
            int job;
            Druckart art;
        } deck[] = {{15, Druckart::Deckbuch}, {16, Druckart::Deckschein}};
        for (const auto &d : deck) {
            for (const char *g : {"1", "3", ""}) {
                QTest::addRow("%d sex '%s' with matings", d.job, g) << d.job << g << "d" << d.art << 0;
                QTest::addRow("%d sex '%s' without", d.job, g)
                    << d.job << g << "pwtic" << Druckart::Nichts << 220;
            }
            for (const char *g : {"2", "4"}) {
                QTest::addRow("%d queen '%s' with matings", d.job, g)
                    << d.job << g << alle << Druckart::Nichts << 219;
                QTest::addRow("%d queen '%s' without", d.job, g)
                    << d.job << g << "" << Druckart::Nichts << 219;
            }
        }
    }
    void jobUndBedingung()
    {
        QFETCH(int, job);
        QFETCH(QString, geschlecht);
        QFETCH(QString, flags);
        QFETCH(Druckart, art);
        QFETCH(int, meldung);
        const Druckentscheid e = druckEntscheid(job, lage(geschlecht, flags));
        QCOMPARE(e.art, art);
        QCOMPARE(e.meldung, meldung);
    }

    void zeilenDerKatze()
    {
        const auto englisch = [](int tag) { return tag == 9071 ? QStringLiteral("male") : QString(); };
        QCOMPARE(geschlechtWort("1", englisch), QStringLiteral("male"));
        QCOMPARE(geschlechtWort("3", englisch), QStringLiteral("Kastrat männlich")); // not in that catalogue
        QCOMPARE(geschlechtWort("4", {}), QStringLiteral("Kastrat weiblich"));
        for (const char *kein : {"", "0", "5", "12", "x"})
            QVERIFY2(geschlechtWort(kein, {}).isEmpty(), kein);
        // the title only for a cat with a sex code
        QCOMPARE(nameZeile("CH", "Amadeus", "1"), QStringLiteral("CH Amadeus"));
        QCOMPARE(nameZeile("CH", "Amadeus", ""), QStringLiteral("Amadeus"));
        QCOMPARE(nameZeile("", "Amadeus", "2"), QStringLiteral("Amadeus"));
        QCOMPARE(elternZeile("GIC", "Bruno", "1", "blau"), QStringLiteral("GIC Bruno, blau"));
        QCOMPARE(elternZeile("GIC", "Bruno", "1", ""), QStringLiteral("GIC Bruno"));
        QCOMPARE(titelMitBewertung("CH/IC", "V1 CACIB"), QStringLiteral("CH/IC / V1 CACIB"));
        QCOMPARE(titelMitBewertung("", "V1 CACIB"), QStringLiteral("V1 CACIB"));
        QCOMPARE(titelMitBewertung("CH", ""), QStringLiteral("CH"));
    }

    void anschrift_data()
    {
        QTest::addColumn<QStringList>("felder"); // name, first name, street, postcode, town, telephone
        QTest::addColumn<QString>("block");
        QTest::newRow("complete") << QStringList{"Berger", "Anna",    "Lindenallee 12",
                                                 "22301",  "Hamburg", "040 123"}
                                  << "Anna Berger\rLindenallee 12, 22301 Hamburg\rTel.: 040 123";
        QTest::newRow("no first name") << QStringList{"Berger", "", "Lindenallee 12", "22301", "Hamburg", ""}
                                       << "Berger\rLindenallee 12, 22301 Hamburg";
        QTest::newRow("no street") << QStringList{"Berger", "Anna", "", "22301", "Hamburg", "040 123"}
                                   << "Anna Berger, 22301 Hamburg\rTel.: 040 123";
        QTest::newRow("town, no postcode")
            << QStringList{"Berger", "Anna", "Lindenallee 12", "", "Hamburg", ""}
            << "Anna Berger\rLindenallee 12,  Hamburg";
        QTest::newRow("name only") << QStringList{"Berger", "", "", "", "", ""} << "Berger";
    }
    void anschrift()
    {
        QFETCH(QStringList, felder);
        QFETCH(QString, block);
        QCOMPARE(anschriftBlock({felder[0], felder[1], felder[2], felder[3], felder[4], felder[5]}), block);
    }

    // the heading starts from the catalogue's caption each time, the status only when searched for
    void listenUeberschrift()
    {
        const auto text = [](const QString &status) {
            tav::report::ReportJob job = reportKatzenListe(std::make_shared<tav::report::ListRows>(), status);
            job.prepare(
                {10, 7, [](int tag) { return tag == 6105 ? QStringLiteral("Cat data") : QString(); }, {}});
            return job.parts()[0].report.bands[0].elements[0].text;
        };
        QCOMPARE(text("Eigene"), QStringLiteral("Cat data  mit Status: Eigene"));
        QCOMPARE(text(QString()), QStringLiteral("Cat data"));
        QCOMPARE(text("Fremd"), QStringLiteral("Cat data  mit Status: Fremd"));
    }

    // expected birth dates of the mating book: the gestation days on, none without a mating date
    void deckbuchWurftermin()
    {
        QTemporaryDir dir;
        tav::store::Database db(dir.path());
        QVERIFY(db.ensureTable("DECKBUCH.DB") && db.ensureTable("CATSTAMM.DB"));
        tav::store::Table katzen(&db, "CATSTAMM.DB"), buch(&db, "DECKBUCH.DB");
        katzen.open();
        katzen.append();
        katzen.setValue("Name", "Bella");
        katzen.setValue("Geschlecht", "2");
        katzen.post();
        const int bella = katzen.intValue("LaufendeNummer");
        buch.open();
        for (const QDate &d : {QDate(2024, 2, 20), QDate(), QDate(2023, 12, 30)}) {
            buch.append();
            buch.setValue("Kater", 7);
            buch.setValue("Katze", bella);
            buch.setValue("Decktermin", d);
            buch.post();
        }
        const auto zeilen = deckbuchZeilen(db, 7, 65);
        QCOMPARE(zeilen->rowCount(), 3);
        QCOMPARE(zeilen->value(0, "Decktermin"), QVariant()); // a blank date sorts first
        QCOMPARE(zeilen->value(0, "Wurftermin"), QVariant());
        QCOMPARE(zeilen->value(1, "Wurftermin").toDate(), QDate(2024, 3, 4));
        QCOMPARE(zeilen->value(2, "Wurftermin").toDate(), QDate(2024, 4, 25)); // the calendar's own February
        QCOMPARE(zeilen->value(2, "KatzeAnz").toString(), QStringLiteral("Bella"));
        QCOMPARE(deckbuchZeilen(db, 8, 65)->rowCount(), 0);
    }

    // the column headings of the shared list bands stand above the rows, also where the report
    // had bands before them (the mating plan: title, queen line, header, rows)
    void spaltenkoepfe()
    {
        DeckplanDruck d;
        d.koenigin = QStringLiteral("Berta");
        for (int i = 0; i < 3; ++i)
            d.zeilen << QStringList(deckplanSpalten().size(), QStringLiteral("x%1").arg(i));
        const tav::report::Pages p = reportDeckplan(d).layout(tav::report::FixedMeasure());
        QStringList kopf;
        for (const tav::report::DrawOp &op : p.pages.first().ops)
            if (op.band == tav::report::Band::Kind::ColumnHeader &&
                op.kind == tav::report::DrawOp::Kind::Text)
                kopf << op.text;
        QCOMPARE(kopf.size(), deckplanSpalten().size());
        QVERIFY(kopf.contains(QStringLiteral("Kater")) && kopf.contains(QStringLiteral("IK")));
    }
};

QTEST_GUILESS_MAIN(TstKatzenDruck)
#include "tst_katzendruck.moc"
