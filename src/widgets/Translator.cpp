#include "Translator.h"

#include "AltKeys.h"

#include "DataControls.h"

#include "app/Systemi.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>

namespace tav::widgets {

using namespace tav::app;

namespace {

bool isDataAware(const QObject *o)
{
    return o->property("dataAware").toBool();
}

// The tab widget a page belongs to (a page sits in the tab widget's stacked widget).
QTabWidget *tabWidgetOfPage(QWidget *w)
{
    auto *stack = qobject_cast<QStackedWidget *>(w->parentWidget());
    return stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
}

bool isWindowOfItsOwn(const QWidget *w)
{
    if (qobject_cast<const QMenu *>(w))
        return false;
    return w->isWindow() || qobject_cast<QMdiSubWindow *>(w->parentWidget());
}

void setWindowTitle(QWidget *w, const QString &title)
{
    w->setWindowTitle(title);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget()))
        sub->setWindowTitle(title);
}

void setRadioItems(QGroupBox *box, const QStringList &items)
{
    const QList<QRadioButton *> buttons = box->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < buttons.size() && i < items.size(); ++i)
        buttons[i]->setText(items[i]);
}

void setComboItems(QComboBox *box, const QStringList &items)
{
    for (int i = 0; i < box->count() && i < items.size(); ++i)
        box->setItemText(i, items[i]);
}

void translateHeaders(QAbstractItemView *view, int offset, const Sprache &catalogue)
{
    const QVariantList tags = view->property("columnTags").toList();
    QAbstractItemModel *model = view->model();
    if (tags.isEmpty() || !model)
        return;
    for (int col = 0; col < tags.size() && col < model->columnCount(); ++col) {
        const int tag = tags[col].toInt();
        if (tag == 0)
            continue;
        if (const auto r = catalogue.record(tag + offset))
            model->setHeaderData(col, Qt::Horizontal, removeAccelerator(r->FeldName));
    }
}

bool hasMnemonic(const QString &text)
{
    for (qsizetype i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
         i = text.indexOf(QLatin1Char('&'), i + 2)) {
        if (text.at(i + 1) != QLatin1Char('&'))
            return true;
    }
    return false;
}

// What a label without a buddy must show: "&x" becomes "x", "&&" one "&".
QString withoutMnemonic(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        out += text.at(i);
    }
    return out;
}

QWidget *focusableIn(QLayoutItem *item)
{
    if (!item)
        return nullptr;
    if (QWidget *w = item->widget())
        return !qobject_cast<QLabel *>(w) && w->focusPolicy() != Qt::NoFocus ? w : nullptr;
    if (QLayout *l = item->layout()) {
        for (int i = 0; i < l->count(); ++i)
            if (QWidget *w = focusableIn(l->itemAt(i)))
                return w;
    }
    return nullptr;
}

// The control a label stands before: the next item in its row of a grid or in its box.
QWidget *controlAfter(QLayout *layout, const QWidget *label)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == label) {
            if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
                int row, col, rowSpan, colSpan;
                grid->getItemPosition(i, &row, &col, &rowSpan, &colSpan);
                const int next = col + colSpan;
                return next < grid->columnCount() ? focusableIn(grid->itemAtPosition(row, next)) : nullptr;
            }
            return i + 1 < layout->count() ? focusableIn(layout->itemAt(i + 1)) : nullptr;
        }
        if (QLayout *inner = item->layout())
            if (QWidget *w = controlAfter(inner, label))
                return w;
    }
    return nullptr;
}

// A mnemonic needs a control to go to; a label without one shows its text without the marker.
void settleMnemonic(QLabel *label)
{
    if (label->buddy() || label->textFormat() == Qt::RichText || !hasMnemonic(label->text()))
        return;
    QWidget *parent = label->parentWidget();
    if (QWidget *control = parent && parent->layout() ? controlAfter(parent->layout(), label) : nullptr)
        label->setBuddy(control);
    else
        label->setText(withoutMnemonic(label->text()));
}

} // namespace

int tagOf(const QObject *o)
{
    return o ? o->property("tag").toInt() : 0;
}

void translateComponent(QObject *o, int offset, const Sprache &catalogue)
{
    const int tag = tagOf(o);
    if (tag == 0)
        return;
    if (auto *t = dynamic_cast<Translatable *>(o)) {
        t->translate(catalogue, tag, offset);
        return;
    }
    const int key = tag + offset;
    const auto r = catalogue.record(key);
    if (!r)
        return;
    auto items = [&](int count) { return catalogue.items(key, count); };

    if (auto *a = qobject_cast<QAction *>(o)) {
        a->setText(r->FeldName);
        a->setToolTip(r->FeldHilfe);
        a->setStatusTip(r->FeldHilfe);
        return;
    }
    if (auto *m = qobject_cast<QMenu *>(o)) {
        m->setTitle(r->FeldName);
        m->menuAction()->setToolTip(r->FeldHilfe);
        m->menuAction()->setStatusTip(r->FeldHilfe);
        return;
    }
    if (auto *box = qobject_cast<QGroupBox *>(o); box && box->property("radioGroup").toBool()) {
        box->setTitle(r->FeldName);
        box->setToolTip(r->FeldHilfe);
        if (isDataAware(box) && box->objectName() == QStringLiteral("DBStatus"))
            return;
        setRadioItems(box, items(int(box->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly).size())));
        return;
    }
    if (auto *l = qobject_cast<QLabel *>(o)) {
        l->setText(r->FeldName);
        l->setToolTip(r->FeldHilfe);
        return;
    }
    if (auto *b = qobject_cast<QAbstractButton *>(o)) {
        b->setText(r->FeldName);
        b->setToolTip(r->FeldHilfe);
        return;
    }
    if (auto *g = qobject_cast<QGroupBox *>(o)) {
        g->setTitle(r->FeldName);
        g->setToolTip(r->FeldHilfe);
        return;
    }
    auto *w = qobject_cast<QWidget *>(o);
    if (!w)
        return;
    if (QTabWidget *tabs = tabWidgetOfPage(w)) {
        const int i = tabs->indexOf(w);
        tabs->setTabText(i, r->FeldName);
        tabs->setTabToolTip(i, r->FeldHilfe);
        return;
    }
    if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
        tabs->setToolTip(r->FeldHilfe);
        const QStringList texts = items(tabs->count());
        for (int i = 0; i < texts.size(); ++i)
            tabs->setTabText(i, texts[i]);
        return;
    }
    if (auto *bar = qobject_cast<QTabBar *>(w)) {
        bar->setToolTip(r->FeldHilfe);
        const QStringList texts = items(bar->count());
        for (int i = 0; i < texts.size(); ++i)
            bar->setTabText(i, texts[i]);
        return;
    }
    // a lookup box lists the records of its table: only its hint is the catalogue's
    if (auto *lookup = qobject_cast<DBLookupComboBox *>(w)) {
        lookup->setToolTip(r->FeldHilfe);
        return;
    }
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        const QString name = combo->objectName();
        if (isDataAware(combo)) {
            // their items are the colour names of the register itself
            if (name == QStringLiteral("DBComboBoxFarbe") || name == QStringLiteral("DBComboBoxAugenfarbe"))
                return;
            combo->setToolTip(r->FeldHilfe);
            setComboItems(combo, items(combo->count()));
            return;
        }
        combo->setToolTip(r->FeldHilfe);
        // a box of fixed choices (property "catalogueItems") takes its items' texts from the catalogue
        if (name == QStringLiteral("ComboBoxInzuchtFenster") || combo->property("catalogueItems").toBool())
            setComboItems(combo, items(combo->count()));
        return;
    }
    if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
        view->setToolTip(r->FeldHilfe);
        translateHeaders(view, offset, catalogue);
        return;
    }
    if (qobject_cast<QLineEdit *>(w) || qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w) ||
        qobject_cast<QAbstractSpinBox *>(w)) {
        w->setToolTip(r->FeldHilfe);
        return;
    }
}

void translateWindow(QWidget *window, int offset, const Sprache &catalogue)
{
    if (!window)
        return;
    // the window itself may not be a window yet (a form not yet placed in its MDI frame)
    auto translate = [&](QObject *o, bool root) {
        auto *w = qobject_cast<QWidget *>(o);
        if (w && (root || isWindowOfItsOwn(w))) {
            const int tag = tagOf(w);
            if (tag == 0)
                return;
            if (auto *t = dynamic_cast<Translatable *>(w)) {
                t->translate(catalogue, tag, offset);
            } else if (w->property("dataTitle").toBool()) {
                // the caption shows data (the cat shown), not a text of the catalogue
            } else if (const auto r = catalogue.record(tag + offset)) {
                // a window's caption is its hint; a catalogue without one must not blank the title
                setWindowTitle(w, r->FeldHilfe.isEmpty() ? removeAccelerator(r->FeldName) : r->FeldHilfe);
            }
            return;
        }
        translateComponent(o, offset, catalogue);
    };
    translate(window, true);
    const QList<QObject *> children = window->findChildren<QObject *>();
    for (QObject *o : children)
        translate(o, false);
    for (QObject *o : children) {
        if (auto *label = qobject_cast<QLabel *>(o))
            settleMnemonic(label);
        // a grid's column titles follow the language even when the grid has no tag of its own
        if (auto *view = qobject_cast<QAbstractItemView *>(o); view && tagOf(view) == 0)
            translateHeaders(view, offset, catalogue);
    }
    // two controls of one window never share an Alt key, whatever the language
    distinctAltKeys(window);
    for (QObject *o : children)
        if (auto *w = qobject_cast<QWidget *>(o); w && isWindowOfItsOwn(w))
            distinctAltKeys(w);
}

void translateAllWindows(int offset, const Sprache &catalogue)
{
    // windows with a parent are reached through it
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        if (!w->parentWidget())
            translateWindow(w, offset, catalogue);
}

void translateOnCreate(QWidget *window)
{
    translateWindow(window, sprache().offset());
}

void installQtTranslation(int languageNumber)
{
    static QTranslator *installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    const char *code = languageNumber == 0 ? "de" : languageNumber == 2 ? "nl" : nullptr;
    if (!code)
        return;
    auto *t = new QTranslator;
    if (t->load(QStringLiteral("qtbase_") + QLatin1String(code),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(t)) {
        installed = t;
    } else {
        delete t;
    }
}

void connectTranslator(tsysteminfo *settings)
{
    installQtTranslation(sprache().languageNumber());
    QObject::connect(settings, &tsysteminfo::applied, settings, [](bool languageChanged) {
        if (!languageChanged)
            return;
        installQtTranslation(sprache().languageNumber());
        translateAllWindows(sprache().offset());
    });
}

} // namespace tav::widgets
