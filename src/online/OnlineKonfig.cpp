#include "OnlineKonfig.h"

#include "app/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tav::online {

namespace {
const QString kSection = QStringLiteral("Online");
}

QStringList OnlineKonfig::fehlendeSchluessel(bool mitBildern) const
{
    QStringList fehlt;
    if (uploadUrl.trimmed().isEmpty())
        fehlt << QStringLiteral("UploadUrl");
    if (mitBildern) {
        if (ftpHost.trimmed().isEmpty())
            fehlt << QStringLiteral("FtpHost");
        if (ftpUser.trimmed().isEmpty())
            fehlt << QStringLiteral("FtpUser");
    }
    return fehlt;
}

OnlineKonfig onlineKonfigLesen(const tav::app::IniFile &ini)
{
    OnlineKonfig k;
    k.uploadUrl = ini.readString(kSection, QStringLiteral("UploadUrl"));
    k.ftpHost = ini.readString(kSection, QStringLiteral("FtpHost"));
    const int port = ini.readInteger(kSection, QStringLiteral("FtpPort"), 21);
    k.ftpPort = (port > 0 && port < 65536) ? port : 21;
    k.ftpUser = ini.readString(kSection, QStringLiteral("FtpUser"));
    k.ftpPassive = ini.readBool(kSection, QStringLiteral("FtpPassive"), true);
    k.ftpTls = ini.readBool(kSection, QStringLiteral("FtpTls"), false);
    k.ftpBaseDir = ini.readString(kSection, QStringLiteral("FtpBaseDir"));
    k.beispielUrl = ini.readString(kSection, QStringLiteral("BeispielUrl"));
    // zero or less would mean "no limit" to the transfer: such values keep the default
    auto sekunden = [&ini](const char *schluessel, int standard) {
        const int v = ini.readInteger(kSection, QString::fromLatin1(schluessel), standard);
        return v > 0 ? v : standard;
    };
    k.zeit.verbinden = sekunden("ConnectTimeout", k.zeit.verbinden);
    k.zeit.langsamBytes = sekunden("LowSpeedLimit", k.zeit.langsamBytes);
    k.zeit.langsamSekunden = sekunden("LowSpeedTime", k.zeit.langsamSekunden);
    k.zeit.gesamt = sekunden("Timeout", k.zeit.gesamt);
    return k;
}

bool onlineKonfigSchreiben(const QString &iniPath, const OnlineKonfig &k)
{
    using E = tav::app::IniFile::Entry;
    using tav::app::IniFile;
    return IniFile::write(
        iniPath, {
                     E{kSection, QStringLiteral("UploadUrl"), k.uploadUrl},
                     E{kSection, QStringLiteral("FtpHost"), k.ftpHost},
                     E{kSection, QStringLiteral("FtpPort"), QString::number(k.ftpPort)},
                     E{kSection, QStringLiteral("FtpUser"), k.ftpUser},
                     E{kSection, QStringLiteral("FtpPassive"), IniFile::boolText(k.ftpPassive)},
                     E{kSection, QStringLiteral("FtpTls"), IniFile::boolText(k.ftpTls)},
                     E{kSection, QStringLiteral("FtpBaseDir"), k.ftpBaseDir},
                     E{kSection, QStringLiteral("BeispielUrl"), k.beispielUrl},
                     E{kSection, QStringLiteral("ConnectTimeout"), QString::number(k.zeit.verbinden)},
                     E{kSection, QStringLiteral("LowSpeedLimit"), QString::number(k.zeit.langsamBytes)},
                     E{kSection, QStringLiteral("LowSpeedTime"), QString::number(k.zeit.langsamSekunden)},
                     E{kSection, QStringLiteral("Timeout"), QString::number(k.zeit.gesamt)},
                 });
}

QString bilderZielordner(const OnlineKonfig &k, const QString &konto)
{
    QString basis = k.ftpBaseDir.trimmed();
    while (basis.endsWith(QLatin1Char('/')))
        basis.chop(1);
    const QString eigen = QStringLiteral("id") + konto + QStringLiteral("/bilder");
    return basis.isEmpty() ? eigen : basis + QLatin1Char('/') + eigen;
}

QString ftpPasswortDatei(const QString &configDir)
{
    return configDir + QStringLiteral("/ftp-passwort");
}

bool ftpPasswortSchreiben(const QString &configDir, const QString &passwort, QString *fehler)
{
    const QFileDevice::Permissions nurBenutzer = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QSaveFile f(ftpPasswortDatei(configDir));
    // QSaveFile writes a temporary file and renames it: the mode is set on that file before a
    // single byte of the password is in it.
    if (!f.open(QIODevice::WriteOnly) || !f.setPermissions(nurBenutzer)) {
        if (fehler)
            *fehler = f.errorString();
        f.cancelWriting();
        return false;
    }
    f.write(passwort.toUtf8());
    if (!f.commit()) {
        if (fehler)
            *fehler = f.errorString();
        return false;
    }
    return QFile::setPermissions(ftpPasswortDatei(configDir), nurBenutzer);
}

int ftpPasswortPruefen(const QString &configDir)
{
    const QFileInfo info(ftpPasswortDatei(configDir));
    if (!info.exists())
        return 0;
    const QFileDevice::Permissions fremd =
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    return info.permissions() & fremd ? 7304 : 0;
}

QString ftpPasswortLesen(const QString &configDir)
{
    QFile f(ftpPasswortDatei(configDir));
    if (ftpPasswortPruefen(configDir) != 0 || !f.open(QIODevice::ReadOnly))
        return {};
    QString pw = QString::fromUtf8(f.readAll());
    while (pw.endsWith(QLatin1Char('\n')) || pw.endsWith(QLatin1Char('\r')))
        pw.chop(1);
    return pw;
}

QString uploadOrdner(const QString &configDir)
{
    const QString ordner = configDir + QStringLiteral("/Online");
    if (!QDir().mkpath(ordner))
        return {};
    // the files name the breeder's addresses: only the user reads them
    QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return ordner;
}

} // namespace tav::online
