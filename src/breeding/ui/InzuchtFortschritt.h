// InzuchtFortschritt: the progress dialog of a full inbreeding analysis.
#pragma once

#include "breeding/InzuchtDaten.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tav::breeding {
class InzuchtBerechnung;
}

namespace tav::breeding::ui {

// The small dialog of a full inbreeding analysis: a gauge and "Abbruch". Its callback lets the
// window's events through after each step, so the gauge moves and the button can be pressed.
class TFormInzuchtFortschritt : public QDialog
{
    Q_OBJECT
  public:
    explicit TFormInzuchtFortschritt(QWidget *parent = nullptr);

    Fortschritt callback();
    bool abbruch = false;
    QPushButton *BitBtnAbbruch = nullptr;
    QLabel *LabelFortschritt = nullptr;
    QProgressBar *Gauge = nullptr;

  private:
    QElapsedTimer m_clock;
    qint64 m_lastPaint = -1000;
};

// Runs Berechne; a full analysis shows the dialog and can be cancelled. The main window's
// InzuchtBerechne is set for the time of the calculation and cleared on every way out.
bool berechneMitFortschritt(InzuchtBerechnung &engine, qint32 tier, qint32 vater, qint32 mutter,
                            int generationen, bool inzucht, QWidget *parent);

} // namespace tav::breeding::ui
