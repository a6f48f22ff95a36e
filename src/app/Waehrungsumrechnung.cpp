// Waehrungsumrechnung: the one-off conversion of every bookkeeping and purchase/sale amount.
#include "Waehrungsumrechnung.h"

#include "IniFile.h"
#include "Systemi.h"
#include "store/Namen_office.h"
#include "store/Namen_register.h"
#include "store/Table.h"
#include "store/Transaction.h"

#include <QHash>
#include <cmath>
#include <limits>
#include <stdexcept>

using namespace tav::store::namen;

namespace tav::app {

namespace {

// Amounts are read and written as the store's exact 1/10000 units: a double of whole currency
// units is off by one unit above about 9 * 10^11 units.
qint64 units(const store::Table &t, const QString &feld)
{
    return t.currencyUnits(feld).value_or(0);
}

qint64 summe(qint64 a, qint64 b)
{
    qint64 s = 0;
    if (__builtin_add_overflow(a, b, &s))
        throw std::overflow_error("currency sum");
    return s;
}

bool bisZum(const QVariant &datum, const QDate &bis)
{
    const QDate d = datum.toDate();
    return !d.isValid() || d <= bis;
}

} // namespace

double Umrechnungsfaktor::wert() const
{
    return double(zaehler) / std::pow(10.0, stellen);
}

std::optional<Umrechnungsfaktor> faktorLesen(const QString &text)
{
    const QString t = text.trimmed();
    Umrechnungsfaktor f;
    bool komma = false, ziffer = false;
    for (const QChar c : t) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (komma)
                return std::nullopt;
            komma = true;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            // more digits than an exact division can carry are refused, not cut
            if (f.zaehler > 99'999'999'999LL || f.stellen >= 12)
                return std::nullopt;
            f.zaehler = f.zaehler * 10 + (c.unicode() - '0');
            ziffer = true;
            if (komma)
                ++f.stellen;
        } else {
            return std::nullopt;
        }
    }
    if (!ziffer || f.zaehler == 0)
        return std::nullopt;
    return f;
}

qint64 geteilt(qint64 u, const Umrechnungsfaktor &f)
{
    __int128 n = u < 0 ? -__int128(u) : __int128(u);
    for (int i = 0; i < f.stellen; ++i)
        n *= 10;
    const __int128 d = f.zaehler;
    __int128 q = n / d;
    const __int128 r2 = (n % d) * 2;
    if (r2 > d || (r2 == d && (q % 2) != 0))
        ++q;
    // a factor below one multiplies; what no longer fits is refused, never wrapped
    const __int128 grenze = __int128(std::numeric_limits<qint64>::max()) + (u < 0 ? 1 : 0);
    if (q > grenze)
        throw std::overflow_error("currency conversion");
    return qint64(u < 0 ? -q : q);
}

namespace {

UmrechnungsErgebnis umrechnen(store::Database &db, const Umrechnungsfaktor &f, const QDate &bis,
                              const UmrechnungsFortschritt &fortschritt)
{
    store::Transaction txn(db, {buchung::Datei, konten::Datei, verkauft::Datei});
    auto weiter = [&](int phase, int pos, int max) { return !fortschritt || fortschritt(phase, pos, max); };

    store::Table konten(&db, konten::Datei);
    konten.setFilter(QStringLiteral("Kontoart<>0"));
    konten.setFiltered(true);
    konten.open();
    // the new balance of each bank and cash account, by its number
    QHash<qint64, qint64> stand;
    for (konten.first(); !konten.eof(); konten.next())
        stand.insert(konten.value(konten::LaufendeNummer).toLongLong(),
                     geteilt(units(konten, QStringLiteral("Eroeffnungssaldo")), f));

    store::Table buchung(&db, buchung::Datei);
    buchung.open();
    const int anzahl = buchung.recordCount();
    int pos = 0;
    if (!weiter(0, 0, anzahl))
        return UmrechnungsErgebnis::Abgebrochen;
    for (buchung.first(); !buchung.eof(); buchung.next()) {
        const QVariant konto = buchung.value(buchung::Kontoname);
        auto it = konto.isNull() ? stand.end() : stand.find(konto.toLongLong());
        // a booking of no bank or cash account is left alone and counts nowhere
        if (it != stand.end()) {
            qint64 betrag = units(buchung, QStringLiteral("Betrag"));
            if (bisZum(buchung.value(buchung::Buchungsdatum), bis)) {
                betrag = geteilt(betrag, f);
                buchung.edit();
                buchung.setCurrencyUnits(buchung::Betrag, betrag);
                buchung.post();
            }
            *it = summe(*it, betrag);
        }
        if (!weiter(0, ++pos, anzahl))
            return UmrechnungsErgebnis::Abgebrochen;
    }

    for (konten.first(); !konten.eof(); konten.next()) {
        const qint64 nr = konten.value(konten::LaufendeNummer).toLongLong();
        konten.edit();
        konten.setCurrencyUnits(konten::Eroeffnungssaldo,
                                geteilt(units(konten, QStringLiteral("Eroeffnungssaldo")), f));
        konten.setCurrencyUnits(konten::Kontostand, stand.value(nr));
        konten.post();
    }

    store::Table verkauft(&db, verkauft::Datei);
    verkauft.open();
    const int zeilen = verkauft.recordCount();
    pos = 0;
    if (!weiter(1, 0, zeilen))
        return UmrechnungsErgebnis::Abgebrochen;
    for (verkauft.first(); !verkauft.eof(); verkauft.next()) {
        bool geaendert = false;
        for (const auto &[preis, datum] :
             {std::pair{"Preisgekauft", "Gekauftam"}, {"Preisverkauft", "Verkauftam"}}) {
            const std::optional<qint64> v = verkauft.currencyUnits(QString::fromLatin1(preis));
            if (!v || !bisZum(verkauft.value(QString::fromLatin1(datum)), bis))
                continue;
            if (!geaendert)
                verkauft.edit();
            verkauft.setCurrencyUnits(QString::fromLatin1(preis), geteilt(*v, f));
            geaendert = true;
        }
        if (geaendert)
            verkauft.post();
        if (!weiter(1, ++pos, zeilen))
            return UmrechnungsErgebnis::Abgebrochen;
    }
    txn.commit();
    return UmrechnungsErgebnis::Fertig;
}

} // namespace

UmrechnungsErgebnis waehrungUmrechnen(store::Database &db, const Umrechnungsfaktor &f, const QDate &bis,
                                      const UmrechnungsFortschritt &fortschritt)
{
    try {
        return umrechnen(db, f, bis, fortschritt);
    } catch (const std::overflow_error &) {
        // the transaction has been rolled back on the way out
        return UmrechnungsErgebnis::Ueberlauf;
    }
}

bool umrechnungVermerken(tsysteminfo &s, const QString &path, const Umrechnungsfaktor &f, const QDate &heute,
                         const QDate &bis)
{
    const QString system = QStringLiteral("System");
    const QList<IniFile::Entry> e = {
        {system, QStringLiteral("WaehrungsumrechnungFaktor"), QString::number(f.wert(), 'g', 15)},
        {system, QStringLiteral("WaehrungsumrechnungAm"), settingsDateText(heute)},
        {system, QStringLiteral("Umrechnung bis"), settingsDateText(bis)},
    };
    if (!IniFile::write(path, e))
        return false;
    s.faktoram = f.wert();
    s.Umrechnungam = heute;
    return true;
}

} // namespace tav::app
