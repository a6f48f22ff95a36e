// KatzenDruck: what the cat print-outs show (data sheet, lists, show results, mating book and
// certificate): the rules of their texts, the reading of a cat from the register, and which print
// job may run for a cat.
#pragma once

#include "report/Report.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

namespace tav::store {
class Database;
}
namespace tav::app {
class TDatenGlobal;
}

namespace tav::printouts {

// A caption of the user's language by tag; an empty text keeps the German.
using Beschriftung = std::function<QString(int tag)>;

// --- text rules ----------------------------------------------------------------------

// The sex word of code "1" to "4" in the user's language; empty for any other code.
QString geschlechtWort(const QString &geschlecht, const Beschriftung &caption);
// The title text and the name when the cat has a sex code (the name alone without a title),
// otherwise the name alone.
QString nameZeile(const QString &titel, const QString &name, const QString &geschlecht);
// A parent's name line followed by ", " and its colour when it has one.
QString elternZeile(const QString &titel, const QString &name, const QString &geschlecht,
                    const QString &farbe);

struct Anschrift {
    QString name, vorname, strasse, plz, ort, telefon;
};
// First name and name; the street on a line of its own, postcode and town after ", "; the
// telephone on a line of its own. Lines are separated by a carriage return.
QString anschriftBlock(const Anschrift &a);
// The title text, then " / " (only after a title) and the assessment when there is one.
QString titelMitBewertung(const QString &titel, const QString &bewertung);
// The heading of the cat list: the catalogue caption, with the status criterion after it.
QVector<report::TextPiece> katzenListenTitel(const QString &status);

// --- a cat as the print-outs show it -----------------------------------------------------

struct KatzeDruck {
    int nr = 0;
    QString name, geschlecht, titel, rasse, zuchtbuch, taeto, chip, fellFarbe, augenfarbe;
    QString blutgruppe, tests, gencode, gewicht, groesse;
    QDate geb, zuchtsperre;
    QString vater, mutter;           // parent lines
    QString zuechter, besitzerZeile; // first lines of the address blocks
    QString merkmale;                // trait names joined by " / "
    QString bewertung;               // assessment text
    Anschrift besitzer;              // the owner: the breeder's own record for status 1
    QString bild;                    // the picture chosen for print, an existing file
};

// Reads cats for print; titles come from the global data module.
class KatzenLeser
{
  public:
    KatzenLeser(tav::store::Database &db, tav::app::TDatenGlobal &global, Beschriftung caption);
    // nothing for an unknown cat; throws EngineError
    std::optional<KatzeDruck> katze(int nr);

  private:
    tav::store::Database &m_db;
    tav::app::TDatenGlobal &m_global;
    Beschriftung m_caption;
};

// --- the print dispatcher's rules -----------------------------------------------------------

enum class Druckart {
    Nichts,
    Stammdaten,  // 1
    Bild,        // 2
    Formular,    // 3, 4, 6, 10, 13: a registration window
    Katzenliste, // 9
    TradRichten, // 7
    TICARichten, // 8
    CFARichten,  // 11
    Deckbuch,    // 15
    Deckschein,  // 16
};

// What a cat has that the jobs' conditions ask about.
struct KatzenLage {
    QString geschlecht;
    bool bild = false; // a picture is chosen for printing
    bool wurf = false;
    bool deckbuch = false; // rows in the mating book as the tom
    bool trad = false, tica = false, cfa = false;
};
KatzenLage katzenLage(tav::store::Database &db, int nr, bool bild);

// Which print-out job `job` makes for the cat, or the message that stops it (art Nichts).
struct Druckentscheid {
    Druckart art = Druckart::Nichts;
    int meldung = 0;
};
Druckentscheid druckEntscheid(int job, const KatzenLage &lage);

} // namespace tav::printouts
