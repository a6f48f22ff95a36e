#pragma once

// Names of the tables declared in TableDefs_work.cpp: per table its file, fields, indexes.

#include "store/SchemaName.h"

namespace tav::store {
// inline: `using namespace tav::store::namen;` brings the table namespaces, and nothing else, into scope
inline namespace namen {

namespace vorfahrenliste {
inline constexpr SchemaName Datei{u"Vorfahrenliste.db"};
inline constexpr SchemaName Nummer{u"Nummer"};
inline constexpr SchemaName Name{u"Name"};
inline constexpr SchemaName Anzahl{u"Anzahl"};
inline constexpr SchemaName Farbe{u"Farbe"};
namespace idx {
inline constexpr SchemaName IndexName{u"IndexName"};
inline constexpr SchemaName IndexAnzahl{u"IndexAnzahl"};
} // namespace idx
} // namespace vorfahrenliste

namespace inzuchtgrad {
inline constexpr SchemaName Datei{u"Inzuchtgrad.db"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Art{u"Art"};
inline constexpr SchemaName Name{u"Name"};
inline constexpr SchemaName Nummer{u"Nummer"};
inline constexpr SchemaName Vater{u"Vater"};
inline constexpr SchemaName VaterNr{u"VaterNr"};
inline constexpr SchemaName Mutter{u"Mutter"};
inline constexpr SchemaName MutterNr{u"MutterNr"};
inline constexpr SchemaName Generation{u"Generation"};
inline constexpr SchemaName Inzucht{u"Inzucht"};
inline constexpr SchemaName Prozent{u"Prozent"};
inline constexpr SchemaName Ahnenverlust{u"Ahnenverlust"};
inline constexpr SchemaName Stammbaumkomplett{u"Stammbaumkomplett"};
inline constexpr SchemaName Info{u"Info"};
namespace idx {
inline constexpr SchemaName NameGen{u"NameGen"};
} // namespace idx
} // namespace inzuchtgrad

namespace inzuchtgradvorf {
inline constexpr SchemaName Datei{u"InzuchtgradVorf.db"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Nummer{u"Nummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Name{u"Name"};
inline constexpr SchemaName Anzahl{u"Anzahl"};
inline constexpr SchemaName Farbe{u"Farbe"};
namespace idx {
inline constexpr SchemaName Nummer{u"Nummer"};
} // namespace idx
} // namespace inzuchtgradvorf

namespace inzuchtspeicherclone {
inline constexpr SchemaName Datei{u"InzuchtSpeicherClone.db"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Prozent{u"Prozent"};
inline constexpr SchemaName Name{u"Name"};
namespace idx {
inline constexpr SchemaName Katze{u"Katze"};
} // namespace idx
} // namespace inzuchtspeicherclone

namespace inzuchtgradspeicherungtopkatzen {
inline constexpr SchemaName Datei{u"InzuchtgradSpeicherungTopKatzen.db"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Nummern{u"Nummern"};
inline constexpr SchemaName Name{u"Name"};
inline constexpr SchemaName Anzahl{u"Anzahl"};
namespace idx {
inline constexpr SchemaName Katze{u"Katze"};
} // namespace idx
} // namespace inzuchtgradspeicherungtopkatzen

namespace ergebnistmp {
inline constexpr SchemaName Datei{u"ergebnisTMP.db"};
inline constexpr SchemaName Name{u"Name"};
inline constexpr SchemaName Nummer{u"Nummer"};
inline constexpr SchemaName Geschlecht{u"Geschlecht"};
inline constexpr SchemaName GebDatum{u"GebDatum"};
inline constexpr SchemaName Toddatum{u"Toddatum"};
inline constexpr SchemaName Vater{u"Vater"};
inline constexpr SchemaName Mutter{u"Mutter"};
inline constexpr SchemaName Merkmale{u"Merkmale"};
inline constexpr SchemaName Text{u"Text"};
inline constexpr SchemaName Fellfarbe{u"Fellfarbe"};
inline constexpr SchemaName MerkmFarbe{u"MerkmFarbe"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
} // namespace ergebnistmp

} // namespace namen
} // namespace tav::store
