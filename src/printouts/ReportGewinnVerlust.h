// ReportGewinnVerlust: the income statement, one job of four reports: the start with the period
// and the opening balances, the income and the expense list (TReportGewinnVerlust each), the end
// with the closing balances.
#pragma once

#include "office/Buchfuehrung.h"
#include "report/ReportJob.h"

#include <QLocale>

namespace tav::printouts {

struct GewinnVerlustDruck {
    tav::office::GewinnVerlust gv;
    QVector<tav::office::Konto> konten;
    tav::office::Geld kontostandSumme;
    QDate heute = QDate::currentDate();
    QLocale locale;
};

GewinnVerlustDruck gewinnVerlustLesen(tav::store::Database &db, const tav::office::Zeitraum &z,
                                      const QLocale &locale);

// the list of one side: title "Einnahmen" or "Ausgaben", category and amount, "Saldo:" and its sum
report::Report reportGewinnVerlust(int titelTag, const QString &titel, const QString &summe);

report::ReportJob reportGewinnUndVerlust(const GewinnVerlustDruck &d);

} // namespace tav::printouts
