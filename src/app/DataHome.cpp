// DataHome: setting up a data directory: tables, catalogues, help pages.
#include "DataHome.h"

#include "store/Database.h"
#include "store/Filter.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Table.h"
#include "store/Transaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <stdexcept>

#ifndef TAV_DATA_DIR
#define TAV_DATA_DIR ""
#endif

using namespace tav::store;

namespace tav::app {

namespace {

struct TsvFile {
    QStringList header;
    QVector<QPair<int, QStringList>> rows; // line number, cells
};

TsvFile readTsv(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error(QStringLiteral("%1 kann nicht gelesen werden").arg(path).toStdString());
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    TsvFile out;
    int lineNo = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (out.header.isEmpty())
            out.header = cells;
        else
            out.rows.append({lineNo, cells});
    }
    return out;
}

[[noreturn]] void badLine(const QString &path, int line, const QString &why)
{
    throw std::runtime_error(QStringLiteral("%1, Zeile %2: %3").arg(path).arg(line).arg(why).toStdString());
}

QVariant convert(const FieldDef &f, const QString &text, const QString &path, int line)
{
    if (text.isEmpty())
        return QVariant();
    bool ok = true;
    QVariant v;
    switch (f.type) {
    case FieldType::AutoInc:
    case FieldType::Integer:
    case FieldType::SmallInt: v = text.toInt(&ok); break;
    case FieldType::Float:
    case FieldType::Currency:
        v = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        break;
    case FieldType::Boolean:
        ok = text == QLatin1String("1") || text == QLatin1String("0") ||
             text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
             text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0;
        v = text == QLatin1String("1") || text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        break;
    case FieldType::Date:
        v = parseDateText(text);
        ok = v.isValid();
        break;
    default: v = text;
    }
    if (!ok)
        badLine(path, line, QStringLiteral("ungültiger Wert '%1' für %2").arg(text, f.name));
    return v;
}

} // namespace

QString dataDirOf(const QString &home)
{
    return QDir(home).filePath(QStringLiteral("Daten"));
}

QString deliveredDataDir()
{
    const QString env = qEnvironmentVariable("TAVRENNO_DATA");
    if (!env.isEmpty())
        return env;
    const QString built = QStringLiteral(TAV_DATA_DIR);
    if (!built.isEmpty() && QFileInfo::exists(built))
        return built;
    const QString appDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QDir(appDir).filePath(QStringLiteral("../share/tavrenno/data"));
}

int loadTsv(Database &db, const QString &tableName, const QString &path)
{
    const TsvFile tsv = readTsv(path);
    Table t(&db, tableName);
    t.open();
    QVector<const FieldDef *> fields;
    for (const QString &h : tsv.header) {
        const FieldDef *f = t.fieldDef(h.trimmed());
        if (!f)
            badLine(path, 1, QStringLiteral("unbekanntes Feld %1 in %2").arg(h, tableName));
        fields << f;
    }
    // validate everything first, so a bad file adds nothing
    QVector<QVector<QVariant>> values;
    for (const auto &[line, cells] : tsv.rows) {
        if (cells.size() > fields.size())
            badLine(path, line, QStringLiteral("zu viele Spalten"));
        QVector<QVariant> row;
        for (int i = 0; i < fields.size(); ++i)
            row << convert(*fields[i], i < cells.size() ? cells[i] : QString(), path, line);
        values << row;
    }
    Transaction txn(db, tableName);
    try {
        for (const auto &row : values) {
            t.append();
            for (int i = 0; i < fields.size(); ++i)
                t.setValue(fields[i]->name, row[i]);
            t.post();
        }
        txn.commit();
    } catch (...) {
        t.cancel();
        throw;
    }
    return int(values.size());
}

namespace {

// One catalogue file into its table: every number in three rows (German, +10000 English, +20000
// Dutch). With `nurFehlende` a number already in the table keeps its rows as they are.
int katalogLaden(Database &db, const QString &path, const QString &tableName, int spalten, bool nurFehlende)
{
    if (!QFileInfo::exists(path))
        return 0;
    const TsvFile tsv = readTsv(path);
    const int offsets[3] = {0, 10000, 20000};
    Table t(&db, tableName);
    t.open();
    Transaction txn(db, tableName);
    int neu = 0;
    try {
        for (const auto &[line, cells] : tsv.rows) {
            bool ok = false;
            const int nr = cells.value(0).toInt(&ok);
            if (!ok || nr < 0)
                badLine(path, line, QStringLiteral("ungültige Nummer"));
            if (nurFehlende && t.findKey({nr}))
                continue;
            for (int lang = 0; lang < 3; ++lang) {
                t.append();
                t.setValue(QStringLiteral("Nummer"), nr + offsets[lang]);
                if (spalten == 1) {
                    t.setValue(sprmel::Meldung, cells.value(1 + lang));
                } else {
                    t.setValue(sprache::FeldName, cells.value(1 + 2 * lang));
                    t.setValue(sprache::FeldHilfe, cells.value(2 + 2 * lang));
                }
                t.post();
            }
            ++neu;
        }
        txn.commit();
    } catch (...) {
        t.cancel();
        throw;
    }
    return neu;
}

int katalogeLaden(Database &db, const QString &sourceDir, bool nurFehlende)
{
    // messages.tsv: Nummer de en nl; captions.tsv: Nummer FeldName_de FeldHilfe_de ... _nl
    const QDir dir(QDir(sourceDir).filePath(QStringLiteral("catalogue")));
    return katalogLaden(db, dir.filePath(QStringLiteral("messages.tsv")), sprmel::Datei, 1, nurFehlende) +
           katalogLaden(db, dir.filePath(QStringLiteral("captions.tsv")), sprache::Datei, 2, nurFehlende);
}

} // namespace

void loadCatalogues(Database &db, const QString &sourceDir)
{
    katalogeLaden(db, sourceDir, false);
}

int completeCatalogues(Database &db, const QString &sourceDir)
{
    return katalogeLaden(db, sourceDir, true);
}

bool dataDirUnreadable(const QString &dataDir)
{
    const QFileInfo fi(dataDir);
    return fi.isDir() && (!fi.isReadable() || !fi.isExecutable());
}

QString unreadableDataDirText(const QString &dataDir)
{
    const QString pfad = QDir::toNativeSeparators(dataDir);
    return QStringLiteral("Der Datenordner %1 kann nicht gelesen werden: keine Leseberechtigung.").arg(pfad) +
           QStringLiteral("\r\r") +
           QStringLiteral("The data folder %1 cannot be read: no permission to read it.").arg(pfad);
}

void initDataDirectory(const QString &home, const QString &sourceDir)
{
    const QString dataDir = dataDirOf(home);
    if (Database(dataDir).tableExists(QStringLiteral("catstamm.db")))
        throw std::runtime_error(
            QStringLiteral("%1 enthält bereits eine Katzentabelle; nichts wurde verändert.")
                .arg(dataDir)
                .toStdString());
    // everything is made in a directory of its own first, so a failure leaves nothing half done
    const QString work = dataDir + QStringLiteral(".neu");
    QDir(work).removeRecursively();
    if (!QDir().mkpath(work) || !QDir().mkpath(dataDir))
        throw std::runtime_error(QStringLiteral("%1 kann nicht angelegt werden").arg(dataDir).toStdString());
    try {
        Database db(work);
        for (const TableDef &def : allTableDefs())
            db.createTable(def);
        loadCatalogues(db, sourceDir);
        const QDir ref(QDir(sourceDir).filePath(QStringLiteral("reference")));
        for (const QString &file : ref.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name)) {
            const QString table = file.chopped(4); // "RASSE.DB.tsv" -> "RASSE.DB"
            if (!db.tableExists(table))
                throw std::runtime_error(
                    QStringLiteral("%1: keine Tabelle %2").arg(file, table).toStdString());
            loadTsv(db, table, ref.filePath(file));
        }
        seedTopCats(db);
    } catch (...) {
        QDir(work).removeRecursively();
        throw;
    }
    // tables already there stay as they are; the cat table comes last, it marks a complete directory
    Database target(dataDir);
    QStringList files = QDir(work).entryList(QDir::Files, QDir::Name);
    const QString cats = catstamm::Datei;
    files.removeAll(cats);
    files.append(cats);
    for (const QString &f : files) {
        if (!target.tableExists(f) && !QFile::rename(QDir(work).filePath(f), QDir(dataDir).filePath(f)))
            throw std::runtime_error(QStringLiteral("%1 kann nicht angelegt werden").arg(f).toStdString());
    }
    QDir(work).removeRecursively();
    QStringList failed = installHelpPages(home, sourceDir);
    failed += makeHomeFolders(home);
    if (!failed.isEmpty())
        throw std::runtime_error(
            QStringLiteral("%1 kann nicht angelegt werden").arg(failed.first()).toStdString());
}

QStringList makeHomeFolders(const QString &home)
{
    QStringList failed;
    for (const char *folder : {"Bmp"}) {
        const QString path = QDir(home).filePath(QString::fromLatin1(folder));
        if (!QDir().mkpath(path))
            failed << path;
    }
    return failed;
}

QStringList installHelpPages(const QString &home, const QString &sourceDir)
{
    QStringList failed;
    // the help pages go beside the data, one folder per language; a delivered page replaces an
    // older copy (a page edited here later than the delivery is kept)
    const QDir from(QDir(sourceDir).filePath(QStringLiteral("help")));
    if (!from.exists())
        return failed;
    const QDir to(QDir(home).filePath(QStringLiteral("Help")));
    QDirIterator it(from.path(), {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo source(it.next());
        const QString target = to.filePath(from.relativeFilePath(source.filePath()));
        const QFileInfo present(target);
        if (present.exists() && present.lastModified() >= source.lastModified())
            continue;
        QFile::remove(target);
        if (!QDir().mkpath(present.path()) || !QFile::copy(source.filePath(), target))
            failed << target;
    }
    return failed;
}

void seedTopCats(Database &db)
{
    Table t(&db, topkatze::Datei);
    t.open();
    if (!t.isEmpty())
        return;
    for (int i = 0; i < 5; ++i) {
        t.append();
        t.setValue(topkatze::Farbe, 16777215);
        t.post();
    }
}

} // namespace tav::app
