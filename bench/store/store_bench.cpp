// Table engine against hand-written prepared SQLite statements doing the same work on the same
// files. Run on a register made by: tavrenno-cli --home DIR generate --cats 100000 ...
#include "../BenchUtil.h"

#include "store/Database.h"
#include "store/KeyCodec.h"
#include "store/Statement.h"
#include "store/Table.h"
#include "store/Transaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <sqlite3.h>

using namespace tav::store;

namespace {

sqlite3 *openRaw(const QString &path)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    return db;
}

// what a hand-written reader fetches per record: every field, like the cursor
QString allColumns(const TableDef &layout)
{
    QStringList c;
    for (const FieldDef &f : layout.fields)
        c << "\"" + f.name + "\"";
    return c.join(", ");
}

int readRows(Statement &st, int columns)
{
    int n = 0;
    while (st.step()) {
        for (int i = 0; i < columns; ++i)
            (void)st.column(i);
        ++n;
    }
    return n;
}

QString prefixOf(QRandomGenerator &rng)
{
    static const char *starts[] = {"A",  "Be", "Ca", "Da", "E",  "Fe", "Gi", "Ha", "I",  "Jo", "Ka", "Li",
                                   "Ma", "Ni", "O",  "Pa", "Ro", "Sa", "Ti", "U",  "Va", "Wi", "Yu", "Zo"};
    return QString::fromLatin1(starts[rng.bounded(24)]) + QChar('a' + rng.bounded(26));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString home =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("TAVRENNO_BENCH_HOME");
    if (home.isEmpty()) {
        QTextStream(stderr) << "store_bench HOME (a register made by tavrenno-cli generate)\n";
        return 2;
    }
    Database db(QDir(home).filePath("Daten"));
    const QString catsPath = db.resolve("CATSTAMM.DB");
    const TableDef layout = db.storedLayout("CATSTAMM.DB");
    const QString cols = allColumns(layout);
    const int ncols = int(layout.fields.size());
    std::vector<BenchRow> rows;
    int sink = 0;

    // 1. open under Nameidx and show the first screen of records
    rows.push_back(compare(
        "open under Nameidx, read 40 records", 30,
        [&] {
            Table t(&db, "CATSTAMM.DB");
            t.setIndexName("Nameidx");
            t.open();
            for (int i = 0; i < 40 && !t.eof(); ++i, t.next())
                sink += t.value("Name").toString().size();
        },
        [&] {
            sqlite3 *raw = openRaw(catsPath);
            {
                Statement st(raw, "SELECT rowid, " + cols + " FROM data ORDER BY __ix_nameidx LIMIT 64");
                sink += readRows(st, ncols + 1);
            }
            sqlite3_close_v2(raw);
        }));

    // 2. switch to GebDatum on the current record
    Table cats(&db, "CATSTAMM.DB");
    cats.setIndexName("Nameidx");
    cats.open();
    cats.moveTo(50000);
    sqlite3 *raw = openRaw(catsPath);
    rows.push_back(compare(
        "switch index Nameidx -> GebDatum", 30,
        [&] {
            cats.setIndexName("GebDatum");
            sink += cats.value("LaufendeNummer").toInt();
            cats.setIndexName("Nameidx");
        },
        [&] {
            for (const char *col : {"__ix_gebdatum", "__ix_nameidx"}) {
                Statement key(raw, QString("SELECT %1 FROM data WHERE rowid = ?").arg(col));
                key.bind(1, cats.recordNumber());
                key.step();
                const QByteArray k = key.columnBlob(0);
                Statement st(
                    raw,
                    QString("SELECT rowid, %1 FROM data WHERE %2 >= ? ORDER BY %2 LIMIT 64").arg(cols, col));
                st.bind(1, k);
                sink += readRows(st, ncols + 1);
            }
        }));

    // 3. 1,000 find-nearest calls on name prefixes
    {
        QRandomGenerator rngA(5), rngB(5);
        Statement st(raw, "SELECT rowid, " + cols +
                              " FROM data WHERE __ix_nameidx >= ? ORDER BY __ix_nameidx LIMIT 1");
        rows.push_back(compare(
            "1,000 find nearest (Nameidx)", 5,
            [&] {
                for (int i = 0; i < 1000; ++i) {
                    cats.findNearest({prefixOf(rngA)});
                    sink += cats.value("Name").toString().size();
                }
            },
            [&] {
                for (int i = 0; i < 1000; ++i) {
                    QByteArray k;
                    keycodec::appendTextPrefix(k, prefixOf(rngB));
                    st.reset();
                    st.bind(1, k);
                    sink += readRows(st, ncols + 1);
                }
            }));
    }

    // 4. scrolling 1,000 records with five detail tables following
    {
        struct Detail {
            const char *table, *index;
        };
        const Detail details[] = {{"BILDER.DB", "IndexKatzeNr"},
                                  {"IMPFUNG.DB", "ImpfungKatze"},
                                  {"WURMKUR.DB", "KatzeDatum"},
                                  {"KATZEMERKMAL.DB", "Katze"},
                                  {"TITELHUND.DB", "HundTitel"}};
        std::vector<std::unique_ptr<Table>> detailTables;
        for (const Detail &d : details) {
            auto t = std::make_unique<Table>(&db, d.table);
            t->setIndexName(d.index);
            t->setMaster(&cats, "LaufendeNummer");
            t->open();
            detailTables.push_back(std::move(t));
        }
        std::vector<sqlite3 *> rawDetails;
        std::vector<std::unique_ptr<Statement>> detailSt;
        for (const Detail &d : details) {
            sqlite3 *r = openRaw(db.resolve(d.table));
            rawDetails.push_back(r);
            const TableDef dl = db.storedLayout(d.table);
            detailSt.push_back(std::make_unique<Statement>(
                r,
                QString(
                    "SELECT rowid, %1 FROM data WHERE __ix_%2 >= ? AND __ix_%2 < ? ORDER BY __ix_%2 LIMIT 64")
                    .arg(allColumns(dl), QString(d.index).toLower())));
        }
        Statement master(raw, "SELECT rowid, " + cols +
                                  " FROM data WHERE __ix_nameidx > ? ORDER BY __ix_nameidx LIMIT 64");
        rows.push_back(compare(
            "scroll 1,000 records, 5 details following", 5,
            [&] {
                cats.first();
                for (int i = 0; i < 1000; ++i) {
                    cats.next();
                    for (auto &d : detailTables)
                        sink += d->eof() ? 0 : d->value(d->layout().fields[0].name).toInt();
                }
            },
            [&] {
                QByteArray last;
                int done = 0;
                while (done < 1000) {
                    master.reset();
                    master.bind(1, last);
                    while (done < 1000 && master.step()) {
                        for (int c = 0; c < ncols + 1; ++c)
                            (void)master.column(c);
                        const qint64 nr = master.columnInt64(0);
                        QByteArray k;
                        keycodec::appendField(k, FieldType::Integer, nr, false);
                        for (auto &st : detailSt) {
                            st->reset();
                            st->bind(1, k);
                            st->bind(2, keycodec::upperBound(k));
                            sink += readRows(*st, 4);
                        }
                        ++done;
                    }
                    Statement key(raw, "SELECT __ix_nameidx FROM data WHERE rowid = ?");
                    key.bind(1, master.columnInt64(0));
                    if (key.step())
                        last = key.columnBlob(0);
                }
            }));
        for (sqlite3 *r : rawDetails) {
            detailSt.clear();
            sqlite3_close_v2(r);
        }
    }

    // 5. a filtered open: the cats of one status
    rows.push_back(compare(
        "filtered open (Status = 1), read 40", 20,
        [&] {
            Table t(&db, "CATSTAMM.DB");
            t.setFilter("Status = 1");
            t.setFiltered(true);
            t.setIndexName("Nameidx");
            t.open();
            for (int i = 0; i < 40 && !t.eof(); ++i, t.next())
                sink += t.value("Name").toString().size();
        },
        [&] {
            sqlite3 *r = openRaw(catsPath);
            {
                Statement st(r, "SELECT rowid, " + cols +
                                    " FROM data WHERE Status = ? ORDER BY __ix_nameidx LIMIT 64");
                st.bind(1, 1);
                sink += readRows(st, ncols + 1);
            }
            sqlite3_close_v2(r);
        }));
    cats.close();
    sqlite3_close_v2(raw);

    // 6. and 7. writes: scratch tables of the bench's own, committed to disk (synchronous=FULL) on
    // both sides; the hand-written side keeps its connections and prepared statements
    const QStringList scratch = {"BENCH_A.DB", "BENCH_B.DB", "BENCH_C.DB"};
    for (const QString &name : scratch) {
        if (db.tableExists(name))
            db.dropTable(name);
        using namespace def;
        db.createTable(TableDef{name,
                                {autoInc("Nr"), integer("Katze"), string("Name", 40)},
                                {primary("Nr"), index("Katze", "Katze")}});
    }
    std::vector<std::unique_ptr<Table>> ours;
    for (const QString &name : scratch) {
        ours.push_back(std::make_unique<Table>(&db, name));
        ours.back()->open();
    }
    int katze = 0;
    const auto post = [&](Table &t) {
        t.append();
        t.setValue("Katze", ++katze);
        t.setValue("Name", "Mia vom Lindenhof");
        t.post();
    };
    std::vector<sqlite3 *> handFiles;
    std::vector<std::unique_ptr<Statement>> handInsert;
    for (const QString &name : scratch) {
        handFiles.push_back(openRaw(db.resolve(name)));
        execSql(handFiles.back(), "PRAGMA synchronous=FULL");
        handInsert.push_back(std::make_unique<Statement>(
            handFiles.back(), "INSERT INTO data(Katze, Name, __ix_katze) VALUES (?, ?, ?)"));
    }
    const auto insert = [&](Statement &st) {
        QByteArray k;
        keycodec::appendField(k, FieldType::Integer, ++katze, false);
        st.reset();
        st.bind(1, katze);
        st.bind(2, QStringLiteral("Mia vom Lindenhof"));
        st.bind(3, k);
        st.exec();
    };
    rows.push_back(compare(
        "post one record (one table, own commit)", 30, [&] { post(*ours[0]); },
        [&] { insert(*handInsert[0]); }));
    const auto oneGuard = [&] {
        Transaction txn(db, scratch);
        for (auto &t : ours)
            post(*t);
        txn.commit();
    };
    rows.push_back(compare(
        "three tables in one guard vs three separate commits", 30,
        oneGuard,
        [&] {
            for (int i = 0; i < 3; ++i) {
                execSql(handFiles[i], "BEGIN");
                insert(*handInsert[i]);
            }
            for (int i = 0; i < 3; ++i)
                execSql(handFiles[i], "COMMIT");
        }));
    // SQLite's own atomic commit over several files: one connection with the others attached
    sqlite3 *attached = openRaw(db.resolve(scratch[0]));
    execSql(attached, "PRAGMA synchronous=FULL");
    for (int i = 1; i < 3; ++i) {
        Statement attach(attached, QString("ATTACH ? AS f%1").arg(i));
        attach.bind(1, db.resolve(scratch[i]));
        attach.exec();
        execSql(attached, QString("PRAGMA f%1.synchronous=FULL").arg(i));
    }
    std::vector<std::unique_ptr<Statement>> attachedInsert;
    for (const char *schema : {"main", "f1", "f2"})
        attachedInsert.push_back(std::make_unique<Statement>(
            attached, QString("INSERT INTO %1.data(Katze, Name, __ix_katze) VALUES (?, ?, ?)").arg(schema)));
    rows.push_back(compare(
        "three tables in one guard vs one attached connection", 30,
        oneGuard,
        [&] {
            execSql(attached, "BEGIN");
            for (auto &st : attachedInsert)
                insert(*st);
            execSql(attached, "COMMIT");
        }));
    attachedInsert.clear();
    sqlite3_close_v2(attached);
    handInsert.clear();
    for (sqlite3 *f : handFiles)
        sqlite3_close_v2(f);
    ours.clear();
    for (const QString &name : scratch)
        db.dropTable(name);

    printRows(QString("Table engine vs hand-written SQLite (%1 cats)")
                  .arg(db.storedLayout("CATSTAMM.DB").fields.size() ? "" : ""),
              rows);
    QTextStream(stdout) << "(checksum " << sink << ")\n";
    return 0;
}
