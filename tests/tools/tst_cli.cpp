#include "app/DataHome.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::store;

namespace {
int runCli(const QStringList &args, QString *errText = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(TAV_CLI), args);
    p.waitForFinished(120000);
    if (errText)
        *errText = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// generations of a cat: 1 + the deeper of its parents'
int depth(QHash<int, QPair<int, int>> &parents, QHash<int, int> &memo, int nr)
{
    if (nr == 0 || !parents.contains(nr))
        return 0;
    if (memo.contains(nr))
        return memo[nr];
    const auto [v, m] = parents[nr];
    return memo[nr] = 1 + std::max(depth(parents, memo, v), depth(parents, memo, m));
}
} // namespace

class TstCli : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void initMakesEveryTableAndRefusesAgain()
    {
        QTemporaryDir home;
        QCOMPARE(runCli({"--home", home.path(), "init"}), 0);
        Database db(home.path() + "/Daten");
        for (const TableDef &def : allTableDefs()) {
            Table t(&db, def.fileName);
            t.open(); // every declared table is there with the layout the program expects
            db.checkTable(def.fileName);
        }
        // catalogues in three languages and the seeded reference lists
        Table msg(&db, "SPRMEL.DB");
        msg.open();
        QVERIFY(msg.findKey({29}));
        QVERIFY(msg.findKey({10029}));
        QVERIFY(msg.findKey({20029}));
        Table traits(&db, "MERKMALE.DB");
        traits.open();
        QVERIFY(traits.findKey({1}));
        QCOMPARE(traits.value("Bezeichnung").toString(), QString("Klon"));
        QVERIFY(traits.findKey({2}));
        QCOMPARE(traits.value("Bezeichnung").toString(), QString("Foundation"));
        Table breeds(&db, "RASSE.DB");
        breeds.open();
        QVERIFY(breeds.recordCount() > 40);
        Table top(&db, "TOPKATZE.DB");
        top.open();
        QCOMPARE(top.recordCount(), 5);
        QCOMPARE(top.value("Farbe").toInt(), 16777215);

        const QByteArray before = fileBytes(db.resolve("catstamm.db"));
        db.disconnect();
        QString err;
        QCOMPARE(runCli({"--home", home.path(), "init"}, &err), 1);
        QVERIFY(err.contains("catstamm", Qt::CaseInsensitive) || err.contains("Katzentabelle"));
        QCOMPARE(fileBytes(db.resolve("catstamm.db")), before);
    }

    void ensureTableNeverReplacesAFile()
    {
        QTemporaryDir home;
        Database db(home.path());
        QVERIFY(db.ensureTable("zusatz.db"));
        QVERIFY(!db.ensureTable("ZUSATZ.DB"));
        // a damaged file is reported when used, never replaced
        QFile f(db.resolve("LAEUFIGKEIT.DB"));
        QVERIFY(db.ensureTable("LAEUFIGKEIT.DB"));
        QFile broken(db.resolve("LAEUFIGKEIT.DB"));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("kein SQLite");
        broken.close();
        QVERIFY(!db.ensureTable("laeufigkeit.db"));
        Table t(&db, "laeufigkeit.db");
        QVERIFY_THROWS_EXCEPTION(EngineError, t.open());
        QCOMPARE(fileBytes(db.resolve("LAEUFIGKEIT.DB")), QByteArray("kein SQLite"));
    }

    void badReferenceLineAddsNothing()
    {
        QTemporaryDir home;
        Database db(home.path());
        db.createTable("STATUS.DB");
        QFile tsv(home.path() + "/status.tsv");
        QVERIFY(tsv.open(QIODevice::WriteOnly));
        tsv.write("Nummer\tStatus\n# eigene\n1\teigene Katze\nzwei\tFremdkatze\n");
        tsv.close();
        try {
            tav::app::loadTsv(db, "STATUS.DB", tsv.fileName());
            QFAIL("bad line loaded");
        } catch (const std::runtime_error &e) {
            QVERIFY(QString::fromUtf8(e.what()).contains("Zeile 4"));
        }
        Table t(&db, "STATUS.DB");
        t.open();
        QVERIFY(t.isEmpty());
    }

    void demoRegister()
    {
        QTemporaryDir home;
        QCOMPARE(runCli({"--home", home.path(), "demo"}), 0);
        Database db(home.path() + "/Daten");
        Query q(&db, "SELECT LaufendeNummer, Vater, Mutter FROM catstamm");
        q.open();
        QHash<int, QPair<int, int>> parents;
        for (const auto &r : q.rows())
            parents.insert(r[0].toInt(), {r[1].toInt(), r[2].toInt()});
        QVERIFY(parents.size() >= 60);
        QHash<int, int> memo;
        int deepest = 0;
        for (int nr : parents.keys())
            deepest = std::max(deepest, depth(parents, memo, nr));
        QVERIFY2(deepest >= 6, qPrintable(QString::number(deepest)));
        // some inbreeding: a cat whose sire and dam share an ancestor
        auto ancestors = [&](int nr) {
            QSet<int> out;
            QList<int> todo{nr};
            while (!todo.isEmpty()) {
                const int c = todo.takeLast();
                if (c == 0 || out.contains(c))
                    continue;
                out.insert(c);
                todo << parents.value(c).first << parents.value(c).second;
            }
            return out;
        };
        int inbred = 0;
        for (auto it = parents.begin(); it != parents.end(); ++it) {
            if (it->first && it->second && ancestors(it->first).intersects(ancestors(it->second)))
                ++inbred;
        }
        QVERIFY(inbred >= 5);
        for (const char *t :
             {"WURFBUCH.DB", "TITELHUND.DB", "IMPFUNG.DB", "ADR_DAT.DB", "BILDER.DB", "EIGEN.DB"}) {
            Table tb(&db, t);
            tb.open();
            QVERIFY2(!tb.isEmpty(), t);
        }
        Table pics(&db, "BILDER.DB");
        pics.open();
        QVERIFY(QFile::exists(pics.value("Bildpfad").toString()));
        Query titled(&db, "SELECT count(*) FROM catstamm WHERE TitelGer1 IS NOT NULL");
        titled.open();
        QVERIFY(titled.value(0).toInt() > 0);
    }

    void generateIsReproducible()
    {
        QTemporaryDir a, b;
        const QStringList args{"generate", "--cats", "400", "--generations", "8", "--seed", "3"};
        QCOMPARE(runCli(QStringList{"--home", a.path()} + args), 0);
        QCOMPARE(runCli(QStringList{"--home", b.path()} + args), 0);
        Database da(a.path() + "/Daten"), dbb(b.path() + "/Daten");
        Query qa(&da, "SELECT LaufendeNummer, Name, Vater, Mutter FROM catstamm ORDER BY LaufendeNummer");
        Query qb(&dbb, "SELECT LaufendeNummer, Name, Vater, Mutter FROM catstamm ORDER BY LaufendeNummer");
        qa.open();
        qb.open();
        const auto ra = qa.rows();
        QCOMPARE(ra.size(), 400);
        QCOMPARE(ra, qb.rows());
        // a closed population: parents are older cats of the register
        for (const auto &r : ra) {
            QVERIFY(r[2].toInt() < r[0].toInt());
            QVERIFY(r[3].toInt() < r[0].toInt());
        }
        QString err;
        QCOMPARE(runCli({"--home", a.path(), "generate", "--cats", "x"}, &err), 2);
        QCOMPARE(runCli({"--home", a.path(), "generate", "--breeders", "-1"}, &err), 2);
    }

    // a breeding pool: every generation's kittens come from the few cats chosen in the two
    // generations before, a third of them toms
    void generateWithABreedingPool()
    {
        QTemporaryDir a;
        QCOMPARE(runCli({"--home", a.path(), "generate", "--cats", "3000", "--generations", "10", "--seed",
                         "4", "--breeders", "12"}),
                 0);
        Database db(a.path() + "/Daten");
        Query q(&db, "SELECT LaufendeNummer, Vater, Mutter FROM catstamm ORDER BY LaufendeNummer");
        q.open();
        QSet<int> sires, dams;
        for (const auto &r : q.rows()) {
            if (r[1].toInt())
                sires.insert(r[1].toInt());
            if (r[2].toInt())
                dams.insert(r[2].toInt());
        }
        // nine generations of parents, four toms and eight queens each
        QVERIFY2(sires.size() <= 9 * 4, qPrintable(QString::number(sires.size())));
        QVERIFY2(dams.size() <= 9 * 8, qPrintable(QString::number(dams.size())));
        QVERIFY(sires.size() >= 9 && dams.size() >= 9);
    }

    // generate writes its register in one transaction: a run killed half way leaves the cats of
    // the register as they were, and the files whole
    void killedGenerateLeavesThePreviousState()
    {
        QTemporaryDir a;
        QCOMPARE(runCli({"--home", a.path(), "generate", "--cats", "300", "--seed", "5"}), 0);
        QProcess p;
        p.start(QStringLiteral(TAV_CLI),
                {"--home", a.path(), "generate", "--cats", "20000", "--seed", "6", "--verbose"});
        // progress is printed every 5000 cats, so that many are written when the line comes
        QString aus;
        while (!aus.contains("5000 Katzen") && p.waitForReadyRead(60000))
            aus += QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(aus.contains("5000 Katzen"), qPrintable(aus));
        p.kill();
        p.waitForFinished();
        Database db(a.path() + "/Daten");
        Query q(&db, "SELECT count(*) FROM catstamm");
        q.open();
        QCOMPARE(q.value(0).toInt(), 300);
        db.checkTable("CATSTAMM.DB");
    }
};

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
