// InzuchtSchnell: the fast inbreeding path over path counts.
#pragma once

#include "Ahnengraph.h"
#include "InzuchtDaten.h"

#include <QPair>
#include <QVector>

namespace tav::breeding {

// Number of lines from the root's sire (or dam) to each ancestor, per number of steps.
struct Pfadzaehlung {
    using Ebene = QVector<QPair<int, Anzahl>>; // (ancestor index, lines)
    QVector<Ebene> vater;                      // [steps]
    QVector<Ebene> mutter;
    QVector<Anzahl> vorkommen; // per ancestor: its nodes in the tree of occurrences
    Anzahl gesamt = 0;         // all ancestor nodes
    Anzahl paararbeit = 0;     // pairs of occurrences on opposite sides of one cat
    bool ueberlauf = false;
};

Pfadzaehlung zaehlePfade(const Ahnengraph &graph, int generationen);

struct SchnellAuftrag {
    const Ahnengraph *graph = nullptr;
    const Pfadzaehlung *pfade = nullptr;
    int generationen = 3;
    bool voll = false;         // clone order
    bool paareSammeln = false; // contributing pairs by (ancestor, s, d)
    int zeilenGrenze = 1000;   // of them the first in the list's order are kept
    QChar dezimal = QLatin1Char(',');
    Fortschritt fortschritt; // may be empty
    Phase phase;             // may be empty
};

enum class SchnellStatus { Ok, Abbruch, Ueberlauf };

// The same results as the tree of occurrences, from path counts and a forward pass over pairs of
// lines (animal, steps left) processed youngest first.
SchnellStatus berechneSchnell(const SchnellAuftrag &auftrag, InzuchtRoh &roh);

} // namespace tav::breeding
