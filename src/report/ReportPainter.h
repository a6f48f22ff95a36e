// ReportPainter: laid-out pages painted with QPainter, onto any paint device or into a PDF file.
#pragma once

#include "ReportLayout.h"

class QPainter;

namespace tav::report {

// Paints one page; the painter's device is taken as the page, at its own resolution.
void paintPage(QPainter &painter, const Page &page);
// Paints one page at `dotsPerMm` device units a millimetre (a preview's zoom).
void paintPage(QPainter &painter, const Page &page, double dotsPerMm);

// The outcome of writing a file: 0, or the number of the message that says why it failed, with
// the system's words where it gave some.
struct WriteResult {
    int message = 0;
    QString detail;
    bool ok() const { return message == 0; }
};
// Messages of the file problems
enum : int {
    MsgNotWritten = 9650,    // the system refused (detail says why)
    MsgReadOnlyFile = 9651,  // an existing read-only file
    MsgFolderMissing = 9652, // the folder is missing or read-only
    MsgFolderNamed = 9653,   // a folder has the file's name
};

// Why a file cannot be written to `path`, before anything is touched; a path on the register
// (app::ausgabezielPruefen) is refused with its message.
WriteResult checkWritable(const QString &path);

// Writes the pages as a PDF with vector text and embedded fonts; the old file stays as it was
// when writing fails.
WriteResult writePdf(const Pages &pages, const QString &path);
// Writes bytes the same way.
WriteResult writeFile(const QByteArray &bytes, const QString &path);

} // namespace tav::report
