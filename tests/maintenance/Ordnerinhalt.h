#pragma once

#include "maintenance/Datensicherung.h"

#include <QDir>
#include <QFile>
#include <QMap>

// The bytes of each table file of a folder, by name.
inline QMap<QString, QByteArray> inhalt(const QString &ordner)
{
    QMap<QString, QByteArray> m;
    for (const QString &name : tav::maintenance::sicherungsDateien(ordner)) {
        QFile f(QDir(ordner).filePath(name));
        if (f.open(QIODevice::ReadOnly))
            m.insert(name, f.readAll());
    }
    return m;
}
