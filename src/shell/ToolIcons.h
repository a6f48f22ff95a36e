// ToolIcons: the icons of the main window's tool buttons, drawn from the program's own SVG set.
#pragma once

#include <QIcon>
#include <QString>

namespace tav::shell {

// The icon of a tool button by its component name (SpeedButton1, ...); a null icon when it has none.
QIcon toolIcon(const QString &toolButton);

} // namespace tav::shell
