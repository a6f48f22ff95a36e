// ReportVerpaarung: the matings print-out (TReportVerpaarung) of one tree level of the matings
// window, and the fill of what it shows from the matings of a cat.
#pragma once

#include "breeding/Verpaarungen.h"
#include "report/Report.h"
#include "report/ReportJob.h"

#include <functional>

namespace tav::printouts {

struct VerpaarungDruck {
    QVector<report::TextPiece> titel;
    // the statistics of the page: caption (tag and German text) and value
    struct Wert {
        int tag = 0;
        QString text;
        QString wert;
    };
    QVector<Wert> werte;
    QStringList partnerZeilen; // under "Würfe:" on the cat page
    // one line per tree node: level 0 cat, 1 partner, 2 litter, 3 kitten
    struct Knoten {
        int ebene = 0;
        QString text;
        bool kater = false;
    };
    QVector<Knoten> knoten;
    bool keineVerpaarungen = false;
};

// Which part of the tree the print-out shows, as the selected node of the window says.
struct VerpaarungAuswahl {
    enum Seite { Tier = 0, PartnerSeite = 1, WurfSeite = 3, Jungtier = 4 };
    Seite seite = Tier;
    int partner = -1; // index into Verpaarungen::partner
    int wurf = -1;    // index into that partner's litters
    int zeile = -1;   // the kitten's row (Jungtier)
    // what the window shows of the selected kitten, or of the partner (its remark)
    breeding::JungtierDaten daten;
};

// The node texts (KatzendatenVerp lines joined) of the cat, a partner or a kitten by number.
using KnotenText = std::function<QString(qint32 nummer)>;

// The statistics and lines of a page. The cat node's text is `katzenText`; the texts of the
// partner lines ("  2  Würfe mit  Name") are given in the user's language.
VerpaarungDruck verpaarungDruck(const breeding::Verpaarungen &v, const VerpaarungAuswahl &auswahl,
                                qint32 katze, bool kater, const QString &katzenName, const KnotenText &text,
                                const QStringList &partnerZeilen, const QLocale &locale);

report::ReportJob reportVerpaarung(const VerpaarungDruck &druck);

} // namespace tav::printouts
