// tavrenno-cli print litter-registration | litter-data | litter-book on the demo register: the
// forms hold the queen, the stud and every kitten, the data sheet its ancestors in their places.
#include "store/Database.h"
#include "store/Query.h"

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

Run run(const QString &program, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("TAVRENNO_HOME"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(180000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QString ohneLeerraum(QString s)
{
    static const QRegularExpression leer(QStringLiteral("\\s+"));
    return s.remove(leer);
}

} // namespace

class TstCliWurf : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home, m_out;
    QString m_queen, m_tag;
    QStringList m_eltern, m_kitten; // stud, queen; the kittens of the litter

    Run cli(const QStringList &args)
    {
        return run(QStringLiteral(TAV_CLI), QStringList{"--home", m_home.path()} + args);
    }
    QString name(tav::store::Database &db, const QVariant &nr)
    {
        tav::store::Query q(&db, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?");
        q.addBindValue(nr);
        q.open();
        return q.eof() ? QString() : q.value(0).toString();
    }
    QVariant elternteil(tav::store::Database &db, const QVariant &nr, bool vater)
    {
        tav::store::Query q(&db, vater ? "SELECT Vater FROM catstamm WHERE LaufendeNummer = ?"
                                       : "SELECT Mutter FROM catstamm WHERE LaufendeNummer = ?");
        q.addBindValue(nr);
        q.open();
        return q.eof() ? QVariant() : q.value(0);
    }
    QString pdf(const QStringList &args, bool layout = false)
    {
        const QString datei = m_out.filePath("wurf.pdf");
        QFile::remove(datei);
        const Run r = cli(QStringList{"print"} + args +
                          QStringList{"--cat", m_queen, "--litter-date", m_tag, "--pdf", datei});
        if (r.code != 0)
            return QStringLiteral("exit %1: %2").arg(r.code).arg(r.err);
        return run("pdftotext", layout ? QStringList{"-layout", "-enc", "UTF-8", datei, "-"}
                                       : QStringList{"-enc", "UTF-8", datei, "-"})
            .out;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(cli({"demo"}).code == 0);
        tav::store::Database db(m_home.filePath("Daten"));
        // the latest litter with kittens and all three generations of ancestors
        tav::store::Query q(&db,
                            "SELECT w.Katze, w.Kater, w.Wurftag FROM wurfbuch w WHERE (SELECT count(*) FROM "
                            "catstamm c WHERE c.Mutter = w.Katze AND c.GebDatum = w.Wurftag) > 1 "
                            "ORDER BY w.Wurftag DESC");
        q.open();
        for (; !q.eof(); q.next()) {
            m_queen = q.value(0).toString();
            m_tag = q.value(2).toDate().toString(Qt::ISODate);
            if (!ahnen(db).last().name.isEmpty())
                break;
        }
        QVERIFY(!q.eof());
        m_eltern = {name(db, q.value(1)), name(db, q.value(0))};
        tav::store::Query k(&db, "SELECT Name FROM catstamm WHERE Mutter = ? AND GebDatum = ?");
        k.addBindValue(q.value(0));
        k.addBindValue(q.value(2));
        k.open();
        for (; !k.eof(); k.next())
            m_kitten << k.value(0).toString();
        QVERIFY(m_kitten.size() >= 2);
    }

    void formularHaeltWurf_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("kopf");
        QTest::newRow("general") << "general"
                                 << "Wurfmeldung und Antrag auf Ahnentafel";
        QTest::newRow("dekzv") << "dekzv"
                               << "WURFMELDUNG";
        QTest::newRow("dru") << "dru"
                             << "GEBURTSMELDUNG - ANTRAG AUF AHNENTAFELN";
    }
    void formularHaeltWurf()
    {
        QFETCH(QString, form);
        QFETCH(QString, kopf);
        const QString text = pdf({"litter-registration", "--form", form});
        QVERIFY2(text.contains(kopf), qPrintable(text));
        const QString dicht = ohneLeerraum(text);
        for (const QString &n : m_eltern)
            QVERIFY2(dicht.contains(ohneLeerraum(n)), qPrintable(n));
        // the 1. DEKZV form sets a kitten's name letter by letter into boxes, which the text
        // extraction splits into pieces: the call name must be whole
        for (const QString &n : m_kitten)
            QVERIFY2(dicht.contains(form == "dekzv" ? n.section(' ', 0, 0) : ohneLeerraum(n)), qPrintable(n));
    }

    void datenblattHaeltAhnenAnIhremPlatz()
    {
        tav::store::Database db(m_home.filePath("Daten"));
        const QVector<Platz> plaetze = ahnen(db);
        const QStringList zeilen = pdf({"litter-data"}, true).split('\n');
        const QString alles = zeilen.join('\n');
        QVERIFY2(alles.contains(QStringLiteral("Wurfdaten")), qPrintable(alles));
        for (const QString &n : m_kitten)
            QVERIFY2(alles.contains(n), qPrintable(n));
        // every position printed: a cat in two places of an inbred litter appears twice
        QHash<QString, QSet<int>> generationen;
        QHash<QString, int> plaetzeDesNamens;
        for (const Platz &p : plaetze)
            if (!p.name.isEmpty()) {
                generationen[p.name] << p.generation;
                ++plaetzeDesNamens[p.name];
            }
        QHash<int, QVector<int>> spalten; // by generation
        int vorigeZeile = -1, vorigeGeneration = -1;
        for (const Platz &p : plaetze) {
            if (p.name.isEmpty())
                continue;
            QCOMPARE(int(alles.count(p.name)), plaetzeDesNamens[p.name]);
            if (generationen[p.name].size() > 1)
                continue;
            for (qsizetype at = alles.indexOf(p.name); at >= 0; at = alles.indexOf(p.name, at + 1))
                spalten[p.generation] << int(at - alles.lastIndexOf('\n', at) - 1);
            if (plaetzeDesNamens[p.name] > 1)
                continue;
            // father above mother, left to right within a generation
            const int zeile = int(alles.left(alles.indexOf(p.name)).count('\n'));
            if (p.generation == vorigeGeneration)
                QVERIFY2(zeile > vorigeZeile, qPrintable(p.name));
            vorigeZeile = zeile;
            vorigeGeneration = p.generation;
        }
        // parents, grandparents and great-grandparents each in a column of their own
        QVERIFY(spalten.size() >= 2);
        for (int g = 1; g < 3; ++g)
            if (spalten.contains(g - 1) && spalten.contains(g))
                QVERIFY(*std::max_element(spalten[g - 1].cbegin(), spalten[g - 1].cend()) <
                        *std::min_element(spalten[g].cbegin(), spalten[g].cend()));
    }

    void wurfbuchUndFehler()
    {
        const QString buch = pdf({"litter-book"});
        QVERIFY2(buch.contains("Wurfbuch von") && buch.contains(m_eltern[1]) && buch.contains(m_eltern[0]),
                 qPrintable(buch));
        const QString englisch = pdf({"litter-registration", "--lang", "en"});
        QVERIFY2(englisch.contains("Litter report and pedigree application"), qPrintable(englisch));
        // a tom has no litter print-outs; a wrong form or date says so
        const Run tom =
            cli({"print", "litter-data", "--cat-name", m_eltern[0], "--pdf", m_out.filePath("x.pdf")});
        QCOMPARE(tom.code, 1);
        QVERIFY(tom.err.contains("nur für weibliche Tiere"));
        QCOMPARE(cli({"print", "litter-registration", "--cat", m_queen, "--form", "x", "--pdf", "y"}).code,
                 2);
        const Run ohneWurf = cli({"print", "litter-book", "--cat", m_queen, "--litter-date", "1990-01-01",
                                  "--pdf", m_out.filePath("x.pdf")});
        QCOMPARE(ohneWurf.code, 1);
        QVERIFY(ohneWurf.err.contains("kein Wurf"));
    }

  private:
    // the ancestors as the sheet lays them out: generation (column) and order from the top
    struct Platz {
        QString name;
        int generation, reihe;
    };
    QVector<Platz> ahnen(tav::store::Database &db)
    {
        QVector<Platz> plaetze;
        QVector<QVariant> ebene = {katerDesWurfes(db), QVariant(m_queen.toInt())};
        for (int g = 0; g < 3; ++g) {
            QVector<QVariant> naechste;
            for (int i = 0; i < ebene.size(); ++i) {
                const bool da = ebene[i].toInt() > 0;
                plaetze.append({da ? name(db, ebene[i]) : QString(), g, i});
                naechste << (da ? elternteil(db, ebene[i], true) : QVariant())
                         << (da ? elternteil(db, ebene[i], false) : QVariant());
            }
            ebene = naechste;
        }
        return plaetze;
    }
    QVariant katerDesWurfes(tav::store::Database &db)
    {
        tav::store::Query q(&db, "SELECT Kater FROM wurfbuch WHERE Katze = ? AND Wurftag = ?");
        q.addBindValue(m_queen.toInt());
        q.addBindValue(QDate::fromString(m_tag, Qt::ISODate));
        q.open();
        return q.eof() ? QVariant() : q.value(0);
    }
};

QTEST_GUILESS_MAIN(TstCliWurf)
#include "tst_cliwurf.moc"
