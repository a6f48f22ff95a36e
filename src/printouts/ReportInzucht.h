// ReportInzucht: the inbreeding print-out (TReportInzucht) and the fill of what it shows from a
// calculation, for callers that have no window.
#pragma once

#include "InzuchtDruck.h"
#include "report/ReportJob.h"

#include <functional>

namespace tav::breeding {
struct InzuchtErgebnis;
struct InzuchtTextArt;
} // namespace tav::breeding

namespace tav::printouts {

// Title, the pair lines (when ticked), coefficient and ancestor loss, top cats and clones (when
// ticked), the ancestor list (when ticked), footer with page numbers. German until prepared.
report::ReportJob reportInzucht(const InzuchtDruck &druck);

// What the window would show after the calculation: the cat edit (`tiername` and the breed
// composition), parents by name, every list, the top-cat slots with their cats' names, the clone
// lines split at "/", the ancestor list by name.
InzuchtDruck inzuchtDruck(const tav::breeding::InzuchtErgebnis &ergebnis,
                          const tav::breeding::InzuchtTextArt &art, const QString &tiername, qint32 vater,
                          qint32 mutter, const std::function<QString(qint32)> &katzenName);

} // namespace tav::printouts
