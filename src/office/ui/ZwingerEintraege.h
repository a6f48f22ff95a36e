// ZwingerEintraege: the studs, queens or kittens of one cattery in the cattery register.
#pragma once

#include "office/Zwingerregister.h"

#include <QWidget>

class QPushButton;

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::widgets {
class DataSource;
class DBGrid;
class DBImage;
} // namespace tav::widgets

namespace tav::office::ui {

// The entries of one kind of one cattery: their names, the picture and the note of the current
// one. Read-only unless the register is written.
class ZwingerEintraege : public QWidget
{
    Q_OBJECT
  public:
    ZwingerEintraege(tav::store::Database *db, const QString &tabelle, bool nurLesen, QWidget *parent);
    ~ZwingerEintraege() override;

    tav::store::Table *table() const { return m_table; }
    tav::widgets::DataSource *dataSource() const { return m_src; }
    tav::widgets::DBImage *bild() const { return m_bild; }
    KatzeArt art() const { return m_art; }

    // the entries of kind `art` of cattery `zwinger`
    void zeigen(qint64 zwinger, KatzeArt art);
    // Posts a pending entry (one without a name is dropped); false when the input stays.
    bool abschliessen();

    // the buttons' commands
    void hinzufuegen();
    void bildLaden();
    void bildLoeschen();
    void loeschen();

  Q_SIGNALS:
    void zurueck();
    // entries or pictures changed
    void geaendert();

  private:
    tav::store::Table *m_table = nullptr;
    tav::widgets::DataSource *m_src = nullptr;
    tav::widgets::DBGrid *m_grid = nullptr;
    tav::widgets::DBImage *m_bild = nullptr;
    qint64 m_zwinger = 0;
    KatzeArt m_art = KatzeArt::Deckkater;
    bool m_nurLesen = false;
};

} // namespace tav::office::ui
