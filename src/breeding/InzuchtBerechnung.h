// InzuchtBerechnung: the inbreeding analysis of a cat or mating.
#pragma once

#include "Ahnengraph.h"
#include "BaumInzucht.h"
#include "GrosseZahl.h"
#include "InzuchtDaten.h"
#include "InzuchtErgebnis.h"
#include "PedigreeSource.h"

#include <optional>

namespace tav::breeding {

// Inbreeding coefficient, ancestor loss, breed composition, clone and top-cat shares of a cat or
// of a planned offspring. One object for the whole run; each Berechne replaces all results.
class InzuchtBerechnung
{
  public:
    enum class Rechenweg { Automatisch, Baum, Schnell };

    struct Einstellungen {
        bool inzuchtMitVorfahren = true;  // InzuchtmitVorfahren: ancestor list, pair and info lines
        bool merkmalVorTop = false;       // MerkmalvorTop: a trait colour wins over a top-cat colour
        QChar dezimal = QLatin1Char(','); // of the stored breed compositions
        Rechenweg weg = Rechenweg::Automatisch;
        bool listenZusammenfassen = false; // condensed pair and info lines even for a small tree
        // largest tree of occurrences built (nodes) and its pair comparisons; beyond a few
        // thousand the pass over pairs of lines is faster, and single lines are unreadable
        quint64 baumGrenze = 1u << 12;
        quint64 paarGrenze = 1u << 12;
        // lines of each list (pairs, info, clones); the rest is counted in a closing line
        int zeilenGrenze = 1000;
    };

    using VorfahrenZeile = breeding::VorfahrenZeile;
    using TopKatzeAnzahl = breeding::TopKatzeAnzahl;

    explicit InzuchtBerechnung(const PedigreeSource &quelle);
    InzuchtBerechnung(const InzuchtBerechnung &) = delete;
    InzuchtBerechnung &operator=(const InzuchtBerechnung &) = delete;

    // Tier 0 = planned offspring of Vater and Mutter; Inzucht selects the full analysis.
    // False: a parent is not in the register (message 83), a cycle in the register,
    // too little memory anywhere in the analysis (126), a running calculation, or cancelled
    // through the progress callback; fehler() says which.
    bool Berechne(qint32 Tier, qint32 Vater, qint32 Mutter, int Generationen, bool Inzucht);
    bool laeuft() const { return m_laeuft; }

    Einstellungen einstellungen;
    Fortschritt fortschritt; // full analysis only
    Phase phase;             // full analysis only: 134 while building, 132 while analysing

    // the result of the last successful Berechne; none after a failure
    const std::optional<InzuchtErgebnis> &ergebnis() const { return m_ergebnis; }
    const InzuchtFehler &fehler() const { return m_fehler; }
    // the tree of occurrences; null when the pedigree was too large for it
    const BaumInzucht::TBinaerbaum *Binaerbaum() const { return m_baumBenutzt ? &m_baum : nullptr; }

  private:
    bool berechne(qint32 Tier, qint32 Vater, qint32 Mutter, int Generationen, bool Inzucht);
    void zuruecksetzen();
    void fehlschlag(InzuchtFehler::Art art, int meldung = 0);
    void auswerten(const InzuchtRoh &roh, bool voll, InzuchtErgebnis &e) const;
    void listen(const InzuchtRoh &roh, InzuchtErgebnis &e) const;
    void rassen(const InzuchtRoh &roh, InzuchtErgebnis &e) const;

    const PedigreeSource &m_quelle;
    Ahnengraph m_graph;
    BaumInzucht::TBinaerbaum m_baum;
    bool m_baumBenutzt = false;
    bool m_laeuft = false;
    std::optional<InzuchtErgebnis> m_ergebnis;
    InzuchtFehler m_fehler;
};

} // namespace tav::breeding
