#pragma once

// Names of the tables declared in TableDefs_reference.cpp: per table its file, fields, indexes.

#include "store/SchemaName.h"

namespace tav::store {
// inline: `using namespace tav::store::namen;` brings the table namespaces, and nothing else, into scope
inline namespace namen {

namespace rasse {
inline constexpr SchemaName Datei{u"RASSE.DB"};
inline constexpr SchemaName RCode{u"RCode"};
inline constexpr SchemaName RName{u"RName"};
inline constexpr SchemaName RKurzname{u"RKurzname"};
inline constexpr SchemaName RNameEng{u"RNameEng"};
inline constexpr SchemaName Haarart{u"Haarart"};
inline constexpr SchemaName Haarlos{u"Haarlos"};
inline constexpr SchemaName Faltohr{u"Faltohr"};
namespace idx {
inline constexpr SchemaName RasseName{u"RasseName"};
inline constexpr SchemaName RKurznameRCode{u"RKurznameRCode"};
} // namespace idx
} // namespace rasse

namespace rasseergaenzen {
inline constexpr SchemaName Datei{u"RasseErgaenzen.db"};
inline constexpr SchemaName RName{u"RName"};
inline constexpr SchemaName Haarart{u"Haarart"};
inline constexpr SchemaName Haarlos{u"Haarlos"};
inline constexpr SchemaName Faltohr{u"Faltohr"};
namespace idx {
inline constexpr SchemaName RasseName{u"RasseName"};
} // namespace idx
} // namespace rasseergaenzen

namespace farbe {
inline constexpr SchemaName Datei{u"FARBE.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Farbnummer{u"Farbnummer"};
inline constexpr SchemaName Farbname{u"Farbname"};
inline constexpr SchemaName Rasseinfo{u"Rasseinfo"};
namespace idx {
inline constexpr SchemaName FarbnameIndex{u"FarbnameIndex"};
inline constexpr SchemaName FarbnummerLaufendeNummer{u"FarbnummerLaufendeNummer"};
} // namespace idx
} // namespace farbe

namespace farbegen {
inline constexpr SchemaName Datei{u"FARBEGEN.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Farbcode{u"Farbcode"};
inline constexpr SchemaName Farbname{u"Farbname"};
inline constexpr SchemaName Gencode{u"Gencode"};
inline constexpr SchemaName Genkatze{u"Genkatze"};
inline constexpr SchemaName Genkater{u"Genkater"};
inline constexpr SchemaName GGen{u"GGen"};
inline constexpr SchemaName Gen1{u"Gen1"};
inline constexpr SchemaName Gen2{u"Gen2"};
inline constexpr SchemaName Gen3{u"Gen3"};
inline constexpr SchemaName Gen4{u"Gen4"};
namespace idx {
inline constexpr SchemaName FarbNameIndex{u"FarbNameIndex"};
inline constexpr SchemaName Gencode{u"Gencode"};
inline constexpr SchemaName GencodeKater{u"GencodeKater"};
inline constexpr SchemaName GencodeKatze{u"GencodeKatze"};
} // namespace idx
} // namespace farbegen

namespace augen {
inline constexpr SchemaName Datei{u"AUGEN.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Augenfarbe{u"Augenfarbe"};
inline constexpr SchemaName AugenfarbeEng{u"AugenfarbeEng"};
namespace idx {
inline constexpr SchemaName Augenfarbeidx{u"Augenfarbeidx"};
} // namespace idx
} // namespace augen

namespace fellart {
inline constexpr SchemaName Datei{u"FELLART.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Bezeichnung{u"Bezeichnung"};
} // namespace fellart

namespace status {
inline constexpr SchemaName Datei{u"STATUS.DB"};
inline constexpr SchemaName Nummer{u"Nummer"};
inline constexpr SchemaName Status{u"Status"};
namespace idx {
inline constexpr SchemaName Name{u"Name"};
} // namespace idx
} // namespace status

namespace titelbez {
inline constexpr SchemaName Datei{u"TITELBEZ.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Sortierung{u"Sortierung"};
inline constexpr SchemaName Titel{u"Titel"};
inline constexpr SchemaName Kuerzel{u"Kuerzel"};
namespace idx {
inline constexpr SchemaName Kuerzel{u"Kuerzel"};
inline constexpr SchemaName Sortierung{u"Sortierung"};
inline constexpr SchemaName Titel{u"Titel"};
} // namespace idx
} // namespace titelbez

namespace merkmale {
inline constexpr SchemaName Datei{u"MERKMALE.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Bezeichnung{u"Bezeichnung"};
inline constexpr SchemaName farbe{u"farbe"};
inline constexpr SchemaName Kuerzel{u"Kuerzel"};
namespace idx {
inline constexpr SchemaName Bezeichnung{u"Bezeichnung"};
} // namespace idx
} // namespace merkmale

namespace stbfarbe {
inline constexpr SchemaName Datei{u"STBFARBE.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName farbe{u"farbe"};
} // namespace stbfarbe

namespace katzname {
inline constexpr SchemaName Datei{u"KATZNAME.DB"};
inline constexpr SchemaName Laufendenummer{u"Laufendenummer"};
inline constexpr SchemaName Name{u"Name"};
inline constexpr SchemaName Info{u"Info"};
namespace idx {
inline constexpr SchemaName NameIdx{u"NameIdx"};
} // namespace idx
} // namespace katzname

namespace sprache {
inline constexpr SchemaName Datei{u"SPRACHE.DB"};
inline constexpr SchemaName Nummer{u"Nummer"};
inline constexpr SchemaName FeldName{u"FeldName"};
inline constexpr SchemaName FeldHilfe{u"FeldHilfe"};
} // namespace sprache

namespace sprmel {
inline constexpr SchemaName Datei{u"SPRMEL.DB"};
inline constexpr SchemaName Nummer{u"Nummer"};
inline constexpr SchemaName Meldung{u"Meldung"};
} // namespace sprmel

namespace tmp {
inline constexpr SchemaName Datei{u"TMP.DB"};
inline constexpr SchemaName Rasse{u"Rasse"};
} // namespace tmp

} // namespace namen
} // namespace tav::store
