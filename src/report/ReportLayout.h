// ReportLayout: a report and its rows laid out as pages of drawing operations in millimetres.
#pragma once

#include "Report.h"
#include "RowSource.h"
#include "TextMeasure.h"

#include <QDate>

namespace tav::report {

struct DrawOp {
    enum class Kind { Text, Line, Rect, Image };
    Kind kind = Kind::Text;
    QRectF rect; // mm on the page; a line runs from topLeft to bottomRight
    QString text;
    QString fullText; // the whole text of a shortened one (the HTML page shows it)
    Font font;
    Qt::Alignment align = Qt::AlignLeft;
    QColor fill = Qt::transparent; // Rect: its filling; no outline when penWidth is 0
    double penWidth = 0;
    QImage image;
    Band::Kind band = Band::Kind::Child; // the band it belongs to
};

struct Page {
    bool landscape = false;
    QVector<DrawOp> ops;
    // the texts in drawing order (for tests and text output)
    QStringList texts() const;
};

struct Pages {
    PageSetup setup;
    QString title;
    QString fileName; // what a saved copy is called; empty: the title
    QVector<Page> pages;
};

// Bands in their order: title and child bands once, each detail band once per row with the
// column header before it on every page that has detail rows, the summary after, the page footer
// at the foot of every page. A band that does not fit on the rest of a page starts the next; a
// memo taller than what is left splits line by line.
Pages layout(const Report &report, const RowSource *rows, const TextMeasure &measure,
             const QDate &today = QDate::currentDate());

// Lines of text no wider than `width`, broken at blanks, a word too long for a line at letters.
QStringList wrap(const QString &text, double width, const Font &font, const TextMeasure &measure);
// The text as it fits `width`: whole, or its longest beginning followed by "…".
QString elided(const QString &text, double width, const Font &font, const TextMeasure &measure);

} // namespace tav::report
