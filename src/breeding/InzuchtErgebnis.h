// InzuchtErgebnis: the result of an inbreeding analysis as numbers and plain data; the texts the
// window, the print-out and the command line show are made from it in InzuchtFormat.
#pragma once

#include "GrosseZahl.h"
#include "InzuchtDaten.h"
#include "InzuchtFormat.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

namespace tav::breeding {

struct VorfahrenZeile {
    qint32 Nummer = 0;
    QString Name;
    breeding::Anzahl Anzahl = 0;
    std::optional<qint32> Farbe;
};

struct TopKatzeAnzahl {
    qint32 katze = 0;
    Anzahl anzahl = 0;
};

struct InzuchtErgebnis {
    // a contributing pair: one pair of occurrences, or all pairs of one ancestor with these steps
    struct Paar {
        qint32 katze = 0;
        QString name;
        int s = 0; // steps from the sire
        int d = 0; // steps from the dam
        GrosseZahl anzahl;
    };
    // a missing parent or a stop, once or for all its occurrences
    struct Info {
        int generation = 0;
        QString name;
        InfoArt art = InfoArt::VaterFehlt;
        Anzahl anzahl = 1;
    };
    struct Klon {
        QString name;
        Anzahl anzahl = 0;
    };
    struct Rasse {
        bool belegt = false;
        RasseAnteile anteile;
    };

    double koeffizient = 0.0;
    bool beitrag = false; // some pair contributes
    double ahnenverlust = 0.0;
    GrosseZahl AnzahlMoeglicherVorf;
    Anzahl AnzahlVorhandenerVorf = 0;
    Anzahl zaehlerdoppelt = 0;
    Anzahl verschiedeneVorfahren = 0;
    bool komplett = true;
    int generationen = 0; // the limit used (3..255)

    // pair and info lists exist (full analysis with ancestors); one line per occurrence, or condensed
    bool listen = false;
    bool einzeln = false;
    // each list holds the lines up to the line limit and counts those left out; the pairs by
    // (ancestor, s, d) whenever there are lists, the single pairs only for single lines
    QVector<Paar> paare;
    quint64 paareWeitere = 0;
    GrosseZahl paareWeitereAnzahl; // the pairs in the lines left out
    QVector<Paar> einzelPaare;
    quint64 einzelPaareWeitere = 0;
    QVector<Info> info;
    quint64 infoWeitere = 0;
    Anzahl infoGesamt = 0;  // condensed: the entries in all lines
    bool klonListe = false; // full analysis
    QVector<Klon> klone;    // one per name, in order of first occurrence
    quint64 kloneWeitere = 0;

    std::array<TopKatzeAnzahl, 5> AnzahlTopKatzen{};
    QVector<VorfahrenZeile> Vorfahrenliste; // ordered by Nummer

    // names and breed compositions of generations 1 to 4 by position (empty where free), the
    // composition of the examined cat, and the short names of the breeds that occur in them
    std::array<QStringList, 4> namen;
    std::array<QVector<Rasse>, 4> rassen;
    RasseAnteile tierRasse;
    QHash<qint32, QString> rasseKurznamen;
};

// Why the last calculation failed: a parent missing from the register, a cycle, too many
// ancestors, too little memory, or cancelled.
struct InzuchtFehler {
    enum class Art { Keiner, ElternFehlen, Zyklus, ZuVieleVorfahren, KeinSpeicher, Abbruch };
    Art art = Art::Keiner;
    int meldung = 0;                             // message number for the caller to show
    QVector<qint32> zyklus;                      // cats of a cycle in the register
    QVector<std::optional<QString>> zyklusNamen; // their names; none when not in the register
};

} // namespace tav::breeding
