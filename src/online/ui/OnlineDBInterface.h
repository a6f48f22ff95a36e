// OnlineDBInterface: the window of the online upload, the CSV export of the cats and the editing
// of the cat table as a grid (TFormOnlineDBInterface), and its registration.
#pragma once

#include "online/OnlineDateien.h"
#include "online/OnlineKonfig.h"
#include "widgets/ChildWindow.h"

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace tav::store {
class Database;
class Table;
} // namespace tav::store
namespace tav::widgets {
class DataSource;
class DBGrid;
} // namespace tav::widgets

namespace tav::online::ui {

class TFormOnlineDBInterface : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    TFormOnlineDBInterface(tav::store::Database *db, Modus modus, QWidget *parent = nullptr);
    ~TFormOnlineDBInterface() override;
    static TFormOnlineDBInterface *instance();

    Modus modus() const { return m_modus; }
    Auswahl auswahl() const;
    // "&Upload": true when the run ended without a failure
    bool hochladen();
    // "&CSV-Datei": true when the file was written
    bool csvSchreiben();
    // "Datei editieren": asks, then switches the grid between read-only and editable
    void editierenUmschalten();
    bool editierbar() const { return m_editierbar; }
    // sorts by the index of the grid's column; false when the column has none
    bool sortieren(int spalte);

  protected:
    void closeEvent(QCloseEvent *e) override;

  private:
    tav::widgets::DBGrid *Grid;
    QGroupBox *GroupUpload, *GroupExport;
    QCheckBox *CheckTierdaten, *CheckAdressen, *CheckRassen, *CheckFarben, *CheckMerkmaleDb, *CheckBilder,
        *CheckMerkmale, *CheckBemerkungen, *CheckZuechter, *CheckZuchtbuch;
    QPushButton *ButtonUpload, *ButtonCsv, *ButtonBeispiel, *ButtonEditieren, *ButtonSuchen, *ButtonHilfe,
        *ButtonZurueck;
    QPushButton *ButtonAbbruch; // shown while a file is sent: ends the transfer and the run
    QProgressBar *Gauge;
    QLabel *PanelWarten;

    void bauen();
    void spaltenSetzen();
    void suchenOeffnen();

    tav::store::Database *m_db;
    Modus m_modus;
    OnlineKonfig m_konfig;
    std::unique_ptr<tav::store::Table> m_katzen;
    tav::widgets::DataSource *m_source = nullptr;
    std::unique_ptr<Katzenquelle> m_quelle;
    bool m_editierbar = false;
    bool m_laeuft = false; // an upload is running: the window stays open
};

// The window's mode for the menu item that opens it.
Modus modusFuerMenue(const QString &menuEintrag);
void registerOnlineDBInterface();

} // namespace tav::online::ui
