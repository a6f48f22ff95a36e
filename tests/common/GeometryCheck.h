#pragma once

// What a user sees of a window's controls: none outside its parent, none below the least size its
// layout may give it, none overlapping a sibling. The offscreen window test and the desktop
// journeys look with the same eyes.

#include "widgets/Nav2.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QScrollBar>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

namespace geometry {

using tav::widgets::TDBNavigatorSpec;

inline QString describe(const QWidget *w)
{
    QString text;
    if (auto *l = qobject_cast<const QLabel *>(w))
        text = l->text();
    else if (auto *b = qobject_cast<const QAbstractButton *>(w))
        text = b->text();
    else if (auto *g = qobject_cast<const QGroupBox *>(w))
        text = g->title();
    QString path;
    for (const QWidget *p = w; p && !p->isWindow(); p = p->parentWidget())
        if (!p->objectName().isEmpty()) {
            path = p->objectName();
            break;
        }
    return QStringLiteral("%1 '%2' (in %3)")
        .arg(QString::fromLatin1(w->metaObject()->className()), text, path);
}

// Controls whose inner widgets are the toolkit's business.
inline bool isCompound(const QWidget *w)
{
    return qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QTabBar *>(w) || qobject_cast<const QAbstractItemView *>(w) ||
           qobject_cast<const QCalendarWidget *>(w) || qobject_cast<const QScrollBar *>(w) ||
           qobject_cast<const QMenuBar *>(w) || qobject_cast<const QLineEdit *>(w) ||
           // its buttons share their edges, as the record navigator always did
           qobject_cast<const TDBNavigatorSpec *>(w);
}

// The least a layout may give the control: its minimum size hint, unless a minimum is set or the
// control may be ignored in that direction.
inline QSize effectiveMinimum(const QWidget *w)
{
    const QSize hint = w->minimumSizeHint().expandedTo(QSize(0, 0));
    const QSize set = w->minimumSize();
    const QSizePolicy p = w->sizePolicy();
    const int width = set.width() > 0                                ? set.width()
                      : p.horizontalPolicy() == QSizePolicy::Ignored ? 0
                                                                     : hint.width();
    const int height = set.height() > 0                             ? set.height()
                       : p.verticalPolicy() == QSizePolicy::Ignored ? 0
                                                                    : hint.height();
    return {width, height};
}

inline void checkGeometry(const QWidget *parent, const QWidget *top, QStringList &problems)
{
    auto *scroll = qobject_cast<const QAbstractScrollArea *>(parent->parentWidget());
    const bool scrolled = scroll && scroll->viewport() == parent;
    QList<const QWidget *> shown;
    for (QObject *o : parent->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->isWindow() || !w->isVisibleTo(top))
            continue;
        shown << w;
        if (!scrolled && !parent->rect().contains(w->geometry()))
            problems << QStringLiteral("%1 lies outside its parent (%2 in %3x%4)")
                            .arg(describe(w))
                            .arg(QStringLiteral("%1,%2 %3x%4")
                                     .arg(w->x())
                                     .arg(w->y())
                                     .arg(w->width())
                                     .arg(w->height()))
                            .arg(parent->width())
                            .arg(parent->height());
        const QSize min = effectiveMinimum(w);
        if (w->width() < min.width() || w->height() < min.height())
            problems << QStringLiteral("%1 is %2x%3, below its minimum %4x%5")
                            .arg(describe(w))
                            .arg(w->width())
                            .arg(w->height())
                            .arg(min.width())
                            .arg(min.height());
        if (!isCompound(w))
            checkGeometry(w, top, problems);
    }
    // sub-windows of the frame may be cascaded over each other
    if (scrolled && qobject_cast<const QMdiArea *>(scroll))
        return;
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j)
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                problems << QStringLiteral("%1 overlaps %2").arg(describe(shown[i]), describe(shown[j]));
}

} // namespace geometry
