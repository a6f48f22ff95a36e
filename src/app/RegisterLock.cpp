#include "RegisterLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

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
    m_holder = Holder();
    if (m_lock->tryLock(100))
        return Result::Locked;
    if (m_lock->error() != QLockFile::LockFailedError)
        return Result::CannotCreate;
    // the file is never rewritten while held, so its time is when it was taken
    m_holder.since = QFileInfo(m_path).lastModified();
    if (!m_lock->getLockInfo(&m_holder.pid, &m_holder.host, &m_holder.app) || m_holder.pid <= 0)
        return Result::Unreadable;
    if (!m_holder.host.isEmpty() && m_holder.host != QSysInfo::machineHostName())
        return Result::OtherHost;
    return m_holder.app == cliName() ? Result::HeldByCli : Result::HeldByProgram;
}

RegisterLock::Result RegisterLock::takeOver()
{
    m_lock->removeStaleLockFile();
    return tryLock();
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
    case Result::Unreadable: return QStringLiteral("Die Sperrdatei des Registers ist leer oder unlesbar.");
    case Result::OtherHost:
        return QStringLiteral("Die Sperrdatei des Registers wurde auf einem anderen Rechner geschrieben.");
    case Result::Locked: break;
    }
    return QString();
}

QString RegisterLock::holderLine(const QString &computer, const QString &process, const QString &since) const
{
    QStringList parts;
    if (!m_holder.host.isEmpty())
        parts << computer + QLatin1Char(' ') + m_holder.host;
    if (m_holder.pid > 0)
        parts << process + QLatin1Char(' ') + QString::number(m_holder.pid) +
                     (m_holder.app.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(m_holder.app));
    if (m_holder.since.isValid())
        parts << since + QLatin1Char(' ') + m_holder.since.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    return parts.join(QStringLiteral(", "));
}

QString RegisterLock::holderText() const
{
    const QString line =
        holderLine(QStringLiteral("Rechner"), QStringLiteral("Prozess"), QStringLiteral("seit"));
    return QStringLiteral("Sperrdatei: ") + QDir::toNativeSeparators(m_path) +
           (line.isEmpty() ? QString() : QStringLiteral("\r") + line);
}

} // namespace tav::app
