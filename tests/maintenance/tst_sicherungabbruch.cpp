#include "maintenance/Datensicherung.h"
#include "maintenance/Sicherungsmanifest.h"

#include "../common/CliRun.h"
#include "Ordnerinhalt.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace tav::maintenance;

// A backup killed at any moment or stopped by a full disk is refused by the restore, which then
// leaves the register byte for byte as it was; a backup that ran to its end is restored.
class TestSicherungAbbruch : public QObject
{
    Q_OBJECT
    QTemporaryDir m_tmp;
    QString m_home, m_daten;
    QMap<QString, QByteArray> m_vorher;

    // the restore of `sicherung`; true when it swapped it in
    bool zurueckgespielt(const QString &sicherung)
    {
        const Run r = run(TAV_CLI, {"--home", m_home, "restore", sicherung, "--yes"});
        [&] {
            QCOMPARE(inhalt(m_daten), m_vorher);
            QVERIFY2(r.code == 0 || r.err.contains("unverändert"), qPrintable(r.err));
        }();
        return r.code == 0;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        m_home = m_tmp.filePath("home");
        m_daten = m_home + "/Daten";
        QCOMPARE(run(TAV_CLI, {"--home", m_home, "demo"}).code, 0);
        m_vorher = inhalt(m_daten);
    }

    void killedBackup()
    {
        QElapsedTimer uhr;
        uhr.start();
        QCOMPARE(run(TAV_CLI, {"--home", m_home, "backup", m_tmp.filePath("ganz")}).code, 0);
        const qint64 dauer = uhr.elapsed();
        QVERIFY(zurueckgespielt(m_tmp.filePath("ganz")));

        int ganz = 0, halb = 0;
        for (int i = 0; i < 10; ++i) {
            const QString ziel = m_tmp.filePath(QStringLiteral("lauf%1").arg(i));
            QProcess p;
            p.start(TAV_CLI, {"--home", m_home, "backup", ziel});
            QVERIFY(p.waitForStarted());
            QThread::msleep(QRandomGenerator::global()->bounded(dauer));
            p.kill();
            p.waitForFinished(10000);
            if (!QFileInfo::exists(ziel))
                continue;
            // killed after the last table but before the manifest, it is whole by the rule for
            // backups without one
            const bool fertig = QFileInfo::exists(ziel + "/" + manifestName);
            const bool zurueck = zurueckgespielt(ziel);
            QVERIFY(zurueck || !fertig);
            if (zurueck)
                QCOMPARE(inhalt(ziel), m_vorher);
            (zurueck ? ganz : halb)++;
        }
        qInfo("killed backups: %d whole, %d cut short", ganz, halb);
    }

    // Files above the size limit cannot be written, as on a full disk; what fits is copied.
    void backupIntoFullDisk()
    {
        const QString ziel = m_tmp.filePath("voll");
        QProcess p;
        p.setChildProcessModifier([] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit grenze{100000, 100000};
            ::setrlimit(RLIMIT_FSIZE, &grenze);
        });
        p.start(TAV_CLI, {"--home", m_home, "backup", ziel});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("CATSTAMM.DB"));
        const auto kopiert = inhalt(ziel);
        QVERIFY(!kopiert.isEmpty() && !kopiert.contains("CATSTAMM.DB"));
        for (auto it = kopiert.begin(); it != kopiert.end(); ++it)
            QCOMPARE(it.value(), m_vorher.value(it.key()));
        QVERIFY(!QFileInfo::exists(ziel + "/" + manifestName));
        QVERIFY(!zurueckgespielt(ziel));
    }
};

QTEST_GUILESS_MAIN(TestSicherungAbbruch)
#include "tst_sicherungabbruch.moc"
