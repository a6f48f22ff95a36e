// Stammbaumseite: which ancestor stands in which box of the cat record's pedigree page.
#pragma once

#include <QChar>
#include <QRect>
#include <QString>
#include <QVector>
#include <functional>

// The five-generation view of the cat record window: which ancestor stands in which of the 62
// boxes, where the boxes sit, and which repeated ancestors share a colour.
namespace tav::store {
class Database;
}

namespace tav::cats {

constexpr int StammbaumBoxen = 62;

// generation of box n (1: parents ... 5); box n's father is 2n + 1, its mother 2n + 2
int generationDerBox(int n);

// What a box shows: an ancestor, the placeholder of a missing parent, or nothing.
struct AhnenBox {
    int katze = 0; // the ancestor's number; 0 when none
    QChar fehlt;   // 'V' or 'M' for the placeholder of a missing father or mother
    int kind = 0;  // placeholder: the cat whose parent is missing
    bool platzhalter() const { return !fehlt.isNull(); }
};

struct Eltern {
    int vater = 0, mutter = 0;
};
// The parents of a cat; nothing when the number no longer exists.
using ElternLesen = std::function<bool(int katze, Eltern &eltern)>;

// Boxes 1 to 62 (index 0 unused) of a cat with these parents. A parent that is not recorded or no
// longer exists gets the placeholder with its child's number; the boxes behind it stay empty.
QVector<AhnenBox> ahnenBoxen(int katze, const Eltern &eltern, const ElternLesen &lesen);

// The placeholder text "word{V12}" and back; false when the text holds no "{V…}" or "{M…}".
QString platzhalterText(const QString &wort, QChar fehlt, int kind);
bool platzhalterLesen(const QString &text, QChar &fehlt, int &kind);
// The number tag " {nr}" of a box's first line that has one; 0 for a placeholder or none.
int ahnenNummer(const QStringList &zeilen);

// Colour row (index into the colour list) of every box, -1 for white. A repeated ancestor gets
// the next colour in the order of its first box; when the list runs out the last colour is used
// again and `zuWenig` is set. An empty list leaves every box white.
QVector<int> doppelteFarben(const QVector<AhnenBox> &boxen, int farben, bool *zuWenig = nullptr);

// The markers of an ancestor's box: the top-cat colour (-1 when not a top cat) and the colours of
// its traits in the order of the trait table (stored values, red in the low byte).
struct AhnenMarker {
    int topFarbe = -1;
    QVector<int> merkmale;
};
constexpr int MarkerFelder = 7; // squares shown; "+" beyond
AhnenMarker ahnenMarker(tav::store::Database &db, int katze);

// --- a missing parent filled with a cat of the register --------------------------------

// Whether the stored cat `kandidat` may become the missing father ('V') or mother ('M') of `kind`:
// 0 when it fits, message 218 when its sex does not suit, message 225 when it is `kind` itself or
// one of its descendants (it would become its own ancestor), message 50 when it is not stored.
// Throws EngineError.
int ahnPruefen(tav::store::Database &db, int kandidat, QChar vmZeiger, int kind);
// Makes `elternteil` the father ('V') or mother ('M') of `kind`; false when `kind` is not stored.
// Throws EngineError.
bool elternteilEintragen(tav::store::Database &db, int kind, QChar vmZeiger, int elternteil);

// Geometry of box n on a page of that size; an empty rect when the box is hidden (the fifth
// generation on a page lower than 32 · 15 pixels).
QRect boxRechteck(int n, const QSize &seite);

} // namespace tav::cats
