// Anwenderdaten: the breeder's own data: the own address record (EIGEN.DB), the club data
// (ZUSATZ.DB) and the breed and colour a new cat gets.
#pragma once

#include "IniFile.h"

#include <QList>
#include <QString>
#include <optional>

namespace tav::store {
class Database;
}

namespace tav::app {

class tsysteminfo;

// The one row of EIGEN.DB; its members carry the field names.
struct EigeneDaten {
    QString Name, Vorname, Zwinger, Strasse, Plz, Ort, land, Telefon, Telefax, EMail, Update;
    bool operator==(const EigeneDaten &) const = default;
};

// The fields of EIGEN.DB with their members, in the table's order.
struct EigenesFeld {
    const char *name;
    QString EigeneDaten::*wert;
};
const QList<EigenesFeld> &eigeneFelder();

// The one row of ZUSATZ.DB.
struct Vereinsdaten {
    QString Verein, Mitgliedsnummer, Zwingernummer;
    bool operator==(const Vereinsdaten &) const = default;
};

// Empty values when the table holds no row. Throw EngineError (a missing EIGEN.DB too).
EigeneDaten eigeneDatenLesen(tav::store::Database &db);
Vereinsdaten vereinsdatenLesen(tav::store::Database &db);

// What is wrong with an own record: the number of the message that says it (0: nothing) and the
// field it names (empty for the required names).
struct Pruefung {
    int meldung = 0;
    QString feld;
    bool ok() const { return meldung == 0; }
};
// Name and first name are required; the customer number `Update`, when given, is 1 to 15
// characters of A-Z, a-z, 0-9, "_" and "-" (it becomes part of file names and addresses); no
// field holds more characters than the table keeps, nor a control character.
Pruefung eigeneDatenPruefen(const EigeneDaten &d);
bool kundennummerGueltig(const QString &nummer);

// Writes what is given in one transaction: the own record after its check (nothing is written when
// it fails), the club data. Throws EngineError.
Pruefung anwenderdatenSchreiben(tav::store::Database &db, const std::optional<EigeneDaten> &eigen,
                                const std::optional<Vereinsdaten> &verein = std::nullopt);

// "Tavrenno  <Vorname Name>", the main window's caption.
QString hauptfensterTitel(const EigeneDaten &d);

// Takes the breed and colour of a new cat into the settings and writes their keys
// (Stammdaten/Rasse and /Farbe), each only when it changed: unchanged defaults write nothing.
// False (the settings unchanged) when the file cannot be written.
bool vorgabenSpeichern(tsysteminfo &s, int rasse, const QString &farbe);

} // namespace tav::app
