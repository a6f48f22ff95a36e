// Speicherbudget: the heap an analysis may fill before it ends with a message.
#include "Speicherbudget.h"

#include "app/IniFile.h"

#include <algorithm>
#include <atomic>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace tav::breeding {

namespace {

std::atomic<qint64> grenze{0};

qint64 heapInUse()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    const struct mallinfo2 m = mallinfo2();
    return qint64(m.uordblks) + qint64(m.hblkhd);
#else
    return 0;
#endif
}

} // namespace

qint64 vorgabeSpeicherGrenze()
{
    const long seiten = sysconf(_SC_PHYS_PAGES), seite = sysconf(_SC_PAGESIZE);
    qint64 g = seiten > 0 && seite > 0 ? qint64(seiten) * seite / 4 : qint64(1) << 30;
    rlimit r{};
    if (getrlimit(RLIMIT_AS, &r) == 0 && r.rlim_cur != RLIM_INFINITY)
        g = std::min(g, qint64(r.rlim_cur / 4 * 3));
    return g;
}

qint64 speicherGrenze()
{
    const qint64 g = grenze.load();
    return g > 0 ? g : vorgabeSpeicherGrenze();
}

void setzeSpeicherGrenze(qint64 bytes)
{
    grenze.store(std::max<qint64>(bytes, 0));
}

void leseSpeicherGrenze(const QString &iniPfad)
{
    const app::IniFile ini(iniPfad);
    const int mb = ini.readInteger(QStringLiteral("Speicher"), QStringLiteral("Analysegrenze"), 0);
    setzeSpeicherGrenze(mb > 0 ? qint64(mb) << 20 : 0);
}

void pruefeSpeicher(qint64 dazu)
{
    if (heapInUse() + dazu > speicherGrenze())
        throw SpeicherErschoepft();
}

} // namespace tav::breeding
