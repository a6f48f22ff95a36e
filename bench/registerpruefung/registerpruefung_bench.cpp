// The register check of the whole register: reading, the one pass, and the pass with 50 faults
// injected, against finding loops the way the inbreeding engine does, one cat's ancestry at a
// time (measured on a sample and extrapolated).
//   registerpruefung_bench HOME [--sample N] [--rounds R]
#include "../BenchUtil.h"
#include "breeding/Ahnengraph.h"
#include "breeding/StorePedigree.h"
#include "maintenance/Registerpruefung.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QRandomGenerator>

using namespace tav;

namespace {

double sekunden(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e9;
}

// the faults of the test, on fresh cats: missing parents, duplicates of register cats, loops of two
QVector<maintenance::PruefKatze> mitFehlern(QVector<maintenance::PruefKatze> r)
{
    QRandomGenerator rng(7);
    qint32 nr = 0;
    for (const auto &k : r)
        nr = std::max(nr, k.nummer);
    for (int i = 0; i < 50; ++i) {
        const auto &vorlage = r[rng.bounded(int(r.size()))];
        switch (i % 3) {
        case 0: r.append({++nr, 0, QStringLiteral("Fehlt %1").arg(i), {}, "1", {}, {}, 900000 + i, 0}); break;
        case 1: r.append({++nr, 0, vorlage.name.toUpper(), {}, "1", vorlage.geboren, {}, 0, 0}); break;
        default:
            r.append({++nr, 0, QStringLiteral("Ring %1").arg(i), {}, "1", {}, {}, nr + 1, 0});
            r.append({++nr, 0, QStringLiteral("Ring %1b").arg(i), {}, "1", {}, {}, nr - 1, 0});
        }
    }
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() < 2) {
        out << "registerpruefung_bench HOME [--sample N] [--rounds R]\n";
        return 2;
    }
    const auto option = [&](const char *name, int vorgabe) { return benchOption(args, name, vorgabe); };
    const int stichprobe = option("--sample", 2000), runden = option("--rounds", 5);
    store::Database db(args[1] + QStringLiteral("/Daten"));
    const maintenance::PruefOptionen o;

    std::vector<double> lesen, pruefen, ganz, fehlerhaft;
    QVector<maintenance::PruefKatze> katzen;
    int funde = 0, fehlerFunde = 0;
    for (int i = 0; i < runden; ++i) {
        QElapsedTimer t;
        t.start();
        katzen = maintenance::registerLesen(db);
        lesen.push_back(sekunden(t));
        QElapsedTimer p;
        p.start();
        funde = int(maintenance::registerPruefen(katzen, o).funde.size());
        pruefen.push_back(sekunden(p));
        ganz.push_back(sekunden(t));
    }
    const QVector<maintenance::PruefKatze> kaputt = mitFehlern(katzen);
    for (int i = 0; i < runden; ++i) {
        QElapsedTimer t;
        t.start();
        fehlerFunde = int(maintenance::registerPruefen(kaputt, o).funde.size());
        fehlerhaft.push_back(sekunden(t));
    }

    // loops found cat by cat, as the inbreeding engine finds them before each calculation
    breeding::StorePedigree quelle(db, breeding::StorePedigree::Laden::Alles);
    QRandomGenerator rng(7);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < stichprobe; ++i) {
        const auto &k = katzen[rng.bounded(int(katzen.size()))];
        breeding::Ahnengraph g;
        g.laden(quelle, k.nummer, k.vater, k.mutter);
    }
    const double einzeln = sekunden(t) / stichprobe * katzen.size();

    out << katzen.size() << " cats, median of " << runden << " rounds\n"
        << "reading the register:           " << QString::number(medianMs(lesen) * 1000, 'f', 0) << " ms\n"
        << "the check (one pass):           " << QString::number(medianMs(pruefen) * 1000, 'f', 0) << " ms, "
        << funde << " findings\n"
        << "reading and check:              " << QString::number(medianMs(ganz) * 1000, 'f', 0) << " ms\n"
        << "the check with 50 faults added: " << QString::number(medianMs(fehlerhaft) * 1000, 'f', 0)
        << " ms, " << fehlerFunde << " findings\n"
        << "loops cat by cat (engine's ancestor graph), extrapolated from " << stichprobe
        << " cats: " << QString::number(einzeln, 'f', 1) << " s\n";
    return 0;
}
