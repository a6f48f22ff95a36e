// Nav2: the record navigator (TDBNavigatorSpec), a button row over a data source.
#include "Nav2.h"

#include "DataSource.h"
#include "DbEngine.h"
#include "Dialogs.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

using tav::store::Table;

namespace tav::widgets {

using namespace tav::app;

// "go to mark" on a record that was deleted meanwhile
constexpr int MsgMarkGone = 901;

namespace {
constexpr int MinBtnWidth = 20;
constexpr int MinBtnHeight = 18;
constexpr int GlyphSize = 16;

const char *const DefaultHints[NavButtonCount] = {
    "Beginning of file", "Jump backward", "Previous record", "Next record",  "Jump forward",
    "End of file",       "New record",    "Delete record",   "Edit record",  "Post changes",
    "Cancel changes",    "Refresh file",  "Set Bookmark",    "Goto Bookmark"};

const char *const GermanHints[NavButtonCount] = {
    "Dateianfang",    "Jump backward", "vorheriger Datensatz", "nächster Datensatz", "Jump forward",
    "Dateiende",      "New record",    "Delete record",        "Edit record",        "Post changes",
    "Cancel changes", "Refresh file",  "setze Marke",          "gehe zur Marke"};

QPolygonF triangle(double x, double y, double w, double h, bool right)
{
    if (right)
        return QPolygonF({QPointF(x, y), QPointF(x + w, y + h / 2), QPointF(x, y + h)});
    return QPolygonF({QPointF(x + w, y), QPointF(x, y + h / 2), QPointF(x + w, y + h)});
}

// the two images of a glyph (enabled, disabled) come from QIcon's disabled mode
QIcon glyph(TNavigateBtn kind)
{
    QPixmap pm(GlyphSize, GlyphSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    switch (kind) {
    case TNavigateBtn::nbFirst:
        p.drawRect(QRectF(3, 3, 2, 10));
        p.drawPolygon(triangle(6, 3, 6, 10, false));
        break;
    case TNavigateBtn::nbRW:
        p.drawPolygon(triangle(2, 3, 6, 10, false));
        p.drawPolygon(triangle(8, 3, 6, 10, false));
        break;
    case TNavigateBtn::nbPrior: p.drawPolygon(triangle(5, 3, 6, 10, false)); break;
    case TNavigateBtn::nbNext: p.drawPolygon(triangle(5, 3, 6, 10, true)); break;
    case TNavigateBtn::nbFF:
        p.drawPolygon(triangle(2, 3, 6, 10, true));
        p.drawPolygon(triangle(8, 3, 6, 10, true));
        break;
    case TNavigateBtn::nbLast:
        p.drawPolygon(triangle(4, 3, 6, 10, true));
        p.drawRect(QRectF(11, 3, 2, 10));
        break;
    case TNavigateBtn::nbInsert:
        p.drawRect(QRectF(7, 3, 2, 10));
        p.drawRect(QRectF(3, 7, 10, 2));
        break;
    case TNavigateBtn::nbDelete: p.drawRect(QRectF(3, 7, 10, 2)); break;
    case TNavigateBtn::nbEdit:
        p.drawPolygon(QPolygonF({QPointF(3, 11), QPointF(8, 4), QPointF(13, 11)}));
        break;
    case TNavigateBtn::nbPost: {
        QPen pen(QColor(0, 110, 0), 2.2);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(3, 8), QPointF(6.5, 12), QPointF(13, 4)}));
        break;
    }
    case TNavigateBtn::nbCancel: {
        QPen pen(QColor(170, 0, 0), 2.2);
        p.setPen(pen);
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
    case TNavigateBtn::nbRefresh: {
        QPen pen(Qt::black, 1.8);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3, 3, 10, 10), 60 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygonF({QPointF(9, 1), QPointF(13, 4), QPointF(9, 6)}));
        break;
    }
    case TNavigateBtn::nbMark:
        p.setBrush(QColor(0, 0, 160));
        p.drawPolygon(
            QPolygonF({QPointF(4, 2), QPointF(12, 2), QPointF(12, 14), QPointF(8, 10), QPointF(4, 14)}));
        break;
    case TNavigateBtn::nbGoto:
        p.setBrush(QColor(0, 0, 160));
        p.drawPolygon(
            QPolygonF({QPointF(8, 2), QPointF(14, 2), QPointF(14, 14), QPointF(11, 11), QPointF(8, 14)}));
        p.setBrush(Qt::black);
        p.drawPolygon(triangle(1, 5, 6, 6, true));
        break;
    }
    p.end();
    return QIcon(pm);
}
} // namespace

// --- TNavButton ---------------------------------------------------------------

TNavButton::TNavButton(TDBNavigatorSpec *nav, TNavigateBtn kind) : QToolButton(nav), m_nav(nav), m_kind(kind)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    setIcon(glyph(kind));
    setIconSize(QSize(GlyphSize, GlyphSize));
    if (kind == TNavigateBtn::nbPrior || kind == TNavigateBtn::nbNext) {
        setAutoRepeat(true);
        setAutoRepeatDelay(400);
        setAutoRepeatInterval(100);
    }
}

void TNavButton::mousePressEvent(QMouseEvent *e)
{
    m_nav->setFocusedButton(m_kind);
    if (m_nav->focusPolicy() & Qt::ClickFocus)
        m_nav->setFocus(Qt::MouseFocusReason);
    QToolButton::mousePressEvent(e);
}

void TNavButton::paintEvent(QPaintEvent *e)
{
    QToolButton::paintEvent(e);
    if (!m_nav->hasFocus() || m_nav->focusedButton() != m_kind)
        return;
    QPainter p(this);
    const int shift = isDown() ? 1 : 0;
    QStyleOptionFocusRect o;
    o.initFrom(this);
    o.rect = rect().adjusted(3 + shift, 3 + shift, -3 + shift, -3 + shift);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
}

// --- TDBNavigatorSpec ---------------------------------------------------------

TDBNavigatorSpec::TDBNavigatorSpec(QWidget *parent) : QWidget(parent)
{
    setProperty("tag", 380);
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < NavButtonCount; ++i) {
        const auto kind = TNavigateBtn(i);
        auto *b = new TNavButton(this, kind);
        m_buttons[i] = b;
        m_defaultHints << QString::fromUtf8(DefaultHints[i]);
        b->setToolTip(m_defaultHints[i]);
        connect(b, &QToolButton::clicked, this, [this, kind] { BtnClick(kind); });
    }
    resize(241, 25);
    updateButtons();
}

QList<TNavigateBtn> TDBNavigatorSpec::standardButtons()
{
    return {TNavigateBtn::nbFirst, TNavigateBtn::nbPrior, TNavigateBtn::nbNext,
            TNavigateBtn::nbLast,  TNavigateBtn::nbMark,  TNavigateBtn::nbGoto};
}

QStringList TDBNavigatorSpec::germanHints()
{
    QStringList out;
    for (const char *h : GermanHints)
        out << QString::fromUtf8(h);
    return out;
}

void TDBNavigatorSpec::setDataSource(DataSource *source)
{
    for (const auto &c : std::as_const(m_conns))
        disconnect(c);
    m_conns.clear();
    m_source = source;
    m_mark = {};
    if (source) {
        m_conns << connect(source, &DataSource::recordChanged, this, &TDBNavigatorSpec::updateButtons)
                << connect(source, &DataSource::stateChanged, this, &TDBNavigatorSpec::updateButtons)
                << connect(source, &DataSource::dataSetChanged, this, &TDBNavigatorSpec::updateButtons)
                << connect(source, &DataSource::errorReported, this,
                           [this] {
                               // an error stops an auto-repeat
                               for (TNavigateBtn k : {TNavigateBtn::nbPrior, TNavigateBtn::nbNext})
                                   if (button(k)->isDown())
                                       button(k)->setDown(false);
                           })
                << connect(source, &QObject::destroyed, this, &TDBNavigatorSpec::updateButtons);
    }
    updateButtons();
}

void TDBNavigatorSpec::setVisibleButtons(const QList<TNavigateBtn> &kinds)
{
    for (int i = 0; i < NavButtonCount; ++i)
        m_buttons[i]->setVisible(kinds.contains(TNavigateBtn(i)));
    if (!kinds.contains(m_focused)) {
        const QList<TNavigateBtn> shown = visibleButtons();
        m_focused = shown.isEmpty() ? TNavigateBtn::nbFirst : shown.first();
    }
    layoutButtons();
    updateGeometry();
}

QList<TNavigateBtn> TDBNavigatorSpec::visibleButtons() const
{
    QList<TNavigateBtn> out;
    for (int i = 0; i < NavButtonCount; ++i) {
        if (!m_buttons[i]->isHidden())
            out << TNavigateBtn(i);
    }
    return out;
}

int TDBNavigatorSpec::visibleCount() const
{
    return std::max<int>(1, int(visibleButtons().size()));
}

void TDBNavigatorSpec::setHints(const QStringList &hints)
{
    for (int i = 0; i < NavButtonCount && i < hints.size(); ++i) {
        if (!hints[i].isEmpty())
            m_buttons[i]->setToolTip(hints[i]);
    }
}

QString TDBNavigatorSpec::hint(TNavigateBtn kind) const
{
    return m_buttons[int(kind)]->toolTip();
}

void TDBNavigatorSpec::translate(const Sprache &catalogue, int tag, int offset)
{
    const int key = tag + offset;
    if (!catalogue.record(key))
        return;
    setHints(catalogue.items(key, NavButtonCount));
}

void TDBNavigatorSpec::setFocusedButton(TNavigateBtn kind)
{
    if (m_buttons[int(kind)]->isHidden())
        return;
    const TNavigateBtn old = m_focused;
    m_focused = kind;
    m_buttons[int(old)]->update();
    m_buttons[int(kind)]->update();
}

void TDBNavigatorSpec::setAligned(bool on)
{
    m_aligned = on;
    layoutButtons();
}

void TDBNavigatorSpec::updateButtons()
{
    const bool active = isEnabled() && m_source && m_source->isOpen();
    if (!active) {
        for (TNavButton *b : m_buttons)
            b->setEnabled(false);
        return;
    }
    Table *t = m_source->table();
    bool atBeginning = true, atEnd = true, empty = true;
    try {
        atBeginning = m_source->atBeginning();
        atEnd = m_source->atEnd();
        empty = t->state() != Table::State::Insert && t->isEmpty();
    } catch (const std::exception &e) {
        // buttons follow state changes, which may come while a view paints
        TDBError::HandleExceptionLater(e, t->fileName());
    }
    const bool editing = t->isEditing();
    const bool modifiable = !t->isReadOnly();
    auto set = [this](TNavigateBtn k, bool on) { m_buttons[int(k)]->setEnabled(on); };
    set(TNavigateBtn::nbFirst, !atBeginning);
    set(TNavigateBtn::nbPrior, !atBeginning);
    set(TNavigateBtn::nbRW, !atBeginning);
    set(TNavigateBtn::nbNext, !atEnd);
    set(TNavigateBtn::nbLast, !atEnd);
    set(TNavigateBtn::nbFF, !atEnd);
    // a single record is no empty table: it can be deleted
    set(TNavigateBtn::nbDelete, modifiable && !empty);
    set(TNavigateBtn::nbInsert, modifiable);
    set(TNavigateBtn::nbEdit, modifiable && !editing);
    set(TNavigateBtn::nbPost, modifiable && editing);
    set(TNavigateBtn::nbCancel, modifiable && editing);
    set(TNavigateBtn::nbRefresh, true);
    set(TNavigateBtn::nbMark, !editing);
    set(TNavigateBtn::nbGoto, !editing && m_mark.isValid());
}

void TDBNavigatorSpec::BtnClick(TNavigateBtn kind)
{
    if (!m_buttons[int(kind)]->isEnabled())
        return;
    if (m_source && m_source->isOpen())
        doAction(kind);
    updateButtons();
    Q_EMIT clicked(kind);
}

void TDBNavigatorSpec::doAction(TNavigateBtn kind)
{
    DataSource *s = m_source;
    Table *t = s->table();
    switch (kind) {
    case TNavigateBtn::nbFirst: s->first(); break;
    case TNavigateBtn::nbRW: s->moveBy(-m_jump); break;
    case TNavigateBtn::nbPrior: s->prior(); break;
    case TNavigateBtn::nbNext: s->next(); break;
    case TNavigateBtn::nbFF: s->moveBy(m_jump); break;
    case TNavigateBtn::nbLast: s->last(); break;
    case TNavigateBtn::nbInsert: s->append(); break;
    case TNavigateBtn::nbDelete: s->remove(m_confirmDelete); break;
    case TNavigateBtn::nbEdit: s->edit(); break;
    case TNavigateBtn::nbPost: s->save(); break;
    case TNavigateBtn::nbCancel: s->undo(); break;
    case TNavigateBtn::nbRefresh: s->refresh(); break;
    case TNavigateBtn::nbMark: m_mark = t->bookmark(); break;
    case TNavigateBtn::nbGoto: {
        bool exists = false;
        try {
            exists = t->bookmarkValid(m_mark);
        } catch (const std::exception &e) {
            TDBError::HandleException(e, t->fileName());
            break;
        }
        if (!exists) {
            // the marked record was deleted meanwhile: say so and forget the mark
            m_mark = {};
            showMessage(MsgMarkGone, MsgIcon::Information, MsgButtons::Ok);
        } else {
            s->gotoBookmark(m_mark);
        }
        break;
    }
    }
}

void TDBNavigatorSpec::keyPressEvent(QKeyEvent *e)
{
    const QList<TNavigateBtn> shown = visibleButtons();
    const int i = int(shown.indexOf(m_focused));
    switch (e->key()) {
    case Qt::Key_Left:
        if (i > 0)
            setFocusedButton(shown[i - 1]);
        break;
    case Qt::Key_Right:
        if (i >= 0 && i + 1 < shown.size())
            setFocusedButton(shown[i + 1]);
        break;
    case Qt::Key_Space:
        if (m_buttons[int(m_focused)]->isEnabled())
            BtnClick(m_focused);
        break;
    default: QWidget::keyPressEvent(e); return;
    }
    e->accept();
}

void TDBNavigatorSpec::focusInEvent(QFocusEvent *e)
{
    QWidget::focusInEvent(e);
    m_buttons[int(m_focused)]->update();
}

void TDBNavigatorSpec::focusOutEvent(QFocusEvent *e)
{
    QWidget::focusOutEvent(e);
    m_buttons[int(m_focused)]->update();
}

QSize TDBNavigatorSpec::minimumSizeHint() const
{
    return QSize(visibleCount() * (MinBtnWidth - 1) + 1, MinBtnHeight);
}

QSize TDBNavigatorSpec::sizeHint() const
{
    const int n = visibleCount();
    return QSize(std::max(minimumSizeHint().width(), n * 24 + 1), 25);
}

void TDBNavigatorSpec::layoutButtons()
{
    const QList<TNavigateBtn> shown = visibleButtons();
    const int n = std::max<int>(1, int(shown.size()));
    const int w = std::max(width(), n * (MinBtnWidth - 1) + 1);
    const int h = std::max(height(), MinBtnHeight);
    const int step = (w - 1) / n; // neighbours overlap by one pixel
    const int trimmed = n * step + 1;
    int remain = m_aligned ? w - trimmed : 0;
    int counter = n / 2;
    int x = 0;
    for (int i = 0; i < NavButtonCount; ++i) {
        TNavButton *b = m_buttons[i];
        if (b->isHidden()) {
            b->setGeometry(w + 1, 0, step + 1, h);
            continue;
        }
        int extra = 0;
        if (remain > 0) {
            counter -= remain;
            if (counter < 0) {
                counter += n;
                extra = 1;
            }
        }
        b->setGeometry(x, 0, step + 1 + extra, h);
        x += step + extra;
    }
}

void TDBNavigatorSpec::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    layoutButtons();
}

void TDBNavigatorSpec::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange)
        updateButtons();
}

} // namespace tav::widgets
