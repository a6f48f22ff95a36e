#pragma once

// Cells of the semicolon files the program writes for spreadsheets.

#include <QString>

namespace tav::app {

// A value a spreadsheet would take for a formula (it begins with = + - @, a tab or a carriage
// return) with an apostrophe before it, so that it is shown as the text it is and never run. A
// plain number such as "-2" or "+1,5" is no formula and stays as it is.
QString csvText(const QString &wert);

// One cell of a CSV file (RFC 4180): `csvText`, enclosed in quotes when it holds ";", a quote or a
// line break.
QString csvZelle(const QString &wert);

} // namespace tav::app
