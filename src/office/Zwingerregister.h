// Zwingerregister: the cattery registers (the general one delivered as data, the private one kept
// by the breeder): their declarations, the entries by kind, the search, the breeder's name split
// and the copy of a cattery into the address book.
#pragma once

#include "Bueroliste.h"

#include <QStringList>
#include <QVariant>
#include <array>

namespace tav::store {
class Database;
}

namespace tav::office {

// Kinds of entries: stud, breeding queen, kittens.
enum class KatzeArt { Deckkater = 1, Zuchtkatze = 2, Jungtiere = 3 };

struct ZwingerTabellen {
    QString zwinger;   // the register
    QString eintraege; // the entries of its catteries
};
ZwingerTabellen zwingerTabellen(bool privat);

// The register window's declaration (fields, grid columns, sort criteria and their indexes).
const Bueroliste &zwingerregisterListe(bool privat);

// The program's arguments switch the general register to data entry.
bool dateneingabe(const QStringList &argumente);

// Creates the private register's tables whose files are missing; files that are there, whatever
// they hold, stay as they are (opening them reports what is wrong). The names of those created.
QStringList privatesRegisterAnlegen(tav::store::Database &db);

// Which kinds a cattery has entries of, and whether one of them has a picture.
struct ZwingerArten {
    std::array<bool, 3> vorhanden{};
    std::array<bool, 3> bild{};
};
ZwingerArten zwingerArten(tav::store::Database &db, const ZwingerTabellen &t, qint64 zwinger);

// The search dialog's criteria; every filled one must match the start of its field, its text taken
// literally, upper and lower case as typed.
struct ZwinSuche {
    QString zuechter, zwinger, plz, ort, rasse;
    int art = 0; // 0 every cattery, else only those with entries of that kind
};
struct ZwinAbfrage {
    QString sql;
    QVariantList werte;
};
ZwinAbfrage zwinSuchAbfrage(const ZwinSuche &s, const ZwingerTabellen &t);
// Columns of the search result, in the order of the query.
const QStringList &zwinSuchSpalten();

// "Name, Vorname" of the breeder: the name before the first comma, the first name after it without
// the blanks around it. A text without comma, or with nothing before it, is all name: an address
// needs one.
struct Zuechtername {
    QString name, vorname;
};
Zuechtername zuechterTeilen(const QString &zuechter);

// A register row as an address.
struct ZwingerAdresse {
    QString zuechter, zwinger, rasse, strasse, plz, ort, land, telefon, telefax, email, homepage, handy;
};
bool adresseVorhanden(tav::store::Database &db, const Zuechtername &n);
// Appends the cattery's breeder to ADR_DAT.DB with the status "Züchter" (caption 9971 in the
// program's language) and the code of the breed whose name is the register's breed text; returns
// the new address number.
qint64 inAdressenUebernehmen(tav::store::Database &db, const ZwingerAdresse &a);

} // namespace tav::office
