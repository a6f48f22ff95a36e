// Planning one queen against every tom of the register: the planner (the queen's side once, each
// tom in one pass) against one planned-mating engine call per tom, measured on a sample of toms
// and extrapolated. The sample's coefficients are compared as well.
//   deckplaner_bench HOME [--sample N] [--queen NR]
#include "breeding/Deckplaner.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StorePedigree.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>

using namespace tav::breeding;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() < 2) {
        out << "deckplaner_bench HOME [--sample N] [--queen NR]\n";
        return 2;
    }
    const auto option = [&](const char *name, int vorgabe) {
        const int i = int(args.indexOf(QLatin1String(name)));
        return i > 0 && i + 1 < args.size() ? args[i + 1].toInt() : vorgabe;
    };
    const int stichprobe = option("--sample", 300);
    tav::store::Database db(args[1] + QStringLiteral("/Daten"));

    QElapsedTimer t;
    t.start();
    Deckplaner planer;
    planer.lese(db);
    const double lesen = t.nsecsElapsed() / 1e9;
    DeckFilter alle;
    alle.nurLebende = false;
    const QVector<qint32> kater = planer.kandidaten(alle);
    // the queen: the youngest cat of the register with the deepest pedigree, unless one is given
    qint32 koenigin = option("--queen", 0);
    for (qint32 nr = 1000000; koenigin == 0 && nr > 0; --nr)
        if (const PlanKatze *k = planer.katze(nr);
            k && k->geschlecht == QLatin1String("2") && k->vater && k->mutter)
            koenigin = nr;
    out << "register read: " << lesen << " s; toms: " << kater.size() << "; queen " << koenigin << "\n";

    StorePedigree quelle(db, StorePedigree::Laden::Alles);
    quelle.katze(1);
    InzuchtBerechnung e(quelle);
    QRandomGenerator rng(7);
    QVector<qint32> probe;
    for (int i = 0; i < stichprobe; ++i)
        probe << kater[int(rng.bounded(quint32(kater.size())))];
    for (int g : {5, 10}) {
        t.restart();
        QVector<DeckZeile> zeilen;
        planer.waehleKatze(koenigin, g, QLatin1Char(','));
        planer.rechne(kater, zeilen, {});
        const double plan = t.nsecsElapsed() / 1e9;
        QHash<qint32, double> ik;
        int nachgezaehlt = 0;
        for (const DeckZeile &z : zeilen) {
            ik.insert(z.kater, z.koeffizient);
            nachgezaehlt += !z.teileGenau;
        }
        t.restart();
        int abweichend = 0;
        for (qint32 k : probe) {
            const bool ok = e.Berechne(0, k, koenigin, g, false);
            abweichend += (ok ? e.ergebnis()->koeffizient : 0.0) != ik.value(k);
        }
        const double engine = t.nsecsElapsed() / 1e9 / probe.size() * kater.size();
        out << QStringLiteral(
                   "G = %1: planner %2 s for %3 toms (%4 with an inbred parent of a shared ancestor); "
                   "one engine call per tom %5 s (from %6 toms, %7 differing); ratio %8\n")
                   .arg(g)
                   .arg(plan, 0, 'f', 3)
                   .arg(zeilen.size())
                   .arg(nachgezaehlt)
                   .arg(engine, 0, 'f', 2)
                   .arg(probe.size())
                   .arg(abweichend)
                   .arg(engine / plan, 0, 'f', 1);
        out.flush();
    }
    return 0;
}
