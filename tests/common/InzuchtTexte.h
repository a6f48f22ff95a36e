// The texts of the last inbreeding result as the window writes them (none after a failure), with
// the engine's decimal sign.
#pragma once

#include "breeding/InzuchtBerechnung.h"
#include "breeding/InzuchtFormat.h"

inline tav::breeding::InzuchtTextArt textArtVon(const tav::breeding::InzuchtBerechnung &e,
                                                tav::breeding::Meldungstext meldung = {}, int sprache = 0)
{
    tav::breeding::InzuchtTextArt art;
    art.dezimal = e.einstellungen.dezimal;
    art.sprache = sprache;
    art.meldung = std::move(meldung);
    return art;
}

inline tav::breeding::InzuchtTexte texteVon(const tav::breeding::InzuchtBerechnung &e,
                                            tav::breeding::Meldungstext meldung = {}, int sprache = 0)
{
    if (!e.ergebnis())
        return {};
    return tav::breeding::inzuchtTexte(*e.ergebnis(), textArtVon(e, std::move(meldung), sprache));
}

// the result of the last calculation; an empty one after a failure
inline const tav::breeding::InzuchtErgebnis &ergebnisVon(const tav::breeding::InzuchtBerechnung &e)
{
    static const tav::breeding::InzuchtErgebnis keines;
    return e.ergebnis() ? *e.ergebnis() : keines;
}

inline QString topKatzeAnteilVon(const tav::breeding::InzuchtBerechnung &e, int slot)
{
    return tav::breeding::topKatzeAnteilText(ergebnisVon(e), slot, e.einstellungen.dezimal);
}
