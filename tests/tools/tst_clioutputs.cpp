#include "../common/CliRun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// Every output of tavrenno-cli keeps off the register, and a write that fails keeps the old file.
namespace {

// The command-line arguments with %D for the data folder and %O for a folder outside it.
using Aufruf = QStringList;

QByteArray inhalt(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// every file of the folder with a hash of its bytes
QMap<QString, QByteArray> stand(const QString &dir)
{
    QMap<QString, QByteArray> out;
    for (QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString p = it.next();
        out.insert(p, QCryptographicHash::hash(inhalt(p), QCryptographicHash::Sha1));
    }
    return out;
}

Run starte(const QStringList &args, qint64 dateigrenze = 0)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("TAVRENNO_HOME"));
    p.setProcessEnvironment(env);
    if (dateigrenze > 0)
        p.setChildProcessModifier([dateigrenze] {
            // a write beyond the limit then fails with EFBIG instead of ending the process
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit r{rlim_t(dateigrenze), rlim_t(dateigrenze)};
            setrlimit(RLIMIT_FSIZE, &r);
        });
    p.start(QStringLiteral(TAV_CLI), args);
    p.waitForFinished(180000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TstCliOutputs : public QObject
{
    Q_OBJECT
    QTemporaryDir m_tmp;
    QString m_home, m_daten, m_aussen;

    QStringList einsetzen(QStringList args) const
    {
        for (QString &a : args)
            a.replace(QLatin1String("%D"), m_daten).replace(QLatin1String("%O"), m_aussen);
        return QStringList{QStringLiteral("--home"), m_home} + args;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        m_home = m_tmp.filePath(QStringLiteral("home"));
        m_daten = m_home + QStringLiteral("/Daten");
        m_aussen = m_tmp.filePath(QStringLiteral("aussen"));
        QVERIFY(QDir().mkpath(m_aussen));
        const Run r = run(QStringLiteral(TAV_CLI), {"--home", m_home, "demo"});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        // a way into the data folder that does not show in the path, and another register's table
        QVERIFY(QFile::link(m_daten, m_aussen + QStringLiteral("/verweis")));
        QVERIFY(
            QFile::link(m_daten + QStringLiteral("/BILDER.DB"), m_aussen + QStringLiteral("/bilder.html")));
        QVERIFY(QFile::link(m_daten + QStringLiteral("/neu.pdf"), m_aussen + QStringLiteral("/offen.pdf")));
        QFile fremd(m_aussen + QStringLiteral("/CATSTAMM.DB"));
        QVERIFY(fremd.open(QIODevice::WriteOnly) && fremd.write("fremdes Register") > 0);
    }

    void refused_data()
    {
        QTest::addColumn<Aufruf>("args");
        QTest::addColumn<QString>("ziel"); // as named in the refusal
        QTest::newRow("csv onto the cat table") << Aufruf{"export-csv", "%D/CATSTAMM.DB"} << "%D/CATSTAMM.DB";
        QTest::newRow("csv onto a journal")
            << Aufruf{"export-csv", "%D/CATSTAMM.DB-journal"} << "%D/CATSTAMM.DB-journal";
        QTest::newRow("csv onto a held journal")
            << Aufruf{"export-csv", "%D/BILDER.DB-undo"} << "%D/BILDER.DB-undo";
        QTest::newRow("csv new in the data folder")
            << Aufruf{"export-csv", "%D/katzen.csv"} << "%D/katzen.csv";
        QTest::newRow("csv through ..")
            << Aufruf{"export-csv", "%O/../home/Daten/katzen.csv"} << "%O/../home/Daten/katzen.csv";
        QTest::newRow("csv through a folder link")
            << Aufruf{"export-csv", "%O/verweis/katzen.csv"} << "%O/verweis/katzen.csv";
        QTest::newRow("another register's table")
            << Aufruf{"export-csv", "%O/CATSTAMM.DB"} << "%O/CATSTAMM.DB";
        QTest::newRow("a table name in small letters")
            << Aufruf{"export-csv", "%O/katzen.db"} << "%O/katzen.db";
        QTest::newRow("pdf onto the trait table")
            << Aufruf{"print", "pedigree", "--cat", "9", "--pdf", "%D/KATZEMERKMAL.DB"}
            << "%D/KATZEMERKMAL.DB";
        QTest::newRow("html print through a file link")
            << Aufruf{"print", "pedigree", "--cat", "9", "--html", "%O/bilder.html"} << "%O/bilder.html";
        QTest::newRow("pdf through a link to a new file")
            << Aufruf{"print", "pedigree", "--cat", "9", "--pdf", "%O/offen.pdf"} << "%O/offen.pdf";
        QTest::newRow("html pedigree onto the picture table")
            << Aufruf{"html-pedigree", "--cat", "9", "--out", "%D/BILDER.DB"} << "%D/BILDER.DB";
        QTest::newRow("traits onto the lock file")
            << Aufruf{"register-traits", "--csv", "%D/tavrenno.lock"} << "%D/tavrenno.lock";
        QTest::newRow("matings onto the commit intent")
            << Aufruf{"plan-matings", "--dam", "2", "--csv", "%O/tavrenno-commit"} << "%O/tavrenno-commit";
        QTest::newRow("upload into the data folder") << Aufruf{"upload", "--dry-run", "%D"} << "%D";
    }
    void refused()
    {
        QFETCH(Aufruf, args);
        QFETCH(QString, ziel);
        ziel.replace(QLatin1String("%D"), m_daten).replace(QLatin1String("%O"), m_aussen);
        const auto vorher = stand(m_tmp.path());
        const Run r = starte(einsetzen(args));
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QDir::toNativeSeparators(ziel)), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(stand(m_tmp.path()), vorher);
    }

    // a disk that fills up half way: the old file stays, the command says it failed
    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<Aufruf>("args");
        QTest::newRow("export-csv") << Aufruf{"export-csv", "%O/alt"};
        QTest::newRow("print pdf") << Aufruf{"print", "pedigree", "--cat", "9", "--pdf", "%O/alt"};
        QTest::newRow("print html") << Aufruf{"print", "traits", "--html", "%O/alt"};
        QTest::newRow("html-pedigree") << Aufruf{"html-pedigree", "--cat", "9", "--out", "%O/alt"};
        QTest::newRow("register-traits") << Aufruf{"register-traits", "--csv", "%O/alt"};
        QTest::newRow("plan-matings") << Aufruf{"plan-matings", "--dam", "2", "--csv", "%O/alt"};
    }
    void failedWriteKeepsOldFile()
    {
        QFETCH(Aufruf, args);
        const QString alt = m_aussen + QStringLiteral("/alt");
        QFile f(alt);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write("bisher") == 6);
        f.close();
        // the whole output fits without the limit
        const Run ganz = starte(einsetzen(args));
        QVERIFY2(ganz.code == 0, qPrintable(ganz.err));
        QVERIFY(QFileInfo(alt).size() > 200);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write("bisher") == 6);
        f.close();
        const Run r = starte(einsetzen(args), 100);
        QVERIFY2(r.code != 0, qPrintable(r.out));
        QCOMPARE(inhalt(alt), QByteArray("bisher"));
        QCOMPARE(QDir(m_aussen).entryList({"alt*"}, QDir::Files), QStringList{"alt"});
    }
};

QTEST_GUILESS_MAIN(TstCliOutputs)
#include "tst_clioutputs.moc"
