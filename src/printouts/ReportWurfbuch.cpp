#include "ReportWurfbuch.h"

#include "Formular.h"
#include "cats/Wurfdaten.h"
#include "report/TextMeasure.h"

using namespace tav::report;

namespace tav::printouts {

namespace {

enum Tag {
    TagZuechter = 765,
    TagWurfdaten = 4211,
    TagEltern = 413,
    TagGrosseltern = 1273,
    TagUrgrosseltern = 1274,
    TagM = 1280,
    TagW = 1281,
    TagBeginnRollig = 4200,
    TagDecktermin = 4201,
    TagErster = 4202,
    TagWurftag = 4204,
    TagWurftermin = 4205,
    TagWurfbez = 4209,
    TagJungtiere = 4213,
    TagWurfstaerke = 4214, // the seven counts follow in the litter page's order
    TagVerfassung = 4221,
    TagAlter = 4228,
    TagDatum = 4229,
    TagZbNr = 4230,
    TagGeschl = 4231,
    TagKatze = 4240,
    TagName = 2318,
    TagSeite = 8017,
    TagDecktag = 6271,
    TagWurftagDoppelpunkt,
    TagBemerkungWurf,
    TagWurfbuchVon,
    TagDeckkater,
    TagBemerkungWelpen,
};

constexpr double W = 190;

Band &titelBand(Report &r, int tag, const QString &titel, double hoehe)
{
    r.tag = tag;
    r.title = titel;
    return r.add(Band::Kind::Title, hoehe, QStringLiteral("title"));
}

// one ancestor box: name in bold, then stud-book number, colour and trait codes
void ahnKasten(Formular &f, const QRectF &r, const Ahn &a)
{
    f.rahmen(r, 0.2);
    const double h = std::min(3.6, (r.height() - 0.6) / 4);
    const QString zeilen[] = {a.name, a.zbnr, a.farbe, a.merkmale};
    for (int i = 0; i < 4; ++i)
        f.wert(QRectF(r.left() + 1, r.top() + 0.3 + i * h, r.width() - 2, h), zeilen[i], i == 0 ? 8 : 7);
}

} // namespace

const cats::TextBreite &druckzeilenBreite()
{
    // the limit of the print line counts screen pixels of a 10 point font
    class Breite : public cats::TextBreite
    {
      public:
        int breite(const QString &text) const override
        {
            return int(FontMeasure().width(text, textFont(10)) * 96 / 25.4);
        }
    };
    static const Breite b;
    return b;
}

ReportJob reportWurfdaten(const Wurfdatenblatt &b)
{
    Report r;
    Band &t = titelBand(r, TagWurfdaten, QStringLiteral("Wurfdaten"), 190);
    Formular f(t);
    f.text(QRectF(0, 0, W, 9), b.zwinger, textFont(16, true), 0, Qt::AlignCenter);
    f.text(QRectF(0, 11, 20, 5), QStringLiteral("Züchter:"), textFont(9, true), TagZuechter);
    const QString zeilen[] = {b.nameZuechter, b.strasse, (b.plz + QLatin1Char(' ') + b.ort).trimmed()};
    for (int i = 0; i < 3; ++i)
        f.wert(QRectF(20, 11 + i * 4.5, 90, 4.5), zeilen[i], 9);
    f.text(QRectF(120, 11, 70, 9), QStringLiteral("Wurfdaten"), textFont(16, true), TagWurfdaten,
           Qt::AlignRight);
    f.text(QRectF(0, 27, 20, 5), QStringLiteral("Decktag:"), textFont(9, true), TagDecktag);
    f.wert(QRectF(20, 27, 60, 5), b.decktermin, 9);
    f.text(QRectF(90, 27, 20, 5), QStringLiteral("Wurftag:"), textFont(9, true), TagWurftagDoppelpunkt);
    f.wert(QRectF(110, 27, 40, 5), b.wurftag, 9);

    // the counts: a row each, m and w
    const double y0 = 35, z = 5;
    const char *zahlen[] = {"Wurfstärke", "Totgeboren", "Eingeschläfert", "Gestorben",
                            "Verblieben", "Endabnahme", "Ammenaufzucht"};
    const int zahlTags[] = {TagWurfstaerke,     TagWurfstaerke + 1, TagWurfstaerke + 6, TagWurfstaerke + 2,
                            TagWurfstaerke + 5, TagWurfstaerke + 4, TagWurfstaerke + 3};
    f.text(QRectF(40, y0, 14, z), QStringLiteral("m"), textFont(8, true), TagM, Qt::AlignCenter);
    f.text(QRectF(54, y0, 14, z), QStringLiteral("w"), textFont(8, true), TagW, Qt::AlignCenter);
    for (int i = 0; i < 7; ++i) {
        const double y = y0 + z + i * z;
        f.rahmen(QRectF(0, y, 68, z), 0.2);
        f.linie(40, y, 40, y + z);
        f.linie(54, y, 54, y + z);
        f.text(QRectF(1, y, 38, z), QString::fromUtf8(zahlen[i]), textFont(8), zahlTags[i]);
        f.wert(QRectF(40, y, 14, z), b.zahlen.value(i).m, 9, Qt::AlignCenter);
        f.wert(QRectF(54, y, 14, z), b.zahlen.value(i).w, 9, Qt::AlignCenter);
    }
    f.text(QRectF(75, y0, 115, 5), QStringLiteral("Bemerkung zum Wurf:"), textFont(8, true),
           TagBemerkungWurf);
    f.absatz(QRectF(75, y0 + 4.5, 115, 4), b.bemerkung, textFont(8));
    f.text(QRectF(75, y0 + 14, 115, 5), QStringLiteral("Verfassung der Mutter"), textFont(8, true),
           TagVerfassung);
    f.absatz(QRectF(75, y0 + 18.5, 115, 4), b.verfassung, textFont(8));
    // the captions of inspection and acceptance are left off; their data print
    f.wert(QRectF(75, y0 + 30, 30, 5), b.besichtam, 8);
    f.wert(QRectF(105, y0 + 30, 85, 5), b.besichtvon, 8);
    f.wert(QRectF(75, y0 + 35, 30, 5), b.abnahmeam, 8);
    f.wert(QRectF(105, y0 + 35, 85, 5), b.abnahmevon, 8);

    // ancestors: 2 parents, 4 grandparents, 8 great-grandparents, each generation one column
    const double ay = 80, hoehe = 96;
    const double spalte[] = {0, 60, 123, 190};
    const struct {
        int tag;
        const char *text;
    } kopf[] = {{TagEltern, "Eltern"}, {TagGrosseltern, "Großeltern"}, {TagUrgrosseltern, "Urgroßeltern"}};
    for (int g = 0; g < 3; ++g) {
        f.text(QRectF(spalte[g], ay, spalte[g + 1] - spalte[g], 5), QString::fromUtf8(kopf[g].text),
               textFont(9, true), kopf[g].tag);
        const int anzahl = 2 << g, erste = anzahl - 2;
        for (int i = 0; i < anzahl; ++i)
            ahnKasten(f,
                      QRectF(spalte[g] + 0.5, ay + 6 + i * hoehe / anzahl, spalte[g + 1] - spalte[g] - 1,
                             hoehe / anzahl),
                      b.ahnen.value(erste + i));
    }

    Band &kopfband = r.add(Band::Kind::ColumnHeader, 12, QStringLiteral("header"));
    Formular k(kopfband);
    k.text(QRectF(0, 0, 25, 6), QStringLiteral("Jungtiere"), textFont(11, true), TagJungtiere);
    k.wert(QRectF(25, 0, 80, 6), b.wurfbez, 11);
    const double sp[] = {0, 62, 82, 112, 190};
    const struct {
        int tag;
        const char *text;
    } titel[] = {{TagName, "Name"}, {TagGeschl, "Geschl."}, {TagZbNr, "ZbNr."}, {0, ""}};
    for (int c = 0; c < 3; ++c)
        k.text(QRectF(sp[c], 6.5, sp[c + 1] - sp[c], 5), QString::fromUtf8(titel[c].text), textFont(8, true),
               titel[c].tag);
    k.linie(0, 11.5, W, 11.5);
    Band &detail = r.add(Band::Kind::Detail, 5, QStringLiteral("detail"));
    const QStringList felder = {QStringLiteral("Name"), QStringLiteral("GeschlAnzeige"),
                                QStringLiteral("Zuchtbuchnummer1"), QStringLiteral("AnzeigefuerDruck")};
    for (int c = 0; c < 4; ++c) {
        Element e = field(QRectF(sp[c], 0, sp[c + 1] - sp[c] - 1, 5), felder[c], textFont(9));
        e.elide = true;
        detail.elements << e;
    }
    addFooter(r, false);
    auto zeilenQuelle = std::make_shared<ListRows>(felder);
    for (const Wurfdatenblatt::Zeile &j : b.kitten)
        zeilenQuelle->append({j.name, j.geschlecht, j.zuchtbuchnummer, j.anzeige});
    return ReportJob(std::move(r), zeilenQuelle);
}

ReportJob reportWurfbuch(const Wurfbuch &w)
{
    Report r;
    Band &t = titelBand(r, TagWurfbuchVon, QStringLiteral("Wurfbuch von"), 80);
    Formular f(t);
    f.text(QRectF(0, 0, 50, 9), QStringLiteral("Wurfbuch von"), textFont(15, true), TagWurfbuchVon);
    f.wert(QRectF(50, 0, 140, 9), w.katze, 15);
    f.linie(0, 10, W, 10, 0.4);
    const struct {
        int tag;
        const char *text;
        QString wert;
    } zeilen[] = {
        {TagBeginnRollig, "Beginn Rolligkeit", w.beginnRollig},
        {TagDecktermin, "Decktermin", w.decktermin},
        {TagWurftermin, "Wurftermin", w.wurftermin},
        {TagWurftag, "Wurftag", w.wurftag},
        {TagDeckkater, "Deckkater", w.kater},
        {TagWurfbez, "Wurfbez.", w.wurfbez},
        {TagWurfstaerke, "Wurfstärke", w.wurfstaerke},
        {TagWurfstaerke + 1, "Totgeboren", w.totgeboren},
        {TagWurfstaerke + 2, "Gestorben", w.verendet},
    };
    for (int i = 0; i < 9; ++i) {
        const double x = i < 5 ? 0 : 100, y = 13 + (i < 5 ? i : i - 5) * 5.5;
        f.text(QRectF(x, y, 38, 5.5), QString::fromUtf8(zeilen[i].text), textFont(9, true), zeilen[i].tag);
        if (zeilen[i].tag == TagDecktermin) {
            f.text(QRectF(x + 38, y, 5, 5.5), QStringLiteral("1."), textFont(9), TagErster);
            f.wert(QRectF(x + 43, y, 50, 5.5), zeilen[i].wert, 9.5);
        } else {
            f.wert(QRectF(x + 38, y, 55, 5.5), zeilen[i].wert, 9.5);
        }
    }
    f.text(QRectF(0, 43, W, 5), QStringLiteral("Verfassung der Mutter"), textFont(9, true), TagVerfassung);
    f.absatz(QRectF(0, 48, W, 4), w.verfassung, textFont(9));
    f.text(QRectF(0, 60, W, 5), QStringLiteral("Bemerkungen zu den Welpen"), textFont(9, true),
           TagBemerkungWelpen);
    f.absatz(QRectF(0, 65, W, 4), w.bemerkung, textFont(9));

    QStringList felder{QStringLiteral("Wiegedatum")};
    for (int i = 1; i <= MaxJungtiere; ++i)
        felder << QStringLiteral("Katze%1").arg(i);
    felder << QStringLiteral("Alter");
    const double datumBreite = 20, gewicht = 13.5, alter = W - datumBreite - MaxJungtiere * gewicht;
    const auto x = [&](int c) { return c == 0 ? 0.0 : datumBreite + (c - 1) * gewicht; };
    const auto breite = [&](int c) { return c == 0 ? datumBreite : c <= MaxJungtiere ? gewicht : alter; };
    Band &kopf = r.add(Band::Kind::ColumnHeader, 7, QStringLiteral("header"));
    Formular k(kopf);
    k.flaeche(QRectF(0, 0, W, 6), QColor(225, 225, 225));
    k.text(QRectF(x(0) + 0.5, 0, breite(0) - 1, 6), QStringLiteral("Datum"), textFont(8, true), TagDatum);
    for (int c = 1; c <= MaxJungtiere; ++c) {
        Element e = label(QRectF(x(c), 0, breite(c), 6),
                          {{TagKatze, QStringLiteral("Katze")}, {0, QStringLiteral(" %1").arg(c)}},
                          textFont(7, true));
        e.align = Qt::AlignCenter;
        kopf.elements << e;
    }
    k.text(QRectF(x(MaxJungtiere + 1) + 1, 0, alter - 1, 6), QStringLiteral("Alter"), textFont(8, true),
           TagAlter);
    Band &detail = r.add(Band::Kind::Detail, 5.5, QStringLiteral("detail"));
    for (int c = 0; c < felder.size(); ++c) {
        Element e = field(QRectF(x(c) + 0.5, 0, breite(c) - 1, 5.5), felder[c], textFont(8.5));
        e.elide = true;
        if (c > 0 && c <= MaxJungtiere)
            e.align = Qt::AlignCenter;
        detail.elements << e;
        detail.elements << line({x(c), 0}, {x(c), 5.5}, 0.1);
    }
    detail.elements << line({0, 5.5}, {W, 5.5}, 0.1);
    addFooter(r, true, TagSeite);
    auto zeilen2 = std::make_shared<ListRows>(felder);
    for (const QStringList &z : w.wiegungen) {
        QVariantList v;
        for (const QString &s : z)
            v << s;
        zeilen2->append(v);
    }
    return ReportJob(std::move(r), zeilen2);
}

} // namespace tav::printouts
