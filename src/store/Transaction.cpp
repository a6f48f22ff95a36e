#include "Transaction.h"

#include "CommitLog.h"
#include "Database.h"
#include "Statement.h"

#include <atomic>
#include <memory>
#include <sqlite3.h>

namespace tav::store {

namespace {
// one name per guard, so that RELEASE and ROLLBACK TO of a nested guard find its own savepoint
QByteArray nextSavepoint()
{
    static std::atomic<quint64> serial{0};
    return QByteArrayLiteral("tav_txn_") + QByteArray::number(++serial);
}

void quietly(sqlite3 *conn, const QByteArray &sql) noexcept
{
    sqlite3_exec(conn, sql.constData(), nullptr, nullptr, nullptr);
}
} // namespace

Transaction::Transaction(Database &db, const QString &tableName) : Transaction(db, QStringList{tableName})
{
}

Transaction::Transaction(Database &db, const QStringList &tableNames) : m_db(&db)
{
    QVector<Part> parts;
    try {
        for (const QString &name : tableNames) {
            TableFile *f = db.lease(name);
            bool again = false;
            for (const Part &p : std::as_const(parts))
                again = again || p.file == f;
            if (again) {
                db.release(f);
                continue;
            }
            parts.append({f->db, f, false});
        }
    } catch (...) {
        for (const Part &p : std::as_const(parts))
            db.release(p.file);
        throw;
    }
    begin(parts);
}

Transaction::Transaction(Database &db, TableFile *file) : m_db(&db)
{
    db.lease(file);
    begin({{file->db, file, false}});
}

Transaction::Transaction(sqlite3 *connection)
{
    begin({{connection, nullptr, false}});
}

Transaction::~Transaction()
{
    rollback();
}

void Transaction::begin(const QVector<Part> &parts)
{
    m_parts = parts;
    m_savepoint = nextSavepoint();
    m_active = true;
    for (int i = 0; i < m_parts.size(); ++i) {
        Part &p = m_parts[i];
        p.outermost = sqlite3_get_autocommit(p.conn) != 0;
        try {
            execSql(p.conn, QStringLiteral("SAVEPOINT ") + QString::fromLatin1(m_savepoint));
        } catch (...) {
            m_parts.resize(i); // the savepoints made so far
            rollbackParts(0);
            m_parts = parts;
            releaseLeases();
            m_active = false;
            throw;
        }
    }
}

void Transaction::rollbackParts(int from) noexcept
{
    for (int i = int(m_parts.size()) - 1; i >= from; --i) {
        const Part &p = m_parts[i];
        if (p.file && !m_db)
            continue; // the database closed its files, and with them the transaction
        if (p.outermost) {
            // the engine may have rolled back by itself after a failed write
            if (sqlite3_get_autocommit(p.conn) == 0)
                quietly(p.conn, QByteArrayLiteral("ROLLBACK"));
        } else {
            // fails only when the outer transaction is gone already, and with it these changes
            quietly(p.conn, QByteArrayLiteral("ROLLBACK TO ") + m_savepoint);
            quietly(p.conn, QByteArrayLiteral("RELEASE ") + m_savepoint);
        }
    }
}

void Transaction::releaseLeases() noexcept
{
    if (!m_db)
        return;
    for (const Part &p : std::as_const(m_parts)) {
        if (p.file)
            m_db->release(p.file);
    }
}

void Transaction::commit()
{
    if (!m_active)
        throw EngineError(EngineError::Category::InvalidRequest, code::Internal,
                          QStringLiteral("Es ist keine Transaktion offen."));
    for (const Part &p : std::as_const(m_parts)) {
        if (p.file && !m_db) {
            m_active = false;
            throw EngineError(EngineError::Category::Internal, code::Internal,
                              QStringLiteral("Die Datenbank wurde vor dem Abschluss geschlossen."));
        }
    }
    // more than one file with changes: their commits are made one by SQLite through the log
    std::unique_ptr<CommitLog> log;
    QVector<sqlite3 *> writing;
    QStringList names;
    for (const Part &p : std::as_const(m_parts)) {
        if (p.file && p.outermost && sqlite3_txn_state(p.conn, "main") == SQLITE_TXN_WRITE) {
            writing << p.conn;
            names << p.file->fileName;
        }
    }
    if (writing.size() > 1) {
        try {
            log = std::make_unique<CommitLog>(m_db->dataDir(), writing, names.join(QStringLiteral(", ")));
        } catch (...) {
            rollbackParts(0);
            releaseLeases();
            m_active = false;
            throw;
        }
    }
    for (int i = 0; i < m_parts.size(); ++i) {
        try {
            execSql(m_parts[i].conn, QStringLiteral("RELEASE ") + QString::fromLatin1(m_savepoint));
        } catch (EngineError &e) {
            // the files committed before are played back, the rest rolled back: nothing stays
            const bool undone = !log || log->undo();
            rollbackParts(i);
            if (m_parts[i].file)
                e.push(e.code(), QStringLiteral("Die Änderungen an %1 wurden nicht gespeichert.")
                                     .arg(m_parts[i].file->fileName));
            if (!undone)
                e.push(e.code(), QStringLiteral("Die schon gespeicherten Änderungen an %1 werden beim "
                                                "nächsten Start zurückgenommen.")
                                     .arg(names.join(QStringLiteral(", "))));
            releaseLeases();
            m_active = false;
            throw;
        }
    }
    if (log) {
        try {
            log->finish();
        } catch (...) {
            releaseLeases();
            m_active = false;
            throw;
        }
    }
    releaseLeases();
    m_active = false;
}

void Transaction::rollback() noexcept
{
    if (!m_active)
        return;
    rollbackParts(0);
    releaseLeases();
    m_active = false;
}

} // namespace tav::store
