// InzuchtDruck: what the inbreeding print-out shows, as the inbreeding window or the command line
// hands it over (texts as displayed; the print-out composes no rule of its own).
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace tav::printouts {

struct InzuchtDruck {
    QString katze;        // the cat edit: name and breed composition, or the planned pair
    int generationen = 0; // generations of the calculation
    QString vater;
    QString mutter;
    QStringList inzucht;      // pair lines ("Auflistung aller Katzen mit Inzucht")
    QString koeffizient;      // coefficient text, as the window shows it
    QStringList ahnenverlust; // ancestor-loss lines

    struct TopKatze {
        int slot = 0; // 1..5
        QString name;
        QString anteil; // share text
    };
    QVector<TopKatze> topKatzen;

    struct Klon {
        QString prozent; // as shown, e.g. "12,5 %"
        QString name;
    };
    QVector<Klon> klone;

    struct Vorfahr {
        QString name;
        qint64 anzahl = 0;  // occurrences in the pedigree
        QString anzahlText; // the count as shown when it does not fit `anzahl`; else empty
    };
    QVector<Vorfahr> vorfahren; // in the order the ancestor list shows them

    // the three check boxes of the print options
    bool mitInzuchtliste = false;
    bool mitVorfahrenliste = false;
    bool mitKlonliste = false;
};

} // namespace tav::printouts
