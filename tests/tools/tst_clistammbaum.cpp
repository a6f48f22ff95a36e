// tavrenno-cli print pedigree: every ancestor in its generation's column, the English print, the
// pictures and logo of the settings, a cat without parents.
#include "store/Database.h"
#include "store/Query.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
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

QString flach(QString s)
{
    return s.simplified();
}

} // namespace

class TstCliStammbaum : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home, m_out, m_config;
    int m_katze = 0;
    QHash<int, std::tuple<QString, int, int>> m_register; // name, sire, dam

    Run cli(QStringList args)
    {
        return run(QStringLiteral(TAV_CLI), QStringList{"--home", m_home.path()} + args, m_config.path());
    }
    QString text(const QString &pdf, const QStringList &extra = {})
    {
        return run(QStringLiteral("pdftotext"), QStringList{"-enc", "UTF-8"} + extra + QStringList{pdf, "-"})
            .out;
    }
    void einstellungen(const QString &zeilen)
    {
        QFile f(m_config.filePath("Tavrenno.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(zeilen.toUtf8());
    }
    int bilder(const QString &pdf)
    {
        return int(run(QStringLiteral("pdfimages"), {"-list", pdf})
                       .out.split('\n', Qt::SkipEmptyParts)
                       .size()) -
               2;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        if (!installed("pdftotext") || !installed("pdfimages"))
            QSKIP("pdftotext and pdfimages are not installed");
        QCOMPARE(cli({"demo"}).code, 0);
        tav::store::Database db(m_home.filePath("Daten"));
        tav::store::Query q(&db, "SELECT LaufendeNummer, Name, Vater, Mutter FROM catstamm");
        q.open();
        for (; !q.eof(); q.next()) {
            m_register.insert(q.value(0).toInt(),
                              {q.value(1).toString(), q.value(2).toInt(), q.value(3).toInt()});
            m_katze = std::max(m_katze, q.value(0).toInt());
        }
        QImage logo(200, 200, QImage::Format_RGB32);
        logo.fill(Qt::darkRed);
        QVERIFY(logo.save(m_out.filePath("logo.png")));
    }

    // each generation's column (between the heads over the columns) holds its ancestors' names
    void jederAhnInSeinerGeneration()
    {
        einstellungen("[Stammbaum]\nLogo=" + m_out.filePath("logo.png") + "\n");
        const QString pdf = m_out.filePath("fuenf.pdf");
        const Run r =
            cli({"print", "pedigree", "--cat", QString::number(m_katze), "--generations", "5", "--pdf", pdf});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains("1 Seiten"));
        QVERIFY(bilder(pdf) >= 1);
        const QString box = text(pdf, {"-bbox"});
        const QStringList koepfe = {"Eltern", "Großeltern", "Urgroßeltern", "Ururgroßeltern", "5."};
        QVector<double> mitte;
        double oben = 0;
        for (const QString &k : koepfe) {
            const QRegularExpression wort(
                "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">" +
                QRegularExpression::escape(k) + "</word>");
            const auto m = wort.match(box);
            QVERIFY2(m.hasMatch(), qPrintable(k));
            double rechts = m.captured(3).toDouble();
            // "5. Generation" is two words
            const auto zweites = QRegularExpression("xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">Generation</word>")
                                     .match(box, m.capturedEnd());
            if (k == "5." && zweites.hasMatch())
                rechts = zweites.captured(1).toDouble();
            mitte << (m.captured(1).toDouble() + rechts) / 2;
            oben = m.captured(2).toDouble() + 8;
        }
        QVector<int> ebene = {m_katze};
        for (int g = 1; g <= 5; ++g) {
            const double halb = (g < 5 ? mitte[g] - mitte[g - 1] : mitte[g - 1] - mitte[g - 2]) / 2;
            const int x = int(mitte[g - 1] - halb), breite = int(2 * halb);
            const QString spalte =
                flach(text(pdf, {"-x", QString::number(x), "-y", QString::number(int(oben)), "-W",
                                 QString::number(breite), "-H", "600"}));
            QVector<int> naechste;
            for (int k : ebene) {
                const auto [name, vater, mutter] = m_register.value(k);
                for (int eltern : {vater, mutter}) {
                    naechste << eltern;
                    if (eltern)
                        QVERIFY2(spalte.contains(std::get<0>(m_register.value(eltern))),
                                 qPrintable(QStringLiteral("%1 in %2: %3")
                                                .arg(std::get<0>(m_register.value(eltern)))
                                                .arg(g)
                                                .arg(spalte)));
                }
            }
            ebene = naechste;
        }
    }

    void englischOhneBilderUndOhneEltern_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("english")
            << QStringList{"--lang", "en"}
            << QStringList{"PEDIGREE", "Parents", "Great-grandparents",    "Date of birth",
                           "Born:",    "male",    "Inbreeding coefficient"}
            << QStringList{"STAMMBAUM", "Eltern", "geb.:", "männlich", "Inzuchtkoeffizient"};
        QTest::newRow("german") << QStringList{"--generations", "3"}
                                << QStringList{"STAMMBAUM", "Urgroßeltern", "Geburtsdatum",
                                               "geb.:",     "Ahnenverlust", "printed by"}
                                << QStringList{"Ururgroßeltern", "PEDIGREE", "Born:"};
    }
    void englischOhneBilderUndOhneEltern()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        einstellungen("[Stammbaum]\nDruck=Titel,Farbe,Geburtsdatum\nBild=0\nGenBild=0\n");
        const QString pdf = m_out.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        const Run r =
            cli(QStringList{"print", "pedigree", "--cat", QString::number(m_katze), "--pdf", pdf} + args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(bilder(pdf), 0);
        const QString t = text(pdf);
        for (const QString &s : present)
            QVERIFY2(t.contains(s), qPrintable(s + " missing in:\n" + t));
        for (const QString &s : absent)
            QVERIFY2(!t.contains(s), qPrintable(s));
    }

    void katzeOhneElternUndFehler()
    {
        einstellungen("[Stammbaum]\nGeneration=3\n");
        int ohne = 0;
        for (auto it = m_register.cbegin(); it != m_register.cend() && !ohne; ++it)
            if (std::get<1>(it.value()) == 0 && std::get<2>(it.value()) == 0)
                ohne = it.key();
        QVERIFY(ohne);
        const QString pdf = m_out.filePath("ohne.pdf"), html = m_out.filePath("ohne.html");
        Run r = cli({"print", "pedigree", "--cat", QString::number(ohne), "--pdf", pdf, "--html", html});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains("1 Seiten"));
        QCOMPARE(text(pdf).count("unbekannt"), 14);
        QFile f(html);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(f.readAll()).contains(std::get<0>(m_register.value(ohne)).toHtmlEscaped()));
        r = cli({"print", "pedigree", "--cat", "1", "--generations", "7", "--pdf", pdf});
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains("--generations"));
        r = cli({"print", "pedigree", "--pdf", pdf});
        QCOMPARE(r.code, 2);
        r = cli({"print", "pedigree", "--cat-name", "Niemand", "--pdf", pdf});
        QCOMPARE(r.code, 1);
    }
};

QTEST_GUILESS_MAIN(TstCliStammbaum)
#include "tst_clistammbaum.moc"
