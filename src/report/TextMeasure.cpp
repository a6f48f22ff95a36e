#include "TextMeasure.h"
#include "ReportFont.h"

#include <QFontMetricsF>

namespace tav::report {

namespace {
constexpr double MmPerPoint = 25.4 / 72.0;
}

double FixedMeasure::width(const QString &text, const Font &font) const
{
    return text.size() * font.size * MmPerPoint * 0.5;
}

double FixedMeasure::lineHeight(const Font &font) const
{
    return font.size * MmPerPoint * 1.2;
}

double FontMeasure::width(const QString &text, const Font &font) const
{
    return QFontMetricsF(qtFont(font)).horizontalAdvance(text) / UnitsPerMm;
}

double FontMeasure::lineHeight(const Font &font) const
{
    return QFontMetricsF(qtFont(font)).lineSpacing() / UnitsPerMm;
}

QString reportFontFamily()
{
    return QStringLiteral("DejaVu Sans");
}

QFont qtFont(const Font &font)
{
    QFont f(reportFontFamily());
    f.setPixelSize(qMax(1, qRound(font.size * MmPerPoint * UnitsPerMm)));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    // any letter spacing turns ligatures off: "fl" stays two letters for text extraction and search
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
    return f;
}

} // namespace tav::report
