#include "store/Namen_office.h"
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
        index(zwingreg::idx::IDXRasse,      "Rasse;Zwinger"),
        index(zwingreg::idx::IDXZuechter,    "Züchter;Zwinger"),
        index(zwingreg::idx::OrtZwinger,    "Ort;Zwinger"),
        index(zwingreg::idx::PLZZwinger,    "PLZ;Zwinger"),
        index(zwingreg::idx::VereinZwinger, "Verein;Zwinger"),
        index(zwingreg::idx::ZwingerRasse,  "Zwinger;Rasse"),
    };
    // clang-format on
}

TableDef catteryEntries(SchemaName fileName)
{
    using namespace def;
    // clang-format off
    return TableDef{fileName,
        {
            autoInc(zwinginf::LaufendeNummer, Required),
            integer(zwinginf::Zwinger),
            smallInt(zwinginf::KatzeArt),
            string(zwinginf::Name, 50),
            memo(zwinginf::Memo1, 100),
            graphic(zwinginf::Bild),
        },
        {
            primary("LaufendeNummer"),
            index(zwinginf::idx::ZwingerName, "Zwinger;KatzeArt;Name"),
        }};
    // clang-format on
}

} // namespace

QVector<TableDef> officeTables()
{
    using namespace def;
    return {
        // clang-format off
        TableDef{adr_dat::Datei,
            {
                autoInc(adr_dat::LaufendeNr),
                string(adr_dat::Name, 40, Required),
                string(adr_dat::Vorname, 40),
                string(adr_dat::Anrede, 15),
                string(adr_dat::Zwinger, 30),
                string(adr_dat::Strasse, 40),
                string(adr_dat::Plz, 8),
                string(adr_dat::Ort, 40),
                string(adr_dat::Land, 20),
                string(adr_dat::Telefon, 20),
                string(adr_dat::Telefax, 20),
                string(adr_dat::Handy, 20),
                string(adr_dat::email, 40),
                string(adr_dat::Homepage, 60),
                date(adr_dat::Geburtstag),
                integer(adr_dat::Rasse),
                string(adr_dat::Status, 30),
                memo(adr_dat::Bemerkung, 240),
                boolean(adr_dat::Abonnent),
                date(adr_dat::Eintritt),
                date(adr_dat::Austritt),
                date(adr_dat::Gekuendigt),
                string(adr_dat::MitgliedsNr, 20),
                string(adr_dat::ZwingerNr, 20),
            },
            {
                primary("LaufendeNr"),
                index(adr_dat::idx::AdrName,       "Name;Vorname;Geburtstag"),
                index(adr_dat::idx::AdrStatusName, "Status;Name"),
                index(adr_dat::idx::AdrZwing,      "Zwinger;Name"),
            }},

        TableDef{statusadressen::Datei,
            {
                string(statusadressen::Status, 30),
            },
            {}},

        // Pictures already on the online service, with the size and time they had when sent.
        TableDef{bilderupload::Datei,
            {
                autoInc(bilderupload::LaufendeNummer, Required),
                string(bilderupload::Name, 100, Required),
                integer(bilderupload::Filegroesse, Required),
                timestamp(bilderupload::Aenderungsdatum, Required),
            },
            {
                primary("LaufendeNummer"),
                index(bilderupload::idx::Name, "Name;Filegroesse;Aenderungsdatum"),
            }},

        TableDef{zwingreg::Datei,
            {
                autoInc(zwingreg::LaufendeNummer),
                string(zwingreg::Zwinger, 30),
                string(zwingreg::Rasse, 40),
                string(zwingreg::Zuechter, 40),
                string(zwingreg::Strasse, 40),
                string(zwingreg::PLZ, 5),
                string(zwingreg::Ort, 30),
                string(zwingreg::Land, 15),
                string(zwingreg::Verein, 50),
                string(zwingreg::Telefon, 25),
                string(zwingreg::Telefax, 25),
                string(zwingreg::Handy, 20),
                string(zwingreg::EMail, 40),
                string(zwingreg::Homepage, 60),
                string(zwingreg::Zuchtfarbe, 255),
            },
            catteryRegisterIndexes()},

        catteryEntries(zwinginf::Datei),

        TableDef{zwingregprivat::Datei,
            {
                autoInc(zwingregprivat::LaufendeNummer, Required),
                string(zwingregprivat::Zwinger, 30),
                string(zwingregprivat::Rasse, 40),
                string(zwingregprivat::Zuechter, 40),
                string(zwingregprivat::Strasse, 40),
                string(zwingregprivat::PLZ, 5),
                string(zwingregprivat::Ort, 30),
                string(zwingregprivat::Land, 15),
                string(zwingregprivat::Zuchtfarbe, 255),
                string(zwingregprivat::Verein, 50),
                string(zwingregprivat::Telefon, 25),
                string(zwingregprivat::Telefax, 25),
                string(zwingregprivat::EMail, 40),
                string(zwingregprivat::Homepage, 60),
                string(zwingregprivat::Handy, 20),
            },
            catteryRegisterIndexes()},

        catteryEntries(zwinginfprivat::Datei),

        TableDef{vereine::Datei,
            {
                autoInc(vereine::LaufendeNummer),
                string(vereine::Verein, 50),
                string(vereine::Strasse, 50),
                string(vereine::Plz, 5),
                string(vereine::Ort, 50),
                string(vereine::Land, 30),
                string(vereine::Telefon, 30),
                string(vereine::Telefax, 30),
                string(vereine::Ansprechpartner, 50),
                string(vereine::EMail, 40),
                string(vereine::Homepage, 60),
            },
            {
                primary("LaufendeNummer"),
                index(vereine::idx::VereinIdx, "Verein;LaufendeNummer"),
            }},

        TableDef{ausstelt::Datei,
            {
                autoInc(ausstelt::LaufendeNummer),
                date(ausstelt::Datum),
                date(ausstelt::Datum2),
                string(ausstelt::Verein, 50),
                string(ausstelt::Strasse, 40),
                string(ausstelt::Plz, 6),
                string(ausstelt::Ort, 40),
                string(ausstelt::Land, 30),
                memo(ausstelt::Info, 50),
            },
            {
                primary("LaufendeNummer"),
                index(ausstelt::idx::DatumIdx,    "Datum;Ort"),
                index(ausstelt::idx::OrtDatum,    "Ort;Datum"),
                index(ausstelt::idx::VereinDatum, "Verein;Datum"),
            }},

        TableDef{apotheke::Datei,
            {
                autoInc(apotheke::LaufendeNummer),
                string(apotheke::Bereich, 50),
                string(apotheke::Krankheit, 100),
                string(apotheke::Medikament, 50),
                date(apotheke::Verfallsdatum),
                memo(apotheke::Info, 100),
            },
            {
                primary("LaufendeNummer"),
                index(apotheke::idx::VerfallsdatumIdx,    "Verfallsdatum;LaufendeNummer"),
                index(apotheke::idx::Medikament,          "Medikament"),
                index(apotheke::idx::BereichKrankheitIdx, "Bereich;Krankheit"),
            }},

        TableDef{konten::Datei,
            {
                autoInc(konten::LaufendeNummer),
                integer(konten::Kontoart, Required),
                string(konten::Name, 30, Required),
                integer(konten::Kontonummer),
                integer(konten::Bankleitzahl),
                string(konten::Bankname, 30),
                currency(konten::Eroeffnungssaldo, Required),
                date(konten::Zum),
                currency(konten::Kontostand),
                integer(konten::Mwst),
                string(konten::EinAus, 9),
            },
            {
                primary("LaufendeNummer"),
                index(konten::idx::KontoartName, "Kontoart;Name"),
                index(konten::idx::Nameidx,      "Name;LaufendeNummer"),
            }},

        TableDef{kontoart::Datei,
            {
                autoInc(kontoart::LaufendeNummer),
                string(kontoart::Kontoart, 20),
            },
            {
                primary("LaufendeNummer"),
                index(kontoart::idx::KontoartIdx, "Kontoart;LaufendeNummer"),
            }},

        TableDef{mehrwert::Datei,
            {
                autoInc(mehrwert::LaufendeNummer),
                smallInt(mehrwert::Prozent, Required),
            },
            {
                primary("LaufendeNummer"),
            }},

        TableDef{buchung::Datei,
            {
                autoInc(buchung::BuchungsNr),
                integer(buchung::Kontoname),
                date(buchung::Buchungsdatum, Required),
                string(buchung::Kategorie, 30, Required),
                currency(buchung::Betrag, Required),
                memo(buchung::Beschreibung, 200),
                integer(buchung::Gegenbuchung),
            },
            {
                primary("BuchungsNr"),
                index(buchung::idx::BuchungsdatumKontoname, "Kontoname;Buchungsdatum"),
                index(buchung::idx::Kontoname,              "Kontoname"),
            }},

        TableDef{eigen::Datei,
            {
                string(eigen::Name, 40, Required),
                string(eigen::Vorname, 40),
                string(eigen::Zwinger, 30),
                string(eigen::Strasse, 40),
                string(eigen::Plz, 8),
                string(eigen::Ort, 40),
                string(eigen::land, 30),
                string(eigen::Telefon, 20),
                string(eigen::Telefax, 20),
                string(eigen::EMail, 40),
                string(eigen::Update, 15),
            },
            {}},

        TableDef{zusatz::Datei,
            {
                string(zusatz::Verein, 30),
                string(zusatz::Mitgliedsnummer, 30),
                string(zusatz::Zwingernummer, 30),
            },
            {}},

        // clang-format on
    };
}

} // namespace tav::store
