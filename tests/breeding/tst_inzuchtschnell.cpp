#include "../common/InzuchtTexte.h"
#include "breeding/InzuchtBerechnung.h"

#include <QRandomGenerator>
#include <QtTest>
#include <cstring>

using namespace tav::breeding;
using Weg = InzuchtBerechnung::Rechenweg;

namespace {

QString meldungStub(int n)
{
    return QStringLiteral("M%1").arg(n);
}

struct Katze {
    qint32 nr, vater, mutter;
    bool stop;
};

// A random register in layers: parents come mostly from the layer before, sometimes from any
// earlier layer, sometimes they are missing or point outside the register.
struct Zufallsregister {
    MemoryPedigree p;
    QVector<Katze> katzen;
    QVector<int> ebeneStart;

    explicit Zufallsregister(QRandomGenerator &z)
    {
        const int ebenen = 2 + int(z.bounded(6));
        const bool eng = z.bounded(2) == 0; // heavy inbreeding: one or two cats per layer
        for (int e = 0; e < ebenen; ++e) {
            ebeneStart.append(katzen.size());
            const int anzahl = eng ? 1 + int(z.bounded(2)) : 1 + int(z.bounded(4));
            for (int i = 0; i < anzahl; ++i) {
                const qint32 nr = katzen.size() + 1;
                auto elter = [&]() -> qint32 {
                    if (e == 0)
                        return z.bounded(4) == 0 ? 999 : 0;
                    const int w = int(z.bounded(20));
                    if (w == 0)
                        return 0;
                    if (w == 1)
                        return 999; // not in the register
                    const int von = w < 15 ? ebeneStart[e - 1] : 0;
                    return qint32(von + int(z.bounded(ebeneStart[e] - von)) + 1);
                };
                const qint32 v = elter();
                const qint32 m = z.bounded(15) == 0 ? v : elter();
                const bool stop = z.bounded(12) == 0;
                katzen.append({nr, v, m, stop});
                // few names, so that different cats share one
                p.setzeKatze(nr, QStringLiteral("N%1").arg(z.bounded(6)), v, m, qint32(z.bounded(5)));
                if (stop)
                    p.setzeMerkmal(nr, MerkmalFoundation);
                if (z.bounded(4) == 0)
                    p.setzeMerkmal(nr, MerkmalKlon, z.bounded(2) ? std::optional<qint32>(7) : std::nullopt);
                if (z.bounded(6) == 0)
                    p.setzeMerkmal(nr, 5, qint32(z.bounded(1000)));
            }
        }
        for (int r = 1; r < 5; ++r)
            p.setzeRasse(r, QStringLiteral("R%1").arg(r));
        for (int s = 1; s <= 5; ++s)
            if (z.bounded(2))
                p.setzeTopKatze(s, qint32(z.bounded(katzen.size() + 1)), qint32(z.bounded(100)));
    }

    // Kinship of a and b, exact in units of 2^-120, tabular over the register order
    // (parents always have smaller numbers).
    unsigned __int128 kinship(qint32 a, qint32 b) const
    {
        const int n = katzen.size();
        using U = unsigned __int128;
        QVector<QVector<U>> f(n + 1, QVector<U>(n + 1, 0));
        const U eins = U(1) << 120;
        auto elter = [&](int i, bool vater) -> int {
            const Katze &k = katzen[i - 1];
            if (k.stop)
                return 0;
            const qint32 e = vater ? k.vater : k.mutter;
            return e >= 1 && e <= n ? e : 0;
        };
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j < i; ++j) {
                const int s = elter(i, true), d = elter(i, false);
                f[i][j] = f[j][i] = ((s ? f[s][j] : 0) + (d ? f[d][j] : 0)) / 2;
            }
            const int s = elter(i, true), d = elter(i, false);
            const unsigned __int128 fi = s && d ? f[s][d] : 0;
            f[i][i] = (eins + fi) / 2;
        }
        return f[a][b];
    }
};

InzuchtTexte texte(const InzuchtBerechnung &e)
{
    return texteVon(e, meldungStub);
}

QString unterschied(const InzuchtBerechnung &b, const InzuchtBerechnung &s)
{
    const InzuchtTexte tb = texte(b), ts = texte(s);
    const InzuchtErgebnis &eb = *b.ergebnis(), &es = *s.ergebnis();
#define VERGLEICH(x, feld)                                                                                   \
    if (x##b.feld != x##s.feld)                                                                              \
        return QStringLiteral(#feld);
    VERGLEICH(t, Inzuchtkoeffizient)
    VERGLEICH(t, Inzuchtkoeffizientkurz)
    VERGLEICH(t, Ahnenverlustkoeffizient)
    VERGLEICH(t, Stammbaumkomplett)
    VERGLEICH(t, Inzucht)
    VERGLEICH(t, Ahnenverlust)
    VERGLEICH(t, Info)
    VERGLEICH(t, Clon)
    VERGLEICH(t, RTier)
    VERGLEICH(e, namen)
    VERGLEICH(t, r)
    VERGLEICH(e, AnzahlVorhandenerVorf)
    VERGLEICH(e, zaehlerdoppelt)
    VERGLEICH(e, komplett)
#undef VERGLEICH
    if (std::memcmp(&ergebnisVon(b).koeffizient, &ergebnisVon(s).koeffizient, sizeof(double)) != 0)
        return QStringLiteral("koeffizient");
    if (std::memcmp(&ergebnisVon(b).ahnenverlust, &ergebnisVon(s).ahnenverlust, sizeof(double)) != 0)
        return QStringLiteral("ahnenverlust");
    for (int i = 0; i < 5; ++i)
        if (ergebnisVon(b).AnzahlTopKatzen[i].katze != ergebnisVon(s).AnzahlTopKatzen[i].katze ||
            ergebnisVon(b).AnzahlTopKatzen[i].anzahl != ergebnisVon(s).AnzahlTopKatzen[i].anzahl ||
            topKatzeAnteilVon(b, i + 1) != topKatzeAnteilVon(s, i + 1))
            return QStringLiteral("AnzahlTopKatzen");
    if (ergebnisVon(b).Vorfahrenliste.size() != ergebnisVon(s).Vorfahrenliste.size())
        return QStringLiteral("Vorfahrenliste");
    for (int i = 0; i < ergebnisVon(b).Vorfahrenliste.size(); ++i) {
        const auto &x = ergebnisVon(b).Vorfahrenliste[i], &y = ergebnisVon(s).Vorfahrenliste[i];
        if (x.Nummer != y.Nummer || x.Name != y.Name || x.Anzahl != y.Anzahl || x.Farbe != y.Farbe)
            return QStringLiteral("Vorfahrenliste");
    }
    if (ergebnisVon(b).paare.size() != ergebnisVon(s).paare.size())
        return QStringLiteral("paare");
    for (int i = 0; i < ergebnisVon(b).paare.size(); ++i)
        if (ergebnisVon(b).paare[i].katze != ergebnisVon(s).paare[i].katze ||
            ergebnisVon(b).paare[i].s != ergebnisVon(s).paare[i].s ||
            ergebnisVon(b).paare[i].d != ergebnisVon(s).paare[i].d ||
            !(ergebnisVon(b).paare[i].anzahl == ergebnisVon(s).paare[i].anzahl))
            return QStringLiteral("paare");
    return QString();
}

} // namespace

class TestInzuchtSchnell : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void baumUndSchnellGleich();
    void tiefesRegister();
    void zusammengefassteListen();
    void langeVollgeschwisterKette();
};

void TestInzuchtSchnell::baumUndSchnellGleich()
{
    QRandomGenerator z(20240611);
    int mitBeitrag = 0, unbegrenzt = 0;
    for (int lauf = 0; lauf < 10000; ++lauf) {
        const Zufallsregister reg(z);
        const int n = reg.katzen.size();
        // an existing cat with its parents, or a planned mating of any two cats
        qint32 tier = 0, vater, mutter;
        if (z.bounded(2) && n > 1) {
            const Katze &k = reg.katzen[int(z.bounded(n))];
            tier = k.nr;
            vater = k.vater;
            mutter = k.mutter;
        } else {
            vater = qint32(z.bounded(n) + 1);
            mutter = z.bounded(10) == 0 ? vater : qint32(z.bounded(n) + 1);
        }
        const int grenzen[] = {3, 4, 5, 6, 7, 255};
        const int g = grenzen[z.bounded(6)];
        const bool voll = z.bounded(4) != 0;

        InzuchtBerechnung baum(reg.p), schnell(reg.p);
        for (auto *e : {&baum, &schnell}) {
            e->einstellungen.listenZusammenfassen = true;
            e->einstellungen.merkmalVorTop = lauf % 3 == 0;
        }
        baum.einstellungen.weg = Weg::Baum;
        schnell.einstellungen.weg = Weg::Schnell;
        const bool ok = baum.Berechne(tier, vater, mutter, g, voll);
        QCOMPARE(schnell.Berechne(tier, vater, mutter, g, voll), ok);
        if (!ok) {
            QCOMPARE(schnell.fehler().meldung, baum.fehler().meldung);
            continue;
        }
        const QString diff = unterschied(baum, schnell);
        if (!diff.isEmpty() && qEnvironmentVariableIsSet("INZUCHT_DETAIL")) {
            for (const Katze &k : reg.katzen)
                qDebug() << k.nr << k.vater << k.mutter << k.stop << reg.p.katze(k.nr)->rasse;
            qDebug() << tier << vater << mutter << g << texte(baum).r[1] << texte(schnell).r[1]
                     << texte(baum).r[0] << texte(schnell).r[0];
        }
        if (!diff.isEmpty())
            QFAIL(qPrintable(
                QStringLiteral("run %1: %2 differs (%3 / %4)")
                    .arg(lauf)
                    .arg(diff, texte(baum).Inzuchtkoeffizient, texte(schnell).Inzuchtkoeffizient)));
        if (ergebnisVon(baum).koeffizient > 0)
            ++mitBeitrag;
        if (g == 255) {
            ++unbegrenzt;
            const double erwartet = std::ldexp(double(reg.kinship(vater, mutter)), -120);
            if (std::memcmp(&erwartet, &ergebnisVon(schnell).koeffizient, sizeof(double)) != 0)
                QFAIL(qPrintable(QStringLiteral("run %1: kinship %2, engine %3")
                                     .arg(lauf)
                                     .arg(erwartet, 0, 'g', 17)
                                     .arg(ergebnisVon(schnell).koeffizient, 0, 'g', 17)));
        }
    }
    // the generator must produce inbred pedigrees and unlimited runs in numbers
    QVERIFY(mitBeitrag > 2000);
    QVERIFY(unbegrenzt > 1000);
}

// 100,000 cats in 100 closed lines of 30 generations: every limit is answered, and where the tree
// of occurrences is still small enough both ways agree.
void TestInzuchtSchnell::tiefesRegister()
{
    MemoryPedigree p;
    QRandomGenerator z(7);
    const int linien = 100, generationen = 30, proGeneration = 33;
    qint32 nr = 0;
    QVector<qint32> letzte;
    for (int l = 0; l < linien; ++l) {
        QVector<qint32> vorher;
        for (int g = 0; g < generationen; ++g) {
            QVector<qint32> jetzt;
            const int anzahl =
                g == generationen - 1 ? 1000 - (generationen - 1) * proGeneration : proGeneration;
            for (int i = 0; i < anzahl; ++i) {
                ++nr;
                qint32 v = 0, m = 0;
                if (!vorher.isEmpty()) {
                    v = vorher[int(z.bounded(vorher.size()))];
                    m = vorher[int(z.bounded(vorher.size()))];
                }
                p.setzeKatze(nr, QStringLiteral("L%1-%2").arg(l).arg(nr), v, m, 1 + int(z.bounded(3)));
                jetzt.append(nr);
            }
            vorher = jetzt;
        }
        letzte.append(vorher.first());
    }
    QCOMPARE(nr, 100000);
    p.setzeRasse(1, QStringLiteral("A"));
    p.setzeRasse(2, QStringLiteral("B"));
    p.setzeRasse(3, QStringLiteral("C"));

    const qint32 katze = letzte[3];
    const auto k = p.katze(katze);
    InzuchtBerechnung e(p);
    double vorher = 0;
    for (int g : {8, 16, 30, 64, 255}) {
        QVERIFY(e.Berechne(katze, k->vater, k->mutter, g, true));
        // never decreasing with the limit, and constant once the limit passes the longest line
        QVERIFY(ergebnisVon(e).koeffizient >= vorher);
        if (g > 64)
            QCOMPARE(ergebnisVon(e).koeffizient, vorher);
        vorher = ergebnisVon(e).koeffizient;
    }
    QVERIFY(!e.Binaerbaum());
    QCOMPARE(texte(e).Ahnenverlust.at(1).mid(4).size(), 77); // 2^255 - 2 has 77 digits

    for (int g : {9, 11}) {
        InzuchtBerechnung baum(p), schnell(p);
        baum.einstellungen.weg = Weg::Baum;
        schnell.einstellungen.weg = Weg::Schnell;
        baum.einstellungen.listenZusammenfassen = true;
        QVERIFY(baum.Berechne(katze, k->vater, k->mutter, g, true));
        QVERIFY(schnell.Berechne(katze, k->vater, k->mutter, g, true));
        QCOMPARE(unterschied(baum, schnell), QString());
        QVERIFY(ergebnisVon(baum).koeffizient > 0);
    }
}

void TestInzuchtSchnell::zusammengefassteListen()
{
    // full siblings mated for six generations: many pairs per ancestor and generation
    MemoryPedigree p;
    p.setzeKatze(1, QStringLiteral("A"));
    p.setzeKatze(2, QStringLiteral("B"), 0, 0);
    for (int i = 1; i <= 6; ++i) {
        p.setzeKatze(2 * i + 1, QStringLiteral("S%1").arg(i), 2 * i - 1, 2 * i);
        p.setzeKatze(2 * i + 2, QStringLiteral("D%1").arg(i), 2 * i - 1, 2 * i);
    }
    InzuchtBerechnung einzeln(p), zusammen(p);
    einzeln.einstellungen.weg = Weg::Baum;
    zusammen.einstellungen.weg = Weg::Automatisch;
    zusammen.einstellungen.baumGrenze = 10; // too small for this tree
    QVERIFY(einzeln.Berechne(0, 13, 14, 10, true));
    QVERIFY(zusammen.Berechne(0, 13, 14, 10, true));
    QVERIFY(einzeln.Binaerbaum());
    QVERIFY(!zusammen.Binaerbaum());
    const InzuchtTexte tz = texte(zusammen), te = texte(einzeln);
    QCOMPARE(tz.Inzuchtkoeffizient, te.Inzuchtkoeffizient);

    // each condensed line stands for as many single lines as it counts
    QHash<QString, int> zaehlung;
    for (const QString &z : te.Inzucht)
        ++zaehlung[z];
    int gesamt = 0;
    for (int i = 0; i + 1 < tz.Inzucht.size(); ++i) {
        const QString &z = tz.Inzucht[i];
        const int klammer = z.lastIndexOf(QStringLiteral(" ("));
        const int anzahl = z.mid(klammer + 2).chopped(2).toInt();
        QCOMPARE(zaehlung.value(z.left(klammer)), anzahl);
        gesamt += anzahl;
    }
    QCOMPARE(gesamt, te.Inzucht.size());
    QCOMPARE(tz.Inzucht.last(), QStringLiteral("Liste zusammengefasst: %1 Paare in %2 Zeilen")
                                    .arg(gesamt)
                                    .arg(tz.Inzucht.size() - 1));
    QVERIFY(tz.Inzucht.size() - 1 < gesamt);
}

// a century of full-sibling matings: F_t = (1 + 2 F_(t-1) + F_(t-2)) / 4, exact to the last bit
void TestInzuchtSchnell::langeVollgeschwisterKette()
{
    using U = unsigned __int128;
    MemoryPedigree p;
    p.setzeKatze(1, QStringLiteral("A"));
    p.setzeKatze(2, QStringLiteral("B"));
    const int tiefe = 100;
    for (int i = 1; i <= 130; ++i) {
        p.setzeKatze(2 * i + 1, QStringLiteral("S%1").arg(i), 2 * i - 1, 2 * i);
        p.setzeKatze(2 * i + 2, QStringLiteral("D%1").arg(i), 2 * i - 1, 2 * i);
    }
    const U eins = U(1) << 120;
    U f2 = 0, f1 = 0; // F of generation t-2 and t-1 (founders and their offspring: 0)
    for (int t = 1; t <= tiefe; ++t) {
        const U f = (eins + 2 * f1 + f2) / 4;
        f2 = f1;
        f1 = f;
    }
    InzuchtBerechnung e(p);
    QVERIFY(e.Berechne(0, 2 * tiefe + 1, 2 * tiefe + 2, 255, true));
    QCOMPARE(ergebnisVon(e).koeffizient, std::ldexp(double(f1), -120));
    QCOMPARE(texte(e).Inzuchtkoeffizientkurz, QStringLiteral("100,00%"));
    QCOMPARE(texte(e).Ahnenverlust.at(2), QStringLiteral("M93 %1").arg(anzahlText((Anzahl(1) << 102) - 2)));

    // 2^131 lines do not fit the counters: a clear failure, no results
    QVERIFY(!e.Berechne(0, 261, 262, 255, true));
    QVERIFY(!fehlerText(e.fehler(), textArtVon(e)).isEmpty());
    QVERIFY(texte(e).Inzuchtkoeffizient.isEmpty());
}

QTEST_GUILESS_MAIN(TestInzuchtSchnell)
#include "tst_inzuchtschnell.moc"
