#include "Warnung.h"

#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Namen_register.h"
#include "store/Table.h"

#include <functional>

namespace tav::cats {

using namespace tav::store;

namespace {
// Reads the rows whose first key field of `index` lies from `von` to `bis`: a range over the
// index, so the dates are compared by value. A row of a cat gets the cat's name as "KatzeName".
template <class Zeile>
void lesen(Database &db, const QString &datei, const QString &index, const QDate &von, const QDate &bis,
           QStringList &fehler, const std::function<Zeile(Table &)> &zeile, QVector<Zeile> &ziel,
           bool mitKatze = true)
{
    try {
        Table t(&db, datei);
        t.setReadOnly(true);
        t.setIndexName(index);
        if (mitKatze)
            t.addLookupField(QStringLiteral("KatzeName"), QStringLiteral("Katze"), catstamm::Datei,
                             QStringLiteral("LaufendeNummer"), QStringLiteral("Name"));
        t.open();
        t.setRange({von}, {bis});
        for (t.first(); !t.eof(); t.next())
            ziel << zeile(t);
    } catch (const std::exception &) {
        ziel.clear();
        fehler << datei;
    }
}
} // namespace

WarnungsListen warnungenPruefen(Database &db, const QDate &heute, const WarnungsPruefungen &p)
{
    WarnungsListen l;
    if (p.verfallsdatum) {
        // the earliest date there is as the lower end: a medicine without expiry date stays out
        QVector<QString> namen;
        lesen<QString>(
            db, apotheke::Datei, QStringLiteral("VerfallsdatumIdx"), QDate::fromJulianDay(0), heute,
            l.nichtGeoeffnet, [](Table &t) { return t.text(QStringLiteral("Medikament")); }, namen, false);
        l.medikamente = QStringList(namen.cbegin(), namen.cend());
    }
    const QDate von = heute.addDays(-WarnungTageSpanne), bis = heute.addDays(WarnungTageSpanne);
    const auto termin = [](const char *feld) {
        return [feld](Table &t) {
            return FaelligerTermin{t.value(QString::fromLatin1(feld)).toDate(),
                                   t.text(QStringLiteral("KatzeName"))};
        };
    };
    if (p.impfung)
        lesen<FaelligerTermin>(db, impfung::Datei, QStringLiteral("NeuAmKatzeIdx"), von, bis,
                               l.nichtGeoeffnet, termin("NeuAm"), l.impfungen);
    if (p.wurmkur)
        lesen<FaelligerTermin>(db, wurmkur::Datei, QStringLiteral("NaechsteKatzeIdx"), von, bis,
                               l.nichtGeoeffnet, termin("Naechste"), l.wurmkuren);
    return l;
}

WarnungsListe naechsteWarnungsListe(const WarnungsListen &l, WarnungsListe nach)
{
    const bool gefunden[] = {false, !l.medikamente.isEmpty(), !l.impfungen.isEmpty(), !l.wurmkuren.isEmpty()};
    for (int i = int(nach) + 1; i <= int(WarnungsListe::Wurmkuren); ++i) {
        if (gefunden[i])
            return WarnungsListe(i);
    }
    return WarnungsListe::Keine;
}

} // namespace tav::cats
