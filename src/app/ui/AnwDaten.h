// AnwDaten: the breeder's own data window (TAnwenderdaten): the own address, the club data and
// the breed and colour of a new cat.
#pragma once

#include "app/Anwenderdaten.h"
#include "widgets/ChildWindow.h"

#include <QHash>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tav::store {
class Database;
}

namespace tav::app::ui {

class TAnwenderdaten : public widgets::ChildWindow
{
    Q_OBJECT
  public:
    explicit TAnwenderdaten(tav::store::Database *db, QWidget *parent = nullptr);
    static TAnwenderdaten *instance();

    // "O&K": writes what changed (the own record after its check, the club data, the defaults of a
    // new cat) and closes; false, with the reason said, when the window stays open.
    bool uebernehmen();

    // the own address by field name of EIGEN.DB; the club data by field name of ZUSATZ.DB
    QLineEdit *feld(const QString &name) const { return m_felder.value(name); }
    QComboBox *ComboBoxRasse, *ComboBoxFarbe;
    QPushButton *BitBtnOK, *BitBtnHilfe;

  private:
    EigeneDaten eigeneEingabe() const;
    Vereinsdaten vereinsEingabe() const;

    tav::store::Database *m_db;
    QHash<QString, QLineEdit *> m_felder;
    QHash<QString, QLabel *> m_beschriftung;
    EigeneDaten m_eigen;
    Vereinsdaten m_verein;
};

void registerAnwenderdaten();

} // namespace tav::app::ui
