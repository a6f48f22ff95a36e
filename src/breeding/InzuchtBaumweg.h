// InzuchtBaumweg: the inbreeding calculation over the tree of occurrences.
#pragma once

#include "Ahnengraph.h"
#include "BaumInzucht.h"
#include "InzuchtDaten.h"

namespace tav::breeding {

struct BaumAuftrag {
    const Ahnengraph *graph = nullptr;
    qint32 tier = 0;
    qint32 vaterNr = 0;
    qint32 mutterNr = 0;
    int generationen = 3;
    bool voll = false; // full analysis: clone order, progress
    QChar dezimal = QLatin1Char(',');
    Fortschritt fortschritt; // may be empty
    Phase phase;             // may be empty
    quint64 moeglich = 0;    // gauge maximum of the build
    int zeilenGrenze = 1000; // pair lines kept; the rest are only counted
};

enum class BaumStatus { Ok, Abbruch, KeinSpeicher };

// The calculation over the tree of occurrences (every occurrence a node, pairs compared one by one).
BaumStatus berechneUeberBaum(const BaumAuftrag &auftrag, BaumInzucht::TBinaerbaum &baum, InzuchtRoh &roh);

} // namespace tav::breeding
