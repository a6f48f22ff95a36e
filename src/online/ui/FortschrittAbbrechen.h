// FortschrittAbbrechen: the progress window of the picture transfer and the window side of a run.
#pragma once

#include "online/FtpUpload.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tav::online::ui {

// "Upload Foto": the number of the picture being sent, "von " + total, a bar and "Abbruch".
class TFormFortschrittAbbrechen : public QDialog
{
    Q_OBJECT
  public:
    explicit TFormFortschrittAbbrechen(QWidget *parent = nullptr);

    void start(int dateien);
    void stepBy(int datei);
    void stop();

    bool Terminated = false; // the user asked to cancel
    QString Abbruch;         // shown once the user asked to cancel

  protected:
    // Escape and the frame's close button cancel like "Abbruch": the run decides when it ends.
    void reject() override;
    void closeEvent(QCloseEvent *e) override;

  private:
    QLabel *LabelNummer = nullptr;
    QLabel *LabelVon = nullptr;
    QLabel *LabelAbbruch = nullptr;
    QProgressBar *Gauge = nullptr;
    QPushButton *BitBtnAbbruch = nullptr;

    void abbrechen();
};

// The window side of one run: progress window, StartUpload, poll (cancel → Terminate, show
// IFileCnt), stop; returns the worker's last state. `abgelehnt` receives the pictures whose names
// the transfer refused.
tav::online::TFtpAction bilderHochladen(const tav::online::TFtpConfig &cfg, const QStringList &pfade,
                                        const QString &datenOrdner, QWidget *parent,
                                        QStringList *abgelehnt = nullptr);

} // namespace tav::online::ui
