// Referenzlisten: the reference lists (breeds, colours, titles, traits, ...) declared once each.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace tav::store {
class Database;
}

// The reference lists the cat record window offers in its combos (breeds, colours, titles, traits,
// ...): one declaration each, which the shared list window builds itself from.
namespace tav::cats {

struct ReferenzFeld {
    enum class Art { Text, Zahl, Auswahl, Farbe };
    QString name;
    int tag = 0;    // caption tag of its label and grid column
    int laenge = 0; // characters the edit takes (0: the field's size)
    Art art = Art::Text;
    QStringList werte;      // Auswahl: the stored value of each item; the items' texts follow the tag
    bool versteckt = false; // hidden in this edition's layout
};

// A table that stores the list's record numbers: rows it refers to are counted before a delete.
struct Verwendung {
    QString tabelle, feld;
};

enum class Auffrischen { Nichts, Rassen, Farben, Augenfarben, Fellarten, Titel, Katzenliste };

struct Referenzliste {
    QString fenster;    // window name (menu and exclusive check), e.g. "rassen"
    QString objektName; // name in the caption catalogue, e.g. "Rassen"
    int tag = 0;        // window caption
    QString tabelle, index, nummernFeld;
    QVector<ReferenzFeld> felder;
    QVector<int> geschuetzt; // rows that can neither be changed nor deleted
    bool zweiSeiten = false; // a page of edit fields beside the grid
    bool einfuegen = false;  // "Hinzufügen" inserts at the current row instead of appending
    bool farbListe = false;  // a list of colours edited through the colour dialog only
    bool drucken = false;    // has a print-out
    bool anlegen = false;    // the table is created when it is missing
    int hilfe = 0;
    Auffrischen auffrischen = Auffrischen::Nichts;
    QVector<Verwendung> verwendetIn;
};

const QVector<Referenzliste> &referenzlisten();
const Referenzliste *referenzliste(const QString &fenster);

bool istGeschuetzt(const Referenzliste &liste, qint64 nummer);

// How many records of other tables hold that row's number (bound values only).
int verwendungen(tav::store::Database &db, const Referenzliste &liste, qint64 nummer);

// Status names: position p shows and stores the record numbered p, so that a cat's stored status
// keeps its meaning. At most nine.
constexpr int MaxStatus = 9;
QStringList statusLaden(tav::store::Database &db);
// Writes the names by position in one transaction: trailing empty names are dropped and their
// records deleted; an empty name in between keeps (or leaves absent) its record's place.
void statusSpeichern(tav::store::Database &db, QStringList namen);
// The name a status shows: STATUS.DB comes with German names, and a status still named as
// delivered (in any of the three languages: captions 9964 to 9970 for the statuses 1 to 7) takes
// the program's language; a name of the user's own stays as typed.
QString statusAnzeige(int nummer, const QString &name);
// The name to store for what a status field shows: its stored name while the field still shows
// that name's display form, else the field's text.
QString statusEingabe(int nummer, const QString &gespeichert, const QString &gezeigt);

} // namespace tav::cats
