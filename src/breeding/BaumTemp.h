// BaumTemp: the path stack (TBinaerbaumTemp) walked while the ancestor tree is built.
#pragma once

#include <QtGlobal>

namespace tav::breeding::BaumTemp {

// Node of the path stack: only the path from the examined cat to the visited ancestor exists.
struct Satz {
    Satz *Vorgaenger = nullptr;
    qint32 Gen = 0;
    Satz *Vater = nullptr;
    Satz *Mutter = nullptr;
    qint32 SatznrVater = 0;
    qint32 SatznrMutter = 0;
};

class TBinaerbaumTemp
{
  public:
    TBinaerbaumTemp(); // creates the node of the examined cat
    ~TBinaerbaumTemp();
    TBinaerbaumTemp(const TBinaerbaumTemp &) = delete;
    TBinaerbaumTemp &operator=(const TBinaerbaumTemp &) = delete;

    bool Anlegen(quint8 Geschl); // 1 sire, 2 dam below Zeiger; Zeiger moves to it
    void zurueck();
    void entf_akt();

    Satz *Zeiger = nullptr;
};

} // namespace tav::breeding::BaumTemp
