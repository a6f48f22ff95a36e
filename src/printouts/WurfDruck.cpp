#include "WurfDruck.h"

#include "app/Global.h"
#include "cats/CatRules.h"
#include "cats/Wurfdaten.h"
#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Namen_register.h"
#include "store/Table.h"

using namespace tav::store::namen;

namespace tav::printouts {

using store::Table;

const QStringList &ahnenPositionen()
{
    static const QStringList p = {QStringLiteral("Vater"), QStringLiteral("Mutter"), QStringLiteral("VV"),
                                  QStringLiteral("VM"),    QStringLiteral("MV"),     QStringLiteral("MM"),
                                  QStringLiteral("VVV"),   QStringLiteral("VVM"),    QStringLiteral("VMV"),
                                  QStringLiteral("VMM"),   QStringLiteral("MVV"),    QStringLiteral("MVM"),
                                  QStringLiteral("MMV"),   QStringLiteral("MMM")};
    return p;
}

QVector<Ahn> ahnenDesWurfes(int kater, int katze, const AhnSuche &suche)
{
    const QStringList &pos = ahnenPositionen();
    QVector<Ahn> ahnen(pos.size());
    QVector<std::optional<AhnKatze>> gefunden(pos.size());
    for (int i = 0; i < pos.size(); ++i) {
        int nr = 0;
        if (i < 2) {
            nr = i == 0 ? kater : katze;
        } else {
            // the child position is the code without its last letter ("Vater"/"Mutter" for V/M)
            const QString kind =
                pos[i].size() == 2 ? (pos[i][0] == QLatin1Char('V') ? pos[0] : pos[1]) : pos[i].chopped(1);
            const auto &k = gefunden[pos.indexOf(kind)];
            if (!k)
                continue;
            nr = pos[i].back() == QLatin1Char('V') ? k->vater : k->mutter;
        }
        if (nr > 0)
            gefunden[i] = suche(nr);
        if (gefunden[i])
            ahnen[i] = gefunden[i]->daten;
    }
    return ahnen;
}

QString decktageText(const QDate &decktermin, const QDate &decktermin2)
{
    QStringList d;
    for (const QDate &t : {decktermin, decktermin2})
        if (t.isValid())
            d << kurzesDatum(t);
    return d.join(QLatin1Char(' '));
}

namespace {

void zuechterLesen(store::Database &db, const Table &katze, const Beschriftung &text, Wurfdatenblatt &b)
{
    std::unique_ptr<Table> quelle;
    if (katze.intValue(catstamm::Status) == 1) {
        quelle = lesend(db, eigen::Datei);
        quelle->first();
    } else if (const int besitzer = katze.intValue(catstamm::Besitzer); besitzer > 0) {
        quelle = lesend(db, adr_dat::Datei);
        if (!quelle->findKey({besitzer}))
            quelle.reset();
    }
    if (!quelle || !quelle->hasRecord()) {
        b.nameZuechter = text(TagWortUnbekannt);
        return;
    }
    const QString vorname = quelle->text(QStringLiteral("Vorname"));
    b.zwinger = quelle->text(QStringLiteral("Zwinger"));
    b.nameZuechter =
        (vorname.isEmpty() ? QString() : vorname + QLatin1Char(' ')) + quelle->text(QStringLiteral("Name"));
    b.strasse = quelle->text(QStringLiteral("Strasse"));
    b.plz = quelle->text(QStringLiteral("Plz"));
    b.ort = quelle->text(QStringLiteral("Ort"));
}

} // namespace

Wurfdatenblatt wurfdatenblattLesen(store::Database &db, int katze, const Wurf &wurf, const Beschriftung &text,
                                   const cats::TextBreite &messen)
{
    Wurfdatenblatt b;
    const auto katzen = lesend(db, catstamm::Datei);
    if (katze > 0 && katzen->findKey({katze}))
        zuechterLesen(db, *katzen, text, b);
    else
        b.nameZuechter = text(TagWortUnbekannt);
    b.decktermin = decktageText(wurf.decktermin, wurf.decktermin2);
    b.wurftag = kurzesDatum(wurf.wurftag);
    b.wurfbez = wurf.wurfbez;
    b.bemerkung = wurf.bemerkung;
    b.verfassung = wurf.verfassung;
    b.besichtam = kurzesDatum(wurf.besichtam);
    b.besichtvon = wurf.besichtvon;
    b.abnahmeam = kurzesDatum(wurf.abnahmeam);
    b.abnahmevon = wurf.abnahmevon;
    for (const QString *z : {&wurf.wurfstaerke, &wurf.totgeboren, &wurf.eingeschlaefert, &wurf.verendet,
                             &wurf.verblieben, &wurf.endabnahme, &wurf.ammenaufzucht})
        b.zahlen << anzahlTeilen(*z);

    b.ahnen = ahnenDesWurfes(wurf.kater, katze, [&](int nr) -> std::optional<AhnKatze> {
        if (!katzen->findKey({nr}))
            return std::nullopt;
        AhnKatze k;
        k.vater = katzen->intValue(catstamm::Vater);
        k.mutter = katzen->intValue(catstamm::Mutter);
        k.daten = {katzen->text(catstamm::Name), katzen->text(catstamm::Zuchtbuchnummer1),
                   katzen->text(catstamm::FellFarbe),
                   cats::merkmalKuerzel(db, nr).join(QStringLiteral(" / "))};
        return k;
    });

    if (wurf.wurftag.isValid()) {
        const auto kitten = lesend(db, catstamm::Datei, catstamm::idx::IDXMutterGebDatum);
        kitten->setRange({katze, wurf.wurftag}, {katze, wurf.wurftag});
        for (kitten->first(); !kitten->eof(); kitten->next()) {
            const QString farbe = kitten->text(catstamm::FellFarbe);
            const int nr = kitten->intValue(catstamm::LaufendeNummer);
            b.kitten.append({kitten->text(catstamm::Name),
                             text(cats::istKater(kitten->text(catstamm::Geschlecht)) ? TagWortMaennlich
                                                                                     : TagWortWeiblich),
                             kitten->text(catstamm::Zuchtbuchnummer1),
                             cats::anzeigeFuerDruck(farbe, cats::merkmalKuerzel(db, nr),
                                                    kitten->text(catstamm::Bemerkung), messen)});
        }
    }
    return b;
}

Wurfbuch wurfbuchLesen(store::Database &db, int katze, const Wurf &wurf, int traechtigkeitTage)
{
    Wurfbuch w;
    const auto katzen = lesend(db, catstamm::Datei);
    if (katze > 0 && katzen->findKey({katze}))
        w.katze = katzen->text(catstamm::Name);
    if (wurf.kater > 0 && katzen->findKey({wurf.kater}))
        w.kater = katzen->text(catstamm::Name);
    w.beginnRollig = kurzesDatum(wurf.beginnRollig);
    w.decktermin = kurzesDatum(wurf.decktermin);
    w.wurftermin = kurzesDatum(cats::wurftermin(wurf.decktermin, traechtigkeitTage));
    w.wurftag = kurzesDatum(wurf.wurftag);
    w.wurfbez = wurf.wurfbez;
    w.wurfstaerke = wurf.wurfstaerke;
    w.totgeboren = wurf.totgeboren;
    w.verendet = wurf.verendet;
    w.verfassung = wurf.verfassung;
    w.bemerkung = wurf.bemerkung;
    if (!wurf.wurftag.isValid() || !db.tableExists(jungtier::Datei))
        return w;
    const auto j = lesend(db, jungtier::Datei, jungtier::idx::MutterkatzeDatum);
    j->setRange({katze, wurf.wurftag}, {katze, wurf.wurftag});
    for (j->first(); !j->eof(); j->next()) {
        const QDate datum = j->value(jungtier::Wiegedatum).toDate();
        QStringList zeile{kurzesDatum(datum)};
        for (int i = 1; i <= MaxJungtiere; ++i)
            zeile << j->text(QStringLiteral("Katze%1").arg(i));
        zeile << (datum.isValid() ? app::TDatenGlobal::alterBerechnen(4, QDate(), datum, wurf.wurftag)
                                  : QString());
        w.wiegungen << zeile;
    }
    return w;
}

} // namespace tav::printouts
