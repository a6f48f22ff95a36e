// Inbreeding coefficient: the tree of occurrences against the fast path, side by side on the same
// cats, and the cost of reading the register. Run on a register made by:
//   tavrenno-cli --home DIR generate --cats 100000 --generations 30 --seed 7
// coi_bench HOME [--budget SECONDS] [--cats N,N,...]
#include "../BenchUtil.h"

#include "breeding/Ahnengraph.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/InzuchtSchnell.h"
#include "breeding/StorePedigree.h"
#include "store/Database.h"
#include "store/Query.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

using namespace tav;
using breeding::InzuchtBerechnung;
using Weg = InzuchtBerechnung::Rechenweg;

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

struct Lauf {
    double ms = 0;
    double koeffizient = 0;
    bool ok = false;
};

Lauf rechne(const breeding::PedigreeSource &quelle, qint32 katze, int g, Weg weg, int runden = 1)
{
    const auto k = quelle.katze(katze);
    std::vector<double> zeiten;
    Lauf l;
    for (int r = 0; r < runden; ++r) {
        InzuchtBerechnung e(quelle);
        e.einstellungen.weg = weg;
        e.einstellungen.inzuchtMitVorfahren = false;
        QElapsedTimer t;
        t.start();
        l.ok = e.Berechne(katze, k->vater, k->mutter, g, true);
        zeiten.push_back(t.nsecsElapsed() / 1e6);
        l.koeffizient = l.ok ? e.ergebnis()->koeffizient : 0.0;
    }
    l.ms = medianMs(zeiten);
    return l;
}

// what the tree has to do: every occurrence is a node, and every occurrence on the sire's side
// is walked against every occurrence of the same cat on the dam's side
double baumArbeit(const breeding::PedigreeSource &quelle, qint32 katze, int g)
{
    const auto k = quelle.katze(katze);
    breeding::Ahnengraph graph;
    if (graph.laden(quelle, katze, k->vater, k->mutter) != breeding::Ahnengraph::Status::Ok)
        return 0;
    const breeding::Pfadzaehlung p = breeding::zaehlePfade(graph, g);
    return double(p.gesamt) + double(p.paararbeit) * g;
}

QString zahl(double ms)
{
    return ms >= 1000 ? QString::number(ms / 1000.0, 'f', 2) + " s" : QString::number(ms, 'f', 2) + " ms";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString home = args.value(0, qEnvironmentVariable("TAVRENNO_BENCH_HOME"));
    if (home.isEmpty() || home.startsWith(QLatin1String("--"))) {
        QTextStream(stderr) << "coi_bench HOME [--budget SECONDS] [--cats N,N,...]\n";
        return 2;
    }
    auto option = [&](const char *name) {
        const int i = int(args.indexOf(QString::fromLatin1(name)));
        return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
    };
    const double budgetMs = (option("--budget").isEmpty() ? 60.0 : option("--budget").toDouble()) * 1000.0;

    store::Database db(QDir(home).filePath("Daten"));

    // --- reading the register for one calculation
    qint32 letzte = 0;
    {
        store::Query q(&db, "SELECT MAX(LaufendeNummer) FROM \"catstamm.db\"");
        q.open();
        letzte = q.value(0).toInt();
    }
    std::vector<BenchRow> laden;
    for (int g : {5, 255}) {
        for (auto [art, name] : {std::pair{breeding::StorePedigree::Laden::Einzeln, "by number"},
                                 std::pair{breeding::StorePedigree::Laden::Automatisch, "automatic"}}) {
            int abrufe = 0;
            laden.push_back(compare(
                QString("G=%1, last cat: %2 vs whole table").arg(g).arg(name), 5,
                [&] {
                    breeding::StorePedigree s(db, art);
                    rechne(s, letzte, g, Weg::Automatisch);
                    abrufe = s.einzelAbrufe();
                },
                [&] {
                    breeding::StorePedigree s(db, breeding::StorePedigree::Laden::Alles);
                    rechne(s, letzte, g, Weg::Automatisch);
                }));
            laden.back().name += QString(" (%1 fetched)").arg(abrufe);
        }
    }
    printRows("Reading the register and one coefficient, ms (ours = lazy, hand = whole table)", laden);

    // --- tree against fast path
    breeding::StorePedigree quelle(db, breeding::StorePedigree::Laden::Alles);
    QVector<qint32> katzen;
    for (const QString &s : option("--cats").split(',', Qt::SkipEmptyParts))
        katzen << s.toInt();
    // the tree's time grows with its work: calibrated between G=5 and G=16 on the last cat
    struct Modell {
        double festMs = 0, arbeit0 = 0, arbeitProMs = 1;
        double ms(double arbeit) const { return festMs + std::max(0.0, arbeit - arbeit0) / arbeitProMs; }
    } modell;
    {
        const Lauf kurz = rechne(quelle, letzte, 5, Weg::Baum, 5);
        const Lauf lang = rechne(quelle, letzte, 16, Weg::Baum, 3);
        modell.festMs = kurz.ms;
        modell.arbeit0 = baumArbeit(quelle, letzte, 5);
        modell.arbeitProMs = std::max(1.0, (baumArbeit(quelle, letzte, 16) - modell.arbeit0) /
                                               std::max(lang.ms - kurz.ms, 0.001));
    }
    if (katzen.isEmpty()) {
        // the most inbred cats among the last 300 (coefficient at G=12, then depth of the pedigree)
        // whose tree at G=20 fits the budget; a cat whose tree takes less than a second has too
        // short a pedigree to say anything about deep ones
        struct Kandidat {
            double f, arbeit;
            qint32 nr;
        };
        QVector<Kandidat> rang;
        for (qint32 nr = letzte; nr > letzte - 300 && nr > 0; --nr) {
            const auto k = quelle.katze(nr);
            if (!k || !k->vater || !k->mutter)
                continue;
            const double arbeit = baumArbeit(quelle, nr, 20);
            if (modell.ms(arbeit) > budgetMs || modell.ms(arbeit) < 1000)
                continue;
            const Lauf l = rechne(quelle, nr, 12, Weg::Schnell);
            if (l.ok)
                rang.append({l.koeffizient, arbeit, nr});
        }
        std::sort(rang.begin(), rang.end(), [](const Kandidat &a, const Kandidat &b) {
            return a.f != b.f ? a.f > b.f : a.arbeit > b.arbeit;
        });
        for (int i = 0; i < rang.size() && i < 3; ++i)
            katzen << rang[i].nr;
    }

    out() << QString(
                 "\nTree model: %1 ms + 1 ms per %2 units of work (nodes + pair walks x G); budget %3 s\n")
                 .arg(modell.festMs, 0, 'f', 1)
                 .arg(modell.arbeitProMs, 0, 'f', 0)
                 .arg(budgetMs / 1000.0);
    const QVector<int> gs = {5, 8, 12, 16, 20, 30, 255};
    out() << "\nTree of occurrences against the fast path (full analysis without lists), median ms\n";
    out() << QString("%1 %2 %3 %4 %5 %6 %7\n")
                 .arg("cat", -7)
                 .arg("G", 4)
                 .arg("coefficient", 14)
                 .arg("tree work", 14)
                 .arg("tree (estimate)", 24)
                 .arg("fast", 12)
                 .arg("tree/fast", 12);
    for (qint32 nr : katzen) {
        for (int g : gs) {
            Lauf schnell = rechne(quelle, nr, g, Weg::Schnell);
            if (schnell.ms < 500)
                schnell = rechne(quelle, nr, g, Weg::Schnell, 5);
            const double arbeit = baumArbeit(quelle, nr, g);
            const double schaetzung = modell.ms(arbeit);
            QString baum, verhaeltnis;
            if (schaetzung > budgetMs) {
                baum = QString::fromUtf8("— (~%1)").arg(zahl(schaetzung));
                verhaeltnis = QString::fromUtf8("— (~%1)").arg(schaetzung / schnell.ms, 0, 'g', 3);
            } else {
                const Lauf b = rechne(quelle, nr, g, Weg::Baum, schaetzung < 200 ? 5 : 1);
                baum = zahl(b.ms) + QString(" (~%1)").arg(zahl(schaetzung));
                verhaeltnis = QString::number(b.ms / schnell.ms, 'f', 1);
                if (b.koeffizient != schnell.koeffizient)
                    verhaeltnis += " DIFFERENT";
            }
            out() << QString("%1 %2 %3 %4 %5 %6 %7\n")
                         .arg(nr, -7)
                         .arg(g, 4)
                         .arg(schnell.koeffizient, 14, 'f', 10)
                         .arg(arbeit, 14, 'g', 4)
                         .arg(baum, 24)
                         .arg(zahl(schnell.ms), 12)
                         .arg(verhaeltnis, 12);
            out().flush();
        }
    }

    // --- the command line, end to end
#ifdef TAV_CLI
    out()
        << "\ntavrenno-cli coi --generations 255, end to end (process start, reading, calculation, output)\n";
    for (qint32 nr : katzen) {
        std::vector<double> zeiten;
        for (int r = 0; r < 3; ++r) {
            QProcess p;
            QElapsedTimer t;
            t.start();
            p.start(QStringLiteral(TAV_CLI),
                    {"--home", home, "coi", "--cat", QString::number(nr), "--generations", "255", "--json"});
            p.waitForFinished(-1);
            zeiten.push_back(t.nsecsElapsed() / 1e6);
            if (p.exitCode() != 0)
                out() << "  failed: " << p.readAllStandardError() << "\n";
        }
        out() << QString("  cat %1: %2\n").arg(nr).arg(zahl(medianMs(zeiten)));
    }
#endif
    return 0;
}
