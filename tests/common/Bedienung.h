#pragma once

// Driving a window as a user would: a menu item, a button by its name, typing into a bound field.

#include "ProgramFixture.h"
#include "widgets/ChildWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QtTest>

// The window the menu item opens, or null when the item is disabled or opens no such window.
template <class W> W *menueOeffnen(ProgramFixture &f, const char *item, const char *fenster)
{
    QAction *a = f.main->action(item);
    if (!a || !a->isEnabled())
        return nullptr;
    a->trigger();
    QCoreApplication::processEvents();
    return qobject_cast<W *>(tav::widgets::ChildWindow::find(fenster));
}

inline void klick(QWidget *w, const char *knopf)
{
    QAbstractButton *b = w->findChild<QAbstractButton *>(knopf);
    QVERIFY2(b && b->isEnabled(), knopf);
    b->click();
    QCoreApplication::processEvents();
}

// types into the bound control of `feld` (named "DB" + field)
inline void tippen(QWidget *w, const QString &feld, const QString &text)
{
    QWidget *e = w->findChild<QWidget *>("DB" + feld);
    QVERIFY2(e, qPrintable(feld));
    QTest::keyClicks(e, text);
}

// the window's frame as a picture in $TAV_GRAB_DIR, when set
inline void grabFrame(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("TAV_GRAB_DIR");
    if (!dir.isEmpty())
        w->parentWidget()->grab().save(dir + "/" + name);
}
