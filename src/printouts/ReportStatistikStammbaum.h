// ReportStatistikStammbaum: the print-out of the trait statistics of a pedigree.
#pragma once

#include "report/ReportJob.h"

namespace tav::printouts {

struct StatistikDruck {
    QString katze, farbe, merkmale; // the cat's name, coat colour and its own traits
    int generationen = 0;
    QString gesuchteFarbe; // empty: every colour
    enum class Suche { NurFarbe, AlleMerkmale, Ausgewaehlte };
    Suche suche = Suche::AlleMerkmale;
    QStringList gesuchteMerkmale;
    QStringList text; // the result memo
};

report::ReportJob reportStatistikStammbaum(const StatistikDruck &druck);

} // namespace tav::printouts
