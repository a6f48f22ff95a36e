#include "Register.h"

#include "app/DataHome.h"
#include "cats/CatRules.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>

using tav::store::Database;

// A closed population: founders in the first generation, every later cat bred from the two
// generations before it, with a small pool of much used sires. That is how a breed's register
// looks after some decades, and inbreeding grows as it does there.
void writeSynthetic(const QString &home, const GenerateOptions &opt, bool verbose)
{
    Database db(tav::app::dataDirOf(home));
    QRandomGenerator rng(opt.seed);
    RegisterWriter w(db);
    const int gens = std::max(1, opt.generations);
    const int perGen = std::max(2, opt.cats / gens);
    static const char *colours[] = {"blau", "lilac", "creme",      "schwarz",
                                    "rot",  "weiß",  "blau-creme", "chocolate"};
    QVector<QVector<int>> males(gens), females(gens);
    // with a breeding pool, only these are parents of later generations
    auto pool = [&](const QVector<int> &all, int wanted) {
        if (opt.breeders <= 0 || all.size() <= wanted)
            return all;
        QVector<int> chosen = all;
        for (int i = 0; i < wanted; ++i)
            std::swap(chosen[i], chosen[i + int(rng.bounded(int(chosen.size()) - i))]);
        chosen.resize(wanted);
        return chosen;
    };
    QTextStream out(stdout);
    QElapsedTimer timer;
    timer.start();
    int made = 0;
    // one transaction for the whole register: a run that is stopped leaves the files as they were
    w.begin();
    for (int g = 0; g < gens; ++g) {
        const int count = g == gens - 1 ? opt.cats - made : std::min(perGen, opt.cats - made);
        // sires: a few popular toms from the last two generations
        QVector<int> sirePool, damPool;
        if (g > 0) {
            for (int back = 1; back <= 2 && g - back >= 0; ++back) {
                const auto &m = males[g - back];
                const int popular = opt.breeders > 0 ? int(m.size()) : std::max(2, int(m.size()) / 25);
                for (int i = 0; i < popular && !m.isEmpty(); ++i)
                    sirePool << m[rng.bounded(int(m.size()))];
                damPool += females[g - back];
            }
        }
        for (int i = 0; i < count; ++i) {
            RegisterWriter::Cat c;
            c.name = catName(rng) + QStringLiteral(" %1").arg(made + 1);
            c.sex = rng.bounded(2) ? "1" : "2";
            c.born = QDate(1960 + g * 2, 1 + rng.bounded(12), 1 + rng.bounded(28));
            c.rasse = 1 + int(rng.bounded(3));
            c.farbe = QString::fromUtf8(colours[rng.bounded(8)]);
            c.status = 1 + int(rng.bounded(5));
            if (!sirePool.isEmpty() && !damPool.isEmpty()) {
                // popular sires are used far more often than the rest
                const int s = rng.bounded(4) == 0 ? int(rng.bounded(int(sirePool.size())))
                                                  : int(rng.bounded(std::max(1, int(sirePool.size()) / 3)));
                c.vater = sirePool[s];
                c.mutter = damPool[rng.bounded(int(damPool.size()))];
            }
            const int nr = w.addCat(c);
            (tav::cats::istKater(c.sex) ? males[g] : females[g]) << nr;
            // some satellite records, so that detail tables have something to follow
            if (rng.bounded(5) == 0)
                w.addVaccination(nr, c.born.addDays(70), QStringLiteral("RCP"), c.born.addDays(435));
            if (rng.bounded(10) == 0)
                w.addTrait(nr, 1 + int(rng.bounded(2)));
            if (rng.bounded(30) == 0)
                w.addTitle(nr, 1 + int(rng.bounded(5)));
            if (rng.bounded(20) == 0)
                w.addPicture(nr, QStringLiteral("/bilder/%1.jpg").arg(nr), QString());
            ++made;
            if (verbose && made % 5000 == 0)
                out << made << " Katzen (" << timer.elapsed() / 1000.0 << " s)\n" << Qt::flush;
        }
        if (females[g].isEmpty() && g > 0)
            females[g] = females[g - 1];
        if (males[g].isEmpty() && g > 0)
            males[g] = males[g - 1];
        if (opt.breeders > 0) {
            males[g] = pool(males[g], std::max(1, opt.breeders / 3));
            females[g] = pool(females[g], std::max(1, opt.breeders - opt.breeders / 3));
        }
    }
    w.commit();
}
