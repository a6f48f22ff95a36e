// ReportFont: the Qt font of a report font, sized in painter units (hundredths of a millimetre).
#pragma once

#include "Report.h"

#include <QFont>

namespace tav::report {

QFont qtFont(const Font &font);

} // namespace tav::report
