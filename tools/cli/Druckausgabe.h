// Druckausgabe: an entry of the table of print-outs of `print`, and what its builders share.
#pragma once

#include "Cli.h"

#include "report/ReportJob.h"

#include <functional>
#include <optional>

namespace tav::app {
class Sprache;
class tsysteminfo;
} // namespace tav::app

struct Kontext {
    const Angaben &a;
    tav::store::Database &db;
    const tav::app::Sprache &katalog;
    const tav::app::tsysteminfo &einstellungen;
    QTextStream &err;
    int rc = 0; // the exit code when the builder gives no job
};

// A print-out of the command: its name, its own options and the builder of its job, which says
// on `err` why there is none.
struct Druckausgabe {
    QString name;
    QString aufruf;
    QStringList mitWert, schalter;
    std::function<std::optional<tav::report::ReportJob>(Kontext &)> bauen;
};

// a print-out of a cat needs the register; from here on a failure is one of the work (exit code 1)
bool ohneRegister(Kontext &k);
// --cat N or --cat-name NAME: the cat's number, 0 with the reason on `err`
qint32 eineKatze(Kontext &k, const tav::breeding::StorePedigree &stamm);

// PrintKatzen.cpp: the cat print-outs of the print dispatcher
QList<Druckausgabe> katzenDruckausgaben();

// RegisterTraits.cpp: print register-traits, the trait statistics of the register
QList<Druckausgabe> registerTraitsDruckausgaben();
// Deckplan.cpp: print mating-plan, the mating planner's list
QList<Druckausgabe> deckplanDruckausgaben();
// PrintAdressen.cpp: the address book's print-outs
QList<Druckausgabe> adressDruckausgaben();
