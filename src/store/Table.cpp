#include "Table.h"

#include "Filter.h"
#include "KeyCodec.h"
#include "Schema.h"
#include "Statement.h"

#include <algorithm>

namespace tav::store
{

namespace
{
constexpr int WindowSize = 64;

EngineError invalid(int c, const QString &msg)
{
    return EngineError(EngineError::Category::InvalidRequest, c, msg);
}
} // namespace

Table::Table(Database *db, const QString &tableName, QObject *parent)
    : QObject(parent), m_db(db), m_tableName(tableName)
{
}

Table::~Table()
{
    if (isOpen()) {
        // a pending change is not silently lost on destruction, but an error must not escape
        try {
            close();
        } catch (...) {
            m_state = State::Inactive;
        }
    }
    for (auto &c : m_masterConn)
        QObject::disconnect(c);
}

void Table::setDatabase(Database *db)
{
    if (isOpen()) close();
    m_db = db;
}

void Table::setTableName(const QString &name)
{
    if (isOpen()) close();
    m_tableName = name;
}

QString Table::fileName() const
{
    return m_file ? m_file->fileName : m_tableName;
}

void Table::setReadOnly(bool on)
{
    if (isOpen()) close();
    m_readOnly = on;
}

void Table::setExclusive(bool on)
{
    if (isOpen()) close();
    m_exclusive = on;
}

const TableDef &Table::layout() const
{
    requireOpen();
    return m_file->layout;
}

void Table::requireOpen() const
{
    if (m_state == State::Inactive || !m_file)
        throw invalid(code::Internal, QStringLiteral("Die Tabelle %1 ist nicht geöffnet.").arg(m_tableName));
}

// --- index choice -----------------------------------------------------------

void Table::setIndexName(const QString &name)
{
    if (isOpen()) checkBrowseMode();
    const QString oldName = m_indexName, oldFields = m_indexFields;
    m_indexName = name;
    m_indexFields.clear();
    if (isOpen()) {
        const qint64 current = hasRecord() ? m_rows[m_pos].rowid : 0;
        try {
            selectIndex();
        } catch (...) {
            m_indexName = oldName; // a missing index leaves the order as it was
            m_indexFields = oldFields;
            selectIndex();
            if (current) gotoBookmark({current});
            throw;
        }
        if (current)
            gotoBookmark({current});
        else
            first();
    }
}

void Table::setIndexFieldNames(const QString &fields)
{
    if (isOpen()) checkBrowseMode();
    const QString oldName = m_indexName, oldFields = m_indexFields;
    m_indexFields = fields;
    m_indexName.clear();
    if (isOpen()) {
        const qint64 current = hasRecord() ? m_rows[m_pos].rowid : 0;
        try {
            selectIndex();
        } catch (...) {
            m_indexName = oldName;
            m_indexFields = oldFields;
            selectIndex();
            if (current) gotoBookmark({current});
            throw;
        }
        if (current)
            gotoBookmark({current});
        else
            first();
    }
}

QString Table::indexFieldNames() const
{
    return isOpen() ? m_index.fields : m_indexFields;
}

void Table::selectIndex()
{
    const TableDef &lay = m_file->layout;
    const IndexDef *idx = nullptr;
    if (!m_indexFields.isEmpty()) {
        idx = lay.indexForFields(m_indexFields);
        if (!idx) { // an index that starts with these fields serves as well
            const QStringList want = IndexDef{QString(), m_indexFields}.fieldList();
            for (const IndexDef &cand : lay.indexes) {
                const QStringList have = cand.fieldList();
                if (have.size() < want.size()) continue;
                bool ok = true;
                for (int i = 0; i < want.size() && ok; ++i)
                    ok = have[i].compare(want[i], Qt::CaseInsensitive) == 0;
                if (ok) {
                    idx = &cand;
                    break;
                }
            }
        }
        if (!idx)
            throw EngineError(
                EngineError::Category::IndexDamage, code::NoSuchIndex,
                QStringLiteral("Kein Index für die Felder %1 in %2.").arg(m_indexFields, fileName()));
    } else {
        idx = lay.index(m_indexName);
        if (!idx && m_indexName.isEmpty()) {
            m_index = IndexDef();
            m_rowidOrder = true;
            m_keyExpr = QStringLiteral("rowid");
            m_indexPos.clear();
            m_rows.clear();
            m_pos = -1;
            invalidateCount();
            return;
        }
        if (!idx)
            throw EngineError(EngineError::Category::IndexDamage, code::NoSuchIndex,
                              QStringLiteral("Index %1 nicht gefunden in %2.").arg(m_indexName, fileName()));
    }
    m_index = *idx;
    m_rowidOrder = schema::usesRecordNumber(lay, m_index);
    m_keyExpr = m_rowidOrder ? QStringLiteral("rowid")
                             : schema::quoted(schema::keyColumn(m_index.primary ? QString() : m_index.name));
    m_indexPos = schema::indexFieldPositions(lay, m_index);
    m_rows.clear();
    m_pos = -1;
    invalidateCount();
    m_recNo = 0;
}

// --- master link, filter, range ---------------------------------------------

void Table::setMaster(Table *master, const QString &masterFields)
{
    for (auto &c : m_masterConn)
        QObject::disconnect(c);
    m_master = master;
    m_masterFields = masterFields;
    if (master) {
        m_masterConn[0] = connect(master, &Table::afterScroll, this, &Table::masterChanged);
        m_masterConn[1] = connect(master, &Table::afterOpen, this, &Table::masterChanged);
        m_masterConn[2] = connect(master, &Table::afterClose, this, &Table::masterChanged);
    }
    if (isOpen()) masterChanged();
}

void Table::masterChanged()
{
    if (!isOpen()) return;
    checkBrowseMode();
    invalidateCount();
    m_recNo = 0;
    first();
}

void Table::setFilter(const QString &expression)
{
    if (isOpen()) {
        const FilterSql f = parseFilter(expression, m_file->layout);
        m_filterSql = f.where;
        m_filterParams = f.params;
    }
    m_filterText = expression;
    if (isOpen() && m_filtered) {
        invalidateCount();
        first();
    }
}

void Table::setFiltered(bool on)
{
    if (m_filtered == on) return;
    m_filtered = on;
    if (isOpen()) {
        invalidateCount();
        first();
    }
}

void Table::setRange(const QVariantList &start, const QVariantList &end)
{
    requireOpen();
    checkBrowseMode();
    m_rangeStart = start;
    m_rangeEnd = end;
    invalidateCount();
    first();
}

void Table::cancelRange()
{
    m_rangeStart.reset();
    m_rangeEnd.reset();
    if (isOpen()) {
        invalidateCount();
        first();
    }
}

QVariant Table::boundFor(const QVariantList &values, bool upper) const
{
    if (m_rowidOrder) {
        if (values.isEmpty() || values.first().isNull())
            return upper ? QVariant(std::numeric_limits<qint64>::max()) : QVariant(qint64(0));
        const qint64 v = values.first().toLongLong();
        return upper ? QVariant(v + 1) : QVariant(v);
    }
    QByteArray prefix;
    const TableDef &lay = m_file->layout;
    for (int i = 0; i < values.size() && i < m_indexPos.size(); ++i) {
        const int p = m_indexPos[i];
        keycodec::appendField(prefix, p >= 0 ? lay.fields[p].type : FieldType::Integer, values[i],
                              m_index.caseInsensitive);
    }
    return upper ? QVariant(keycodec::upperBound(prefix)) : QVariant(prefix);
}

QString Table::conditions(QVariantList &params) const
{
    QStringList c;
    if (m_rangeStart) {
        c << m_keyExpr + QLatin1String(" >= ?");
        params << boundFor(*m_rangeStart, false);
    }
    if (m_rangeEnd) {
        c << m_keyExpr + QLatin1String(" < ?");
        params << boundFor(*m_rangeEnd, true);
    }
    if (m_master) {
        const QStringList mf = m_masterFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QVariantList vals;
        bool has = m_master->isOpen() && m_master->hasRecord();
        for (const QString &f : mf)
            vals << (has ? m_master->value(f.trimmed()) : QVariant());
        if (!has) {
            c << QStringLiteral("0");
        } else {
            c << m_keyExpr + QLatin1String(" >= ?") << m_keyExpr + QLatin1String(" < ?");
            params << boundFor(vals, false) << boundFor(vals, true);
        }
    }
    if (m_filtered && !m_filterSql.isEmpty()) {
        c << m_filterSql;
        params << m_filterParams;
    }
    return c.join(QLatin1String(" AND "));
}

// --- open / close -------------------------------------------------------------

void Table::open()
{
    if (isOpen()) return;
    if (!m_db) throw invalid(code::Internal, QStringLiteral("Keine Datenbank für %1.").arg(m_tableName));
    m_file = m_db->acquire(m_tableName, m_exclusive);
    try {
        if (m_checkLayout) {
            if (const TableDef *declared = findTableDef(m_file->fileName)) {
                QStringList missing;
                for (const FieldDef &f : declared->fields) {
                    if (!m_file->layout.field(f.name)) missing << f.name;
                }
                if (!missing.isEmpty())
                    throw EngineError(EngineError::Category::Layout, code::WrongLayout,
                                      QStringLiteral("Der Tabelle %1 fehlen Felder.").arg(m_file->fileName))
                        .push(code::WrongLayout, missing.join(QLatin1String(", ")));
            }
        }
        if (!m_filterText.isEmpty()) {
            const FilterSql f = parseFilter(m_filterText, m_file->layout);
            m_filterSql = f.where;
            m_filterParams = f.params;
        }
        for (Extra &e : m_extras) {
            if (!e.lookup) continue;
            if (!m_lookupFiles.contains(e.lookupTable.toLower()))
                m_lookupFiles.insert(e.lookupTable.toLower(), m_db->acquire(e.lookupTable, false));
        }
        m_state = State::Browse;
        selectIndex();
    } catch (...) {
        for (TableFile *f : std::as_const(m_lookupFiles))
            m_db->release(f);
        m_lookupFiles.clear();
        m_db->release(m_file);
        m_file = nullptr;
        m_state = State::Inactive;
        throw;
    }
    m_db->registerTable(this);
    m_inScroll = true;
    first();
    m_inScroll = false;
    Q_EMIT afterOpen();
    Q_EMIT stateChanged();
    Q_EMIT afterScroll();
}

void Table::close()
{
    if (!isOpen()) return;
    if (isEditing()) {
        // a table posts pending input before it closes
        if (m_modified)
            post();
        else
            cancel();
    }
    qDeleteAll(m_statements);
    m_statements.clear();
    for (TableFile *f : std::as_const(m_lookupFiles))
        m_db->release(f);
    m_lookupFiles.clear();
    if (m_db) {
        m_db->release(m_file);
        m_db->unregisterTable(this);
    }
    m_file = nullptr;
    m_rows.clear();
    m_pos = -1;
    m_bof = m_eof = true;
    m_state = State::Inactive;
    Q_EMIT afterClose();
    Q_EMIT stateChanged();
}

// --- fetching -----------------------------------------------------------------

Statement &Table::statement(const QString &sql)
{
    auto it = m_statements.find(sql);
    if (it != m_statements.end()) {
        (*it)->reset();
        return **it;
    }
    auto *st = new Statement(m_file->db, sql);
    m_statements.insert(sql, st);
    return *st;
}

QString Table::orderBy(Dir d) const
{
    const bool asc = (d == Dir::Forward) != m_index.descending;
    return QStringLiteral(" ORDER BY %1 %2")
        .arg(m_keyExpr, asc ? QStringLiteral("ASC") : QStringLiteral("DESC"));
}

Table::Row Table::readRow(Statement &st) const
{
    Row r;
    r.rowid = st.columnInt64(0);
    r.key = m_rowidOrder ? QVariant(r.rowid) : QVariant(st.columnBlob(1));
    const TableDef &lay = m_file->layout;
    r.values.resize(lay.fields.size());
    for (int i = 0; i < lay.fields.size(); ++i)
        r.values[i] = st.stored(i + 2, lay.fields[i].type);
    return r;
}

QVector<Table::Row> Table::fetch(Dir d, const QVariant *from, bool inclusive, int limit, int offset)
{
    QVariantList params;
    QString where = conditions(params);
    if (from) {
        const bool up = (d == Dir::Forward) != m_index.descending;
        const QString op = up ? (inclusive ? QStringLiteral(">=") : QStringLiteral(">"))
                              : (inclusive ? QStringLiteral("<=") : QStringLiteral("<"));
        where = (where.isEmpty() ? QString() : where + QLatin1String(" AND ")) + m_keyExpr + op +
                QLatin1Char('?');
        params << *from;
    }
    QStringList cols;
    for (const FieldDef &f : m_file->layout.fields)
        cols << schema::quoted(f.name);
    const QString sql = QStringLiteral("SELECT rowid, %1, %2 FROM data%3%4 LIMIT ? OFFSET ?")
                            .arg(m_keyExpr, cols.join(QLatin1String(", ")),
                                 where.isEmpty() ? QString() : QLatin1String(" WHERE ") + where, orderBy(d));
    Statement &st = statement(sql);
    int i = 1;
    for (const QVariant &p : params)
        st.bind(i++, p);
    st.bind(i++, limit);
    st.bind(i, offset);
    QVector<Row> out;
    while (st.step())
        out.append(readRow(st));
    st.reset();
    return out;
}

void Table::setWindow(QVector<Row> rows, int pos, bool atStart, bool atEnd)
{
    m_rows = std::move(rows);
    m_pos = m_rows.isEmpty() ? -1 : pos;
    m_atStart = atStart;
    m_atEnd = atEnd;
}

void Table::beginScroll()
{
    checkBrowseMode();
    if (beforeScroll && !m_inScroll) beforeScroll(*this);
}

void Table::scrolled()
{
    if (hasRecord()) computeExtra(m_rows[m_pos]);
    if (!m_inScroll) Q_EMIT afterScroll();
}

void Table::first()
{
    requireOpen();
    beginScroll();
    QVector<Row> rows = fetch(Dir::Forward, nullptr, false, WindowSize);
    const bool end = rows.size() < WindowSize;
    setWindow(std::move(rows), 0, true, end);
    m_bof = true;
    m_eof = m_rows.isEmpty();
    m_recNo = m_rows.isEmpty() ? 0 : 1;
    scrolled();
}

void Table::last()
{
    requireOpen();
    beginScroll();
    QVector<Row> rows = fetch(Dir::Backward, nullptr, false, WindowSize);
    const bool start = rows.size() < WindowSize;
    std::reverse(rows.begin(), rows.end());
    const int n = int(rows.size());
    setWindow(std::move(rows), n - 1, start, true);
    m_eof = true;
    m_bof = m_rows.isEmpty();
    m_recNo = m_rows.isEmpty() ? 0 : -1;
    scrolled();
}

void Table::next()
{
    requireOpen();
    beginScroll();
    if (!hasRecord()) {
        m_eof = true;
        return;
    }
    m_bof = false;
    if (m_pos + 1 < m_rows.size()) {
        ++m_pos;
    } else if (m_atEnd) {
        m_eof = true;
        return;
    } else {
        QVector<Row> rows = fetch(Dir::Forward, &m_rows[m_pos].key, false, WindowSize);
        if (rows.isEmpty()) {
            m_atEnd = true;
            m_eof = true;
            return;
        }
        const bool end = rows.size() < WindowSize;
        rows.prepend(m_rows[m_pos]);
        setWindow(std::move(rows), 1, false, end);
    }
    m_eof = false;
    if (m_recNo > 0)
        ++m_recNo;
    else
        m_recNo = 0;
    scrolled();
}

void Table::prior()
{
    requireOpen();
    beginScroll();
    if (!hasRecord()) {
        m_bof = true;
        return;
    }
    m_eof = false;
    if (m_pos > 0) {
        --m_pos;
    } else if (m_atStart) {
        m_bof = true;
        return;
    } else {
        QVector<Row> rows = fetch(Dir::Backward, &m_rows[m_pos].key, false, WindowSize);
        if (rows.isEmpty()) {
            m_atStart = true;
            m_bof = true;
            return;
        }
        const bool start = rows.size() < WindowSize;
        std::reverse(rows.begin(), rows.end());
        rows.append(m_rows[m_pos]);
        const int n = int(rows.size());
        setWindow(std::move(rows), n - 2, start, false);
    }
    m_bof = false;
    m_recNo = m_recNo > 1 ? m_recNo - 1 : 0;
    scrolled();
}

int Table::moveBy(int distance)
{
    int moved = 0;
    while (distance > 0 && !eof()) {
        next();
        if (!eof()) ++moved;
        --distance;
    }
    while (distance < 0 && !bof()) {
        prior();
        if (!bof()) ++moved;
        ++distance;
    }
    return moved;
}

void Table::positionAt(const QVariant &key, bool inclusive)
{
    QVector<Row> rows = fetch(Dir::Forward, &key, inclusive, WindowSize);
    if (rows.isEmpty()) {
        m_inScroll = true;
        last();
        m_inScroll = false;
        m_eof = true;
        return;
    }
    const bool end = rows.size() < WindowSize;
    setWindow(std::move(rows), 0, false, end);
    m_bof = m_eof = false;
    m_recNo = 0;
}

bool Table::isEmpty()
{
    requireOpen();
    if (hasRecord()) return false;
    return recordCount() == 0;
}

int Table::recordCount()
{
    requireOpen();
    if (m_count >= 0) return m_count;
    QVariantList params;
    const QString where = conditions(params);
    Statement &st = statement(QStringLiteral("SELECT COUNT(*) FROM data%1")
                                  .arg(where.isEmpty() ? QString() : QLatin1String(" WHERE ") + where));
    int i = 1;
    for (const QVariant &p : params)
        st.bind(i++, p);
    m_count = st.step() ? int(st.columnInt64(0)) : 0;
    st.reset();
    return m_count;
}

int Table::recNo()
{
    requireOpen();
    if (!hasRecord()) return 0;
    if (m_state == State::Insert) return 0;
    if (m_recNo > 0) return m_recNo;
    QVariantList params;
    QString where = conditions(params);
    const bool up = !m_index.descending;
    where = (where.isEmpty() ? QString() : where + QLatin1String(" AND ")) + m_keyExpr +
            (up ? QLatin1String(" < ?") : QLatin1String(" > ?"));
    params << m_rows[m_pos].key;
    Statement &st = statement(QStringLiteral("SELECT COUNT(*) FROM data WHERE %1").arg(where));
    int i = 1;
    for (const QVariant &p : params)
        st.bind(i++, p);
    m_recNo = st.step() ? int(st.columnInt64(0)) + 1 : 0;
    st.reset();
    return m_recNo;
}

bool Table::moveTo(int target)
{
    requireOpen();
    if (target < 1) return false;
    const int current = recNo();
    if (current > 0 && target - current + m_pos >= 0 && target - current + m_pos < m_rows.size()) {
        beginScroll();
        m_pos += target - current;
        m_recNo = target;
        m_bof = m_eof = false;
        scrolled();
        return true;
    }
    beginScroll();
    // start the window a little before the target so that scrolling back stays cheap
    const int lead = std::min(target - 1, WindowSize / 4);
    QVector<Row> rows = fetch(Dir::Forward, nullptr, false, WindowSize, target - 1 - lead);
    if (rows.size() <= lead) {
        return false;
    }
    const bool end = rows.size() < WindowSize;
    setWindow(std::move(rows), lead, target - 1 - lead == 0, end);
    m_bof = m_eof = false;
    m_recNo = target;
    scrolled();
    return true;
}

void Table::refresh()
{
    requireOpen();
    checkBrowseMode();
    invalidateCount();
    const qint64 current = hasRecord() ? m_rows[m_pos].rowid : 0;
    if (current)
        gotoBookmark({current});
    else
        first();
}

Table::Bookmark Table::bookmark() const
{
    return {hasRecord() ? m_rows[m_pos].rowid : 0};
}

bool Table::bookmarkValid(const Bookmark &b)
{
    requireOpen();
    if (!b.isValid()) return false;
    Statement &st = statement(QStringLiteral("SELECT 1 FROM data WHERE rowid = ?"));
    st.bind(1, b.rowid);
    const bool found = st.step();
    st.reset();
    return found;
}

void Table::gotoBookmark(const Bookmark &b)
{
    requireOpen();
    QStringList cols;
    for (const FieldDef &f : m_file->layout.fields)
        cols << schema::quoted(f.name);
    Statement &st = statement(QStringLiteral("SELECT rowid, %1, %2 FROM data WHERE rowid = ?")
                                  .arg(m_keyExpr, cols.join(QLatin1String(", "))));
    st.bind(1, b.rowid);
    if (!st.step()) {
        st.reset();
        throw EngineError(EngineError::Category::NotFound, code::NoCurrentRecord,
                          QStringLiteral("Der Datensatz besteht nicht mehr."));
    }
    const Row r = readRow(st);
    st.reset();
    beginScroll();
    m_inScroll = true;
    positionAt(r.key, true);
    m_inScroll = false;
    scrolled();
}

QVariant Table::keyOf(const QVector<QVariant> &values, qint64 rowid) const
{
    if (m_rowidOrder) return QVariant(rowid);
    return schema::computeKey(
        m_file->layout, m_index, [&](int i) { return values[i]; }, rowid);
}

bool Table::findKey(const QVariantList &key)
{
    requireOpen();
    checkBrowseMode();
    const QVariant lo = boundFor(key, false);
    const QVariant hi = boundFor(key, true);
    QVector<Row> rows = fetch(Dir::Forward, m_index.descending ? &hi : &lo, !m_index.descending, 1);
    if (rows.isEmpty()) return false;
    const QVariant k = rows.first().key;
    const bool inside = m_rowidOrder
                            ? (k.toLongLong() >= lo.toLongLong() && k.toLongLong() < hi.toLongLong())
                            : (k.toByteArray() >= lo.toByteArray() && k.toByteArray() < hi.toByteArray());
    if (!inside) return false;
    beginScroll();
    m_inScroll = true;
    positionAt(k, true);
    m_inScroll = false;
    scrolled();
    return true;
}

bool Table::findNearest(const QVariantList &key)
{
    requireOpen();
    checkBrowseMode();
    QVariant bound;
    if (m_rowidOrder) {
        bound = key.isEmpty() ? QVariant(qint64(0)) : QVariant(key.first().toLongLong());
    } else {
        QByteArray prefix;
        const TableDef &lay = m_file->layout;
        for (int i = 0; i < key.size() && i < m_indexPos.size(); ++i) {
            const int p = m_indexPos[i];
            const FieldType t = p >= 0 ? lay.fields[p].type : FieldType::Integer;
            const bool lastText = i == key.size() - 1 && (t == FieldType::String || t == FieldType::Memo) &&
                                  !key[i].toString().isEmpty();
            if (lastText)
                keycodec::appendTextPrefix(prefix, key[i].toString());
            else
                keycodec::appendField(prefix, t, key[i], m_index.caseInsensitive);
        }
        bound = m_index.descending ? QVariant(keycodec::upperBound(prefix)) : QVariant(prefix);
    }
    beginScroll();
    m_inScroll = true;
    positionAt(bound, !m_index.descending);
    m_inScroll = false;
    scrolled();
    return !m_eof;
}

bool Table::locate(const QString &field, const QVariant &value)
{
    requireOpen();
    checkBrowseMode();
    const int fi = fieldIndex(field);
    if (fi < 0) throw invalid(code::FieldNotFound, QStringLiteral("Feld nicht gefunden: %1").arg(field));
    QVariantList params;
    QString where = conditions(params);
    const QVariant stored = toStored(m_file->layout.fields[fi].type, value);
    const QString cond = schema::quoted(m_file->layout.fields[fi].name) +
                         (stored.isValid() ? QStringLiteral(" = ?") : QStringLiteral(" IS NULL"));
    where = (where.isEmpty() ? QString() : where + QLatin1String(" AND ")) + cond;
    if (stored.isValid()) params << stored;
    Statement &st = statement(
        QStringLiteral("SELECT rowid FROM data WHERE %1%2 LIMIT 1").arg(where, orderBy(Dir::Forward)));
    int i = 1;
    for (const QVariant &p : params)
        st.bind(i++, p);
    const bool found = st.step();
    const qint64 rowid = found ? st.columnInt64(0) : 0;
    st.reset();
    if (found) gotoBookmark({rowid});
    return found;
}

// --- fields -------------------------------------------------------------------

int Table::fieldIndex(const QString &name) const
{
    if (!m_file) return -1;
    const auto &fields = m_file->layout.fields;
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

int Table::extraIndex(const QString &name) const
{
    for (int i = 0; i < m_extras.size(); ++i) {
        if (m_extras[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

int Table::fieldCount() const
{
    return (m_file ? int(m_file->layout.fields.size()) : 0) + int(m_extras.size());
}

QStringList Table::fieldNames() const
{
    QStringList out;
    if (m_file) {
        for (const FieldDef &f : m_file->layout.fields)
            out << f.name;
    }
    for (const Extra &e : m_extras)
        out << e.name;
    return out;
}

bool Table::hasField(const QString &name) const
{
    return fieldIndex(name) >= 0 || extraIndex(name) >= 0;
}

const FieldDef *Table::fieldDef(const QString &name) const
{
    return m_file ? m_file->layout.field(name) : nullptr;
}

QVariant Table::value(const QString &name) const
{
    const int fi = fieldIndex(name);
    const Row *row = isEditing() ? &m_edit : (hasRecord() ? &m_rows[m_pos] : nullptr);
    if (fi >= 0) return row ? row->values.value(fi) : QVariant();
    const int xi = extraIndex(name);
    if (xi < 0) throw invalid(code::FieldNotFound, QStringLiteral("Feld nicht gefunden: %1").arg(name));
    if (!row) return QVariant();
    if (!row->extraDone) computeExtra(const_cast<Row &>(*row));
    return row->extra.value(xi);
}

QString Table::text(const QString &name) const
{
    const QVariant v = value(name);
    if (v.typeId() == QMetaType::QDate) return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    return v.toString();
}

qint64 Table::recordNumber() const
{
    if (m_state == State::Insert) return 0;
    return hasRecord() ? m_rows[m_pos].rowid : 0;
}

void Table::setValue(const QString &name, const QVariant &v)
{
    requireOpen();
    const int fi = fieldIndex(name);
    if (fi < 0) {
        if (extraIndex(name) >= 0) {
            setCalcValue(name, v);
            return;
        }
        throw invalid(code::FieldNotFound, QStringLiteral("Feld nicht gefunden: %1").arg(name));
    }
    if (!isEditing())
        throw invalid(code::NotEditing,
                      QStringLiteral("Die Tabelle %1 ist nicht im Bearbeitungsmodus.").arg(fileName()));
    const FieldDef &f = m_file->layout.fields[fi];
    // the record number is the store's, except that a new record may be given a free one (seeding)
    if (f.type == FieldType::AutoInc && m_state != State::Insert)
        throw invalid(code::ReadOnly, QStringLiteral("Das Feld %1 wird vom System vergeben.").arg(f.name));
    QVariant val = v;
    if (f.type == FieldType::String && val.isValid() && !val.isNull()) {
        QString s = val.toString();
        if (f.size > 0 && s.size() > f.size) s.truncate(f.size); // strings are cut to their field size
        val = s;
    }
    val = fromStored(f.type, toStored(f.type, val)); // normalise (empty text == blank)
    m_edit.values[fi] = val;
    m_edit.extraDone = false;
    m_modified = true;
    Q_EMIT fieldChanged(f.name);
}

void Table::addCalcField(const QString &name, FieldType type, int size)
{
    m_extras.append({name, type, size, false, {}, {}, {}, {}});
}

void Table::addLookupField(const QString &name, const QString &keyField, const QString &lookupTable,
                           const QString &lookupKeyField, const QString &resultField)
{
    m_extras.append({name, FieldType::String, 0, true, keyField, lookupTable, lookupKeyField, resultField});
}

void Table::setCalcValue(const QString &name, const QVariant &v)
{
    const int xi = extraIndex(name);
    if (xi < 0) throw invalid(code::FieldNotFound, QStringLiteral("Feld nicht gefunden: %1").arg(name));
    Row *row = isEditing() ? &m_edit : (hasRecord() ? &m_rows[m_pos] : nullptr);
    if (!row) return;
    if (row->extra.size() < m_extras.size()) row->extra.resize(m_extras.size());
    row->extra[xi] = v;
}

QVariant Table::lookupValue(const Extra &e, const QVariant &key) const
{
    if (!key.isValid() || key.isNull() || (key.typeId() != QMetaType::QString && key.toLongLong() == 0))
        return QVariant();
    TableFile *f = m_lookupFiles.value(e.lookupTable.toLower());
    if (!f || !f->db) return QVariant();
    const FieldDef *kf = f->layout.field(e.lookupKey);
    const FieldDef *rf = f->layout.field(e.result);
    if (!kf || !rf) return QVariant();
    auto *self = const_cast<Table *>(this);
    const QString sql = QStringLiteral("SELECT %1 FROM data WHERE %2 = ? ORDER BY rowid LIMIT 1")
                            .arg(schema::quoted(rf->name), schema::quoted(kf->name));
    const QString cacheKey = e.lookupTable.toLower() + QLatin1Char('\n') + sql;
    auto it = self->m_statements.find(cacheKey);
    Statement *st;
    if (it == self->m_statements.end()) {
        st = new Statement(f->db, sql);
        self->m_statements.insert(cacheKey, st);
    } else {
        st = *it;
        st->reset();
    }
    st->bind(1, toStored(kf->type, key));
    QVariant out;
    if (st->step()) out = st->stored(0, rf->type);
    st->reset();
    return out;
}

void Table::computeExtra(Row &row) const
{
    if (m_extras.isEmpty()) {
        row.extraDone = true;
        return;
    }
    row.extra.resize(m_extras.size());
    for (int i = 0; i < m_extras.size(); ++i) {
        const Extra &e = m_extras[i];
        if (e.lookup) {
            const int ki = fieldIndex(e.keyField);
            row.extra[i] = ki >= 0 ? lookupValue(e, row.values.value(ki)) : QVariant();
        } else {
            row.extra[i] = QVariant();
        }
    }
    row.extraDone = true;
    if (onCalcFields) {
        auto *self = const_cast<Table *>(this);
        Row *current = isEditing() ? &self->m_edit : (hasRecord() ? &self->m_rows[m_pos] : nullptr);
        if (current == &row) {
            onCalcFields(*self);
        } else {
            // computing a row that is not current: show it as current for the handler
            Row saved = *current;
            *current = row;
            onCalcFields(*self);
            row = *current;
            *current = saved;
        }
    }
}

// --- editing ------------------------------------------------------------------

void Table::setState(State s)
{
    if (m_state == s) return;
    m_state = s;
    Q_EMIT stateChanged();
}

void Table::requireBrowse()
{
    requireOpen();
    if (m_readOnly)
        throw invalid(code::ReadOnly, QStringLiteral("Die Tabelle %1 ist schreibgeschützt.").arg(fileName()));
}

void Table::checkBrowseMode()
{
    if (!isEditing()) return;
    if (m_modified)
        post();
    else
        cancel();
}

void Table::edit()
{
    requireBrowse();
    if (isEditing()) return;
    if (!hasRecord()) {
        append();
        return;
    }
    if (beforeEdit) beforeEdit(*this);
    m_edit = m_rows[m_pos];
    m_modified = false;
    setState(State::Edit);
}

void Table::insert()
{
    requireBrowse();
    checkBrowseMode();
    if (beforeInsert) beforeInsert(*this);
    m_edit = Row();
    m_edit.values.resize(m_file->layout.fields.size());
    m_edit.extra.resize(m_extras.size());
    m_modified = false;
    setState(State::Insert);
    if (m_master && m_master->hasRecord()) {
        // a new detail record belongs to the master's current record
        const QStringList mf = m_masterFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (int i = 0; i < mf.size() && i < m_indexPos.size(); ++i) {
            if (m_indexPos[i] >= 0) m_edit.values[m_indexPos[i]] = m_master->value(mf[i].trimmed());
        }
    }
    if (onNewRecord) onNewRecord(*this);
    m_modified = false;
    Q_EMIT afterInsert();
}

void Table::append()
{
    insert();
}

void Table::cancel()
{
    if (!isEditing()) return;
    m_edit = Row();
    m_modified = false;
    setState(State::Browse);
    if (hasRecord()) m_rows[m_pos].extraDone = false, computeExtra(m_rows[m_pos]);
    Q_EMIT afterCancel();
}

void Table::writeRecord()
{
    const TableDef &lay = m_file->layout;
    for (int i = 0; i < lay.fields.size(); ++i) {
        const FieldDef &f = lay.fields[i];
        if (f.required && f.type != FieldType::AutoInc && !toStored(f.type, m_edit.values[i]).isValid())
            throw EngineError(EngineError::Category::Integrity, code::RequiredField,
                              QStringLiteral("Feld %1 muss einen Wert haben.").arg(f.name))
                .push(code::RequiredField, fileName());
    }
    const bool inserting = m_state == State::Insert;
    auto skip = [&](int i) {
        return lay.fields[i].type == FieldType::AutoInc && (!inserting || !m_edit.values[i].isValid());
    };
    QStringList cols, marks, sets;
    for (int i = 0; i < lay.fields.size(); ++i) {
        const FieldDef &f = lay.fields[i];
        if (skip(i)) continue;
        cols << schema::quoted(f.name);
        marks << QStringLiteral("?");
        sets << schema::quoted(f.name) + QLatin1String(" = ?");
    }
    QVector<const IndexDef *> keyed;
    for (const IndexDef &idx : lay.indexes) {
        if (!schema::usesRecordNumber(lay, idx)) keyed << &idx;
    }
    auto bindValues = [&](Statement &st) {
        int p = 1;
        for (int i = 0; i < lay.fields.size(); ++i) {
            if (skip(i)) continue;
            st.bindStored(p++, lay.fields[i].type, m_edit.values[i]);
        }
        return p;
    };
    qint64 rowid = m_edit.rowid;
    const bool ownTransaction = sqlite3_get_autocommit(m_file->db) != 0;
    if (ownTransaction) execSql(m_file->db, QStringLiteral("SAVEPOINT post"));
    try {
        if (inserting) {
            Statement &st = statement(
                cols.isEmpty() ? QStringLiteral("INSERT INTO data DEFAULT VALUES")
                               : QStringLiteral("INSERT INTO data (%1) VALUES (%2)")
                                     .arg(cols.join(QLatin1String(", ")), marks.join(QLatin1String(", "))));
            bindValues(st);
            st.exec();
            rowid = sqlite3_last_insert_rowid(m_file->db);
            for (int i = 0; i < lay.fields.size(); ++i) {
                if (lay.fields[i].type == FieldType::AutoInc) m_edit.values[i] = int(rowid);
            }
        } else if (!cols.isEmpty()) {
            Statement &st = statement(
                QStringLiteral("UPDATE data SET %1 WHERE rowid = ?").arg(sets.join(QLatin1String(", "))));
            const int p = bindValues(st);
            st.bind(p, rowid);
            st.exec();
        }
        if (!keyed.isEmpty()) {
            QStringList keySets;
            for (const IndexDef *idx : keyed)
                keySets << schema::quoted(schema::keyColumn(idx->primary ? QString() : idx->name)) +
                               QLatin1String(" = ?");
            Statement &st = statement(
                QStringLiteral("UPDATE data SET %1 WHERE rowid = ?").arg(keySets.join(QLatin1String(", "))));
            int p = 1;
            for (const IndexDef *idx : keyed)
                st.bind(p++, schema::computeKey(
                                 lay, *idx, [&](int i) { return m_edit.values[i]; }, rowid));
            st.bind(p, rowid);
            st.exec();
        }
        if (ownTransaction) execSql(m_file->db, QStringLiteral("RELEASE post"));
    } catch (...) {
        if (ownTransaction) {
            sqlite3_exec(m_file->db, "ROLLBACK TO post", nullptr, nullptr, nullptr);
            sqlite3_exec(m_file->db, "RELEASE post", nullptr, nullptr, nullptr);
        }
        if (inserting) m_edit.rowid = 0;
        throw;
    }
    m_edit.rowid = rowid;
}

void Table::post()
{
    requireOpen();
    if (!isEditing()) return;
    try {
        if (beforePost) beforePost(*this);
    } catch (const AbortOperation &) {
        return;
    }
    try {
        writeRecord();
    } catch (const EngineError &e) {
        const PostErrorAction action = onPostError ? onPostError(*this, e) : PostErrorAction::Fail;
        if (action == PostErrorAction::Abort) return;
        throw;
    }
    // the posted record becomes current; its neighbours are fetched when the cursor moves
    Row posted = m_edit;
    posted.key = keyOf(posted.values, posted.rowid);
    posted.extraDone = false;
    m_edit = Row();
    m_modified = false;
    invalidateCount();
    m_recNo = 0;
    m_state = State::Browse;
    setWindow({posted}, 0, false, false);
    m_bof = m_eof = false;
    computeExtra(m_rows[m_pos]);
    Q_EMIT stateChanged();
    Q_EMIT afterPost();
    Q_EMIT afterScroll();
}

void Table::remove()
{
    requireBrowse();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (isEditing()) cancel();
    if (!hasRecord())
        throw invalid(code::NoCurrentRecord, QStringLiteral("Kein Datensatz in %1.").arg(fileName()));
    try {
        if (beforeDelete) beforeDelete(*this);
    } catch (const AbortOperation &) {
        return;
    }
    const Row gone = m_rows[m_pos];
    Statement &st = statement(QStringLiteral("DELETE FROM data WHERE rowid = ?"));
    st.bind(1, gone.rowid);
    st.exec();
    invalidateCount();
    m_inScroll = true;
    positionAt(gone.key, false); // the record after it, or the last one
    m_inScroll = false;
    if (hasRecord()) computeExtra(m_rows[m_pos]);
    Q_EMIT afterDelete();
    Q_EMIT afterScroll();
}

} // namespace tav::store
