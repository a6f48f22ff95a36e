#include "Table.h"

#include "Filter.h"
#include "KeyCodec.h"
#include "Schema.h"
#include "Statement.h"
#include "TextRules.h"
#include "Transaction.h"

#include <sqlite3.h>

namespace tav::store {

namespace {
EngineError invalid(int c, const QString &msg)
{
    return EngineError(EngineError::Category::InvalidRequest, c, msg);
}
} // namespace

// --- fields -------------------------------------------------------------------

int Table::fieldIndex(const QString &name) const
{
    if (!m_file)
        return -1;
    // fields are asked for by name for every row shown: remember the answer per spelling
    const auto cached = m_fieldIndex.constFind(name);
    if (cached != m_fieldIndex.constEnd())
        return *cached;
    int found = -1;
    const auto &fields = m_file->layout.fields;
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            found = i;
            break;
        }
    }
    m_fieldIndex.insert(name, found);
    return found;
}

int Table::extraIndex(const QString &name) const
{
    for (int i = 0; i < m_extras.size(); ++i) {
        if (m_extras[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
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
    if (fi >= 0)
        return row ? row->values.value(fi) : QVariant();
    const int xi = extraIndex(name);
    if (xi < 0)
        throw invalid(code::FieldNotFound, QStringLiteral("Feld nicht gefunden: %1").arg(name));
    if (!row)
        return QVariant();
    if (!row->extraDone)
        computeExtra(const_cast<Row &>(*row));
    return row->extra.value(xi);
}

std::optional<qint64> Table::currencyUnits(const QString &name) const
{
    requireOpen();
    const int fi = fieldIndex(name);
    if (fi < 0 || m_file->layout.fields[fi].type != FieldType::Currency)
        throw invalid(code::FieldNotFound, QStringLiteral("Kein Währungsfeld: %1").arg(name));
    const Row *row = isEditing() ? &m_edit : (hasRecord() ? &m_rows[m_pos] : nullptr);
    if (!row || !row->units.contains(fi))
        return std::nullopt;
    return row->units.value(fi);
}

void Table::setCurrencyUnits(const QString &name, std::optional<qint64> units)
{
    const int fi = fieldIndex(name);
    if (fi < 0 || m_file->layout.fields[fi].type != FieldType::Currency)
        throw invalid(code::FieldNotFound, QStringLiteral("Kein Währungsfeld: %1").arg(name));
    // through setValue for its checks and signals; the exact units replace the rounded ones after
    setValue(name, units ? QVariant(double(*units) / 10000.0) : QVariant());
    if (units)
        m_edit.units.insert(fi, *units);
}

QString Table::text(const QString &name) const
{
    const QVariant v = value(name);
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    return v.toString();
}

qint64 Table::recordNumber() const
{
    if (m_state == State::Insert)
        return 0;
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
        if (f.size > 0)
            s = cutToLength(s, f.size); // strings are cut to their field size, in characters
        val = s;
    }
    const QVariant stored = toStored(f.type, val);
    val = fromStored(f.type, stored); // normalise (empty text == blank)
    m_edit.values[fi] = val;
    if (f.type == FieldType::Currency) {
        if (stored.isValid())
            m_edit.units.insert(fi, stored.toLongLong());
        else
            m_edit.units.remove(fi);
    }
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
    if (xi < 0)
        throw invalid(code::FieldNotFound, QStringLiteral("Feld nicht gefunden: %1").arg(name));
    Row *row = isEditing() ? &m_edit : (hasRecord() ? &m_rows[m_pos] : nullptr);
    if (!row)
        return;
    if (row->extra.size() < m_extras.size())
        row->extra.resize(m_extras.size());
    row->extra[xi] = v;
}

QVariant Table::lookupValue(const Extra &e, const QVariant &key) const
{
    if (!key.isValid() || key.isNull() || (key.typeId() != QMetaType::QString && key.toLongLong() == 0))
        return QVariant();
    TableFile *f = m_lookupFiles.value(e.lookupTable.toLower());
    if (!f || !f->db)
        return QVariant();
    const FieldDef *kf = f->layout.field(e.lookupKey);
    const FieldDef *rf = f->layout.field(e.result);
    if (!kf || !rf)
        return QVariant();
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
    if (st->step())
        out = st->stored(0, rf->type);
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
    if (m_state == s)
        return;
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
    if (!isEditing())
        return;
    if (m_modified)
        post();
    else
        cancel();
}

void Table::edit()
{
    requireBrowse();
    if (isEditing())
        return;
    if (!hasRecord()) {
        append();
        return;
    }
    if (beforeEdit)
        beforeEdit(*this);
    m_edit = m_rows[m_pos];
    m_modified = false;
    setState(State::Edit);
}

void Table::insert()
{
    requireBrowse();
    leaveRecord();
    if (beforeInsert)
        beforeInsert(*this);
    m_edit = Row();
    m_edit.values.resize(m_file->layout.fields.size());
    m_edit.extra.resize(m_extras.size());
    m_modified = false;
    setState(State::Insert);
    if (m_master && m_master->hasRecord()) {
        // a new detail record belongs to the master's current record
        const QStringList mf = m_masterFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (int i = 0; i < mf.size() && i < m_indexPos.size(); ++i) {
            if (m_indexPos[i] >= 0)
                m_edit.values[m_indexPos[i]] = m_master->value(mf[i].trimmed());
        }
    }
    if (onNewRecord)
        onNewRecord(*this);
    m_modified = false;
    Q_EMIT afterInsert();
}

void Table::append()
{
    insert();
}

void Table::cancel()
{
    if (!isEditing())
        return;
    m_edit = Row();
    m_modified = false;
    setState(State::Browse);
    if (hasRecord())
        m_rows[m_pos].extraDone = false, computeExtra(m_rows[m_pos]);
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
        if (skip(i))
            continue;
        cols << schema::quoted(f.name);
        marks << QStringLiteral("?");
        sets << schema::quoted(f.name) + QLatin1String(" = ?");
    }
    QVector<const IndexDef *> keyed;
    for (const IndexDef &idx : lay.indexes) {
        if (!schema::usesRecordNumber(lay, idx))
            keyed << &idx;
    }
    auto bindValues = [&](Statement &st) {
        int p = 1;
        for (int i = 0; i < lay.fields.size(); ++i) {
            if (skip(i))
                continue;
            if (lay.fields[i].type == FieldType::Currency)
                st.bind(p++,
                        m_edit.units.contains(i) ? QVariant(qlonglong(m_edit.units.value(i))) : QVariant());
            else
                st.bindStored(p++, lay.fields[i].type, m_edit.values[i]);
        }
        return p;
    };
    qint64 rowid = m_edit.rowid;
    try {
        // the record and its keys are written together, also inside a caller's transaction
        Transaction txn(*m_db, m_file);
        if (inserting) {
            Statement &st = statement(
                cols.isEmpty() ? QStringLiteral("INSERT INTO data DEFAULT VALUES")
                               : QStringLiteral("INSERT INTO data (%1) VALUES (%2)")
                                     .arg(cols.join(QLatin1String(", ")), marks.join(QLatin1String(", "))));
            bindValues(st);
            st.exec();
            rowid = sqlite3_last_insert_rowid(m_file->db);
            for (int i = 0; i < lay.fields.size(); ++i) {
                if (lay.fields[i].type == FieldType::AutoInc)
                    m_edit.values[i] = int(rowid);
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
        txn.commit();
    } catch (...) {
        if (inserting)
            m_edit.rowid = 0;
        throw;
    }
    m_edit.rowid = rowid;
}

void Table::post()
{
    requireOpen();
    if (!isEditing())
        return;
    try {
        if (beforePost)
            beforePost(*this);
    } catch (const AbortOperation &) {
        return; // the before-hook stopped it: the record stays as it was
    }
    try {
        writeRecord();
    } catch (const EngineError &e) {
        const PostErrorAction action = onPostError ? onPostError(*this, e) : PostErrorAction::Fail;
        if (action == PostErrorAction::Abort)
            return;
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
    emitAfterScroll();
}

void Table::remove()
{
    requireBrowse();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (isEditing())
        cancel();
    settleDetails();
    if (!hasRecord())
        throw invalid(code::NoCurrentRecord, QStringLiteral("Kein Datensatz in %1.").arg(fileName()));
    try {
        if (beforeDelete)
            beforeDelete(*this);
    } catch (const AbortOperation &) {
        return; // the before-hook stopped it: the record stays as it was
    }
    const Row gone = m_rows[m_pos];
    Statement &st = statement(QStringLiteral("DELETE FROM data WHERE rowid = ?"));
    st.bind(1, gone.rowid);
    st.exec();
    invalidateCount();
    inScroll([&] { positionAt(gone.key, false); }); // the record after it, or the last one
    if (hasRecord())
        computeExtra(m_rows[m_pos]);
    Q_EMIT afterDelete();
    emitAfterScroll();
}

} // namespace tav::store
