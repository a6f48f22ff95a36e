// ReportWurfmeldung: the litter registration on the general form (TReportWurfmeldung) and on the
// forms of the two registries (TReportWurfmeldung1Dekzv, TReportWurfmeldungDRU).
#pragma once

#include "Wurfmeldung.h"
#include "report/ReportJob.h"

namespace tav::printouts {

enum class Wurfformular { Allgemein, Dekzv, Dru };

// `texte`: the registries' office lines and the declarations (formtexteLesen).
report::ReportJob reportWurfmeldung(Wurfformular f, const Wurfmeldung &m, const Formtexte &texte);

// The kittens a form leaves out: beyond the tenth, and on the registry forms beyond five of a sex.
QStringList nichtGedruckt(Wurfformular f, const Wurfmeldung &m);

} // namespace tav::printouts
