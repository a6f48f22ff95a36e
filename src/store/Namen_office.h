#pragma once

// Names of the tables declared in TableDefs_office.cpp: per table its file, fields, indexes.

#include "store/SchemaName.h"

namespace tav::store {
// inline: `using namespace tav::store::namen;` brings the table namespaces, and nothing else, into scope
inline namespace namen {

namespace zwingreg {
inline constexpr SchemaName Datei{u"ZWINGREG.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Zwinger{u"Zwinger"};
inline constexpr SchemaName Rasse{u"Rasse"};
inline constexpr SchemaName Zuechter{u"Züchter"};
inline constexpr SchemaName Strasse{u"Strasse"};
inline constexpr SchemaName PLZ{u"PLZ"};
inline constexpr SchemaName Ort{u"Ort"};
inline constexpr SchemaName Land{u"Land"};
inline constexpr SchemaName Verein{u"Verein"};
inline constexpr SchemaName Telefon{u"Telefon"};
inline constexpr SchemaName Telefax{u"Telefax"};
inline constexpr SchemaName Handy{u"Handy"};
inline constexpr SchemaName EMail{u"EMail"};
inline constexpr SchemaName Homepage{u"Homepage"};
inline constexpr SchemaName Zuchtfarbe{u"Zuchtfarbe"};
namespace idx {
inline constexpr SchemaName IDXRasse{u"IDXRasse"};
inline constexpr SchemaName IDXZuechter{u"IDXZüchter"};
inline constexpr SchemaName OrtZwinger{u"OrtZwinger"};
inline constexpr SchemaName PLZZwinger{u"PLZZwinger"};
inline constexpr SchemaName VereinZwinger{u"VereinZwinger"};
inline constexpr SchemaName ZwingerRasse{u"ZwingerRasse"};
} // namespace idx
} // namespace zwingreg

namespace zwinginf {
inline constexpr SchemaName Datei{u"ZWINGINF.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Zwinger{u"Zwinger"};
inline constexpr SchemaName KatzeArt{u"KatzeArt"};
inline constexpr SchemaName Name{u"Name"};
inline constexpr SchemaName Memo1{u"Memo1"};
inline constexpr SchemaName Bild{u"Bild"};
namespace idx {
inline constexpr SchemaName ZwingerName{u"ZwingerName"};
} // namespace idx
} // namespace zwinginf

namespace adr_dat {
inline constexpr SchemaName Datei{u"ADR_DAT.DB"};
inline constexpr SchemaName LaufendeNr{u"LaufendeNr"};
inline constexpr SchemaName Name{u"Name"};
inline constexpr SchemaName Vorname{u"Vorname"};
inline constexpr SchemaName Anrede{u"Anrede"};
inline constexpr SchemaName Zwinger{u"Zwinger"};
inline constexpr SchemaName Strasse{u"Strasse"};
inline constexpr SchemaName Plz{u"Plz"};
inline constexpr SchemaName Ort{u"Ort"};
inline constexpr SchemaName Land{u"Land"};
inline constexpr SchemaName Telefon{u"Telefon"};
inline constexpr SchemaName Telefax{u"Telefax"};
inline constexpr SchemaName Handy{u"Handy"};
inline constexpr SchemaName email{u"email"};
inline constexpr SchemaName Homepage{u"Homepage"};
inline constexpr SchemaName Geburtstag{u"Geburtstag"};
inline constexpr SchemaName Rasse{u"Rasse"};
inline constexpr SchemaName Status{u"Status"};
inline constexpr SchemaName Bemerkung{u"Bemerkung"};
inline constexpr SchemaName Abonnent{u"Abonnent"};
inline constexpr SchemaName Eintritt{u"Eintritt"};
inline constexpr SchemaName Austritt{u"Austritt"};
inline constexpr SchemaName Gekuendigt{u"Gekuendigt"};
inline constexpr SchemaName MitgliedsNr{u"MitgliedsNr"};
inline constexpr SchemaName ZwingerNr{u"ZwingerNr"};
namespace idx {
inline constexpr SchemaName AdrName{u"AdrName"};
inline constexpr SchemaName AdrStatusName{u"AdrStatusName"};
inline constexpr SchemaName AdrZwing{u"AdrZwing"};
} // namespace idx
} // namespace adr_dat

namespace statusadressen {
inline constexpr SchemaName Datei{u"STATUSADRESSEN.DB"};
inline constexpr SchemaName Status{u"Status"};
} // namespace statusadressen

namespace bilderupload {
inline constexpr SchemaName Datei{u"BilderUpload.db"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Name{u"Name"};
inline constexpr SchemaName Filegroesse{u"Filegroesse"};
inline constexpr SchemaName Aenderungsdatum{u"Aenderungsdatum"};
namespace idx {
inline constexpr SchemaName Name{u"Name"};
} // namespace idx
} // namespace bilderupload

namespace zwingregprivat {
inline constexpr SchemaName Datei{u"ZWINGREGPRIVAT.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Zwinger{u"Zwinger"};
inline constexpr SchemaName Rasse{u"Rasse"};
inline constexpr SchemaName Zuechter{u"Züchter"};
inline constexpr SchemaName Strasse{u"Strasse"};
inline constexpr SchemaName PLZ{u"PLZ"};
inline constexpr SchemaName Ort{u"Ort"};
inline constexpr SchemaName Land{u"Land"};
inline constexpr SchemaName Zuchtfarbe{u"Zuchtfarbe"};
inline constexpr SchemaName Verein{u"Verein"};
inline constexpr SchemaName Telefon{u"Telefon"};
inline constexpr SchemaName Telefax{u"Telefax"};
inline constexpr SchemaName EMail{u"EMail"};
inline constexpr SchemaName Homepage{u"Homepage"};
inline constexpr SchemaName Handy{u"Handy"};
namespace idx {
using namespace zwingreg::idx; // the indexes of the general register
} // namespace idx
} // namespace zwingregprivat

namespace zwinginfprivat {
inline constexpr SchemaName Datei{u"ZWINGINFPRIVAT.DB"};
using namespace zwinginf; // same fields and indexes
} // namespace zwinginfprivat

namespace vereine {
inline constexpr SchemaName Datei{u"VEREINE.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Verein{u"Verein"};
inline constexpr SchemaName Strasse{u"Strasse"};
inline constexpr SchemaName Plz{u"Plz"};
inline constexpr SchemaName Ort{u"Ort"};
inline constexpr SchemaName Land{u"Land"};
inline constexpr SchemaName Telefon{u"Telefon"};
inline constexpr SchemaName Telefax{u"Telefax"};
inline constexpr SchemaName Ansprechpartner{u"Ansprechpartner"};
inline constexpr SchemaName EMail{u"EMail"};
inline constexpr SchemaName Homepage{u"Homepage"};
namespace idx {
inline constexpr SchemaName VereinIdx{u"VereinIdx"};
} // namespace idx
} // namespace vereine

namespace ausstelt {
inline constexpr SchemaName Datei{u"AUSSTELT.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Datum{u"Datum"};
inline constexpr SchemaName Datum2{u"Datum2"};
inline constexpr SchemaName Verein{u"Verein"};
inline constexpr SchemaName Strasse{u"Strasse"};
inline constexpr SchemaName Plz{u"Plz"};
inline constexpr SchemaName Ort{u"Ort"};
inline constexpr SchemaName Land{u"Land"};
inline constexpr SchemaName Info{u"Info"};
namespace idx {
inline constexpr SchemaName DatumIdx{u"DatumIdx"};
inline constexpr SchemaName OrtDatum{u"OrtDatum"};
inline constexpr SchemaName VereinDatum{u"VereinDatum"};
} // namespace idx
} // namespace ausstelt

namespace apotheke {
inline constexpr SchemaName Datei{u"APOTHEKE.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Bereich{u"Bereich"};
inline constexpr SchemaName Krankheit{u"Krankheit"};
inline constexpr SchemaName Medikament{u"Medikament"};
inline constexpr SchemaName Verfallsdatum{u"Verfallsdatum"};
inline constexpr SchemaName Info{u"Info"};
namespace idx {
inline constexpr SchemaName VerfallsdatumIdx{u"VerfallsdatumIdx"};
inline constexpr SchemaName Medikament{u"Medikament"};
inline constexpr SchemaName BereichKrankheitIdx{u"BereichKrankheitIdx"};
} // namespace idx
} // namespace apotheke

namespace konten {
inline constexpr SchemaName Datei{u"KONTEN.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Kontoart{u"Kontoart"};
inline constexpr SchemaName Name{u"Name"};
inline constexpr SchemaName Kontonummer{u"Kontonummer"};
inline constexpr SchemaName Bankleitzahl{u"Bankleitzahl"};
inline constexpr SchemaName Bankname{u"Bankname"};
inline constexpr SchemaName Eroeffnungssaldo{u"Eroeffnungssaldo"};
inline constexpr SchemaName Zum{u"Zum"};
inline constexpr SchemaName Kontostand{u"Kontostand"};
inline constexpr SchemaName Mwst{u"Mwst"};
inline constexpr SchemaName EinAus{u"EinAus"};
namespace idx {
inline constexpr SchemaName KontoartName{u"KontoartName"};
inline constexpr SchemaName Nameidx{u"Nameidx"};
} // namespace idx
} // namespace konten

namespace kontoart {
inline constexpr SchemaName Datei{u"KONTOART.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Kontoart{u"Kontoart"};
namespace idx {
inline constexpr SchemaName KontoartIdx{u"KontoartIdx"};
} // namespace idx
} // namespace kontoart

namespace mehrwert {
inline constexpr SchemaName Datei{u"MEHRWERT.DB"};
inline constexpr SchemaName LaufendeNummer{u"LaufendeNummer"};
inline constexpr SchemaName Prozent{u"Prozent"};
} // namespace mehrwert

namespace buchung {
inline constexpr SchemaName Datei{u"BUCHUNG.DB"};
inline constexpr SchemaName BuchungsNr{u"BuchungsNr"};
inline constexpr SchemaName Kontoname{u"Kontoname"};
inline constexpr SchemaName Buchungsdatum{u"Buchungsdatum"};
inline constexpr SchemaName Kategorie{u"Kategorie"};
inline constexpr SchemaName Betrag{u"Betrag"};
inline constexpr SchemaName Beschreibung{u"Beschreibung"};
inline constexpr SchemaName Gegenbuchung{u"Gegenbuchung"};
namespace idx {
inline constexpr SchemaName BuchungsdatumKontoname{u"BuchungsdatumKontoname"};
inline constexpr SchemaName Kontoname{u"Kontoname"};
} // namespace idx
} // namespace buchung

namespace eigen {
inline constexpr SchemaName Datei{u"EIGEN.DB"};
inline constexpr SchemaName Name{u"Name"};
inline constexpr SchemaName Vorname{u"Vorname"};
inline constexpr SchemaName Zwinger{u"Zwinger"};
inline constexpr SchemaName Strasse{u"Strasse"};
inline constexpr SchemaName Plz{u"Plz"};
inline constexpr SchemaName Ort{u"Ort"};
inline constexpr SchemaName land{u"land"};
inline constexpr SchemaName Telefon{u"Telefon"};
inline constexpr SchemaName Telefax{u"Telefax"};
inline constexpr SchemaName EMail{u"EMail"};
inline constexpr SchemaName Update{u"Update"};
} // namespace eigen

namespace zusatz {
inline constexpr SchemaName Datei{u"ZUSATZ.DB"};
inline constexpr SchemaName Verein{u"Verein"};
inline constexpr SchemaName Mitgliedsnummer{u"Mitgliedsnummer"};
inline constexpr SchemaName Zwingernummer{u"Zwingernummer"};
} // namespace zusatz

} // namespace namen
} // namespace tav::store
