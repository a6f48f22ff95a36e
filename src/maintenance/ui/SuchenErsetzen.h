// SuchenErsetzen: the search-and-replace dialog (TFormSuchen_Ersetzen) over a data grid.
#pragma once

#include "maintenance/SuchenErsetzen.h"

#include <QDialog>
#include <QMetaObject>
#include <QPointer>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tav::widgets {
class DBGrid;
} // namespace tav::widgets

namespace tav::maintenance::ui {

// A small stay-on-top dialog that searches the grid's selected column row by row and replaces
// text in it, one hit at a time or in every row after the hit.
class TFormSuchen_Ersetzen : public QDialog
{
    Q_OBJECT
  public:
    explicit TFormSuchen_Ersetzen(QWidget *parent = nullptr);
    ~TFormSuchen_Ersetzen() override;

    void start(tav::widgets::DBGrid *grid, int art); // art 2 = grid editable, 3 = read-only
    // The caller's way in: creates the one dialog (kept while open), starts it on the grid with 2 or 3
    // from the grid's editability, places it as the caller's window asks, shows it.
    static TFormSuchen_Ersetzen *oeffnen(tav::widgets::DBGrid *grid, QWidget *caller);
    static TFormSuchen_Ersetzen *instance();

    bool gestartet = false;              // a search has started and not been reset
    bool abbruch = false;                // the user stopped the running search
    int modus() const { return TMPArt; } // 1 search only, 2 search and replace
    QString feldName() const { return feld; }

    QLineEdit *Editsuche, *Editersetzen;
    QCheckBox *CheckGrossKlein, *CheckGanzesWort;
    QLabel *Label7, *LabelSpalte, *Label1, *Label2; // Label1 + Label2: why nothing is replaced
    QFrame *Panel1;
    QPushButton *BitBtnErsetzen, *BitBtnAlleErsetzen, *BitBtnSuchen, *BitBtnAbbruch, *BitBtnZurueck;

    void Suchen();
    void Ersetzen();
    void AlleErsetzen();
    void Abbrechen();

  protected:
    void closeEvent(QCloseEvent *e) override;

  private:
    void zuruecksetzen();
    void belegen();
    void trefferZeigen();
    void loesen();
    // runs a search or the replacements with "Abbruch" at hand; false when stopped or failed
    bool laufen(const std::function<void(const std::function<bool()> &)> &arbeit);
    tav::store::Table *tabelle() const;
    Suche suche() const;

    QPointer<tav::widgets::DBGrid> TMPDBGrid;
    QMetaObject::Connection m_klick;
    int startArt = 2;
    int TMPArt = 1;
    QString feld;
    bool gefunden = false;
    bool nichtvorhanden = true;
    bool m_sucht = false;
    bool m_hierWeiter = false; // the next search starts on the current row
};

} // namespace tav::maintenance::ui
