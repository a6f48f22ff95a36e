#pragma once

#include <QString>

namespace tav::cats {

// SQLite's upper() and LIKE fold ASCII letters only, so "müller" would miss "MÜLLER". A GLOB
// pattern with a character class per cased letter ("[mM][üÜ]...") compares without regard to case
// for every alphabet, and the user's "*", "?" and "[" (as well as "%" and "_", which GLOB does not
// treat specially) stay literal. The pattern is always bound, never pasted into SQL.
QString globNoCase(const QString &text);
// the same, matching every text that starts with `text`
QString globPrefixNoCase(const QString &text);
// The search dialog's "entry%": the user's "%" (any text) and "_" (one character) keep their
// meaning, everything else is compared as in globPrefixNoCase.
QString likePrefixNoCase(const QString &text);
// case-sensitive, only the GLOB wildcards escaped
QString globLiteral(const QString &text);

// Upper-cases letter by letter so that positions stay aligned with the original text
// (QString::toUpper turns "ß" into "SS").
QString upperSameLength(const QString &text);

} // namespace tav::cats
