// Changes over several table files killed after each of their commit steps: after the next start
// every table passes the integrity check and each change is wholly there or wholly absent.
//
// A writer runs under a preloaded library that counts the deletions of journals (and the store's
// own commit files) and kills the process right after the Nth; the run without a kill gives the
// number of steps and the state after the change. The next start is a run of the command-line
// tool, which puts right what a crash left before it reads anything.
#include "../common/CliRun.h"
#include "app/Geld.h"
#include "app/Waehrungsumrechnung.h"
#include "breeding/InzuchtSpeicherung.h"
#include "office/Buchfuehrung.h"
#include "store/Database.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

using namespace tav;

namespace {

QString programPath;

QString daten(const QString &home)
{
    return home + QStringLiteral("/Daten");
}

// The child side: one change, made in this process so that the preloaded library can end it.
int child(const QString &op, const QString &home)
{
    store::Database db(daten(home));
    if (op == QLatin1String("setup-books")) {
        office::Buchfuehrung::tabellenAnlegen(db);
        office::Buchfuehrung b(db);
        const int bank = b.kontoAnlegen(office::Kontoart::Bankkonto, QStringLiteral("Bank"),
                                        app::Geld::ausEinheiten(1000000));
        b.kontoAnlegen(office::Kontoart::Bargeld, QStringLiteral("Kasse"), app::Geld::ausEinheiten(500000));
        const int futter = b.kategorieAnlegen(QStringLiteral("Futter"), office::EinAusAusgabe);
        b.buchen(
            {bank, futter, QDate(2026, 1, 5), app::Geld::ausEinheiten(123456), QStringLiteral("Futter")});
        breeding::speichertabellenAnlegen(db);
    } else if (op == QLatin1String("transfer")) {
        office::Buchfuehrung b(db);
        const auto k = office::konten(db);
        b.buchen({k.at(0).nummer, k.at(1).nummer, QDate(2026, 2, 1), app::Geld::ausEinheiten(250000),
                  QStringLiteral("Umbuchung")});
    } else if (op == QLatin1String("convert")) {
        app::waehrungUmrechnen(db, *app::faktorLesen(QStringLiteral("1,95583")), QDate(2026, 12, 31));
    } else if (op == QLatin1String("coi-save")) {
        breeding::GespeicherteBerechnung c;
        c.art = 1;
        c.name = QStringLiteral("Planung");
        c.vater = QStringLiteral("Kater");
        c.mutter = QStringLiteral("Kätzin");
        c.generation = 6;
        c.inzucht = {QStringLiteral("Ahn : 1 : 1 = 0,12500")};
        c.mitTopKatzen = true;
        for (int slot = 1; slot <= 5; ++slot)
            c.topKatzen.append({slot, QStringLiteral("Top %1").arg(slot), QStringLiteral("0,00 %")});
        c.klone = {{12.5, QStringLiteral("Klon")}};
        for (int i = 1; i <= 40; ++i)
            c.vorfahren.append({i, QStringLiteral("Ahn %1").arg(i), i % 3 + 1, std::nullopt});
        breeding::berechnungSpeichern(db, c);
    } else {
        return 2;
    }
    return 0;
}

// Each table file's records, as one digest per file.
QMap<QString, QByteArray> zustand(const QString &home)
{
    QMap<QString, QByteArray> out;
    const QDir d(daten(home));
    for (const QString &name : d.entryList({QStringLiteral("*.DB")}, QDir::Files, QDir::Name)) {
        sqlite3 *db = nullptr;
        sqlite3_open_v2(d.filePath(name).toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        QCryptographicHash h(QCryptographicHash::Sha1);
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT * FROM data ORDER BY rowid", -1, &st, nullptr) == SQLITE_OK) {
            while (sqlite3_step(st) == SQLITE_ROW) {
                for (int c = 0; c < sqlite3_column_count(st); ++c) {
                    // picture paths name the folder of the run
                    const void *p = sqlite3_column_blob(st, c);
                    h.addData(QByteArray(static_cast<const char *>(p), sqlite3_column_bytes(st, c))
                                  .replace(home.toUtf8(), "HOME"));
                    h.addData("\x1f");
                }
                h.addData("\x1e");
            }
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
        out.insert(name, h.result());
    }
    return out;
}

QStringList beschaedigt(const QString &home)
{
    QStringList out;
    const QDir d(daten(home));
    for (const QString &name : d.entryList({QStringLiteral("*.DB")}, QDir::Files, QDir::Name)) {
        sqlite3 *db = nullptr;
        sqlite3_stmt *st = nullptr;
        QString ergebnis = QStringLiteral("not opened");
        if (sqlite3_open_v2(d.filePath(name).toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
                SQLITE_OK &&
            sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            ergebnis = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
        sqlite3_close(db);
        if (ergebnis != QLatin1String("ok"))
            out << name + QStringLiteral(": ") + ergebnis;
    }
    return out;
}

// every account's balance is its opening balance plus its postings
QStringList buecherFalsch(const QString &home)
{
    store::Database db(daten(home));
    QStringList out;
    if (!db.tableExists(QStringLiteral("KONTEN.DB")))
        return out;
    for (const office::Konto &k : office::konten(db)) {
        app::Geld s = k.eroeffnung;
        for (const office::Buchung &b : office::buchungen(db, k.nummer))
            s += b.betrag;
        if (s.einheiten() != k.kontostand.einheiten())
            out << k.name;
    }
    return out;
}

void kopiere(const QString &von, const QString &nach)
{
    QDir().mkpath(nach);
    for (const QFileInfo &f : QDir(von).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (f.isDir())
            kopiere(f.filePath(), nach + QLatin1Char('/') + f.fileName());
        else
            QFile::copy(f.filePath(), nach + QLatin1Char('/') + f.fileName());
    }
}

// Runs a change as a separate process under the preloaded library.
int schreibe(const QStringList &befehl, const QString &home, int nachSchritt, const QString &zaehler = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("TAVRENNO_HOME"));
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(TAV_CRASH_SHIM));
    if (nachSchritt > 0)
        env.insert(QStringLiteral("TAV_CRASH_AFTER"), QString::number(nachSchritt));
    if (!zaehler.isEmpty())
        env.insert(QStringLiteral("TAV_CRASH_COUNT"), zaehler);
    p.setProcessEnvironment(env);
    QStringList args = befehl;
    args.replaceInStrings(QStringLiteral("HOME"), home);
    const bool cli = args.first() == QLatin1String("cli");
    args.removeFirst();
    p.start(cli ? QStringLiteral(TAV_CLI) : programPath, args);
    p.waitForFinished(300000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QByteArray importDatei(int katzen)
{
    QByteArray s = "Name;Geschlecht;Vater;Mutter;GebDatum;Rasse\n";
    for (int i = 0; i < 10; ++i)
        s += "Absturz Kater " + QByteArray::number(i) + ";1;;;;\n" + "Absturz Katze " +
             QByteArray::number(i) + ";2;;;;\n";
    for (int i = 20; i < katzen; ++i)
        s += "Absturz Kitten " + QByteArray::number(i) + ";" + QByteArray::number(1 + i % 2) +
             ";Absturz Kater " + QByteArray::number(i % 10) + ";Absturz Katze " +
             QByteArray::number(i / 10 % 10) + ";;\n";
    return s;
}

} // namespace

class TstCrashCommit : public QObject
{
    Q_OBJECT
    QTemporaryDir work;
    QString leer, demo, buecher;

  private Q_SLOTS:
    void initTestCase()
    {
        leer = work.filePath(QStringLiteral("leer"));
        demo = work.filePath(QStringLiteral("demo"));
        buecher = work.filePath(QStringLiteral("buecher"));
        QCOMPARE(run(QStringLiteral(TAV_CLI), {QStringLiteral("init"), QStringLiteral("--home"), leer}).code,
                 0);
        kopiere(leer, demo);
        QCOMPARE(run(QStringLiteral(TAV_CLI), {QStringLiteral("demo"), QStringLiteral("--home"), demo}).code,
                 0);
        kopiere(demo, buecher);
        QCOMPARE(schreibe({"self", "--child", "setup-books", "HOME"}, buecher, 0), 0);
        QFile f(work.filePath(QStringLiteral("import.csv")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(importDatei(1000));
    }

    void killedAfterEachStep_data()
    {
        QTest::addColumn<QString>("vorlage");
        QTest::addColumn<QStringList>("befehl");
        const QString datei = work.filePath(QStringLiteral("import.csv"));
        QTest::newRow("demo register") << leer << QStringList{"cli", "demo", "--home", "HOME"};
        QTest::newRow("import of 1000 cats")
            << demo << QStringList{"cli", "import-pedigree", datei, "--home", "HOME"};
        QTest::newRow("bookkeeping transfer")
            << buecher << QStringList{"self", "--child", "transfer", "HOME"};
        QTest::newRow("currency conversion") << buecher << QStringList{"self", "--child", "convert", "HOME"};
        QTest::newRow("inbreeding save") << buecher << QStringList{"self", "--child", "coi-save", "HOME"};
    }
    void killedAfterEachStep()
    {
        QFETCH(QString, vorlage);
        QFETCH(QStringList, befehl);
        const auto vorher = zustand(vorlage);
        const QString ganz = work.filePath(QStringLiteral("ganz-") + QTest::currentDataTag());
        kopiere(vorlage, ganz);
        const QString zaehler = ganz + QStringLiteral(".steps");
        QCOMPARE(schreibe(befehl, ganz, 0, zaehler), 0);
        QFile z(zaehler);
        QVERIFY(z.open(QIODevice::ReadOnly));
        const int schritte = z.readAll().trimmed().toInt();
        QVERIFY2(schritte >= 1, qPrintable(QString::number(schritte)));
        const auto nachher = zustand(ganz);
        QVERIFY(vorher != nachher);

        QStringList fehler;
        for (int n = 1; n <= schritte; ++n) {
            const QString home = work.filePath(QStringLiteral("n%1-").arg(n) + QTest::currentDataTag());
            kopiere(vorlage, home);
            const bool getoetet = schreibe(befehl, home, n) == -1;
            // the next start
            const bool gesagt =
                run(QStringLiteral(TAV_CLI), {QStringLiteral("check"), QStringLiteral("--home"), home})
                    .err.contains(QStringLiteral("unterbrochene Änderung"));
            const QStringList kaputt = beschaedigt(home);
            if (!kaputt.isEmpty())
                fehler << QStringLiteral("N=%1 damaged: %2").arg(n).arg(kaputt.join(QStringLiteral(", ")));
            const auto jetzt = zustand(home);
            QStringList alt, neu, fremd;
            for (auto it = jetzt.cbegin(); it != jetzt.cend(); ++it) {
                if (vorher.value(it.key()) == nachher.value(it.key()))
                    continue; // the change does not touch it
                if (it.value() == vorher.value(it.key()))
                    alt << it.key();
                else if (it.value() == nachher.value(it.key()))
                    neu << it.key();
                else
                    fremd << it.key();
            }
            if (!fremd.isEmpty() || (!alt.isEmpty() && !neu.isEmpty()))
                fehler << QStringLiteral("N=%1 half written: new %2; old %3; neither %4")
                              .arg(n)
                              .arg(neu.join(QLatin1Char(' ')), alt.join(QLatin1Char(' ')),
                                   fremd.join(QLatin1Char(' ')));
            // the next start says that a change was undone, when it was
            if (gesagt != (getoetet && !alt.isEmpty()))
                fehler << QStringLiteral("N=%1 killed %2, undone %3, said %4")
                              .arg(n)
                              .arg(getoetet)
                              .arg(!alt.isEmpty())
                              .arg(gesagt);
            const QStringList falsch = buecherFalsch(home);
            if (!falsch.isEmpty())
                fehler << QStringLiteral("N=%1 balance without its postings: %2")
                              .arg(n)
                              .arg(falsch.join(QLatin1Char(' ')));
            QDir(home).removeRecursively();
        }
        for (const QString &f : std::as_const(fehler))
            qInfo().noquote() << f;
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.value(0)));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    programPath = QCoreApplication::applicationFilePath();
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0)
        return child(QString::fromUtf8(argv[2]), QString::fromUtf8(argv[3]));
    TstCrashCommit t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_crashcommit.moc"
