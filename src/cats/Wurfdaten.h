// Rules of a cat's litters and siblings: due dates, gestation length, the sibling lists, the litter
// size copied to the litter siblings, the print line of a kitten and the defect codes.
#pragma once

#include <QDate>
#include <QStringList>
#include <QVariantList>
#include <QVector>
#include <functional>
#include <optional>

namespace tav::store {
class Database;
}

namespace tav::cats {

// The due date of a mating: `tage` days later on the real calendar, as the heat forecast counts;
// no date without a mating date.
QDate wurftermin(const QDate &decktermin, int tage);

// Whole days from the last mating (the second when set) to the birth; none without the first
// mating date or the birth date.
std::optional<int> traechtigkeitsdauer(const QDate &decktermin, const QDate &decktermin2,
                                       const QDate &wurftag);

// The heat forecast of a queen from her recorded heats (in table order).
struct RolligkeitsPrognose {
    int durchschnitt = 0; // days between heats
    QDate naechste;       // the next heat; none without recorded heats
    QDate decktermin;     // the next heat, or today without recorded heats
    QDate wurftermin;     // decktermin + gestation days
    QDate abgabetermin;   // wurftermin + days to the handover of the kittens
};
struct PrognoseTage {
    int naechsteRolligkeit = 165; // assumed interval with fewer than two heats
    int traechtigkeit = 65;
    int bisAbgabe = 60;
};
RolligkeitsPrognose rolligkeitsPrognose(const QVector<QDate> &rolligkeiten, const QDate &heute,
                                        const PrognoseTage &tage);
// A typed mating date: its litter and handover dates; none for no date.
RolligkeitsPrognose prognoseAbDecktermin(const QDate &decktermin, const PrognoseTage &tage);
// A mating date typed over: its litter and handover dates, none for an empty text; nothing at all
// for a text that is no date.
std::optional<RolligkeitsPrognose> prognoseAusText(const QString &decktermin, const PrognoseTage &tage);
// the whole days from the heat before (always positive); none for the first or a row without date
std::optional<int> tageSeitVorheriger(const QDate &vorher, const QDate &datum);

enum class Geschwisterart { Wurf, Vaeterlich, Muetterlich };

// What the sibling lists compare: the cat's own number (0 while new) and its parents' numbers.
struct Abstammung {
    int nr = 0;
    int vater = 0;
    int mutter = 0;
    QDate geb;
};

// How a sibling list is read from CATSTAMM.DB: an index, the key range of the cat's parent (and
// birth date) and a filter. `gueltig` is false when the cat lacks what the list needs.
struct GeschwisterAuswahl {
    bool gueltig = false;
    QString index;
    QVariantList schluessel;
    QString filter;
};
GeschwisterAuswahl geschwisterAuswahl(Geschwisterart art, const Abstammung &katze);

// The numbers of the siblings in index order (empty when the list does not apply).
QVector<int> geschwister(tav::store::Database &db, Geschwisterart art, const Abstammung &katze);

// Writes `wurfzahl` to the cat and every litter sibling in one transaction: all or none. Returns
// the number of siblings written; throws (nothing written) when a row cannot be written.
// `vorSchreiben` is called with each sibling's number before its row is written.
int wurfzahlUebernehmen(tav::store::Database &db, const Abstammung &katze, const QString &wurfzahl,
                        const std::function<void(int)> &vorSchreiben = {});

// Width of a text in the print font, in pixels.
class TextBreite
{
  public:
    virtual ~TextBreite() = default;
    virtual int breite(const QString &text) const = 0;
};

// The print line of a kitten: colour, then as many trait codes as fit, then the remark (its lines
// joined by spaces) when the whole still fits; parts separated by ", ".
QString anzeigeFuerDruck(const QString &farbe, const QStringList &kuerzel, const QString &bemerkung,
                         const TextBreite &messen, int grenze = 260);

// The trait codes of a cat in the order of its links.
QStringList merkmalKuerzel(tav::store::Database &db, int katze);

// The picture that shows a sibling or kitten: the one at position `feld2` (1-based) when its file
// exists, else the first whose file exists; empty when none does.
QString bildDerKatze(tav::store::Database &db, int katze, int feld2);

// What the summary of a parent shows, read from the register.
struct ElternDaten {
    QString titel, name, geschlecht, rasse, rasseKurz, farbe, farbnummer, augen, gebText;
    QStringList zuchtbuchnummern;
    QString zuechter, besitzer; // "Name, Vorname"
    QString gencode, blutgruppe, tests, chip;
};
ElternDaten elternDatenLesen(tav::store::Database &db, int nr);
// The lines of the summary, each only when its source is set; English words when `sprache` is 1.
QStringList elternZeilen(const ElternDaten &d, int sprache);

// The choices of the kitten extras and their short codes.
const QStringList &kieferfehlerTexte();
const QStringList &bruchTexte();
const QStringList &hodenTexte();
QString kieferCode(const QString &text);
QString bruchCode(const QString &text);
QString hodenCode(const QString &text);

} // namespace tav::cats
