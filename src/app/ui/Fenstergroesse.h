#pragma once

class QWidget;
class QString;

namespace tav::app::ui {

// Lets tsysteminfo::GetFormMaxRect report the primary screen's work area.
void installWorkAreaProvider();

// Sizes and places the main window by an `Aufloesung` value. False when the work area is not
// known; the window then keeps its size and the caller reports the failure.
bool applyAufloesung(QWidget *mainWindow, const QString &aufloesung);

} // namespace tav::app::ui
