#include "Ausgabeziel.h"

#include "DataHome.h"
#include "ProgramHome.h"
#include "store/Database.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace tav::app {

namespace {

// The path with every link and ".." of its existing part resolved; the part that does not exist
// yet is appended as written.
QString aufgeloest(const QString &pfad)
{
    QString rest;
    QString da = QDir::cleanPath(QFileInfo(pfad).absoluteFilePath());
    for (int links = 0; !QFileInfo::exists(da);) {
        const QFileInfo fi(da);
        // a link to what is not there yet is written through: follow it
        if (fi.isSymLink() && ++links < 40) {
            da = QDir::cleanPath(fi.symLinkTarget() + rest);
            rest.clear();
            continue;
        }
        const QString oben = fi.absolutePath();
        if (oben == da)
            return QDir::cleanPath(da + rest);
        rest = QLatin1Char('/') + fi.fileName() + rest;
        da = oben;
    }
    return QDir::cleanPath(QFileInfo(da).canonicalFilePath() + rest);
}

bool liegtIn(const QString &pfad, const QString &ordner)
{
    return pfad == ordner ||
           pfad.startsWith(ordner.endsWith(QLatin1Char('/')) ? ordner : ordner + QLatin1Char('/'));
}

} // namespace

QString laufenderDatenordner()
{
    if (const store::Database *db = store::defaultDatabase(); db && !db->dataDir().isEmpty())
        return db->dataDir();
    return dataDirOf(programHome());
}

bool istRegisterdatei(const QString &dateiname)
{
    static const QRegularExpression register_(
        QStringLiteral(R"(^(.*\.db(-journal|-wal|-shm|-undo)?|tavrenno\.lock(\.rmlock)?|tavrenno-commit(-.*)?)$)"),
        QRegularExpression::CaseInsensitiveOption);
    return register_.match(dateiname).hasMatch();
}

Ausgabeziel ausgabezielPruefen(const QString &pfad, const QString &datenordner)
{
    if (pfad.isEmpty())
        return {};
    const QString zeigen = QDir::toNativeSeparators(pfad);
    const QString ziel = aufgeloest(pfad);
    // a link named harmlessly may still point at a table file
    if (istRegisterdatei(QFileInfo(pfad).fileName()) || istRegisterdatei(QFileInfo(ziel).fileName()))
        return {MeldungAusgabeRegisterdatei, zeigen};
    if (!datenordner.isEmpty() && liegtIn(ziel, aufgeloest(datenordner)))
        return {MeldungAusgabeImDatenordner, zeigen};
    return {};
}

} // namespace tav::app
