#include "Anwenderdaten.h"

#include "Systemi.h"
#include "store/Namen_office.h"
#include "store/Table.h"
#include "store/TableDef.h"
#include "store/TextRules.h"
#include "store/Transaction.h"

using namespace tav::store::namen;

namespace tav::app {

using store::Table;

namespace {
constexpr int MeldungNameFehlt = 6050;
constexpr int MeldungKundennummer = 6051;
constexpr int MeldungZuLang = 6052;
constexpr int MeldungSteuerzeichen = 9452;

const QString Eigen = eigen::Datei;
const QString Zusatz = zusatz::Datei;

struct VereinsFeld {
    const char *name;
    QString Vereinsdaten::*wert;
};
const VereinsFeld vereinsFelder[] = {{"Verein", &Vereinsdaten::Verein},
                                     {"Mitgliedsnummer", &Vereinsdaten::Mitgliedsnummer},
                                     {"Zwingernummer", &Vereinsdaten::Zwingernummer}};

// the first row of a one-row table, read-only; false when it holds none
bool ersteZeile(Table &t)
{
    t.setReadOnly(true);
    t.open();
    t.first();
    return t.hasRecord();
}

// the first row in edit state, or a new one
void zeileBearbeiten(Table &t)
{
    t.open();
    t.first();
    if (t.hasRecord())
        t.edit();
    else
        t.append();
}
} // namespace

const QList<EigenesFeld> &eigeneFelder()
{
    static const QList<EigenesFeld> f = {
        {"Name", &EigeneDaten::Name},       {"Vorname", &EigeneDaten::Vorname},
        {"Zwinger", &EigeneDaten::Zwinger}, {"Strasse", &EigeneDaten::Strasse},
        {"Plz", &EigeneDaten::Plz},         {"Ort", &EigeneDaten::Ort},
        {"land", &EigeneDaten::land},       {"Telefon", &EigeneDaten::Telefon},
        {"Telefax", &EigeneDaten::Telefax}, {"EMail", &EigeneDaten::EMail},
        {"Update", &EigeneDaten::Update}};
    return f;
}

EigeneDaten eigeneDatenLesen(store::Database &db)
{
    EigeneDaten d;
    Table t(&db, Eigen);
    if (ersteZeile(t))
        for (const EigenesFeld &f : eigeneFelder())
            d.*f.wert = t.text(QLatin1String(f.name));
    return d;
}

Vereinsdaten vereinsdatenLesen(store::Database &db)
{
    Vereinsdaten v;
    Table t(&db, Zusatz);
    if (ersteZeile(t))
        for (const VereinsFeld &f : vereinsFelder)
            v.*f.wert = t.text(QLatin1String(f.name));
    return v;
}

bool kundennummerGueltig(const QString &nummer)
{
    if (nummer.isEmpty() || nummer.size() > 15)
        return false;
    for (const QChar c : nummer) {
        const char16_t u = c.unicode();
        const bool ok = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
                        u == '_' || u == '-';
        if (!ok)
            return false;
    }
    return true;
}

Pruefung eigeneDatenPruefen(const EigeneDaten &d)
{
    if (d.Name.trimmed().isEmpty() || d.Vorname.trimmed().isEmpty())
        return {MeldungNameFehlt, QString()};
    if (!d.Update.isEmpty() && !kundennummerGueltig(d.Update))
        return {MeldungKundennummer, QStringLiteral("Update")};
    const store::TableDef *def = store::findTableDef(Eigen);
    for (const EigenesFeld &f : eigeneFelder()) {
        const QString name = QLatin1String(f.name);
        const QString &wert = d.*f.wert;
        if (store::controlCharacterAt(wert) >= 0)
            return {MeldungSteuerzeichen, name};
        const store::FieldDef *fd = def ? def->field(name) : nullptr;
        if (fd && fd->size > 0 && store::textLength(wert) > fd->size)
            return {MeldungZuLang, name};
    }
    return {};
}

Pruefung anwenderdatenSchreiben(store::Database &db, const std::optional<EigeneDaten> &eigen,
                                const std::optional<Vereinsdaten> &verein)
{
    if (eigen) {
        if (const Pruefung p = eigeneDatenPruefen(*eigen); !p.ok())
            return p;
    }
    QStringList tabellen;
    if (eigen)
        tabellen << Eigen;
    if (verein) {
        db.ensureTable(Zusatz);
        tabellen << Zusatz;
    }
    if (tabellen.isEmpty())
        return {};
    store::Transaction txn(db, tabellen);
    if (eigen) {
        Table t(&db, Eigen);
        zeileBearbeiten(t);
        for (const EigenesFeld &f : eigeneFelder())
            t.setValue(QLatin1String(f.name), (*eigen).*f.wert);
        t.post();
    }
    if (verein) {
        Table t(&db, Zusatz);
        zeileBearbeiten(t);
        for (const VereinsFeld &f : vereinsFelder)
            t.setValue(QLatin1String(f.name), (*verein).*f.wert);
        t.post();
    }
    txn.commit();
    return {};
}

QString hauptfensterTitel(const EigeneDaten &d)
{
    return QStringLiteral("Tavrenno  <%1 %2>").arg(d.Vorname, d.Name);
}

bool vorgabenSpeichern(tsysteminfo &s, int rasse, const QString &farbe)
{
    QList<IniFile::Entry> geaendert;
    const QString abschnitt = QStringLiteral("Stammdaten");
    if (rasse != s.RasseStandardeinstellung)
        geaendert.append({abschnitt, QStringLiteral("Rasse"), QString::number(rasse)});
    if (farbe != s.FarbeStandardeinstellung)
        geaendert.append({abschnitt, QStringLiteral("Farbe"), farbe});
    if (geaendert.isEmpty())
        return true;
    if (!IniFile::write(s.datei(), geaendert))
        return false;
    s.RasseStandardeinstellung = rasse;
    s.FarbeStandardeinstellung = farbe;
    return true;
}

} // namespace tav::app
