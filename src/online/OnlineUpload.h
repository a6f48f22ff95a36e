// OnlineUpload: one upload run: the customer number checked, the semicolon files written pass by
// pass and each sent by HTTP, the pictures handed to the picture transfer, the final message.
#pragma once

#include "online/OnlineDateien.h"

#include "online/FtpUpload.h"

#include <QVector>
#include <functional>

namespace tav::online {

// One HTTP POST of a file as the multipart part "bild" (content type from the file name). True
// only on a 2xx answer; `fehler` says why not. No redirect is followed: the data go to the
// configured address or nowhere, and a redirect to another host is named in `fehler`. `laufend`
// is called while the transfer runs, on the thread that sends, with the bytes sent and to send;
// true ends the transfer.
using Laufend = std::function<bool(qint64 gesendet, qint64 gesamt)>;
bool dateiSenden(const QString &url, const QString &datei, QString *fehler = nullptr,
                 const Zeitlimits &zeit = {}, const Laufend &laufend = {});

// A message the run wants shown: its number, whether it is an error, text after it.
struct Meldung {
    int nummer = 0;
    bool fehler = false;
    QString zusatz;
};
// 213 to 216 and 7302 for a failed picture transfer, 0 for ftpREADY.
int ftpMeldung(TFtpAction zustand);

// The outcome of a picture transfer: the worker's last state and the pictures it refused.
struct BilderLauf {
    BilderLauf(TFtpAction z = ftpREADY, QStringList a = {}) : zustand(z), abgelehnt(std::move(a)) {}
    TFtpAction zustand;
    QStringList abgelehnt;
};

struct UploadAuftrag {
    Auswahl auswahl;
    QString ordner;      // where the files are written (the working folder, or the dry-run folder)
    QString katzenIndex; // the order of the cat file
    bool senden = true;  // false: write only
};

struct UploadDienste {
    std::function<bool(const QString &datei, QString *fehler)> senden;
    // the picture transfer; empty: not available in this program (the pictures count as not sent)
    std::function<BilderLauf(const QStringList &pfade)> bilder;
    std::function<void(int pass)> passBeginn;
    Fortschritt fortschritt;
    std::function<void(bool an)> warten; // the panel "Bitte warten ..." while a file is sent
};

struct UploadErgebnis {
    QVector<Meldung> meldungen; // in the order to show
    QStringList geschrieben;    // the files written, in pass order (pass 8 adds to pass 7's)
    QStringList gesendet;       // the files sent successfully
    QStringList bilder;         // the pictures chosen in pass 1
    QStringList fehler;         // details of what failed (files, transfers)
    bool erfolg = false;
};

// Runs the passes. The customer number of the own data must be valid before anything is written
// (message 6051 otherwise); a file that could not be written is never sent (168 or 183, the run
// stops). A failed transfer does not stop the later passes; the run ends with 183.
UploadErgebnis uploadAusfuehren(tav::store::Database &db, const UploadAuftrag &auftrag,
                                const UploadDienste &d, int sprache = 0);

} // namespace tav::online
