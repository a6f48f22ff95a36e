#include "EngineErrorText.h"

#include "store/EngineError.h"

#include <QFileInfo>

namespace tav::app {

QString errorTableName(const QString &datei)
{
    return QFileInfo(datei).fileName().section(QLatin1Char('.'), 0, 0).toLower();
}

QString errorFileLine(const QString &datei)
{
    const QString name = errorTableName(datei);
    return name.isEmpty() ? QString() : QStringLiteral("Datei: ") + name;
}

QStringList errorEntryLines(const tav::store::EngineError &e)
{
    QStringList out;
    for (int i = 0; i < e.entries().size(); ++i) {
        const auto &entry = e.entries()[i];
        out << (i == 0 ? QStringLiteral("Eintrag: 0, ") : QStringLiteral("Eintrag: %1,  ").arg(i)) +
                   QStringLiteral("Fehlernummer: %1,  %2").arg(QString::number(entry.code), entry.message);
    }
    return out;
}

bool isBusyTimeout(const tav::store::EngineError &e)
{
    // the engine's primary codes for a file another connection holds (busy, locked)
    for (const auto &entry : e.entries())
        if (entry.code == tav::store::code::TableBusy &&
            ((entry.nativeCode & 0xff) == 5 || (entry.nativeCode & 0xff) == 6))
            return true;
    return false;
}

QString busyText()
{
    return QStringLiteral("Ein anderes Programm schreibt in das Register. Bitte später erneut versuchen.");
}

QStringList errorText(const tav::store::EngineError &e, const QString &datei)
{
    QStringList out;
    if (const QString line = errorFileLine(datei); !line.isEmpty())
        out << line;
    return out + (isBusyTimeout(e) ? QStringList{busyText()} : errorEntryLines(e));
}

} // namespace tav::app
