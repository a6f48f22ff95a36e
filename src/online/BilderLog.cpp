#include "BilderLog.h"

#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Table.h"

#include <QFileInfo>

using namespace tav::store::namen;

namespace tav::online {

namespace {
const QString kLog = bilderupload::Datei;

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
    log.setIndexName(bilderupload::idx::Name);
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
    log.setValue(bilderupload::Name, bild.name);
    log.setValue(bilderupload::Filegroesse, bild.groesse);
    log.setValue(bilderupload::Aenderungsdatum, aufSekunden(bild.geaendert));
    log.post();
}

} // namespace tav::online
