#include "DBGrid.h"

#include "DataControls.h"
#include "DbEngine.h"
#include "Dialogs.h"
#include "GridDelegate.h"
#include "app/Datumseingabe.h"
#include "app/Geld.h"
#include "store/Query.h"

#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QTimer>

using tav::store::Table;

namespace tav::widgets {

using namespace tav::app;

namespace {
constexpr int BlockSize = 64;
constexpr int MaxCachedRows = 4096;
} // namespace

TableModel::TableModel(DataSource *source, QObject *parent) : QAbstractTableModel(parent), m_source(source)
{
    if (!source)
        return;
    connect(source, &DataSource::recordChanged, this, &TableModel::scrolled);
    connect(source, &DataSource::dataSetChanged, this, &TableModel::reload);
    connect(source, &DataSource::stateChanged, this, [this] {
        if (rowCount() != m_count)
            reload();
        else
            scrolled();
    });
    connect(source, &DataSource::fieldChanged, this, [this] {
        const int row = currentRow();
        if (row >= 0)
            Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

void TableModel::addColumn(const QString &field, const QString &title, bool editable)
{
    Column c;
    c.field = field;
    c.title = title;
    c.editable = editable;
    m_columns << c;
    reset();
}

void TableModel::addCalcColumn(const QString &title, std::function<QVariant(Table &)> calc)
{
    Column c;
    c.title = title;
    c.calc = std::move(calc);
    m_columns << c;
    reset();
}

void TableModel::addLookupColumn(const QString &title, const QString &keyField, const QString &lookupTable,
                                 const QString &lookupKey, const QString &lookupResult)
{
    Column c;
    c.field = keyField;
    c.title = title;
    c.lookupTable = lookupTable;
    c.lookupKey = lookupKey;
    c.lookupResult = lookupResult;
    m_columns << c;
    reset();
}

namespace {
bool sameColumns(const QVector<TableModel::Column> &a, const QVector<TableModel::Column> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        const auto &x = a[i], &y = b[i];
        if (x.calc || y.calc || x.field != y.field || x.title != y.title || x.tag != y.tag ||
            x.editable != y.editable || x.lookupTable != y.lookupTable || x.lookupKey != y.lookupKey ||
            x.lookupResult != y.lookupResult || x.pickList != y.pickList || x.pickOnly != y.pickOnly)
            return false;
    }
    return true;
}
} // namespace

void TableModel::setColumns(const QVector<Column> &columns)
{
    if (sameColumns(columns, m_columns))
        return;
    m_columns = columns;
    reset();
}

void TableModel::setRowColour(std::function<QColor(Table &)> colour)
{
    m_rowColour = std::move(colour);
    forgetRows();
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_source || !m_source->isOpen())
        return 0;
    Table *t = m_source->table();
    try {
        return t->recordCount() + (t->state() == Table::State::Insert ? 1 : 0);
    } catch (const std::exception &e) {
        reportReadError(e, t->fileName());
        return 0;
    }
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

int TableModel::currentRow() const
{
    if (!m_source || !m_source->isOpen())
        return -1;
    Table *t = m_source->table();
    if (t->state() == Table::State::Insert)
        return t->recordCount(); // the new record is shown below the others until it is posted
    if (!t->hasRecord())
        return -1;
    return t->recNo() - 1;
}

bool TableModel::setCurrentRow(int row)
{
    if (!m_source || row < 0)
        return false;
    if (row == currentRow())
        return true;
    return m_source->moveTo(row + 1);
}

void TableModel::reload()
{
    // with as many rows as before the view keeps its rows and only repaints them: a reset makes
    // it lay out every row of the table again
    if (m_count >= 0 && rowCount() == m_count)
        forgetRows();
    else
        reset();
}

void TableModel::reset()
{
    beginResetModel();
    m_readFailed = false;
    m_cache.clear();
    m_lookupCache.clear();
    endResetModel();
    m_count = rowCount();
    m_lastCurrent = currentRow();
    Q_EMIT currentRowChanged(m_lastCurrent);
}

void TableModel::forgetRows()
{
    m_readFailed = false;
    m_cache.clear();
    m_lookupCache.clear();
    if (m_count > 0 && !m_columns.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(m_count - 1, int(m_columns.size()) - 1));
    m_lastCurrent = currentRow();
    Q_EMIT currentRowChanged(m_lastCurrent);
}

void TableModel::scrolled()
{
    if (!m_source)
        return;
    m_readFailed = false; // a move of the cursor tries the rows again
    if (rowCount() != m_count) {
        reload();
        return;
    }
    Table *t = m_source->table();
    const int cur = currentRow();
    // another record where we remember this row: the records changed under us
    if (cur >= 0 && t && !t->isEditing()) {
        const auto it = m_cache.constFind(cur);
        if (it != m_cache.constEnd() && it->rowid != t->recordNumber()) {
            reload();
            return;
        }
    }
    if (cur != m_lastCurrent) {
        const int old = m_lastCurrent;
        m_lastCurrent = cur;
        if (old >= 0 && old < m_count)
            Q_EMIT dataChanged(index(old, 0), index(old, columnCount() - 1));
    }
    if (cur >= 0) {
        m_cache.remove(cur); // the cursor's own record may have been changed
        Q_EMIT dataChanged(index(cur, 0), index(cur, columnCount() - 1));
    }
    Q_EMIT currentRowChanged(cur);
}

QVariant TableModel::lookup(const Column &c, const QVariant &key) const
{
    if (!key.isValid() || key.isNull())
        return QVariant();
    const QString cacheKey =
        c.lookupTable + QLatin1Char('\n') + c.lookupResult + QLatin1Char('\n') + key.toString();
    const auto it = m_lookupCache.constFind(cacheKey);
    if (it != m_lookupCache.constEnd())
        return *it;
    QVariant out;
    try {
        tav::store::Query q(m_source->table()->database(),
                            QStringLiteral("SELECT \"%1\" FROM \"%2\" WHERE \"%3\" = ?")
                                .arg(c.lookupResult, c.lookupTable, c.lookupKey));
        q.addBindValue(key);
        q.open();
        if (!q.eof())
            out = q.value(0);
    } catch (const std::exception &e) {
        reportReadError(e, c.lookupTable); // the cell stays empty
    }
    m_lookupCache.insert(cacheKey, out);
    return out;
}

TableModel::CachedRow TableModel::readCurrent() const
{
    Table *t = m_source->table();
    CachedRow r;
    r.rowid = t->recordNumber();
    r.values.reserve(m_columns.size());
    r.keys.resize(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i) {
        const Column &c = m_columns[i];
        if (c.calc) {
            r.values << c.calc(*t);
        } else if (!c.lookupTable.isEmpty()) {
            r.keys[i] = t->value(c.field);
            r.values << lookup(c, r.keys[i]);
        } else if (const auto *f = t->fieldDef(c.field); f && f->type == tav::store::FieldType::Currency) {
            // money exactly, not the double the table also hands out
            const auto units = t->currencyUnits(c.field);
            r.values << (units ? QVariant::fromValue(tav::app::Geld::ausEinheiten(*units)) : QVariant());
        } else {
            r.values << t->value(c.field);
        }
    }
    if (m_rowColour)
        r.colour = m_rowColour(*t);
    return r;
}

void TableModel::fetchAround(int row) const
{
    Table *t = m_source->table();
    if (!t->isOpen() || t->isEditing() || m_readFailed)
        return;
    try {
        const int count = t->recordCount();
        if (row < 0 || row >= count)
            return;
        if (m_cache.size() > MaxCachedRows)
            m_cache.clear();
        // the view asks from the top down: read from this row on, up to a row read before or a page
        int end = row + 1;
        while (end < count && end - row < m_pageRows && !m_cache.contains(end))
            ++end;
        // reading rows must not look like scrolling to the window
        tav::store::QuietCursor quiet(*t);
        if (t->moveTo(row + 1, end - row - 1)) {
            for (int r = row; r < end; ++r) {
                m_cache.insert(r, readCurrent());
                if (r + 1 < end) {
                    t->next();
                    if (t->eof())
                        break;
                }
            }
        }
        quiet.restore();
    } catch (const std::exception &e) {
        reportReadError(e, t->fileName());
    }
}

void TableModel::reportReadError(const std::exception &e, const QString &file) const
{
    // the view asks again with every paint: one report until the rows are read anew
    if (m_readFailed)
        return;
    m_readFailed = true;
    TDBError::HandleExceptionLater(e, file);
}

void TableModel::setPageRows(int rows)
{
    m_pageRows = std::clamp(rows, 8, BlockSize);
}

QString TableModel::display(const QVariant &v) const
{
    if (v.metaType() == QMetaType::fromType<tav::app::Geld>())
        return v.value<tav::app::Geld>().text(tav::app::geldLocale());
    switch (v.typeId()) {
    case QMetaType::QDate: return germanDateText(v.toDate());
    case QMetaType::QDateTime: return tav::app::zeitpunktText(v.toDateTime());
    case QMetaType::Double: return QLocale(QLocale::German).toString(v.toDouble());
    case QMetaType::Bool: return v.toBool() ? QStringLiteral("X") : QString();
    default: return v.toString();
    }
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_source || !m_source->isOpen() || index.column() >= m_columns.size())
        return QVariant();
    if (role == PickListRole)
        return m_columns[index.column()].pickList;
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::BackgroundRole &&
        role != LookupKeyRole)
        return QVariant();
    Table *t = m_source->table();
    const int row = index.row();
    CachedRow live;
    const CachedRow *r = nullptr;
    if (row == currentRow() && (t->isEditing() || t->hasRecord())) {
        try {
            live = readCurrent();
        } catch (const std::exception &e) {
            reportReadError(e, t->fileName());
            return QVariant();
        }
        r = &live;
    } else {
        auto it = m_cache.constFind(row);
        if (it == m_cache.constEnd()) {
            fetchAround(row);
            it = m_cache.constFind(row);
        }
        if (it == m_cache.constEnd())
            return QVariant();
        r = &*it;
    }
    if (role == Qt::BackgroundRole)
        return r->colour.isValid() ? QVariant(r->colour) : QVariant();
    if (role == LookupKeyRole)
        return r->keys.value(index.column());
    const QVariant v = r->values.value(index.column());
    if (role == Qt::EditRole && v.metaType() == QMetaType::fromType<tav::app::Geld>())
        return v.value<tav::app::Geld>().eingabeText(tav::app::geldLocale()); // edited as text
    if (role == Qt::EditRole && isDateColumn(index.column()))
        return display(v); // edited as it is shown, so that it is typed in the same form
    return role == Qt::EditRole ? v : QVariant(display(v));
}

QVector<QPair<QString, QVariant>> TableModel::lookupChoices(int column) const
{
    QVector<QPair<QString, QVariant>> out;
    if (column < 0 || column >= m_columns.size() || !m_source || !m_source->isOpen())
        return out;
    const Column &c = m_columns[column];
    if (c.lookupTable.isEmpty() || !c.editable)
        return out;
    try {
        tav::store::Query q(m_source->table()->database(),
                            QStringLiteral("SELECT \"%1\", \"%2\" FROM \"%3\" ORDER BY \"%2\", \"%1\"")
                                .arg(c.lookupKey, c.lookupResult, c.lookupTable));
        q.open();
        for (; !q.eof(); q.next())
            out.append({display(q.value(1)), q.value(0)});
    } catch (const std::exception &e) {
        reportReadError(e, c.lookupTable);
    }
    return out;
}

bool TableModel::isDateColumn(int column) const
{
    if (column < 0 || column >= m_columns.size() || !m_source || !m_source->isOpen())
        return false;
    const Column &c = m_columns[column];
    if (c.calc || !c.lookupTable.isEmpty())
        return false;
    const auto *f = m_source->table()->fieldDef(c.field);
    return f && (f->type == tav::store::FieldType::Date || f->type == tav::store::FieldType::Timestamp);
}

bool TableModel::dateTextValid(int column, const QString &text) const
{
    if (!isDateColumn(column))
        return true;
    const auto *f = m_source->table()->fieldDef(m_columns[column].field);
    return f->type == tav::store::FieldType::Date ? tav::app::eingabeDatum(text).has_value()
                                                  : tav::app::eingabeZeitpunkt(text).has_value();
}

bool TableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    if (!setCurrentRow(index.row()))
        return false;
    QVariant v = value;
    const auto *f = m_source->table()->fieldDef(m_columns[index.column()].field);
    if (isDateColumn(index.column()) && value.typeId() == QMetaType::QString) {
        // a text that is no date is refused by the grid's editor before it gets here
        if (f->type == tav::store::FieldType::Date) {
            const std::optional<QDate> d = tav::app::eingabeDatum(value.toString());
            if (!d)
                return false;
            v = d->isValid() ? QVariant(*d) : QVariant();
        } else {
            const std::optional<QDateTime> d = tav::app::eingabeZeitpunkt(value.toString());
            if (!d)
                return false;
            v = d->isValid() ? QVariant(*d) : QVariant();
        }
        // the unchanged text of a cell left again leaves the record as it is
        if (m_source->table()->value(f->name) == v)
            return true;
    }
    if (f && f->type == tav::store::FieldType::Currency && value.typeId() == QMetaType::QString &&
        m_columns[index.column()].lookupTable.isEmpty()) {
        if (value.toString().trimmed().isEmpty()) {
            v = QVariant();
        } else if (const auto g = tav::app::Geld::lesen(value.toString(), tav::app::geldLocale())) {
            v = QVariant::fromValue(*g);
        } else {
            showMessage(tav::app::MeldungUngueltigerBetrag, MsgIcon::Warning, MsgButtons::Ok, QString(),
                        QStringLiteral(" ") + value.toString());
            return false;
        }
    }
    if (!m_source->setFieldValue(m_columns[index.column()].field, v))
        return false;
    Q_EMIT dataChanged(index, index);
    return true;
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() < m_columns.size() && m_columns[index.column()].editable &&
        m_source && m_source->isOpen() && !m_source->table()->isReadOnly())
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant TableModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
        return m_columns[section].title;
    if (o == Qt::Vertical && role == Qt::DisplayRole)
        return section == currentRow() ? QStringLiteral("▶") : QString();
    return QVariant();
}

bool TableModel::setHeaderData(int section, Qt::Orientation o, const QVariant &value, int role)
{
    if (o != Qt::Horizontal || section < 0 || section >= m_columns.size() || role != Qt::EditRole)
        return false;
    m_columns[section].title = value.toString();
    Q_EMIT headerDataChanged(o, section, section);
    return true;
}

// --- DBGrid -------------------------------------------------------------------

DBGrid::DBGrid(QWidget *parent) : QTableView(parent)
{
    setProperty("dataAware", true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setFixedWidth(14);
    // Latin names need no typographic shaping; scripts that do still get it
    QFont f = font();
    f.setStyleStrategy(QFont::PreferNoShaping);
    setFont(f);
    auto *delegate = new GridDelegate(this);
    delegate->setGridLines(true);
    setShowGrid(false);
    setItemDelegate(delegate);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
}

DBGrid::DBGrid(DataSource *source, QWidget *parent) : DBGrid(parent)
{
    setDataSource(source);
}

void DBGrid::setDataSource(DataSource *source)
{
    if (m_model && m_model->dataSource() == source)
        return;
    auto *old = m_model;
    m_model = new TableModel(source, this);
    setModel(m_model);
    delete old;
    connect(m_model, &TableModel::currentRowChanged, this, &DBGrid::followCursor);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        QVariantList tags;
        for (const auto &c : m_model->columns())
            tags << c.tag;
        setProperty("columnTags", tags);
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (m_following || !current.isValid())
                    return;
                if (!m_model->setCurrentRow(current.row())) {
                    // the cursor stayed (pending input kept): show where it is
                    QTimer::singleShot(0, this, [this] { followCursor(m_model->currentRow()); });
                }
            });
    pageRowsChanged();
    followCursor(m_model->currentRow());
}

void DBGrid::setRowKeys(bool on, std::function<bool()> add)
{
    m_rowKeys = on;
    m_add = std::move(add);
}

void DBGrid::closeOpenEditor()
{
    if (state() != EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool DBGrid::addRow()
{
    DataSource *s = m_model ? m_model->dataSource() : nullptr;
    if (!s || !s->isOpen() || s->table()->isReadOnly())
        return false;
    closeOpenEditor();
    if (!(m_add ? m_add() : s->append()))
        return false;
    setFocus();
    const int row = m_model->currentRow();
    int col = 0;
    while (col < m_model->columnCount() - 1 && !m_model->columns()[col].editable)
        ++col;
    if (row >= 0)
        setCurrentIndex(m_model->index(row, col));
    return true;
}

bool DBGrid::deleteRow()
{
    DataSource *s = m_model ? m_model->dataSource() : nullptr;
    if (!s || !s->isOpen() || s->table()->isReadOnly())
        return false;
    closeOpenEditor();
    return s->remove(true);
}

void DBGrid::keyPressEvent(QKeyEvent *e)
{
    DataSource *s = m_model ? m_model->dataSource() : nullptr;
    if (!m_rowKeys || !s || !s->isOpen()) {
        QTableView::keyPressEvent(e);
        return;
    }
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    Table *t = s->table();
    if (e->key() == Qt::Key_Insert && mods == Qt::NoModifier) {
        addRow();
        return;
    }
    if (e->key() == Qt::Key_Down && mods == Qt::NoModifier &&
        m_model->currentRow() >= m_model->rowCount() - 1) {
        if (state() == EditingState || t->state() != Table::State::Insert || t->isModified())
            addRow();
        return;
    }
    if (e->key() == Qt::Key_Delete && mods == Qt::ControlModifier && state() != EditingState) {
        deleteRow();
        return;
    }
    if (e->key() == Qt::Key_Escape && state() != EditingState && s->isEditing()) {
        s->undo();
        return;
    }
    QTableView::keyPressEvent(e);
}

void DBGrid::resizeEvent(QResizeEvent *e)
{
    QTableView::resizeEvent(e);
    pageRowsChanged();
}

void DBGrid::pageRowsChanged()
{
    if (m_model)
        m_model->setPageRows(viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize()) + 2);
}

void DBGrid::followCursor(int row)
{
    if (!m_model)
        return;
    m_following = true;
    // a grid of several selected rows keeps them: the cursor only moves the current row
    const bool eineZeile = selectionMode() == QAbstractItemView::SingleSelection;
    if (row < 0 || row >= m_model->rowCount()) {
        if (eineZeile)
            selectionModel()->clearSelection();
    } else {
        const int col = std::max(0, currentIndex().column());
        const QModelIndex idx = m_model->index(row, col);
        selectionModel()->setCurrentIndex(idx, eineZeile ? QItemSelectionModel::ClearAndSelect |
                                                               QItemSelectionModel::Rows
                                                         : QItemSelectionModel::NoUpdate);
        scrollTo(idx);
    }
    viewport()->update();
    verticalHeader()->viewport()->update();
    m_following = false;
}

} // namespace tav::widgets
