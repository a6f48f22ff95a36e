// Warnung: the reminders at start-up: expired medicines of the pharmacy, vaccinations and
// dewormings whose next date is near.
#pragma once

#include <QDate>
#include <QStringList>
#include <QVector>

namespace tav::store {
class Database;
}

namespace tav::cats {

// Days before and after today in which a next treatment is due.
constexpr int WarnungTageSpanne = 6;

// Which checks run (the settings WarnungVerfallsdatum, WarnungImpfung, WarnungWurmkur).
struct WarnungsPruefungen {
    bool verfallsdatum = true;
    bool impfung = true;
    bool wurmkur = true;
};

struct FaelligerTermin {
    QDate naechste;
    QString katze; // the cat's name, empty when the cat does not exist
};

struct WarnungsListen {
    QStringList medikamente; // expired, by expiry date
    QVector<FaelligerTermin> impfungen, wurmkuren;
    QStringList nichtGeoeffnet; // the tables a check could not read
};

// The lists a reminders window shows, one after the other.
enum class WarnungsListe { Keine, Medikamente, Impfungen, Wurmkuren };

// Runs the enabled checks on the register. A medicine expires on its expiry date; one without an
// expiry date never does. A next date is due from `heute` - 6 to `heute` + 6 days, both included.
// A table that cannot be read leaves its list empty and is named; the other checks still run.
WarnungsListen warnungenPruefen(tav::store::Database &db, const QDate &heute, const WarnungsPruefungen &p);

// The first list with entries after `nach` (Keine: the first of all), or Keine when none is left.
WarnungsListe naechsteWarnungsListe(const WarnungsListen &l, WarnungsListe nach = WarnungsListe::Keine);

} // namespace tav::cats
