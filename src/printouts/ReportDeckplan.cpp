#include "ReportDeckplan.h"

#include "KatzenDruckTeile.h"

using namespace tav::report;
using tav::breeding::DeckSpalte;

namespace tav::printouts {

namespace {
constexpr double Width = 277, Line = 5;
enum Tag { TagTitel = 7623, TagKatze = 7602, TagGenerationen = 7604, TagListe = 4876 };

// what each printed column shows, and where it stands
struct DruckSpalte {
    DeckSpalte art;
    Spalte spalte;
};

const QVector<DruckSpalte> &druckSpalten()
{
    static const QVector<DruckSpalte> s = [] {
        const QVector<QPair<DeckSpalte, Spalte>> roh{
            {DeckSpalte::Kater, {0, 0, 48, "s0", "Kater", 4206}},
            {DeckSpalte::Rasse, {0, 0, 14, "s1", "Rasse", 4257}},
            {DeckSpalte::Alter, {0, 0, 10, "s2", "Alter", 4228}},
            {DeckSpalte::IK, {0, 0, 16, "s3", "IK", 3138}},
            {DeckSpalte::AVK, {0, 0, 14, "s4", "AVK", 3139}},
            {DeckSpalte::Gemeinsame, {0, 0, 75, "s5", "Gemeinsame Vorfahren", 7618}},
            {DeckSpalte::Rassen, {0, 0, 55, "s6", "Rassen der Kitten", 7619}},
            {DeckSpalte::Merkmale, {0, 0, 45, "s7", "Merkmale des Katers", 7620}},
        };
        QVector<DruckSpalte> a;
        double x = 0;
        for (auto [art, spalte] : roh) {
            spalte.links = x;
            x += spalte.breite;
            a << DruckSpalte{art, spalte};
        }
        return a;
    }();
    return s;
}
} // namespace

const QVector<DeckSpalte> &deckplanSpalten()
{
    static const QVector<DeckSpalte> arten = [] {
        QVector<DeckSpalte> a;
        for (const DruckSpalte &s : druckSpalten())
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
            texte << p.text(z, s, meldung).trimmed();
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
    titelBand(r, {{TagTitel, QStringLiteral("Deckplaner")}}, Width);
    Band &angaben = r.add(Band::Kind::Child, 8, QStringLiteral("queen"));
    angaben.elements << label(
        QRectF(0, 1, Width / 2, Line),
        QVector<TextPiece>{{TagKatze, QStringLiteral("Katze:")}, {0, QLatin1Char(' ') + d.koenigin}},
        textFont(9, true));
    angaben.elements << label(QRectF(Width / 2, 1, Width / 2, Line),
                              QVector<TextPiece>{{TagGenerationen, QStringLiteral("Generationen:")},
                                                 {0, QLatin1Char(' ') + QString::number(d.generationen)}},
                              textFont(9));
    QVector<Spalte> spalten;
    QStringList felder;
    for (const DruckSpalte &s : druckSpalten()) {
        spalten << s.spalte;
        felder << QString::fromLatin1(s.spalte.feld);
    }
    spaltenBaender(r, spalten, Width, Line, 8);
    addFooter(r, true, TagListe);
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
