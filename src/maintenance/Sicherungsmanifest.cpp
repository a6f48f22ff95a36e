#include "Sicherungsmanifest.h"

#include "Datensicherung.h"
#include "store/Namen_register.h"
#include "store/TableDef.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <fcntl.h>
#include <unistd.h>

using namespace tav::store::namen;

namespace tav::maintenance {

namespace {

constexpr char kopf[] = "Tavrenno-Sicherung\t1";

QString datei(const QString &ordner, const QString &name)
{
    return QDir(ordner).filePath(name);
}

bool istDatei(const QString &pfad)
{
    const QFileInfo i(pfad);
    return i.isFile() && !i.isSymLink();
}

// the names of the folder by lower case, as found on disk
QHash<QString, QString> namenOhneGrossKlein(const QString &ordner)
{
    QHash<QString, QString> namen;
    for (const QString &name : QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        namen.insert(name.toLower(), name);
    return namen;
}

} // namespace

QByteArray pruefsumme(const QString &pfad, qint64 *groesse)
{
    QFile f(pfad);
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (!istDatei(pfad) || !f.open(QIODevice::ReadOnly) || !h.addData(&f))
        return QByteArray();
    if (groesse)
        *groesse = f.size();
    return h.result().toHex();
}

bool manifestSchreiben(const QString &ordner, const QStringList &dateien)
{
    QByteArray text = QByteArray(kopf) + "\nVersion\t" + TAV_VERSION + "\n";
    for (const QString &name : dateien) {
        qint64 groesse = 0;
        const QByteArray summe = pruefsumme(datei(ordner, name), &groesse);
        if (summe.isEmpty())
            return false;
        text += "Datei\t" + QByteArray::number(groesse) + '\t' + summe + '\t' + name.toUtf8() + '\n';
    }
    text += "Ende\t" + QByteArray::number(dateien.size()) + '\n';
    QSaveFile f(datei(ordner, QLatin1String(manifestName)));
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size() || !f.commit())
        return false;
    // the new name counts only once the folder is on the disk
    const int fd = ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

ManifestZustand manifestLesen(const QString &ordner, Manifest *m)
{
    const QString pfad = datei(ordner, QLatin1String(manifestName));
    if (!QFileInfo::exists(pfad))
        return ManifestZustand::Fehlt;
    QFile f(pfad);
    if (!istDatei(pfad) || !f.open(QIODevice::ReadOnly))
        return ManifestZustand::Ungueltig;
    const QList<QByteArray> zeilen = f.readAll().split('\n');
    // header, version, the files, the end line with their count, and the final line break
    if (zeilen.size() < 4 || zeilen.first() != kopf || !zeilen.last().isEmpty())
        return ManifestZustand::Ungueltig;
    Manifest gelesen;
    QSet<QString> namen;
    for (qsizetype i = 1; i + 1 < zeilen.size(); ++i) {
        const QList<QByteArray> teile = zeilen[i].split('\t');
        const bool letzte = i + 2 == zeilen.size();
        bool ok = false;
        if (i == 1 && teile.size() == 2 && teile[0] == "Version") {
            gelesen.version = QString::fromUtf8(teile[1]);
        } else if (letzte && teile.size() == 2 && teile[0] == "Ende") {
            if (teile[1].toLongLong(&ok) != gelesen.dateien.size() || !ok)
                return ManifestZustand::Ungueltig;
        } else if (!letzte && i > 1 && teile.size() == 4 && teile[0] == "Datei") {
            ManifestEintrag e{QString::fromUtf8(teile[3]), teile[1].toLongLong(&ok), teile[2]};
            // a name is a plain file name, listed once
            if (!ok || e.groesse < 0 || e.sha256.size() != 64 || e.name.isEmpty() ||
                e.name.contains(QLatin1Char('/')) || e.name == QLatin1String(".") ||
                e.name == QLatin1String("..") || namen.contains(e.name.toLower()))
                return ManifestZustand::Ungueltig;
            namen.insert(e.name.toLower());
            gelesen.dateien << e;
        } else {
            return ManifestZustand::Ungueltig;
        }
        if (letzte && m)
            *m = gelesen;
        if (letzte)
            return ManifestZustand::Gelesen;
    }
    return ManifestZustand::Ungueltig;
}

QStringList tabellenOrdner(const QString &ordner)
{
    QStringList namen;
    for (const QString &name :
         QDir(ordner).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name))
        if (name.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
            namen << name;
    return namen;
}

QStringList halbeAenderungen(const QString &ordner)
{
    QStringList namen;
    for (const QString &name :
         QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name))
        if (name.startsWith(QLatin1String("tavrenno-commit")) || name.endsWith(QLatin1String("-undo")) ||
            name.contains(QLatin1String("-mj")))
            namen << name;
    return namen;
}

Sicherungspruefung sicherungPruefen(const QString &ordner)
{
    Sicherungspruefung p;
    p.fehlend = halbeAenderungen(ordner);
    switch (manifestLesen(ordner, &p.manifest)) {
    case ManifestZustand::Ungueltig: p.fehlend << QLatin1String(manifestName); return p;
    case ManifestZustand::Gelesen: {
        p.mitManifest = true;
        bool katzen = false;
        for (const ManifestEintrag &e : p.manifest.dateien) {
            if (!istDatei(datei(ordner, e.name)))
                p.fehlend << e.name;
            p.dateien << e.name;
            katzen = katzen || e.name.compare(QLatin1String("catstamm.db"), Qt::CaseInsensitive) == 0;
        }
        if (!katzen)
            p.fehlend << catstamm::Datei;
        return p;
    }
    case ManifestZustand::Fehlt: break;
    }
    p.dateien = sicherungsDateien(ordner);
    p.fehlend << tabellenOrdner(ordner);
    const QHash<QString, QString> namen = namenOhneGrossKlein(ordner);
    for (const tav::store::TableDef &def : tav::store::allTableDefs()) {
        const QString name = namen.value(def.fileName.toLower());
        if (name.isEmpty() || !istDatei(datei(ordner, name)))
            if (!p.fehlend.contains(name.isEmpty() ? def.fileName : name))
                p.fehlend << (name.isEmpty() ? def.fileName : name);
    }
    return p;
}

QStringList abweichend(const Manifest &m, const QString &ordner)
{
    QStringList namen;
    for (const ManifestEintrag &e : m.dateien) {
        qint64 groesse = -1;
        if (pruefsumme(datei(ordner, e.name), &groesse) != e.sha256 || groesse != e.groesse)
            namen << e.name;
    }
    return namen;
}

} // namespace tav::maintenance
