// Fenstergroesse: window sizes: the main window's size setting and fitting child windows.
#pragma once

class QWidget;
class QString;
class QSize;

namespace tav::widgets {

// Lets tsysteminfo::GetFormMaxRect report the primary screen's work area.
void installWorkAreaProvider();

// Sizes and places the main window by an `Aufloesung` value. False when the work area is not
// known; the window then keeps its size and the caller reports the failure.
bool applyAufloesung(QWidget *mainWindow, const QString &aufloesung);

// Fits a child window's frame to the free client area from its position on, in width and/or height.
// The frame never gets smaller than what its layout needs: the frame's area scrolls instead.
void fitFrame(QWidget *frame, const QSize &client, bool width, bool height);

} // namespace tav::widgets
