// Startup: the program's start: splash, checks, lock, main window.
#pragma once

#include <QString>
#include <functional>

namespace tav::app::ui {

// The program: single instance, splash, the data-directory test, the main window and the windows
// that live for the whole run, then the message loop. Returns the exit code.
int runProgram(int argc, char *argv[]);

// The home from the arguments (--home DIR), else $TAVRENNO_HOME, else the program's directory.
QString homeFromArguments(const QStringList &args);

// Rooms add the windows they build here (called once the main window exists).
void addWindowRegistration(std::function<void()> registration);

} // namespace tav::app::ui
