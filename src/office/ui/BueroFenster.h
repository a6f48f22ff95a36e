// BueroFenster: the office list windows (clubs, show dates, pharmacy, address status).
#pragma once

#include "BuerolisteFenster.h"

namespace tav::office::ui {

// The clubs (exclusive window): the fields, a clickable home page and "E-Mail schreiben".
class TFormVereine : public TBueroliste
{
    Q_OBJECT
  public:
    explicit TFormVereine(tav::store::Database *db, QWidget *parent = nullptr);
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

// Registers the office windows (lists and cattery registers) with the main window.
void registerBuero();

} // namespace tav::office::ui
