#include "UiFixture.h"
#include "app/ProgramHome.h"
#include "maintenance/Indexerstellung.h"
#include "widgets/DbEngine.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

using namespace fixture;
using tav::maintenance::TDataModuleIndex;

namespace {
int runCli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(TAV_CLI), args);
    p.waitForFinished(120000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QStringList shownLines(const TDBError &d)
{
    QStringList out;
    for (QLabel *l : d.Error)
        if (!l->isHidden())
            out << l->text();
    return out;
}

const QStringList CatstammIndexes{
    "IDXMutterGebDatum", "Nameidx",  "RasseName", "Rufnaidx",         "StatusName",       "ZwinName",
    "IdxMutter",         "IdxVater", "NameDB",    "Zuchtbuchnummer1", "Zuchtbuchnummer2", "Zuchtbuchnummer3"};
} // namespace

class TstDBError : public QObject
{
    Q_OBJECT

    QTemporaryDir home;
    std::unique_ptr<Database> db;

  private Q_SLOTS:
    void initTestCase()
    {
        Scripted::enable(true);
        QCOMPARE(runCli({"--home", home.path(), "init"}), 0);
        QCOMPARE(runCli({"--home", home.path(), "demo"}), 0);
        tav::app::setProgramHome(home.path());
        db = std::make_unique<Database>(home.path() + "/Daten");
        setDefaultDatabase(db.get());
    }
    void cleanupTestCase() { setDefaultDatabase(nullptr); }
    void init()
    {
        Scripted::reset();
        TDBError::resetIndexrekonstruktion();
    }

    void threeStackedErrorsGiveThreeLines()
    {
        EngineError e(EngineError::Category::IndexDamage, 9729, "Index veraltet", 11);
        e.push(10024, "Tabelle fehlt").push(8449, "Intern", 7);
        TDBError d;
        d.prepareEngineError(e, "Bilder.db");
        QCOMPARE(d.windowTitle(), QString("EDBEngine-Fehler entdeckt"));
        QCOMPARE(d.Dateiname, QString("bilder"));
        QCOMPARE(d.LDateiname->text(), QString("Datei: bilder"));
        QCOMPARE(shownLines(d), (QStringList{"Eintrag: 0, Fehlernummer: 9729,  Index veraltet",
                                             "Eintrag: 1,  Fehlernummer: 10024,  Tabelle fehlt",
                                             "Eintrag: 2,  Fehlernummer: 8449,  Intern"}));
        QCOMPARE(d.Panel1->height(), 73);
        QCOMPARE(d.height(), 73 + 65);
        QCOMPARE(d.width(), d.Panel1->width() + 14);
        const int widest = QFontMetrics(d.font()).horizontalAdvance(d.Error[1]->text());
        QCOMPARE(d.Panel1->width(), widest + 16);
        QCOMPARE(d.DoneBtn->y(), d.height() - 56);
        QCOMPARE(d.NatBtn->y(), d.height() - 56);
        // repairable: the repair button shows and pushes "Mehr Informationen" to the right
        QVERIFY(!d.RepBtn->isHidden());
        QCOMPARE(d.NatBtn->x(), 72);
        // native codes of entries 0 and 2
        QVERIFY(d.NatBtn->isEnabled());
        QCOMPARE(d.Nativecode->text(), QString("Fehlerursache: Code(s)   11, Index veraltet  7,  Intern"));
        const int before = d.height();
        QTest::mouseClick(d.NatBtn, Qt::LeftButton);
        QVERIFY(!d.NatBtn->isEnabled());
        QVERIFY(!d.Panel2->isHidden());
        QCOMPARE(d.height(), before + 43);
        QCOMPARE(d.Panel2->y(), d.NatBtn->y() + 31);
        QCOMPARE(d.Panel2->width(), d.Panel1->width());
        QCOMPARE(d.Nativecode->width(), d.Panel1->width() - 15);
    }

    void panelHeightFollowsTheNumberOfLines_data()
    {
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("height");
        QTest::newRow("1") << 1 << 40;
        QTest::newRow("2") << 2 << 57;
        QTest::newRow("4") << 4 << 90;
        QTest::newRow("6 show four") << 6 << 90;
    }
    void panelHeightFollowsTheNumberOfLines()
    {
        QFETCH(int, errors);
        QFETCH(int, height);
        EngineError e(EngineError::Category::Io, 8450, "Fehler 0");
        for (int i = 1; i < errors; ++i)
            e.push(8450, QString("Fehler %1").arg(i));
        TDBError d;
        d.prepareEngineError(e, QString());
        QCOMPARE(d.Panel1->height(), height);
        QCOMPARE(int(shownLines(d).size()), std::min(errors, 4));
        QCOMPARE(d.LDateiname->text(), QString());
        QVERIFY(!d.NatBtn->isEnabled()); // no native code
        QVERIFY(d.RepBtn->isHidden());
        QCOMPARE(d.NatBtn->x(), 6);
    }

    void repairIsOfferedOnlyForIndexDamageOfTheListedTables_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("repair");
        QTest::newRow("catstamm index") << "CATSTAMM.DB" << 9729 << true;
        QTest::newRow("no such index") << "wurfbuch.db" << 9997 << true;
        QTest::newRow("index corrupt") << "Titelhund.db" << 12034 << true;
        QTest::newRow("zuchtwert") << "ZUCHTWERT.DB" << 9729 << true;
        QTest::newRow("outside the list") << "Farbe.db" << 9729 << false;
        QTest::newRow("not an index error") << "CATSTAMM.DB" << 9732 << false;
    }
    void repairIsOfferedOnlyForIndexDamageOfTheListedTables()
    {
        QFETCH(QString, file);
        QFETCH(int, code);
        QFETCH(bool, repair);
        TDBError d;
        d.prepareEngineError(EngineError(EngineError::Category::IndexDamage, code, "x"), file);
        QCOMPARE(!d.RepBtn->isHidden(), repair);
        QCOMPARE(d.NatBtn->x(), repair ? 72 : 6);
    }

    void frameworkForm_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("repair");
        QTest::newRow("Kein Index") << "Kein Index für dieses Feld" << true;
        QTest::newRow("key valuation") << "error in key valuation" << true;
        QTest::newRow("other") << "Feld nicht gefunden" << false;
    }
    void frameworkForm()
    {
        QFETCH(QString, message);
        QFETCH(bool, repair);
        TDBError d;
        d.prepareFrameworkError(message, "catstamm.db");
        QCOMPARE(d.windowTitle(), QString("EDatabase-Fehler entdeckt"));
        QCOMPARE(shownLines(d), QStringList{message + "."});
        QCOMPARE(d.Panel1->height(), 40);
        QVERIFY(d.NatBtn->isHidden());
        QCOMPARE(!d.RepBtn->isHidden(), repair);
        QCOMPARE(d.ErrorNr, repair ? 9729 : 0);
    }

    void handleExceptionChoosesTheForm()
    {
        QString title;
        Scripted::dialog([&](QDialog &d) {
            title = d.windowTitle();
            return 1;
        });
        TDBError::HandleException(DatabaseError("Kein Index"), "catstamm.db");
        QCOMPARE(title, QString("EDatabase-Fehler entdeckt"));
        TDBError::HandleException(std::runtime_error("Speicher voll"), "catstamm.db");
        QCOMPARE(Scripted::shown().last().text, QString("Speicher voll"));
        QCOMPARE(Scripted::shown().last().icon, MsgIcon::Error);
    }

    void repairOfCatstammRecreatesAllIndexes()
    {
        const QString file = "CATSTAMM.DB";
        int cats = 0;
        {
            Table t(db.get(), file);
            t.open();
            cats = t.recordCount();
        }
        QVERIFY(cats > 0);
        db->dropIndex(file, "Nameidx");
        db->dropIndex(file, "Zuchtbuchnummer2");
        QVERIFY(!db->indexNames(file).contains("Nameidx"));
        // a window still has the table open: the repair closes every table first
        Table inUse(db.get(), file);
        inUse.open();
        TDBError d;
        d.prepareEngineError(EngineError(EngineError::Category::IndexDamage, 9997, "Index fehlt"), file);
        QSignalSpy released(&d, &TDBError::tablesReleased);
        QSignalSpy restart(&d, &TDBError::restartRequested);
        QTest::mouseClick(d.RepBtn, Qt::LeftButton);
        QCOMPARE(shownTexts(), QStringList{"Reparatur erfolgreich!"});
        QCOMPARE(Scripted::shown().last().icon, MsgIcon::Information);
        QCOMPARE(released.size(), 1);
        QCOMPARE(restart.size(), 1);
        QVERIFY(TDBError::indexrekonstruktion());
        QVERIFY(!d.RepBtn->isEnabled());
        const QStringList names = db->indexNames(file);
        for (const QString &n : CatstammIndexes)
            QVERIFY2(names.contains(n, Qt::CaseInsensitive), qPrintable(n));
        Table t(db.get(), file);
        t.setIndexName("Nameidx");
        t.open();
        QCOMPARE(t.recordCount(), cats);
        db->checkTable(file);
    }

    void repairOfTitelhundAndZuchtwertWorks()
    {
        TDataModuleIndex m(home.path(), db.get());
        QVERIFY2(m.rebuildByName("titelhund"), qPrintable(m.lastError()));
        QVERIFY2(m.rebuildByName("zuchtwert"), qPrintable(m.lastError()));
        QVERIFY(!m.rebuildByName("farbe"));
    }

    void repairThatCannotRunReportsFailure()
    {
        QTemporaryDir other;
        QDir().mkpath(other.path() + "/Daten");
        Database empty(other.path() + "/Daten");
        empty.createTable("CATSTAMM.DB");
        TDBError d;
        d.setDatabase(&empty);
        d.prepareEngineError(EngineError(EngineError::Category::IndexDamage, 9729, "x"), "Wurfbuch.db");
        QVERIFY(!d.RepBtn->isHidden());
        QTest::mouseClick(d.RepBtn, Qt::LeftButton);
        QCOMPARE(Scripted::shown().size(), 1);
        QVERIFY2(Scripted::shown().first().text.startsWith("Reparatur nicht möglich!"),
                 qPrintable(Scripted::shown().first().text));
        QCOMPARE(Scripted::shown().first().icon, MsgIcon::Error);
        QVERIFY(TDBError::indexrekonstruktion()); // the run ends after any repair
    }

    void failingToAddAnIndexIsNoSuccess()
    {
        // records that break a unique index: the rebuild cannot add it and must say so
        QTemporaryDir other;
        QDir().mkpath(other.path() + "/Daten");
        Database d2(other.path() + "/Daten");
        d2.createTable("SPRACHE.DB");
        {
            Table t(&d2, "SPRACHE.DB");
            t.open();
            for (int nr : {5, 6}) {
                t.append();
                t.setValue("Nummer", nr);
                t.setValue("FeldName", "gleich");
                t.post();
            }
        }
        TableDef broken = *findTableDef("SPRACHE.DB");
        broken.indexes.append(def::uniqueIndex("Einmalig", "FeldName"));
        TDataModuleIndex m(other.path(), &d2);
        QVERIFY(!m.rebuild("SPRACHE.DB", broken));
        QVERIFY(!m.lastError().isEmpty());
        QVERIFY(m.rebuild("SPRACHE.DB")); // the declared indexes are fine
        QVERIFY(m.lastError().isEmpty());
    }

    void startupRefusesAHomeWithoutTheCatTable()
    {
        QTemporaryDir empty;
        QDir().mkpath(empty.path() + "/Daten");
        TDataModuleIndex bad(empty.path(), db.get());
        QVERIFY(!bad.pruefeDatenverzeichnis());
        QVERIFY(bad.ProgEnde);
        QCOMPARE(bad.Datenpfad(), empty.path() + "/Daten/");
        const QString text = TDataModuleIndex::fehlendeTierdatenbankText(empty.path());
        QVERIFY(text.startsWith("Die Programmversion, welche Sie aus dem Verzeichnis " + empty.path()));
        QVERIFY(text.contains(" Bitte Updateinstallation wiederholen, in korrektes Programmverzeichnis!\r\r"
                              "The programm version, which you start from the directory " +
                              empty.path() + " , is not executable"));
        QVERIFY(text.endsWith("Please, repeat the update installation in the correct directory!"));
        TDataModuleIndex good(home.path(), db.get());
        QVERIFY(good.pruefeDatenverzeichnis());
        QVERIFY(!good.ProgEnde);
    }
};

QTEST_MAIN(TstDBError)
#include "tst_dberror.moc"
