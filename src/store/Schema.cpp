#include "Schema.h"

#include "EngineError.h"

#include <QRegularExpression>

namespace tav::store::schema {

QString quoted(const QString &identifier)
{
    QString s = identifier;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString declaredType(const FieldDef &f)
{
    switch (f.type) {
    case FieldType::AutoInc: return QStringLiteral("INTEGER");
    case FieldType::Integer: return QStringLiteral("INT");
    case FieldType::SmallInt: return QStringLiteral("SMALLINT");
    case FieldType::String: return QStringLiteral("CHAR(%1)").arg(f.size > 0 ? f.size : 255);
    case FieldType::Date: return QStringLiteral("DATE");
    case FieldType::Timestamp: return QStringLiteral("TIMESTAMP");
    case FieldType::Time: return QStringLiteral("TIME");
    case FieldType::Boolean: return QStringLiteral("BOOLEAN");
    case FieldType::Float: return QStringLiteral("FLOAT");
    case FieldType::Currency: return QStringLiteral("MONEY");
    case FieldType::Memo:
        return f.size > 0 ? QStringLiteral("TEXT MEMO(%1)").arg(f.size) : QStringLiteral("TEXT MEMO");
    case FieldType::Graphic: return QStringLiteral("GRAPHIC BLOB");
    case FieldType::Bytes: return QStringLiteral("BYTES BLOB");
    }
    return QStringLiteral("TEXT");
}

FieldDef fieldFromDeclared(const QString &name, const QString &declType, bool notNull, bool primaryKey)
{
    FieldDef f;
    f.name = name;
    f.required = notNull;
    const QString t = declType.trimmed().toUpper();
    static const QRegularExpression sized(QStringLiteral("^(CHAR|TEXT MEMO)\\((\\d+)\\)"));
    const auto m = sized.match(t);
    if (primaryKey && t == QLatin1String("INTEGER"))
        f.type = FieldType::AutoInc;
    else if (m.hasMatch()) {
        f.type = m.captured(1) == QLatin1String("CHAR") ? FieldType::String : FieldType::Memo;
        f.size = m.captured(2).toInt();
    } else if (t == QLatin1String("INT") || t == QLatin1String("INTEGER"))
        f.type = FieldType::Integer;
    else if (t == QLatin1String("SMALLINT"))
        f.type = FieldType::SmallInt;
    else if (t == QLatin1String("DATE"))
        f.type = FieldType::Date;
    else if (t == QLatin1String("TIMESTAMP"))
        f.type = FieldType::Timestamp;
    else if (t == QLatin1String("TIME"))
        f.type = FieldType::Time;
    else if (t == QLatin1String("BOOLEAN"))
        f.type = FieldType::Boolean;
    else if (t == QLatin1String("FLOAT"))
        f.type = FieldType::Float;
    else if (t == QLatin1String("MONEY"))
        f.type = FieldType::Currency;
    else if (t.startsWith(QLatin1String("TEXT MEMO")) || t == QLatin1String("TEXT"))
        f.type = FieldType::Memo;
    else if (t.startsWith(QLatin1String("GRAPHIC")))
        f.type = FieldType::Graphic;
    else if (t.startsWith(QLatin1String("BYTES")) || t == QLatin1String("BLOB"))
        f.type = FieldType::Bytes;
    else
        f.type = FieldType::Memo; // a column some other tool added: plain text
    return f;
}

QString keyColumn(const QString &indexName)
{
    return indexName.isEmpty() ? QStringLiteral("__ix_primary")
                               : QStringLiteral("__ix_") + indexName.toLower();
}

bool usesRecordNumber(const TableDef &layout, const IndexDef &idx)
{
    if (!idx.primary)
        return false;
    const QStringList fl = idx.fieldList();
    if (fl.size() != 1)
        return false;
    const FieldDef *f = layout.field(fl.first());
    return f && f->type == FieldType::AutoInc;
}

int indexFlags(const IndexDef &idx)
{
    return (idx.primary ? 1 : 0) | (idx.unique ? 2 : 0) | (idx.descending ? 4 : 0) |
           (idx.caseInsensitive ? 8 : 0);
}

QString createIndexStatement(const TableDef &layout, const IndexDef &idx)
{
    const QString sqlName = idx.primary ? QStringLiteral("__primary") : idx.name;
    return QStringLiteral("CREATE %1INDEX %2 ON data(%3)")
        .arg(idx.unique || idx.primary ? QStringLiteral("UNIQUE ") : QString(), quoted(sqlName),
             quoted(keyColumn(idx.primary ? QString() : idx.name)));
}

QStringList createStatements(const TableDef &def)
{
    QStringList cols;
    for (const FieldDef &f : def.fields) {
        QString c = quoted(f.name) + QLatin1Char(' ') + declaredType(f);
        if (f.type == FieldType::AutoInc)
            c += QLatin1String(" PRIMARY KEY AUTOINCREMENT");
        else if (f.required)
            c += QLatin1String(" NOT NULL");
        cols << c;
    }
    QStringList out;
    QStringList metaRows;
    for (const IndexDef &idx : def.indexes) {
        if (!usesRecordNumber(def, idx))
            cols << quoted(keyColumn(idx.primary ? QString() : idx.name)) + QLatin1String(" BLOB");
    }
    out << QStringLiteral("CREATE TABLE data (%1)").arg(cols.join(QLatin1String(", ")));
    out << QStringLiteral(
        "CREATE TABLE __idx (name TEXT PRIMARY KEY, fields TEXT NOT NULL, flags INTEGER NOT NULL)");
    for (const IndexDef &idx : def.indexes) {
        if (!usesRecordNumber(def, idx))
            out << createIndexStatement(def, idx);
    }
    return out;
}

namespace {
QString text(sqlite3_stmt *st, int col)
{
    const unsigned char *p = sqlite3_column_text(st, col);
    return p ? QString::fromUtf8(reinterpret_cast<const char *>(p)) : QString();
}
} // namespace

TableDef readLayout(sqlite3 *db, const QString &fileName)
{
    TableDef def;
    def.fileName = fileName;
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA table_info(data)", -1, &st, nullptr) != SQLITE_OK) {
        // another process writing past the time-out is no damage of the file
        if (const int rc = sqlite3_errcode(db); rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            throw EngineError(EngineError::Category::Busy, code::TableBusy,
                              QStringLiteral("Die Tabelle %1 ist in Benutzung.").arg(fileName),
                              sqlite3_extended_errcode(db));
        throw EngineError(EngineError::Category::Layout, code::TableCorrupt,
                          QStringLiteral("Die Tabelle %1 ist beschädigt.").arg(fileName),
                          sqlite3_errcode(db));
    }
    while (sqlite3_step(st) == SQLITE_ROW) {
        const QString name = text(st, 1);
        if (name.startsWith(QLatin1String("__ix_")))
            continue;
        def.fields.append(fieldFromDeclared(name, text(st, 2), sqlite3_column_int(st, 3) != 0,
                                            sqlite3_column_int(st, 5) != 0));
    }
    sqlite3_finalize(st);
    if (def.fields.isEmpty())
        throw EngineError(EngineError::Category::Layout, code::TableCorrupt,
                          QStringLiteral("Die Datei %1 enthält keine Tabelle.").arg(fileName));
    for (const FieldDef &f : def.fields) {
        if (f.type == FieldType::AutoInc) {
            IndexDef p;
            p.fields = f.name;
            p.primary = p.unique = true;
            def.indexes.append(p);
        }
    }
    if (sqlite3_prepare_v2(db, "SELECT name, fields, flags FROM __idx ORDER BY rowid", -1, &st, nullptr) ==
        SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW) {
            IndexDef idx;
            const int flags = sqlite3_column_int(st, 2);
            idx.name = text(st, 0);
            idx.fields = text(st, 1);
            idx.primary = flags & 1;
            idx.unique = flags & 2;
            idx.descending = flags & 4;
            idx.caseInsensitive = flags & 8;
            if (idx.primary)
                idx.name.clear();
            if (idx.primary && usesRecordNumber(def, idx))
                continue;
            if (idx.primary)
                def.indexes.prepend(idx);
            else
                def.indexes.append(idx);
        }
        sqlite3_finalize(st);
    }
    return def;
}

bool parseSqlType(const QString &text, FieldDef &into)
{
    static const QRegularExpression re(
        QStringLiteral("^\\s*([A-Za-z]+)\\s*(?:\\(\\s*(\\d+)\\s*(?:,\\s*(\\d+)\\s*)?\\))?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    const QString t = m.captured(1).toUpper();
    const int n = m.captured(2).toInt();
    const int sub = m.captured(3).toInt();
    into.size = 0;
    if (t == QLatin1String("CHAR") || t == QLatin1String("VARCHAR")) {
        into.type = FieldType::String;
        into.size = n > 0 ? n : 1;
    } else if (t == QLatin1String("INTEGER") || t == QLatin1String("INT"))
        into.type = FieldType::Integer;
    else if (t == QLatin1String("SMALLINT"))
        into.type = FieldType::SmallInt;
    else if (t == QLatin1String("DATE"))
        into.type = FieldType::Date;
    else if (t == QLatin1String("TIMESTAMP"))
        into.type = FieldType::Timestamp;
    else if (t == QLatin1String("TIME"))
        into.type = FieldType::Time;
    else if (t == QLatin1String("BOOLEAN"))
        into.type = FieldType::Boolean;
    else if (t == QLatin1String("FLOAT") || t == QLatin1String("NUMERIC") || t == QLatin1String("DOUBLE"))
        into.type = FieldType::Float;
    else if (t == QLatin1String("MONEY"))
        into.type = FieldType::Currency;
    else if (t == QLatin1String("AUTOINC"))
        into.type = FieldType::Integer; // an added column cannot number existing records
    else if (t == QLatin1String("BLOB")) {
        // BLOB(n, s): s 1 = memo, 5 = graphic, others binary
        into.type = sub == 1 || sub == 0 ? FieldType::Memo : sub == 5 ? FieldType::Graphic : FieldType::Bytes;
        into.size = sub == 1 ? n : 0;
    } else if (t == QLatin1String("MEMO")) {
        into.type = FieldType::Memo;
        into.size = n;
    } else
        return false;
    return true;
}

} // namespace tav::store::schema

namespace tav::store::schema {
QVector<int> indexFieldPositions(const TableDef &layout, const IndexDef &idx)
{
    QVector<int> out;
    for (const QString &name : idx.fieldList()) {
        int found = -1;
        for (int i = 0; i < layout.fields.size(); ++i) {
            if (layout.fields[i].name.compare(name, Qt::CaseInsensitive) == 0) {
                found = i;
                break;
            }
        }
        out.append(found);
    }
    return out;
}
} // namespace tav::store::schema
