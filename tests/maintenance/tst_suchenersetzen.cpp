// Search and replace without a window: the hit test, replacing in rows of a table with counts,
// the key filter of a column and where the dialog steps aside.
#include "maintenance/SuchenErsetzen.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tav::maintenance;
using tav::store::FieldType;
using tav::store::Table;

class TstSuchenErsetzen : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<tav::store::Database> db;
    std::unique_ptr<Table> t;

    QStringList vereine()
    {
        QStringList out;
        for (t->first(); !t->eof(); t->next())
            out << t->text("Verein");
        return out;
    }

  private Q_SLOTS:
    void init()
    {
        db = std::make_unique<tav::store::Database>(dir.path());
        if (db->tableExists("Vereine.db"))
            db->dropTable("Vereine.db");
        db->createTable(QStringLiteral("Vereine.db"));
        t = std::make_unique<Table>(db.get(), "Vereine.db");
        // in the order of the club's name, which the replacements change
        t->setIndexName("VereinIdx");
        t->open();
        for (const char *v : {"Cat Club Nord", "My Cattery", "Cat Friends Cat", "Zwinger Ost"}) {
            t->append();
            t->setValue("Verein", QString::fromUtf8(v));
            t->post();
        }
    }
    void cleanup()
    {
        t.reset();
        db.reset();
    }

    void hitTest_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("suche");
        QTest::addColumn<QString>("ersetzen");
        QTest::addColumn<bool>("ohneGross");
        QTest::addColumn<bool>("wort");
        QTest::addColumn<int>("pos");
        QTest::newRow("case ignored") << "Anna"
                                      << "ann"
                                      << "" << true << false << 0;
        QTest::newRow("case counts") << "Anna"
                                     << "ann"
                                     << "" << false << false << -1;
        QTest::newRow("part of a word") << "Anna"
                                        << "ann"
                                        << "" << true << true << -1;
        QTest::newRow("whole word") << "Maria Ann"
                                    << "ann"
                                    << "" << true << true << 6;
        QTest::newRow("only the first counts") << "Anna Ann"
                                               << "ann"
                                               << "" << true << true << -1;
        QTest::newRow("holds the replacement") << "My Cattery"
                                               << "Cat"
                                               << "Cattery" << false << false << -1;
        QTest::newRow("replacement not there") << "Cat house"
                                               << "Cat"
                                               << "Cattery" << false << false << 0;
        QTest::newRow("replacement in the search") << "My Cattery"
                                                   << "Cattery"
                                                   << "Cat" << false << false << 3;
        QTest::newRow("empty search") << "Anna"
                                      << ""
                                      << "" << false << false << -1;
    }
    void hitTest()
    {
        QFETCH(QString, feld);
        QFETCH(QString, suche);
        QFETCH(QString, ersetzen);
        QFETCH(bool, ohneGross);
        QFETCH(bool, wort);
        const Suche s{"Verein", suche, ersetzen, ohneGross, wort};
        QTEST(trefferPosition(feld, s), "pos");
    }

    void replacesInRows()
    {
        Suche s{"Verein", "Cat", "Dog"};
        t->first();
        QVERIFY(naechsterTreffer(*t, s));
        QCOMPARE(t->text("Verein"), QString("Cat Club Nord")); // the first in the order
        QVERIFY(ersetzen(*t, s));
        QCOMPARE(t->text("Verein"), QString("Dog Club Nord"));

        // every further row once, only the first occurrence, though rows move in the order
        t->first();
        QCOMPARE(alleErsetzen(*t, s), 2);
        QCOMPARE(vereine(), QStringList({"Dog Club Nord", "Dog Friends Cat", "My Dogtery", "Zwinger Ost"}));

        // no match: the cursor ends after the last row, nothing changes
        s.text = "Katze";
        t->first();
        QVERIFY(!naechsterTreffer(*t, s));
        QVERIFY(t->eof());
        t->first();
        QCOMPARE(alleErsetzen(*t, s), 0);
        QVERIFY(!ersetzen(*t, s));

        // stopped after the hits were found (four rows looked at) and one was replaced
        s = Suche{"Verein", "Dog", "Hund"};
        t->first();
        int gefragt = 0;
        QCOMPARE(alleErsetzen(*t, s, [&] { return ++gefragt > 5; }), 1);
        QCOMPARE(vereine().filter("Hund").size(), 1);
    }

    void keyFilter_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("erlaubt");
        QTest::addColumn<QString>("verboten");
        QTest::newRow("integer") << int(FieldType::Integer) << "0123456789"
                                 << "a.-+ ";
        QTest::newRow("record number") << int(FieldType::AutoInc) << "7"
                                       << "x";
        QTest::newRow("date") << int(FieldType::Date) << "31.12.2026"
                              << "a/-";
        QTest::newRow("text") << int(FieldType::String) << "Ann 1.-"
                              << "";
    }
    void keyFilter()
    {
        QFETCH(int, typ);
        QFETCH(QString, erlaubt);
        QFETCH(QString, verboten);
        for (QChar c : erlaubt)
            QVERIFY2(zeichenErlaubt(FieldType(typ), c), qPrintable(QString(c)));
        for (QChar c : verboten)
            QVERIFY2(!zeichenErlaubt(FieldType(typ), c), qPrintable(QString(c)));
        QVERIFY(!zeichenErlaubt(FieldType::Integer, QChar(0x0663))); // an Arabic-Indic three
    }

    void stepsAside()
    {
        const QRect dialog(100, 300, 200, 150);
        // the cell under the dialog: it goes above the cell
        QCOMPARE(ausweichen(dialog, QRect(0, 350, 400, 20), 50), QPoint(100, 200));
        // above would leave the grid: below the cell
        QCOMPARE(ausweichen(dialog, QRect(0, 350, 400, 20), 250), QPoint(100, 370));
        // clear of the cell: where it is
        QCOMPARE(ausweichen(dialog, QRect(0, 500, 400, 20), 50), QPoint(100, 300));
    }
};

QTEST_GUILESS_MAIN(TstSuchenErsetzen)
#include "tst_suchenersetzen.moc"
