// Register: writing cats into a register for the demo and generate commands.
#pragma once

#include "store/Database.h"
#include "store/Table.h"
#include "store/Transaction.h"

#include <QDate>
#include <QRandomGenerator>
#include <QString>
#include <memory>

// Writes cats and their satellite records into a data directory (demo and synthetic registers).
class RegisterWriter
{
  public:
    explicit RegisterWriter(tav::store::Database &db);

    struct Cat {
        QString name;
        QString zwinger;
        QString rufname;
        QString sex = QStringLiteral("1");
        QDate born;
        QDate died;
        int rasse = 0;
        QString farbe;
        QString augen;
        int vater = 0;
        int mutter = 0;
        int zuechter = 0;
        int besitzer = 0;
        int status = 2;
        QString titelGer1;
        QString zuchtbuch;
        QString chip;
    };
    int addCat(const Cat &c);
    int addAddress(const QString &name, const QString &vorname, const QString &zwinger, const QString &ort,
                   const QString &land);
    void addTrait(int cat, int trait);
    void addTitle(int cat, int title);
    void addVaccination(int cat, const QDate &on, const QString &vaccine, const QDate &next);
    void addPicture(int cat, const QString &path, const QString &memo);
    void addLitter(int queen, int tom, const QDate &mated, const QDate &born, int size, const QString &bez);
    void addMating(int tom, int queen, const QDate &mated, const QDate &born);

    // the records written between begin() and commit() are kept together or not at all
    void begin();
    void commit();
    tav::store::Table &cats() { return *m_cats; }

  private:
    tav::store::Database &m_db;
    std::unique_ptr<tav::store::Table> m_cats, m_adr, m_traits, m_titles, m_vacc, m_pics, m_litters,
        m_matings;
    std::unique_ptr<tav::store::Transaction> m_txn;
};

// Syllable names: reproducible from the random generator.
QString catName(QRandomGenerator &rng);

// The demo register: about seventy cats over seven generations with line breeding.
void writeDemo(const QString &home);

// A closed population for benchmarks.
struct GenerateOptions {
    int cats = 1000;
    int generations = 10;
    quint32 seed = 1;
    // cats of each generation that are bred from (a third of them toms); 0: every queen and the
    // popular toms
    int breeders = 0;
};
void writeSynthetic(const QString &home, const GenerateOptions &opt, bool verbose);
