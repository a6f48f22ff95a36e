// CatRules: rules of a cat that need no window: sex, copies, the post check, traits, parents.
#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::cats {

// --- sex -------------------------------------------------------------------------

// The stored sex of a cat: "1" tom, "2" queen, "3" neutered tom, "4" spayed queen.
bool istKater(const QString &geschlecht);
bool istKatze(const QString &geschlecht);

// --- a copy of a cat ---------------------------------------------------------------

// The fields a duplicated cat takes over from the cat shown; everything else starts empty.
const QStringList &kopierteFelder();
// The name of the copy: the name with " Copy" (English interface, `sprache` 1) or " Kopie".
QString kopieName(const QString &name, int sprache);

// --- before a cat is posted -------------------------------------------------------

enum class PostHindernis { Keines, NameFehlt, GeschlechtFehlt };
// What keeps a cat from posting: a new cat without a name (blanks only count as none), or any cat
// without a sex.
PostHindernis postHindernis(bool neu, const QString &name, const QString &geschlecht);

// --- stud-book number -------------------------------------------------------------

// Another cat than `eigene` (0: a new cat) that has `nummer` as first stud-book number, or 0. Runs
// over the index of that field on the cursor `katzen`, which is left without a range and on its
// former index, also when the engine throws (the EngineError is passed on).
int andereKatzeMitZuchtbuchnummer(tav::store::Table &katzen, const QString &nummer, int eigene);

// --- traits ------------------------------------------------------------------------

struct KatzeMerkmale {
    QStringList kuerzel; // the codes in the order of the cat's links
    int farbe = 0;       // the colour of the first trait, 0 for none
};
// The traits of cat `katze` (KATZEMERKMAL.DB over the catalogue MERKMALE.DB); a link to a trait the
// catalogue no longer holds is passed over. Throws EngineError.
KatzeMerkmale merkmaleDerKatze(tav::store::Database &db, int katze);
// A parent as the cat's record shows it: the name, then " -- " and its trait codes joined by " / ".
QString elternText(const QString &name, const QStringList &kuerzel);

// --- messages ---------------------------------------------------------------------

// Message texts of the catalogue joined by a space, for a message built of several numbers.
QString meldungen(std::initializer_list<int> nummern);

} // namespace tav::cats
