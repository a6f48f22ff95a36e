#include "Datensicherung.h"
#include "Sicherungsmanifest.h"

#include "app/RegisterLock.h"
#include "store/Database.h"
#include "store/FileCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace tav::maintenance {

namespace {

// a copy in progress; never a table file, never copied
constexpr char teilEndung[] = "-teil";

// the error number of the last failed real copy
int &kopierFehler()
{
    static int fehler = 0;
    return fehler;
}

// notes the system's error number of the first failing step
bool gelungen(bool ok)
{
    if (!ok && kopierFehler() == 0)
        kopierFehler() = errno;
    return ok;
}

Dateioperationen &operationen()
{
    static Dateioperationen ops;
    return ops;
}

// A rename survives a power cut only once the folder that holds the new name is on the disk.
void ordnerAufPlatte(const QString &pfad)
{
    const int fd =
        ::open(QFile::encodeName(QFileInfo(pfad).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool istTabelle(const QString &name)
{
    return name.endsWith(QLatin1String(".db"), Qt::CaseInsensitive);
}

bool ausfuehren(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *st = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    if (rc == SQLITE_OK)
        do
            rc = sqlite3_step(st);
        while (rc == SQLITE_ROW);
    sqlite3_finalize(st);
    return rc == SQLITE_DONE;
}

// Opens the table with the engine and starts a read: that rolls back a change a dead writer left
// (its hot journal) and holds the shared lock until the connection is closed, so no writer of any
// process can commit meanwhile. Null when the file is no table or the roll-back is impossible.
sqlite3 *tabelleLesen(const QString &pfad)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(pfad.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, tav::store::busyTimeoutMs);
        if (ausfuehren(db, "BEGIN") && ausfuehren(db, "SELECT count(*) FROM sqlite_master"))
            return db;
    }
    sqlite3_close_v2(db);
    return nullptr;
}

// Writes the committed bytes of the table through the engine's own file handle: a second handle
// of our own would drop the process's locks on the file when it is closed.
bool tabelleSchreiben(sqlite3 *db, QFile &ziel)
{
    sqlite3_file *f = nullptr;
    sqlite3_int64 groesse = 0;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &f) != SQLITE_OK || !f || !f->pMethods ||
        f->pMethods->xFileSize(f, &groesse) != SQLITE_OK)
        return false;
    QByteArray puffer(1 << 16, Qt::Uninitialized);
    for (sqlite3_int64 pos = 0; pos < groesse;) {
        const int n = int(qMin<sqlite3_int64>(puffer.size(), groesse - pos));
        if (f->pMethods->xRead(f, puffer.data(), n, pos) != SQLITE_OK ||
            !gelungen(ziel.write(puffer.constData(), n) == n))
            return false;
        pos += n;
    }
    return true;
}

// A copy never replaces a file; it keeps the file time (the older-backup question compares it)
// and is on the disk before it takes its name, so a copy cut short never looks like a table. A
// failed copy leaves nothing behind.
bool echtKopieren(const QString &von, const QString &nach)
{
    QFile f(nach + QLatin1String(teilEndung));
    if (QFileInfo::exists(nach))
        kopierFehler() = EEXIST;
    if (!QFileInfo(von).isFile() || QFileInfo::exists(nach) ||
        !gelungen(f.open(QIODevice::WriteOnly | QIODevice::Truncate)))
        return false;
    bool ok = false;
    sqlite3 *db = istTabelle(von) ? tabelleLesen(von) : nullptr;
    if (db) {
        ok = tabelleSchreiben(db, f);
    } else if (!istTabelle(von) || !QFileInfo::exists(von + QLatin1String("-journal"))) {
        // not a table, or one the engine cannot read and no change to roll back: copied as it
        // lies, so that the check of the copy names the damage
        QFile q(von);
        ok = q.open(QIODevice::ReadOnly);
        while (ok && !q.atEnd()) {
            const QByteArray block = q.read(1 << 16);
            ok = !block.isEmpty() && gelungen(f.write(block) == block.size());
        }
    }
    ok = ok && gelungen(f.flush()) && gelungen(::fsync(f.handle()) == 0);
    sqlite3_close_v2(db);
    ok = ok && f.setFileTime(QFileInfo(von).lastModified(), QFileDevice::FileModificationTime);
    f.close();
    // the rename refuses an existing name
    ok = ok && f.rename(nach);
    if (!ok)
        f.remove();
    else
        ordnerAufPlatte(nach);
    return ok;
}

bool kopieren(const QString &von, const QString &nach)
{
    kopierFehler() = 0;
    return operationen().kopieren ? operationen().kopieren(von, nach) : echtKopieren(von, nach);
}

bool umbenennen(const QString &von, const QString &nach)
{
    if (operationen().umbenennen)
        return operationen().umbenennen(von, nach);
    if (!QDir().rename(von, nach))
        return false;
    ordnerAufPlatte(nach);
    return true;
}

QString datei(const QString &ordner, const QString &name)
{
    return QDir(ordner).filePath(name);
}

// the name of the cat table in that folder as found on disk, or empty
QString katzentabelle(const QString &ordner)
{
    for (const QString &name : QDir(ordner).entryList(QDir::Files))
        if (name.compare(QLatin1String("catstamm.db"), Qt::CaseInsensitive) == 0)
            return name;
    return QString();
}

// Opens the file read-only and runs the engine's integrity check; false when it is no table or damaged.
bool tabelleIntakt(const QString &pfad)
{
    try {
        tav::store::checkTableFile(pfad);
    } catch (const std::exception &) {
        return false;
    }
    sqlite3 *db = nullptr;
    const auto erste = [&db](const char *sql, const char *erwartet) {
        sqlite3_stmt *st = nullptr;
        bool ok = sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK;
        const int rc = ok ? sqlite3_step(st) : SQLITE_ERROR;
        ok = ok && (rc == SQLITE_DONE || rc == SQLITE_ROW);
        if (ok && erwartet)
            ok = rc == SQLITE_ROW &&
                 qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)), erwartet) == 0;
        sqlite3_finalize(st);
        return ok;
    };
    const bool ok =
        sqlite3_open_v2(pfad.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        erste("PRAGMA integrity_check", "ok") && erste("SELECT 1 FROM data LIMIT 1", nullptr);
    sqlite3_close_v2(db);
    return ok;
}

QString kanonisch(const QString &pfad)
{
    return QFileInfo(pfad).canonicalFilePath();
}

bool gleichOderDarin(const QString &pfad, const QString &ordner)
{
    return !ordner.isEmpty() && (pfad == ordner || pfad.startsWith(ordner + QLatin1Char('/')));
}

void loeschen(const QString &ordner, SicherungsFortschritt *f)
{
    const QStringList dateien = QDir(ordner).entryList(QDir::Files | QDir::Hidden);
    for (int i = 0; i < dateien.size(); ++i) {
        if (f)
            f->datei(SicherungsFortschritt::Vorgang::Loeschen, dateien[i], i + 1, int(dateien.size()));
        QFile::remove(datei(ordner, dateien[i]));
    }
    QDir(ordner).removeRecursively();
}

// The previous data in the safety folder become a backup like any other: changes a dead writer
// left are rolled back, then the manifest is written. A folder caught in the middle of a change of
// several tables gets none; a restore from it is then refused.
void sicherheitsordnerBeschreiben(const QString &ordner)
{
    if (!halbeAenderungen(ordner).isEmpty() || !tabellenOrdner(ordner).isEmpty())
        return;
    const QStringList dateien = sicherungsDateien(ordner);
    for (const QString &name : dateien) {
        const QString pfad = datei(ordner, name);
        if (istTabelle(name) && QFileInfo::exists(pfad + QLatin1String("-journal"))) {
            sqlite3 *db = tabelleLesen(pfad);
            if (!db)
                return;
            sqlite3_close_v2(db);
        }
    }
    manifestSchreiben(ordner, dateien);
}

// The swap's journal: a lock file beside the data folder, held by the process that swaps. One
// left by a process that died is taken over; a live holder's swap is left alone.
bool journalUebernehmen(QLockFile &journal)
{
    journal.setStaleLockTime(0);
    if (journal.tryLock(0))
        return true;
    qint64 pid = 0;
    QString host, app;
    // a journal cut off while it was written names no holder
    if (journal.error() == QLockFile::LockFailedError && !journal.getLockInfo(&pid, &host, &app))
        return journal.removeStaleLockFile() && journal.tryLock(0);
    return false;
}

// Gives up the journal but leaves it behind, without a holder, for the next start.
void journalStehenLassen(QLockFile &journal, const QString &pfad)
{
    journal.unlock();
    QFile marke(pfad);
    (void)marke.open(QIODevice::WriteOnly);
}

} // namespace

QString kopierGrund(int fehler)
{
    switch (fehler) {
    case 0: return QString();
    case ENOSPC:
    case EDQUOT: return QStringLiteral("Datenträger voll");
    case EACCES:
    case EPERM:
    case EROFS: return QStringLiteral("keine Berechtigung");
    case EEXIST: return QStringLiteral("im Ziel schon vorhanden");
    }
    return QString::fromLocal8Bit(std::strerror(fehler));
}

QStringList sicherungsDateien(const QString &ordner)
{
    const QString sperre = QFileInfo(tav::app::RegisterLock(ordner).path()).fileName();
    QStringList dateien;
    for (const QString &name : QDir(ordner).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (!name.contains(QLatin1Char('.')) || name.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive) ||
            name.startsWith(sperre, Qt::CaseInsensitive) || name.startsWith(QLatin1String(manifestName)) ||
            name.endsWith(QLatin1String("-journal")) || name.endsWith(QLatin1String("-wal")) ||
            name.endsWith(QLatin1String("-shm")) || name.endsWith(QLatin1String("-undo")) ||
            name.endsWith(QLatin1String(teilEndung)) || name.contains(QLatin1String("-mj")))
            continue;
        dateien << name;
    }
    return dateien;
}

bool istSicherung(const QString &ordner)
{
    return !katzentabelle(ordner).isEmpty();
}

bool sicherungIstAelter(const QString &sicherung, const QString &datenordner)
{
    const QString alt = katzentabelle(sicherung), aktuell = katzentabelle(datenordner);
    return !alt.isEmpty() && !aktuell.isEmpty() &&
           QFileInfo(datei(sicherung, alt)).lastModified() <
               QFileInfo(datei(datenordner, aktuell)).lastModified();
}

void setDateioperationen(const Dateioperationen &ops)
{
    operationen() = ops;
}

SicherungsErgebnis datenSichern(const QString &datenordner, const QString &ziel, tav::store::Database *db,
                                SicherungsFortschritt *fortschritt)
{
    SicherungsErgebnis e;
    e.ordner = tabellenOrdner(datenordner);
    const QStringList dateien = sicherungsDateien(datenordner);
    for (int i = 0; i < dateien.size(); ++i) {
        if (fortschritt && fortschritt->abbrechen()) {
            e.abgebrochen = true;
            break;
        }
        // each file is copied between two changes, never in the middle of one; a change of
        // several tables that a crash left unfinished is the store's to settle at its next start
        if ((db && !db->settle()) || !halbeAenderungen(datenordner).isEmpty()) {
            e.belegt = true;
            break;
        }
        const QString &name = dateien[i];
        if (fortschritt)
            fortschritt->datei(SicherungsFortschritt::Vorgang::Kopieren, name, i + 1, int(dateien.size()));
        if (!kopieren(datei(datenordner, name), datei(ziel, name))) {
            e.nichtKopiert << name;
            e.gruende << kopierFehler();
            continue;
        }
        ++e.kopiert;
        if (istTabelle(name) && !tabelleIntakt(datei(ziel, name)))
            e.beschaedigt << name;
    }
    e.vollstaendig = !e.abgebrochen && !e.belegt && e.nichtKopiert.isEmpty() && e.beschaedigt.isEmpty() &&
                     e.ordner.isEmpty() && manifestSchreiben(ziel, dateien);
    return e;
}

Ruecksicherungsordner::Ruecksicherungsordner(const QString &datenordner)
    : daten(QDir::cleanPath(QDir(datenordner).absolutePath()))
{
    const QFileInfo d(daten);
    const QDir neben = d.dir();
    sicherheit = neben.filePath(QStringLiteral("Datensik"));
    alt = neben.filePath(QStringLiteral("Datensik.alt"));
    staging = neben.filePath(d.fileName() + QStringLiteral(".rueck"));
    journal = neben.filePath(d.fileName() + QStringLiteral(".tausch"));
}

RueckErgebnis datenZurueckspielen(const Ruecksicherung &r)
{
    const Ruecksicherungsordner o(r.datenordner);
    RueckErgebnis e;
    const auto ende = [&e](RueckStatus s, const QStringList &dateien = {}) {
        e.status = s;
        e.dateien = dateien;
        return e;
    };

    const QString quelle = kanonisch(r.sicherung);
    if (quelle.isEmpty() || !istSicherung(quelle))
        return ende(RueckStatus::KeineSicherung);
    // the safety folder itself is a backup; what lies inside it goes when the next swap replaces it
    for (const QString &verboten : {o.daten, o.staging, o.alt})
        if (gleichOderDarin(quelle, kanonisch(verboten)))
            return ende(RueckStatus::UnzulaessigerOrdner);
    if (const QString sik = kanonisch(o.sicherheit); gleichOderDarin(quelle, sik) && quelle != sik)
        return ende(RueckStatus::UnzulaessigerOrdner);
    const Sicherungspruefung pruefung = sicherungPruefen(quelle);
    if (!pruefung.fehlend.isEmpty())
        return ende(RueckStatus::Unvollstaendig, pruefung.fehlend);
    if (r.offeneAenderungen)
        if (const QStringList fenster = r.offeneAenderungen(); !fenster.isEmpty())
            return ende(RueckStatus::UngesicherteAenderungen, fenster);
    if (r.bestaetigen && !r.bestaetigen())
        return ende(RueckStatus::Verneint);
    if (sicherungIstAelter(quelle, o.daten) && r.aelterBestaetigen && !r.aelterBestaetigen())
        return ende(RueckStatus::Verneint);
    ruecksicherungWiederherstellen(o.daten);
    // what a user or an old version left where the restore needs its own folders and journal
    QStringList imWeg;
    if (QFileInfo::exists(o.staging) && !QFileInfo(o.staging).isDir())
        imWeg << QDir::toNativeSeparators(o.staging);
    if (QFileInfo(o.journal).isDir())
        imWeg << QDir::toNativeSeparators(o.journal);
    if (!imWeg.isEmpty())
        return ende(RueckStatus::ImWeg, imWeg);

    // the safety folder must take the data before anything is staged
    QFile probe(datei(o.sicherheit, QStringLiteral("probe.tmp")));
    const bool beschreibbar = QDir().mkpath(o.sicherheit) && probe.open(QIODevice::WriteOnly);
    probe.remove();
    // the journal stands from the first staged file to the end of the swap
    QLockFile journal(o.journal);
    if (beschreibbar && !journalUebernehmen(journal))
        return ende(RueckStatus::Belegt);
    QDir(o.staging).removeRecursively();
    if (!beschreibbar || !QDir().mkpath(o.staging))
        return ende(RueckStatus::SicherheitNichtBeschreibbar);
    const auto verwerfen = [&o] { QDir(o.staging).removeRecursively(); };

    const QStringList &dateien = pruefung.dateien;
    for (int i = 0; i < dateien.size(); ++i) {
        if (r.fortschritt && r.fortschritt->abbrechen()) {
            verwerfen();
            return ende(RueckStatus::Abgebrochen);
        }
        if (r.fortschritt)
            r.fortschritt->datei(SicherungsFortschritt::Vorgang::Kopieren, dateien[i], i + 1,
                                 int(dateien.size()));
        if (!kopieren(datei(quelle, dateien[i]), datei(o.staging, dateien[i]))) {
            verwerfen();
            return ende(RueckStatus::KopierFehler, {dateien[i]});
        }
    }
    QStringList beschaedigt = pruefung.mitManifest ? abweichend(pruefung.manifest, o.staging) : QStringList();
    for (const QString &name : dateien)
        if (istTabelle(name) && !beschaedigt.contains(name) && !tabelleIntakt(datei(o.staging, name)))
            beschaedigt << name;
    if (!beschaedigt.isEmpty() || !istSicherung(o.staging)) {
        verwerfen();
        return ende(RueckStatus::Beschaedigt,
                    beschaedigt.isEmpty() ? QStringList{QStringLiteral("Catstamm.db")} : beschaedigt);
    }
    // whoever holds the register's lock holds it in the swapped-in folder as well
    const QString sperre = tav::app::RegisterLock(o.daten).path();
    if (QFileInfo::exists(sperre))
        QFile::copy(sperre, datei(o.staging, QFileInfo(sperre).fileName()));

    if (r.db) {
        r.db->disconnect();
        if (const QStringList belegt = r.db->heldFiles(); !belegt.isEmpty()) {
            r.db->reconnect();
            verwerfen();
            return ende(RueckStatus::Belegt, belegt);
        }
    }
    const bool altVerschoben = !QFileInfo::exists(o.sicherheit) || umbenennen(o.sicherheit, o.alt);
    const bool datenVerschoben = altVerschoben && umbenennen(o.daten, o.sicherheit);
    const bool getauscht = datenVerschoben && umbenennen(o.staging, o.daten);
    if (getauscht) {
        loeschen(o.alt, r.fortschritt);
        sicherheitsordnerBeschreiben(o.sicherheit);
    } else {
        // back to the state before the swap; what cannot be undone now is left to the next start
        bool zurueck = !datenVerschoben || QDir().rename(o.sicherheit, o.daten);
        if (zurueck && altVerschoben && QFileInfo::exists(o.alt))
            zurueck = QDir().rename(o.alt, o.sicherheit);
        if (zurueck)
            verwerfen();
        else
            journalStehenLassen(journal, o.journal);
    }
    journal.unlock();
    if (r.db)
        for (const auto &[tabelle, fehler] : r.db->reconnect())
            e.nichtGeoeffnet << tabelle + QStringLiteral(": ") + QString::fromUtf8(fehler.what());
    if (!getauscht)
        e.status = RueckStatus::TauschFehler;
    return e;
}

bool ruecksicherungWiederherstellen(const QString &datenordner)
{
    const Ruecksicherungsordner o(datenordner);
    if (!QFileInfo::exists(o.journal))
        return false;
    QLockFile journal(o.journal);
    if (!journalUebernehmen(journal))
        return false; // another process is restoring
    const auto da = [](const QString &p) { return QFileInfo::exists(p); };
    QDir dir;
    if (!da(o.daten)) {
        // the data folder had become the safety folder, which happens only after the staged
        // copy passed its check: the swap is completed
        if (da(o.staging))
            dir.rename(o.staging, o.daten);
        else if (da(o.sicherheit))
            dir.rename(o.sicherheit, o.daten);
    } else if (da(o.staging)) {
        // the data folder had not moved yet: the staged copy may be incomplete
        QDir(o.staging).removeRecursively();
    }
    if (da(o.alt) && !da(o.sicherheit))
        dir.rename(o.alt, o.sicherheit);
    else
        QDir(o.alt).removeRecursively();
    if (!da(o.daten) || da(o.staging))
        journalStehenLassen(journal, o.journal);
    return true;
}

} // namespace tav::maintenance
