#include "Weblinks.h"

#include <QRegularExpression>

namespace tav::app {

QUrl webLink(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    static const QRegularExpression hasScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    QUrl url(hasScheme.match(t).hasMatch() ? t : QStringLiteral("http://") + t, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return url;
}

QUrl mailLink(const QStringList &addresses, const QString &subject, const QString &body, QChar separator)
{
    QStringList encoded;
    for (const QString &field : addresses) {
        for (const QString &a : field.split(QRegularExpression(QStringLiteral("[;,]")))) {
            const QString address = a.trimmed();
            if (!address.isEmpty())
                encoded << QString::fromLatin1(QUrl::toPercentEncoding(address, "@"));
        }
    }
    if (encoded.isEmpty())
        return {};
    QStringList query;
    if (!subject.isEmpty())
        query << QStringLiteral("subject=") + QString::fromLatin1(QUrl::toPercentEncoding(subject));
    if (!body.isEmpty())
        query << QStringLiteral("body=") + QString::fromLatin1(QUrl::toPercentEncoding(body));
    QString link = QStringLiteral("mailto:") + encoded.join(separator);
    if (!query.isEmpty())
        link += QLatin1Char('?') + query.join(QLatin1Char('&'));
    return QUrl(link, QUrl::StrictMode);
}

} // namespace tav::app
