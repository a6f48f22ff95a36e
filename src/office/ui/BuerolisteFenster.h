// BuerolisteFenster: the list window every office list is built from (TBueroliste).
#pragma once

#include "office/Bueroliste.h"
#include "widgets/ChildWindow.h"

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
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

namespace tav::office::ui {

// The office's list window, built from a list's declaration: a page "&Felder" with the edit
// fields and the record navigator, a page "&Tabelle" with the grid, the sort box when the list
// has criteria, and the buttons of the shared editing pattern. A list opened read-only hides the
// editing buttons and its table refuses every change.
class TBueroliste : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    TBueroliste(const Bueroliste &liste, tav::store::Database *db, QWidget *parent = nullptr,
                bool nurLesen = false);
    ~TBueroliste() override;

    const Bueroliste &liste() const { return m_liste; }
    tav::store::Table *table() const { return m_table; }
    tav::widgets::DataSource *dataSource() const { return m_src; }
    tav::widgets::DBGrid *grid() const { return m_grid; }
    QComboBox *sortBox() const { return m_sortBox; }
    QTabWidget *seiten() const { return m_seiten; }
    bool nurLesen() const { return m_nurLesen; }
    QLabel *homepageLabel() const { return m_homepage; }

    // the buttons' commands
    virtual void hinzufuegen();
    virtual void rueckgaengig();
    virtual void loeschen();
    // hand the home page or a mail to the record's address to the desktop
    void homepageOeffnen();
    void emailSchreiben();
    // selects the index of criterion `kriterium` (created when missing)
    void sortieren(int kriterium);

  protected:
    void closeEvent(QCloseEvent *e) override;
    // a window's own rows below the fields
    virtual void feldSeiteErgaenzen(QGridLayout *, int &) {}
    // a window's own buttons before "Hilfe"
    virtual void knoepfeErgaenzen(QHBoxLayout *) {}
    // builds the window; the constructor of the most derived class calls it
    void aufbauen();

  private:
    QWidget *feldSeite();
    QWidget *feldZeile(const BueroFeld &f, QWidget *seite);
    void homepageZeile(QGridLayout *g, int &zeile);
    QString homepageText() const;
    void homepageZeigen();

    Bueroliste m_liste;
    tav::store::Table *m_table = nullptr;
    tav::widgets::DataSource *m_src = nullptr;
    tav::widgets::DBGrid *m_grid = nullptr;
    QTabWidget *m_seiten = nullptr;
    QComboBox *m_sortBox = nullptr;
    QPushButton *m_rueckgaengig = nullptr;
    QLabel *m_homepage = nullptr;
    bool m_nurLesen = false;
};

} // namespace tav::office::ui
