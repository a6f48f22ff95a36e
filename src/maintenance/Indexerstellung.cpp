// Indexerstellung: the start-up check of the data directory and the index rebuilds.
#include "Indexerstellung.h"

#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Table.h"
#include "store/TableDef.h"

#include <QDir>
#include <QFileInfo>

namespace tav::maintenance {

using tav::store::Database;

namespace {
QString describe(const std::exception &e)
{
    if (const auto *ee = dynamic_cast<const tav::store::EngineError *>(&e)) {
        QStringList lines;
        for (const auto &entry : ee->entries())
            lines << entry.message;
        return lines.join(QLatin1Char('\n'));
    }
    return QString::fromLocal8Bit(e.what());
}
} // namespace

TDataModuleIndex::TDataModuleIndex(const QString &home, Database *db, QObject *parent)
    : QObject(parent), m_db(db ? db : tav::store::defaultDatabase())
{
    m_dataPath = QDir::cleanPath(home + QStringLiteral("/Daten")) + QLatin1Char('/');
}

bool TDataModuleIndex::pruefeDatenverzeichnis()
{
    // a folder in the table's place is reported as such when the table is opened
    const QStringList found =
        QDir(m_dataPath)
            .entryList({QStringLiteral("catstamm.db")}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    ProgEnde = found.isEmpty();
    return !ProgEnde;
}

QString TDataModuleIndex::fehlendeTierdatenbankText(const QString &programPath)
{
    return QStringLiteral("Die Programmversion, welche Sie aus dem Verzeichnis ") + programPath +
           QStringLiteral(" starten, ist nicht lauffähig, da keine Tierdatenbank vorhanden ist.") +
           QStringLiteral(
               " Erscheint diese Meldung nach einer Updateinstallation, so wurde das Update in ein "
               "falsches Verzeichnis eingespielt.") +
           QStringLiteral(" Bitte Updateinstallation wiederholen, in korrektes Programmverzeichnis!") +
           QStringLiteral("\r\r") +
           QStringLiteral("The programm version, which you start from the directory ") + programPath +
           QStringLiteral(" , is not executable, because the animal database does not exists. ") +
           QStringLiteral(
               " If this message appears after the installation of a program update, the update was "
               "installed in a false directory.") +
           QStringLiteral(" Please, repeat the update installation in the correct directory!");
}

bool TDataModuleIndex::rebuild(const QString &tableFile)
{
    m_lastError.clear();
    const tav::store::TableDef *declared = tav::store::findTableDef(tableFile);
    if (!declared) {
        m_lastError = QStringLiteral("Keine Beschreibung der Tabelle %1.").arg(tableFile);
        return false;
    }
    return rebuild(tableFile, *declared);
}

bool TDataModuleIndex::rebuild(const QString &tableFile, const tav::store::TableDef &declared)
{
    m_lastError.clear();
    if (!m_db || !m_db->tableExists(tableFile)) {
        m_lastError = QStringLiteral("Die Tabelle %1 wurde nicht gefunden.").arg(tableFile);
        return false;
    }
    try {
        m_db->rebuildIndexes(tableFile, declared);
    } catch (const std::exception &e) {
        // an index that cannot be added leaves the table without it: that is no repair
        m_lastError = describe(e);
        return false;
    }
    try {
        m_db->checkTable(tableFile);
    } catch (const std::exception &e) {
        m_lastError = describe(e);
        return false;
    }
    return true;
}

void TDataModuleIndex::oeffnen(tav::store::Table &table)
{
    try {
        table.open();
        return;
    } catch (const tav::store::EngineError &e) {
        if (!isRepairableCode(e.code()))
            throw;
        table.close();
        if (!rebuild(table.tableName()))
            throw;
    }
    table.open();
}

bool TDataModuleIndex::rebuildByName(const QString &dateiname)
{
    const QString n = dateiname.toLower();
    if (n == QLatin1String("bilder"))
        return BilderIndex();
    if (n == QLatin1String("impfung"))
        return ImpfungIndex();
    if (n == QLatin1String("wurmkur"))
        return WurmkurIndex();
    if (n == QLatin1String("catstamm"))
        return CatstammIndex();
    if (n == QLatin1String("wurfbuch"))
        return WurfbuchIndex();
    if (n == QLatin1String("sprache"))
        return SpracheIndex();
    if (n == QLatin1String("sprmel"))
        return MeldungIndex();
    if (n == QLatin1String("adr_dat"))
        return AdressenIndex();
    if (n == QLatin1String("merkmale"))
        return MerkmaleIndex();
    if (n == QLatin1String("katzemerkmal"))
        return KatzemerkmalIndex();
    if (n == QLatin1String("titelhund"))
        return TitelhundIndex();
    if (n == QLatin1String("zuchtwert"))
        return ZuchtwertIndex();
    m_lastError = QStringLiteral("Für %1 gibt es keine Reparatur.").arg(dateiname);
    return false;
}

const QStringList &TDataModuleIndex::repairableTables()
{
    static const QStringList names{
        QStringLiteral("impfung"),      QStringLiteral("wurmkur"),   QStringLiteral("bilder"),
        QStringLiteral("titelhund"),    QStringLiteral("adr_dat"),   QStringLiteral("catstamm"),
        QStringLiteral("wurfbuch"),     QStringLiteral("zuchtwert"), QStringLiteral("merkmale"),
        QStringLiteral("katzemerkmal"), QStringLiteral("sprache"),   QStringLiteral("sprmel")};
    return names;
}

bool TDataModuleIndex::isRepairableCode(int errorNr)
{
    return errorNr == tav::store::code::IndexOutOfDate || errorNr == tav::store::code::NoSuchIndex ||
           errorNr == tav::store::code::IndexCorrupt;
}

bool TDataModuleIndex::isRepairable(const QString &dateiname, int errorNr)
{
    return isRepairableCode(errorNr) && repairableTables().contains(dateiname);
}

bool indexAnlegen(Database &db, const QString &tableFile, const QString &indexName)
{
    const tav::store::TableDef *declared = tav::store::findTableDef(tableFile);
    const tav::store::IndexDef *idx = declared ? declared->index(indexName) : nullptr;
    if (!idx)
        throw tav::store::EngineError(
            tav::store::EngineError::Category::InvalidRequest, tav::store::code::UnknownIndex,
            QStringLiteral("Unbekannter Index %1 für %2.").arg(indexName, tableFile));
    if (db.storedLayout(tableFile).index(indexName))
        return false;
    db.addIndex(tableFile, *idx);
    return true;
}

bool indexWaehlen(tav::store::Table &table, const QString &indexName)
{
    try {
        table.setIndexName(indexName);
        return false;
    } catch (const tav::store::EngineError &e) {
        if (e.code() != tav::store::code::NoSuchIndex)
            throw;
    }
    const bool offen = table.isOpen();
    const tav::store::Table::Bookmark stand = table.bookmark();
    table.close();
    try {
        indexAnlegen(*table.database(), table.tableName(), indexName);
    } catch (...) {
        if (offen)
            table.open(); // in the order it had
        throw;
    }
    table.setIndexName(indexName);
    if (offen) {
        table.open();
        if (stand.isValid() && table.bookmarkValid(stand))
            table.gotoBookmark(stand);
    }
    return true;
}

} // namespace tav::maintenance
