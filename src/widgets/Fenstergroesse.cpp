// Fenstergroesse: window sizes: the main window's size setting and fitting child windows.
#include "Fenstergroesse.h"

#include "app/Systemi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tav::widgets {

using namespace tav::app;

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

void fitFrame(QWidget *frame, const QSize &client, bool width, bool height)
{
    if (!frame)
        return;
    const QSize least = frame->minimumSizeHint().expandedTo(frame->minimumSize());
    const int w = width ? client.width() - frame->x() : frame->width();
    const int h = height ? client.height() - frame->y() : frame->height();
    frame->resize(qMax(w, least.width()), qMax(h, least.height()));
}

} // namespace tav::widgets
