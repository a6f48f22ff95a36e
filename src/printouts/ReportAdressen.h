// ReportAdressen: the address book's print-outs: one address (TReportAdresse) and the list of
// the searched addresses (TReportAdressenListe). German until prepared.
#pragma once

#include "office/AdressSuche.h"
#include "report/ReportJob.h"
#include "report/RowSource.h"

namespace tav::printouts {

report::ReportJob reportAdresse(const office::AdressTreffer &adresse);

// two lines an address, in the order of the search
std::shared_ptr<report::ListRows> adressListeZeilen(const QVector<office::AdressTreffer> &treffer);
report::ReportJob reportAdressenListe(std::shared_ptr<const report::RowSource> zeilen);

} // namespace tav::printouts
