// StatusFenster: the status list window (TStatusForm).
#pragma once

#include "widgets/ChildWindow.h"

#include <QVector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tav::store {
class Database;
}

namespace tav::cats::ui {

// The status list window (TStatusForm): up to nine status names, edited by position.
class TStatusForm : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    explicit TStatusForm(tav::store::Database *db, QWidget *parent = nullptr);

    void hinzufuegen();
    bool speichern();
    void rueckgaengig();
    QLineEdit *feld(int position) const { return m_felder.value(position - 1); }
    // the fields shown, in position order
    int sichtbar() const;

  private:
    void laden();
    void geaendert(bool an);

    tav::store::Database *m_db;
    QVector<QLabel *> m_labels;
    QVector<QLineEdit *> m_felder;
    QStringList m_gespeichert; // the names as stored, which the fields show in the program's language
    QPushButton *m_speichern = nullptr, *m_rueckgaengig = nullptr;
};

} // namespace tav::cats::ui
