#include "FtpUpload.h"

#include "online/BilderLog.h"
#include "online/CurlZeit.h"
#include "store/Database.h"

#include <QFile>
#include <QUrl>
#include <chrono>
#include <curl/curl.h>

namespace tav::online {

namespace {

// One FTP session over one curl handle: every request after the first reuses its connection.
class FtpSitzung
{
  public:
    FtpSitzung(const TFtpConfig &c, const std::atomic<bool> &sofortAbbrechen)
        : m_curl(curl_easy_init()), m_abbrechen(sofortAbbrechen)
    {
        QUrl server;
        server.setScheme(QStringLiteral("ftp"));
        server.setHost(c.Hostname.trimmed(), QUrl::StrictMode);
        server.setPort(c.Port);
        // a host that is no host name leaves the URL invalid: the connection fails, nothing is sent
        if (!m_curl || !server.isValid() || server.host().isEmpty())
            return;
        m_basis = server.toEncoded() + '/';
        m_ordner = ordnerImUrl(c.TargetPath);
        const QByteArray user = c.Username.toUtf8();
        QByteArray passwort = c.Password.toUtf8();
        curl_easy_setopt(m_curl, CURLOPT_USERNAME, user.constData()); // libcurl copies both
        curl_easy_setopt(m_curl, CURLOPT_PASSWORD, passwort.constData());
        passwort.fill('\0');
        curl_easy_setopt(m_curl, CURLOPT_PROTOCOLS_STR, "ftp");
        curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
        zeitlimitsSetzen(m_curl, c.Zeit);
        curl_easy_setopt(m_curl, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_MULTICWD));
        // TLS asked for is TLS required: "try" would send the password in clear to a server that
        // refuses AUTH TLS
        if (c.Tls)
            curl_easy_setopt(m_curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        if (c.Passive)
            curl_easy_setopt(m_curl, CURLOPT_FTP_USE_EPSV, 1L);
        else
            curl_easy_setopt(m_curl, CURLOPT_FTPPORT, "-");
        curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(m_curl, CURLOPT_XFERINFOFUNCTION, &FtpSitzung::fortschritt);
        curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, this);
        curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, &FtpSitzung::lesen);
        m_bereit = true;
    }
    ~FtpSitzung()
    {
        if (m_curl)
            curl_easy_cleanup(m_curl); // sends QUIT on the open connection
    }
    FtpSitzung(const FtpSitzung &) = delete;
    FtpSitzung &operator=(const FtpSitzung &) = delete;

    // Logs in; the URL names the login folder only.
    CURLcode verbinden() { return m_bereit ? nurBefehle(m_basis) : CURLE_FAILED_INIT; }
    bool ordnerWechseln() { return nurBefehle(m_basis + m_ordner) == CURLE_OK; }
    // Stores the open file under `name` in the target folder, overwriting.
    CURLcode senden(QFile &datei, const QString &name)
    {
        m_datei = &datei;
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 0L);
        curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(m_curl, CURLOPT_READDATA, this);
        curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(datei.size()));
        const QByteArray url = m_basis + m_ordner + QUrl::toPercentEncoding(name);
        curl_easy_setopt(m_curl, CURLOPT_URL, url.constData());
        const CURLcode rc = curl_easy_perform(m_curl);
        m_datei = nullptr;
        return rc;
    }

  private:
    // Each folder of the path percent-encoded and closed by "/"; a leading "/" makes it absolute
    // ("%2F" is the CWD to the root).
    static QByteArray ordnerImUrl(const QString &pfad)
    {
        const QString p = pfad.trimmed();
        QByteArray url = p.startsWith(QLatin1Char('/')) ? QByteArray("%2F/") : QByteArray();
        for (const QString &teil : p.split(QLatin1Char('/'), Qt::SkipEmptyParts))
            url += QUrl::toPercentEncoding(teil) + '/';
        return url;
    }

    CURLcode nurBefehle(const QByteArray &url)
    {
        curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 0L);
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(m_curl, CURLOPT_URL, url.constData());
        return curl_easy_perform(m_curl);
    }

    static size_t lesen(char *puffer, size_t groesse, size_t anzahl, void *selbst)
    {
        QFile *datei = static_cast<FtpSitzung *>(selbst)->m_datei;
        const qint64 n = datei ? datei->read(puffer, qint64(groesse * anzahl)) : -1;
        return n < 0 ? CURL_READFUNC_ABORT : size_t(n);
    }

    static int fortschritt(void *selbst, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
    {
        return static_cast<FtpSitzung *>(selbst)->m_abbrechen ? 1 : 0;
    }

    CURL *m_curl;
    const std::atomic<bool> &m_abbrechen;
    QByteArray m_basis, m_ordner;
    QFile *m_datei = nullptr;
    bool m_bereit = false;
};

} // namespace

TFtpConfig ftpKonfigLaden(const OnlineKonfig &k, const QString &configDir, const QString &konto)
{
    TFtpConfig c;
    c.Hostname = k.ftpHost.trimmed();
    c.Port = k.ftpPort;
    c.Username = k.ftpUser;
    c.Password = ftpPasswortLesen(configDir);
    c.Passive = k.ftpPassive;
    c.Tls = k.ftpTls;
    c.TargetPath = bilderZielordner(k, konto);
    c.Zeit = k.zeit;
    return c;
}

TFtpUpload::TFtpUpload(const QString &datenOrdner) : m_datenOrdner(datenOrdner)
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
    m_thread = std::thread([this] { execute(); });
}

TFtpUpload::~TFtpUpload()
{
    {
        std::lock_guard<std::mutex> l(m_jobSperre);
        m_beenden = true;
        m_terminated = true;
        m_sofortAbbrechen = true;
    }
    m_jobSignal.notify_one();
    m_thread.join();
    curl_global_cleanup();
}

void TFtpUpload::LoadConfig(const TFtpConfig &c)
{
    if (m_suspended)
        m_config = c;
}

void TFtpUpload::AddFileToListe(const QString &pfad)
{
    std::lock_guard<std::mutex> l(m_listeSperre);
    m_liste.append(pfad);
}

QStringList TFtpUpload::IAbgelehnt() const
{
    std::lock_guard<std::mutex> l(m_listeSperre);
    return m_abgelehnt;
}

int TFtpUpload::datei_anzahl() const
{
    std::lock_guard<std::mutex> l(m_listeSperre);
    return int(m_liste.size());
}

bool TFtpUpload::StartUpload()
{
    std::lock_guard<std::mutex> l(m_jobSperre);
    if (!m_suspended || m_beenden || datei_anzahl() == 0)
        return false;
    m_terminated = false;
    m_fileCnt = 0;
    m_state = ftpCONNECTING;
    m_hasJob = true;
    m_suspended = false; // before the worker wakes, so a poll right after this sees the run
    m_jobSignal.notify_one();
    return true;
}

void TFtpUpload::Terminate()
{
    m_terminated = true;
}

void TFtpUpload::execute()
{
    std::unique_lock<std::mutex> l(m_jobSperre);
    for (;;) {
        m_jobSignal.wait(l, [this] { return m_hasJob || m_beenden; });
        if (m_beenden)
            return;
        l.unlock();
        lauf();
        l.lock();
        m_hasJob = false;
        m_suspended = true;
    }
}

// One run. The list is copied under the lock, so the user-interface thread never waits for a
// transfer; the files of a completed run leave the list.
void TFtpUpload::lauf()
{
    QStringList dateien;
    {
        std::lock_guard<std::mutex> l(m_listeSperre);
        dateien = m_liste;
        m_abgelehnt.clear();
    }
    m_state = ftpCONNECTING;
    m_fileCnt = 0;
    FtpSitzung ftp(m_config, m_sofortAbbrechen);
    if (const CURLcode rc = ftp.verbinden(); rc != CURLE_OK) {
        if (rc == CURLE_USE_SSL_FAILED)
            m_state = ftpNOTLS;
        return;
    }
    if (!m_config.TargetPath.trimmed().isEmpty()) {
        m_state = ftpCHANGEDIR;
        if (!ftp.ordnerWechseln())
            return;
    }
    tav::store::Database log(m_datenOrdner); // this thread's own connection
    for (const QString &pfad : dateien) {
        if (m_terminated) {
            m_state = ftpBREAK;
            return;
        }
        // size and time as they are before the transfer: the log row describes what was sent
        const BildDatei bild = bildDateiLesen(pfad);
        if (!bild.gueltig())
            continue;
        ++m_fileCnt;
        m_state = ftpUPLOADING;
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly))
            return;
        const CURLcode rc = ftp.senden(datei, bild.name);
        if (rc == CURLE_URL_MALFORMAT) {
            // nothing went over the connection: this picture is reported, the others still go
            std::lock_guard<std::mutex> l(m_listeSperre);
            m_abgelehnt << pfad;
            continue;
        }
        if (rc != CURLE_OK)
            return;
        try {
            bildProtokollieren(log, bild);
        } catch (const std::exception &) {
            // the picture is on the server; without its row it is only offered again next time
        }
    }
    m_state = ftpREADY;
    std::lock_guard<std::mutex> l(m_listeSperre);
    m_liste.erase(m_liste.begin(), m_liste.begin() + qMin(dateien.size(), m_liste.size()));
}

TFtpAction bilderSenden(const TFtpConfig &cfg, const QStringList &pfade, const QString &datenOrdner,
                        const std::function<bool()> &abbrechen, QStringList *abgelehnt)
{
    TFtpUpload upload(datenOrdner);
    upload.LoadConfig(cfg);
    for (const QString &p : pfade)
        upload.AddFileToListe(p);
    if (!upload.StartUpload())
        return upload.IState();
    while (!upload.isSuspended()) {
        if (abbrechen && abbrechen())
            upload.Terminate();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (abgelehnt)
        *abgelehnt = upload.IAbgelehnt();
    return upload.IState();
}

} // namespace tav::online
