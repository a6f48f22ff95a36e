#include "../common/CatalogueText.h"
#include "app/EngineErrorText.h"
#include "app/RegisterLock.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

using namespace tav::store;
using tav::app::RegisterLock;

namespace {
struct Run {
    int code = -1;
    QString out, err;
};

QProcessEnvironment environment(const QString &config)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("TAVRENNO_HOME"));
    env.insert(QStringLiteral("TAVRENNO_CONFIG"), config);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TAVRENNO_QUIT_AFTER_START"), QStringLiteral("1"));
    return env;
}

void start(QProcess &p, const QString &program, const QStringList &args, const QString &config)
{
    p.setProcessEnvironment(environment(config));
    p.start(program, args);
}

Run finish(QProcess &p)
{
    p.waitForFinished(180000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

Run run(const QString &program, const QStringList &args, const QString &config)
{
    QProcess p;
    start(p, program, args, config);
    return finish(p);
}

// the program on a home, ending right after its start; `as` runs it through setpriv
Run program(const QString &home, const QString &config, const QStringList &as = {})
{
    return as.isEmpty() ? run(TAV_PROGRAM, {"--home", home}, config)
                        : run(as.first(), as.mid(1) + QStringList{TAV_PROGRAM, "--home", home}, config);
}

Run cli(const QStringList &args, const QString &config)
{
    return run(TAV_CLI, args, config);
}

QString writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

QByteArray pedigree(const QString &prefix, int n)
{
    QByteArray out = "Name;Geschlecht;Vater;Mutter;GebDatum;Rasse\n";
    for (int i = 0; i < n; ++i)
        out += QStringLiteral("%1 %2;%3;;;;\n").arg(prefix).arg(i).arg(1 + i % 2).toUtf8();
    return out;
}

int count(const QString &home, const QString &prefix)
{
    Database db(home + "/Daten");
    Query q(&db, "SELECT count(*) FROM catstamm WHERE Name LIKE ?");
    q.addBindValue(prefix + "%");
    q.open();
    return q.value(0).toInt();
}

void integrityGreen(const QString &home)
{
    Database db(home + "/Daten");
    for (const char *t : {"CATSTAMM.DB", "RASSE.DB", "SPRMEL.DB"})
        db.checkTable(t);
}

} // namespace

class TstRegisterLock : public QObject
{
    Q_OBJECT

    QTemporaryDir config;
    QTemporaryDir base; // a demo register, copied for each case

    QString freshHome(QTemporaryDir &dir)
    {
        const QString home = dir.path();
        QProcess cp;
        cp.start("cp", {"-a", base.path() + "/.", home});
        cp.waitForFinished();
        return home;
    }

  private Q_SLOTS:
    void initTestCase() { QCOMPARE(cli({"--home", base.path(), "demo"}, config.path()).code, 0); }

    // one lock in the data folder: a running program keeps writing commands out and lets readers
    // in; a command holding it keeps the program out; a holder that died leaves no lock behind
    void lockHeldByASecondProcess()
    {
        QTemporaryDir dir;
        const QString home = freshHome(dir);
        const QString lockFile = home + "/Daten/tavrenno.lock";
        QProcess running;
        running.setProcessEnvironment([&] {
            auto env = environment(config.path());
            env.remove("TAVRENNO_QUIT_AFTER_START");
            return env;
        }());
        running.start(TAV_PROGRAM, {"--home", home});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockFile), 60000);
        const QString f = writeFile(home + "/f.csv", pedigree("Neu", 3));
        Run r = cli({"--home", home, "import-pedigree", f}, config.path());
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.endsWith(
                     "Das Programm arbeitet mit diesem Register; nichts geändert.\nNichts importiert.\n"),
                 qPrintable(r.err));
        QCOMPARE(count(home, "Neu"), 0);
        // who holds it is said: the file, the computer, the process
        QVERIFY2(r.err.contains("Sperrdatei: " + lockFile + "\nRechner " + QSysInfo::machineHostName() +
                                ", Prozess " + QString::number(running.processId()) + " "),
                 qPrintable(r.err));
        r = cli({"--home", home, "coi", "--cat", "30"}, config.path());
        QVERIFY2(r.code == 0, qPrintable(r.err));
        r = program(home, config.path());
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.contains("Mirravel wird bereits ausgeführt!"), qPrintable(r.err));
        running.kill();
        running.waitForFinished();
        QVERIFY(QFile::exists(lockFile)); // left behind, and taken over
        r = cli({"--home", home, "import-pedigree", f}, config.path());
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(count(home, "Neu"), 3);
        QVERIFY(!QFile::exists(lockFile));

        // a writing command holds it: the program says so, in the words of the command-line tool
        const QString refusal = RegisterLock(home + "/Daten").refusal(RegisterLock::Result::HeldByCli);
        QCOMPARE(catalogueGerman(9450), refusal);
        QProcess writer;
        start(writer, TAV_CLI, {"--home", home, "generate", "--cats", "100000"}, config.path());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockFile), 60000);
        const Run refused = program(home, config.path());
        r = cli({"--home", home, "import-pedigree", f}, config.path());
        QVERIFY(writer.state() == QProcess::Running); // the lock was held throughout
        writer.kill();
        writer.waitForFinished();
        QCOMPARE(refused.code, 1);
        QVERIFY2(refused.err.contains(refusal), qPrintable(refused.err));
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.endsWith(refusal + "\nNichts importiert.\n"), qPrintable(r.err));
    }

    // a lock file nobody can vouch for is named with its holder and taken over only when asked
    void lockLeftBehind_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("holder");
        QTest::newRow("empty") << QByteArray() << 9470 << QString();
        QTest::newRow("garbage") << QByteArray("\x01\xff\x13Mist\n\n") << 9470 << QString();
        QTest::newRow("another host") << QByteArray("4242\ntavrenno\nanderer-rechner\nx\n") << 9471
                                      << "Rechner anderer-rechner, Prozess 4242 (tavrenno), seit ";
    }
    void lockLeftBehind()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, message);
        QFETCH(QString, holder);
        QTemporaryDir dir;
        const QString home = freshHome(dir);
        const QString lockFile = writeFile(home + "/Daten/tavrenno.lock", content);
        const QString f = writeFile(home + "/f.csv", pedigree("Neu", 2));
        Run r = cli({"--home", home, "import-pedigree", f}, config.path());
        QCOMPARE(r.code, 1);
        for (const QString &part : {"Sperrdatei: " + lockFile + (holder.isEmpty() ? "\n" : "\n" + holder),
                                    catalogueGerman(message) + "\n", QString("--take-over-lock")})
            QVERIFY2(r.err.contains(part), qPrintable(r.err));
        QVERIFY2(!r.err.contains("Das Programm arbeitet"), qPrintable(r.err));
        // the program asks; the test's answer is No, which leaves the lock as it was
        const Run p = program(home, config.path());
        QCOMPARE(p.code, 1);
        QVERIFY2(p.err.contains(catalogueGerman(message)) && p.err.contains(lockFile) &&
                     p.err.contains(catalogueGerman(9472)) && !p.err.contains("bereits ausgeführt"),
                 qPrintable(p.err));
        QCOMPARE(QFileInfo(lockFile).size(), qint64(content.size()));
        r = cli({"--home", home, "--take-over-lock", "import-pedigree", f}, config.path());
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(count(home, "Neu"), 2);
        QVERIFY(!QFile::exists(lockFile));
    }

    // a lock that cannot be made is named as such, not as another program
    void lockThatCannotBeCreated()
    {
        QTemporaryDir home;
        writeFile(home.path() + "/Daten", "kein Ordner");
        RegisterLock lock(home.path() + "/Daten");
        QCOMPARE(lock.tryLock(), RegisterLock::Result::CannotCreate);
        QCOMPARE(catalogueGerman(9451) + "\r" + lock.path(),
                 lock.refusal(RegisterLock::Result::CannotCreate));
        const Run r = cli({"--home", home.path(), "generate", "--cats", "5"}, config.path());
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(catalogueGerman(9451) + "\n" + lock.path()), qPrintable(r.err));
    }

    // the program's start and an import on one register at the same time, in both orders: the
    // import is there whole or not at all, a refusal is the lock's, the tables are sound
    void programStartAndImportTogether()
    {
        QTemporaryDir dir;
        const QString home = freshHome(dir);
        const QString f = writeFile(home + "/f.csv", pedigree("Stress", 1500));
        const QString lockFile = home + "/Daten/tavrenno.lock";
        int expected = 0, refusals = 0;
        for (int round = 0; round < 4; ++round) {
            const bool programFirst = round % 2 == 0;
            QProcess prog, imp;
            QProcess &first = programFirst ? prog : imp;
            if (programFirst)
                start(prog, TAV_PROGRAM, {"--home", home}, config.path());
            else
                start(imp, TAV_CLI, {"--home", home, "import-pedigree", f}, config.path());
            // the second starts once the first holds the register (or is done already)
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockFile) || first.state() == QProcess::NotRunning, 60000);
            if (programFirst)
                start(imp, TAV_CLI, {"--home", home, "import-pedigree", f}, config.path());
            else
                start(prog, TAV_PROGRAM, {"--home", home}, config.path());
            const Run ri = finish(imp), rp = finish(prog);
            QVERIFY2(ri.code == 0 ||
                         ri.err.endsWith("Das Programm arbeitet mit diesem Register; nichts geändert.\n"
                                         "Nichts importiert.\n"),
                     qPrintable(ri.err));
            QVERIFY2(rp.code == 0 ||
                         rp.err.contains(RegisterLock(home).refusal(RegisterLock::Result::HeldByCli)),
                     qPrintable(rp.err));
            QVERIFY2(!rp.err.contains("locked") && !ri.err.contains("locked"), qPrintable(rp.err + ri.err));
            expected += ri.code == 0 ? 1500 : 0;
            refusals += (ri.code != 0) + (rp.code != 0);
            QCOMPARE(count(home, "Stress"), expected);
            QVERIFY(!QFile::exists(lockFile));
            integrityGreen(home);
        }
        QVERIFY(refusals > 0);
    }

    // a catalogue that cannot open is reported at start in built-in words; the program goes on
    void catalogueThatCannotOpen()
    {
        QTemporaryDir dir;
        const QString home = freshHome(dir);
        QVERIFY(QFile::remove(home + "/Daten/SPRMEL.DB"));
        writeFile(home + "/Daten/SPRACHE.DB", QByteArray(4096, 'x'));
        const Run p = program(home, config.path());
        QCOMPARE(p.code, 0);
        QVERIFY2(p.err.contains("Der Sprachkatalog SPRMEL.DB kann nicht geöffnet werden."),
                 qPrintable(p.err));
        QVERIFY2(p.err.contains("Der Sprachkatalog SPRACHE.DB kann nicht geöffnet werden."),
                 qPrintable(p.err));
        QVERIFY2(p.err.contains("Meldungen und Beschriftungen bleiben leer"), qPrintable(p.err));
    }

    // the command-line tool names a damaged file as the program does, with the same number
    void damagedFilesNamedAlike_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("words");
        QTest::newRow("random bytes in RASSE.DB")
            << "RASSE.DB"
            << "random"
            << "Fehlernummer: 12029,  Die Datei RASSE.DB ist keine Tabelle";
        QTest::newRow("zero-byte CATSTAMM.DB") << "CATSTAMM.DB"
                                               << "empty"
                                               << "Fehlernummer: 12029,  Die Datei CATSTAMM.DB ist leer";
        QTest::newRow("truncated CATSTAMM.DB")
            << "CATSTAMM.DB"
            << "truncated"
            << "Fehlernummer: 12029,  Die Datei CATSTAMM.DB ist abgeschnitten";
        QTest::newRow("a folder instead of CATSTAMM.DB")
            << "CATSTAMM.DB"
            << "folder"
            << "Fehlernummer: 8450,  An der Stelle der Datei CATSTAMM.DB steht ein Ordner";
    }
    void damagedFilesNamedAlike()
    {
        QFETCH(QString, table);
        QFETCH(QString, damage);
        QFETCH(QString, words);
        QTemporaryDir dir;
        const QString home = freshHome(dir);
        const QString path = home + "/Daten/" + table;
        QFile file(path);
        if (damage == "folder") {
            QVERIFY(file.remove() && QDir().mkpath(path));
        } else if (damage == "truncated") {
            QVERIFY(file.resize(file.size() / 2));
        } else {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QByteArray bytes(damage == "random" ? 8192 : 0, '\0');
            for (char &c : bytes)
                c = char(QRandomGenerator::global()->bounded(256));
            file.write(bytes);
            file.close();
        }
        QString expected;
        {
            Database db(home + "/Daten");
            Table t(&db, table);
            try {
                t.open();
                QFAIL("opened");
            } catch (const EngineError &e) {
                expected = tav::app::errorText(e, table).join('\n') + '\n';
            }
        }
        QVERIFY2(
            expected.startsWith("Datei: " + table.section('.', 0, 0).toLower() + "\nEintrag: 0, " + words),
            qPrintable(expected));
        const Run r = cli({"--home", home, "import-pedigree",
                           writeFile(home + "/f.csv", pedigree("X", 1) + "Y;1;;;;PER\n")},
                          config.path());
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err.right(expected.size() + 19), expected + "Nichts importiert.\n");
        const Run p = program(home, config.path());
        QVERIFY2(p.err.contains(expected), qPrintable(p.err));
    }

    // damage found only when the records are read: the program reports it in the tool's words and
    // ends normally, also when its windows let go of the damaged table at the end
    void damageInsideCatTable()
    {
        QTemporaryDir dir;
        const QString home = freshHome(dir);
        QFile file(home + "/Daten/CATSTAMM.DB");
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 mitte = file.size() / 2;
        QVERIFY(file.seek(mitte));
        QByteArray bytes = file.read(64);
        for (char &c : bytes)
            c = char(~c);
        QVERIFY(file.seek(mitte));
        file.write(bytes);
        file.close();

        const Run r = cli({"--home", home, "export-csv", home + "/katzen.csv"}, config.path());
        QCOMPARE(r.code, 1);
        const QString words = r.err.trimmed().section('\n', -1);
        QVERIFY2(words.startsWith("Eintrag: 0, Fehlernummer: 12029,"), qPrintable(r.err));
        const Run p = program(home, config.path());
        QVERIFY2(p.code == 0, qPrintable(QString::number(p.code) + '\n' + p.err));
        QVERIFY2(p.err.contains(words) && !p.err.contains("terminate called"), qPrintable(p.err));
    }

    // an interrupted change in a folder the user cannot write is no damage: it is named, and it is
    // rolled back once the folder is writable
    void hotJournalInAReadOnlyFolder()
    {
        QTemporaryDir dir;
        const QString home = freshHome(dir);
        const QString data = home + "/Daten";
        {
            // the state a killed writer leaves: the file as it was and a journal that undoes nothing
            sqlite3 *db = nullptr;
            QCOMPARE(sqlite3_open((data + "/CATSTAMM.DB").toUtf8().constData(), &db), SQLITE_OK);
            sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN; UPDATE data SET Name = 'kaputt'", nullptr,
                         nullptr, nullptr);
            QVERIFY(QFile::exists(data + "/CATSTAMM.DB-journal"));
            QFile::copy(data + "/CATSTAMM.DB-journal", home + "/journal");
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(db);
            QVERIFY(QFile::rename(home + "/journal", data + "/CATSTAMM.DB-journal"));
        }
        QTemporaryDir open; // settings the unprivileged user may write
        QFile::setPermissions(dir.path(), QFile::Permissions(0x7755));
        QFile::setPermissions(open.path(), QFile::Permissions(0x7777));
        QFile::setPermissions(data, QFile::Permissions(0x5555));
        const QStringList nobody{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        const Run probe = run(nobody.first(), nobody.mid(1) + QStringList{TAV_CLI, "--help"}, open.path());
        if (probe.code != 0)
            QSKIP("the unprivileged user cannot run tavrenno-cli here (setpriv or the build folder refused)");
        const Run r =
            run(nobody.first(), nobody.mid(1) + QStringList{TAV_CLI, "--home", home, "coi", "--cat", "30"},
                open.path());
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(
                     "Datei: catstamm\nEintrag: 0, Fehlernummer: 10253,  Die Datei CATSTAMM.DB hat eine "
                     "unterbrochene Änderung.") &&
                     !r.err.contains("beschädigt"),
                 qPrintable(r.err));
        // the program cannot even lock such a folder, and says so
        const Run p = program(home, open.path(), nobody);
        QCOMPARE(p.code, 1);
        QVERIFY2(p.err.contains(catalogueGerman(9451)), qPrintable(p.err));

        QFile::setPermissions(data, QFile::Permissions(0x7755));
        QCOMPARE(cli({"--home", home, "coi", "--cat", "30"}, config.path()).code, 0);
        QVERIFY(!QFile::exists(data + "/CATSTAMM.DB-journal"));
        QCOMPARE(count(home, "kaputt"), 0);
        integrityGreen(home);
    }
};

QTEST_GUILESS_MAIN(TstRegisterLock)
#include "tst_registerlock.moc"
