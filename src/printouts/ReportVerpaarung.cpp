#include "ReportVerpaarung.h"

#include <QLocale>

using namespace tav::report;
using tav::breeding::Verpaarungen;
using tav::breeding::WurfStatistik;

namespace tav::printouts {

namespace {

enum Tag {
    TagWuerfe = 8000,
    TagJunge = 8001,
    TagDurchschnitt = 8002,
    TagMaximal = 8003,
    TagMinimal = 8004,
    TagKatzen = 8005,
    TagKater = 8006,
    TagTier = 8007,
    TagGemeinsam = 8008,
    TagBemerkung = 8009,
    TagLebend = 8010,
    TagVerkauft = 8011,
    TagGekauft = 8012,
    TagGestorben = 8013,
    TagKeine = 8015,
    TagReport = 8016,
    TagSeite = 8017,
    TagRasse = 8028,
    TagFarbe = 8029,
    TagBesitzer = 8030,
    TagZuechter = 8031,
    TagVerpaarung = 892,
    TagUndWurf = 1287,
    TagVerpaarungenVon = 1388,
    TagJungtier = 1389,
    TagAusDer = 1390,
    TagUnd = 1391,
    TagGeboren = 1392,
    TagPartner = 1393,
};

constexpr double Width = 190;
constexpr double Line = 5;
const QString Einzug = QStringLiteral("     ");

QString datum(const QDate &d, const QLocale &locale)
{
    return d.isValid() ? locale.toString(d, QLocale::ShortFormat) : QString();
}

void statistik(VerpaarungDruck &d, const WurfStatistik &s, const QLocale &locale)
{
    d.werte.append({TagJunge, QStringLiteral("Junge gesamt:"), QString::number(s.junge)});
    d.werte.append({TagDurchschnitt, QStringLiteral("Durchschnitt pro Wurf:"), s.durchschnitt(locale)});
    d.werte.append({TagMaximal, QStringLiteral("Wurfgröße maximal:"), QString::number(s.groesste)});
    d.werte.append({TagMinimal, QStringLiteral("Wurfgröße minimal:"), QString::number(s.kleinste)});
    d.werte.append({TagKatzen, QStringLiteral("Katzen:"), QString::number(s.weiblich)});
    d.werte.append({TagKater, QStringLiteral("Kater:"), QString::number(s.maennlich)});
}

} // namespace

VerpaarungDruck verpaarungDruck(const Verpaarungen &v, const VerpaarungAuswahl &a, qint32 katze, bool kater,
                                const QString &katzenName, const KnotenText &text,
                                const QStringList &partnerZeilen, const QLocale &locale)
{
    VerpaarungDruck d;
    const QString katzenText = text(katze);
    d.knoten.append({0, katzenText, kater});
    d.keineVerpaarungen = v.partner.isEmpty();
    const auto partnerKnoten = [&](int p) {
        d.knoten.append({1, text(v.partner[p].nummer), v.partner[p].kater});
    };
    const auto wurfKnoten = [&](int p, int w, bool mitJungen) {
        const breeding::Wurf &wurf = v.partner[p].wuerfe[w];
        d.knoten.append({2, datum(wurf.datum, locale), false});
        if (mitJungen)
            for (int z : wurf.zeilen)
                d.knoten.append(
                    {3, text(v.zeilen[z].kitten), breeding::istKater(v.zeilen[z].kittenGeschlecht)});
    };
    const bool partnerOk = a.partner >= 0 && a.partner < v.partner.size();
    const bool wurfOk = partnerOk && a.wurf >= 0 && a.wurf < v.partner[a.partner].wuerfe.size();
    const QString partnerName = partnerOk ? v.partner[a.partner].name : QString();

    switch (wurfOk || a.seite == VerpaarungAuswahl::Tier ||
                    (partnerOk && a.seite == VerpaarungAuswahl::PartnerSeite)
                ? a.seite
                : VerpaarungAuswahl::Tier) {
    case VerpaarungAuswahl::Tier:
        d.titel = {{TagVerpaarungenVon, QStringLiteral("Verpaarungen von")}, {0, Einzug + katzenText}};
        d.werte.append({TagWuerfe, QStringLiteral("Würfe:"), QString::number(v.statistik.wuerfe)});
        statistik(d, v.statistik, locale);
        d.partnerZeilen = partnerZeilen;
        for (int p = 0; p < v.partner.size(); ++p) {
            partnerKnoten(p);
            for (int w = 0; w < v.partner[p].wuerfe.size(); ++w)
                wurfKnoten(p, w, true);
        }
        break;
    case VerpaarungAuswahl::PartnerSeite: {
        d.titel = {{TagVerpaarungenVon, QStringLiteral("Verpaarungen von")},
                   {0, QLatin1Char('\n') + Einzug + katzenName + QLatin1Char('\n') + Einzug},
                   {TagPartner, QStringLiteral("Partner:")},
                   {0, QLatin1Char(' ') + partnerName}};
        d.werte.append({TagTier, QStringLiteral("Tier:"), partnerName});
        d.werte.append({TagGemeinsam, QStringLiteral("Gemeinsame Würfe:"),
                        QString::number(v.partner[a.partner].statistik.wuerfe)});
        statistik(d, v.partner[a.partner].statistik, locale);
        d.werte.append({TagBemerkung, QStringLiteral("Bemerkung:"), a.daten.bemerkung});
        partnerKnoten(a.partner);
        for (int w = 0; w < v.partner[a.partner].wuerfe.size(); ++w)
            wurfKnoten(a.partner, w, true);
        break;
    }
    case VerpaarungAuswahl::WurfSeite:
    case VerpaarungAuswahl::Jungtier: {
        const breeding::Wurf &wurf = v.partner[a.partner].wuerfe[a.wurf];
        if (a.seite == VerpaarungAuswahl::WurfSeite) {
            d.titel = {{TagVerpaarung, QStringLiteral("Verpaarung")},
                       {0, QStringLiteral(" ")},
                       {TagUndWurf, QStringLiteral("und Wurf")},
                       {0, QLatin1Char('\n') + Einzug + katzenName + QLatin1Char('\n') + Einzug},
                       {TagPartner, QStringLiteral("Partner:")},
                       {0, QLatin1Char(' ') + partnerName + QLatin1Char('\n') + Einzug},
                       {TagGeboren, QStringLiteral("geboren am")},
                       {0, QLatin1Char(' ') + datum(wurf.datum, locale)}};
            d.werte.append(
                {TagLebend, QStringLiteral("Junge lebend:"), QString::number(wurf.statistik.junge)});
            d.werte.append({TagKatzen, QStringLiteral("Katzen:"), QString::number(wurf.statistik.weiblich)});
            d.werte.append({TagKater, QStringLiteral("Kater:"), QString::number(wurf.statistik.maennlich)});
        } else {
            const int z = a.zeile >= 0 && a.zeile < v.zeilen.size() ? a.zeile : wurf.zeilen.value(0);
            const breeding::NachwuchsZeile &k = v.zeilen[z];
            const QString vater = kater ? katzenName : partnerName, mutter = kater ? partnerName : katzenName;
            d.titel = {{0, QStringLiteral(" ")},
                       {TagJungtier, QStringLiteral("Jungtier")},
                       {0, QLatin1Char(' ') + k.kittenName + QStringLiteral(" - ")},
                       {TagAusDer, QStringLiteral("aus der Verpaarung")},
                       {0, QLatin1Char('\n') + vater + QLatin1Char(' ')},
                       {TagUnd, QStringLiteral("und")},
                       {0, QLatin1Char(' ') + mutter + QLatin1Char(' ')},
                       {TagGeboren, QStringLiteral("geboren am")},
                       {0, QLatin1Char(' ') + datum(k.gebDatum, locale)}};
            const breeding::JungtierDaten &j = a.daten;
            d.werte += {{TagTier, QStringLiteral("Tier:"), k.kittenName},
                        {TagRasse, QStringLiteral("Rasse:"), j.rasse},
                        {TagFarbe, QStringLiteral("Farbe:"), j.farbe},
                        {TagBesitzer, QStringLiteral("Besitzer:"), j.besitzer},
                        {TagZuechter, QStringLiteral("Züchter:"), j.zuechter},
                        {TagVerkauft, QStringLiteral("verkauft:"), datum(j.verkauft, locale)},
                        {TagGekauft, QStringLiteral("gekauft:"), datum(j.gekauft, locale)},
                        {TagGestorben, QStringLiteral("gestorben:"), datum(j.gestorben, locale)},
                        {TagBemerkung, QStringLiteral("Bemerkung:"), j.bemerkung}};
        }
        partnerKnoten(a.partner);
        wurfKnoten(a.partner, a.wurf, a.seite == VerpaarungAuswahl::WurfSeite);
        if (a.seite == VerpaarungAuswahl::Jungtier) {
            const int z = a.zeile >= 0 && a.zeile < v.zeilen.size() ? a.zeile : wurf.zeilen.value(0);
            d.knoten.append({3, text(v.zeilen[z].kitten), breeding::istKater(v.zeilen[z].kittenGeschlecht)});
        }
        break;
    }
    }
    return d;
}

ReportJob reportVerpaarung(const VerpaarungDruck &d)
{
    Report r;
    r.tag = TagReport;
    r.title = QStringLiteral("Verpaarungen und Würfe");
    const Font normal = textFont(10), fett = textFont(10, true);

    // the title's pieces, one label per line
    QVector<QVector<TextPiece>> titelZeilen(1);
    for (const TextPiece &t : d.titel) {
        const QStringList teile = t.text.split(QLatin1Char('\n'));
        for (int i = 0; i < teile.size(); ++i) {
            if (i > 0)
                titelZeilen.append(QVector<TextPiece>());
            if (!teile[i].isEmpty() || t.tag)
                titelZeilen.last().append({i == 0 ? t.tag : 0, teile[i]});
        }
    }
    Band &titel = r.add(Band::Kind::Title, 7.0 * titelZeilen.size() + 4, QStringLiteral("title"));
    for (int i = 0; i < titelZeilen.size(); ++i) {
        Element e = label(QRectF(0, 7.0 * i, Width, 7), titelZeilen[i], textFont(13, true, Qt::black, true));
        if (titelZeilen.size() == 1)
            e.align = Qt::AlignHCenter;
        titel.elements << e;
    }
    titel.elements << line({0, 7.0 * titelZeilen.size() + 2}, {Width, 7.0 * titelZeilen.size() + 2}, 0.3);

    Band &werte = r.add(Band::Kind::Child, Line * d.werte.size() + 3, QStringLiteral("statistics"));
    for (int i = 0; i < d.werte.size(); ++i) {
        werte.elements << label(QRectF(0, Line * i, 60, Line), d.werte[i].text, fett, d.werte[i].tag);
        werte.elements << label(QRectF(62, Line * i, Width - 62, Line), d.werte[i].wert, normal);
    }
    if (!d.partnerZeilen.isEmpty()) {
        Band &partner = r.add(Band::Kind::Child, 8, QStringLiteral("partners"));
        partner.elements << label(QRectF(0, 0, 60, Line), QStringLiteral("Würfe:"), fett, TagWuerfe);
        partner.elements << memo(QRectF(62, 0, Width - 62, Line), d.partnerZeilen, normal);
    }

    Band &zeilen = r.add(Band::Kind::Child, 6, QStringLiteral("tree"));
    if (d.keineVerpaarungen) {
        zeilen.elements << label(QRectF(0, 2, Width, 6),
                                 QStringLiteral("Keine Verpaarungen für dieses Tier!"), textFont(11, true),
                                 TagKeine);
    } else {
        QVector<MemoLine> memoZeilen;
        for (const VerpaarungDruck::Knoten &k : d.knoten) {
            MemoLine m;
            m.text = k.text;
            switch (k.ebene) {
            case 0:
            case 1:
                m.font = textFont(12, true);
                m.indent = 2.5;
                m.frame = 0.2;
                m.fill = k.kater ? QColor(166, 202, 240) : QColor(255, 170, 170);
                break;
            case 2:
                m.font = textFont(11, true);
                m.indent = 8;
                break;
            default:
                m.font = textFont(10);
                m.indent = 16;
                m.text = (k.kater ? QStringLiteral("1/0   ") : QStringLiteral("0/1   ")) + k.text;
                break;
            }
            memoZeilen.append(m);
        }
        zeilen.elements << memo(QRectF(0, 2, Width, Line), memoZeilen);
    }
    addFooter(r, true, TagSeite);
    return ReportJob(std::move(r));
}

} // namespace tav::printouts
