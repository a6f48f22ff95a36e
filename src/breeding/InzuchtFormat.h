// InzuchtFormat: the inbreeding results as text, as the window, the print-out and the command line
// show them, and the number formats they use.
#pragma once

#include <QString>
#include <QStringList>
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

struct InzuchtErgebnis;
struct InzuchtFehler;

using Meldungstext = std::function<QString(int nummer)>;

// How the results are written: decimal sign, language (0 German, 1 English, 2 Dutch), and the
// message catalogue for the numbered texts.
struct InzuchtTextArt {
    QChar dezimal = QLatin1Char(',');
    int sprache = 0;
    Meldungstext meldung;
};

struct InzuchtTexte {
    QString Inzuchtkoeffizient;
    QString Inzuchtkoeffizientkurz;
    QString Ahnenverlustkoeffizient;
    QString Stammbaumkomplett;
    QStringList Inzucht;
    QStringList Ahnenverlust;
    QStringList Info;
    QStringList Clon;
    QString RTier;
    std::array<QStringList, 4> r; // breed compositions by position, as g1..g4 the names
};

InzuchtTexte inzuchtTexte(const InzuchtErgebnis &ergebnis, const InzuchtTextArt &art);

// share text of a top-cat slot (1..5), as the top-cat table shows it
QString topKatzeAnteilText(const InzuchtErgebnis &ergebnis, int slot, QChar dezimal);
// the same of the first slot that holds `katze`; empty when none does
QString topKatzeAnteilVon(const InzuchtErgebnis &ergebnis, qint32 katze, QChar dezimal);

// The closing line of a list cut at its line limit: message 9402 and the number of lines left out.
QString ausgelasseneZeilenText(quint64 anzahl, const Meldungstext &meldung);

// The cats of a cycle as "Name (Nummer) - ..."; the failure as one text ("\r" between lines).
QString zyklusText(const InzuchtFehler &fehler);
QString fehlerText(const InzuchtFehler &fehler, const InzuchtTextArt &art);

} // namespace tav::breeding
