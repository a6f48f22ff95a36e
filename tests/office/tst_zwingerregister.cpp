// The cattery registers without a window: the search with every criterion bound, the breeder's
// name split, the copy into the address book, the kinds of a cattery's entries and the private
// tables made only when missing.
#include "office/Zwingerregister.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::office;
using tav::store::Database;
using tav::store::Table;

Q_DECLARE_METATYPE(ZwinSuche)

class TstZwingerregister : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    const ZwingerTabellen privat = zwingerTabellen(true);

    qint64 zwinger(const QString &name, const QString &zuechter, const QString &ort, const QString &rasse)
    {
        Table t(db.get(), privat.zwinger);
        t.open();
        t.append();
        t.setValue("Zwinger", name);
        t.setValue("Züchter", zuechter);
        t.setValue("Ort", ort);
        t.setValue("PLZ", ort.isEmpty() ? QString() : QString::number(10000 + ort.size()));
        t.setValue("Rasse", rasse);
        t.post();
        return t.value("LaufendeNummer").toLongLong();
    }
    void eintrag(qint64 zw, KatzeArt art, const QString &name, const QByteArray &bild = {})
    {
        Table t(db.get(), privat.eintraege);
        t.open();
        t.append();
        t.setValue("Zwinger", zw);
        t.setValue("KatzeArt", int(art));
        t.setValue("Name", name);
        if (!bild.isEmpty())
            t.setValue("Bild", bild);
        t.post();
    }
    QStringList finde(const ZwinSuche &s)
    {
        const ZwinAbfrage a = zwinSuchAbfrage(s, privat);
        tav::store::Query q(db.get(), a.sql);
        for (const QVariant &w : a.werte)
            q.addBindValue(w);
        q.open();
        QStringList out;
        for (; !q.eof(); q.next())
            out << q.value("Zwinger").toString();
        return out;
    }

  private Q_SLOTS:
    void init()
    {
        db = std::make_unique<Database>(dir.path());
        for (const QString &t :
             {privat.zwinger, privat.eintraege, QString("ADR_DAT.DB"), QString("RASSE.DB")}) {
            if (db->tableExists(t))
                db->dropTable(t);
        }
        QCOMPARE(privatesRegisterAnlegen(*db), QStringList({privat.eintraege, privat.zwinger}));
        QVERIFY(privatesRegisterAnlegen(*db).isEmpty());
        db->createTable(QStringLiteral("ADR_DAT.DB"));
        db->createTable(QStringLiteral("RASSE.DB"));
    }
    void cleanup() { db.reset(); }

    void searchBindsEveryCriterion_data()
    {
        QTest::addColumn<ZwinSuche>("suche");
        QTest::addColumn<QStringList>("gefunden");
        const auto s = [](QString zuechter, QString zwinger, QString ort, QString rasse, int art = 0) {
            ZwinSuche z;
            z.zuechter = zuechter;
            z.zwinger = zwinger;
            z.ort = ort;
            z.rasse = rasse;
            z.art = art;
            return z;
        };
        QTest::newRow("nothing: every cattery in order")
            << s({}, {}, {}, {})
            << QStringList({"Ärmelkanal", "d'Artagnan", "Fifty-Fifty", "Fifty%Fifty", "vom \"Hof\""});
        QTest::newRow("quote as typed") << s({}, "d'A", {}, {}) << QStringList({"d'Artagnan"});
        QTest::newRow("double quote") << s({}, "vom \"H", {}, {}) << QStringList({"vom \"Hof\""});
        QTest::newRow("percent is a character") << s({}, "Fifty%", {}, {}) << QStringList({"Fifty%Fifty"});
        QTest::newRow("underscore is a character") << s({}, "Fifty_", {}, {}) << QStringList();
        QTest::newRow("prefix, umlaut") << s({}, "Ärm", {}, {}) << QStringList({"Ärmelkanal"});
        QTest::newRow("case as typed") << s({}, "ärm", {}, {}) << QStringList();
        QTest::newRow("prefix only") << s({}, "Artagnan", {}, {}) << QStringList();
        QTest::newRow("breeder") << s("Müller", {}, {}, {}) << QStringList({"Fifty-Fifty"});
        QTest::newRow("breeder in capitals") << s("MÜLLER", {}, {}, {}) << QStringList({"Ärmelkanal"});
        QTest::newRow("place") << s({}, {}, "Zw", {}) << QStringList({"d'Artagnan"});
        QTest::newRow("breed") << s({}, {}, {}, "Per") << QStringList({"Fifty%Fifty", "vom \"Hof\""});
        QTest::newRow("breeder and breed") << s("Müller", {}, {}, "Maine") << QStringList({"Fifty-Fifty"});
        QTest::newRow("with studs") << s({}, {}, {}, {}, 1) << QStringList({"d'Artagnan", "vom \"Hof\""});
        QTest::newRow("kittens and breed") << s({}, {}, {}, "Perser", 3) << QStringList({"vom \"Hof\""});
        QTest::newRow("no queens anywhere") << s({}, {}, {}, {}, 2) << QStringList();
    }
    void searchBindsEveryCriterion()
    {
        QFETCH(ZwinSuche, suche);
        QFETCH(QStringList, gefunden);
        zwinger("Fifty%Fifty", "Okonkwo, Ada", "Bremen", "Perser");
        zwinger("Fifty-Fifty", "Müller, Jens", "Bremen", "Maine Coon");
        const qint64 hof = zwinger("vom \"Hof\"", "Schmidt", "", "Perser");
        const qint64 artagnan = zwinger("d'Artagnan", "Dubois, Léa", "Zwolle", "Chartreux");
        zwinger("Ärmelkanal", "MÜLLER, Eva", "Hamburg", "Britisch Kurzhaar");
        eintrag(hof, KatzeArt::Deckkater, "Anton");
        eintrag(hof, KatzeArt::Deckkater, "Bruno");
        eintrag(hof, KatzeArt::Jungtiere, "Wurf A");
        eintrag(artagnan, KatzeArt::Deckkater, "Cassis");
        QCOMPARE(finde(suche), gefunden);
    }

    void breederSplit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("vorname");
        QTest::newRow("comma and two blanks") << "Hollwede,  Annegret"
                                              << "Hollwede"
                                              << "Annegret";
        QTest::newRow("no comma: all name") << "Katzenhof Sonnenschein"
                                            << "Katzenhof Sonnenschein"
                                            << "";
        QTest::newRow("first comma splits") << "de Wit, Sanne, Dr."
                                            << "de Wit"
                                            << "Sanne, Dr.";
        QTest::newRow("nothing before the comma") << " , Sanne"
                                                  << "Sanne"
                                                  << "";
        QTest::newRow("blanks around") << "  Pennick ,Oliver "
                                       << "Pennick"
                                       << "Oliver";
    }
    void breederSplit()
    {
        QFETCH(QString, text);
        const Zuechtername n = zuechterTeilen(text);
        QTEST(n.name, "name");
        QTEST(n.vorname, "vorname");
    }

    void catteryBecomesAnAddress()
    {
        {
            Table r(db.get(), "RASSE.DB");
            r.open();
            for (const char *name : {"Perser", "Maine Coon"}) {
                r.append();
                r.setValue("RName", name);
                r.post();
            }
        }
        ZwingerAdresse a;
        a.zuechter = "de Wit,  Sanne";
        a.zwinger = "van de Lindehoeve";
        a.rasse = "Maine Coon";
        a.ort = "Zwolle";
        a.email = "sanne@lindehoeve.nl";
        a.telefon = "+31 38 123 45 67 89 01 23 45"; // 25 characters into a field of 20
        QVERIFY(!adresseVorhanden(*db, zuechterTeilen(a.zuechter)));
        const qint64 nr = inAdressenUebernehmen(*db, a);
        QVERIFY(adresseVorhanden(*db, {"de Wit", "Sanne"}));
        QVERIFY(!adresseVorhanden(*db, {"de Wit", ""}));
        Table adr(db.get(), "ADR_DAT.DB");
        adr.open();
        QVERIFY(adr.locate("LaufendeNr", nr));
        QCOMPARE(adr.text("Name"), QString("de Wit"));
        QCOMPARE(adr.text("Vorname"), QString("Sanne"));
        QCOMPARE(adr.text("Zwinger"), QString("van de Lindehoeve"));
        QCOMPARE(adr.text("email"), QString("sanne@lindehoeve.nl"));
        QCOMPARE(adr.text("Status"), QString("Züchter"));
        QCOMPARE(adr.intValue("Rasse"), 2);
        QCOMPARE(adr.text("Telefon").size(), 20);

        // no comma and an unknown breed: still an address, with its name and no breed
        a.zuechter = "Katzenhof Sonnenschein";
        a.rasse = "Fantasiekatze";
        const qint64 nr2 = inAdressenUebernehmen(*db, a);
        adr.refresh();
        QVERIFY(adr.locate("LaufendeNr", nr2));
        QCOMPARE(adr.text("Name"), QString("Katzenhof Sonnenschein"));
        QVERIFY(adr.value("Rasse").isNull());
    }

    void kindsAndPicturesOfACattery()
    {
        const qint64 a = zwinger("Alpha", "", "", ""), b = zwinger("Beta", "", "", "");
        eintrag(a, KatzeArt::Zuchtkatze, "ohne Bild");
        eintrag(a, KatzeArt::Zuchtkatze, "mit Bild", QByteArray("BM\x01\x02", 4));
        eintrag(a, KatzeArt::Jungtiere, "Wurf");
        eintrag(b, KatzeArt::Deckkater, "Kater", QByteArray("x"));
        const ZwingerArten arten = zwingerArten(*db, privat, a);
        QCOMPARE(arten.vorhanden, (std::array<bool, 3>{false, true, true}));
        QCOMPARE(arten.bild, (std::array<bool, 3>{false, true, false}));
        QCOMPARE(zwingerArten(*db, privat, 999).vorhanden, (std::array<bool, 3>{}));
    }

    void privateTablesAreNeverMadeOverAFile()
    {
        db->dropTable(privat.zwinger);
        const QString pfad = dir.filePath(privat.zwinger);
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("kein Register, aber Daten");
        }
        QCOMPARE(privatesRegisterAnlegen(*db), QStringList());
        Table t(db.get(), privat.zwinger);
        QVERIFY_THROWS_EXCEPTION(tav::store::EngineError, t.open());
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("kein Register, aber Daten"));
    }
};

QTEST_MAIN(TstZwingerregister)
#include "tst_zwingerregister.moc"
