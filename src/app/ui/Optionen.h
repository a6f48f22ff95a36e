// Optionen: the options window (TFOptionen): every user setting on twelve pages, and the one-off
// currency conversion of the bookkeeping.
#pragma once

#include "app/OptionenRegeln.h"
#include "widgets/ChildWindow.h"

#include <QStringList>
#include <QVector>
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabBar;
class QTabWidget;

namespace tav::store {
class Database;
}

namespace tav::shell {
class Shell;
}

namespace tav::app::ui {

class TFOptionen : public widgets::ChildWindow
{
    Q_OBJECT
  public:
    explicit TFOptionen(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFOptionen() override;
    static TFOptionen *instance();

    // The page sets of the three openers.
    enum class Seiten { Alle, Verpaarung, Wurfbuch };
    void seitenBeschraenken(Seiten seiten);
    QVector<OptionenSeite> seiten() const;
    QWidget *seite(OptionenSeite s) const { return m_seite[s]; }

    // "&Speichern": checks the number fields, takes the values of the pages shown, applies them and
    // writes their keys. False (the window stays open) when a field holds no number.
    bool speichern();

    QTabWidget *PageControl;
    QPushButton *BitBtnSpeichern, *BitBtnZurueck, *BitBtnHilfe;

    // Stammdaten
    QGroupBox *RadioGroupSortierungStammdaten, *RadioGroupZusatz, *RadioGroupTitel, *RadioGroupSuche,
        *RadioGroupBildAnpassen;
    QComboBox *ComboBoxRasse, *ComboBoxFarbe, *ComboBoxHaarart;
    // Auswahlfenster
    QGroupBox *RadioGroupAnzeige, *GroupBoxStatus, *RadioGroupSortierung;
    QCheckBox *CheckBoxAlle;
    std::array<QCheckBox *, 9> CheckBoxStatus{};
    int statusAnzahl = 0;
    // Stammbaum and Verpaarung: the order lists
    struct Reihenliste {
        QListWidget *liste = nullptr, *auswahl = nullptr;
        QGroupBox *auswahlPanel = nullptr;
        QPushButton *hinzufuegen = nullptr, *entfernen = nullptr, *ok = nullptr;
    };
    Reihenliste Stammbaumliste, Verpaarungsliste;
    QTabBar *TabSetStammbaum;
    QGroupBox *RadioGroupLangBild;
    QString stammbaumTmpAnzeige, StammbaumTmpDrucken, VerpaarungTmpAnzeige;
    // Wurfbuch
    QLineEdit *EditTraechtigkeit, *EditRolligkeit, *EditPlusMinus, *EditAbgabe;
    // Allgemeines
    QComboBox *ComboBoxAufloesung, *ComboBoxSprache;
    QGroupBox *RadioGroupMerkmal, *RadioGroupSpeichern, *RadioGroupHilfe, *RadioGroupFenster;
    QLineEdit *EditTextverarbeitung;
    QPushButton *ButtonSuchen;
    // Währungsumrechnung
    QLineEdit *EditFaktor, *EditUmrechnungBis;
    QPushButton *ButtonUmrechnungStart, *ButtonLetzteUmrechnung, *ButtonPanelStart, *ButtonPanelAbbruch,
        *ButtonKalender, *ButtonErgebnisZurueck, *ButtonWartenAbbruch;
    QFrame *PanelBestaetigung, *PanelWarten, *PanelErgebnis;
    QLabel *LabelPanelFaktor, *LabelErgebnis;
    QProgressBar *ProgressBar;
    // Warnungen
    QCheckBox *CheckVerfallsdatum, *CheckTermine, *CheckImpfung, *CheckWurmkur;
    // Druck-Stammbaum
    QLineEdit *EditLinks, *EditRechts, *EditOben, *EditUnten, *EditBildH, *EditBildV, *EditGenBildH,
        *EditGenBildV, *EditGeneration, *EditBildAufloesung, *EditLogoH, *EditLogoV;
    QGroupBox *RadioGroupBild, *RadioGroupGenBild, *RadioGroupBesitzer;
    QCheckBox *CheckTitelRot, *CheckDoppelte;
    QLabel *LabelLogo, *LabelHintergrund, *ImageLogo, *ImageHintergrund;
    QPushButton *ButtonLogoLaden, *ButtonLogoLoeschen, *ButtonHintergrundLaden, *ButtonHintergrundLoeschen,
        *ButtonGrundStammbaum;
    // Adressen, Druck, Statistiken
    QGroupBox *RadioGroupSucheAdresse;
    QLineEdit *EditDruckOben, *EditDruckLinks, *EditStatistik;
    QPushButton *ButtonGrundDruck;
    // Inzucht
    QComboBox *ComboBoxInzuchtFenster;
    QGroupBox *RadioGroupInzuchtAuto, *RadioGroupVorfahren;
    QLineEdit *EditInzuchtGen, *EditInzuchtStdGen;

    // Takes the values of the shown pages into the settings (the fields hold numbers).
    void uebernehmen(tsysteminfo &s);

    // The picture choosers: a path into the label and its preview.
    void bildSetzen(QLabel *pfad, QLabel *vorschau, const QString &datei);
    // The conversion's buttons.
    void umrechnungStarten();
    void umrechnungAusfuehren();
    void letzteUmrechnung();

  private:
    QWidget *baueStammdaten();
    QWidget *baueAuswahlfenster();
    QWidget *baueStammbaum();
    QWidget *baueWurfbuch();
    QWidget *baueAllgemeines();
    QWidget *baueWarnungen();
    QWidget *baueDruckStammbaum();
    QWidget *baueAdressen();
    QWidget *baueDruck();
    QWidget *baueStatistiken();
    QWidget *baueVerpaarung();
    QWidget *baueInzucht();
    QWidget *baueWaehrung(QWidget *page);
    Reihenliste baueReihenliste(QWidget *page, int tag);
    void reihenlisteFuellen(Reihenliste &r, const QString &order, Reihenfolge::Art art);
    QString reihenlisteOrder(const Reihenliste &r, Reihenfolge::Art art) const;
    void stammbaumTabGewechselt(int neu);

    void fuellen(const tsysteminfo &s);
    void fuellenListe(const tsysteminfo &s);
    void fuellenDruck(const tsysteminfo &s);
    void uebernehmenListe(tsysteminfo &s);
    void uebernehmenDruck(tsysteminfo &s);
    // the number fields of the shown pages that do not hold a number
    QLineEdit *ersteUngueltigeZahl() const;

    tav::store::Database *m_db;
    std::array<QWidget *, SeitenAnzahl> m_seite{};
    int m_sprache = 0;
    int m_stammbaumTab = 0;
    QString m_spracheAlt;
    QVector<int> m_haarartNummer; // LaufendeNummer of each coat-type item
    bool m_abbrechen = false;
};

// The three openers. The main menu's shows all pages; the matings window's the matings order
// only; the cat record window's "Systemparameter" the litter book and inbreeding pages.
void registerOptionen();
TFOptionen *optionenOeffnen(shell::Shell &mw, TFOptionen::Seiten seiten);

} // namespace tav::app::ui
