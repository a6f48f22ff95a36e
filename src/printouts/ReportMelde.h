// ReportMelde: the show entry forms as printed: the general bilingual form (TReportMelde), the
// FIFE form (TReportMeldeFIFE), the D.R.U. form (TReportMeldeDRU) and the CFA form
// (TReportMeldeCFA), each one A4 page.
#pragma once

#include "Meldeformular.h"
#include "report/ReportJob.h"

namespace tav::printouts {

enum class Meldeform { Allgemein, FIFE, DRU, CFA };

// Every form prints its registry's own wording; the registry texts of `texte` come in the user's
// language `sprache` (0 German, 1 English, 2 Dutch) beside the form's own languages.
report::ReportJob reportMeldeformular(Meldeform form, const Meldung &m, const FormularTexte &texte,
                                      int sprache);

} // namespace tav::printouts
