// ReportWurfbuch: the litter data sheet (TReportWurfdaten) and the litter book with the weighing
// table (TReportWurfbuch).
#pragma once

#include "WurfDruck.h"
#include "report/ReportJob.h"

namespace tav::printouts {

report::ReportJob reportWurfdaten(const Wurfdatenblatt &b);
// The width of a kitten's print line as the sheet's font sets it (needs a QGuiApplication).
const cats::TextBreite &druckzeilenBreite();
report::ReportJob reportWurfbuch(const Wurfbuch &w);

} // namespace tav::printouts
