#include "GridDelegate.h"

#include "DBGrid.h"
#include "Dialogs.h"
#include "StoredColour.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <utility>

namespace tav::widgets {

namespace {
constexpr int MeldungUngueltigesDatum = 902;
} // namespace

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    if (const auto *model = qobject_cast<const TableModel *>(index.model())) {
        const auto choices = model->lookupChoices(index.column());
        if (!choices.isEmpty()) {
            auto *box = new QComboBox(parent);
            box->setProperty("lookupEditor", true);
            for (const auto &[text, key] : choices)
                box->addItem(text, key);
            return box;
        }
        if (model->isDateColumn(index.column())) {
            auto *edit = new QLineEdit(parent);
            edit->setFrame(false);
            edit->setProperty("datumsSpalte", index.column());
            return edit;
        }
        const TableModel::Column &c = model->columns().at(index.column());
        if (!c.pickList.isEmpty()) {
            auto *box = new QComboBox(parent);
            box->setEditable(!c.pickOnly);
            box->addItems(c.pickList);
            return box;
        }
    }
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(editor); edit && editor->property("datumsSpalte").isValid()) {
        if (m_wiederIndex.isValid() && m_wiederIndex == index) {
            edit->setText(std::exchange(m_wiederText, QString()));
            m_wiederIndex = QPersistentModelIndex();
        } else {
            edit->setText(index.data(Qt::EditRole).toString());
        }
        return;
    }
    auto *box = qobject_cast<QComboBox *>(editor);
    if (box && box->property("lookupEditor").toBool()) {
        const QVariant key = index.data(TableModel::LookupKeyRole);
        int at = -1;
        for (int i = 0; i < box->count() && at < 0 && key.isValid(); ++i)
            if (box->itemData(i).toString() == key.toString())
                at = i;
        box->setCurrentIndex(at);
        return;
    }
    if (box && !box->isEditable()) {
        box->setCurrentIndex(box->findText(index.data(Qt::EditRole).toString()));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

bool GridDelegate::datumFalsch(QWidget *editor) const
{
    auto *edit = qobject_cast<QLineEdit *>(editor);
    const QVariant spalte = editor ? editor->property("datumsSpalte") : QVariant();
    auto *view = editor ? qobject_cast<QAbstractItemView *>(editor->parentWidget()->parentWidget()) : nullptr;
    const auto *model = view ? qobject_cast<const TableModel *>(view->model()) : nullptr;
    return edit && spalte.isValid() && model && !model->dateTextValid(spalte.toInt(), edit->text());
}

void GridDelegate::datumMelden(QWidget *editor) const
{
    // the message takes the focus from the editor, which would leave the cell a second time
    if (m_meldet)
        return;
    const QScopedValueRollback<bool> meldend(m_meldet, true);
    showMessage(MeldungUngueltigesDatum, MsgIcon::Warning, MsgButtons::Ok,
                QStringLiteral("'%1': ").arg(qobject_cast<QLineEdit *>(editor)->text()));
}

bool GridDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool verlassen =
            key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab;
        if (verlassen && datumFalsch(editor)) {
            datumMelden(editor);
            editor->setFocus();
            return true;
        }
    }
    if (editor && event->type() == QEvent::FocusOut && m_meldet)
        return true; // our own message box, not the user leaving
    return QStyledItemDelegate::eventFilter(object, event);
}

void GridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (editor->property("datumsSpalte").isValid()) {
        auto *edit = qobject_cast<QLineEdit *>(editor);
        if (edit->text() == index.data(Qt::EditRole).toString())
            return;
        if (datumFalsch(editor)) {
            // left by a click elsewhere: the cell opens again with what the user typed
            datumMelden(editor);
            auto *view = qobject_cast<QAbstractItemView *>(editor->parentWidget()->parentWidget());
            m_wiederIndex = QPersistentModelIndex(index);
            m_wiederText = edit->text();
            QTimer::singleShot(0, view, [this, view] {
                const QModelIndex i = m_wiederIndex;
                if (!i.isValid())
                    return;
                view->setCurrentIndex(i);
                view->edit(i); // the editor takes the text in setEditorData
                m_wiederIndex = QPersistentModelIndex();
                m_wiederText.clear();
            });
            return;
        }
        model->setData(index, edit->text(), Qt::EditRole);
        return;
    }
    auto *box = qobject_cast<QComboBox *>(editor);
    if (box && box->property("lookupEditor").toBool()) {
        // an unchanged choice leaves the record as it is
        if (box->currentIndex() >= 0 &&
            box->currentData().toString() != index.data(TableModel::LookupKeyRole).toString())
            model->setData(index, box->currentData(), Qt::EditRole);
        return;
    }
    if (box && !box->isEditable()) {
        if (box->currentIndex() >= 0 && box->currentText() != index.data(Qt::EditRole).toString())
            model->setData(index, box->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

namespace {
// Whether the text fits without measuring it as a whole: the sum of the letters' own advances
// leaves out kerning, so only a clear margin counts. Letters beyond the Latin ranges may combine
// or be shaped and are always measured properly.
bool clearlyFits(const QFontMetricsF &fm, const QString &text, qreal width)
{
    qreal sum = 0;
    for (const QChar c : text) {
        if (c.unicode() >= 0x0250)
            return false;
        sum += fm.horizontalAdvance(c);
    }
    return sum <= width * 0.9;
}
} // namespace

QString GridDelegate::fitted(const QFontMetricsF &fm, const QString &text, qreal width)
{
    if (text.isEmpty() || clearlyFits(fm, text, width) || fm.horizontalAdvance(text) <= width)
        return text;
    return fm.elidedText(text, Qt::ElideRight, width);
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    const bool selected = option.state & QStyle::State_Selected;
    const bool enabled = option.state & QStyle::State_Enabled;
    const QPalette::ColorGroup group =
        !enabled ? QPalette::Disabled
                 : ((option.state & QStyle::State_Active) ? QPalette::Normal : QPalette::Inactive);
    QRect r = option.rect;
    if (m_gridLines) {
        // the grid lines of the cell's right and bottom edge, as the table view would draw them
        if (option.palette.cacheKey() != m_paletteKey) {
            m_paletteKey = option.palette.cacheKey();
            m_gridColour =
                QColor::fromRgba(QRgb(style->styleHint(QStyle::SH_Table_GridLineColor, &option, widget)));
        }
        painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), m_gridColour);
        painter->fillRect(QRect(r.left(), r.bottom(), r.width() - 1, 1), m_gridColour);
        r.adjust(0, 0, -1, -1);
    }

    QColor textColour = option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    if (selected) {
        painter->fillRect(r, option.palette.brush(group, QPalette::Highlight));
    } else {
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.canConvert<QBrush>()) {
            const QBrush brush = qvariant_cast<QBrush>(background);
            if (brush.style() != Qt::NoBrush) {
                painter->fillRect(r, brush);
                // a row's own colour (a trait, a top cat) can be dark: the text follows it
                textColour = textColourOn(brush.color());
            }
        }
    }

    if (option.state & QStyle::State_HasFocus) {
        // the current cell, framed as the style frames it (after keyboard moves)
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = r;
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        focus.backgroundColor =
            option.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }

    QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    // a cell is one line: the lines of a memo follow each other
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\r\n"), QLatin1String(" "));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    }
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRectF box = QRectF(r).adjusted(margin, 0, -margin, 0);
    if (box.width() <= 0)
        return;
    const QFontMetricsF fm(option.font);
    const QString shown = fitted(fm, text, box.width());
    // the text is cut to the cell's width, so nothing needs clipping; only pen and font change
    const QPen pen = painter->pen();
    const QFont font = painter->font();
    if (font != option.font)
        painter->setFont(option.font);
    painter->setPen(textColour);
    // one line, vertically centred as the style centres it
    const qreal baseline = box.top() + (box.height() - fm.height()) / 2 + fm.ascent();
    painter->drawText(QPointF(box.left(), baseline), shown);
    painter->setPen(pen);
    if (font != option.font)
        painter->setFont(font);
}

} // namespace tav::widgets
