// The index reconstruction without a window: the groups against the table declarations, each
// table rebuilt all or nothing, and how failures of the groups make the run's result.
#include "maintenance/Indexerstellung.h"
#include "maintenance/Indexrekonstruktion.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Table.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tav::maintenance;
using tav::store::Database;

namespace {
int gruppe(const char *name)
{
    const auto &g = indexGruppen();
    for (int i = 0; i < g.size(); ++i)
        if (g[i].name == QString::fromUtf8(name))
            return i;
    return -1;
}
// the first secondary index the program declares for the table
QString ersterIndex(const QString &tabelle)
{
    for (const auto &idx : tav::store::findTableDef(tabelle)->indexes)
        if (!idx.primary)
            return idx.name;
    return {};
}
} // namespace

class TstIndexrekonstruktion : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<Database> db;

    // creates the tables of the groups, except those named, and drops one index of each table
    void anlegen(const QStringList &ohne = {})
    {
        for (const IndexGruppe &g : indexGruppen())
            for (const auto &t : g.tabellen) {
                if (db->tableExists(t.datei))
                    db->dropTable(t.datei);
                if (ohne.contains(t.datei))
                    continue;
                db->createTable(t.datei);
                if (!ersterIndex(t.datei).isEmpty())
                    db->dropIndex(t.datei, ersterIndex(t.datei));
            }
    }
    bool hatIndex(const QString &tabelle) { return db->indexNames(tabelle).contains(ersterIndex(tabelle)); }

  private Q_SLOTS:
    void init() { db = std::make_unique<Database>(dir.path()); }
    void cleanup() { db.reset(); }

    void groupsUseTheDeclarations()
    {
        const auto &g = indexGruppen();
        QCOMPARE(g.size(), 16);
        QStringList namen;
        for (const IndexGruppe &x : g) {
            namen << x.name;
            for (const auto &t : x.tabellen)
                QVERIFY2(tav::store::findTableDef(t.datei), qPrintable(t.datei));
        }
        QCOMPARE(namen.first(), QString("Katzen"));
        QCOMPARE(namen.last(), QString("Status Katzen"));
        QVERIFY(g[gruppe("Farb-/Gencode")].verborgen);
        QCOMPARE(g[gruppe("Katzen")].tabellen.size(), 18);
        // the names other windows select the indexes by
        const QList<QPair<const char *, QStringList>> erwartet = {
            {"Rasse.db", {"RasseName", "RKurznameRCode"}},
            {"Apotheke.db", {"VerfallsdatumIdx", "Medikament", "BereichKrankheitIdx"}},
            {"Ausstelt.db", {"DatumIdx", "OrtDatum", "VereinDatum"}},
            {"Konten.db", {"KontoartName", "Nameidx"}},
            {"zwingreg.db",
             {"IDXRasse", "IDXZüchter", "OrtZwinger", "PLZZwinger", "VereinZwinger", "ZwingerRasse"}},
            {"Status.db", {"Name"}},
            {"Jungtier.db", {"MutterkatzeDatum"}}};
        for (const auto &[tabelle, indizes] : erwartet)
            for (const QString &i : indizes)
                QVERIFY2(tav::store::findTableDef(tabelle)->index(i), qPrintable(tabelle + (" " + i)));
    }

    void aTableIsRebuiltAllOrNothing()
    {
        anlegen();
        {
            tav::store::Table t(db.get(), "Vereine.db");
            t.open();
            for (const char *v : {"Katzenfreunde Nord", "Rassekatzen Süd"}) {
                t.append();
                t.setValue("Verein", QString::fromUtf8(v));
                t.post();
            }
        }
        TDataModuleIndex modul(dir.path(), db.get());
        QVERIFY(indexRekonstruktion(modul, {gruppe("Vereine")}).erfolg);
        QVERIFY(hatIndex("Vereine.db"));
        db->checkTable("Vereine.db"); // keys match their records

        // a declaration that cannot be built leaves every index the file had
        const QStringList vorher = db->indexNames("Vereine.db");
        tav::store::TableDef kaputt = *tav::store::findTableDef("Vereine.db");
        kaputt.indexes.append(tav::store::def::index("Fehlt", "GibtEsNicht"));
        QVERIFY_THROWS_EXCEPTION(tav::store::EngineError, db->rebuildIndexes("Vereine.db", kaputt));
        QCOMPARE(db->indexNames("Vereine.db"), vorher);
        db->checkTable("Vereine.db");
    }

    void failuresMakeTheResult()
    {
        // no cat table: the data module's later routines of the group wait, its own tables not
        anlegen({"CATSTAMM.DB"});
        TDataModuleIndex modul(dir.path(), db.get());
        QStringList gezeigt;
        IndexLaufErgebnis e = indexRekonstruktion(modul, {gruppe("Vereine"), gruppe("Katzen")},
                                                  [&](const IndexFortschritt &f) { gezeigt << f.tabelle; });
        QVERIFY(!e.erfolg);
        QVERIFY(e.neustart);
        QCOMPARE(e.fehlgeschlageneGruppen, QStringList{"Katzen"});
        QCOMPARE(e.fehler.size(), 1);
        QVERIFY(e.fehler.first().startsWith("CATSTAMM.DB: "));
        QVERIFY(hatIndex("Arztbes.db") && hatIndex("Dokumente.db") && hatIndex("Vereine.db"));
        QVERIFY(!hatIndex("Bilder.db") && !hatIndex("Impfung.db"));
        QCOMPARE(gezeigt.first(), QString("CATSTAMM.DB")); // the groups' order, not the ticks'
        QCOMPARE(gezeigt.last(), QString("Vereine.db"));

        // the language group: the messages wait for the captions
        anlegen({"SPRACHE.DB"});
        e = indexRekonstruktion(modul, {gruppe("Sprache"), gruppe("Adressenverwaltung")});
        QCOMPARE(e.fehlgeschlageneGruppen, QStringList{"Sprache"});
        QVERIFY(!hatIndex("SPRMEL.DB"));
        QVERIFY(hatIndex("ADR_DAT.DB"));

        // nothing ticked, or only the hidden group: nothing runs, nothing restarts
        for (const QVector<int> &g : {QVector<int>{}, QVector<int>{gruppe("Farb-/Gencode")}}) {
            e = indexRekonstruktion(modul, g);
            QVERIFY(e.erfolg && !e.neustart && e.neuAufgebaut.isEmpty());
        }

        // stopped after the first table: the rest keep what they had
        anlegen();
        int gefragt = 0;
        e = indexRekonstruktion(modul, {gruppe("Buchführung"), gruppe("Vereine")}, {},
                                [&] { return ++gefragt > 1; });
        QVERIFY(e.abgebrochen && !e.erfolg && e.neustart);
        QCOMPARE(e.neuAufgebaut, QStringList{"Vereine.db"});
        QCOMPARE(e.fehlgeschlageneGruppen, QStringList{"Buchführung"});
        QVERIFY(!hatIndex("Buchung.db"));
    }
};

QTEST_GUILESS_MAIN(TstIndexrekonstruktion)
#include "tst_indexrekonstruktion.moc"
