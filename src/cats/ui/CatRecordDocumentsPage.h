#pragma once

#include <QWidget>
#include <functional>

class QPushButton;

namespace tav::widgets {
class DataSource;
class DBGrid;
} // namespace tav::widgets

namespace tav::cats::ui {

// The documents page of the cat record window: the cat's documents (DOKUMENTE.DB), loading a file
// into the current row and opening it with the desktop's viewer.
class CatRecordDocumentsPage : public QWidget
{
    Q_OBJECT
  public:
    // `dokumente` is the cat's detail of DOKUMENTE.DB; `aktuelleKatze` gives the stored cat shown
    CatRecordDocumentsPage(tav::widgets::DataSource *dokumente, std::function<int()> aktuelleKatze,
                           QPushButton *hilfe, QWidget *parent = nullptr);

  private:
    void laden();
    void ansehen();

    tav::widgets::DataSource *m_dokumente;
    std::function<int()> m_aktuelleKatze;
    tav::widgets::DBGrid *m_grid = nullptr;
};

} // namespace tav::cats::ui
