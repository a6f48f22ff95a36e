// InzuchtDaten: data shared by both inbreeding paths: raw results, progress callbacks.
#pragma once

#include "GrosseZahl.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <algorithm>
#include <array>
#include <functional>

namespace tav::breeding {

// position, maximum; false cancels
using Fortschritt = std::function<bool(quint64 position, quint64 maximum)>;
// The stage a full analysis enters, as the number of the message that names it (134 building the
// pedigree, 132 analysing it).
using Phase = std::function<void(int meldung)>;

// Contributing pairs of one common ancestor with the same s and d, and how many there are.
struct PaarSumme {
    int ahne = -1; // index in the ancestor graph
    int s = 0;     // steps from the sire
    int d = 0;     // steps from the dam
    GrosseZahl anzahl;
};

enum class InfoArt { VaterFehlt, MutterFehlt, Foundation };

struct InfoEintrag {
    int generation = 0; // of the cat the line is about
    int ahne = -1;
    InfoArt art = InfoArt::VaterFehlt;
    Anzahl anzahl = 1;
};

// What either path of the calculation hands to the result texts. Both paths must fill it
// identically; only the per-occurrence lists are the tree's own.
struct InzuchtRoh {
    GrosseZahl summe;          // coefficient, exact, in units of 2^-GrosseZahl::Einheit
    QVector<PaarSumme> paare;  // contributing pairs aggregated by (ancestor, s, d)
    QVector<Anzahl> vorkommen; // occurrences per ancestor index
    Anzahl vorhanden = 0;      // ancestor nodes (root not counted)
    bool komplett = true;
    QVector<InfoEintrag> info;        // aggregated
    QVector<int> klonReihe;           // trait-1 ancestors in order of first occurrence
    QString tierProzent;              // stored breed composition of the root
    std::array<QStringList, 4> namen; // g1..g4 by position, empty strings for free positions
    struct RassePosition {
        bool belegt = false;
        QString prozent;
        qint32 rasse = 0;
    };
    std::array<QVector<RassePosition>, 4> rassen; // r1..r4

    // pairs beyond those kept in `paare` when the list was cut while it was collected: how many
    // (ancestor, s, d) lines and how many pairs they hold
    quint64 paareWeitere = 0;
    GrosseZahl paareWeitereAnzahl;

    // per pair / per occurrence, only from the tree; the pairs end at the line limit
    bool einzeln = false;
    struct EinzelPaar {
        int ahne = -1;
        int s = 0;
        int d = 0;
    };
    QVector<EinzelPaar> einzelPaare;
    quint64 einzelPaareWeitere = 0;
    QVector<InfoEintrag> infoEinzeln;
};

// Keeps the `grenze` first of a stream of pairs in the order the list shows them (fewest steps,
// fewer from the sire, lower cat number) and counts the rest: a list that may hold millions of
// lines is never held whole.
class PaarAuswahl
{
  public:
    using Nummer = std::function<qint32(int ahne)>;
    PaarAuswahl(int grenze, Nummer nummer) : m_grenze(std::max(grenze, 0)), m_nummer(std::move(nummer)) {}
    bool vor(const PaarSumme &a, const PaarSumme &b) const
    {
        if (a.s + a.d != b.s + b.d)
            return a.s + a.d < b.s + b.d;
        if (a.s != b.s)
            return a.s < b.s;
        return m_nummer(a.ahne) < m_nummer(b.ahne);
    }
    void add(PaarSumme p);
    // the kept pairs in order to `paare`; the count and the pairs of those left out are added
    void abschliessen(QVector<PaarSumme> &paare, quint64 &weitere, GrosseZahl &weitereAnzahl);

  private:
    int m_grenze;
    Nummer m_nummer;
    QVector<PaarSumme> m_heap; // the last of the kept ones on top
    quint64 m_weitere = 0;
    GrosseZahl m_weitereAnzahl;
};

} // namespace tav::breeding
