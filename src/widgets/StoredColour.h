// StoredColour: colours as the tables store them, on the screen.
#pragma once

#include <QColor>

class QWidget;

namespace tav::widgets {

// Colours as the tables store them (24 bits, red in the low byte) on the screen.
QColor storedColour(int stored); // invalid for 0, "no colour"
int storedValue(const QColor &c);

// Black or white, whichever reads better on `background` (needsLightText decides).
QColor textColourOn(const QColor &background);

// Paints a field in `background` with text that stays readable on it; an invalid colour gives the
// field the style's colours back.
void colourField(QWidget *field, const QColor &background);

} // namespace tav::widgets
