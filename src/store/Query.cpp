#include "Query.h"

#include "Database.h"
#include "FileCheck.h"
#include "KeyCodec.h"
#include "Schema.h"
#include "Statement.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

namespace tav::store {

namespace {

int germanCompare(void *, int la, const void *a, int lb, const void *b)
{
    const QString sa = QString::fromUtf8(static_cast<const char *>(a), la);
    const QString sb = QString::fromUtf8(static_cast<const char *>(b), lb);
    return keycodec::compareText(sa, sb);
}

EngineError sqlError(const QString &sql, const QString &why)
{
    return EngineError(EngineError::Category::Syntax, code::Sql, QStringLiteral("SQL-Fehler: %1").arg(why))
        .push(code::Sql, sql);
}

const QStringList &keywords()
{
    static const QStringList k = {
        QStringLiteral("where"), QStringLiteral("join"),  QStringLiteral("inner"),   QStringLiteral("left"),
        QStringLiteral("right"), QStringLiteral("outer"), QStringLiteral("cross"),   QStringLiteral("on"),
        QStringLiteral("order"), QStringLiteral("group"), QStringLiteral("having"),  QStringLiteral("limit"),
        QStringLiteral("union"), QStringLiteral("set"),   QStringLiteral("natural"), QStringLiteral("full"),
        QStringLiteral("using"), QStringLiteral("values")};
    return k;
}

} // namespace

void registerGermanCollation(sqlite3 *db)
{
    sqlite3_create_collation(db, "DE", SQLITE_UTF8, nullptr, germanCompare);
}

Query::Query(Database *db, const QString &sql) : m_db(db), m_sql(sql)
{
}

Query::~Query()
{
    close();
}

void Query::setSql(const QString &sql)
{
    close();
    m_sql = sql;
    m_named.clear();
    m_positional.clear();
}

void Query::bindValue(const QString &placeholder, const QVariant &value)
{
    m_named.append(
        {placeholder.startsWith(QLatin1Char(':')) ? placeholder : QLatin1Char(':') + placeholder, value});
}

void Query::addBindValue(const QVariant &value)
{
    m_positional.append(value);
}

// Table references by file name become attached databases: FROM "catstamm.db" c -> FROM t0.data c
QString Query::rewrite(const QString &sql, QStringList &attached)
{
    static const QRegularExpression ref(QStringLiteral("(\\b(?:FROM|JOIN|UPDATE|INTO)\\s+|,\\s*)(\"[^\"]+\"|'"
                                                       "[^']+'|[\\p{L}_][\\p{L}\\p{N}_]*(?:\\.[Dd][Bb])?)"),
                                        QRegularExpression::CaseInsensitiveOption);
    QString out;
    int last = 0;
    auto it = ref.globalMatch(sql);
    while (it.hasNext()) {
        const auto m = it.next();
        QString name = m.captured(2);
        const bool quotedName = name.startsWith(QLatin1Char('"')) || name.startsWith(QLatin1Char('\''));
        if (quotedName)
            name = name.mid(1, name.size() - 2);
        // after a comma only table names of the form x.db count (columns are not tables)
        if (m.captured(1).trimmed() == QLatin1String(",") &&
            !name.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
            continue;
        if (!quotedName && keywords().contains(name.toLower()))
            continue;
        const QString path = m_db->resolve(name);
        if (path.isEmpty()) {
            if (quotedName || name.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
                throw EngineError(EngineError::Category::NotFound, code::TableNotFound,
                                  QStringLiteral("Tabelle nicht gefunden: %1").arg(name));
            continue;
        }
        int n = int(attached.indexOf(path));
        if (n < 0) {
            if (attached.size() >= 10)
                throw sqlError(sql, QStringLiteral("mehr als zehn Tabellen"));
            attached << path;
            n = int(attached.size()) - 1;
        }
        // keep the table's bare name usable as a qualifier when no alias follows
        const int after = int(m.capturedEnd(2));
        static const QRegularExpression aliasRe(QStringLiteral("^\\s+(?:AS\\s+)?([\\p{L}_][\\p{L}\\p{N}_]*)"),
                                                QRegularExpression::CaseInsensitiveOption);
        const auto am = aliasRe.match(sql.mid(after, 64));
        const bool hasAlias = am.hasMatch() && !keywords().contains(am.captured(1).toLower());
        const bool isUpdateTarget =
            m.captured(1).trimmed().compare(QLatin1String("UPDATE"), Qt::CaseInsensitive) == 0 ||
            m.captured(1).trimmed().compare(QLatin1String("INTO"), Qt::CaseInsensitive) == 0;
        out += sql.mid(last, m.capturedStart(2) - last);
        out += QStringLiteral("t%1.data").arg(n);
        if (!hasAlias && !isUpdateTarget)
            out += QStringLiteral(" AS ") + schema::quoted(QFileInfo(name).completeBaseName());
        last = after;
    }
    out += sql.mid(last);
    return out;
}

void Query::execAlter(const QString &sql)
{
    static const QRegularExpression head(
        QStringLiteral("^\\s*ALTER\\s+TABLE\\s+(\"[^\"]+\"|'[^']+'|\\S+)\\s+(.*)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto m = head.match(sql);
    if (!m.hasMatch())
        throw sqlError(sql, QStringLiteral("ALTER TABLE erwartet"));
    QString table = m.captured(1);
    if (table.startsWith(QLatin1Char('"')) || table.startsWith(QLatin1Char('\'')))
        table = table.mid(1, table.size() - 2);
    // split the ADD clauses at commas outside parentheses
    QStringList clauses;
    QString cur;
    int depth = 0;
    for (QChar c : m.captured(2)) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        if (c == QLatin1Char(',') && depth == 0) {
            clauses << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    clauses << cur;
    static const QRegularExpression add(
        QStringLiteral(
            "^\\s*ADD\\s+(?:COLUMN\\s+)?(\"[^\"]+\"|[\\p{L}_][\\p{L}\\p{N}_]*)\\s+(.+?)\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    QVector<FieldDef> fields;
    for (const QString &c : clauses) {
        const auto am = add.match(c);
        if (!am.hasMatch())
            throw sqlError(sql, QStringLiteral("ADD erwartet: %1").arg(c.trimmed()));
        FieldDef f;
        f.name = am.captured(1);
        if (f.name.startsWith(QLatin1Char('"')))
            f.name = f.name.mid(1, f.name.size() - 2);
        if (!schema::parseSqlType(am.captured(2), f))
            throw sqlError(sql, QStringLiteral("unbekannter Typ: %1").arg(am.captured(2)));
        fields << f;
    }
    m_db->addFields(table, fields);
}

void Query::prepare()
{
    close();
    if (!m_db)
        throw sqlError(m_sql, QStringLiteral("keine Datenbank"));
    const QString trimmed = m_sql.trimmed();
    if (sqlite3_open_v2(":memory:", &m_conn, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK)
        throw sqlError(m_sql, QStringLiteral("keine Verbindung"));
    registerGermanCollation(m_conn);
    sqlite3_busy_timeout(m_conn, busyTimeoutMs);
    m_attached.clear();
    const QString rewritten = rewrite(trimmed, m_attached);
    for (int i = 0; i < m_attached.size(); ++i) {
        checkTableFile(m_attached[i]);
        Statement att(m_conn, QStringLiteral("ATTACH DATABASE ? AS t%1").arg(i));
        att.bind(1, m_attached[i]);
        att.exec();
    }
    m_stmt = std::make_unique<Statement>(m_conn, rewritten);
    bindAll();
    m_columns.clear();
    m_types.clear();
    for (int i = 0; i < m_stmt->columnCount(); ++i) {
        m_columns << m_stmt->columnName(i);
        const char *decl = sqlite3_column_decltype(m_stmt->handle(), i);
        const FieldDef f = schema::fieldFromDeclared(
            m_columns.last(), decl ? QString::fromUtf8(decl) : QString(), false, false);
        m_types << (decl ? f.type : FieldType::Bytes); // Bytes: computed column, raw value
    }
}

void Query::bindAll()
{
    int pos = 0;
    sqlite3_stmt *h = m_stmt->handle();
    for (int i = 1; i <= sqlite3_bind_parameter_count(h); ++i) {
        const char *name = sqlite3_bind_parameter_name(h, i);
        if (name && name[0] == ':') {
            const QString n = QString::fromUtf8(name);
            bool found = false;
            for (const auto &p : m_named) {
                if (p.first.compare(n, Qt::CaseInsensitive) == 0) {
                    m_stmt->bind(i, p.second);
                    found = true;
                }
            }
            if (!found)
                throw sqlError(m_sql, QStringLiteral("Wert fehlt für %1").arg(n));
        } else {
            if (pos >= m_positional.size())
                throw sqlError(m_sql, QStringLiteral("Wert fehlt für Platzhalter %1").arg(i));
            m_stmt->bind(i, m_positional[pos++]);
        }
    }
}

void Query::open()
{
    prepare();
    next();
}

void Query::exec()
{
    const QString trimmed = m_sql.trimmed();
    if (trimmed.startsWith(QLatin1String("ALTER"), Qt::CaseInsensitive)) {
        close();
        execAlter(trimmed);
        return;
    }
    prepare();
    const bool writes = !sqlite3_stmt_readonly(m_stmt->handle());
    m_stmt->exec();
    m_changes = sqlite3_changes(m_conn);
    const QStringList touched = m_attached;
    close();
    if (writes) {
        for (const QString &path : touched)
            m_db->refreshKeys(QFileInfo(path).fileName());
    }
}

void Query::next()
{
    if (!m_stmt) {
        m_eof = true;
        return;
    }
    m_eof = !m_stmt->step();
}

QVariant Query::current(int col) const
{
    if (!m_stmt || m_eof || col < 0 || col >= m_types.size())
        return QVariant();
    if (m_types[col] == FieldType::Bytes)
        return m_stmt->column(col);
    return m_stmt->stored(col, m_types[col]);
}

QVariant Query::value(int column) const
{
    return current(column);
}

QVariant Query::value(const QString &column) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].compare(column, Qt::CaseInsensitive) == 0)
            return current(i);
    }
    throw EngineError(EngineError::Category::InvalidRequest, code::FieldNotFound,
                      QStringLiteral("Feld nicht gefunden: %1").arg(column));
}

std::optional<qint64> Query::units(const QString &column) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].compare(column, Qt::CaseInsensitive) != 0)
            continue;
        if (!m_stmt || m_eof || sqlite3_column_type(m_stmt->handle(), i) == SQLITE_NULL)
            return std::nullopt;
        return m_stmt->columnInt64(i);
    }
    throw EngineError(EngineError::Category::InvalidRequest, code::FieldNotFound,
                      QStringLiteral("Feld nicht gefunden: %1").arg(column));
}

QVector<QVariantList> Query::rows()
{
    QVector<QVariantList> out;
    while (!m_eof) {
        QVariantList r;
        for (int i = 0; i < m_columns.size(); ++i)
            r << current(i);
        out << r;
        next();
    }
    return out;
}

void Query::close()
{
    m_stmt.reset();
    if (m_conn) {
        sqlite3_close_v2(m_conn);
        m_conn = nullptr;
    }
    m_eof = true;
}

} // namespace tav::store
