// Apotheke: the rules of the medicine stock (APOTHEKE.DB) that the pharmacy window and the
// reminders share.
#pragma once

#include <QDate>

namespace tav::store {
class Table;
}

namespace tav::office {

// A medicine counts as expired from its expiry date on. One without an expiry date never does.
bool abgelaufen(const QDate &verfallsdatum, const QDate &heute);

// Narrows the open pharmacy table to its expired medicines, in expiry order (index
// VerfallsdatumIdx, created when missing); medicines without an expiry date stay outside.
void abgelaufeneEingrenzen(tav::store::Table &apotheke, const QDate &heute);

} // namespace tav::office
