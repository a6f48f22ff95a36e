// Registerpruefung: the integrity check of the cat register (loops, sexes and dates of parents,
// missing parents, likely duplicates) in one pass over the register in memory.
#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

namespace tav::store {
class Database;
}
namespace tav::app {
class Sprache;
}

namespace tav::maintenance {

// One cat as the check reads it.
struct PruefKatze {
    qint32 nummer = 0; // LaufendeNummer; a cat of an import file not yet written has a negative one
    int zeile = 0;     // its line in that file, 0 for a cat of the register
    QString name, zwinger, geschlecht;
    QDate geboren, gestorben;
    qint32 vater = 0, mutter = 0;
};

enum class Befund {
    Schleife,        // cats that are their own ancestors
    VaterWeiblich,   // a cat recorded as sire whose sex is female
    MutterMaennlich, // a cat recorded as dam whose sex is male
    ElterNachKind,   // a parent born on or after its kitten's birth
    ElterZuJung,     // a parent less than the set number of months old at its kitten's birth
    NachTod,         // a kitten born after its dam's death, or its sire's death and a gestation
    ElterFehlt,      // a parent link to a number that is not in the register
    Duplikat,        // same normalised name and birth date
};
constexpr int BefundArten = 8;

// One finding: its kind, the cats involved (the first is the record to open) and a number the
// explanation needs (the missing parent's number, a parent's age in months).
struct Fund {
    Befund art = Befund::Schleife;
    QVector<qint32> katzen;
    qint32 wert = 0;
    bool vater = true; // ElterFehlt, NachTod, ElterNachKind, ElterZuJung: the link is the sire's

    bool operator==(const Fund &o) const = default;
};

struct PruefOptionen {
    int mindestMonate = 7;      // a parent younger than this at its kitten's birth is reported
    int tageTraechtigkeit = 65; // a sire may die this long before its kitten is born
};

struct PruefErgebnis {
    QVector<Fund> funde; // by kind, then by the first cat's number
    bool abgebrochen = false;
};

// (done, total): false stops the check
using PruefFortschritt = std::function<bool(int, int)>;

// The check over the cats given. Each loop is one finding, as is each wrongly sexed parent, each
// link and each group of duplicates.
PruefErgebnis registerPruefen(const QVector<PruefKatze> &katzen, const PruefOptionen &optionen,
                              const PruefFortschritt &fortschritt = {});

// Every cat of CATSTAMM.DB, read with one statement.
QVector<PruefKatze> registerLesen(store::Database &db);

// A parent's age in full months at its kitten's birth when that is below `mindestMonate` (the
// finding ElterZuJung); none when it is old enough, born after the kitten or a date is missing.
// The mating planner asks it of the kittens a mating today would give.
std::optional<int> elterZuJung(const QDate &elter, const QDate &kind, int mindestMonate);

// The months setting ([Registerpruefung] Monate of the settings file, 1..120) and the gestation
// length of the settings; the defaults when the file has none.
PruefOptionen pruefOptionenLesen();
bool pruefMonateSchreiben(int monate);

// --- texts ---------------------------------------------------------------------------------

// the caption of a kind (the list's first column)
QString befundName(Befund art, const app::Sprache &katalog);
// "Name (Nr. 12)", for a cat of an import file "Name (Zeile 5)"; a number not in the register
// gives "Nr. 12"
QString katzeText(const QHash<qint32, const PruefKatze *> &katzen, qint32 nummer,
                  const app::Sprache &katalog);
// the plain explanation of a finding in the catalogue's current language
QString erklaerung(const Fund &f, const QHash<qint32, const PruefKatze *> &katzen, const PruefOptionen &o,
                   const app::Sprache &katalog);
QHash<qint32, const PruefKatze *> nachNummer(const QVector<PruefKatze> &katzen);

// The findings as JSON: {"findings":[{"kind","cats":[{"number","name","line"}],"explanation"}]}
QByteArray alsJson(const PruefErgebnis &e, const QVector<PruefKatze> &katzen, const PruefOptionen &o,
                   const app::Sprache &katalog);

// --- after an import ----------------------------------------------------------------------------

// An import leaves a note in the data folder; the program offers the check at its next start.
void importVermerken(const QString &datenOrdner, int anzahl);
int importVermerk(const QString &datenOrdner); // cats imported since the note was last cleared
void importVermerkLoeschen(const QString &datenOrdner);

namespace meldung {
constexpr int Schleife = 7700;
constexpr int VaterWeiblich = 7701;
constexpr int MutterMaennlich = 7702;
constexpr int ElterNachKind = 7703;
constexpr int ElterZuJung = 7704;
constexpr int NachTod = 7705;
constexpr int ElterFehlt = 7706;
constexpr int Duplikat = 7707;
constexpr int Befunde = 7708;      // "%1 findings"
constexpr int KeineBefunde = 7709; // the register is in order
constexpr int Abgebrochen = 7710;
constexpr int NachImport = 7711; // "%1 cats were imported ... check now?"
constexpr int NachTodVater = 7712;
} // namespace meldung

// captions of the kinds (in the order of Befund), and the words "Vater", "Mutter"
constexpr int TagBefundName = 7720;
constexpr int TagVater = 7728;
constexpr int TagMutter = 7729;

} // namespace tav::maintenance
