#include "StammbaumGeometrie.h"

#include <algorithm>

namespace tav::printouts {

namespace {
constexpr double Spalt = 4; // mm between the columns, where the lines to the parents run
}

int generationDerBox(int n)
{
    int g = 0;
    for (int k = n + 1; k > 1; k /= 2)
        ++g;
    return g;
}

int anzahlBoxen(int generationen)
{
    return (1 << (generationen + 1)) - 2;
}

QVector<QRectF> stammbaumBoxen(int generationen, const QRectF &baum, double katzeBreite)
{
    const int g = std::clamp(generationen, 3, 6);
    QVector<QRectF> boxen(anzahlBoxen(g) + 1);
    boxen[0] = QRectF(baum.left(), baum.top(), katzeBreite, baum.height());
    // the near generations carry pictures and more lines: their columns are a little wider
    auto gewicht = [](int gen) { return gen == 1 ? 1.25 : gen == 2 ? 1.15 : 1.0; };
    double summe = 0;
    for (int gen = 1; gen <= g; ++gen)
        summe += gewicht(gen);
    const double frei = baum.width() - katzeBreite - g * Spalt;
    double x = baum.left() + katzeBreite;
    for (int gen = 1; gen <= g; ++gen) {
        x += Spalt;
        const double breite = frei * gewicht(gen) / summe;
        const int anzahl = 1 << gen;
        const double platz = baum.height() / anzahl;
        const double luft = std::min(1.5, platz * 0.15);
        // a box of the near generations need not fill its half of the page
        const double hoechstens = gen == 1 ? 44 : gen == 2 ? 32 : gen == 3 ? 22 : platz;
        const double hoehe = std::min(platz - luft, hoechstens);
        for (int k = 0; k < anzahl; ++k)
            boxen[anzahl - 1 + k] = QRectF(x, baum.top() + k * platz + (platz - hoehe) / 2, breite, hoehe);
        x += breite;
    }
    return boxen;
}

QVector<QColor> doppelteFarben(const QVector<qint32> &tiere, const QVector<QColor> &liste)
{
    QVector<QColor> farben(tiere.size());
    int naechste = 0;
    for (int a = 0; a < tiere.size(); ++a) {
        if (tiere[a] == 0 || farben[a].isValid())
            continue;
        bool doppelt = false;
        for (int c = a + 1; c < tiere.size(); ++c)
            doppelt = doppelt || tiere[c] == tiere[a];
        if (!doppelt || liste.isEmpty())
            continue;
        const QColor farbe = liste[std::min(naechste, int(liste.size()) - 1)];
        ++naechste;
        for (int c = a; c < tiere.size(); ++c)
            if (tiere[c] == tiere[a])
                farben[c] = farbe;
    }
    return farben;
}

QVector<QColor> vorgabeFarben()
{
    // light enough for black text, far enough apart to tell at a glance
    return {QColor(255, 224, 178), QColor(200, 230, 201), QColor(187, 222, 251), QColor(248, 187, 208),
            QColor(255, 249, 196), QColor(209, 196, 233), QColor(178, 235, 242), QColor(255, 204, 188),
            QColor(220, 237, 200), QColor(207, 216, 220), QColor(240, 244, 195), QColor(225, 190, 231)};
}

} // namespace tav::printouts
