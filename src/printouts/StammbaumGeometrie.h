// StammbaumGeometrie: where the boxes of a printed pedigree stand, and which of them share a colour.
#pragma once

#include <QColor>
#include <QRectF>
#include <QVector>

namespace tav::printouts {

// Generation of box n: 1 for the parents (boxes 1 and 2), 2 for boxes 3 to 6, ...
int generationDerBox(int n);
// Number of boxes of generations 1..g, so the last box is anzahlBoxen(g) and the cat is box 0.
int anzahlBoxen(int generationen);

// The boxes of a tree of 3..6 generations (held to that range) in `baum`: the cat's column of
// width `katzeBreite` at the left, then one column per generation, sire above dam. Index n is
// box n; index 0 is the cat's column. Boxes never overlap and stay inside `baum`.
QVector<QRectF> stammbaumBoxen(int generationen, const QRectF &baum, double katzeBreite);

// Fills of the boxes: every animal that stands in more than one box gets one colour in all of
// them, the colours taken in the order of the list by the first box of each such animal; past
// the end of the list the last colour serves again. Animal 0 (unknown) and animals standing once
// get an invalid colour.
QVector<QColor> doppelteFarben(const QVector<qint32> &tiere, const QVector<QColor> &liste);

// The colours used when the colour list of the pedigree print is empty.
QVector<QColor> vorgabeFarben();

} // namespace tav::printouts
