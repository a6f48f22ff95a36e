#pragma once

// Names of the tables declared in TableDefs_register.cpp: per table its file, fields, indexes.

#include "store/SchemaName.h"

namespace tav::store {
// inline: `using namespace tav::store::namen;` brings the table namespaces, and nothing else, into scope
inline namespace namen {

namespace catstamm {
inline constexpr SchemaName Datei{u"CATSTAMM.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Name{u"Name"};
inline constexpr SchemaName Zwinger{u"Zwinger"};
inline constexpr SchemaName Rufname{u"Rufname"};
inline constexpr SchemaName Geschlecht{u"Geschlecht"};
inline constexpr SchemaName GebDatum{u"GebDatum"};
inline constexpr SchemaName Toddatum{u"Toddatum"};
inline constexpr SchemaName Rasse{u"Rasse"};
inline constexpr SchemaName FellFarbe{u"FellFarbe"};
inline constexpr SchemaName Augenfarbe{u"Augenfarbe"};
inline constexpr SchemaName Fellart{u"Fellart"};
inline constexpr SchemaName GenoTyp{u"GenoTyp"};
inline constexpr SchemaName Gencode{u"Gencode"};
inline constexpr SchemaName Agouti{u"Agouti"};
inline constexpr SchemaName Verduennung{u"Verduennung"};
inline constexpr SchemaName Vater{u"Vater"};
inline constexpr SchemaName Mutter{u"Mutter"};
inline constexpr SchemaName Zuechter{u"Züchter"};
inline constexpr SchemaName Besitzer{u"Besitzer"};
inline constexpr SchemaName Status{u"Status"};
inline constexpr SchemaName Zuchtbuchnummer1{u"Zuchtbuchnummer1"};
inline constexpr SchemaName Zuchtbuchnummer2{u"Zuchtbuchnummer2"};
inline constexpr SchemaName Zuchtbuchnummer3{u"Zuchtbuchnummer3"};
inline constexpr SchemaName AndereRegistrierung{u"AndereRegistrierung"};
inline constexpr SchemaName TitelGer1{u"TitelGer1"};
inline constexpr SchemaName TitelGer2{u"TitelGer2"};
inline constexpr SchemaName TitelUSA1{u"TitelUSA1"};
inline constexpr SchemaName TitelUSA2{u"TitelUSA2"};
inline constexpr SchemaName TitelUSA3{u"TitelUSA3"};
inline constexpr SchemaName TitelUSA4{u"TitelUSA4"};
inline constexpr SchemaName ChipNr{u"ChipNr"};
inline constexpr SchemaName TaetoNr{u"TaetoNr"};
inline constexpr SchemaName Tests{u"Tests"};
inline constexpr SchemaName Blutgruppe{u"Blutgruppe"};
inline constexpr SchemaName Rute{u"Rute"};
inline constexpr SchemaName Wurfzahl{u"Wurfzahl"};
inline constexpr SchemaName Bemerkung{u"Bemerkung"};
inline constexpr SchemaName zzlDatum{u"zzlDatum"};
inline constexpr SchemaName Groesse{u"Groesse"};
inline constexpr SchemaName Gewicht{u"Gewicht"};
inline constexpr SchemaName Feld1{u"Feld1"};
inline constexpr SchemaName Feld2{u"Feld2"};
inline constexpr SchemaName Feld3{u"Feld3"};
inline constexpr SchemaName NameDB{u"NameDB"};
inline constexpr SchemaName IDCode{u"IDCode"};
namespace idx {
inline constexpr SchemaName IDXMutterGebDatum{u"IDXMutterGebDatum"};
inline constexpr SchemaName Nameidx{u"Nameidx"};
inline constexpr SchemaName RasseName{u"RasseName"};
inline constexpr SchemaName Rufnaidx{u"Rufnaidx"};
inline constexpr SchemaName StatusName{u"StatusName"};
inline constexpr SchemaName ZwinName{u"ZwinName"};
inline constexpr SchemaName IdxMutter{u"IdxMutter"};
inline constexpr SchemaName IdxVater{u"IdxVater"};
inline constexpr SchemaName NameDB{u"NameDB"};
inline constexpr SchemaName Zuchtbuchnummer1{u"Zuchtbuchnummer1"};
inline constexpr SchemaName Zuchtbuchnummer2{u"Zuchtbuchnummer2"};
inline constexpr SchemaName Zuchtbuchnummer3{u"Zuchtbuchnummer3"};
inline constexpr SchemaName GebDatum{u"GebDatum"};
inline constexpr SchemaName Farbe{u"Farbe"};
} // namespace idx
} // namespace catstamm

namespace stammzusatz {
inline constexpr SchemaName Datei{u"STAMMZUSATZ.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Tier{u"Tier"};
inline constexpr SchemaName Gebgewicht{u"Gebgewicht"};
inline constexpr SchemaName Abggewicht{u"Abggewicht"};
inline constexpr SchemaName Kieferfehler{u"Kieferfehler"};
inline constexpr SchemaName Bruch{u"Bruch"};
inline constexpr SchemaName Hoden{u"Hoden"};
inline constexpr SchemaName WeitereFehler{u"WeitereFehler"};
namespace idx {
inline constexpr SchemaName TierIdx{u"TierIdx"};
} // namespace idx
} // namespace stammzusatz

namespace stammzusatz1 {
inline constexpr SchemaName Datei{u"STAMMZUSATZ1.DB"};
inline constexpr SchemaName LaufendeNr{u"LaufendeNr"};
inline constexpr SchemaName Hund{u"Hund"};
inline constexpr SchemaName HF{u"HF"};
inline constexpr SchemaName W{u"W"};
inline constexpr SchemaName HS{u"HS"};
inline constexpr SchemaName WR{u"WR"};
namespace idx {
inline constexpr SchemaName Hund{u"Hund"};
} // namespace idx
} // namespace stammzusatz1

namespace bilder {
inline constexpr SchemaName Datei{u"BILDER.DB"};
inline constexpr SchemaName LaufendeNr{u"LaufendeNr"};
inline constexpr SchemaName KatzeNr{u"KatzeNr"};
inline constexpr SchemaName Bildpfad{u"Bildpfad"};
inline constexpr SchemaName BildMemo1{u"BildMemo1"};
inline constexpr SchemaName BildMemo2{u"BildMemo2"};
namespace idx {
inline constexpr SchemaName IndexKatzeNr{u"IndexKatzeNr"};
} // namespace idx
} // namespace bilder

namespace dokumente {
inline constexpr SchemaName Datei{u"DOKUMENTE.DB"};
inline constexpr SchemaName LaufendeNr{u"LaufendeNr"};
inline constexpr SchemaName KatzeNr{u"KatzeNr"};
inline constexpr SchemaName DokDatum{u"DokDatum"};
inline constexpr SchemaName DokTxt{u"DokTxt"};
inline constexpr SchemaName DokPfad{u"DokPfad"};
namespace idx {
inline constexpr SchemaName IndexKatzeNr{u"IndexKatzeNr"};
} // namespace idx
} // namespace dokumente

namespace eigeneinfo {
inline constexpr SchemaName Datei{u"EIGENEINFO.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Info{u"Info"};
namespace idx {
inline constexpr SchemaName Katze{u"Katze"};
} // namespace idx
} // namespace eigeneinfo

namespace impfung {
inline constexpr SchemaName Datei{u"IMPFUNG.DB"};
inline constexpr SchemaName LaufendeNr{u"LaufendeNr"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Datum{u"Datum"};
inline constexpr SchemaName Impfung{u"Impfung"};
inline constexpr SchemaName NeuAm{u"NeuAm"};
namespace idx {
inline constexpr SchemaName ImpfungKatze{u"ImpfungKatze"};
inline constexpr SchemaName NeuAmKatzeIdx{u"NeuAmKatzeIdx"};
} // namespace idx
} // namespace impfung

namespace wurmkur {
inline constexpr SchemaName Datei{u"WURMKUR.DB"};
inline constexpr SchemaName LaufendeNr{u"LaufendeNr"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Datum{u"Datum"};
inline constexpr SchemaName Medikament{u"Medikament"};
inline constexpr SchemaName Naechste{u"Naechste"};
namespace idx {
inline constexpr SchemaName KatzeDatum{u"KatzeDatum"};
inline constexpr SchemaName NaechsteKatzeIdx{u"NaechsteKatzeIdx"};
} // namespace idx
} // namespace wurmkur

namespace krblatt {
inline constexpr SchemaName Datei{u"KRBLATT.DB"};
inline constexpr SchemaName LaufendeNr{u"LaufendeNr"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Datum1{u"Datum1"};
inline constexpr SchemaName Datum2{u"Datum2"};
inline constexpr SchemaName Datum3{u"Datum3"};
inline constexpr SchemaName Datum4{u"Datum4"};
inline constexpr SchemaName Text1{u"Text1"};
inline constexpr SchemaName Text2{u"Text2"};
inline constexpr SchemaName Text3{u"Text3"};
inline constexpr SchemaName Text4{u"Text4"};
namespace idx {
inline constexpr SchemaName Krankenblatt{u"Krankenblatt"};
} // namespace idx
} // namespace krblatt

namespace arztbes {
inline constexpr SchemaName Datei{u"ARZTBES.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Datum{u"Datum"};
inline constexpr SchemaName Arzt{u"Arzt"};
inline constexpr SchemaName Wegen{u"Wegen"};
inline constexpr SchemaName Befund{u"Befund"};
namespace idx {
inline constexpr SchemaName KatzeDatum{u"KatzeDatum"};
} // namespace idx
} // namespace arztbes

namespace schwang {
inline constexpr SchemaName Datei{u"SCHWANG.DB"};
inline constexpr SchemaName LaufendeNr{u"LaufendeNr"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Datum{u"Datum"};
inline constexpr SchemaName Text1{u"Text1"};
inline constexpr SchemaName Text2{u"Text2"};
namespace idx {
inline constexpr SchemaName KatzeDatum{u"KatzeDatum"};
} // namespace idx
} // namespace schwang

namespace laeufigkeit {
inline constexpr SchemaName Datei{u"LAEUFIGKEIT.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Datum{u"Datum"};
namespace idx {
inline constexpr SchemaName Katze{u"Katze"};
} // namespace idx
} // namespace laeufigkeit

namespace gewicht {
inline constexpr SchemaName Datei{u"GEWICHT.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Datum{u"Datum"};
inline constexpr SchemaName Gewicht{u"Gewicht"};
inline constexpr SchemaName Groesse{u"Grösse"};
namespace idx {
inline constexpr SchemaName KatzeDatum{u"KatzeDatum"};
} // namespace idx
} // namespace gewicht

namespace jungtier {
inline constexpr SchemaName Datei{u"JUNGTIER.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Mutterkatze{u"Mutterkatze"};
inline constexpr SchemaName Wurfdatum{u"Wurfdatum"};
inline constexpr SchemaName Wiegedatum{u"Wiegedatum"};
inline constexpr SchemaName Katze1{u"Katze1"};
inline constexpr SchemaName Katze2{u"Katze2"};
inline constexpr SchemaName Katze3{u"Katze3"};
inline constexpr SchemaName Katze4{u"Katze4"};
inline constexpr SchemaName Katze5{u"Katze5"};
inline constexpr SchemaName Katze6{u"Katze6"};
inline constexpr SchemaName Katze7{u"Katze7"};
inline constexpr SchemaName Katze8{u"Katze8"};
inline constexpr SchemaName Katze9{u"Katze9"};
inline constexpr SchemaName Katze10{u"Katze10"};
namespace idx {
inline constexpr SchemaName MutterkatzeDatum{u"MutterkatzeDatum"};
} // namespace idx
} // namespace jungtier

namespace wurfbuch {
inline constexpr SchemaName Datei{u"WURFBUCH.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Kater{u"Kater"};
inline constexpr SchemaName BeginnRollig{u"BeginnRollig"};
inline constexpr SchemaName Decktermin{u"Decktermin"};
inline constexpr SchemaName Decktermin2{u"Decktermin2"};
inline constexpr SchemaName Wurftag{u"Wurftag"};
inline constexpr SchemaName Wurfbez{u"Wurfbez"};
inline constexpr SchemaName Wurfstaerke{u"Wurfstaerke"};
inline constexpr SchemaName Totgeboren{u"Totgeboren"};
inline constexpr SchemaName Verendet{u"Verendet"};
inline constexpr SchemaName Ammenaufzucht{u"Ammenaufzucht"};
inline constexpr SchemaName Eingeschlaefert{u"Eingeschlaefert"};
inline constexpr SchemaName Verblieben{u"Verblieben"};
inline constexpr SchemaName Endabnahme{u"Endabnahme"};
inline constexpr SchemaName Verfassung{u"Verfassung"};
inline constexpr SchemaName Besichtam{u"Besichtam"};
inline constexpr SchemaName Besichtvon{u"Besichtvon"};
inline constexpr SchemaName Abnahmeam{u"Abnahmeam"};
inline constexpr SchemaName Abnahmevon{u"Abnahmevon"};
inline constexpr SchemaName Bemerkung{u"Bemerkung"};
inline constexpr SchemaName Kennzeichen{u"Kennzeichen"};
namespace idx {
inline constexpr SchemaName KaterKatzeWurftag{u"KaterKatzeWurftag"};
inline constexpr SchemaName KatzeIdx{u"KatzeIdx"};
inline constexpr SchemaName KatzeKaterWurftag{u"KatzeKaterWurftag"};
} // namespace idx
} // namespace wurfbuch

namespace deckbuch {
inline constexpr SchemaName Datei{u"DECKBUCH.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Kater{u"Kater"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Decktermin{u"Decktermin"};
inline constexpr SchemaName Erfolge{u"Erfolge"};
inline constexpr SchemaName Bemerkung{u"Bemerkung"};
inline constexpr SchemaName Wurftag{u"Wurftag"};
namespace idx {
inline constexpr SchemaName KaterDecktermin{u"KaterDecktermin"};
} // namespace idx
} // namespace deckbuch

namespace verkauft {
inline constexpr SchemaName Datei{u"VERKAUFT.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Gekauftam{u"Gekauftam"};
inline constexpr SchemaName Preisgekauft{u"Preisgekauft"};
inline constexpr SchemaName Verkauftam{u"Verkauftam"};
inline constexpr SchemaName Preisverkauft{u"Preisverkauft"};
namespace idx {
inline constexpr SchemaName KatzeIdx{u"KatzeIdx"};
} // namespace idx
} // namespace verkauft

namespace katzemerkmal {
inline constexpr SchemaName Datei{u"KATZEMERKMAL.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Merkmal{u"Merkmal"};
inline constexpr SchemaName Kennzeichen{u"Kennzeichen"};
namespace idx {
inline constexpr SchemaName Katze{u"Katze"};
} // namespace idx
} // namespace katzemerkmal

namespace titelhund {
inline constexpr SchemaName Datei{u"TITELHUND.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Hund{u"Hund"};
inline constexpr SchemaName Titel{u"Titel"};
namespace idx {
inline constexpr SchemaName HundTitel{u"HundTitel"};
} // namespace idx
} // namespace titelhund

namespace zuchtwert {
inline constexpr SchemaName Datei{u"ZUCHTWERT.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Hund{u"Hund"};
inline constexpr SchemaName Wesen{u"Wesen"};
inline constexpr SchemaName WesenPunkte{u"WesenPunkte"};
inline constexpr SchemaName Gesundheit{u"Gesundheit"};
inline constexpr SchemaName GesundheitPunkte{u"GesundheitPunkte"};
inline constexpr SchemaName Exterieur{u"Exterieur"};
inline constexpr SchemaName ExterieurPunkte{u"ExterieurPunkte"};
inline constexpr SchemaName Weiteres{u"Weiteres"};
inline constexpr SchemaName WeiteresPunkte{u"WeiteresPunkte"};
namespace idx {
inline constexpr SchemaName Hund{u"Hund"};
} // namespace idx
} // namespace zuchtwert

namespace bewert {
inline constexpr SchemaName Datei{u"BEWERT.DB"};
inline constexpr SchemaName LaufendeNr{u"LaufendeNr"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Bewertung{u"Bewertung"};
namespace idx {
inline constexpr SchemaName KatzeIDX{u"KatzeIDX"};
} // namespace idx
} // namespace bewert

namespace kausstel {
inline constexpr SchemaName Datei{u"KAUSSTEL.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Datum{u"Datum"};
inline constexpr SchemaName Ausstellungsort{u"Ausstellungsort"};
inline constexpr SchemaName Verein{u"Verein"};
inline constexpr SchemaName Richter{u"Richter"};
inline constexpr SchemaName Bewertung{u"Bewertung"};
namespace idx {
inline constexpr SchemaName KatzeDatum{u"KatzeDatum"};
} // namespace idx
} // namespace kausstel

namespace cfa {
inline constexpr SchemaName Datei{u"CFA.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Datum{u"Datum"};
inline constexpr SchemaName Vereinsname{u"Vereinsname"};
inline constexpr SchemaName Richter{u"Richter"};
inline constexpr SchemaName ABorSP{u"ABorSP"};
inline constexpr SchemaName CatEntryNr{u"CatEntryNr"};
inline constexpr SchemaName Ringergebnis{u"Ringergebnis"};
inline constexpr SchemaName DivisionErgebnis{u"DivisionErgebnis"};
inline constexpr SchemaName GrandPunkte{u"GrandPunkte"};
inline constexpr SchemaName ShowPunkte{u"ShowPunkte"};
inline constexpr SchemaName Anmerkung{u"Anmerkung"};
namespace idx {
inline constexpr SchemaName Katze{u"Katze"};
} // namespace idx
} // namespace cfa

namespace cfatica {
inline constexpr SchemaName Datei{u"CFATICA.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Datum{u"Datum"};
inline constexpr SchemaName Vereinsname{u"Vereinsname"};
inline constexpr SchemaName Richter{u"Richter"};
inline constexpr SchemaName ABorSP{u"ABorSP"};
inline constexpr SchemaName CatEntryNr{u"CatEntryNr"};
inline constexpr SchemaName BOC{u"BOC"};
inline constexpr SchemaName BOD{u"BOD"};
inline constexpr SchemaName Finale{u"Finale"};
namespace idx {
inline constexpr SchemaName Katze{u"Katze"};
} // namespace idx
} // namespace cfatica

namespace topkatze {
inline constexpr SchemaName Datei{u"TOPKATZE.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Katze{u"Katze"};
inline constexpr SchemaName Farbe{u"Farbe"};
namespace idx {
inline constexpr SchemaName Katze{u"Katze"};
} // namespace idx
} // namespace topkatze

} // namespace namen
} // namespace tav::store
