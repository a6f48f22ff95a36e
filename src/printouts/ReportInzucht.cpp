#include "ReportInzucht.h"

#include "breeding/InzuchtErgebnis.h"

#include <QCollator>
#include <algorithm>
#include <limits>

using namespace tav::report;

namespace tav::printouts {

namespace {

// the title band and the captions of the print-out
enum Tag {
    TagReport = 9660,
    TagInzuchtVon = 9661,
    TagBerechnungUeber = 9662,
    TagGenerationen = 9663,
    TagVater = 9664,
    TagMutter = 9665,
    TagInzuchtliste = 9666,
    TagKoeffizient = 9667,
    TagAhnenverlust = 9668,
    TagTopKatzen = 9669,
    TagKlonanalyse = 9670,
    TagProzent = 9671,
    TagName = 9672,
    TagVorfahrName = 9673,
    TagVorfahrAnzahl = 9674,
    TagSeite = 9675,
};

constexpr double Width = 190; // A4 portrait less 10 mm each side
constexpr double Line = 5;

} // namespace

ReportJob reportInzucht(const InzuchtDruck &d)
{
    Report r;
    r.tag = TagReport;
    r.title = QStringLiteral("Inzuchtgradberechnung");
    const Font normal = textFont(10), fett = textFont(10, true);

    Band &titel = r.add(Band::Kind::Title, 36, QStringLiteral("title"));
    titel.elements << label(
        QRectF(0, 0, Width - 30, 8),
        QVector<TextPiece>{{TagInzuchtVon, QStringLiteral("Inzucht von :")}, {0, QLatin1Char(' ') + d.katze}},
        textFont(14, true));
    Element heute = date(QRectF(Width - 30, 1, 30, Line), normal);
    heute.align = Qt::AlignRight;
    titel.elements << heute;
    titel.elements << label(QRectF(0, 11, Width, Line),
                            QVector<TextPiece>{{TagBerechnungUeber, QStringLiteral("Berechnung über")},
                                               {0, QStringLiteral(" %1 ").arg(d.generationen)},
                                               {TagGenerationen, QStringLiteral("Generationen")}},
                            normal);
    titel.elements << label(QRectF(0, 18, 30, Line), QStringLiteral("Vater :"), fett, TagVater);
    titel.elements << label(QRectF(30, 18, Width - 30, Line), d.vater, normal);
    titel.elements << label(QRectF(0, 24, 30, Line), QStringLiteral("Mutter :"), fett, TagMutter);
    titel.elements << label(QRectF(30, 24, Width - 30, Line), d.mutter, normal);
    titel.elements << line({0, 32}, {Width, 32}, 0.3);

    Band &paare = r.add(Band::Kind::Child, 8 + Line, QStringLiteral("pairs"));
    paare.enabled = d.mitInzuchtliste;
    paare.elements << label(QRectF(0, 0, Width, 6), QStringLiteral("Auflistung aller Katzen mit Inzucht"),
                            fett, TagInzuchtliste);
    paare.elements << memo(QRectF(0, 7, Width, Line), d.inzucht, normal);

    Band &koeffizient = r.add(Band::Kind::Child, 20, QStringLiteral("coefficient"));
    koeffizient.elements << label(
        QRectF(0, 2, Width, 6),
        QVector<TextPiece>{{TagKoeffizient, QStringLiteral("Der Inzuchtkoeffizient beträgt")},
                           {0, QLatin1Char(' ') + d.koeffizient.trimmed()}},
        textFont(11, true));
    koeffizient.elements << label(QRectF(0, 10, Width, 6), QStringLiteral("Ahnenverlust des Tieres"), fett,
                                  TagAhnenverlust);
    koeffizient.elements << memo(QRectF(0, 17, Width, Line), d.ahnenverlust, normal);

    Band &top = r.add(Band::Kind::Child, 20, QStringLiteral("topcats"));
    top.enabled = d.mitKlonliste;
    top.elements << label(QRectF(0, 2, 80, 6), QStringLiteral("Top Katzen"), fett, TagTopKatzen);
    QStringList topZeilen;
    for (const InzuchtDruck::TopKatze &t : d.topKatzen)
        topZeilen << QStringLiteral("%1 - %2").arg(t.slot).arg(t.name) << QStringLiteral("     ") + t.anteil;
    top.elements << memo(QRectF(0, 9, 80, Line), topZeilen, normal);
    top.elements << label(QRectF(90, 2, 100, 6), QStringLiteral("Klonanalyse"), fett, TagKlonanalyse);
    top.elements << label(QRectF(90, 9, 25, Line), QStringLiteral("Prozent"), fett, TagProzent);
    top.elements << label(QRectF(115, 9, 75, Line), QStringLiteral("Name"), fett, TagName);
    QStringList prozente, namen;
    for (const InzuchtDruck::Klon &k : d.klone) {
        prozente << k.prozent;
        namen << k.name;
    }
    top.elements << memo(QRectF(90, 15, 25, Line), prozente, normal);
    top.elements << memo(QRectF(115, 15, 75, Line), namen, normal);

    Band &kopf = r.add(Band::Kind::ColumnHeader, 12, QStringLiteral("ancestorheader"));
    kopf.enabled = d.mitVorfahrenliste;
    kopf.elements << label(QRectF(0, 4, 120, 6), QStringLiteral("Name des Vorfahren"), fett, TagVorfahrName);
    Element anzahlKopf = label(QRectF(110, 4, 80, 6), QStringLiteral("Anzahl des Vorkommens im Stammbaum"),
                               fett, TagVorfahrAnzahl);
    anzahlKopf.align = Qt::AlignRight;
    kopf.elements << anzahlKopf << line({0, 11}, {Width, 11}, 0.2);
    Band &zeile = r.add(Band::Kind::Detail, Line, QStringLiteral("ancestors"));
    zeile.enabled = d.mitVorfahrenliste;
    zeile.elements << field(QRectF(0, 0, 150, Line), QStringLiteral("Name"), normal);
    Element anzahl = field(QRectF(150, 0, 40, Line), QStringLiteral("Anzahl"), normal);
    anzahl.align = Qt::AlignRight;
    zeile.elements << anzahl;

    addFooter(r, true, TagSeite);

    auto rows = std::make_shared<ListRows>(QStringList{QStringLiteral("Name"), QStringLiteral("Anzahl")});
    for (const InzuchtDruck::Vorfahr &v : d.vorfahren)
        rows->append({v.name, v.anzahlText.isEmpty() ? QVariant(v.anzahl) : QVariant(v.anzahlText)});
    return ReportJob(std::move(r), std::move(rows));
}

InzuchtDruck inzuchtDruck(const breeding::InzuchtErgebnis &e, const breeding::InzuchtTextArt &art,
                          const QString &tiername, qint32 vater, qint32 mutter,
                          const std::function<QString(qint32)> &katzenName)
{
    const breeding::InzuchtTexte t = breeding::inzuchtTexte(e, art);
    InzuchtDruck d;
    d.katze = t.RTier.isEmpty() ? tiername : tiername + QStringLiteral("   ") + t.RTier;
    d.generationen = e.generationen;
    d.vater = vater ? katzenName(vater) : QString();
    d.mutter = mutter ? katzenName(mutter) : QString();
    d.inzucht = t.Inzucht;
    d.koeffizient = t.Inzuchtkoeffizient;
    d.ahnenverlust = t.Ahnenverlust;
    for (int slot = 1; slot <= 5; ++slot) {
        const qint32 katze = e.AnzahlTopKatzen[slot - 1].katze;
        d.topKatzen.append({slot, katze ? katzenName(katze) : QString(),
                            breeding::topKatzeAnteilText(e, slot, art.dezimal)});
    }
    for (const QString &zeile : t.Clon) {
        const qsizetype schnitt = zeile.indexOf(QLatin1Char('/'));
        d.klone.append(schnitt < 0 ? InzuchtDruck::Klon{zeile, QString()}
                                   : InzuchtDruck::Klon{zeile.left(schnitt), zeile.mid(schnitt + 1)});
    }
    for (const auto &v : e.Vorfahrenliste)
        d.vorfahren.append(v.Anzahl <= breeding::Anzahl(std::numeric_limits<qint64>::max())
                               ? InzuchtDruck::Vorfahr{v.Name, qint64(v.Anzahl), QString()}
                               : InzuchtDruck::Vorfahr{v.Name, std::numeric_limits<qint64>::max(),
                                                       breeding::anzahlText(v.Anzahl)});
    QCollator nachName(QLocale(QLocale::German));
    std::stable_sort(d.vorfahren.begin(), d.vorfahren.end(),
                     [&](const InzuchtDruck::Vorfahr &a, const InzuchtDruck::Vorfahr &b) {
                         return nachName.compare(a.name, b.name) < 0;
                     });
    return d;
}

} // namespace tav::printouts
