#include "store/TableDefsParts.h"

namespace tav::store {

namespace {

IndexDef uniqueDescIndex(const char *name, const char *fields)
{
    IndexDef idx = def::descIndex(name, fields);
    idx.unique = true;
    return idx;
}

} // namespace

QVector<TableDef> workTables()
{
    using namespace def;
    return {
        // clang-format off
        // Ancestors of the last full inbreeding analysis, rebuilt empty for each one.
        TableDef{"Vorfahrenliste.db",
            {
                integer("Nummer", Required),
                string("Name", 50, Required),
                integer("Anzahl", Required),
                integer("Farbe"),
            },
            {
                primary("Nummer"),
                uniqueIndex("IndexName",       "Name;Nummer"),
                uniqueDescIndex("IndexAnzahl", "Anzahl;Name;Nummer"),
            }},

        // Saved inbreeding calculations and their three detail lists. A name is never cut: the
        // saved name is the cat with its breed composition, and a cut one would not be found again.
        TableDef{"Inzuchtgrad.db",
            {
                autoInc("LaufendeNummer", Required),
                integer("Art"),
                string("Name", 1000),
                integer("Nummer"),
                string("Vater", 1000),
                integer("VaterNr"),
                string("Mutter", 1000),
                integer("MutterNr"),
                integer("Generation"),
                memo("Inzucht"),
                string("Prozent", 50),
                memo("Ahnenverlust"),
                string("Stammbaumkomplett", 50),
                memo("Info"),
            },
            {
                primary("LaufendeNummer"),
                index("NameGen", "Name;Generation"),
            }},

        TableDef{"InzuchtgradVorf.db",
            {
                autoInc("LaufendeNummer", Required),
                integer("Nummer"),
                integer("Katze"),
                string("Name", 70),
                integer("Anzahl"),
                integer("Farbe"),
            },
            {
                primary("LaufendeNummer"),
                index("Nummer", "Nummer"),
            }},

        TableDef{"InzuchtSpeicherClone.db",
            {
                autoInc("LaufendeNummer", Required),
                integer("Katze"),
                floating("Prozent"),
                string("Name", 70),
            },
            {
                primary("LaufendeNummer"),
                index("Katze", "Katze"),
            }},

        TableDef{"InzuchtgradSpeicherungTopKatzen.db",
            {
                autoInc("LaufendeNummer", Required),
                integer("Katze"),
                integer("Nummern"),
                string("Name", 70),
                string("Anzahl", 20),
            },
            {
                primary("LaufendeNummer"),
                index("Katze", "Katze"),
            }},

        // Result rows of the extended trait query, recreated for every query.
        TableDef{"ergebnisTMP.db",
            {
                string("Name", 50),
                string("Nummer", 50),
                string("Geschlecht", 2),
                date("GebDatum"),
                date("Toddatum"),
                integer("Vater"),
                integer("Mutter"),
                string("Merkmale", 100),
                string("Text", 200),
                string("Fellfarbe", 40),
                integer("MerkmFarbe"),
                integer("LaufendeNummer"),
            },
            {}},
        // clang-format on
    };
}

} // namespace tav::store
