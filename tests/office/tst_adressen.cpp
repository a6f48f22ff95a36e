// The address book's rules without a window: the search statement, the register tabs' ranges,
// the status limit, the save check, the duplicate lookup, the window's position and the group mail.
#include "../common/TableRows.h"
#include "office/AdressSuche.h"
#include "office/Adressen.h"
#include "store/Table.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tav::office;
using tav::store::Database;
using tav::store::Table;

class TstAdressen : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    int perser = 0, perserEx = 0, maine = 0;

    QStringList namen(const AdressKriterien &k)
    {
        QStringList out;
        for (const AdressTreffer &t : adressenSuchen(*db, k))
            out << t.anzeige;
        return out;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        db = std::make_unique<Database>(dir.path());
        for (const char *t : {"ADR_DAT.DB", "RASSE.DB", "STATUSADRESSEN.DB"})
            if (!db->tableExists(t))
                db->createTable(QString::fromLatin1(t));
        perser = neu(*db, "RASSE.DB", {{"RName", "Perser"}}, "RCode");
        perserEx = neu(*db, "RASSE.DB", {{"RName", "Perser Exotic"}}, "RCode");
        maine = neu(*db, "RASSE.DB", {{"RName", "Maine Coon"}}, "RCode");
        const QVector<QVariantMap> adressen = {
            {{"Name", "Meier"},
             {"Vorname", "Hans"},
             {"Telefon", "0221-55"},
             {"Ort", "Köln"},
             {"Plz", "50667"},
             {"Rasse", perser},
             {"Land", "Deutschland"},
             {"Status", "Käufer"},
             {"email", "hans@meier.de"}},
            {{"Name", "Meierhof"},
             {"Vorname", "Anna"},
             {"Zwinger", "vom Hof"},
             {"Telefon", "0221-77"},
             {"Rasse", perserEx},
             {"Status", "Züchter"}},
            {{"Name", "Ärger"},
             {"Vorname", "Ümit"},
             {"Ort", "Aachen"},
             {"Rasse", maine},
             {"Land", "Österreich"}},
            {{"Name", "de Vries"}, {"Vorname", "Jan"}, {"Land", "Nederland"}, {"email", "jan@vries.nl"}},
            {{"Name", "O'Brien \"Tom\""}, {"Vorname", "100%"}},
            {{"Name", "D"}},
            {{"Name", "Dach"}},
            {{"Name", "G"}},
            {{"Name", "Gans"}},
            {{"Name", "Vogel"}},
            {{"Name", "Zander"}},
            {{"Name", "abel"}},
            {{"Name", "d"}},
            {{"Name", "g"}},
        };
        for (const QVariantMap &a : adressen)
            neu(*db, "ADR_DAT.DB", a);
        for (const char *s : {"Käufer", "Züchter"})
            neu(*db, "STATUSADRESSEN.DB", {{"Status", s}});
    }
    void cleanupTestCase() { db.reset(); }

    void search_data()
    {
        QTest::addColumn<QStringList>("kriterien"); // field=value
        QTest::addColumn<QStringList>("treffer");
        QTest::newRow("none: all, by name and first name")
            << QStringList()
            << QStringList{
                   "abel",  "Ärger, Ümit", "D",    "d",           "Dach",           "de Vries, Jan",
                   "G",     "g",           "Gans", "Meier, Hans", "Meierhof, Anna", "O'Brien \"Tom\", 100%",
                   "Vogel", "Zander"};
        QTest::newRow("name prefix regardless of case")
            << QStringList{"name=meier"} << QStringList{"Meier, Hans", "Meierhof, Anna"};
        QTest::newRow("umlaut in lower case") << QStringList{"name=ärg"} << QStringList{"Ärger, Ümit"};
        QTest::newRow("quotes found as typed")
            << QStringList{"name=O'Brien \"T"} << QStringList{"O'Brien \"Tom\", 100%"};
        QTest::newRow("percent is no wildcard")
            << QStringList{"vorname=100%"} << QStringList{"O'Brien \"Tom\", 100%"};
        QTest::newRow("percent alone") << QStringList{"vorname=%"} << QStringList{};
        QTest::newRow("cattery") << QStringList{"zwinger=VOM"} << QStringList{"Meierhof, Anna"};
        QTest::newRow("telephone keeps case and prefix")
            << QStringList{"telefon=0221-5"} << QStringList{"Meier, Hans"};
        QTest::newRow("place") << QStringList{"ort=kö"} << QStringList{"Meier, Hans"};
        QTest::newRow("postcode") << QStringList{"plz=506"} << QStringList{"Meier, Hans"};
        QTest::newRow("breed prefix takes every breed")
            << QStringList{"rasse=Perser"} << QStringList{"Meier, Hans", "Meierhof, Anna"};
        QTest::newRow("breed prefix keeps case") << QStringList{"rasse=perser"} << QStringList{};
        QTest::newRow("no breed matches, whatever else")
            << QStringList{"rasse=Sphynx", "name=Mei"} << QStringList{};
        QTest::newRow("country") << QStringList{"land=öst"} << QStringList{"Ärger, Ümit"};
        QTest::newRow("status keeps case") << QStringList{"status=Kä"} << QStringList{"Meier, Hans"};
        QTest::newRow("status lower case") << QStringList{"status=kä"} << QStringList{};
        QTest::newRow("combined") << QStringList{"name=Meier", "rasse=Perser E", "telefon=0221"}
                                  << QStringList{"Meierhof, Anna"};
    }
    void search()
    {
        QFETCH(QStringList, kriterien);
        QFETCH(QStringList, treffer);
        AdressKriterien k;
        const QHash<QString, QString *> felder = {
            {"name", &k.name},       {"zwinger", &k.zwinger}, {"vorname", &k.vorname},
            {"telefon", &k.telefon}, {"ort", &k.ort},         {"plz", &k.plz},
            {"rasse", &k.rasse},     {"land", &k.land},       {"status", &k.status}};
        for (const QString &kv : kriterien)
            *felder.value(kv.section('=', 0, 0)) = kv.section('=', 1);
        QCOMPARE(k.leer(), kriterien.isEmpty());
        QCOMPARE(namen(k), treffer);
        // the typed texts are bound, never part of the statement
        const AdressAbfrage a = adressAbfrage(*db, k);
        for (const QString &kv : kriterien)
            QVERIFY2(!a.sql.contains(kv.section('=', 1)), qPrintable(a.sql));
    }

    void breedConditionOrder()
    {
        AdressKriterien k;
        k.name = "x";
        k.rasse = "P";
        k.status = "y";
        const AdressAbfrage a = adressAbfrage(k, {perser, perserEx});
        QVERIFY2(a.sql.contains("a.Name GLOB :name AND (a.Rasse = :rasse0 OR a.Rasse = :rasse1) AND "
                                "a.Status GLOB :status"),
                 qPrintable(a.sql));
        QVERIFY(adressAbfrage(k, {}).sql.contains("AND 0 = 1 AND"));
        QVERIFY(adressAbfrage(k, {}).sql.endsWith(
            "ORDER BY a.Name COLLATE DE, a.Vorname COLLATE DE, a.LaufendeNr"));
    }

    void tabs_data()
    {
        QTest::addColumn<int>("reiter");
        QTest::addColumn<QStringList>("namen");
        QTest::newRow("ABC: umlaut, lower case, exact D in either case")
            << 0 << QStringList{"abel", "Ärger", "D", "d"};
        QTest::newRow("DEF: D and G themselves in either case, not Gans")
            << 1 << QStringList{"D", "d", "Dach", "de Vries", "G", "g"};
        QTest::newRow("MNO") << 4 << QStringList{"Meier", "Meierhof", "O'Brien \"Tom\""};
        QTest::newRow("V-Z") << int(ReiterVZ) << QStringList{"Vogel", "Zander"};
        QTest::newRow("status Käufer") << int(ReiterStatus) << QStringList{"Meier"};
        QTest::newRow("status Züchter") << ReiterStatus + 1 << QStringList{"Meierhof"};
        QTest::newRow("A-Z") << int(ReiterAlle)
                             << QStringList{"abel",  "Ärger", "D",    "d",     "Dach",     "de Vries",
                                            "G",     "g",     "Gans", "Meier", "Meierhof", "O'Brien \"Tom\"",
                                            "Vogel", "Zander"};
    }
    void tabs()
    {
        QFETCH(int, reiter);
        QFETCH(QStringList, namen);
        const QStringList status = statusListe(*db);
        QCOMPARE(status, QStringList({"Käufer", "Züchter"}));
        Table t(db.get(), "ADR_DAT.DB");
        t.open();
        bereichSetzen(t, reiter, status);
        QStringList out;
        for (t.first(); !t.eof(); t.next())
            out << t.text("Name");
        QCOMPARE(out, namen);
    }

    void rules()
    {
        QCOMPARE(reiterTexte({"Käufer"}), QStringList({"ABC", "DEF", "GHI", "JKL", "MNO", "PQR", "STU", "V-Z",
                                                       "Suche", "Neu", "A-Z", "Käufer"}));
        QVERIFY(!statusVoll(9));
        QVERIFY(statusVoll(10));

        Table t(db.get(), "ADR_DAT.DB");
        t.open();
        t.append();
        t.setValue("Name", "  ");
        QVERIFY(nameFehlt(t));
        t.setValue("Name", "Meier");
        QVERIFY(!nameFehlt(t));
        t.cancel();

        const int meier = gleicherName(*db, "Meier", "Hans");
        QVERIFY(meier > 0);
        QCOMPARE(gleicherName(*db, "Meier", "Hans", meier), 0);
        QCOMPARE(gleicherName(*db, "meier", "Hans"), 0);
        QVERIFY(gleicherName(*db, "Dach", "") > 0);

        // breeder or owner button: on that address, on a new one, or all addresses
        const auto ziel = [](AdressAufruf a, int z, int b, int s) {
            const AdressZiel r = adressZiel(a, z, b, s);
            return QString("%1/%2").arg(r.neu).arg(r.nummer);
        };
        QCOMPARE(ziel(AdressAufruf::Zuechter, 5, 7, 0), QString("0/5"));
        QCOMPARE(ziel(AdressAufruf::Zuechter, 0, 7, 0), QString("1/0"));
        QCOMPARE(ziel(AdressAufruf::Besitzer, 5, 7, 0), QString("0/7"));
        QCOMPARE(ziel(AdressAufruf::Besitzer, 5, 0, 2), QString("1/0"));
        QCOMPARE(ziel(AdressAufruf::Besitzer, 5, 7, 1), QString("0/0"));
        QCOMPARE(ziel(AdressAufruf::Menue, 5, 7, 0), QString("0/0"));

        // the search dialog widened for its grid moves left, but not off the screen
        QCOMPARE(suchDialogLinks(500, 0), 350);
        QCOMPARE(suchDialogLinks(151, 0), 1);
        QCOMPARE(suchDialogLinks(150, 0), 3);
        QCOMPARE(suchDialogLinks(1300, 1280), 1283);
    }

    void groupMail()
    {
        QVector<AdressTreffer> gewaehlt(3);
        gewaehlt[0].anzeige = "Meier, Hans";
        gewaehlt[0].email = "hans@meier.de";
        gewaehlt[1].anzeige = "Gans";
        gewaehlt[2].anzeige = "de Vries, Jan";
        gewaehlt[2].email = "jan & co@vries.nl";
        const GruppenMail m = gruppenMail(gewaehlt, "Mit freundlichen Grüßen", "Jörg", "Müller");
        QCOMPARE(m.ohneEmail, QStringList({"Gans"}));
        QCOMPARE(
            QString::fromLatin1(m.link.toEncoded()),
            QString("mailto:hans@meier.de;jan%20%26%20co@vries.nl?subject=%20&body=%0AMit%20freundlichen%20"
                    "Gr%C3%BC%C3%9Fen%20%0AJ%C3%B6rg%20M%C3%BCller"));
        QVERIFY(!gruppenMail({gewaehlt[1]}, "x", "a", "b").link.isValid());
    }
};

QTEST_GUILESS_MAIN(TstAdressen)
#include "tst_adressen.moc"
