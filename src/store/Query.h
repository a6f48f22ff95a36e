#pragma once

#include "Database.h"

#include <QVariant>
#include <QVector>
#include <memory>
#include <optional>

struct sqlite3;

namespace tav::store {

class Statement;

// A local SQL statement. Tables are named by their file names ("catstamm.db", quoted or not);
// only those files are attached. Values are bound with :name or ? placeholders.
//   SELECT ... (LIKE, ORDER BY, joins)          -> open(), then next()/eof()/value()
//   ALTER TABLE "x.db" ADD f TYPE, ADD g TYPE   -> exec()
//   UPDATE / DELETE / INSERT                    -> exec(); the table's index keys follow
class Query
{
  public:
    explicit Query(Database *db = defaultDatabase(), const QString &sql = QString());
    ~Query();

    void setSql(const QString &sql);
    QString sql() const { return m_sql; }
    void bindValue(const QString &placeholder, const QVariant &value); // ":name"
    void addBindValue(const QVariant &value);                          // next "?"

    void open();
    void exec();
    void close();
    bool isOpen() const { return m_stmt != nullptr; }
    bool eof() const { return m_eof; }
    void next();
    QVariant value(const QString &column) const;
    QVariant value(int column) const;
    // A money column or a sum over one, exactly in 1/10000 units; nullopt when blank.
    std::optional<qint64> units(const QString &column) const;
    QStringList columns() const { return m_columns; }
    int rowsAffected() const { return m_changes; }
    // every remaining row
    QVector<QVariantList> rows();

  private:
    void prepare();
    void bindAll();
    QString rewrite(const QString &sql, QStringList &attached);
    void execAlter(const QString &sql);
    QVariant current(int col) const;

    Database *m_db;
    QString m_sql;
    QVector<QPair<QString, QVariant>> m_named;
    QVariantList m_positional;
    sqlite3 *m_conn = nullptr;
    std::unique_ptr<Statement> m_stmt;
    QStringList m_attached;
    QStringList m_columns;
    QVector<FieldType> m_types;
    bool m_eof = true;
    int m_changes = 0;
};

// German text order for local SQL: ORDER BY Name COLLATE DE
void registerGermanCollation(sqlite3 *db);

} // namespace tav::store
