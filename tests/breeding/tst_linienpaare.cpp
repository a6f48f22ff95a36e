#include "breeding/Ahnengraph.h"
#include "breeding/Linienpaare.h"

#include <QHash>
#include <QRandomGenerator>
#include <QtTest>

using namespace tav::breeding;

namespace {

using U = unsigned __int128;
constexpr int Einheit = 120; // exact down to 2^-120: lines of up to 59 steps on each side

// Layers of one to three cats, parents from the last few layers, some missing; deep enough that
// the masses outgrow 64 bits.
MemoryPedigree zufallsregister(QRandomGenerator &z, int ebenen, qint32 &letzte)
{
    MemoryPedigree p;
    QVector<int> start;
    qint32 nr = 0;
    for (int e = 0; e < ebenen; ++e) {
        start.append(nr + 1);
        const int anzahl = 1 + int(z.bounded(3));
        for (int i = 0; i < anzahl; ++i) {
            ++nr;
            auto elter = [&]() -> qint32 {
                if (e == 0 || z.bounded(25) == 0)
                    return 0;
                const int von = start[std::max(0, e - 1 - int(z.bounded(3)))];
                return qint32(von + int(z.bounded(start[e] - von)));
            };
            const qint32 v = elter();
            const qint32 m = z.bounded(20) == 0 ? v : elter();
            p.setzeKatze(nr, QStringLiteral("K%1").arg(nr), v, m);
            if (z.bounded(40) == 0)
                p.setzeMerkmal(nr, MerkmalFoundation);
        }
    }
    letzte = nr;
    return p;
}

// The recursion over (animal, steps left) pairs, top down and memoised, in units of 2^-Einheit.
struct Rekursion {
    const Ahnengraph &g;
    QHash<quint64, U> gemerkt;

    U phi(int u, int a, int v, int b)
    {
        if (u < 0 || v < 0)
            return 0;
        if (u < v || (u == v && a < b))
            std::swap(u, v), std::swap(a, b);
        const quint64 k = (quint64(u) << 40) | (quint64(v) << 16) | (quint64(a) << 8) | quint64(b);
        if (const auto it = gemerkt.constFind(k); it != gemerkt.constEnd())
            return *it;
        const Ahne &x = g.ahne(u);
        U r = 0;
        if (u == v) {
            r = U(1) << (Einheit - 1);
            if (a >= 1 && b >= 1 && x.vater >= 0 && x.mutter >= 0)
                r += (phi(x.vater, a - 1, x.mutter, b - 1) + phi(x.mutter, a - 1, x.vater, b - 1)) / 4;
        } else if (a >= 1) {
            r = (phi(x.vater, a - 1, v, b) + phi(x.mutter, a - 1, v, b)) / 2;
        }
        gemerkt.insert(k, r);
        return r;
    }
};

GrosseZahl inEinheit(U wert)
{
    return GrosseZahl::von(wert).linksGeschoben(GrosseZahl::Einheit - Einheit);
}

} // namespace

class TestLinienpaare : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void alleWegeGleich();
    void paareErgebenDieSumme();
    void abbruch();
};

// every width of the masses, with and without dropping pairs that cannot meet and with equal
// states added up early or late, equals the recursion taken literally
void TestLinienpaare::alleWegeGleich()
{
    QRandomGenerator z(4711);
    int tief = 0, mitBeitrag = 0;
    for (int lauf = 0; lauf < 400; ++lauf) {
        qint32 letzte = 0;
        // every other run deep, from the youngest cats, with a budget that the masses of 64 bits
        // cannot hold
        const bool deep = lauf % 2;
        const MemoryPedigree p =
            zufallsregister(z, deep ? 35 + int(z.bounded(25)) : 3 + int(z.bounded(8)), letzte);
        const qint32 wahl = deep ? std::min(letzte, 6) : letzte;
        const qint32 vater = letzte - qint32(z.bounded(wahl)), mutter = letzte - qint32(z.bounded(wahl));
        Ahnengraph g;
        QCOMPARE(g.laden(p, 0, vater, mutter), Ahnengraph::Status::Ok);
        const int budget = z.bounded(4) == 0 ? 253 : deep ? 20 + int(z.bounded(40)) : 1 + int(z.bounded(8));
        const int tiefe = std::max(g.ahne(g.vater()).tiefe, g.ahne(g.mutter()).tiefe);
        if (std::min(budget, tiefe) > 59)
            continue;
        if (2 * std::min(budget, tiefe) + 1 > 63)
            ++tief;

        Rekursion r{g, {}};
        const GrosseZahl erwartet = inEinheit(r.phi(g.vater(), budget, g.mutter(), budget));
        if (!erwartet.istNull())
            ++mitBeitrag;
        for (int breite : {0, 128, 576}) {
            for (bool kuerzen : {false, true}) {
                LinienpaarAuftrag a;
                a.graph = &g;
                a.budget = budget;
                a.breite = breite;
                a.kuerzen = kuerzen;
                a.verdichtenAb = kuerzen ? 2 : 4096;
                LinienpaarErgebnis e;
                QVERIFY(rechneLinienpaare(a, e));
                if (!(e.summe == erwartet))
                    QFAIL(qPrintable(QStringLiteral("run %1, width %2, dropping %3: %4 instead of %5")
                                         .arg(lauf)
                                         .arg(breite)
                                         .arg(kuerzen)
                                         .arg(e.summe.text(), erwartet.text())));
            }
        }
    }
    QVERIFY(tief > 50);
    QVERIFY(mitBeitrag > 200);
}

// the aggregated pairs add up to the coefficient, and forgetting step counts changes nothing
void TestLinienpaare::paareErgebenDieSumme()
{
    QRandomGenerator z(815);
    int mitPaaren = 0;
    for (int lauf = 0; lauf < 300; ++lauf) {
        qint32 letzte = 0;
        const MemoryPedigree p = zufallsregister(z, 3 + int(z.bounded(20)), letzte);
        const qint32 vater = 1 + qint32(z.bounded(letzte)), mutter = 1 + qint32(z.bounded(letzte));
        Ahnengraph g;
        QCOMPARE(g.laden(p, 0, vater, mutter), Ahnengraph::Status::Ok);
        const int budget = 1 + int(z.bounded(25));

        LinienpaarAuftrag a;
        a.graph = &g;
        a.budget = budget;
        LinienpaarErgebnis ohne, mit, mitBreit;
        QVERIFY(rechneLinienpaare(a, ohne));
        a.paareSammeln = true;
        QVERIFY(rechneLinienpaare(a, mit));
        a.breite = 576;
        a.kuerzen = false;
        QVERIFY(rechneLinienpaare(a, mitBreit));
        QVERIFY(ohne.paare.isEmpty());
        QVERIFY(mit.summe == ohne.summe);
        QVERIFY(mitBreit.summe == ohne.summe);

        GrosseZahl summe;
        QSet<quint64> gesehen;
        for (const PaarSumme &ps : mit.paare) {
            QVERIFY(ps.s >= 0 && ps.s <= budget && ps.d >= 0 && ps.d <= budget);
            QVERIFY(!ps.anzahl.istNull());
            QVERIFY(!gesehen.contains((quint64(ps.ahne) << 16) | (ps.s << 8) | ps.d));
            gesehen.insert((quint64(ps.ahne) << 16) | (ps.s << 8) | ps.d);
            QVERIFY(summe.addiere(ps.anzahl.linksGeschoben(GrosseZahl::Einheit - ps.s - ps.d - 1)));
        }
        QVERIFY(summe == mit.summe);
        QCOMPARE(mitBreit.paare.size(), mit.paare.size());
        if (!mit.paare.isEmpty())
            ++mitPaaren;
    }
    QVERIFY(mitPaaren > 100);
}

void TestLinienpaare::abbruch()
{
    // 32 cats a generation for 40 generations, mated at random: many states
    MemoryPedigree p;
    QRandomGenerator z(99);
    for (qint32 nr = 1; nr <= 1280; ++nr) {
        const qint32 erste = (nr - 1) / 32 * 32 - 31; // first cat of the generation before
        p.setzeKatze(nr, QStringLiteral("K%1").arg(nr), erste > 0 ? erste + qint32(z.bounded(32)) : 0,
                     erste > 0 ? erste + qint32(z.bounded(32)) : 0);
    }
    Ahnengraph g;
    QCOMPARE(g.laden(p, 0, 1249, 1280), Ahnengraph::Status::Ok);
    LinienpaarAuftrag a;
    a.graph = &g;
    a.budget = 30;
    a.paareSammeln = true;
    quint64 aufrufe = 0, zuletzt = 0;
    a.fortschritt = [&](quint64 position, quint64 maximum) {
        if (position < zuletzt || maximum < position)
            return false;
        zuletzt = position;
        return ++aufrufe < 3;
    };
    LinienpaarErgebnis e;
    QVERIFY(!rechneLinienpaare(a, e));
    QCOMPARE(aufrufe, quint64(3));
    a.fortschritt = [](quint64, quint64) { return true; };
    QVERIFY(rechneLinienpaare(a, e));
    QVERIFY(e.zustaende > 3 * 4096);
}

QTEST_GUILESS_MAIN(TestLinienpaare)
#include "tst_linienpaare.moc"
