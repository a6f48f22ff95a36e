#include "app/Anwenderdaten.h"
#include "app/DataHome.h"
#include "app/Systemi.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::app;

namespace {
EigeneDaten anna()
{
    EigeneDaten d;
    d.Name = "Berger";
    d.Vorname = "Anna";
    d.Ort = "Hamburg";
    d.Update = "anna_B-01";
    return d;
}

QByteArray datei(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TstAnwenderdaten : public QObject
{
    Q_OBJECT
    QTemporaryDir home;

  private Q_SLOTS:
    void pruefen_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<int>("meldung");
        QTest::addColumn<QString>("falsch");
        QTest::newRow("complete") << "Telefon"
                                  << "040 123" << 0 << "";
        QTest::newRow("no customer number") << "Update"
                                            << "" << 0 << "";
        QTest::newRow("customer number of 15") << "Update"
                                               << "Az09_-Az09_-Az0" << 0 << "";
        QTest::newRow("customer number of 16") << "Update"
                                               << "Az09_-Az09_-Az09" << 6051 << "Update";
        QTest::newRow("blank in customer number") << "Update"
                                                  << "ab c" << 6051 << "Update";
        QTest::newRow("umlaut in customer number") << "Update"
                                                   << "Müller" << 6051 << "Update";
        QTest::newRow("slash in customer number") << "Update"
                                                  << "../x" << 6051 << "Update";
        QTest::newRow("no name") << "Name"
                                 << "" << 6050 << "";
        QTest::newRow("blank first name") << "Vorname"
                                          << "   " << 6050 << "";
        QTest::newRow("town of 40 characters") << "Ort" << QString(40, QChar(0x00e4)) << 0 << "";
        QTest::newRow("town of 41 characters") << "Ort" << QString(41, 'x') << 6052 << "Ort";
        // characters, not UTF-16 units: 40 emoji fit
        QTest::newRow("40 emoji") << "Ort" << QString::fromUtf8("\U0001F431").repeated(40) << 0 << "";
        QTest::newRow("tab in the street") << "Strasse"
                                           << "Weg\t1" << 9452 << "Strasse";
    }
    void pruefen()
    {
        QFETCH(QString, feld);
        QFETCH(QString, wert);
        EigeneDaten d = anna();
        for (const EigenesFeld &f : eigeneFelder())
            if (feld == QLatin1String(f.name))
                d.*f.wert = wert;
        const Pruefung p = eigeneDatenPruefen(d);
        QTEST(p.meldung, "meldung");
        QTEST(p.feld, "falsch");
    }

    // the own record and the club data are one row each; a refused record writes nothing at all
    void schreiben()
    {
        initDataDirectory(home.path());
        tav::store::Database db(dataDirOf(home.path()));
        QCOMPARE(eigeneDatenLesen(db), EigeneDaten{});
        QVERIFY(anwenderdatenSchreiben(db, anna(), Vereinsdaten{"1. Katzenclub", "17", "D-42"}).ok());
        QCOMPARE(eigeneDatenLesen(db), anna());
        QCOMPARE(vereinsdatenLesen(db), (Vereinsdaten{"1. Katzenclub", "17", "D-42"}));
        QCOMPARE(hauptfensterTitel(anna()), QStringLiteral("Tavrenno  <Anna Berger>"));

        EigeneDaten neu = anna();
        neu.Strasse = "Lindenallee 12";
        QVERIFY(anwenderdatenSchreiben(db, neu).ok());
        QCOMPARE(eigeneDatenLesen(db), neu);
        tav::store::Table t(&db, "EIGEN.DB");
        t.open();
        QCOMPARE(t.recordCount(), 1);
        t.close();

        EigeneDaten falsch = neu;
        falsch.Vorname.clear();
        const Pruefung p = anwenderdatenSchreiben(db, falsch, Vereinsdaten{"anderer Club", "", ""});
        QCOMPARE(p.meldung, 6050);
        QCOMPARE(eigeneDatenLesen(db), neu);
        QCOMPARE(vereinsdatenLesen(db).Verein, QStringLiteral("1. Katzenclub"));
    }

    // only a changed default is written; unchanged ones leave the file as it was
    void vorgaben()
    {
        const QString pfad = home.filePath("Tavrenno.ini");
        QVERIFY(ensureSettingsFile(pfad) == SettingsFileStatus::Created);
        QVERIFY(tsysteminfo::load(pfad));
        tsysteminfo &s = *tsysteminfo::instance();
        const QByteArray vorher = datei(pfad);
        QVERIFY(vorgabenSpeichern(s, s.RasseStandardeinstellung, s.FarbeStandardeinstellung));
        QCOMPARE(datei(pfad), vorher);

        QVERIFY(vorgabenSpeichern(s, s.RasseStandardeinstellung, "(SIA/BAL) blue-point"));
        const IniFile ini(pfad);
        QCOMPARE(ini.readString("Stammdaten", "Farbe"), QStringLiteral("(SIA/BAL) blue-point"));
        QCOMPARE(s.FarbeStandardeinstellung, QStringLiteral("(SIA/BAL) blue-point"));
        QCOMPARE(QString::fromUtf8(datei(pfad)).count('\n'), QString::fromUtf8(vorher).count('\n'));

        // a file that cannot be written keeps the settings as they were
        QVERIFY(QFile::setPermissions(pfad, QFileDevice::ReadOwner));
        QFile::setPermissions(home.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool geschrieben = vorgabenSpeichern(s, 39, QString());
        QFile::setPermissions(home.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile::setPermissions(pfad, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (geschrieben)
            QSKIP("the test runs with rights that write any file");
        QCOMPARE(s.RasseStandardeinstellung, 0);
        QCOMPARE(s.FarbeStandardeinstellung, QStringLiteral("(SIA/BAL) blue-point"));
    }
};

QTEST_GUILESS_MAIN(TstAnwenderdaten)
#include "tst_anwenderdaten.moc"
