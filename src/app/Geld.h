// Geld: an exact amount of money in 1/10000 units (the store's currency), read and written in the
// user's locale ("1.234,56" in German, "1,234.56" in English) without floating point.
#pragma once

#include <QLocale>
#include <QMetaType>
#include <QString>
#include <compare>
#include <optional>

namespace tav::app {

class Geld
{
  public:
    static constexpr qint64 ProEinheit = 10000;

    constexpr Geld() = default;
    static constexpr Geld ausEinheiten(qint64 einheiten) { return Geld(einheiten); }
    constexpr qint64 einheiten() const { return m_einheiten; }

    // The sum, difference, negation; std::overflow_error beyond 64 bits.
    Geld operator+(Geld b) const;
    Geld operator-(Geld b) const;
    Geld operator-() const;
    Geld &operator+=(Geld b) { return *this = *this + b; }
    Geld &operator-=(Geld b) { return *this = *this - b; }
    constexpr auto operator<=>(const Geld &) const = default;

    // A number as the locale writes it: an optional sign, digits with the locale's group separator
    // between groups of three (or none), the decimal separator and at most four decimals. Nothing
    // else (letters, the other locale's separators, a misplaced group) gives nullopt.
    static std::optional<Geld> lesen(const QString &text, const QLocale &locale);
    // Two decimals (half away from zero) with group separators.
    QString text(const QLocale &locale) const;
    // For an input field: as text(), but with the third and fourth decimal when the amount has
    // them, so that reading the text back gives the same amount.
    QString eingabeText(const QLocale &locale) const;

  private:
    constexpr explicit Geld(qint64 e) : m_einheiten(e) {}
    qint64 m_einheiten = 0;
};

// The locale of the program's language number (0 German, 1 English, 2 Dutch).
QLocale sprachLocale(int languageNumber);
// The locale of the language the program runs in: every amount shown or typed goes by it.
QLocale geldLocale();

// Message shown for an amount that Geld::lesen refuses.
constexpr int MeldungUngueltigerBetrag = 7000;

} // namespace tav::app

// A bound control hands an amount to its data source as a Geld, which stores its units exactly.
Q_DECLARE_METATYPE(tav::app::Geld)
