// BaumInzucht: the tree of ancestor occurrences (TBinaerbaum) of the inbreeding calculation.
#include "BaumInzucht.h"

namespace tav::breeding::BaumInzucht {

bool TBinaerbaum::Anlegen(quint8 Geschl)
{
    if (Geschl != 0 && (!ZeigerAktuell || Geschl > 2))
        return false;
    Satz &neu = m_knoten.emplace_back();
    if (Geschl == 0) {
        Zeigeranfang = &neu;
    } else {
        neu.Vorgaenger = ZeigerAktuell;
        neu.Generation = quint8(ZeigerAktuell->Generation + 1);
        (Geschl == 1 ? ZeigerAktuell->Links : ZeigerAktuell->Rechts) = &neu;
    }
    ZeigerAktuell = &neu;
    ++zaehler;
    if (neu.Generation > Generationen)
        Generationen = neu.Generation;
    return true;
}

Satz *TBinaerbaum::Wechsel(richtung weg, Satz *zeiger) const
{
    switch (weg) {
    case richtung::zurueck: return zeiger ? zeiger->Vorgaenger : nullptr;
    case richtung::links: return zeiger ? zeiger->Links : nullptr;
    case richtung::rechts: return zeiger ? zeiger->Rechts : nullptr;
    case richtung::root: return Zeigeranfang;
    }
    return nullptr;
}

void TBinaerbaum::freigeben()
{
    m_knoten.clear();
    Zeigeranfang = ZeigerAktuell = nullptr;
    Generationen = 0;
    zaehler = 0;
}

} // namespace tav::breeding::BaumInzucht
