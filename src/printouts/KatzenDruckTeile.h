// KatzenDruckTeile: parts the cat print-outs share: fonts, dates, caption-and-value lines,
// columns in one or two lines, the title band, and reading a cat's rows of a table.
#pragma once

#include "report/Report.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QDate>

namespace tav::printouts {

constexpr int TagSeite = 9675;

inline QString datum(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

// A caption (tag and German text) and its value.
struct Angabe {
    int tag;
    const char *text;
    QString wert;
};
// One line each from `y` down: the caption at `x`, the value `abstand` further right.
void angabenZeilen(report::Band &band, const QVector<Angabe> &angaben, double x, double abstand,
                   double breite, double zeile, const report::Font &beschriftung, const report::Font &wert,
                   double y = 0);

// A column of a list: its line (0 or 1), where it stands, the field and its heading.
struct Spalte {
    int zeile;
    double links, breite;
    const char *feld;
    const char *kopf;
    int tag;
};
// The column header (a line under it) and the detail band of the columns.
void spaltenBaender(report::Report &r, const QVector<Spalte> &spalten, double breite, double zeile,
                    double schriftgroesse);
// The heading pieces at the left, today's date at the right, a line under them.
void titelBand(report::Report &r, const QVector<report::TextPiece> &titel, double breite,
               const report::Font &font = report::textFont(14, true));

// Every row of `tabelle` whose first index field is `wert`, in index order, until `lesen` says
// false. A missing table has none. Throws EngineError.
template <typename F>
void zeilenLesen(store::Database &db, const QString &tabelle, const QString &index, const QVariant &wert,
                 F lesen)
{
    if (!db.tableExists(tabelle))
        return;
    store::Table t(&db, tabelle);
    t.setReadOnly(true);
    t.setIndexName(index);
    t.open();
    t.setRange({wert}, {wert});
    for (t.first(); !t.eof(); t.next())
        if (!lesen(t))
            return;
}

} // namespace tav::printouts
