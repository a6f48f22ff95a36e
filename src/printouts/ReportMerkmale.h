// ReportMerkmale: the trait catalogue print-out (TReportMerkmale): each trait with its colour.
#pragma once

#include "report/ReportJob.h"

#include <QVector>

namespace tav::store {
class Database;
}

namespace tav::printouts {

struct Merkmal {
    int nummer = 0;
    QString bezeichnung, kuerzel;
    int farbe = 0; // as stored: 24 bits, red in the low byte
};

// the trait catalogue in number order
QVector<Merkmal> merkmaleLesen(tav::store::Database &db);

report::ReportJob reportMerkmale(const QVector<Merkmal> &merkmale);

} // namespace tav::printouts
