#pragma once

#include "cats/Stammbaumseite.h"

#include <QColor>
#include <QVector>
#include <QWidget>
#include <functional>

class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::widgets {
class DataSource;
} // namespace tav::widgets

namespace tav::cats::ui {

// The pedigree page of the cat record window: five generations of ancestors in 62 boxes, repeated
// ancestors in the pedigree colours, a jump to an ancestor and back, and the entry of a missing
// parent from its empty box, linked to its child when saved.
class CatRecordPedigreePage : public QWidget
{
    Q_OBJECT
  public:
    struct Fenster {
        std::function<int()> aktuelleKatze;
        std::function<bool(int)> zeigeKatze;
        std::function<void()> seiteZeigen;
        // the entry of a missing parent begins with this caption, or ends (empty): the window's
        // caption and its save button say so
        std::function<void(const QString &)> eintragAnzeigen;
        // a parent was linked to the cat shown or to one of its ancestors
        std::function<void()> katzeGeaendert;
    };
    CatRecordPedigreePage(tav::store::Database *db, tav::widgets::DataSource *katze, Fenster fenster,
                          QPushButton *hilfe, QWidget *parent = nullptr);

    // reads the ancestors of the cat shown and fills the boxes
    void aufbauen();
    QPlainTextEdit *box(int n) const { return m_boxen.value(n - 1); }
    const QVector<tav::cats::AhnenBox> &boxen() const { return m_ahnen; }
    QColor boxFarbe(int n) const;
    // the marker strip of box n (1 to 30): "Top" + n and the trait squares "M" + n + k
    QWidget *marker(int n) const { return m_marker.value(n - 1); }
    // what a click on box n does: the entry of a missing parent, or nothing for an ancestor
    void boxGeklickt(int n);
    // the lines of an ancestor's box in a larger panel over the page, until clicked or touched
    QPlainTextEdit *infoPanel() const { return m_info; }
    void stammbaumLaden(int n);
    void ruecksprung();

  protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void showEvent(QShowEvent *e) override;

  private:
    void anordnen();
    void nachPost();
    void eintragBeenden();

    tav::store::Database *m_db;
    tav::widgets::DataSource *m_katze;
    Fenster m_fenster;
    tav::store::Table *m_stammbaum = nullptr; // second cursor over the cats
    QVector<QFrame *> m_panels;
    QVector<QPlainTextEdit *> m_boxen;
    QVector<QWidget *> m_marker;
    void markerSetzen(int n, int katze);
    QVector<tav::cats::AhnenBox> m_ahnen;
    QVector<QColor> m_farben;
    QPushButton *m_hilfe = nullptr;
    QPlainTextEdit *m_info = nullptr;
    int m_ruecksprung = 0;
    int m_gemeldetFuer = 0; // the cat the too-few-colours message was shown for
};

} // namespace tav::cats::ui
