#pragma once

#include "TableDef.h"

#include <sqlite3.h>

namespace tav::store::schema {

// How a field is declared in its file: the declared type names carry the field type, so a
// table file describes itself (and reads sensibly in any SQLite tool).
QString declaredType(const FieldDef &f);
FieldDef fieldFromDeclared(const QString &name, const QString &declType, bool notNull, bool primaryKey);

// The column of an index key and whether an index uses the record number itself.
QString keyColumn(const QString &indexName);
bool usesRecordNumber(const TableDef &layout, const IndexDef &idx);

// Reads the layout (fields and indexes) stored in an open table file.
TableDef readLayout(sqlite3 *db, const QString &fileName);

// Statements that create an empty table file's tables and indexes.
QStringList createStatements(const TableDef &def);
QString createIndexStatement(const TableDef &layout, const IndexDef &idx);
int indexFlags(const IndexDef &idx);

// "ALTER TABLE ... ADD x CHAR(5)" style type names of the local SQL dialect.
bool parseSqlType(const QString &text, FieldDef &into);

QString quoted(const QString &identifier);

} // namespace tav::store::schema

namespace tav::store::schema {
// The key of one record under an index; `value(i)` gives the value of layout field i.
template <typename ValueOf>
QByteArray computeKey(const TableDef &layout, const IndexDef &idx, ValueOf value, qint64 rowid);
QVector<int> indexFieldPositions(const TableDef &layout, const IndexDef &idx); // -1 for unknown fields
} // namespace tav::store::schema

#include "KeyCodec.h"

template <typename ValueOf>
QByteArray tav::store::schema::computeKey(const TableDef &layout, const IndexDef &idx, ValueOf value,
                                          qint64 rowid)
{
    QByteArray key;
    const QVector<int> pos = indexFieldPositions(layout, idx);
    for (int p : pos) {
        if (p < 0)
            keycodec::appendField(key, FieldType::Integer, QVariant(), false);
        else
            keycodec::appendField(key, layout.fields[p].type, value(p), idx.caseInsensitive);
    }
    if (!idx.unique && !idx.primary)
        keycodec::appendRecordNumber(key, rowid);
    return key;
}
