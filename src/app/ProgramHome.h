#pragma once

#include <QString>

namespace tav::app {

// The home directory holds Daten/, Help/ and Bmp/: set from --home at start-up, else
// $TAVRENNO_HOME, else the directory of the executable.
QString programHome();
void setProgramHome(const QString &home);

} // namespace tav::app
