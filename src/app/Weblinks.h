// Weblinks: the addresses handed to the desktop for a home page or an e-mail.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace tav::app {

// The web address typed into a home page field. Without a scheme "http://" is assumed; only http
// and https addresses with a host are opened, so a field cannot start a local file or program.
// Invalid when there is nothing to open.
QUrl webLink(const QString &text);

// A "mailto:" link to the addresses (each may hold several separated by ";" or ","). Every
// address is percent-encoded, so that "?" or "&" in it cannot add headers or attachments.
// A subject or body is added percent-encoded, so blanks, umlauts and "&" reach the mail program
// as typed. Invalid when no address is left.
QUrl mailLink(const QStringList &addresses, const QString &subject = QString(),
              const QString &body = QString(), QChar separator = QLatin1Char(','));

} // namespace tav::app
