#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QDate>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::store;
using namespace tav::store::def;

class TstQuery : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;

  private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<Database>(m_dir.path());
        m_db->createTable(TableDef{"Katze.db",
                                   {autoInc("Nr"), string("Name", 30), integer("Rasse"), date("GebDatum")},
                                   {primary("Nr"), index("NameIdx", "Name")}});
        m_db->createTable(TableDef{"RASSEN.DB", {autoInc("RCode"), string("RName", 30)}, {primary("RCode")}});
        Table r(m_db.get(), "rassen.db");
        r.open();
        for (const char *n : {"Perser", "Siam"}) {
            r.append();
            r.setValue("RName", n);
            r.post();
        }
        Table k(m_db.get(), "katze.db");
        k.open();
        const char *names[] = {"Ömer", "Anton", "Zoe", "O\"Neil's"};
        for (int i = 0; i < 4; ++i) {
            k.append();
            k.setValue("Name", QString::fromUtf8(names[i]));
            k.setValue("Rasse", i % 2 + 1);
            k.setValue("GebDatum", QDate(2020, 1, i + 1));
            k.post();
        }
    }

    void selectJoinLikeOrder()
    {
        Query q(m_db.get(), "SELECT k.Name, r.RName, k.GebDatum FROM \"katze.db\" k JOIN \"Rassen.db\" r "
                            "ON r.RCode = k.Rasse WHERE k.Name LIKE :p ORDER BY k.Name COLLATE DE");
        q.bindValue(":p", "%e%");
        q.open();
        const auto rows = q.rows();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0][0].toString(), QString("O\"Neil's"));
        QCOMPARE(rows[1][0].toString(), QString::fromUtf8("Ömer"));
        QCOMPARE(rows[1][1].toString(), QString("Perser"));
        QCOMPARE(rows[2][2].toDate(), QDate(2020, 1, 3)); // dates come back as dates
    }

    void bareNamesAndInjectionSafeValues()
    {
        Query q(m_db.get(), "SELECT count(*) FROM katze WHERE Name = ?");
        q.addBindValue("O\"Neil's");
        q.open();
        QCOMPARE(q.value(0).toInt(), 1);
        Query missing(m_db.get(), "SELECT * FROM \"nichtda.db\"");
        QVERIFY_THROWS_EXCEPTION(EngineError, missing.open());
        Query bad(m_db.get(), "SELECT FROM WHERE");
        try {
            bad.open();
            QFAIL("bad SQL ran");
        } catch (const EngineError &e) {
            QCOMPARE(e.code(), code::Sql);
        }
    }

    // Changes made by SQL keep the table's index order right.
    void updateKeepsIndexKeys()
    {
        Query u(m_db.get(), "UPDATE \"katze.db\" SET Name = 'Aaron' WHERE Name = 'Zoe'");
        u.exec();
        QCOMPARE(u.rowsAffected(), 1);
        Table t(m_db.get(), "katze.db");
        t.setIndexName("NameIdx");
        t.open();
        QCOMPARE(t.value("Name").toString(), QString("Aaron"));
        m_db->checkTable("katze.db");
    }

    void alterAddsFieldsAllOrNothing()
    {
        Query bad(m_db.get(), "ALTER TABLE \"katze.db\" ADD Farbe CHAR(20), ADD Name CHAR(5)");
        QVERIFY_THROWS_EXCEPTION(EngineError, bad.exec());
        QVERIFY(!m_db->storedLayout("katze.db").field("Farbe")); // nothing was added
        Query q(m_db.get(),
                "ALTER TABLE \"katze.db\" ADD Farbe CHAR(20), ADD Notiz BLOB(240,1), ADD Aktiv BOOLEAN");
        q.exec();
        const TableDef l = m_db->storedLayout("katze.db");
        QCOMPARE(l.field("Farbe")->size, 20);
        QVERIFY(l.field("Notiz")->type == FieldType::Memo);
        QVERIFY(l.field("Aktiv")->type == FieldType::Boolean);
        Table t(m_db.get(), "katze.db");
        t.open();
        QCOMPARE(t.recordCount(), 4);
    }
};

QTEST_GUILESS_MAIN(TstQuery)
#include "tst_query.moc"
