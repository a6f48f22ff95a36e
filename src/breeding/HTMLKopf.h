// HTMLKopf: the head of the HTML pedigree page: the cat's data fields, their arrangement in two
// columns, the name line, the page's language and its default path.
#pragma once

#include "HTMLINI.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace tav::store {
class Database;
}

namespace tav::breeding {

// The values of the 17 head fields of one cat ([1..17]); field 5 holds the sex code, field 13 is
// made of the two coefficient texts.
struct HTMLKopfDaten {
    QString name;
    QString titel;
    std::array<QString, HTMLKopfFelder + 1> wert;
    QString inzucht, ahnenverlust;
};

// Reads the cat's fields; `titel` gives the title text of a cat (the global data module's
// GetTitel). English breed and eye-colour names where stored when `englischeNamen`. Throws
// EngineError.
HTMLKopfDaten htmlKopfDatenLesen(store::Database &db, qint32 katze, bool englischeNamen,
                                 const std::function<QString(qint32)> &titel);

// The name line: title text, a blank and the name, or the name alone.
QString htmlNameZeile(const HTMLKopfDaten &d);

// Field numbers by slot: [slot 1..17][column 1..3], 0 for an empty slot.
using HTMLFelderSortierung = std::array<std::array<int, 4>, HTMLKopfFelder + 1>;

// Gives every field the next free slot of its column, in the order of the tiles' positions (the
// lower field number first on a tie); a field's position becomes oben + slot * 22.
HTMLFelderSortierung htmlNormalisieren(HTMLFelder &felder, int oben);

// The preview lines of head column 1 or 2, from the captions (labels) of the page's language.
QStringList htmlKopfSpalte(int spalte, const HTMLFelderSortierung &sortierung, const HTMLFelder &felder,
                           const HTMLKopfDaten &d, const std::function<QString(int)> &caption);

// The language of the page for the language list's text and the program's language number, and
// whether breed and eye colour take their English names (on an English page).
struct HTMLSeitenSprache {
    int sprache = 0;
    bool englischeNamen = false;
};
HTMLSeitenSprache htmlSeitenSprache(const QString &listenText, int programmSprache);

// Without /, \, *, ?, ", <, >, | in the folder part, and without those and ":" in the file name.
QString htmlPfadBereinigen(const QString &pfad);
// The folder of the last page (HTMLPfad; "LEER" for none: the Bmp folder of the program's home)
// and the cat's name with ".htm".
QString htmlStandardPfad(const QString &htmlPfad, const QString &home, const QString &name);

} // namespace tav::breeding
