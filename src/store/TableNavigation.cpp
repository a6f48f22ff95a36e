#include "Table.h"

#include "Filter.h"
#include "KeyCodec.h"
#include "Schema.h"
#include "Statement.h"

#include <algorithm>
#include <utility>

namespace tav::store {

namespace {
constexpr int WindowSize = 64;
constexpr int MaxWindow = 4 * WindowSize;

EngineError invalid(int c, const QString &msg)
{
    return EngineError(EngineError::Category::InvalidRequest, c, msg);
}

std::function<void(const Table &)> &readProbe()
{
    static std::function<void(const Table &)> probe;
    return probe;
}
} // namespace

void Table::setReadProbe(std::function<void(const Table &)> probe)
{
    readProbe() = std::move(probe);
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
    for (int i = 0; i < lay.fields.size(); ++i) {
        r.values[i] = st.stored(i + 2, lay.fields[i].type);
        if (lay.fields[i].type == FieldType::Currency && r.values[i].isValid())
            r.units.insert(i, st.columnInt64(i + 2));
    }
    return r;
}

QVector<Table::Row> Table::fetch(Dir d, const QVariant *from, bool inclusive, int limit, int offset)
{
    if (readProbe())
        readProbe()(*this);
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
    const QString sql =
        QStringLiteral("SELECT %1 FROM data%2%3 LIMIT ? OFFSET ?")
            .arg(m_selectList, where.isEmpty() ? QString() : QLatin1String(" WHERE ") + where, orderBy(d));
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

void Table::appendToWindow(QVector<Row> rows, bool atEnd)
{
    m_rows += std::move(rows);
    m_atEnd = atEnd;
    const int excess = int(m_rows.size()) - MaxWindow;
    if (excess > 0 && m_pos >= excess) {
        m_rows.remove(0, excess);
        m_pos -= excess;
        m_atStart = false;
    }
}

void Table::prependToWindow(QVector<Row> rows, bool atStart)
{
    std::reverse(rows.begin(), rows.end());
    const int added = int(rows.size());
    rows += std::move(m_rows);
    m_rows = std::move(rows);
    m_pos += added;
    m_atStart = atStart;
    const int excess = int(m_rows.size()) - MaxWindow;
    if (excess > 0 && m_pos < int(m_rows.size()) - excess) {
        m_rows.resize(m_rows.size() - excess);
        m_atEnd = false;
    }
}

bool Table::extendWindowTo(int target, int ahead)
{
    // only from a window whose record numbers are known
    if (!hasRecord() || m_recNo <= 0 || m_rows.isEmpty())
        return false;
    const int firstNo = m_recNo - m_pos;
    const int lastNo = firstNo + int(m_rows.size()) - 1;
    if (target > lastNo && !m_atEnd && target - lastNo <= WindowSize) {
        const int want = target - lastNo + std::max(0, ahead);
        QVector<Row> rows = fetch(Dir::Forward, &m_rows.last().key, false, want);
        if (rows.size() < target - lastNo)
            return false; // fewer records than counted: let the caller seek
        const bool end = rows.size() < want;
        appendToWindow(std::move(rows), end);
    } else if (target < firstNo && !m_atStart && firstNo - target <= WindowSize) {
        const int want = firstNo - target;
        QVector<Row> rows = fetch(Dir::Backward, &m_rows.first().key, false, want);
        if (rows.size() < want)
            return false;
        prependToWindow(std::move(rows), target == 1);
    } else {
        return false;
    }
    m_pos += target - m_recNo;
    m_recNo = target;
    return m_pos >= 0 && m_pos < m_rows.size();
}

void Table::beginScroll()
{
    leaveRecord();
    if (beforeScroll && !m_inScroll)
        beforeScroll(*this);
}

void Table::scrolled()
{
    if (hasRecord())
        computeExtra(m_rows[m_pos]);
    if (!m_inScroll)
        emitAfterScroll();
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
        appendToWindow(std::move(rows), end);
        ++m_pos;
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
        prependToWindow(std::move(rows), start);
        --m_pos;
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
        if (!eof())
            ++moved;
        --distance;
    }
    while (distance < 0 && !bof()) {
        prior();
        if (!bof())
            ++moved;
        ++distance;
    }
    return moved;
}

void Table::positionAt(const QVariant &key, bool inclusive)
{
    // one record is enough to be positioned; scrolling fetches its neighbours
    QVector<Row> rows = fetch(Dir::Forward, &key, inclusive, 1);
    if (rows.isEmpty()) {
        inScroll([&] { last(); });
        m_eof = true;
        return;
    }
    setWindow(std::move(rows), 0, false, false);
    m_bof = m_eof = false;
    m_recNo = 0;
}

bool Table::isEmpty()
{
    requireOpen();
    if (hasRecord())
        return false;
    return recordCount() == 0;
}

int Table::recordCount()
{
    requireOpen();
    if (m_count >= 0)
        return m_count;
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
    if (!hasRecord())
        return 0;
    if (m_state == State::Insert)
        return 0;
    if (m_recNo > 0)
        return m_recNo;
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

bool Table::moveTo(int target, int ahead)
{
    requireOpen();
    if (target < 1)
        return false;
    // within the fetched window when the position is known; counting it first costs a scan
    const int current = hasRecord() && m_recNo > 0 ? m_recNo : 0;
    if (current > 0 && target - current + m_pos >= 0 && target - current + m_pos < m_rows.size()) {
        beginScroll();
        m_pos += target - current;
        m_recNo = target;
        m_bof = m_eof = false;
        // the records the caller is going to read are fetched now, as many as are missing
        const int missing = m_pos + ahead - (int(m_rows.size()) - 1);
        if (ahead > 0 && missing > 0 && !m_atEnd) {
            QVector<Row> rows = fetch(Dir::Forward, &m_rows.last().key, false, missing);
            const bool end = rows.size() < missing;
            appendToWindow(std::move(rows), end);
        }
        scrolled();
        return true;
    }
    beginScroll();
    if (extendWindowTo(target, ahead < 0 ? WindowSize / 4 : ahead)) {
        m_bof = m_eof = false;
        scrolled();
        return true;
    }
    // start the window a little before the target so that scrolling back stays cheap; the
    // start is found in the index alone, which skips records far faster than reading them,
    // and from the current record when that is nearer than the first
    const int lead = std::min(target - 1, WindowSize / 4);
    const int startNo = target - lead;
    QVariantList params;
    QString where = conditions(params);
    int offset = startNo - 1;
    Dir dir = Dir::Forward;
    if (current > 0 && std::abs(startNo - current) < startNo - 1) {
        const bool up = startNo > current;
        dir = up ? Dir::Forward : Dir::Backward;
        const bool ascending = up != m_index.descending;
        where = (where.isEmpty() ? QString() : where + QLatin1String(" AND ")) + m_keyExpr +
                (ascending ? QLatin1String(" > ?") : QLatin1String(" < ?"));
        params << m_rows[m_pos].key;
        offset = std::abs(startNo - current) - 1;
    }
    Statement &st = statement(
        QStringLiteral("SELECT %1 FROM data%2%3 LIMIT 1 OFFSET ?")
            .arg(m_keyExpr, where.isEmpty() ? QString() : QLatin1String(" WHERE ") + where, orderBy(dir)));
    int i = 1;
    for (const QVariant &p : params)
        st.bind(i++, p);
    st.bind(i, offset);
    if (!st.step()) {
        st.reset();
        return false;
    }
    const QVariant startKey = m_rowidOrder ? QVariant(st.columnInt64(0)) : QVariant(st.columnBlob(0));
    st.reset();
    const int want = std::max(WindowSize, lead + 1 + ahead);
    QVector<Row> rows = fetch(Dir::Forward, &startKey, true, want);
    if (rows.size() <= lead)
        return false;
    const bool end = rows.size() < want;
    setWindow(std::move(rows), lead, target - 1 - lead == 0, end);
    m_bof = m_eof = false;
    m_recNo = target;
    scrolled();
    return true;
}

void Table::refresh()
{
    requireOpen();
    leaveRecord();
    invalidateCount();
    const qint64 current = hasRecord() ? m_rows[m_pos].rowid : 0;
    if (!current) {
        first();
        return;
    }
    if (bookmarkValid({current})) {
        gotoBookmark({current});
        return;
    }
    // the record was deleted elsewhere: the one after it takes its place
    const QVariant key = m_rows[m_pos].key;
    beginScroll();
    inScroll([&] { positionAt(key, false); });
    scrolled();
}

Table::Position Table::position() const
{
    Position p;
    if (hasRecord()) {
        p.rowid = m_rows[m_pos].rowid;
        p.key = m_rows[m_pos].key;
        p.recNo = m_recNo > 0 ? m_recNo : 0;
    }
    p.bof = m_bof;
    p.eof = m_eof;
    return p;
}

void Table::restorePosition(const Position &p)
{
    requireOpen();
    const bool wasInScroll = m_inScroll;
    m_inScroll = true;
    const auto back = qScopeGuard([&] { m_inScroll = wasInScroll; });
    int inWindow = -1;
    for (int i = 0; p.rowid && i < m_rows.size() && inWindow < 0; ++i) {
        if (m_rows[i].rowid == p.rowid && m_rows[i].key == p.key)
            inWindow = i;
    }
    if (inWindow >= 0) {
        // still among the fetched records: keep them, the next move may need them
        m_pos = inWindow;
        m_recNo = p.recNo;
        m_bof = p.bof;
        m_eof = p.eof;
        if (!m_rows[m_pos].extraDone)
            computeExtra(m_rows[m_pos]);
    } else if (!p.rowid) {
        first();
    } else {
        QVector<Row> rows = fetch(Dir::Forward, &p.key, true, 1);
        if (!rows.isEmpty() && rows.first().rowid == p.rowid) {
            setWindow(std::move(rows), 0, false, false);
            m_recNo = p.recNo;
            m_bof = p.bof;
            m_eof = p.eof;
            computeExtra(m_rows[m_pos]);
        } else {
            positionAt(p.key, true);
        }
    }
}

QuietCursor::QuietCursor(Table &table)
    : m_table(table), m_before(table.position()), m_hook(std::exchange(table.beforeScroll, nullptr)),
      m_quiet(&table)
{
}

QuietCursor::~QuietCursor()
{
    if (!m_restored && m_table.isOpen()) {
        try {
            restore();
        } catch (...) {
            // only after a failed read, which the caller reports; this failure has the same cause
        }
    }
    m_table.beforeScroll = std::move(m_hook);
}

void QuietCursor::restore()
{
    m_table.restorePosition(m_before);
    m_restored = true;
}

Table::Bookmark Table::bookmark() const
{
    return {hasRecord() ? m_rows[m_pos].rowid : 0};
}

bool Table::bookmarkValid(const Bookmark &b)
{
    requireOpen();
    if (!b.isValid())
        return false;
    Statement &st = statement(QStringLiteral("SELECT 1 FROM data WHERE rowid = ?"));
    st.bind(1, b.rowid);
    const bool found = st.step();
    st.reset();
    return found;
}

void Table::gotoBookmark(const Bookmark &b)
{
    requireOpen();
    Statement &st = statement(QStringLiteral("SELECT %1 FROM data WHERE rowid = ?").arg(m_selectList));
    st.bind(1, b.rowid);
    if (!st.step()) {
        st.reset();
        throw EngineError(EngineError::Category::NotFound, code::NoCurrentRecord,
                          QStringLiteral("Der Datensatz besteht nicht mehr."));
    }
    const Row r = readRow(st);
    st.reset();
    beginScroll();
    inScroll([&] { positionAt(r.key, true); });
    scrolled();
}

QVariant Table::keyOf(const QVector<QVariant> &values, qint64 rowid) const
{
    if (m_rowidOrder)
        return QVariant(rowid);
    return schema::computeKey(
        m_file->layout, m_index, [&](int i) { return values[i]; }, rowid);
}

bool Table::findKey(const QVariantList &key)
{
    requireOpen();
    leaveRecord();
    const QVariant lo = boundFor(key, false);
    const QVariant hi = boundFor(key, true);
    QVector<Row> rows = fetch(Dir::Forward, m_index.descending ? &hi : &lo, !m_index.descending, 1);
    if (rows.isEmpty())
        return false;
    const QVariant k = rows.first().key;
    const bool inside = m_rowidOrder
                            ? (k.toLongLong() >= lo.toLongLong() && k.toLongLong() < hi.toLongLong())
                            : (k.toByteArray() >= lo.toByteArray() && k.toByteArray() < hi.toByteArray());
    if (!inside)
        return false;
    beginScroll();
    inScroll([&] { positionAt(k, true); });
    scrolled();
    return true;
}

bool Table::findNearest(const QVariantList &key)
{
    requireOpen();
    leaveRecord();
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
    inScroll([&] { positionAt(bound, !m_index.descending); });
    scrolled();
    return !m_eof;
}

bool Table::locate(const QString &field, const QVariant &value)
{
    requireOpen();
    leaveRecord();
    const int fi = fieldIndex(field);
    if (fi < 0)
        throw invalid(code::FieldNotFound, QStringLiteral("Feld nicht gefunden: %1").arg(field));
    QVariantList params;
    QString where = conditions(params);
    const QVariant stored = toStored(m_file->layout.fields[fi].type, value);
    const QString cond = schema::quoted(m_file->layout.fields[fi].name) +
                         (stored.isValid() ? QStringLiteral(" = ?") : QStringLiteral(" IS NULL"));
    where = (where.isEmpty() ? QString() : where + QLatin1String(" AND ")) + cond;
    if (stored.isValid())
        params << stored;
    Statement &st = statement(
        QStringLiteral("SELECT rowid FROM data WHERE %1%2 LIMIT 1").arg(where, orderBy(Dir::Forward)));
    int i = 1;
    for (const QVariant &p : params)
        st.bind(i++, p);
    const bool found = st.step();
    const qint64 rowid = found ? st.columnInt64(0) : 0;
    st.reset();
    if (found)
        gotoBookmark({rowid});
    return found;
}

} // namespace tav::store
