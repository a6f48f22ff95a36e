// Verpaarung: the matings window (TFormVerpaarung): a cat's partners, litters and kittens as a
// tree with the statistics of the selected level, and its registration with the main window.
#pragma once

#include "breeding/Verpaarungen.h"
#include "printouts/ReportVerpaarung.h"
#include "widgets/ChildWindow.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::breeding::ui {

class TFormVerpaarung : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    static constexpr int HilfeKontext = 27;
    enum Art { Tier = 0, PartnerSeite = 1, Leer = 2, WurfSeite = 3, Jungtier = 4 };
    // the tree nodes' symbols: the sexes, the node without matings, a litter
    enum Bild { BildWeiblich = 0, BildMaennlich = 1, BildKeine = 2, BildWurf = 3 };
    static constexpr int RolleBild = Qt::UserRole + 3;

    explicit TFormVerpaarung(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFormVerpaarung() override;
    static TFormVerpaarung *instance();

    // loads a cat; a number not in the register leaves the window as it is
    void KatzeLaden(qint32 nummer);
    void followCat(int cat) override { KatzeLaden(cat); }
    bool followsCat() const override { return true; }
    // what the print-out of the page shown holds
    tav::printouts::VerpaarungDruck druckDaten() const;
    const tav::breeding::Verpaarungen &verpaarungen() const { return m_v; }

    bool maennlich = false;
    qint32 tiernummer = 0;
    int art = Tier;
    int hoehe = 100; // of the tree: its lines where the window has room, at least 100 pixels

    QLabel *LabelKatze, *LabelSymbol;
    QSplitter *Splitter;
    QTreeWidget *TreeView;
    QStackedWidget *Seiten;
    QPlainTextEdit *Memo1;
    QLabel *LabelDavon;
    QPushButton *BitBtnLaden, *BitBtnSystem, *BitBtnDruck, *BitBtnHilfe, *BitBtnZurueck;
    // the value labels of each page, in the order of their captions
    QVector<QLabel *> werteTier, wertePartner, werteWurf, werteJungtier;

  private:
    void baumHoehe();
    void bauen();
    void wurfbuchOeffnen();
    QWidget *seite(const QVector<std::pair<int, const char *>> &zeilen, QVector<QLabel *> &werte);
    void baumBauen();
    void knotenGewaehlt();
    void zeigeStatistik(QVector<QLabel *> &werte, int ab, const tav::breeding::WurfStatistik &s, bool kater);
    void drucken();
    QString knotenText(qint32 nummer) const;
    QLocale locale() const;

    tav::store::Database *m_db;
    tav::breeding::Verpaarungen m_v;
    tav::breeding::JungtierDaten m_daten; // of the partner or kitten shown
    tav::store::Table *m_wurfbuch = nullptr;
    QString m_name; // the cat's title and name
    bool m_lock = false;
};

void registerVerpaarung();

} // namespace tav::breeding::ui
