#include "CsvZelle.h"

#include <QRegularExpression>

#include <algorithm>

namespace tav::app {

QString csvText(const QString &wert)
{
    static const QString formelbeginn = QStringLiteral("=+-@\t\r");
    static const QRegularExpression zahl(QStringLiteral("^[+-]?\\d+([.,]\\d+)?$"));
    if (wert.isEmpty() || !formelbeginn.contains(wert.front()) || zahl.match(wert).hasMatch())
        return wert;
    return QLatin1Char('\'') + wert;
}

QString csvZelle(const QString &wert)
{
    static const QString besondere = QStringLiteral(";\"\r\n");
    QString s = csvText(wert);
    if (std::none_of(s.cbegin(), s.cend(), [](QChar c) { return besondere.contains(c); }))
        return s;
    return QLatin1Char('"') + s.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace tav::app
