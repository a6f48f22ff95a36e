#include "Apotheke.h"

#include "maintenance/Indexerstellung.h"
#include "store/Table.h"

namespace tav::office {

bool abgelaufen(const QDate &verfallsdatum, const QDate &heute)
{
    return verfallsdatum.isValid() && verfallsdatum <= heute;
}

void abgelaufeneEingrenzen(tav::store::Table &apotheke, const QDate &heute)
{
    tav::maintenance::indexWaehlen(apotheke, QStringLiteral("VerfallsdatumIdx"));
    // an empty date sorts before every date: the range starts at the first real one
    apotheke.setRange({QDate(1, 1, 1)}, {heute});
}

} // namespace tav::office
