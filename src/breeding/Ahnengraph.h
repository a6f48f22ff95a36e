// Ahnengraph: the ancestor graph of a cat or pair, read once for the fast inbreeding path.
#pragma once

#include "PedigreeSource.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <optional>

namespace tav::breeding {

// One ancestor read from the register, with the parent links resolved to indices.
struct Ahne {
    qint32 nummer = 0;
    QString name;
    qint32 rasse = 0;
    qint32 vaterNr = 0; // as recorded
    qint32 mutterNr = 0;
    int vater = -1; // index of the sire when followed and in the register
    int mutter = -1;
    bool stop = false; // trait 2: ancestry not followed
    bool klon = false; // trait 1
    bool hatMerkmal = false;
    std::optional<qint32> merkmalFarbe; // colour of the first trait row
    int tiefe = 0;                      // longest chain of followed parents above this cat
};

// The ancestors of a pair, read once from the register, ordered parents before offspring.
class Ahnengraph
{
  public:
    enum class Status { Ok, ElternFehlen, Zyklus };

    Status laden(const PedigreeSource &quelle, qint32 tier, qint32 vater, qint32 mutter);

    // Built by a caller that holds the register in memory, for the coefficient and the counts of
    // ancestors only (no names, breeds or traits): `beginnen`, then every ancestor parents first
    // with the indices of its followed parents (-1 none), then the pair. The buffers of the last
    // graph are kept.
    void beginnen();
    int hinzufuegen(qint32 nummer, int vater, int mutter);
    void setzePaar(int vater, int mutter);

    int index(qint32 nummer) const { return m_index.value(nummer, -1); }
    const Ahne &ahne(int i) const { return m_ahnen.at(i); }
    int anzahl() const { return int(m_ahnen.size()); }

    int vater() const { return m_vater; }
    int mutter() const { return m_mutter; }
    qint32 tierRasse() const { return m_tierRasse; }
    // the cats of a cycle in the register (each the parent of the one before it)
    const QVector<qint32> &zyklus() const { return m_zyklus; }

  private:
    QVector<Ahne> m_ahnen; // index order is topological: parents before offspring
    QHash<qint32, int> m_index;
    int m_vater = -1;
    int m_mutter = -1;
    qint32 m_tierRasse = 0;
    QVector<qint32> m_zyklus;
};

} // namespace tav::breeding
