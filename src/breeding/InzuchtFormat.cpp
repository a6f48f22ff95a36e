// InzuchtFormat: number formats of the inbreeding results.
#include "InzuchtFormat.h"

#include "app/Sprache.h"

#include <QStringList>
#include <cmath>
#include <cstdio>

namespace tav::breeding {

namespace {

// Exact decimal expansion of |wert| (doubles are dyadic, so it terminates).
void exakteZiffern(double wert, QByteArray &ganz, QByteArray &bruch)
{
    static thread_local char buf[1500];
    std::snprintf(buf, sizeof buf, "%.1100f", std::fabs(wert));
    const QByteArray s(buf);
    const int punkt = s.indexOf('.');
    ganz = s.left(punkt);
    bruch = s.mid(punkt + 1);
}

// Rounds ganz.bruch to `stellen` decimals, half away from zero, and returns the digits.
QByteArray runde(QByteArray ganz, const QByteArray &bruch, int stellen)
{
    QByteArray ziffern = ganz + bruch.left(stellen);
    while (ziffern.size() < ganz.size() + stellen)
        ziffern.append('0');
    if (stellen < bruch.size() && bruch.at(stellen) >= '5') {
        int i = ziffern.size() - 1;
        while (i >= 0 && ziffern[i] == '9')
            ziffern[i--] = '0';
        if (i >= 0)
            ziffern[i] = char(ziffern[i] + 1);
        else
            ziffern.prepend('1');
    }
    return ziffern;
}

QString mitKomma(const QByteArray &ziffern, int stellen, QChar dezimal, bool negativ)
{
    QString s = QString::fromLatin1(ziffern.left(ziffern.size() - stellen));
    if (s.isEmpty())
        s = QStringLiteral("0");
    if (stellen > 0)
        s += dezimal + QString::fromLatin1(ziffern.right(stellen));
    if (negativ)
        s.prepend(QLatin1Char('-'));
    return s;
}

bool nurNullen(const QByteArray &z)
{
    for (char c : z)
        if (c != '0')
            return false;
    return true;
}

} // namespace

QString festkomma(double wert, int p, int d, QChar dezimal)
{
    QByteArray ganz, bruch;
    exakteZiffern(wert, ganz, bruch);
    int behalten = d;
    if (wert != 0.0) {
        int exp10 = 0;
        int i = 0;
        while (i < ganz.size() && ganz[i] == '0')
            ++i;
        if (i < ganz.size()) {
            exp10 = int(ganz.size()) - i - 1;
        } else {
            int j = 0;
            while (j < bruch.size() && bruch[j] == '0')
                ++j;
            exp10 = -(j + 1);
        }
        behalten = std::max(0, std::min(d, p - 1 - exp10));
    }
    QByteArray ziffern = runde(ganz, bruch, behalten);
    ziffern.append(QByteArray(d - behalten, '0'));
    return mitKomma(ziffern, d, dezimal, wert < 0 && !nurNullen(ziffern));
}

QString prozentKurz(double wert, QChar dezimal)
{
    QByteArray ganz, bruch;
    exakteZiffern(wert, ganz, bruch);
    QByteArray ziffern = runde(ganz, bruch, 2);
    int stellen = 2;
    while (stellen > 0 && ziffern.endsWith('0')) {
        ziffern.chop(1);
        --stellen;
    }
    return mitKomma(ziffern, stellen, dezimal, wert < 0 && !nurNullen(ziffern));
}

QString prozentSpeicherText(float wert, QChar dezimal)
{
    const double v = double(wert);
    QString s;
    if (v == 0.0) {
        s = QStringLiteral("0");
    } else if (std::fabs(v) < 1e-5 || std::fabs(v) >= 1e15) {
        // scientific as "9.5367431640625E-5": no '+', no leading zeros in the exponent
        QString e = QString::number(v, 'e', 14);
        const int pos = e.indexOf(QLatin1Char('e'));
        QString mant = e.left(pos);
        const int exp = e.mid(pos + 1).toInt();
        if (mant.contains(QLatin1Char('.'))) {
            while (mant.endsWith(QLatin1Char('0')))
                mant.chop(1);
            if (mant.endsWith(QLatin1Char('.')))
                mant.chop(1);
        }
        s = mant + QLatin1Char('E') + QString::number(exp);
    } else {
        // fixed point with 15 significant digits; the exponent is taken after rounding
        const QString e = QString::number(v, 'e', 14);
        const int exp = e.mid(e.indexOf(QLatin1Char('e')) + 1).toInt();
        s = QString::number(v, 'f', std::max(0, 14 - exp));
        if (s.contains(QLatin1Char('.'))) {
            while (s.endsWith(QLatin1Char('0')))
                s.chop(1);
            if (s.endsWith(QLatin1Char('.')))
                s.chop(1);
        }
    }
    s.replace(QLatin1Char('.'), dezimal);
    return s;
}

float prozentLesen(const QString &text, QChar dezimal)
{
    QString t = text.trimmed();
    t.replace(dezimal, QLatin1Char('.'));
    bool ok = false;
    const float f = t.toFloat(&ok);
    return ok ? f : 0.0f;
}

void RasseAnteile::belegeRasseProzent(const QString &daten, qint32 rasse, quint8 divisor, QChar dezimal)
{
    r_array.fill(0);
    p_array.fill(0.0f);
    const float teiler = float(divisor ? divisor : 1);
    if (daten == ende()) {
        r_array[0] = rasse;
        p_array[0] = 100.0f / teiler;
        return;
    }
    const QStringList eintraege = daten.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = 0; i < eintraege.size() && i < 10; ++i) {
        const QString &e = eintraege.at(i);
        const int strich = e.indexOf(QLatin1Char('-'));
        if (strich < 0)
            continue;
        r_array[i] = e.left(strich).toInt();
        p_array[i] = prozentLesen(e.mid(strich + 1), dezimal) / teiler;
    }
}

void RasseAnteile::hinzufuegen(qint32 rasse, float prozent)
{
    for (int i = 0; i < 10; ++i) {
        if (r_array[i] == rasse) {
            p_array[i] += prozent;
            return;
        }
        if (r_array[i] == 0) {
            r_array[i] = rasse;
            p_array[i] = prozent;
            return;
        }
    }
}

QString RasseAnteile::speicherText(QChar dezimal) const
{
    QString s;
    for (int i = 0; i < 10 && r_array[i] != 0; ++i)
        s += QString::number(r_array[i]) + QLatin1Char('-') + prozentSpeicherText(p_array[i], dezimal) +
             QLatin1Char('/');
    return s;
}

RasseAnteile ganzeRasse(qint32 rasse)
{
    RasseAnteile a;
    a.r_array[0] = rasse;
    a.p_array[0] = 100.0f;
    return a;
}

RasseAnteile mischeAnteile(const RasseAnteile &vater, const RasseAnteile &mutter)
{
    RasseAnteile a = vater;
    for (float &p : a.p_array)
        p /= 2.0f;
    for (int i = 0; i < 10 && mutter.r_array[i] != 0; ++i)
        a.hinzufuegen(mutter.r_array[i], mutter.p_array[i] / 2.0f);
    return a;
}

QString mischeProzent(const QString &vater, qint32 rasseVater, const QString &mutter, qint32 rasseMutter,
                      QChar dezimal)
{
    RasseAnteile a;
    a.belegeRasseProzent(vater, rasseVater, 2, dezimal);
    if (mutter == ende()) {
        a.hinzufuegen(rasseMutter, 50.0f);
    } else {
        RasseAnteile m;
        m.belegeRasseProzent(mutter, rasseMutter, 2, dezimal);
        for (int i = 0; i < 10 && m.r_array[i] != 0; ++i)
            a.hinzufuegen(m.r_array[i], m.p_array[i]);
    }
    return a.speicherText(dezimal);
}

QString anzeigeForm(const QString &prozent, qint32 rasse, const RasseKurzname &kurzname, QChar dezimal)
{
    RasseAnteile a;
    a.belegeRasseProzent(prozent, rasse, 1, dezimal);
    return anzeigeForm(a, kurzname, [dezimal](float p) { return prozentKurz(double(p), dezimal); });
}

QString anzeigeForm(const RasseAnteile &a, const RasseKurzname &kurzname,
                    const std::function<QString(float)> &prozent)
{
    QString s;
    for (int i = 0; i < 10; ++i) {
        if (a.r_array[i] == 0)
            continue;
        const std::optional<QString> name = kurzname ? kurzname(a.r_array[i]) : std::nullopt;
        if (!name)
            continue;
        s += prozent(a.p_array[i]) + QStringLiteral("% ") + *name + QStringLiteral("   ");
    }
    if (!s.isEmpty())
        return s;
    // the German words stand in while the catalogue is closed
    const QString keine = app::messageText(9861);
    return keine.isEmpty() ? QStringLiteral("Rasse nicht gefunden!") : keine;
}

QString koeffizientKurzText(double koeffizient, bool beitrag, QChar dezimal)
{
    if (!beitrag)
        return QStringLiteral(" 0%");
    return festkomma(koeffizient * 100.0, 4, 2, dezimal) + QLatin1Char('%');
}

QString ahnenverlustText(double ahnenverlust, QChar dezimal)
{
    return festkomma(ahnenverlust, 3, 2, dezimal) + QLatin1Char('%');
}

} // namespace tav::breeding
