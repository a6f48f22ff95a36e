// BaumInzucht: the tree of ancestor occurrences (TBinaerbaum) of the inbreeding calculation.
#pragma once

#include <QString>
#include <cstdint>
#include <deque>

namespace tav::breeding::BaumInzucht {

// One occurrence of an ancestor: a cat occurring several times is held in several nodes.
struct Satz {
    Satz *Vorgaenger = nullptr; // towards the root (the ancestor's child)
    Satz *Links = nullptr;      // sire
    Satz *Rechts = nullptr;     // dam
    quint8 Generation = 1;      // 1 = root
    qint32 Satznummer = 0;      // 0 = root of a planned offspring
    qint32 Rasse = 0;
    QString Prozent;
    qint32 SatzNrVater = 0;
    qint32 SatzNrMutter = 0;
    bool kontrolle = false;
    bool vergleich = true;
    bool gefunden = false;
    int ahne = -1; // index of the cat in the ancestor graph of the calculation
};

enum class richtung { zurueck, links, rechts, root };

class TBinaerbaum
{
  public:
    TBinaerbaum() = default;
    TBinaerbaum(const TBinaerbaum &) = delete;
    TBinaerbaum &operator=(const TBinaerbaum &) = delete;

    // 0: root; 1: sire of the cursor node; 2: its dam. The cursor moves to the new node.
    bool Anlegen(quint8 Geschl);
    Satz *Wechsel(richtung weg, Satz *zeiger) const;
    void freigeben();

    Satz *Zeigeranfang = nullptr;
    Satz *ZeigerAktuell = nullptr;
    quint8 Generationen = 0;
    qint32 zaehler = 0;

  private:
    std::deque<Satz> m_knoten; // nodes never move, the tree releases them together
};

} // namespace tav::breeding::BaumInzucht
