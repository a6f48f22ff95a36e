// Psuchdlg: the cat search dialog.
#pragma once

#include "cats/CatSearch.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QToolButton;

namespace tav::store {
class Database;
}

namespace tav::cats::ui {

// The cat search dialog ("Suche"): ten optional criteria, the sex restriction of the caller, a
// result grid that opens beside the criteria when several cats are found. The chosen cat is the
// current row of the result (aktuell()); "&OK" accepts, "&Abbruch" rejects.
class TSuchenDlg : public QDialog
{
    Q_OBJECT
  public:
    explicit TSuchenDlg(tav::store::Database *db = nullptr, QWidget *parent = nullptr);

    // Who asks and which of its buttons holds the focus; set before showing. `formular` is the
    // caller code 0..3.
    Aufrufer aufrufer;
    // during an ancestor entry from the pedigree page: the name typed for the new ancestor
    QString ahnenName;

    bool gefunden = false;
    int leftPos = 343;
    int Toppos = 243;

    // the chosen cat: the current row of the last search, nothing when none
    const KatzeTreffer *aktuell() const;
    int Query1LaufendeNummer() const;
    QString Query1Name() const;
    QString Query1StatusAnzeige() const;

    bool ergebnisSichtbar() const;
    const QVector<KatzeTreffer> &treffer() const { return m_treffer; }

    // "&Suchen"
    void Suchen();

    QLineEdit *EName, *EZwinger, *Erufname, *ERasse, *EFarbe, *EZuechter, *EBesitzer, *EZbNr, *EDatum;
    QComboBox *EStatus;
    QToolButton *BKalender;
    QLabel *LZbNr, *LAnzahl;
    QPushButton *BSuchen, *BOK, *BAbbruch, *BHilfe;
    QTableView *DBGrid1;

    // sizes of the compact dialog and the least size with the result grid
    static constexpr int KompaktBreite = 401, KompaktHoehe = 255;
    static constexpr int ErgebnisBreite = 780, ErgebnisHoehe = 480;

  public Q_SLOTS:
    void done(int r) override;

  protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

  private:
    SuchKriterien kriterien() const;
    void kriterienSetzen(const SuchKriterien &k);
    void ergebnisZeigen(const SuchErgebnis &e, bool mitStatus);
    void gridFuellen(bool mitStatus);
    void trefferUebernehmen(int zeile);
    void kompakt();
    void erweitern();
    void sortieren(int spalte);
    void kalender();
    void statusListeLaden();
    QPoint bildschirmUrsprung() const;

    tav::store::Database *m_db;
    QStandardItemModel *m_model;
    QVector<KatzeTreffer> m_treffer;
    int m_aktuell = -1;
    QVector<Spalte> m_spalten;
    // what the shown result was searched with, for re-sorting
    SuchKriterien m_letzteKriterien;
    Aufrufer m_letzterAufrufer;
};

// The cat search for a caller: shows the dialog modally with the name field focused and returns
// the chosen cat's number, 0 when cancelled or when nothing was chosen. `callerCode` is the
// caller's code (0 main window and lists, 1 inbreeding window, 2 litter and mating book, 3 the cat
// window's parent buttons); `kontext` tells which of the caller's buttons holds the focus and
// whether an ancestor is being entered from the pedigree page (then `ahnenName`, the name typed
// for it, is searched at once, its "%" and "_" as wildcards). `gewaehlt` receives the whole
// chosen row. The cat record window puts
//   [this] { return runCatSearch(this, 0); }
// into CatRecordHooks::katzeSuchen.
int runCatSearch(QWidget *parent, int callerCode, const Aufrufer &kontext = {},
                 const QString &ahnenName = QString(), KatzeTreffer *gewaehlt = nullptr);

} // namespace tav::cats::ui
