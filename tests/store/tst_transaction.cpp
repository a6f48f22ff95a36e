#include "store/CommitLog.h"
#include "store/Database.h"
#include "store/Table.h"
#include "store/Transaction.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>
#include <stdexcept>

using namespace tav::store;
using namespace tav::store::def;

namespace {
void add(Table &t, const QString &name)
{
    t.append();
    t.setValue("Name", name);
    t.post();
}

QStringList names(Database &db, const QString &table)
{
    Table t(&db, table);
    t.open();
    QStringList out;
    for (t.first(); !t.eof(); t.next())
        out << t.value("Name").toString();
    return out;
}
} // namespace

class TstTransaction : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;
    int m_run = 0;

  private Q_SLOTS:
    void init()
    {
        m_db = std::make_unique<Database>(m_dir.path() + "/Daten" + QString::number(++m_run));
        m_db->createTable(TableDef{"KATZEN.DB",
                                   {autoInc("Nr"), string("Name", 10, Required)},
                                   {primary("Nr"), uniqueIndex("NameU", "Name")}});
        m_db->createTable(TableDef{"TITEL.DB", {autoInc("Nr"), string("Name", 10)}, {primary("Nr")}});
    }
    void cleanup() { m_db.reset(); }

    // Two tables change together or not at all, and whichever way the guard ends, its hold on the
    // files is gone: they can be opened exclusively and dropped.
    void endsOfAGuard_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("kept");
        QTest::newRow("commit") << "commit" << true;
        QTest::newRow("explicit rollback") << "rollback" << false;
        QTest::newRow("left without commit") << "scope" << false;
        QTest::newRow("exception") << "throw" << false;
        QTest::newRow("engine error") << "engine" << false;
    }

    void endsOfAGuard()
    {
        QFETCH(QString, end);
        QFETCH(bool, kept);
        {
            Table cats(m_db.get(), "katzen.db"), titles(m_db.get(), "titel.db");
            cats.open();
            titles.open();
            add(cats, "Vorher");
            try {
                Transaction txn(*m_db, {"katzen.db", "TITEL.DB"});
                add(cats, "Mia");
                add(titles, "CH");
                if (end == "throw")
                    throw std::runtime_error("abgebrochen");
                if (end == "engine")
                    add(cats, "Vorher"); // the unique index refuses it
                if (end == "commit")
                    txn.commit();
                if (end == "rollback")
                    txn.rollback();
                QVERIFY(!txn.isActive() || end == "scope");
            } catch (const std::exception &) {
                QVERIFY(end == "throw" || end == "engine");
                if (cats.isEditing())
                    cats.cancel();
            }
            QCOMPARE(names(*m_db, "katzen.db"),
                     kept ? QStringList({"Vorher", "Mia"}) : QStringList({"Vorher"}));
            QCOMPARE(names(*m_db, "titel.db"), kept ? QStringList({"CH"}) : QStringList());
        }
        for (const QString name : {"katzen.db", "titel.db"}) {
            QVERIFY2(!m_db->isInUse(name), qPrintable(name));
            Table only(m_db.get(), name);
            only.setExclusive(true);
            only.open();
            only.close();
            m_db->dropTable(name);
            QVERIFY(!m_db->tableExists(name));
        }
    }

    // An inner guard is a savepoint of the outer one: its rollback undoes only its own changes,
    // its commit hands them to the outer guard, which alone decides what reaches the disk.
    void nestedGuards()
    {
        Table cats(m_db.get(), "katzen.db"), titles(m_db.get(), "titel.db");
        cats.open();
        titles.open();
        {
            Transaction outer(*m_db, {"katzen.db", "titel.db"});
            add(cats, "Aussen");
            {
                Transaction inner(*m_db, "katzen.db");
                add(cats, "Verworfen");
            }
            {
                Transaction inner(*m_db, {"KATZEN.DB", "titel.db"});
                add(cats, "Innen");
                add(titles, "GIC");
                inner.commit();
            }
            QVERIFY(m_db->isInUse("titel.db"));
            outer.commit();
        }
        QCOMPARE(names(*m_db, "katzen.db"), QStringList({"Aussen", "Innen"}));
        QCOMPARE(names(*m_db, "titel.db"), QStringList({"GIC"}));
        {
            Transaction outer(*m_db, "katzen.db");
            Transaction inner(*m_db, "katzen.db");
            add(cats, "Weg");
            inner.commit();
        }
        QCOMPARE(names(*m_db, "katzen.db"), QStringList({"Aussen", "Innen"}));
    }

    // A post that fails inside a guard leaves no half-written record (one without its keys)
    // behind for the commit; a disconnect while the guard waits does not lose its changes.
    void failedPostAndDisconnectInsideAGuard()
    {
        Table cats(m_db.get(), "katzen.db");
        cats.open();
        add(cats, "Mia");
        Transaction txn(*m_db, "katzen.db");
        QVERIFY_THROWS_EXCEPTION(EngineError, add(cats, "Mia"));
        cats.cancel();
        add(cats, "Lou");
        m_db->disconnect();
        QVERIFY(!cats.isOpen());
        txn.commit();
        QCOMPARE(names(*m_db, "katzen.db"), QStringList({"Mia", "Lou"}));
        m_db->checkTable("katzen.db");
        QVERIFY_THROWS_EXCEPTION(EngineError, txn.commit());
    }

    // A file that cannot commit (another connection reads it) takes back the files committed
    // before it; nothing of the commit's bookkeeping stays behind. While a commit runs, the start
    // of another program leaves it alone.
    void commitOverSeveralFiles()
    {
        Table cats(m_db.get(), "katzen.db"), titles(m_db.get(), "titel.db");
        cats.open();
        titles.open();
        add(cats, "Vorher");
        TableFile *f = m_db->acquire("TITEL.DB", false);
        sqlite3_busy_timeout(f->db, 50);
        m_db->release(f);
        sqlite3 *reader = nullptr;
        QCOMPARE(sqlite3_open(m_db->resolve("TITEL.DB").toUtf8().constData(), &reader), SQLITE_OK);
        QCOMPARE(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM data", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        {
            Transaction txn(*m_db, {"katzen.db", "TITEL.DB"});
            add(cats, "Mia");
            add(titles, "CH");
            QVERIFY_THROWS_EXCEPTION(EngineError, txn.commit());
        }
        sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(reader);
        QCOMPARE(names(*m_db, "katzen.db"), QStringList{"Vorher"});
        QCOMPARE(names(*m_db, "titel.db"), QStringList{});
        const QDir d(m_db->dataDir());
        QCOMPARE(d.entryList({"*-undo", "*-journal", "tavrenno-commit*"}, QDir::Files), QStringList{});

        sqlite3 *conn = nullptr;
        QCOMPARE(sqlite3_open(m_db->resolve("KATZEN.DB").toUtf8().constData(), &conn), SQLITE_OK);
        {
            CommitLog running(m_db->dataDir(), {conn}, "laufend");
            QVERIFY(recoverInterrupted(m_db->dataDir()).isEmpty());
            QCOMPARE(d.entryList({"tavrenno-commit*"}, QDir::Files).size(), 1);
            running.finish();
        }
        sqlite3_close(conn);
        QCOMPARE(d.entryList({"tavrenno-commit*"}, QDir::Files), QStringList{});
    }
};

QTEST_GUILESS_MAIN(TstTransaction)
#include "tst_transaction.moc"
