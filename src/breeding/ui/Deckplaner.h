// Deckplaner: the mating planner window (TFormDeckplaner): a queen, the filters of the candidate
// toms and the table of the kittens' figures per tom, filled in the background.
#pragma once

#include "breeding/Deckplaner.h"
#include "widgets/ChildWindow.h"

#include <QAbstractTableModel>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QTimer;

namespace tav::store {
class Database;
}

namespace tav::breeding::ui {

// The rows of the table; sorting goes through the planner's own order.
class DeckplanModell : public QAbstractTableModel
{
  public:
    static const QVector<DeckSpalte> &spalten();
    explicit DeckplanModell(const Deckplaner &planer, QObject *parent = nullptr)
        : QAbstractTableModel(parent), m_planer(planer)
    {
    }
    void leeren();
    void anhaengen(const QVector<DeckZeile> &zeilen);
    const QVector<DeckZeile> &zeilen() const { return m_zeilen; }
    void nochmalSortieren();

    int rowCount(const QModelIndex &p = {}) const override { return p.isValid() ? 0 : int(m_zeilen.size()); }
    int columnCount(const QModelIndex &p = {}) const override
    {
        return p.isValid() ? 0 : int(spalten().size());
    }
    QVariant data(const QModelIndex &i, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

  private:
    const Deckplaner &m_planer;
    QVector<DeckZeile> m_zeilen;
    int m_spalte = 4; // IK
    Qt::SortOrder m_ordnung = Qt::AscendingOrder;
};

class TFormDeckplaner : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    static constexpr int HilfeKontext = 212;

    explicit TFormDeckplaner(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFormDeckplaner() override;
    static TFormDeckplaner *instance();

    // the queen; false (with its message) when she is no queen of the register
    bool setzeKatze(qint32 nummer);
    qint32 katze() const { return m_katze; }
    // the queen other windows suggest: taken when she is one, without a message otherwise
    void vorschlagen(qint32 nummer);
    DeckFilter filter() const;
    // "&Planen": false when nothing is computed (no queen, no tom)
    bool planen();
    bool laeuft() const;
    void abbrechen();
    // the full planned-mating analysis of a row in the inbreeding window
    void analyse(int zeile);
    void drucken();
    DeckplanModell *modell() const { return m_modell; }

    QLineEdit *EditKatze;
    // a queen too young to breed: her age when the kittens would be born (message 7604)
    QLabel *LabelHinweis;
    QPushButton *SucheKatze;
    QSpinBox *SpinGenerationen, *SpinAlterVon, *SpinAlterBis;
    QComboBox *CBRasse, *CBStatus;
    QCheckBox *CBLebend, *CBEigene;
    QListWidget *ListeMeiden;
    QPushButton *BtnPlanen, *BtnAnalyse, *BtnDrucken, *BtnHilfe, *BtnZurueck, *BitBtnAbbruch;
    QFrame *PanelFortschritt;
    QProgressBar *Fortschritt;
    QTableView *Tabelle;

  protected:
    void closeEvent(QCloseEvent *e) override;

  private:
    QWidget *eingaben();
    QWidget *filterTeil();
    void schritt();
    void alterHinweis();
    void beenden();

    tav::store::Database *m_db;
    Deckplaner m_planer;
    qint32 m_katze = 0;
    DeckplanModell *m_modell;
    QVector<qint32> m_kater;
    int m_naechster = 0;
    QTimer *m_takt;
};

void registerDeckplaner();

} // namespace tav::breeding::ui
