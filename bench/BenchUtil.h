#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

// Runs two ways of doing the same work alternately and reports the median times and their ratio.
struct BenchRow {
    QString name;
    double ours = 0, baseline = 0;
    double ratio() const { return baseline > 0 ? ours / baseline : 0; }
};

inline double medianMs(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

inline BenchRow compare(const QString &name, int rounds, const std::function<void()> &ours,
                        const std::function<void()> &baseline)
{
    std::vector<double> a, b;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        ours();
        a.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        baseline();
        b.push_back(t.nsecsElapsed() / 1e6);
    }
    return {name, medianMs(a), medianMs(b)};
}

inline void printRows(const QString &title, const std::vector<BenchRow> &rows)
{
    QTextStream out(stdout);
    out << "\n" << title << "\n";
    out << QString("%1 %2 %3 %4\n")
               .arg("operation", -44)
               .arg("ours ms", 10)
               .arg("hand ms", 10)
               .arg("ratio", 7);
    for (const BenchRow &r : rows)
        out << QString("%1 %2 %3 %4\n")
                   .arg(r.name, -44)
                   .arg(r.ours, 10, 'f', 3)
                   .arg(r.baseline, 10, 'f', 3)
                   .arg(r.ratio(), 7, 'f', 2);
    out.flush();
}

// A whole-number option of a benchmark's command line ("--sample 200"), else the default.
inline int benchOption(const QStringList &args, const char *name, int vorgabe)
{
    const int i = int(args.indexOf(QLatin1String(name)));
    return i > 0 && i + 1 < args.size() ? args[i + 1].toInt() : vorgabe;
}
