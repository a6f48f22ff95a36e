// StatistikStammbaumFenster: the window of the trait statistics of a pedigree
// (TFormStatistikMerkmaleStammbaum) and its registration with the main window.
#pragma once

#include "app/ui/ChildWindow.h"
#include "printouts/ReportStatistikStammbaum.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tav::store {
class Database;
}

namespace tav::breeding::ui {

class TFormStatistikMerkmaleStammbaum : public tav::app::ui::ChildWindow
{
    Q_OBJECT
  public:
    static constexpr int HilfeKontext = 210;

    explicit TFormStatistikMerkmaleStammbaum(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFormStatistikMerkmaleStammbaum() override;
    static TFormStatistikMerkmaleStammbaum *instance();

    void katzeLaden(qint32 nummer);
    // "Auswertung": false when nothing ran (no trait chosen, no cat)
    bool auswerten();
    tav::printouts::StatistikDruck druckDaten() const;

    qint32 satzKatze = 0;
    QLineEdit *DBEdit1, *EditAnzGen;
    QLabel *Label4, *LabelMerkmale;
    QComboBox *CBFarbe;
    QRadioButton *RBohneMerkmale, *RBmitMerkmale;
    QCheckBox *CheckBoxalleM;
    QListWidget *DBGridMerkmale;
    QPlainTextEdit *Memo1;
    QPushButton *sucheKatze, *BitBtnAuswertung, *BitBtnDruck, *BitBtnHilfe, *BitBtnZurueck;

  private:
    void bauen();
    void listenFuellen();
    void modusGeaendert();

    tav::store::Database *m_db;
};

void registerStatistikStammbaum();

} // namespace tav::breeding::ui
