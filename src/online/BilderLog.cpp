#include "BilderLog.h"

#include "store/Database.h"
#include "store/Table.h"

#include <QFileInfo>

namespace tav::online {

namespace {
const QString kLog = QStringLiteral("BilderUpload.db");

QDateTime aufSekunden(const QDateTime &t)
{
    return t.isValid() ? QDateTime::fromSecsSinceEpoch(t.toSecsSinceEpoch()) : t;
}
} // namespace

BildDatei bildDateiLesen(const QString &pfad)
{
    const QFileInfo fi(pfad);
    BildDatei b;
    b.name = fi.fileName();
    if (fi.exists() && fi.isFile()) {
        b.groesse = fi.size();
        b.geaendert = aufSekunden(fi.lastModified());
    }
    return b;
}

void bilderLogAnlegen(tav::store::Database &db)
{
    db.ensureTable(kLog);
}

bool bildBereitsGesendet(tav::store::Database &db, const BildDatei &bild)
{
    if (!bild.gueltig() || !db.tableExists(kLog))
        return false;
    tav::store::Table log;
    log.setDatabase(&db);
    log.setTableName(kLog);
    log.setReadOnly(true);
    log.setIndexName(QStringLiteral("Name"));
    log.open();
    return log.findKey({bild.name, bild.groesse, aufSekunden(bild.geaendert)});
}

void bildProtokollieren(tav::store::Database &db, const BildDatei &bild)
{
    bilderLogAnlegen(db);
    tav::store::Table log;
    log.setDatabase(&db);
    log.setTableName(kLog);
    log.open();
    log.append();
    log.setValue(QStringLiteral("Name"), bild.name);
    log.setValue(QStringLiteral("Filegroesse"), bild.groesse);
    log.setValue(QStringLiteral("Aenderungsdatum"), aufSekunden(bild.geaendert));
    log.post();
}

} // namespace tav::online
