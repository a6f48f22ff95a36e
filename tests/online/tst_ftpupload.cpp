// The picture transfer against a real FTP server on 127.0.0.1.
#include "../common/FtpPeer.h"
#include "online/FtpUpload.h"
#include "store/Database.h"
#include "store/Query.h"

#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using namespace tav::online;

namespace {

const QString kUser = QStringLiteral("zucht");
const QString kPasswort = QStringLiteral("Pw-%1-#x").arg(QRandomGenerator::global()->generate());
QStringList g_meldungen; // every Qt message of the run

struct Lauf {
    QTemporaryDir tmp;
    FtpPeer peer;
    QString bilder() const { return tmp.filePath(QStringLiteral("bilder")); }
    QString server() const { return tmp.filePath(QStringLiteral("server")); }
    QString daten() const { return tmp.filePath(QStringLiteral("Daten")); }
    QString zielOrdner = QStringLiteral("idK1/bilder");
    QString ziel() const { return server() + QLatin1Char('/') + zielOrdner; }

    QString start(FtpPeer::Options o = {})
    {
        QDir().mkpath(bilder());
        QDir().mkpath(ziel());
        QDir().mkpath(daten());
        return peer.start(server(), kUser, kPasswort, o);
    }
    QString bild(const QString &name, int groesse)
    {
        QFile f(bilder() + QLatin1Char('/') + name);
        f.open(QIODevice::WriteOnly);
        f.write(FtpPeer::randomBytes(groesse));
        return f.fileName();
    }
    TFtpConfig config(const QString &ziel = QStringLiteral("idK1/bilder")) const
    {
        return {QStringLiteral("127.0.0.1"), peer.port, kUser, kPasswort, true, false, ziel, {}};
    }
    QStringList angekommen() const { return QDir(ziel()).entryList(QDir::Files, QDir::Name); }
    QStringList protokoll() const
    {
        tav::store::Database db(daten());
        if (!db.tableExists(QStringLiteral("BilderUpload.db")))
            return {};
        tav::store::Query q(&db);
        q.setSql(QStringLiteral("SELECT Name FROM \"BilderUpload.db\" ORDER BY Name"));
        q.open();
        QStringList namen;
        for (; !q.eof(); q.next())
            namen << q.value(0).toString();
        return namen;
    }
    bool gleich(const QString &name) const
    {
        QFile a(bilder() + QLatin1Char('/') + name), b(ziel() + QLatin1Char('/') + name);
        return a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && a.readAll() == b.readAll();
    }
};

// Whether a running process holds the password on its command line.
bool passwortInBefehlszeile()
{
    const QByteArray pw = kPasswort.toUtf8();
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile f(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (f.open(QIODevice::ReadOnly) && f.readAll().contains(pw))
            return true;
    }
    return false;
}

// Polls a started run to its end as a window would; `beiDatei` sees each new count.
TFtpAction abwarten(TFtpUpload &up, const std::function<void(int)> &beiDatei = {})
{
    int gesehen = -1;
    QElapsedTimer uhr;
    uhr.start();
    while (!up.isSuspended() && uhr.elapsed() < 120000) {
        if (up.IFileCnt() != gesehen && beiDatei)
            beiDatei(gesehen = up.IFileCnt());
        QThread::msleep(5);
    }
    return up.IState();
}

} // namespace

class TstFtpUpload : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase()
    {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &m) {
            g_meldungen << m;
            fprintf(stderr, "%s\n", qPrintable(m));
        });
    }

    // Configured by the settings and the password file: two pictures, one with blanks, an umlaut
    // and "#", arrive byte for byte in an absolute target folder; a path whose file vanished is
    // skipped and not counted; one log row per picture.
    void runSendsPicturesAndLogsEach()
    {
        Lauf l;
        l.zielOrdner = QStringLiteral("kunden/idK1/bilder");
        const QString fehler = l.start();
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        const QString weg = l.bild(QStringLiteral("weg.jpg"), 10);
        OnlineKonfig k;
        k.ftpHost = QStringLiteral(" 127.0.0.1");
        k.ftpPort = l.peer.port;
        k.ftpUser = kUser;
        k.ftpBaseDir = QStringLiteral("/kunden");
        QVERIFY(ftpPasswortSchreiben(l.tmp.path(), kPasswort));
        const TFtpConfig c = ftpKonfigLaden(k, l.tmp.path(), QStringLiteral("K1"));
        QCOMPARE(c.TargetPath, QStringLiteral("/kunden/idK1/bilder"));
        TFtpUpload up(l.daten());
        up.LoadConfig(c);
        QVERIFY(!up.StartUpload()); // nothing listed: no run
        QVERIFY(up.isSuspended());
        up.AddFileToListe(l.bild(QStringLiteral("Mia.jpg"), 70000));
        up.AddFileToListe(weg);
        up.AddFileToListe(l.bild(QStringLiteral("Kater Ölf #2.jpg"), 1234));
        QCOMPARE(up.datei_anzahl(), 3);
        QFile::remove(weg);
        QVERIFY(up.isSuspended());
        QCOMPARE(up.IState(), ftpREADY);
        QVERIFY(up.StartUpload());
        QVERIFY(!up.StartUpload()); // one run at a time
        bool imBefehl = false;
        QCOMPARE(abwarten(up, [&](int) { imBefehl |= passwortInBefehlszeile(); }), ftpREADY);
        QVERIFY(!imBefehl);
        QCOMPARE(up.IFileCnt(), 2);
        QCOMPARE(up.datei_anzahl(), 0);
        const QStringList namen{QStringLiteral("Kater Ölf #2.jpg"), QStringLiteral("Mia.jpg")};
        QCOMPARE(l.angekommen(), namen);
        QVERIFY(l.gleich(namen[0]) && l.gleich(namen[1]));
        QCOMPARE(l.protokoll(), namen);
    }

    void failureKeepsTheStateOfItsStep_data()
    {
        QTest::addColumn<QString>("passwort");
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<int>("abbruchNach");
        QTest::addColumn<int>("zustand");
        QTest::addColumn<QStringList>("geloggt");
        const QStringList keins, klein{QStringLiteral("a-klein.jpg")};
        QTest::newRow("wrong password") << "falsch"
                                        << "idK1/bilder" << 0 << int(ftpCONNECTING) << keins;
        QTest::newRow("no server") << QString() << "idK1/bilder" << -1 << int(ftpCONNECTING) << keins;
        QTest::newRow("missing folder") << QString() << "idK2/bilder" << 0 << int(ftpCHANGEDIR) << keins;
        QTest::newRow("connection dropped")
            << QString() << "idK1/bilder" << 50000 << int(ftpUPLOADING) << klein;
    }
    // A failure leaves the state of the step that failed; pictures sent before it stay logged, the
    // one cut off is not.
    void failureKeepsTheStateOfItsStep()
    {
        QFETCH(QString, passwort);
        QFETCH(QString, ziel);
        QFETCH(int, abbruchNach);
        QFETCH(int, zustand);
        QFETCH(QStringList, geloggt);
        Lauf l;
        const QString fehler = l.start({0, qMax(0, abbruchNach), {}});
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        TFtpConfig c = l.config(ziel);
        if (!passwort.isEmpty())
            c.Password = passwort;
        if (abbruchNach < 0) {
            l.peer.process.closeWriteChannel();
            QVERIFY(l.peer.process.waitForFinished(5000));
        }
        const QStringList pfade{l.bild(QStringLiteral("a-klein.jpg"), 1000),
                                l.bild(QStringLiteral("b-gross.jpg"), 400000)};
        QCOMPARE(int(bilderSenden(c, pfade, l.daten())), zustand);
        QCOMPARE(l.protokoll(), geloggt);
    }

    // Cancelled while the second of five files goes slowly: that file is finished, no further one
    // is started, and the log holds exactly the files that arrived.
    void cancelFinishesTheFileInProgress()
    {
        Lauf l;
        const QString fehler = l.start({40000, 0, {}});
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        TFtpUpload up(l.daten());
        up.LoadConfig(l.config());
        for (int i = 1; i <= 5; ++i)
            up.AddFileToListe(l.bild(QStringLiteral("k%1.jpg").arg(i), 60000));
        QVERIFY(up.StartUpload());
        bool imBefehl = false;
        const TFtpAction ende = abwarten(up, [&](int n) {
            imBefehl |= passwortInBefehlszeile();
            if (n == 2)
                up.Terminate();
        });
        QCOMPARE(ende, ftpBREAK);
        QVERIFY(!imBefehl);
        QCOMPARE(up.IFileCnt(), 2);
        QCOMPARE(l.angekommen(), QStringList({QStringLiteral("k1.jpg"), QStringLiteral("k2.jpg")}));
        QVERIFY(l.gleich(QStringLiteral("k2.jpg")));
        QCOMPARE(l.protokoll(), l.angekommen());
        QCOMPARE(up.datei_anzahl(), 5); // only a completed run empties the list
    }

    // TLS asked for and refused by the server: neither the password nor a picture goes out in
    // clear, and the run says why.
    void refusedTlsSendsNothing()
    {
        Lauf l;
        const QString befehle = l.tmp.filePath(QStringLiteral("befehle"));
        const QString fehler = l.start({0, 0, befehle});
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        TFtpConfig c = l.config();
        c.Tls = true;
        QCOMPARE(bilderSenden(c, {l.bild(QStringLiteral("a.jpg"), 100)}, l.daten()), ftpNOTLS);
        QFile f(befehle);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray gesehen = f.readAll();
        QVERIFY2(gesehen.contains("AUTH") && !gesehen.contains("PASS"), gesehen.constData());
        QVERIFY(l.angekommen().isEmpty());
    }

    // A name the transfer refuses (a line break) is reported; the pictures around it still go.
    void refusedNameLeavesTheOthers()
    {
        Lauf l;
        const QString fehler = l.start();
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        const QString krumm = l.bild(QStringLiteral("zeile\r\nbruch.jpg"), 100);
        QStringList abgelehnt;
        QCOMPARE(
            bilderSenden(l.config(),
                         {l.bild(QStringLiteral("a.jpg"), 100), krumm, l.bild(QStringLiteral("b.jpg"), 100)},
                         l.daten(), {}, &abgelehnt),
            ftpREADY);
        QCOMPARE(abgelehnt, QStringList{krumm});
        QCOMPARE(l.angekommen(), QStringList({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}));
        QCOMPARE(l.protokoll(), l.angekommen());
    }

    void passwordInNoMessage()
    {
        for (const QString &m : std::as_const(g_meldungen))
            QVERIFY2(!m.contains(kPasswort), qPrintable(m));
    }
};

QTEST_GUILESS_MAIN(TstFtpUpload)
#include "tst_ftpupload.moc"
