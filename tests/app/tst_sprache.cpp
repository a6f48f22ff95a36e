#include "CatalogueFixture.h"
#include "app/Sprache.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tav::app;

class TstSprache : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<tav::store::Database> m_db;
    Sprache m_cat;

  private Q_SLOTS:
    void initTestCase()
    {
        fixture::writeCatalogues(m_dir.path());
        m_db = std::make_unique<tav::store::Database>(m_dir.path());
        QVERIFY(m_cat.open(m_db.get()));
    }
    void init() { m_cat.setLanguageNumber(0); }

    void messages_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("de") << 0 << 25 << "Die Einstellungsdatei fehlt!";
        QTest::newRow("en") << 1 << 25 << "The settings file is missing!";
        QTest::newRow("nl") << 2 << 25 << "Het instellingenbestand ontbreekt!";
        QTest::newRow("blanks kept") << 0 << 39 << " mit Blank ";
        QTest::newRow("missing in de") << 0 << 29 << "";
        QTest::newRow("only in en") << 1 << 29 << "Save?";
        QTest::newRow("missing number") << 2 << 4711 << "";
        QTest::newRow("no German fallback") << 2 << 39 << "";
    }
    void messages()
    {
        QFETCH(int, language);
        QFETCH(int, number);
        QFETCH(QString, text);
        m_cat.setLanguageNumber(language);
        QCOMPARE(m_cat.message(number), text);
    }

    void captions_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("de") << 0 << 96 << "&Katze";
        QTest::newRow("en") << 1 << 96 << "&Cat";
        QTest::newRow("nl") << 2 << 96 << "&Kat";
        QTest::newRow("leading blank kept") << 0 << 172 << " Rassen";
        QTest::newRow("missing in nl") << 2 << 97 << "";
        QTest::newRow("unknown language number is German") << 7 << 96 << "&Katze";
    }
    void captions()
    {
        QFETCH(int, language);
        QFETCH(int, number);
        QFETCH(QString, text);
        m_cat.setLanguageNumber(language);
        QCOMPARE(m_cat.caption(number), text);
    }

    void captionForLanguage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("englisch") << "englisch"
                                  << "&Cat";
        QTest::newRow("Englisch") << "Englisch"
                                  << "&Cat";
        QTest::newRow("ENGLISCH") << "ENGLISCH"
                                  << "&Cat";
        QTest::newRow("hollaendisch") << "hollaendisch"
                                      << "&Kat";
        QTest::newRow("Holländisch") << "Holländisch"
                                     << "&Kat";
        QTest::newRow("HOLLÄNDISCH") << "HOLLÄNDISCH"
                                     << "&Kat";
        QTest::newRow("Deutsch") << "Deutsch"
                                 << "&Katze";
        QTest::newRow("english is not a name we know") << "english"
                                                       << "&Katze";
        QTest::newRow("empty") << ""
                               << "&Katze";
    }
    void captionForLanguage()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        m_cat.setLanguageNumber(1); // the current language plays no part
        QCOMPARE(m_cat.captionFor(96, name), text);
    }

    void listItems_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("radio group de") << 500 << 3 << QStringList{"männlich", "weiblich", "Kastrat"};
        QTest::newRow("radio group en") << 10500 << 3 << QStringList{"male", "female", "neutered"};
        QTest::newRow("runs on into the next records") << 502 << 3 << QStringList{"Kastrat", "&Name", ""};
        QTest::newRow("end of the catalogue") << 20500 << 3 << QStringList{"mannelijk", "vrouwelijk"};
        QTest::newRow("missing key") << 10097 + 1 << 2 << QStringList{};
        QTest::newRow("no items asked") << 500 << 0 << QStringList{};
    }
    void listItems()
    {
        QFETCH(int, key);
        QFETCH(int, count);
        QFETCH(QStringList, items);
        QCOMPARE(m_cat.items(key, count), items);
    }

    void removeAccelerator_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("leading") << "&Name"
                                 << "Name";
        QTest::newRow("inside") << "S&peichern"
                                << "Speichern";
        QTest::newRow("only the first") << "A&&B&C"
                                        << "A&B&C";
        QTest::newRow("none") << "Rasse"
                              << "Rasse";
        QTest::newRow("empty") << ""
                               << "";
    }
    void removeAccelerator()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(tav::app::removeAccelerator(in), out);
    }

    // A closed catalogue answers nothing, and does not fail either.
    void closedCatalogue()
    {
        Sprache c;
        QVERIFY(!c.messagesOpen() && !c.captionsOpen());
        QCOMPARE(c.message(25), QString());
        QCOMPARE(c.caption(96), QString());
        QVERIFY(!c.record(96));
        QVERIFY(c.items(500, 3).isEmpty());

        QTemporaryDir empty;
        tav::store::Database none(empty.path());
        QVERIFY(!c.open(&none));
        QCOMPARE(c.captionFor(96, "englisch"), QString());
        // the start reports this in words of its own: the catalogue cannot give them
        const auto failures = c.openFailures();
        QCOMPARE(failures.size(), 2);
        QCOMPARE(failures.at(1).value(0), QString("SPRACHE.DB"));
        const QString english = catalogueFailureText(failures, 2);
        QVERIFY2(english.startsWith("The language catalogue SPRMEL.DB cannot be opened.\r"),
                 qPrintable(english));
        QVERIFY(english.contains("\rThe language catalogue SPRACHE.DB cannot be opened.\r"));
        QVERIFY(catalogueFailureText(failures, 0).contains("Der Sprachkatalog SPRACHE.DB kann nicht"));

        tav::store::Database db(m_dir.path());
        QVERIFY(c.open(&db));
        QVERIFY(c.openFailures().isEmpty());
        QCOMPARE(catalogueFailureText({}, 0), QString());
        QCOMPARE(c.caption(96), QString("&Katze"));
        db.disconnect(); // as backup and restore do
        QVERIFY(!c.captionsOpen());
        QCOMPARE(c.caption(96), QString());
        QCOMPARE(c.message(25), QString());
        QVERIFY(c.open(&db));
        QCOMPARE(c.message(25), QString("Die Einstellungsdatei fehlt!"));
        c.close();
        QCOMPARE(c.message(25), QString());
    }

    // The program-wide functions go through the program's catalogue and its current language.
    void globalShortcuts()
    {
        QVERIFY(sprache().open(m_db.get()));
        sprache().setLanguageNumber(1);
        QCOMPARE(messageText(25), QString("The settings file is missing!"));
        QCOMPARE(captionText(96), QString("&Cat"));
        QCOMPARE(captionTextFor(96, "Holländisch"), QString("&Kat"));
        sprache().setLanguageNumber(0);
        sprache().close();
        QCOMPARE(captionText(96), QString());
    }
};

QTEST_GUILESS_MAIN(TstSprache)
#include "tst_sprache.moc"
