#pragma once

// Helpers of the headless tests: a row appended to a table, the bytes of a file.

#include "store/Database.h"
#include "store/Table.h"

#include <QFile>
#include <QVariantMap>

// Appends a row with these values; gives the value of the field `nummer` (0 without one).
inline int neu(tav::store::Database &db, const QString &tabelle, const QVariantMap &werte,
               const QString &nummer = QString())
{
    tav::store::Table t(&db, tabelle);
    t.open();
    t.append();
    for (auto it = werte.begin(); it != werte.end(); ++it)
        t.setValue(it.key(), it.value());
    t.post();
    return nummer.isEmpty() ? 0 : t.intValue(nummer);
}

inline QByteArray dateiInhalt(const QString &pfad)
{
    QFile f(pfad);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
