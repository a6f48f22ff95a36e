// Wurfmeldung: what the litter registration, the litter data sheet and the litter book show of a
// queen's litter, read from the register.
#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

#include <memory>

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::printouts {

// A caption of the catalogue by tag, in the language of the print.
using Beschriftung = std::function<QString(int tag)>;

// Captions and messages these print-outs take from the catalogue.
enum WurfTag {
    TagWortMaennlich = 1429,
    TagWortWeiblich = 1430,
    TagWortUnbekannt = 9063,
    MeldungNurZehn = 6200,       // message: kittens beyond the tenth
    MeldungFuenfUndFuenf = 6201, // message: kittens that find no row on a 5+5 form
};

constexpr int MaxJungtiere = 10;
constexpr int ZeilenJeGeschlecht = 5;

// The registry titles before a name: the W&CF text, "/" and the TICA text, or the one that is set.
// A neutered cat ("3", "4") holds them in its neuter fields; a cat without a sex code has none.
struct RegisterTitel {
    QString ger1, usa1, ger2, usa2;
};
QString titelUndName(const QString &geschlecht, const RegisterTitel &t, const QString &name);

// The owner lines of a parent: "Name, Vorname", street, "PLZ Ort", telephone, fax.
struct Besitzerzeilen {
    QString besitzer, strasse, ort, telefon, fax;
};
Besitzerzeilen besitzerzeilen(const QString &name, const QString &vorname, const QString &strasse,
                              const QString &plz, const QString &ort, const QString &telefon,
                              const QString &fax);

// A litter count "m/w": both "0" by default; no "/" gives the whole text as m; "/3" gives 0 and 3;
// otherwise the text before the first "/" and the text after it ("2/" gives 2 and empty).
struct Anzahl {
    QString m = QStringLiteral("0"), w = QStringLiteral("0");
};
Anzahl anzahlTeilen(const QString &text);

struct Elternteil {
    QString name; // titles and name
    QString rasse, farbe, farbnummer, zuchtbNr, gebDatum, chipNr;
    Besitzerzeilen besitzer;
    QString zwingerNr, mitglNr; // the user fills them in
};

struct Jungtier {
    QString name, geschlecht, rasse, augenfarbe, fellfarbe, farbnummer;
    bool maennlich = false;
};

struct Wurfmeldung {
    QString deckdatum, gebDatum, jungtiere, mitgliedsnummer, zwinger;
    Elternteil vater, mutter;
    QVector<Jungtier> kitten;     // at most ten, in index order
    QStringList nichtAufgenommen; // kittens of the litter beyond the tenth
};

// Males and females in their order of the list, five rows each on the registry forms; those that
// find no row are named, never dropped unsaid.
struct FuenfUndFuenf {
    QVector<Jungtier> kater, katzen;
    QStringList ohneZeile;
};
FuenfUndFuenf fuenfUndFuenf(const QVector<Jungtier> &kitten);

// A kitten as a grid row gives it: name, sex word, breed, eye colour, coat colour; the sex counts
// as male when the word is `maennlich` (any case) or "1,0"; none for a row without any text.
std::optional<Jungtier> jungtierDerZeile(const QStringList &zellen, const QString &maennlich);

// "males/females" over the kittens shown.
QString jungtierZahlen(const QVector<Jungtier> &kitten);

// The litter of a queen: record `wurf` of WURFBUCH.DB, or the one born on `wurftag`, when it is
// hers; else her latest (by mating date, as the litter page lists them); none without a litter.
struct Wurf {
    int nr = 0, katze = 0, kater = 0;
    QDate beginnRollig, decktermin, decktermin2, wurftag;
    QString wurfbez, wurfstaerke, totgeboren, verendet, ammenaufzucht, eingeschlaefert, verblieben,
        endabnahme, verfassung, besichtvon, abnahmevon, bemerkung;
    QDate besichtam, abnahmeam;
};
std::optional<Wurf> wurfLesen(tav::store::Database &db, int katze, int wurf = 0, const QDate &wurftag = {});

// The litter registration filled from the register (the window's fields before any correction);
// the sex words come from `text`.
Wurfmeldung wurfmeldungLesen(tav::store::Database &db, int katze, const std::optional<Wurf> &wurf,
                             const Beschriftung &text);

// A table opened for reading, on `index` when given.
std::unique_ptr<tav::store::Table> lesend(tav::store::Database &db, const QString &name,
                                          const QString &index = QString());
// dd.MM.yyyy, empty for no date
QString kurzesDatum(const QDate &d);

// The registries' office lines and the forms' declarations in language `sprache` (0 de, 1 en,
// 2 nl) by key, read from the delivered data's forms/Wurfmeldung.tsv (Schluessel, de, en, nl);
// the German text where a language's cell is empty, none when the file is missing.
using Formtexte = QHash<QString, QString>;
Formtexte formtexteLesen(int sprache, const QString &datei = QString());

// The colour number of a colour name (FARBE.DB by Farbname); empty when unknown.
QString farbnummer(tav::store::Database &db, const QString &farbname);
// The colour numbers of the parents and kittens from their (possibly corrected) colour names.
void farbnummernErgaenzen(tav::store::Database &db, Wurfmeldung &m);

} // namespace tav::printouts
