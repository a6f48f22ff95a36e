// OnlineDateien: what the online window writes: the cat rows with their computed columns, the
// choice of a cat's picture, the semicolon files of an upload and the CSV export of the cats.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::online {

enum class Modus { Upload, Csv, Tabelle };

// The ticks of the window ("Upload von", "Export mit").
struct Auswahl {
    bool tierdaten = true, adressdaten = false, rassen = false, farben = false, merkmaleDb = false;
    bool bilder = false, merkmale = false, bemerkungen = false, zuechterBesitzer = false, zuchtbuch = false;
    // nothing to upload: no data kind, no litter book, no pictures
    bool leer() const
    {
        return !(tierdaten || adressdaten || rassen || farben || merkmaleDb || zuchtbuch || bilder);
    }
    static Auswahl alles();
};

// A cat's chosen picture: the full path and the file name, both empty without a choice.
struct BildWahl {
    QString pfad, name;
};

// Picks from a cat's pictures (in order) with `feld2` the number of the preferred one (from 1;
// 0 or less for none) and `geeignet` the test of a picture.
BildWahl bildWaehlen(const QStringList &pfade, int feld2,
                     const std::function<bool(const QString &)> &geeignet);
// Eligible: the file exists; for an upload also a JPEG of at most 1,000,000 bytes that the
// picture log does not hold with the same size and time.
bool bildGeeignet(tav::store::Database &db, const QString &pfad, Modus m);

// The lookups behind the computed columns, read once for the whole register.
class Katzenquelle
{
  public:
    Katzenquelle(tav::store::Database &db, Modus m, int sprache = 0);

    QString geschlechtAnz(tav::store::Table &katze) const;
    QString rasseAnz(tav::store::Table &katze) const;
    QString zuechterAnz(tav::store::Table &katze) const;
    QString besitzerAnz(tav::store::Table &katze) const;
    QString titelAnz(tav::store::Table &katze) const;
    QString merkmaleAnz(tav::store::Table &katze) const;
    QString bewertAnz(tav::store::Table &katze) const;
    QString katzenName(int nr) const { return m_namen.value(nr); }
    BildWahl bild(tav::store::Table &katze) const;

    // The fields of pass 1 for the cat under the cursor (upload mode or CSV).
    QStringList katzenZeile(tav::store::Table &katze, const Auswahl &a) const;
    // The header line of the CSV export.
    static QStringList csvKopf();

  private:
    tav::store::Database &m_db;
    Modus m_modus;
    int m_sprache;
    QHash<int, QString> m_rassen, m_adressen, m_namen, m_titel, m_merkmale, m_bewertungen;
    QHash<int, QStringList> m_bilder;
    QString m_eigenerName;
};

// One value as it stands in a semicolon file: line breaks flattened to blanks, a formula
// neutralised (app::csvText); a value holding the separator or a double quote is enclosed in
// quotes with its quotes doubled.
QString upFeld(const QString &wert);
// A date as the files write it: empty for none and for the old tables' zero date (30.12.1899).
QString feldDatum(const QVariant &v);
// A Boolean as "1" or "0" ("True"/"Wahr" too); empty stays empty.
QString feldWahr(const QVariant &v);

// The passes of an upload, in order.
enum Pass {
    PassKatzen = 1,
    PassAdressen,
    PassRassen,
    PassFarben,
    PassMerkmale,
    PassKatzenMerkmale,
    PassWuerfe,
    PassDeckungen,
    PassBilder
};
// "ID", "ad", ... + account + ".csv"
QString passDatei(int pass, const QString &konto);
// Whether the pass runs with these ticks.
bool passAktiv(int pass, const Auswahl &a);

// What a written pass gives back.
struct PassErgebnis {
    enum Status { Ok, NichtGeoeffnet, Fehler } status = Ok;
    QString fehler;
    QStringList bilder; // pass 1 of an upload with pictures: the chosen pictures
};
using Fortschritt = std::function<void(int position, int maximum)>;

// Writes one pass into `datei` (pass 8 appends). `katzenIndex` is the order of pass 1.
PassErgebnis passSchreiben(tav::store::Database &db, int pass, const QString &datei,
                           const Katzenquelle &quelle, const Auswahl &a,
                           const QString &katzenIndex = QString(), const Fortschritt &f = {});

// The cats as a CSV file for spreadsheets: UTF-8 with byte order mark, a header line, every cat.
PassErgebnis csvExport(tav::store::Database &db, const QString &datei, const Auswahl &a,
                       const QString &katzenIndex = QString(), int sprache = 0, const Fortschritt &f = {});

} // namespace tav::online
