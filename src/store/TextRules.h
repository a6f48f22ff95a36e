#pragma once

#include <QString>

namespace tav::store {

// Lengths of stored texts count characters (code points), not UTF-16 units: 70 emoji are 70.
int textLength(const QString &s);
// The first `n` characters; never splits a surrogate pair.
QString cutToLength(const QString &s, int n);
// Index of the first control character in `s`, or -1: C0, DEL and the controls of text direction
// (marks, embeddings, overrides, isolates), which make a name read otherwise than it is stored, such
// as "Katze \u202Egnp.exe". Memos may hold line breaks.
qsizetype controlCharacterAt(const QString &s, bool lineBreaksAllowed = false);

} // namespace tav::store
