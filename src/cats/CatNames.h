#pragma once

#include <QDate>
#include <QString>
#include <QVector>
#include <optional>

namespace tav::store {
class Database;
}

namespace tav::cats {

// The form in which a typed name is compared and split: blanks at both ends dropped, runs of
// blanks (tabs, line breaks) made one space. A name of blanks only becomes empty.
QString normalizedName(const QString &name);

// --- leaving the name field (DBNameNeu) ------------------------------------

struct NameVerlassen {
    bool duplikatPruefen = false; // look for cats of the same name first (found-cat dialog)
    bool katzenSuche = false;     // pedigree entry with "%" in the name: the main window's search
    bool zwingerAbleiten = false; // then derive the cattery (unless the duplicate check loaded a cat)
};
// What leaving the name field does, in this order. Nothing when the focus went to "Rückgängig".
NameVerlassen nameVerlassen(bool fokusRueckgaengig, bool neuerSatz, bool sucheBeiNeuaufnahme, bool neuAusStb,
                            const QString &name, const QString &zwinger);

// --- cattery name from the cat's name ----------------------------------------

enum class Schnitt {
    Hinter, // the cattery is the part behind the marker
    Vor,    // the part in front of the marker
    Bis     // the part up to and including the marker's last non-space character
};

struct ZwingerMarke {
    QString text;
    Schnitt schnitt;
    bool wieGetippt; // searched in the name as typed, else in the upper-cased name
};

// The markers in the order in which they are tried: the first one that occurs anywhere in the
// name decides, whatever its position.
const QVector<ZwingerMarke> &zwingerMarken();

struct ZwingerAbleitung {
    QString zwinger;
    int marke = -1; // index into zwingerMarken()
};

// The cattery name a name implies, or nothing (one-word name, or a cut that leaves nothing).
// With `zusatzBeiZwinger` a cut behind a particle keeps the particle as typed ("vom Katzenhaus").
std::optional<ZwingerAbleitung> zwingerAusName(const QString &name, bool zusatzBeiZwinger);

// --- duplicate names --------------------------------------------------------

struct GefundeneKatze {
    int LaufendeNummer = 0;
    QString Name;
    QString Zwinger;
    QString Geschlecht;
    QDate GebDatum;
};

// Cats of CATSTAMM.DB whose name equals `name` without regard to case (compared in normalised
// form), in the order of Nameidx; the cat numbered `ausser` is left out.
QVector<GefundeneKatze> katzenMitNamen(tav::store::Database &db, const QString &name, int ausser = 0);

namespace meldung {
constexpr int FalschesGeschlecht = 218;
constexpr int EigenerVorfahr = 225; // followed by a space and message 226
constexpr int AndereKatzeWaehlen = 226;
} // namespace meldung

// Whether a found cat may be loaded to fill the gap of a pedigree entry: 0 when it fits,
// message 218 when its sex does not suit the missing parent ('V' father, 'M' mother),
// message 225 when it is the cat whose parent is being added.
int ahnenlueckePruefen(const GefundeneKatze &gefunden, QChar vmZeiger, int catNr);

// --- cattery to breeder (DBzwingerExit) -------------------------------------

// The address (LaufendeNr of ADR_DAT.DB) whose Zwinger equals the cattery name without regard
// to case, first in the order of AdrZwing; nothing for an empty cattery name or no match.
std::optional<int> zuechterZumZwinger(tav::store::Database &db, const QString &zwinger);

} // namespace tav::cats
