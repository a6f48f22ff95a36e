#pragma once

#include "CatRecordBreedingData.h"
#include "cats/Wurfdaten.h"

#include <QVector>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace tav::store {
class Table;
}
namespace tav::widgets {
class DBGrid;
} // namespace tav::widgets

namespace tav::cats::ui {

// The litter data page of the cat record window: the cat's siblings (litter, paternal, maternal)
// with the picture of the one selected, the cat's own birth weights and defects, its litter size
// and the defect counts of its litter.
class CatRecordLitterPage : public QWidget
{
    Q_OBJECT
  public:
    CatRecordLitterPage(const ZuchtQuellen &q, std::function<int()> aktuelleKatze, QPushButton *hilfe,
                        QWidget *parent = nullptr);

    // a move to another cat shows its paternal siblings
    void katzeGewechselt();
    void geschwisterWaehlen(Geschwisterart art);
    // the sibling's picture, when the page is shown
    void gezeigt();
    // the edition without the litter size panel and the litter-sibling list
    void ohneWurfstaerke();
    tav::store::Table *geschwisterTabelle() const { return m_geschwister; }
    // "Übernahme zu Wurfgeschwistern"
    void wurfzahlKopieren();

  private:
    QWidget *eigeneDatenBauen();
    QWidget *wurfstaerkeBauen();
    QWidget *gewichtstabelleBauen();
    void bildLaden();

    ZuchtQuellen m_q;
    std::function<int()> m_aktuelleKatze;
    tav::store::Table *m_geschwister = nullptr;
    tav::widgets::DataSource *m_geschwisterQuelle = nullptr;
    tav::widgets::DBGrid *m_grid = nullptr;
    QVector<QPushButton *> m_knoepfe;
    QPushButton *m_uebernahme = nullptr;
    QWidget *m_wurfstaerke = nullptr;
    QLabel *m_bild = nullptr, *m_bildName = nullptr, *m_gewichtstabelleTitel = nullptr;
    Geschwisterart m_art = Geschwisterart::Vaeterlich;
    bool m_aktiv = false;
    bool m_wurfzahlSpeichern = false;
    int m_letzteKatze = -1;
    QString m_abstammung;
};

} // namespace tav::cats::ui
