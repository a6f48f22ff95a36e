// Stammbaum8: the eight-generation pedigree window's rules: where its 510 boxes stand and which
// ancestor each box shows.
#pragma once

#include <QHash>
#include <QLine>
#include <QRect>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

namespace tav::store {
class Database;
}

namespace tav::breeding {

class PedigreeSource;

// Box (g, i): generation g = 1..8 counted from the cat, position i = 1..2^g. The sire of the cat
// in (g, i) stands in (g+1, 2i-1), its dam in (g+1, 2i); the root's sire in (1, 1).
namespace stammbaum8 {

constexpr int Generationen = 8;
constexpr int Boxen = 510;
constexpr int Hoehe = 3840; // height the boxes of one generation share
constexpr int Oben = 24;    // room for the headings above the first boxes
constexpr int BoxBreite = 300;
constexpr int BildGenerationen = 5; // generations with a picture frame beside the box

constexpr int anzahl(int g)
{
    return 1 << g;
}
// 1 = the root, then generation by generation: (g, i) -> 2^g + i - 1; sire of k is 2k, dam 2k+1
constexpr int index(int g, int i)
{
    return (1 << g) + i - 1;
}
constexpr int generationVon(int index)
{
    int g = 0;
    while (index > 1) {
        index >>= 1;
        ++g;
    }
    return g;
}
constexpr int positionVon(int index)
{
    return index - (1 << generationVon(index)) + 1;
}

int spalte(int g);              // left edge of generation g's column
int mitte(int g, int i);        // vertical centre of box (g, i)
QRect box(int g, int i);        // the text box
QRect bildRahmen(int g, int i); // the picture frame, generations 1..5; empty otherwise
QRect wurzelText();             // the cat's data text
QRect wurzelBild();             // the cat's picture, above its text
QSize flaeche();                // the whole drawing

// A bracket joining the boxes of a pair of parents: a vertical line through both and two short
// lines to the parents' boxes.
struct Klammer {
    QLine senkrecht, oben, unten;
};
// the bracket over the parents of the cat in (g, i), g = 0..7 (0: the root)
Klammer klammer(int g, int i);

// Headings over the sire's and the dam's half of generations 1..7: the box they stand above.
struct Ueberschrift {
    int generation = 0;
    bool vaeterlich = true;
    QRect rahmen;
};
std::array<Ueberschrift, 14> ueberschriften();

} // namespace stammbaum8

// A box's text: " " + title + " " + name + "{" + number + "}"; the number in braces is what a click
// and a new root read back.
QString stammbaumBoxText(const QString &titel, const QString &name, qint32 nummer);
// The number between "{" and the last "}" of a box text; empty when there is none.
std::optional<qint32> nummerAusBoxText(const QString &text);

// The ancestors of one cat over eight generations, in the order of stammbaum8::index.
struct Stammbaum8 {
    struct Ahn {
        qint32 nummer = 0; // 0: no ancestor at this position
        QString name;
        QString titel;
    };
    qint32 wurzel = 0;
    std::array<Ahn, stammbaum8::Boxen + 2> ahnen{}; // [0] unused, [1] the root

    const Ahn &ahn(int g, int i) const { return ahnen[stammbaum8::index(g, i)]; }
    QString text(int g, int i) const; // the box text; empty without an ancestor
    // every cat of the tree once, the root first
    QVector<qint32> katzen() const;
    // gives each cat its title text (cats not in `titel` have none)
    void setzeTitel(const QHash<qint32, QString> &titel);
};

// Reads the cat's ancestors in one pass, generation by generation. A parent that is not in the
// register leaves its box empty and its own ancestors are not looked for. Every cat is read once,
// however often it occurs.
Stammbaum8 leseStammbaum8(const PedigreeSource &quelle, qint32 wurzel);

// The picture shown for each of the cats, by the rule of the display texts: the picture chosen for
// print (Feld2, 1 = first) if its file exists, else the first one whose file exists. Cats without
// such a picture are left out. One statement for all of them.
QHash<qint32, QString> stammbaumBilder(store::Database &db, const QVector<qint32> &katzen);

} // namespace tav::breeding
