// StammbaumDaten: the printed pedigree of a cat filled from the register and the settings.
#pragma once

#include "StammbaumDruck.h"

#include <functional>

namespace tav::store {
class Database;
}
namespace tav::app {
class TDatenGlobal;
class tsysteminfo;
} // namespace tav::app

namespace tav::printouts {

// Lines and captions in `sprache` (0 German, 1 English, 2 Dutch with the German lines); the
// generations of the settings unless `generationen` is given (held to 3..6). `meldung` gives the
// texts of the inbreeding calculation by message number. An unknown cat gives an empty name line.
StammbaumDruck stammbaumDruck(store::Database &db, app::TDatenGlobal &global, const app::tsysteminfo &s,
                              qint32 katze, int sprache, const std::function<QString(int)> &meldung,
                              int generationen = 0);

// A setting of the pedigree print margins (tenths of a millimetre) as millimetres on the paper:
// never closer to the edge than printers reach, never over a third of the page.
double stammbaumRand(int zehntelMm, double seite);

} // namespace tav::printouts
