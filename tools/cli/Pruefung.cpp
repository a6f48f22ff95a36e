// check: the integrity check of the register, as text or JSON; and the findings an import would add.
#include "Cli.h"

#include "app/DataHome.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "maintenance/Registerpruefung.h"
#include "store/Database.h"
#include "store/Namen_register.h"

#include <algorithm>

using namespace tav::store::namen;

using namespace tav;
using maintenance::PruefErgebnis;
using maintenance::PruefKatze;

namespace {

// the catalogue in the language of the settings (German without settings)
void katalogOeffnen(app::Sprache &katalog, store::Database &db)
{
    app::tsysteminfo s;
    einstellungenLesen(s);
    katalog.open(&db);
    katalog.setLanguageNumber(app::languageNumber(s.Sprache));
}

void alsText(const PruefErgebnis &e, const QVector<PruefKatze> &katzen, const maintenance::PruefOptionen &o,
             const app::Sprache &katalog, QTextStream &out)
{
    const auto nummern = maintenance::nachNummer(katzen);
    for (const maintenance::Fund &f : e.funde)
        out << maintenance::befundName(f.art, katalog) << ": "
            << maintenance::erklaerung(f, nummern, o, katalog) << "\n";
}

} // namespace

QStringList pruefOptionen()
{
    return {QStringLiteral("--months")};
}

int registerCheck(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err)
{
    maintenance::PruefOptionen o = maintenance::pruefOptionenLesen();
    if (a.hat(QStringLiteral("--months"))) {
        bool ok = false;
        o.mindestMonate = a.wert(QStringLiteral("--months")).toInt(&ok);
        if (!ok || o.mindestMonate < 1 || o.mindestMonate > 120) {
            err << "--months: eine Zahl von 1 bis 120\n";
            return 2;
        }
    }
    store::Database db(app::dataDirOf(home));
    if (!db.tableExists(catstamm::Datei)) {
        err << "Kein Katzenregister in " << db.dataDir() << " (zuerst: init)\n";
        return 1;
    }
    app::Sprache katalog;
    katalogOeffnen(katalog, db);
    const QVector<PruefKatze> katzen = maintenance::registerLesen(db);
    const PruefErgebnis e = maintenance::registerPruefen(katzen, o);
    if (a.hat(QStringLiteral("--json"))) {
        out << QString::fromUtf8(maintenance::alsJson(e, katzen, o, katalog));
    } else {
        alsText(e, katzen, o, katalog, out);
        out << (e.funde.isEmpty() ? katalog.message(maintenance::meldung::KeineBefunde)
                                  : katalog.message(maintenance::meldung::Befunde).arg(e.funde.size()))
            << "\n";
    }
    return e.funde.isEmpty() ? 0 : 1;
}

int importHinweise(store::Database &db, const QVector<PruefKatze> &neu, QTextStream &out)
{
    QVector<PruefKatze> katzen = maintenance::registerLesen(db);
    katzen += neu;
    const maintenance::PruefOptionen o = maintenance::pruefOptionenLesen();
    PruefErgebnis e = maintenance::registerPruefen(katzen, o);
    // what the register held before stays the business of `check`
    e.funde.erase(std::remove_if(e.funde.begin(), e.funde.end(),
                                 [](const maintenance::Fund &f) {
                                     return std::none_of(f.katzen.cbegin(), f.katzen.cend(),
                                                         [](qint32 nr) { return nr < 0; });
                                 }),
                  e.funde.end());
    if (e.funde.isEmpty())
        return 0;
    app::Sprache katalog;
    katalogOeffnen(katalog, db);
    out << "Registerprüfung der Datei (" << katalog.message(maintenance::meldung::Befunde).arg(e.funde.size())
        << "):\n";
    alsText(e, katzen, o, katalog, out);
    return int(e.funde.size());
}
