#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/resource.h>

using namespace tav::store;

namespace {

struct Lauf {
    int code = -1;
    QString aus, fehler;
};

// adressraum: the child's address space limit in bytes, 0 for none
Lauf cli(const QStringList &args, qint64 adressraum = 0)
{
    QProcess p;
    if (adressraum > 0)
        p.setChildProcessModifier([adressraum] {
            const rlimit r{rlim_t(adressraum), rlim_t(adressraum)};
            setrlimit(RLIMIT_AS, &r);
        });
    p.start(QStringLiteral(TAV_CLI), args);
    p.waitForFinished(120000);
    Lauf l;
    l.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    l.aus = QString::fromUtf8(p.readAllStandardOutput());
    l.fehler = QString::fromUtf8(p.readAllStandardError());
    return l;
}

const QByteArray Kopf = "Name;Geschlecht;Vater;Mutter;GebDatum;Rasse\n";

// A fresh data directory and the files written into it.
struct Heim {
    QTemporaryDir dir;
    Heim()
    {
        const Lauf l = cli({"--home", dir.path(), "init"});
        if (l.code != 0)
            qWarning() << l.fehler;
    }
    QString datei(const QByteArray &inhalt, const QString &name = "stamm.csv")
    {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(inhalt);
        return f.fileName();
    }
    Lauf importiere(const QByteArray &inhalt)
    {
        return cli({"--home", dir.path(), "import-pedigree", datei(inhalt)});
    }
    Lauf coi(const QStringList &args) { return cli(QStringList{"--home", dir.path(), "coi"} + args); }
    QByteArray katzenDatei() const
    {
        QFile f(dir.filePath("Daten/CATSTAMM.DB"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

struct Eintrag {
    int nummer;
    QString geschlecht;
    int vater, mutter, rasse;
    QDate geboren;
};

QHash<QString, Eintrag> register_(const QString &home)
{
    Database db(home + "/Daten");
    Query q(&db,
            "SELECT LaufendeNummer, Name, Geschlecht, Vater, Mutter, Rasse, GebDatum FROM \"catstamm.db\"");
    QHash<QString, Eintrag> r;
    for (q.open(); !q.eof(); q.next())
        r.insert(q.value(1).toString(), {q.value(0).toInt(), q.value(2).toString(), q.value(3).toInt(),
                                         q.value(4).toInt(), q.value(5).toInt(), q.value(6).toDate()});
    return r;
}

const QByteArray Familie = Kopf + "Adam;1;;;2010-01-01;1\n"
                                  "Eva;2;;;2010-01-01;1\n"
                                  "Fremde;2;;;2010-01-01;1\n"
                                  "Sohn;1;Adam;Eva;2012-01-01;1\n"
                                  "Tochter;2;Adam;Eva;2012-01-01;1\n"
                                  "Halbschwester;2;Adam;Fremde;2012-01-01;1\n"
                                  "Enkel Ü;1;Sohn;Tochter;2014-01-01;1\n"
                                  "Halb \"Enkel\";2;Sohn;Halbschwester;2014-01-01;1\n"
                                  "Doppelt;1;;;;\n"
                                  "Doppelt;1;;;;\n";

QJsonObject json(const Lauf &l)
{
    return QJsonDocument::fromJson(l.aus.toUtf8()).object();
}

} // namespace

class TestInzuchtCli : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void importGuteDatei()
    {
        Heim h;
        // BOM, CRLF, umlauts, quotes, blanks around fields, both date forms
        const QByteArray erste = "\xEF\xBB\xBF" + Kopf.trimmed() + "\r\n" +
                                 "O'Malley \"Blue\";1;;;2015-03-01;1\r\n"
                                 "Jürgen Äöü ß;2;;;07.08.2016;\r\n"
                                 " Kätzchen ; 3 ;O'Malley \"Blue\";Jürgen Äöü ß; 2018-12-31 ;2\r\n"
                                 "\r\n";
        Lauf l = h.importiere(erste);
        QCOMPARE(l.code, 0);
        QVERIFY(l.aus.contains("3 Katzen importiert"));
        // parents already in the register, and one defined earlier in the same file
        l = h.importiere(Kopf + "Enkel;2;Kätzchen;Jürgen Äöü ß;;\nUrenkel;4;Kätzchen;Enkel;2020-02-29;\n");
        QCOMPARE(l.code, 0);

        const auto r = register_(h.dir.path());
        QCOMPARE(r.size(), 5);
        const Eintrag blue = r.value("O'Malley \"Blue\""), juergen = r.value("Jürgen Äöü ß"),
                      kaetzchen = r.value("Kätzchen"), enkel = r.value("Enkel"), urenkel = r.value("Urenkel");
        QCOMPARE(blue.geboren, QDate(2015, 3, 1));
        QCOMPARE(blue.vater, 0);
        QCOMPARE(juergen.geboren, QDate(2016, 8, 7));
        QCOMPARE(juergen.rasse, 0);
        QCOMPARE(kaetzchen.geschlecht, QString("3"));
        QCOMPARE(kaetzchen.vater, blue.nummer);
        QCOMPARE(kaetzchen.mutter, juergen.nummer);
        QCOMPARE(kaetzchen.geboren, QDate(2018, 12, 31));
        QCOMPARE(kaetzchen.rasse, 2);
        QCOMPARE(enkel.vater, kaetzchen.nummer);
        QCOMPARE(enkel.mutter, juergen.nummer);
        QVERIFY(!enkel.geboren.isValid());
        QCOMPARE(urenkel.mutter, enkel.nummer);
        QCOMPARE(urenkel.geboren, QDate(2020, 2, 29));
    }

    void importFehlerhafteZeile_data()
    {
        QTest::addColumn<QByteArray>("zeilen"); // after the header and Adam (2), Eva (3)
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("grund");
        QTest::newRow("too few columns") << QByteArray("Kain;1;Adam;Eva;2012-01-01\n") << 4 << "5 Spalten";
        QTest::newRow("too many columns") << QByteArray("Kain;1;Adam;Eva;;;\n") << 4 << "7 Spalten";
        QTest::newRow("unknown parent") << QByteArray("Kain;1;Niemand;Eva;;\n") << 4 << "Niemand";
        QTest::newRow("parent defined further down")
            << QByteArray("Kain;1;Abel;Eva;;\nAbel;1;;;;\n") << 4 << "Abel";
        QTest::newRow("no such day") << QByteArray("Kain;1;Adam;Eva;2012-02-30;\n") << 4 << "2012-02-30";
        QTest::newRow("date without leading zeros")
            << QByteArray("Kain;1;Adam;Eva;1.2.2012;\n") << 4 << "1.2.2012";
        QTest::newRow("sex 5") << QByteArray("Kain;5;Adam;Eva;;\n") << 4 << "Geschlecht";
        QTest::newRow("sex missing") << QByteArray("Kain;;Adam;Eva;;\n") << 4 << "Geschlecht";
        QTest::newRow("unknown breed") << QByteArray("Kain;1;Adam;Eva;;9999\n") << 4 << "9999";
        QTest::newRow("breed name not in the table")
            << QByteArray("Kain;1;Adam;Eva;;Perserkatze\n") << 4 << "Perserkatze";
        QTest::newRow("empty name") << QByteArray(" ;1;Adam;Eva;;\n") << 4 << "Name fehlt";
        QTest::newRow("name too long") << QByteArray(QByteArray(71, 'x') + ";1;;;;\n") << 4 << "70 Zeichen";
        QTest::newRow("queen as sire") << QByteArray("Kain;1;Eva;Eva;;\n") << 4 << "kein Kater";
        QTest::newRow("tom as dam") << QByteArray("Kain;1;Adam;Adam;;\n") << 4 << "keine Katze";
        QTest::newRow("ambiguous parent")
            << QByteArray("Max;1;;;;\nMax;1;;;;\nKain;1;Max;Eva;;\n") << 6 << "nicht eindeutig";
        QTest::newRow("after a blank line, good lines before")
            << QByteArray("Kain;1;Adam;Eva;;\n\nAbel;1;Adam;Eva;31.12.2012;\nSet;1;Adam;Eva;32.12.2012;\n")
            << 7 << "32.12.2012";
    }
    void importFehlerhafteZeile()
    {
        QFETCH(QByteArray, zeilen);
        QFETCH(int, zeile);
        QFETCH(QString, grund);
        Heim h;
        QCOMPARE(h.importiere(Kopf + "Vorhanden;2;;;;\n").code, 0);
        const QByteArray vorher = h.katzenDatei();
        const Lauf l = h.importiere(Kopf + "Adam;1;;;2010-01-01;1\nEva;2;;;;\n" + zeilen);
        QCOMPARE(l.code, 1);
        const QString erwartet = QString("Zeile %1: ").arg(zeile);
        QVERIFY2(l.fehler.contains(erwartet) && l.fehler.contains(grund), qPrintable(l.fehler));
        QVERIFY(l.fehler.contains("Nichts importiert"));
        QCOMPARE(h.katzenDatei(), vorher);
        QCOMPARE(register_(h.dir.path()).keys(), QStringList{"Vorhanden"});
    }

    void importJedeFehlerhafteZeileGemeldet()
    {
        Heim h;
        const Lauf l = h.importiere(Kopf + "A;7;;;;\nB;1;;;;\nC;1;;;2020-13-01;\n");
        QCOMPARE(l.code, 1);
        QVERIFY(l.fehler.contains("Zeile 2: "));
        QVERIFY(!l.fehler.contains("Zeile 3: "));
        QVERIFY(l.fehler.contains("Zeile 4: "));
    }

    void importFalscheKopfzeileOderDatei()
    {
        Heim h;
        Lauf l = h.importiere("Name;Sex;Vater;Mutter;GebDatum;Rasse\nA;1;;;;\n");
        QCOMPARE(l.code, 1);
        QVERIFY(l.fehler.contains("Zeile 1: "));
        l = h.importiere(Kopf + "M\xFC"
                                "ller;1;;;;\n"); // Latin-1, not UTF-8
        QCOMPARE(l.code, 1);
        QVERIFY(l.fehler.contains("UTF-8"));
        l = cli({"--home", h.dir.path(), "import-pedigree", h.dir.filePath("fehlt.csv")});
        QCOMPARE(l.code, 1);
        QVERIFY(register_(h.dir.path()).isEmpty());
    }

    void koeffizient_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<double>("koeffizient");
        QTest::addColumn<QString>("kurz");
        QTest::newRow("full siblings' offspring by name")
            << QStringList{"--cat-name", "Enkel Ü"} << 0.25 << "25,00%";
        QTest::newRow("half siblings' offspring, name with quotes")
            << QStringList{"--cat-name", "Halb \"Enkel\""} << 0.125 << "12,50%";
        QTest::newRow("planned mating of full siblings by name")
            << QStringList{"--sire-name", "Sohn", "--dam-name", "Tochter"} << 0.25 << "25,00%";
        QTest::newRow("planned mating of half siblings by number")
            << QStringList{"--sire", "4", "--dam", "6"} << 0.125 << "12,50%";
        QTest::newRow("planned mating, sire by number, dam by name")
            << QStringList{"--sire", "4", "--dam-name", "Halbschwester"} << 0.125 << "12,50%";
        QTest::newRow("father and daughter")
            << QStringList{"--sire-name", "Adam", "--dam-name", "Halbschwester"} << 0.25 << "25,00%";
        QTest::newRow("unrelated parents") << QStringList{"--cat", "4"} << 0.0 << " 0%";
        QTest::newRow("three generations")
            << QStringList{"--cat-name", "Enkel Ü", "--generations", "3"} << 0.25 << "25,00%";
        QTest::newRow("deepest limit")
            << QStringList{"--cat-name", "Enkel Ü", "--generations", "255"} << 0.25 << "25,00%";
    }
    void koeffizient()
    {
        QFETCH(QStringList, args);
        QFETCH(double, koeffizient);
        QFETCH(QString, kurz);
        static Heim h;
        static const bool geladen = h.importiere(Familie).code == 0;
        QVERIFY(geladen);
        const Lauf j = h.coi(args + QStringList{"--json"});
        QVERIFY2(j.code == 0, qPrintable(j.fehler));
        const QJsonObject o = json(j);
        QCOMPARE(o.value("coefficient").toDouble(), koeffizient);
        QCOMPARE(o.value("shortText").toString(), kurz);
        const Lauf t = h.coi(args);
        QCOMPARE(t.code, 0);
        QVERIFY2(t.aus.contains(o.value("text").toString()), qPrintable(t.aus));
    }

    void ausgabeInAllenTeilen()
    {
        Heim h;
        QCOMPARE(h.importiere(Familie).code, 0);
        const QJsonObject o = json(h.coi({"--cat-name", "Enkel Ü", "--json"}));
        QCOMPARE(o.value("text").toString(), QString(" 0,25000 = 25,00%"));
        QCOMPARE(o.value("generations").toInt(), 5); // the default of the inbreeding setting
        QCOMPARE(o.value("possible").toDouble(), 30.0);
        QCOMPARE(o.value("present").toDouble(), 6.0); // Sohn, Tochter, Adam and Eva twice each
        QCOMPARE(o.value("distinct").toDouble(), 4.0);
        QCOMPARE(o.value("duplicates").toDouble(), 2.0);
        QCOMPARE(o.value("ancestorLoss").toDouble(), 100.0 / 3.0);
        QCOMPARE(o.value("complete").toBool(), false);

        const Lauf t = h.coi({"--cat-name", "Enkel Ü", "--details"});
        QCOMPARE(t.code, 0);
        for (const char *zeile :
             {"Inzuchtkoeffizient: 0,25000 = 25,00%", "Adam : 1 : 1 = 0,12500", "Eva : 1 : 1 = 0,12500",
              "Mögliche Vorfahren: 30", "Verschiedene Vorfahren: 4", "Ahnenverlust in %: 33,30",
              "Stammbaum unvollständig", "Adam – Vater nicht eingetragen"})
            QVERIFY2(t.aus.contains(QString::fromUtf8(zeile)), zeile);

        // a planned mating at G=255 of a pedigree with far fewer generations
        const QJsonObject tief = json(h.coi(
            {"--sire-name", "Enkel Ü", "--dam-name", "Halb \"Enkel\"", "--generations", "255", "--json"}));
        QCOMPARE(tief.value("generations").toInt(), 255);
        QVERIFY(tief.value("possible").isString()); // 2^255 - 2 keeps all its digits
        QVERIFY(tief.value("possible").toString().startsWith("578960446186580977117854925043439539266"));
        // kinship of the parents: (1/2 + 1/8 + 1/4 + 1/8) / 4
        QCOMPARE(tief.value("coefficient").toDouble(), 0.25);
    }

    // --details on a deep register: each list ends after --max-lines lines with a line that
    // counts the rest, and a run that runs out of memory says so instead of aborting
    void detailsBegrenzt()
    {
        QTemporaryDir dir;
        QCOMPARE(
            cli({"--home", dir.path(), "generate", "--cats", "12000", "--generations", "40", "--seed", "7"})
                .code,
            0);
        const QStringList coi = {"--home", dir.path(), "coi", "--cat", "12000", "--generations"};
        // the least address space the tool calculates in without the lists
        qint64 grenze = 0;
        for (qint64 mb : {80, 100, 130, 170, 220, 300, 400})
            if (cli(coi + QStringList{"255"}, mb << 20).code == 0) {
                grenze = mb << 20;
                break;
            }
        QVERIFY(grenze > 0);

        const Lauf knapp = cli(coi + QStringList{"12", "--details", "--max-lines", "3"}, grenze + (64 << 20));
        QCOMPARE(knapp.code, 0);
        const QStringList zeilen = knapp.aus.split('\n');
        const int anfang = int(zeilen.indexOf("Inzucht:"));
        QVERIFY(anfang > 0);
        QVERIFY(zeilen[anfang + 4].startsWith("  Liste zusammengefasst: "));
        const qint64 alle = zeilen[anfang + 4].section(' ', -2, -2).toLongLong();
        QVERIFY(alle > 3);
        QCOMPARE(zeilen[anfang + 5], QString("  Weitere Zeilen, nicht aufgeführt: %1").arg(alle - 3));
        QCOMPARE(zeilen[anfang + 6], QString());
        // the kept lines are the first of the whole list
        const Lauf ganz = cli(coi + QStringList{"12", "--details", "--max-lines", "100000"});
        QCOMPARE(ganz.aus.split('\n').mid(anfang + 1, 3), zeilen.mid(anfang + 1, 3));
        QVERIFY(ganz.aus.contains(zeilen[anfang + 4]));

        const Lauf tief = cli(coi + QStringList{"255", "--details", "--max-lines", "3"}, grenze);
        QCOMPARE(tief.code, 1);
        QVERIFY2(tief.fehler.contains("Zu wenig Arbeitsspeicher") && !tief.fehler.contains("bad_alloc"),
                 qPrintable(tief.fehler));
        QVERIFY(tief.aus.isEmpty());
    }

    void fehler_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("meldung");
        QTest::newRow("unknown name")
            << QStringList{"--cat-name", "Niemand"} << 1 << QStringList{"Niemand", "nicht im Katzenregister"};
        QTest::newRow("part of a name: candidates listed")
            << QStringList{"--cat-name", "Enkel"} << 1
            << QStringList{"Nr. 7: Enkel Ü", "Nr. 8: Halb \"Enkel\""};
        QTest::newRow("name of two cats")
            << QStringList{"--cat-name", "Doppelt"} << 1 << QStringList{"nicht eindeutig", "Nr. 9", "Nr. 10"};
        QTest::newRow("queen as sire")
            << QStringList{"--sire-name", "Tochter", "--dam-name", "Eva"} << 1 << QStringList{"kein Kater"};
        QTest::newRow("tom as dam by number")
            << QStringList{"--sire", "4", "--dam", "1"} << 1 << QStringList{"keine Katze"};
        QTest::newRow("number not in the register") << QStringList{"--cat", "999"} << 1 << QStringList{"999"};
        QTest::newRow("cat without parents")
            << QStringList{"--cat-name", "Adam"} << 1 << QStringList{"nicht in der Katzendatei"};
        QTest::newRow("too few generations")
            << QStringList{"--cat", "7", "--generations", "2"} << 2 << QStringList{"--generations"};
        QTest::newRow("cat and parents")
            << QStringList{"--cat", "7", "--sire", "4", "--dam", "5"} << 2 << QStringList{"Aufruf"};
        QTest::newRow("sire alone") << QStringList{"--sire", "4"} << 2 << QStringList{"Aufruf"};
        QTest::newRow("nothing") << QStringList{} << 2 << QStringList{"Aufruf"};
        QTest::newRow("cat not a number")
            << QStringList{"--cat", "abc"} << 2 << QStringList{"--cat", "keine Zahl"};
        QTest::newRow("dam not a number")
            << QStringList{"--sire", "4", "--dam", "5x"} << 2 << QStringList{"--dam", "„5x“ ist keine Zahl"};
        QTest::newRow("negative line limit")
            << QStringList{"--cat", "7", "--details", "--max-lines", "-1"} << 2 << QStringList{"--max-lines"};
    }
    void fehler()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QStringList, meldung);
        static Heim h;
        static const bool geladen = h.importiere(Familie).code == 0;
        QVERIFY(geladen);
        const Lauf l = h.coi(args);
        QCOMPARE(l.code, code);
        QVERIFY(l.aus.isEmpty());
        for (const QString &m : meldung)
            QVERIFY2(l.fehler.contains(m), qPrintable(l.fehler));
    }

    // plan-matings: every tom of the register with the coefficient coi gives for the pair, lowest
    // first, the same rows as CSV; the print-out; refused calls
    void deckplan()
    {
        Heim h;
        QVERIFY(h.importiere(Familie).code == 0);
        const Lauf j = cli({"--home", h.dir.path(), "plan-matings", "--dam-name", "Tochter", "--json"});
        QVERIFY2(j.code == 0, qPrintable(j.fehler));
        const QJsonObject o = json(j);
        const int mutter = register_(h.dir.path()).value("Tochter").nummer;
        QCOMPARE(o.value("dam").toInt(), mutter);
        const QJsonArray kater = o.value("toms").toArray();
        QCOMPARE(kater.size(), 5); // Adam, Sohn, Enkel Ü and both Doppelt
        double vorher = -1;
        for (const QJsonValue &v : kater) {
            const QJsonObject k = v.toObject();
            const double ik = k.value("coefficient").toDouble();
            QVERIFY(ik >= vorher);
            vorher = ik;
            const Lauf c = h.coi({"--sire", QString::number(k.value("number").toInt()), "--dam",
                                  QString::number(mutter), "--json"});
            QCOMPARE(ik, json(c).value("coefficient").toDouble());
        }
        QCOMPARE(kater.last().toObject().value("name").toString(), QStringLiteral("Enkel Ü"));
        QCOMPARE(kater.last().toObject().value("sharedAncestors").toArray().first().toObject().value("name"),
                 QStringLiteral("Tochter"));

        const QString csv = h.dir.filePath("plan.csv");
        QCOMPARE(cli({"--home", h.dir.path(), "plan-matings", "--dam", QString::number(mutter), "--csv", csv})
                     .code,
                 0);
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList zeilen = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 6);
        QVERIFY(zeilen.last().startsWith(QString::number(kater.last().toObject().value("number").toInt()) +
                                         ";Enkel Ü;"));

        const QString pdf = h.dir.filePath("plan.pdf");
        const Lauf d =
            cli({"--home", h.dir.path(), "print", "mating-plan", "--dam-name", "Tochter", "--pdf", pdf});
        QVERIFY2(d.code == 0 && QFile::exists(pdf), qPrintable(d.fehler));

        QCOMPARE(cli({"--home", h.dir.path(), "plan-matings", "--dam-name", "Sohn"}).code, 1);
        QCOMPARE(
            cli({"--home", h.dir.path(), "plan-matings", "--dam-name", "Tochter", "--avoid", "Gibtsnicht"})
                .code,
            2);
        QCOMPARE(cli({"--home", h.dir.path(), "plan-matings", "--generations", "5"}).code, 2);
    }

    // 200 generations of full siblings: 2^k lines to each ancestor overflow the counts; the
    // analyses end with their message inside a small address space instead of a signal
    void geschwisterketteBegrenzt_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("coi, deepest")
            << QStringList{"coi", "--cat-name", "K199", "--generations", "255"} << 1 << "Zu viele Vorfahren";
        QTest::newRow("coi with lists, deepest")
            << QStringList{"coi", "--cat-name", "K199", "--generations", "255", "--details"} << 1
            << "Zu viele Vorfahren";
        QTest::newRow("coi with lists") << QStringList{"coi", "--cat-name", "K199", "--details"} << 0 << "";
        QTest::newRow("register traits, deepest")
            << QStringList{"register-traits", "--generations", "255", "--csv", "merkmale.csv"} << 0 << "";
    }
    void geschwisterketteBegrenzt()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, meldung);
        static Heim h;
        static const bool geladen = [] {
            QByteArray kette = Kopf + "K0;1;;;;1\nQ0;2;;;;1\n";
            for (int i = 1; i < 200; ++i)
                for (const char *art : {"K", "Q"})
                    kette += QStringLiteral("%1%2;%3;K%4;Q%4;;1\n")
                                 .arg(art)
                                 .arg(i)
                                 .arg(*art == 'K' ? 1 : 2)
                                 .arg(i - 1)
                                 .toUtf8();
            return h.importiere(kette).code == 0;
        }();
        QVERIFY(geladen);
        if (args.contains("merkmale.csv"))
            args.replace(args.indexOf("merkmale.csv"), h.dir.filePath("merkmale.csv"));
        const Lauf l = cli(QStringList{"--home", h.dir.path()} + args, qint64(1) << 30);
        QVERIFY2(l.code == code, qPrintable(QString::number(l.code) + l.fehler));
        QVERIFY2(l.fehler.contains(meldung), qPrintable(l.fehler));
    }
};

QTEST_GUILESS_MAIN(TestInzuchtCli)
#include "tst_inzuchtcli.moc"
