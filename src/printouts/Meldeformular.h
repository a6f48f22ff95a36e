// Meldeformular: the show entry forms: the classes and their lines on each registry's form, the
// texts of a form's fields, and what the forms show, filled from the register.
#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace tav::store {
class Database;
}

namespace tav::printouts {

// A class of the European form: the window's check box and its line on the FIFE and on the
// D.R.U. form (empty: that registry has no such class).
struct MeldeKlasse {
    QString box, fife, dru;
};
const QVector<MeldeKlasse> &meldeKlassen();
// The classes a form prints, in its order of lines: indexes into meldeKlassen().
enum class Verband { Allgemein, FIFE, DRU };
QVector<int> klassenDesFormulars(Verband v);

// The CFA classes under their three heads, and the CFA regions "1 North Atlantic" ...
struct CfaKlassenGruppe {
    int tag = 0;
    QString kopf;
    QStringList klassen;
};
const QVector<CfaKlassenGruppe> &cfaKlassen();
int cfaKlassenAnzahl();
const QStringList &cfaRegionen();

// Title text, a blank and the name; the name alone without a title.
QString mitTitel(const QString &titel, const QString &name);
// A birth date for the CFA form: month/day/four-digit year, whatever the locale says.
QString cfaDatum(const QDate &d);
// The colour class number of a coat colour: Farbnummer of the FARBE.DB row whose Farbname is
// `fellFarbe`; empty when there is none.
QString farbklasse(store::Database &db, const QString &fellFarbe);

// What the forms show. The window fills it from the register, the user corrects it; nothing of
// it is written back.
struct Meldung {
    // show
    QString datum, ort, verein;
    bool samstag = false, sonntag = false;
    // exhibitor: the breeder's own data
    QString aussteller, telefon, telefax, email, strasse, plz, ort2, land, mitgliedBei, mitgliedsnummer;
    QString plzOrt() const { return (plz + QLatin1Char(' ') + ort2).trimmed(); }
    // cat
    QString name, nameOhneTitel, gebDatum, cfaGebDatum, rasse, ems, zuchtbuchNr, chipNr, farbe, farbklasse,
        zuechter, zuechterOrt, augenfarbe, geschlecht, geschlechtCode;
    QString vater, mutter, vaterFarbe, mutterFarbe, vaterEms, mutterEms, vaterZuchtbuch, mutterZuchtbuch;
    // entry
    QString anzahl, einzelKaefige, doppelKaefige, doppelKaefigEineKatze, plazierung;
    bool verkaeuflich = false;
    QString bank, blz, konto;
    QVector<bool> klassen = QVector<bool>(meldeKlassen().size(), false);
    bool steward = false, zahlungEinlass = false, einzug = false, ueberweisung = false, gutschein = false;
    QString ausgestellt; // today, short format
    // CFA
    QString vertreter, vertreterStrasse, vertreterPlz, vertreterOrt, vertreterLand, vertreterTelefon;
    QVector<bool> cfa = QVector<bool>(cfaKlassenAnzahl(), false);
    bool extrakaefig = false, pflegeplatz = false, vereinsmitglied = false;
    QString kaefigNeben, idnr;
    int region = 0; // 1..9, 0 none
};

// Fills the form of cat `katze` from the register: the breeder's own data (EIGEN.DB, the club of
// ZUSATZ.DB), the cat, its breeder and its parents with their titles. `sprache` 1 takes the
// English breed names; `caption` gives the sex words. An unknown cat leaves the cat's fields empty.
Meldung meldungLesen(store::Database &db, int katze, int sprache, const std::function<QString(int)> &caption,
                     const QDate &heute = QDate::currentDate());

// The registries' texts a form prints that the program does not make: office lines, price notes,
// declarations. Read from a TSV file of key, German, English, Dutch, French; several rows of one
// key are several lines.
class FormularTexte
{
  public:
    // false when the file cannot be read
    bool lesen(const QString &pfad);
    // The lines of `key` in language `lang` ("de", "en", "nl", "fr"); a missing Dutch or French
    // text falls back to English.
    QStringList zeilen(const QString &key, const QString &lang) const;
    bool leer() const { return m_texte.isEmpty(); }

  private:
    QHash<QString, QVector<QStringList>> m_texte; // key -> rows of {de, en, nl, fr}
};
// The delivered file, data/forms/Meldeformulare.tsv.
QString formularTextePfad();
// "de", "en" or "nl" of a language number
QString sprachKuerzel(int sprache);

} // namespace tav::printouts
