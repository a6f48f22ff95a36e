// RowSource: the rows a report's detail band runs over, in their current order.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace tav::store {
class Query;
class Table;
} // namespace tav::store

namespace tav::report {

class RowSource
{
  public:
    virtual ~RowSource() = default;
    virtual int rowCount() const = 0;
    // an unknown field gives an invalid value
    virtual QVariant value(int row, const QString &field) const = 0;
};

class ListRows : public RowSource
{
  public:
    explicit ListRows(QStringList fields = {}, QVector<QVariantList> rows = {});
    void append(const QVariantList &row) { m_rows.append(row); }
    int rowCount() const override { return int(m_rows.size()); }
    QVariant value(int row, const QString &field) const override;

  protected:
    QStringList m_fields;
    QVector<QVariantList> m_rows;
};

// The rows of a table from its first record in the order of its current index, filter and
// master link; the cursor is put back where it was.
class TableRows : public ListRows
{
  public:
    TableRows(tav::store::Table &table, const QStringList &fields);
};

// The remaining rows of an opened query, under its column names.
class QueryRows : public ListRows
{
  public:
    explicit QueryRows(tav::store::Query &query);
};

} // namespace tav::report
