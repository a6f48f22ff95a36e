#include "DataSource.h"

#include "DbEngine.h"
#include "Dialogs.h"
#include "app/Geld.h"
#include "app/Sprache.h"
#include "store/TextRules.h"

#include <QAbstractButton>
#include <QScopedValueRollback>
#include <utility>

using tav::store::AbortOperation;
using tav::store::EngineError;
using tav::store::Table;

namespace tav::widgets {

using namespace tav::app;

namespace {
bool &globalSaveWithoutAsking()
{
    static bool on = true; // the settings' default
    return on;
}

QHash<const Table *, QPointer<DataSource>> &hookOwners()
{
    static QHash<const Table *, QPointer<DataSource>> owners;
    return owners;
}

ErrorReporter &errorReporter()
{
    static ErrorReporter r;
    return r;
}
} // namespace

void setErrorReporter(ErrorReporter reporter)
{
    errorReporter() = std::move(reporter);
}

void reportDatabaseError(const std::exception &e, const QString &fileName)
{
    if (errorReporter())
        errorReporter()(e, fileName);
    else
        TDBError::HandleException(e, fileName);
}

DataSource::DataSource(Table *table, QObject *parent) : QObject(parent)
{
    setTable(table);
}

DataSource::~DataSource()
{
    unhook();
    const QList<DataControl *> controls = m_controls;
    m_controls.clear();
    for (DataControl *c : controls)
        c->bind(nullptr, c->field());
}

void DataSource::setTable(Table *table)
{
    if (table == m_table)
        return;
    unhook();
    m_table = table;
    hook();
    readControls();
    updateButtons();
    Q_EMIT dataSetChanged();
}

void DataSource::detach()
{
    unhook();
    m_table = nullptr;
}

Table::State DataSource::state() const
{
    return m_table ? m_table->state() : Table::State::Inactive;
}

void DataSource::setDefaultSaveWithoutAsking(bool on)
{
    globalSaveWithoutAsking() = on;
}

bool DataSource::defaultSaveWithoutAsking()
{
    return globalSaveWithoutAsking();
}

bool DataSource::saveWithoutAsking() const
{
    return m_saveWithoutAsking.value_or(globalSaveWithoutAsking());
}

void DataSource::hook()
{
    if (!m_table)
        return;
    Table *t = m_table;
    auto record = [this] {
        readControls();
        Q_EMIT recordChanged();
    };
    auto dataSet = [this, record] {
        record();
        Q_EMIT dataSetChanged();
    };
    m_conns << connect(t, &Table::afterScroll, this, record) << connect(t, &Table::afterCancel, this, record)
            << connect(t, &Table::afterInsert, this, record) << connect(t, &Table::afterPost, this, dataSet)
            << connect(t, &Table::afterDelete, this, dataSet) << connect(t, &Table::afterOpen, this, dataSet)
            << connect(t, &Table::afterClose, this, dataSet);
    m_conns << connect(t, &Table::stateChanged, this, [this] {
        updateButtons();
        Q_EMIT stateChanged();
    });
    m_conns << connect(t, &Table::fieldChanged, this, [this](const QString &name) {
        {
            const QScopedValueRollback<int> lesen(m_reading, m_reading + 1);
            // calculated and looked-up fields may follow from the one that changed: they are read again too
            for (DataControl *c : std::as_const(m_controls)) {
                if (c != m_writer && (c->field().compare(name, Qt::CaseInsensitive) == 0 ||
                                      (m_table && !m_table->fieldDef(c->field()))))
                    c->readField();
            }
        }
        Q_EMIT fieldChanged(name);
    });
    // the rules run once per post, also when several data sources show the same table
    QPointer<DataSource> &owner = hookOwners()[t];
    if (owner && owner != this && owner->table() == t)
        return;
    owner = this;
    m_ownsHooks = true;
    m_oldBeforePost = t->beforePost;
    m_oldPostError = t->onPostError;
    t->beforePost = [this](Table &tab) { postHook(tab); };
    t->onPostError = [this](Table &tab, const EngineError &e) {
        // not retried; the input stays so that the user can complete it or press "Rückgängig"
        reportDatabaseError(e, tab.fileName().isEmpty() ? tab.tableName() : tab.fileName());
        Q_EMIT errorReported();
        return Table::PostErrorAction::Abort;
    };
}

void DataSource::unhook()
{
    for (const auto &c : std::as_const(m_conns))
        disconnect(c);
    m_conns.clear();
    if (m_table && m_ownsHooks) {
        m_table->beforePost = m_oldBeforePost;
        m_table->onPostError = m_oldPostError;
        hookOwners().remove(m_table.data());
    }
    m_ownsHooks = false;
    m_oldBeforePost = nullptr;
    m_oldPostError = nullptr;
}

void DataSource::postHook(Table &t)
{
    for (DataControl *c : std::as_const(m_controls)) {
        if (!c->commit())
            throw AbortOperation();
    }
    // stored text is text: no control characters, except line breaks in memos
    for (const tav::store::FieldDef &f : t.layout().fields) {
        if (f.type != tav::store::FieldType::String && f.type != tav::store::FieldType::Memo)
            continue;
        if (tav::store::controlCharacterAt(t.value(f.name).toString(),
                                           f.type == tav::store::FieldType::Memo) >= 0) {
            showText(messageText(9452) + QLatin1Char(' ') + f.name, MsgIcon::Error, MsgButtons::Ok);
            throw AbortOperation();
        }
    }
    if (!saveWithoutAsking() && showMessage(29, MsgIcon::Warning, MsgButtons::YesNo) != QMessageBox::Yes) {
        t.cancel();
        m_declined = true;
        throw AbortOperation();
    }
    if (m_oldBeforePost)
        m_oldBeforePost(t);
    if (beforePost)
        beforePost(t);
}

void DataSource::readControls()
{
    const QScopedValueRollback<int> lesen(m_reading, m_reading + 1);
    for (DataControl *c : std::as_const(m_controls)) {
        if (c != m_writer)
            c->readField();
    }
}

void DataSource::updateButtons()
{
    const bool editing = isEditing();
    for (const auto &b : std::as_const(m_saveButtons)) {
        if (b)
            b->setEnabled(editing);
    }
    for (const auto &b : std::as_const(m_undoButtons)) {
        if (b)
            b->setEnabled(editing);
    }
}

void DataSource::attachButtons(QAbstractButton *save, QAbstractButton *undo)
{
    if (save) {
        m_saveButtons << save;
        connect(save, &QAbstractButton::clicked, this, [this] { this->save(); });
    }
    if (undo) {
        m_undoButtons << undo;
        connect(undo, &QAbstractButton::clicked, this, [this] { this->undo(); });
    }
    updateButtons();
}

void DataSource::reportError(const std::exception &e) const
{
    QString name;
    if (m_table)
        name = m_table->fileName().isEmpty() ? m_table->tableName() : m_table->fileName();
    reportDatabaseError(e, name);
}

bool DataSource::guarded(const std::function<void()> &f)
{
    try {
        f();
        return true;
    } catch (const AbortOperation &) {
        return false; // a hook stopped it quietly
    } catch (const std::exception &e) {
        reportError(e);
        Q_EMIT errorReported();
        return false;
    }
}

bool DataSource::open()
{
    if (!m_table)
        return false;
    if (m_table->isOpen())
        return true;
    return guarded([this] { m_table->open(); });
}

bool DataSource::edit()
{
    if (!isOpen())
        return false;
    if (isEditing())
        return true;
    return guarded([this] { m_table->edit(); }) && isEditing();
}

bool DataSource::append()
{
    if (!isOpen() || !leaveEdit())
        return false;
    return guarded([this] { m_table->append(); }) && isEditing();
}

bool DataSource::insert()
{
    if (!isOpen() || !leaveEdit())
        return false;
    return guarded([this] { m_table->insert(); }) && isEditing();
}

bool DataSource::post()
{
    m_declined = false;
    const bool ok = guarded([this] { m_table->post(); });
    // told only now, so that a window may move the cursor or change the range
    if (std::exchange(m_declined, false))
        Q_EMIT saveDeclined();
    return ok;
}

bool DataSource::save()
{
    if (!isEditing())
        return false;
    post();
    return !isEditing() && m_table->isOpen();
}

void DataSource::undo()
{
    if (isEditing())
        guarded([this] { m_table->cancel(); });
}

bool DataSource::remove(bool ask)
{
    if (!isOpen())
        return false;
    if (m_table->state() == Table::State::Insert) {
        undo();
        return true;
    }
    if (!m_table->hasRecord())
        return false;
    if (ask && showMessage(28, MsgIcon::Warning, MsgButtons::YesNo) != QMessageBox::Yes)
        return false;
    return guarded([this] { m_table->remove(); });
}

bool DataSource::leaveEdit()
{
    if (!isEditing())
        return true;
    if (m_table->isModified())
        post();
    else
        guarded([this] { m_table->cancel(); });
    return !isEditing();
}

bool DataSource::first()
{
    return isOpen() && leaveEdit() && guarded([this] { m_table->first(); });
}

bool DataSource::prior()
{
    return isOpen() && leaveEdit() && guarded([this] { m_table->prior(); });
}

bool DataSource::next()
{
    return isOpen() && leaveEdit() && guarded([this] { m_table->next(); });
}

bool DataSource::last()
{
    return isOpen() && leaveEdit() && guarded([this] { m_table->last(); });
}

int DataSource::moveBy(int distance)
{
    int moved = 0;
    if (isOpen() && leaveEdit())
        guarded([&] { moved = m_table->moveBy(distance); });
    return moved;
}

bool DataSource::moveTo(int recNo)
{
    bool ok = false;
    if (isOpen() && leaveEdit())
        guarded([&] { ok = m_table->moveTo(recNo); });
    return ok;
}

bool DataSource::refresh()
{
    return isOpen() && leaveEdit() && guarded([this] { m_table->refresh(); });
}

bool DataSource::gotoBookmark(const Table::Bookmark &b)
{
    return isOpen() && leaveEdit() && guarded([&] { m_table->gotoBookmark(b); });
}

// Beginning or end of the records: without a record both, a new record neither.
bool DataSource::atBeginning() const
{
    return atEdge([this] { return m_table->recNo() <= 1; });
}

bool DataSource::atEnd() const
{
    return atEdge([this] { return m_table->recNo() >= m_table->recordCount(); });
}

bool DataSource::atEdge(const std::function<bool()> &edge) const
{
    if (!isOpen() || (m_table->state() != tav::store::Table::State::Insert && !m_table->hasRecord()))
        return true;
    return m_table->state() != tav::store::Table::State::Insert && edge();
}

bool DataSource::setFieldValue(const QString &field, const QVariant &value)
{
    return writeField(field, value, nullptr);
}

bool DataSource::writeField(const QString &field, const QVariant &value, DataControl *writer)
{
    if (!isOpen())
        return false;
    const QScopedValueRollback<DataControl *> schreibend(m_writer, writer);
    bool ok = isEditing() || (m_autoEdit && edit());
    if (ok && value.metaType() == QMetaType::fromType<tav::app::Geld>())
        ok = guarded([&] { m_table->setCurrencyUnits(field, value.value<tav::app::Geld>().einheiten()); });
    else if (ok)
        ok = guarded([&] { m_table->setValue(field, value); });
    return ok;
}

void DataSource::addControl(DataControl *c)
{
    if (!m_controls.contains(c))
        m_controls << c;
}

void DataSource::removeControl(DataControl *c)
{
    m_controls.removeAll(c);
    if (m_writer == c)
        m_writer = nullptr;
}

// --- DataControl ------------------------------------------------------------

DataControl::~DataControl()
{
    if (m_source)
        m_source->removeControl(this);
}

void DataControl::bind(DataSource *source, const QString &field)
{
    if (m_source)
        m_source->removeControl(this);
    m_source = source;
    m_field = field;
    if (source) {
        source->addControl(this);
        readField();
    }
}

bool DataControl::userChanged(const QVariant &value)
{
    if (!m_source || reading())
        return false;
    return m_source->writeField(m_field, value, this);
}

QVariant DataControl::fieldValue() const
{
    if (!m_source || !m_source->isOpen() || m_field.isEmpty())
        return QVariant();
    Table *t = m_source->table();
    if (!t->hasRecord() && !t->isEditing())
        return QVariant();
    try {
        return t->value(m_field);
    } catch (const std::exception &e) {
        // controls read their field while they are being refreshed, perhaps from a paint
        TDBError::HandleExceptionLater(e, t->fileName());
        return QVariant();
    }
}

} // namespace tav::widgets
