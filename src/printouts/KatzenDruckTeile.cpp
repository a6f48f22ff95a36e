#include "KatzenDruckTeile.h"

using namespace tav::report;

namespace tav::printouts {

void angabenZeilen(Band &band, const QVector<Angabe> &angaben, double x, double abstand, double breite,
                   double zeile, const Font &beschriftung, const Font &wert, double y)
{
    for (const Angabe &a : angaben) {
        if (a.tag || *a.text)
            band.elements << label(QRectF(x, y, abstand - 2, zeile), QString::fromUtf8(a.text), beschriftung,
                                   a.tag);
        Element e = label(QRectF(x + abstand, y, breite - abstand - x, zeile), a.wert, wert);
        e.elide = true;
        band.elements << e;
        y += zeile;
    }
}

void spaltenBaender(Report &r, const QVector<Spalte> &spalten, double breite, double zeile,
                    double schriftgroesse)
{
    int zeilen = 1;
    for (const Spalte &s : spalten)
        zeilen = std::max(zeilen, s.zeile + 1);
    const double hoehe = zeile * zeilen;
    // both first: a second add may move the bands, and a reference to the first with them
    r.add(Band::Kind::ColumnHeader, hoehe + 2, QStringLiteral("header"));
    r.add(Band::Kind::Detail, hoehe + (zeilen > 1 ? 1 : 0), QStringLiteral("rows"));
    Band &kopf = r.bands[r.bands.size() - 2];
    Band &detail = r.bands.back();
    for (const Spalte &s : spalten) {
        const QRectF feld(s.links, zeile * s.zeile, s.breite - 1, zeile);
        kopf.elements << label(feld, QString::fromUtf8(s.kopf), textFont(schriftgroesse, true), s.tag);
        Element e = field(feld, QString::fromLatin1(s.feld), textFont(schriftgroesse));
        e.elide = true;
        detail.elements << e;
    }
    kopf.elements << line({0, hoehe + 1}, {breite, hoehe + 1}, 0.3);
    if (zeilen > 1)
        detail.elements << line({0, hoehe + 0.5}, {breite, hoehe + 0.5}, 0.1);
}

void titelBand(Report &r, const QVector<TextPiece> &titel, double breite, const Font &font)
{
    Band &b = r.add(Band::Kind::Title, 12, QStringLiteral("title"));
    Element t = label(QRectF(0, 0, breite - 35, 8), titel, font);
    t.elide = true;
    b.elements << t;
    Element heute = date(QRectF(breite - 35, 1, 35, 6), textFont(10));
    heute.align = Qt::AlignRight;
    b.elements << heute;
    b.elements << line({0, 9.5}, {breite, 9.5}, 0.3);
}

} // namespace tav::printouts
