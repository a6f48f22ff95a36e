#include "store/Namen_work.h"
#include "store/TableDefsParts.h"

namespace tav::store {

namespace {

IndexDef uniqueDescIndex(SchemaName name, const char *fields)
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
        TableDef{vorfahrenliste::Datei,
            {
                integer(vorfahrenliste::Nummer, Required),
                string(vorfahrenliste::Name, 50, Required),
                integer(vorfahrenliste::Anzahl, Required),
                integer(vorfahrenliste::Farbe),
            },
            {
                primary("Nummer"),
                uniqueIndex(vorfahrenliste::idx::IndexName,       "Name;Nummer"),
                uniqueDescIndex(vorfahrenliste::idx::IndexAnzahl, "Anzahl;Name;Nummer"),
            }},

        // Saved inbreeding calculations and their three detail lists. A name is never cut: the
        // saved name is the cat with its breed composition, and a cut one would not be found again.
        TableDef{inzuchtgrad::Datei,
            {
                autoInc(inzuchtgrad::LaufendeNummer, Required),
                integer(inzuchtgrad::Art),
                string(inzuchtgrad::Name, 1000),
                integer(inzuchtgrad::Nummer),
                string(inzuchtgrad::Vater, 1000),
                integer(inzuchtgrad::VaterNr),
                string(inzuchtgrad::Mutter, 1000),
                integer(inzuchtgrad::MutterNr),
                integer(inzuchtgrad::Generation),
                memo(inzuchtgrad::Inzucht),
                string(inzuchtgrad::Prozent, 50),
                memo(inzuchtgrad::Ahnenverlust),
                string(inzuchtgrad::Stammbaumkomplett, 50),
                memo(inzuchtgrad::Info),
            },
            {
                primary("LaufendeNummer"),
                index(inzuchtgrad::idx::NameGen, "Name;Generation"),
            }},

        TableDef{inzuchtgradvorf::Datei,
            {
                autoInc(inzuchtgradvorf::LaufendeNummer, Required),
                integer(inzuchtgradvorf::Nummer),
                integer(inzuchtgradvorf::Katze),
                string(inzuchtgradvorf::Name, 70),
                integer(inzuchtgradvorf::Anzahl),
                integer(inzuchtgradvorf::Farbe),
            },
            {
                primary("LaufendeNummer"),
                index(inzuchtgradvorf::idx::Nummer, "Nummer"),
            }},

        TableDef{inzuchtspeicherclone::Datei,
            {
                autoInc(inzuchtspeicherclone::LaufendeNummer, Required),
                integer(inzuchtspeicherclone::Katze),
                floating(inzuchtspeicherclone::Prozent),
                string(inzuchtspeicherclone::Name, 70),
            },
            {
                primary("LaufendeNummer"),
                index(inzuchtspeicherclone::idx::Katze, "Katze"),
            }},

        TableDef{inzuchtgradspeicherungtopkatzen::Datei,
            {
                autoInc(inzuchtgradspeicherungtopkatzen::LaufendeNummer, Required),
                integer(inzuchtgradspeicherungtopkatzen::Katze),
                integer(inzuchtgradspeicherungtopkatzen::Nummern),
                string(inzuchtgradspeicherungtopkatzen::Name, 70),
                string(inzuchtgradspeicherungtopkatzen::Anzahl, 20),
            },
            {
                primary("LaufendeNummer"),
                index(inzuchtgradspeicherungtopkatzen::idx::Katze, "Katze"),
            }},

        // Result rows of the extended trait query, recreated for every query.
        TableDef{ergebnistmp::Datei,
            {
                string(ergebnistmp::Name, 50),
                string(ergebnistmp::Nummer, 50),
                string(ergebnistmp::Geschlecht, 2),
                date(ergebnistmp::GebDatum),
                date(ergebnistmp::Toddatum),
                integer(ergebnistmp::Vater),
                integer(ergebnistmp::Mutter),
                string(ergebnistmp::Merkmale, 100),
                string(ergebnistmp::Text, 200),
                string(ergebnistmp::Fellfarbe, 40),
                integer(ergebnistmp::MerkmFarbe),
                integer(ergebnistmp::LaufendeNummer),
            },
            {}},
        // clang-format on
    };
}

} // namespace tav::store
