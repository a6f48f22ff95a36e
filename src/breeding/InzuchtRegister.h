// InzuchtRegister: inbreeding coefficient and ancestor loss of any parent pair of the register
// held in memory: without building a tree when no generation limit cuts the pedigree, else by the
// engine's core over the ancestors the limit keeps.
#pragma once

#include "Ahnengraph.h"
#include "GrosseZahl.h"
#include "PedigreeSource.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>
#include <optional>

namespace tav::store {
class Database;
}

namespace tav::breeding {

// The engine's coefficient counts the pairs of lines from sire and dam to a common ancestor that
// share no step from a cat to one of its parent slots. Split at the last shared step, those sums
// satisfy Wright's recursions, so the coefficient is half the additive relationship of sire and
// dam, A(S,D) = sum_A L(S,A) L(D,A) w_A, with L(X,A) the sum of (1/2)^length over the lines
// X..A and w_A = 1/2 - (F_sire + F_dam)/4 (3/4 - F/4 with one parent, 1 with none): Meuwissen and
// Luo's decomposition. L of sire and dam is pushed down the union of their ancestors in ancestor
// order, and each cat's own F is worked out once, on first need, parents first, the same way (a
// pair with offspring in the register takes that cat's F and count of ancestors); that costs
// the size of the union instead of the pedigree tree's 2^G nodes. The doubles hold every term
// exactly up to about 12 generations, so the result is then the engine's to the last bit; deeper
// it differs from the engine's exact sum only in the last bits.
class InzuchtRegister
{
  public:
    struct Ergebnis {
        double koeffizient = 0.0;
        double ahnenverlust = 0.0; // percent, as the engine computes it
        bool beitrag = false;      // some pair contributes
    };

    // every cat of the register; `stop`: the cats carrying trait 2, whose ancestors are not followed
    void aufbauen(const QVector<KatzeDaten> &katzen, const QSet<qint32> &stop);
    // CATSTAMM.DB and the trait-2 rows of KatzeMerkmal.db
    void lese(store::Database &db);

    // Empty when the engine must answer: a parent not in the register or on a cycle of it, a
    // pedigree deeper than G generations reach (the cut changes the result), or more lines than
    // 128 bits count.
    std::optional<Ergebnis> paar(qint32 vater, qint32 mutter, int generationen);
    // The same where the generation limit cuts: the engine's own path counts and line pairs over
    // the ancestors the limit keeps, read from the arrays instead of the register source, so the
    // texts are the engine's to the last bit. Empty where the engine must answer: a parent not in
    // the register or on a cycle of it, or more lines than the engine counts.
    std::optional<Ergebnis> imSchnitt(qint32 vater, qint32 mutter, int generationen);
    int anzahl() const { return int(m_nummer.size()); }

  private:
    void sammle(int s, int d);      // the union of their ancestors, offspring first, to m_liste
    double beziehung(int s, int d); // A(s,d); every w_A of the union must be known
    void vorbereiten(int katze);    // works out F and w_A of the cat and its ancestors
    void neueRunde();

    QHash<qint32, int> m_index; // ancestor order: parents before offspring
    QVector<qint32> m_nummer;
    QVector<int> m_vater, m_mutter; // followed parents, -1 when none
    QVector<int> m_tiefe;
    QVector<Anzahl> m_knoten; // nodes of the cat's own tree, itself included
    QVector<bool> m_ueberlauf;
    QVector<double> m_f, m_w;   // F and w_A of the cats worked out so far (NaN: not yet)
    QVector<int> m_verschieden; // with F: the distinct ancestors of its parents, themselves included
    QHash<quint64, int> m_kind; // a cat of each pair of followed parents
    // work space of `paar`
    QVector<double> m_ls, m_ld;
    QVector<quint32> m_marke;
    quint32 m_runde = 0;
    QVector<int> m_liste, m_offen;
    // work space of `imSchnitt`
    QVector<int> m_abstand, m_imGraph;
    Ahnengraph m_graph;
};

} // namespace tav::breeding
