#include "store/Namen_reference.h"
#include "store/TableDefsParts.h"

namespace tav::store {

QVector<TableDef> referenceTables()
{
    using namespace def;
    return {
        // clang-format off
        TableDef{rasse::Datei,
            {
                autoInc(rasse::RCode),
                string(rasse::RName, 30),
                string(rasse::RKurzname, 10),
                string(rasse::RNameEng, 30),
                string(rasse::Haarart, 1),
                string(rasse::Haarlos, 1),
                string(rasse::Faltohr, 1),
            },
            {
                primary("RCode"),
                index(rasse::idx::RasseName,      "RName;RCode"),
                index(rasse::idx::RKurznameRCode, "RKurzname;Rcode"),
            }},

        // Delivered list of hair marks, looked up by breed name.
        TableDef{rasseergaenzen::Datei,
            {
                string(rasseergaenzen::RName, 30),
                string(rasseergaenzen::Haarart, 1),
                string(rasseergaenzen::Haarlos, 1),
                string(rasseergaenzen::Faltohr, 1),
            },
            {
                index(rasseergaenzen::idx::RasseName, "RName"),
            }},

        TableDef{farbe::Datei,
            {
                autoInc(farbe::LaufendeNummer),
                string(farbe::Farbnummer, 15),
                string(farbe::Farbname, 60),
                string(farbe::Rasseinfo, 10),
            },
            {
                primary("LaufendeNummer"),
                index(farbe::idx::FarbnameIndex,            "Farbname;LaufendeNummer"),
                index(farbe::idx::FarbnummerLaufendeNummer, "Farbnummer;LaufendeNummer"),
            }},

        TableDef{farbegen::Datei,
            {
                autoInc(farbegen::LaufendeNummer),
                string(farbegen::Farbcode, 15),
                string(farbegen::Farbname, 60),
                string(farbegen::Gencode, 40),
                string(farbegen::Genkatze, 6),
                string(farbegen::Genkater, 6),
                string(farbegen::GGen, 4),
                string(farbegen::Gen1, 4),
                string(farbegen::Gen2, 4),
                string(farbegen::Gen3, 4),
                string(farbegen::Gen4, 4),
            },
            {
                primary("LaufendeNummer"),
                index(farbegen::idx::FarbNameIndex, "Farbname;LaufendeNummer"),
                index(farbegen::idx::Gencode,       "Gencode"),
                index(farbegen::idx::GencodeKater,  "Gencode;Genkater;GGen;Gen1"),
                index(farbegen::idx::GencodeKatze,  "Gencode;Genkatze;GGen;Gen1"),
            }},

        TableDef{augen::Datei,
            {
                autoInc(augen::LaufendeNummer),
                string(augen::Augenfarbe, 40),
                string(augen::AugenfarbeEng, 40),
            },
            {
                primary("LaufendeNummer"),
                index(augen::idx::Augenfarbeidx, "Augenfarbe;LaufendeNummer"),
            }},

        TableDef{fellart::Datei,
            {
                autoInc(fellart::LaufendeNummer),
                string(fellart::Bezeichnung, 20),
            },
            {
                primary("LaufendeNummer"),
            }},

        TableDef{status::Datei,
            {
                autoInc(status::Nummer),
                string(status::Status, 15),
            },
            {
                primary("Nummer"),
                index(status::idx::Name, "Status;Nummer"),
            }},

        TableDef{titelbez::Datei,
            {
                autoInc(titelbez::LaufendeNummer),
                smallInt(titelbez::Sortierung),
                string(titelbez::Titel, 50),
                string(titelbez::Kuerzel, 14),
            },
            {
                primary("LaufendeNummer"),
                index(titelbez::idx::Kuerzel,    "Kuerzel"),
                index(titelbez::idx::Sortierung, "Sortierung"),
                // the title window also sorts its grid by the full title
                index(titelbez::idx::Titel,      "Titel"),
            }},

        TableDef{merkmale::Datei,
            {
                autoInc(merkmale::LaufendeNummer, Required),
                string(merkmale::Bezeichnung, 30, Required),
                integer(merkmale::farbe, Required),
                string(merkmale::Kuerzel, 10),
            },
            {
                primary("LaufendeNummer"),
                index(merkmale::idx::Bezeichnung, "Bezeichnung"),
            }},

        TableDef{stbfarbe::Datei,
            {
                autoInc(stbfarbe::LaufendeNummer, Required),
                integer(stbfarbe::farbe, Required),
            },
            {
                primary("LaufendeNummer"),
            }},

        TableDef{katzname::Datei,
            {
                autoInc(katzname::Laufendenummer),
                string(katzname::Name, 50),
                string(katzname::Info, 50),
            },
            {
                primary("Laufendenummer"),
                index(katzname::idx::NameIdx, "Name;Laufendenummer"),
            }},

        TableDef{sprache::Datei,
            {
                integer(sprache::Nummer),
                string(sprache::FeldName, 40),
                string(sprache::FeldHilfe, 40),
            },
            {
                primary("Nummer"),
            }},

        TableDef{sprmel::Datei,
            {
                integer(sprmel::Nummer),
                string(sprmel::Meldung, 80),
            },
            {
                primary("Nummer"),
            }},

        // Carries the default breed of the options and breeder data windows while they are open.
        TableDef{tmp::Datei,
            {
                integer(tmp::Rasse),
            },
            {}},
        // clang-format on
    };
}

} // namespace tav::store
