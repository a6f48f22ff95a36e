// ReportKatzen: the cat print-outs of the print dispatcher: the data sheet (TReportStammdaten),
// the cat list over a search (TReportKatzenListe), the show results lists (TReportTradRichtenListe,
// TReportTICAListe, TReportCFAListe), the mating book (TReportDeckbuch) and the mating
// certificate (TReportDeckschein). German until prepared.
#pragma once

#include "KatzenDruck.h"
#include "cats/CatSearch.h"
#include "report/ReportJob.h"

#include <QImage>

namespace tav::printouts {

// `bild` is shown at the top right when it is not null.
report::ReportJob reportStammdaten(const KatzeDruck &k, const QString &geschlecht, const QImage &bild);

// Two lines a cat in the order of the search; `status` the status text of the heading, empty
// when no status was searched for. The rows read TaetoNr and ChipNr from the register.
std::shared_ptr<report::ListRows> katzenListeZeilen(tav::store::Database &db,
                                                    const QVector<tav::cats::KatzeTreffer> &treffer);
report::ReportJob reportKatzenListe(std::shared_ptr<const report::RowSource> zeilen, const QString &status);

enum class Richten { Trad, TICA, CFA };
// The cat's results of that judging in date order.
std::shared_ptr<report::ListRows> ergebnisZeilen(tav::store::Database &db, Richten art, int katze);
report::ReportJob reportErgebnisse(Richten art, const QString &katzenName,
                                   std::shared_ptr<const report::RowSource> zeilen);

// The tom's mating book in mating-date order, the expected birth date `tage` days after a mating.
std::shared_ptr<report::ListRows> deckbuchZeilen(tav::store::Database &db, int kater, int tage);
report::ReportJob reportDeckbuch(const QString &katerName, std::shared_ptr<const report::RowSource> zeilen);

struct DeckscheinDaten {
    KatzeDruck kater, katze;
    QDate decktermin;
    QString freitext;
};
// The mating of row `deckbuchZeile` of DECKBUCH.DB (0: the tom's latest); nothing when the tom
// has none. Throws EngineError.
std::optional<DeckscheinDaten> deckscheinDaten(tav::store::Database &db, KatzenLeser &leser, int kater,
                                               int deckbuchZeile = 0);
// deckschein.txt of the data folder: empty when the breeder has written none, nothing when the
// file is there but cannot be read
std::optional<QString> deckscheinText(const QString &datenordner);
report::ReportJob reportDeckschein(const DeckscheinDaten &d);

} // namespace tav::printouts
