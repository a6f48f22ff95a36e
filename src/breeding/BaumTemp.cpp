// BaumTemp: the path stack (TBinaerbaumTemp) walked while the ancestor tree is built.
#include "BaumTemp.h"

#include <new>

namespace tav::breeding::BaumTemp {

TBinaerbaumTemp::TBinaerbaumTemp() : Zeiger(new (std::nothrow) Satz)
{
}

TBinaerbaumTemp::~TBinaerbaumTemp()
{
    while (Zeiger)
        entf_akt();
}

bool TBinaerbaumTemp::Anlegen(quint8 Geschl)
{
    if (!Zeiger || (Geschl != 1 && Geschl != 2))
        return false;
    auto *neu = new (std::nothrow) Satz;
    if (!neu)
        return false;
    neu->Vorgaenger = Zeiger;
    neu->Gen = Zeiger->Gen + 1;
    (Geschl == 1 ? Zeiger->Vater : Zeiger->Mutter) = neu;
    Zeiger = neu;
    return true;
}

void TBinaerbaumTemp::zurueck()
{
    if (Zeiger && Zeiger->Vorgaenger)
        Zeiger = Zeiger->Vorgaenger;
}

void TBinaerbaumTemp::entf_akt()
{
    if (!Zeiger)
        return;
    Satz *vor = Zeiger->Vorgaenger;
    if (vor) {
        if (vor->Vater == Zeiger)
            vor->Vater = nullptr;
        if (vor->Mutter == Zeiger)
            vor->Mutter = nullptr;
    }
    delete Zeiger;
    Zeiger = vor;
}

} // namespace tav::breeding::BaumTemp
