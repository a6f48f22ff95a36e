#pragma once

#include "TableDef.h"

#include <QVariantList>

namespace tav::store {

// A filter expression turned into a WHERE clause with bound values.
//   Status = 1 or Status = '12'    Name = 'Ab*' (prefix)   Name = '*ine' (suffix)
//   (Rasse = 3 and Geschlecht <> '1') or Toddatum = NULL
struct FilterSql {
    QString where;       // uses ? placeholders
    QVariantList params; // already in stored form
};

// Throws EngineError (code::Filter) for an expression it cannot read.
FilterSql parseFilter(const QString &expression, const TableDef &layout);

// A date as the user or a filter writes it: "24.12.2020", "24.12.20", "2020-12-24".
QVariant parseDateText(const QString &text);

} // namespace tav::store
