// The trait statistics of a pedigree for one of the youngest cats of a register: the memoised
// path counts at 100 generations, and against the walk of the literal tree at the depths where
// that still finishes.
#include "app/DataHome.h"
#include "breeding/StatistikStammbaum.h"
#include "store/Database.h"
#include "store/Query.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <functional>

using namespace tav::breeding;

namespace {

qint64 literal(const StatistikRegister &r, qint32 nr, int gen, int tiefe, const StatistikOptionen &o)
{
    qint64 n = 0;
    const StatistikKatze &k = r.katzen[nr];
    if (gen > 0) {
        ++n;
        merkmalTeil(k, o);
    }
    if (gen < tiefe)
        for (qint32 e : {k.vater, k.mutter})
            if (e && r.katzen.contains(e))
                n += literal(r, e, gen + 1, tiefe, o);
    return n;
}

QString meldung(int n)
{
    return QString::number(n);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "merkmale_bench HOME\n";
        return 2;
    }
    tav::store::Database db(tav::app::dataDirOf(QString::fromLocal8Bit(argv[1])));
    QElapsedTimer t;
    t.start();
    const StatistikRegister r = StatistikRegister::lese(db);
    out << "register read: " << r.katzen.size() << " cats in " << t.elapsed() << " ms\n";
    tav::store::Query q(&db, QStringLiteral("SELECT max(LaufendeNummer) FROM catstamm.db WHERE Vater > 0"));
    q.open();
    const qint32 jung = q.value(0).toInt();
    StatistikOptionen o; // every trait, every colour
    for (int tiefe : {8, 12, 16, 20, 22, 24, 100}) {
        o.generationen = tiefe;
        t.restart();
        const StatistikErgebnis e = statistikStammbaum(r, jung, o);
        const QStringList text = statistikText(e, meldung);
        const double ours = t.nsecsElapsed() / 1e6;
        out << QStringLiteral("generations %1: %2 occurrences, %3 lines, path counts %4 ms")
                   .arg(tiefe)
                   .arg(e.anzTiere)
                   .arg(text.size())
                   .arg(ours, 0, 'f', 1);
        if (tiefe <= 24 && e.anzTiere < 60'000'000) {
            t.restart();
            const qint64 n = literal(r, jung, 0, tiefe, o);
            out << QStringLiteral(", literal walk %1 ms (%2 nodes)")
                       .arg(t.nsecsElapsed() / 1e6, 0, 'f', 1)
                       .arg(n);
        }
        out << "\n";
        out.flush();
    }
    return 0;
}
