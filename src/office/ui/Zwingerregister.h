// Zwingerregister: the cattery register window.
#pragma once

#include "BuerolisteFenster.h"
#include "office/Zwingerregister.h"

#include <array>

class QLabel;

namespace tav::office::ui {

class ZwingerEintraege;

// The cattery register (exclusive window): the office list of the catteries with the buttons of
// their studs, queens and kittens (a marker beside each kind that has a picture), the entry panel,
// the search and the copy of a cattery into the address book. The general register is read-only
// unless the program was started for data entry.
class TFormZwingerregister : public TBueroliste
{
    Q_OBJECT
  public:
    // the general register, writable when the program's arguments ask for data entry
    explicit TFormZwingerregister(tav::store::Database *db, QWidget *parent = nullptr);
    TFormZwingerregister(tav::store::Database *db, bool privat, bool schreiben, QWidget *parent = nullptr);
    ~TFormZwingerregister() override;

    ZwingerEintraege *eintraege() const { return m_eintraege; }
    QPushButton *artKnopf(KatzeArt art) const { return m_artKnoepfe[int(art) - 1]; }
    QLabel *bildMarke(KatzeArt art) const { return m_marken[int(art) - 1]; }

    // the buttons' commands
    void artZeigen(KatzeArt art);
    void eintraegeSchliessen();
    void suchen();
    void inAdressen();
    // kind buttons and picture markers of the current cattery
    void artenAktualisieren();

  protected:
    void feldSeiteErgaenzen(QGridLayout *g, int &zeile) override;
    void knoepfeErgaenzen(QHBoxLayout *knoepfe) override;
    void closeEvent(QCloseEvent *e) override;

  private:
    qint64 aktuellerZwinger() const;
    void editierknoepfeZeigen(bool an);

    tav::store::Database *m_db;
    ZwingerTabellen m_tabellen;
    bool m_privat, m_schreiben;
    ZwingerEintraege *m_eintraege = nullptr;
    std::array<QPushButton *, 3> m_artKnoepfe{};
    std::array<QLabel *, 3> m_marken{};
};

// The private register: always written, its tables made on first use.
class TFormZwingerregisterPrivat : public TFormZwingerregister
{
    Q_OBJECT
  public:
    explicit TFormZwingerregisterPrivat(tav::store::Database *db, QWidget *parent = nullptr);
};

} // namespace tav::office::ui
