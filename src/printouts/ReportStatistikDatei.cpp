#include "ReportStatistikDatei.h"

using namespace tav::report;

namespace tav::printouts {

namespace {
enum Tag {
    TagTitel = 7521,
    TagAlle = 7522,
    TagTiere = 7523,
    TagKeine = 7524,
    TagVom = 1499,
    TagFarbe = 1506,
    TagAb = 1492,
    TagBis = 694,
    TagJahre = 1485,
    TagMonate = 1486,
    TagMitMerkmalen = 1497,
    TagMitAbfrage = 1507,
    TagUnd = 1391,
    TagOder = 1585,
    TagSeite = 4876,
};
constexpr double Width = 277, Line = 5;

struct Spalte {
    QString feld, titel;
    int tag;
    double breite;
};
} // namespace

ReportJob reportStatistikDatei(const StatistikDateiDruck &d, const breeding::Beschriftung &caption)
{
    Report r;
    r.page.landscape = true;
    r.tag = TagTitel;
    r.title = QStringLiteral("Merkmalstatistik aller Tiere");
    Font normal, fett, gross;
    normal.size = 8;
    fett = normal;
    fett.bold = true;
    gross.size = 13;
    gross.bold = true;

    QVector<QVector<TextPiece>> zeilen;
    if (!(d.geschlecht[0] && d.geschlecht[1] && d.geschlecht[2] && d.geschlecht[3])) {
        QVector<TextPiece> z{{TagAlle, QStringLiteral("Alle")}};
        QVector<int> tags;
        for (int i = 0; i < 4; ++i)
            if (d.geschlecht[i])
                tags << 1581 + i;
        for (int i = 0; i < tags.size(); ++i) {
            z << TextPiece{0, i == 0                 ? QStringLiteral(" ")
                              : i + 1 == tags.size() ? QStringLiteral(" ")
                                                     : QStringLiteral(", ")};
            if (i > 0 && i + 1 == tags.size())
                z << TextPiece{TagUnd, QStringLiteral("und")} << TextPiece{0, QStringLiteral(" ")};
            z << TextPiece{tags[i], caption(tags[i])};
        }
        z << TextPiece{0, QStringLiteral(" ")} << TextPiece{TagTiere, QStringLiteral("Tiere")};
        zeilen << z;
    }
    if (!d.farbe.isEmpty())
        zeilen << QVector<TextPiece>{{TagFarbe, QStringLiteral("Farbe: ")}, {0, d.farbe}};
    if (d.ab > 0 || d.bis > 0) {
        QVector<TextPiece> z;
        if (d.ab > 0)
            z << TextPiece{TagAb, QStringLiteral("ab")} << TextPiece{0, QStringLiteral(" %1 ").arg(d.ab)};
        if (d.bis > 0)
            z << TextPiece{TagBis, QStringLiteral("bis")} << TextPiece{0, QStringLiteral(" %1 ").arg(d.bis)};
        z << (d.monate ? TextPiece{TagMonate, QStringLiteral("Monate")}
                       : TextPiece{TagJahre, QStringLiteral("Jahre")});
        zeilen << z;
    }
    if (!d.merkmale.trimmed().isEmpty()) {
        if (d.erweitert)
            zeilen << QVector<TextPiece>{{TagMitAbfrage, QStringLiteral("mit der Abfrage:")},
                                         {0, QLatin1Char(' ') + d.merkmale.trimmed()}};
        else {
            QVector<TextPiece> z{{TagMitMerkmalen, QStringLiteral("mit den Merkmalen:")}};
            const int letztes = int(d.merkmale.lastIndexOf(QStringLiteral(", ")));
            if (letztes < 0)
                z << TextPiece{0, QLatin1Char(' ') + d.merkmale};
            else
                z << TextPiece{0, QLatin1Char(' ') + d.merkmale.left(letztes) + QLatin1Char(' ')}
                  << TextPiece{TagOder, QStringLiteral("oder")}
                  << TextPiece{0, QLatin1Char(' ') + d.merkmale.mid(letztes + 2)};
            zeilen << z;
        }
    }

    Band &titel = r.add(Band::Kind::Title, 12 + Line * zeilen.size() + 3, QStringLiteral("title"));
    titel.elements << label(QRectF(0, 0, Width - 45, 8), QStringLiteral("Merkmalstatistik aller Tiere"),
                            gross, TagTitel);
    titel.elements << label(QRectF(Width - 45, 1, 15, Line), QStringLiteral("vom:"), normal, TagVom);
    titel.elements << date(QRectF(Width - 30, 1, 30, Line), normal);
    for (int i = 0; i < zeilen.size(); ++i)
        titel.elements << label(QRectF(0, 10 + Line * i, Width, Line), zeilen[i], normal);

    if (!d.ergebnis || d.zeilen.isEmpty()) {
        Band &keine = r.add(Band::Kind::Child, 8, QStringLiteral("none"));
        keine.elements << label(QRectF(0, 2, Width, Line), QStringLiteral("Keine Tiere gefunden!"), fett,
                                TagKeine);
        addFooter(r, true, TagSeite);
        return ReportJob(std::move(r));
    }

    QVector<Spalte> spalten{{QStringLiteral("Name"), QStringLiteral("Name"), 2318, 46},
                            {QStringLiteral("tod"), QString(), 0, 4},
                            {QStringLiteral("Farbe"), QStringLiteral("Farbe"), 1405, 26}};
    if (d.mitMerkmalen)
        spalten << Spalte{QStringLiteral("Merkmal"),
                          d.erweitert ? QStringLiteral("Merkmale") : QStringLiteral("Merkmal"),
                          d.erweitert ? 1088 : 1140, 40};
    spalten << Spalte{QStringLiteral("GebDatum"), QStringLiteral("Geb.-Datum"), 4258, 20}
            << Spalte{QStringLiteral("Alter"), QStringLiteral("Alter"), 4228, 32}
            << Spalte{QStringLiteral("Geschlecht"), QStringLiteral("Geschl."), 4231, 14}
            << Spalte{QStringLiteral("Vater"), QStringLiteral("Vater"), 716, 0}
            << Spalte{QStringLiteral("Mutter"), QStringLiteral("Mutter"), 717, 0}
            << Spalte{QStringLiteral("IK"), QStringLiteral("IK"), 3138, 13}
            << Spalte{QStringLiteral("AVK"), QStringLiteral("AVK"), 3139, 13};
    double rest = Width;
    for (const Spalte &s : spalten)
        rest -= s.breite;
    for (Spalte &s : spalten)
        if (s.breite == 0)
            s.breite = rest / 2;

    // both first: a second add may move the bands, and a reference to the first with them
    r.add(Band::Kind::ColumnHeader, 7, QStringLiteral("header"));
    r.add(Band::Kind::Detail, Line, QStringLiteral("rows"));
    Band &kopf = r.bands[r.bands.size() - 2];
    Band &zeile = r.bands.back();
    double x = 0;
    QStringList felder;
    for (const Spalte &s : spalten) {
        kopf.elements << label(QRectF(x, 1, s.breite - 1, Line), s.titel, fett, s.tag);
        Element f = field(QRectF(x, 0.3, s.breite - 1, Line - 0.6), s.feld, normal);
        f.elide = true;
        zeile.elements << f;
        felder << s.feld;
        x += s.breite;
    }
    kopf.elements << line({0, 6.5}, {Width, 6.5}, 0.2);
    addFooter(r, true, TagSeite);

    auto rows = std::make_shared<ListRows>(felder);
    for (const breeding::DateiZeile &z : d.zeilen) {
        QVariantList werte;
        for (const QString &f : felder) {
            if (f == QLatin1String("Name"))
                werte << z.name;
            else if (f == QLatin1String("tod"))
                werte << (z.tod.isValid() ? QStringLiteral("†") : QString());
            else if (f == QLatin1String("Farbe"))
                werte << z.fellfarbe;
            else if (f == QLatin1String("Merkmal"))
                werte << z.merkmal;
            else if (f == QLatin1String("GebDatum"))
                werte << (z.geburt.isValid() ? z.geburt.toString(QStringLiteral("dd.MM.yyyy")) : QString());
            else if (f == QLatin1String("Alter"))
                werte << breeding::alterZeile(z, d.heute, caption);
            else if (f == QLatin1String("Geschlecht"))
                werte << breeding::geschlechtText(z.geschlecht, caption);
            else if (f == QLatin1String("Vater"))
                werte << z.vaterName;
            else if (f == QLatin1String("Mutter"))
                werte << z.mutterName;
            else if (f == QLatin1String("IK"))
                werte << z.ik;
            else
                werte << z.avk;
        }
        rows->append(werte);
    }
    return ReportJob(std::move(r), std::move(rows));
}

} // namespace tav::printouts
