#pragma once

#include <QString>

namespace tav::app {

// The help pages live in HOME/Help/<language>/<context>.html, one folder per language ("de", "en",
// "nl"). A language without its page falls back to English (only Dutch does so today).
QString helpFolder(const QString &home, int languageNumber);
// The page of a context to show: the language's own page, else the fallback's; when neither
// exists, the language's own path (the one to name in message 179).
QString helpPageFile(const QString &home, int context, int languageNumber);

} // namespace tav::app
