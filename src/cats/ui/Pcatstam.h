// Pcatstam: the cat record window (TFormCatStamm): its tables, pages and record life cycle.
#pragma once

#include "store/Table.h"
#include "widgets/ChildWindow.h"

#include <QVector>
#include <memory>

class QPushButton;
class QTabWidget;

namespace tav::widgets {
class DataSource;
class TDBNavigatorSpec;
} // namespace tav::widgets

namespace tav::breeding {
class InzuchtBerechnung;
class StorePedigree;
} // namespace tav::breeding

namespace tav::cats::ui {

class CatRecordBaseDataPage;
class CatRecordHealthPage;
class CatRecordLitterPage;
class CatRecordPicturePage;
class CatRecordShowsPage;
class CatRecordStudBookPage;
struct ZuchtQuellen;
class PostCheck;

// The cat record window: a notebook over the current record of CATSTAMM.DB; every other table of
// the window follows that record through a master link on its number.
class TCatStamm : public tav::widgets::ChildWindow
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
    // a reference list changed: its table is read again and the combos over it list the change
    void referenzTabelleNeuLaden(const QString &datei);

    // main window commands
    void KatzeNeu();
    void KatzeKopieren();
    bool Speichern(); // "Speichern": the cat, then pending title rows
    // before a print-out: the entries still being typed in the logs and books of the pages
    bool ausstehendeSpeichern();
    void Rueckgaengig();
    bool KatzeLoeschen();
    bool zeigeKatze(int nr);
    int aktuelleKatze() const;
    // During the entry of a missing parent from the pedigree page: the stored cat `nr` becomes that
    // parent at once, the new record gives way and the pedigree is shown again. False (the user
    // told why, the name field focused) when the cat does not fit the gap.
    bool ahnUebernehmen(int nr);

    // what print-outs read: the picture chosen for print
    QString bildFuerDruck() const;
    // the mating-book row shown on the stud-book page (0: none)
    int deckbuchZeile() const;
    // the litter shown on the stud-book page (0: none)
    int wurfbuchZeile() const;
    // the litters, their weighings and kittens read again from the register
    void wurfbuchNeuLesen();

    // for the owner of the window and tests
    tav::store::Table *DBCatStamm() const { return m_katze; }
    tav::widgets::DataSource *DataSourceCatStamm() const { return m_src; }
    QTabWidget *notebook() const { return m_notebook; }
    QWidget *page(Seite s) const { return m_pages.value(int(s)); }
    void showPage(Seite s);
    tav::widgets::TDBNavigatorSpec *navigator() const;
    // the tables that could not be opened at creation, by file name
    QStringList nichtGeoeffnet() const { return m_fehlend; }
    CatRecordBaseDataPage *basisSeite() const { return m_basis; }
    CatRecordPicturePage *bildSeite() const { return m_bildSeite; }
    CatRecordLitterPage *wurfSeite() const { return m_wurfSeite; }
    CatRecordStudBookPage *zuchtbuchSeite() const { return m_zuchtbuchSeite; }
    CatRecordHealthPage *medSeite() const { return m_medSeite; }

  protected:
    void closeEvent(QCloseEvent *e) override;
    void activated() override;
    // the record window is where the user works all day: Escape does not take it away
    bool closesOnEscape() const override { return false; }
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
        tav::widgets::DataSource *source = nullptr;
    };

    // creation (Pcatstam.cpp)
    void tabellenOeffnen();
    bool oeffnen(tav::store::Table *t);
    tav::store::Table *neueTabelle(const QString &file, const QString &index, bool readOnly = false);
    Detail neuesDetail(const QString &file, const QString &index, const QString &masterFields);
    // the litter book, matings, pregnancies and birth data (CatRecordBreedingTables.cpp)
    ZuchtQuellen zuchtTabellenOeffnen();
    // the litter data, medical and stud-book pages over them
    void zuchtSeitenBauen();
    void reparieren();
    void editionLayout();
    void seitenBauen();
    QWidget *basisSeiteBauen();

    // life cycle (PcatstamDatensatz.cpp)
    bool pruefenVorPost(); // messages 217, 148 and 169; false keeps the record from posting
    void nachPost();
    void nachScroll();
    void vorScroll();
    bool posten();
    // the pending input of the tables that follow the cat, before it is left; false keeps the cat
    bool eintraegeVorWechsel();
    void hauptlisteAktualisieren(int nr);
    // Before the window leaves a new cat: typed input is saved, dropped or kept as the user
    // answers (message 9150); a new cat without input is dropped. True when the window may go on.
    bool neueKatzeVerlassen();
    // appends the new cat with `werte` set, as the user had not typed them
    void neueKatzeBeginnen(const QList<QPair<QString, QVariant>> &werte);
    // what a new or duplicated cat shows of itself before it is stored
    void neueKatzeAnzeigen();

    // page 0 is a class of its own; the window sets fields for it without counting them as input
    void feldStillSetzen(const QString &feld, const QVariant &wert);

    // the pages: each a class of its own (CatRecord*Page), made and wired in Pcatstam.cpp
    QWidget *leereSeite(int helpContext);
    void bilderLaden();
    QPushButton *hilfeKnopf(int context, QWidget *parent);

    // window state
    int m_tagTmpNeueKatze = 0; // 1 while a new cat is being entered
    bool m_neuerIndex = false;

    tav::store::Database *m_db;
    // data sets
    tav::store::Table *m_katze = nullptr;     // DBCatStamm
    tav::store::Table *m_stammbaum = nullptr; // DBStammbaum, second cursor
    tav::store::Table *m_rasse = nullptr, *m_status = nullptr, *m_adr = nullptr, *m_farbe = nullptr,
                      *m_augen = nullptr, *m_fellart = nullptr, *m_merkmale = nullptr, *m_farbeGen = nullptr;
    tav::widgets::DataSource *m_src = nullptr;
    PostCheck *m_check = nullptr;
    Detail m_bilder, m_dokumente, m_verkauft, m_katzeMerkmal, m_eigeneInfo, m_ausstellung, m_tica, m_cfa,
        m_bewertung, m_zuchtwert, m_wurfbuch, m_deckbuch, m_schwanger, m_eigenerZusatz, m_wurfFehler,
        m_rolligkeiten, m_gewichtstabelle, m_impfung, m_wurmkur, m_arztbesuch, m_krankenblatt;
    // the weighings and kittens of the litter shown
    tav::widgets::DataSource *m_gewichte = nullptr, *m_jungtiere = nullptr;
    QStringList m_fehlend;
    QVector<tav::store::Table *> m_alle;

    // controls
    QTabWidget *m_notebook = nullptr;
    QVector<QWidget *> m_pages;
    CatRecordBaseDataPage *m_basis = nullptr;
    CatRecordPicturePage *m_bildSeite = nullptr;
    CatRecordShowsPage *m_ausstellungSeite = nullptr;
    CatRecordLitterPage *m_wurfSeite = nullptr;
    CatRecordStudBookPage *m_zuchtbuchSeite = nullptr;
    CatRecordHealthPage *m_medSeite = nullptr;

    void setTitel(const QString &text);
    // the caption of the cat shown (name, birth date, colour), empty without a cat
    void titelNeu();
    // the windows that follow the current cat read it: when another cat is shown, or `geaendert`
    void katzeMelden(bool geaendert);
    Anlass m_anlass = Anlass::Navigation;
    bool m_inRefresh = false;
    int m_vorherigeKatze = 0;
    bool m_neueEingabe = false; // the user changed a field of the new cat
    int m_spruenge = 0;         // moves to another cat; a return planned before one is dropped
};

// Registers the window with the main window and fills the cat record entry points (new cat,
// duplicate, save, show a cat, refresh). Called once by the program entry.
void registerCatStamm();

} // namespace tav::cats::ui
