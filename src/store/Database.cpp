#include "Database.h"

#include "CommitLog.h"
#include "FileCheck.h"
#include "KeyCodec.h"
#include "Schema.h"
#include "Statement.h"
#include "Table.h"
#include "Transaction.h"

#include <functional>
#include <utility>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace tav::store {

namespace {
Database *g_default = nullptr;

EngineError notFound(const QString &name)
{
    return EngineError(EngineError::Category::NotFound, code::TableNotFound,
                       QStringLiteral("Tabelle nicht gefunden: %1").arg(name));
}

EngineError busy(const QString &name)
{
    return EngineError(EngineError::Category::Busy, code::TableBusy,
                       QStringLiteral("Die Tabelle %1 ist in Benutzung.").arg(name));
}

int schemaVersion(sqlite3 *db)
{
    sqlite3_stmt *st = nullptr;
    int v = -2;
    if (sqlite3_prepare_v2(db, "PRAGMA schema_version", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        v = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    return v;
}

void reloadLayout(TableFile *f)
{
    f->layout = schema::readLayout(f->db, f->fileName);
    f->schemaVersion = schemaVersion(f->db);
}

// Adds an index to a table file held exclusively, inside any transaction open on it.
template <class Fill> void addIndexTo(Database &db, TableFile *f, const IndexDef &idxIn, Fill fillIndexKeys)
{
    IndexDef idx = idxIn;
    if (idx.primary)
        idx.name.clear();
    if (idx.fieldList().isEmpty())
        throw EngineError(EngineError::Category::InvalidRequest, code::NoSuchIndex,
                          QStringLiteral("Index ohne Felder: %1").arg(idx.name));
    for (const QString &fn : idx.fieldList()) {
        if (!f->layout.field(fn))
            throw EngineError(EngineError::Category::InvalidRequest, code::FieldNotFound,
                              QStringLiteral("Feld nicht gefunden: %1").arg(fn));
    }
    if (idx.primary ? f->layout.primaryIndex() != nullptr : f->layout.index(idx.name) != nullptr)
        throw EngineError(EngineError::Category::InvalidRequest, code::KeyViolation,
                          QStringLiteral("Der Index %1 besteht bereits.").arg(idx.name));
    if (!schema::usesRecordNumber(f->layout, idx)) {
        Transaction txn(db, f);
        const QString col = schema::keyColumn(idx.primary ? QString() : idx.name);
        // a column left over from a dropped index is reused
        Statement probe(f->db, QStringLiteral("SELECT 1 FROM pragma_table_info('data') WHERE name = ?"));
        probe.bind(1, col);
        if (!probe.step())
            execSql(f->db, QStringLiteral("ALTER TABLE data ADD COLUMN %1 BLOB").arg(schema::quoted(col)));
        fillIndexKeys(f, idx);
        execSql(f->db, schema::createIndexStatement(f->layout, idx));
        Statement meta(f->db,
                       QStringLiteral("INSERT OR REPLACE INTO __idx(name, fields, flags) VALUES (?, ?, ?)"));
        meta.bind(1, idx.primary ? QString() : idx.name);
        meta.bind(2, idx.fields);
        meta.bind(3, schema::indexFlags(idx));
        meta.exec();
        txn.commit();
    } else {
        Statement meta(f->db,
                       QStringLiteral("INSERT OR REPLACE INTO __idx(name, fields, flags) VALUES ('', ?, ?)"));
        meta.bind(1, idx.fields);
        meta.bind(2, schema::indexFlags(idx));
        meta.exec();
    }
    reloadLayout(f);
}
} // namespace

Database *defaultDatabase()
{
    return g_default;
}
void setDefaultDatabase(Database *db)
{
    g_default = db;
}

Database::Database(const QString &dataDir, QObject *parent) : QObject(parent), m_dataDir(dataDir)
{
}

Database::~Database()
{
    disconnect();
    for (TableFile *f : std::as_const(m_files)) {
        if (f->db)
            sqlite3_close_v2(f->db);
        delete f;
    }
    if (g_default == this)
        g_default = nullptr;
}

void Database::setDataDir(const QString &dir)
{
    disconnect();
    m_dataDir = dir;
}

QString Database::resolve(const QString &tableName) const
{
    QString name = QFileInfo(tableName).fileName();
    if (!name.contains(QLatin1Char('.')))
        name += QLatin1String(".db");
    const QString direct = QDir(m_dataDir).filePath(name);
    if (QFileInfo::exists(direct))
        return direct;
    // a folder in a table's place is found too, and reported when the table is opened
    const QStringList entries = QDir(m_dataDir).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &e : entries) {
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return QDir(m_dataDir).filePath(e);
    }
    return QString();
}

bool Database::tableExists(const QString &tableName) const
{
    return !resolve(tableName).isEmpty();
}

sqlite3 *Database::openFile(const QString &path, bool create) const
{
    sqlite3 *db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, storeVfs());
    if (rc != SQLITE_OK) {
        const QString msg = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        if (db)
            sqlite3_close_v2(db);
        throw EngineError(EngineError::Category::Io, code::Io,
                          QStringLiteral("Die Datei %1 kann nicht geöffnet werden.").arg(path), rc)
            .push(code::Io, msg, rc);
    }
    sqlite3_busy_timeout(db, busyTimeoutMs);
    // a rollback journal, synced fully: a power cut leaves each file as it was before or after a
    // commit, and the kept journals of a commit over several files (CommitLog) stay whole
    sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    // reading through a memory map and a larger cache keeps long lists from going to the disk
    sqlite3_exec(db, "PRAGMA mmap_size=268435456; PRAGMA cache_size=-16384", nullptr, nullptr, nullptr);
    return db;
}

void Database::createTable(const TableDef &def)
{
    if (!QDir().mkpath(m_dataDir))
        throw EngineError(EngineError::Category::Io, code::Io,
                          QStringLiteral("Der Datenordner %1 kann nicht angelegt werden.").arg(m_dataDir));
    if (tableExists(def.fileName))
        throw EngineError(EngineError::Category::InvalidRequest, code::TableBusy,
                          QStringLiteral("Die Tabelle %1 besteht bereits.").arg(def.fileName));
    const QString path = QDir(m_dataDir).filePath(def.fileName);
    sqlite3 *db = openFile(path, true);
    try {
        Transaction txn(db);
        for (const QString &sql : schema::createStatements(def))
            execSql(db, sql);
        Statement meta(db, QStringLiteral("INSERT INTO __idx(name, fields, flags) VALUES (?, ?, ?)"));
        for (const IndexDef &idx : def.indexes) {
            meta.reset();
            meta.bind(1, idx.primary ? QString() : idx.name);
            meta.bind(2, idx.fields);
            meta.bind(3, schema::indexFlags(idx));
            meta.exec();
        }
        execSql(db, QStringLiteral("PRAGMA user_version = %1").arg(keycodec::formatVersion()));
        txn.commit();
    } catch (...) {
        sqlite3_close_v2(db);
        QFile::remove(path);
        throw;
    }
    sqlite3_close_v2(db);
}

void Database::createTable(const QString &tableName)
{
    const TableDef *def = findTableDef(tableName);
    if (!def)
        throw notFound(tableName);
    createTable(*def);
}

bool Database::ensureTable(const QString &tableName)
{
    if (tableExists(tableName))
        return false;
    createTable(tableName);
    return true;
}

void Database::dropTable(const QString &tableName)
{
    const QString path = resolve(tableName);
    if (path.isEmpty())
        throw notFound(tableName);
    if (isInUse(tableName))
        throw busy(tableName);
    if (TableFile *f = m_files.take(QFileInfo(path).fileName().toLower())) {
        if (f->db)
            sqlite3_close_v2(f->db);
        delete f;
    }
    if (!QFile::remove(path))
        throw EngineError(EngineError::Category::Io, code::Io,
                          QStringLiteral("Die Datei %1 kann nicht gelöscht werden.").arg(path));
}

TableFile *Database::acquire(const QString &tableName, bool exclusive)
{
    const QString path = resolve(tableName);
    if (path.isEmpty())
        throw notFound(tableName);
    const QString key = QFileInfo(path).fileName().toLower();
    TableFile *f = m_files.value(key);
    if (f && f->users > 0 && (f->exclusive || exclusive))
        throw busy(QFileInfo(path).fileName());
    if (!f) {
        f = new TableFile;
        f->fileName = QFileInfo(path).fileName();
        f->path = path;
        m_files.insert(key, f);
    }
    if (f->db && f->users == 0 && schemaVersion(f->db) != f->schemaVersion)
        f->schemaVersion = -1;
    try {
        const bool opened = !f->db;
        if (opened) {
            checkTableFile(path);
            f->db = openFile(path, false);
        }
        if (f->schemaVersion < 0 || opened) {
            try {
                reloadLayout(f);
                if (opened)
                    updateKeyFormat(f);
            } catch (...) {
                sqlite3_close_v2(f->db);
                f->db = nullptr;
                throw;
            }
        }
    } catch (EngineError &e) {
        if (e.file().isEmpty())
            e.setFile(f->fileName);
        throw;
    }
    f->users++;
    f->exclusive = exclusive;
    return f;
}

void Database::release(TableFile *file)
{
    if (!file)
        return;
    if (--file->users <= 0) {
        // the connection stays open for the next user; disconnect() closes it
        file->users = 0;
        file->exclusive = false;
    }
}

TableFile *Database::lease(const QString &tableName)
{
    const QString path = resolve(tableName);
    TableFile *f = m_files.value(QFileInfo(path).fileName().toLower());
    if (f && f->db && f->users > 0) {
        lease(f);
        return f;
    }
    return acquire(tableName, false);
}

void Database::lease(TableFile *file)
{
    file->users++;
}

bool Database::isInUse(const QString &tableName) const
{
    const QString path = resolve(tableName);
    const TableFile *f = m_files.value(QFileInfo(path).fileName().toLower());
    return f && f->users > 0;
}

void Database::registerTable(Table *t)
{
    if (!m_tables.contains(t))
        m_tables.append(t);
}

void Database::unregisterTable(Table *t)
{
    m_tables.removeAll(t);
}

void Database::disconnect()
{
    Q_EMIT aboutToDisconnect();
    const QList<Table *> tables = m_tables;
    for (Table *t : tables) {
        t->close();
        if (!m_closed.contains(t))
            m_closed.append(t);
    }
    for (TableFile *f : std::as_const(m_files)) {
        if (f->db && f->users == 0) {
            sqlite3_close_v2(f->db);
            f->db = nullptr;
            f->schemaVersion = -1;
        }
    }
    Q_EMIT disconnected();
}

QList<QPair<QString, EngineError>> Database::reconnect()
{
    QList<QPair<QString, EngineError>> failed;
    const QList<QPointer<Table>> closed = std::exchange(m_closed, {});
    std::function<void(Table *)> reopen = [&](Table *t) {
        if (!t || t->isOpen())
            return;
        if (Table *m = t->master(); m && closed.contains(m))
            reopen(m);
        try {
            t->open();
        } catch (const EngineError &e) {
            failed.append({t->tableName(), e});
        }
    };
    for (const QPointer<Table> &t : closed)
        reopen(t);
    Q_EMIT reconnected();
    return failed;
}

bool Database::settle()
{
    const QList<Table *> tables = m_tables;
    for (Table *t : tables)
        if (t->isEditing() && t->isModified())
            t->post();
    for (const TableFile *f : std::as_const(m_files))
        if (f->db && !sqlite3_get_autocommit(f->db))
            return false;
    return true;
}

QStringList Database::heldFiles() const
{
    QStringList held;
    for (const TableFile *f : std::as_const(m_files))
        if (f->users > 0)
            held << f->fileName;
    return held;
}

TableFile *Database::maintenanceFile(const QString &tableName)
{
    return acquire(tableName, true);
}

TableDef Database::storedLayout(const QString &tableName)
{
    const QString path = resolve(tableName);
    if (path.isEmpty())
        throw notFound(tableName);
    const TableFile *open = m_files.value(QFileInfo(path).fileName().toLower());
    if (open && open->db)
        return open->layout;
    checkTableFile(path);
    sqlite3 *db = openFile(path, false);
    try {
        TableDef def = schema::readLayout(db, QFileInfo(path).fileName());
        sqlite3_close_v2(db);
        return def;
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
}

QStringList Database::indexNames(const QString &tableName)
{
    QStringList out;
    for (const IndexDef &idx : storedLayout(tableName).indexes) {
        if (!idx.primary)
            out << idx.name;
    }
    return out;
}

QStringList Database::missingFields(const QString &tableName)
{
    QStringList out;
    const TableDef *declared = findTableDef(QFileInfo(tableName).fileName());
    if (!declared)
        return out;
    const TableDef stored = storedLayout(tableName);
    for (const FieldDef &f : declared->fields) {
        if (!stored.field(f.name))
            out << f.name;
    }
    return out;
}

void Database::fillIndexKeys(TableFile *file, const IndexDef &idx)
{
    const TableDef &layout = file->layout;
    QStringList cols;
    for (const FieldDef &f : layout.fields)
        cols << schema::quoted(f.name);
    Statement sel(file->db, QStringLiteral("SELECT rowid, %1 FROM data").arg(cols.join(QLatin1String(", "))));
    Statement upd(file->db, QStringLiteral("UPDATE data SET %1 = ? WHERE rowid = ?")
                                .arg(schema::quoted(schema::keyColumn(idx.primary ? QString() : idx.name))));
    while (sel.step()) {
        const qint64 rowid = sel.columnInt64(0);
        const QByteArray key = schema::computeKey(
            layout, idx, [&](int i) { return sel.stored(i + 1, layout.fields[i].type); }, rowid);
        upd.reset();
        upd.bind(1, key);
        upd.bind(2, rowid);
        upd.exec();
    }
}

void Database::updateKeyFormat(TableFile *file)
{
    const int wanted = keycodec::formatVersion();
    Statement version(file->db, QStringLiteral("PRAGMA user_version"));
    const int stored = version.step() ? version.column(0).toInt() : 0;
    version.reset();
    if (stored == wanted)
        return;
    Transaction txn(*this, file);
    for (const IndexDef &idx : file->layout.indexes) {
        if (schema::usesRecordNumber(file->layout, idx))
            continue;
        // cleared first, so that a new key never meets an old one in a unique index
        execSql(file->db, QStringLiteral("UPDATE data SET %1 = NULL")
                              .arg(schema::quoted(schema::keyColumn(idx.primary ? QString() : idx.name))));
        fillIndexKeys(file, idx);
    }
    execSql(file->db, QStringLiteral("PRAGMA user_version = %1").arg(wanted));
    txn.commit();
}

void Database::addIndex(const QString &tableName, const IndexDef &idx)
{
    TableFile *f = maintenanceFile(tableName);
    try {
        addIndexTo(*this, f, idx, [this](TableFile *file, const IndexDef &i) { fillIndexKeys(file, i); });
    } catch (...) {
        release(f);
        throw;
    }
    release(f);
}

void Database::dropIndex(const QString &tableName, const QString &indexName)
{
    TableFile *f = maintenanceFile(tableName);
    try {
        const IndexDef *idx = f->layout.index(indexName);
        if (!idx)
            throw EngineError(EngineError::Category::NotFound, code::NoSuchIndex,
                              QStringLiteral("Index nicht gefunden: %1").arg(indexName));
        const bool primary = idx->primary;
        const QString name = idx->name;
        if (!schema::usesRecordNumber(f->layout, *idx)) {
            execSql(f->db, QStringLiteral("DROP INDEX IF EXISTS %1")
                               .arg(schema::quoted(primary ? QStringLiteral("__primary") : name)));
            execSql(f->db, QStringLiteral("ALTER TABLE data DROP COLUMN %1")
                               .arg(schema::quoted(schema::keyColumn(primary ? QString() : name))));
        }
        Statement meta(f->db, QStringLiteral("DELETE FROM __idx WHERE name = ? COLLATE NOCASE"));
        meta.bind(1, primary ? QString() : name);
        meta.exec();
        reloadLayout(f);
    } catch (...) {
        release(f);
        throw;
    }
    release(f);
}

void Database::rebuildIndexes(const QString &tableName, const TableDef &declared)
{
    TableFile *f = maintenanceFile(tableName);
    try {
        // all or nothing: a declared index that cannot be made leaves the table as it was
        Transaction txn(*this, f);
        try {
            // every index SQLite holds beside our own bookkeeping goes, with its key column
            Statement list(f->db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND "
                                                 "tbl_name = 'data' AND sql IS NOT NULL"));
            QStringList sqliteIndexes;
            while (list.step())
                sqliteIndexes << list.column(0).toString();
            list.reset();
            for (const QString &n : sqliteIndexes)
                execSql(f->db, QStringLiteral("DROP INDEX %1").arg(schema::quoted(n)));
            Statement cols(f->db, QStringLiteral("SELECT name FROM pragma_table_info('data') WHERE name "
                                                 "LIKE '\\_\\_ix\\_%' ESCAPE '\\'"));
            QStringList keyCols;
            while (cols.step())
                keyCols << cols.column(0).toString();
            cols.reset();
            for (const QString &c : keyCols)
                execSql(f->db, QStringLiteral("ALTER TABLE data DROP COLUMN %1").arg(schema::quoted(c)));
            execSql(f->db, QStringLiteral("CREATE TABLE IF NOT EXISTS __idx (name TEXT PRIMARY KEY, fields "
                                          "TEXT NOT NULL, flags INTEGER NOT NULL)"));
            execSql(f->db, QStringLiteral("DELETE FROM __idx"));
            reloadLayout(f);
            bool hasPrimary = false;
            for (const IndexDef &idx : declared.indexes) {
                // a primary index on the record number is the record number itself
                if (idx.primary && (hasPrimary || schema::usesRecordNumber(f->layout, idx)))
                    continue;
                addIndexTo(*this, f, idx,
                           [this](TableFile *file, const IndexDef &i) { fillIndexKeys(file, i); });
                hasPrimary = hasPrimary || idx.primary;
            }
            txn.commit();
        } catch (...) {
            txn.rollback();
            reloadLayout(f);
            throw;
        }
    } catch (...) {
        release(f);
        throw;
    }
    release(f);
}

void Database::checkTable(const QString &tableName)
{
    TableFile *f = acquire(tableName, false);
    try {
        Statement all(f->db, QStringLiteral("SELECT * FROM data"));
        while (all.step()) {
        }
        Statement check(f->db, QStringLiteral("PRAGMA integrity_check"));
        QStringList problems;
        while (check.step()) {
            const QString line = check.column(0).toString();
            if (line != QLatin1String("ok"))
                problems << line;
        }
        if (!problems.isEmpty()) {
            EngineError e(EngineError::Category::IndexDamage, code::IndexCorrupt,
                          QStringLiteral("Die Tabelle %1 ist beschädigt.").arg(f->fileName));
            for (const QString &p : problems.mid(0, 3))
                e.push(code::IndexCorrupt, p);
            throw e;
        }
        // our keys must match the records they were computed from
        for (const IndexDef &idx : f->layout.indexes) {
            if (schema::usesRecordNumber(f->layout, idx))
                continue;
            QStringList colNames;
            for (const FieldDef &fd : f->layout.fields)
                colNames << schema::quoted(fd.name);
            Statement sel(f->db,
                          QStringLiteral("SELECT rowid, %1, %2 FROM data")
                              .arg(schema::quoted(schema::keyColumn(idx.primary ? QString() : idx.name)),
                                   colNames.join(QLatin1String(", "))));
            while (sel.step()) {
                const QByteArray key = schema::computeKey(
                    f->layout, idx, [&](int i) { return sel.stored(i + 2, f->layout.fields[i].type); },
                    sel.columnInt64(0));
                if (key != sel.columnBlob(1))
                    throw EngineError(
                        EngineError::Category::IndexDamage, code::IndexOutOfDate,
                        QStringLiteral("Der Index %1 der Tabelle %2 ist veraltet.")
                            .arg(idx.primary ? QStringLiteral("primär") : idx.name, f->fileName));
            }
        }
    } catch (EngineError &) {
        release(f);
        throw;
    } catch (...) {
        release(f);
        throw;
    }
    release(f);
}

void Database::addFields(const QString &tableName, const QVector<FieldDef> &fields)
{
    TableFile *f = maintenanceFile(tableName);
    try {
        Transaction txn(*this, f);
        TableDef layout = f->layout;
        for (const FieldDef &field : fields) {
            if (layout.field(field.name))
                throw EngineError(EngineError::Category::InvalidRequest, code::Sql,
                                  QStringLiteral("Das Feld %1 besteht bereits.").arg(field.name));
            // an added field starts empty in every record, so it cannot be required
            execSql(f->db, QStringLiteral("ALTER TABLE data ADD COLUMN %1 %2")
                               .arg(schema::quoted(field.name), schema::declaredType(field)));
            layout.fields.append(field);
        }
        txn.commit();
        reloadLayout(f);
    } catch (...) {
        release(f);
        throw;
    }
    release(f);
}

void Database::refreshKeys(const QString &tableName)
{
    TableFile *f = acquire(tableName, false);
    try {
        Transaction txn(*this, f);
        for (const IndexDef &idx : f->layout.indexes) {
            if (!schema::usesRecordNumber(f->layout, idx))
                fillIndexKeys(f, idx);
        }
        txn.commit();
    } catch (...) {
        release(f);
        throw;
    }
    release(f);
}

} // namespace tav::store
