#include "Bueroliste.h"

#include "store/Namen_office.h"
#include "store/Table.h"

using namespace tav::store::namen;

namespace tav::office {

namespace {
using Art = BueroFeld::Art;

// labels the clubs and the show dates share
constexpr int TagVerein = 6603, TagStrasse = 6604, TagPlz = 6605, TagOrt = 6606, TagLand = 6607,
              TagInfo = 6616;
} // namespace

const Bueroliste &vereinsliste()
{
    static const Bueroliste l = [] {
        Bueroliste b;
        b.fenster = QStringLiteral("formvereine");
        b.objektName = QStringLiteral("FormVereine");
        b.tag = 6600;
        b.tabelle = vereine::Datei;
        b.index = QStringLiteral("VereinIdx");
        b.felder = {{QStringLiteral("Verein"), TagVerein}, {QStringLiteral("Strasse"), TagStrasse},
                    {QStringLiteral("Plz"), TagPlz},       {QStringLiteral("Ort"), TagOrt, Art::Text, true},
                    {QStringLiteral("Land"), TagLand},     {QStringLiteral("Telefon"), 6608},
                    {QStringLiteral("Telefax"), 6609},     {QStringLiteral("Ansprechpartner"), 6610},
                    {QStringLiteral("EMail"), 6611},       {QStringLiteral("Homepage"), 6612}};
        b.fokusFeld = QStringLiteral("Verein");
        for (const BueroFeld &f : b.felder)
            b.spalten.append({f.name, f.tag});
        b.hilfe = 40;
        b.homepageFeld = QStringLiteral("Homepage");
        b.emailFeld = QStringLiteral("EMail");
        return b;
    }();
    return l;
}

const Bueroliste &ausstellungsliste()
{
    static const Bueroliste l = [] {
        Bueroliste b;
        b.fenster = QStringLiteral("formausstellungstermine");
        b.objektName = QStringLiteral("FormAusstellungstermine");
        b.tag = 6601;
        b.tabelle = ausstelt::Datei;
        b.index = QStringLiteral("DatumIdx");
        b.felder = {{QStringLiteral("Datum"), 6614, Art::Datum, false, true},
                    {QStringLiteral("Datum2"), 6615, Art::Datum, true, true},
                    {QStringLiteral("Verein"), TagVerein},
                    {QStringLiteral("Strasse"), TagStrasse},
                    {QStringLiteral("Plz"), TagPlz},
                    {QStringLiteral("Ort"), TagOrt, Art::Text, true},
                    {QStringLiteral("Land"), TagLand},
                    {QStringLiteral("Info"), TagInfo, Art::Memo}};
        b.fokusFeld = QStringLiteral("Datum");
        b.spalten = {{QStringLiteral("Datum"), 6617},
                     {QStringLiteral("Datum2"), 6618},
                     {QStringLiteral("Verein"), TagVerein},
                     {QStringLiteral("Ort"), TagOrt},
                     {QStringLiteral("Land"), TagLand}};
        b.sortTag = 6625;
        b.sortierung = {{QStringLiteral("Datum"), QStringLiteral("DatumIdx")},
                        {QStringLiteral("Verein"), QStringLiteral("VereinDatum")},
                        {QStringLiteral("Ort"), QStringLiteral("OrtDatum")}};
        b.hilfe = 50;
        return b;
    }();
    return l;
}

const Bueroliste &apothekenliste()
{
    static const Bueroliste l = [] {
        Bueroliste b;
        b.fenster = QStringLiteral("formapotheke");
        b.objektName = QStringLiteral("FormApotheke");
        b.tag = 6602;
        b.tabelle = apotheke::Datei;
        b.index = QStringLiteral("BereichKrankheitIdx");
        b.felder = {{QStringLiteral("Bereich"), 6620},
                    {QStringLiteral("Krankheit"), 6621},
                    {QStringLiteral("Medikament"), 6622},
                    {QStringLiteral("Verfallsdatum"), 6623, Art::Datum, false, true},
                    {QStringLiteral("Info"), TagInfo, Art::Memo}};
        b.fokusFeld = QStringLiteral("Medikament");
        for (int i = 0; i < 4; ++i)
            b.spalten.append({b.felder[i].name, b.felder[i].tag});
        b.sortTag = 6629;
        b.sortierung = {{QStringLiteral("Gruppe"), QStringLiteral("BereichKrankheitIdx")},
                        {QStringLiteral("Medikament"), QStringLiteral("Medikament")},
                        {QStringLiteral("Verfallsdatum"), QStringLiteral("VerfallsdatumIdx")}};
        b.einfuegen = true;
        b.hilfe = 140;
        return b;
    }();
    return l;
}

const Bueroliste &adressliste()
{
    static const Bueroliste l = [] {
        Bueroliste b;
        b.fenster = QStringLiteral("adressenverwaltung");
        b.objektName = QStringLiteral("adressenverwaltung");
        b.tag = 6800;
        b.tabelle = adr_dat::Datei;
        b.index = QStringLiteral("AdrName");
        b.felder = {{QStringLiteral("Anrede"),
                     6801,
                     Art::Auswahl,
                     false,
                     false,
                     {QStringLiteral("Frau"), QStringLiteral("Herr"), QStringLiteral("Familie"),
                      QStringLiteral("Firma")}},
                    {QStringLiteral("Name"), 6806},
                    {QStringLiteral("Vorname"), 6807, Art::Text, true},
                    {QStringLiteral("Zwinger"), 6808},
                    {QStringLiteral("Strasse"), TagStrasse},
                    {QStringLiteral("Plz"), TagPlz},
                    {QStringLiteral("Ort"), TagOrt, Art::Text, true},
                    {QStringLiteral("Land"), TagLand},
                    {QStringLiteral("Telefon"), 6608},
                    {QStringLiteral("Telefax"), 6609, Art::Text, true},
                    {QStringLiteral("Handy"), 6809},
                    {QStringLiteral("email"), 6611},
                    {QStringLiteral("Homepage"), 6612},
                    {QStringLiteral("Geburtstag"), 6810, Art::Datum, false, true}};
        b.fokusFeld = QStringLiteral("Name");
        b.spalten = {{QStringLiteral("Name"), 6806},       {QStringLiteral("Vorname"), 6807},
                     {QStringLiteral("Zwinger"), 6808},    {QStringLiteral("Strasse"), TagStrasse},
                     {QStringLiteral("Plz"), TagPlz},      {QStringLiteral("Ort"), TagOrt},
                     {QStringLiteral("Geburtstag"), 6810}, {QStringLiteral("Telefon"), 6608},
                     {QStringLiteral("Telefax"), 6609},    {QStringLiteral("Land"), TagLand},
                     {QStringLiteral("Status"), 6811}};
        b.hilfe = 130;
        b.homepageFeld = QStringLiteral("Homepage");
        b.emailFeld = QStringLiteral("email");
        b.produktseiteVorgabe = true;
        return b;
    }();
    return l;
}

const Bueroliste &statusadressenliste()
{
    static const Bueroliste l = [] {
        Bueroliste b;
        b.fenster = QStringLiteral("formstatusadressen");
        b.objektName = QStringLiteral("FormStatusAdressen");
        b.tag = 6832;
        b.tabelle = statusadressen::Datei;
        b.felder = {{QStringLiteral("Status"), 6811}};
        b.fokusFeld = QStringLiteral("Status");
        b.spalten = {{QStringLiteral("Status"), 6811}};
        b.hilfe = 131;
        return b;
    }();
    return l;
}

QString sortIndex(const Bueroliste &liste, int kriterium)
{
    return liste.sortierung.value(kriterium).index;
}

bool ersteKommendeAusstellung(tav::store::Table &termine, const QDate &heute)
{
    if (termine.findNearest({heute}))
        return true;
    termine.last();
    return termine.hasRecord();
}

} // namespace tav::office
