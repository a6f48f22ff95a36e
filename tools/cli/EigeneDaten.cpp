// tavrenno-cli own-data: the breeder's own address record.
#include "Cli.h"

#include "app/Anwenderdaten.h"
#include "app/DataHome.h"
#include "app/Sprache.h"
#include "store/Database.h"
#include "store/Namen_office.h"

using namespace tav::store::namen;

namespace {
struct Option {
    const char *name;
    const char *feld; // of EIGEN.DB
};
const Option optionen[] = {{"--name", "Name"},      {"--first-name", "Vorname"},
                           {"--street", "Strasse"}, {"--postcode", "Plz"},
                           {"--town", "Ort"},       {"--cattery", "Zwinger"},
                           {"--email", "EMail"},    {"--customer-number", "Update"}};
} // namespace

QStringList eigeneDatenOptionen()
{
    QStringList out;
    for (const Option &o : optionen)
        out << QLatin1String(o.name);
    return out;
}

int eigeneDaten(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err)
{
    using namespace tav::app;
    if (!a.hat(QStringLiteral("--name")) || !a.hat(QStringLiteral("--first-name"))) {
        err << "own-data braucht --name und --first-name\n";
        return 2;
    }
    tav::store::Database db(dataDirOf(home));
    if (!db.tableExists(eigen::Datei)) {
        err << "Kein Register in " << db.dataDir() << " (zuerst init)\n";
        return 1;
    }
    // what is not given stays as it is
    EigeneDaten d = eigeneDatenLesen(db);
    for (const Option &o : optionen) {
        if (!a.hat(QLatin1String(o.name)))
            continue;
        for (const EigenesFeld &f : eigeneFelder())
            if (qstrcmp(f.name, o.feld) == 0)
                d.*f.wert = a.wert(QLatin1String(o.name)).trimmed();
    }
    const Pruefung p = anwenderdatenSchreiben(db, d);
    if (!p.ok()) {
        Sprache katalog;
        katalog.open(&db);
        for (const Option &o : optionen)
            if (p.feld == QLatin1String(o.feld))
                err << o.name << ": ";
        const QString text = katalog.message(p.meldung);
        err << (text.isEmpty() ? QStringLiteral("Meldung %1").arg(p.meldung) : text)
            << "\nNichts geschrieben.\n";
        return 1;
    }
    out << "Eigene Daten geschrieben: " << d.Vorname << " " << d.Name << "\n";
    return 0;
}
