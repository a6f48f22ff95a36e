#pragma once

#include "store/SchemaName.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace tav::store {

enum class FieldType {
    AutoInc,   // record number handed out by the store, never reused
    Integer,   // 32-bit
    SmallInt,  // 16-bit
    String,    // text of at most `size` characters; empty == missing
    Date,      // calendar date
    Timestamp, // date and time of day
    Time,      // time of day
    Boolean,
    Float,
    Currency, // money, exact to 1/10000
    Memo,     // text of any length (`size` is only a hint)
    Graphic,  // picture data
    Bytes     // other binary data
};

struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
    int size = 0; // characters for String, hint for Memo
    bool required = false;
};

struct IndexDef {
    QString name;   // empty for the primary index
    QString fields; // ';'-separated, as the program names them
    bool primary = false;
    bool unique = false;
    bool descending = false;
    bool caseInsensitive = false;

    QStringList fieldList() const;
};

struct TableDef {
    QString fileName; // e.g. "CATSTAMM.DB"
    QVector<FieldDef> fields;
    QVector<IndexDef> indexes; // primary first (when there is one), then in declared order

    const FieldDef *field(const QString &name) const;            // case-insensitive
    const IndexDef *index(const QString &name) const;            // case-insensitive; "" = primary
    const IndexDef *indexForFields(const QString &fields) const; // by field list
    const IndexDef *primaryIndex() const;
};

// --- helpers that keep the declarations one line per field -----------------
// (names come as SchemaName constants from the Namen_*.h headers; tests also pass plain text)
namespace def {
inline FieldDef autoInc(const QString &n, bool req = false)
{
    return {n, FieldType::AutoInc, 0, req};
}
inline FieldDef integer(const QString &n, bool req = false)
{
    return {n, FieldType::Integer, 0, req};
}
inline FieldDef smallInt(const QString &n, bool req = false)
{
    return {n, FieldType::SmallInt, 0, req};
}
inline FieldDef string(const QString &n, int size, bool req = false)
{
    return {n, FieldType::String, size, req};
}
inline FieldDef date(const QString &n, bool req = false)
{
    return {n, FieldType::Date, 0, req};
}
inline FieldDef timestamp(const QString &n, bool req = false)
{
    return {n, FieldType::Timestamp, 0, req};
}
inline FieldDef time(const QString &n, bool req = false)
{
    return {n, FieldType::Time, 0, req};
}
inline FieldDef boolean(const QString &n, bool req = false)
{
    return {n, FieldType::Boolean, 0, req};
}
inline FieldDef floating(const QString &n, bool req = false)
{
    return {n, FieldType::Float, 0, req};
}
inline FieldDef currency(const QString &n, bool req = false)
{
    return {n, FieldType::Currency, 0, req};
}
inline FieldDef memo(const QString &n, int size = 0, bool req = false)
{
    return {n, FieldType::Memo, size, req};
}
inline FieldDef graphic(const QString &n, bool req = false)
{
    return {n, FieldType::Graphic, 0, req};
}
inline FieldDef bytes(const QString &n, bool req = false)
{
    return {n, FieldType::Bytes, 0, req};
}
constexpr bool Required = true;

// primary index over the given fields (for an autoinc field this is the record number itself)
inline IndexDef primary(const char *fields)
{
    return {QString(), fields, true, true, false, false};
}
inline IndexDef index(const QString &name, const char *fields)
{
    return {name, fields, false, false, false, false};
}
inline IndexDef uniqueIndex(const QString &name, const char *fields)
{
    return {name, fields, false, true, false, false};
}
inline IndexDef indexNoCase(const QString &name, const char *fields)
{
    return {name, fields, false, false, false, true};
}
inline IndexDef descIndex(const QString &name, const char *fields)
{
    return {name, fields, false, false, true, false};
}
} // namespace def

// A schema upgrade: a table whose stored layout lacks `missingField` is brought up to date by
// the local SQL statement `alterSql` (an ALTER TABLE "x.db" ADD ... statement).
struct TableUpgrade {
    QString fileName;
    QString missingField;
    QString alterSql;
};

// Every table the program keeps, declared once (TableDefs*.cpp).
const QVector<TableDef> &allTableDefs();
// nullptr when the name is not one of ours; names compare without regard to case.
const TableDef *findTableDef(const QString &fileName);
// The upgrades the program knows, in the order they are to be tried.
const QVector<TableUpgrade> &allTableUpgrades();

} // namespace tav::store
