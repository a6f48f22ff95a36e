// tavrenno-cli html-pedigree: the page of a demo cat passes tidy without errors, a browser draws
// it, and its coefficients are the engine's as the cat record window shows them; wrong calls are
// refused.
#include "../common/CliRun.h"

#include "../common/InzuchtTexte.h"
#include "app/DataHome.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StorePedigree.h"
#include "store/Database.h"
#include "store/Query.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav;

class TstCliHtml : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home, m_config;

    Run cli(const QStringList &args)
    {
        return run(QStringLiteral(TAV_CLI), QStringList{"--home", m_home.path()} + args, m_config.path());
    }
    QString seite(int generationen) const
    {
        return m_home.path() + QStringLiteral("/seite%1.htm").arg(generationen);
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(cli({"demo"}).code, 0);
        // the last cat of the demo register has ancestors over five generations
        for (int n : {5, 12}) {
            const Run r = cli({"html-pedigree", "--cat-name", "Jonora vom Lindenhof", "--generations",
                               QString::number(n), "--out", seite(n)});
            QVERIFY2(r.code == 0, qPrintable(r.err));
        }
    }

    void tidyOhneFehler_data()
    {
        QTest::addColumn<int>("generationen");
        QTest::newRow("5") << 5;
        QTest::newRow("12") << 12;
    }
    void tidyOhneFehler()
    {
        QFETCH(int, generationen);
        const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
        if (tidy.isEmpty())
            QSKIP("tidy is not installed (scripts/setup)");
        QProcess p;
        p.start(tidy, {"-q", "-e", seite(generationen)});
        QVERIFY(p.waitForFinished(120000));
        const QString meldungen = QString::fromUtf8(p.readAllStandardError());
        // 1: warnings only, 2: errors
        QVERIFY2(p.exitCode() < 2 && !meldungen.contains(QLatin1String("Error:")),
                 qPrintable(meldungen.left(2000)));
    }

    void koeffizientenDesRechenkerns()
    {
        store::Database db(app::dataDirOf(m_home.path()));
        store::Query q(&db, QStringLiteral("SELECT LaufendeNummer, Vater, Mutter FROM \"catstamm.db\" "
                                           "WHERE Name = 'Jonora vom Lindenhof'"));
        q.open();
        QVERIFY(!q.eof());
        breeding::StorePedigree stamm(db);
        breeding::InzuchtBerechnung e(stamm);
        // the cat record window's pass: quick, over the default of StbGenerationen
        QVERIFY(e.Berechne(q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), 5, false));
        QVERIFY(!texteVon(e).Inzuchtkoeffizientkurz.isEmpty() &&
                !texteVon(e).Ahnenverlustkoeffizient.isEmpty());
        QFile f(seite(5));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromLatin1(f.readAll());
        const QString feld = QStringLiteral("Inzucht: ") + texteVon(e).Inzuchtkoeffizientkurz +
                             QStringLiteral(" / Ahnenverlust: ") + texteVon(e).Ahnenverlustkoeffizient;
        QVERIFY2(html.contains(feld), qPrintable(feld));
    }

    void browserZeichnetSeite()
    {
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (chromium.isEmpty())
            QSKIP("chromium is not installed (scripts/setup)");
        QTemporaryDir profil;
        const QString png = m_home.path() + QStringLiteral("/seite.png");
        QProcess p;
        p.start(chromium,
                {"--headless", "--no-sandbox", "--disable-gpu", "--user-data-dir=" + profil.path(),
                 "--screenshot=" + png, "--window-size=1100,1400", QUrl::fromLocalFile(seite(5)).toString()});
        QVERIFY(p.waitForFinished(120000));
        QImage bild(png);
        QVERIFY2(!bild.isNull(), qPrintable(QString::fromUtf8(p.readAllStandardError())));
        // the name line is red (a titled cat) and the tables have black borders on white
        bool rot = false, schwarz = false;
        for (int y = 0; y < bild.height(); y += 2) {
            for (int x = 0; x < bild.width(); x += 2) {
                const QColor c = bild.pixelColor(x, y);
                rot = rot || (c.red() > 200 && c.green() < 60 && c.blue() < 60);
                schwarz = schwarz || (c.red() < 30 && c.green() < 30 && c.blue() < 30);
            }
        }
        QVERIFY(rot && schwarz);
        if (qEnvironmentVariableIsSet("TAV_SCREENSHOT"))
            QFile::copy(png, qEnvironmentVariable("TAV_SCREENSHOT"));
    }

    void falscheAufrufe_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::newRow("ohne Katze") << QStringList{"--out", "x.htm"} << 2;
        QTest::newRow("ohne Ziel") << QStringList{"--cat", "1"} << 2;
        QTest::newRow("13 Generationen")
            << QStringList{"--cat", "1", "--generations", "13", "--out", "x.htm"} << 2;
        QTest::newRow("unbekannte Katze") << QStringList{"--cat-name", "Niemand", "--out", "x.htm"} << 1;
        QTest::newRow("Ordner fehlt") << QStringList{"--cat", "1", "--out", "/fehlt/ganz/x.htm"} << 1;
    }
    void falscheAufrufe()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        const Run r = cli(QStringList{"html-pedigree"} + args);
        QCOMPARE(r.code, code);
        QVERIFY(!r.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstCliHtml)
#include "tst_clihtml.moc"
