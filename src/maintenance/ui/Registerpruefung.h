// Registerpruefung: the register check window (TFormRegisterpruefung) and the offer after an import.
#pragma once

#include "maintenance/Registerpruefung.h"
#include "widgets/ChildWindow.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tav::store {
class Database;
}
namespace tav::shell {
class Shell;
} // namespace tav::shell

namespace tav::maintenance::ui {

// The findings of the register check, one row each: kind, cats, explanation. A double click
// shows the row's first cat in the cat record window.
class TFormRegisterpruefung : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    explicit TFormRegisterpruefung(tav::store::Database *db, QWidget *parent = nullptr);
    static TFormRegisterpruefung *instance();

    QSpinBox *SpinMonate;
    QPushButton *BitBtnPruefen, *BitBtnAbbruch, *BitBtnHilfe, *BitBtnZurueck;
    QTableWidget *GridBefunde;
    QLabel *LabelErgebnis;
    QProgressBar *Fortschritt;

    void BitBtnPruefenClick();
    // the cat a row opens (0 for none)
    qint32 katzeDerZeile(int zeile) const;
    void GridBefundeDblClick(int zeile);
    const PruefErgebnis &ergebnis() const { return m_ergebnis; }

  protected:
    void closeEvent(QCloseEvent *e) override;

  private:
    void zeigen();

    tav::store::Database *m_db;
    QVector<PruefKatze> m_katzen;
    PruefOptionen m_optionen;
    PruefErgebnis m_ergebnis;
    bool m_laeuft = false;
    bool m_abbruch = false;
};

void registerRegisterpruefung();

// At the start: when cats were imported since the last one, the main window offers the check
// (message 7711) and, asked to, opens the window and runs it. The note is cleared either way.
void pruefungNachImportAnbieten(tav::shell::Shell &main, tav::store::Database &db);

} // namespace tav::maintenance::ui
