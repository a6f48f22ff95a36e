#pragma once

#include <QString>

namespace tav::store {

// Looks at a table file before the engine opens it. Throws an EngineError that names the file and
// what is wrong with it: a folder in its place, no read permission, empty, not a table, cut short,
// or an interrupted change that cannot be rolled back because the folder or the file is not
// writable (the file itself is intact then). The words are those of the error dialog and of
// tavrenno-cli alike.
void checkTableFile(const QString &path);
// Throws when the table file may not be written: every change of it would fail later.
void checkTableWritable(const QString &path);

} // namespace tav::store
