// Verpaarungen: the partners, litters and kittens of a cat, derived from its offspring in the
// register, with the statistics of the matings window and its print-out.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tav::store {
class Database;
}

namespace tav::breeding {

// "1" and "3" are male; every other code, unknown and invalid ones too, counts as female.
bool istKater(const QString &geschlecht);

// One kitten of the cat with its other parent.
struct NachwuchsZeile {
    qint32 partner = 0;
    QString partnerName;
    QString partnerGeschlecht;
    qint32 kitten = 0;
    QString kittenName;
    QString kittenGeschlecht;
    QDate gebDatum; // invalid when not recorded
};

// The offspring of `katze` whose other parent is in the register, ordered by partner name, then
// partner number (two partners of one name stay two), newest litter first, then kitten name.
// `kater` chooses which parent field is the cat's.
QVector<NachwuchsZeile> leseNachwuchs(tav::store::Database &db, qint32 katze, bool kater);

struct WurfStatistik {
    int wuerfe = 0;
    int junge = 0;
    int groesste = 0;
    int kleinste = 0;
    int weiblich = 0;
    int maennlich = 0;
    // kittens per litter, one decimal ("2,5"); "0" without litters
    QString durchschnitt(const QLocale &locale) const;
    void zaehleWurf(int groesse);
};

struct Wurf {
    QDate datum;
    QVector<int> zeilen; // indexes into Verpaarungen::zeilen
    WurfStatistik statistik;
};

struct Partner {
    qint32 nummer = 0;
    QString name;
    bool kater = false;
    QVector<Wurf> wuerfe;
    WurfStatistik statistik;
};

// The tree of the matings window: partner -> litter -> kitten, with the statistics of each level.
struct Verpaarungen {
    QVector<NachwuchsZeile> zeilen;
    QVector<Partner> partner;
    WurfStatistik statistik; // of the cat as a whole

    // "  2  Würfe mit  Name": litters, the word for one or more litters, the name; per partner
    QStringList partnerZeilen(const QString &einWurf, const QString &mehrereWuerfe) const;
};

// What the kitten page of the matings window shows of a kitten, and its print-out copies.
struct JungtierDaten {
    QString rasse; // breed name
    QString farbe;
    QString besitzer, zuechter; // adresseAnzeige of the owner and the breeder
    QDate verkauft, gekauft, gestorben;
    QString bemerkung;
};

// "Vorname Name", or the name alone when there is no first name.
QString adresseAnzeige(const QString &vorname, const QString &name);

// The kitten page's data of a cat; look-up tables the register lacks leave their texts empty.
// Empty data for a number not in the register.
JungtierDaten leseJungtier(tav::store::Database &db, qint32 nummer);

// Groups the rows (in the order leseNachwuchs gives them) into partners and litters; a litter is
// the kittens of one partner with one birth date, kittens without a date forming one litter.
Verpaarungen baueVerpaarungen(const QVector<NachwuchsZeile> &zeilen);

} // namespace tav::breeding
