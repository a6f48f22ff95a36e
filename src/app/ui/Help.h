#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace tav::app::ui {

// Help/<context>.html under the program's home.
QString helpPagePath(int context);
// Opens the help page of a context number in the desktop's browser; false when the page is
// missing or cannot be opened.
bool showHelp(int context);
// Replaces the browser (tests); an empty function restores it.
void setHelpOpener(std::function<bool(const QUrl &)> opener);

} // namespace tav::app::ui
