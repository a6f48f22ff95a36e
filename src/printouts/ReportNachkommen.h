// ReportNachkommen: the list of a cat's direct offspring (TReportNachkommenListe).
#pragma once

#include "breeding/Nachkommen.h"
#include "report/ReportJob.h"

namespace tav::printouts {

// Title with the cat's name, colour, birth date and breed and the date; one line per offspring
// under the column headings; footer with page numbers. German until prepared.
report::ReportJob reportNachkommenListe(const tav::breeding::Elterntier &katze,
                                        const QVector<tav::breeding::Nachkomme> &nachkommen);

} // namespace tav::printouts
