// The online settings, the password file and the picture log.
#include "app/IniFile.h"
#include "online/BilderLog.h"
#include "online/OnlineKonfig.h"
#include "store/Database.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using namespace tav::online;

class TstOnlineKonfig : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void settingsRoundTripAndMissingKeys()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Tavrenno.ini"));
        OnlineKonfig leer = onlineKonfigLesen(tav::app::IniFile(ini));
        QCOMPARE(
            leer.fehlendeSchluessel(true),
            QStringList({QStringLiteral("UploadUrl"), QStringLiteral("FtpHost"), QStringLiteral("FtpUser")}));
        QCOMPARE(leer.ftpPort, 21);
        QVERIFY(leer.ftpPassive);

        OnlineKonfig k;
        k.uploadUrl = QStringLiteral("http://127.0.0.1:8080/up");
        k.ftpHost = QStringLiteral("127.0.0.1");
        k.ftpPort = 2121;
        k.ftpUser = QStringLiteral("zucht");
        k.ftpPassive = false;
        k.ftpTls = true;
        k.ftpBaseDir = QStringLiteral("/kunden/");
        QVERIFY(onlineKonfigSchreiben(ini, k));
        const OnlineKonfig g = onlineKonfigLesen(tav::app::IniFile(ini));
        QCOMPARE(g.uploadUrl, k.uploadUrl);
        QCOMPARE(g.ftpPort, 2121);
        QCOMPARE(g.ftpPassive, false);
        QCOMPARE(g.ftpTls, true);
        QVERIFY(g.fehlendeSchluessel(true).isEmpty());
        QCOMPARE(bilderZielordner(g, QStringLiteral("K-7")), QStringLiteral("/kunden/idK-7/bilder"));
        QCOMPARE(bilderZielordner(leer, QStringLiteral("K-7")), QStringLiteral("idK-7/bilder"));

        // time limits: defaults when missing, and a value of 0 or less (no limit at all) is refused
        QCOMPARE(leer.zeit.verbinden, 15);
        QCOMPARE(leer.zeit.gesamt, 600);
        QVERIFY(tav::app::IniFile::write(
            ini, {{QStringLiteral("Online"), QStringLiteral("Timeout"), QStringLiteral("0")},
                  {QStringLiteral("Online"), QStringLiteral("LowSpeedTime"), QStringLiteral("5")}}));
        const OnlineKonfig z = onlineKonfigLesen(tav::app::IniFile(ini));
        QCOMPARE(z.zeit.gesamt, 600);
        QCOMPARE(z.zeit.langsamSekunden, 5);
    }

    void passwordFileIsPrivate()
    {
        QTemporaryDir dir;
        QVERIFY(ftpPasswortLesen(dir.path()).isEmpty());
        // an older file readable by others is tightened when it is rewritten
        QFile alt(ftpPasswortDatei(dir.path()));
        QVERIFY(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
        alt.close();
        QVERIFY(
            alt.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
        QVERIFY(ftpPasswortSchreiben(dir.path(), QStringLiteral("gEh€im;1")));
        QCOMPARE(ftpPasswortLesen(dir.path()), QStringLiteral("gEh€im;1"));
        struct stat st {
        };
        QCOMPARE(::stat(QFile::encodeName(ftpPasswortDatei(dir.path())).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0600u);
    }

    void passwordFileReadableByOthersIsRefused_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<bool>("benutzt");
        QTest::newRow("0600") << 0600 << true;
        QTest::newRow("0400") << 0400 << true;
        QTest::newRow("0640") << 0640 << false;
        QTest::newRow("0644") << 0644 << false;
        QTest::newRow("0666") << 0666 << false;
        QTest::newRow("0602") << 0602 << false;
    }
    // a password others could read is not used, and the check names the message that says how to
    // protect the file
    void passwordFileReadableByOthersIsRefused()
    {
        QFETCH(int, modus);
        QFETCH(bool, benutzt);
        QTemporaryDir dir;
        QCOMPARE(ftpPasswortPruefen(dir.path()), 0); // no file: nothing to refuse
        QFile f(ftpPasswortDatei(dir.path()));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("geheim\n");
        f.close();
        QCOMPARE(::chmod(QFile::encodeName(f.fileName()).constData(), mode_t(modus)), 0);
        QCOMPARE(ftpPasswortLesen(dir.path()), benutzt ? QStringLiteral("geheim") : QString());
        QCOMPARE(ftpPasswortPruefen(dir.path()), benutzt ? 0 : 7304);
    }

    void pictureLogKnowsSizeAndTime()
    {
        QTemporaryDir dir;
        tav::store::Database db(dir.path());
        const QString pfad = dir.filePath(QStringLiteral("Mia.jpg"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("jpeg");
        f.close();
        const BildDatei bild = bildDateiLesen(pfad);
        QCOMPARE(bild.groesse, 4);
        QVERIFY(!bildBereitsGesendet(db, bild)); // no log yet
        bildProtokollieren(db, bild);
        QVERIFY(bildBereitsGesendet(db, bildDateiLesen(pfad)));

        BildDatei geaendert = bild;
        geaendert.groesse = 5;
        QVERIFY(!bildBereitsGesendet(db, geaendert));
        geaendert = bild;
        geaendert.geaendert = bild.geaendert.addSecs(60);
        QVERIFY(!bildBereitsGesendet(db, geaendert));
        QVERIFY(!bildDateiLesen(dir.filePath(QStringLiteral("fehlt.jpg"))).gueltig());
    }
};

QTEST_GUILESS_MAIN(TstOnlineKonfig)
#include "tst_onlinekonfig.moc"
