#include "ReportGewinnVerlust.h"

using namespace tav::report;
using tav::office::Buchung;
using tav::office::Konto;

namespace tav::printouts {

namespace {
enum Tag {
    TagReport = 7000,
    TagZeitraum = 7001,
    TagEroeffnung = 7002,
    TagEinnahmen = 7003,
    TagAusgaben = 7004,
    TagKategorie = 7005,
    TagBetrag = 7006,
    TagSaldo = 7007,
    TagSchluss = 7009,
    TagSaldoEinAus = 7010,
    TagSumme = 7011,
    TagDatum = 7012,
    TagKonto = 7013,
    TagSeite = 4876,
};
constexpr double Width = 190;
constexpr double Line = 6;

Element rechts(Element e)
{
    e.align = Qt::AlignRight;
    return e;
}

Report neuerReport()
{
    Report r;
    r.tag = TagReport;
    r.title = QStringLiteral("Gewinn- und Verlustrechnung");
    return r;
}

// the accounts with a date and an amount column, under a caption
std::shared_ptr<ListRows> kontenZeilen(const QVector<Konto> &konten, bool eroeffnung, const QLocale &l)
{
    auto rows = std::make_shared<ListRows>(
        QStringList{QStringLiteral("Name"), QStringLiteral("Zum"), QStringLiteral("Betrag")});
    for (const Konto &k : konten)
        rows->append({k.name, eroeffnung ? k.zum.toString(QStringLiteral("dd.MM.yyyy")) : QString(),
                      (eroeffnung ? k.eroeffnung : k.kontostand).text(l)});
    return rows;
}

void kontenZeile(Report &r)
{
    Band &z = r.add(Band::Kind::Detail, Line, QStringLiteral("konten"));
    z.elements << field(QRectF(10, 0, 90, Line), QStringLiteral("Name"), textFont(10, false))
               << field(QRectF(100, 0, 30, Line), QStringLiteral("Zum"), textFont(10, false))
               << rechts(field(QRectF(135, 0, 45, Line), QStringLiteral("Betrag"), textFont(10, false)));
}
} // namespace

GewinnVerlustDruck gewinnVerlustLesen(tav::store::Database &db, const tav::office::Zeitraum &z,
                                      const QLocale &locale)
{
    GewinnVerlustDruck d;
    d.gv = tav::office::gewinnVerlust(db, z);
    d.konten = tav::office::konten(db);
    d.kontostandSumme = tav::office::kontostandSumme(db);
    d.locale = locale;
    return d;
}

Report reportGewinnVerlust(int titelTag, const QString &titel, const QString &summe)
{
    Report r = neuerReport();
    Band &t = r.add(Band::Kind::Title, 12, QStringLiteral("title"));
    t.elements << label(QRectF(0, 0, Width, 9), titel, textFont(14, true), titelTag);
    Band &kopf = r.add(Band::Kind::ColumnHeader, 8, QStringLiteral("header"));
    kopf.elements << label(QRectF(0, 1, 25, Line), QStringLiteral("Datum"), textFont(10, true), TagDatum)
                  << label(QRectF(27, 1, 70, Line), QStringLiteral("Kategorie"), textFont(10, true),
                           TagKategorie)
                  << label(QRectF(99, 1, 45, Line), QStringLiteral("Konto"), textFont(10, true), TagKonto)
                  << rechts(label(QRectF(145, 1, 45, Line), QStringLiteral("Betrag"), textFont(10, true),
                                  TagBetrag))
                  << line({0, 7.5}, {Width, 7.5});
    Band &z = r.add(Band::Kind::Detail, Line, QStringLiteral("posten"));
    z.elements << field(QRectF(0, 0, 25, Line), QStringLiteral("Datum"), textFont(10, false))
               << field(QRectF(27, 0, 70, Line), QStringLiteral("Kategorie"), textFont(10, false))
               << field(QRectF(99, 0, 45, Line), QStringLiteral("Konto"), textFont(10, false))
               << rechts(field(QRectF(145, 0, 45, Line), QStringLiteral("Betrag"), textFont(10, false)));
    Band &s = r.add(Band::Kind::Summary, 10, QStringLiteral("summary"));
    s.elements << line({100, 1}, {Width, 1})
               << label(QRectF(100, 2, 40, Line), QStringLiteral("Saldo:"), textFont(10, true), TagSaldo)
               << rechts(label(QRectF(140, 2, 50, Line), summe, textFont(10, true)));
    addFooter(r, true, TagSeite);
    return r;
}

ReportJob reportGewinnUndVerlust(const GewinnVerlustDruck &d)
{
    const QLocale &l = d.locale;
    const QString datum = QStringLiteral("dd.MM.yyyy");
    ReportJob job;

    Report start = neuerReport();
    Band &t = start.add(Band::Kind::Title, 32, QStringLiteral("title"));
    t.elements << label(QRectF(0, 0, Width, 10), QStringLiteral("Gewinn- und Verlustrechnung"),
                        textFont(16, true), TagReport)
               << label(QRectF(0, 14, 50, Line), QStringLiteral("gewählter Zeitraum :"), textFont(10, false),
                        TagZeitraum)
               << label(QRectF(50, 14, 100, Line),
                        d.gv.zeitraum.von.toString(datum) + QStringLiteral(" - ") +
                            d.gv.zeitraum.bis.toString(datum),
                        textFont(10, true))
               << label(QRectF(0, 24, 80, Line), QStringLiteral("Eröffnungssalden :"), textFont(10, true),
                        TagEroeffnung);
    kontenZeile(start);
    job.add(std::move(start), kontenZeilen(d.konten, true, l));

    auto posten = [&](const QVector<Buchung> &liste, bool ausgabe) {
        auto rows =
            std::make_shared<ListRows>(QStringList{QStringLiteral("Datum"), QStringLiteral("Kategorie"),
                                                   QStringLiteral("Konto"), QStringLiteral("Betrag")});
        for (const Buchung &b : liste)
            rows->append({b.datum.toString(datum), b.kategorie, b.kontoName,
                          (ausgabe ? -b.betrag : b.betrag).text(l)});
        return rows;
    };
    job.add(reportGewinnVerlust(TagEinnahmen, QStringLiteral("Einnahmen"), d.gv.einnahmenGesamt.text(l)),
            posten(d.gv.einnahmen, false));
    job.add(reportGewinnVerlust(TagAusgaben, QStringLiteral("Ausgaben"), d.gv.ausgabenGesamt.text(l)),
            posten(d.gv.ausgaben, true));

    Report ende = neuerReport();
    Band &e = ende.add(Band::Kind::Title, 24, QStringLiteral("title"));
    e.elements << label(QRectF(0, 0, 110, 9),
                        QVector<TextPiece>{{TagSchluss, QStringLiteral("Schlußsalden zum ")},
                                           {0, d.heute.toString(datum)}},
                        textFont(14, true))
               << label(QRectF(0, 12, 80, Line), QStringLiteral("Saldo Einnahmen/Ausgaben:"),
                        textFont(10, true), TagSaldoEinAus)
               << rechts(label(QRectF(135, 12, 45, Line), d.gv.saldo().text(l), textFont(10, true)));
    kontenZeile(ende);
    Band &s = ende.add(Band::Kind::Summary, 10, QStringLiteral("summary"));
    s.elements << line({100, 1}, {180, 1})
               << label(QRectF(100, 2, 30, Line), QStringLiteral("Summe:"), textFont(10, true), TagSumme)
               << rechts(label(QRectF(135, 2, 45, Line), d.kontostandSumme.text(l), textFont(10, true)));
    addFooter(ende, false);
    job.add(std::move(ende), kontenZeilen(d.konten, false, l));
    return job;
}

} // namespace tav::printouts
