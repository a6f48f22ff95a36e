// Indexrekonstruktion: the groups of tables whose indexes the user rebuilds, and the run over them.
#include "Indexrekonstruktion.h"

#include "Indexerstellung.h"
#include "store/Database.h"

#include <algorithm>

namespace tav::maintenance {

namespace {
IndexGruppe eigene(int tag, const char *name, std::initializer_list<const char *> dateien)
{
    IndexGruppe g{tag, QString::fromUtf8(name), {}};
    for (const char *d : dateien)
        g.tabellen.append({QString::fromLatin1(d), false});
    return g;
}
IndexGruppe modul(int tag, const char *name, std::initializer_list<const char *> dateien)
{
    IndexGruppe g = eigene(tag, name, dateien);
    for (auto &t : g.tabellen)
        t.modul = true;
    return g;
}
} // namespace

const QVector<IndexGruppe> &indexGruppen()
{
    static const QVector<IndexGruppe> gruppen = [] {
        QVector<IndexGruppe> g;
        IndexGruppe katzen{7201, QStringLiteral("Katzen"), {}};
        for (const auto &[datei, m] :
             std::initializer_list<std::pair<const char *, bool>>{{"CATSTAMM.DB", true},
                                                                  {"Arztbes.db", false},
                                                                  {"Kausstel.db", false},
                                                                  {"Bilder.db", true},
                                                                  {"Deckbuch.db", false},
                                                                  {"Jungtier.db", false},
                                                                  {"Krblatt.db", false},
                                                                  {"Schwang.db", false},
                                                                  {"Wurfbuch.db", true},
                                                                  {"Stammzusatz.db", false},
                                                                  {"Laeufigkeit.db", false},
                                                                  {"Wurmkur.db", true},
                                                                  {"KatzeMerkmal.db", true},
                                                                  {"Impfung.db", true},
                                                                  {"Bewert.db", false},
                                                                  {"Gewicht.db", false},
                                                                  {"Verkauft.db", false},
                                                                  {"Dokumente.db", false}})
            katzen.tabellen.append({QString::fromLatin1(datei), m});
        g << katzen << modul(7202, "Adressenverwaltung", {"ADR_DAT.DB"})
          << eigene(7203, "Augenfarbe", {"augen.db"}) << eigene(7204, "Farbe", {"Farbe.db"})
          << eigene(7205, "Rasse", {"Rasse.db"}) << eigene(7206, "Apotheke", {"Apotheke.db"})
          << eigene(7207, "Katzennamen", {"Katzname.db"}) << eigene(7208, "Ausstellungen", {"Ausstelt.db"})
          << eigene(7209, "Vereine", {"Vereine.db"})
          << eigene(7210, "Buchführung", {"Buchung.db", "Mehrwert.db", "Kontoart.db", "Konten.db"})
          << eigene(7211, "Zwingerregister",
                    {"zwingreg.db", "Zwinginf.db", "ZWINGREGPRIVAT.db", "Zwinginfprivat.db"})
          << modul(7212, "Sprache", {"SPRACHE.DB", "SPRMEL.DB"})
          << eigene(7213, "Top Katzen", {"TopKatze.db"}) << modul(7214, "Merkmale", {"MERKMALE.DB"})
          << eigene(7215, "Farb-/Gencode", {"FarbeGen.db"}) << eigene(7216, "Status Katzen", {"Status.db"});
        g[14].verborgen = true;
        return g;
    }();
    return gruppen;
}

IndexLaufErgebnis indexRekonstruktion(TDataModuleIndex &modul, const QVector<int> &gruppen,
                                      const std::function<void(const IndexFortschritt &)> &fortschritt,
                                      const std::function<bool()> &abbrechen)
{
    const QVector<IndexGruppe> &alle = indexGruppen();
    QVector<int> lauf;
    for (int i = 0; i < alle.size(); ++i) {
        if (gruppen.contains(i) && !alle[i].verborgen)
            lauf << i;
    }
    IndexFortschritt stand;
    for (int i : std::as_const(lauf))
        stand.gesamt += int(alle[i].tabellen.size());

    IndexLaufErgebnis ergebnis;
    for (int i : std::as_const(lauf)) {
        const IndexGruppe &gruppe = alle[i];
        stand.gruppe = i;
        // every window's tables close; they are not opened again before the restart
        if (store::Database *db = modul.database())
            db->disconnect();
        ergebnis.neustart = true;
        bool gruppeOk = true;
        bool modulOk = true;
        for (const IndexGruppe::Tabelle &t : gruppe.tabellen) {
            if (abbrechen && abbrechen()) {
                ergebnis.abgebrochen = true;
                break;
            }
            stand.tabelle = t.datei;
            if (fortschritt)
                fortschritt(stand);
            ++stand.fertig;
            if (t.modul && !modulOk)
                continue;
            if (modul.rebuild(t.datei)) {
                ergebnis.neuAufgebaut << t.datei;
                continue;
            }
            gruppeOk = false;
            modulOk = modulOk && !t.modul;
            ergebnis.fehler << t.datei + QStringLiteral(": ") + modul.lastError();
        }
        if (!gruppeOk || ergebnis.abgebrochen) {
            ergebnis.erfolg = false;
            ergebnis.fehlgeschlageneGruppen << gruppe.name;
        }
        if (ergebnis.abgebrochen)
            break;
    }
    return ergebnis;
}

} // namespace tav::maintenance
