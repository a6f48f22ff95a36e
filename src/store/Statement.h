#pragma once

#include "TableDef.h"

#include <QVariant>
#include <sqlite3.h>

namespace tav::store {

// A prepared SQLite statement; values are always bound, never pasted into the text.
class Statement
{
  public:
    Statement() = default;
    Statement(sqlite3 *db, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&other) noexcept;

    bool isValid() const { return m_stmt != nullptr; }
    void reset();
    void bind(int index, const QVariant &value); // 1-based
    void bindStored(int index, FieldType type, const QVariant &value);
    bool step(); // true while a row is there
    void exec(); // steps to the end
    int columnCount() const;
    QVariant column(int col) const;
    QVariant stored(int col, FieldType type) const; // value of a field as the program sees it
    qint64 columnInt64(int col) const { return sqlite3_column_int64(m_stmt, col); }
    QByteArray columnBlob(int col) const;
    QString columnName(int col) const;
    sqlite3_stmt *handle() const { return m_stmt; }

  private:
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
};

// Throws an EngineError for a failed SQLite call.
[[noreturn]] void throwSqlite(sqlite3 *db, int rc, const QString &context);
void execSql(sqlite3 *db, const QString &sql);

// Conversion of a field value to its stored form and back.
QVariant toStored(FieldType type, const QVariant &value);
QVariant fromStored(FieldType type, const QVariant &stored);

} // namespace tav::store
