#include "ProgramHome.h"

#include <QCoreApplication>
#include <QDir>

namespace tav::app {

namespace {
QString &explicitHome()
{
    static QString home;
    return home;
}
} // namespace

QString programHome()
{
    if (!explicitHome().isEmpty())
        return explicitHome();
    const QString env = qEnvironmentVariable("TAVRENNO_HOME");
    if (!env.isEmpty())
        return QDir::cleanPath(env);
    return QCoreApplication::applicationDirPath();
}

void setProgramHome(const QString &home)
{
    explicitHome() = home.isEmpty() ? QString() : QDir::cleanPath(home);
}

} // namespace tav::app
