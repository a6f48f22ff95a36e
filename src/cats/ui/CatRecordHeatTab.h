#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;

namespace tav::widgets {
class DataSource;
class DBGrid;
} // namespace tav::widgets

namespace tav::cats::ui {

// A queen's recorded heats on her stud-book page, with the forecast of the next heat and of the
// mating, litter and handover dates that follow from it.
class CatRecordHeatTab : public QWidget
{
    Q_OBJECT
  public:
    CatRecordHeatTab(tav::widgets::DataSource *rolligkeiten, std::function<int()> aktuelleKatze,
                     QWidget *parent = nullptr);

    // recomputes the day counts and the forecast from the rows of the cat shown
    void neuBerechnen();
    // before a move to another cat
    void leeren();

  private:
    void deckterminGeaendert();

    tav::widgets::DataSource *m_rolligkeiten;
    QHash<qint64, int> m_tage; // record number -> days since the heat before
    QLabel *m_naechste = nullptr, *m_plusMinus = nullptr, *m_durchschnitt = nullptr, *m_wurftermin = nullptr,
           *m_abgabetermin = nullptr;
    QLineEdit *m_decktermin = nullptr;
    tav::widgets::DBGrid *m_grid = nullptr;
    bool m_meldet = false;
};

} // namespace tav::cats::ui
