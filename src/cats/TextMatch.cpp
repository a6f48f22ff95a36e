#include "TextMatch.h"

namespace tav::cats {

namespace {

void appendLiteral(QString &out, QChar c)
{
    if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('['))
        out += QLatin1Char('[') + c + QLatin1Char(']');
    else
        out += c;
}

} // namespace

QString globLiteral(const QString &text)
{
    QString out;
    out.reserve(text.size() + 4);
    for (QChar c : text)
        appendLiteral(out, c);
    return out;
}

namespace {

QString noCasePattern(const QString &text, bool likeWildcards)
{
    QString out;
    out.reserve(text.size() * 4);
    for (QChar c : text) {
        if (likeWildcards && c == QLatin1Char('%')) {
            out += QLatin1Char('*');
            continue;
        }
        if (likeWildcards && c == QLatin1Char('_')) {
            out += QLatin1Char('?');
            continue;
        }
        const QChar lo = c.toLower();
        const QChar up = c.toUpper();
        if (lo != up) {
            out += QLatin1Char('[');
            out += lo;
            out += up;
            if (c != lo && c != up) // title case letters
                out += c;
            out += QLatin1Char(']');
        } else {
            appendLiteral(out, c);
        }
    }
    return out;
}

} // namespace

QString globNoCase(const QString &text)
{
    return noCasePattern(text, false);
}

QString globPrefixNoCase(const QString &text)
{
    return globNoCase(text) + QLatin1Char('*');
}

QString likePrefixNoCase(const QString &text)
{
    return noCasePattern(text, true) + QLatin1Char('*');
}

QString upperSameLength(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = c.toUpper();
    return out;
}

} // namespace tav::cats
