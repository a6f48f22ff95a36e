// InzuchtBerechnung: the inbreeding analysis of a cat or mating and its result texts.
#pragma once

#include "Ahnengraph.h"
#include "BaumInzucht.h"
#include "GrosseZahl.h"
#include "InzuchtDaten.h"
#include "PedigreeSource.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>
#include <optional>

namespace tav::breeding {

// Inbreeding coefficient, ancestor loss, breed composition, clone and top-cat shares of a cat or
// of a planned offspring. One object for the whole run; each Berechne replaces all results.
class InzuchtBerechnung
{
  public:
    enum class Rechenweg { Automatisch, Baum, Schnell };

    struct Einstellungen {
        bool inzuchtMitVorfahren = true; // InzuchtmitVorfahren: ancestor list, pair and info lines
        bool merkmalVorTop = false;      // MerkmalvorTop: a trait colour wins over a top-cat colour
        QChar dezimal = QLatin1Char(',');
        int sprache = 0; // 0 German, 1 English, 2 Dutch
        Rechenweg weg = Rechenweg::Automatisch;
        bool listenZusammenfassen = false; // condensed pair and info lines even for a small tree
        // largest tree of occurrences built (nodes) and its pair comparisons; beyond a few
        // thousand the pass over pairs of lines is faster, and single lines are unreadable
        quint64 baumGrenze = 1u << 12;
        quint64 paarGrenze = 1u << 12;
        // lines of each list (pairs, info, clones); the rest is counted in a closing line
        int zeilenGrenze = 1000;
    };

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

    using Meldungstext = std::function<QString(int nummer)>;

    explicit InzuchtBerechnung(const PedigreeSource &quelle, Meldungstext meldung = {});
    InzuchtBerechnung(const InzuchtBerechnung &) = delete;
    InzuchtBerechnung &operator=(const InzuchtBerechnung &) = delete;

    // Tier 0 = planned offspring of Vater and Mutter; Inzucht selects the full analysis.
    // False: a parent is not in the register (fehlerMeldung 83), a cycle in the register,
    // too little memory anywhere in the analysis (126), a running calculation, or cancelled
    // through the progress callback.
    bool Berechne(qint32 Tier, qint32 Vater, qint32 Mutter, int Generationen, bool Inzucht);
    bool laeuft() const { return m_laeuft; }

    Einstellungen einstellungen;
    Fortschritt fortschritt; // full analysis only
    Phase phase;             // full analysis only: 134 while building, 132 while analysing

    // --- results of the last successful Berechne
    QString Inzuchtkoeffizient;
    QString Inzuchtkoeffizientkurz;
    QString Ahnenverlustkoeffizient;
    QString Stammbaumkomplett;
    QStringList Inzucht;
    QStringList Ahnenverlust;
    QStringList Info;
    QStringList Clon;
    QString RTier;
    QStringList g1, g2, g3, g4;
    QStringList r1, r2, r3, r4;
    std::array<TopKatzeAnzahl, 5> AnzahlTopKatzen{};
    QVector<VorfahrenZeile> Vorfahrenliste; // ordered by Nummer
    // the tree of occurrences; null when the pedigree was too large for it
    const BaumInzucht::TBinaerbaum *Binaerbaum() const { return m_baumBenutzt ? &m_baum : nullptr; }
    // share text of a top-cat slot (1..5), as the top-cat table shows it
    QString topKatzeAnzahl(int slot) const;

    // the numbers behind the texts
    double koeffizient = 0.0;
    double ahnenverlust = 0.0;
    GrosseZahl AnzahlMoeglicherVorf;
    Anzahl AnzahlVorhandenerVorf = 0;
    Anzahl zaehlerdoppelt = 0;
    Anzahl verschiedeneVorfahren = 0;
    bool komplett = true;
    int generationen = 0;     // the limit used (3..255)
    QVector<PaarSumme> paare; // contributing pairs by (ancestor, s, d), when collected
    qint32 paarKatze(const PaarSumme &p) const { return m_graph.ahne(p.ahne).nummer; }

    // --- failure of the last Berechne
    int fehlerMeldung = 0; // message number for the caller to show
    QString fehlerText;
    QVector<qint32> zyklus; // cats of a cycle in the register
    QString zyklusText;     // the same as "Name (Nummer) - ..."

  private:
    bool berechne(qint32 Tier, qint32 Vater, qint32 Mutter, int Generationen, bool Inzucht);
    void zuruecksetzen();
    void auswerten(const InzuchtRoh &roh, bool voll);
    QString meldung(int nr) const { return m_meldung ? m_meldung(nr) : QString(); }
    QString text(const char *deutsch, const char *englisch) const;
    QString infoZeile(const InfoEintrag &e) const;
    QString prozentVonMoeglich(Anzahl n, int p, int d) const;

    const PedigreeSource &m_quelle;
    Meldungstext m_meldung;
    Ahnengraph m_graph;
    BaumInzucht::TBinaerbaum m_baum;
    bool m_baumBenutzt = false;
    bool m_laeuft = false;
    double m_moeglich = 0.0;
};

// The closing line of a list cut at its line limit, in the window, the print-out and the CLI:
// message 9402 and the number of lines left out.
QString ausgelasseneZeilenText(quint64 anzahl, const InzuchtBerechnung::Meldungstext &meldung);

} // namespace tav::breeding
