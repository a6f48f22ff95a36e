#include "HelpPages.h"

#include <QDir>
#include <QFileInfo>

namespace tav::app {

namespace {
QString folderName(int languageNumber)
{
    switch (languageNumber) {
    case 1: return QStringLiteral("en");
    case 2: return QStringLiteral("nl");
    default: return QStringLiteral("de");
    }
}
} // namespace

QString helpFolder(const QString &home, int languageNumber)
{
    return QDir(home).filePath(QStringLiteral("Help/") + folderName(languageNumber));
}

QString helpPageFile(const QString &home, int context, int languageNumber)
{
    const QString name = QStringLiteral("%1.html").arg(context);
    const QString own = QDir(helpFolder(home, languageNumber)).filePath(name);
    if (context <= 0 || QFileInfo(own).isFile() || languageNumber == 0 || languageNumber == 1)
        return own;
    const QString english = QDir(helpFolder(home, 1)).filePath(name);
    return QFileInfo(english).isFile() ? english : own;
}

} // namespace tav::app
