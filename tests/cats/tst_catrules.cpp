#include "CatsFixture.h"
#include "cats/CatRules.h"
#include "cats/Stammdaten.h"
#include "store/EngineError.h"

#include <QtTest>

using namespace tav::cats;
using tav::store::Table;

class TstCatRules : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void sex_data()
    {
        QTest::addColumn<QString>("geschlecht");
        QTest::addColumn<bool>("kater");
        QTest::addColumn<bool>("katze");
        QTest::newRow("tom") << "1" << true << false;
        QTest::newRow("queen") << "2" << false << true;
        QTest::newRow("neutered tom") << "3" << true << false;
        QTest::newRow("spayed queen") << "4" << false << true;
        QTest::newRow("none") << "" << false << false;
        QTest::newRow("unknown code") << "5" << false << false;
    }
    void sex()
    {
        QFETCH(QString, geschlecht);
        QTEST(istKater(geschlecht), "kater");
        QTEST(istKatze(geschlecht), "katze");
    }

    void copyTakesStoredFieldsOnly()
    {
        CatsFixture f;
        Table t(&f.db(), QStringLiteral("CATSTAMM.DB"));
        t.open();
        const QStringList gespeichert = t.fieldNames();
        for (const QString &feld : kopierteFelder())
            QVERIFY2(gespeichert.contains(feld), qPrintable(feld));
        // the identity of the cat shown never goes over to its copy
        for (const char *eigen : {"LaufendeNummer", "IDCode", "Zuchtbuchnummer1", "Rufname"})
            QVERIFY(!kopierteFelder().contains(QString::fromLatin1(eigen)));
        QCOMPARE(kopieName(QStringLiteral("Felix"), 0), QStringLiteral("Felix Kopie"));
        QCOMPARE(kopieName(QStringLiteral("Felix"), 1), QStringLiteral("Felix Copy"));
        QCOMPARE(kopieName(QStringLiteral("Felix"), 2), QStringLiteral("Felix Kopie"));
    }

    void beforePosting_data()
    {
        QTest::addColumn<bool>("neu");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("geschlecht");
        QTest::addColumn<int>("hindernis");
        QTest::newRow("complete") << true << "Felix"
                                  << "1" << int(PostHindernis::Keines);
        QTest::newRow("new without name") << true << ""
                                          << "1" << int(PostHindernis::NameFehlt);
        QTest::newRow("new, blanks only") << true << "   "
                                          << "" << int(PostHindernis::NameFehlt);
        QTest::newRow("stored cat may lose its name") << false << ""
                                                      << "2" << int(PostHindernis::Keines);
        QTest::newRow("without sex") << true << "Felix"
                                     << " " << int(PostHindernis::GeschlechtFehlt);
        QTest::newRow("stored cat without sex") << false << "Felix"
                                                << "" << int(PostHindernis::GeschlechtFehlt);
    }
    void beforePosting()
    {
        QFETCH(bool, neu);
        QFETCH(QString, name);
        QFETCH(QString, geschlecht);
        QFETCH(int, hindernis);
        QCOMPARE(int(postHindernis(neu, name, geschlecht)), hindernis);
    }

    void studBookNumber()
    {
        CatsFixture f;
        const QVariantMap zb = {{QStringLiteral("Zuchtbuchnummer1"), QStringLiteral("X-1")}};
        const int a = f.cat(QStringLiteral("Anton"), QStringLiteral("1"), zb);
        const int b = f.cat(QStringLiteral("Berta"), QStringLiteral("2"), zb);
        f.cat(QStringLiteral("Carl"), QStringLiteral("1"),
              {{QStringLiteral("Zuchtbuchnummer1"), QStringLiteral("Y")}});
        Table t(&f.db(), QStringLiteral("CATSTAMM.DB"));
        t.open();
        QCOMPARE(andereKatzeMitZuchtbuchnummer(t, QStringLiteral("X-1"), a), b);
        QCOMPARE(andereKatzeMitZuchtbuchnummer(t, QStringLiteral(" X-1 "), b), a);
        QVERIFY(andereKatzeMitZuchtbuchnummer(t, QStringLiteral("X-1"), 0) != 0);
        QCOMPARE(andereKatzeMitZuchtbuchnummer(t, QStringLiteral("Z"), 0), 0);
        QCOMPARE(andereKatzeMitZuchtbuchnummer(t, QString(), 0), 0);
        // the cursor is back on its own order and sees every cat again
        QCOMPARE(t.indexName(), QString());
        QCOMPARE(t.recordCount(), 3);
    }

    void studBookNumberEngineErrorLeavesCursor()
    {
        CatsFixture f;
        f.add(QStringLiteral("RASSE.DB"), {});
        Table t(&f.db(), QStringLiteral("RASSE.DB")); // no such index: the engine refuses
        t.open();
        const QString index = t.indexName();
        QVERIFY_THROWS_EXCEPTION(tav::store::EngineError,
                                 andereKatzeMitZuchtbuchnummer(t, QStringLiteral("X"), 0));
        QCOMPARE(t.indexName(), index);
        QCOMPARE(t.recordCount(), 1);
        QVERIFY(t.hasRecord());
    }

    void traitsOfCat()
    {
        CatsFixture f;
        for (const char *t : {"KATZEMERKMAL.DB", "MERKMALE.DB"})
            f.db().createTable(QString::fromLatin1(t));
        auto merkmal = [&](const char *kuerzel, int farbe) {
            return f.add(QStringLiteral("MERKMALE.DB"),
                         {{QStringLiteral("Bezeichnung"), QString::fromLatin1(kuerzel)},
                          {QStringLiteral("Kuerzel"), QString::fromLatin1(kuerzel)},
                          {QStringLiteral("farbe"), farbe}});
        };
        const int hcm = merkmal("HCM", 0xff), pkd = merkmal("PKD", 0xff00);
        const int katze = f.cat(QStringLiteral("Anton"), QStringLiteral("1"));
        for (int m : {pkd, 999, hcm}) // 999: a trait the catalogue no longer holds
            f.add(QStringLiteral("KATZEMERKMAL.DB"),
                  {{QStringLiteral("Katze"), katze}, {QStringLiteral("Merkmal"), m}});
        f.add(QStringLiteral("KATZEMERKMAL.DB"),
              {{QStringLiteral("Katze"), katze + 1}, {QStringLiteral("Merkmal"), hcm}});

        const KatzeMerkmale m = merkmaleDerKatze(f.db(), katze);
        QCOMPARE(m.kuerzel, (QStringList{"PKD", "HCM"}));
        QCOMPARE(m.farbe, 0xff00); // the first trait's colour, not the last one's
        QVERIFY(merkmaleDerKatze(f.db(), 0).kuerzel.isEmpty());
        QVERIFY(merkmaleDerKatze(f.db(), katze + 2).kuerzel.isEmpty());

        QCOMPARE(elternText(QStringLiteral("Anton"), m.kuerzel), QStringLiteral("Anton -- PKD / HCM"));
        QCOMPARE(elternText(QStringLiteral("Anton"), {}), QStringLiteral("Anton"));
    }

    void addressesOfCat()
    {
        CatsFixture f;
        QCOMPARE(eigeneAdresseText(f.db()), QString());
        const int nr =
            f.add(QStringLiteral("ADR_DAT.DB"), {{QStringLiteral("Name"), QStringLiteral("Berger")},
                                                 {QStringLiteral("Vorname"), QStringLiteral("Anna")},
                                                 {QStringLiteral("Ort"), QStringLiteral("Ort")},
                                                 {QStringLiteral("Land"), QStringLiteral("D")}});
        f.add(QStringLiteral("EIGEN.DB"), {{QStringLiteral("Name"), QStringLiteral("Zwinger")},
                                           {QStringLiteral("Ort"), QStringLiteral("Leeds")},
                                           {QStringLiteral("land"), QStringLiteral("England")}});
        Table adr(&f.db(), QStringLiteral("ADR_DAT.DB"));
        adr.open();
        QCOMPARE(adressText(adr, nr), QStringLiteral("Berger, Anna\nD-Ort"));
        QCOMPARE(adressText(adr, nr + 1), QString());
        QCOMPARE(adressText(adr, 0), QString());
        QCOMPARE(eigeneAdresseText(f.db()), QStringLiteral("Zwinger\nLeeds\nEngland"));
    }
};

QTEST_GUILESS_MAIN(TstCatRules)
#include "tst_catrules.moc"
