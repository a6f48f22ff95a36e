#include "Help.h"

#include "app/ProgramHome.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace tav::app::ui {

namespace {
std::function<bool(const QUrl &)> &opener()
{
    static std::function<bool(const QUrl &)> f;
    return f;
}
} // namespace

QString helpPagePath(int context)
{
    return programHome() + QStringLiteral("/Help/%1.html").arg(context);
}

bool showHelp(int context)
{
    const QFileInfo page(helpPagePath(context));
    if (context <= 0 || !page.isFile())
        return false;
    const QUrl url = QUrl::fromLocalFile(page.absoluteFilePath());
    if (opener())
        return opener()(url);
    return QDesktopServices::openUrl(url);
}

void setHelpOpener(std::function<bool(const QUrl &)> f)
{
    opener() = std::move(f);
}

} // namespace tav::app::ui
