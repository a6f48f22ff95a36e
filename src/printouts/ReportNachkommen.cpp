#include "ReportNachkommen.h"

using namespace tav::report;
using tav::breeding::Nachkomme;

namespace tav::printouts {

namespace {

enum Tag {
    TagReport = 8100,
    TagNachkommenVon = 8101,
    TagFarbe = 8102,
    TagGeb = 8103,
    TagRasse = 8104,
    TagName = 8105,
    TagGeschl = 8106,
    TagZuechter = 8107,
    TagBesitzer = 8108,
    TagMerkmale = 8109,
    TagSeite = 8110,
    TagVater = 716,
    TagMutter = 717,
};

constexpr double Width = 277; // A4 landscape less 10 mm each side
constexpr double Line = 5;

struct Spalte {
    double links, breite;
    const char *feld;
    const char *kopf;
    int tag;
};

} // namespace

ReportJob reportNachkommenListe(const breeding::Elterntier &k, const QVector<Nachkomme> &nachkommen)
{
    Report r;
    r.page.landscape = true;
    r.tag = TagReport;
    r.title = QStringLiteral("Nachkommenliste");
    const Font normal = textFont(9), fett = textFont(9, true);

    Band &titel = r.add(Band::Kind::Title, 26, QStringLiteral("title"));
    titel.elements << label(QRectF(0, 0, Width - 40, 8),
                            QVector<TextPiece>{{TagNachkommenVon, QStringLiteral("Nachkommen von :")},
                                               {0, QLatin1Char(' ') + k.name}},
                            textFont(14, true));
    Element heute = date(QRectF(Width - 40, 1, 40, Line), normal);
    heute.align = Qt::AlignRight;
    titel.elements << heute;
    const auto angabe = [&](double x, double breite, int tag, const QString &kopf, const QString &wert) {
        titel.elements << label(QRectF(x, 11, 18, Line), kopf, fett, tag);
        titel.elements << label(QRectF(x + 18, 11, breite - 18, Line), wert, normal);
    };
    angabe(0, 110, TagFarbe, QStringLiteral("Farbe"), k.fellFarbe);
    angabe(110, 55, TagGeb, QStringLiteral("Geb."), k.gebDatum.toString(QStringLiteral("dd.MM.yyyy")));
    angabe(165, 112, TagRasse, QStringLiteral("Rasse"), k.rasse);
    titel.elements << line({0, 22}, {Width, 22}, 0.3);

    const bool kater = breeding::ueberVater(k.geschlecht);
    const Spalte spalten[] = {
        {0, 42, "Name", "Name", TagName},
        {42, 20, "GebDatum", "Geb.", TagGeb},
        {62, 16, "Geschl", "Geschl.", TagGeschl},
        {78, 28, "FellFarbe", "Farbe", TagFarbe},
        {106, 30, "RasseAnzeige", "Rasse", TagRasse},
        {136, 32, "ZuechterAnzeige", "Züchter", TagZuechter},
        {168, 32, "BesitzerAnzeige", "Besitzer", TagBesitzer},
        {200, 42, "VaterMutter", kater ? "Mutter" : "Vater", kater ? TagMutter : TagVater},
        {242, 35, "Merkmale", "Merkmale", TagMerkmale},
    };
    Band &kopf = r.add(Band::Kind::ColumnHeader, 8, QStringLiteral("header"));
    Band &zeile = r.add(Band::Kind::Detail, Line, QStringLiteral("offspring"));
    QStringList felder;
    for (const Spalte &s : spalten) {
        kopf.elements << label(QRectF(s.links, 1, s.breite - 1, Line), QString::fromUtf8(s.kopf), fett,
                               s.tag);
        zeile.elements << field(QRectF(s.links, 0, s.breite - 1, Line), QString::fromLatin1(s.feld), normal);
        felder << QString::fromLatin1(s.feld);
    }
    kopf.elements << line({0, 7}, {Width, 7}, 0.2);
    addFooter(r, true, TagSeite);

    auto rows = std::make_shared<ListRows>(felder);
    for (const Nachkomme &n : nachkommen)
        rows->append({n.name, n.gebDatum.isValid() ? QVariant(n.gebDatum) : QVariant(), n.geschl, n.fellFarbe,
                      n.rasse, n.zuechter, n.besitzer, n.andererElternteil, n.merkmale});
    return ReportJob(std::move(r), std::move(rows));
}

} // namespace tav::printouts
