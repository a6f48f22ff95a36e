// tavrenno-cli print descendants: the offspring list of a demo cat as PDF text.
#include "store/Database.h"
#include "store/Query.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TstCliDescendants : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home, m_config;

    QPair<int, QString> cli(const QStringList &args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TAVRENNO_CONFIG"), m_config.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TAV_CLI), QStringList{"--home", m_home.path()} + args);
        p.waitForFinished(180000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
    }
    QStringList spalte(const QString &sql)
    {
        tav::store::Database db(m_home.filePath("Daten"));
        tav::store::Query q(&db, sql);
        q.open();
        QStringList werte;
        for (; !q.eof(); q.next())
            werte << q.value(0).toString();
        return werte;
    }

  private Q_SLOTS:
    void initTestCase() { QCOMPARE(cli({"demo"}).first, 0); }

    void offspringOfTomAndQueen_data()
    {
        QTest::addColumn<QString>("seite");
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QStringList>("texte");
        QTest::newRow("tom") << "Vater"
                             << "de"
                             << QStringList{"Nachkommen von :", "Geschl.", "Züchter", "Mutter", "Seite 1"};
        QTest::newRow("queen") << "Mutter"
                               << "en" << QStringList{"Offspring of :", "Breeder", "Sire", "Page 1"};
    }
    void offspringOfTomAndQueen()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        QFETCH(QString, seite);
        QFETCH(QString, sprache);
        QFETCH(QStringList, texte);
        const QString eltern = spalte(QStringLiteral("SELECT %1 FROM catstamm WHERE %1 > 0 GROUP BY %1 "
                                                     "ORDER BY count(*) DESC LIMIT 1")
                                          .arg(seite))
                                   .value(0);
        QVERIFY(!eltern.isEmpty());
        const QString pdf = m_home.filePath(seite + ".pdf");
        const auto [code, fehler] =
            cli({"print", "descendants", "--cat", eltern, "--lang", sprache, "--pdf", pdf});
        QVERIFY2(code == 0, qPrintable(fehler));
        QProcess p;
        p.start("pdftotext", {"-enc", "UTF-8", pdf, "-"});
        p.waitForFinished();
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        texte << spalte("SELECT Name FROM catstamm WHERE LaufendeNummer = " + eltern)
              << spalte(QStringLiteral("SELECT Name FROM catstamm WHERE %1 = %2").arg(seite, eltern));
        for (const QString &t : texte)
            QVERIFY2(text.contains(t), qPrintable(t + " missing in:\n" + text));
    }

    void unknownCat()
    {
        const auto [code, fehler] =
            cli({"print", "descendants", "--cat-name", "Niemand", "--pdf", m_home.filePath("nie.pdf")});
        QCOMPARE(code, 1);
        QVERIFY2(fehler.contains("nicht im Katzenregister"), qPrintable(fehler));
        QVERIFY(!QFile::exists(m_home.filePath("nie.pdf")));
    }
};

QTEST_GUILESS_MAIN(TstCliDescendants)
#include "tst_clidescendants.moc"
