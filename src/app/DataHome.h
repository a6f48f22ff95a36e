// DataHome: setting up a data directory: tables, catalogues, help pages.
#pragma once

#include <QString>
#include <QStringList>

namespace tav::store {
class Database;
}

namespace tav::app {

// The data directory of a home: HOME/Daten.
QString dataDirOf(const QString &home);
// The data folder is there but may not be listed or entered: nothing in it can be read. Said as
// such, in German and English (its own catalogue lies inside), never as a missing register.
bool dataDirUnreadable(const QString &dataDir);
QString unreadableDataDirText(const QString &dataDir);

// Where the delivered data sources are: $TAVRENNO_DATA, the build's source tree, or beside
// the program (../share/tavrenno/data).
QString deliveredDataDir();

// Creates HOME/Daten with every table, the catalogues and the delivered reference data.
// Refuses (throws std::runtime_error) when the directory already holds a cat table.
void initDataDirectory(const QString &home, const QString &sourceDir = deliveredDataDir());

// Reads a UTF-8 TSV file (header = field names, '#' lines are comments) into a table.
// Returns the number of records added; a bad line throws std::runtime_error naming it.
int loadTsv(tav::store::Database &db, const QString &tableName, const QString &path);

// Copies the delivered help pages to HOME/Help/<language>/ (a page edited there after the
// delivery is kept). Returns the pages that could not be copied (empty when all are in place).
[[nodiscard]] QStringList installHelpPages(const QString &home,
                                           const QString &sourceDir = deliveredDataDir());

// Makes the folders of a home the program writes into besides Daten and Help: Bmp, where the HTML
// pedigree goes by default. Returns the folders that could not be made.
[[nodiscard]] QStringList makeHomeFolders(const QString &home);

// The five empty top-cat rows (white) of a new directory.
void seedTopCats(tav::store::Database &db);

// Fills SPRMEL.DB and SPRACHE.DB from catalogue/messages.tsv and catalogue/captions.tsv.
void loadCatalogues(tav::store::Database &db, const QString &sourceDir);

// Adds the delivered catalogue numbers a home made by an older program lacks; numbers already
// there keep their texts. Returns the numbers added.
int completeCatalogues(tav::store::Database &db, const QString &sourceDir = deliveredDataDir());

} // namespace tav::app
