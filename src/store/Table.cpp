#include "Table.h"

#include "Filter.h"
#include "KeyCodec.h"
#include "Schema.h"
#include "Statement.h"

#include <algorithm>

namespace tav::store {

namespace {

QString selectList(const TableDef &layout, const QString &keyExpr)
{
    QStringList cols;
    for (const FieldDef &f : layout.fields)
        cols << schema::quoted(f.name);
    return QStringLiteral("rowid, %1, %2").arg(keyExpr, cols.join(QLatin1String(", ")));
}

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
        } catch (const std::exception &e) {
            // nobody is left to tell but the log: the owner that wanted the change closes first
            qWarning("%s: closing on destruction failed: %s", qPrintable(m_tableName), e.what());
        } catch (...) {
            qWarning("%s: closing on destruction failed", qPrintable(m_tableName));
        }
        if (isOpen()) {
            // the file is let go of all the same: the database must not keep a table that is gone
            const QSignalBlocker quiet(this);
            m_edit = Row();
            m_modified = false;
            release();
        }
    }
    for (auto &c : m_masterConn)
        QObject::disconnect(c);
    if (m_master)
        m_master->m_details.removeAll(this);
}

void Table::setDatabase(Database *db)
{
    if (isOpen())
        close();
    m_db = db;
}

void Table::setTableName(const QString &name)
{
    if (isOpen())
        close();
    m_tableName = name;
}

QString Table::fileName() const
{
    return m_file ? m_file->fileName : m_tableName;
}

void Table::setReadOnly(bool on)
{
    if (isOpen())
        close();
    m_readOnly = on;
}

void Table::setExclusive(bool on)
{
    if (isOpen())
        close();
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
    if (isOpen())
        leaveRecord();
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
            if (current)
                gotoBookmark({current});
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
    if (isOpen())
        leaveRecord();
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
            if (current)
                gotoBookmark({current});
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
                if (have.size() < want.size())
                    continue;
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
            m_selectList = selectList(lay, m_keyExpr);
            m_rows.clear();
            m_pos = -1;
            invalidateCount();
            return;
        }
        if (!idx) {
            // only an index the program declares can be rebuilt; any other name is the caller's
            const TableDef *declared = findTableDef(fileName());
            if (declared && !declared->index(m_indexName))
                throw EngineError(
                    EngineError::Category::InvalidRequest, code::UnknownIndex,
                    QStringLiteral("Unbekannter Index %1 für %2.").arg(m_indexName, fileName()));
            throw EngineError(EngineError::Category::IndexDamage, code::NoSuchIndex,
                              QStringLiteral("Index %1 nicht gefunden in %2.").arg(m_indexName, fileName()));
        }
    }
    m_index = *idx;
    m_rowidOrder = schema::usesRecordNumber(lay, m_index);
    m_keyExpr = m_rowidOrder ? QStringLiteral("rowid")
                             : schema::quoted(schema::keyColumn(m_index.primary ? QString() : m_index.name));
    m_indexPos = schema::indexFieldPositions(lay, m_index);
    m_selectList = selectList(lay, m_keyExpr);
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
    if (m_master)
        m_master->m_details.removeAll(this);
    m_master = master;
    m_masterFields = masterFields;
    if (master) {
        master->m_details.append(this);
        // scrolling: the master moves us itself, before anyone else hears of it (emitAfterScroll)
        m_masterConn[0] = connect(master, &Table::afterOpen, this, &Table::masterChanged);
        m_masterConn[1] = connect(master, &Table::afterClose, this, &Table::masterChanged);
    }
    if (isOpen())
        masterChanged();
}

void Table::settleDetails()
{
    const QList<QPointer<Table>> details = m_details;
    for (const QPointer<Table> &d : details) {
        if (!d || !d->isOpen())
            continue;
        d->settleDetails();
        d->checkBrowseMode();
        if (d->isEditing())
            throw AbortOperation();
    }
}

void Table::emitAfterScroll()
{
    // the details follow first, so that whoever hears of the move finds them on the new record
    // (and may move them on, to their last row say); a quiet read moves nobody
    if (signalsBlocked())
        return;
    const QList<QPointer<Table>> details = m_details;
    for (const QPointer<Table> &d : details) {
        if (d)
            d->masterChanged();
    }
    Q_EMIT afterScroll();
}

void Table::leaveRecord()
{
    // the details follow through our signals: while those are blocked (a quiet read) they stay
    if (!signalsBlocked())
        settleDetails();
    checkBrowseMode();
}

void Table::masterChanged()
{
    if (!isOpen())
        return;
    // the master posted its own record (a move settles us before): our input is posted for it,
    // or stays where it is when that is refused
    checkBrowseMode();
    if (isEditing())
        return;
    invalidateCount();
    m_recNo = 0;
    first();
}

void Table::setFilter(const QString &expression)
{
    if (isOpen() && m_filtered)
        leaveRecord();
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
    if (m_filtered == on)
        return;
    if (isOpen())
        leaveRecord();
    m_filtered = on;
    if (isOpen()) {
        invalidateCount();
        first();
    }
}

void Table::setRange(const QVariantList &start, const QVariantList &end)
{
    requireOpen();
    leaveRecord();
    m_rangeStart = start;
    m_rangeEnd = end;
    invalidateCount();
    first();
}

void Table::cancelRange()
{
    if (isOpen())
        leaveRecord();
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
    if (isOpen())
        return;
    if (!m_db)
        throw invalid(code::Internal, QStringLiteral("Keine Datenbank für %1.").arg(m_tableName));
    m_file = m_db->acquire(m_tableName, m_exclusive);
    m_fieldIndex.clear();
    try {
        if (m_checkLayout) {
            if (const TableDef *declared = findTableDef(m_file->fileName)) {
                QStringList missing;
                for (const FieldDef &f : declared->fields) {
                    if (!m_file->layout.field(f.name))
                        missing << f.name;
                }
                if (!missing.isEmpty())
                    throw EngineError(EngineError::Category::Layout, code::WrongLayout,
                                      QStringLiteral("Der Tabelle %1 fehlen Felder.").arg(m_file->fileName))
                        .push(code::WrongLayout, missing.join(QLatin1String(", ")));
            }
        }
        // a filter set while closed is read now; an empty one clears the last
        const FilterSql f = parseFilter(m_filterText, m_file->layout);
        m_filterSql = f.where;
        m_filterParams = f.params;
        for (Extra &e : m_extras) {
            if (!e.lookup)
                continue;
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
    inScroll([&] { first(); });
    Q_EMIT afterOpen();
    Q_EMIT stateChanged();
    emitAfterScroll();
}

void Table::close()
{
    if (!isOpen())
        return;
    // the details' input belongs to our record: it is posted while we still stand on it
    settleDetails();
    if (isEditing()) {
        // a table posts pending input before it closes
        if (m_modified)
            post();
        else
            cancel();
    }
    release();
}

void Table::release()
{
    qDeleteAll(m_statements);
    m_statements.clear();
    if (m_db) {
        for (TableFile *f : std::as_const(m_lookupFiles))
            m_db->release(f);
        m_db->release(m_file);
        m_db->unregisterTable(this);
    }
    m_lookupFiles.clear();
    m_file = nullptr;
    m_rows.clear();
    m_pos = -1;
    m_bof = m_eof = true;
    m_state = State::Inactive;
    Q_EMIT afterClose();
    Q_EMIT stateChanged();
}

} // namespace tav::store
