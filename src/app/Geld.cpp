#include "Geld.h"

#include "Sprache.h"

#include <stdexcept>

namespace tav::app {

Geld Geld::operator+(Geld b) const
{
    qint64 r = 0;
    if (__builtin_add_overflow(m_einheiten, b.m_einheiten, &r))
        throw std::overflow_error("Betrag zu groß");
    return Geld(r);
}

Geld Geld::operator-(Geld b) const
{
    qint64 r = 0;
    if (__builtin_sub_overflow(m_einheiten, b.m_einheiten, &r))
        throw std::overflow_error("Betrag zu groß");
    return Geld(r);
}

Geld Geld::operator-() const
{
    return Geld() - *this;
}

std::optional<Geld> Geld::lesen(const QString &eingabe, const QLocale &locale)
{
    const QString s = eingabe.trimmed();
    const QChar dezimal = locale.decimalPoint().at(0);
    const QChar gruppe = locale.groupSeparator().at(0);
    int i = 0;
    bool negativ = false;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) {
        negativ = s[i] == QLatin1Char('-');
        ++i;
    }
    // the whole part: groups of three after the first once a separator is used
    qint64 ganz = 0;
    int ziffern = 0, seitGruppe = 0;
    bool gruppiert = false;
    constexpr qint64 Grenze = 900000000000000LL; // 9e14 whole units still fit with four decimals
    for (; i < s.size() && s[i] != dezimal; ++i) {
        if (s[i] == gruppe) {
            if (ziffern == 0 || (gruppiert && seitGruppe != 3) || (!gruppiert && seitGruppe > 3))
                return std::nullopt;
            gruppiert = true;
            seitGruppe = 0;
            continue;
        }
        if (s[i] < QLatin1Char('0') || s[i] > QLatin1Char('9'))
            return std::nullopt;
        ganz = ganz * 10 + (s[i].unicode() - '0');
        if (ganz >= Grenze)
            return std::nullopt;
        ++ziffern;
        ++seitGruppe;
    }
    if (gruppiert && seitGruppe != 3)
        return std::nullopt;
    qint64 bruch = 0;
    int stellen = 0;
    if (i < s.size()) {
        ++i; // the decimal separator
        for (; i < s.size(); ++i) {
            if (s[i] < QLatin1Char('0') || s[i] > QLatin1Char('9') || stellen == 4)
                return std::nullopt;
            bruch = bruch * 10 + (s[i].unicode() - '0');
            ++stellen;
        }
        if (stellen == 0 && ziffern == 0)
            return std::nullopt;
    }
    if (ziffern == 0 && stellen == 0)
        return std::nullopt;
    for (int k = stellen; k < 4; ++k)
        bruch *= 10;
    const qint64 e = ganz * ProEinheit + bruch;
    return Geld(negativ ? -e : e);
}

QString Geld::text(const QLocale &locale) const
{
    const bool negativ = m_einheiten < 0;
    // in unsigned arithmetic, so that the smallest value has a magnitude too
    quint64 betrag = negativ ? 0 - quint64(m_einheiten) : quint64(m_einheiten);
    const quint64 cent = (betrag + 50) / 100;
    const QString ganz = locale.toString(qulonglong(cent / 100));
    const QString rest = QStringLiteral("%1").arg(cent % 100, 2, 10, QLatin1Char('0'));
    const QString t = ganz + locale.decimalPoint() + rest;
    return negativ && cent != 0 ? locale.negativeSign() + t : t;
}

QString Geld::eingabeText(const QLocale &locale) const
{
    const qint64 rest = m_einheiten % 100;
    if (rest == 0)
        return text(locale);
    // the amount to the cent below (towards zero) and the one or two digits beyond it
    const QString cent = Geld(m_einheiten - rest).text(locale);
    QString mehr = QStringLiteral("%1").arg(rest < 0 ? -rest : rest, 2, 10, QLatin1Char('0'));
    if (mehr.endsWith(QLatin1Char('0')))
        mehr.chop(1);
    const bool vorzeichen = m_einheiten < 0 && m_einheiten - rest == 0;
    return (vorzeichen ? locale.negativeSign() : QString()) + cent + mehr;
}

QLocale geldLocale()
{
    return sprachLocale(sprache().languageNumber());
}

QLocale sprachLocale(int languageNumber)
{
    return QLocale(languageNumber == 1   ? QLocale::English
                   : languageNumber == 2 ? QLocale::Dutch
                                         : QLocale::German);
}

} // namespace tav::app
