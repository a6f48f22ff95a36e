#include "../common/CliRun.h"
#include "app/DataHome.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

using namespace tav::store;

namespace {
// Without a home from the environment; settings from `config` when given (a folder without
// Tavrenno.ini: the defaults).
Run cli(const QStringList &args, const QString &config = QString())
{
    return run(QStringLiteral(TAV_CLI), args, config);
}

int runCli(const QStringList &args, QString *errText = nullptr)
{
    const Run r = cli(args);
    if (errText)
        *errText = r.err;
    return r.code;
}

QString writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

const QByteArray Kopf = "Name;Geschlecht;Vater;Mutter;GebDatum;Rasse\n";

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
        // the folders the program writes into are there from the start
        for (const char *folder : {"Help/de", "Bmp"})
            QVERIFY2(QFileInfo(home.filePath(folder)).isDir(), folder);

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

    // help goes to standard output and succeeds; a bad call names its fault on standard error,
    // fails with status 2 and writes nothing
    void helpAndBadUsage_data()
    {
        QTest::addColumn<QStringList>("args"); // "HOME" stands for a fresh home folder
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("--help") << QStringList{"--help"} << 0
                                << "Name;Geschlecht;Vater;Mutter;GebDatum;Rasse";
        QTest::newRow("-h after a command") << QStringList{"--home", "HOME", "import-pedigree", "-h"} << 0
                                            << "Kurzname oder Name der Rassentabelle";
        QTest::newRow("unknown command")
            << QStringList{"--home", "HOME", "frob"} << 2 << "Unbekannter Befehl: frob";
        QTest::newRow("no home") << QStringList{"init"} << 2 << "Kein Datenverzeichnis";
        QTest::newRow("--home last") << QStringList{"init", "--home"} << 2 << "--home braucht einen Wert";
        QTest::newRow("option instead of the value")
            << QStringList{"--home", "HOME", "generate", "--cats", "--generations", "3"} << 2
            << "--cats braucht einen Wert";
        QTest::newRow("coi value at the end") << QStringList{"--home", "HOME", "coi", "--json", "--cat-name"}
                                              << 2 << "--cat-name braucht einen Wert";
        QTest::newRow("misspelt option") << QStringList{"--home", "HOME", "generate", "--cat", "5"} << 2
                                         << "Unbekannte oder doppelte Angabe: --cat";
        QTest::newRow("two files") << QStringList{"--home", "HOME", "import-pedigree", "a.csv", "b.csv"} << 2
                                   << "Unbekannte Angabe: b.csv";
    }
    void helpAndBadUsage()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, text);
        QTemporaryDir home;
        const Run r = cli(args.replaceInStrings(QRegularExpression("^HOME$"), home.path()));
        QCOMPARE(r.code, code);
        QVERIFY2((code == 0 ? r.out : r.err).contains(text), qPrintable(r.out + r.err));
        QVERIFY2(code == 0 ? !r.err.contains("Aufruf") : r.out.isEmpty(), qPrintable(r.out + r.err));
        QVERIFY(QDir(home.path()).isEmpty());
    }

    // a breed by number, then short name, then name, without regard to case
    void importBreed_data()
    {
        QTest::addColumn<QString>("rasse");
        QTest::addColumn<int>("code"); // 0: refused with the message
        QTest::addColumn<QString>("meldung");
        QTest::newRow("number") << "39" << 39 << "";
        QTest::newRow("short name") << "per" << 39 << "";
        QTest::newRow("name, other case, umlaut") << "ägyptische MAU" << 29 << "";
        QTest::newRow("number before a short name") << "40" << 40 << "";
        QTest::newRow("short name before a name") << "aby" << 1 << "";
        QTest::newRow("short name of two breeds")
            << "duo" << 0 << "„duo“ ist nicht eindeutig (Nr. 64, Nr. 65)";
        QTest::newRow("no such number") << "9999" << 0 << "„9999“ ist nicht in der Rassentabelle";
    }
    void importBreed()
    {
        QFETCH(QString, rasse);
        QFETCH(int, code);
        QFETCH(QString, meldung);
        static QTemporaryDir home;
        static const bool bereit = [] {
            if (runCli({"--home", home.path(), "init"}) != 0)
                return false;
            Database db(home.path() + "/Daten");
            Table t(&db, "RASSE.DB");
            t.open();
            // 63: a name that is another breed's short name, a short name that is another's number
            for (const auto &[name, kurz] :
                 {std::pair{"ABY", "40"}, {"Duo eins", "DUO"}, {"Duo zwei", "DUO"}}) {
                t.append();
                t.setValue("RName", name);
                t.setValue("RKurzname", kurz);
                t.post();
            }
            return t.value("RCode").toInt() == 65;
        }();
        QVERIFY(bereit);
        const QString name = QString("Felix ") + QTest::currentDataTag();
        const Run r =
            cli({"--home", home.path(), "import-pedigree",
                 writeFile(home.filePath("f.csv"), Kopf + name.toUtf8() + ";1;;;;" + rasse.toUtf8())});
        Database db(home.path() + "/Daten");
        Query q(&db, "SELECT Rasse FROM catstamm WHERE Name = ?");
        q.addBindValue(name);
        q.open();
        QCOMPARE(r.code, code ? 0 : 1);
        // (standard error may begin with the platform's warnings)
        const QString erwartet =
            code ? "1 Katze importiert\n" : "Zeile 2: Rasse " + meldung + "\nNichts importiert.\n";
        QVERIFY2((code ? r.out : r.err).endsWith(erwartet), qPrintable(r.out + r.err));
        QCOMPARE(q.eof() ? 0 : q.value(0).toInt(), code);
    }

    // what is stored is text: control characters, names over 70 characters (emoji count one each),
    // impossible birth dates and a file in another encoding are refused with their line, nothing
    // imported
    void importRefusesWhatIsNoText_data()
    {
        QTest::addColumn<QByteArray>("lines"); // after the header
        QTest::addColumn<QString>("meldung");  // empty: imported
        const QByteArray cat = QString::fromUcs4(U"\U0001F431").toUtf8();
        QTest::newRow("70 emoji") << cat.repeated(70) + ";2;;;;\n"
                                  << "";
        QTest::newRow("71 emoji") << "Mimi;2;;;;\n" + cat.repeated(71) + ";2;;;;\n"
                                  << "Zeile 3: Name länger als 70 Zeichen";
        QTest::newRow("tab at the end of a name")
            << QByteArray("Mimi\t;2;;;;\n") << "Zeile 2: Steuerzeichen U+0009 in Name";
        QTest::newRow("escape in a parent")
            << QByteArray("Mimi;2;;\x1b[1m;;\n") << "Zeile 2: Steuerzeichen U+001b in Mutter";
        QTest::newRow("NUL in a breed")
            << QByteArray("Mimi;2;;;;P\0ER\n", 16) << "Zeile 2: Steuerzeichen U+0000 in Rasse";
        QTest::newRow("born tomorrow")
            << "Mimi;2;;;" + QDate::currentDate().addDays(1).toString(Qt::ISODate).toLatin1() + ";\n"
            << "liegt in der Zukunft";
        QTest::newRow("born before 1900")
            << QByteArray("Mimi;2;;;31.12.1899;\n") << "Zeile 2: Geburtsdatum „31.12.1899“ liegt vor 1900";
        // text direction: "Katze <RLO>gnp.exe" shows as "Katze exe.png"
        QTest::newRow("right-to-left override in a name")
            << QByteArray("Katze \u202egnp.exe;2;;;;\n") << "Zeile 2: Steuerzeichen U+202e in Name";
        QTest::newRow("isolate in a sire")
            << QByteArray("Mimi;2;\u2067Tom\u2069;;;\n") << "Zeile 2: Steuerzeichen U+2067 in Vater";
        QTest::newRow("right-to-left mark in a breed")
            << QByteArray("Mimi;2;;;;PER\u200f\n") << "Zeile 2: Steuerzeichen U+200f in Rasse";
        QTest::newRow("arabic letter mark in a dam")
            << QByteArray("Mimi;2;;Lulu\u061c;;\n") << "Zeile 2: Steuerzeichen U+061c in Mutter";
        QTest::newRow("joiner inside an emoji is text")
            << QString::fromUcs4(U"Mimi \U0001F408\u200D\u2B1B;2;;;;\n").toUtf8() << "";
        QTest::newRow("Latin-1") << QByteArray("Mimi;2;;;;\nJ\xfcrgen;1;;;;\nM\xe4x;1;;;;\n")
                                 << "Zeile 3: nicht in UTF-8 geschrieben";
    }
    void importRefusesWhatIsNoText()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, meldung);
        static QTemporaryDir home;
        static const bool bereit = runCli({"--home", home.path(), "init"}) == 0;
        QVERIFY(bereit);
        const Run r =
            cli({"--home", home.path(), "import-pedigree", writeFile(home.filePath("f.csv"), Kopf + lines)});
        Database db(home.path() + "/Daten");
        Query q(&db, "SELECT Name FROM catstamm");
        q.open();
        const auto rows = q.rows();
        if (meldung.isEmpty()) {
            QCOMPARE(r.code, 0);
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows[0][0].toString().toUtf8() + ";2;;;;\n", lines);
            QVERIFY(db.tableExists("catstamm.db"));
            Query del(&db, "DELETE FROM catstamm");
            del.exec();
        } else {
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains(meldung) && r.err.endsWith("Nichts importiert.\n"), qPrintable(r.err));
            QCOMPARE(rows.size(), 0);
        }
    }

    // a file of one endless line is refused at that line, in far less memory than the file's size
    void importRefusesAnEndlessLineEarly()
    {
        QTemporaryDir home;
        QCOMPARE(runCli({"--home", home.path(), "init"}), 0);
        QFile f(writeFile(home.filePath("f.csv"), Kopf + "Mimi;2;;;;"));
        QVERIFY(f.resize(qint64(1) << 30)); // sparse: the line goes on in NUL bytes
        QProcess p;
        p.setChildProcessModifier([] {
            const rlimit r{rlim_t(700) << 20, rlim_t(700) << 20};
            setrlimit(RLIMIT_AS, &r);
        });
        p.start(TAV_CLI, {"--home", home.path(), "import-pedigree", f.fileName()});
        QVERIFY(p.waitForFinished(60000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(QRegularExpression("Zeile 2: länger als \\d+ Bytes").match(err).hasMatch(), qPrintable(err));
        QVERIFY(err.endsWith("Nichts importiert.\n"));
    }

    // status, cattery (in the form of the settings) and breeder as the cat record window gives them
    // to a new cat, names in the form the window stores
    void importGivesWhatTheWindowGives()
    {
        QTemporaryDir home;
        QCOMPARE(runCli({"--home", home.path(), "init"}), 0);
        QDir().mkpath(home.filePath("config"));
        writeFile(home.filePath("config/Tavrenno.ini"), "[Stammdaten]\nZusatzBeiZwinger=1\n");
        {
            Database db(home.path() + "/Daten");
            Table adr(&db, "ADR_DAT.DB");
            adr.open();
            adr.append();
            adr.setValue("Name", "Berger");
            adr.setValue("Zwinger", "VOM KATZENHAUS");
            adr.post(); // address 1
        }
        const Run r =
            cli({"--home", home.path(), "import-pedigree",
                 writeFile(home.filePath("f.csv"), Kopf + "Felix  vom Katzenhaus;1;;;;\nMimi;2;;;;\n"
                                                          "Tom vom Berg;1;Felix vom  Katzenhaus;Mimi;;\n")},
                home.filePath("config"));
        QCOMPARE(r.out, QString("3 Katzen importiert\n"));
        Database db(home.path() + "/Daten");
        Query q(&db, "SELECT Name, Zwinger, \"Züchter\", Vater, Mutter, Status, AndereRegistrierung "
                     "FROM catstamm ORDER BY LaufendeNummer");
        q.open();
        const QVariant keiner; // no cattery, breeder or parent
        const QList<QVariantList> erwartet = {
            {"Felix vom Katzenhaus", "vom Katzenhaus", 1, keiner, keiner, 2, false},
            {"Mimi", keiner, keiner, keiner, keiner, 2, false},
            {"Tom vom Berg", "vom Berg", keiner, 1, 2, 2, false}};
        const auto rows = q.rows();
        QCOMPARE(rows.size(), erwartet.size());
        for (int i = 0; i < rows.size(); ++i)
            for (int f = 0; f < rows[i].size(); ++f)
                QCOMPARE(rows[i][f].toString(), erwartet[i][f].toString());
    }

    // the window's check: a refused record writes nothing, what is not given stays
    void ownData()
    {
        QTemporaryDir home;
        QString err;
        QCOMPARE(
            runCli({"--home", home.path(), "own-data", "--name", "Berger", "--first-name", "Anna"}, &err), 1);
        QVERIFY(!QFileInfo::exists(home.filePath("Daten"))); // no register is made for it
        QCOMPARE(runCli({"--home", home.path(), "init"}), 0);
        QCOMPARE(runCli({"--home", home.path(), "own-data", "--name", "Berger"}, &err), 2);
        const Run bad = cli({"--home", home.path(), "own-data", "--name", "Berger", "--first-name", "Anna",
                             "--customer-number", "anna/1"});
        QCOMPARE(bad.code, 1);
        QVERIFY2(bad.err.contains("--customer-number: Die Kunden-Nr."), qPrintable(bad.err));
        QCOMPARE(runCli({"--home", home.path(), "own-data", "--name", "Berger", "--first-name", " "}, &err),
                 1);
        Database db(home.path() + "/Daten");
        const auto zeilen = [&] {
            Query q(&db, "SELECT Name, Vorname, Ort, Strasse, \"Update\" FROM \"EIGEN.DB\"");
            q.open();
            return q.rows();
        };
        QVERIFY(zeilen().isEmpty());
        QCOMPARE(runCli({"--home", home.path(), "own-data", "--name", "Berger", "--first-name", "Anna",
                         "--town", "Köln", "--customer-number", "anna-1"}),
                 0);
        QCOMPARE(runCli({"--home", home.path(), "own-data", "--name", "Berger", "--first-name", "Anna",
                         "--street", "Lindenallee 12"}),
                 0);
        const auto rows = zeilen();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0], (QVariantList{"Berger", "Anna", "Köln", "Lindenallee 12", "anna-1"}));
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

    // the demo's address groups and salutations are the user's words: in the settings' language
    void demoAddressesInTheSettingsLanguage_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QVariantList>("erste");
        QTest::newRow("German") << "Deutsch" << QVariantList{"Frau", "Züchter"};
        QTest::newRow("English") << "Englisch" << QVariantList{"Mrs.", "Breeder"};
        QTest::newRow("Dutch") << "Holländisch" << QVariantList{"Mevr.", "Fokker"};
    }
    void demoAddressesInTheSettingsLanguage()
    {
        QFETCH(QString, sprache);
        QFETCH(QVariantList, erste);
        QTemporaryDir home, config;
        writeFile(config.filePath("Tavrenno.ini"), "[System]\nSprache=" + sprache.toUtf8() + "\n");
        QCOMPARE(cli({"--home", home.path(), "demo"}, config.path()).code, 0);
        Database db(home.path() + "/Daten");
        Query gruppen(&db, "SELECT Status FROM \"STATUSADRESSEN.DB\" ORDER BY rowid LIMIT 1");
        gruppen.open();
        QCOMPARE(gruppen.value(0), erste.value(1));
        Query adresse(&db, "SELECT Anrede, Status FROM \"ADR_DAT.DB\" WHERE Name = 'Berger'");
        adresse.open();
        QCOMPARE(adresse.rows().value(0), erste);
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
