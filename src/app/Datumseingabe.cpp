#include "Datumseingabe.h"

#include <QRegularExpression>

namespace tav::app {

std::optional<QDate> eingabeDatum(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QDate();
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2}|\\d{4})$"));
    QDate d;
    if (const auto m = form.match(t); m.hasMatch()) {
        int jahr = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            jahr += jahr < 50 ? 2000 : 1900;
        d = QDate(jahr, m.captured(2).toInt(), m.captured(1).toInt());
    }
    if (!d.isValid())
        return std::nullopt;
    return d;
}

std::optional<QDateTime> eingabeZeitpunkt(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QDateTime();
    static const QRegularExpression mitZeit(QStringLiteral("^(\\S+)\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    QString datumTeil = t;
    QTime zeit(0, 0);
    if (const auto m = mitZeit.match(t); m.hasMatch()) {
        datumTeil = m.captured(1);
        zeit = QTime(m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
        if (!zeit.isValid())
            return std::nullopt;
    }
    const std::optional<QDate> d = eingabeDatum(datumTeil);
    if (!d || !d->isValid())
        return std::nullopt;
    return QDateTime(*d, zeit);
}

QString zeitpunktText(const QDateTime &zeitpunkt)
{
    if (!zeitpunkt.isValid())
        return QString();
    const QString datum = zeitpunkt.date().toString(QStringLiteral("dd.MM.yyyy"));
    const QTime z = zeitpunkt.time();
    if (z == QTime(0, 0))
        return datum;
    return datum + QLatin1Char(' ') +
           z.toString(z.second() ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
}

} // namespace tav::app
