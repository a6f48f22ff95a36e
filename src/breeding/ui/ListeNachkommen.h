// ListeNachkommen: all descendants of a cat as a tree read branch by branch (TFormListeNachkommen).
#pragma once

#include "widgets/ChildWindow.h"

#include <memory>

class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tav::store {
class Database;
}

namespace tav::breeding {
class NachkommenLeser;
}

namespace tav::breeding::ui {

class TFormListeNachkommen : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    static constexpr int HilfeKontext = 26;
    // the image of a node: 1 male, 0 female, 3 placeholder or "no descendants"
    enum Bild { BildWeiblich = 0, BildMaennlich = 1, BildLeer = 3 };
    static constexpr int BildRolle = Qt::UserRole;
    static constexpr int PlatzhalterRolle = Qt::UserRole + 1;

    explicit TFormListeNachkommen(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFormListeNachkommen() override;
    static TFormListeNachkommen *instance();

    // how often offspring were read from the register (the build and each first opening)
    int lesungen() const { return m_lesungen; }

    QTreeWidget *TreeView1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *BitBtnHilfe = nullptr, *BitBtnZurueck = nullptr;

    // the tree of another cat
    void followCat(int cat) override;
    bool followsCat() const override { return true; }
    void zweigOeffnen(QTreeWidgetItem *knoten);
    void knotenGewaehlt(QTreeWidgetItem *knoten);

  private:
    void aufbauen(qint32 nummer);
    void datenZeigen(qint32 nummer);
    QTreeWidgetItem *kind(QTreeWidgetItem *eltern, const QString &text, int bild);
    void setzen(QTreeWidgetItem *knoten, const QString &text, int bild, bool platzhalter);
    // adds the offspring of `nummer` below `knoten`, each with a placeholder; false when none
    bool kinderAnhaengen(QTreeWidgetItem *knoten, qint32 nummer);

    tav::store::Database *m_db;
    std::unique_ptr<tav::breeding::NachkommenLeser> m_leser;
    int m_lesungen = 0;
};

} // namespace tav::breeding::ui
