// Linienpaare: the forward pass over line pairs behind the fast path's coefficient.
#pragma once

#include "Ahnengraph.h"
#include "InzuchtDaten.h"

#include <QVector>

namespace tav::breeding {

// The forward pass over pairs of lines (animal, steps left) that yields the coefficient, and on
// request the contributing pairs aggregated by (ancestor, s, d).
struct LinienpaarAuftrag {
    const Ahnengraph *graph = nullptr;
    int budget = 1;              // steps a line may climb from the sire or the dam (G - 2)
    bool paareSammeln = false;   // keeps every line's step count: many more states
    bool kuerzen = true;         // drop lines that cannot meet within their budgets, merge more states
    int breite = 0;              // bits of the masses; 0: the narrowest that stays exact
    quint32 verdichtenAb = 4096; // pending states of one animal at which equal ones are added up
    Fortschritt fortschritt;     // may be empty
    // with paareSammeln: each pair sum goes here, once, as soon as it is complete, instead of
    // into the result
    std::function<void(PaarSumme &&)> paarAusgabe;
};

struct LinienpaarErgebnis {
    GrosseZahl summe; // in units of 2^-GrosseZahl::Einheit
    QVector<PaarSumme> paare;
    quint64 zustaende = 0; // distinct states expanded
};

// false: cancelled through the progress callback
bool rechneLinienpaare(const LinienpaarAuftrag &auftrag, LinienpaarErgebnis &ergebnis);

} // namespace tav::breeding
