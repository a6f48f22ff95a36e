// ReportStatistikDatei: the print-out of the trait statistics of the register: its filters and the
// result list.
#pragma once

#include "breeding/StatistikDatei.h"
#include "report/ReportJob.h"

namespace tav::printouts {

struct StatistikDateiDruck {
    std::array<bool, 4> geschlecht{true, true, true, true};
    QString farbe; // empty: every colour
    int ab = 0, bis = 0;
    bool monate = false;
    bool erweitert = false;
    QString merkmale; // simple query: the chosen trait names joined by ", "; extended: the query text
    bool mitMerkmalen = false; // the result has a trait column
    bool ergebnis = false;     // a result is shown
    QVector<breeding::DateiZeile> zeilen;
    QDate heute = QDate::currentDate();
};

// Captions (sex and age texts) come from `caption` in the report's language.
report::ReportJob reportStatistikDatei(const StatistikDateiDruck &d, const breeding::Beschriftung &caption);

} // namespace tav::printouts
