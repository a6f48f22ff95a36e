// Dates as the user types them into fields and grid cells.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

namespace tav::app {

// The program shows a date as dd.mm.yyyy in all three languages, and message 902 asks for that
// form in each: so that form is what is read, whatever the language; one or two digits for day and
// month, and a two-digit year below 50 is 20xx, else 19xx. Other orders are not guessed at (is
// 01/02 the first of February or the second of January?). An empty text is an empty date (an
// invalid QDate); nullopt: the text is no date.
std::optional<QDate> eingabeDatum(const QString &text);
// A date as above, optionally followed by a time "hh:mm" or "hh:mm:ss"; without one it is midnight.
std::optional<QDateTime> eingabeZeitpunkt(const QString &text);
// A moment as the program shows it: the date, and the time only when it is not midnight.
QString zeitpunktText(const QDateTime &zeitpunkt);

} // namespace tav::app
