// ToolIcons: the icons of the main window's tool buttons, drawn from the program's own SVG set.
#include "ToolIcons.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace tav::shell {

namespace {
const QHash<QString, QString> &files()
{
    static const QHash<QString, QString> f = {
        {"SpeedButton1", "new-cat"},
        {"SpeedButtonKopie", "duplicate-cat"},
        {"SpeedButton2", "find-cat"},
        {"SpeedButton6", "exit"},
        {"SpeedButton12", "cattery-register"},
        {"SpeedButton10", "private-register"},
        {"SpeedButton13", "clubs"},
        {"SpeedButton14", "show-dates"},
        {"SpeedButton17", "bookkeeping"},
        {"SpeedButton18", "word-processor"},
        {"SpeedButton15", "genetics"},
        {"SpeedButton16", "inbreeding"},
        {"SpeedButton7", "breeds"},
        {"SpeedButton8", "coat-colour"},
        {"SpeedButton9", "eye-colour"},
        {"SpeedButton11", "addresses"},
        {"SpeedButton3", "pharmacy"},
        {"SpeedButton4", "print"},
        {"SpeedButton19", "pedigree"},
        {"Verpaarungen1", "matings"},
        {"SpeedButton5", "help"},
    };
    return f;
}
} // namespace

// Rendered here rather than through an icon plugin, so that a missing plugin cannot leave the
// buttons blank; the sizes cover the tool bar at single and double pixel density.
QIcon toolIcon(const QString &toolButton)
{
    const QString file = files().value(toolButton);
    if (file.isEmpty())
        return {};
    QSvgRenderer svg(QStringLiteral(":/icons/%1.svg").arg(file));
    if (!svg.isValid())
        return {};
    QIcon icon;
    for (int size : {16, 20, 24, 32, 40, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace tav::shell
