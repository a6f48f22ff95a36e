// The trait statistics of the register, unfiltered, with IK and AVK for every cat: the pass of the
// window (one computation per parent pair) against one engine call per row, measured on a sample
// of rows and extrapolated, and against one Meuwissen-Luo pass over the whole register.
//   registertraits_bench HOME [--sample N] [--sample255 N]
#include "../BenchUtil.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/InzuchtRegister.h"
#include "breeding/StatistikDatei.h"
#include "breeding/StorePedigree.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSet>
#include <QTextStream>

using namespace tav::breeding;

namespace {

double sekunden(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e9;
}

// the window's pass over all rows: pairs, whole-register pass or engine, texts
double pass(tav::store::Database &db, const QVector<DateiZeile> &zeilen, int g, int &paare, int &register_,
            int &schnitt)
{
    QElapsedTimer t;
    t.start();
    DateiInzucht p(db, g, QLatin1Char(','));
    p.setzeZeilen(zeilen);
    int gefuellt = 0;
    while (p.weiter(
        40, [&](const QVector<int> &rows, const QString &, const QString &) { gefuellt += rows.size(); })) {
    }
    paare = p.paare();
    register_ = p.ueberRegister();
    schnitt = p.imSchnitt();
    return sekunden(t);
}

// one engine call per row (no sharing) on `n` rows drawn at random, extrapolated to all rows
double proZeile(tav::store::Database &db, const QVector<DateiZeile> &zeilen, int g, int n)
{
    StorePedigree quelle(db, StorePedigree::Laden::Alles);
    quelle.katze(1); // reads the register first, as the pass does
    InzuchtBerechnung e(quelle);
    QRandomGenerator rng(7);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < n; ++i) {
        const DateiZeile &z = zeilen[int(rng.bounded(quint32(zeilen.size())))];
        if (z.vater && z.mutter)
            e.Berechne(z.nummer, z.vater, z.mutter, g, false);
    }
    return sekunden(t) / n * zeilen.size();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() < 2) {
        out << "registertraits_bench HOME [--sample N] [--sample255 N]\n";
        return 2;
    }
    const auto option = [&](const char *name, int vorgabe) { return benchOption(args, name, vorgabe); };
    const int stichprobe = option("--sample", 2000), stichprobe255 = option("--sample255", 20);
    tav::store::Database db(args[1] + QStringLiteral("/Daten"));

    QElapsedTimer t;
    t.start();
    const QVector<DateiZeile> zeilen = statistikDatei(db, {}, DateiFilter{});
    const double abfrage = sekunden(t);
    out << "unfiltered query: " << zeilen.size() << " rows in " << QString::number(abfrage, 'f', 2) << " s\n";
    out.flush();

    // one Meuwissen-Luo pass: every cat's coefficient, once per parent pair of the register
    t.restart();
    InzuchtRegister reg;
    reg.lese(db);
    const double lesen = sekunden(t);
    QSet<QPair<qint32, qint32>> gesehen;
    for (const DateiZeile &z : zeilen)
        if (z.vater && z.mutter && !gesehen.contains({z.vater, z.mutter})) {
            gesehen.insert({z.vater, z.mutter});
            reg.paar(z.vater, z.mutter, 255);
        }
    const double ml = sekunden(t);
    out << "one Meuwissen-Luo pass: " << QString::number(ml, 'f', 2) << " s (" << gesehen.size()
        << " parent pairs; reading the register " << QString::number(lesen, 'f', 2) << " s)\n";
    out.flush();

    for (int g : {5, 255}) {
        int paare = 0, ueberRegister = 0, imSchnitt = 0;
        const double p = pass(db, zeilen, g, paare, ueberRegister, imSchnitt);
        const double einzeln = proZeile(db, zeilen, g, g == 5 ? stichprobe : stichprobe255);
        out << "G = " << g << ": query + IK/AVK " << QString::number(abfrage + p, 'f', 2) << " s (pass "
            << QString::number(p, 'f', 2) << " s, " << paare << " pairs, " << ueberRegister
            << " by the whole-register pass, " << imSchnitt
            << " in memory under the cut); one engine call per row, extrapolated from "
            << (g == 5 ? stichprobe : stichprobe255) << " rows: " << QString::number(einzeln, 'f', 1)
            << " s; ratio to one ML pass " << QString::number((abfrage + p) / ml, 'f', 2) << "\n";
        out.flush();
    }
    return 0;
}
