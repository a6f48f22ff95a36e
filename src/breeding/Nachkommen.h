// Nachkommen: the offspring of a cat as the two descendant windows and their print-out read them.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>
#include <optional>

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::breeding {

// A cat sires its offspring through their Vater when it is a tom or neutered tom ("1", "3");
// every other value, also an unknown or invalid one, counts as female (Mutter).
bool ueberVater(const QString &geschlecht);
// The offspring index of that side (birth date, then name).
QString nachkommenIndex(const QString &geschlecht);
// "m", "w"/"f", "m/k", "w/k"/"f/k" by language (0 German, else English); empty for another code.
QString geschlechtKurz(const QString &geschlecht, int sprache);
// "Rasse / Farbe", or the colour alone without a breed.
QString rasseFarbeText(const QString &rasse, const QString &farbe);
// "Name, Vorname", or the name alone.
QString personText(const QString &name, const QString &vorname);
// A tree node's text: "Name {12}"; the number in braces names the cat.
QString knotenText(const QString &name, qint32 nummer);
// The number in the last braces of a node text; 0 when there is none.
qint32 knotenNummer(const QString &text);
// The data memo of the descendant tree: the first line of the cat's texts, the dam line and the sire
// line (each only with a name), then the remaining lines.
QStringList datenMitEltern(const QStringList &daten, const QString &mutterZeile, const QString &vaterZeile);

// The cat whose offspring are read.
struct Elterntier {
    qint32 nummer = 0;
    QString name;
    QString geschlecht;
    QDate gebDatum;
    QString fellFarbe;
    QString rasse; // breed name, empty without one
    qint32 vater = 0, mutter = 0;
};

// One offspring as a card or a line of the print-out shows it.
struct Nachkomme {
    qint32 nummer = 0;
    QString name;
    QDate gebDatum;
    QString geschlecht; // stored code
    QString geschl;     // shown: geschlechtKurz
    QString fellFarbe;
    QString rasse;             // breed name
    QString rasseFarbe;        // rasseFarbeText
    QString besitzer;          // personText of the owner
    QString zuechter;          // personText of the breeder
    QString andererElternteil; // the dam for a male parent, the sire otherwise
    QString merkmale;          // trait codes joined by "/" in the order of the cat's trait rows
};

// Reads cats and their offspring from the register. The look-up tables (breeds, addresses,
// traits) that cannot be opened are listed in fehlend() and their texts stay empty; a failure of
// the cat table itself throws EngineError.
class NachkommenLeser
{
  public:
    explicit NachkommenLeser(tav::store::Database &db, int sprache = 0);
    ~NachkommenLeser();
    QStringList fehlend() const { return m_fehlend; }

    std::optional<Elterntier> katze(qint32 nummer);
    // Offspring in index order (birth date, then name); with `vollstaendig` false only number,
    // name and sex are read, as the tree needs.
    QVector<Nachkomme> nachkommen(const Elterntier &eltern, bool vollstaendig = true);
    QVector<Nachkomme> nachkommen(qint32 nummer, bool vollstaendig = true);
    // The name of a cat, empty for 0 or a number not in the register.
    QString name(qint32 nummer);

  private:
    tav::store::Table *lookup(const QString &datei, const QString &index = QString());
    QString rasseName(qint32 rcode);
    QString person(qint32 nr);
    QString merkmale(qint32 katze);

    tav::store::Database &m_db;
    int m_sprache;
    std::unique_ptr<tav::store::Table> m_katze, m_vaterKinder, m_mutterKinder;
    std::unique_ptr<tav::store::Table> m_rasse, m_adressen, m_katzeMerkmal, m_merkmale;
    QStringList m_fehlend;
};

// Makes sure CATSTAMM.DB has the two offspring indexes (fields "Vater;GebDatum;Name" and
// "Mutter;GebDatum;Name"), adding a missing one. Returns the names added. Throws EngineError.
QStringList nachkommenIndexePruefen(tav::store::Database &db);

} // namespace tav::breeding
