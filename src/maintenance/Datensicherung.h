// Datensicherung: backup of the data folder and its staged restore.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace tav::store {
class Database;
}

namespace tav::maintenance {

// What a backup or restore reports while it works; the window shows it, the CLI prints it.
class SicherungsFortschritt
{
  public:
    enum class Vorgang { Kopieren, Loeschen };
    virtual ~SicherungsFortschritt() = default;
    // before file `nr` (from 1) of `anzahl`
    virtual void datei(Vorgang, const QString &name, int nr, int anzahl)
    {
        Q_UNUSED(name)
        Q_UNUSED(nr)
        Q_UNUSED(anzahl)
    }
    // asked before each file; true ends the loop ("Abbruch")
    virtual bool abbrechen() { return false; }
};

// The table files of a folder: every file whose name holds a ".", except zip archives, the
// register's lock, the backup's manifest and the engine's and the store's journals.
QStringList sicherungsDateien(const QString &ordner);
// A folder is a backup when it holds the cat table.
bool istSicherung(const QString &ordner);
// The backup's cat table is older than the data folder's (both present).
bool sicherungIstAelter(const QString &sicherung, const QString &datenordner);

// The file operations, replaceable by tests to make them fail.
struct Dateioperationen {
    std::function<bool(const QString &von, const QString &nach)> kopieren, umbenennen;
};
void setDateioperationen(const Dateioperationen &ops); // empty members: the real ones

struct SicherungsErgebnis {
    int kopiert = 0;
    QStringList nichtKopiert; // the target has them already, or the copy failed
    QList<int> gruende;       // for each of nichtKopiert the system's error number, 0 when unknown
    QStringList beschaedigt;  // copied, but the copy fails the engine's check
    QStringList ordner;       // folders in the place of a table file
    bool abgebrochen = false;
    bool belegt = false;       // a change was in progress: nothing more was copied
    bool vollstaendig = false; // every file copied and checked, the manifest written last
};

// Why a copy failed, in German, for the error numbers the user can act on: "Datenträger voll",
// "keine Berechtigung"; else the system's words, or empty when unknown.
QString kopierGrund(int fehler);

// Copies the table files of the data folder into `ziel`, never over a file there, and when all
// went well writes the manifest last. A table is copied as last committed: read under the engine's
// lock, after the engine has rolled back a change a dead writer left. With `db` pending input is
// posted before each file, so that no change of the program is half done.
SicherungsErgebnis datenSichern(const QString &datenordner, const QString &ziel, tav::store::Database *db,
                                SicherungsFortschritt *fortschritt = nullptr);

// The folders a restore works with, all beside the data folder.
struct Ruecksicherungsordner {
    explicit Ruecksicherungsordner(const QString &datenordner);
    QString daten, sicherheit, staging, alt, journal;
};

struct Ruecksicherung {
    QString datenordner, sicherung;
    tav::store::Database *db = nullptr; // closed for the swap, opened again after it
    SicherungsFortschritt *fortschritt = nullptr;
    std::function<bool()> bestaetigen;              // "Wirklich zurückspielen?"
    std::function<bool()> aelterBestaetigen;        // the backup is older than the current data
    std::function<QStringList()> offeneAenderungen; // windows holding unsaved changes
};

enum class RueckStatus {
    Erfolg,
    KeineSicherung,          // no cat table in the folder
    Unvollstaendig,          // `dateien`: missing from the manifest's list or the declared tables
    UnzulaessigerOrdner,     // the data folder, the folders of the swap or inside the data folder
    UngesicherteAenderungen, // see `dateien`
    Verneint,                // a question was answered No
    SicherheitNichtBeschreibbar,
    Abgebrochen,
    KopierFehler, // `dateien`: the file that failed
    Beschaedigt,  // `dateien`: files that differ from the manifest or fail the check
    TauschFehler, // the swap failed and was undone
    Belegt,       // a change is in progress in the program
    ImWeg,        // `dateien`: a file or folder left over where the restore needs its own
};

struct RueckErgebnis {
    RueckStatus status = RueckStatus::Erfolg;
    QStringList dateien;
    // tables that did not open again after the swap (name: engine text)
    QStringList nichtGeoeffnet;
};

// Copies the backup into a staging folder, checks it and only then swaps it in by renames; the
// previous data stays as the safety folder "Datensik", which gets a manifest and may itself be
// restored. A backup is whole when every file of its manifest is there with its size and checksum;
// one without a manifest must hold every declared table. Before the swap nothing in the data
// folder or in "Datensik" changes; a failed swap is undone.
RueckErgebnis datenZurueckspielen(const Ruecksicherung &r);

// Finishes or undoes a swap that a crash interrupted, and removes what it left behind. Called at
// every start before the register is opened. True when something was repaired.
bool ruecksicherungWiederherstellen(const QString &datenordner);

} // namespace tav::maintenance
