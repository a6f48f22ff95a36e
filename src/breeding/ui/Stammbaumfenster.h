// Stammbaumfenster: the window that shows a cat's pedigree over eight generations (TFormStammbaum).
#pragma once

#include "breeding/Stammbaum8.h"
#include "widgets/ChildWindow.h"

#include <QVector>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace tav::store {
class Database;
}

namespace tav::breeding::ui {

class StammbaumFlaeche;

// the property that holds a box's place in the tree (stammbaum8::index)
inline constexpr char BoxEigenschaft[] = "stammbaumIndex";

class TFormStammbaum : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    static constexpr int HilfeKontext = 19;

    explicit TFormStammbaum(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFormStammbaum() override;
    static TFormStammbaum *instance();

    // makes the cat the root: shows it and fills the tree
    void zeigeKatze(qint32 nummer);
    qint32 wurzel() const { return m_wurzel; }
    // the pedigree shown (the boxes' texts are made from it)
    const Stammbaum8 &stammbaum() const { return m_stammbaum; }

    QLabel *Stb(int g, int i) const { return m_boxen[stammbaum8::index(g, i)]; }
    QFrame *Panel(int g, int i) const { return m_rahmen[stammbaum8::index(g, i)]; }
    QPlainTextEdit *MemoKatze = nullptr;
    QFrame *PanelKatze = nullptr;
    QLabel *ImageKatze = nullptr;
    QFrame *PanelStammbaumInfo = nullptr;
    QPlainTextEdit *MemoStammbaumInfo = nullptr;
    QFrame *Panel3 = nullptr;
    QLabel *Image2 = nullptr;
    QScrollArea *ScrollBox = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtnHilfe = nullptr;
    QPushButton *BitBtnZurueck = nullptr;
    QMenu *PopupMenu = nullptr;
    QAction *StammbaumLaden = nullptr;
    QAction *Ruecksprung = nullptr;

    // what the mouse and the menu do (also called by tests)
    void BoxMouseDown(QLabel *box);
    void ScrollBoxMouseDown();
    void BoxClick(QLabel *box);
    void PopupMenuPopup();
    void StammbaumLadenClick();
    void RuecksprungClick();
    void BitBtn1Click();
    void PanelStammbaumInfoVerbergen();

  protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
    void showEvent(QShowEvent *e) override;

  private:
    void bauen();
    void zeigeWurzel();
    void fuelleBaum();
    void zeigeBild(QLabel *ziel, QFrame *rahmen, const QString &pfad, int rand);
    bool mitBildern() const;

    tav::store::Database *m_db;
    Stammbaum8 m_stammbaum;
    qint32 m_wurzel = 0;
    // the window's state: the previous root, the text of the box last pressed, whether a box
    // was pressed since the last press on the empty area
    std::optional<qint32> SaveBookmark;
    QString MemoNr;
    bool m_boxGedrueckt = false;
    bool m_gezeigt = false;

    StammbaumFlaeche *m_flaeche = nullptr;
    QVector<QLabel *> m_boxen;  // by stammbaum8::index
    QVector<QFrame *> m_rahmen; // generations 1..5
    QVector<QLabel *> m_bilder;
};

// Registers the window with the main window; it opens for the cat selected in the main list.
void registerStammbaum();

} // namespace tav::breeding::ui
