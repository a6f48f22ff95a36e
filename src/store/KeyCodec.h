// KeyCodec: index keys as byte strings whose byte order is the index order.
#pragma once

#include "TableDef.h"

#include <QByteArray>
#include <QVariant>

namespace tav::store {

// Index keys are kept as one byte string per index and record, so that byte order is index
// order: blanks first, numbers by value, texts by the German Unicode collation (umlauts and
// letters such as Ł, Č or Ø beside their base letter, case only breaking ties unless the index
// ignores case).
namespace keycodec {

// The key bytes depend on this codec and on the collation's version; a file whose stored
// version differs has its keys computed again when it is opened.
int formatVersion();

// Collation order of two texts (<0, 0, >0), case breaking ties, then the exact text.
int compareText(const QString &a, const QString &b);

// Appends one complete field value. `caseInsensitive` only matters for texts.
void appendField(QByteArray &key, FieldType type, const QVariant &value, bool caseInsensitive);
// Appends a text as a prefix (for find nearest on a partly typed text): its letters only, so
// every key of a text that starts with it, in any case or accent, starts with these bytes.
void appendTextPrefix(QByteArray &key, const QString &text);
// Appends the record number that makes keys of non-unique indexes distinct.
void appendRecordNumber(QByteArray &key, qint64 rowid);
// Smallest byte string greater than every key that starts with `prefix`.
QByteArray upperBound(const QByteArray &prefix);

} // namespace keycodec
} // namespace tav::store
