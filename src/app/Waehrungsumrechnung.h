// Waehrungsumrechnung: the one-off conversion of every bookkeeping and purchase/sale amount.
#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace tav::store {
class Database;
}

namespace tav::app {

class tsysteminfo;

// A conversion factor read exactly from its decimal text: zaehler / 10^stellen.
struct Umrechnungsfaktor {
    qint64 zaehler = 0;
    int stellen = 0;
    double wert() const;
};

// Digits with at most one comma or dot; nullopt for an empty, zero, negative or other text
// (message 88).
std::optional<Umrechnungsfaktor> faktorLesen(const QString &text);

// units (1/10000 of the currency) divided by the factor, to the nearest unit, ties to the even one;
// std::overflow_error when the result does not fit in 64 bits.
qint64 geteilt(qint64 units, const Umrechnungsfaktor &f);

// Called for each row; `phase` 0 the bookings, 1 purchases and sales. False stops the run.
using UmrechnungsFortschritt = std::function<bool(int phase, int position, int maximum)>;

// Ueberlauf: an amount or a balance would not fit after the conversion (message
// MeldungUmrechnungUeberlauf); nothing was changed.
enum class UmrechnungsErgebnis { Fertig, Abgebrochen, Ueberlauf };
constexpr int MeldungUmrechnungUeberlauf = 9657;

// Divides the opening balance of every bank and cash account (Kontoart <> 0) and every booking of
// such an account dated up to `bis` by the factor, rebuilds each balance as the converted opening
// balance plus all its bookings, and divides the purchase and sale prices dated up to `bis` (an
// empty date counts as up to). All in one transaction over BUCHUNG.DB, KONTEN.DB and VERKAUFT.DB:
// an engine error (thrown), a stop or an overflow leaves every amount as it was.
UmrechnungsErgebnis waehrungUmrechnen(store::Database &db, const Umrechnungsfaktor &f, const QDate &bis,
                                      const UmrechnungsFortschritt &fortschritt = {});

// After a finished run: System/WaehrungsumrechnungFaktor, .../WaehrungsumrechnungAm and
// "Umrechnung bis" in the file, faktoram and Umrechnungam in the settings. False when the file
// cannot be written (the settings then stay as they were).
bool umrechnungVermerken(tsysteminfo &s, const QString &path, const Umrechnungsfaktor &f, const QDate &heute,
                         const QDate &bis);

} // namespace tav::app
