#include "store/TableDefsParts.h"

namespace tav::store {

namespace {

// The general and the private cattery register share their fields and indexes; the private pair is
// created by the program, which gives the private register its own field order.
QVector<IndexDef> catteryRegisterIndexes()
{
    using namespace def;
    // clang-format off
    return {
        primary("LaufendeNummer"),
        index("IDXRasse",      "Rasse;Zwinger"),
        index("IDXZüchter",    "Züchter;Zwinger"),
        index("OrtZwinger",    "Ort;Zwinger"),
        index("PLZZwinger",    "PLZ;Zwinger"),
        index("VereinZwinger", "Verein;Zwinger"),
        index("ZwingerRasse",  "Zwinger;Rasse"),
    };
    // clang-format on
}

TableDef catteryEntries(const char *fileName)
{
    using namespace def;
    // clang-format off
    return TableDef{fileName,
        {
            autoInc("LaufendeNummer", Required),
            integer("Zwinger"),
            smallInt("KatzeArt"),
            string("Name", 50),
            memo("Memo1", 100),
            graphic("Bild"),
        },
        {
            primary("LaufendeNummer"),
            index("ZwingerName", "Zwinger;KatzeArt;Name"),
        }};
    // clang-format on
}

} // namespace

QVector<TableDef> officeTables()
{
    using namespace def;
    return {
        // clang-format off
        TableDef{"ADR_DAT.DB",
            {
                autoInc("LaufendeNr"),
                string("Name", 40, Required),
                string("Vorname", 40),
                string("Anrede", 15),
                string("Zwinger", 30),
                string("Strasse", 40),
                string("Plz", 8),
                string("Ort", 40),
                string("Land", 20),
                string("Telefon", 20),
                string("Telefax", 20),
                string("Handy", 20),
                string("email", 40),
                string("Homepage", 60),
                date("Geburtstag"),
                integer("Rasse"),
                string("Status", 30),
                memo("Bemerkung", 240),
                boolean("Abonnent"),
                date("Eintritt"),
                date("Austritt"),
                date("Gekuendigt"),
                string("MitgliedsNr", 20),
                string("ZwingerNr", 20),
            },
            {
                primary("LaufendeNr"),
                index("AdrName",       "Name;Vorname;Geburtstag"),
                index("AdrStatusName", "Status;Name"),
                index("AdrZwing",      "Zwinger;Name"),
            }},

        TableDef{"STATUSADRESSEN.DB",
            {
                string("Status", 30),
            },
            {}},

        // Pictures already on the online service, with the size and time they had when sent.
        TableDef{"BilderUpload.db",
            {
                autoInc("LaufendeNummer", Required),
                string("Name", 100, Required),
                integer("Filegroesse", Required),
                timestamp("Aenderungsdatum", Required),
            },
            {
                primary("LaufendeNummer"),
                index("Name", "Name;Filegroesse;Aenderungsdatum"),
            }},

        TableDef{"ZWINGREG.DB",
            {
                autoInc("LaufendeNummer"),
                string("Zwinger", 30),
                string("Rasse", 40),
                string("Züchter", 40),
                string("Strasse", 40),
                string("PLZ", 5),
                string("Ort", 30),
                string("Land", 15),
                string("Verein", 50),
                string("Telefon", 25),
                string("Telefax", 25),
                string("Handy", 20),
                string("EMail", 40),
                string("Homepage", 60),
                string("Zuchtfarbe", 255),
            },
            catteryRegisterIndexes()},

        catteryEntries("ZWINGINF.DB"),

        TableDef{"ZWINGREGPRIVAT.DB",
            {
                autoInc("LaufendeNummer", Required),
                string("Zwinger", 30),
                string("Rasse", 40),
                string("Züchter", 40),
                string("Strasse", 40),
                string("PLZ", 5),
                string("Ort", 30),
                string("Land", 15),
                string("Zuchtfarbe", 255),
                string("Verein", 50),
                string("Telefon", 25),
                string("Telefax", 25),
                string("EMail", 40),
                string("Homepage", 60),
                string("Handy", 20),
            },
            catteryRegisterIndexes()},

        catteryEntries("ZWINGINFPRIVAT.DB"),

        TableDef{"VEREINE.DB",
            {
                autoInc("LaufendeNummer"),
                string("Verein", 50),
                string("Strasse", 50),
                string("Plz", 5),
                string("Ort", 50),
                string("Land", 30),
                string("Telefon", 30),
                string("Telefax", 30),
                string("Ansprechpartner", 50),
                string("EMail", 40),
                string("Homepage", 60),
            },
            {
                primary("LaufendeNummer"),
                index("VereinIdx", "Verein;LaufendeNummer"),
            }},

        TableDef{"AUSSTELT.DB",
            {
                autoInc("LaufendeNummer"),
                date("Datum"),
                date("Datum2"),
                string("Verein", 50),
                string("Strasse", 40),
                string("Plz", 6),
                string("Ort", 40),
                string("Land", 30),
                memo("Info", 50),
            },
            {
                primary("LaufendeNummer"),
                index("DatumIdx",    "Datum;Ort"),
                index("OrtDatum",    "Ort;Datum"),
                index("VereinDatum", "Verein;Datum"),
            }},

        TableDef{"APOTHEKE.DB",
            {
                autoInc("LaufendeNummer"),
                string("Bereich", 50),
                string("Krankheit", 100),
                string("Medikament", 50),
                date("Verfallsdatum"),
                memo("Info", 100),
            },
            {
                primary("LaufendeNummer"),
                index("VerfallsdatumIdx",    "Verfallsdatum;LaufendeNummer"),
                index("Medikament",          "Medikament"),
                index("BereichKrankheitIdx", "Bereich;Krankheit"),
            }},

        TableDef{"KONTEN.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Kontoart", Required),
                string("Name", 30, Required),
                integer("Kontonummer"),
                integer("Bankleitzahl"),
                string("Bankname", 30),
                currency("Eroeffnungssaldo", Required),
                date("Zum"),
                currency("Kontostand"),
                integer("Mwst"),
                string("EinAus", 9),
            },
            {
                primary("LaufendeNummer"),
                index("KontoartName", "Kontoart;Name"),
                index("Nameidx",      "Name;LaufendeNummer"),
            }},

        TableDef{"KONTOART.DB",
            {
                autoInc("LaufendeNummer"),
                string("Kontoart", 20),
            },
            {
                primary("LaufendeNummer"),
                index("KontoartIdx", "Kontoart;LaufendeNummer"),
            }},

        TableDef{"MEHRWERT.DB",
            {
                autoInc("LaufendeNummer"),
                smallInt("Prozent", Required),
            },
            {
                primary("LaufendeNummer"),
            }},

        TableDef{"BUCHUNG.DB",
            {
                autoInc("BuchungsNr"),
                integer("Kontoname"),
                date("Buchungsdatum", Required),
                string("Kategorie", 30, Required),
                currency("Betrag", Required),
                memo("Beschreibung", 200),
                integer("Gegenbuchung"),
            },
            {
                primary("BuchungsNr"),
                index("BuchungsdatumKontoname", "Kontoname;Buchungsdatum"),
                index("Kontoname",              "Kontoname"),
            }},

        TableDef{"EIGEN.DB",
            {
                string("Name", 40, Required),
                string("Vorname", 40),
                string("Zwinger", 30),
                string("Strasse", 40),
                string("Plz", 8),
                string("Ort", 40),
                string("land", 30),
                string("Telefon", 20),
                string("Telefax", 20),
                string("EMail", 40),
                string("Update", 15),
            },
            {}},

        TableDef{"ZUSATZ.DB",
            {
                string("Verein", 30),
                string("Mitgliedsnummer", 30),
                string("Zwingernummer", 30),
            },
            {}},

        // clang-format on
    };
}

} // namespace tav::store
