#include "SettingsCheck.h"

#include "store/Namen_register.h"
#include "store/TableDef.h"

#include <QStringList>

using namespace tav::store::namen;

namespace tav::app {

bool statusEinstellungGueltig(const QString &wert)
{
    if (wert == QLatin1String("alle"))
        return true;
    for (QChar c : wert)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool katzenIndexGueltig(const QString &wert)
{
    const tav::store::TableDef *katzen = tav::store::findTableDef(catstamm::Datei);
    return katzen && katzen->index(wert) != nullptr;
}

QVector<UngueltigeEinstellung> pruefeEinstellungen(tsysteminfo &s)
{
    const tsysteminfo standard;
    QVector<UngueltigeEinstellung> aus;
    auto pruefe = [&](const char *abschnitt, const char *schluessel, QString &wert, const QString &std,
                      bool (*gueltig)(const QString &)) {
        if (gueltig(wert))
            return;
        aus.append({QString::fromLatin1(abschnitt), QString::fromLatin1(schluessel), wert, std});
        wert = std;
    };
    pruefe("Auswahlfenster", "Sortierung", s.index, standard.index, katzenIndexGueltig);
    pruefe("Auswahlfenster", "Status", s.Status, standard.Status, statusEinstellungGueltig);
    pruefe("Stammdaten", "Sortierung", s.indexStammdaten, standard.indexStammdaten, katzenIndexGueltig);
    return aus;
}

QString ungueltigeEinstellungenText(const QVector<UngueltigeEinstellung> &liste)
{
    QStringList zeilen;
    for (const UngueltigeEinstellung &e : liste) {
        const QString wert = e.wert.size() > 30 ? e.wert.left(30) + QStringLiteral("…") : e.wert;
        zeilen << QStringLiteral("[%1] %2 = „%3“ → %4").arg(e.abschnitt, e.schluessel, wert, e.standard);
    }
    return zeilen.join(QLatin1Char('\r'));
}

} // namespace tav::app
