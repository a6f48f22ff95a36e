#pragma once

#include <QVector>
#include <QWidget>
#include <functional>

class QPushButton;
class QTabBar;

namespace tav::widgets {
class DataSource;
class DBGrid;
} // namespace tav::widgets

namespace tav::cats::ui {

// The shows page of the cat record window: the results of traditional judging, TICA and CFA, one
// grid each under a tab, and the judging text printed on the pedigree.
class CatRecordShowsPage : public QWidget
{
    Q_OBJECT
  public:
    CatRecordShowsPage(tav::widgets::DataSource *traditionell, tav::widgets::DataSource *tica,
                       tav::widgets::DataSource *cfa, tav::widgets::DataSource *bewertung,
                       std::function<int()> aktuelleKatze, QPushButton *hilfe, QWidget *parent = nullptr);

    // the edition without the other judging systems: traditional judging only, without the tabs
    void nurTraditionell();

  private:
    std::function<int()> m_aktuelleKatze;
    QTabBar *m_tabs = nullptr;
    QVector<tav::widgets::DBGrid *> m_grids;
};

} // namespace tav::cats::ui
