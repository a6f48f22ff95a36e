// FtpUpload: the picture transfer by FTP on a worker thread, with the log row of each picture sent.
#pragma once

#include "online/OnlineKonfig.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tav::online {

// ftpNOTLS: TLS was asked for and the server refused it; nothing was sent, not even the password.
enum TFtpAction { ftpCONNECTING, ftpCHANGEDIR, ftpUPLOADING, ftpREADY, ftpBREAK, ftpNOTLS };

struct TFtpConfig {
    QString Hostname;
    int Port = 21;
    QString Username;
    QString Password; // handed to the FTP client only, never into a URL, a log or a message
    bool Passive = true;
    bool Tls = false; // TLS required: a server without it gets no password and no file
    QString TargetPath;
    Zeitlimits Zeit;
};

// The [Online] settings, the password file of `configDir` and the picture folder of the online
// account `konto`.
TFtpConfig ftpKonfigLaden(const OnlineKonfig &k, const QString &configDir, const QString &konto);

// One object per run. The worker waits suspended until StartUpload, then connects, changes to the
// target folder and sends the listed files one after the other; the user-interface thread polls
// IState and IFileCnt.
class TFtpUpload
{
  public:
    // The worker opens its own connection on `datenOrdner` for the picture log.
    explicit TFtpUpload(const QString &datenOrdner);
    // Stops a transfer in progress and joins the worker.
    ~TFtpUpload();
    TFtpUpload(const TFtpUpload &) = delete;
    TFtpUpload &operator=(const TFtpUpload &) = delete;

    // Before StartUpload only: the worker reads the configuration without a lock.
    void LoadConfig(const TFtpConfig &c);
    void AddFileToListe(const QString &pfad);
    int datei_anzahl() const;
    // True when a run was started: the worker was idle and the list holds a file.
    bool StartUpload();
    // The file in progress is finished, the next one is not started.
    void Terminate();
    bool isSuspended() const { return m_suspended; }
    TFtpAction IState() const { return TFtpAction(m_state.load()); }
    // Files started in this run (a vanished file is not counted).
    int IFileCnt() const { return m_fileCnt; }
    // The pictures of the last run whose names the transfer refuses (a line break in the name);
    // the run went on with the others.
    QStringList IAbgelehnt() const;

  private:
    void execute();
    void lauf();

    const QString m_datenOrdner;
    TFtpConfig m_config;

    mutable std::mutex m_listeSperre;
    QStringList m_liste;
    QStringList m_abgelehnt;

    std::mutex m_jobSperre;
    std::condition_variable m_jobSignal;
    bool m_hasJob = false;
    bool m_beenden = false;

    std::atomic<bool> m_suspended{true};
    std::atomic<bool> m_terminated{false};
    std::atomic<bool> m_sofortAbbrechen{false}; // the object goes away: end even the file in progress
    std::atomic<int> m_state{ftpREADY};
    std::atomic<int> m_fileCnt{0};
    std::thread m_thread;
};

// One whole run without a window (command line, tests): the worker's last state. `abbrechen` is
// asked while the run goes on; true asks the worker to terminate. `abgelehnt` receives the paths
// of the pictures whose names were refused.
TFtpAction bilderSenden(const TFtpConfig &cfg, const QStringList &pfade, const QString &datenOrdner,
                        const std::function<bool()> &abbrechen = {}, QStringList *abgelehnt = nullptr);

} // namespace tav::online
