// Startup: the program's start: splash, checks, lock, main window.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include <QStringList>

namespace tav::store {
class Database;
}
namespace tav::maintenance {
class TDataModuleIndex;
}
namespace tav::app {
class RegisterLock;
class TDatenGlobal;
} // namespace tav::app

namespace tav::shell {

class TIntro;
class TMirravel;

// One run of the program on a home: start() does everything up to the message loop (splash, the
// data-directory test, settings, lock, the main window and the windows that live for the whole
// run); the destructor ends the run in order, windows before tables. A test may start the program
// again in the same process once the old run is gone.
class ProgramRun
{
  public:
    ProgramRun();
    ~ProgramRun();
    ProgramRun(const ProgramRun &) = delete;
    ProgramRun &operator=(const ProgramRun &) = delete;

    // false when the start stopped (it said why); exitCode() is then what the program returns
    bool start(const QStringList &args);
    int exitCode() const { return m_exitCode; }
    TMirravel *mainWindow() const { return m_main.get(); }
    tav::store::Database *database() const { return m_db.get(); }
    QString home() const { return m_home; }

  private:
    QString m_home;
    int m_exitCode = 0;
    std::unique_ptr<TIntro> m_intro;
    std::unique_ptr<tav::store::Database> m_db;
    std::unique_ptr<tav::maintenance::TDataModuleIndex> m_dataModule;
    std::unique_ptr<app::RegisterLock> m_lock;
    std::unique_ptr<TMirravel> m_main;
    std::unique_ptr<app::TDatenGlobal> m_global;
};

// The program: single instance, splash, the data-directory test, the main window and the windows
// that live for the whole run, then the message loop. Returns the exit code.
int runProgram(int argc, char *argv[]);

// The home from the arguments (--home DIR), else $TAVRENNO_HOME, else the program's directory.
QString homeFromArguments(const QStringList &args);

// Rooms add the windows they build here (called once the main window exists).
void addWindowRegistration(std::function<void()> registration);

} // namespace tav::shell
