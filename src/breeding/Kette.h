// Kette: counts per generation (tListe) of the ancestor statistics.
#pragma once

#include <QtGlobal>

namespace tav::breeding::PKette {

struct tKette {
    qint32 Gen = 0;
    qint32 anz = 1;
    tKette *Next = nullptr;
    tKette *First = nullptr;
};

enum class art { neu, vor, hinter };

// Counts per generation, kept in ascending order of Gen.
class tListe
{
  public:
    tListe(); // one element with anz = 1; the caller sets its Gen
    ~tListe();
    tListe(const tListe &) = delete;
    tListe &operator=(const tListe &) = delete;

    bool anlegen(art pos);
    void next() { Kette = Kette->Next; }
    void first() { Kette = Kette->First; }
    void geheAnfang();
    void entf_akt();
    // counts generation n once, inserting it in order
    bool zaehle(qint32 n);

    tKette *Kette = nullptr;
};

} // namespace tav::breeding::PKette
