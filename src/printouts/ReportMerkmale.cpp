#include "ReportMerkmale.h"

#include "store/Database.h"
#include "store/Namen_reference.h"
#include "store/Table.h"

#include <QColor>

using namespace tav::store::namen;

using namespace tav::report;

namespace tav::printouts {

namespace {
enum Tag {
    TagReport = 4870,
    TagNummer = 4872,
    TagBezeichnung = 4873,
    TagKuerzel = 4874,
    TagFarbe = 4875,
    TagSeite = 4876
};
constexpr double Width = 190;
constexpr double Line = 6;

QColor gespeicherteFarbe(int v)
{
    return QColor(v & 0xff, (v >> 8) & 0xff, (v >> 16) & 0xff);
}
} // namespace

QVector<Merkmal> merkmaleLesen(tav::store::Database &db)
{
    QVector<Merkmal> liste;
    if (!db.tableExists(merkmale::Datei))
        return liste;
    tav::store::Table t(&db, merkmale::Datei);
    t.setReadOnly(true);
    t.open();
    for (t.first(); !t.eof(); t.next())
        liste.append({t.intValue(merkmale::LaufendeNummer), t.text(merkmale::Bezeichnung),
                      t.text(merkmale::Kuerzel), t.intValue(merkmale::farbe)});
    return liste;
}

ReportJob reportMerkmale(const QVector<Merkmal> &merkmale)
{
    Report r;
    r.tag = TagReport;
    r.title = QStringLiteral("Merkmale");
    Font normal;
    normal.size = 10;
    Font fett = normal;
    fett.bold = true;
    Font gross = fett;
    gross.size = 14;

    Band &titel = r.add(Band::Kind::Title, 14, QStringLiteral("title"));
    titel.elements << label(QRectF(0, 0, Width - 30, 8), QStringLiteral("Merkmale"), gross, TagReport);
    Element heute = date(QRectF(Width - 30, 1, 30, Line), normal);
    heute.align = Qt::AlignRight;
    titel.elements << heute;

    Band &kopf = r.add(Band::Kind::ColumnHeader, 9, QStringLiteral("header"));
    kopf.elements << label(QRectF(0, 1, 15, Line), QStringLiteral("Nr."), fett, TagNummer)
                  << label(QRectF(18, 1, 100, Line), QStringLiteral("Bezeichnung"), fett, TagBezeichnung)
                  << label(QRectF(120, 1, 35, Line), QStringLiteral("Kürzel"), fett, TagKuerzel)
                  << label(QRectF(158, 1, 32, Line), QStringLiteral("Farbe"), fett, TagFarbe)
                  << line({0, 8}, {Width, 8}, 0.2);

    Band &zeile = r.add(Band::Kind::Detail, Line + 1, QStringLiteral("traits"));
    Element nr = field(QRectF(0, 0.5, 15, Line), QStringLiteral("Nummer"), normal);
    zeile.elements << nr << field(QRectF(18, 0.5, 100, Line), QStringLiteral("Bezeichnung"), normal)
                   << field(QRectF(120, 0.5, 35, Line), QStringLiteral("Kuerzel"), normal);
    Element farbe = shape(QRectF(158, 0.5, 32, Line - 1), Qt::transparent);
    farbe.field = QStringLiteral("Farbe");
    zeile.elements << farbe << frame(QRectF(158, 0.5, 32, Line - 1), 0.1);

    addFooter(r, true, TagSeite);

    auto rows =
        std::make_shared<ListRows>(QStringList{QStringLiteral("Nummer"), QStringLiteral("Bezeichnung"),
                                               QStringLiteral("Kuerzel"), QStringLiteral("Farbe")});
    for (const Merkmal &m : merkmale)
        rows->append({m.nummer, m.bezeichnung, m.kuerzel, gespeicherteFarbe(m.farbe)});
    return ReportJob(std::move(r), std::move(rows));
}

} // namespace tav::printouts
