// ReferenzlisteFenster: the one window every reference list is built from (TReferenzliste).
#pragma once

#include "cats/Referenzlisten.h"
#include "widgets/ChildWindow.h"

#include <QColor>

class QPushButton;
class QTabWidget;

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::widgets {
class DataSource;
class DBGrid;
} // namespace tav::widgets

namespace tav::cats::ui {

// The window of one reference list, built from its declaration: a grid, for some lists a page of
// edit fields with a navigator, and the buttons of the shared editing pattern.
class TReferenzliste : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    TReferenzliste(const tav::cats::Referenzliste &liste, tav::store::Database *db,
                   QWidget *parent = nullptr);
    ~TReferenzliste() override;

    const tav::cats::Referenzliste &liste() const { return m_liste; }
    tav::store::Table *table() const { return m_table; }
    tav::widgets::DataSource *dataSource() const { return m_src; }
    tav::widgets::DBGrid *grid() const { return m_grid; }

    // the buttons' commands
    void hinzufuegen();
    void rueckgaengig();
    void loeschen();
    // the colour dialog for the current row (traits) or a new row (pedigree colours)
    void farbeLaden();
    void drucken();

  protected:
    void closeEvent(QCloseEvent *e) override;

  private:
    QWidget *feldSeite();
    void gridGeklickt();
    void aufraeumen();

    tav::cats::Referenzliste m_liste;
    tav::store::Database *m_db;
    tav::store::Table *m_table = nullptr;
    tav::widgets::DataSource *m_src = nullptr;
    tav::widgets::DBGrid *m_grid = nullptr;
    QTabWidget *m_seiten = nullptr;
    QWidget *m_farbMuster = nullptr;
    QPushButton *m_rueckgaengig = nullptr;
};

// Registers the eight list windows and the status list window with the main window.
void registerReferenzlisten();
void registerStatusForm();

// A pedigree-print colour chosen in the colour dialog (invalid when cancelled).
QColor farbeWaehlen(const QColor &vorher, QWidget *parent);

} // namespace tav::cats::ui
