// Stammdaten: rules of a cat's master record: new-cat values, addresses, age, pictures, caption.
#pragma once

#include <QDate>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::cats {

// --- a new cat -------------------------------------------------------------------

// The status every new cat gets (STATUS.DB "Fremdkatze"); 1 would make it one of the breeder's own.
constexpr int StatusNeueKatze = 2;

// The defaults of the settings for a new record; empty or 0: none.
struct NeueKatzeVorgaben {
    QString farbe;
    int rasse = 0;
    int fellart = 0;
};
// The fields a new cat starts with before anything is typed, in the order they are set: no other
// registration, colour, breed and coat type of the defaults when given, and the status.
QList<QPair<QString, QVariant>> neueKatzeWerte(const NeueKatzeVorgaben &vorgaben = {});

// --- address blocks of the breeder and the owner ------------------------------

struct Adresse {
    QString name, vorname, strasse, plz, ort, land, telefon;
};

// At most five lines: "Name, Vorname" (or `anzeige` when given), street, place with a country
// code of 1 to 3 characters in front ("D-12345 Ort"), telephone, a longer country name last.
QStringList adressBlock(const Adresse &a, const QString &anzeige = QString());
// The block of address `nr` on the cursor `adressen` over ADR_DAT.DB, its lines joined by line
// breaks; empty for no or an unknown number. Throws EngineError.
QString adressText(tav::store::Table &adressen, int nr);
// The block of the breeder's own address (the first row of EIGEN.DB), the owner of the breeder's own
// cats; empty when none is entered. Throws EngineError.
QString eigeneAdresseText(tav::store::Database &db);

// --- age shown beside the birth date -------------------------------------------

struct AlterAnzeige {
    bool mitGeburt = false; // a birth date is set: the wide age panel
    bool tot = false;       // the cross and "erreichtes Alter" are shown, the death date beside the birth
    QString alterAkt;       // current age of a living cat
    QString alter;          // age reached, for a cat with a death date
};
// `status` 4 counts as dead; a cat older than 25 years without a death date is shown as dead, with
// an empty age. `alterText` is the age text for birth to end date (today or the death date).
AlterAnzeige alterAnzeige(const QDate &geb, const QDate &tod, int status, int jahre,
                          const QString &alterText);
// the end date of the age: the death date once set or when the status says dead, else today
QDate alterEnde(const QDate &tod, int status, const QDate &heute);
// The age of a cat as it is shown on `heute`, with the age texts in the words of the language.
AlterAnzeige alterAnzeigeAm(const QDate &geb, const QDate &tod, int status, const QDate &heute);

// --- remark preview ------------------------------------------------------------

// Up to six blank-separated pieces of the remark, then the rest cut to 20 characters; " ..." when
// the preview is shorter than the remark.
QString bemerkungVorschau(const QString &bemerkung);

// --- pictures --------------------------------------------------------------------

// Where a picture of `bild` pixels goes in a panel: scaled to the panel less its margins when
// `anpassen` (never distorted), centred either way.
QRect bildEinpassen(const QSize &bild, const QSize &panel, int rand, bool anpassen);

// The picture chosen for print (Feld2) after picture `geloescht` (1-based) was deleted.
int druckBildNachLoeschen(int feld2, int geloescht);
// Whether a typed print picture number names one of `anzahl` pictures.
bool druckBildGueltig(int feld2, int anzahl);

// "Bild n von m" ("Picture n of m" with the English interface, "Afbeelding n van m" with the Dutch).
QString bildZaehler(int akt, int anzahl, int sprache);

// --- window caption ---------------------------------------------------------------

// The name, then ", " and the birth date text and ", " and the colour when they are not empty.
QString katzeUeberschrift(const QString &name, const QString &gebText, const QString &farbe);

} // namespace tav::cats
