#pragma once

#include <QFrame>

class QLineEdit;
class QPlainTextEdit;

namespace tav::widgets {
class DataSource;
} // namespace tav::widgets
namespace tav::store {
class Database;
}

namespace tav::cats::ui {

// The small floating panel that a click on a parent field of the cat record window opens: the
// parent's titles and name, breed, colour, birth, registrations, breeder, owner and tests. A click
// on it or the mouse over it hides it.
class CatRecordParentSummary : public QFrame
{
    Q_OBJECT
  public:
    CatRecordParentSummary(QLineEdit *vater, QLineEdit *mutter, tav::widgets::DataSource *katze,
                           tav::store::Database *db, QWidget *window);

    void zeigen(bool vater);
    QString text() const;

  protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
    void enterEvent(QEnterEvent *e) override;

  private:
    QLineEdit *m_vater, *m_mutter;
    tav::widgets::DataSource *m_katze;
    tav::store::Database *m_db;
    QPlainTextEdit *m_memo;
};

} // namespace tav::cats::ui
