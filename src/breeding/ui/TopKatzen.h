// TopKatzen: the window of the five top-cat slots (TFormTopKatzen).
#pragma once

#include "widgets/ChildWindow.h"

#include <QVector>
#include <memory>

class QLabel;
class QPushButton;

namespace tav::store {
class Database;
class Table;
} // namespace tav::store
namespace tav::widgets {
class DataSource;
} // namespace tav::widgets

namespace tav::breeding::ui {

// Five slots of TopKatze.db, each with a cat and a colour. A slot's row is posted when another
// slot is chosen or the window closes, after message 29 unless saving without asking; closing
// gives the main window's cat list its colours again.
class TFormTopKatzen : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    explicit TFormTopKatzen(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFormTopKatzen() override;
    static TFormTopKatzen *instance();

    void katzeLaden(int panel);
    void farbeLaden(int panel);

    struct Panel {
        QLabel *farbe, *slot, *name;
        QPushButton *katzeLaden, *farbeLaden;
    };
    QVector<Panel> Panels;
    QPushButton *BitBtnRueckgaengig, *BitBtnHilfe, *BitBtnZurueck;
    tav::store::Table *TableTopKatzen() const { return m_top.get(); }

  protected:
    void closeEvent(QCloseEvent *e) override;
    void activated() override;

  private:
    struct Slot {
        int nummer = 0;
        int katze = 0;
        QString name;
        int farbe = 0;
    };
    void einlesen();
    void anzeigen();
    bool gehZu(int panel);
    QString katzenName(int katze) const;

    tav::store::Database *m_db;
    std::unique_ptr<tav::store::Table> m_top;
    tav::widgets::DataSource *m_quelle = nullptr;
    QVector<Slot> m_slots;
};

} // namespace tav::breeding::ui
