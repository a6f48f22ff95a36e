// Indexrekonstruktion: the index reconstruction window (TFormIndexrekonstruktion).
#pragma once

#include "widgets/ChildWindow.h"

#include <QVector>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace tav::store {
class Database;
}

namespace tav::maintenance::ui {

// The user ticks groups of tables and starts the rebuild of their indexes; afterwards the
// program ends and is started again.
class TFormIndexrekonstruktion : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    explicit TFormIndexrekonstruktion(tav::store::Database *db, QWidget *parent = nullptr);
    static TFormIndexrekonstruktion *instance();

    QVector<QCheckBox *> Gruppen; // in the order of indexGruppen()
    QPushButton *BitBtnStart, *BitBtnAbbruch, *BitBtnHilfe, *BitBtnZurueck;
    QLabel *LabelTabelle;
    QProgressBar *Fortschritt;

    void BitBtnStartClick();

  protected:
    void closeEvent(QCloseEvent *e) override;

  private:
    tav::store::Database *m_db;
    bool m_laeuft = false;
    bool m_abbruch = false;
};

void registerIndexrekonstruktion();

} // namespace tav::maintenance::ui
