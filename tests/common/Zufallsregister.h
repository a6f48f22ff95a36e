// Random inbred registers for the tests that hold a calculation against the inbreeding engine.
#pragma once

#include "breeding/PedigreeSource.h"

#include <QRandomGenerator>
#include <QSet>
#include <QVector>

namespace {

using tav::breeding::KatzeDaten;
using tav::breeding::MemoryPedigree;
using tav::breeding::MerkmalFoundation;

struct Zufallsregister {
    MemoryPedigree quelle;
    QVector<KatzeDaten> katzen;
    QSet<qint32> stop;
};

// Inbred registers with every oddity the engine knows: missing and unknown parents, one cat as
// both parents, foundation cats, now and then a cycle. Parents come from the last few cats: a
// deep register has chains of up to a hundred cats, a shallow one at most 11.
inline Zufallsregister erzeuge(quint32 seed, bool tief)
{
    QRandomGenerator rng(seed);
    Zufallsregister r;
    const int n = 20 + int(rng.bounded(100));
    const int zucht = tief ? 3 + int(rng.bounded(12)) : n / 11 + 1;
    for (qint32 nr = 1; nr <= n; ++nr) {
        KatzeDaten k;
        k.nummer = nr;
        k.name = QStringLiteral("K%1").arg(nr);
        const auto elter = [&]() -> qint32 {
            const quint32 w = rng.bounded(100);
            if (nr == 1 || w < 6)
                return 0;
            if (w < 9)
                return n + 100 + nr; // recorded, not in the register
            if (tief)
                return nr - 1 - qint32(rng.bounded(quint32(std::min(nr - 1, zucht))));
            // from the one or two generations before
            const int gen = (nr - 1) / zucht;
            if (gen == 0)
                return 0;
            const int von = std::max(0, gen - 2) * zucht + 1;
            return von + qint32(rng.bounded(quint32(gen * zucht - von + 1)));
        };
        k.vater = elter();
        k.mutter = rng.bounded(100) < 4 ? k.vater : elter();
        r.katzen.append(k);
    }
    if (rng.bounded(100) < 10) // a cycle: an early cat gets a late parent
        r.katzen[int(rng.bounded(quint32(n / 2)))].vater = n - int(rng.bounded(quint32(n / 4)));
    for (const KatzeDaten &k : r.katzen) {
        r.quelle.setzeKatze(k);
        if (rng.bounded(100) < 3) {
            r.stop.insert(k.nummer);
            r.quelle.setzeMerkmal(k.nummer, MerkmalFoundation);
        }
    }
    return r;
}

} // namespace
