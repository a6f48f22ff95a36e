// AdressSuchDlg: the address search dialog.
#pragma once

#include "cats/ui/KatzeGefunden.h"
#include "office/AdressSuche.h"

#include <QDialog>
#include <limits>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tav::store {
class Database;
}

namespace tav::office::ui {

// "Suche aus der Adressendatei": nine criteria, "&Suchen" runs the search and toggles the result
// grid, a single hit is copied into the criteria. In several-rows mode the grid selects many rows
// and "alle Markieren" selects them all (the group e-mail).
class TSuchenAdrDlg : public QDialog
{
    Q_OBJECT
  public:
    explicit TSuchenAdrDlg(tav::store::Database *db, QWidget *parent = nullptr);

    void setMehrfachauswahl(bool on);
    // clears the criteria and fills the status box again (the dialog's activation)
    void vorbereiten();

    AdressKriterien kriterien() const;
    void setKriterien(const AdressKriterien &k);
    // runs the search (or hides the grid when it is shown)
    void suchen();
    const QVector<AdressTreffer> &ergebnis() const { return m_ergebnis; }
    // the address chosen: the grid's current row, or the single hit (0: none)
    int gewaehlteNummer() const;
    // the rows marked in the grid, in the result's order
    QVector<AdressTreffer> markiert() const;
    void alleMarkieren();

    QLineEdit *EName, *Evorname, *EZwinger, *ETelefon, *ERasse, *EPLZ, *EOrt, *ELand;
    QComboBox *ComboBoxStatus;
    QTableWidget *Ergebnis;
    QLabel *Anzahl;
    QPushButton *Suchen, *Ok, *Abbruch, *Hilfe, *AlleMarkieren;

  private:
    void trefferUebernehmen(int zeile);
    void rasterZeigen(bool on);

    tav::store::Database *m_db;
    QVector<AdressTreffer> m_ergebnis;
    int m_uebernommen = -1; // the hit copied into the criteria
    static constexpr int KeinLinks = std::numeric_limits<int>::min();
    int m_links = KeinLinks; // where the dialog stood before the grid widened it
};

// Runs the dialog to pick one address; 0 when cancelled or nothing chosen.
int adresseWaehlen(QWidget *parent, tav::store::Database *db);

// "Name gefunden": "Neuaufnehmen" (Accepted) keeps the new address, "Abbrechen" drops it.
class TFormAdressegefunden : public tav::cats::ui::TFormKatzegefunden
{
    Q_OBJECT
  public:
    explicit TFormAdressegefunden(QWidget *parent = nullptr);
};

} // namespace tav::office::ui
