// Adressen: the rules of the address window: its register tabs, the status list, the save check,
// the duplicate lookup and where the window stands when a cat's address button opens it.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::office {

// the tabs after the seven letter tabs and "V-Z"; one tab per status follows "A-Z"
enum AdressReiter : int { ReiterVZ = 7, ReiterSuche = 8, ReiterNeu = 9, ReiterAlle = 10, ReiterStatus = 11 };

// The German texts of the tabs: "ABC" … "STU", "V-Z", "Suche", "Neu", "A-Z", then the statuses.
QStringList reiterTexte(const QStringList &status);

// The range a tab selects: an index and its bounds (an empty `bis`: to the end).
struct AdressBereich {
    QString index;
    QVariantList von, bis;
};
// The range of a letter or status tab; none for "Suche", "Neu" and "A-Z" (and unknown tabs).
std::optional<AdressBereich> reiterBereich(int reiter, const QStringList &status);
// Puts the range of the tab on the address table, or cancels the range (all addresses, by name).
void bereichSetzen(tav::store::Table &adressen, int reiter, const QStringList &status);

// the statuses of STATUSADRESSEN in table order
QStringList statusListe(tav::store::Database &db);
constexpr int MaxStatus = 10;
// whether the status list takes no further entry
inline bool statusVoll(int anzahl)
{
    return anzahl >= MaxStatus;
}

// An address is only saved with a name.
bool nameFehlt(const tav::store::Table &adresse);

// Another address of the same name and first name (0: none); `ausser` is the address itself.
int gleicherName(tav::store::Database &db, const QString &name, const QString &vorname, int ausser = 0);

// Where the address window stands when a cat's breeder or owner button opens it: on that address,
// on a new address, or on all addresses (`nummer` 0, `neu` false) as from the menu.
enum class AdressAufruf { Menue, Zuechter, Besitzer };
struct AdressZiel {
    bool neu = false;
    int nummer = 0;
};
// `katzeStatus` 1: the cat is the breeder's own, its owner is no address
AdressZiel adressZiel(AdressAufruf aufruf, int zuechter, int besitzer, int katzeStatus);

} // namespace tav::office
