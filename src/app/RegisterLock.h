#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace tav::app {

// One lock per register, in its data folder, taken by the program for its whole run and by every
// command of tavrenno-cli that writes. Readers take none. A lock left by a process that died is
// taken over.
class RegisterLock
{
  public:
    enum class Result {
        Locked,
        HeldByProgram, // the program runs on this register
        HeldByCli,     // a writing command of tavrenno-cli runs
        CannotCreate,  // the data folder is missing, a file or not writable
    };

    explicit RegisterLock(const QString &dataDir);
    ~RegisterLock();

    Result tryLock();
    QString path() const { return m_path; }
    // The German text for a refusal, the same in the program (its message catalogue) and the CLI.
    QString refusal(Result r) const;

    static QString cliName() { return QStringLiteral("tavrenno-cli"); }

  private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace tav::app
