// Titel: a cat's titles: registry titles and free titles.
#pragma once

#include <QHash>
#include <QPoint>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tav::store {
class Database;
}

namespace tav::cats {

// --- registry titles (one character per registry, "1".."6" or empty) ------

enum class Register { WCF, TICA, CFA };

// TitelGer1/TitelGer2, TitelUSA1/TitelUSA2, TitelUSA3/TitelUSA4
QString registerTitelFeld(Register r, bool kastrat);
// the six items of the registry's radio group, accelerators removed; "-" marks an unused code
QStringList registerTitelTexte(Register r);
// the text of a code; empty for an empty, unknown or unused code
QString registerTitelText(Register r, const QString &code);
bool registerTitelGueltig(Register r, const QString &code);
// the digit of the first registry title set among TitelGer1, TitelUSA1, TitelUSA3, else 0
int titelNr(const QString &titelGer1, const QString &titelUSA1, const QString &titelUSA3);

// --- free titles (TitelBez.db catalogue, TitelHund.db links) --------------

struct TitelBez {
    int LaufendeNummer = 0;
    int Sortierung = 0;
    QString Titel;
    QString Kuerzel;
};

// the catalogue in the order of index Sortierung (one check box each, in this order)
QVector<TitelBez> titelKatalog(tav::store::Database &db);

// Top left corner of check box `index` (0-based) in the title group: two columns at 3 and 123,
// row by row, 16 pixels apart for the resolutions 1024x768 and 1152x864, 13 otherwise.
QPoint titelBoxPosition(int index, const QString &aufloesung);
constexpr int TitelBoxBreite = 113;

// LaufendeNummer of the catalogue titles the cat holds (links to missing titles left out)
QSet<int> titelDerKatze(tav::store::Database &db, int katze);

// The Kuerzel of the cat's links in the order of index HundTitel, for the composed title text.
QStringList titelKuerzelDerKatze(tav::store::Database &db, int katze);

struct TitelAenderung {
    bool gespeichert = false; // false: no cat number, nothing written
    int hinzugefuegt = 0;
    int entfernt = 0;
};

// Brings the cat's links in line with the ticked catalogue titles: a link is added for each
// ticked title the cat lacks, the links of each unticked title it holds are deleted, the other
// links stay untouched. Numbers that are not in the catalogue are skipped. All or nothing.
TitelAenderung titelSpeichern(tav::store::Database &db, int katze, const QSet<int> &angehakt);

// The composed title text (GetTitel): the non-empty abbreviations joined with "/".
QString titelText(const QStringList &kuerzel);

// The composed title texts of many cats with one statement (for pedigrees); cats without titles
// are left out.
QHash<int, QString> titelTexte(tav::store::Database &db, const QVector<int> &katzen);

} // namespace tav::cats
