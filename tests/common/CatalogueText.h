#pragma once

// What the delivered message catalogue says, for tests that compare a message with it.

#include <QFile>
#include <QString>

// the German text of a catalogue message as delivered
inline QString catalogueGerman(int nr)
{
    QFile f(QStringLiteral(TAV_DATA_DIR) + "/catalogue/messages.tsv");
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    for (const QString &line : QString::fromUtf8(f.readAll()).split('\n'))
        if (line.startsWith(QString::number(nr) + '\t'))
            return line.section('\t', 1, 1);
    return QString();
}
