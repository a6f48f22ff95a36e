// register-traits and print register-traits: the trait statistics of the register as a CSV file
// or its print-out, with the filters of its window.
#include "Cli.h"
#include "Druckausgabe.h"

#include "app/CsvZelle.h"
#include "app/DataHome.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/StatistikDatei.h"
#include "printouts/ReportStatistikDatei.h"
#include "store/Database.h"
#include "store/Namen_register.h"

using namespace tav::store::namen;

using namespace tav;

namespace {

const QStringList Optionen = {"--query", "--sex", "--age-from", "--age-to", "--colour", "--generations"};
const QString Aufruf =
    QStringLiteral("[--query AUSDRUCK] [--sex 1,2,3,4] [--age-from N] [--age-to N] [--months]"
                   " [--colour FARBE] [--generations G]");

struct Auftrag {
    breeding::DateiAbfrage abfrage;
    breeding::DateiFilter filter;
    int generationen = 5;
};

// 0, or 2 with the reason on `err`
int leseAuftrag(const Angaben &a, const app::tsysteminfo &s, Auftrag &t, QTextStream &err)
{
    t.abfrage.erweitert = a.hat(QStringLiteral("--query"));
    t.abfrage.text = a.wert(QStringLiteral("--query"));
    if (a.hat(QStringLiteral("--sex"))) {
        t.filter.geschlecht = {false, false, false, false};
        for (const QString &c : a.wert(QStringLiteral("--sex")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const int i = c.trimmed().toInt();
            if (i < 1 || i > 4) {
                err << "--sex: Geschlechter 1 bis 4, durch Kommas getrennt\n";
                return 2;
            }
            t.filter.geschlecht[i - 1] = true;
        }
    }
    for (auto [option, ziel] : {std::pair{"--age-from", &t.filter.ab}, {"--age-to", &t.filter.bis}}) {
        if (!a.hat(QLatin1String(option)))
            continue;
        bool ok = false;
        *ziel = a.wert(QLatin1String(option)).toInt(&ok);
        if (!ok || *ziel < 0) {
            err << option << ": eine Zahl ab 0\n";
            return 2;
        }
    }
    t.filter.monate = a.hat(QStringLiteral("--months"));
    t.filter.farbe = a.wert(QStringLiteral("--colour"));
    t.generationen = s.InzuchtStdgenerationen;
    if (a.hat(QStringLiteral("--generations"))) {
        bool ok = false;
        t.generationen = a.wert(QStringLiteral("--generations")).toInt(&ok);
        if (!ok || t.generationen < 3 || t.generationen > 255) {
            err << "--generations: 3 bis 255\n";
            return 2;
        }
    }
    return 0;
}

// The rows with IK and AVK; empty with the reason on `err` (exit code in `rc`).
std::optional<QVector<breeding::DateiZeile>> zeilen(store::Database &db, const app::Sprache &katalog,
                                                    const Auftrag &t, QChar dezimal, QTextStream &err,
                                                    int &rc)
{
    rc = 1;
    if (!t.filter.einGeschlecht()) {
        err << katalog.message(191) << "\n";
        return std::nullopt;
    }
    QVector<breeding::DateiZeile> z;
    try {
        z = breeding::statistikDatei(db, t.abfrage, t.filter);
    } catch (const breeding::DateiAbfrageFehler &f) {
        err << katalog.message(f.meldung) << "\n";
        rc = 2;
        return std::nullopt;
    }
    breeding::DateiInzucht inzucht(db, t.generationen, dezimal);
    inzucht.setzeZeilen(z);
    while (inzucht.weiter(1000, [&](const QVector<int> &rows, const QString &ik, const QString &avk) {
        for (int i : rows) {
            z[i].ik = ik;
            z[i].avk = avk;
        }
    })) {
    }
    return z;
}

std::optional<report::ReportJob> druck(Kontext &k)
{
    Auftrag t;
    if ((k.rc = leseAuftrag(k.a, k.einstellungen, t, k.err)) || ohneRegister(k))
        return std::nullopt;
    const QChar dezimal = k.katalog.languageNumber() == 1 ? QLatin1Char('.') : QLatin1Char(',');
    const auto z = zeilen(k.db, k.katalog, t, dezimal, k.err, k.rc);
    if (!z)
        return std::nullopt;
    printouts::StatistikDateiDruck d;
    d.geschlecht = t.filter.geschlecht;
    d.farbe = t.filter.farbe;
    d.ab = t.filter.ab;
    d.bis = t.filter.bis;
    d.monate = t.filter.monate;
    d.erweitert = t.abfrage.erweitert;
    d.merkmale = t.abfrage.text;
    d.mitMerkmalen = t.abfrage.erweitert;
    d.ergebnis = true;
    d.zeilen = *z;
    return printouts::reportStatistikDatei(d, [&](int tag) { return k.katalog.caption(tag); });
}

} // namespace

QStringList registerTraitsOptionen()
{
    return Optionen + QStringList{QStringLiteral("--csv")};
}

QList<Druckausgabe> registerTraitsDruckausgaben()
{
    return {{QStringLiteral("register-traits"), Aufruf, Optionen, {QStringLiteral("--months")}, druck}};
}

int registerTraits(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err)
{
    app::tsysteminfo s;
    einstellungenLesen(s);
    Auftrag t;
    if (!a.hat(QStringLiteral("--csv"))) {
        err << "register-traits braucht --csv DATEI\n";
        return 2;
    }
    if (const int rc = leseAuftrag(a, s, t, err))
        return rc;
    store::Database db(app::dataDirOf(home));
    if (!db.tableExists(catstamm::Datei)) {
        err << "Kein Katzenregister in " << db.dataDir() << "\n";
        return 1;
    }
    app::Sprache katalog;
    katalog.open(&db);
    katalog.setLanguageNumber(app::languageNumber(s.Sprache));
    int rc = 0;
    const auto z = zeilen(db, katalog, t, QLatin1Char(','), err, rc);
    if (!z)
        return rc;
    QString text;
    QTextStream csv(&text);
    csv << "Nummer;Name;Geschlecht;GebDatum;Toddatum;Alter;Fellfarbe;Vater;Mutter;Merkmal;IK;AVK\n";
    const auto caption = [&](int tag) { return katalog.caption(tag); };
    for (const breeding::DateiZeile &r : *z)
        csv << QStringList{QString::number(r.nummer),
                           app::csvZelle(r.name),
                           r.geschlecht,
                           r.geburt.toString(Qt::ISODate),
                           r.tod.toString(Qt::ISODate),
                           app::csvZelle(breeding::alterZeile(r, QDate::currentDate(), caption)),
                           app::csvZelle(r.fellfarbe),
                           app::csvZelle(r.vaterName),
                           app::csvZelle(r.mutterName),
                           app::csvZelle(r.merkmal),
                           r.ik,
                           r.avk}
                   .join(QLatin1Char(';'))
            << "\n";
    csv.flush();
    if (!dateiSchreiben(a.wert(QStringLiteral("--csv")), text.toUtf8(), err))
        return 1;
    out << z->size() << " Katzen geschrieben: " << a.wert(QStringLiteral("--csv")) << "\n";
    return 0;
}
