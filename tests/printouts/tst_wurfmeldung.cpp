// The litter registration, data sheet and litter book: the rules that fill them, what they read
// from a register, and forms that keep every text on the paper.
#include "../cats/CatsFixture.h"
#include "cats/Wurfdaten.h"
#include "printouts/ReportWurfbuch.h"
#include "printouts/ReportWurfmeldung.h"

#include <QTest>

using namespace tav::printouts;
using namespace tav::report;

namespace {

Jungtier kitten(const QString &name, bool maennlich)
{
    Jungtier k;
    k.name = name;
    k.maennlich = maennlich;
    return k;
}

QString wort(int tag)
{
    return tag == TagWortMaennlich  ? QStringLiteral("männlich")
           : tag == TagWortWeiblich ? QStringLiteral("weiblich")
                                    : QStringLiteral("unbekannt");
}

class Breite : public tav::cats::TextBreite
{
  public:
    int breite(const QString &t) const override { return int(t.size() * 7); }
};

} // namespace

class TstWurfmeldung : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void titelDesKaters_data()
    {
        QTest::addColumn<QString>("geschlecht");
        QTest::addColumn<QStringList>("titel"); // TitelGer1, TitelUSA1, TitelGer2, TitelUSA2
        QTest::addColumn<QString>("erwartet");
        const QStringList beide = {"2", "3", "1", "6"};
        QTest::newRow("W&CF and TICA") << "1" << beide << "Int.Ch./DGC Leo";
        QTest::newRow("neutered: neuter fields") << "3" << beide << "Ch./SGC Leo";
        QTest::newRow("queen") << "2" << QStringList{"4", "", "", ""} << "Euro.Ch. Leo";
        QTest::newRow("TICA only") << "1" << QStringList{"", "2", "", ""} << "GRC Leo";
        QTest::newRow("no title") << "1" << QStringList{"", "", "5", ""} << "Leo";
        QTest::newRow("no sex code: bare name") << "" << beide << "Leo";
        QTest::newRow("code out of range") << "1" << QStringList{"9", "x", "", ""} << "Leo";
    }
    void titelDesKaters()
    {
        QFETCH(QString, geschlecht);
        QFETCH(QStringList, titel);
        QFETCH(QString, erwartet);
        QCOMPARE(titelUndName(geschlecht, {titel[0], titel[1], titel[2], titel[3]}, QStringLiteral("Leo")),
                 erwartet);
    }

    void besitzerzeilenUndZahlen()
    {
        const Besitzerzeilen b = besitzerzeilen("Weber", "Lukas", "Ring 1", "50667", "Köln", "0221", "");
        QCOMPARE(b.besitzer, QStringLiteral("Weber, Lukas"));
        QCOMPARE(b.ort, QStringLiteral("50667 Köln"));
        QCOMPARE(besitzerzeilen("Weber", "", "", "", "Köln", "", "").besitzer, QStringLiteral("Weber"));
        QCOMPARE(besitzerzeilen("Weber", "", "", "", "Köln", "", "").ort, QStringLiteral("Köln"));

        const QList<std::tuple<QString, QString, QString>> faelle = {
            {"", "0", "0"},  {"2/", "2", ""},   {"/3", "0", "3"},
            {"4", "4", "0"}, {"3/5", "3", "5"}, {"1/2/3", "1", "2/3"}};
        for (const auto &[text, m, w] : faelle) {
            const Anzahl a = anzahlTeilen(text);
            QVERIFY2(a.m == m && a.w == w, qPrintable(text + " -> " + a.m + " | " + a.w));
        }
    }

    void fuenfUndFuenfNachGeschlecht_data()
    {
        QTest::addColumn<int>("kater");
        QTest::addColumn<int>("katzen");
        QTest::addColumn<QStringList>("ohneZeile");
        QTest::newRow("3 toms, 7 queens") << 3 << 7 << QStringList{"w6", "w7"};
        QTest::newRow("10 toms") << 10 << 0 << QStringList{"m6", "m7", "m8", "m9", "m10"};
        QTest::newRow("5 and 5") << 5 << 5 << QStringList{};
    }
    void fuenfUndFuenfNachGeschlecht()
    {
        QFETCH(int, kater);
        QFETCH(int, katzen);
        QFETCH(QStringList, ohneZeile);
        QVector<Jungtier> liste;
        // mixed order: the rows keep the order of the list within each sex
        for (int i = 1; i <= std::max(kater, katzen); ++i) {
            if (i <= katzen)
                liste << kitten(QStringLiteral("w%1").arg(i), false);
            if (i <= kater)
                liste << kitten(QStringLiteral("m%1").arg(i), true);
        }
        const FuenfUndFuenf f = fuenfUndFuenf(liste);
        QCOMPARE(f.kater.size(), std::min(kater, 5));
        QCOMPARE(f.katzen.size(), std::min(katzen, 5));
        if (!f.kater.isEmpty())
            QCOMPARE(f.kater.first().name, QStringLiteral("m1"));
        QCOMPARE(f.ohneZeile, ohneZeile);
        QCOMPARE(jungtierZahlen(liste), QStringLiteral("%1/%2").arg(kater).arg(katzen));
    }

    void gitterzeile()
    {
        QVERIFY(!jungtierDerZeile({"", " ", "", "", ""}, "männlich"));
        QVERIFY(jungtierDerZeile({"Leo", "MÄNNLICH", "", "", ""}, "männlich")->maennlich);
        QVERIFY(jungtierDerZeile({"Leo", "1,0", "", "", ""}, "männlich")->maennlich);
        QVERIFY(!jungtierDerZeile({"Mia", "weiblich", "", "", "blau"}, "männlich")->maennlich);
    }

    void vierzehnAhnenMitLuecken()
    {
        // 10 stud, 20 queen; the stud's father 11 is missing from the register, so VV, VVV and
        // VVM stay blank although 11 would have parents
        const QHash<int, std::pair<int, int>> eltern = {{10, {11, 12}}, {12, {13, 0}},  {13, {0, 0}},
                                                        {20, {21, 22}}, {21, {23, 24}}, {22, {0, 25}},
                                                        {23, {0, 0}},   {24, {0, 0}},   {25, {0, 0}}};
        const QVector<Ahn> a = ahnenDesWurfes(10, 20, [&](int nr) -> std::optional<AhnKatze> {
            if (!eltern.contains(nr))
                return std::nullopt;
            return AhnKatze{eltern[nr].first, eltern[nr].second, {QString::number(nr), {}, {}, {}}};
        });
        QStringList namen;
        for (const Ahn &x : a)
            namen << x.name;
        //                 Vater Mutter VV  VM    MV    MM    VVV VVM VMV   VMM MVV   MVM   MMV MMM
        QCOMPARE(namen,
                 QStringList({"10", "20", "", "12", "21", "22", "", "", "13", "", "23", "24", "", "25"}));
    }

    void ausDemRegister()
    {
        CatsFixture f;
        auto &db = f.db();
        for (const char *t : {"WURFBUCH.DB", "JUNGTIER.DB", "ZUSATZ.DB", "KATZEMERKMAL.DB", "MERKMALE.DB"})
            db.createTable(QString::fromLatin1(t));
        const int bri = f.add("RASSE.DB", {{"RName", "Britisch Kurzhaar"}, {"RKurzname", "BRI"}});
        f.add("FARBE.DB", {{"Farbname", "blau"}, {"Farbnummer", "a"}});
        f.add("EIGEN.DB",
              {{"Name", "Berger"}, {"Vorname", "Anna"}, {"Zwinger", "vom Lindenhof"}, {"Ort", "Hamburg"}});
        f.add("ZUSATZ.DB", {{"Mitgliedsnummer", "M-77"}});
        const int weber =
            f.add("ADR_DAT.DB", {{"Name", "Weber"}, {"Vorname", "Lukas"}, {"Plz", "50667"}, {"Ort", "Köln"}});
        const int opa = f.cat("Opa", "1");
        const int kater = f.cat("Leo", "1",
                                {{"TitelGer1", "1"},
                                 {"TitelUSA1", "2"},
                                 {"Vater", opa},
                                 {"Status", 2},
                                 {"Besitzer", weber},
                                 {"FellFarbe", "blau"},
                                 {"Rasse", bri}});
        const int queen = f.cat("Mia", "2", {{"Status", 1}, {"Rasse", bri}});
        const int ohneBesitzer = f.cat("Lisa", "2", {{"Status", 2}});
        const QDate tag(2024, 5, 1);
        f.add("WURFBUCH.DB", {{"Katze", queen},
                              {"Kater", kater},
                              {"Decktermin", tag.addDays(-65)},
                              {"Wurftag", tag.addYears(-1)},
                              {"Wurfstaerke", "1/"}});
        const int wurfNr = f.add("WURFBUCH.DB", {{"Katze", queen},
                                                 {"Kater", kater},
                                                 {"Decktermin", tag.addDays(-64)},
                                                 {"Wurftag", tag},
                                                 {"Wurfstaerke", "2/"},
                                                 {"Totgeboren", "/1"}});
        // twelve kittens: "3" counts as male, "4" and "2" as female
        for (int i = 1; i <= 12; ++i)
            f.cat(QStringLiteral("K%1").arg(i, 2, 10, QLatin1Char('0')),
                  i <= 4   ? "3"
                  : i <= 8 ? "4"
                           : "2",
                  {{"Mutter", queen}, {"GebDatum", tag}, {"FellFarbe", "blau"}, {"Rasse", bri}});
        f.add(
            "JUNGTIER.DB",
            {{"Mutterkatze", queen}, {"Wurfdatum", tag}, {"Wiegedatum", tag.addDays(7)}, {"Katze1", "210"}});

        const std::optional<Wurf> wurf = wurfLesen(db, queen);
        QVERIFY(wurf);
        QCOMPARE(wurf->nr, wurfNr); // the latest
        QCOMPARE(wurfLesen(db, queen, 0, tag.addYears(-1))->wurfstaerke, QStringLiteral("1/"));
        QVERIFY(!wurfLesen(db, ohneBesitzer));

        const Wurfmeldung m = wurfmeldungLesen(db, queen, wurf, wort);
        QCOMPARE(m.kitten.size(), 10);
        // in index order (by sex code) the last two queens ("4") find no row
        QCOMPARE(m.nichtAufgenommen, QStringList({"K07", "K08"}));
        QCOMPARE(m.jungtiere, QStringLiteral("4/6"));
        QCOMPARE(m.kitten[4].name + " " + m.kitten[4].geschlecht, QStringLiteral("K01 männlich"));
        QCOMPARE(m.kitten.first().rasse, QStringLiteral("Britisch Kurzhaar"));
        QCOMPARE(m.kitten.first().farbnummer, QStringLiteral("a"));
        QCOMPARE(m.vater.name, QStringLiteral("Ch./GRC Leo"));
        QCOMPARE(m.vater.besitzer.besitzer, QStringLiteral("Weber, Lukas"));
        QCOMPARE(m.vater.besitzer.ort, QStringLiteral("50667 Köln"));
        QCOMPARE(m.mutter.besitzer.besitzer, QStringLiteral("Berger, Anna")); // her own: the breeder
        QCOMPARE(m.mitgliedsnummer, QStringLiteral("M-77"));
        QCOMPARE(m.zwinger, QStringLiteral("vom Lindenhof"));
        QCOMPARE(m.gebDatum, QStringLiteral("01.05.2024"));

        const Wurfdatenblatt b = wurfdatenblattLesen(db, queen, *wurf, wort, Breite());
        QCOMPARE(b.nameZuechter, QStringLiteral("Anna Berger"));
        QCOMPARE(b.zwinger, QStringLiteral("vom Lindenhof"));
        QCOMPARE(b.zahlen[0].m + "|" + b.zahlen[0].w, QStringLiteral("2|"));
        QCOMPARE(b.zahlen[1].m + "|" + b.zahlen[1].w, QStringLiteral("0|1"));
        QCOMPARE(b.kitten.size(), 12); // the sheet lists the whole litter
        QCOMPARE(b.ahnen[0].name, QStringLiteral("Leo"));
        QCOMPARE(b.ahnen[2].name, QStringLiteral("Opa"));
        QCOMPARE(b.ahnen[1].name, QStringLiteral("Mia"));
        const Wurfdatenblatt unbekannt = wurfdatenblattLesen(db, ohneBesitzer, Wurf{}, wort, Breite());
        QCOMPARE(unbekannt.nameZuechter, QStringLiteral("unbekannt"));

        const Wurfbuch w = wurfbuchLesen(db, queen, *wurf, 65);
        QCOMPARE(w.kater, QStringLiteral("Leo"));
        QCOMPARE(w.wiegungen.size(), 1);
        QCOMPARE(w.wiegungen[0].value(1), QStringLiteral("210"));

        // every form holds the queen, the stud and each kitten that has a row, inside the page
        for (const Wurfformular form :
             {Wurfformular::Allgemein, Wurfformular::Dekzv, Wurfformular::Dru}) {
            ReportJob job = reportWurfmeldung(form, m, {{"Bestaetigung", "Hiermit"}});
            job.prepare({});
            const Pages p = job.layout(FixedMeasure());
            QCOMPARE(p.pages.size(), 1);
            // joined without separators: a letter-box form prints a name letter by letter
            const QString text = p.pages[0].texts().join(QString());
            for (const char *n : {"Ch./GRC Leo", "Mia", "K01", "K04", "K05", "K09"})
                QVERIFY2(text.contains(QString::fromUtf8(n)), n);
            for (const DrawOp &op : p.pages[0].ops) {
                const QRectF r = op.rect.normalized();
                QVERIFY2(r.left() >= 0 && r.top() >= 0 &&
                             r.right() <= p.setup.width() - p.setup.right + 0.01 &&
                             r.bottom() <= p.setup.height() - p.setup.bottom,
                         qPrintable(op.text));
            }
        }
        QCOMPARE(nichtGedruckt(Wurfformular::Allgemein, m).size(), 2);
        QCOMPARE(nichtGedruckt(Wurfformular::Dru, m).size(), 3); // the sixth female, then the two beyond ten
    }
};

QTEST_GUILESS_MAIN(TstWurfmeldung)
#include "tst_wurfmeldung.moc"
