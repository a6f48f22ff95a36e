// Warnung: the reminders window shown at start-up.
#pragma once

#include "cats/Warnung.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace tav::store {
class Database;
}

namespace tav::cats::ui {

// The reminders at start-up ("Warnungen"): one list at a time (expired medicines, due
// vaccinations, due dewormings), "OK" steps to the next and closes after the last. It stays on top
// of the other windows and frees itself when closed.
class TFormWarnungen : public QDialog
{
    Q_OBJECT
  public:
    static constexpr int HilfeKontext = 24;

    // The checks, run once while the cat record window is created; a table that cannot be read
    // is reported (message 11 and its name).
    static void Warnungen(tav::store::Database &db);
    // After start-up: the window with the lists the checks found, when they found any.
    static TFormWarnungen *FensterZeigen(QWidget *parent);
    static TFormWarnungen *instance();

    explicit TFormWarnungen(const WarnungsListen &listen, QWidget *parent = nullptr);
    WarnungsListe gezeigt() const { return m_gezeigt; }

  public Q_SLOTS:
    void Button1Click();

  protected:
    void keyPressEvent(QKeyEvent *e) override;

  private:
    void zeigen(WarnungsListe liste);

    WarnungsListen m_listen;
    WarnungsListe m_gezeigt = WarnungsListe::Keine;
    QWidget *m_panels[3] = {};
};

} // namespace tav::cats::ui
