#include "store/TableDefsParts.h"

namespace tav::store {

QVector<TableDef> referenceTables()
{
    using namespace def;
    return {
        // clang-format off
        TableDef{"RASSE.DB",
            {
                autoInc("RCode"),
                string("RName", 30),
                string("RKurzname", 10),
                string("RNameEng", 30),
                string("Haarart", 1),
                string("Haarlos", 1),
                string("Faltohr", 1),
            },
            {
                primary("RCode"),
                index("RasseName",      "RName;RCode"),
                index("RKurznameRCode", "RKurzname;Rcode"),
            }},

        // Delivered list of hair marks, looked up by breed name.
        TableDef{"RasseErgaenzen.db",
            {
                string("RName", 30),
                string("Haarart", 1),
                string("Haarlos", 1),
                string("Faltohr", 1),
            },
            {
                index("RasseName", "RName"),
            }},

        TableDef{"FARBE.DB",
            {
                autoInc("LaufendeNummer"),
                string("Farbnummer", 15),
                string("Farbname", 60),
                string("Rasseinfo", 10),
            },
            {
                primary("LaufendeNummer"),
                index("FarbnameIndex",            "Farbname;LaufendeNummer"),
                index("FarbnummerLaufendeNummer", "Farbnummer;LaufendeNummer"),
            }},

        TableDef{"FARBEGEN.DB",
            {
                autoInc("LaufendeNummer"),
                string("Farbcode", 15),
                string("Farbname", 60),
                string("Gencode", 40),
                string("Genkatze", 6),
                string("Genkater", 6),
                string("GGen", 4),
                string("Gen1", 4),
                string("Gen2", 4),
                string("Gen3", 4),
                string("Gen4", 4),
            },
            {
                primary("LaufendeNummer"),
                index("FarbNameIndex", "Farbname;LaufendeNummer"),
                index("Gencode",       "Gencode"),
                index("GencodeKater",  "Gencode;Genkater;GGen;Gen1"),
                index("GencodeKatze",  "Gencode;Genkatze;GGen;Gen1"),
            }},

        TableDef{"AUGEN.DB",
            {
                autoInc("LaufendeNummer"),
                string("Augenfarbe", 40),
                string("AugenfarbeEng", 40),
            },
            {
                primary("LaufendeNummer"),
                index("Augenfarbeidx", "Augenfarbe;LaufendeNummer"),
            }},

        TableDef{"FELLART.DB",
            {
                autoInc("LaufendeNummer"),
                string("Bezeichnung", 20),
            },
            {
                primary("LaufendeNummer"),
            }},

        TableDef{"STATUS.DB",
            {
                autoInc("Nummer"),
                string("Status", 15),
            },
            {
                primary("Nummer"),
                index("Name", "Status;Nummer"),
            }},

        TableDef{"TITELBEZ.DB",
            {
                autoInc("LaufendeNummer"),
                smallInt("Sortierung"),
                string("Titel", 50),
                string("Kuerzel", 14),
            },
            {
                primary("LaufendeNummer"),
                index("Kuerzel",    "Kuerzel"),
                index("Sortierung", "Sortierung"),
                // the title window also sorts its grid by the full title
                index("Titel",      "Titel"),
            }},

        TableDef{"MERKMALE.DB",
            {
                autoInc("LaufendeNummer", Required),
                string("Bezeichnung", 30, Required),
                integer("farbe", Required),
                string("Kuerzel", 10),
            },
            {
                primary("LaufendeNummer"),
                index("Bezeichnung", "Bezeichnung"),
            }},

        TableDef{"STBFARBE.DB",
            {
                autoInc("LaufendeNummer", Required),
                integer("farbe", Required),
            },
            {
                primary("LaufendeNummer"),
            }},

        TableDef{"KATZNAME.DB",
            {
                autoInc("Laufendenummer"),
                string("Name", 50),
                string("Info", 50),
            },
            {
                primary("Laufendenummer"),
                index("NameIdx", "Name;Laufendenummer"),
            }},

        TableDef{"SPRACHE.DB",
            {
                integer("Nummer"),
                string("FeldName", 40),
                string("FeldHilfe", 40),
            },
            {
                primary("Nummer"),
            }},

        TableDef{"SPRMEL.DB",
            {
                integer("Nummer"),
                string("Meldung", 80),
            },
            {
                primary("Nummer"),
            }},

        // Carries the default breed of the options and breeder data windows while they are open.
        TableDef{"TMP.DB",
            {
                integer("Rasse"),
            },
            {}},
        // clang-format on
    };
}

} // namespace tav::store
