// BilderLog: the log of pictures already on the online service (BilderUpload.db).
#pragma once

#include <QDateTime>
#include <QString>

namespace tav::store {
class Database;
}

namespace tav::online {

// A picture file as the log sees it: its bare name, its size and its modification time (to the
// second, as the log keeps it).
struct BildDatei {
    QString name;
    qint64 groesse = -1;
    QDateTime geaendert;
    bool gueltig() const { return groesse >= 0; }
};

// Reads name, size and time of the file at `pfad`; not valid when the file is missing.
BildDatei bildDateiLesen(const QString &pfad);

// Creates the log table when its file is missing.
void bilderLogAnlegen(tav::store::Database &db);
// Whether the log holds this picture with this size and time (false when the log is missing).
bool bildBereitsGesendet(tav::store::Database &db, const BildDatei &bild);
// Appends the row for a picture just sent.
void bildProtokollieren(tav::store::Database &db, const BildDatei &bild);

} // namespace tav::online
