// HintergrundSenden: one HTTP transfer of the online window on a worker thread, with the window
// live for the progress and the cancel button.
#pragma once

#include "online/OnlineKonfig.h"

#include <QString>

class QProgressBar;
class QPushButton;

namespace tav::online::ui {

// Sends `datei` to `url` on a worker thread (its own curl handle) and waits without blocking the
// window: `gauge` shows the bytes sent, a click on `abbruch` ends the transfer and sets
// `*abgebrochen`. The result and `fehler` are those of dateiSenden.
bool dateiImHintergrundSenden(const QString &url, const QString &datei, const Zeitlimits &zeit,
                              QString *fehler, QProgressBar *gauge, QPushButton *abbruch, bool *abgebrochen);

} // namespace tav::online::ui
