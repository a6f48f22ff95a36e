// HTMLStammbaumFenster: the design window of the HTML pedigree page (TFormHTMLStammbaum): settings,
// head preview, the arrangement of the head fields, and its registration.
#pragma once

#include "breeding/HTMLINI.h"
#include "breeding/HTMLKopf.h"
#include "widgets/ChildWindow.h"

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QUrl;

namespace tav::store {
class Database;
}

namespace tav::breeding::ui {

// The arrangement page: the three boxes ("Spalte1", "Spalte2", "verfügbare Felder") drawn under
// the tiles, which move freely over them.
class HTMLFelderFlaeche : public QWidget
{
  public:
    using QWidget::QWidget;
    QRect kasten[3];
    bool zweiter = true; // box 2 is shown

  protected:
    void paintEvent(QPaintEvent *e) override;
};

class TFormHTMLStammbaum : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    static constexpr int HilfeKontext = 200;

    explicit TFormHTMLStammbaum(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFormHTMLStammbaum() override;
    static TFormHTMLStammbaum *instance();

    // How a written page reaches the desktop's browser; tests put their own in.
    static std::function<bool(const QUrl &)> &oeffner();

    // shows this cat (0: the cat record window's) and rebuilds the head preview
    void katzeSetzen(qint32 katze);
    void MakeKopf();
    // "HTML-Datei erstellen": true when the page was written
    bool schreiben();
    // "... u. anzeigen": writes, then opens the page unless the writing failed
    bool schreibenUndAnzeigen();
    // the page's language number and whether breed and eye colour take their English names
    HTMLSeitenSprache seitenSprache() const;
    HTMLSeite seite() const;
    qint32 katze() const { return m_katze; }
    void followCat(int cat) override { katzeSetzen(cat); }
    bool followsCat() const override { return true; }

    QLineEdit *EditPfad, *EditBreite, *EditHoehe, *EditTransparenz, *EditBild, *EditBildWeite, *EditBildHoehe,
        *EditBildGenWeite, *EditBildGenHoehe, *EditHintergrundbild, *EditStammbaumbild;
    QCheckBox *CheckBoxAuto, *CheckBoxBildGen;
    QButtonGroup *Position, *BildPos, *Ausgabe, *FeldLeer;
    QComboBox *ComboRahmen, *ComboHintergrundart, *ComboHintergrund, *ComboStbArt, *ComboStb,
        *ComboBoxSprache;
    QComboBox *SchriftFarbe[3];
    QLabel *SchriftVorschau[3];
    QSpinBox *SpinEdit1;
    QPlainTextEdit *MemoName, *MemoSpalte1, *MemoSpalte2;
    QPushButton *Button1, *BitBtn1, *BitBtnHilfe, *BitBtnZuruck;
    QStackedWidget *Seiten;
    HTMLFelderFlaeche *Kaesten;
    QFrame *Feld[HTMLKopfFelder + 1];
    QLabel *LabelOptionen;

  protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

  private:
    void bauen();
    QWidget *bauenEinstellungen();
    QWidget *bauenFelder();
    QWidget *bauenOptionen();
    void einstellungenZeigen();
    void schriftZeigen(int i);
    void bildPosGeaendert();
    void kaestenLegen();
    // the tiles' places into columns and slots, then the preview
    void normalisieren();
    void optionenZeigen(int feld);
    void speichern();

    tav::store::Database *m_db;
    THTMLINI m_ini;
    HTMLFelder spalte_pos;
    HTMLFelderSortierung FelderSortierung{};
    HTMLSchrift m_schrift[3];
    qint32 m_katze = 0;
    bool TitelKatze = false;
    int tmpOptionenFeld = 0;
    bool optionen_setzen = false;
    QPoint m_ziehStart;
};

void registerHTMLStammbaum();

} // namespace tav::breeding::ui
