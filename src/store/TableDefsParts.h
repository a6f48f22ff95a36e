#pragma once

// The table lists behind allTableDefs(), one per group of tables.

#include "store/TableDef.h"

namespace tav::store {

QVector<TableDef> registerTables();  // CATSTAMM.DB and the tables of one cat
QVector<TableDef> referenceTables(); // catalogues a cat points to or takes its texts from
QVector<TableDef> officeTables();    // addresses, catteries, clubs, shows, bookkeeping, own data
QVector<TableDef> workTables();      // tables a single window creates and fills for itself

} // namespace tav::store
