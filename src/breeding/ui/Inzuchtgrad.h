// Inzuchtgrad: the inbreeding window (TFormInzuchtgrad) and its registration with the main window.
#pragma once

#include "printouts/InzuchtDruck.h"
#include "widgets/ChildWindow.h"

#include <QVector>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTabWidget;
class QTableWidget;

namespace tav::store {
class Database;
class Table;
} // namespace tav::store
namespace tav::widgets {
class DataSource;
class DBGrid;
} // namespace tav::widgets

namespace tav::breeding {
class InzuchtBerechnung;
class StorePedigree;
struct InzuchtTextArt;
struct GespeicherteBerechnung;
} // namespace tav::breeding

namespace tav::breeding::ui {

// The full inbreeding analysis of a cat or of a planned mating, its six result tabs, saved
// calculations and the print options.
class TFormInzuchtgrad : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    explicit TFormInzuchtgrad(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFormInzuchtgrad() override;
    static TFormInzuchtgrad *instance();

    // what the print-out shows, taken from the window as it stands
    tav::printouts::InzuchtDruck druckDaten() const;

    // "&Berechnung", "&Speichern", "&Laden"; the chosen cats as the search buttons set them
    bool berechnen();
    void speichern();
    void laden();
    void setzeKatze(qint32 nummer);
    void setzeVater(qint32 nummer);
    void setzeMutter(qint32 nummer);
    void setzeBerechnungsart(int art);
    // the cat record window shows another cat: for a planned mating it becomes the sire or the
    // dam by its sex, otherwise it is the cat, calculated at once
    void followCat(int cat) override;
    bool followsCat() const override { return true; }

    qint32 SatznummerKatze = 0;
    qint32 SatznummerVater = 0;
    qint32 SatznummerMutter = 0;
    QString tiername;
    bool katzesuchen = true;
    bool berechneStart = false;

    QRadioButton *RadioKatze, *RadioEltern;
    QLineEdit *EditKatze, *EditVater, *EditMutter, *EditGenerationen;
    QLineEdit *Edit1 = nullptr;
    QPushButton *sucheKatze, *SucheVater, *SucheMutter;
    QPushButton *BitBtnBerechnung, *BitBtnSpeichern, *BitBtnLaden, *BitBtnDrucken, *BitBtnHilfe,
        *BitBtnZurueck, *BitBtnDeckplaner;
    QTabWidget *PageControl2;
    QPlainTextEdit *Memo1, *Memo2, *Memo3;
    QLabel *LabelStammbaumkomplett;
    tav::widgets::DBGrid *DBGrid1;
    QSplitter *SplitterTopKlon;
    struct TopPanel {
        QLabel *farbe, *slot, *name, *anzahl;
    };
    QVector<TopPanel> TopPanels;
    QTableWidget *StringGridClone;
    QVector<QLabel *> Stammbaumboxen; // g<d><i>, generation by generation
    // save name panel, load panel, print options
    QGroupBox *PanelSpeichern, *PanelLaden, *PanelDruck;
    QLineEdit *EditSpeichername;
    QPushButton *BitBtnSpeichernOK, *BitBtnLadenOK, *BitBtnDruckenOK;
    QTableWidget *GridLaden;
    QCheckBox *CheckBoxInzuchtliste, *CheckBoxVorfahrenliste, *CheckBoxKlonliste;

  Q_SIGNALS:
    void druckAngefordert(const tav::printouts::InzuchtDruck &daten);

  protected:
    void showEvent(QShowEvent *e) override;

  private:
    // Inzuchtgrad.cpp: frame and inputs
    QWidget *eingaben();
    void suchen(int wer);
    void katzeGeaendert();
    void generationenVerlassen();
    int generationen() const;
    QString katzenName(qint32 nummer, qint32 *vater = nullptr, qint32 *mutter = nullptr) const;
    InzuchtTextArt textArt() const;
    // InzuchtgradErgebnis.cpp: the result tabs
    QWidget *ergebnisse();
    QWidget *topKlonSeite();
    QWidget *stammbaumSeite();
    void ergebnisLeeren();
    void ergebnisZeigen();
    void vorfahrenZeigen();
    void vorfahrenSpalten();
    void vorfahrenSortieren(int spalte);
    void topKatzenLive(bool mitAnteil);
    void topKatzenZeigen(const QVector<tav::printouts::InzuchtDruck::TopKatze> &zeilen,
                         const QVector<int> &farben);
    void klonGridLeeren();
    void klonZeileAnhaengen(const QString &prozent, const QString &name);
    // InzuchtgradSpeichern.cpp: save, load and print panels
    QWidget *panels();
    void speichernUnter(const QString &name);
    void ausGespeicherter(const tav::breeding::GespeicherteBerechnung &b);
    void druckoptionen();

    tav::store::Database *m_db;
    std::unique_ptr<tav::breeding::StorePedigree> m_quelle;
    std::unique_ptr<tav::breeding::InzuchtBerechnung> m_engine;
    std::unique_ptr<tav::store::Table> m_vorfahren;
    tav::widgets::DataSource *m_vorfahrenQuelle = nullptr;
    bool m_topLive = true;
    bool m_berechnungGeplant = false;
    QVector<qint64> m_ladeSchluessel;
};

// Registers the inbreeding window and the top-cat window with the main window.
void registerInzuchtgrad();

} // namespace tav::breeding::ui
