// Sicherungsmanifest: the list a backup writes last, naming every file it holds with its size and
// checksum, and the check a restore runs against it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tav::maintenance {

// Its name has a dot like a table file's, so the lists of table files leave it out by name.
inline constexpr char manifestName[] = "SICHERUNG.MANIFEST";

struct ManifestEintrag {
    QString name;
    qint64 groesse = 0;
    QByteArray sha256; // hex
};

struct Manifest {
    QString version; // of the program that wrote it
    QVector<ManifestEintrag> dateien;
};

// SHA-256 (hex) and size of a file; empty when it cannot be read.
QByteArray pruefsumme(const QString &pfad, qint64 *groesse = nullptr);

// Writes the manifest of `dateien` (names in `ordner`) and puts it on the disk; false when a file
// cannot be read or the manifest cannot be written (nothing is left behind then).
bool manifestSchreiben(const QString &ordner, const QStringList &dateien);

enum class ManifestZustand { Fehlt, Ungueltig, Gelesen };
ManifestZustand manifestLesen(const QString &ordner, Manifest *m);

// Files named after a table that are folders, and traces of a change that was never finished
// (the store's commit intent and held journals): a folder holding either is no whole backup.
QStringList tabellenOrdner(const QString &ordner);
QStringList halbeAenderungen(const QString &ordner);

// What a restore copies from a backup folder, and what stops it before anything is copied.
struct Sicherungspruefung {
    bool mitManifest = false;
    Manifest manifest;
    QStringList dateien; // to copy
    QStringList fehlend; // missing, folders, or the manifest itself when it is unreadable
};
// With a manifest every listed file must be there; without one (older backups)
// every table the program declares must be there. Checksums and the engine's check are for the
// copies, see `abweichend`.
Sicherungspruefung sicherungPruefen(const QString &ordner);
// The copies in `ordner` whose size or checksum differ from the manifest.
QStringList abweichend(const Manifest &m, const QString &ordner);

} // namespace tav::maintenance
