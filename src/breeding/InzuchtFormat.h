// InzuchtFormat: number formats of the inbreeding results.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace tav::breeding {

// F(p,d): rounded to p significant digits or to d decimals, whichever keeps fewer digits, printed
// with d decimals; exact decimal value of the double, half-way cases away from zero.
QString festkomma(double wert, int p, int d, QChar dezimal);

// The short coefficient (" 0%" when no pair contributes) and the ancestor loss as the results show them.
QString koeffizientKurzText(double koeffizient, bool beitrag, QChar dezimal);
QString ahnenverlustText(double ahnenverlust, QChar dezimal);

// "0.##": at most two decimals, half away from zero, trailing zeros dropped
QString prozentKurz(double wert, QChar dezimal);

// Percent of the stored breed composition: general float format, 15 significant digits,
// as the stored text is read back with the same separator.
QString prozentSpeicherText(float wert, QChar dezimal);
float prozentLesen(const QString &text, QChar dezimal);

inline const QString &ende()
{
    static const QString e = QStringLiteral("ende");
    return e;
}

// The ten work slots of a breed composition (r_array / p_array).
struct RasseAnteile {
    std::array<qint32, 10> r_array{};
    std::array<float, 10> p_array{};

    // fills the slots from a stored composition, each percent divided by divisor
    void belegeRasseProzent(const QString &daten, qint32 rasse, quint8 divisor, QChar dezimal);
    // adds to the slot of the same breed, else takes the first empty one; an eleventh breed is dropped
    void hinzufuegen(qint32 rasse, float prozent);
    QString speicherText(QChar dezimal) const;
};

// The composition a cat passes on when its own is stored as "ende": all of its breed.
RasseAnteile ganzeRasse(qint32 rasse);
// The same mixture as mischeProzent, on compositions held as values: a stored composition is
// 15 significant digits of each float, which read back give the same float, so the text between
// the generations changes nothing and the values can be mixed directly.
RasseAnteile mischeAnteile(const RasseAnteile &vater, const RasseAnteile &mutter);

// Stored composition of a cat with breed code from the stored compositions of both parents
// (both present and with a breed code).
QString mischeProzent(const QString &vater, qint32 rasseVater, const QString &mutter, qint32 rasseMutter,
                      QChar dezimal);

using RasseKurzname = std::function<std::optional<QString>(qint32 rcode)>;

// Display form: per entry whose breed exists, percent "0.##" + "% " + short name + three blanks.
QString anzeigeForm(const QString &prozent, qint32 rasse, const RasseKurzname &kurzname, QChar dezimal);
// The same of a composition held as values, each percent written by `prozent`
QString anzeigeForm(const RasseAnteile &a, const RasseKurzname &kurzname,
                    const std::function<QString(float)> &prozent);

} // namespace tav::breeding
