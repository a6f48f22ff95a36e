// Messages on hostile data say what is wrong: the reason of a failed copy, a leftover in the way of
// a restore, a data folder that cannot be read, a register held by a writer past the time-out, a
// damaged table under an HTML page, a cat table that may not be written.
#include "../common/CatalogueText.h"
#include "../common/CliRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

namespace {
const QStringList nobody{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};

// the program on a home, ending right after its start; `as` runs it through setpriv
Run program(const QString &home, const QString &config, const QStringList &as = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("TAVRENNO_HOME");
    env.insert("TAVRENNO_CONFIG", config);
    env.insert("TAVRENNO_QUIT_AFTER_START", "1");
    p.setProcessEnvironment(env);
    const QStringList args{TAV_PROGRAM, "--home", home};
    p.start(as.isEmpty() ? args.first() : as.first(), as.isEmpty() ? args.mid(1) : as.mid(1) + args);
    p.waitForFinished(180000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

void chmod(const QString &path, int mode)
{
    QVERIFY(QFile::setPermissions(path, QFile::Permissions(mode)));
}
} // namespace

class TstCliMeldungen : public QObject
{
    Q_OBJECT

    QTemporaryDir base, open; // a demo register, copied for each case; settings anyone may write

    Run cli(const QStringList &args, const QStringList &as = {})
    {
        const QStringList all = QStringList{TAV_CLI} + args;
        return as.isEmpty() ? run(TAV_CLI, args, open.path()) : run(as.first(), as.mid(1) + all, open.path());
    }
    QString freshHome(QTemporaryDir &dir)
    {
        QProcess cp;
        cp.start("cp", {"-a", base.path() + "/.", dir.path()});
        cp.waitForFinished();
        return dir.path();
    }
    // a home the unprivileged user may enter; skipped where that user cannot run the tools
    QString nobodyHome(QTemporaryDir &dir)
    {
        const QString home = freshHome(dir);
        QFile::setPermissions(home, QFile::Permissions(0x7755));
        if (cli({"--help"}, nobody).code != 0)
            return QString();
        return home;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QFile::setPermissions(open.path(), QFile::Permissions(0x7777));
        QCOMPARE(run(TAV_CLI, {"--home", base.path(), "demo"}, open.path()).code, 0);
    }

    void backupNamesTheReason_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << "full"
                                   << "(Datenträger voll)";
        QTest::newRow("no permission") << "permission"
                                       << "(keine Berechtigung)";
    }
    void backupNamesTheReason()
    {
        QFETCH(QString, cause);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        Run r;
        if (cause == "full") {
            const QString home = freshHome(dir);
            QDir().mkpath(home + "/klein");
            // a small file system of its own, in a namespace of this run only
            const QString script =
                "mount -t tmpfs -o size=96k none \"$1\" || exit 77; exec \"$2\" --home \"$3\" "
                "backup \"$1/ziel\"";
            r = run("unshare", {"-rm", "sh", "-c", script, "sh", home + "/klein", TAV_CLI, home},
                    open.path());
            if (r.code == 77)
                QSKIP("no tmpfs can be mounted here");
        } else {
            const QString home = nobodyHome(dir);
            if (home.isEmpty())
                QSKIP("the unprivileged user cannot run tavrenno-cli here");
            chmod(home + "/Daten", 0x7777);
            QDir().mkpath(home + "/ziel");
            chmod(home + "/ziel", 0x5555);
            r = cli({"--home", home, "backup", home + "/ziel"}, nobody);
        }
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QRegularExpression("Fehler beim Kopieren der Datei: \\S+ " +
                                                   QRegularExpression::escape(reason))),
                 qPrintable(r.err));
    }

    // what is left where the restore needs its own folder or journal is named, and nothing changes
    void restoreNamesALeftover_data()
    {
        QTest::addColumn<QString>("leftover");
        QTest::addColumn<bool>("folder");
        QTest::newRow("a file Daten.rueck") << "Daten.rueck" << false;
        QTest::newRow("a folder Daten.tausch") << "Daten.tausch" << true;
    }
    void restoreNamesALeftover()
    {
        QFETCH(QString, leftover);
        QFETCH(bool, folder);
        QTemporaryDir dir;
        const QString home = freshHome(dir);
        QCOMPARE(cli({"--home", home, "backup", home + "/sich"}).code, 0);
        const QString path = home + "/" + leftover;
        if (folder)
            QVERIFY(QDir().mkpath(path + "/drin"));
        else
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        const Run r = cli({"--home", home, "restore", home + "/sich", "--yes"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("stehen im Weg") && r.err.contains(path) && !r.err.contains("belegt") &&
                     !r.err.contains("Sicherheitsordner"),
                 qPrintable(r.err));
        QCOMPARE(QFileInfo(path).isDir(), folder);
    }

    // a data folder the user may not read is called unreadable, by the tool and the program
    void unreadableDataFolder()
    {
        QTemporaryDir dir;
        const QString home = nobodyHome(dir);
        if (home.isEmpty())
            QSKIP("the unprivileged user cannot run tavrenno-cli here");
        chmod(home + "/Daten", 0x7700);
        QFile csv(home + "/f.csv");
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Name;Geschlecht;Vater;Mutter;GebDatum;Rasse\nA;1;;;;\n");
        csv.close();
        const Run r = cli({"--home", home, "import-pedigree", home + "/f.csv"}, nobody);
        QCOMPARE(r.code, 1);
        const QString words = "Der Datenordner " + home + "/Daten kann nicht gelesen werden";
        QVERIFY2(r.err.contains(words) && !r.err.contains("init"), qPrintable(r.err));
        const Run p = program(home, open.path(), nobody);
        QCOMPARE(p.code, 1);
        QVERIFY2(p.err.contains(words) && !p.err.contains("Update"), qPrintable(p.err));
    }

    // the program names a cat table it may not write before anything else fails on it
    void readOnlyCatTableAtStart()
    {
        QTemporaryDir dir;
        const QString home = nobodyHome(dir);
        if (home.isEmpty())
            QSKIP("the unprivileged user cannot run the program here");
        chmod(home + "/Daten", 0x7777);
        chmod(home + "/Daten/CATSTAMM.DB", 0x4444);
        const Run p = program(home, open.path(), nobody);
        QCOMPARE(p.code, 1);
        QVERIFY2(p.err.contains("Die Datei CATSTAMM.DB ist schreibgeschützt"), qPrintable(p.err));
    }

    // a reader that waited the whole time-out for a writer gets the catalogue's words
    void readerBlockedByAWriter()
    {
        QTemporaryDir dir;
        const QString home = freshHome(dir);
        sqlite3 *db = nullptr;
        QCOMPARE(sqlite3_open((home + "/Daten/CATSTAMM.DB").toUtf8().constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        const Run r = cli({"--home", home, "coi", "--cat", "30"});
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        QCOMPARE(r.code, 1);
        // neither the engine's words nor a table called damaged
        QVERIFY2(r.err.contains(catalogueGerman(9477)) && !r.err.contains("locked") &&
                     !r.err.contains("Fehlernummer") && !r.err.contains("beschädigt"),
                 qPrintable(r.err));
    }

    // the colours of the page come from a table the page would otherwise silently lack
    void htmlPedigreeOnARegisterError()
    {
        QTemporaryDir dir;
        const QString home = freshHome(dir);
        QFile farbe(home + "/Daten/FARBE.DB");
        QVERIFY(farbe.open(QIODevice::WriteOnly | QIODevice::Truncate));
        farbe.write(QByteArray(8192, 'x'));
        farbe.close();
        const Run r = cli({"--home", home, "html-pedigree", "--cat", "30", "--out", home + "/s.htm"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("FARBE.DB"), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TstCliMeldungen)
#include "tst_climeldungen.moc"
