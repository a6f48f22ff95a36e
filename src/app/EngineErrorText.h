#pragma once

#include <QString>
#include <QStringList>

namespace tav::store {
class EngineError;
}

namespace tav::app {

// The words of the database error dialog, which tavrenno-cli prints as well: the table as the
// dialog names it ("rasse" for RASSE.DB), its line ("Datei: rasse") and one line per entry of the
// error's stack ("Eintrag: 0, Fehlernummer: 12029,  ...").
QString errorTableName(const QString &datei);
QString errorFileLine(const QString &datei);
QStringList errorEntryLines(const tav::store::EngineError &e);
// The file line (when a file is known) and every entry line; for a busy time-out the file line
// and busyText() instead of the engine's own words.
QStringList errorText(const tav::store::EngineError &e, const QString &datei);
// The engine waited its whole time-out for another process that was writing.
bool isBusyTimeout(const tav::store::EngineError &e);
// German; the message catalogue has it as busyMessage in every language.
QString busyText();
constexpr int busyMessage = 9477;

} // namespace tav::app
