#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Namen_register.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QDate>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

using namespace tav::store;

class TstTableDefs : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    // Every declared table is created as declared and reads back the same.
    void everyTableRoundTrips()
    {
        QTemporaryDir dir;
        Database db(dir.path());
        for (const TableDef &def : allTableDefs()) {
            db.createTable(def);
            const TableDef stored = db.storedLayout(def.fileName);
            QCOMPARE(stored.fields.size(), def.fields.size());
            for (int i = 0; i < def.fields.size(); ++i) {
                const FieldDef &a = def.fields[i];
                const FieldDef &b = stored.fields[i];
                QVERIFY2(a.name == b.name && a.type == b.type, qPrintable(def.fileName + ": " + a.name));
                if (a.type == FieldType::String)
                    QCOMPARE(b.size, a.size);
            }
            QStringList declaredIdx, storedIdx;
            for (const IndexDef &i : def.indexes)
                declaredIdx << (i.primary ? QString("*") : i.name) + ":" + i.fields;
            for (const IndexDef &i : stored.indexes)
                storedIdx << (i.primary ? QString("*") : i.name) + ":" + i.fields;
            QCOMPARE(storedIdx, declaredIdx);
            Table t(&db, def.fileName);
            t.open(); // the declared layout is what the program expects
            QVERIFY(t.isEmpty());
        }
        QVERIFY(findTableDef("catstamm.db"));
        QVERIFY(findTableDef("KatzeMerkmal.db"));
        QCOMPARE(findTableDef("catstamm.db")->index("nameIDX")->fields,
                 QString("Name;GebDatum;LaufendeNummer"));
    }

    // The name constants are the declared names, the non-ASCII ones byte for byte as stored, and
    // a table sharing another's layout reaches its names.
    void constantsAreTheStoredNames()
    {
        const TableDef *cats = findTableDef(catstamm::Datei);
        QVERIFY(cats && cats->fileName == QLatin1String("CATSTAMM.DB"));
        QCOMPARE(cats->field(catstamm::Zuechter)->name, QString::fromUtf8("Züchter"));
        const TableDef *register_ = findTableDef(zwingregprivat::Datei);
        QVERIFY(register_ && register_->fileName == QLatin1String("ZWINGREGPRIVAT.DB"));
        QCOMPARE(register_->index(zwingregprivat::idx::IDXZuechter)->name, QString::fromUtf8("IDXZüchter"));
        QCOMPARE(findTableDef(zwinginfprivat::Datei)->field(zwinginfprivat::Memo1)->name, QString("Memo1"));
    }

    void catTableCarriesItsIndexes()
    {
        QTemporaryDir dir;
        Database db(dir.path());
        db.createTable("CATSTAMM.DB");
        const QStringList idx = db.indexNames("catstamm.db");
        for (const char *n : {"IDXMutterGebDatum", "Nameidx", "RasseName", "Rufnaidx", "StatusName",
                              "ZwinName", "IdxMutter", "IdxVater", "NameDB", "Zuchtbuchnummer1",
                              "Zuchtbuchnummer2", "Zuchtbuchnummer3", "GebDatum", "Farbe"})
            QVERIFY2(idx.contains(n), n);
        // the file is a plain SQLite database that other tools can check
        sqlite3 *raw = nullptr;
        QCOMPARE(sqlite3_open_v2(db.resolve("catstamm.db").toUtf8(), &raw, SQLITE_OPEN_READONLY, nullptr),
                 SQLITE_OK);
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(raw, "PRAGMA integrity_check", -1, &st, nullptr);
        QCOMPARE(sqlite3_step(st), SQLITE_ROW);
        QCOMPARE(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0))),
                 QString("ok"));
        sqlite3_finalize(st);
        sqlite3_prepare_v2(raw, "SELECT count(*) FROM sqlite_master WHERE type='index' AND name='Nameidx'",
                           -1, &st, nullptr);
        sqlite3_step(st);
        QCOMPARE(sqlite3_column_int(st, 0), 1);
        sqlite3_finalize(st);
        sqlite3_close(raw);
    }

    // An old table lacking fields does not open; its upgrade keeps every record.
    void upgradesKeepRecords()
    {
        QTemporaryDir dir;
        Database db(dir.path());
        for (const TableUpgrade &up : allTableUpgrades()) {
            const TableDef *decl = findTableDef(up.fileName);
            QVERIFY2(decl, qPrintable(up.fileName));
            // build the old layout: the declaration without the fields the upgrade adds
            TableDef old = *decl;
            Query probe(&db);
            QStringList added;
            static const QRegularExpression addRe("ADD\\s+(\\w+)", QRegularExpression::CaseInsensitiveOption);
            for (auto it = addRe.globalMatch(up.alterSql); it.hasNext();)
                added << it.next().captured(1);
            QVERIFY(added.contains(up.missingField, Qt::CaseInsensitive));
            old.fields.erase(std::remove_if(old.fields.begin(), old.fields.end(),
                                            [&](const FieldDef &f) {
                                                return added.contains(f.name, Qt::CaseInsensitive);
                                            }),
                             old.fields.end());
            old.indexes.erase(std::remove_if(old.indexes.begin(), old.indexes.end(),
                                             [&](const IndexDef &i) {
                                                 for (const QString &f : i.fieldList())
                                                     if (added.contains(f, Qt::CaseInsensitive))
                                                         return true;
                                                 return false;
                                             }),
                              old.indexes.end());
            db.createTable(old);
            {
                Table t(&db, old.fileName);
                t.setCheckLayout(false);
                t.open();
                for (int i = 0; i < 3; ++i) {
                    t.append();
                    for (const FieldDef &f : old.fields) {
                        if (f.type == FieldType::String)
                            t.setValue(f.name, QString("v%1").arg(i));
                        else if (f.type == FieldType::Integer)
                            t.setValue(f.name, i + 1);
                    }
                    t.post();
                }
            }
            Table t(&db, old.fileName);
            try {
                t.open();
                QFAIL("an old layout opened");
            } catch (const EngineError &e) {
                QCOMPARE(e.code(), code::WrongLayout);
            }
            QCOMPARE(db.missingFields(old.fileName).contains(up.missingField, Qt::CaseInsensitive), true);
            Query q(&db, up.alterSql);
            q.exec();
            QVERIFY2(db.missingFields(old.fileName).isEmpty(),
                     qPrintable(db.missingFields(old.fileName).join(",")));
            t.open();
            QCOMPARE(t.recordCount(), 3);
            t.first();
            QVERIFY(t.value(up.missingField).isNull());
            t.close();
            db.dropTable(old.fileName);
        }
    }
};

QTEST_GUILESS_MAIN(TstTableDefs)
#include "tst_tabledefs.moc"
