#include "ReportKatzen.h"
#include "KatzenDruckTeile.h"

#include "store/Database.h"
#include "store/Namen_register.h"
#include "store/Table.h"

#include <algorithm>

using namespace tav::store::namen;

using namespace tav::report;
using tav::store::Table;

namespace tav::printouts {

namespace {

enum Tag {
    TagStammdaten = 6100,
    TagGewicht = 6101,
    TagGroesse = 6102,
    TagZuchtsperre = 6103,
    TagOhrmarke = 6104,
    TagKatzendaten = 6105,
    TagZuchtbuchnr = 6107,
    TagErgebnisse = 6110,
    TagAbOrSp = 6114,
    TagCatEntry = 6115,
    TagBoc = 6116,
    TagBod = 6117,
    TagFinale = 6118,
    TagRingerg = 6119,
    TagDivision = 6120,
    TagGrandPunkte = 6121,
    TagShowPunkte = 6122,
    TagAnmerkung = 6123,
    TagName = 2318,
    TagZwinger = 1409,
    TagGeb = 8103,
    TagGeschl = 8106,
    TagFarbe = 8102,
    TagVater = 716,
    TagMutter = 717,
    TagBesitzer = 1410,
    TagZuechter = 1411,
    TagRasse = 8104,
    TagChip = 4232,
    TagDatum = 3181,
    TagOrt = 3182,
    TagVerein = 3183,
    TagRichter = 3184,
    TagBewertung = 3185,
    TagSumme = 3195,
};

constexpr double Hoch = 190, Quer = 277; // the width inside the margins, portrait and landscape

} // namespace

// --- data sheet ---------------------------------------------------------------------------

ReportJob reportStammdaten(const KatzeDruck &k, const QString &geschlecht, const QImage &bild)
{
    Report r;
    r.tag = TagStammdaten;
    r.title = QStringLiteral("Stammdaten drucken");
    // the picture's longer side and the name line's width in the proportions of the form
    const double bildSeite = Hoch * 178 / 695, nameBreite = bild.isNull() ? Hoch : Hoch * 510 / 695;
    Band &kopf = r.add(Band::Kind::Title, bild.isNull() ? 14 : bildSeite + 6, QStringLiteral("title"));
    kopf.elements << label(QRectF(0, 0, nameBreite, 10), nameZeile(k.titel, k.name, k.geschlecht),
                           textFont(16, true, Qt::black, true));
    if (!bild.isNull()) {
        kopf.elements << image(QRectF(Hoch - bildSeite - 0.6, 0, bildSeite + 0.6, bildSeite + 0.6), bild);
    }
    const QVector<Angabe> angaben = {
        {757, "Rasse:", k.rasse},
        {758, "Ohrmarkennr.:", k.zuchtbuch},
        {1437, "Zuchtbuchnr.:", k.taeto},
        {1428, "Geschlecht:", geschlecht},
        {1427, "Geburtsdatum:", datum(k.geb)},
        {761, "Farbe:", k.fellFarbe},
        {762, "Augenfarbe:", k.augenfarbe},
        {763, "Vater:", k.vater},
        {764, "Mutter:", k.mutter},
        {765, "Züchter:", k.zuechter},
        {766, "Besitzer:", k.besitzerZeile},
        {835, "Chip-Nr.:", k.chip},
        {836, "Blutgruppe:", k.blutgruppe},
        {837, "Tests:", k.tests},
        {0, "", k.gencode},
        {TagGewicht, "Gewicht:", k.gewicht},
        {TagGroesse, "Größe:", k.groesse},
        {TagZuchtsperre, "Zuchtsperre:", datum(k.zuchtsperre)},
        {944, "Merkmale:", k.merkmale},
    };
    Band &daten = r.add(Band::Kind::Child, 8.0 * angaben.size(), QStringLiteral("data"));
    angabenZeilen(daten, angaben, 0, 55, Hoch, 8, textFont(14), textFont(12));
    addFooter(r, true, TagSeite);
    return ReportJob(std::move(r));
}

// --- cat list -------------------------------------------------------------------------------

std::shared_ptr<ListRows> katzenListeZeilen(store::Database &db, const QVector<cats::KatzeTreffer> &treffer)
{
    auto rows = std::make_shared<ListRows>(QStringList{
        "Name", "Zwinger", "GebDatum", "GeschlAnzeige", "FellFarbe", "Zuchtbuchnummer1", "VaterAnzeige",
        "BesitzerAnzeige", "Rasse1", "TaetoNr", "ChipNr", "MutterAnzeige", "ZuechterAnzeige"});
    Table t(&db, catstamm::Datei);
    t.setReadOnly(true);
    t.open();
    for (const cats::KatzeTreffer &k : treffer) {
        const bool da = t.findKey({k.LaufendeNummer});
        rows->append({k.Name, k.Zwinger, datum(k.GebDatum), k.GeschlAnzeige, k.FellFarbe, k.Zuchtbuchnummer1,
                      k.VaterAnzeige, k.BesitzerAnzeige, k.Rasse1, da ? t.text(catstamm::TaetoNr) : QString(),
                      da ? t.text(catstamm::ChipNr) : QString(), k.MutterAnzeige, k.ZuechterAnzeige});
    }
    return rows;
}

ReportJob reportKatzenListe(std::shared_ptr<const RowSource> zeilen, const QString &status)
{
    Report r;
    r.page.landscape = true;
    r.tag = TagKatzendaten;
    r.title = QStringLiteral("Katzendatenliste");
    titelBand(r, katzenListenTitel(status), Quer);
    // two lines a cat; the second starts below the cattery
    const QVector<Spalte> spalten = {
        {0, 0, 50, "Name", "Name", TagName},
        {0, 50, 40, "Zwinger", "Zwinger", TagZwinger},
        {0, 90, 20, "GebDatum", "Geb.", TagGeb},
        {0, 110, 14, "GeschlAnzeige", "Geschl.", TagGeschl},
        {0, 124, 35, "FellFarbe", "Farbe", TagFarbe},
        {0, 159, 30, "Zuchtbuchnummer1", "Ohrmarkennr.", TagOhrmarke},
        {0, 189, 44, "VaterAnzeige", "Vater", TagVater},
        {0, 233, 44, "BesitzerAnzeige", "Besitzer", TagBesitzer},
        {1, 50, 40, "Rasse1", "Rasse", TagRasse},
        {1, 90, 69, "ChipNr", "Chip-Nr.", TagChip},
        {1, 159, 30, "TaetoNr", "Zuchtbuchnr.", TagZuchtbuchnr},
        {1, 189, 44, "MutterAnzeige", "Mutter", TagMutter},
        {1, 233, 44, "ZuechterAnzeige", "Züchter", TagZuechter},
    };
    spaltenBaender(r, spalten, Quer, 4.5, 8);
    addFooter(r, true, TagSeite);
    return ReportJob(std::move(r), std::move(zeilen));
}

// --- show results -----------------------------------------------------------------------------

namespace {

struct Richtart {
    store::SchemaName tabelle;
    const char *index;
    int titelTag;
    const char *titel, *dokument;
    QVector<Spalte> spalten;
};

const Richtart &richtart(Richten art)
{
    static const Richtart arten[] = {
        {kausstel::Datei,
         "KatzeDatum",
         6111,
         "Trad. Richten von :",
         "Traditionelles Richten - Liste",
         {{0, 0, 25, "Datum", "Datum", TagDatum},
          {0, 25, 60, "Ausstellungsort", "Ausstellungsort", TagOrt},
          {0, 85, 60, "Verein", "Verein", TagVerein},
          {0, 145, 45, "Richter", "Richter", TagRichter},
          {0, 190, 87, "Bewertung", "Bewertung", TagBewertung}}},
        {cfatica::Datei,
         "Katze",
         6112,
         "TICA-Ringrichten von :",
         "TICA-Ringrichten Liste",
         {{0, 0, 25, "Datum", "Datum", TagDatum},
          {0, 25, 70, "Vereinsname", "Verein", TagVerein},
          {0, 95, 55, "Richter", "Richter", TagRichter},
          {0, 150, 20, "ABorSP", "AB or SP", TagAbOrSp},
          {0, 170, 27, "CatEntryNr", "Cat Entry Nr.", TagCatEntry},
          {0, 197, 20, "BOC", "BOC", TagBoc},
          {0, 217, 20, "BOD", "BOD", TagBod},
          {0, 237, 20, "Finale", "Finale", TagFinale},
          {0, 257, 20, "Summe", "Summe", TagSumme}}},
        {cfa::Datei,
         "Katze",
         6113,
         "CFA von :",
         "Ausstellungen CFA Liste",
         {{0, 0, 22, "Datum", "Datum", TagDatum},
          {0, 22, 45, "Vereinsname", "Verein", TagVerein},
          {0, 67, 35, "Richter", "Richter", TagRichter},
          {0, 102, 16, "ABorSP", "AB or SP", TagAbOrSp},
          {0, 118, 24, "CatEntryNr", "Cat Entry Nr.", TagCatEntry},
          {0, 142, 18, "Ringergebnis", "Ringerg.", TagRingerg},
          {0, 160, 30, "DivisionErgebnis", "DivisionErg.", TagDivision},
          {0, 190, 16, "GrandPunkte", "Gr.-Pkt.", TagGrandPunkte},
          {0, 206, 16, "ShowPunkte", "Show-Pkt.", TagShowPunkte},
          {0, 222, 55, "Anmerkung", "Anmerkung", TagAnmerkung}}},
    };
    return arten[int(art)];
}

} // namespace

std::shared_ptr<ListRows> ergebnisZeilen(store::Database &db, Richten art, int katze)
{
    const Richtart &a = richtart(art);
    QStringList felder;
    for (const Spalte &s : a.spalten)
        felder << QString::fromLatin1(s.feld);
    auto rows = std::make_shared<ListRows>(felder);
    QVector<QVariantList> liste;
    zeilenLesen(db, a.tabelle, a.index, katze, [&](const Table &t) {
        QVariantList zeile;
        for (const QString &f : felder)
            zeile << (f == QLatin1String("Summe")
                          ? QVariant(t.intValue(cfatica::BOC) + t.intValue(cfatica::BOD) +
                                     t.intValue(cfatica::Finale))
                          : t.value(f));
        liste << zeile;
        return true;
    });
    std::stable_sort(liste.begin(), liste.end(), [](const QVariantList &x, const QVariantList &y) {
        return x[0].toDate() < y[0].toDate();
    });
    for (const QVariantList &z : liste)
        rows->append(z);
    return rows;
}

ReportJob reportErgebnisse(Richten art, const QString &katzenName, std::shared_ptr<const RowSource> zeilen)
{
    const Richtart &a = richtart(art);
    Report r;
    r.page.landscape = true;
    r.tag = a.titelTag;
    r.title = QString::fromUtf8(a.dokument);
    titelBand(r,
              {{TagErgebnisse, QStringLiteral("Ausstellungsergebnisse")},
               {0, QStringLiteral(" ")},
               {a.titelTag, QString::fromUtf8(a.titel)},
               {0, QLatin1Char(' ') + katzenName}},
              Quer);
    spaltenBaender(r, a.spalten, Quer, 5, 8);
    addFooter(r, true, TagSeite);
    return ReportJob(std::move(r), std::move(zeilen));
}

} // namespace tav::printouts
