#include "app/IniFile.h"
#include "app/MainRules.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::app;
using namespace tav::store;

class TstMainRules : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void statusFilters_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("filter");
        QTest::newRow("alle") << "alle"
                              << "";
        QTest::newRow("12") << "12"
                            << "Status=1 OR Status=2";
        QTest::newRow("123") << "123"
                             << "Status=1 OR Status=2 OR Status=3";
        QTest::newRow("one") << "5"
                             << "Status=5";
        QTest::newRow("a million repeated digits")
            << QString("21").repeated(500000) << "Status=2 OR Status=1";
    }
    void statusFilters()
    {
        QFETCH(QString, setting);
        QFETCH(QString, filter);
        QCOMPARE(statusFilter(setting), filter);
    }

    // "12" lists just the cats of status 1 and 2, through the table engine's filter
    void statusFilterSelectsCats()
    {
        QTemporaryDir dir;
        Database db(dir.path());
        db.createTable("CATSTAMM.DB");
        Table t(&db, "CATSTAMM.DB");
        t.open();
        for (int s : {1, 2, 3, 2}) {
            t.append();
            t.setValue("Name", QString("K%1").arg(s));
            t.setValue("Geschlecht", "1");
            t.setValue("Status", s);
            t.post();
        }
        t.setFilter(statusFilter("12"));
        t.setFiltered(true);
        QCOMPARE(t.recordCount(), 3);
        t.setFilter(statusFilter("alle"));
        QCOMPARE(t.recordCount(), 4);
    }

    void rowColours()
    {
        const int red = 0x0000ff, blue = 0xff0000;
        QCOMPARE(rowColour(true, red, blue), blue); // trait over top cat
        QCOMPARE(rowColour(false, red, blue), red); // top cat over trait
        QCOMPARE(rowColour(false, 0, blue), blue);
        QCOMPARE(rowColour(true, 0, 0), 0);
    }

    // stored colours have red in the low byte: 0xff0000 is the blue of the trait "Klon"
    void readableTextOnColours_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<bool>("light");
        QTest::newRow("pure blue") << 0xff0000 << true;
        QTest::newRow("pure red") << 0x0000ff << false;
        QTest::newRow("navy") << 0x800000 << true;
        QTest::newRow("dark green") << 0x006400 << true;
        QTest::newRow("black") << 0x000000 << true;
        QTest::newRow("white") << 0xffffff << false;
        QTest::newRow("yellow") << 0x00ffff << false;
        QTest::newRow("pale green of a trait") << 0xc8f0c8 << false;
        QTest::newRow("middle grey") << 0x808080 << false;
        QTest::newRow("dark grey") << 0x404040 << true;
    }
    void readableTextOnColours()
    {
        QFETCH(int, colour);
        QFETCH(bool, light);
        QCOMPARE(needsLightText(colour), light);
    }

    void recentCatsByNumber()
    {
        RecentCats r;
        QVERIFY(r.shown().isEmpty()); // no empty menu items
        QVERIFY(r.add("Maxi", 7));
        QVERIFY(r.add("Max", 8)); // "Max" is in "Maxi", still a cat of its own
        QVERIFY(r.add("Max", 9)); // two cats of one name are two entries
        QVERIFY(!r.add("Max", 8));
        QCOMPARE(r.shown(), QStringList({"Max {9}", "Max {8}", "Maxi {7}"}));
        for (int n = 10; n < 20; ++n)
            r.add(QString("K%1").arg(n), n);
        QCOMPARE(r.shown().size(), 5);
        QCOMPARE(r.shown().first(), QString("K19 {19}"));
        QCOMPARE(RecentCats::numberOf("Name mit {Klammer} {42}"), 42);
        QCOMPARE(RecentCats::numberOf("{}"), 0);
        // a deleted cat leaves the list, the later ones move up and the next one comes first
        QVERIFY(r.remove(17));
        QVERIFY(!r.remove(17));
        QCOMPARE(r.shown(), QStringList({"K19 {19}", "K18 {18}", "K16 {16}", "K15 {15}"}));
        QCOMPARE(r.entries().last(), QString("{}"));
        QVERIFY(r.add("Neu", 30));
        QCOMPARE(r.shown().first(), QString("Neu {30}"));
        QCOMPARE(r.shown().size(), 5);

        QTemporaryDir dir;
        const QString ini = dir.filePath("Tavrenno.ini");
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("; mine\n[lastcats]\ncat1=Alt {3}\n[Andere]\nx=1\n");
        f.close();
        RecentCats loaded;
        loaded.load(ini);
        QCOMPARE(loaded.shown(), QStringList({"Alt {3}"}));
        QVERIFY(loaded.add("Neu", 4));
        QVERIFY(loaded.save(ini));
        RecentCats again;
        again.load(ini);
        QCOMPARE(again.shown(), QStringList({"Neu {4}", "Alt {3}"}));
        QVERIFY(IniFile(ini).hasKey("Andere", "x"));
    }

    void exclusiveWindows()
    {
        QCOMPARE(exclusiveCode({}, QString(), false), 0);
        QCOMPARE(exclusiveCode({"adressenverwaltung"}, "formvereine", false), 138);
        QCOMPARE(exclusiveCode({"adressenverwaltung"}, "Adressenverwaltung", false), 0); // reopening itself
        QCOMPARE(exclusiveCode({"adressenverwaltung", "formstammbaum"}, QString(), false), 118);
        QCOMPARE(exclusiveCode({"adressenverwaltung"}, QString(), true), 10);
        QCOMPARE(exclusiveCode({"formcatstamm"}, QString(), false), 0);
    }

    // Icons fill the bottom row from the left; the one that does not fit starts a row above.
    void iconPlaces()
    {
        const QVector<QSize> drei(3, QSize(120, 30));
        QCOMPARE(symbolPlaetze(QSize(300, 200), drei),
                 QVector<QPoint>({QPoint(0, 170), QPoint(120, 170), QPoint(0, 140)}));
        // an icon wider than the area still gets a place of its own
        QCOMPARE(symbolPlaetze(QSize(100, 200), {QSize(160, 30), QSize(160, 30)}),
                 QVector<QPoint>({QPoint(0, 170), QPoint(0, 140)}));
    }

    // An old cat table is upgraded once; a second start changes nothing; an empty trait table
    // gets exactly the two seeded traits.
    void openingUpgradesAndSeeds()
    {
        QTemporaryDir dir;
        Database db(dir.path());
        TableDef oldCats = *findTableDef("CATSTAMM.DB");
        for (const char *f : {"zzlDatum", "Groesse", "Gewicht"})
            oldCats.fields.removeIf([&](const FieldDef &d) { return d.name == f; });
        db.createTable(oldCats);
        {
            Table t(&db, "catstamm.db");
            t.setCheckLayout(false);
            t.open();
            t.append();
            t.setValue("Name", "Alte Katze");
            t.setValue("Geschlecht", "2");
            t.post();
        }
        db.createTable("SPRMEL.DB");
        db.createTable("SPRACHE.DB");
        db.createTable("MERKMALE.DB");
        OpenReport r = dateienOeffnen(db);
        QVERIFY2(r.errors.isEmpty(), qPrintable(r.errors.value(0).second.message()));
        QVERIFY(!r.zusatzFailed);
        QVERIFY(db.missingFields("catstamm.db").isEmpty());
        QVERIFY(db.indexNames("catstamm.db").contains("GebDatum"));
        Table traits(&db, "MERKMALE.DB");
        traits.open();
        QCOMPARE(traits.recordCount(), 2);
        QVERIFY(traits.findKey({1}));
        QCOMPARE(traits.value("Bezeichnung").toString(), QString("Klon"));
        QVERIFY(traits.findKey({2}));
        QCOMPARE(traits.value("Kuerzel").toString(), QString("Fd"));
        traits.close();
        Table top(&db, "TOPKATZE.DB");
        top.open();
        QCOMPARE(top.recordCount(), 5);
        top.close();
        db.disconnect();

        const QByteArray catsBefore = [&] {
            QFile f(db.resolve("catstamm.db"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        r = dateienOeffnen(db);
        QVERIFY(r.errors.isEmpty());
        db.disconnect();
        QFile f(db.resolve("catstamm.db"));
        f.open(QIODevice::ReadOnly);
        QCOMPARE(f.readAll(), catsBefore);
        Table t(&db, "catstamm.db");
        t.open();
        QCOMPARE(t.value("Name").toString(), QString("Alte Katze"));
        Table traits2(&db, "MERKMALE.DB");
        traits2.open();
        QCOMPARE(traits2.recordCount(), 2);
    }

    void missingTablesAreReported()
    {
        QTemporaryDir dir;
        Database db(dir.path());
        const OpenReport r = dateienOeffnen(db);
        QStringList files;
        for (const auto &e : r.errors)
            files << e.first;
        QVERIFY(files.contains("SPRMEL.DB"));
        QVERIFY(files.contains("CATSTAMM.DB"));
        QVERIFY(db.tableExists("TOPKATZE.DB")); // created when missing
    }
};

QTEST_GUILESS_MAIN(TstMainRules)
#include "tst_mainrules.moc"
