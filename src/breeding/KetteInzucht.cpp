// KetteInzucht: the list of contributing ancestor pairs (tListeInzucht).
#include "KetteInzucht.h"

#include <new>

namespace tav::breeding::ketteInzucht {

bool tListeInzucht::anhaengen()
{
    auto *neu = new (std::nothrow) tKetteInzucht;
    if (!neu)
        return false;
    geheEnde();
    if (Kette) {
        Kette->Next = neu;
        neu->First = Kette;
    }
    Kette = neu;
    return true;
}

void tListeInzucht::next()
{
    if (Kette && Kette->Next)
        Kette = Kette->Next;
}

void tListeInzucht::first()
{
    if (Kette && Kette->First)
        Kette = Kette->First;
}

void tListeInzucht::geheEnde()
{
    while (Kette && Kette->Next)
        Kette = Kette->Next;
}

void tListeInzucht::geheAnfang()
{
    while (Kette && Kette->First)
        Kette = Kette->First;
}

void tListeInzucht::freigeben()
{
    geheEnde();
    while (Kette) {
        tKetteInzucht *vor = Kette->First;
        delete Kette;
        Kette = vor;
    }
}

} // namespace tav::breeding::ketteInzucht
