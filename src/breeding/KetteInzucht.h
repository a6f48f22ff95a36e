// KetteInzucht: the list of contributing ancestor pairs (tListeInzucht).
#pragma once

#include <QtGlobal>

namespace tav::breeding::ketteInzucht {

// One contributing pair of occurrences of a common ancestor.
struct tKetteInzucht {
    qint32 satz = 0;
    quint8 GenerationLinks = 0;
    quint8 GenerationRechts = 0;
    double berechnung = 0.0;
    tKetteInzucht *Next = nullptr;
    tKetteInzucht *First = nullptr; // the preceding element
};

class tListeInzucht
{
  public:
    tListeInzucht() = default;
    ~tListeInzucht() { freigeben(); }
    tListeInzucht(const tListeInzucht &) = delete;
    tListeInzucht &operator=(const tListeInzucht &) = delete;

    bool anhaengen();
    void next();
    void first();
    void geheEnde();
    void geheAnfang();
    void freigeben();
    bool leer() const { return !Kette; }

    tKetteInzucht *Kette = nullptr;
};

} // namespace tav::breeding::ketteInzucht
