#include "ReportStatistikStammbaum.h"

using namespace tav::report;

namespace tav::printouts {

namespace {
enum Tag {
    TagMit = 1497,
    TagVom = 1499,
    TagAlle = 1619,
    TagUeber = 1620,
    TagGenerationen = 1621,
    TagGesucht = 1622,
    TagMerkmale = 1623,
    TagFarbe = 1624,
    TagTitel = 1625,
    TagReport = 8050,
    TagSeite = 8017,
};
constexpr double Width = 190, Line = 5;
} // namespace

ReportJob reportStatistikStammbaum(const StatistikDruck &d)
{
    Report r;
    r.tag = TagReport;
    r.title = QStringLiteral("Merkmalstatistik");
    Font normal, gross;
    gross.size = 13;
    gross.bold = true;

    QVector<QVector<TextPiece>> zeilen{
        {{TagFarbe, QStringLiteral("Farbe:")}, {0, QLatin1Char(' ') + d.farbe}},
        {{TagMerkmale, QStringLiteral("Merkmale:")}, {0, QLatin1Char(' ') + d.merkmale}},
        {{TagUeber, QStringLiteral("Ausgewertet über")},
         {0, QStringLiteral(" %1 ").arg(d.generationen)},
         {TagGenerationen, QStringLiteral("Generationen")}}};
    if (!d.gesuchteFarbe.isEmpty())
        zeilen.append(
            {{0, d.gesuchteFarbe + QLatin1Char(' ')}, {TagGesucht, QStringLiteral("(gesuchte Farbe)")}});
    if (d.suche == StatistikDruck::Suche::AlleMerkmale)
        zeilen.append({{TagAlle, QStringLiteral("mit allen Merkmalen")}});
    else if (d.suche == StatistikDruck::Suche::Ausgewaehlte)
        zeilen.append({{TagMit, QStringLiteral("mit den Merkmalen:")},
                       {0, QLatin1Char(' ') + d.gesuchteMerkmale.join(QStringLiteral(", "))}});

    Band &titel = r.add(Band::Kind::Title, 12 + Line * zeilen.size() + 4, QStringLiteral("title"));
    titel.elements << label(
        QRectF(0, 0, Width - 45, 8),
        QVector<TextPiece>{{TagTitel, QStringLiteral("Merkmalstatistik des Stammbaums von")},
                           {0, QLatin1Char(' ') + d.katze}},
        gross);
    titel.elements << label(QRectF(Width - 45, 11, 15, Line), QStringLiteral("vom:"), normal, TagVom);
    titel.elements << date(QRectF(Width - 30, 11, 30, Line), normal);
    for (int i = 0; i < zeilen.size(); ++i)
        titel.elements << label(QRectF(0, 11 + Line * i, Width - 50, Line), zeilen[i], normal);
    const double unten = 12 + Line * zeilen.size() + 2;
    titel.elements << line({0, unten}, {Width, unten}, 0.3);

    Band &text = r.add(Band::Kind::Child, Line, QStringLiteral("result"));
    text.elements << memo(QRectF(0, 0, Width, Line), d.text, normal);
    addFooter(r, true, TagSeite);
    return ReportJob(std::move(r));
}

} // namespace tav::printouts
