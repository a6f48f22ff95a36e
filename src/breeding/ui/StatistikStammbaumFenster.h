// StatistikStammbaumFenster: the window of the trait statistics of a pedigree
// (TFormStatistikMerkmaleStammbaum) and its registration with the main window.
#pragma once

#include "printouts/ReportStatistikStammbaum.h"
#include "widgets/ChildWindow.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::widgets {
class DataSource;
class DBGrid;
} // namespace tav::widgets

namespace tav::breeding::ui {

class TFormStatistikMerkmaleStammbaum : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    static constexpr int HilfeKontext = 210;

    explicit TFormStatistikMerkmaleStammbaum(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFormStatistikMerkmaleStammbaum() override;
    static TFormStatistikMerkmaleStammbaum *instance();

    // false when the cat is not in the register (the window stays as it was)
    bool katzeLaden(qint32 nummer);
    // the cat record window shows another cat: loaded, and counted again when it is found
    void followCat(int cat) override;
    bool followsCat() const override { return true; }
    // "Auswertung": false when nothing ran (no trait chosen, no cat), the run failed or was cancelled
    bool auswerten();
    tav::printouts::StatistikDruck druckDaten() const;
    // the names of the traits selected in the grid
    QStringList gewaehlteMerkmale() const;

    qint32 satzKatze = 0;
    bool abbruch = false;
    QLineEdit *DBEdit1, *EditAnzGen;
    QLabel *Label4, *LabelMerkmale;
    QComboBox *CBFarbe;
    QRadioButton *RBohneMerkmale, *RBmitMerkmale;
    QCheckBox *CheckBoxalleM;
    tav::widgets::DBGrid *DBGridMerkmale;
    QPlainTextEdit *Memo1;
    QPushButton *sucheKatze, *BitBtnAuswertung, *BitBtnDruck, *BitBtnHilfe, *BitBtnZurueck;
    // "Bitte warten! Auswertung läuft" with "Abbruch", shown while it counts
    QFrame *PanelWarten;
    QProgressBar *Fortschrittsbalken;
    QPushButton *BitBtnAbbruch;

  protected:
    // a close during the run cancels it; the window closes when asked again afterwards
    void closeEvent(QCloseEvent *e) override;

  private:
    void bauen();
    QWidget *wartePanel();
    void listenFuellen();
    void modusGeaendert();
    void abbrechenFragen();

    tav::store::Database *m_db;
    bool m_laeuft = false;
    bool m_auswertungGeplant = false;
};

void registerStatistikStammbaum();

} // namespace tav::breeding::ui
