#include "OnlineUpload.h"

#include "app/Anwenderdaten.h"
#include "app/Sprache.h"
#include "online/CurlZeit.h"
#include "store/Database.h"
#include "store/Namen_office.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>
#include <algorithm>
#include <curl/curl.h>
#include <memory>

using namespace tav::store::namen;

namespace tav::online {

namespace {

size_t verwerfen(char *, size_t groesse, size_t anzahl, void *)
{
    return groesse * anzahl;
}

int abbruchFragen(void *laufend, curl_off_t, curl_off_t, curl_off_t gesamt, curl_off_t gesendet)
{
    return (*static_cast<const Laufend *>(laufend))(qint64(gesendet), qint64(gesamt)) ? 1 : 0;
}

} // namespace

bool dateiSenden(const QString &url, const QString &datei, QString *fehler, const Zeitlimits &zeit,
                 const Laufend &laufend)
{
    static const bool bereit = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    auto melde = [fehler](const QString &text) {
        if (fehler)
            *fehler = text;
        return false;
    };
    if (!bereit)
        return melde(QStringLiteral("libcurl"));
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl)
        return melde(QStringLiteral("libcurl"));
    std::unique_ptr<curl_mime, decltype(&curl_mime_free)> mime(curl_mime_init(curl.get()), curl_mime_free);
    curl_mimepart *teil = curl_mime_addpart(mime.get());
    const QByteArray pfad = QFile::encodeName(datei);
    const QByteArray typ =
        QMimeDatabase().mimeTypeForFile(datei, QMimeDatabase::MatchExtension).name().toUtf8();
    curl_mime_name(teil, "bild");
    if (curl_mime_filedata(teil, pfad.constData()) != CURLE_OK)
        return melde(datei);
    curl_mime_type(teil, typ.constData());
    const QByteArray u = url.toUtf8();
    char puffer[CURL_ERROR_SIZE] = {};
    CURL *c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, u.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, verwerfen);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, puffer);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    zeitlimitsSetzen(c, zeit);
    if (laufend) {
        curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, abbruchFragen);
        curl_easy_setopt(c, CURLOPT_XFERINFODATA, &laufend);
    }
    const CURLcode rc = curl_easy_perform(c);
    if (rc != CURLE_OK)
        return melde(QString::fromUtf8(*puffer ? puffer : curl_easy_strerror(rc)));
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 300 && status < 400) {
        char *ziel = nullptr;
        curl_easy_getinfo(c, CURLINFO_REDIRECT_URL, &ziel);
        const QUrl nach(QString::fromUtf8(ziel ? ziel : ""));
        if (nach.isValid() && !nach.host().isEmpty() &&
            nach.host().compare(QUrl(url).host(), Qt::CaseInsensitive) != 0)
            return melde(app::messageText(7303) + QLatin1Char(' ') + nach.host());
        return melde(QStringLiteral("HTTP %1 %2").arg(status).arg(nach.toString()));
    }
    if (status < 200 || status >= 300)
        return melde(QStringLiteral("HTTP %1").arg(status));
    return true;
}

int ftpMeldung(TFtpAction zustand)
{
    switch (zustand) {
    case ftpCONNECTING: return 213;
    case ftpCHANGEDIR: return 214;
    case ftpUPLOADING: return 215;
    case ftpBREAK: return 216;
    case ftpNOTLS: return 7302;
    case ftpREADY: return 0;
    }
    return 215;
}

UploadErgebnis uploadAusfuehren(store::Database &db, const UploadAuftrag &auftrag, const UploadDienste &d,
                                int sprache)
{
    UploadErgebnis e;
    // the number becomes part of file names on this machine and on the server
    const QString konto = db.tableExists(eigen::Datei) ? app::eigeneDatenLesen(db).Update : QString();
    if (!app::kundennummerGueltig(konto)) {
        e.meldungen << Meldung{6051, true, {}};
        return e;
    }
    const Auswahl &a = auftrag.auswahl;
    const Katzenquelle quelle(db, Modus::Upload, sprache);
    bool sendenFehlgeschlagen = false;
    enum { KeineBilder, Gesendet, NichtGesendet } bilder = KeineBilder;
    for (int pass = PassKatzen; pass <= PassBilder; ++pass) {
        if (!passAktiv(pass, a))
            continue;
        if (d.passBeginn)
            d.passBeginn(pass);
        const QString datei = QDir(auftrag.ordner).filePath(passDatei(pass, konto));
        const PassErgebnis p = passSchreiben(
            db, pass, datei, quelle, a, pass == PassKatzen ? auftrag.katzenIndex : QString(), d.fortschritt);
        if (p.status != PassErgebnis::Ok) {
            e.fehler << datei + QStringLiteral(": ") + p.fehler;
            e.meldungen << Meldung{p.status == PassErgebnis::NichtGeoeffnet ? 168 : 183, true, {}};
            return e;
        }
        if (!e.geschrieben.contains(datei))
            e.geschrieben << datei;
        if (pass == PassKatzen)
            e.bilder = p.bilder;
        // the litter file is sent once, with the matings in it
        if (!auftrag.senden || pass == PassWuerfe)
            continue;
        if (d.warten)
            d.warten(true);
        QString grund;
        const bool ok = d.senden && d.senden(datei, &grund);
        if (d.warten)
            d.warten(false);
        if (ok) {
            e.gesendet << datei;
        } else {
            sendenFehlgeschlagen = true;
            e.fehler << datei + QStringLiteral(": ") + grund;
        }
        if (pass == PassKatzen && a.bilder) {
            bilder = NichtGesendet;
            if (!ok) {
                continue;
            } else if (e.bilder.isEmpty()) {
                bilder = Gesendet; // nothing new is no failure
            } else if (d.bilder) {
                const BilderLauf lauf = d.bilder(e.bilder);
                for (const QString &pfad : lauf.abgelehnt) {
                    e.meldungen << Meldung{7305, true, QLatin1Char(' ') + pfad};
                }
                if (lauf.zustand == ftpREADY)
                    bilder = Gesendet;
                else
                    e.meldungen << Meldung{ftpMeldung(lauf.zustand), true, {}};
            }
        }
    }
    if (!auftrag.senden) {
        e.erfolg = true;
        return e;
    }
    if (sendenFehlgeschlagen)
        e.meldungen << Meldung{183, true, {}};
    else if (a.bilder && bilder != Gesendet)
        e.meldungen << Meldung{214, false, QStringLiteral(" Bilder")};
    else if (a.bilder)
        e.meldungen << Meldung{211, false, {}};
    else
        e.meldungen << Meldung{182, false, {}};
    e.erfolg =
        !sendenFehlgeschlagen && (!a.bilder || bilder == Gesendet) &&
        std::none_of(e.meldungen.cbegin(), e.meldungen.cend(), [](const Meldung &m) { return m.fehler; });
    return e;
}

} // namespace tav::online
