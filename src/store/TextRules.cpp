#include "TextRules.h"

namespace tav::store {

int textLength(const QString &s)
{
    int n = 0;
    for (qsizetype i = 0; i < s.size(); ++i, ++n) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            ++i;
    }
    return n;
}

QString cutToLength(const QString &s, int n)
{
    qsizetype i = 0;
    for (int taken = 0; i < s.size() && taken < n; ++i, ++taken) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            ++i;
    }
    return s.left(i);
}

namespace {

bool directionControl(char16_t c)
{
    return c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

} // namespace

qsizetype controlCharacterAt(const QString &s, bool lineBreaksAllowed)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (lineBreaksAllowed && (c == u'\n' || c == u'\r'))
            continue;
        if (c < 0x20 || c == 0x7f || directionControl(c))
            return i;
    }
    return -1;
}

} // namespace tav::store
