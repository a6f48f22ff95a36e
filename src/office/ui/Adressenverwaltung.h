// Adressenverwaltung: the address book window.
#pragma once

#include "BuerolisteFenster.h"
#include "office/Adressen.h"

#include <functional>

class QFrame;
class QTabBar;

namespace tav::widgets {
class DBLookupComboBox;
class DBRadioGroup;
} // namespace tav::widgets

namespace tav::office::ui {

// The address book (single, exclusive window): the office list window over ADR_DAT.DB with the
// register tabs (letters, "Suche", "Neu", "A-Z", one per status), breed, status and remark, the
// print-outs and the group e-mail. Opened from a cat's breeder or owner button it stands on that
// address (or a new one) and "Zur Katze" puts the address shown on the cat.
class Tadressenverwaltung : public TBueroliste
{
    Q_OBJECT
  public:
    explicit Tadressenverwaltung(tav::store::Database *db, QWidget *parent = nullptr);
    ~Tadressenverwaltung() override;

    QTabBar *reiter() const { return m_reiter; }
    QPushButton *bemerkungKnopf() const { return m_bemerkungKnopf; }
    QFrame *bemerkungPanel() const { return m_bemerkung; }
    const QStringList &status() const { return m_status; }

    // what a tab does (a click on it)
    void reiterWaehlen(int reiter);
    // the address window as a cat's button asks for it
    void aufrufen(AdressAufruf aufruf);
    // stands on that address with all addresses shown
    bool zeigeAdresse(int nummer);
    // reads the status list again (the status editor changed it): tabs, choice and pick list
    void statusAktualisieren();

    void hinzufuegen() override;
    void rueckgaengig() override;
    void loeschen() override;
    void listeDrucken();
    void adresseDrucken();
    void gruppenEmail();
    void zurKatze();

  protected:
    void feldSeiteErgaenzen(QGridLayout *g, int &zeile) override;
    void knoepfeErgaenzen(QHBoxLayout *knoepfe) override;

  private:
    void neueAdresse();
    void reiterSetzen(int reiter);  // selects the tab without its action
    void statusZeigen();            // the status tabs and the grid's pick list
    void statusAuswahl();           // the status choice
    void bereichZeigen(int reiter); // the tab's range, the grid and the remark button
    void speichernAbgelehnt();
    void bemerkungKnopfText();
    void vorSpeichern(tav::store::Table &t);
    void nachSpeichern();
    void doppeltPruefen();
    bool ausgewaehlt(int reiter) const;

    QStringList m_status;
    tav::store::Table *m_rassen = nullptr;
    QTabBar *m_reiter = nullptr;
    tav::widgets::DBLookupComboBox *m_rasse = nullptr;
    tav::widgets::DBRadioGroup *m_statusGruppe = nullptr;
    QPushButton *m_bemerkungKnopf = nullptr, *m_speichern = nullptr, *m_zurKatze = nullptr;
    QFrame *m_bemerkung = nullptr;
    AdressAufruf m_aufruf = AdressAufruf::Menue;
    int m_aktuell = ReiterAlle; // the tab whose range is shown
    bool m_pruefend = false;
    bool m_abgelehnt = false; // the save question was answered No during a tab's action
};

// The address status list: the office list window over STATUSADRESSEN.DB that takes ten entries.
class TFormStatusAdressen : public TBueroliste
{
    Q_OBJECT
  public:
    explicit TFormStatusAdressen(tav::store::Database *db, QWidget *parent = nullptr);
    void hinzufuegen() override;
};

// Registers the address book and the status list with the main window and the cat window's hooks.
void registerAdressen();

} // namespace tav::office::ui
