// Speicherbudget: the heap an analysis may fill before it ends with a message.
#pragma once

#include <QtGlobal>
#include <new>

namespace tav::breeding {

// Thrown at a growth point past the limit; a std::bad_alloc, so every analysis that already turns
// an exhausted heap into its message does the same for the budget.
struct SpeicherErschoepft : std::bad_alloc {
    const char *what() const noexcept override { return "analysis memory budget exhausted"; }
};

// A quarter of physical memory, and no more than three quarters of the address space limit.
qint64 vorgabeSpeicherGrenze();
qint64 speicherGrenze();
// bytes <= 0 restores the default
void setzeSpeicherGrenze(qint64 bytes);
// The settings key [Speicher] Analysegrenze in megabytes (absent or 0: the default).
void leseSpeicherGrenze(const QString &iniPfad);

// Throws SpeicherErschoepft when the heap in use plus `dazu` bytes passes the limit.
void pruefeSpeicher(qint64 dazu = 0);

} // namespace tav::breeding
