#pragma once

// A window's control by its object name; a missing control stops the test with its name.

#include <QObject>
#include <QWidget>
#include <QtGlobal>

template <class T = QWidget> T *control(const QObject *window, const char *name)
{
    T *c = window->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("%s has no control %s", qPrintable(window->objectName()), name);
    return c;
}
