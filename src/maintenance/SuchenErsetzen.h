// SuchenErsetzen: the hit test and the replacements of the search-and-replace dialog.
#pragma once

#include "store/TableDef.h"

#include <QRect>
#include <QString>
#include <functional>

namespace tav::store {
class Table;
}

namespace tav::maintenance {

struct Suche {
    QString feld;     // the column's field
    QString text;     // what is searched
    QString ersetzen; // what replaces it (empty when only searching)
    bool grossKleinIgnorieren = false;
    bool ganzesWort = false;
};

// Where the hit starts in a field's text, -1 for none. Only the first occurrence counts: with
// "whole word" it is a hit only when blanks or the text's ends surround it. A text that holds
// the replacement already (and the search text does not) is no hit, so that it is not replaced
// again.
int trefferPosition(const QString &feldtext, const Suche &s);

// The text with the hit at `pos` replaced.
QString ersetzterText(const QString &feldtext, int pos, const Suche &s);

// Moves the cursor from the current record (included) to the next hit; false with the cursor
// at the end when there is none. `abbrechen` is asked before each record.
bool naechsterTreffer(tav::store::Table &t, const Suche &s, const std::function<bool()> &abbrechen = {});

// Replaces the first occurrence in the current record and posts it; false when it is no hit.
bool ersetzen(tav::store::Table &t, const Suche &s);

// Replaces the first occurrence in every hit from the current record to the last, in one
// transaction, and gives their number. Records whose new text moves them in the order are each
// replaced once. Stopped by `abbrechen`, the replacements made so far are kept.
int alleErsetzen(tav::store::Table &t, const Suche &s, const std::function<bool()> &abbrechen = {});

// Whether a key may be typed into the search texts of a column of that type: integer columns
// take digits only, date columns digits and '.'.
bool zeichenErlaubt(tav::store::FieldType typ, QChar c);

// Where the dialog goes so that it does not cover the cell of a hit (screen coordinates): above
// the cell, or below it when above would leave the grid's top; unchanged when it is clear.
QPoint ausweichen(const QRect &dialog, const QRect &zelle, int gridOben);

} // namespace tav::maintenance
