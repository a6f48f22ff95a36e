#pragma once

namespace tav::store {
class Database;
class Table;
} // namespace tav::store
namespace tav::widgets {
class DataSource;
} // namespace tav::widgets

namespace tav::cats::ui {

// Caption tags of the litter data and stud-book pages (captions.tsv).
enum ZuchtTag {
    TagBeginnRollig = 4200,
    TagDecktermin,
    TagErster,
    TagZweiter,
    TagWurftag,
    TagWurftermin,
    TagKater,
    TagDeckkaterSuchen,
    TagBemerkung,
    TagWurfbez,
    TagWurfTabs = 4210, // the three tabs follow: 4211..4213
    TagWurfstaerke = 4214,
    TagTotgeboren,
    TagVerendet,
    TagAmmenaufzucht,
    TagEndabnahme,
    TagVerblieben,
    TagEingeschlaefert,
    TagVerfassung,
    TagBesichtigung,
    TagAbnahme,
    TagAm,
    TagVon,
    TagTraechtigkeitsdauer,
    TagTage,
    TagAlter,
    TagWiegedatum,
    TagZbNr,
    TagGeschl,
    TagChip,
    TagGebGew,
    TagAbgGew,
    TagKieferfehler,
    TagBruch,
    TagHoden,
    TagWeitereFehler,
    TagErfolge,
    TagKatze,
    TagGedeckteKatzeSuchen,
    TagBildNichtGefunden,
    TagWurfgeschwister,
    TagGeschwVater,
    TagGeschwMutter,
    TagUebernahme,
    TagHodenfehler,
    TagWeisse,
    TagHasenscharte,
    TagWolfsrachen,
    TagSpalteName,
    TagSpalteTitel,
    TagSpalteVater,
    TagSpalteMutter,
    TagSpalteFarbe,
    TagSpalteMerkmale,
    TagSpalteRasse,
    TagSpalteGeb,
    TagEigeneWurfdaten,
    TagSchwangerSeit = 4262,
    TagKomplikationen,
    TagKrankheiten,
    TagKaetzinTabs = 4265, // items follow: 4266, 4267
    TagRolligkeiten = 4268,
    TagNaechsteRolligkeit,
    TagPlusMinus,
    TagDurchschnitt,
    TagAbgabetermin,
    TagGewichtstabelle
};

// The breeding and health records of the cat record window, each following the cat (or the current litter)
// through a master link: what the litter data page and the stud-book page show.
struct ZuchtQuellen {
    tav::store::Database *db = nullptr;
    tav::widgets::DataSource *katze = nullptr;           // CATSTAMM.DB, the current cat
    tav::widgets::DataSource *wurfbuch = nullptr;        // WURFBUCH.DB, the queen's litters
    tav::widgets::DataSource *gewichte = nullptr;        // JUNGTIER.DB, weighings of the current litter
    tav::widgets::DataSource *jungtiere = nullptr;       // CATSTAMM.DB, kittens of the current litter
    tav::widgets::DataSource *jungtierZusatz = nullptr;  // STAMMZUSATZ.DB, the selected kitten
    tav::widgets::DataSource *deckbuch = nullptr;        // DECKBUCH.DB, the stud's matings
    tav::widgets::DataSource *schwanger = nullptr;       // SCHWANG.DB, the pregnancy log
    tav::widgets::DataSource *eigenerZusatz = nullptr;   // STAMMZUSATZ.DB, the cat's own birth data
    tav::widgets::DataSource *wurfFehler = nullptr;      // STAMMZUSATZ1.DB, defect counts of its litter
    tav::widgets::DataSource *rolligkeiten = nullptr;    // LAEUFIGKEIT.DB, a queen's heats
    tav::widgets::DataSource *gewichtstabelle = nullptr; // GEWICHT.DB, the cat's weights and sizes
    tav::widgets::DataSource *impfung = nullptr;         // IMPFUNG.DB, vaccinations
    tav::widgets::DataSource *wurmkur = nullptr;         // WURMKUR.DB, dewormings
    tav::widgets::DataSource *arztbesuch = nullptr;      // ARZTBES.DB, vet visits
    tav::widgets::DataSource *krankenblatt = nullptr;    // KRBLATT.DB, sick sheets
};

} // namespace tav::cats::ui
