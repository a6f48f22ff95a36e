// CommitLog: commits over several table files made atomic, and what a crash left put right.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct sqlite3;

namespace tav::store {

// The file system layer every connection of the store opens its files with: SQLite's own, except
// that the journal of a file in a running CommitLog is kept (renamed to "<file>-undo") instead of
// deleted when the file commits.
const char *storeVfs();

// Each table is a file with its own connection, and SQLite commits each on its own. A change over
// several files is made atomic in SQLite's own way, done over the separate connections:
//
//  1. an intent file "tavrenno-commit-…" beside the tables lists the files and says what the change
//     is; it is written and synced, with its directory, before the first file commits;
//  2. each file commits; its rollback journal, which holds the file's pages as they were, is kept
//     as "<file>-undo";
//  3. the deletion of the intent file (directory synced) is the commit point; the kept journals
//     are deleted after it.
//
// A crash before the commit point leaves the intent file: the next start (recoverInterrupted)
// plays every kept journal back, and SQLite rolls back the files that had not committed yet, so
// that no file keeps the change. A failure of one file's commit while the program runs undoes the
// files committed before it in the same way at once.
//
// The intent file is locked (flock) while its owner lives; recovery leaves a locked one alone.
class CommitLog
{
  public:
    // Writes the intent file for these connections (each a table file of `dataDir`) and holds
    // their journals. Throws EngineError when the intent file cannot be written.
    CommitLog(const QString &dataDir, const QVector<sqlite3 *> &connections, const QString &what);
    // Without finish(): undoes what committed (as undo()).
    ~CommitLog();
    CommitLog(const CommitLog &) = delete;
    CommitLog &operator=(const CommitLog &) = delete;

    // The commit point, after every file committed.
    void finish();
    // Plays back the kept journals of the files committed so far. False when one could not be
    // played back now; the intent file then stays for the next start.
    bool undo() noexcept;

  private:
    void release() noexcept;

    QString m_dir, m_path;
    QStringList m_tables; // full paths of the table files
    QVector<sqlite3 *> m_connections;
    int m_fd = -1;
    bool m_done = false;
};

// What the start found and undid: one line per change, naming it where the intent file said what
// it was, or the table whose own change was interrupted.
struct InterruptedChange {
    QString what;       // the change's name, or empty
    QStringList tables; // file names
};

// Puts right what a crash left in `dataDir`: intent files of dead owners are undone (kept journals
// played back, files not yet committed rolled back), kept journals of finished commits are
// deleted, and every table file with a hot rollback journal is rolled back. Needs write access;
// a folder that is not writable is left as it is. Returns what was undone.
QVector<InterruptedChange> recoverInterrupted(const QString &dataDir);

// The text the program and the command-line tool show for one undone change.
QString describe(const InterruptedChange &c);

} // namespace tav::store
