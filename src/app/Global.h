// Global: the global data module (TDatenGlobal): ages, dates and the display texts of a cat.
#pragma once

#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Table.h"

#include <QChar>
#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace tav::app {

class tsysteminfo;

// Parts of an age: alterBerechnen without the unit words.
struct AlterTeile {
    bool leer = true; // a date is missing
    int jahre = 0;
    int monate = 0;
    int wochen = 0;
    int tage = 0;
};
// art 0: ages of cats; art 4: young animals at a weighing (6 < days <= 150 counted in weeks).
// `tod` ends the age when it is set and earlier than `bis`.
AlterTeile alterTeile(int art, const QDate &tod, const QDate &bis, const QDate &von);
// The unit words are captions: 1485 years, 1486 months, 1487 days, 1488 weeks, and for a count of
// one 9960 year, 9961 month, 9962 day, 9963 week (the plural where the singular is missing).
QString alterText(int art, const AlterTeile &teile, const std::function<QString(int tag)> &caption);

// "#RRGGBB" of a stored colour value (low byte red).
QString htmlFarbe(int farbe);
// &, <, > and " of a register value as entities.
QString htmlText(const QString &text);
// Dates of the display texts.
QString datumText(const QDate &date);

// The display texts of one cat: its lines, the picture for print (an existing file), the number of
// its first title code and whether a title leads its name.
struct KatzenTexte {
    QStringList daten;
    QString bild;
    int titelNr = 0;
    bool titelVorhanden = false;
};

// The shared views of the cat table and the tables that describe a cat, and the display texts
// of a cat built from them. One instance lives for the whole run.
class TDatenGlobal : public QObject
{
    Q_OBJECT
  public:
    explicit TDatenGlobal(tav::store::Database *db = tav::store::defaultDatabase(),
                          QObject *parent = nullptr);
    ~TDatenGlobal() override;
    // The instance created last (nullptr when none exists).
    static TDatenGlobal *instance();

    // Where a view that cannot be opened or upgraded is reported (the database error dialog).
    // Without a handler the error is only written as a warning.
    std::function<void(const tav::store::EngineError &, const QString &tableName)> onFehler;
    // Settings the texts are built from; tsysteminfo::instance() when not set.
    void setEinstellungen(const tsysteminfo *settings) { m_settings = settings; }

    // Opens (again) every view with its upgrades; a view that fails is reported and stays closed.
    // The creator calls it once onFehler is set, and again after a restore.
    void Dateienoeffnen();
    void Dateienschliessen();

    // Empty texts for a cat that is not found. Breed and eye colour take their English names
    // (where RASSE.DB and AUGEN.DB hold one) when `ChangeSprache` asks for them and whenever the
    // texts are English.
    KatzenTexte Katzendaten(int typ, int KatzeNr, bool ChangeSprache, int Generation,
                            const QString &Zusatz = QString());
    KatzenTexte KatzendatenVerp(int KatzeNr);
    // The lines of a printed pedigree box: the pedigree print order, the name line without the
    // cat's number, the labels of `languageNumber` (the print's own, whatever the program shows).
    KatzenTexte KatzendatenDruck(int KatzeNr, int languageNumber);
    // The cells of the HTML pedigree (typ 5) with the labels of `languageNumber`, the page's own.
    KatzenTexte KatzendatenHTML(int KatzeNr, int Generation, int languageNumber, bool ChangeSprache);
    // The cat's free titles joined by "/"; empty for a cat without titles or a missing cat.
    QString GetTitel(int tier);
    static QString alterBerechnen(int art, const QDate &tod, const QDate &bis, const QDate &von);
    // Fills Haarart, Haarlos and Faltohr of every breed from RasseErgaenzen.db, else from the
    // breed name. Throws EngineError when the breed table cannot be written.
    void HaarartErgaenzen();

    // pedigree-entry mode: a parent is being entered from the pedigree page
    bool NeuausStb = false;
    int CatNr = 0;
    QString CatNameVM;
    QChar VMZeiger = QLatin1Char(' ');

    // set by the HTML export before it asks for typ 5
    int HTMLAnzahlGenerationen = 4;
    int HTMLFarbeGenerationen = 0; // colour of the generations font

    tav::store::Table *dbKatze;
    tav::store::Table *dbKatzeTitel;
    tav::store::Table *dbTitelHund;
    tav::store::Table *dbTitelName;
    tav::store::Table *dbFarbe;
    tav::store::Table *dbRasse;
    tav::store::Table *dbAugen;
    tav::store::Table *dbBewertung;
    tav::store::Table *dbKatzeMerkmal;
    tav::store::Table *dbMerkmale;
    tav::store::Table *dbAdrDat;
    tav::store::Table *TableFellart;
    tav::store::Table *dbGekVerk;
    tav::store::Table *DBBild;
    tav::store::Table *DBFarbeGen;
    tav::store::Table *dbTMP;

  private:
    tav::store::Database *m_db;
    const tsysteminfo *m_settings = nullptr;
    std::unique_ptr<tav::store::Table> m_eigen;
    bool rasseOK = false;
    int m_druckSprache = -1; // the language of a print in progress, else the program's

    const tsysteminfo &einstellungen() const;
    void melden(const tav::store::EngineError &e, const QString &tableName);
    bool oeffnen(tav::store::Table *view);
    void rasseUpgrade();
    void indexSicherstellen(tav::store::Table *view, const QString &name, const QString &fields);

    // helpers of the display texts (GlobalKatzendaten.cpp)
    // puts the views on the cat and its breed (rasseOK); false when the cat is not found
    bool katzeSuchen(int KatzeNr);
    std::optional<QString> wert(int angabe, bool ChangeSprache);
    QString farbnummer(const QString &farbname, const QString *rasseinfo);
    QString rfCode();
    QString besitzer();
    QString merkmale();
    QString titelText(const int *tokens, int count);
    QString bildWaehlen();
    bool enthaelt(const int *tokens, int count, int token) const;
};

} // namespace tav::app
