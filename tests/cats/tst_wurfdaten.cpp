#include "CatsFixture.h"
#include "cats/Wurfdaten.h"
#include "store/Query.h"

#include <QtTest>

using namespace tav::cats;

namespace {
// ten pixels a character: widths a test can count
struct Zeichenbreite : TextBreite {
    int breite(const QString &text) const override { return int(text.size()) * 10; }
};
} // namespace

class TstWurfdaten : public QObject
{
    Q_OBJECT
    std::unique_ptr<CatsFixture> m_f;
    QHash<QString, int> m_nr;
    QHash<QString, Abstammung> m_katze;

    void katze(const QString &name, const QString &vater, const QString &mutter, const QDate &geb)
    {
        Abstammung a{0, m_nr.value(vater), m_nr.value(mutter), geb};
        QVariantMap v{{"GebDatum", geb}, {"Wurfzahl", "3"}};
        if (a.vater)
            v.insert("Vater", a.vater);
        if (a.mutter)
            v.insert("Mutter", a.mutter);
        a.nr = m_f->cat(name, "2", v);
        m_nr[name] = a.nr;
        m_katze[name] = a;
    }
    QStringList namen(const QVector<int> &nummern) const
    {
        QStringList out;
        for (int n : nummern)
            out << m_nr.key(n);
        out.sort();
        return out;
    }
    QString wurfzahl(const QString &name)
    {
        tav::store::Query q(&m_f->db(), "SELECT Wurfzahl FROM catstamm WHERE LaufendeNummer = ?");
        q.addBindValue(m_nr.value(name));
        q.open();
        return q.value(0).toString();
    }

  private Q_SLOTS:
    void initTestCase()
    {
        m_f = std::make_unique<CatsFixture>();
        // two toms and two queens; the first litter has three kittens, one of another father
        // on the same day, a later litter of the same parents, and a half sibling of another queen
        m_nr["F"] = m_f->cat("Fred", "1");
        m_nr["G"] = m_f->cat("Gus", "1");
        m_nr["M"] = m_f->cat("Mona", "2");
        m_nr["N"] = m_f->cat("Nora", "2");
        const QDate d1(2022, 4, 1), d2(2023, 5, 2), d3(2022, 9, 9);
        katze("X", "F", "M", d1);
        katze("A", "F", "M", d1);
        katze("A2", "F", "M", d1);
        katze("B", "G", "M", d1);
        katze("C", "F", "M", d2);
        katze("D", "F", "N", d3);
        katze("U", "", "", d1);
        katze("OhneVater", "", "M", d1);
    }

    void dueDates_data()
    {
        QTest::addColumn<QDate>("deck");
        QTest::addColumn<int>("tage");
        QTest::addColumn<QDate>("termin");
        QTest::newRow("February of a leap year") << QDate(2024, 2, 10) << 65 << QDate(2024, 4, 15);
        QTest::newRow("28 February") << QDate(2024, 2, 28) << 65 << QDate(2024, 5, 3);
        QTest::newRow("29 February") << QDate(2024, 2, 29) << 65 << QDate(2024, 5, 4);
        QTest::newRow("over the new year") << QDate(2023, 12, 31) << 65 << QDate(2024, 3, 5);
        QTest::newRow("setting of 63 days") << QDate(2023, 2, 20) << 63 << QDate(2023, 4, 24);
        QTest::newRow("no mating date") << QDate() << 65 << QDate();
    }
    void dueDates()
    {
        QFETCH(QDate, deck);
        QFETCH(int, tage);
        QFETCH(QDate, termin);
        QCOMPARE(wurftermin(deck, tage), termin);
    }

    void gestationFromTheLastMating()
    {
        const QDate d1(2024, 1, 1), d2(2024, 1, 3), wurf(2024, 3, 5);
        QCOMPARE(traechtigkeitsdauer(d1, d2, wurf), std::optional<int>(62));
        QCOMPARE(traechtigkeitsdauer(d1, QDate(), wurf), std::optional<int>(64));
        QCOMPARE(traechtigkeitsdauer(QDate(), d2, wurf), std::nullopt);
        QCOMPARE(traechtigkeitsdauer(d1, d2, QDate()), std::nullopt);
    }

    void heatForecast_data()
    {
        QTest::addColumn<QVector<QDate>>("rolligkeiten");
        QTest::addColumn<int>("durchschnitt");
        QTest::addColumn<QDate>("decktermin");
        const QDate heute(2023, 6, 1);
        QTest::newRow("none: mating today") << QVector<QDate>{} << 165 << heute;
        QTest::newRow("one: the interval of the settings")
            << QVector<QDate>{QDate(2023, 1, 10)} << 165 << QDate(2023, 6, 24);
        QTest::newRow("three: the average, rounded down")
            << QVector<QDate>{QDate(2023, 1, 1), QDate(2023, 1, 22), QDate(2023, 3, 12)} << 35
            << QDate(2023, 4, 16);
        // entered out of date order: 70 and 21 days, both counted positive
        QTest::newRow("out of order: positive days")
            << QVector<QDate>{QDate(2023, 3, 12), QDate(2023, 1, 1), QDate(2023, 1, 22)} << 45
            << QDate(2023, 3, 8);
    }
    void heatForecast()
    {
        QFETCH(QVector<QDate>, rolligkeiten);
        QFETCH(int, durchschnitt);
        QFETCH(QDate, decktermin);
        const RolligkeitsPrognose p =
            rolligkeitsPrognose(rolligkeiten, QDate(2023, 6, 1), PrognoseTage{165, 65, 60});
        QCOMPARE(p.durchschnitt, durchschnitt);
        QCOMPARE(p.decktermin, decktermin);
        QCOMPARE(p.naechste, rolligkeiten.isEmpty() ? QDate() : decktermin);
        QCOMPARE(p.wurftermin, decktermin.addDays(65));
        QCOMPARE(p.abgabetermin, decktermin.addDays(125));
    }

    // a mating date typed over: its litter and handover dates, none for an empty text, nothing
    // at all for a text that is no date
    void matingDateTypedOver_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gueltig");
        QTest::addColumn<QDate>("wurftermin");
        QTest::newRow("a date") << "01.03.2024" << true << QDate(2024, 5, 5);
        QTest::newRow("short year, over the year end") << "15.12.23" << true << QDate(2024, 2, 18);
        QTest::newRow("empty") << "  " << true << QDate();
        QTest::newRow("no such day") << "30.02.2024" << false << QDate();
        QTest::newRow("no date") << "morgen" << false << QDate();
    }
    void matingDateTypedOver()
    {
        QFETCH(QString, text);
        QFETCH(bool, gueltig);
        QFETCH(QDate, wurftermin);
        const auto p = prognoseAusText(text, PrognoseTage{165, 65, 60});
        QCOMPARE(p.has_value(), gueltig);
        if (p) {
            QCOMPARE(p->wurftermin, wurftermin);
            QCOMPARE(p->abgabetermin, wurftermin.isValid() ? wurftermin.addDays(60) : QDate());
        }
    }

    void siblingLists_data()
    {
        QTest::addColumn<QString>("katze");
        QTest::addColumn<int>("art");
        QTest::addColumn<QStringList>("erwartet");
        const int w = int(Geschwisterart::Wurf), v = int(Geschwisterart::Vaeterlich),
                  m = int(Geschwisterart::Muetterlich);
        QTest::newRow("litter: same father only") << "X" << w << QStringList{"A", "A2"};
        QTest::newRow("paternal: all litters and queens") << "X" << v << QStringList{"A", "A2", "C", "D"};
        QTest::newRow("maternal: all litters and toms")
            << "X" << m << QStringList{"A", "A2", "B", "C", "OhneVater"};
        QTest::newRow("half sibling born the same day") << "B" << w << QStringList{};
        QTest::newRow("half sibling's maternal list")
            << "B" << m << QStringList{"A", "A2", "C", "OhneVater", "X"};
        QTest::newRow("paternal half of another queen") << "D" << v << QStringList{"A", "A2", "C", "X"};
        QTest::newRow("no father: no litter") << "OhneVater" << w << QStringList{};
        QTest::newRow("no father: no paternal") << "OhneVater" << v << QStringList{};
        QTest::newRow("unknown parents: litter") << "U" << w << QStringList{};
        QTest::newRow("unknown parents: paternal") << "U" << v << QStringList{};
        QTest::newRow("unknown parents: maternal") << "U" << m << QStringList{};
        QTest::newRow("a new cat lists all of its litter") << "neu" << w << QStringList{"A", "A2", "X"};
    }
    void siblingLists()
    {
        QFETCH(QString, katze);
        QFETCH(int, art);
        QFETCH(QStringList, erwartet);
        Abstammung a = m_katze.value(katze);
        if (katze == "neu")
            a = {0, m_nr["F"], m_nr["M"], QDate(2022, 4, 1)};
        QCOMPARE(namen(geschwister(m_f->db(), Geschwisterart(art), a)), erwartet);
    }

    void litterSizeIsCopiedToAllOrNone()
    {
        // a failure at the second sibling leaves every row as it was
        int gesehen = 0;
        QVERIFY_THROWS_EXCEPTION(std::exception, wurfzahlUebernehmen(m_f->db(), m_katze["X"], "5", [&](int) {
                                     if (++gesehen == 2)
                                         throw std::runtime_error("disk full");
                                 }));
        QCOMPARE(gesehen, 2);
        for (const char *k : {"X", "A", "A2", "B", "C"})
            QCOMPARE(wurfzahl(k), QString("3"));

        QCOMPARE(wurfzahlUebernehmen(m_f->db(), m_katze["X"], "5"), 2);
        for (const char *k : {"X", "A", "A2"})
            QCOMPARE(wurfzahl(k), QString("5"));
        // the half sibling of the same day and the later litter keep theirs
        QCOMPARE(wurfzahl("B"), QString("3"));
        QCOMPARE(wurfzahl("C"), QString("3"));
    }

    void printLineCutAtItsWidth_data()
    {
        QTest::addColumn<QString>("farbe");
        QTest::addColumn<QStringList>("kuerzel");
        QTest::addColumn<QString>("bemerkung");
        QTest::addColumn<int>("grenze");
        QTest::addColumn<QString>("zeile");
        const QStringList codes{"n 21", "a 09", "w 62"};
        QTest::newRow("everything fits")
            << "black" << codes << "lively\nshy" << 350 << "black, n 21, a 09, w 62, lively shy";
        // "black, n 21, a 09" is 170 pixels wide; the next code would make it 230
        QTest::newRow("codes cut at the first that does not fit")
            << "black" << codes << "" << 200 << "black, n 21, a 09";
        QTest::newRow("remark left out when the whole is too wide")
            << "black" << codes << "a remark far too long" << 260 << "black, n 21, a 09, w 62";
        QTest::newRow("exactly at the limit") << "black" << codes << "" << 230 << "black, n 21, a 09, w 62";
        QTest::newRow("no colour") << "" << QStringList{"n 21"} << "shy" << 260 << "n 21, shy";
    }
    void printLineCutAtItsWidth()
    {
        QFETCH(QString, farbe);
        QFETCH(QStringList, kuerzel);
        QFETCH(QString, bemerkung);
        QFETCH(int, grenze);
        QFETCH(QString, zeile);
        QCOMPARE(anzeigeFuerDruck(farbe, kuerzel, bemerkung, Zeichenbreite(), grenze), zeile);
    }

    // a parent's summary: each line only when its source is set, English words for English
    void parentSummary()
    {
        const int perser = m_f->add("RASSE.DB", {{"RName", "Perser"}, {"RKurzname", "PER"}});
        m_f->add("FARBE.DB", {{"Farbname", "schwarz"}, {"Farbnummer", "n"}});
        const int mueller = m_f->add("ADR_DAT.DB", {{"Name", "Müller"}, {"Vorname", "Hans"}});
        const int meier = m_f->add("ADR_DAT.DB", {{"Name", "Meier"}});
        const int voll = m_f->cat("Bruno", "1",
                                  {{"Rasse", perser},
                                   {"FellFarbe", "schwarz"},
                                   {"GebDatum", QDate(2020, 3, 1)},
                                   {"Zuchtbuchnummer2", "DE 7"},
                                   {"Züchter", mueller},
                                   {"Besitzer", meier},
                                   {"ChipNr", "276"}});
        ElternDaten d = elternDatenLesen(m_f->db(), voll);
        d.titel = "CH";
        QCOMPARE(elternZeilen(d, 1), QStringList({"CH Bruno", "Perser     PER", "schwarz     n", "PER n",
                                                  "BORN: 01.03.2020      Eye-Color: ", "DE 7",
                                                  "Breeder: Müller, Hans", "Owner: Meier", "Chip-No.: 276"}));
        // a colour unknown to the catalogue has no number; no title without one
        const int karg = m_f->cat("Kira", "2", {{"FellFarbe", "lila"}});
        d = elternDatenLesen(m_f->db(), karg);
        QCOMPARE(elternZeilen(d, 0), QStringList({"Kira", "lila"}));
        QVERIFY(elternZeilen(elternDatenLesen(m_f->db(), 0), 0).isEmpty());
    }

    void defectCodes()
    {
        QCOMPARE(kieferCode("Hasenscharte"), QString());
        QCOMPARE(kieferCode("Kreuzbiss"), QString("4"));
        QCOMPARE(bruchCode("Nabelbruch Verdacht"), QString("N1"));
        QCOMPARE(bruchCode("Leistenbruch schwer"), QString("L4"));
        QCOMPARE(hodenCode("kein Hoden im Skrotum"), QString("2"));
        QCOMPARE(hodenCode(""), QString());
    }
};

QTEST_GUILESS_MAIN(TstWurfdaten)
#include "tst_wurfdaten.moc"
