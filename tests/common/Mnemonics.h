#pragma once

// The Alt keys a window offers at one time, and those that two controls claim: Qt gives such a key
// to neither control reliably, so the user's Alt+letter lands elsewhere.

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMdiArea>
#include <QMenuBar>
#include <QTabBar>
#include <QWidget>

namespace mnemonics {

inline QString keyOf(const QString &text)
{
    return QKeySequence::mnemonic(text).toString(QKeySequence::PortableText);
}

// "Alt+B: '&Büro', '&Beenden'" for every key that two of the shown controls carry. Child windows
// of the frame are windows of their own and are looked at on their own.
inline QStringList duplicates(const QWidget *top)
{
    QMap<QString, QStringList> keys;
    const auto add = [&keys](const QString &text) {
        if (const QString k = keyOf(text); !k.isEmpty())
            keys[k] << QStringLiteral("'%1'").arg(text);
    };
    const QList<QWidget *> all = top->findChildren<QWidget *>();
    for (const QWidget *w : all) {
        if (!w->isVisibleTo(top))
            continue;
        bool ownWindow = false;
        for (const QWidget *p = w->parentWidget(); p && p != top; p = p->parentWidget())
            ownWindow |= qobject_cast<const QMdiArea *>(p) != nullptr;
        if (ownWindow)
            continue;
        if (auto *b = qobject_cast<const QAbstractButton *>(w))
            add(b->text());
        else if (auto *l = qobject_cast<const QLabel *>(w); l && l->buddy())
            add(l->text());
        else if (auto *g = qobject_cast<const QGroupBox *>(w))
            add(g->title());
        else if (auto *t = qobject_cast<const QTabBar *>(w)) {
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabVisible(i))
                    add(t->tabText(i));
        } else if (auto *m = qobject_cast<const QMenuBar *>(w)) {
            for (const QAction *a : m->actions())
                if (a->isVisible())
                    add(a->text());
        }
    }
    QStringList out;
    for (auto it = keys.cbegin(); it != keys.cend(); ++it)
        if (it.value().size() > 1)
            out << QStringLiteral("%1 twice: %2").arg(it.key(), it.value().join(QStringLiteral(", ")));
    return out;
}

} // namespace mnemonics
