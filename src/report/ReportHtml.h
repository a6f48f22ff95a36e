// ReportHtml: laid-out pages as one HTML page, each page a sheet with its texts, lines and pictures.
#pragma once

#include "ReportLayout.h"
#include "ReportPainter.h"

namespace tav::report {

QByteArray html(const Pages &pages);
// Writes html(pages) to `path`; the old file stays as it was when writing fails.
WriteResult writeHtml(const Pages &pages, const QString &path);

} // namespace tav::report
