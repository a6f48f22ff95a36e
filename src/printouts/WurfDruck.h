// WurfDruck: what the litter data sheet and the litter book show of a queen's litter.
#pragma once

#include "Wurfmeldung.h"

namespace tav::cats {
class TextBreite;
}

namespace tav::printouts {

// An ancestor as the data sheet prints it.
struct Ahn {
    QString name, zbnr, farbe, merkmale;
};
// The 14 ancestor positions of a litter (V = father of, M = mother of, read from the litter).
const QStringList &ahnenPositionen();
struct AhnKatze {
    int vater = 0, mutter = 0;
    Ahn daten;
};
using AhnSuche = std::function<std::optional<AhnKatze>(int nr)>;
// The ancestors by position; a position whose cat is not found stays blank, and so does every
// position behind it.
QVector<Ahn> ahnenDesWurfes(int kater, int katze, const AhnSuche &suche);

// The mating date line: both dates with one blank between them, or the one that is set.
QString decktageText(const QDate &decktermin, const QDate &decktermin2);

struct Wurfdatenblatt {
    QString zwinger, nameZuechter, strasse, plz, ort;
    QString decktermin, wurftag, wurfbez, bemerkung, verfassung, besichtam, besichtvon, abnahmeam, abnahmevon;
    // geworfen, davon tot, eingeschläfert, gestorben, verblieben, Endabnahme, Ammenaufzucht
    QVector<Anzahl> zahlen;
    QVector<Ahn> ahnen; // by ahnenPositionen()
    struct Zeile {
        QString name, geschlecht, zuchtbuchnummer, anzeige;
    };
    QVector<Zeile> kitten;
};
Wurfdatenblatt wurfdatenblattLesen(tav::store::Database &db, int katze, const Wurf &wurf,
                                   const Beschriftung &text, const cats::TextBreite &messen);

struct Wurfbuch {
    QString katze, kater, beginnRollig, decktermin, wurftermin, wurftag, wurfbez, wurfstaerke, totgeboren,
        verendet, verfassung, bemerkung;
    // per weighing by date: the date, the ten weights as stored, the litter's age
    QVector<QStringList> wiegungen;
};
Wurfbuch wurfbuchLesen(tav::store::Database &db, int katze, const Wurf &wurf, int traechtigkeitTage);

} // namespace tav::printouts
