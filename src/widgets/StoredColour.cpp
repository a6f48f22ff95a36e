#include "StoredColour.h"

#include "app/MainRules.h"

#include <QWidget>

namespace tav::widgets {

using namespace tav::app;

QColor storedColour(int stored)
{
    return stored ? QColor(stored & 0xff, (stored >> 8) & 0xff, (stored >> 16) & 0xff) : QColor();
}

int storedValue(const QColor &c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

QColor textColourOn(const QColor &background)
{
    return needsLightText(storedValue(background)) ? QColor(Qt::white) : QColor(Qt::black);
}

void colourField(QWidget *field, const QColor &background)
{
    field->setStyleSheet(background.isValid() ? QStringLiteral("background-color: %1; color: %2;")
                                                    .arg(background.name(), textColourOn(background).name())
                                              : QString());
}

} // namespace tav::widgets
