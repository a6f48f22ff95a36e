#include "ReportStammbaum.h"
#include "StammbaumGeometrie.h"

#include <algorithm>
#include <cmath>

using namespace tav::report;

namespace tav::printouts {

namespace {

constexpr double KopfHoehe = 24;  // the head above the tree
constexpr double SpaltenKopf = 5; // the generation heads above the columns
constexpr double MmProPunkt = 25.4 / 72.0;

const QColor Tinte(40, 40, 40);
const QColor Grau(105, 105, 105);
const QColor Rot(200, 0, 0);

double zeilenHoehe(double punkte)
{
    return punkte * MmProPunkt * 1.2;
}

Element kurzLabel(const QRectF &r, const QString &text, const Font &f, int tag = 0)
{
    Element e = label(r, text, f, tag);
    e.elide = true;
    return e;
}

struct Baum {
    const StammbaumDruck &d;
    const TextMeasure &mass;
    QVector<QRectF> boxen;
    QVector<Element> &el;

    void ahn(int n) const
    {
        const QRectF r = boxen[n];
        const int gen = generationDerBox(n);
        const StammbaumDruck::Tier tier = n < d.ahnen.size() ? d.ahnen[n] : StammbaumDruck::Tier();
        const QColor fuellung = n < d.farben.size() ? d.farben[n] : QColor();
        if (fuellung.isValid())
            el << shape(r, fuellung);
        el << frame(r, gen <= 2 ? 0.35 : 0.25);
        const double rand = std::min(0.8, r.height() * 0.05);
        const double basis[] = {0, 10, 9, 8, 7, 6.5, 6};
        const double name = std::max(4.0, std::min(basis[gen], (r.height() - 2 * rand) / (MmProPunkt * 1.2)));
        double breite = r.width() - 2 * rand;
        if (tier.nummer == 0) {
            el << kurzLabel(QRectF(r.left() + rand, r.top() + rand, breite, zeilenHoehe(name)),
                            QStringLiteral("unbekannt"), textFont(name, false, Grau, true), TagUnbekannt);
            return;
        }
        const double klein = std::max(4.0, std::min(name - 1.5, basis[gen] - 1.5));
        const Font nameSchrift = textFont(name, true, tier.titel && d.titelRot ? Rot : Tinte);
        QStringList namen = {tier.namenszeile};
        // a long name takes a second line where the box has room, rather than being cut
        if (r.height() - 2 * rand >= 2 * zeilenHoehe(name) + 2 * zeilenHoehe(klein)) {
            const QStringList teile = wrap(tier.namenszeile, breite, nameSchrift, mass);
            if (teile.size() > 1)
                namen = {teile.first(), tier.namenszeile.mid(teile.first().size()).trimmed()};
        }
        int zeigen = int(tier.zeilen.size());
        // the picture stands under the lines when they leave room for it, at their right in a
        // wide box, and is left out of a box too small for it
        if (gen <= 2 && !tier.bild.isNull()) {
            const double frei =
                r.height() - 2 * rand - namen.size() * zeilenHoehe(name) - zeigen * zeilenHoehe(klein) - 1;
            if (frei >= 10) {
                const double h = std::min(d.genBildMm.height(), frei);
                el << image(QRectF(r.left() + rand, r.bottom() - rand - h, breite, h), tier.bild);
            } else if (r.width() >= 50) {
                const double w = std::min(d.genBildMm.width(), r.width() * 0.3);
                el << image(QRectF(r.right() - rand - w, r.top() + rand, w,
                                   std::min(d.genBildMm.height(), r.height() - 2 * rand)),
                            tier.bild);
                breite -= w + 1;
            }
        }
        double y = r.top() + rand;
        for (const QString &n : namen) {
            el << kurzLabel(QRectF(r.left() + rand, y, breite, zeilenHoehe(name)), n, nameSchrift);
            y += zeilenHoehe(name);
        }
        const int platz = int(std::floor((r.bottom() - rand - y) / zeilenHoehe(klein) + 1e-9));
        zeigen = std::min(platz, zeigen);
        for (int i = 0; i < zeigen; ++i) {
            QString text = tier.zeilen[i];
            // more lines than room: the last one shown says so
            if (i == zeigen - 1 && zeigen < tier.zeilen.size())
                text += QStringLiteral(" …");
            el << kurzLabel(QRectF(r.left() + rand, y, breite, zeilenHoehe(klein)), text,
                            textFont(klein, false, Tinte));
            y += zeilenHoehe(klein);
        }
    }

    // from the right edge of box n to its parents' boxes
    void linien(int n, int letzte) const
    {
        const int vater = 2 * n + 1, mutter = 2 * n + 2;
        if (mutter > letzte)
            return;
        const double yv = boxen[vater].center().y(), ym = boxen[mutter].center().y();
        const double von = boxen[n].right();
        const double x = boxen[vater].left() - 2;
        const double yk = n == 0 ? (yv + ym) / 2 : boxen[n].center().y();
        el << line({von, yk}, {x, yk}, 0.25) << line({x, yv}, {x, ym}, 0.25)
           << line({x, yv}, {boxen[vater].left(), yv}, 0.25)
           << line({x, ym}, {boxen[mutter].left(), ym}, 0.25);
        linien(vater, letzte);
        linien(mutter, letzte);
    }
};

} // namespace

ReportJob reportStammbaum(const StammbaumDruck &d, const TextMeasure &mass)
{
    Report r;
    r.tag = TagStammbaum;
    r.title = QStringLiteral("Stammbaum");
    r.fileName = d.name;
    r.page.landscape = true;
    r.ownMargins = true;
    r.page.left = d.links;
    r.page.right = d.rechts;
    r.page.top = d.oben;
    r.page.bottom = d.unten;
    r.background = d.hintergrund;
    addFooter(r, false);
    const double breite = r.page.width() - r.page.left - r.page.right;
    const double hoehe =
        r.page.height() - r.page.top - r.page.bottom - r.band(QStringLiteral("footer"))->height;
    const int generationen = std::clamp(d.generationen, 3, 6);

    // everything stands on one page, so it is one band as high as the page allows
    Band &seite = r.add(Band::Kind::Title, hoehe - 0.01, QStringLiteral("pedigree"));
    QVector<Element> &el = seite.elements;

    // head: logo, heading and name line, the breeder's cattery and address at the right
    double x = 0;
    if (!d.logo.isNull()) {
        const QSizeF s =
            QSizeF(d.logo.size())
                .scaled(QSizeF(std::min(d.logoMm.width(), 60.0), std::min(d.logoMm.height(), KopfHoehe - 3)),
                        Qt::KeepAspectRatio);
        el << image(QRectF(0, 0, s.width(), s.height()), d.logo);
        x = s.width() + 4;
    }
    const double rechts = 90;
    el << label(QRectF(x, 0.5, breite - x - rechts, 5), QStringLiteral("STAMMBAUM"), textFont(9, true, Grau),
                TagUeberschrift);
    el << kurzLabel(QRectF(x, 6, breite - x - rechts, 9), d.katze.namenszeile,
                    textFont(17, true, d.katze.titel && d.titelRot ? Rot : Tinte));
    Element zwinger =
        kurzLabel(QRectF(breite - rechts, 0.5, rechts, 6), d.zwinger, textFont(12, true, Tinte));
    zwinger.align = Qt::AlignRight;
    el << zwinger;
    double y = 7;
    for (const QString &z : d.zuechter) {
        Element e =
            kurzLabel(QRectF(breite - rechts, y, rechts, zeilenHoehe(8)), z, textFont(8, false, Grau));
        e.align = Qt::AlignRight;
        el << e;
        y += zeilenHoehe(8);
    }
    el << line({0, KopfHoehe - 2}, {breite, KopfHoehe - 2}, 0.5);

    const double katzeBreite = generationen <= 4 ? 62 : 54;
    const QRectF baum(0, KopfHoehe + SpaltenKopf, breite, hoehe - KopfHoehe - SpaltenKopf - 1);
    const QVector<QRectF> boxen = stammbaumBoxen(generationen, baum, katzeBreite);
    const char *koepfe[] = {"Eltern",         "Großeltern",    "Urgroßeltern",
                            "Ururgroßeltern", "5. Generation", "6. Generation"};
    for (int gen = 1; gen <= generationen; ++gen) {
        const QRectF spalte = boxen[(1 << gen) - 1];
        Element kopf =
            kurzLabel(QRectF(spalte.left(), KopfHoehe, spalte.width(), 4), QString::fromUtf8(koepfe[gen - 1]),
                      textFont(7, false, Grau, true), TagEltern + gen - 1);
        kopf.align = Qt::AlignHCenter;
        el << kopf;
    }

    // the cat's column: picture, data, inbreeding at the foot
    const QRectF spalte = boxen[0];
    y = spalte.top();
    if (!d.bild.isNull()) {
        const QSizeF s =
            QSizeF(d.bild.size())
                .scaled(QSizeF(std::min(d.bildMm.width(), spalte.width()), std::min(d.bildMm.height(), 50.0)),
                        Qt::KeepAspectRatio);
        el << image(QRectF(spalte.left() + (spalte.width() - s.width()) / 2, y, s.width(), s.height()),
                    d.bild);
        y += s.height() + 2;
    }
    const double fuss = spalte.bottom() - 16;
    for (const StammbaumDruck::Angabe &a : d.angaben) {
        if (y + zeilenHoehe(6.5) + zeilenHoehe(8.5) > fuss)
            break;
        el << kurzLabel(QRectF(spalte.left(), y, spalte.width(), zeilenHoehe(6.5)), a.caption,
                        textFont(6.5, true, Grau), a.tag);
        y += zeilenHoehe(6.5);
        el << kurzLabel(QRectF(spalte.left(), y, spalte.width(), zeilenHoehe(8.5)), a.wert,
                        textFont(8.5, false, Tinte), a.wertTag);
        y += zeilenHoehe(8.5) + 0.6;
    }
    el << line({spalte.left(), fuss}, {spalte.right() - 4, fuss}, 0.25);
    const double mitte = spalte.left() + spalte.width() * 0.66;
    y = fuss + 1;
    el << kurzLabel(QRectF(spalte.left(), y, mitte - spalte.left(), 4), QStringLiteral("Inzuchtkoeffizient"),
                    textFont(7, true, Grau), TagInzucht);
    el << kurzLabel(QRectF(mitte, y, spalte.right() - mitte, 4), d.inzucht, textFont(8, false, Tinte));
    y += 4.5;
    el << kurzLabel(QRectF(spalte.left(), y, mitte - spalte.left(), 4), QStringLiteral("Ahnenverlust"),
                    textFont(7, true, Grau), TagAhnenverlust);
    el << kurzLabel(QRectF(mitte, y, spalte.right() - mitte, 4), d.ahnenverlust, textFont(8, false, Tinte));
    y += 4.5;
    el << label(QRectF(spalte.left(), y, spalte.width(), 4),
                QVector<TextPiece>{{0, QStringLiteral("%1 ").arg(generationen)},
                                   {TagGenerationen, QStringLiteral("Generationen")}},
                textFont(6.5, false, Grau, true));

    Baum b{d, mass, boxen, el};
    b.linien(0, anzahlBoxen(generationen));
    for (int n = 1; n <= anzahlBoxen(generationen); ++n)
        b.ahn(n);
    return ReportJob(std::move(r));
}

} // namespace tav::printouts
