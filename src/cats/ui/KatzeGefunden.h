// KatzeGefunden: the found-cat dialog of the duplicate-name check.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tav::cats::ui {

// The found-cat dialog of the duplicate-name check (" Katze gefunden"). "Neuaufnehmen" (default,
// Accepted) keeps the new record; the other button (Rejected) loads the existing cat instead. It
// reads "&Abbrechen", in pedigree-entry mode "Tier laden".
class TFormKatzegefunden : public QDialog
{
    Q_OBJECT
  public:
    explicit TFormKatzegefunden(QWidget *parent = nullptr);

    void setStammbaumModus(bool on);
    bool stammbaumModus() const { return m_stammbaum; }

    QLabel *LMeldung;
    QPushButton *BNeuaufnehmen, *BAbbrechen;

  private:
    bool m_stammbaum = false;
};

// Asks whether to keep the new cat; true for "Neuaufnehmen", false for loading the existing cat.
bool neuaufnehmenTrotzGleichemNamen(QWidget *parent, bool stammbaumModus);

} // namespace tav::cats::ui
