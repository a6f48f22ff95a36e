#pragma once

#include "CatRecordBreedingData.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace tav::cats::ui {
class CatRecordHeatTab;
}

namespace tav::widgets {
class DBGrid;
class DBMemo;
class TDBNavigatorSpec;
} // namespace tav::widgets

namespace tav::cats::ui {

// The stud-book page of the cat record window: for a queen her litters (mating dates, due dates,
// the stud, the litter's data, weighings and kittens), for a tom his mating book.
class CatRecordStudBookPage : public QWidget
{
    Q_OBJECT
  public:
    CatRecordStudBookPage(const ZuchtQuellen &q, std::function<int()> aktuelleKatze, QPushButton *hilfe,
                          QPushButton *hilfeKater, QWidget *parent = nullptr);

    // the queen's or the tom's book for the cat shown, each on its newest row
    void katzeGewechselt();
    bool zeigtKaetzin() const;
    // the kitten's picture, when the page is shown
    void jungtierBildLaden();

  private:
    QWidget *kaetzinBauen(QPushButton *hilfe);
    QWidget *wuerfeBauen(QPushButton *hilfe);
    QWidget *katerBauen(QPushButton *hilfe);
    QWidget *wurfdatenTab();
    QWidget *gewichteTab();
    QWidget *jungtiereTab();
    // the search for the stud of a litter (toms) or the queen of a mating (queens)
    void partnerSuchen(bool kater);
    void jungtiereZeigen();

    ZuchtQuellen m_q;
    std::function<int()> m_aktuelleKatze;
    QStackedWidget *m_stapel = nullptr;
    QWidget *m_kaetzin = nullptr, *m_kater = nullptr;
    QTabWidget *m_wurfTabs = nullptr;
    tav::widgets::DBGrid *m_jungtierGrid = nullptr;
    QWidget *m_jungtierPanel = nullptr;
    QList<QWidget *> m_jungtierFelder;
    QLabel *m_jungtierBild = nullptr;
    CatRecordHeatTab *m_rolligkeit = nullptr;
    int m_letzteKatze = -1;
};

} // namespace tav::cats::ui
