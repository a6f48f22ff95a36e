// Wurfmeldung (window): the litter registration window (TformWurfmeldung) and the openers of the
// three litter print-outs of a queen.
#pragma once

#include "printouts/ReportWurfmeldung.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tav::store {
class Database;
}

namespace tav::printouts::ui {

// The registration of litter `wurf` of the queen (her latest when it is 0 or not hers), filled
// from the register; every field may be corrected before printing and nothing typed here is
// written back. While it is open the cat record window's save and undo buttons are off.
class TformWurfmeldung : public QDialog
{
    Q_OBJECT
  public:
    static constexpr int HilfeKontext = 160;

    TformWurfmeldung(tav::store::Database &db, int katzeNr, int wurf = 0, QWidget *parent = nullptr);

    // what the window's fields and grid hold now
    Wurfmeldung felder() const;
    // the report of a form from the fields, after naming the kittens it leaves out
    report::ReportJob formular(Wurfformular f);

    QLineEdit *feld(const QString &name) const;
    QTableWidget *StringGrid1;
    QPushButton *BitBtnDruckvorschau, *BitBtnOK, *Druckvorschau1Dekzv, *Drucken1Dekzv,
        *BitBtnVorschauDeutschRassekatzenunion, *BitBtnDruckenDeutscheRassekatzenunion, *BitBtnHilfe,
        *BitBtnAbbruch;

  private:
    struct Feld {
        QLineEdit *edit;
        std::function<QString &(Wurfmeldung &)> ziel;
    };
    void bauen();
    void fuellen(const Wurfmeldung &m);
    void vorschau(Wurfformular f);
    void drucken(Wurfformular f);

    tav::store::Database &m_db;
    QVector<Feld> m_felder;
};

// The openers take litter `wurf` of the queen, the one the cat record window shows (0, or a
// litter not hers: her latest); the caller has refused toms.
// Print job 3: the registration window.
void wurfmeldungOeffnen(QWidget *parent, tav::store::Database &db, int katzeNr, int wurf = 0);
// Print job 6: the preview of the litter book.
void wurfbuchDrucken(QWidget *parent, tav::store::Database &db, int katzeNr, int wurf = 0);
// Print job 13: the preview of the litter data sheet.
void wurfdatenDrucken(QWidget *parent, tav::store::Database &db, int katzeNr, int wurf = 0);

} // namespace tav::printouts::ui
