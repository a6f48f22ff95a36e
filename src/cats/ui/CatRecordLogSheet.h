#pragma once

#include <QWidget>
#include <functional>

class QGridLayout;
class QHBoxLayout;
class QPushButton;

namespace tav::widgets {
class DataSource;
} // namespace tav::widgets

namespace tav::cats::ui {

// "Hinzufügen" and "Löschen" of a log: a row is added only to a stored cat, deleted after message
// 28. The first is named after the table ("WURMKUR.DBHinzufuegen"), the second likewise.
struct ZeilenKnoepfe {
    QPushButton *neu, *weg;
};
ZeilenKnoepfe zeilenKnoepfe(tav::widgets::DataSource *s, const std::function<int()> &aktuelleKatze,
                            int neuTag, const QString &neuText, const QString &wegText, QWidget *parent);

// The buttons of an entry: those two, "Speichern" and "Rückgängig" (enabled while editing), then room.
QHBoxLayout *eintragKnoepfe(tav::widgets::DataSource *s, const std::function<int()> &aktuelleKatze,
                            int neuTag, const QString &neuText, QWidget *parent);

// A log of the cat record window kept one entry at a time: the navigator over the entries, the
// fields the log lays out in `felder()`, and the buttons to add an entry (only to a stored cat),
// delete it (message 28), save, undo, and the help button.
class CatRecordLogSheet : public QWidget
{
    Q_OBJECT
  public:
    struct Knopf {
        int tag;
        const char *text;
    };
    CatRecordLogSheet(tav::widgets::DataSource *s, const std::function<int()> &aktuelleKatze,
                      const QString &name, Knopf neu, QPushButton *hilfe, QWidget *parent = nullptr);
    QGridLayout *felder() const { return m_felder; }

  private:
    QGridLayout *m_felder = nullptr;
};

} // namespace tav::cats::ui
