// ReportStammbaum: the printed pedigree, one A4 landscape page: the head with the cat's name, the
// breeder's cattery and the logo; the cat's column with its picture, data and inbreeding; the
// ancestor boxes of 3 to 6 generations; the background picture; the footer.
#pragma once

#include "StammbaumDruck.h"
#include "report/ReportJob.h"

namespace tav::printouts {

// the captions of the print-out (German until the job is prepared)
enum StammbaumTag {
    TagStammbaum = 9050,
    TagUeberschrift = 9051,
    TagRasse = 9052,
    TagFarbe = 9053,
    TagGeschlecht = 9054,
    TagGeboren = 9055,
    TagZuchtbuch = 9056,
    TagChip = 9057,
    TagAugen = 9058,
    TagZuechter = 9059,
    TagBesitzer = 9060,
    TagInzucht = 9061,
    TagAhnenverlust = 9062,
    TagUnbekannt = 9063,
    TagGenerationen = 9064,
    TagEltern = 9065,    // 9065..9070: the heads of generations 1..6
    TagMaennlich = 9071, // 9071..9074: the sex words of codes "1".."4"
};

// `mass` measures the names that may take a second line (the measure the job is laid out with).
report::ReportJob reportStammbaum(const StammbaumDruck &druck, const report::TextMeasure &mass);

} // namespace tav::printouts
