#include "store/Namen_register.h"
#include "store/TableDefsParts.h"

namespace tav::store {

QVector<TableDef> registerTables()
{
    using namespace def;
    return {
        // clang-format off
        TableDef{catstamm::Datei,
            {
                autoInc(catstamm::LaufendeNummer),
                string(catstamm::Name, 70, Required),
                string(catstamm::Zwinger, 40),
                string(catstamm::Rufname, 15),
                string(catstamm::Geschlecht, 1, Required),
                date(catstamm::GebDatum),
                date(catstamm::Toddatum),
                integer(catstamm::Rasse),
                string(catstamm::FellFarbe, 60),
                string(catstamm::Augenfarbe, 15),
                integer(catstamm::Fellart),
                integer(catstamm::GenoTyp),
                string(catstamm::Gencode, 40),
                boolean(catstamm::Agouti),
                boolean(catstamm::Verduennung),
                integer(catstamm::Vater),
                integer(catstamm::Mutter),
                integer(catstamm::Zuechter),
                integer(catstamm::Besitzer),
                integer(catstamm::Status),
                string(catstamm::Zuchtbuchnummer1, 30),
                string(catstamm::Zuchtbuchnummer2, 30),
                string(catstamm::Zuchtbuchnummer3, 30),
                boolean(catstamm::AndereRegistrierung),
                string(catstamm::TitelGer1, 1),
                string(catstamm::TitelGer2, 1),
                string(catstamm::TitelUSA1, 1),
                string(catstamm::TitelUSA2, 1),
                string(catstamm::TitelUSA3, 1),
                string(catstamm::TitelUSA4, 1),
                string(catstamm::ChipNr, 40),
                string(catstamm::TaetoNr, 30),
                string(catstamm::Tests, 100),
                string(catstamm::Blutgruppe, 20),
                string(catstamm::Rute, 15),
                string(catstamm::Wurfzahl, 5),
                memo(catstamm::Bemerkung, 60),
                date(catstamm::zzlDatum),
                string(catstamm::Groesse, 10),
                string(catstamm::Gewicht, 10),
                string(catstamm::Feld1, 20),
                integer(catstamm::Feld2),
                boolean(catstamm::Feld3),
                string(catstamm::NameDB, 70),
                string(catstamm::IDCode, 20),
            },
            {
                primary("LaufendeNummer"),
                index(catstamm::idx::IDXMutterGebDatum, "Mutter;GebDatum;Geschlecht"),
                index(catstamm::idx::Nameidx,           "Name;GebDatum;LaufendeNummer"),
                index(catstamm::idx::RasseName,         "Rasse;Name"),
                index(catstamm::idx::Rufnaidx,          "Rufname;Zwinger"),
                index(catstamm::idx::StatusName,        "Status;Name"),
                index(catstamm::idx::ZwinName,          "Zwinger;Name"),
                index(catstamm::idx::IdxMutter,         "Mutter;GebDatum;Name"),
                index(catstamm::idx::IdxVater,          "Vater;GebDatum;Name"),
                index(catstamm::idx::NameDB,            "NameDB;GebDatum"),
                index(catstamm::idx::Zuchtbuchnummer1,  "Zuchtbuchnummer1"),
                index(catstamm::idx::Zuchtbuchnummer2,  "Zuchtbuchnummer2"),
                index(catstamm::idx::Zuchtbuchnummer3,  "Zuchtbuchnummer3"),
                index(catstamm::idx::GebDatum,          "GebDatum;Name"),
                index(catstamm::idx::Farbe,             "FellFarbe;Name"),
            }},

        TableDef{stammzusatz::Datei,
            {
                autoInc(stammzusatz::LaufendeNummer),
                integer(stammzusatz::Tier),
                floating(stammzusatz::Gebgewicht),
                floating(stammzusatz::Abggewicht),
                string(stammzusatz::Kieferfehler, 12),
                string(stammzusatz::Bruch, 21),
                string(stammzusatz::Hoden, 24),
                string(stammzusatz::WeitereFehler, 100),
            },
            {
                primary("LaufendeNummer"),
                index(stammzusatz::idx::TierIdx, "Tier;LaufendeNummer"),
            }},

        TableDef{stammzusatz1::Datei,
            {
                autoInc(stammzusatz1::LaufendeNr),
                integer(stammzusatz1::Hund),
                smallInt(stammzusatz1::HF),
                smallInt(stammzusatz1::W),
                smallInt(stammzusatz1::HS),
                smallInt(stammzusatz1::WR),
            },
            {
                primary("LaufendeNr"),
                index(stammzusatz1::idx::Hund, "Hund"),
            }},

        TableDef{bilder::Datei,
            {
                autoInc(bilder::LaufendeNr),
                integer(bilder::KatzeNr),
                string(bilder::Bildpfad, 150),
                memo(bilder::BildMemo1, 240),
                memo(bilder::BildMemo2, 240),
            },
            {
                primary("LaufendeNr"),
                index(bilder::idx::IndexKatzeNr, "KatzeNr;LaufendeNr"),
            }},

        TableDef{dokumente::Datei,
            {
                autoInc(dokumente::LaufendeNr),
                integer(dokumente::KatzeNr),
                date(dokumente::DokDatum),
                string(dokumente::DokTxt, 200),
                string(dokumente::DokPfad, 255),
            },
            {
                primary("LaufendeNr"),
                index(dokumente::idx::IndexKatzeNr, "KatzeNr;DokDatum"),
            }},

        TableDef{eigeneinfo::Datei,
            {
                autoInc(eigeneinfo::LaufendeNummer),
                integer(eigeneinfo::Katze),
                memo(eigeneinfo::Info),
            },
            {
                primary("LaufendeNummer"),
                index(eigeneinfo::idx::Katze, "Katze"),
            }},

        TableDef{impfung::Datei,
            {
                autoInc(impfung::LaufendeNr),
                integer(impfung::Katze),
                date(impfung::Datum),
                string(impfung::Impfung, 40),
                date(impfung::NeuAm),
            },
            {
                primary("LaufendeNr"),
                index(impfung::idx::ImpfungKatze,  "Katze;Datum"),
                index(impfung::idx::NeuAmKatzeIdx, "NeuAm;Katze"),
            }},

        TableDef{wurmkur::Datei,
            {
                autoInc(wurmkur::LaufendeNr),
                integer(wurmkur::Katze),
                date(wurmkur::Datum),
                string(wurmkur::Medikament, 40),
                date(wurmkur::Naechste),
            },
            {
                primary("LaufendeNr"),
                index(wurmkur::idx::KatzeDatum,       "Katze;Datum"),
                index(wurmkur::idx::NaechsteKatzeIdx, "Naechste;Katze"),
            }},

        TableDef{krblatt::Datei,
            {
                autoInc(krblatt::LaufendeNr),
                integer(krblatt::Katze),
                date(krblatt::Datum1),
                date(krblatt::Datum2),
                date(krblatt::Datum3),
                date(krblatt::Datum4),
                memo(krblatt::Text1),
                memo(krblatt::Text2),
                memo(krblatt::Text3),
                memo(krblatt::Text4),
            },
            {
                primary("LaufendeNr"),
                index(krblatt::idx::Krankenblatt, "Katze;Datum1"),
            }},

        TableDef{arztbes::Datei,
            {
                autoInc(arztbes::LaufendeNummer),
                integer(arztbes::Katze),
                date(arztbes::Datum),
                string(arztbes::Arzt, 40),
                memo(arztbes::Wegen, 100),
                memo(arztbes::Befund, 100),
            },
            {
                primary("LaufendeNummer"),
                index(arztbes::idx::KatzeDatum, "Katze;Datum"),
            }},

        TableDef{schwang::Datei,
            {
                autoInc(schwang::LaufendeNr),
                integer(schwang::Katze),
                date(schwang::Datum),
                memo(schwang::Text1, 100),
                memo(schwang::Text2, 100),
            },
            {
                primary("LaufendeNr"),
                index(schwang::idx::KatzeDatum, "Katze;Datum"),
            }},

        // The cat record window creates this table itself when it cannot be opened.
        TableDef{laeufigkeit::Datei,
            {
                autoInc(laeufigkeit::LaufendeNummer, Required),
                integer(laeufigkeit::Katze),
                timestamp(laeufigkeit::Datum),
            },
            {
                primary("LaufendeNummer"),
                index(laeufigkeit::idx::Katze, "Katze;LaufendeNummer"),
            }},

        TableDef{gewicht::Datei,
            {
                autoInc(gewicht::LaufendeNummer),
                integer(gewicht::Katze),
                date(gewicht::Datum),
                floating(gewicht::Gewicht),
                floating(gewicht::Groesse),
            },
            {
                primary("LaufendeNummer"),
                index(gewicht::idx::KatzeDatum, "Katze;Datum"),
            }},

        TableDef{jungtier::Datei,
            {
                autoInc(jungtier::LaufendeNummer),
                integer(jungtier::Mutterkatze),
                date(jungtier::Wurfdatum),
                date(jungtier::Wiegedatum),
                string(jungtier::Katze1, 20),
                string(jungtier::Katze2, 20),
                string(jungtier::Katze3, 20),
                string(jungtier::Katze4, 20),
                string(jungtier::Katze5, 20),
                string(jungtier::Katze6, 20),
                string(jungtier::Katze7, 20),
                string(jungtier::Katze8, 20),
                string(jungtier::Katze9, 20),
                string(jungtier::Katze10, 20),
            },
            {
                primary("LaufendeNummer"),
                index(jungtier::idx::MutterkatzeDatum, "Mutterkatze;Wurfdatum;Wiegedatum"),
            }},

        TableDef{wurfbuch::Datei,
            {
                autoInc(wurfbuch::LaufendeNummer),
                integer(wurfbuch::Katze),
                integer(wurfbuch::Kater),
                date(wurfbuch::BeginnRollig),
                date(wurfbuch::Decktermin),
                date(wurfbuch::Decktermin2),
                date(wurfbuch::Wurftag),
                string(wurfbuch::Wurfbez, 10),
                string(wurfbuch::Wurfstaerke, 5),
                string(wurfbuch::Totgeboren, 5),
                string(wurfbuch::Verendet, 5),
                string(wurfbuch::Ammenaufzucht, 5),
                string(wurfbuch::Eingeschlaefert, 5),
                string(wurfbuch::Verblieben, 5),
                string(wurfbuch::Endabnahme, 5),
                memo(wurfbuch::Verfassung, 240),
                date(wurfbuch::Besichtam),
                string(wurfbuch::Besichtvon, 40),
                date(wurfbuch::Abnahmeam),
                string(wurfbuch::Abnahmevon, 40),
                memo(wurfbuch::Bemerkung, 100),
                boolean(wurfbuch::Kennzeichen),
            },
            {
                primary("LaufendeNummer"),
                index(wurfbuch::idx::KaterKatzeWurftag, "Kater;Katze;Wurftag"),
                index(wurfbuch::idx::KatzeIdx,          "Katze;Decktermin;LaufendeNummer"),
                index(wurfbuch::idx::KatzeKaterWurftag, "Katze;Kater;Wurftag"),
            }},

        TableDef{deckbuch::Datei,
            {
                autoInc(deckbuch::LaufendeNummer),
                integer(deckbuch::Kater),
                integer(deckbuch::Katze),
                date(deckbuch::Decktermin),
                string(deckbuch::Erfolge, 20),
                memo(deckbuch::Bemerkung, 100),
                date(deckbuch::Wurftag),
            },
            {
                primary("LaufendeNummer"),
                index(deckbuch::idx::KaterDecktermin, "Kater;Decktermin"),
            }},

        TableDef{verkauft::Datei,
            {
                autoInc(verkauft::LaufendeNummer),
                integer(verkauft::Katze),
                date(verkauft::Gekauftam),
                currency(verkauft::Preisgekauft),
                date(verkauft::Verkauftam),
                currency(verkauft::Preisverkauft),
            },
            {
                primary("LaufendeNummer"),
                index(verkauft::idx::KatzeIdx, "Katze;LaufendeNummer"),
            }},

        TableDef{katzemerkmal::Datei,
            {
                autoInc(katzemerkmal::LaufendeNummer, Required),
                integer(katzemerkmal::Katze, Required),
                integer(katzemerkmal::Merkmal, Required),
                boolean(katzemerkmal::Kennzeichen),
            },
            {
                primary("LaufendeNummer"),
                index(katzemerkmal::idx::Katze, "Katze"),
            }},

        TableDef{titelhund::Datei,
            {
                autoInc(titelhund::LaufendeNummer),
                integer(titelhund::Hund),
                integer(titelhund::Titel),
            },
            {
                primary("LaufendeNummer"),
                index(titelhund::idx::HundTitel, "Hund;Titel"),
            }},

        TableDef{zuchtwert::Datei,
            {
                autoInc(zuchtwert::LaufendeNummer),
                integer(zuchtwert::Hund),
                memo(zuchtwert::Wesen),
                smallInt(zuchtwert::WesenPunkte),
                memo(zuchtwert::Gesundheit),
                smallInt(zuchtwert::GesundheitPunkte),
                memo(zuchtwert::Exterieur),
                smallInt(zuchtwert::ExterieurPunkte),
                memo(zuchtwert::Weiteres),
                smallInt(zuchtwert::WeiteresPunkte),
            },
            {
                primary("LaufendeNummer"),
                index(zuchtwert::idx::Hund, "Hund"),
            }},

        // Created by the global data module when its file is missing.
        TableDef{bewert::Datei,
            {
                autoInc(bewert::LaufendeNr, Required),
                integer(bewert::Katze),
                memo(bewert::Bewertung, 50),
            },
            {
                primary("LaufendeNr"),
                index(bewert::idx::KatzeIDX, "Katze;LaufendeNr"),
            }},

        TableDef{kausstel::Datei,
            {
                autoInc(kausstel::LaufendeNummer),
                integer(kausstel::Katze),
                date(kausstel::Datum),
                string(kausstel::Ausstellungsort, 30),
                string(kausstel::Verein, 30),
                string(kausstel::Richter, 20),
                string(kausstel::Bewertung, 40),
            },
            {
                primary("LaufendeNummer"),
                index(kausstel::idx::KatzeDatum, "Katze;Datum"),
            }},

        TableDef{cfa::Datei,
            {
                autoInc(cfa::LaufendeNummer),
                integer(cfa::Katze),
                date(cfa::Datum),
                string(cfa::Vereinsname, 40),
                string(cfa::Richter, 30),
                string(cfa::ABorSP, 2),
                string(cfa::CatEntryNr, 6),
                string(cfa::Ringergebnis, 7),
                string(cfa::DivisionErgebnis, 20),
                floating(cfa::GrandPunkte),
                floating(cfa::ShowPunkte),
                string(cfa::Anmerkung, 50),
            },
            {
                primary("LaufendeNummer"),
                index(cfa::idx::Katze, "Katze"),
            }},

        TableDef{cfatica::Datei,
            {
                autoInc(cfatica::LaufendeNummer),
                integer(cfatica::Katze),
                date(cfatica::Datum),
                string(cfatica::Vereinsname, 40),
                string(cfatica::Richter, 30),
                string(cfatica::ABorSP, 2),
                string(cfatica::CatEntryNr, 6),
                smallInt(cfatica::BOC),
                smallInt(cfatica::BOD),
                smallInt(cfatica::Finale),
            },
            {
                primary("LaufendeNummer"),
                index(cfatica::idx::Katze, "Katze"),
            }},

        TableDef{topkatze::Datei,
            {
                autoInc(topkatze::LaufendeNummer, Required),
                integer(topkatze::Katze),
                integer(topkatze::Farbe),
            },
            {
                primary("LaufendeNummer"),
                index(topkatze::idx::Katze, "Katze"),
            }},
        // clang-format on
    };
}

} // namespace tav::store
