#include "store/TableDefsParts.h"

namespace tav::store {

QVector<TableDef> registerTables()
{
    using namespace def;
    return {
        // clang-format off
        TableDef{"CATSTAMM.DB",
            {
                autoInc("LaufendeNummer"),
                string("Name", 70, Required),
                string("Zwinger", 40),
                string("Rufname", 15),
                string("Geschlecht", 1, Required),
                date("GebDatum"),
                date("Toddatum"),
                integer("Rasse"),
                string("FellFarbe", 60),
                string("Augenfarbe", 15),
                integer("Fellart"),
                integer("GenoTyp"),
                string("Gencode", 40),
                boolean("Agouti"),
                boolean("Verduennung"),
                integer("Vater"),
                integer("Mutter"),
                integer("Züchter"),
                integer("Besitzer"),
                integer("Status"),
                string("Zuchtbuchnummer1", 30),
                string("Zuchtbuchnummer2", 30),
                string("Zuchtbuchnummer3", 30),
                boolean("AndereRegistrierung"),
                string("TitelGer1", 1),
                string("TitelGer2", 1),
                string("TitelUSA1", 1),
                string("TitelUSA2", 1),
                string("TitelUSA3", 1),
                string("TitelUSA4", 1),
                string("ChipNr", 40),
                string("TaetoNr", 30),
                string("Tests", 100),
                string("Blutgruppe", 20),
                string("Rute", 15),
                string("Wurfzahl", 5),
                memo("Bemerkung", 60),
                date("zzlDatum"),
                string("Groesse", 10),
                string("Gewicht", 10),
                string("Feld1", 20),
                integer("Feld2"),
                boolean("Feld3"),
                string("NameDB", 70),
                string("IDCode", 20),
            },
            {
                primary("LaufendeNummer"),
                index("IDXMutterGebDatum", "Mutter;GebDatum;Geschlecht"),
                index("Nameidx",           "Name;GebDatum;LaufendeNummer"),
                index("RasseName",         "Rasse;Name"),
                index("Rufnaidx",          "Rufname;Zwinger"),
                index("StatusName",        "Status;Name"),
                index("ZwinName",          "Zwinger;Name"),
                index("IdxMutter",         "Mutter;GebDatum;Name"),
                index("IdxVater",          "Vater;GebDatum;Name"),
                index("NameDB",            "NameDB;GebDatum"),
                index("Zuchtbuchnummer1",  "Zuchtbuchnummer1"),
                index("Zuchtbuchnummer2",  "Zuchtbuchnummer2"),
                index("Zuchtbuchnummer3",  "Zuchtbuchnummer3"),
                index("GebDatum",          "GebDatum;Name"),
                index("Farbe",             "FellFarbe;Name"),
            }},

        TableDef{"STAMMZUSATZ.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Tier"),
                floating("Gebgewicht"),
                floating("Abggewicht"),
                string("Kieferfehler", 12),
                string("Bruch", 21),
                string("Hoden", 24),
                string("WeitereFehler", 100),
            },
            {
                primary("LaufendeNummer"),
                index("TierIdx", "Tier;LaufendeNummer"),
            }},

        TableDef{"STAMMZUSATZ1.DB",
            {
                autoInc("LaufendeNr"),
                integer("Hund"),
                smallInt("HF"),
                smallInt("W"),
                smallInt("HS"),
                smallInt("WR"),
            },
            {
                primary("LaufendeNr"),
                index("Hund", "Hund"),
            }},

        TableDef{"BILDER.DB",
            {
                autoInc("LaufendeNr"),
                integer("KatzeNr"),
                string("Bildpfad", 150),
                memo("BildMemo1", 240),
                memo("BildMemo2", 240),
            },
            {
                primary("LaufendeNr"),
                index("IndexKatzeNr", "KatzeNr;LaufendeNr"),
            }},

        TableDef{"DOKUMENTE.DB",
            {
                autoInc("LaufendeNr"),
                integer("KatzeNr"),
                date("DokDatum"),
                string("DokTxt", 200),
                string("DokPfad", 255),
            },
            {
                primary("LaufendeNr"),
                index("IndexKatzeNr", "KatzeNr;DokDatum"),
            }},

        TableDef{"EIGENEINFO.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Katze"),
                memo("Info"),
            },
            {
                primary("LaufendeNummer"),
                index("Katze", "Katze"),
            }},

        TableDef{"IMPFUNG.DB",
            {
                autoInc("LaufendeNr"),
                integer("Katze"),
                date("Datum"),
                string("Impfung", 40),
                date("NeuAm"),
            },
            {
                primary("LaufendeNr"),
                index("ImpfungKatze",  "Katze;Datum"),
                index("NeuAmKatzeIdx", "NeuAm;Katze"),
            }},

        TableDef{"WURMKUR.DB",
            {
                autoInc("LaufendeNr"),
                integer("Katze"),
                date("Datum"),
                string("Medikament", 40),
                date("Naechste"),
            },
            {
                primary("LaufendeNr"),
                index("KatzeDatum",       "Katze;Datum"),
                index("NaechsteKatzeIdx", "Naechste;Katze"),
            }},

        TableDef{"KRBLATT.DB",
            {
                autoInc("LaufendeNr"),
                integer("Katze"),
                date("Datum1"),
                date("Datum2"),
                date("Datum3"),
                date("Datum4"),
                memo("Text1"),
                memo("Text2"),
                memo("Text3"),
                memo("Text4"),
            },
            {
                primary("LaufendeNr"),
                index("Krankenblatt", "Katze;Datum1"),
            }},

        TableDef{"ARZTBES.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Katze"),
                date("Datum"),
                string("Arzt", 40),
                memo("Wegen", 100),
                memo("Befund", 100),
            },
            {
                primary("LaufendeNummer"),
                index("KatzeDatum", "Katze;Datum"),
            }},

        TableDef{"SCHWANG.DB",
            {
                autoInc("LaufendeNr"),
                integer("Katze"),
                date("Datum"),
                memo("Text1", 100),
                memo("Text2", 100),
            },
            {
                primary("LaufendeNr"),
                index("KatzeDatum", "Katze;Datum"),
            }},

        // The cat record window creates this table itself when it cannot be opened.
        TableDef{"LAEUFIGKEIT.DB",
            {
                autoInc("LaufendeNummer", Required),
                integer("Katze"),
                timestamp("Datum"),
            },
            {
                primary("LaufendeNummer"),
                index("Katze", "Katze;LaufendeNummer"),
            }},

        TableDef{"GEWICHT.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Katze"),
                date("Datum"),
                floating("Gewicht"),
                floating("Grösse"),
            },
            {
                primary("LaufendeNummer"),
                index("KatzeDatum", "Katze;Datum"),
            }},

        TableDef{"JUNGTIER.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Mutterkatze"),
                date("Wurfdatum"),
                date("Wiegedatum"),
                string("Katze1", 20),
                string("Katze2", 20),
                string("Katze3", 20),
                string("Katze4", 20),
                string("Katze5", 20),
                string("Katze6", 20),
                string("Katze7", 20),
                string("Katze8", 20),
                string("Katze9", 20),
                string("Katze10", 20),
            },
            {
                primary("LaufendeNummer"),
                index("MutterkatzeDatum", "Mutterkatze;Wurfdatum;Wiegedatum"),
            }},

        TableDef{"WURFBUCH.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Katze"),
                integer("Kater"),
                date("BeginnRollig"),
                date("Decktermin"),
                date("Decktermin2"),
                date("Wurftag"),
                string("Wurfbez", 10),
                string("Wurfstaerke", 5),
                string("Totgeboren", 5),
                string("Verendet", 5),
                string("Ammenaufzucht", 5),
                string("Eingeschlaefert", 5),
                string("Verblieben", 5),
                string("Endabnahme", 5),
                memo("Verfassung", 240),
                date("Besichtam"),
                string("Besichtvon", 40),
                date("Abnahmeam"),
                string("Abnahmevon", 40),
                memo("Bemerkung", 100),
                boolean("Kennzeichen"),
            },
            {
                primary("LaufendeNummer"),
                index("KaterKatzeWurftag", "Kater;Katze;Wurftag"),
                index("KatzeIdx",          "Katze;Decktermin;LaufendeNummer"),
                index("KatzeKaterWurftag", "Katze;Kater;Wurftag"),
            }},

        TableDef{"DECKBUCH.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Kater"),
                integer("Katze"),
                date("Decktermin"),
                string("Erfolge", 20),
                memo("Bemerkung", 100),
                date("Wurftag"),
            },
            {
                primary("LaufendeNummer"),
                index("KaterDecktermin", "Kater;Decktermin"),
            }},

        TableDef{"VERKAUFT.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Katze"),
                date("Gekauftam"),
                currency("Preisgekauft"),
                date("Verkauftam"),
                currency("Preisverkauft"),
            },
            {
                primary("LaufendeNummer"),
                index("KatzeIdx", "Katze;LaufendeNummer"),
            }},

        TableDef{"KATZEMERKMAL.DB",
            {
                autoInc("LaufendeNummer", Required),
                integer("Katze", Required),
                integer("Merkmal", Required),
                boolean("Kennzeichen"),
            },
            {
                primary("LaufendeNummer"),
                index("Katze", "Katze"),
            }},

        TableDef{"TITELHUND.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Hund"),
                integer("Titel"),
            },
            {
                primary("LaufendeNummer"),
                index("HundTitel", "Hund;Titel"),
            }},

        TableDef{"ZUCHTWERT.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Hund"),
                memo("Wesen"),
                smallInt("WesenPunkte"),
                memo("Gesundheit"),
                smallInt("GesundheitPunkte"),
                memo("Exterieur"),
                smallInt("ExterieurPunkte"),
                memo("Weiteres"),
                smallInt("WeiteresPunkte"),
            },
            {
                primary("LaufendeNummer"),
                index("Hund", "Hund"),
            }},

        // Created by the global data module when its file is missing.
        TableDef{"BEWERT.DB",
            {
                autoInc("LaufendeNr", Required),
                integer("Katze"),
                memo("Bewertung", 50),
            },
            {
                primary("LaufendeNr"),
                index("KatzeIDX", "Katze;LaufendeNr"),
            }},

        TableDef{"KAUSSTEL.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Katze"),
                date("Datum"),
                string("Ausstellungsort", 30),
                string("Verein", 30),
                string("Richter", 20),
                string("Bewertung", 40),
            },
            {
                primary("LaufendeNummer"),
                index("KatzeDatum", "Katze;Datum"),
            }},

        TableDef{"CFA.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Katze"),
                date("Datum"),
                string("Vereinsname", 40),
                string("Richter", 30),
                string("ABorSP", 2),
                string("CatEntryNr", 6),
                string("Ringergebnis", 7),
                string("DivisionErgebnis", 20),
                floating("GrandPunkte"),
                floating("ShowPunkte"),
                string("Anmerkung", 50),
            },
            {
                primary("LaufendeNummer"),
                index("Katze", "Katze"),
            }},

        TableDef{"CFATICA.DB",
            {
                autoInc("LaufendeNummer"),
                integer("Katze"),
                date("Datum"),
                string("Vereinsname", 40),
                string("Richter", 30),
                string("ABorSP", 2),
                string("CatEntryNr", 6),
                smallInt("BOC"),
                smallInt("BOD"),
                smallInt("Finale"),
            },
            {
                primary("LaufendeNummer"),
                index("Katze", "Katze"),
            }},

        TableDef{"TOPKATZE.DB",
            {
                autoInc("LaufendeNummer", Required),
                integer("Katze"),
                integer("Farbe"),
            },
            {
                primary("LaufendeNummer"),
                index("Katze", "Katze"),
            }},
        // clang-format on
    };
}

} // namespace tav::store
