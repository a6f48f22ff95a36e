#include "CatRules.h"

#include "app/Sprache.h"
#include "cats/CatNames.h"
#include "store/Database.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Table.h"

#include <QScopeGuard>

using namespace tav::store::namen;

namespace tav::cats {

bool istKater(const QString &geschlecht)
{
    return geschlecht == QLatin1String("1") || geschlecht == QLatin1String("3");
}

bool istKatze(const QString &geschlecht)
{
    return geschlecht == QLatin1String("2") || geschlecht == QLatin1String("4");
}

const QStringList &kopierteFelder()
{
    static const QStringList felder = {
        QStringLiteral("Geschlecht"), QStringLiteral("GebDatum"), QStringLiteral("FellFarbe"),
        QStringLiteral("Augenfarbe"), QStringLiteral("Vater"),    QStringLiteral("Mutter"),
        QStringLiteral("Züchter"),    QStringLiteral("Besitzer"), QStringLiteral("Name"),
        QStringLiteral("Zwinger"),    QStringLiteral("Rasse"),    QStringLiteral("Status"),
        QStringLiteral("Wurfzahl"),   QStringLiteral("TaetoNr"),  QStringLiteral("Fellart")};
    return felder;
}

QString kopieName(const QString &name, int sprache)
{
    return name + (sprache == 1 ? QStringLiteral(" Copy") : QStringLiteral(" Kopie"));
}

PostHindernis postHindernis(bool neu, const QString &name, const QString &geschlecht)
{
    if (neu && normalizedName(name).isEmpty())
        return PostHindernis::NameFehlt;
    if (geschlecht.trimmed().isEmpty())
        return PostHindernis::GeschlechtFehlt;
    return PostHindernis::Keines;
}

int andereKatzeMitZuchtbuchnummer(tav::store::Table &katzen, const QString &nummer, int eigene)
{
    const QString n = nummer.trimmed();
    if (n.isEmpty())
        return 0;
    const QString index = katzen.indexName();
    auto zurueck = [&] {
        katzen.cancelRange();
        katzen.setIndexName(index);
    };
    auto beiFehler = qScopeGuard([&] {
        try {
            zurueck();
        } catch (...) {
            // a second engine error while the first is on its way: the first is the one reported
        }
    });
    katzen.setIndexName(catstamm::idx::Zuchtbuchnummer1);
    katzen.setRange({n}, {n});
    int andere = 0;
    for (katzen.first(); !katzen.eof(); katzen.next()) {
        const int nr = katzen.intValue(catstamm::LaufendeNummer);
        if (nr != eigene) {
            andere = nr;
            break;
        }
    }
    beiFehler.dismiss();
    zurueck();
    return andere;
}

QString meldungen(std::initializer_list<int> nummern)
{
    QStringList teile;
    for (int n : nummern)
        teile << tav::app::messageText(n);
    return teile.join(QLatin1Char(' '));
}

KatzeMerkmale merkmaleDerKatze(tav::store::Database &db, int katze)
{
    using tav::store::Table;
    KatzeMerkmale out;
    if (katze <= 0)
        return out;
    Table links(&db, katzemerkmal::Datei);
    links.setReadOnly(true);
    links.setIndexName(katzemerkmal::idx::Katze);
    links.open();
    links.setRange({katze}, {katze});
    Table katalog(&db, merkmale::Datei);
    katalog.setReadOnly(true);
    katalog.open();
    for (links.first(); !links.eof(); links.next()) {
        if (!katalog.findKey({links.intValue(katzemerkmal::Merkmal)}))
            continue;
        if (out.kuerzel.isEmpty())
            out.farbe = katalog.intValue(merkmale::farbe);
        out.kuerzel << katalog.text(merkmale::Kuerzel);
    }
    return out;
}

QString elternText(const QString &name, const QStringList &kuerzel)
{
    return kuerzel.isEmpty() ? name : name + QStringLiteral(" -- ") + kuerzel.join(QStringLiteral(" / "));
}

} // namespace tav::cats
