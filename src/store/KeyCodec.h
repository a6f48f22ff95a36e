#pragma once

#include "TableDef.h"

#include <QByteArray>
#include <QVariant>

namespace tav::store {

// Index keys are kept as one byte string per index and record, so that byte order is index
// order: blanks first, numbers by value, texts in German order (umlauts beside their base
// letter, case only breaking ties unless the index ignores case).
namespace keycodec {

// Folds a text for comparison: accents dropped, ß as ss, lower case.
QString fold(const QString &text);

// Appends one complete field value. `caseInsensitive` only matters for texts.
void appendField(QByteArray &key, FieldType type, const QVariant &value, bool caseInsensitive);
// Appends a text as a prefix (for find nearest on a partly typed text): no terminator.
void appendTextPrefix(QByteArray &key, const QString &text);
// Appends the record number that makes keys of non-unique indexes distinct.
void appendRecordNumber(QByteArray &key, qint64 rowid);
// Smallest byte string greater than every key that starts with `prefix`.
QByteArray upperBound(const QByteArray &prefix);

} // namespace keycodec
} // namespace tav::store
