// Pkalend: the calendar dialog, and a date field with its calendar button.
#pragma once

#include <QDate>
#include <QDialog>
#include <optional>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace tav::widgets {
class DataSource;
} // namespace tav::widgets

namespace tav::cats::ui {

// The calendar dialog ("Kalender"): a month calendar whose weeks start on Monday, month and year
// steps, the chosen date shown as "Datum  :  31.12.2020". Calendar1 holds the chosen date; "&OK"
// accepts.
class TKalenderDlg : public QDialog
{
    Q_OBJECT
  public:
    explicit TKalenderDlg(QWidget *parent = nullptr);

    QDate date() const;
    void setDate(const QDate &d);

    QCalendarWidget *Calendar1;
    QLabel *LMonat, *LJahr, *LDatum, *LMonatJahr;
    QPushButton *BMonatZurueck, *BMonatVor, *BJahrZurueck, *BJahrVor;
    QPushButton *BOK, *BHilfe, *BAbbruch;

  protected:
    void showEvent(QShowEvent *e) override;

  private:
    void datumAnzeigen();
    void monatSchritt(int monate);
};

// Shows the calendar on `start` (today when invalid); the chosen date, nothing when cancelled.
std::optional<QDate> runCalendar(QWidget *parent, const QDate &start = QDate());

// A date field with a small button beside it that fills the field from the calendar dialog.
QWidget *mitKalender(QWidget *feld, tav::widgets::DataSource *source, const QString &field, QWidget *parent);

} // namespace tav::cats::ui
