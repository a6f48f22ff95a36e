#include "FileCheck.h"

#include "EngineError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <unistd.h>

namespace tav::store {

namespace {
[[noreturn]] void fail(EngineError::Category cat, int c, const QString &path, const QString &text)
{
    EngineError e(cat, c, text);
    e.setFile(QFileInfo(path).fileName());
    throw e;
}

bool writable(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

// a rollback journal whose header was written: the engine must play it back before reading
bool pendingJournal(const QString &path)
{
    QFile j(path + QStringLiteral("-journal"));
    if (!j.open(QIODevice::ReadOnly))
        return false;
    char first = 0;
    return j.getChar(&first) && first != 0;
}
} // namespace

void checkTableFile(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (info.isDir())
        fail(EngineError::Category::Io, code::Io, path,
             QStringLiteral("An der Stelle der Datei %1 steht ein Ordner.").arg(name));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail(EngineError::Category::Io, code::Io, path,
             QStringLiteral("Die Datei %1 kann nicht gelesen werden (keine Berechtigung).").arg(name));
    const qint64 size = f.size();
    if (size == 0)
        fail(EngineError::Category::Layout, code::TableCorrupt, path,
             QStringLiteral("Die Datei %1 ist leer (0 Bytes).").arg(name));
    const QByteArray head = f.read(100);
    if (!head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        fail(EngineError::Category::Layout, code::TableCorrupt, path,
             QStringLiteral("Die Datei %1 ist keine Tabelle: ihr Inhalt hat ein fremdes Format.").arg(name));
    if (pendingJournal(path) && (!writable(info.absolutePath()) || !writable(path)))
        fail(EngineError::Category::Io, code::ReadOnly, path,
             QStringLiteral(
                 "Die Datei %1 hat eine unterbrochene Änderung. Sie wird zurückgenommen, sobald der "
                 "Ordner %2 und die Datei beschreibbar sind; die Datei ist unversehrt.")
                 .arg(name, QDir::toNativeSeparators(info.absolutePath())));
    if (head.size() < 100)
        fail(EngineError::Category::Layout, code::TableCorrupt, path,
             QStringLiteral("Die Datei %1 ist abgeschnitten: %2 Bytes.").arg(name).arg(size));
    // the page count of the header counts only when it was written with the last change
    const auto *h = reinterpret_cast<const uchar *>(head.constData());
    const quint32 pageSize = qFromBigEndian<quint16>(h + 16) == 1 ? 65536 : qFromBigEndian<quint16>(h + 16);
    const quint32 pages = qFromBigEndian<quint32>(h + 28);
    const bool countValid = pages > 0 && qFromBigEndian<quint32>(h + 24) == qFromBigEndian<quint32>(h + 92);
    if (countValid && qint64(pageSize) * pages > size)
        fail(EngineError::Category::Layout, code::TableCorrupt, path,
             QStringLiteral("Die Datei %1 ist abgeschnitten: %2 von %3 Bytes.")
                 .arg(name)
                 .arg(size)
                 .arg(qint64(pageSize) * pages));
}

void checkTableWritable(const QString &path)
{
    if (!writable(path))
        fail(EngineError::Category::InvalidRequest, code::ReadOnly, path,
             QStringLiteral("Die Datei %1 ist schreibgeschützt; keine Änderung kann gespeichert werden.")
                 .arg(QFileInfo(path).fileName()));
}

} // namespace tav::store
