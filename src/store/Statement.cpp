#include "Statement.h"

#include "EngineError.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cmath>

namespace tav::store {

void throwSqlite(sqlite3 *db, int rc, const QString &context)
{
    const int ext = db ? sqlite3_extended_errcode(db) : rc;
    const QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    const int primary = rc & 0xff;
    EngineError::Category cat = EngineError::Category::Internal;
    int c = code::Internal;
    if (primary == SQLITE_CORRUPT) {
        cat = EngineError::Category::IndexDamage;
        c = (ext == SQLITE_CORRUPT_INDEX) ? code::IndexCorrupt : code::TableCorrupt;
        if (msg.contains(QLatin1String("index"), Qt::CaseInsensitive))
            c = code::IndexCorrupt;
    } else if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
        cat = EngineError::Category::Busy;
        c = code::TableBusy;
    } else if (primary == SQLITE_CONSTRAINT) {
        cat = EngineError::Category::Integrity;
        c = (ext == SQLITE_CONSTRAINT_NOTNULL) ? code::RequiredField : code::KeyViolation;
    } else if (primary == SQLITE_READONLY) {
        cat = EngineError::Category::InvalidRequest;
        c = code::ReadOnly;
    } else if (primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN || primary == SQLITE_FULL ||
               primary == SQLITE_NOTADB) {
        cat = EngineError::Category::Io;
        c = primary == SQLITE_NOTADB ? code::TableCorrupt : code::Io;
    } else if (primary == SQLITE_ERROR) {
        cat = EngineError::Category::Syntax;
        c = code::Sql;
    }
    EngineError e(cat, c, context.isEmpty() ? msg : context, ext);
    if (!context.isEmpty())
        e.push(c, msg, ext);
    throw e;
}

void execSql(sqlite3 *db, const QString &sql)
{
    char *err = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err);
    if (err)
        sqlite3_free(err);
    if (rc != SQLITE_OK)
        throwSqlite(db, rc, QString());
}

Statement::Statement(sqlite3 *db, const QString &sql) : m_db(db)
{
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v3(db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT,
                                      &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        throwSqlite(db, rc, QString());
}

Statement::~Statement()
{
    if (m_stmt)
        sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement &&other) noexcept : m_db(other.m_db), m_stmt(other.m_stmt)
{
    other.m_stmt = nullptr;
}

Statement &Statement::operator=(Statement &&other) noexcept
{
    if (this != &other) {
        if (m_stmt)
            sqlite3_finalize(m_stmt);
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        other.m_stmt = nullptr;
    }
    return *this;
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void Statement::bind(int index, const QVariant &v)
{
    int rc = SQLITE_OK;
    if (!v.isValid() || v.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (v.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::UChar:
        case QMetaType::Long: rc = sqlite3_bind_int64(m_stmt, index, v.toLongLong()); break;
        case QMetaType::Double:
        case QMetaType::Float: rc = sqlite3_bind_double(m_stmt, index, v.toDouble()); break;
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            rc =
                sqlite3_bind_blob64(m_stmt, index, b.constData(), sqlite3_uint64(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray s = v.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, s.constData(), sqlite3_uint64(s.size()), SQLITE_TRANSIENT,
                                     SQLITE_UTF8);
        }
        }
    }
    if (rc != SQLITE_OK)
        throwSqlite(m_db, rc, QString());
}

void Statement::bindStored(int index, FieldType type, const QVariant &value)
{
    bind(index, toStored(type, value));
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(m_stmt);
    throwSqlite(m_db, rc, QString());
}

void Statement::exec()
{
    while (step()) {
    }
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int col) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, col));
}

QByteArray Statement::columnBlob(int col) const
{
    const void *p = sqlite3_column_blob(m_stmt, col);
    return p ? QByteArray(static_cast<const char *>(p), sqlite3_column_bytes(m_stmt, col)) : QByteArray();
}

QVariant Statement::column(int col) const
{
    switch (sqlite3_column_type(m_stmt, col)) {
    case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_column_int64(m_stmt, col)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_stmt, col));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, col)),
                                          sqlite3_column_bytes(m_stmt, col)));
    case SQLITE_BLOB: return QVariant(columnBlob(col));
    default: return QVariant();
    }
}

QVariant Statement::stored(int col, FieldType type) const
{
    if (sqlite3_column_type(m_stmt, col) == SQLITE_NULL)
        return QVariant();
    switch (type) {
    case FieldType::AutoInc:
    case FieldType::Integer:
    case FieldType::SmallInt: return QVariant(int(sqlite3_column_int64(m_stmt, col)));
    case FieldType::Float: return QVariant(sqlite3_column_double(m_stmt, col));
    case FieldType::Boolean: return QVariant(sqlite3_column_int64(m_stmt, col) != 0);
    case FieldType::Currency: return QVariant(double(sqlite3_column_int64(m_stmt, col)) / 10000.0);
    case FieldType::Graphic:
    case FieldType::Bytes: return QVariant(columnBlob(col));
    default: return fromStored(type, column(col));
    }
}

QVariant toStored(FieldType type, const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return QVariant();
    switch (type) {
    case FieldType::String:
    case FieldType::Memo: {
        const QString s = v.toString();
        return s.isEmpty() ? QVariant() : QVariant(s);
    }
    case FieldType::AutoInc:
    case FieldType::Integer:
    case FieldType::SmallInt: {
        if (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty())
            return QVariant();
        return QVariant(v.toLongLong());
    }
    case FieldType::Boolean: return QVariant(qlonglong(v.toBool() ? 1 : 0));
    case FieldType::Float: return QVariant(v.toDouble());
    case FieldType::Currency: return QVariant(qlonglong(std::llround(v.toDouble() * 10000.0)));
    case FieldType::Date: {
        const QDate d = v.toDate();
        return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant();
    }
    case FieldType::Timestamp: {
        const QDateTime dt = v.toDateTime();
        return dt.isValid() ? QVariant(dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))) : QVariant();
    }
    case FieldType::Time: {
        const QTime t = v.toTime();
        return t.isValid() ? QVariant(t.toString(QStringLiteral("HH:mm:ss.zzz"))) : QVariant();
    }
    case FieldType::Graphic:
    case FieldType::Bytes: {
        const QByteArray b = v.toByteArray();
        return b.isEmpty() ? QVariant() : QVariant(b);
    }
    }
    return v;
}

QVariant fromStored(FieldType type, const QVariant &s)
{
    if (!s.isValid() || s.isNull())
        return QVariant();
    switch (type) {
    case FieldType::Date: return QVariant(QDate::fromString(s.toString().left(10), Qt::ISODate));
    case FieldType::Timestamp: {
        QDateTime dt = QDateTime::fromString(s.toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
        if (!dt.isValid())
            dt = QDateTime::fromString(s.toString(), Qt::ISODate);
        return QVariant(dt);
    }
    case FieldType::Time: {
        QTime t = QTime::fromString(s.toString(), QStringLiteral("HH:mm:ss.zzz"));
        if (!t.isValid())
            t = QTime::fromString(s.toString(), Qt::ISODate);
        return QVariant(t);
    }
    case FieldType::String:
    case FieldType::Memo: return QVariant(s.toString());
    case FieldType::Currency: return QVariant(s.toDouble() / 10000.0);
    case FieldType::Boolean: return QVariant(s.toLongLong() != 0);
    case FieldType::Float: return QVariant(s.toDouble());
    case FieldType::Integer:
    case FieldType::SmallInt:
    case FieldType::AutoInc: return QVariant(s.toInt());
    default: return s;
    }
}

} // namespace tav::store
