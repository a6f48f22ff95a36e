#include "DataControls.h"

#include "app/Datumseingabe.h"
#include "app/Geld.h"
#include "app/Sprache.h"

#include "DbEngine.h"
#include "Dialogs.h"
#include "store/TextRules.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QIntValidator>
#include <QLocale>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QVBoxLayout>

using tav::store::FieldDef;
using tav::store::FieldType;
using tav::store::Table;

namespace tav::widgets {

using namespace tav::app;

// messages of the bound controls
constexpr int MsgInvalidDate = 902;
constexpr int MsgInvalidNumber = 903;

namespace {
const FieldDef *fieldDefOf(DataSource *s, const QString &field)
{
    if (!s || !s->isOpen())
        return nullptr;
    return s->table()->fieldDef(field);
}

bool isReadOnlyField(DataSource *s, const QString &field)
{
    if (!s || !s->isOpen())
        return false;
    const FieldDef *f = fieldDefOf(s, field);
    return s->table()->isReadOnly() || !f || f->type == FieldType::AutoInc;
}

bool isNumber(FieldType t)
{
    return t == FieldType::Integer || t == FieldType::SmallInt || t == FieldType::AutoInc ||
           t == FieldType::Float || t == FieldType::Currency;
}

// a money field exactly, in 1/10000 units; nullopt when blank
std::optional<qint64> unitsOf(DataSource *s, const QString &field)
{
    if (!s || !s->isOpen())
        return std::nullopt;
    try {
        return s->table()->currencyUnits(field);
    } catch (const std::exception &) {
        return std::nullopt; // no record to read: shown blank
    }
}

void markDataAware(QObject *o)
{
    o->setProperty("dataAware", true);
}
} // namespace

QString germanDateText(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QDate parseGermanDate(const QString &text, bool *ok)
{
    const std::optional<QDate> d = tav::app::eingabeDatum(text);
    *ok = d.has_value();
    return d.value_or(QDate());
}

// --- DBEdit -------------------------------------------------------------------

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent)
{
    markDataAware(this);
    connect(this, &QLineEdit::textEdited, this, &DBEdit::edited);
}

DBEdit::DBEdit(DataSource *source, const QString &field, QWidget *parent) : DBEdit(parent)
{
    bind(source, field);
}

void DBEdit::applyField()
{
    const FieldDef *f = fieldDefOf(dataSource(), field());
    setReadOnly(isReadOnlyField(dataSource(), field()));
    // the field's size counts characters, the edit's UTF-16 units: edited() cuts to characters
    if (f && f->type == FieldType::String && f->size > 0)
        setMaxLength(2 * f->size);
    else
        setMaxLength(32767);
}

void DBEdit::readField()
{
    applyField();
    m_invalidNumber = false;
    const QVariant v = fieldValue();
    const FieldDef *f = fieldDefOf(dataSource(), field());
    QString text;
    if (f && f->type == FieldType::Currency) {
        if (const auto units = unitsOf(dataSource(), field()))
            text = tav::app::Geld::ausEinheiten(*units).eingabeText(tav::app::geldLocale());
    } else if (f && f->type == FieldType::Float && v.isValid() && !v.isNull())
        text = QLocale(QLocale::German).toString(v.toDouble(), 'f', -1);
    else if (f && f->type == FieldType::Date)
        text = germanDateText(v.toDate());
    else
        text = v.toString();
    setText(text);
    setCursorPosition(0);
}

void DBEdit::edited(const QString &typed)
{
    const FieldDef *f = fieldDefOf(dataSource(), field());
    m_invalidNumber = false;
    QString text = typed;
    if (f && f->type == FieldType::String && f->size > 0 && tav::store::textLength(text) > f->size) {
        text = tav::store::cutToLength(text, f->size);
        const int pos = std::min(cursorPosition(), int(text.size()));
        setText(text);
        setCursorPosition(pos);
    }
    if (!f || !isNumber(f->type) || text.trimmed().isEmpty()) {
        userChanged(text.trimmed().isEmpty() && f && f->type != FieldType::String ? QVariant()
                                                                                  : QVariant(text));
        return;
    }
    bool ok = false;
    QVariant v;
    if (f->type == FieldType::Currency) {
        // money is read in the user's language and kept exact
        const auto g = tav::app::Geld::lesen(text, tav::app::geldLocale());
        ok = g.has_value();
        if (ok)
            v = QVariant::fromValue(*g);
    } else if (f->type == FieldType::Float) {
        v = QLocale(QLocale::German).toDouble(text.trimmed(), &ok);
    } else {
        v = text.trimmed().toInt(&ok);
    }
    if (ok) {
        userChanged(v);
        return;
    }
    m_invalidNumber = true;
    // enters edit state with the field unchanged; the bad text waits for commit()
    if (f->type != FieldType::Currency)
        userChanged(fieldValue());
    else if (const auto units = unitsOf(dataSource(), field()))
        userChanged(QVariant::fromValue(tav::app::Geld::ausEinheiten(*units)));
    else
        userChanged(QVariant());
}

bool DBEdit::commit()
{
    if (!m_invalidNumber)
        return true;
    const FieldDef *f = fieldDefOf(dataSource(), field());
    if (f && f->type == FieldType::Currency)
        showMessage(tav::app::MeldungUngueltigerBetrag, MsgIcon::Warning, MsgButtons::Ok, QString(),
                    QStringLiteral(" ") + text());
    else
        showMessage(MsgInvalidNumber, MsgIcon::Warning, MsgButtons::Ok, QStringLiteral("'%1': ").arg(text()));
    setFocus();
    return false;
}

// --- DBMemo -------------------------------------------------------------------

DBMemo::DBMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    markDataAware(this);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!reading())
            userChanged(toPlainText());
    });
}

DBMemo::DBMemo(DataSource *source, const QString &field, QWidget *parent) : DBMemo(parent)
{
    bind(source, field);
}

void DBMemo::readField()
{
    setReadOnly(isReadOnlyField(dataSource(), field()));
    const QString text = fieldValue().toString();
    if (text != toPlainText()) {
        QSignalBlocker block(this);
        setPlainText(text);
    }
}

// --- DBCheckBox ---------------------------------------------------------------

DBCheckBox::DBCheckBox(QWidget *parent) : QCheckBox(parent)
{
    markDataAware(this);
    connect(this, &QCheckBox::clicked, this, [this](bool on) {
        if (!userChanged(on ? m_checked : m_unchecked))
            readField();
    });
}

DBCheckBox::DBCheckBox(const QString &text, DataSource *source, const QString &field, QWidget *parent)
    : DBCheckBox(parent)
{
    setText(text);
    bind(source, field);
}

void DBCheckBox::setValues(const QVariant &checked, const QVariant &unchecked)
{
    m_checked = checked;
    m_unchecked = unchecked;
    readField();
}

void DBCheckBox::readField()
{
    setEnabled(!isReadOnlyField(dataSource(), field()));
    const QVariant v = fieldValue();
    const bool on = m_checked.typeId() == QMetaType::Bool ? v.toBool() : v.toString() == m_checked.toString();
    QSignalBlocker block(this);
    setChecked(on);
}

// --- DBRadioGroup -------------------------------------------------------------

DBRadioGroup::DBRadioGroup(QWidget *parent) : QGroupBox(parent), m_group(new QButtonGroup(this))
{
    markDataAware(this);
    setProperty("radioGroup", true);
    new QVBoxLayout(this);
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        if (id < 0 || id >= m_values.size())
            return;
        if (!userChanged(m_values[id]))
            readField();
    });
}

DBRadioGroup::DBRadioGroup(const QString &title, DataSource *source, const QString &field, QWidget *parent)
    : DBRadioGroup(parent)
{
    setTitle(title);
    bind(source, field);
}

void DBRadioGroup::setItems(const QStringList &items, const QVariantList &values)
{
    const QList<QAbstractButton *> old = m_group->buttons();
    for (QAbstractButton *b : old) {
        m_group->removeButton(b);
        delete b;
    }
    m_values.clear();
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items[i], this);
        m_group->addButton(b, i);
        layout()->addWidget(b);
        m_values << (i < values.size() ? values[i] : QVariant(items[i]));
    }
    readField();
}

int DBRadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void DBRadioGroup::readField()
{
    const bool readOnly = isReadOnlyField(dataSource(), field());
    const QVariant v = fieldValue();
    int index = -1;
    if (v.isValid() && !v.isNull()) {
        for (int i = 0; i < m_values.size(); ++i) {
            if (m_values[i].toString() == v.toString()) {
                index = i;
                break;
            }
        }
    }
    // no item stands for the value: none is checked
    m_group->setExclusive(false);
    const QList<QAbstractButton *> buttons = m_group->buttons();
    for (QAbstractButton *b : buttons) {
        b->setChecked(m_group->id(b) == index);
        b->setEnabled(!readOnly);
    }
    m_group->setExclusive(true);
}

// --- DBComboBox ---------------------------------------------------------------

DBComboBox::DBComboBox(QWidget *parent) : QComboBox(parent)
{
    markDataAware(this);
    connect(this, &QComboBox::activated, this, &DBComboBox::chosen);
    connect(this, &QComboBox::editTextChanged, this, [this](const QString &text) {
        if (isEditable() && !reading() && m_values.isEmpty())
            userChanged(text);
    });
}

DBComboBox::DBComboBox(DataSource *source, const QString &field, QWidget *parent) : DBComboBox(parent)
{
    bind(source, field);
}

void DBComboBox::setItemValues(const QVariantList &values)
{
    m_values = values;
    readField();
}

void DBComboBox::chosen(int index)
{
    if (index < 0)
        return;
    const QVariant v = index < m_values.size() ? m_values[index] : QVariant(itemText(index));
    if (!userChanged(v))
        readField();
}

void DBComboBox::readField()
{
    setEnabled(!isReadOnlyField(dataSource(), field()));
    const QVariant v = fieldValue();
    QSignalBlocker block(this);
    int index = -1;
    if (!m_values.isEmpty()) {
        for (int i = 0; i < m_values.size(); ++i) {
            if (m_values[i].toString() == v.toString() && v.isValid()) {
                index = i;
                break;
            }
        }
    } else {
        index = findText(v.toString());
    }
    setCurrentIndex(index);
    if (isEditable() && index < 0)
        setEditText(v.toString());
}

// --- DBLookupComboBox ---------------------------------------------------------

DBLookupComboBox::DBLookupComboBox(QWidget *parent) : QComboBox(parent)
{
    markDataAware(this);
    connect(this, &QComboBox::activated, this, &DBLookupComboBox::chosen);
}

void DBLookupComboBox::setList(Table *list, const QString &keyField, const QString &displayField)
{
    m_list = list;
    m_keyField = keyField;
    m_displayField = displayField;
    reloadList();
}

void DBLookupComboBox::reloadList()
{
    QSignalBlocker block(this);
    clear();
    if (m_list && m_list->isOpen() && !m_list->isEditing()) {
        // a list table is a short reference list; its cursor is put back where it was
        try {
            tav::store::QuietCursor quiet(*m_list);
            for (m_list->first(); !m_list->eof(); m_list->next())
                addItem(m_display ? m_display(*m_list) : m_list->text(m_displayField),
                        m_list->value(m_keyField));
            quiet.restore();
        } catch (const std::exception &e) {
            TDBError::HandleException(e, m_list->fileName());
        }
    }
    readField();
}

void DBLookupComboBox::setDisplay(std::function<QString(Table &)> display)
{
    m_display = std::move(display);
    reloadList();
}

void DBLookupComboBox::changeEvent(QEvent *e)
{
    QComboBox::changeEvent(e);
    if (e->type() == QEvent::LanguageChange && m_display)
        reloadList();
}

void DBLookupComboBox::chosen(int index)
{
    if (index < 0)
        return;
    if (!userChanged(itemData(index)))
        readField();
}

void DBLookupComboBox::readField()
{
    setEnabled(!isReadOnlyField(dataSource(), field()));
    const QVariant v = fieldValue();
    QSignalBlocker block(this);
    int index = -1;
    if (v.isValid() && !v.isNull()) {
        for (int i = 0; i < count(); ++i) {
            if (itemData(i).toString() == v.toString()) {
                index = i;
                break;
            }
        }
    }
    setCurrentIndex(index);
}

// --- DBDateEdit ---------------------------------------------------------------

void DBDateEdit::changeEvent(QEvent *e)
{
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        setPlaceholderText(tav::app::captionText(9109));
}

DBDateEdit::DBDateEdit(QWidget *parent) : QLineEdit(parent)
{
    markDataAware(this);
    setPlaceholderText(tav::app::captionText(9109));
    setMaxLength(10);
    connect(this, &QLineEdit::textEdited, this, &DBDateEdit::edited);
}

DBDateEdit::DBDateEdit(DataSource *source, const QString &field, QWidget *parent) : DBDateEdit(parent)
{
    bind(source, field);
}

void DBDateEdit::readField()
{
    setReadOnly(isReadOnlyField(dataSource(), field()));
    setText(germanDateText(fieldValue().toDate()));
}

bool DBDateEdit::hasValidDate() const
{
    bool ok = false;
    parseGermanDate(text(), &ok);
    return ok;
}

void DBDateEdit::edited(const QString &text)
{
    bool ok = false;
    const QDate d = parseGermanDate(text, &ok);
    if (ok)
        userChanged(d.isValid() ? QVariant(d) : QVariant());
    else
        userChanged(fieldValue()); // enters edit state; the text waits until it is a date
}

bool DBDateEdit::commit()
{
    if (hasValidDate())
        return true;
    showMessage(MsgInvalidDate, MsgIcon::Warning, MsgButtons::Ok, QStringLiteral("'%1': ").arg(text()));
    setFocus();
    return false;
}

// --- DBImage ------------------------------------------------------------------

DBImage::DBImage(QWidget *parent) : QLabel(parent)
{
    markDataAware(this);
    setAlignment(Qt::AlignCenter);
    setMinimumSize(16, 16);
}

DBImage::DBImage(DataSource *source, const QString &field, QWidget *parent) : DBImage(parent)
{
    bind(source, field);
}

void DBImage::setStretch(bool on)
{
    m_stretch = on;
    showImage();
}

void DBImage::readField()
{
    m_image = QImage();
    const QVariant v = fieldValue();
    const FieldDef *f = fieldDefOf(dataSource(), field());
    if (f && (f->type == FieldType::Graphic || f->type == FieldType::Bytes)) {
        m_image.loadFromData(v.toByteArray());
    } else {
        const QString path = v.toString().trimmed();
        if (!path.isEmpty()) {
            const QFileInfo fi(path);
            m_image.load(fi.isRelative() && !m_baseDir.isEmpty() ? QDir(m_baseDir).filePath(path) : path);
        }
    }
    showImage();
}

void DBImage::showImage()
{
    if (m_image.isNull()) {
        setPixmap(QPixmap());
        return;
    }
    QPixmap pm = QPixmap::fromImage(m_image);
    if (m_stretch && !size().isEmpty())
        pm = pm.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    setPixmap(pm);
}

void DBImage::resizeEvent(QResizeEvent *e)
{
    QLabel::resizeEvent(e);
    if (m_stretch)
        showImage();
}

} // namespace tav::widgets
