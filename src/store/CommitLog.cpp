#include "CommitLog.h"

#include "EngineError.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sqlite3.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tav::store {

namespace {

const char *const VfsName = "tavstore";
const QString IntentPrefix = QStringLiteral("tavrenno-commit-");
const QByteArray Header = QByteArrayLiteral("tavrenno-commit 1\n");

sqlite3_vfs g_vfs;
int (*g_baseDelete)(sqlite3_vfs *, const char *, int) = nullptr;
std::mutex g_mutex;
std::set<std::string> g_held; // journals to keep, by the path SQLite deletes them under

std::string undoName(const std::string &journal)
{
    return journal.substr(0, journal.size() - std::strlen("-journal")) + "-undo";
}

QString undoPath(const QString &table)
{
    return table + QStringLiteral("-undo");
}
QString journalPath(const QString &table)
{
    return table + QStringLiteral("-journal");
}

bool syncDir(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

int keepingDelete(sqlite3_vfs *vfs, const char *path, int dirSync)
{
    bool keep = false;
    {
        std::lock_guard lock(g_mutex);
        keep = g_held.erase(path) > 0; // only the first deletion: the commit of that file
    }
    if (!keep)
        return g_baseDelete(vfs, path, dirSync);
    if (::rename(path, undoName(path).c_str()) != 0)
        return SQLITE_IOERR_DELETE;
    if (dirSync)
        syncDir(QFileInfo(QFile::decodeName(path)).absolutePath());
    return SQLITE_OK;
}

void hold(const QString &table, bool on)
{
    const std::string journal = QFile::encodeName(journalPath(table)).toStdString();
    std::lock_guard lock(g_mutex);
    if (on)
        g_held.insert(journal);
    else
        g_held.erase(journal);
}

// A journal whose header was written: SQLite plays it back. One whose header is still blank
// belongs to a change that had not yet written to its table file.
bool hotJournal(const QString &table)
{
    QFile j(journalPath(table));
    char first = 0;
    return j.open(QIODevice::ReadOnly) && j.getChar(&first) && first != 0;
}

// Opens the table and reads, which makes SQLite roll back a hot journal.
void playBack(const QString &table)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(table).constData(), &db, SQLITE_OPEN_READWRITE, storeVfs()) ==
        SQLITE_OK) {
        sqlite3_busy_timeout(db, 5000);
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    sqlite3_close_v2(db);
}

QByteArray checksum(const QByteArray &body)
{
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
}

struct Intent {
    bool complete = false;
    QString what;
    QStringList tables; // file names
};

Intent readIntent(int fd)
{
    QByteArray all;
    char buf[4096];
    ssize_t n;
    ::lseek(fd, 0, SEEK_SET);
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
        all.append(buf, n);
    Intent i;
    const qsizetype end = all.lastIndexOf("end\t");
    if (!all.startsWith(Header) || end < 0 || all.mid(end + 4).trimmed() != checksum(all.left(end)))
        return i;
    for (const QByteArray &line : all.left(end).split('\n')) {
        if (line.startsWith("what\t"))
            i.what = QString::fromUtf8(line.mid(5));
        else if (line.startsWith("file\t"))
            i.tables << QString::fromUtf8(line.mid(5));
    }
    i.complete = true;
    return i;
}

} // namespace

const char *storeVfs()
{
    static std::once_flag once;
    std::call_once(once, [] {
        sqlite3_vfs *base = sqlite3_vfs_find(nullptr);
        g_vfs = *base;
        g_vfs.zName = VfsName;
        g_vfs.pNext = nullptr;
        g_baseDelete = base->xDelete;
        g_vfs.xDelete = keepingDelete;
        sqlite3_vfs_register(&g_vfs, 0);
    });
    return VfsName;
}

CommitLog::CommitLog(const QString &dataDir, const QVector<sqlite3 *> &connections, const QString &what)
    : m_dir(QDir(dataDir).absolutePath())
{
    static std::atomic<quint64> serial{0};
    m_path = QDir(m_dir).filePath(IntentPrefix + QString::number(::getpid()) + QLatin1Char('-') +
                                  QString::number(++serial));
    QByteArray body = Header + "what\t" + what.toUtf8().replace('\n', ' ') + '\n';
    for (sqlite3 *c : connections) {
        const QString table = QString::fromUtf8(sqlite3_db_filename(c, "main"));
        m_tables << table;
        body += "file\t" + QFileInfo(table).fileName().toUtf8() + '\n';
    }
    body += "end\t" + checksum(body) + '\n';
    const auto fail = [this](const QString &text) {
        if (m_fd >= 0) {
            ::unlink(QFile::encodeName(m_path).constData());
            ::close(m_fd);
            m_fd = -1;
        }
        EngineError e(EngineError::Category::Io, code::Io, text);
        e.setFile(QFileInfo(m_path).fileName());
        throw e;
    };
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (m_fd < 0)
        fail(QStringLiteral("Im Ordner %1 kann keine Datei angelegt werden: %2")
                 .arg(QDir::toNativeSeparators(m_dir), QString::fromLocal8Bit(std::strerror(errno))));
    ::flock(m_fd, LOCK_EX);
    if (::write(m_fd, body.constData(), size_t(body.size())) != body.size() || ::fsync(m_fd) != 0 ||
        !syncDir(m_dir))
        fail(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                 .arg(QDir::toNativeSeparators(m_path), QString::fromLocal8Bit(std::strerror(errno))));
    for (const QString &t : std::as_const(m_tables))
        hold(t, true);
    m_connections = connections;
}

CommitLog::~CommitLog()
{
    if (!m_done)
        undo();
}

void CommitLog::release() noexcept
{
    for (const QString &t : std::as_const(m_tables))
        hold(t, false);
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_done = true;
}

void CommitLog::finish()
{
    for (const QString &t : std::as_const(m_tables))
        hold(t, false);
    if (::unlink(QFile::encodeName(m_path).constData()) != 0 || !syncDir(m_dir)) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        undo();
        EngineError e(EngineError::Category::Io, code::Io,
                      QStringLiteral("Die Datei %1 kann nicht gelöscht werden: %2")
                          .arg(QDir::toNativeSeparators(m_path), reason));
        e.setFile(QFileInfo(m_path).fileName());
        throw e;
    }
    for (const QString &t : std::as_const(m_tables))
        QFile::remove(undoPath(t));
    release();
}

bool CommitLog::undo() noexcept
{
    if (m_done)
        return true;
    for (const QString &t : std::as_const(m_tables))
        hold(t, false);
    bool ok = true;
    for (int i = 0; i < m_tables.size(); ++i) {
        const QString &t = m_tables[i];
        if (!QFileInfo::exists(undoPath(t)))
            continue; // not committed
        if (QFileInfo::exists(journalPath(t)) ||
            ::rename(QFile::encodeName(undoPath(t)).constData(),
                     QFile::encodeName(journalPath(t)).constData()) != 0) {
            ok = false;
            continue;
        }
        // the file's own connection plays it back and forgets its pages
        sqlite3_exec(m_connections[i], "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        if (hotJournal(t)) {
            playBack(t);
            ok = ok && !hotJournal(t);
        }
    }
    if (ok) {
        ::unlink(QFile::encodeName(m_path).constData());
        syncDir(m_dir);
    }
    release();
    return ok;
}

QVector<InterruptedChange> recoverInterrupted(const QString &dataDir)
{
    QVector<InterruptedChange> out;
    const QDir d(dataDir);
    if (!d.exists() || ::access(QFile::encodeName(d.absolutePath()).constData(), W_OK) != 0)
        return out;
    bool liveOwner = false;
    const QStringList intents = d.entryList({IntentPrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    for (const QString &name : intents) {
        const QByteArray path = QFile::encodeName(d.filePath(name));
        const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened, named;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            liveOwner = true; // its owner is committing right now
            ::close(fd);
            continue;
        }
        if (::fstat(fd, &opened) != 0 || ::stat(path.constData(), &named) != 0 ||
            opened.st_ino != named.st_ino) {
            ::close(fd); // finished while we looked
            continue;
        }
        // an intent file that is not whole was being written: no file had committed yet
        const Intent intent = readIntent(fd);
        bool ok = true;
        for (const QString &table : intent.tables) {
            const QString t = d.filePath(table);
            if (!QFileInfo::exists(undoPath(t)))
                continue;
            if (hotJournal(t))
                QFile::remove(undoPath(t)); // not committed: its own journal is the one to play back
            else
                ok = ::rename(QFile::encodeName(undoPath(t)).constData(),
                              QFile::encodeName(journalPath(t)).constData()) == 0 &&
                     ok;
        }
        for (const QString &table : intent.tables) {
            const QString t = d.filePath(table);
            if (QFileInfo::exists(t))
                playBack(t);
            ok = ok && !hotJournal(t);
        }
        if (ok) {
            if (intent.complete)
                out.append({intent.what, intent.tables});
            ::unlink(path.constData());
            syncDir(d.absolutePath());
        }
        ::close(fd);
    }
    // kept journals of commits that got past their commit point
    if (!liveOwner && d.entryList({IntentPrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden).isEmpty()) {
        for (const QString &name : d.entryList({QStringLiteral("*-undo")}, QDir::Files | QDir::Hidden))
            QFile::remove(d.filePath(name));
    }
    // a change of one table that was interrupted
    for (const QString &name : d.entryList({QStringLiteral("*-journal")}, QDir::Files | QDir::Hidden)) {
        const QString table = d.filePath(name.chopped(8));
        if (!QFileInfo::exists(table) || !hotJournal(table))
            continue;
        playBack(table);
        if (!hotJournal(table))
            out.append({QString(), {name.chopped(8)}});
    }
    return out;
}

QString describe(const InterruptedChange &c)
{
    return c.what.isEmpty() ? c.tables.join(QStringLiteral(", ")) : c.what;
}

} // namespace tav::store
