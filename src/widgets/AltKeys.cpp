#include "AltKeys.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabBar>
#include <functional>

namespace tav::widgets {

namespace {

// a text with its mnemonic: where the '&' stands, or -1
int markerAt(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i; // "&&" is a plain ampersand
            continue;
        }
        return i;
    }
    return -1;
}

QChar keyOf(const QString &text)
{
    const int at = markerAt(text);
    return at < 0 ? QChar() : text[at + 1].toUpper();
}

// the text with its marker before another letter that is not in `used`; without a marker if none is
QString moved(const QString &text, const QString &used)
{
    const int at = markerAt(text);
    QString plain = text;
    plain.remove(at, 1);
    QList<int> candidates, later;
    for (int i = 0; i < plain.size(); ++i) {
        if (plain[i] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (!plain[i].isLetterOrNumber() || used.contains(plain[i].toUpper()))
            continue;
        const bool wordStart = i == 0 || !plain[i - 1].isLetterOrNumber();
        (wordStart ? candidates : later) << i;
    }
    candidates << later;
    if (candidates.isEmpty())
        return plain;
    plain.insert(candidates.first(), QLatin1Char('&'));
    return plain;
}

struct Control {
    QString text;
    std::function<void(const QString &)> setText;
    QList<const QWidget *> pages; // the stack pages it sits in, outermost first
};

// the pages of stacks (a tab's pages too) between the control and the window
QList<const QWidget *> pagesOf(const QWidget *w, const QWidget *window)
{
    QList<const QWidget *> pages;
    for (const QWidget *p = w; p && p != window; p = p->parentWidget())
        if (p->parentWidget() && qobject_cast<const QStackedWidget *>(p->parentWidget()))
            pages.prepend(p);
    return pages;
}

// whether two controls can be seen at one time: neither sits on a page the other's chain leaves
bool together(const Control &a, const Control &b)
{
    const qsizetype n = qMin(a.pages.size(), b.pages.size());
    for (qsizetype i = 0; i < n; ++i)
        if (a.pages[i] != b.pages[i])
            return false;
    return true;
}

bool ownWindowBetween(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w; p && p != window; p = p->parentWidget()) {
        if (p->isWindow() || qobject_cast<const QMdiArea *>(p) || qobject_cast<const QMdiSubWindow *>(p) ||
            qobject_cast<const QMenu *>(p))
            return true;
    }
    return false;
}

} // namespace

void distinctAltKeys(QWidget *window)
{
    if (!window)
        return;
    QList<Control> tabs, buttons, groups, labels;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (ownWindowBetween(w, window))
            continue;
        const QList<const QWidget *> pages = pagesOf(w, window);
        if (auto *t = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < t->count(); ++i)
                tabs.append({t->tabText(i), [t, i](const QString &s) { t->setTabText(i, s); }, pages});
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            buttons.append({b->text(), [b](const QString &s) { b->setText(s); }, pages});
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            groups.append({g->title(), [g](const QString &s) { g->setTitle(s); }, pages});
        } else if (auto *l = qobject_cast<QLabel *>(w); l && l->buddy() && l->textFormat() != Qt::RichText) {
            labels.append({l->text(), [l](const QString &s) { l->setText(s); }, pages});
        }
    }
    // the menu bar's titles come before everything else, in their order
    if (auto *bar = window->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly)) {
        QList<Control> titles;
        for (QAction *a : bar->actions())
            titles.append({a->text(), [a](const QString &s) { a->setText(s); }, {}});
        tabs = titles + tabs;
    }

    QList<Control> done;
    for (QList<Control> *group : {&tabs, &buttons, &groups, &labels}) {
        for (Control &c : *group) {
            const QChar key = keyOf(c.text);
            if (key.isNull())
                continue;
            QString used;
            for (const Control &d : std::as_const(done))
                if (together(c, d))
                    used += keyOf(d.text);
            if (used.contains(key)) {
                c.text = moved(c.text, used);
                c.setText(c.text);
            }
            done.append(c);
        }
    }
}

} // namespace tav::widgets
