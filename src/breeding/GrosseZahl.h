// GrosseZahl: fixed-width big integers for exact occurrence counts and sums.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace tav::breeding {

// Occurrence counts of deep pedigrees outgrow 64 bits (2^G paths for G up to 255).
using Anzahl = unsigned __int128;

QString anzahlText(Anzahl n);
// false when the sum does not fit
bool addiere(Anzahl &ziel, Anzahl summand);

// Unsigned integer of fixed width (576 bits). Holds exact dyadic sums in units of 2^-Einheit,
// so that every path of the calculation adds the same terms exactly and rounds once.
class GrosseZahl
{
  public:
    static constexpr int Limbs = 9;
    static constexpr int Bits = Limbs * 64;
    // 2*253 steps + the halving at the common ancestor stay above this unit
    static constexpr int Einheit = 511;

    GrosseZahl() { m_w.fill(0); }
    static GrosseZahl von(Anzahl n);
    static GrosseZahl zweiHoch(int e); // 0 <= e < Bits

    bool istNull() const;
    int bitLaenge() const;
    std::uint64_t niedrig() const { return m_w[0]; }
    bool operator==(const GrosseZahl &o) const { return m_w == o.m_w; }
    bool operator<(const GrosseZahl &o) const;

    // false on overflow (the value is then undefined)
    bool addiere(const GrosseZahl &o);
    GrosseZahl rechtsGeschoben(int n) const;
    GrosseZahl linksGeschoben(int n) const;

    // value * 2^-skala, rounded once to nearest (ties to even)
    double alsDouble(int skala = 0) const;
    QString text() const;

    // term 2^-exponent in units of 2^-Einheit
    static GrosseZahl term(int exponent) { return zweiHoch(Einheit - exponent); }
    double alsAnteil() const { return alsDouble(Einheit); }

  private:
    std::array<std::uint64_t, Limbs> m_w; // little-endian limbs
};

} // namespace tav::breeding
