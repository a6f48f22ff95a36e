// StatistikStammbaum: which ancestors of a cat carry chosen traits or a chosen coat colour, and
// in which generations they occur how often.
#pragma once

#include "InzuchtDaten.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

namespace tav::store {
class Database;
}

namespace tav::breeding {

struct StatistikKatze {
    QString name;
    QString farbe; // FellFarbe
    qint32 vater = 0, mutter = 0;
    QStringList merkmale; // trait names in the order of the cat's trait rows
};

// The cats of the register with their coat colours and trait names.
struct StatistikRegister {
    QHash<qint32, StatistikKatze> katzen;
    bool abgebrochen = false; // the reading was cancelled: the register is incomplete
    // The register as one statement per table reads it. `fortschritt` hears of the cats read
    // (of the register's count) every few thousand rows; false cancels.
    static StatistikRegister lese(tav::store::Database &db, const Fortschritt &fortschritt = {});
};

struct StatistikOptionen {
    int generationen = 100; // the parents of the cat are examined also below 1
    QString farbe;          // empty: every colour
    bool nurFarbe = false;  // colour-only mode: every ancestor of the colour gives an entry
    bool alleMerkmale = true;
    QStringList merkmale; // the searched trait names when not all are searched
};

struct StatistikEintrag {
    QString schluessel;             // "Name, FellFarbe"
    QString merkmalTeil;            // " - A - B - ", of the first ancestor with this key
    QMap<int, qint64> generationen; // occurrences per generation
};

struct StatistikErgebnis {
    qint64 anzTiere = 0;                 // ancestor occurrences examined (the cat not counted)
    QVector<StatistikEintrag> eintraege; // in the order the depth-first walk meets them first
    bool abgebrochen = false;
};

// The trait part of an ancestor's entry, or an empty optional when it gives none.
std::optional<QString> merkmalTeil(const StatistikKatze &k, const StatistikOptionen &o);

// Counts the occurrences of each ancestor per generation through memoised path counts instead of
// walking the pedigree tree, whose size doubles with each generation. Counts saturate at the
// largest 64-bit value. `fortschritt` hears of each generation done (of the generations asked
// for); false cancels.
StatistikErgebnis statistikStammbaum(const StatistikRegister &r, qint32 katze, const StatistikOptionen &o,
                                     const Fortschritt &fortschritt = {});

// The text of the result memo: the count line (messages 129, 130), then message 125 or one line per
// entry (" » " key, the trait part, message 128 and "2x3 , 1x4 , ").
QStringList statistikText(const StatistikErgebnis &e, const std::function<QString(int)> &meldung);

} // namespace tav::breeding
