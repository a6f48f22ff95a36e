#include "app/Waehrungsumrechnung.h"

#include "store/Database.h"
#include "store/Table.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::app;
using tav::store::Database;
using tav::store::Table;

namespace {

constexpr qint64 kRefused = std::numeric_limits<qint64>::min();
const QDate bis(2024, 3, 31);
const QDate vorher(2024, 1, 15), nachher(2024, 6, 1);
const QStringList tabellen = {"BUCHUNG.DB", "KONTEN.DB", "VERKAUFT.DB"};

void konto(Database &db, int art, const char *name, double saldo)
{
    Table t(&db, "KONTEN.DB");
    t.open();
    t.append();
    t.setValue("Kontoart", art);
    t.setValue("Name", name);
    t.setValue("Eroeffnungssaldo", saldo);
    t.setValue("Kontostand", saldo);
    t.post();
}

void buchung(Database &db, const QVariant &konto, const QDate &datum, double betrag)
{
    Table t(&db, "BUCHUNG.DB");
    t.open();
    t.append();
    t.setValue("Kontoname", konto);
    t.setValue("Buchungsdatum", datum);
    t.setValue("Kategorie", "K");
    t.setValue("Betrag", betrag);
    t.post();
}

void verkauf(Database &db, const QVariant &gekauftam, const QVariant &preisg, const QVariant &verkauftam,
             const QVariant &preisv)
{
    Table t(&db, "VERKAUFT.DB");
    t.open();
    t.append();
    t.setValue("Gekauftam", gekauftam);
    t.setValue("Preisgekauft", preisg);
    t.setValue("Verkauftam", verkauftam);
    t.setValue("Preisverkauft", preisv);
    t.post();
}

// accounts 1 (bank), 2 (bank), 3 (Kontoart 0: not converted), 4 (cash, no bookings)
void beispiel(Database &db)
{
    for (const QString &t : tabellen)
        db.createTable(t);
    konto(db, 1, "Bank", 100.0);
    konto(db, 1, "Spar", 0.0003);
    konto(db, 0, "Anderes", 40.0);
    konto(db, 2, "Kasse", 50.0);
    buchung(db, 1, vorher, 10.0);
    buchung(db, 1, nachher, 7.0);   // after the cut-off: already in the new currency
    buchung(db, 2, vorher, 0.0003); // 1.5 units: up to the even 2
    buchung(db, 2, bis, 0.0001);    // 0.5 units: down to the even 0
    buchung(db, 2, vorher, -0.0005);
    buchung(db, QVariant(), vorher, 9.0);
    buchung(db, 99, vorher, 11.0);
    buchung(db, 3, vorher, 12.0);
    verkauf(db, QVariant(), 10.0, nachher, 20.0);
    verkauf(db, vorher, QVariant(), vorher, 30.0);
}

QVector<double> spalte(Database &db, const QString &table, const QString &field)
{
    Table t(&db, table);
    t.open();
    QVector<double> out;
    for (t.first(); !t.eof(); t.next())
        out << (t.value(field).isNull() ? -1.0 : t.value(field).toDouble());
    return out;
}

// one bank account opened at 0 with `anzahl` bookings of `units`, and a sale at `units`
void grossesKonto(Database &db, qint64 units, int anzahl)
{
    for (const QString &t : tabellen)
        db.createTable(t);
    konto(db, 1, "Bank", 0.0);
    for (int i = 0; i < anzahl; ++i) {
        buchung(db, 1, vorher, 0.0);
        Table t(&db, "BUCHUNG.DB");
        t.open();
        t.last();
        t.edit();
        t.setCurrencyUnits("Betrag", units);
        t.post();
    }
    verkauf(db, vorher, 0.0, QVariant(), QVariant());
    Table t(&db, "VERKAUFT.DB");
    t.open();
    t.first();
    t.edit();
    t.setCurrencyUnits("Preisgekauft", units);
    t.post();
}

std::optional<qint64> einheiten(Database &db, const QString &table, const QString &field)
{
    Table t(&db, table);
    t.open();
    t.last();
    return t.currencyUnits(field);
}

QHash<QString, QByteArray> dateien(Database &db)
{
    db.disconnect();
    QHash<QString, QByteArray> out;
    for (const QString &t : tabellen) {
        QFile f(db.resolve(t));
        if (f.open(QIODevice::ReadOnly))
            out.insert(t, f.readAll());
    }
    return out;
}

} // namespace

class TestWaehrungsumrechnung : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void faktor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("units");
        QTest::addColumn<qint64>("erwartet"); // LLONG_MIN: refused
        QTest::newRow("DM") << "1,95583" << qint64(10000) << qint64(5113);
        QTest::newRow("dot") << "1.95583" << qint64(195583) << qint64(100000);
        QTest::newRow("tie down to even") << "2" << qint64(5) << qint64(2);
        QTest::newRow("tie up to even") << "2" << qint64(7) << qint64(4);
        QTest::newRow("negative tie") << "2" << qint64(-5) << qint64(-2);
        QTest::newRow("below one") << "0,5" << qint64(3) << qint64(6);
        QTest::newRow("empty") << "" << qint64(1) << kRefused;
        QTest::newRow("zero comma") << "0,0" << qint64(1) << kRefused;
        QTest::newRow("zero") << "0" << qint64(1) << kRefused;
        QTest::newRow("text") << "abc" << qint64(1) << kRefused;
        QTest::newRow("negative") << "-2" << qint64(1) << kRefused;
        QTest::newRow("two commas") << "1,2,3" << qint64(1) << kRefused;
        QTest::newRow("comma only") << "," << qint64(1) << kRefused;
    }
    void faktor()
    {
        QFETCH(QString, text);
        QFETCH(qint64, units);
        QFETCH(qint64, erwartet);
        const auto f = faktorLesen(text);
        QCOMPARE(bool(f), erwartet != kRefused);
        if (f)
            QCOMPARE(geteilt(units, *f), erwartet);
    }

    // every balance is the converted opening balance plus its bookings, to the 1/10000
    void umrechnung()
    {
        QTemporaryDir dir;
        Database db(dir.path());
        beispiel(db);
        int gemeldet = 0;
        const auto r = waehrungUmrechnen(db, *faktorLesen("2"), bis, [&](int, int, int) {
            ++gemeldet;
            return true;
        });
        QCOMPARE(r, UmrechnungsErgebnis::Fertig);
        QCOMPARE(gemeldet, 8 + 2 + 2);
        QCOMPARE(spalte(db, "BUCHUNG.DB", "Betrag"),
                 (QVector<double>{5.0, 7.0, 0.0002, 0.0, -0.0002, 9.0, 11.0, 12.0}));
        QCOMPARE(spalte(db, "KONTEN.DB", "Eroeffnungssaldo"), (QVector<double>{50.0, 0.0002, 40.0, 25.0}));
        QCOMPARE(spalte(db, "KONTEN.DB", "Kontostand"), (QVector<double>{62.0, 0.0002, 40.0, 25.0}));
        QCOMPARE(spalte(db, "VERKAUFT.DB", "Preisgekauft"), (QVector<double>{5.0, -1.0}));
        QCOMPARE(spalte(db, "VERKAUFT.DB", "Preisverkauft"), (QVector<double>{20.0, 15.0}));
    }

    // no bank or cash account: the bookings stay, no account is made
    void ohneKonten()
    {
        QTemporaryDir dir;
        Database db(dir.path());
        for (const QString &t : tabellen)
            db.createTable(t);
        buchung(db, 1, vorher, 10.0);
        QCOMPARE(waehrungUmrechnen(db, *faktorLesen("2"), bis), UmrechnungsErgebnis::Fertig);
        QCOMPARE(spalte(db, "BUCHUNG.DB", "Betrag"), QVector<double>{10.0});
        QVERIFY(spalte(db, "KONTEN.DB", "Kontostand").isEmpty());
    }

    // an engine error or "Abbruch" half way leaves all three tables byte for byte as they were
    void allesOderNichts_data()
    {
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("fehler");
        QTest::newRow("error among the bookings") << 0 << 3 << true;
        QTest::newRow("error among the sales") << 1 << 1 << true;
        QTest::newRow("stop among the bookings") << 0 << 5 << false;
        QTest::newRow("stop at the last sale") << 1 << 2 << false;
    }
    void allesOderNichts()
    {
        QFETCH(int, phase);
        QFETCH(int, position);
        QFETCH(bool, fehler);
        QTemporaryDir dir;
        Database db(dir.path());
        beispiel(db);
        const auto vorher = dateien(db);
        QCOMPARE(vorher.size(), 3);
        auto halt = [&](int ph, int pos, int) {
            if (ph == phase && pos == position) {
                if (fehler)
                    throw tav::store::EngineError(tav::store::EngineError::Category::Io, 1, "disk");
                return false;
            }
            return true;
        };
        if (fehler)
            QVERIFY_THROWS_EXCEPTION(tav::store::EngineError,
                                     waehrungUmrechnen(db, *faktorLesen("2"), bis, halt));
        else
            QCOMPARE(waehrungUmrechnen(db, *faktorLesen("2"), bis, halt), UmrechnungsErgebnis::Abgebrochen);
        QVERIFY(dateien(db) == vorher);
    }
    // amounts beyond what a double carries to the unit, and at the edge of 64 bits; the expected
    // results are exact quotients worked out apart from the program
    void grosseBetraege_data()
    {
        constexpr qint64 max = std::numeric_limits<qint64>::max();
        QTest::addColumn<qint64>("units");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QString>("faktor");
        QTest::addColumn<qint64>("erwartet"); // 0: refused, nothing converted
        QTest::newRow("9e11, DM") << qint64(900'000'000'001) << 1 << "1,95583" << qint64(460'162'693'077);
        QTest::newRow("2^53 + 1") << qint64(9'007'199'254'740'993) << 1 << "1,95583"
                                  << qint64(4'605'307'851'265'699);
        QTest::newRow("largest, DM") << max << 1 << "1,95583" << qint64(4'715'835'239'696'075'736);
        QTest::newRow("largest negative, tie") << -max << 1 << "2" << qint64(-4'611'686'018'427'387'904);
        QTest::newRow("smallest, factor 1")
            << std::numeric_limits<qint64>::min() << 1 << "1" << std::numeric_limits<qint64>::min();
        QTest::newRow("amount overflows") << qint64(4'611'686'018'427'387'904) << 1 << "0,5" << qint64(0);
        QTest::newRow("balance overflows") << max << 2 << "1" << qint64(0);
    }
    void grosseBetraege()
    {
        QFETCH(qint64, units);
        QFETCH(int, anzahl);
        QFETCH(QString, faktor);
        QFETCH(qint64, erwartet);
        QTemporaryDir dir;
        Database db(dir.path());
        grossesKonto(db, units, anzahl);
        const auto vorher = dateien(db);
        const auto r = waehrungUmrechnen(db, *faktorLesen(faktor), bis);
        if (erwartet == 0) {
            QCOMPARE(r, UmrechnungsErgebnis::Ueberlauf);
            QVERIFY(dateien(db) == vorher);
            return;
        }
        QCOMPARE(r, UmrechnungsErgebnis::Fertig);
        QCOMPARE(einheiten(db, "BUCHUNG.DB", "Betrag"), std::optional(erwartet));
        QCOMPARE(einheiten(db, "KONTEN.DB", "Kontostand"), std::optional(erwartet));
        QCOMPARE(einheiten(db, "VERKAUFT.DB", "Preisgekauft"), std::optional(erwartet));
    }
};

QTEST_GUILESS_MAIN(TestWaehrungsumrechnung)
#include "tst_waehrungsumrechnung.moc"
