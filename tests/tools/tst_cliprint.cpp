// tavrenno-cli print: print-outs of a register as PDF and HTML, and the failures it reports.
#include "store/Database.h"
#include "store/Query.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int code = -1;
    QString out, err;
};

Run run(const QString &program, const QStringList &args, const QString &config = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("TAVRENNO_HOME"));
    if (!config.isEmpty())
        env.insert(QStringLiteral("TAVRENNO_CONFIG"), config);
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(180000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

bool installed(const char *tool)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty();
}

// a sibling mating with names in several alphabets
const QByteArray Stammbaum = "Name;Geschlecht;Vater;Mutter;GebDatum;Rasse\n"
                             "Čestmír Groß;1;;;;\n"
                             "Łucja Müller;2;;;;\n"
                             "Bořek Weiß;1;Čestmír Groß;Łucja Müller;;\n"
                             "Żaneta Jäger;2;Čestmír Groß;Łucja Müller;;\n"
                             "Ærø Kätzchen;2;Bořek Weiß;Żaneta Jäger;;\n";
const QString Enkelin = QStringLiteral("Ærø Kätzchen");

} // namespace

class TstCliPrint : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home, m_out, m_config;
    QString m_coefficient;

    Run cli(QStringList args)
    {
        return run(QStringLiteral(TAV_CLI), QStringList{"--home", m_home.path()} + args, m_config.path());
    }

    QString pdfText(const QString &path)
    {
        return run(QStringLiteral("pdftotext"), {"-enc", "UTF-8", path, "-"}).out;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(cli({"demo"}).code == 0);
        QFile f(m_out.filePath("stamm.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Stammbaum);
        f.close();
        const Run imported = cli({"import-pedigree", f.fileName()});
        QVERIFY2(imported.code == 0, qPrintable(imported.err));
        const Run coi = cli({"coi", "--cat-name", Enkelin, "--json"});
        QCOMPARE(coi.code, 0);
        m_coefficient = QJsonDocument::fromJson(coi.out.toUtf8()).object().value("text").toString().trimmed();
        QVERIFY2(m_coefficient.endsWith(QStringLiteral("25,00%")), qPrintable(m_coefficient));
    }

    void pdfHoldsWhatWasAskedFor_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("plain") << QStringList{} << QStringList{"Inzucht von",
                                                               Enkelin,
                                                               "Der Inzuchtkoeffizient beträgt",
                                                               "Berechnung über 5 Generationen",
                                                               "Bořek Weiß",
                                                               "Seite 1",
                                                               "printed by"}
                               << QStringList{"Auflistung aller Katzen mit Inzucht", "Name des Vorfahren"};
        QTest::newRow("pairs") << QStringList{"--with-pairs", "--generations", "4"}
                               << QStringList{"Auflistung aller Katzen mit Inzucht", "Čestmír Groß",
                                              "Łucja Müller", "Berechnung über 4 Generationen"}
                               << QStringList{"Klonanalyse"};
        QTest::newRow("ancestors and clones")
            << QStringList{"--with-ancestors", "--with-clones"}
            << QStringList{"Name des Vorfahren", "Anzahl des Vorkommens im Stammbaum", "TopKatzen",
                           "Klonanalyse"}
            << QStringList{"Auflistung aller Katzen mit Inzucht"};
        QTest::newRow("english") << QStringList{"--lang", "en", "--with-pairs"}
                                 << QStringList{"Inbreeding of", "The coefficient of inbreeding is",
                                                "List of all cats with inbreeding", "Page 1"}
                                 << QStringList{"Inzucht von", "Seite"};
    }
    void pdfHoldsWhatWasAskedFor()
    {
        if (!installed("pdftotext"))
            QSKIP("pdftotext is not installed");
        QFETCH(QStringList, options);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        const QString pdf = m_out.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        const Run r = cli(QStringList{"print", "inbreeding", "--cat-name", Enkelin, "--pdf", pdf} + options);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(m_coefficient), qPrintable(text));
        for (const QString &t : present)
            QVERIFY2(text.contains(t), qPrintable(t + " missing in:\n" + text));
        for (const QString &t : absent)
            QVERIFY2(!text.contains(t), qPrintable(t));
    }

    // the matings of the founding queen, and the traits of the grandchild's pedigree by colour only
    void matingsAndPedigreeTraits()
    {
        if (!installed("pdftotext"))
            QSKIP("pdftotext is not installed");
        const QString verpaarungen = m_out.filePath("matings.pdf"), merkmale = m_out.filePath("traits.pdf");
        Run r =
            cli({"print", "matings", "--cat-name", QStringLiteral("Łucja Müller"), "--pdf", verpaarungen});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QString text = pdfText(verpaarungen);
        for (const QString &t :
             {QStringLiteral("Verpaarungen von"), QStringLiteral("1 Wurf mit Čestmír Groß"),
              QStringLiteral("1/0 Bořek Weiß"), QStringLiteral("0/1 Żaneta Jäger")})
            QVERIFY2(text.contains(t), qPrintable(t + " missing in:\n" + text));
        r = cli({"print", "pedigree-traits", "--cat-name", Enkelin, "--colour-only", "--pdf", merkmale});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        text = pdfText(merkmale);
        for (const QString &t : {QStringLiteral("Es wurden 6 Vorfahren untersucht."),
                                 QStringLiteral("» Łucja Müller,"), QStringLiteral("2x2 ,")})
            QVERIFY2(text.contains(t), qPrintable(t + " missing in:\n" + text));
    }

    void demoCatAsHtmlPage()
    {
        tav::store::Database db(m_home.filePath("Daten"));
        tav::store::Query q(&db, "SELECT LaufendeNummer, Name FROM catstamm WHERE Vater > 0 AND Mutter > 0 "
                                 "ORDER BY LaufendeNummer DESC LIMIT 1");
        q.open();
        QVERIFY(!q.eof());
        const QString nr = q.value(0).toString(), name = q.value(1).toString();
        const QString page = m_out.filePath("demo.html");
        const Run r = cli({"print", "inbreeding", "--cat", nr, "--with-ancestors", "--html", page});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        if (installed("tidy")) {
            const Run tidy = run("tidy", {"-errors", "-q", page});
            QVERIFY2(tidy.code < 2, qPrintable(tidy.err));
        }
        if (!installed("chromium"))
            QSKIP("chromium is not installed");
        QTemporaryDir profile;
        const Run dom =
            run("chromium",
                {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + profile.path(), "--dump-dom", QUrl::fromLocalFile(page).toString()});
        for (const QString &t : {QStringLiteral("Inzucht von"), name, QStringLiteral("Name des Vorfahren"),
                                 QStringLiteral("Der Inzuchtkoeffizient beträgt")})
            QVERIFY2(dom.out.contains(t.toHtmlEscaped()), qPrintable(t));
    }

    void failuresAreSaidAndWriteNothing_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");
        const QString pdf = m_out.filePath("nie.pdf");
        QTest::newRow("unknown cat") << QStringList{"print",   "inbreeding", "--cat-name",
                                                    "Niemand", "--pdf",      pdf}
                                     << 1 << "nicht im Katzenregister";
        QTest::newRow("missing folder") << QStringList{"print", "inbreeding", "--cat-name",
                                                       Enkelin, "--pdf",      m_out.filePath("fehlt/nie.pdf")}
                                        << 1 << "Der Ordner fehlt oder ist schreibgeschützt";
        QTest::newRow("unknown print-out") << QStringList{"print", "nothing", "--pdf", pdf} << 2 << "nothing";
        QTest::newRow("no file") << QStringList{"print", "inbreeding", "--cat", "1"} << 2 << "--pdf";
        QTest::newRow("foreign option")
            << QStringList{"print", "inbreeding", "--cat", "1", "--json", "--pdf", pdf} << 2 << "--json";
        QTest::newRow("language") << QStringList{"print",  "inbreeding", "--cat", "1",
                                                 "--lang", "fr",         "--pdf", pdf}
                                  << 2 << "--lang";
    }
    void failuresAreSaidAndWriteNothing()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, said);
        const Run r = cli(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(said), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(m_out.filePath("nie.pdf")));
    }
};

QTEST_GUILESS_MAIN(TstCliPrint)
#include "tst_cliprint.moc"
