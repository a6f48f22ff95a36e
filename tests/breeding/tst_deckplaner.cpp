// The mating planner against the inbreeding engine on random registers, its filters and its order.
#include "../common/InzuchtTexte.h"
#include "../common/Zufallsregister.h"
#include "breeding/Deckplaner.h"
#include "breeding/InzuchtBerechnung.h"

#include <QtTest>
#include <cmath>
#include <cstring>

using namespace tav::breeding;

namespace {

// sexes, breeds (code 4 is missing from the breed table) and traits on a random register; the
// foundation cats keep their trait 2
QVector<PlanKatze> ausstatten(Zufallsregister &r, quint32 seed)
{
    QRandomGenerator rng(seed * 7919u);
    for (qint32 rcode = 1; rcode <= 3; ++rcode)
        r.quelle.setzeRasse(rcode, QStringLiteral("R%1").arg(rcode));
    QVector<PlanKatze> katzen;
    for (KatzeDaten &k : r.katzen) {
        k.geschlecht = rng.bounded(2) ? QStringLiteral("1") : QStringLiteral("2");
        k.rasse = qint32(rng.bounded(5));
        r.quelle.setzeKatze(k);
        PlanKatze p;
        p.nummer = k.nummer, p.name = k.name, p.geschlecht = k.geschlecht;
        p.vater = k.vater, p.mutter = k.mutter, p.rasse = k.rasse;
        if (r.stop.contains(k.nummer))
            p.merkmale << MerkmalFoundation;
        katzen << p;
    }
    return katzen;
}

bool gleich(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

PlanKatze kater(qint32 nr, const char *name, qint32 rasse, int status, const QDate &geburt,
                const QDate &tod = {}, QVector<qint32> merkmale = {}, const char *geschlecht = "1")
{
    PlanKatze k;
    k.nummer = nr, k.name = QString::fromUtf8(name), k.geschlecht = QString::fromLatin1(geschlecht);
    k.rasse = rasse, k.status = status, k.geburt = geburt, k.tod = tod, k.merkmale = std::move(merkmale);
    return k;
}

DeckZeile mitZahl(const char *name, qint32 nr, double ik, int alter = 3, int fehler = 0)
{
    DeckZeile z;
    z.name = QString::fromUtf8(name);
    z.kater = nr;
    z.koeffizient = ik;
    z.ahnenverlust = ik * 100;
    z.alter = alter;
    z.fehler = fehler;
    return z;
}

} // namespace

Q_DECLARE_METATYPE(tav::breeding::DeckFilter)

class TstDeckplaner : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    // 90 random registers, a few queens each, every tom: the kittens' coefficient (to the last bit
    // up to 12 generations), ancestor loss, their texts and breed composition are the engine's
    // planned-mating results; each shared ancestor's part is the sum of its pairs in the engine's
    // list (where no inbred parent of a shared ancestor takes pairs off); a pedigree with a cycle
    // has no figures, as the engine refuses it.
    void gleichDerEngine()
    {
        int verglichen = 0, mitInzucht = 0, zyklen = 0, nachgezaehlt = 0;
        for (quint32 seed = 1; seed <= 90; ++seed) {
            const bool tief = seed % 3 == 0;
            Zufallsregister r = erzeuge(seed, tief);
            Deckplaner planer;
            planer.aufbauen(ausstatten(r, seed), {}, {{1, "R1"}, {2, "R2"}, {3, "R3"}});
            InzuchtBerechnung e(r.quelle);
            e.einstellungen.zeilenGrenze = 1 << 20;
            e.einstellungen.dezimal = QLatin1Char('.');
            const QVector<qint32> kater = planer.kandidaten([] {
                DeckFilter f;
                f.nurLebende = false;
                return f;
            }());
            int koeniginnen = 0;
            for (const KatzeDaten &q : r.katzen) {
                if (q.geschlecht != QLatin1String("2") || koeniginnen == 3)
                    continue;
                const int g =
                    tief ? (koeniginnen == 0 ? 255 : 3 + int(seed % 10)) : 3 + int((seed + q.nummer) % 10);
                if (!planer.waehleKatze(q.nummer, g, QLatin1Char('.'))) {
                    QCOMPARE(planer.fehler, 9403);
                    continue;
                }
                ++koeniginnen;
                for (qint32 t : kater) {
                    const DeckZeile z = planer.zeile(t);
                    const QString wo = QStringLiteral("seed %1 queen %2 tom %3 G %4: %5 / %6")
                                           .arg(seed)
                                           .arg(q.nummer)
                                           .arg(t)
                                           .arg(g)
                                           .arg(z.koeffizient, 0, 'g', 17)
                                           .arg(ergebnisVon(e).koeffizient, 0, 'g', 17);
                    if (!e.Berechne(0, t, q.nummer, g, true)) {
                        QVERIFY2(!e.fehler().zyklus.isEmpty() && z.fehler == 9403, qPrintable(wo));
                        ++zyklen;
                        continue;
                    }
                    QCOMPARE(z.fehler, 0);
                    if (g <= 12)
                        QVERIFY2(gleich(z.koeffizient, ergebnisVon(e).koeffizient), qPrintable(wo));
                    else
                        QVERIFY2(std::abs(z.koeffizient - ergebnisVon(e).koeffizient) <= 1e-14,
                                 qPrintable(wo));
                    QVERIFY2(gleich(z.ahnenverlust, ergebnisVon(e).ahnenverlust), qPrintable(wo));
                    QCOMPARE(planer.text(z, DeckSpalte::IK, {}), texteVon(e).Inzuchtkoeffizientkurz);
                    QCOMPARE(planer.text(z, DeckSpalte::AVK, {}), texteVon(e).Ahnenverlustkoeffizient);
                    QCOMPARE(z.rassen, texteVon(e).RTier);

                    ++verglichen;
                    mitInzucht += z.beitrag;
                    if (!z.teileGenau) {
                        ++nachgezaehlt;
                        continue;
                    }
                    QHash<qint32, double> teil;
                    for (const InzuchtErgebnis::Paar &p : ergebnisVon(e).paare)
                        teil[p.katze] += p.anzahl.alsDouble() * std::ldexp(1.0, -(p.s + p.d + 1));
                    double groesster = 0.0;
                    for (double b : std::as_const(teil))
                        groesster = std::max(groesster, b);
                    QCOMPARE(z.gemeinsame.isEmpty(), teil.isEmpty());
                    if (!teil.isEmpty())
                        QVERIFY2(std::abs(z.gemeinsame.first().beitrag - groesster) <= 1e-12, qPrintable(wo));
                    for (const GemeinsamerVorfahr &v : z.gemeinsame)
                        QVERIFY2(std::abs(v.beitrag - teil.value(v.nummer)) <= 1e-12, qPrintable(wo));
                }
            }
        }
        QVERIFY(verglichen > 3000);
        QVERIFY(mitInzucht > 1000);
        QVERIFY(zyklen > 0);
        QVERIFY(nachgezaehlt > 100); // the pairs through an inbred parent were taken off
    }

    void filter_data()
    {
        QTest::addColumn<DeckFilter>("filter");
        QTest::addColumn<QStringList>("erwartet");
        const QDate heute(2026, 6, 15);
        const auto f = [&](auto setzen) {
            DeckFilter x;
            x.heute = heute;
            setzen(x);
            return x;
        };
        // Bruno is dead, Emil neutered, Dino has no birth date
        QTest::newRow("living") << f([](DeckFilter &) {}) << QStringList{"Anton", "Cäsar", "Dino", "Fritz"};
        QTest::newRow("all") << f([](DeckFilter &x) { x.nurLebende = false; })
                             << QStringList{"Anton", "Bruno", "Cäsar", "Dino", "Fritz"};
        QTest::newRow("breed") << f([](DeckFilter &x) { x.rasse = 2; }) << QStringList{"Cäsar", "Fritz"};
        QTest::newRow("status") << f([](DeckFilter &x) { x.status = 3; }) << QStringList{"Dino"};
        QTest::newRow("own") << f([](DeckFilter &x) { x.nurEigene = true; }) << QStringList{"Anton", "Fritz"};
        // Anton turns 4 on the day, Cäsar is 1 until tomorrow
        QTest::newRow("age from 2") << f([](DeckFilter &x) { x.alterVon = 2; })
                                    << QStringList{"Anton", "Fritz"};
        QTest::newRow("age 1 to 4") << f([](DeckFilter &x) { x.alterVon = 1, x.alterBis = 4; })
                                    << QStringList{"Anton", "Cäsar"};
        QTest::newRow("avoid trait") << f([](DeckFilter &x) { x.meiden = {7}; })
                                     << QStringList{"Anton", "Dino", "Fritz"};
        QTest::newRow("avoid other") << f([](DeckFilter &x) { x.meiden = {9}; })
                                     << QStringList{"Anton", "Cäsar", "Dino", "Fritz"};
    }

    void filter()
    {
        QFETCH(DeckFilter, filter);
        QFETCH(QStringList, erwartet);
        const QVector<PlanKatze> katzen{
            kater(1, "Fritz", 2, 1, QDate(2015, 1, 1)),
            kater(2, "Anton", 1, 1, QDate(2022, 6, 15)),
            kater(3, "Bruno", 1, 2, QDate(2020, 1, 1), QDate(2025, 1, 1)),
            kater(4, "Cäsar", 2, 2, QDate(2024, 6, 16), {}, {7}),
            kater(5, "Dino", 1, 3, {}),
            kater(6, "Emil", 1, 1, QDate(2022, 1, 1), {}, {}, "3"),
            kater(7, "Berta", 1, 1, QDate(2022, 1, 1), {}, {}, "2"),
        };
        Deckplaner p;
        p.aufbauen(katzen, {}, {});
        QStringList namen;
        for (qint32 nr : p.kandidaten(filter))
            namen << p.katze(nr)->name;
        QCOMPARE(namen, erwartet);
    }

    void koeniginPruefen()
    {
        Deckplaner p;
        p.aufbauen({kater(1, "Fritz", 0, 0, {}), kater(2, "Berta", 0, 0, {}, {}, {}, "2")}, {}, {});
        QVERIFY(!p.waehleKatze(1, 5, ','));
        QCOMPARE(p.fehler, 7600);
        QVERIFY(!p.waehleKatze(99, 5, ','));
        QCOMPARE(p.fehler, 83);
        QVERIFY(p.waehleKatze(2, 5, ','));
        const DeckZeile z = p.zeile(1);
        QCOMPARE(p.text(z, DeckSpalte::IK, {}), QStringLiteral(" 0%"));
        QVERIFY(z.gemeinsame.isEmpty());
        // a cancel from the progress callback stops the run
        QVector<DeckZeile> zeilen;
        QVERIFY(p.rechne({1, 1}, zeilen, [](quint64, quint64) { return true; }));
        QCOMPARE(zeilen.size(), 2);
        QVERIFY(!p.rechne({1, 1}, zeilen, [](quint64 i, quint64) { return i != 0; }));
        QVERIFY(zeilen.isEmpty());
    }

    void sortieren_data()
    {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<bool>("absteigend");
        QTest::addColumn<QString>("erwartet");
        using S = DeckSpalte;
        // Xaver has no figures (cycle), Berti no age; Anna and Carl tie on IK
        QTest::newRow("IK up") << int(S::IK) << false << "Dora Anna Carl Berti Xaver";
        QTest::newRow("IK down") << int(S::IK) << true << "Berti Anna Carl Dora Xaver";
        QTest::newRow("AVK down") << int(S::AVK) << true << "Berti Anna Carl Dora Xaver";
        QTest::newRow("age up") << int(S::Alter) << false << "Carl Dora Xaver Anna Berti";
        QTest::newRow("age down") << int(S::Alter) << true << "Anna Xaver Carl Dora Berti";
        QTest::newRow("name down") << int(S::Kater) << true << "Xaver Dora Carl Berti Anna";
    }

    void sortieren()
    {
        QFETCH(int, spalte);
        QFETCH(bool, absteigend);
        QFETCH(QString, erwartet);
        QVector<DeckZeile> z{mitZahl("Carl", 3, 0.125, 1), mitZahl("Xaver", 9, 0.0, 4, 9403),
                             mitZahl("Anna", 1, 0.125, 5), mitZahl("Berti", 2, 0.25, -1),
                             mitZahl("Dora", 4, 0.0, 1)};
        sortiere(z, DeckSpalte(spalte), absteigend);
        QStringList namen;
        for (const DeckZeile &r : z)
            namen << r.name;
        QCOMPARE(namen.join(QLatin1Char(' ')), erwartet);
    }
};

QTEST_GUILESS_MAIN(TstDeckplaner)
#include "tst_deckplaner.moc"
