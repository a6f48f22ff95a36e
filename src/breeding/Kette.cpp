// Kette: counts per generation (tListe) of the ancestor statistics.
#include "Kette.h"

#include <new>

namespace tav::breeding::PKette {

tListe::tListe() : Kette(new (std::nothrow) tKette)
{
}

tListe::~tListe()
{
    while (Kette)
        entf_akt();
}

bool tListe::anlegen(art pos)
{
    auto *neu = new (std::nothrow) tKette;
    if (!neu)
        return false;
    if (pos == art::neu || !Kette) {
        while (Kette)
            entf_akt();
    } else if (pos == art::vor) {
        neu->Next = Kette;
        neu->First = Kette->First;
        if (Kette->First)
            Kette->First->Next = neu;
        Kette->First = neu;
    } else {
        neu->First = Kette;
        neu->Next = Kette->Next;
        if (Kette->Next)
            Kette->Next->First = neu;
        Kette->Next = neu;
    }
    Kette = neu;
    return true;
}

void tListe::geheAnfang()
{
    while (Kette && Kette->First)
        Kette = Kette->First;
}

void tListe::entf_akt()
{
    if (!Kette)
        return;
    tKette *alt = Kette;
    if (alt->First)
        alt->First->Next = alt->Next;
    if (alt->Next)
        alt->Next->First = alt->First;
    Kette = alt->Next ? alt->Next : alt->First;
    delete alt;
}

bool tListe::zaehle(qint32 n)
{
    if (!Kette) {
        if (!anlegen(art::neu))
            return false;
        Kette->Gen = n;
        return true;
    }
    geheAnfang();
    while (Kette->Gen < n && Kette->Next)
        next();
    if (Kette->Gen == n) {
        ++Kette->anz;
        return true;
    }
    if (!anlegen(n < Kette->Gen ? art::vor : art::hinter))
        return false;
    Kette->Gen = n;
    return true;
}

} // namespace tav::breeding::PKette
