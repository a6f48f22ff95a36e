// Indexerstellung: the start-up check of the data directory and the index rebuilds.
#pragma once

#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include <QObject>
#include <QString>
#include <QStringList>

namespace tav::store {
class Database;
class Table;
struct TableDef;
} // namespace tav::store

namespace tav::maintenance {

// The start-up test of the data directory and the index rebuild routines of the central tables.
// A rebuild drops every index of the table and creates the declared ones again, then reads the
// whole table and runs the integrity check. It needs the table unused (the engine opens it
// exclusively), so callers disconnect the database first.
class TDataModuleIndex : public QObject
{
    Q_OBJECT
  public:
    // `db` defaults to the program's standard connection.
    explicit TDataModuleIndex(const QString &home, tav::store::Database *db = nullptr,
                              QObject *parent = nullptr);

    QString Datenpfad() const { return m_dataPath; } // home + "/Daten/"
    tav::store::Database *database() const { return m_db; }

    // True when the data directory holds the cat table; otherwise ProgEnde is set.
    bool pruefeDatenverzeichnis();
    bool ProgEnde = false;
    // The German and English paragraphs of the refusal, naming the directory the program used.
    static QString fehlendeTierdatenbankText(const QString &programPath);

    // Each returns true when the table's indexes were rebuilt and the table passed its check.
    bool BilderIndex() { return rebuild(QStringLiteral("Bilder.db")); }
    bool ImpfungIndex() { return rebuild(QStringLiteral("Impfung.db")); }
    bool WurmkurIndex() { return rebuild(QStringLiteral("Wurmkur.db")); }
    bool AdressenIndex() { return rebuild(store::adr_dat::Datei); }
    bool CatstammIndex() { return rebuild(store::catstamm::Datei); }
    bool WurfbuchIndex() { return rebuild(QStringLiteral("Wurfbuch.db")); }
    bool SpracheIndex() { return rebuild(store::sprache::Datei); }
    bool MeldungIndex() { return rebuild(store::sprmel::Datei); }
    bool MerkmaleIndex() { return rebuild(store::merkmale::Datei); }
    bool KatzemerkmalIndex() { return rebuild(QStringLiteral("KatzeMerkmal.db")); }
    bool TitelhundIndex() { return rebuild(QStringLiteral("Titelhund.db")); }
    bool ZuchtwertIndex() { return rebuild(QStringLiteral("Zuchtwert.db")); }

    // Rebuilds any declared table. False (with lastError()) when the table is missing, in use,
    // not declared, an index cannot be added or the check finds damage.
    bool rebuild(const QString &tableFile);
    bool rebuild(const QString &tableFile, const tav::store::TableDef &declared);
    // The routine for a repairable name ("catstamm", "bilder", ...); false for any other name.
    bool rebuildByName(const QString &dateiname);
    QString lastError() const { return m_lastError; }
    // Opens the table; when the engine finds its index missing, out of date or damaged, the
    // declared indexes are rebuilt and the table is opened again. Throws the engine's error when
    // that cannot be repaired.
    void oeffnen(tav::store::Table &table);

    // The names for which the error dialog offers repair, and its repairable error numbers.
    static const QStringList &repairableTables();
    static bool isRepairableCode(int errorNr);
    static bool isRepairable(const QString &dateiname, int errorNr);

  private:
    tav::store::Database *m_db;
    QString m_dataPath;
    QString m_lastError;
};

// Creates the index the program declares under that name for the table when the table's file
// lacks it; true when it was created. Needs the table unused (the engine opens it exclusively).
bool indexAnlegen(tav::store::Database &db, const QString &tableFile, const QString &indexName);

// Selects a declared index of a table. When the file lacks it, an open table is closed, the index
// is created, and the table opens again in it on the record it stood on; true when created.
// Other errors, and an index the declaration does not know, are thrown as they are.
bool indexWaehlen(tav::store::Table &table, const QString &indexName);

} // namespace tav::maintenance
