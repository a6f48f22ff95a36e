// Buchfuehrung: the bookkeeping's rules: accounts, postings and transfers with their balances,
// each change in one transaction; the month period; the category statistics and the income
// statement, summed exactly over the stored units.
#pragma once

#include "app/Geld.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::office {

using tav::app::Geld;

enum class Kontoart { Kategorie = 0, Bankkonto = 1, Bargeld = 2 };

inline const QString EinAusEinnahme = QStringLiteral("Einnahme");
inline const QString EinAusAusgabe = QStringLiteral("Ausgabe");

struct Zeitraum {
    QDate von, bis;
};
// From the first day of `vonMonat` to the last day of `bisMonat` in `jahr`; nullopt for a month
// outside 1 to 12, a year outside 1 to 9999 or an end before the start.
std::optional<Zeitraum> monatsZeitraum(int vonMonat, int bisMonat, int jahr);

struct Konto {
    int nummer = 0;
    Kontoart art = Kontoart::Bankkonto;
    QString name;
    QDate zum;
    Geld eroeffnung, kontostand;
    QString einAus; // categories
};

struct Buchung {
    int nummer = 0, konto = 0;
    QDate datum;
    QString kategorie, kontoName;
    Geld betrag;
    int gegenbuchung = 0;
};

struct Eingabe {
    int konto = 0;     // LaufendeNummer of the own account
    int kategorie = 0; // LaufendeNummer of the category, or of the other account of a transfer
    QDate datum;
    Geld betrag; // as typed
    QString beschreibung;
};

// Every change of the books: the posting and the balances it moves are written together or not at
// all. Errors are thrown (tav::store::EngineError, std::invalid_argument, std::overflow_error).
// An overflow comes from the amounts typed in, not from the register: it is said in this message.
constexpr int MeldungBetragZuGross = 9890;

class Buchfuehrung
{
  public:
    explicit Buchfuehrung(tav::store::Database &db);
    ~Buchfuehrung();

    // Creates the tables a register made before the bookkeeping lacks.
    static void tabellenAnlegen(tav::store::Database &db);

    int kontoAnlegen(Kontoart art, const QString &name, Geld eroeffnung, const QDate &zum = QDate());
    int kategorieAnlegen(const QString &name, const QString &einAus, int mwst = 0);
    // Posts on the own account; a category of kind "Ausgabe" stores the amount negated; an account
    // as the category makes a transfer: the amount on the own account, its negation on the other,
    // two postings pointing at each other. Returns the number of the own posting.
    int buchen(const Eingabe &e);
    // Deletes a posting and its counter-posting, taking their amounts off their accounts' balances.
    void loeschen(int buchungsNr);

    // For tests: called at each step between a balance and its posting; may throw.
    std::function<void(const char *schritt)> testHook;

  private:
    void schritt(const char *name) const;
    tav::store::Database &m_db;
};

// The books of a new register: the kinds of account, the usual categories of a cattery and the
// VAT rates 19, 7 and 0 %, named by `text` (a caption's text in the program's language; the German
// name where it gives none). Done once, while KONTOART.DB is empty, in one transaction; categories
// and rates go only into empty lists, so books kept before stay as they are. True when done.
bool buecherEinrichten(tav::store::Database &db, const std::function<QString(int tag)> &text);

// The rule every store of an account row runs before it is posted (the window's editor too):
// a blank opening balance is 0; a new account's balance is its opening balance; a changed
// opening balance moves the balance by the difference, so that it stays the opening balance
// plus the postings.
void kontoVorDemSpeichern(tav::store::Database &db, tav::store::Table &konten);

// Accounts (Kontoart > 0) in number order; categories (Kontoart 0) by name.
QVector<Konto> konten(tav::store::Database &db);
QVector<Konto> kategorien(tav::store::Database &db);
std::optional<Konto> konto(tav::store::Database &db, int nummer);
// The postings of one account in date order.
QVector<Buchung> buchungen(tav::store::Database &db, int konto);

struct Statistik {
    QVector<Buchung> posten;
    Geld gesamt;
};
// The postings of every account on category `name` in the period, with their sum.
Statistik kategorieStatistik(tav::store::Database &db, const QString &name, const Zeitraum &z);

struct GewinnVerlust {
    Zeitraum zeitraum;
    QVector<Buchung> einnahmen, ausgaben;
    Geld einnahmenGesamt, ausgabenGesamt; // expenses as a positive number
    Geld saldo() const { return einnahmenGesamt - ausgabenGesamt; }
};
// Income and expense postings in the period, of every account or of `konto` only.
GewinnVerlust gewinnVerlust(tav::store::Database &db, const Zeitraum &z, std::optional<int> konto = {});
// The sum of every account's balance.
Geld kontostandSumme(tav::store::Database &db);

} // namespace tav::office
