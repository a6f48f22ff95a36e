// ReportDeckplan: the print-out of the mating planner: the queen, the generations and one line per
// candidate tom as the planner's window shows it.
#pragma once

#include "breeding/Deckplaner.h"
#include "report/ReportJob.h"

#include <functional>

namespace tav::printouts {

struct DeckplanDruck {
    QString koenigin;
    int generationen = 5;
    QVector<QStringList> zeilen; // the columns of deckplanSpalten() per tom
};

// The columns printed, in order.
const QVector<breeding::DeckSpalte> &deckplanSpalten();
// The rows in their order; `meldung` gives the text of a tom without figures.
DeckplanDruck deckplanDruck(const breeding::Deckplaner &p, qint32 koenigin,
                            const QVector<breeding::DeckZeile> &zeilen,
                            const std::function<QString(int)> &meldung);
report::ReportJob reportDeckplan(const DeckplanDruck &d);

} // namespace tav::printouts
