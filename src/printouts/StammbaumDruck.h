// StammbaumDruck: what the printed pedigree shows, as the program or the command line fills it
// (texts as printed; the print-out lays them out and adds no rule about the cat of its own).
#pragma once

#include <QColor>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tav::printouts {

struct StammbaumDruck {
    struct Tier {
        qint32 nummer = 0;   // 0: not known (an empty, framed box)
        QString namenszeile; // titles and name
        bool titel = false;  // a title leads the name
        QStringList zeilen;  // the description lines by the pedigree print order
        QImage bild;         // generations 1 and 2, when pictures are asked for
    };
    // A line of the cat's data: its caption (tag and German text) and the value. A value with a
    // tag of its own (the sex words) is a caption too.
    struct Angabe {
        int tag = 0;
        QString caption;
        QString wert;
        int wertTag = 0;
    };

    int generationen = 4; // 3..6
    Tier katze;
    QString name; // the cat's name: what a saved copy of its pedigree is called
    QVector<Angabe> angaben;
    QString zwinger;      // the breeder's own cattery
    QStringList zuechter; // the breeder's name and address lines
    QImage logo, bild, hintergrund;
    QSizeF logoMm, bildMm, genBildMm; // largest sizes of the pictures
    QVector<Tier> ahnen;              // box n (father 2n + 1, mother 2n + 2); index 0 is the cat
    QVector<QColor> farben;           // fill of box n; invalid: white
    QString inzucht;                  // coefficient at the printed generations
    QString ahnenverlust;
    bool titelRot = true;
    double links = 5, oben = 5, rechts = 5, unten = 5; // margins in mm
};

} // namespace tav::printouts
