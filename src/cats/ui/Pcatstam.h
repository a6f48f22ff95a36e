#pragma once

#include "app/ui/ChildWindow.h"
#include "store/Table.h"

#include <QPointer>
#include <QVector>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabBar;
class QTabWidget;
class QToolButton;

namespace tav::app::ui {
class DataSource;
class DBComboBox;
class DBDateEdit;
class DBEdit;
class DBGrid;
class DBLookupComboBox;
class DBMemo;
class DBRadioGroup;
class TDBNavigatorSpec;
class TMirravel;
} // namespace tav::app::ui

namespace tav::breeding {
class InzuchtBerechnung;
class StorePedigree;
} // namespace tav::breeding

namespace tav::cats::ui {

class CatRecordPicturePage;
class CatRecordShowsPage;
class PostCheck;

// The cat record window: a notebook over the current record of CATSTAMM.DB; every other table of
// the window follows that record through a master link on its number.
class TCatStamm : public tav::app::ui::ChildWindow
{
    Q_OBJECT
  public:
    // who asks for a refresh: only the settings and the pedigree leave the recent-cats list alone
    enum class Anlass { Navigation, Hauptfenster, Einstellungen, Stammbaum };
    enum Seite {
        SeiteStammdaten,
        SeiteStammbaum,
        SeiteBild,
        SeiteZusatzinfo,
        SeiteWurfdaten,
        SeiteMedDaten,
        SeiteZuchtbuch,
        SeiteAusstellung,
        SeiteDokumente,
        SeiteZuchtwert
    };

    explicit TCatStamm(tav::store::Database *db, QWidget *parent = nullptr);
    ~TCatStamm() override;
    static TCatStamm *instance();

    // operations the rest of the program calls
    void TitelKatzeNeu(Anlass anlass = Anlass::Navigation);
    void TabbedNotebook1Click();
    void FensterTierAendern();
    void FensterAnpassen();
    void DBFarbeAfterOpen();
    void DBAugenfarbeAfterOpen();
    void TitelLaden();
    // a reference list changed: its table is read again and the combos over it list the change
    void referenzTabelleNeuLaden(const QString &datei);

    // main window commands
    void KatzeNeu();
    void KatzeKopieren();
    bool Speichern(); // "Speichern": the cat, then pending title rows
    void Rueckgaengig();
    bool KatzeLoeschen();
    bool zeigeKatze(int nr);
    int aktuelleKatze() const;

    // what print-outs read: the picture chosen for print
    QString bildFuerDruck() const;
    QString adresseBesitzerText() const;

    // for the owner of the window and tests
    tav::store::Table *DBCatStamm() const { return m_katze; }
    tav::app::ui::DataSource *DataSourceCatStamm() const { return m_src; }
    QTabWidget *notebook() const { return m_notebook; }
    QWidget *page(Seite s) const { return m_pages.value(int(s)); }
    void showPage(Seite s);
    tav::app::ui::TDBNavigatorSpec *navigator() const { return m_nav; }
    QStringList titelKuerzelAngehakt() const;
    // the tables that could not be opened at creation, by file name
    QStringList nichtGeoeffnet() const { return m_fehlend; }
    // titles ticked and not yet stored
    bool titelEingabe() const { return m_titelEingabe; }
    CatRecordPicturePage *bildSeite() const { return m_bildSeite; }
    // what was typed into the colour list to find a colour
    QString farbSuche() const { return m_sucheFarbe; }
    bool grosseSchrift() const { return m_grosseSchrift; }

  protected:
    void closeEvent(QCloseEvent *e) override;
    void activated() override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

  private:
    // the coefficients of the cat shown, by the inbreeding calculation in quick mode
    bool inzuchtAnzeigen(int katze, int vater, int mutter);
    std::unique_ptr<tav::breeding::StorePedigree> m_stammbaumQuelle;
    std::unique_ptr<tav::breeding::InzuchtBerechnung> m_inzucht;

    friend class PostCheck;
    struct Detail {
        tav::store::Table *table = nullptr;
        tav::app::ui::DataSource *source = nullptr;
    };

    // creation (Pcatstam.cpp)
    void tabellenOeffnen();
    bool oeffnen(tav::store::Table *t);
    tav::store::Table *neueTabelle(const QString &file, const QString &index, bool readOnly = false);
    Detail neuesDetail(const QString &file, const QString &index, const QString &masterFields);
    void reparieren();
    void editionLayout();
    void seitenBauen();

    // life cycle (PcatstamDatensatz.cpp)
    bool pruefenVorPost(); // messages 217, 148 and 169; false keeps the record from posting
    void nachPost();
    void nachScroll();
    void vorScroll();
    bool posten();
    void hauptlisteAktualisieren(int nr);
    // Before the window leaves a new cat: typed input is saved, dropped or kept as the user
    // answers (message 9150); a new cat without input is dropped. True when the window may go on.
    bool neueKatzeVerlassen();
    // appends the new cat with `werte` set, as the user had not typed them
    void neueKatzeBeginnen(const QList<QPair<QString, QVariant>> &werte);
    // what a new or duplicated cat shows of itself before it is stored
    void neueKatzeAnzeigen();

    // page 0: building it (PcatstamStammdaten.cpp), its inputs (PcatstamEingaben.cpp), what it shows of
    // related records and the parent search (PcatstamEltern.cpp)
    QWidget *seiteStammdatenBauen();
    void DBNameNeu();
    bool duplikatPruefen(const QString &name);
    void zwingerAbleiten();
    void DBzwingerExit();
    void SetRFCodeAnz();
    void rfCodeEingabe(const QString &text);
    void TitelEintragen();
    bool Titelspeichern();
    void titelBoxGeklickt();
    void adressenAnzeigen();
    void alterAnzeigen();
    void bemerkungVorschau();
    void elternAnzeigen();
    void merkmaleAnzeigen();
    void zuchtbuchnummerPruefen();
    void elternSuchen(bool vater);
    void gencodeWaehlen();
    void farbeSuchen(bool augen, const QString &text);
    // fills a colour list from its table, with the entry text `eintrag` makes of a row
    void farbListeFuellen(tav::app::ui::DBComboBox *liste, tav::store::Table *tabelle, bool sortiert,
                          const std::function<QString(const tav::store::Table &)> &eintrag);
    void zusatzInfoZeigen(bool zeigen);

    // the other pages: each a class of its own (CatRecord*Page), made and wired in Pcatstam.cpp
    QWidget *leereSeite(int helpContext);
    void bilderLaden();
    // page 0 shows the picture that represents the cat
    void druckBildZeigen(const QString &pfad);
    QPushButton *hilfeKnopf(int context, QWidget *parent);

    // window state
    bool m_titelEingabe = false;
    bool m_hundGespeichert = false;
    int m_zaehlerTitel = 0;
    bool m_rasseFarbeLaden = false;
    int m_tagTmpNeueKatze = 0; // 1 while a new cat is being entered
    bool m_neuerIndex = false;
    QString m_sucheFarbe;
    bool m_grosseSchrift = false;

    tav::store::Database *m_db;
    // data sets
    tav::store::Table *m_katze = nullptr;     // DBCatStamm
    tav::store::Table *m_stammbaum = nullptr; // DBStammbaum, second cursor
    tav::store::Table *m_rasse = nullptr, *m_status = nullptr, *m_adr = nullptr, *m_farbe = nullptr,
                      *m_augen = nullptr, *m_fellart = nullptr, *m_merkmale = nullptr, *m_farbeGen = nullptr;
    tav::app::ui::DataSource *m_src = nullptr;
    PostCheck *m_check = nullptr;
    Detail m_bilder, m_dokumente, m_verkauft, m_katzeMerkmal, m_eigeneInfo, m_ausstellung, m_tica, m_cfa,
        m_bewertung, m_zuchtwert;
    QStringList m_fehlend;
    QVector<tav::store::Table *> m_alle;

    // controls
    QTabWidget *m_notebook = nullptr;
    QVector<QWidget *> m_pages;
    tav::app::ui::TDBNavigatorSpec *m_nav = nullptr;
    QPushButton *m_speichern = nullptr, *m_rueckgaengig = nullptr;
    tav::app::ui::DBEdit *m_name = nullptr, *m_zwinger = nullptr, *m_zbnr1 = nullptr, *m_taeto = nullptr;
    QLabel *m_labelZbnr1 = nullptr, *m_labelTaeto = nullptr;
    tav::app::ui::DBDateEdit *m_geb = nullptr;
    tav::app::ui::DBLookupComboBox *m_rasseCombo = nullptr, *m_statusCombo = nullptr,
                                   *m_fellartCombo = nullptr, *m_genoTyp = nullptr;
    tav::app::ui::DBComboBox *m_farbeCombo = nullptr, *m_augenCombo = nullptr;
    tav::app::ui::DBRadioGroup *m_geschlecht = nullptr;
    QLineEdit *m_rfCode = nullptr, *m_vater = nullptr, *m_mutter = nullptr, *m_alterAkt = nullptr;
    QLabel *m_labelRfCode = nullptr, *m_kreuz = nullptr, *m_erreicht = nullptr;
    QWidget *m_alterPanel = nullptr;
    QGroupBox *m_genetik = nullptr, *m_titelGruppe = nullptr;
    QTabWidget *m_registerTitel = nullptr;
    QWidget *m_titelFlaeche = nullptr;
    QVector<QCheckBox *> m_titelBoxen;
    QVector<int> m_titelNummern;
    QLineEdit *m_ik = nullptr, *m_avk = nullptr;
    QPlainTextEdit *m_rasseProzent = nullptr, *m_merkmaleMemo = nullptr, *m_zuechterMemo = nullptr,
                   *m_besitzerMemo = nullptr, *m_infoVorschau = nullptr;
    QLabel *m_bildSeite0 = nullptr;
    QFrame *m_bildPanel0 = nullptr;
    QLabel *m_keinBild = nullptr;
    QPushButton *m_vaterSuchen = nullptr, *m_mutterSuchen = nullptr;
    QWidget *m_zuchtsperre = nullptr;
    QFrame *m_zusatzPanel = nullptr;
    QPlainTextEdit *m_infoZusatz = nullptr;
    tav::app::ui::DBEdit *m_gencode = nullptr;
    QLabel *m_traegt = nullptr;
    QPushButton *m_aendern = nullptr;
    int m_farbeTreffer = -1, m_augenTreffer = -1; // list rows of the nearest colour found by typing

    CatRecordPicturePage *m_bildSeite = nullptr;

    // other pages
    CatRecordShowsPage *m_ausstellungSeite = nullptr;

    void setTitel(const QString &text);
    Anlass m_anlass = Anlass::Navigation;
    bool m_inRefresh = false;
    bool m_alterBreit = false;
    int m_vorherigeKatze = 0;
    bool m_neueEingabe = false; // the user changed a field of the new cat
    int m_spruenge = 0;         // moves to another cat; a return planned before one is dropped
};

// Registers the window with the main window and fills the cat record entry points (new cat,
// duplicate, save, show a cat, refresh). Called once by the program entry.
void registerCatStamm();

} // namespace tav::cats::ui
