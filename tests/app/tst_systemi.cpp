#include "app/SettingsCheck.h"
#include "app/Sprache.h"
#include "app/Systemi.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::app;

namespace {
void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QList<int> trimmed(const int *a, int n)
{
    QList<int> out;
    for (int i = 0; i < n && a[i] != 0; ++i)
        out << a[i];
    for (int i = int(out.size()); i < n; ++i)
        if (a[i] != 0)
            out << -1; // a token after the first zero is a fault
    return out;
}
} // namespace

class TstSystemi : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

  private Q_SLOTS:
    // a value that would become a filter or an index name is checked when read: the default
    // stands in and the setting is named for the message at start
    void unusableSettingsFallBack_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("used");
        auto row = [](const char *name, const char *section, const char *key, const QString &value,
                      const QString &used) { QTest::newRow(name) << section << key << value << used; };
        row("status digits", "Auswahlfenster", "Status", "125", "125");
        row("status empty", "Auswahlfenster", "Status", "", "");
        row("status text", "Auswahlfenster", "Status", "1 oder 2", "alle");
        row("status 1,000,000", "Auswahlfenster", "Status", QString("1a").repeated(500000), "alle");
        row("status long digits", "Auswahlfenster", "Status", QString("3").repeated(10000),
            QString("3").repeated(10000));
        row("list index", "Auswahlfenster", "Sortierung", "RufnaIdx", "RufnaIdx");
        row("list unknown", "Auswahlfenster", "Sortierung", "GibtEsNicht", "Nameidx");
        row("record unknown", "Stammdaten", "Sortierung", "GibtEsNicht", "Nameidx");
        row("record index", "Stammdaten", "Sortierung", "zwinname", "zwinname");
    }
    void unusableSettingsFallBack()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, used);
        const QString p = m_dir.filePath("pruefen.ini");
        writeRaw(p, QString("[%1]\n%2=%3\n").arg(section, key, value).toUtf8());
        QVERIFY(tsysteminfo::load(p));
        const tsysteminfo &s = *tsysteminfo::instance();
        const QString &field = section == "Stammdaten" ? s.indexStammdaten
                               : key == "Status"       ? s.Status
                                                       : s.index;
        QCOMPARE(field, used);
        QCOMPARE(s.ungueltig.size(), used == value ? 0 : 1);
        if (used != value) {
            const QString text = ungueltigeEinstellungenText(s.ungueltig);
            QVERIFY(text.startsWith(QString("[%1] %2 = „").arg(section, key)));
            QVERIFY(text.endsWith("“ → " + used));
            QVERIFY(text.size() < 100);
        }
    }

    void defaultsWhenFileIsEmpty()
    {
        tsysteminfo s;
        s.read(IniFile(), QRect(0, 0, 1920, 1040));
        QCOMPARE(s.index, QString("Nameidx"));
        QCOMPARE(s.Status, QString("alle"));
        QCOMPARE(s.TageTraechtigkeit, 65);
        QCOMPARE(s.TageNRplusMinus, 14);
        QCOMPARE(s.StammbaumRechterRand, 125);
        QCOMPARE(s.StammbaumGenBildvertikal, 200);
        QCOMPARE(s.Druckoben, 7.0);
        QCOMPARE(s.Drucklinks, 10.0);
        QCOMPARE(s.Aufloesung, QString("1152x864"));
        QCOMPARE(s.Sprache, QString("Deutsch"));
        QVERIFY(!s.SpracheGeaendert);
        QCOMPARE(s.Textverarbeitung, QString("Write.exe"));
        QCOMPARE(s.Schriftgroesse, 18);
        QCOMPARE(s.StatistikGenerationen, 100);
        QCOMPARE(s.LastCats[4], QString("{}"));
        QVERIFY(s.speichern && s.hilfe && !s.ZusatzBeiZwinger && !s.stammbaumMitName);
        QVERIFY(!s.Umrechnungam.isValid());
        QCOMPARE(s.stammbaumAnzeigeArray[0], 1);
        QCOMPARE(s.stammbaumAnzeigeArray[1], 2);
        QCOMPARE(s.stammbaumAnzeigeArray[2], 0);
    }

    // Every key is read under its own section, whatever the case in the file.
    void readsEveryKey()
    {
        const QString p = m_dir.filePath("alle.ini");
        writeRaw(p,
                 "[AUSWAHLFENSTER]\nanzeigen=0\nsortierung=RufnaIdx\nstatus=12\n"
                 "[stammdaten]\nSortierung=ZwinName\nRasse=4\nFarbe=blau\nHaarart=2\nZusatzBeiZwinger=1\n"
                 "SuchebeiNeuaufnahme=0\nBildAnpassen=0\nTitel=0\nBerechnungGebtermin=63\n"
                 "[Wurfbuch]\nBerechnungRolligkeit=150\nBerechnungPlusMinus=300\nBerechnungAbgabetermin=84\n"
                 "[Stammbaum]\nMitName=1\nAnzeige=Rasse\nDruck=Farbe,Titel\nGeneration=5\nBesitzer=0\n"
                 "LangBild=0\nBild=0\nGenBild=0\nLogo=logo.jpg\nLogoBildHorizontal=1\nLogoBildVertikal=2\n"
                 "Hintergrundbild=h.jpg\nlinkerRand=3\nrechterRand=4\nuntererRand=5\nobererRand=6\n"
                 "BildHorizontal=7\nBildVertikal=8\nGenBildHorizontal=9\nGenBildVertikal=11\n"
                 "[Druck]\nObereRand=2,5\nLinkerRand=abc\n"
                 "[System]\nSpeichern=0\nHilfe=0\nFenster=0\nAufloesung=Maximized\nSprache=Englisch\n"
                 "MerkmalVorTop=0\nWaehrungsumrechnungFaktor=1,95583\nWaehrungsumrechnungAm=31.12.2001\n"
                 "Textverarbeitung=libreoffice --writer\n"
                 "[Warnung]\nVerfallsdatum=0\nTermine=0\nImpfung=0\nWurmkur=0\n"
                 "[Drucken]\nTitelRot=0\nStbDoppelteFarbig=0\nSchriftart=DejaVu Sans\nSchriftgroese=11\n"
                 "Bildauflösung=30\n"
                 "[Adressen]\nSuchebeiNeuaufnahme=0\n[Verpaarung]\nAnzeige=Gekauft,Verkauft\n"
                 "[Inzucht]\nGenerationen=1\nStbGenerationen=7\nBerechnungAuto=0\nFenster=2\nmitVorfahren=0\n"
                 "[Statistiken]\nMaxAnzGenerationen=20\n[LASTCATS]\nCat3={17}\n");
        tsysteminfo s;
        s.read(IniFile(p));
        QVERIFY(!s.Anzeigen);
        QCOMPARE(s.index, QString("RufnaIdx"));
        QCOMPARE(s.Status, QString("12"));
        QCOMPARE(s.indexStammdaten, QString("ZwinName"));
        QCOMPARE(s.RasseStandardeinstellung, 4);
        QCOMPARE(s.FarbeStandardeinstellung, QString("blau"));
        QCOMPARE(s.HaarartStandardeinstellung, 2);
        QVERIFY(s.ZusatzBeiZwinger && !s.SuchebeiNeuaufnahme && !s.BildAnpassen && !s.alleTitel);
        QCOMPARE(s.TageTraechtigkeit, 63);
        QCOMPARE(s.TageNaechsteRolligkeit, 150);
        QCOMPARE(s.TageNRplusMinus, 255); // a byte: held at its limit, not wrapped to 44
        QCOMPARE(s.TagebisAbgabetermin, 84);
        QVERIFY(s.stammbaumMitName && !s.stammbaumBesitzer && !s.StammbaumlangBild && !s.StammbaumBild &&
                !s.StammbaumGenBild);
        QCOMPARE(s.StammbaumGeneration, 5);
        QCOMPARE(s.Stammbaumlogo, QString("logo.jpg"));
        QCOMPARE(s.StammbaumHintergrundbild, QString("h.jpg"));
        const QList<int> sizes = {s.StammbaumLogoBildhorizontal, s.StammbaumLogoBildvertikal,
                                  s.StammbaumLinkerRand,         s.StammbaumRechterRand,
                                  s.StammbaumUntererRand,        s.StammbaumObererRand,
                                  s.StammbaumBildhorizontal,     s.StammbaumBildvertikal,
                                  s.StammbaumGenBildhorizontal,  s.StammbaumGenBildvertikal};
        QCOMPARE(sizes, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 11}));
        QCOMPARE(s.Druckoben, 2.5);
        QCOMPARE(s.Drucklinks, 10.0);
        QVERIFY(!s.speichern && !s.hilfe && !s.Fenstergroesse && !s.MerkmalvorTop);
        QCOMPARE(s.Aufloesung, QString("Maximized"));
        QCOMPARE(s.Sprache, QString("Englisch"));
        QVERIFY(s.SpracheGeaendert);
        QCOMPARE(s.faktoram, 1.95583);
        QCOMPARE(s.Umrechnungam, QDate(2001, 12, 31));
        QCOMPARE(s.Textverarbeitung, QString("libreoffice --writer"));
        QVERIFY(!s.WarnungVerfallsdatum && !s.WarnungTermine && !s.WarnungImpfung && !s.WarnungWurmkur);
        QVERIFY(!s.TitelRot && !s.StbDoppelteFarbig);
        QCOMPARE(s.Schriftart, QString("DejaVu Sans"));
        QCOMPARE(s.Schriftgroesse, 11);
        QCOMPARE(s.BildAufloesung, 30);
        QVERIFY(!s.SuchebeiNeuaufnahmeAdresse);
        QCOMPARE(s.Inzuchtgenerationen, 1);
        QCOMPARE(s.InzuchtStdgenerationen, 7);
        QVERIFY(!s.InzuchtBerechnungAuto && !s.InzuchtmitVorfahren);
        QCOMPARE(s.InzuchtFenster, 2);
        QCOMPARE(s.StatistikGenerationen, 20);
        QCOMPARE(s.LastCats[2], QString("{17}"));
        QCOMPARE(s.LastCats[0], QString("{}"));
        QCOMPARE(s.verpaarungAnzeigeArray[0], 19);
        QCOMPARE(s.verpaarungAnzeigeArray[1], 20);
        QCOMPARE(s.StammbaumDruckenArray[0], 2);

        // what the object writes back reads back the same
        const QString copy = m_dir.filePath("kopie.ini");
        QVERIFY(IniFile::write(copy, s.entries()));
        tsysteminfo t;
        t.read(IniFile(copy));
        QCOMPARE(t.entries().size(), s.entries().size());
        for (int i = 0; i < s.entries().size(); ++i)
            QCOMPARE(t.entries()[i].value, s.entries()[i].value);
    }

    void tokenArrays_data()
    {
        QTest::addColumn<bool>("matings");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QList<int>>("tokens");
        QTest::newRow("example") << false << "Farbe,Titel,Rasse" << QList<int>{2, 1, 11};
        QTest::newRow("repeated word") << false << "Titel,Titel,Farbe" << QList<int>{1, 2};
        QTest::newRow("word inside word") << false << "Rassecode" << QList<int>{11, 12};
        QTest::newRow("case sensitive") << false << "titel,Farbe" << QList<int>{2};
        QTest::newRow("nothing known") << false << "-" << QList<int>{};
        QTest::newRow("pedigree 19-22")
            << false << "Fellart,Täto-Nr.,Merkmale,IK - AVK" << QList<int>{22, 21, 20, 19};
        QTest::newRow("matings 19-23")
            << true << "Fellart,Täto-Nr.,Merkmale,Verkauft,Gekauft" << QList<int>{23, 22, 21, 20, 19};
        QTest::newRow("matings IK unknown") << true << "IK - AVK,Titel" << QList<int>{1};
        QString all;
        for (int t = 22; t >= 1; --t)
            all += stammbaumWoerter()[t - 1] + ",";
        QList<int> allTokens;
        for (int t = 22; t >= 1; --t)
            allTokens << t;
        // "Rasse" is first found inside "Rassecode" and wins the tie; "farbe" in "Augenfarbe" is no "Farbe"
        allTokens.removeAll(11);
        allTokens.insert(allTokens.indexOf(12), 11);
        QTest::newRow("all words reversed") << false << all << allTokens;
        // beyond 255 characters the positions must not wrap round
        QTest::newRow("long string") << false
                                     << QString(300, QLatin1Char(' ')) + "Rasse," + QString(250, ' ') +
                                            "Titel"
                                     << QList<int>{11, 1};
        QTest::newRow("position 256 before 10")
            << false << QString(255, QLatin1Char('.')) + "Farbe" + "Titel" << QList<int>{2, 1};
    }
    void tokenArrays()
    {
        QFETCH(bool, matings);
        QFETCH(QString, order);
        QFETCH(QList<int>, tokens);
        if (matings) {
            const auto a = verpaarungTokens(order);
            QCOMPARE(trimmed(a.data(), 23), tokens);
        } else {
            const auto a = stammbaumTokens(order);
            QCOMPARE(trimmed(a.data(), 22), tokens);
        }
    }

    void emptyOrderGivesTitleAndColour()
    {
        const QString p = m_dir.filePath("leer.ini");
        writeRaw(p, "[Stammbaum]\nAnzeige=\n[Verpaarung]\nAnzeige=\n");
        tsysteminfo s;
        s.read(IniFile(p));
        QCOMPARE(trimmed(s.stammbaumAnzeigeArray.data(), 22), (QList<int>{1, 2}));
        QCOMPARE(trimmed(s.StammbaumDruckenArray.data(), 22), (QList<int>{1, 2}));
        QCOMPARE(trimmed(s.verpaarungAnzeigeArray.data(), 23), (QList<int>{1, 2}));
    }

    void aufloesung_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<QRect>("geometry"); // null: not moved / not resized
        QTest::addColumn<bool>("moved");
        QTest::newRow("cut to small screen")
            << "Angepasst 1280x1024" << QRect(0, 0, 1024, 768) << false << QRect(0, 0, 1024, 768) << true;
        QTest::newRow("centred") << "1024x768" << QRect(0, 0, 1920, 1040) << false
                                 << QRect(448, 136, 1024, 768) << true;
        QTest::newRow("centre rounds down")
            << "801x601" << QRect(0, 0, 1024, 768) << false << QRect(111, 83, 801, 601) << true;
        QTest::newRow("only width cut")
            << "2000x500" << QRect(0, 0, 1024, 768) << false << QRect(0, 0, 1024, 500) << true;
        QTest::newRow("equal is cut")
            << "1024x700" << QRect(0, 0, 1024, 768) << false << QRect(0, 0, 1024, 700) << true;
        QTest::newRow("task bar at top")
            << "800x600" << QRect(0, 40, 1024, 728) << false << QRect(112, 104, 800, 600) << true;
        QTest::newRow("maximized") << "Maximized" << QRect(0, 0, 1280, 984) << true << QRect(0, 0, 1280, 984)
                                   << true;
        QTest::newRow("maximized exact case")
            << "maximized" << QRect(0, 0, 1280, 984) << false << QRect() << false;
        QTest::newRow("no numbers") << "gross" << QRect(0, 0, 1280, 984) << false << QRect() << false;
        QTest::newRow("third x ends")
            << "800x600x5" << QRect(0, 0, 1000, 800) << false << QRect(100, 100, 800, 600) << true;
        QTest::newRow("huge number") << "99999999999999x600" << QRect(0, 0, 1000, 800) << false
                                     << QRect(0, 0, 1000, 600) << true;
    }
    void aufloesung()
    {
        QFETCH(QString, value);
        QFETCH(QRect, workArea);
        QFETCH(bool, maximized);
        QFETCH(QRect, geometry);
        QFETCH(bool, moved);
        const WindowPlacement p = aufloesungPlacement(value, workArea);
        QCOMPARE(p.maximized, maximized);
        QCOMPARE(p.move, moved);
        QCOMPARE(p.resize, !geometry.isNull());
        if (!geometry.isNull())
            QCOMPARE(QRect(p.pos, p.size), geometry);
    }

    void defaultAufloesungBySize_data()
    {
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<QString>("expected");
        QTest::newRow("small") << QRect(0, 0, 800, 600) << "800x600";
        QTest::newRow("wide but low") << QRect(0, 0, 1280, 600) << "800x600";
        QTest::newRow("medium") << QRect(0, 0, 1024, 768) << "1024x768";
        QTest::newRow("large") << QRect(0, 0, 1025, 769) << "1152x864";
        QTest::newRow("unknown") << QRect() << "800x600";
    }
    void defaultAufloesungBySize()
    {
        QFETCH(QRect, workArea);
        QFETCH(QString, expected);
        QCOMPARE(defaultAufloesung(workArea), expected);
    }

    void workAreaAndSavingTheSize()
    {
        tsysteminfo::setWorkAreaProvider(nullptr);
        QRect r(1, 2, 3, 4);
        tsysteminfo s;
        QVERIFY(!s.GetFormMaxRect(r));
        QCOMPARE(r, QRect(0, 0, 0, 0));
        tsysteminfo::setWorkAreaProvider([] { return QRect(0, 0, 1600, 860); });
        QVERIFY(s.GetFormMaxRect(r));
        QCOMPARE(r, QRect(0, 0, 1600, 860));

        const QString p = m_dir.filePath("groesse.ini");
        writeRaw(p, "[system]\naufloesung=800x600\nSprache=Englisch\n");
        QVERIFY(tsysteminfo::load(p));
        tsysteminfo *g = tsysteminfo::instance();
        QVERIFY(g->AufloesungSpeichern(QSize(1111, 777)));
        QCOMPARE(g->Aufloesung, QString("Angepasst 1111x777"));
        const IniFile ini(p);
        QCOMPARE(ini.readString("System", "Aufloesung"), QString("Angepasst 1111x777"));
        QCOMPARE(ini.readString("System", "Sprache"), QString("Englisch"));
        tsysteminfo::setWorkAreaProvider(nullptr);
    }

    void configLocation()
    {
        qputenv("TAVRENNO_CONFIG", "/tmp/eigen");
        qputenv("XDG_CONFIG_HOME", "/tmp/xdg");
        QCOMPARE(configDir(), QString("/tmp/eigen"));
        qunsetenv("TAVRENNO_CONFIG");
        QCOMPARE(configDir(), QString("/tmp/xdg/tavrenno"));
        QCOMPARE(settingsPath(), QString("/tmp/xdg/tavrenno/Tavrenno.ini"));
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(configDir(), QDir::homePath() + "/.config/tavrenno");
    }

    void firstStartCreatesTheFile()
    {
        const QString p = m_dir.filePath("erst/tief/Tavrenno.ini");
        QCOMPARE(ensureSettingsFile(p, QRect(0, 0, 1024, 768)), SettingsFileStatus::Created);
        QCOMPARE(ensureSettingsFile(p, QRect(0, 0, 1024, 768)), SettingsFileStatus::Present);
        const IniFile ini(p);
        QCOMPARE(ini.readString("System", "Aufloesung"), QString("1024x768"));
        QCOMPARE(ini.readString("Inzucht", "Generationen"), QString("5"));
        QCOMPARE(ini.readString("Stammbaum", "Anzeige"), QString("Titel,Farbe"));
        QCOMPARE(ini.readString("Druck", "ObereRand"), QString("7"));
        // a file that is there but cannot be read is not reported as missing
        const QString d = m_dir.filePath("verzeichnis.ini");
        QDir().mkpath(d);
        QCOMPARE(ensureSettingsFile(d), SettingsFileStatus::Unreadable);
        const QString gesperrt = m_dir.filePath("gesperrt.ini");
        writeRaw(gesperrt, "[System]\n");
        QFile::setPermissions(gesperrt, QFile::WriteOwner);
        if (!QFile(gesperrt).open(QIODevice::ReadOnly)) // root reads it anyway
            QCOMPARE(ensureSettingsFile(gesperrt), SettingsFileStatus::Unreadable);
        writeRaw(m_dir.filePath("datei"), "x");
        QCOMPARE(ensureSettingsFile(m_dir.filePath("datei/Tavrenno.ini")), SettingsFileStatus::Failed);
    }

    void updateHook_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("programs");
        QTest::newRow("none") << QByteArray() << QStringList{};
        QTest::newRow("current version")
            << QByteArray("[Version]\nNummer=7.0\n[Programme]\nUpdate1=a\n") << QStringList{};
        QTest::newRow("only first 5 chars")
            << QByteArray("[Version]\nNummer=7.0  \n[Programme]\nUpdate1=a\n") << QStringList{};
        QTest::newRow("first five differ")
            << QByteArray("[Version]\nNummer=7.01x\n[Programme]\nUpdate1=a\n") << QStringList{"a"};
        QTest::newRow("in order, gaps skipped")
            << QByteArray("[version]\nnummer=7.1\n[Programme]\nUpdate3=c --x\nUpdate1=a\nUpdate4=d\n")
            << QStringList{"a", "c --x"};
    }
    void updateHook()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, programs);
        const QString p = m_dir.filePath("TVRUPD.ini");
        QFile::remove(p);
        if (!file.isEmpty())
            writeRaw(p, file);
        QCOMPARE(updatePrograms(p), programs);
    }

    void updateHookRunsEachProgramToItsEnd()
    {
        const QString marker = m_dir.filePath("lauf.txt");
        const QString p = m_dir.filePath("TVRUPD2.ini");
        writeRaw(
            p, QString("[Version]\nNummer=7.2\n[Programme]\nUpdate1=/nicht/da\n"
                       "Update2=/bin/sh -c \"echo eins >> '%1'\"\nUpdate3=/bin/sh -c \"echo zwei >> '%1'\"\n")
                   .arg(marker)
                   .toUtf8());
        tsysteminfo::loadUpdate(p);
        QFile f(marker);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("eins\nzwei\n"));
    }

    // setzen: arrays, the generation floor, the catalogue language and the hooks of the windows
    void setzenAppliesAndCallsHooks()
    {
        tsysteminfo s;
        s.Inzuchtgenerationen = 1;
        s.InzuchtStdgenerationen = 2;
        s.stammbaumAnzeige = "Rasse,Titel";
        s.Sprache = "Holländisch";
        s.SpracheGeaendert = true;
        QList<bool> calls;
        s.addHook([&](tsysteminfo &info, bool changed) {
            calls << changed;
            QCOMPARE(info.stammbaumAnzeigeArray[0], 11);
            QCOMPARE(sprache().offset(), 20000);
        });
        QSignalSpy spy(&s, &tsysteminfo::applied);
        s.setzen();
        QCOMPARE(s.Inzuchtgenerationen, 3);
        QCOMPARE(s.InzuchtStdgenerationen, 3);
        QCOMPARE(sprache().languageNumber(), 2);
        QCOMPARE(calls, QList<bool>{true});
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), true);

        // unchanged language: the offset stays
        s.Sprache = "Englisch";
        s.SpracheGeaendert = false;
        s.setzen();
        QCOMPARE(sprache().offset(), 20000);
        QCOMPARE(calls, (QList<bool>{true, false}));
        sprache().setLanguageNumber(0);
    }

    void languageNumbers_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("number");
        QTest::newRow("de") << "Deutsch" << 0;
        QTest::newRow("en") << "Englisch" << 1;
        QTest::newRow("nl") << "Holländisch" << 2;
        QTest::newRow("lower case is other") << "englisch" << 0;
        QTest::newRow("other") << "Français" << 0;
    }
    void languageNumbers()
    {
        QFETCH(QString, value);
        QFETCH(int, number);
        QCOMPARE(languageNumber(value), number);
        QCOMPARE(languageOffset(number), number * 10000);
    }
};

QTEST_GUILESS_MAIN(TstSystemi)
#include "tst_systemi.moc"
