#include "ReportDeckplan.h"

using namespace tav::report;
using tav::breeding::DeckSpalte;

namespace tav::printouts {

namespace {
constexpr double Width = 277, Line = 5;
enum Tag { TagTitel = 7623, TagKatze = 7602, TagGenerationen = 7604, TagVom = 1499, TagSeite = 4876 };

struct Spalte {
    DeckSpalte art;
    QString titel;
    int tag;
    double breite;
};

const QVector<Spalte> &spalten()
{
    static const QVector<Spalte> s{
        {DeckSpalte::Kater, QStringLiteral("Kater"), 4206, 48},
        {DeckSpalte::Rasse, QStringLiteral("Rasse"), 4257, 14},
        {DeckSpalte::Alter, QStringLiteral("Alter"), 4228, 10},
        {DeckSpalte::IK, QStringLiteral("IK"), 3138, 16},
        {DeckSpalte::AVK, QStringLiteral("AVK"), 3139, 14},
        {DeckSpalte::Gemeinsame, QStringLiteral("Gemeinsame Vorfahren"), 7618, 75},
        {DeckSpalte::Rassen, QStringLiteral("Rassen der Kitten"), 7619, 55},
        {DeckSpalte::Merkmale, QStringLiteral("Merkmale des Katers"), 7620, 45},
    };
    return s;
}
} // namespace

const QVector<DeckSpalte> &deckplanSpalten()
{
    static const QVector<DeckSpalte> arten = [] {
        QVector<DeckSpalte> a;
        for (const Spalte &s : spalten())
            a << s.art;
        return a;
    }();
    return arten;
}

DeckplanDruck deckplanDruck(const breeding::Deckplaner &p, qint32 koenigin,
                            const QVector<breeding::DeckZeile> &zeilen,
                            const std::function<QString(int)> &meldung)
{
    DeckplanDruck d;
    const breeding::PlanKatze *k = p.katze(koenigin);
    d.koenigin = k ? k->name : QString();
    d.generationen = p.generationen();
    for (const breeding::DeckZeile &z : zeilen) {
        QStringList texte;
        for (DeckSpalte s : deckplanSpalten())
            texte << p.text(z, s, meldung);
        d.zeilen << texte;
    }
    return d;
}

ReportJob reportDeckplan(const DeckplanDruck &d)
{
    Report r;
    r.page.landscape = true;
    r.tag = TagTitel;
    r.title = QStringLiteral("Deckplaner");
    Font normal, fett, gross;
    normal.size = 8;
    fett = normal;
    fett.bold = true;
    gross.size = 13;
    gross.bold = true;

    Band &titel = r.add(Band::Kind::Title, 20, QStringLiteral("title"));
    titel.elements << label(QRectF(0, 0, Width - 45, 8), QStringLiteral("Deckplaner"), gross, TagTitel);
    titel.elements << label(QRectF(Width - 45, 1, 15, Line), QStringLiteral("vom:"), normal, TagVom);
    titel.elements << date(QRectF(Width - 30, 1, 30, Line), normal);
    titel.elements << label(
        QRectF(0, 10, Width / 2, Line),
        QVector<TextPiece>{{TagKatze, QStringLiteral("Katze:")}, {0, QLatin1Char(' ') + d.koenigin}}, fett);
    titel.elements << label(QRectF(Width / 2, 10, Width / 2, Line),
                            QVector<TextPiece>{{TagGenerationen, QStringLiteral("Generationen:")},
                                               {0, QLatin1Char(' ') + QString::number(d.generationen)}},
                            normal);

    Band &kopf = r.add(Band::Kind::ColumnHeader, 7, QStringLiteral("header"));
    Band &zeile = r.add(Band::Kind::Detail, Line, QStringLiteral("rows"));
    double x = 0;
    QStringList felder;
    for (int i = 0; i < spalten().size(); ++i) {
        const Spalte &s = spalten()[i];
        kopf.elements << label(QRectF(x, 1, s.breite - 1, Line), s.titel, fett, s.tag);
        Element f = field(QRectF(x, 0.3, s.breite - 1, Line - 0.6), QStringLiteral("s%1").arg(i), normal);
        f.elide = true;
        zeile.elements << f;
        felder << QStringLiteral("s%1").arg(i);
        x += s.breite;
    }
    kopf.elements << line({0, 6.5}, {Width, 6.5}, 0.2);
    addFooter(r, true, TagSeite);
    auto rows = std::make_shared<ListRows>(felder);
    for (const QStringList &z : d.zeilen) {
        QVariantList werte;
        for (const QString &t : z)
            werte << t;
        rows->append(werte);
    }
    return ReportJob(std::move(r), std::move(rows));
}

} // namespace tav::printouts
