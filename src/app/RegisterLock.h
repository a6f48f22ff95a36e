#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

class QLockFile;

namespace tav::app {

// One lock per register, in its data folder, taken by the program for its whole run and by every
// command of tavrenno-cli that writes. Readers take none. A lock left by a process of this host
// that died is taken over; one that cannot be read or was written on another host (a copied home)
// is only taken over when the user says so.
class RegisterLock
{
  public:
    enum class Result {
        Locked,
        HeldByProgram, // the program runs on this register
        HeldByCli,     // a writing command of tavrenno-cli runs
        CannotCreate,  // the data folder is missing, a file or not writable
        Unreadable,    // the lock file is empty or garbage
        OtherHost,     // written on another computer: whether its holder lives cannot be known
    };

    // who holds the lock, as its file says
    struct Holder {
        qint64 pid = 0;
        QString host, app;
        QDateTime since;
    };

    explicit RegisterLock(const QString &dataDir);
    ~RegisterLock();

    Result tryLock();
    // removes a lock the user declared abandoned and locks again: whoever took it meanwhile wins
    Result takeOver();
    QString path() const { return m_path; }
    Holder holder() const { return m_holder; }
    // The German text for a refusal, the same in the program (its message catalogue) and the CLI.
    QString refusal(Result r) const;
    // the lock file and its holder, in German: "Sperrdatei: ...\rRechner ..., Prozess ..., seit ..."
    QString holderText() const;
    // the holder's line with the catalogue's words for computer, process and since filled in
    QString holderLine(const QString &computer, const QString &process, const QString &since) const;
    static bool mayTakeOver(Result r) { return r == Result::Unreadable || r == Result::OtherHost; }

    static QString cliName() { return QStringLiteral("tavrenno-cli"); }

  private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    Holder m_holder;
};

} // namespace tav::app
