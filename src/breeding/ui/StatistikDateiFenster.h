// StatistikDateiFenster: the trait statistics of the whole register (TFormStatistikMerkmaleDatei)
// and its registration with the main window.
#pragma once

#include "breeding/StatistikDatei.h"
#include "printouts/ReportStatistikDatei.h"
#include "widgets/ChildWindow.h"

#include <QAbstractTableModel>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;
class QTimer;

namespace tav::store {
class Database;
}
namespace tav::widgets {
class DBGrid;
} // namespace tav::widgets

namespace tav::breeding::ui {

// The result rows; IK and AVK arrive later, row by row.
class DateiErgebnisModell : public QAbstractTableModel
{
  public:
    enum Spalte { Name, Tod, Geschlecht, GebDatum, Alter, Farbe, Vater, Mutter, Merkmal, IK, AVK };
    using QAbstractTableModel::QAbstractTableModel;
    void setzen(QVector<DateiZeile> zeilen, bool mitMerkmalen, const QDate &heute);
    void inzucht(const QVector<int> &zeilen, const QString &ik, const QString &avk);
    const QVector<DateiZeile> &zeilen() const { return m_zeilen; }
    // the column shown in position `spalte` (the trait column only with traits)
    Spalte art(int spalte) const;

    int rowCount(const QModelIndex &p = {}) const override { return p.isValid() ? 0 : int(m_zeilen.size()); }
    int columnCount(const QModelIndex &p = {}) const override
    {
        return p.isValid() ? 0 : m_mitMerkmalen ? 11 : 10;
    }
    QVariant data(const QModelIndex &i, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

  private:
    QVector<DateiZeile> m_zeilen;
    QStringList m_alter;
    bool m_mitMerkmalen = false;
};

class TFormStatistikMerkmaleDatei : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    static constexpr int HilfeKontext = 211;

    explicit TFormStatistikMerkmaleDatei(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFormStatistikMerkmaleDatei() override;
    static TFormStatistikMerkmaleDatei *instance();

    // a double click on the trait of that name
    void merkmalGewaehlt(const QString &name);
    void operatorGewaehlt(QPushButton *knopf);
    void einfacheAbfrage();
    void erweiterteAbfrage();
    void abfrageLoeschen();
    // "Auswerten": false when nothing is shown (no sex, refused query, no cat)
    bool auswerten();
    void zuruecksetzen();
    bool inzuchtLaeuft() const;
    printouts::StatistikDateiDruck druckDaten() const;
    DateiFilter filter() const;

    QPlainTextEdit *SQL;
    tav::widgets::DBGrid *DBGMerkmale;
    QPushButton *BtnAnd, *BtnOr, *BtnNot, *BtnAuf, *BtnZu;
    QPushButton *BtnEinfach, *BtnErweitert, *BtnLoeschen, *BtnSQL;
    QPushButton *BtnAuswerten, *BtnZuruecksetzen, *BtnDruck, *BtnHilfe, *BtnZurueck;
    QCheckBox *CBMaennlich, *CBWeiblich, *CBMaennlichKastrat, *CBWeiblichKastrat;
    QLineEdit *EditJahrevon, *EditJahreBis;
    QRadioButton *RBJahre, *RBMonate;
    QLabel *LabelEinheit;
    QComboBox *CBFarbe;
    QTableView *Ergebnis;
    QFrame *PanelWarten, *PanelInzucht;
    QProgressBar *InzuchtBalken;
    QPushButton *BitBtnAbbruch;

  protected:
    void closeEvent(QCloseEvent *e) override;

  private:
    void bauen();
    QWidget *abfrageTeil();
    QWidget *filterTeil();
    QWidget *inzuchtPanel();
    void anhaengen(const QString &text);
    void operatorenSetzen(bool und, bool oder, bool nicht, bool auf, bool zu);
    void eingabenFrei(bool frei);
    void inzuchtStarten();
    void inzuchtSchritt();
    void inzuchtBeenden();

    tav::store::Database *m_db;
    DateiErgebnisModell *m_modell;
    bool m_eingabe = false;
    bool m_erweitert = false;
    QString m_merkmale;
    bool m_ergebnis = false;
    QString m_abfrage;       // the query of the shown result
    QList<bool> m_gesichert; // operator buttons and trait grid while a result is shown
    std::unique_ptr<DateiInzucht> m_inzucht;
    QTimer *m_takt;
};

void registerStatistikDatei();

} // namespace tav::breeding::ui
