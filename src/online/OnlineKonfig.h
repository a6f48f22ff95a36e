// OnlineKonfig: where the online upload sends its files and pictures.
#pragma once

#include <QString>
#include <QStringList>

namespace tav::app {
class IniFile;
}

namespace tav::online {

// How long a transfer may take, in seconds: connecting, below `langsamBytes` bytes per second for
// `langsamSekunden`, and overall per file. A server that sends nothing, or a trickle, ends the
// transfer instead of holding the program.
struct Zeitlimits {
    int verbinden = 15;       // ConnectTimeout
    int langsamBytes = 1;     // LowSpeedLimit
    int langsamSekunden = 30; // LowSpeedTime
    int gesamt = 600;         // Timeout
};

// The section [Online] of the settings file. Nothing points at a real service by default: an
// empty value means "not configured", and the upload says which keys are missing.
struct OnlineKonfig {
    QString uploadUrl;      // UploadUrl: the page that takes the semicolon files by HTTP POST
    QString ftpHost;        // FtpHost
    int ftpPort = 21;       // FtpPort
    QString ftpUser;        // FtpUser
    bool ftpPassive = true; // FtpPassive
    bool ftpTls = false;    // FtpTls: TLS required, nothing is sent when the server refuses it
    QString ftpBaseDir;     // FtpBaseDir: the server folder that holds the breeders' folders
    QString beispielUrl;    // BeispielUrl: the service's sample database page
    Zeitlimits zeit;

    // The keys an upload still needs ("UploadUrl", "FtpHost", "FtpUser"); empty when complete.
    QStringList fehlendeSchluessel(bool mitBildern) const;
};

OnlineKonfig onlineKonfigLesen(const tav::app::IniFile &ini);
// Writes the section in one go; false when the settings file cannot be written.
bool onlineKonfigSchreiben(const QString &iniPath, const OnlineKonfig &k);

// The server folder for the pictures of the breeder with this online account: FtpBaseDir +
// "/id" + account + "/bilder" (without FtpBaseDir: "id" + account + "/bilder").
QString bilderZielordner(const OnlineKonfig &k, const QString &konto);

// The FTP password is kept apart from the settings, in a file of the settings folder that only the
// user may read; it is never written into a log, a message or a command line.
QString ftpPasswortDatei(const QString &configDir);
// Creates or rewrites the file with mode 0600 (the mode is set before the password is written).
bool ftpPasswortSchreiben(const QString &configDir, const QString &passwort, QString *fehler = nullptr);
// The password, or an empty text when there is no file or when others may read it.
QString ftpPasswortLesen(const QString &configDir);
// 0 when the password file is missing or readable by its owner only; otherwise the number of the
// message that says how to protect it (the file's path goes after the message).
int ftpPasswortPruefen(const QString &configDir);

// The folder the upload writes its files into (created with mode 0700 when missing); empty when
// it cannot be created.
QString uploadOrdner(const QString &configDir);

} // namespace tav::online
