// The tom's mating book and the mating certificate of one of its matings.
#include "KatzenDruckTeile.h"
#include "ReportKatzen.h"

#include "cats/Wurfdaten.h"
#include "store/Namen_register.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

using namespace tav::store::namen;

using namespace tav::report;
using tav::store::Table;

namespace tav::printouts {

namespace {

enum Tag {
    TagDeckbuchVon = 6125,
    TagDeckschein = 6126,
    TagZuchtbuch = 6127,
    TagTaeto = 6128,
    TagChip = 6129,
    TagTitel = 6130,
    TagHatAm = 6131,
    TagGedeckt = 6132,
    TagUnterschrift = 6133,
    TagDecktermin = 4201,
    TagKatze = 4240,
    TagWurftermin = 4205,
    TagWurftag = 4204,
    TagErfolge = 4239,
    TagBemerkung = 4208,
    TagRasse = 1406,
    TagKater = 4206,
    TagGeb = 8103,
    TagFarbe = 1405,
    TagBesitzer = 1410,
    TagDatum = 3181,
};

constexpr double Breite = 190, Zeile = 6.5, Wert = 52;

QString katzenName(store::Database &db, int nr)
{
    QString name;
    zeilenLesen(db, catstamm::Datei, "", nr, [&](const Table &t) {
        name = t.text(catstamm::Name);
        return false;
    });
    return name;
}

// The lines of one cat on the certificate from `y`; returns the height they take.
double katzenAbschnitt(Band &b, double y, int katzeTag, const char *katzeText, const KatzeDruck &k)
{
    const Font fein = textFont(10), fett = textFont(10, true);
    const auto paar = [&](double yy, int tag, const char *text, const QString &wert, const Font &f) {
        b.elements << label(QRectF(2, yy, Wert - 4, Zeile), QString::fromUtf8(text), fein, tag);
        Element e = label(QRectF(Wert, yy, Breite - Wert - 2, Zeile), wert, f);
        e.elide = true;
        b.elements << e;
    };
    const double halb = Breite / 2;
    paar(y, TagRasse, "Rasse", k.rasse, fein);
    paar(y + Zeile, katzeTag, katzeText, k.name, textFont(12, true));
    // number lines in two columns: the right column's value ends at the frame
    const auto zwei = [&](double yy, int t1, const char *c1, const QString &w1, int t2, const char *c2,
                          const QString &w2) {
        b.elements << label(QRectF(2, yy, Wert - 4, Zeile), QString::fromUtf8(c1), fein, t1);
        b.elements << label(QRectF(Wert, yy, halb - Wert, Zeile), w1, fett);
        b.elements << label(QRectF(halb + 2, yy, 26, Zeile), QString::fromUtf8(c2), fein, t2);
        b.elements << label(QRectF(halb + 30, yy, halb - 32, Zeile), w2, fett);
    };
    zwei(y + 2 * Zeile, TagZuchtbuch, "Zuchtbuch-Nr", k.zuchtbuch, TagTaeto, "Täto-Nr", k.taeto);
    zwei(y + 3 * Zeile, TagChip, "Chip-Nr", k.chip, TagGeb, "Geb.", datum(k.geb));
    paar(y + 4 * Zeile, TagFarbe, "Farbe", k.fellFarbe, fett);
    paar(y + 5 * Zeile, TagTitel, "Titel und Auszeichnungen", titelMitBewertung(k.titel, k.bewertung), fett);
    b.elements << label(QRectF(2, y + 6 * Zeile, Wert - 4, Zeile), QStringLiteral("Besitzer"), fein,
                        TagBesitzer);
    const QStringList block = anschriftBlock(k.besitzer).split(QLatin1Char('\r'));
    for (int i = 0; i < block.size(); ++i)
        b.elements << label(QRectF(Wert, y + 6 * Zeile + i * 5.0, Breite - Wert - 2, 5), block[i], fett);
    return 6 * Zeile + 3 * 5.0 + 4;
}

} // namespace

// --- mating book --------------------------------------------------------------------------

std::shared_ptr<ListRows> deckbuchZeilen(store::Database &db, int kater, int tage)
{
    auto rows = std::make_shared<ListRows>(
        QStringList{"Decktermin", "KatzeAnz", "Wurftermin", "Wurftag", "Erfolge", "Bemerkung"});
    QVector<QVariantList> liste;
    zeilenLesen(db, deckbuch::Datei, deckbuch::idx::KaterDecktermin, kater, [&](const Table &t) {
        const QDate gedeckt = t.value(deckbuch::Decktermin).toDate();
        const QDate wurftermin = cats::wurftermin(gedeckt, tage);
        liste.append(
            QVariantList{gedeckt.isValid() ? QVariant(gedeckt) : QVariant(), t.intValue(deckbuch::Katze),
                         wurftermin.isValid() ? QVariant(wurftermin) : QVariant(), t.value(deckbuch::Wurftag),
                         t.text(deckbuch::Erfolge), t.text(deckbuch::Bemerkung)});
        return true;
    });
    for (QVariantList &z : liste) {
        z[1] = katzenName(db, z[1].toInt());
        rows->append(z);
    }
    return rows;
}

ReportJob reportDeckbuch(const QString &katerName, std::shared_ptr<const RowSource> zeilen)
{
    Report r;
    r.page.landscape = true;
    r.tag = TagDeckbuchVon;
    r.title = QStringLiteral("Deckbuch");
    titelBand(r, {{TagDeckbuchVon, QStringLiteral("Deckbuch von :")}, {0, QLatin1Char(' ') + katerName}}, 277,
              textFont(12, true));
    const QVector<Spalte> spalten = {
        {0, 0, 28, "Decktermin", "Decktermin", TagDecktermin},
        {0, 28, 70, "KatzeAnz", "Katze", TagKatze},
        {0, 98, 28, "Wurftermin", "Wurftermin", TagWurftermin},
        {0, 126, 28, "Wurftag", "Wurftag", TagWurftag},
        {0, 154, 35, "Erfolge", "Erfolge", TagErfolge},
        {0, 189, 88, "Bemerkung", "Bemerkung", TagBemerkung},
    };
    spaltenBaender(r, spalten, 277, 5, 9);
    addFooter(r, true, TagSeite);
    return ReportJob(std::move(r), std::move(zeilen));
}

// --- mating certificate ---------------------------------------------------------------------

std::optional<DeckscheinDaten> deckscheinDaten(store::Database &db, KatzenLeser &leser, int kater,
                                               int deckbuchZeile)
{
    int katze = 0;
    QDate decktermin;
    zeilenLesen(db, deckbuch::Datei, deckbuch::idx::KaterDecktermin, kater, [&](const Table &t) {
        if (deckbuchZeile && t.intValue(deckbuch::LaufendeNummer) != deckbuchZeile)
            return true;
        katze = t.intValue(deckbuch::Katze);
        decktermin = t.value(deckbuch::Decktermin).toDate();
        return deckbuchZeile == 0; // without a row asked for, the latest
    });
    std::optional<KatzeDruck> k = leser.katze(kater);
    if (!k || (!katze && !decktermin.isValid()))
        return std::nullopt;
    DeckscheinDaten d;
    d.kater = *k;
    d.katze = leser.katze(katze).value_or(KatzeDruck());
    d.decktermin = decktermin;
    return d;
}

std::optional<QString> deckscheinText(const QString &datenordner)
{
    QFile f(datenordner + QStringLiteral("/deckschein.txt"));
    // a certificate without the breeder's own wording is a certificate all the same
    if (!f.exists())
        return QString();
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.readAll();
    // the breeder's text is UTF-8, or Windows-1252 from an older editor
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

ReportJob reportDeckschein(const DeckscheinDaten &d)
{
    Report r;
    r.tag = TagDeckschein;
    r.title = QStringLiteral("Deckbuch");
    const Font fein = textFont(10), fett = textFont(12, true);
    Band &b = r.add(Band::Kind::Title, 10, QStringLiteral("certificate"));
    Element kopf =
        label(QRectF(0, 2, Breite, 10), QStringLiteral("DECKSCHEIN"), textFont(20, true), TagDeckschein);
    kopf.align = Qt::AlignHCenter;
    b.elements << kopf;
    double y = 15;
    b.elements << line({0, y}, {Breite, y}, 0.4);
    y += katzenAbschnitt(b, y + 2, TagKater, "Kater", d.kater) + 2;
    b.elements << line({0, y}, {Breite, y}, 0.4);
    b.elements << label(QRectF(2, y + 2, Wert - 4, Zeile), QStringLiteral("hat am"), fein, TagHatAm);
    b.elements << label(QRectF(Wert, y + 2, 60, Zeile), datum(d.decktermin), fett);
    y += Zeile + 4;
    b.elements << line({0, y}, {Breite, y}, 0.4);
    y += katzenAbschnitt(b, y + 2, TagKatze, "Katze", d.katze) + 2;
    b.elements << label(QRectF(2, y, Wert - 4, Zeile), QStringLiteral("gedeckt."), fett, TagGedeckt);
    y += Zeile + 2;
    b.elements << frame(QRectF(0, 0, Breite, y), 0.4);
    b.height = y + 3;

    Band &text = r.add(Band::Kind::Child, 6, QStringLiteral("text"));
    text.enabled = !d.freitext.isEmpty();
    text.elements << memo(QRectF(2, 0, Breite - 4, 4),
                          d.freitext.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))), textFont(8));

    Band &ende = r.add(Band::Kind::Child, 26, QStringLiteral("signature"));
    ende.elements << line({0, 3}, {Breite, 3}, 0.4);
    ende.elements << label(QRectF(2, 8, 20, Zeile), QStringLiteral("Datum"), fein, TagDatum);
    ende.elements << date(QRectF(22, 8, 40, Zeile), fett);
    ende.elements << label(QRectF(70, 8, 80, Zeile), QStringLiteral("Unterschrift des Deckkaterbesitzers:"),
                           fein, TagUnterschrift);
    ende.elements << line({70, 22}, {Breite - 2, 22}, 0.3);
    addFooter(r, false);
    return ReportJob(std::move(r));
}

} // namespace tav::printouts
