#pragma once

#include <QVector>
#include <QWidget>
#include <functional>

class QCheckBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::widgets {
class DataSource;
class DBComboBox;
class DBDateEdit;
class DBEdit;
class DBLookupComboBox;
class DBRadioGroup;
class TDBNavigatorSpec;
} // namespace tav::widgets

namespace tav::cats::ui {

// The base-data page of the cat record window: the cat's identity, breed and colours, sex, gene
// code, free titles, coefficients, parents, breeder and owner, the remark, and the window's
// navigator with its save and undo buttons. The window keeps the tables and the record life cycle.
class CatRecordBaseDataPage : public QWidget
{
    Q_OBJECT
  public:
    struct Quellen {
        tav::store::Database *db = nullptr;
        tav::widgets::DataSource *katze = nullptr;
        tav::store::Table *stammbaum = nullptr; // a second cursor over CATSTAMM.DB, for the parents
        tav::store::Table *rasse = nullptr, *status = nullptr, *adressen = nullptr, *farbe = nullptr,
                          *augen = nullptr, *fellart = nullptr, *farbeGen = nullptr;
    };
    // what the page asks of its window
    struct Fenster {
        std::function<int()> aktuelleKatze; // the stored cat shown (0: none or a new one)
        // sets a field of the cat that the user did not type: it is no input of a new cat
        std::function<void(const QString &, const QVariant &)> stillSetzen;
        // during the entry of a missing parent: the stored cat `nr` becomes that parent; false
        // when it cannot (the user was told why)
        std::function<bool(int nr)> ahnUebernehmen;
    };
    CatRecordBaseDataPage(const Quellen &q, Fenster fenster, QPushButton *hilfe, QWidget *parent = nullptr);

    tav::widgets::TDBNavigatorSpec *navigator() const { return m_nav; }
    // the parent fields, where a click shows the parent's summary
    QLineEdit *vaterFeld() const { return m_vater; }
    QLineEdit *mutterFeld() const { return m_mutter; }
    void knoepfeFreigeben(bool speichern, bool rueckgaengig);
    void rueckgaengigFreigeben();
    void nameFokussieren();
    // the save button while a missing parent is entered from the pedigree: "&Speichern->Zurück
    // Stammbaum", else its own caption
    void speichernZurueckStammbaum(bool an);
    // puts the address on the cat as its owner (or breeder), the record in edit state; false
    // when the cat cannot take it
    bool adresseSetzen(bool besitzer, int adresse);
    // the edition's layout: no gene group, breed/colour code or registry titles; the free titles
    void editionEinrichten();

    // what the page shows of the cat and its related records
    // the refresh: parents, traits, titles, addresses, breed/colour code and age
    void katzeAnzeigen();
    // a new or duplicated cat: only what the new record itself holds
    void neueKatzeAnzeigen();
    QString ueberschrift() const;
    void koeffizientenZeigen(const QString &ik, const QString &avk, const QString &rasseAnteile);
    void elternLeeren();
    void merkmaleAnzeigen();
    void bemerkungVorschau();
    // below a main window height of 700 pixels the remark preview gives way
    void kompaktZeigen(bool kompakt);
    void druckBildZeigen(const QString &pfad);
    void druckBildAnpassen(const QString &pfad);
    QString adresseBesitzerText() const;

    // a field of the cat changed by input or program
    void feldGeaendert(const QString &feld);
    // the window moved to another cat: the colour search, the remark panel and the gene code close
    void eingabeZuruecksetzen();

    // a reference list (breeds, coat types, colours, eye colours, titles) was edited: its lists are
    // filled again from the tables
    void referenzListenNeu();

    // the free titles: ticks not yet stored are the title input
    void titelLaden();
    void titelEintragen();
    bool titelEingabe() const { return m_titelEingabe; }
    void titelEingabeVergessen() { m_titelEingabe = false; }
    QVector<bool> titelHaken() const;
    // stores the ticks `haken` (taken before the cat was posted) for the cat shown
    bool titelSpeichern(const QVector<bool> &haken);
    QStringList titelKuerzelAngehakt() const;

    // what was typed into the colour list to find a colour
    QString farbSuche() const { return m_sucheFarbe; }
    bool grosseSchrift() const { return m_grosseSchrift; }

  Q_SIGNALS:
    void speichernGewuenscht();
    void rueckgaengigGewuenscht();
    // the input gives way to the stored cat `nr` (same name, same stud-book number)
    void katzeZeigen(int nr);

  protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
    void changeEvent(QEvent *e) override;

  private:
    // building (CatRecordBaseDataPage.cpp)
    QLayout *identitaetBauen();
    QWidget *genetikBauen();
    QLayout *rechtsBauen();
    void titelBauen(QVBoxLayout *rechts); // CatRecordBaseDataTitles.cpp
    QLayout *untenBauen();
    void zusatzBauen(QGridLayout *haupt);
    QLayout *leisteBauen(QPushButton *hilfe);

    // inputs (CatRecordBaseDataInputs.cpp)
    void DBNameNeu();
    bool duplikatPruefen(const QString &name);
    void zwingerAbleiten();
    void DBzwingerExit();
    void zuchtbuchnummerPruefen();
    void rasseFarbeNeu();
    void SetRFCodeAnz();
    void rfCodeEingabe(const QString &text);
    void gencodeWaehlen();
    void farbListenLaden();
    void farbListeFuellen(tav::widgets::DBComboBox *liste, tav::store::Table *tabelle, bool sortiert,
                          const std::function<QString(const tav::store::Table &)> &eintrag);
    void farbeSuchen(bool augen, const QString &text);

    // the free titles (CatRecordBaseDataTitles.cpp)
    void titelBoxGeklickt();
    bool Titelspeichern();

    // related records (CatRecordBaseDataRelations.cpp)
    bool hatKatze() const;
    void adressenAnzeigen();
    void elternAnzeigen();
    void alterAnzeigen();
    void zusatzInfoZeigen(bool zeigen);
    void elternSuchen(bool vater);

    Quellen m_q;
    tav::store::Database *m_db;
    tav::widgets::DataSource *m_src;
    tav::store::Table *m_katze;
    Fenster m_fenster;
    bool m_grosseSchrift = false;
    bool m_titelEingabe = false;
    bool m_rasseFarbeLaden = false; // the breed/colour code shown belongs to the cat's fields
    QString m_sucheFarbe;
    int m_farbeTreffer = -1, m_augenTreffer = -1; // list rows of the nearest colour found by typing

    tav::widgets::TDBNavigatorSpec *m_nav = nullptr;
    QPushButton *m_speichern = nullptr, *m_rueckgaengig = nullptr;
    tav::widgets::DBEdit *m_name = nullptr, *m_zwinger = nullptr, *m_zbnr1 = nullptr, *m_gencode = nullptr;
    tav::widgets::DBDateEdit *m_geb = nullptr;
    tav::widgets::DBLookupComboBox *m_rasseCombo = nullptr, *m_statusCombo = nullptr,
                                   *m_fellartCombo = nullptr, *m_genoTyp = nullptr;
    tav::widgets::DBComboBox *m_farbeCombo = nullptr, *m_augenCombo = nullptr;
    tav::widgets::DBRadioGroup *m_geschlecht = nullptr;
    QLineEdit *m_rfCode = nullptr, *m_vater = nullptr, *m_mutter = nullptr, *m_alterAkt = nullptr;
    QLineEdit *m_ik = nullptr, *m_avk = nullptr;
    QLabel *m_labelRfCode = nullptr, *m_kreuz = nullptr, *m_erreicht = nullptr, *m_traegt = nullptr;
    QWidget *m_alterPanel = nullptr;
    QGroupBox *m_genetik = nullptr, *m_titelGruppe = nullptr;
    QTabWidget *m_registerTitel = nullptr;
    QWidget *m_titelFlaeche = nullptr;
    QVector<QCheckBox *> m_titelBoxen;
    QVector<int> m_titelNummern;
    QPlainTextEdit *m_rasseProzent = nullptr, *m_merkmaleMemo = nullptr, *m_zuechterMemo = nullptr,
                   *m_besitzerMemo = nullptr, *m_infoVorschau = nullptr, *m_infoZusatz = nullptr;
    QLabel *m_bild = nullptr, *m_keinBild = nullptr;
    QFrame *m_bildPanel = nullptr, *m_zusatzPanel = nullptr;
};

} // namespace tav::cats::ui
