#pragma once

#include "EngineError.h"
#include "TableDef.h"

#include <QHash>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <memory>

struct sqlite3;

namespace tav::store {

// How long a reader waits for a writer of the same file (another process) before it gives up.
constexpr int busyTimeoutMs = 20000;

class Table;
class Statement;

// The open file of one table, shared by every Table object of the database that uses it.
struct TableFile {
    QString fileName; // as found on disk
    QString path;
    sqlite3 *db = nullptr;
    int users = 0;
    bool exclusive = false;
    int schemaVersion = -1; // of `layout`; a change by another connection is read again
    TableDef layout;
};

// The data directory: one SQLite file per table, named like the table. Names resolve without
// regard to case. Opening and locking of table files goes through here.
class Database : public QObject
{
    Q_OBJECT
  public:
    explicit Database(const QString &dataDir = QString(), QObject *parent = nullptr);
    ~Database() override;

    void setDataDir(const QString &dir);
    QString dataDir() const { return m_dataDir; }

    // path of an existing table file (case-insensitive), or empty
    QString resolve(const QString &tableName) const;
    bool tableExists(const QString &tableName) const;

    // Creates the table file from a declaration; fails when it exists already.
    void createTable(const TableDef &def);
    // Creates a table from the program's own declaration of that name.
    void createTable(const QString &tableName);
    void dropTable(const QString &tableName);
    // Creates the declared table when its file is missing and says whether it did. A file that
    // exists is never replaced, also when it cannot be opened: that is reported when it is used.
    bool ensureTable(const QString &tableName);

    // Index maintenance needs the table to be unused (the engine opens it exclusively).
    void addIndex(const QString &tableName, const IndexDef &idx);
    void dropIndex(const QString &tableName, const QString &indexName);
    // Drops every index of the table and creates the declared ones again.
    void rebuildIndexes(const QString &tableName, const TableDef &declared);
    // Reads every record and runs SQLite's integrity check; throws on damage.
    void checkTable(const QString &tableName);
    TableDef storedLayout(const QString &tableName);
    QStringList indexNames(const QString &tableName);
    // The declared fields the stored table lacks (empty when none is declared or all are there).
    QStringList missingFields(const QString &tableName);

    // Closes every open table (the tables stay usable and may be opened again).
    void disconnect();
    // Opens again the tables that disconnect() closed, each master before its details, and
    // signals reconnected(). Returns the tables that could not be opened, with the engine's error.
    QList<QPair<QString, EngineError>> reconnect();
    // Posts the pending input of every open table; true when then no table is inside a
    // transaction, so that each file on disk is whole.
    bool settle();
    // The table files still held open, as a transaction holds its tables across a disconnect().
    QStringList heldFiles() const;
    bool isInUse(const QString &tableName) const;

    // used by Table and Query
    TableFile *acquire(const QString &tableName, bool exclusive);
    void release(TableFile *file);
    // A transaction's hold on a table file: keeps it open until released. It joins a holder that
    // has the file exclusively, since the transaction only brackets that holder's changes.
    TableFile *lease(const QString &tableName);
    void lease(TableFile *file);
    void registerTable(Table *t);
    void unregisterTable(Table *t);
    // Adds fields (the ALTER TABLE ... ADD of local SQL), all or none; keeps every record.
    void addFields(const QString &tableName, const QVector<FieldDef> &fields);
    // Computes every index key of the table again (after changes made by local SQL).
    void refreshKeys(const QString &tableName);

  Q_SIGNALS:
    // at the start of disconnect(): whoever holds a table file outside a Table lets go of it
    void aboutToDisconnect();
    void disconnected();
    void reconnected();

  private:
    sqlite3 *openFile(const QString &path, bool create) const;
    TableFile *maintenanceFile(const QString &tableName);
    void fillIndexKeys(TableFile *file, const IndexDef &idx);
    // Computes every key again when the file's keys were made by another key format
    // (PRAGMA user_version holds the format).
    void updateKeyFormat(TableFile *file);

    QString m_dataDir;
    QHash<QString, TableFile *> m_files; // by lower-case file name
    QList<Table *> m_tables;
    QList<QPointer<Table>> m_closed; // by disconnect(), for reconnect()
};

// The program's standard connection to the data directory, set by the main window.
Database *defaultDatabase();
void setDefaultDatabase(Database *db);

} // namespace tav::store
