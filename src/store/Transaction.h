#pragma once

#include <QByteArray>
#include <QPointer>
#include <QStringList>
#include <QVector>

struct sqlite3;

namespace tav::store {

class Database;
struct TableFile;

// All-or-nothing changes to one or more tables, made through Table objects of the same Database:
//
//     Transaction txn(db, {"CATSTAMM.DB", "TITELHUND.DB"});
//     ... append / post / remove ...
//     txn.commit();
//
// It begins when it is made; commit() keeps the changes; a guard that ends without commit()
// (an exception, an early return) rolls them back. From its start until commit or rollback it
// holds a lease on each table file, so the file stays open while the changes wait (a
// disconnect() does not close it) and no one opens it exclusively; every path gives the leases
// back.
//
// Nesting: a guard over a table that is already inside a transaction becomes a savepoint of
// that transaction. Its commit() hands its changes to the outer guard (only the outermost
// commit writes them to disk); its rollback undoes only its own changes, and the outer guard
// can go on. A post that fails inside a guard leaves nothing of itself behind.
//
// Each table is a file of its own. Whatever fails before commit() is undone in every table.
// When more than one file holds changes, commit() commits them through a CommitLog: a crash or a
// failing disk at any moment leaves every file with the change or none of them.
//
// Local SQL (Query) works on a connection of its own: it neither sees nor joins the changes
// of a guard, so it must not write to a table a guard holds.
class Transaction
{
  public:
    Transaction(Database &db, const QStringList &tableNames);
    Transaction(Database &db, const QString &tableName);
    // For the engine itself: a table file it holds already, or a connection of its own.
    Transaction(Database &db, TableFile *file);
    explicit Transaction(sqlite3 *connection);
    ~Transaction();

    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();
    // Undoes the changes now (the destructor does it when neither was called).
    void rollback() noexcept;
    bool isActive() const { return m_active; }

  private:
    struct Part {
        sqlite3 *conn = nullptr;
        TableFile *file = nullptr; // leased; nullptr for a bare connection
        bool outermost = false;
    };
    void begin(const QVector<Part> &parts);
    void rollbackParts(int from) noexcept;
    void releaseLeases() noexcept;

    QPointer<Database> m_db;
    QVector<Part> m_parts;
    QByteArray m_savepoint;
    bool m_active = false;
};

} // namespace tav::store
