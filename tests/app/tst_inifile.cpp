#include "app/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using tav::app::IniFile;

namespace {
QString readAll(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
} // namespace

class TstIniFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

  private Q_SLOTS:
    void namesIgnoreCaseValuesExact_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("as written") << "System"
                                    << "Sprache"
                                    << "Englisch";
        QTest::newRow("lower") << "system"
                               << "sprache"
                               << "Englisch";
        QTest::newRow("upper") << "SYSTEM"
                               << "SPRACHE"
                               << "Englisch";
        QTest::newRow("umlaut key") << "drucken"
                                    << "BILDAUFLÖSUNG"
                                    << "20";
        QTest::newRow("value case kept") << "Auswahlfenster"
                                         << "Sortierung"
                                         << "RufnaIdx";
        QTest::newRow("blanks around") << "Auswahlfenster"
                                       << "Status"
                                       << "1 2";
        QTest::newRow("inner blank kept") << "System"
                                          << "Aufloesung"
                                          << "Angepasst 1280x1024";
        QTest::newRow("first section wins") << "Doppelt"
                                            << "A"
                                            << "1";
        QTest::newRow("comment not a key") << "System"
                                           << ";Hilfe"
                                           << "<none>";
    }
    void namesIgnoreCaseValuesExact()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        writeRaw(path("a.ini"),
                 "[System]\r\nSprache=Englisch\r\n;Hilfe=0\r\nAufloesung=Angepasst 1280x1024\r\n"
                 "[Drucken]\nBildauflösung=20\n"
                 "[Auswahlfenster]\n  Sortierung = RufnaIdx  \nStatus=  1 2 \n"
                 "[Doppelt]\nA=1\n[doppelt]\nA=2\n");
        const IniFile ini(path("a.ini"));
        QCOMPARE(ini.readString(section, key, "<none>"), expected);
    }

    void defaultsForMissingAndBadValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("asInt");
        QTest::addColumn<bool>("asBool");
        QTest::addColumn<double>("asFloat");
        QTest::newRow("missing") << "fehlt" << 42 << true << 7.0;
        QTest::newRow("text") << "Text" << 42 << true << 7.0;
        QTest::newRow("empty") << "Leer" << 42 << true << 7.0;
        QTest::newRow("number and text") << "Halb" << 42 << true << 7.0;
        QTest::newRow("zero") << "Null" << 0 << false << 0.0;
        QTest::newRow("one") << "Eins" << 1 << true << 1.0;
        QTest::newRow("negative") << "Minus" << -3 << true << -3.0;
        QTest::newRow("comma decimal") << "Komma" << 42 << true << 7.5;
        QTest::newRow("dot decimal") << "Punkt" << 42 << true << 12.25;
        QTest::newRow("two separators") << "Zwei" << 42 << true << 7.0;
        QTest::newRow("too big for int") << "Riesig" << 42 << true << 99999999999.0;
    }
    void defaultsForMissingAndBadValues()
    {
        QFETCH(QString, key);
        QFETCH(int, asInt);
        QFETCH(bool, asBool);
        QFETCH(double, asFloat);
        writeRaw(path("b.ini"), "[S]\nText=abc\nLeer=\nHalb=12abc\nNull=0\nEins=1\nMinus=-3\nKomma=7,5\n"
                                "Punkt=12.25\nZwei=1,2.3\nRiesig=99999999999\n");
        const IniFile ini(path("b.ini"));
        QCOMPARE(ini.readInteger("s", key, 42), asInt);
        QCOMPARE(ini.readBool("s", key, true), asBool);
        QCOMPARE(ini.readFloat("s", key, 7.0), asFloat);
    }

    // A writer changes its key and nothing else: comments, foreign keys, blank lines and order stay.
    void writeKeepsTheRest()
    {
        const QString p = path("c.ini");
        const QByteArray before =
            "; Einstellungen von Hand\r\n[System]\r\nSprache=Deutsch\r\nFremd=x=y\r\n\r\n"
            "# noch ein Kommentar\r\n[Stammdaten]\r\nRasse=3\r\n";
        writeRaw(p, before);
        QVERIFY(IniFile::write(p, "SYSTEM", "sprache", "Englisch"));
        QVERIFY(IniFile::write(p, "Stammdaten", "Farbe", "rot"));
        QVERIFY(IniFile::write(p, "Neu", "Wert", 5));
        QCOMPARE(readAll(p),
                 QString("; Einstellungen von Hand\r\n[System]\r\nSprache=Englisch\r\nFremd=x=y\r\n\r\n"
                         "# noch ein Kommentar\r\n[Stammdaten]\r\nRasse=3\r\nFarbe=rot\r\n\r\n"
                         "[Neu]\r\nWert=5\r\n"));
        const IniFile ini(p);
        QCOMPARE(ini.readString("System", "Fremd"), QString("x=y"));
    }

    void batchWriteAndNewFile()
    {
        const QString p = path("sub/neu.ini");
        QVERIFY(!IniFile::write(p, "A", "B", "C")); // no directory: reported, not pretended
        const QString q = path("neu.ini");
        QVERIFY(IniFile::write(q, {{"LASTCATS", "Cat1", "{12}"},
                                   {"LASTCATS", "Cat2", "{7}"},
                                   {"System", "Sprache", "Holländisch"},
                                   {"lastcats", "CAT1", "{13}"}}));
        const IniFile ini(q);
        QCOMPARE(ini.readString("LastCats", "cat1"), QString("{13}"));
        QCOMPARE(ini.readString("LASTCATS", "Cat2"), QString("{7}"));
        QCOMPARE(ini.readString("System", "Sprache"), QString("Holländisch"));
        QCOMPARE(readAll(q).count("Cat1", Qt::CaseInsensitive), 1);
    }

    // A value with a line break must not smuggle keys or sections into the file.
    void lineBreaksStayInTheValue()
    {
        const QString p = path("d.ini");
        QVERIFY(IniFile::write(p, "System", "Textverarbeitung", "edit\n[System]\r\nSprache=Englisch"));
        const IniFile ini(p);
        QCOMPARE(ini.readString("System", "Sprache", "Deutsch"), QString("Deutsch"));
        QVERIFY(ini.readString("System", "Textverarbeitung").startsWith("edit "));
    }

    void latin1FileIsRead()
    {
        const QString p = path("e.ini");
        writeRaw(p, QByteArray("[System]\nSprache=Holl\xe4ndisch\n"));
        QCOMPARE(IniFile(p).readString("System", "Sprache"), QString("Holländisch"));
        QVERIFY(IniFile::write(p, "System", "Hilfe", "0"));
        QCOMPARE(IniFile(p).readString("System", "Sprache"), QString("Holländisch"));
    }

    void unreadableFileIsNotOverwritten()
    {
        const QString p = path("f.ini");
        writeRaw(p, "[A]\nB=1\n");
        QFile::setPermissions(p, QFileDevice::Permissions());
        if (QFile(p).open(QIODevice::ReadOnly))
            QSKIP("running with rights that ignore file permissions");
        QVERIFY(!IniFile().load(p));
        QVERIFY(!IniFile::write(p, "A", "C", "2"));
        QFile::setPermissions(p, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(readAll(p), QString("[A]\nB=1\n"));
    }
};

QTEST_GUILESS_MAIN(TstIniFile)
#include "tst_inifile.moc"
