#pragma once

#include "BuerolisteFenster.h"

class QLabel;

namespace tav::office::ui {

// The clubs (exclusive window): the fields, a clickable home page and "E-Mail schreiben".
class TFormVereine : public TBueroliste
{
    Q_OBJECT
  public:
    explicit TFormVereine(tav::store::Database *db, QWidget *parent = nullptr);

    QLabel *homepageLabel() const { return m_homepage; }
    // hand the club's home page or a mail to its address to the desktop
    void homepageOeffnen();
    void emailSchreiben();

  protected:
    void feldSeiteErgaenzen(QGridLayout *g, int &zeile) override;

  private:
    void homepageZeigen();
    QLabel *m_homepage = nullptr;
};

// The show dates (exclusive window), opening on the first show dated today or later.
class TFormAusstellungstermine : public TBueroliste
{
    Q_OBJECT
  public:
    explicit TFormAusstellungstermine(tav::store::Database *db, QWidget *parent = nullptr);
};

// The medicine stock, an ordinary child window.
class TFormApotheke : public TBueroliste
{
    Q_OBJECT
  public:
    explicit TFormApotheke(tav::store::Database *db, QWidget *parent = nullptr);
};

// Registers the three windows with the main window.
void registerBuero();

} // namespace tav::office::ui
