// TextMeasure: how wide a text is and how tall a line, in millimetres, for the layout.
#pragma once

#include "Report.h"

namespace tav::report {

class TextMeasure
{
  public:
    virtual ~TextMeasure() = default;
    virtual double width(const QString &text, const Font &font) const = 0;
    virtual double lineHeight(const Font &font) const = 0;
};

// Every character half as wide as the font is high; lines 1.2 times the font size. For tests.
class FixedMeasure : public TextMeasure
{
  public:
    double width(const QString &text, const Font &font) const override;
    double lineHeight(const Font &font) const override;
};

// The metrics of the font the renderers draw with (requires a QGuiApplication).
class FontMeasure : public TextMeasure
{
  public:
    double width(const QString &text, const Font &font) const override;
    double lineHeight(const Font &font) const override;
};

// The family every print-out uses: it has the glyphs of the Latin alphabets the register holds.
QString reportFontFamily();
// Painter units are hundredths of a millimetre; the renderers and FontMeasure share this font.
constexpr double UnitsPerMm = 100.0;

} // namespace tav::report
