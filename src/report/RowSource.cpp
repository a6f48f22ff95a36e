#include "RowSource.h"

#include "store/Query.h"
#include "store/Table.h"

namespace tav::report {

ListRows::ListRows(QStringList fields, QVector<QVariantList> rows)
    : m_fields(std::move(fields)), m_rows(std::move(rows))
{
}

QVariant ListRows::value(int row, const QString &field) const
{
    int column = -1;
    for (int i = 0; i < m_fields.size() && column < 0; ++i)
        if (m_fields[i].compare(field, Qt::CaseInsensitive) == 0)
            column = i;
    if (row < 0 || row >= m_rows.size() || column < 0)
        return {};
    return m_rows[row].value(column);
}

TableRows::TableRows(tav::store::Table &table, const QStringList &fields) : ListRows(fields)
{
    tav::store::QuietCursor quiet(table);
    for (table.first(); !table.eof(); table.next()) {
        QVariantList row;
        for (const QString &f : fields)
            row << table.value(f);
        m_rows << row;
    }
    quiet.restore();
}

QueryRows::QueryRows(tav::store::Query &query) : ListRows(query.columns(), query.rows())
{
}

} // namespace tav::report
