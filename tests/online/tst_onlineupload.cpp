// The online upload: picture choice, escaping, the passes against the dry run, the HTTP transfer
// to a local receiver, the final messages, the CSV export read by an independent CSV reader.
#include "../common/CliRun.h"
#include "../common/FtpPeer.h"
#include "../common/HttpEmpfaenger.h"
#include "../common/TableRows.h"
#include "app/Anwenderdaten.h"
#include "app/CsvZelle.h"
#include "online/BilderLog.h"
#include "online/FtpUpload.h"
#include "online/OnlineUpload.h"
#include "store/Query.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::online;

namespace {
QVector<int> nummern(const QVector<Meldung> &m)
{
    QVector<int> n;
    for (const Meldung &x : m)
        n << x.nummer;
    return n;
}
} // namespace

class TstOnlineUpload : public QObject
{
    Q_OBJECT
    QTemporaryDir home, config;
    std::unique_ptr<tav::store::Database> db;

    QString daten() const { return home.filePath(QStringLiteral("Daten")); }
    void sql(const QString &s, const QVariantList &werte = {})
    {
        tav::store::Query q(db.get(), s);
        for (const QVariant &v : werte)
            q.addBindValue(v);
        q.exec();
    }
    UploadDienste senderAn(const HttpEmpfaenger &e)
    {
        UploadDienste d;
        d.senden = [url = e.url()](const QString &datei, QString *f) { return dateiSenden(url, datei, f); };
        return d;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        qputenv("TAVRENNO_CONFIG", config.path().toUtf8());
        QCOMPARE(run(TAV_CLI, {"--home", home.path(), "demo"}).code, 0);
        QCOMPARE(run(TAV_CLI, {"--home", home.path(), "own-data", "--name", "Muster", "--first-name", "Eva",
                               "--customer-number", "K-12"})
                     .code,
                 0);
        db = std::make_unique<tav::store::Database>(daten());
        // values that break a naive semicolon file or spreadsheet
        sql(QStringLiteral("UPDATE \"CATSTAMM.DB\" SET Name = ?, Bemerkung = ? WHERE LaufendeNummer = 1"),
            {QStringLiteral("Jörg; \"der Große\""), QStringLiteral("erste Zeile\r\nzweite Zeile")});
    }

    void bildWahl_data()
    {
        QTest::addColumn<QString>("geeignet"); // one letter per picture: j eligible, n not
        QTest::addColumn<int>("feld2");
        QTest::addColumn<int>("wahl"); // -1: none
        QTest::newRow("first without preference") << "jjj" << 0 << 0;
        QTest::newRow("first eligible one") << "njj" << 0 << 1;
        QTest::newRow("preferred replaces the first") << "jnj" << 3 << 2;
        QTest::newRow("preferred too big: the first") << "jjn" << 3 << 0;
        QTest::newRow("none eligible") << "nn" << 1 << -1;
        QTest::newRow("no pictures") << "" << 1 << -1;
    }
    void bildWahl()
    {
        QFETCH(QString, geeignet);
        QFETCH(int, feld2);
        QFETCH(int, wahl);
        QStringList pfade;
        for (int i = 0; i < geeignet.size(); ++i)
            pfade << QStringLiteral("/b/%1%2.jpg").arg(geeignet[i]).arg(i);
        const BildWahl b = bildWaehlen(
            pfade, feld2, [](const QString &p) { return QFileInfo(p).fileName().startsWith('j'); });
        QCOMPARE(b.pfad, wahl < 0 ? QString() : pfade[wahl]);
    }

    // size limit, type and the log decide in upload mode; any existing file does for the CSV
    void bildEignung()
    {
        QTemporaryDir d;
        const QString klein = d.filePath("klein.jpg"), gross = d.filePath("gross.JPG"),
                      png = d.filePath("b.png");
        QFile(klein).open(QIODevice::WriteOnly);
        QFile g(gross);
        g.open(QIODevice::WriteOnly);
        g.write(QByteArray(1000001, 'x'));
        g.close();
        QFile(png).open(QIODevice::WriteOnly);
        QVERIFY(bildGeeignet(*db, klein, Modus::Upload));
        QVERIFY(!bildGeeignet(*db, gross, Modus::Upload));
        QVERIFY(!bildGeeignet(*db, png, Modus::Upload));
        QVERIFY(bildGeeignet(*db, png, Modus::Csv));
        QVERIFY(!bildGeeignet(*db, d.filePath("fehlt.jpg"), Modus::Csv));
        bildProtokollieren(*db, bildDateiLesen(klein));
        QVERIFY(!bildGeeignet(*db, klein, Modus::Upload));
        QVERIFY(bildGeeignet(*db, klein, Modus::Csv));
        sql(QStringLiteral("DELETE FROM \"BilderUpload.db\""));
    }

    void felder_data()
    {
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QString>("semikolon");
        QTest::addColumn<QString>("csv");
        QTest::newRow("plain") << "Jörg"
                               << "Jörg"
                               << "Jörg";
        QTest::newRow("separator") << "a;b"
                                   << "\"a;b\""
                                   << "\"a;b\"";
        QTest::newRow("quote") << "x\"y"
                               << "\"x\"\"y\""
                               << "\"x\"\"y\"";
        QTest::newRow("line break") << "a\r\nb\nc"
                                    << "a b c"
                                    << "\"a\r\nb\nc\"";
        // a spreadsheet would run these; a plain number stays a number
        QTest::newRow("formula") << "=1+1"
                                 << "'=1+1"
                                 << "'=1+1";
        QTest::newRow("formula with separator") << "@SUM(1;2)"
                                                << "\"'@SUM(1;2)\""
                                                << "\"'@SUM(1;2)\"";
        QTest::newRow("tab first") << "\t+x"
                                   << "'\t+x"
                                   << "'\t+x";
        QTest::newRow("carriage return first") << "\r=1"
                                               << " =1"
                                               << "\"'\r=1\"";
        QTest::newRow("negative number") << "-2,5"
                                         << "-2,5"
                                         << "-2,5";
        QTest::newRow("minus before words") << "-2+3+cmd|' /C calc'!A0"
                                            << "'-2+3+cmd|' /C calc'!A0"
                                            << "'-2+3+cmd|' /C calc'!A0";
    }
    void felder()
    {
        QFETCH(QString, wert);
        QFETCH(QString, semikolon);
        QFETCH(QString, csv);
        QCOMPARE(upFeld(wert), semikolon);
        QCOMPARE(tav::app::csvZelle(wert), csv);
    }

    // the files the receiver gets are the dry run's; the cat file keeps one line per cat
    void uploadGleichTrockenlauf()
    {
        QTemporaryDir probe, ordner;
        const Run r =
            run(TAV_CLI, {"--home", home.path(), "upload", "--dry-run", probe.path()}, config.path());
        QVERIFY2(r.code == 0, qPrintable(r.err));
        HttpEmpfaenger e;
        UploadDienste d = senderAn(e);
        d.bilder = [](const QStringList &) { return ftpREADY; };
        const UploadErgebnis u = uploadAusfuehren(*db, {Auswahl::alles(), ordner.path(), QString(), true}, d);
        QCOMPARE(nummern(u.meldungen), QVector<int>{211});
        QVERIFY(u.erfolg);
        const QStringList namen = {"IDK-12.csv", "adK-12.csv", "raK-12.csv", "faK-12.csv",
                                   "meK-12.csv", "mkK-12.csv", "zbK-12.csv", "bdK-12.csv"};
        QCOMPARE(e.teile().size(), namen.size());
        for (const HttpEmpfaenger::Teil &t : e.teile()) {
            QVERIFY2(namen.contains(t.dateiname), qPrintable(t.dateiname));
            QCOMPARE(t.typ, QStringLiteral("text/csv"));
            QCOMPARE(t.daten, dateiInhalt(QDir(probe.path()).filePath(t.dateiname)));
        }
        // the files name addresses: nobody but the user may read them
        for (const QString &g : u.geschrieben)
            QCOMPARE(QFile::permissions(g) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QByteArray katzen = dateiInhalt(ordner.filePath("IDK-12.csv"));
        tav::store::Query n(db.get(), QStringLiteral("SELECT COUNT(*) FROM \"CATSTAMM.DB\""));
        n.open();
        QCOMPARE(katzen.count("\r\n"), n.value(0).toInt());
        QVERIFY(katzen.startsWith("1;\"Jörg; \"\"der Große\"\"\";"));
        QVERIFY(katzen.contains(";erste Zeile zweite Zeile;"));
        // litters and matings in one file, 22 fields each
        const QList<QByteArray> zb = dateiInhalt(ordner.filePath("zbK-12.csv")).trimmed().split('\n');
        tav::store::Query w(db.get(), QStringLiteral("SELECT (SELECT COUNT(*) FROM \"WURFBUCH.DB\") + "
                                                     "(SELECT COUNT(*) FROM \"DECKBUCH.DB\")"));
        w.open();
        QCOMPARE(zb.size(), w.value(0).toInt());
        for (const QByteArray &z : zb)
            QCOMPARE(z.trimmed().count(';'), 22);
    }

    // the whole run against both real peers: the files by HTTP, the pictures by FTP into the
    // breeder's folder, one log row each; a second run offers no unchanged picture
    void uploadMitBildernUeberFtp()
    {
        QTemporaryDir server, ordner;
        QVERIFY(QDir(server.path()).mkpath(QStringLiteral("kunden/idK-12/bilder")));
        FtpPeer ftp;
        const QString fehler = ftp.start(server.path(), QStringLiteral("zucht"), QStringLiteral("p4ss;w"));
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        OnlineKonfig k;
        k.ftpHost = QStringLiteral("127.0.0.1");
        k.ftpPort = ftp.port;
        k.ftpUser = QStringLiteral("zucht");
        k.ftpBaseDir = QStringLiteral("/kunden");
        QTemporaryDir cfg;
        QVERIFY(ftpPasswortSchreiben(cfg.path(), QStringLiteral("p4ss;w")));
        const TFtpConfig ftpCfg = ftpKonfigLaden(k, cfg.path(), QStringLiteral("K-12"));

        HttpEmpfaenger e;
        UploadDienste d = senderAn(e);
        d.bilder = [&](const QStringList &p) { return bilderSenden(ftpCfg, p, daten()); };
        const UploadAuftrag a{Auswahl::alles(), ordner.path(), QString(), true};
        const UploadErgebnis u = uploadAusfuehren(*db, a, d);
        QCOMPARE(nummern(u.meldungen), QVector<int>{211});
        QVERIFY(!u.bilder.isEmpty());
        QCOMPARE(e.teile().size(), u.geschrieben.size());
        const QDir ziel(server.filePath(QStringLiteral("kunden/idK-12/bilder")));
        for (const QString &b : u.bilder)
            QCOMPARE(dateiInhalt(ziel.filePath(QFileInfo(b).fileName())), dateiInhalt(b));
        QCOMPARE(ziel.entryList(QDir::Files).size(), u.bilder.size());
        {
            tav::store::Query n(db.get(), QStringLiteral("SELECT COUNT(*) FROM \"BilderUpload.db\""));
            n.open();
            QCOMPARE(n.value(0).toInt(), u.bilder.size());
        }

        const UploadErgebnis zweiter = uploadAusfuehren(*db, a, d);
        QVERIFY(zweiter.bilder.isEmpty());
        QCOMPARE(nummern(zweiter.meldungen), QVector<int>{211});
        sql(QStringLiteral("DELETE FROM \"BilderUpload.db\""));
    }

    void sendefehler_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::newRow("HTTP 500") << int(HttpEmpfaenger::Antwort::Fehler500);
        QTest::newRow("connection dropped") << int(HttpEmpfaenger::Antwort::Abbrechen);
        QTest::newRow("redirect to a dead address") << int(HttpEmpfaenger::Antwort::Umleitung);
    }
    // a failed transfer: message 183, no pictures handed on, nothing logged as sent
    void sendefehler()
    {
        QFETCH(int, antwort);
        HttpEmpfaenger e;
        e.setAntwort(HttpEmpfaenger::Antwort(antwort));
        e.setUmleitung("http://192.0.2.1/upload");
        QTemporaryDir ordner;
        UploadDienste d = senderAn(e);
        bool bilderGerufen = false;
        d.bilder = [&](const QStringList &) {
            bilderGerufen = true;
            return ftpREADY;
        };
        const UploadErgebnis u = uploadAusfuehren(*db, {Auswahl::alles(), ordner.path(), QString(), true}, d);
        QCOMPARE(nummern(u.meldungen), QVector<int>{183});
        QVERIFY(!u.erfolg);
        QVERIFY(u.gesendet.isEmpty());
        QVERIFY(!bilderGerufen);
        QVERIFY(!bildBereitsGesendet(*db, bildDateiLesen(u.bilder.value(0))));
        QCOMPARE(e.anfragen(), 8); // every file was still tried
    }

    void antwortGeprueft_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QByteArray>("ziel");
        QTest::addColumn<QString>("grund");
        using A = HttpEmpfaenger::Antwort;
        QTest::newRow("redirect to another host")
            << int(A::Umleitung) << QByteArray("http://192.0.2.1/x") << "192.0.2.1";
        QTest::newRow("redirect on the same host")
            << int(A::Umleitung) << QByteArray("/anders") << "HTTP 302";
        QTest::newRow("silent server") << int(A::Schweigen) << QByteArray() << "";
        QTest::newRow("2 bytes a second") << int(A::Tropfen) << QByteArray() << "";
        QTest::newRow("cancelled") << int(A::Schweigen) << QByteArray() << "abbrechen";
    }
    // only a 2xx answer is success; no redirect is followed; a silent or trickling server and the
    // user's cancel end the transfer within the limits instead of holding the program
    void antwortGeprueft()
    {
        QFETCH(int, antwort);
        QFETCH(QByteArray, ziel);
        QFETCH(QString, grund);
        HttpEmpfaenger e;
        e.setAntwort(HttpEmpfaenger::Antwort(antwort));
        e.setUmleitung(ziel);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("adK-12.csv"));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("1;a;\r\n") > 0);
        f.close();
        Zeitlimits kurz{2, 1, 1, 3};
        QElapsedTimer uhr;
        uhr.start();
        Laufend abbrechen;
        if (grund == QLatin1String("abbrechen")) {
            kurz = {};
            abbrechen = [&uhr](qint64, qint64) { return uhr.elapsed() > 300; };
        }
        QString fehler;
        QVERIFY(!dateiSenden(e.url(), datei, &fehler, kurz, abbrechen));
        QVERIFY2(uhr.elapsed() < 6000, qPrintable(QString::number(uhr.elapsed())));
        if (grund != QLatin1String("abbrechen"))
            QVERIFY2(fehler.contains(grund), qPrintable(fehler));
        QCOMPARE(e.anfragen(), 1);
    }

    void bilderErgebnis_data()
    {
        QTest::addColumn<int>("zustand");
        QTest::addColumn<QVector<int>>("meldungen");
        QTest::newRow("sent") << int(ftpREADY) << QVector<int>{211};
        QTest::newRow("wrong password") << int(ftpCONNECTING) << QVector<int>{213, 214};
        QTest::newRow("cancelled") << int(ftpBREAK) << QVector<int>{216, 214};
        QTest::newRow("no transfer in this program") << -1 << QVector<int>{214};
    }
    void bilderErgebnis()
    {
        QFETCH(int, zustand);
        QFETCH(QVector<int>, meldungen);
        HttpEmpfaenger e;
        QTemporaryDir ordner;
        UploadDienste d = senderAn(e);
        QStringList erhalten;
        if (zustand >= 0)
            d.bilder = [&](const QStringList &p) {
                erhalten = p;
                return TFtpAction(zustand);
            };
        const UploadErgebnis u = uploadAusfuehren(*db, {Auswahl::alles(), ordner.path(), QString(), true}, d);
        QCOMPARE(nummern(u.meldungen), meldungen);
        QVERIFY(!u.bilder.isEmpty());
        QCOMPARE(erhalten, zustand >= 0 ? u.bilder : QStringList());
    }

    // without pictures the final message is 182
    void ohneBilder()
    {
        QTemporaryDir ordner;
        HttpEmpfaenger e;
        UploadAuftrag a{Auswahl::alles(), ordner.path(), QString(), true};
        a.auswahl.bilder = false;
        QCOMPARE(nummern(uploadAusfuehren(*db, a, senderAn(e)).meldungen), QVector<int>{182});
        QCOMPARE(e.anfragen(), 7);
    }

    // every picture already on the server: no transfer, and that is a success
    void keineNeuenBilderIstErfolg()
    {
        QTemporaryDir ordner;
        HttpEmpfaenger e;
        UploadDienste d = senderAn(e);
        d.bilder = [](const QStringList &) { return ftpCONNECTING; };
        UploadAuftrag a{Auswahl::alles(), ordner.path(), QString(), false};
        for (const QString &b : uploadAusfuehren(*db, a, {}).bilder)
            bildProtokollieren(*db, bildDateiLesen(b));
        a.senden = true;
        const UploadErgebnis u = uploadAusfuehren(*db, a, d);
        QVERIFY(u.bilder.isEmpty());
        QCOMPARE(nummern(u.meldungen), QVector<int>{211});
        QVERIFY(u.erfolg);
        sql(QStringLiteral("DELETE FROM \"BilderUpload.db\""));
    }

    // nothing is written or sent without a valid customer number or when a file cannot be made
    void nichtsGesendet()
    {
        HttpEmpfaenger e;
        QTemporaryDir ordner;
        UploadAuftrag a{Auswahl::alles(), ordner.filePath("fehlt/nicht"), QString(), true};
        QCOMPARE(nummern(uploadAusfuehren(*db, a, senderAn(e)).meldungen), QVector<int>{168});
        tav::app::EigeneDaten eigen = tav::app::eigeneDatenLesen(*db);
        const QString alt = eigen.Update;
        sql(QStringLiteral("UPDATE \"EIGEN.DB\" SET \"Update\" = ?"), {QStringLiteral("../x")});
        a.ordner = ordner.path();
        QCOMPARE(nummern(uploadAusfuehren(*db, a, senderAn(e)).meldungen), QVector<int>{6051});
        sql(QStringLiteral("UPDATE \"EIGEN.DB\" SET \"Update\" = ?"), {alt});
        QCOMPARE(e.anfragen(), 0);
        QVERIFY(QDir(ordner.path()).isEmpty());
    }

    // the export read back by Python's csv module: every cat, the umlauts and the escaped name intact
    void csvMitPython()
    {
        if (!QFileInfo::exists("/usr/bin/python3"))
            QSKIP("/usr/bin/python3 is not installed");
        QTemporaryDir d;
        const QString datei = d.filePath("katzen.csv");
        const Run r = run(TAV_CLI, {"--home", home.path(), "export-csv", datei}, config.path());
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const Run py =
            run("/usr/bin/python3",
                {"-c",
                 "import csv,sys\n"
                 "rows=list(csv.reader(open(sys.argv[1],encoding='utf-8-sig',newline=''),"
                 "delimiter=';'))\n"
                 "print(len(rows)-1)\nprint(rows[0][13])\nprint(rows[1][0])\nprint(repr(rows[1][29]))\n"
                 "print(len(set(len(r) for r in rows)))",
                 datei});
        QCOMPARE(py.code, 0);
        tav::store::Query n(db.get(), QStringLiteral("SELECT COUNT(*) FROM \"CATSTAMM.DB\""));
        n.open();
        QCOMPARE(py.out.split('\n').mid(0, 5),
                 QStringList({QString::number(n.value(0).toInt()), "Züchter", "Jörg; \"der Große\"",
                              "'erste Zeile\\r\\nzweite Zeile'", "1"}));
    }

    // the command line refuses a password file others may read, before anything is written or
    // sent; once it is private the files land in the upload folder, readable by the user only,
    // and none in the folder the command was started in
    void cliUploadOrdnerUndPasswort()
    {
        QTemporaryDir server, cfg;
        QVERIFY(QDir(server.path()).mkpath(QStringLiteral("kunden/idK-12/bilder")));
        FtpPeer ftp;
        const QString fehler = ftp.start(server.path(), QStringLiteral("zucht"), QStringLiteral("pw"));
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        HttpEmpfaenger e;
        OnlineKonfig k;
        k.uploadUrl = e.url();
        k.ftpHost = QStringLiteral("127.0.0.1");
        k.ftpPort = ftp.port;
        k.ftpUser = QStringLiteral("zucht");
        k.ftpBaseDir = QStringLiteral("/kunden");
        QVERIFY(onlineKonfigSchreiben(cfg.filePath(QStringLiteral("Tavrenno.ini")), k));
        // the command stores the password from standard input, private to the user
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TAVRENNO_CONFIG"), cfg.path());
        p.setProcessEnvironment(env);
        p.start(TAV_CLI, {"--home", home.path(), "ftp-password"});
        p.write("pw\n");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(30000) && p.exitCode() == 0);
        QCOMPARE(ftpPasswortLesen(cfg.path()), QStringLiteral("pw"));
        QFile pw(ftpPasswortDatei(cfg.path()));
        QVERIFY(pw.setPermissions(pw.permissions() | QFileDevice::ReadOther));

        Run r = run(TAV_CLI, {"--home", home.path(), "upload"}, cfg.path());
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(pw.fileName()), qPrintable(r.err));
        QCOMPARE(e.anfragen(), 0);

        QVERIFY(pw.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        r = run(TAV_CLI, {"--home", home.path(), "upload"}, cfg.path());
        sql(QStringLiteral("DELETE FROM \"BilderUpload.db\""));
        QVERIFY(!QFile::exists(QStringLiteral("adK-12.csv")) || QFile::remove(QStringLiteral("adK-12.csv")));
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QDir ordner(cfg.filePath(QStringLiteral("Online")));
        QCOMPARE(ordner.entryList(QDir::Files).size(), 8);
        for (const QFileInfo &f : ordner.entryInfoList(QDir::Files))
            QCOMPARE(f.permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void cliOhneEinstellungen()
    {
        const Run r = run(TAV_CLI, {"--home", home.path(), "upload"}, config.path());
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("UploadUrl, FtpHost, FtpUser"), qPrintable(r.err));
    }

    // names a spreadsheet would run reach every file written for spreadsheets as text, and stay in
    // the register as typed
    void formelnBleibenText_data()
    {
        QTest::addColumn<QStringList>("args"); // %O: the output folder, %M: a queen
        QTest::addColumn<QString>("datei");
        QTest::newRow("export-csv") << QStringList{"export-csv", "%O/k.csv"} << "k.csv";
        QTest::newRow("register-traits") << QStringList{"register-traits", "--csv", "%O/k.csv"} << "k.csv";
        QTest::newRow("plan-matings")
            << QStringList{"plan-matings", "--dam", "%M", "--with-dead", "--csv", "%O/k.csv"} << "k.csv";
        QTest::newRow("upload") << QStringList{"upload", "--dry-run", "%O"} << "IDK-12.csv";
    }
    void formelnBleibenText()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, datei);
        // as typed, and the cell that must stand in the file
        static const QList<QPair<QString, QString>> namen = {
            {"=HYPERLINK(\"http://x.example\";\"Klick\")",
             "\"'=HYPERLINK(\"\"http://x.example\"\";\"\"Klick\"\")\""},
            {"+SUM(1+1)", "'+SUM(1+1)"},
            {"@SUM(1)", "'@SUM(1)"},
            {"-2+3+cmd|' /C calc'!A0", "'-2+3+cmd|' /C calc'!A0"}};
        static QTemporaryDir h;
        static QList<int> kater;
        static int katze = 0;
        static const bool bereit = [] {
            if (run(TAV_CLI, {"--home", h.path(), "demo"}).code != 0 ||
                run(TAV_CLI, {"--home", h.path(), "own-data", "--name", "Muster", "--first-name", "Eva",
                              "--customer-number", "K-12"})
                        .code != 0)
                return false;
            tav::store::Database d(h.filePath("Daten"));
            tav::store::Query q(
                &d, "SELECT LaufendeNummer, Geschlecht FROM \"CATSTAMM.DB\" ORDER BY LaufendeNummer");
            for (q.open(); !q.eof(); q.next()) {
                if (q.value(1).toString() == "1" && kater.size() < namen.size())
                    kater << q.value(0).toInt();
                else if (q.value(1).toString() == "2" && !katze)
                    katze = q.value(0).toInt();
            }
            for (int i = 0; i < kater.size(); ++i) {
                tav::store::Query u(&d, "UPDATE \"CATSTAMM.DB\" SET Name = ? WHERE LaufendeNummer = ?");
                u.addBindValue(namen[i].first);
                u.addBindValue(kater[i]);
                u.exec();
            }
            return kater.size() == namen.size() && katze;
        }();
        QVERIFY(bereit);
        QTemporaryDir aus;
        for (QString &a : args)
            a.replace("%O", aus.path()).replace("%M", QString::number(katze));
        const Run r = run(TAV_CLI, QStringList{"--home", h.path()} + args, config.path());
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QString text = QString::fromUtf8(dateiInhalt(aus.filePath(datei)));
        for (const auto &[name, zelle] : namen) {
            QVERIFY2(text.contains(zelle), qPrintable(zelle));
            const QString roh = zelle.startsWith('"') ? '"' + zelle.mid(2) : zelle.mid(1);
            QVERIFY2(!text.contains(';' + roh) && !text.contains('\n' + roh) && !text.startsWith(roh),
                     qPrintable(roh));
        }
        tav::store::Database d(h.filePath("Daten"));
        for (int i = 0; i < kater.size(); ++i) {
            tav::store::Query q(&d, "SELECT Name FROM \"CATSTAMM.DB\" WHERE LaufendeNummer = ?");
            q.addBindValue(kater[i]);
            q.open();
            QCOMPARE(q.value(0).toString(), namen[i].first);
        }
    }
};

QTEST_GUILESS_MAIN(TstOnlineUpload)
#include "tst_onlineupload.moc"
