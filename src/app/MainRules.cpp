#include "MainRules.h"

#include "IniFile.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Query.h"
#include "store/Table.h"

#include <cmath>

using namespace tav::store;

namespace tav::app {

QString statusFilter(const QString &statusSetting)
{
    if (statusSetting == QLatin1String("alle"))
        return QString();
    // a set of digits: "1123" lists what "123" lists, with at most ten terms however long it is
    QStringList terms;
    for (QChar c : statusSetting) {
        const QString term = QStringLiteral("Status=") + c;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && !terms.contains(term))
            terms << term;
    }
    return terms.join(QLatin1String(" OR "));
}

int rowColour(bool merkmalVorTop, int topCatColour, int traitColour)
{
    if (merkmalVorTop)
        return traitColour ? traitColour : topCatColour;
    return topCatColour ? topCatColour : traitColour;
}

bool needsLightText(int colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(colour & 0xff) + 0.7152 * linear((colour >> 8) & 0xff) +
                             0.0722 * linear((colour >> 16) & 0xff);
    // contrast with white (1.05 / (L + 0.05)) above contrast with black ((L + 0.05) / 0.05)
    return 1.05 / (luminance + 0.05) > (luminance + 0.05) / 0.05;
}

RecentCats::RecentCats()
{
    for (int i = 0; i < Size; ++i)
        m_entries << QStringLiteral("{}");
}

RecentCats::RecentCats(const QStringList &entries) : RecentCats()
{
    for (int i = 0; i < Size && i < entries.size(); ++i)
        m_entries[i] = entries[i].isEmpty() ? QStringLiteral("{}") : entries[i];
}

int RecentCats::numberOf(const QString &entry)
{
    const int open = int(entry.lastIndexOf(QLatin1Char('{')));
    if (open < 0 || !entry.endsWith(QLatin1Char('}')))
        return 0;
    return entry.mid(open + 1, entry.size() - open - 2).toInt();
}

QString RecentCats::entryFor(const QString &displayName, int catNumber)
{
    return displayName + QStringLiteral(" {") + QString::number(catNumber) + QLatin1Char('}');
}

bool RecentCats::add(const QString &displayName, int catNumber)
{
    if (catNumber <= 0)
        return false;
    // by number, not by name: "Max" is not "Maxi", and two cats of one name are two cats
    for (const QString &e : std::as_const(m_entries)) {
        if (numberOf(e) == catNumber)
            return false;
    }
    if (m_entries.first() != QLatin1String("{}")) {
        for (int i = Size - 1; i > 0; --i)
            m_entries[i] = m_entries[i - 1];
    }
    m_entries[0] = entryFor(displayName, catNumber);
    return true;
}

bool RecentCats::remove(int catNumber)
{
    if (catNumber <= 0)
        return false;
    for (int i = 0; i < Size; ++i) {
        if (numberOf(m_entries[i]) != catNumber)
            continue;
        m_entries.removeAt(i);
        m_entries << QStringLiteral("{}");
        return true;
    }
    return false;
}

QStringList RecentCats::shown() const
{
    QStringList out;
    for (const QString &e : m_entries) {
        if (e != QLatin1String("{}") && !e.isEmpty())
            out << e;
    }
    return out;
}

void RecentCats::load(const QString &iniPath)
{
    IniFile ini(iniPath);
    for (int i = 0; i < Size; ++i) {
        const QString v = ini.readString(QStringLiteral("LASTCATS"), QStringLiteral("Cat%1").arg(i + 1),
                                         QStringLiteral("{}"));
        m_entries[i] = v.isEmpty() ? QStringLiteral("{}") : v;
    }
}

bool RecentCats::save(const QString &iniPath) const
{
    QList<IniFile::Entry> keys;
    for (int i = 0; i < Size; ++i)
        keys.append({QStringLiteral("LASTCATS"), QStringLiteral("Cat%1").arg(i + 1), m_entries[i]});
    return IniFile::write(iniPath, keys);
}

const QVector<ExclusiveWindow> &exclusiveWindows()
{
    static const QVector<ExclusiveWindow> w = {
        {138, "adressenverwaltung"},        {5, "formkatzennamen"},         {3, "formvereine"},
        {193, "formzwingerregisterprivat"}, {194, "formonlinedbinterface"}, {1, "formzwingerregister"},
        {4, "formausstellungstermine"},     {2, "formbuchfuehrung"},        {118, "formstammbaum"},
        {122, "formstatistikmerkmaledatei"}};
    return w;
}

int exclusiveCode(const QStringList &openWindows, const QString &asker, bool programEnding)
{
    if (programEnding)
        return 10;
    int code = 0;
    const QString me = asker.toLower();
    for (const ExclusiveWindow &w : exclusiveWindows()) {
        const QString name = QString::fromLatin1(w.name);
        if (openWindows.contains(name) && name != me)
            code = w.code; // a later open one overrides an earlier one
    }
    return code;
}

QVector<QPoint> symbolPlaetze(const QSize &area, const QVector<QSize> &symbole)
{
    int zeile = 0;
    for (const QSize &s : symbole)
        zeile = qMax(zeile, s.height());
    QVector<QPoint> plaetze;
    int x = 0;
    int unten = area.height();
    for (const QSize &s : symbole) {
        if (x > 0 && x + s.width() > area.width()) {
            x = 0;
            unten -= zeile;
        }
        plaetze.append(QPoint(x, unten - s.height()));
        x += s.width();
    }
    return plaetze;
}

namespace {

void report(OpenReport &r, const QString &file, const EngineError &e)
{
    r.errors.append({file, e});
}

bool hasField(Database &db, const QString &table, const QString &field)
{
    return db.storedLayout(table).field(field) != nullptr;
}

// open; when the file lacks `field`, run the upgrade and open again; report what remains
void openWithUpgrade(Database &db, OpenReport &r, const QString &table, const QString &field,
                     const std::function<void()> &upgrade)
{
    try {
        Table t(&db, table);
        t.open();
        return;
    } catch (const EngineError &e) {
        try {
            if (db.tableExists(table) && !hasField(db, table, field)) {
                upgrade();
                Table t(&db, table);
                t.open();
                return;
            }
        } catch (const EngineError &again) {
            report(r, table, again);
            return;
        }
        report(r, table, e);
    }
}

void ensureCatIndex(Database &db, OpenReport &r, const char *name, const char *fields)
{
    try {
        const TableDef layout = db.storedLayout(catstamm::Datei);
        if (layout.indexes.isEmpty() || layout.indexForFields(QString::fromLatin1(fields)))
            return;
        db.addIndex(catstamm::Datei, def::index(name, fields));
    } catch (const EngineError &e) {
        report(r, catstamm::Datei, e);
    }
}

} // namespace

OpenReport dateienOeffnen(Database &db)
{
    OpenReport r;
    for (const QString &cat : {QString(sprmel::Datei), QString(sprache::Datei)}) {
        try {
            Table t(&db, cat);
            t.open();
        } catch (const EngineError &e) {
            report(r, cat, e);
        }
    }
    try {
        if (db.ensureTable(topkatze::Datei)) {
            Table t(&db, topkatze::Datei);
            t.open();
            for (int i = 0; i < 5; ++i) {
                t.append();
                t.setValue(topkatze::Farbe, 16777215);
                t.post();
            }
        } else {
            Table t(&db, topkatze::Datei);
            t.open();
        }
    } catch (const EngineError &e) {
        report(r, topkatze::Datei, e);
    }
    try {
        db.ensureTable(merkmale::Datei);
        openWithUpgrade(db, r, merkmale::Datei, merkmale::Kuerzel, [&] {
            Query(&db, QStringLiteral("ALTER TABLE \"Merkmale.db\" ADD Kuerzel CHAR(10)")).exec();
            if (!db.storedLayout(merkmale::Datei).index(QStringLiteral("Bezeichnung")))
                db.addIndex(merkmale::Datei, def::index("Bezeichnung", "Bezeichnung"));
        });
        Table t(&db, merkmale::Datei);
        t.open();
        if (t.isEmpty()) {
            // the inbreeding calculation relies on these two numbers
            const struct {
                int nr;
                const char *kuerzel, *bez;
                int farbe;
            } seed[] = {{1, "Klon", "Klon", 16711680}, {2, "Fd", "Foundation", 255}};
            for (const auto &s : seed) {
                t.append();
                t.setValue(merkmale::LaufendeNummer, s.nr);
                t.setValue(merkmale::Kuerzel, QString::fromLatin1(s.kuerzel));
                t.setValue(merkmale::Bezeichnung, QString::fromLatin1(s.bez));
                t.setValue(merkmale::farbe, s.farbe);
                t.post();
            }
        }
    } catch (const EngineError &e) {
        report(r, merkmale::Datei, e);
    }
    try {
        db.ensureTable(katzemerkmal::Datei);
        openWithUpgrade(db, r, katzemerkmal::Datei, katzemerkmal::Kennzeichen, [&] {
            Query(&db, QStringLiteral("ALTER TABLE \"KatzeMerkmal.db\" ADD Kennzeichen BOOLEAN")).exec();
        });
    } catch (const EngineError &e) {
        report(r, katzemerkmal::Datei, e);
    }
    ensureCatIndex(db, r, "GebDatum", "GebDatum;Name");
    ensureCatIndex(db, r, "Farbe", "FellFarbe;Name");
    openWithUpgrade(db, r, catstamm::Datei, catstamm::zzlDatum, [&] {
        Query(&db, QStringLiteral("ALTER TABLE \"catstamm.db\" ADD zzlDatum DATE, ADD Groesse CHAR(10), ADD "
                                  "Gewicht CHAR(10)"))
            .exec();
    });
    try {
        // created only when the file is missing: an existing file that fails is reported, not replaced
        db.ensureTable(zusatz::Datei);
        Table t(&db, zusatz::Datei);
        t.open();
    } catch (const EngineError &) {
        r.zusatzFailed = true; // the main window shows message 9 for it
    }
    return r;
}

} // namespace tav::app
