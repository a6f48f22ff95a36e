// ZwinSuchDlg: the search dialog of the cattery register.
#pragma once

#include "office/Zwingerregister.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QTableWidget;

namespace tav::store {
class Database;
}

namespace tav::office::ui {

// "Suche im Zwingerregister": breeder, cattery, postcode, place and breed (each the start of its
// field) and a kind of entry; one match is taken at once, several are listed to choose from.
class TZwinSuchDlg : public QDialog
{
    Q_OBJECT
  public:
    TZwinSuchDlg(tav::store::Database *db, const ZwingerTabellen &tabellen, QWidget *parent = nullptr);

    QLineEdit *kriterium(const QString &feld) const; // "Züchter", "Zwinger", "PLZ", "Ort", "Rasse"
    void setArt(int art);
    QTableWidget *ergebnis() const { return m_ergebnis; }
    // the register number chosen; 0 for none
    qint64 gewaehlt() const { return m_gewaehlt; }

    // Runs the search: none is said, one is taken, several are listed.
    void suchen();
    // takes the listed row
    void zeileNehmen(int zeile);
    void accept() override;

  private:
    ZwinSuche suche() const;
    void ergebnisZeigen(bool an);

    tav::store::Database *m_db;
    ZwingerTabellen m_tabellen;
    QList<QLineEdit *> m_kriterien;
    QButtonGroup *m_art = nullptr;
    QTableWidget *m_ergebnis = nullptr;
    QVector<QVariantList> m_zeilen;
    qint64 m_gewaehlt = 0;
};

} // namespace tav::office::ui
