#pragma once

#include "Systemi.h"

#include <QString>
#include <QVector>

// Settings that the program turns into filters and index names are checked when they are read: a
// value it cannot use would otherwise empty the cat list or stall the start.
namespace tav::app {

// "alle", or status digits (empty lists every cat, as the options window saves it)
bool statusEinstellungGueltig(const QString &wert);
// a name of an index the cat table declares; names compare without regard to case
bool katzenIndexGueltig(const QString &wert);

// Sets every setting that fails its check to its default and returns them.
QVector<UngueltigeEinstellung> pruefeEinstellungen(tsysteminfo &s);

// One line per setting: "[Auswahlfenster] Status = „abc“ → alle", long values cut short.
QString ungueltigeEinstellungenText(const QVector<UngueltigeEinstellung> &liste);

} // namespace tav::app
