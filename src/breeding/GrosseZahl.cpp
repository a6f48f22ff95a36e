// GrosseZahl: fixed-width big integers for exact occurrence counts and sums.
#include "GrosseZahl.h"

#include <cmath>

namespace tav::breeding {

QString anzahlText(Anzahl n)
{
    if (n == 0)
        return QStringLiteral("0");
    char buf[48];
    int i = sizeof buf;
    buf[--i] = 0;
    while (n > 0) {
        buf[--i] = char('0' + int(n % 10));
        n /= 10;
    }
    return QString::fromLatin1(buf + i);
}

bool addiere(Anzahl &ziel, Anzahl summand)
{
    const Anzahl alt = ziel;
    ziel += summand;
    return ziel >= alt;
}

GrosseZahl GrosseZahl::von(Anzahl n)
{
    GrosseZahl z;
    z.m_w[0] = std::uint64_t(n);
    z.m_w[1] = std::uint64_t(n >> 64);
    return z;
}

GrosseZahl GrosseZahl::zweiHoch(int e)
{
    GrosseZahl z;
    if (e >= 0 && e < Bits)
        z.m_w[e / 64] = std::uint64_t(1) << (e % 64);
    return z;
}

bool GrosseZahl::istNull() const
{
    for (auto w : m_w)
        if (w)
            return false;
    return true;
}

int GrosseZahl::bitLaenge() const
{
    for (int i = Limbs - 1; i >= 0; --i)
        if (m_w[i])
            return i * 64 + 64 - __builtin_clzll(m_w[i]);
    return 0;
}

bool GrosseZahl::operator<(const GrosseZahl &o) const
{
    for (int i = Limbs - 1; i >= 0; --i)
        if (m_w[i] != o.m_w[i])
            return m_w[i] < o.m_w[i];
    return false;
}

bool GrosseZahl::addiere(const GrosseZahl &o)
{
    unsigned carry = 0;
    for (int i = 0; i < Limbs; ++i) {
        const std::uint64_t a = m_w[i];
        const std::uint64_t s = a + o.m_w[i];
        const std::uint64_t t = s + carry;
        carry = (s < a) + (t < s);
        m_w[i] = t;
    }
    return carry == 0;
}

GrosseZahl GrosseZahl::rechtsGeschoben(int n) const
{
    GrosseZahl z;
    if (n >= Bits)
        return z;
    const int l = n / 64, b = n % 64;
    for (int i = 0; i + l < Limbs; ++i) {
        std::uint64_t w = m_w[i + l] >> b;
        if (b && i + l + 1 < Limbs)
            w |= m_w[i + l + 1] << (64 - b);
        z.m_w[i] = w;
    }
    return z;
}

GrosseZahl GrosseZahl::linksGeschoben(int n) const
{
    GrosseZahl z;
    if (n >= Bits)
        return z;
    const int l = n / 64, b = n % 64;
    for (int i = Limbs - 1; i >= l; --i) {
        std::uint64_t w = m_w[i - l] << b;
        if (b && i - l - 1 >= 0)
            w |= m_w[i - l - 1] >> (64 - b);
        z.m_w[i] = w;
    }
    return z;
}

double GrosseZahl::alsDouble(int skala) const
{
    const int laenge = bitLaenge();
    if (laenge == 0)
        return 0.0;
    if (laenge <= 53)
        return std::ldexp(double(m_w[0]), -skala);
    const int weg = laenge - 53;
    std::uint64_t mantisse = rechtsGeschoben(weg).m_w[0];
    // round to nearest, ties to even: look at the dropped bits
    const GrosseZahl halb = zweiHoch(weg - 1);
    const GrosseZahl rest = linksGeschoben(Bits - weg).rechtsGeschoben(Bits - weg);
    if (halb < rest || (rest == halb && (mantisse & 1)))
        ++mantisse; // 2^53 after a carry is still exact
    return std::ldexp(double(mantisse), weg - skala);
}

QString GrosseZahl::text() const
{
    if (istNull())
        return QStringLiteral("0");
    GrosseZahl z = *this;
    QString s;
    const std::uint64_t teiler = 10000000000000000000ull; // 10^19
    while (!z.istNull()) {
        unsigned __int128 rest = 0;
        for (int i = Limbs - 1; i >= 0; --i) {
            const unsigned __int128 cur = (rest << 64) | z.m_w[i];
            z.m_w[i] = std::uint64_t(cur / teiler);
            rest = cur % teiler;
        }
        QString teil = QString::number(quint64(rest));
        if (!z.istNull())
            teil = teil.rightJustified(19, QLatin1Char('0'));
        s.prepend(teil);
    }
    return s;
}

} // namespace tav::breeding
