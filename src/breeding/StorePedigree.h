// StorePedigree: the pedigree source over a data directory's tables.
#pragma once

#include "InzuchtErgebnis.h"
#include "PedigreeSource.h"

#include <QHash>
#include <QMetaObject>
#include <QVector>
#include <memory>

namespace tav::store {
class Database;
class Statement;
class Table;
struct TableFile;
} // namespace tav::store

namespace tav::breeding {

// The register of a data directory as the breeding analysis reads it: CATSTAMM.DB, the traits
// (KatzeMerkmal.db with the colours of Merkmale.db), RASSE.DB and the TopKatze.db slots.
//
// Alles reads every cat with one statement (about 0.15 s for 100,000 cats) and then answers from
// memory; Einzeln fetches cats by number on demand, which pays for pedigrees of up to about ten
// thousand ancestors; Automatisch starts by number and reads the whole table at once when the
// pedigree turns out to be larger. Traits, breeds and top cats are small and read whole when first
// asked for (a reader of names and parents alone never pays for them).
// What was read is kept: call neuLaden before a calculation when the register may have changed
// meanwhile. Reading by number keeps the cat table open (shared) until then.
class StorePedigree : public PedigreeSource
{
  public:
    enum class Laden { Automatisch, Alles, Einzeln };

    explicit StorePedigree(store::Database &db, Laden art = Laden::Automatisch);
    ~StorePedigree() override;
    StorePedigree(const StorePedigree &) = delete;
    StorePedigree &operator=(const StorePedigree &) = delete;

    // Reads the tables again (after they were replaced, e.g. by a restore).
    void neuLaden();

    std::optional<KatzeDaten> katze(qint32 nummer) const override;
    QVector<KatzeMerkmalDaten> merkmale(qint32 nummer) const override;
    std::optional<QString> rasseKurzname(qint32 rcode) const override;
    std::array<TopKatzeSlot, 5> topKatzen() const override;

    // how many cats were fetched one by one, and whether the whole table is in memory
    int einzelAbrufe() const { return m_einzelAbrufe; }
    bool allesGeladen() const { return m_allesGeladen; }

    // lookups by number before Automatisch reads the whole table; one by one costs about an
    // eighth of the whole-table read per thousand cats on a 100,000-cat register
    static constexpr int AutomatischGrenze = 8000;

  private:
    void ladeKatzen() const;
    std::optional<KatzeDaten> holeEinzeln(qint32 nummer) const;
    void schliesseEinzeln() const;
    void ladeNebentabellen() const;

    store::Database &m_db;
    Laden m_art;
    mutable QHash<qint32, KatzeDaten> m_katzen;
    mutable QHash<qint32, bool> m_fehlt; // numbers known to be absent (lazy reading)
    mutable bool m_allesGeladen = false;
    mutable int m_einzelAbrufe = 0;
    mutable store::TableFile *m_datei = nullptr;
    mutable std::unique_ptr<store::Statement> m_abfrage;
    QMetaObject::Connection m_trennen; // lets go of the file when the database closes its tables
    mutable bool m_nebenGeladen = false;
    mutable QHash<qint32, QVector<KatzeMerkmalDaten>> m_merkmale;
    mutable QHash<qint32, QString> m_rassen;
    mutable std::array<TopKatzeSlot, 5> m_top{};
};

// Recreates Vorfahrenliste.db empty with its declared indexes (Vorfahrenlisteopen).
void vorfahrenlisteNeu(store::Database &db);

// Recreates Vorfahrenliste.db and writes the ancestor list of a full analysis into it, all rows
// or none. Counts beyond the integer field are stored as its largest value.
void schreibeVorfahrenliste(store::Database &db, const QVector<VorfahrenZeile> &zeilen);

// For TopKatze.db's onCalcFields: sets the calculated field "Anzahl" (text 50) of the current row to
// the share of the row's cat in the last full analysis. The count is found by the row's cat, so a
// row whose record number is not 1..5 still shows its own share.
void setzeTopKatzeAnzahl(store::Table &topKatze, const std::optional<InzuchtErgebnis> &ergebnis,
                         QChar dezimal);

} // namespace tav::breeding
