#include "maintenance/Datensicherung.h"
#include "maintenance/Sicherungsmanifest.h"
#include "store/Database.h"
#include "store/Table.h"

#include "../common/CliRun.h"
#include "Ordnerinhalt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

using namespace tav::maintenance;
using tav::store::Database;
using tav::store::Table;

namespace {

using Inhalt = QMap<QString, QByteArray>;

void kopiereOrdner(const QString &von, const QString &nach)
{
    QDir().mkpath(nach);
    for (const QString &name : QDir(von).entryList(QDir::Files))
        QVERIFY(QFile::copy(QDir(von).filePath(name), QDir(nach).filePath(name)));
}

int katzen(const QString &ordner)
{
    Database db(ordner);
    Table t(&db, QStringLiteral("CATSTAMM.DB"));
    t.open();
    return t.recordCount();
}

// counts the files and answers "Abbruch" before file `bei`
struct Zaehler : SicherungsFortschritt {
    int bei = 0, gesehen = 0;
    QStringList namen;
    void datei(Vorgang v, const QString &name, int nr, int) override
    {
        if (v == Vorgang::Kopieren)
            namen << name, gesehen = nr;
    }
    bool abbrechen() override { return bei > 0 && gesehen + 1 == bei; }
};

} // namespace

class TestDatensicherung : public QObject
{
    Q_OBJECT
    QTemporaryDir m_tmp;
    QString m_vorher, m_sicherung; // a register and its backup with one cat less
    Inhalt m_vorherInhalt, m_sicherungInhalt;
    QString m_home, m_daten;

    QString pfad(const QString &name) const { return m_tmp.filePath(name); }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString demo = pfad("demo");
        QCOMPARE(run(TAV_CLI, {"--home", demo, "demo"}).code, 0);
        m_sicherung = pfad("sicherung");
        QDir().mkpath(m_sicherung);
        const SicherungsErgebnis s = datenSichern(demo + "/Daten", m_sicherung, nullptr);
        QVERIFY(s.nichtKopiert.isEmpty() && s.beschaedigt.isEmpty() && s.kopiert > 50);
        {
            Database db(demo + "/Daten");
            Table t(&db, "CATSTAMM.DB");
            t.open();
            t.last();
            t.remove();
        }
        m_vorher = demo + "/Daten";
        m_vorherInhalt = inhalt(m_vorher);
        m_sicherungInhalt = inhalt(m_sicherung);
        QVERIFY(m_vorherInhalt != m_sicherungInhalt);
        QCOMPARE(m_vorherInhalt.keys(), m_sicherungInhalt.keys());
    }

    void init()
    {
        static int n = 0;
        m_home = pfad(QStringLiteral("home%1").arg(++n));
        m_daten = m_home + "/Daten";
        kopiereOrdner(m_vorher, m_daten);
        setDateioperationen({});
    }

    void cleanup() { setDateioperationen({}); }

    // Backing up twice into one folder copies nothing the second time, reports every file and
    // leaves the first backup as it was; the files a backup writes pass the engine's check.
    void backupTwice()
    {
        const QString ziel = pfad("zweimal");
        QDir().mkpath(ziel);
        const SicherungsErgebnis erste = datenSichern(m_daten, ziel, nullptr);
        QCOMPARE(erste.kopiert, int(m_vorherInhalt.size()));
        QVERIFY(erste.vollstaendig);
        QCOMPARE(inhalt(ziel), m_vorherInhalt);
        Zaehler z;
        const SicherungsErgebnis zweite = datenSichern(m_daten, ziel, nullptr, &z);
        QCOMPARE(zweite.kopiert, 0);
        QVERIFY(!zweite.vollstaendig);
        QCOMPARE(zweite.nichtKopiert, QStringList(m_vorherInhalt.keys()));
        QCOMPARE(z.namen, zweite.nichtKopiert);
        QCOMPARE(inhalt(ziel), m_vorherInhalt);
    }

    // The backup reports a copy that fails the check, and stops at "Abbruch".
    void backupReportsDamageAndStops()
    {
        const QString ziel = pfad("beschaedigt");
        QDir().mkpath(ziel);
        setDateioperationen({[](const QString &von, const QString &nach) {
                                 QFile::copy(von, nach);
                                 QFile f(nach);
                                 if (nach.endsWith("FARBE.DB") && f.open(QIODevice::ReadWrite))
                                     f.resize(f.size() / 2);
                                 return true;
                             },
                             {}});
        Zaehler z;
        z.bei = 30;
        const SicherungsErgebnis e = datenSichern(m_daten, ziel, nullptr, &z);
        QVERIFY(e.abgebrochen);
        QCOMPARE(e.kopiert, 29);
        QCOMPARE(e.beschaedigt, QStringList{"FARBE.DB"});
    }

    // Whatever goes wrong before or during the swap, the data folder holds the previous data
    // byte for byte, opens, and nothing is left beside it.
    void faultsKeepThePreviousData_data()
    {
        QTest::addColumn<int>("kopierFehler"); // copy k fails (0: none)
        QTest::addColumn<bool>("voll");        // it writes half the file first
        QTest::addColumn<int>("abbruch");      // "Abbruch" before file k
        QTest::addColumn<int>("tauschFehler"); // rename k of the swap fails
        QTest::addColumn<QString>("schaden");  // "ohne Katzen", "kaputt"
        QTest::addColumn<int>("status");
        const int kopier = int(RueckStatus::KopierFehler), tausch = int(RueckStatus::TauschFehler),
                  kaputt = int(RueckStatus::Beschaedigt), abbr = int(RueckStatus::Abgebrochen);
        for (int k : {1, 30, 61})
            QTest::addRow("copy fails at file %d", k) << k << false << 0 << 0 << QString() << kopier;
        QTest::addRow("full target") << 20 << true << 0 << 0 << QString() << kopier;
        for (int k : {1, 30})
            QTest::addRow("Abbruch at file %d", k) << 0 << false << k << 0 << QString() << abbr;
        for (int k : {1, 2, 3})
            QTest::addRow("swap fails at rename %d", k) << 0 << false << 0 << k << QString() << tausch;
        QTest::addRow("backup without cat table") << 0 << false << 0 << 0 << "ohne Katzen" << kaputt;
        QTest::addRow("damaged file") << 0 << false << 0 << 0 << "kaputt" << kaputt;
    }
    void faultsKeepThePreviousData()
    {
        QFETCH(int, kopierFehler);
        QFETCH(bool, voll);
        QFETCH(int, abbruch);
        QFETCH(int, tauschFehler);
        QFETCH(QString, schaden);
        QFETCH(int, status);
        // a safety folder from an earlier restore must survive a failed one
        kopiereOrdner(m_sicherung, m_home + "/Datensik");
        QString quelle = m_sicherung;
        if (!schaden.isEmpty()) {
            quelle = pfad("quelle" + QString::number(qHash(QTest::currentDataTag())));
            kopiereOrdner(m_sicherung, quelle);
            if (schaden == "kaputt") {
                QFile f(quelle + "/FARBE.DB");
                QVERIFY(f.open(QIODevice::ReadWrite));
                f.seek(f.size() / 2);
                f.write(QByteArray(4096, '\x5a'));
            } else {
                // the marker stays, the table is gone
                QFile::remove(quelle + "/CATSTAMM.DB");
                QFile f(quelle + "/CATSTAMM.DB");
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write("keine Tabelle");
            }
        }
        int kopien = 0, umbenennungen = 0;
        setDateioperationen({[&](const QString &von, const QString &nach) {
                                 if (++kopien != kopierFehler)
                                     return QFile::copy(von, nach);
                                 if (voll) {
                                     QFile a(von), b(nach);
                                     a.open(QIODevice::ReadOnly), b.open(QIODevice::WriteOnly);
                                     b.write(a.read(a.size() / 2));
                                 }
                                 return false;
                             },
                             [&](const QString &von, const QString &nach) {
                                 return ++umbenennungen != tauschFehler && QDir().rename(von, nach);
                             }});
        Zaehler z;
        z.bei = abbruch;
        Ruecksicherung r;
        r.datenordner = m_daten;
        r.sicherung = quelle;
        r.fortschritt = &z;
        const RueckErgebnis e = datenZurueckspielen(r);
        QCOMPARE(int(e.status), status);
        QCOMPARE(inhalt(m_daten), m_vorherInhalt);
        QCOMPARE(inhalt(m_home + "/Datensik"), m_sicherungInhalt);
        QCOMPARE(QDir(m_home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"Daten", "Datensik"}));
        QCOMPARE(katzen(m_daten), katzen(m_vorher));
    }

    // A backup is whole only with every file its manifest lists, each with its size and checksum;
    // an older one without a manifest only with every declared table. Anything less is refused
    // and the data folder and the previous safety folder stay as they are.
    void incompleteBackupsAreRefused_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("dateien");
        const int fehlt = int(RueckStatus::Unvollstaendig), kaputt = int(RueckStatus::Beschaedigt);
        QTest::newRow("listed file missing") << "-FARBE.DB" << fehlt << QStringList{"FARBE.DB"};
        QTest::newRow("listed file is a folder") << "/FARBE.DB" << fehlt << QStringList{"FARBE.DB"};
        QTest::newRow("manifest cut short") << "kurz" << fehlt << QStringList{manifestName};
        QTest::newRow("same size, other bytes") << "anders" << kaputt << QStringList{"FARBE.DB"};
        QTest::newRow("no manifest, every table")
            << "-" + QString(manifestName) << int(RueckStatus::Erfolg) << QStringList();
        QTest::newRow("no manifest, table missing")
            << "-" + QString(manifestName) + " -FARBE.DB" << fehlt << QStringList{"FARBE.DB"};
        QTest::newRow("no manifest, table is a folder")
            << "-" + QString(manifestName) + " /FARBE.DB" << fehlt << QStringList{"FARBE.DB"};
        QTest::newRow("unfinished change of several tables")
            << "+tavrenno-commit" << fehlt << QStringList{"tavrenno-commit"};
        QTest::newRow("cat table alone") << "allein" << fehlt << QStringList();
    }
    void incompleteBackupsAreRefused()
    {
        QFETCH(QString, fall);
        QFETCH(int, status);
        QFETCH(QStringList, dateien);
        kopiereOrdner(m_sicherung, m_home + "/Datensik");
        const QString quelle = m_home + "/quelle";
        QDir().mkpath(quelle);
        for (const QString &name : QDir(m_sicherung).entryList(QDir::Files))
            if (fall != "allein" || name == "CATSTAMM.DB")
                QVERIFY(QFile::copy(m_sicherung + "/" + name, quelle + "/" + name));
        for (const QString &schritt : fall.split(' ')) {
            const QString name = quelle + "/" + schritt.mid(1);
            if (schritt.startsWith('-') || schritt.startsWith('/'))
                QVERIFY(QFile::remove(name));
            if (schritt.startsWith('/'))
                QVERIFY(QDir().mkdir(name));
            if (schritt.startsWith('+'))
                QVERIFY(QFile(name).open(QIODevice::WriteOnly));
        }
        if (fall == "kurz") {
            QFile m(quelle + "/" + manifestName);
            QVERIFY(m.open(QIODevice::ReadWrite));
            QVERIFY(m.resize(m.size() - 40));
        }
        if (fall == "anders") {
            // a header field the engine's check does not look at
            sqlite3 *db = nullptr;
            QCOMPARE(sqlite3_open((quelle + "/FARBE.DB").toUtf8().constData(), &db), SQLITE_OK);
            QCOMPARE(sqlite3_exec(db, "PRAGMA application_id=7", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
            QCOMPARE(QFileInfo(quelle + "/FARBE.DB").size(), qint64(m_sicherungInhalt["FARBE.DB"].size()));
        }
        Ruecksicherung r;
        r.datenordner = m_daten;
        r.sicherung = quelle;
        const RueckErgebnis e = datenZurueckspielen(r);
        QCOMPARE(int(e.status), status);
        if (status == int(RueckStatus::Erfolg)) {
            QCOMPARE(inhalt(m_daten), m_sicherungInhalt);
            return;
        }
        if (fall == "allein")
            QVERIFY(e.dateien.contains("FARBE.DB") && !e.dateien.contains("CATSTAMM.DB"));
        else
            QCOMPARE(e.dateien, dateien);
        QCOMPARE(inhalt(m_daten), m_vorherInhalt);
        QCOMPARE(inhalt(m_home + "/Datensik"), m_sicherungInhalt);
        QCOMPARE(QDir(m_home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"Daten", "Datensik", "quelle"}));
    }

    // The safety folder is a backup: restoring from it swaps the two states back, and it holds
    // the previous data until then.
    void restoreFromSafetyFolder()
    {
        Ruecksicherung r;
        r.datenordner = m_daten;
        r.sicherung = m_sicherung;
        QCOMPARE(int(datenZurueckspielen(r).status), int(RueckStatus::Erfolg));
        QVERIFY(QFileInfo::exists(m_home + "/Datensik/" + manifestName));
        r.sicherung = m_home + "/Datensik";
        QCOMPARE(int(datenZurueckspielen(r).status), int(RueckStatus::Erfolg));
        QCOMPARE(inhalt(m_daten), m_vorherInhalt);
        QCOMPARE(inhalt(m_home + "/Datensik"), m_sicherungInhalt);
        QCOMPARE(katzen(m_daten), katzen(m_vorher));
    }

    // A table a dead writer left mid-change is copied as last committed, without its journal;
    // a folder in the place of a table is named and the backup is not whole.
    void backupCopiesCommittedTablesOnly()
    {
        const QString abgestuerzt = pfad("abgestuerzt"), ziel = m_home + "/ziel";
        kopiereOrdner(m_daten, abgestuerzt);
        QDir().mkpath(ziel);
        {
            // the image a crash leaves: the table with uncommitted pages and its hot journal
            sqlite3 *db = nullptr;
            QCOMPARE(sqlite3_open((m_daten + "/FARBE.DB").toUtf8().constData(), &db), SQLITE_OK);
            const char *sql = "PRAGMA cache_size=2; BEGIN; CREATE TABLE ungesichert(x);"
                              "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<49)"
                              "INSERT INTO ungesichert SELECT randomblob(3000) FROM n;";
            QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
            for (const QString name : {"FARBE.DB", "FARBE.DB-journal"}) {
                QFile::remove(abgestuerzt + "/" + name);
                QVERIFY(QFile::copy(m_daten + "/" + name, abgestuerzt + "/" + name));
            }
            sqlite3_close(db); // rolls back
        }
        QVERIFY(inhalt(abgestuerzt)["FARBE.DB"] != m_vorherInhalt["FARBE.DB"]);
        QFile journal(abgestuerzt + "/FARBE.DB-journal");
        QVERIFY(journal.open(QIODevice::ReadOnly) && journal.read(1) != QByteArray(1, '\0'));
        journal.close();

        const SicherungsErgebnis e = datenSichern(abgestuerzt, ziel, nullptr);
        QVERIFY(e.vollstaendig);
        QCOMPARE(inhalt(ziel), m_vorherInhalt);
        QVERIFY(!QFileInfo::exists(ziel + "/FARBE.DB-journal"));

        QDir().mkpath(ziel + "2");
        QVERIFY(QFile::remove(m_daten + "/FARBE.DB") && QDir().mkdir(m_daten + "/FARBE.DB"));
        const SicherungsErgebnis o = datenSichern(m_daten, ziel + "2", nullptr);
        QCOMPARE(o.ordner, QStringList{"FARBE.DB"});
        QVERIFY(!o.vollstaendig && !QFileInfo::exists(ziel + "2/" + manifestName));
    }

    // A restore swaps the backup in whole, keeps the previous data in Datensik and opens again
    // the tables the program had open, which then show the restored data.
    void restoreSwapsAndReopens()
    {
        Database db(m_daten);
        Table t(&db, "CATSTAMM.DB");
        t.open();
        const int vorher = t.recordCount();
        Zaehler z;
        Ruecksicherung r;
        r.datenordner = m_daten;
        r.sicherung = m_sicherung;
        r.db = &db;
        r.fortschritt = &z;
        QSignalSpy wieder(&db, &Database::reconnected);
        const RueckErgebnis e = datenZurueckspielen(r);
        QCOMPARE(int(e.status), int(RueckStatus::Erfolg));
        QVERIFY(e.nichtGeoeffnet.isEmpty());
        QCOMPARE(z.namen, QStringList(m_sicherungInhalt.keys()));
        QCOMPARE(inhalt(m_daten), m_sicherungInhalt);
        QCOMPARE(inhalt(m_home + "/Datensik"), m_vorherInhalt);
        QCOMPARE(wieder.count(), 1);
        QVERIFY(t.isOpen());
        QCOMPARE(t.recordCount(), vorher + 1);
    }

    // Refused before anything changes: the data folder itself, a folder inside it or inside the safety
    // folder, no backup, an unwritable safety folder, open changes, a No.
    void refusals_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<int>("status");
        QTest::newRow("data folder") << "daten" << int(RueckStatus::UnzulaessigerOrdner);
        QTest::newRow("inside the data folder") << "darin" << int(RueckStatus::UnzulaessigerOrdner);
        QTest::newRow("inside the safety folder") << "sikdarin" << int(RueckStatus::UnzulaessigerOrdner);
        QTest::newRow("no backup") << "leer" << int(RueckStatus::KeineSicherung);
        QTest::newRow("safety folder not writable")
            << "datei" << int(RueckStatus::SicherheitNichtBeschreibbar);
        QTest::newRow("unsaved changes") << "offen" << int(RueckStatus::UngesicherteAenderungen);
        QTest::newRow("No to restore") << "nein" << int(RueckStatus::Verneint);
        QTest::newRow("No to older backup") << "aelter" << int(RueckStatus::Verneint);
    }
    void refusals()
    {
        QFETCH(QString, fall);
        QFETCH(int, status);
        Ruecksicherung r;
        r.datenordner = m_daten;
        r.sicherung = m_sicherung;
        bool aelterGefragt = false;
        r.aelterBestaetigen = [&] { return aelterGefragt = true, false; };
        if (fall == "daten")
            r.sicherung = m_daten + "/../Daten";
        if (fall == "datei")
            QFile(m_home + "/Datensik").open(QIODevice::WriteOnly);
        if (fall == "darin")
            kopiereOrdner(m_sicherung, r.sicherung = m_daten + "/alt");
        if (fall == "sikdarin")
            kopiereOrdner(m_sicherung, r.sicherung = m_home + "/Datensik/alt");
        if (fall == "leer")
            QDir().mkpath(r.sicherung = pfad("leer"));
        if (fall == "offen")
            r.offeneAenderungen = [] { return QStringList{"Katzendaten"}; };
        if (fall == "nein")
            r.bestaetigen = [] { return false; };
        // the backup was made before the data changed; only the last case keeps it older
        QVERIFY(sicherungIstAelter(m_sicherung, m_daten));
        QFile f(m_daten + "/CATSTAMM.DB");
        QVERIFY(f.open(QIODevice::ReadWrite));
        if (fall != "aelter")
            f.setFileTime(QFileInfo(m_sicherung + "/CATSTAMM.DB").lastModified().addSecs(-60),
                          QFileDevice::FileModificationTime);
        f.close();
        QCOMPARE(sicherungIstAelter(m_sicherung, m_daten), fall == "aelter");
        QCOMPARE(int(datenZurueckspielen(r).status), status);
        QCOMPARE(aelterGefragt, fall == "aelter");
        QCOMPARE(inhalt(m_daten), m_vorherInhalt);
        QVERIFY(!QFileInfo::exists(m_home + "/Daten.rueck"));
    }
};

QTEST_GUILESS_MAIN(TestDatensicherung)
#include "tst_datensicherung.moc"
