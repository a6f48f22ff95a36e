#include "maintenance/Datensicherung.h"
#include "store/Database.h"
#include "store/Table.h"

#include "../common/CliRun.h"
#include "Ordnerinhalt.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using namespace tav::maintenance;

namespace {

void kopiereOrdner(const QString &von, const QString &nach)
{
    QDir().mkpath(nach);
    for (const QString &name : sicherungsDateien(von))
        QFile::copy(QDir(von).filePath(name), QDir(nach).filePath(name));
}

} // namespace

// A restore killed at any moment leaves the previous data or the whole backup, and the next start
// clears what the killed run left beside the data folder.
class TestRuecksicherungAbbruch : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void killedRestore()
    {
        QTemporaryDir tmp;
        const QString demo = tmp.filePath("demo"), sicherung = tmp.filePath("sicherung");
        QCOMPARE(run(TAV_CLI, {"--home", demo, "demo"}).code, 0);
        QCOMPARE(run(TAV_CLI, {"--home", demo, "backup", sicherung}).code, 0);
        {
            tav::store::Database db(demo + "/Daten");
            tav::store::Table t(&db, "CATSTAMM.DB");
            t.open();
            t.first();
            t.remove();
        }
        const auto vorher = inhalt(demo + "/Daten"), gesichert = inhalt(sicherung);
        const auto katzen = [](const QString &ordner) {
            tav::store::Database db(ordner);
            tav::store::Table t(&db, "CATSTAMM.DB");
            t.open();
            return t.recordCount();
        };
        const int katzenVorher = katzen(demo + "/Daten");
        QVERIFY(vorher != gesichert);

        const auto restore = [&](const QString &home, QProcess &p) {
            kopiereOrdner(demo + "/Daten", home + "/Daten");
            p.start(TAV_CLI, {"--home", home, "restore", sicherung, "--yes"});
            QVERIFY(p.waitForStarted());
        };
        QElapsedTimer uhr;
        uhr.start();
        {
            QProcess p;
            restore(tmp.filePath("ganz"), p);
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 0);
        }
        const qint64 dauer = uhr.elapsed();

        int alt = 0, neu = 0;
        for (int i = 0; i < 12; ++i) {
            const QString home = tmp.filePath(QStringLiteral("lauf%1").arg(i));
            QProcess p;
            restore(home, p);
            QThread::msleep(QRandomGenerator::global()->bounded(dauer));
            p.kill();
            p.waitForFinished(10000);
            // the next start
            run(TAV_CLI, {"--home", home, "coi", "--cat", "1"});
            const auto jetzt = inhalt(home + "/Daten");
            QVERIFY2(jetzt == vorher || jetzt == gesichert, qPrintable(home));
            (jetzt == vorher ? alt : neu)++;
            const QStringList neben = QDir(home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
            QVERIFY2(neben == QStringList{"Daten"} || neben == QStringList({"Daten", "Datensik"}),
                     qPrintable(neben.join(' ')));
            QCOMPARE(katzen(home + "/Daten"), jetzt == vorher ? katzenVorher : katzenVorher + 1);
        }
        qInfo("previous data %d times, backup %d times", alt, neu);
    }
};

QTEST_GUILESS_MAIN(TestRuecksicherungAbbruch)
#include "tst_ruecksicherungabbruch.moc"
