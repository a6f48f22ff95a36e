#include "Fenstergroesse.h"

#include "app/Systemi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tav::app::ui {

void installWorkAreaProvider()
{
    tsysteminfo::setWorkAreaProvider([] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : QRect();
    });
}

bool applyAufloesung(QWidget *mainWindow, const QString &aufloesung)
{
    QRect area;
    if (!tsysteminfo::GetFormMaxRect(area))
        return false;
    const WindowPlacement p = aufloesungPlacement(aufloesung, area);
    if (!p.maximized)
        mainWindow->setWindowState(mainWindow->windowState() & ~Qt::WindowMaximized);
    if (p.move)
        mainWindow->move(p.pos);
    if (p.resize)
        mainWindow->resize(p.size);
    if (p.maximized)
        mainWindow->setWindowState(mainWindow->windowState() | Qt::WindowMaximized);
    return true;
}

} // namespace tav::app::ui
