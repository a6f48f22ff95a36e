#include "RegisterLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace tav::app {

RegisterLock::RegisterLock(const QString &dataDir)
    : m_path(QDir(dataDir).filePath(QStringLiteral("tavrenno.lock"))),
      m_lock(std::make_unique<QLockFile>(m_path))
{
    // never stale by age: a holder that died is noticed by its process number
    m_lock->setStaleLockTime(0);
}

RegisterLock::~RegisterLock() = default;

RegisterLock::Result RegisterLock::tryLock()
{
    if (m_lock->tryLock(100))
        return Result::Locked;
    if (m_lock->error() != QLockFile::LockFailedError)
        return Result::CannotCreate;
    qint64 pid = 0;
    QString host, app;
    m_lock->getLockInfo(&pid, &host, &app);
    return app == cliName() ? Result::HeldByCli : Result::HeldByProgram;
}

QString RegisterLock::refusal(Result r) const
{
    switch (r) {
    case Result::HeldByProgram:
        return QStringLiteral("Das Programm arbeitet mit diesem Register; nichts geändert.");
    case Result::HeldByCli:
        return QStringLiteral("tavrenno-cli ändert gerade dieses Register. Bitte später erneut versuchen.");
    case Result::CannotCreate:
        return QStringLiteral("Sperrdatei nicht anlegbar; der Datenordner muss beschreibbar sein:\r") +
               QDir::toNativeSeparators(m_path);
    case Result::Locked: break;
    }
    return QString();
}

} // namespace tav::app
