// export-csv and upload: the online window's CSV export and upload without the window.
#include "Cli.h"

#include "app/Anwenderdaten.h"
#include "app/DataHome.h"
#include "app/IniFile.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "online/OnlineKonfig.h"
#include "online/OnlineUpload.h"
#include "store/Database.h"
#include "store/Namen_register.h"

#include <QDir>
#include <QFileInfo>

using namespace tav::store::namen;

using namespace tav;

namespace {

bool registerDa(const store::Database &db, QTextStream &err)
{
    if (db.tableExists(catstamm::Datei))
        return true;
    err << "Kein Katzenregister in " << db.dataDir() << "\n";
    return false;
}

} // namespace

int exportCsv(const QString &home, const QString &datei, QTextStream &out, QTextStream &err)
{
    store::Database db(app::dataDirOf(home));
    if (!registerDa(db, err))
        return 1;
    online::Auswahl a;
    a.merkmale = a.bemerkungen = a.zuechterBesitzer = true;
    const online::PassErgebnis r = online::csvExport(db, datei, a);
    if (r.status != online::PassErgebnis::Ok) {
        err << datei << ": " << r.fehler << "\n";
        return 1;
    }
    out << "CSV-Datei geschrieben: " << datei << "\n";
    return 0;
}

int upload(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err)
{
    store::Database db(app::dataDirOf(home));
    if (!registerDa(db, err))
        return 1;
    app::Sprache katalog;
    katalog.open(&db);
    const bool probe = a.hat(QStringLiteral("--dry-run"));
    online::UploadAuftrag auftrag;
    auftrag.auswahl = online::Auswahl::alles();
    // the files name addresses: they go into the user's own upload folder, never where the
    // command happens to be started
    auftrag.ordner = probe ? a.wert(QStringLiteral("--dry-run")) : online::uploadOrdner(app::configDir());
    auftrag.senden = !probe;
    if (auftrag.ordner.isEmpty() || !QDir().mkpath(auftrag.ordner)) {
        err << "Ordner kann nicht angelegt werden: " << auftrag.ordner << "\n";
        return 1;
    }
    online::UploadDienste d;
    if (!probe) {
        const online::OnlineKonfig k = online::onlineKonfigLesen(app::IniFile(app::settingsPath()));
        if (const QStringList fehlt = k.fehlendeSchluessel(true); !fehlt.isEmpty()) {
            err << katalog.message(7300) << " " << fehlt.join(QStringLiteral(", ")) << " ("
                << app::settingsPath() << ")\n";
            return 1;
        }
        if (const int m = online::ftpPasswortPruefen(app::configDir())) {
            err << katalog.message(m) << " " << online::ftpPasswortDatei(app::configDir()) << "\n";
            return 1;
        }
        d.senden = [k](const QString &datei, QString *fehler) {
            return online::dateiSenden(k.uploadUrl, datei, fehler, k.zeit);
        };
        d.bilder = [&db, k](const QStringList &pfade) {
            const QString konto = app::eigeneDatenLesen(db).Update;
            QStringList abgelehnt;
            const online::TFtpAction z = online::bilderSenden(
                online::ftpKonfigLaden(k, app::configDir(), konto), pfade, db.dataDir(), {}, &abgelehnt);
            return online::BilderLauf(z, abgelehnt);
        };
    }
    const online::UploadErgebnis r = online::uploadAusfuehren(db, auftrag, d);
    for (const QString &f : r.fehler)
        err << f << "\n";
    for (const online::Meldung &m : r.meldungen)
        (m.fehler ? err : out) << katalog.message(m.nummer) << m.zusatz << "\n";
    for (const QString &f : r.geschrieben)
        out << (probe ? "geschrieben: " : "") << QFileInfo(f).fileName() << "\n";
    if (probe)
        for (const QString &b : r.bilder)
            out << "Bild: " << b << "\n";
    return r.erfolg ? 0 : 1;
}

int ftpPasswort(QTextStream &out, QTextStream &err)
{
    QTextStream ein(stdin);
    const QString passwort = ein.readLine();
    if (passwort.isEmpty()) {
        err << "Kein Kennwort auf der Standardeingabe\n";
        return 1;
    }
    QString fehler;
    if (!online::ftpPasswortSchreiben(app::configDir(), passwort, &fehler)) {
        err << online::ftpPasswortDatei(app::configDir()) << ": " << fehler << "\n";
        return 1;
    }
    out << "FTP-Kennwort gespeichert: " << online::ftpPasswortDatei(app::configDir()) << "\n";
    return 0;
}
