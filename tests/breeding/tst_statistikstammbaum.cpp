// Trait statistics of a pedigree: the memoised counts against the literal walk of the tree.
#include "breeding/StatistikStammbaum.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace tav::breeding;

namespace {

QString meldung(int n)
{
    return QStringLiteral("<%1>").arg(n);
}

// The pedigree walked node by node as the tree has it, the entries grouped by equal keys.
QStringList literal(const StatistikRegister &r, qint32 katze, const StatistikOptionen &o)
{
    struct Roh {
        int gen;
        QString schluessel, teil;
    };
    QVector<Roh> roh;
    qint64 anz = 0;
    const int tiefe = std::max(1, o.generationen);
    std::function<void(qint32, int)> besuche = [&](qint32 nr, int gen) {
        const StatistikKatze &k = r.katzen[nr];
        if (gen > 0) {
            ++anz;
            if (const auto teil = merkmalTeil(k, o))
                roh.append({gen, k.name + ", " + k.farbe, *teil});
        }
        if (gen < tiefe)
            for (qint32 e : {k.vater, k.mutter})
                if (e && r.katzen.contains(e))
                    besuche(e, gen + 1);
    };
    besuche(katze, 0);
    StatistikErgebnis e;
    e.anzTiere = anz;
    while (!roh.isEmpty()) {
        StatistikEintrag s{roh[0].schluessel, roh[0].teil, {}};
        for (int i = 0; i < roh.size();)
            if (roh[i].schluessel == s.schluessel) {
                ++s.generationen[roh[i].gen];
                roh.remove(i);
            } else
                ++i;
        e.eintraege.append(s);
    }
    return statistikText(e, meldung);
}

} // namespace

class TstStatistikStammbaum : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void againstTheLiteralWalk_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("generationen");
        for (quint32 seed = 1; seed <= 12; ++seed)
            QTest::addRow("seed %u", seed) << seed << int(seed % 7);
    }

    // small registers with much inbreeding, duplicate names and colours, traits and missing parents
    void againstTheLiteralWalk()
    {
        QFETCH(quint32, seed);
        QFETCH(int, generationen);
        QRandomGenerator rng(seed);
        StatistikRegister r;
        const QStringList namen{"Max", "Bo Max", "Lia", "Tom"}, farben{"red", "blue", ""},
            merkmale{"Blau", "Klon", "", "Kurz"};
        const int n = 40;
        for (qint32 nr = 1; nr <= n; ++nr) {
            StatistikKatze k{namen[rng.bounded(4)], farben[rng.bounded(3)], 0, 0, {}};
            // parents among the older cats, sometimes missing or not in the register
            if (nr > 2) {
                k.vater = rng.bounded(5) ? qint32(rng.bounded(1, nr)) : 999;
                k.mutter = rng.bounded(6) ? qint32(rng.bounded(1, nr)) : 0;
            }
            for (int m = rng.bounded(3); m > 0; --m)
                k.merkmale << merkmale[rng.bounded(4)];
            r.katzen.insert(nr, k);
        }
        const QVector<StatistikOptionen> optionen{
            {generationen, {}, false, true, {}},        {generationen, "red", false, true, {}},
            {generationen, {}, false, false, {"Klon"}}, {generationen, {}, true, true, {}},
            {generationen, "blue", true, false, {}},
        };
        for (const StatistikOptionen &o : optionen)
            QCOMPARE(statistikText(statistikStammbaum(r, n, o), meldung), literal(r, n, o));
    }

    void containedKeysStayApart()
    {
        StatistikRegister r;
        r.katzen.insert(1, {"Kind", "red", 2, 3, {}});
        r.katzen.insert(2, {"Bo Max", "red", 4, 4, {"Blau"}});
        r.katzen.insert(3, {"Max", "red", 4, 0, {"Blau"}});
        r.katzen.insert(4, {"Max", "red", 0, 0, {"Klon", "Blau"}});
        const QStringList text = statistikText(statistikStammbaum(r, 1, {}), meldung);
        QCOMPARE(text,
                 QStringList({"<129> 5 <130>", " » Bo Max, red     - Blau -   <128>1x1 , ",
                              // cats 3 and 4 share a key; 4, met first under Bo Max, gives the trait part
                              " » Max, red     - Klon - Blau -   <128>1x1 , 3x2 , "}));
    }

    void noParentsAndOneGeneration()
    {
        StatistikRegister r;
        r.katzen.insert(1, {"Allein", "", 0, 0, {"Blau"}});
        r.katzen.insert(2, {"Kind", "", 3, 1, {}});
        r.katzen.insert(3, {"Vater", "", 1, 1, {"Blau"}});
        QCOMPARE(statistikText(statistikStammbaum(r, 1, {}), meldung),
                 QStringList({"<129> 0 <130>", "<125>"}));
        StatistikOptionen eine;
        eine.generationen = 0; // the parents are examined all the same
        QCOMPARE(statistikStammbaum(r, 2, eine).anzTiere, 2);
    }

    // 64-bit counts: 70 generations of one pair as each other's parents overflow no count
    void deepInbreedingSaturates()
    {
        StatistikRegister r;
        r.katzen.insert(1, {"A", "", 2, 3, {"X"}});
        r.katzen.insert(2, {"B", "", 2, 3, {"X"}});
        r.katzen.insert(3, {"C", "", 2, 3, {}});
        StatistikOptionen o;
        o.generationen = 70;
        const StatistikErgebnis e = statistikStammbaum(r, 1, o);
        QCOMPARE(e.anzTiere, std::numeric_limits<qint64>::max());
        QCOMPARE(e.eintraege[0].generationen.value(10), qint64(512));
        QCOMPARE(e.eintraege[0].generationen.value(70), std::numeric_limits<qint64>::max());
        int aufrufe = 0;
        QVERIFY(statistikStammbaum(r, 1, o, [&](quint64, quint64) { return ++aufrufe < 3; }).abgebrochen);
    }
};

QTEST_GUILESS_MAIN(TstStatistikStammbaum)
#include "tst_statistikstammbaum.moc"
