// DruckenKatzen: the print dispatcher of the cat print-outs (tDruckenKatzen): a job number and
// the current cat in, a message, a preview, a registration window or a printed picture out.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tav::store {
class Database;
}

namespace tav::printouts::ui {

// What the dispatcher takes of the cat record window besides the cat.
struct DruckKatze {
    int nr = 0;
    QString bildFuerDruck; // the picture chosen for print
    int deckbuchZeile = 0; // the mating-book row shown (0: the latest)
    int wurfbuchZeile = 0; // the litter shown (0: the latest)
};

// The registration windows of jobs 3, 4, 6, 10 and 13 are built elsewhere and registered here;
// the dispatcher checks the job's condition first. A job without one does nothing.
using DruckFormular = std::function<void(QWidget *parent, tav::store::Database &db, const DruckKatze &katze)>;
void registriereDruckFormular(int job, DruckFormular f);

class tDruckenKatzen
{
  public:
    tDruckenKatzen(tav::store::Database &db, QWidget *parent);
    // Runs job `Formular` for the cat; returns when its message, preview or window is closed.
    void druck(int Formular, const DruckKatze &katze);

  private:
    void katzenliste();
    tav::store::Database &m_db;
    QWidget *m_parent;
};

// Job 2: the picture, printed through the print dialog, each copy a print job of its own. A
// missing or unreadable file is said and nothing is printed. False when nothing was printed.
bool bildDrucken(QWidget *parent, const QString &pfad, const QString &katzenName);

// Registers the dispatcher with the main window ("druckdispatcher"); the main window hands it
// the job of its Druckentag.
void registerDruckenKatzen();

} // namespace tav::printouts::ui
