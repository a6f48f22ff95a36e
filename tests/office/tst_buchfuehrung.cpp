// The bookkeeping without a window: exact amounts in three locales, postings, transfers and deletes
// with their balances, failures in the middle of a change, the month period and the income statement.
#include "app/Geld.h"
#include "office/Buchfuehrung.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::office;
using tav::app::Geld;
using tav::store::Database;
using tav::store::Table;

namespace {
Geld eur(const char *text)
{
    return *Geld::lesen(QString::fromUtf8(text), QLocale(QLocale::German));
}
struct Fehler : std::runtime_error {
    Fehler() : std::runtime_error("eingespielter Fehler") {}
};
} // namespace

class TstBuchfuehrung : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    std::unique_ptr<Buchfuehrung> buch;

    // every account's balance is its opening balance plus its postings
    void stimmt()
    {
        for (const Konto &k : konten(*db)) {
            Geld s = k.eroeffnung;
            for (const Buchung &b : buchungen(*db, k.nummer))
                s += b.betrag;
            QCOMPARE(k.kontostand.einheiten(), s.einheiten());
        }
    }
    Geld stand(int nr) { return konto(*db, nr)->kontostand; }

  private Q_SLOTS:
    void init()
    {
        db = std::make_unique<Database>(dir.path());
        for (const char *t : {"KONTEN.DB", "BUCHUNG.DB"})
            if (db->tableExists(t))
                db->dropTable(t);
        buch = std::make_unique<Buchfuehrung>(*db);
    }
    void cleanup()
    {
        buch.reset();
        db.reset();
    }

    void geldLesen_data()
    {
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("einheiten"); // -1: refused
        QTest::newRow("de grouped") << 0 << "1.234,56" << 12345600LL;
        QTest::newRow("de plain") << 0 << "-1234,5" << -12345000LL;
        QTest::newRow("de four decimals") << 0 << "0,1234" << 1234LL;
        QTest::newRow("de english style") << 0 << "1,234.56" << -1LL;
        QTest::newRow("de dot as decimal") << 0 << "12.5" << -1LL;
        QTest::newRow("de five decimals") << 0 << "1,23456" << -1LL;
        QTest::newRow("de letters") << 0 << "12 EUR" << -1LL;
        QTest::newRow("de empty") << 0 << "" << -1LL;
        QTest::newRow("de bad group") << 0 << "1.23.456" << -1LL;
        QTest::newRow("de too large") << 0 << "99999999999999999" << -1LL;
        QTest::newRow("en grouped") << 1 << "1,234.56" << 12345600LL;
        QTest::newRow("en german style") << 1 << "1.234,56" << -1LL;
        QTest::newRow("nl grouped") << 2 << "1.234,56" << 12345600LL;
    }
    void geldLesen()
    {
        QFETCH(int, sprache);
        QFETCH(QString, text);
        QFETCH(qint64, einheiten);
        const auto g = Geld::lesen(text, tav::app::sprachLocale(sprache));
        QCOMPARE(g.has_value(), einheiten != -1);
        if (g)
            QCOMPARE(g->einheiten(), einheiten);
    }

    void geldText()
    {
        const QLocale de(QLocale::German), en(QLocale::English);
        QCOMPARE(Geld::ausEinheiten(12345650).text(de), QStringLiteral("1.234,57"));
        QCOMPARE(Geld::ausEinheiten(-12345650).text(en), QStringLiteral("-1,234.57"));
        QCOMPARE(Geld::ausEinheiten(-49).text(de), QStringLiteral("0,00"));
        // an input field shows what a text shows, and the digits beyond the cent when there are any
        for (const qint64 e : {12345600LL, 12345650LL, 12345605LL, -12345678LL, -50LL, 7LL}) {
            for (const QLocale &l : {de, en})
                QCOMPARE(Geld::lesen(Geld::ausEinheiten(e).eingabeText(l), l)->einheiten(), e);
        }
        QCOMPARE(Geld::ausEinheiten(12345650).eingabeText(de), QStringLiteral("1.234,565"));
        QCOMPARE(Geld::ausEinheiten(-50).eingabeText(en), QStringLiteral("-0.005"));
        QCOMPARE(Geld::ausEinheiten(12345600).eingabeText(en), QStringLiteral("1,234.56"));
        QCOMPARE((eur("0,10") + eur("0,20")).einheiten(), eur("0,30").einheiten());
        QVERIFY_THROWS_EXCEPTION(std::overflow_error,
                                 Geld::ausEinheiten(std::numeric_limits<qint64>::max()) + eur("0,0001"));
    }

    // the store hands currency fields over exactly, also past what a double holds
    void genaueWaehrungsfelder()
    {
        const qint64 gross = (1LL << 60) + 1;
        const int nr =
            buch->kontoAnlegen(Kontoart::Bankkonto, QStringLiteral("Bank"), Geld::ausEinheiten(gross));
        Table t(db.get(), QStringLiteral("KONTEN.DB"));
        t.open();
        QVERIFY(t.findKey({nr}));
        QCOMPARE(*t.currencyUnits(QStringLiteral("Kontostand")), gross);
        t.edit();
        t.setValue(QStringLiteral("Kontostand"), 2.5); // the double path still works
        t.post();
        QCOMPARE(*t.currencyUnits(QStringLiteral("Kontostand")), 25000LL);
        QCOMPARE(t.value(QStringLiteral("Kontostand")).toDouble(), 2.5);
    }

    void buchenUndLoeschen()
    {
        const int bank = buch->kontoAnlegen(Kontoart::Bankkonto, QStringLiteral("Bank"), eur("250"));
        const int futter = buch->kategorieAnlegen(QStringLiteral("Futter"), EinAusAusgabe);
        const int verkauf = buch->kategorieAnlegen(QStringLiteral("Verkauf"), EinAusEinnahme);
        QCOMPARE(stand(bank), eur("250"));
        const int b1 = buch->buchen({bank, futter, QDate(2024, 3, 1), eur("40"), {}});
        QCOMPARE(buchungen(*db, bank).first().betrag, eur("-40"));
        QCOMPARE(stand(bank), eur("210"));
        buch->buchen({bank, verkauf, QDate(2024, 3, 2), eur("600,10"), {}});
        QCOMPARE(stand(bank), eur("810,10"));
        buch->loeschen(b1);
        QCOMPARE(stand(bank), eur("850,10"));
        QCOMPARE(buchungen(*db, bank).size(), 1);
        stimmt();
    }

    // two accounts share a name: the transfer finds the other one by its number
    void umbuchungNachNummer()
    {
        const int a = buch->kontoAnlegen(Kontoart::Bankkonto, QStringLiteral("Sparkasse"), eur("100"));
        const int b = buch->kontoAnlegen(Kontoart::Bargeld, QStringLiteral("Sparkasse"), eur("10"));
        const int c = buch->kontoAnlegen(Kontoart::Bargeld, QStringLiteral("Kasse"), eur("0"));
        const int nr = buch->buchen({c, b, QDate(2024, 5, 31), eur("100"), QStringLiteral("Umbuchung")});
        QCOMPARE(stand(c), eur("100"));
        QCOMPARE(stand(b), eur("-90"));
        QCOMPARE(stand(a), eur("100"));
        const QVector<Buchung> aufB = buchungen(*db, b);
        QCOMPARE(aufB.size(), 1);
        QCOMPARE(aufB[0].gegenbuchung, nr);
        QCOMPARE(buchungen(*db, c)[0].gegenbuchung, aufB[0].nummer);
        QCOMPARE(aufB[0].kategorie, QStringLiteral("Kasse"));
        stimmt();
        buch->loeschen(aufB[0].nummer); // either side removes both
        QCOMPARE(stand(c), eur("0"));
        QCOMPARE(stand(b), eur("10"));
        QVERIFY(buchungen(*db, c).isEmpty());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 buch->buchen({c, c, QDate(2024, 1, 1), eur("1"), {}}));
    }

    void fehlerDazwischen_data()
    {
        QTest::addColumn<bool>("umbuchung");
        QTest::addColumn<QString>("schritt");
        QTest::newRow("posting") << false << "kontostand";
        QTest::newRow("transfer, first posting") << true << "buchung";
        QTest::newRow("transfer, second balance") << true << "gegenbuchung";
    }
    void fehlerDazwischen()
    {
        QFETCH(bool, umbuchung);
        QFETCH(QString, schritt);
        const int a = buch->kontoAnlegen(Kontoart::Bankkonto, QStringLiteral("A"), eur("50"));
        const int b = buch->kontoAnlegen(Kontoart::Bargeld, QStringLiteral("B"), eur("5"));
        const int kat = umbuchung ? b : buch->kategorieAnlegen(QStringLiteral("Tierarzt"), EinAusAusgabe);
        buch->testHook = [&](const char *s) {
            if (schritt == QLatin1String(s))
                throw Fehler();
        };
        QVERIFY_THROWS_EXCEPTION(Fehler, buch->buchen({a, kat, QDate(2024, 1, 1), eur("20"), {}}));
        QCOMPARE(stand(a), eur("50"));
        QCOMPARE(stand(b), eur("5"));
        QVERIFY(buchungen(*db, a).isEmpty() && buchungen(*db, b).isEmpty());
        // and a delete that fails keeps both postings and balances
        buch->testHook = nullptr;
        const int nr = buch->buchen({a, kat, QDate(2024, 1, 1), eur("20"), {}});
        buch->testHook = [](const char *s) {
            if (QLatin1String(s) == QLatin1String("kontostand"))
                throw Fehler();
        };
        QVERIFY_THROWS_EXCEPTION(Fehler, buch->loeschen(nr));
        QCOMPARE(buchungen(*db, a).size(), 1);
        QCOMPARE(buchungen(*db, b).size(), umbuchung ? 1 : 0);
        stimmt();
    }

    // random posts, transfers and deletes, some failing halfway: the books always agree
    void zufallsfolgen()
    {
        QRandomGenerator zufall(20261210);
        QVector<int> ks;
        for (int i = 0; i < 3; ++i)
            ks << buch->kontoAnlegen(Kontoart(1 + i % 2), QStringLiteral("K%1").arg(i % 2),
                                     Geld::ausEinheiten(zufall.bounded(1000000)));
        QVector<int> kats = {buch->kategorieAnlegen(QStringLiteral("Ein"), EinAusEinnahme),
                             buch->kategorieAnlegen(QStringLiteral("Aus"), EinAusAusgabe)};
        for (int schritt = 0; schritt < 150; ++schritt) {
            const bool fehler = zufall.bounded(4) == 0;
            const char *wo[] = {"kontostand", "buchung", "gegenbuchung", "gegenkonto"};
            const char *ziel = wo[zufall.bounded(4)];
            buch->testHook = [&](const char *s) {
                if (fehler && qstrcmp(s, ziel) == 0)
                    throw Fehler();
            };
            const int konto = ks[zufall.bounded(ks.size())];
            try {
                switch (zufall.bounded(3)) {
                case 0: {
                    const int kat = kats[zufall.bounded(2)];
                    buch->buchen({konto,
                                  kat,
                                  QDate(2024, 1, 1).addDays(schritt),
                                  Geld::ausEinheiten(zufall.bounded(1, 5000000)),
                                  {}});
                    break;
                }
                case 1: {
                    int anderes = ks[zufall.bounded(ks.size())];
                    if (anderes == konto)
                        anderes = ks[(ks.indexOf(konto) + 1) % ks.size()];
                    buch->buchen({konto,
                                  anderes,
                                  QDate(2024, 1, 1).addDays(schritt),
                                  Geld::ausEinheiten(zufall.bounded(1, 5000000)),
                                  {}});
                    break;
                }
                default: {
                    const QVector<Buchung> bs = buchungen(*db, konto);
                    if (!bs.isEmpty())
                        buch->loeschen(bs[zufall.bounded(bs.size())].nummer);
                }
                }
            } catch (const Fehler &) {
            }
            stimmt();
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("nach Schritt %1").arg(schritt)));
        }
    }

    void monatsZeitraeume_data()
    {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        QTest::addColumn<int>("jahr");
        QTest::addColumn<QDate>("ende"); // invalid: refused
        QTest::newRow("leap February") << 2 << 2 << 2024 << QDate(2024, 2, 29);
        QTest::newRow("February") << 1 << 2 << 2023 << QDate(2023, 2, 28);
        QTest::newRow("century, no leap") << 2 << 2 << 1900 << QDate(1900, 2, 28);
        QTest::newRow("400 years, leap") << 2 << 2 << 2000 << QDate(2000, 2, 29);
        QTest::newRow("April") << 4 << 4 << 2024 << QDate(2024, 4, 30);
        QTest::newRow("year end") << 1 << 12 << 2024 << QDate(2024, 12, 31);
        QTest::newRow("month 13") << 1 << 13 << 2024 << QDate();
        QTest::newRow("month 0") << 0 << 3 << 2024 << QDate();
        QTest::newRow("end before start") << 5 << 3 << 2024 << QDate();
    }
    void monatsZeitraeume()
    {
        QFETCH(int, von);
        QFETCH(int, bis);
        QFETCH(int, jahr);
        QFETCH(QDate, ende);
        const auto z = monatsZeitraum(von, bis, jahr);
        QCOMPARE(z.has_value(), ende.isValid());
        if (z) {
            QCOMPARE(z->von, QDate(jahr, von, 1));
            QCOMPARE(z->bis, ende);
        }
    }

    // 40 postings over four months, summed by hand for months 1 to 3: income 3 × (0,10 + 0,20 +
    // 1.000,30 + 99,99), expenses 3 × (0,70 + 12,34 + 0,01 + 250), transfers left out
    void gewinnUndVerlust()
    {
        const int bank = buch->kontoAnlegen(Kontoart::Bankkonto, QStringLiteral("Bank"), eur("1000"));
        const int kasse = buch->kontoAnlegen(Kontoart::Bargeld, QStringLiteral("Kasse"), eur("0,05"));
        const int ein = buch->kategorieAnlegen(QStringLiteral("Kitten"), EinAusEinnahme);
        const int aus = buch->kategorieAnlegen(QStringLiteral("Futter"), EinAusAusgabe);
        const char *einnahmen[] = {"0,10", "0,20", "1.000,30", "99,99"};
        const char *ausgaben[] = {"0,70", "12,34", "0,01", "250"};
        // months 1 to 3 of 2024, the last day of each; one more month outside the period
        for (int monat = 1; monat <= 4; ++monat) {
            const QDate tag(2024, monat, QDate(2024, monat, 1).daysInMonth());
            for (int i = 0; i < 4; ++i) {
                buch->buchen({i % 2 ? kasse : bank, ein, tag, eur(einnahmen[i]), {}});
                buch->buchen({i % 2 ? bank : kasse, aus, tag, eur(ausgaben[i]), {}});
            }
            buch->buchen({bank, kasse, tag, eur("0,10"), {}}); // a transfer is no income
        }
        const GewinnVerlust g = gewinnVerlust(*db, *monatsZeitraum(1, 3, 2024));
        QCOMPARE(g.einnahmen.size() + g.ausgaben.size(), 24);
        QCOMPARE(g.einnahmen[1].kontoName, QStringLiteral("Kasse"));
        QCOMPARE(g.einnahmenGesamt, eur("3.301,77")); // 3 × 1.100,59
        QCOMPARE(g.ausgabenGesamt, eur("789,15"));    // 3 × 263,05
        QCOMPARE(g.saldo(), eur("2.512,62"));
        const GewinnVerlust februar = gewinnVerlust(*db, *monatsZeitraum(2, 2, 2024), kasse);
        QCOMPARE(februar.einnahmenGesamt, eur("100,19")); // 0,20 + 99,99 on the cash account, on the 29th
        QCOMPARE(februar.ausgabenGesamt, eur("0,71"));
        const Statistik s = kategorieStatistik(*db, QStringLiteral("Futter"), *monatsZeitraum(12, 12, 2023));
        QVERIFY(s.posten.isEmpty());
        QCOMPARE(kategorieStatistik(*db, QStringLiteral("Futter"), *monatsZeitraum(4, 4, 2024)).gesamt,
                 eur("-263,05"));
        // balances: opening 1000,05 + all income 4.402,36 - all expenses 1.052,20
        QCOMPARE(kontostandSumme(*db), eur("4.350,21"));
        stimmt();
    }

    // the window's editor goes through this rule: a changed opening balance moves the balance
    void eroeffnungAendern()
    {
        const int bank = buch->kontoAnlegen(Kontoart::Bankkonto, QStringLiteral("Bank"), eur("100"));
        const int kat = buch->kategorieAnlegen(QStringLiteral("Show"), EinAusAusgabe);
        buch->buchen({bank, kat, QDate(2024, 6, 1), eur("30"), {}});
        Table t(db.get(), QStringLiteral("KONTEN.DB"));
        t.open();
        QVERIFY(t.findKey({bank}));
        t.edit();
        t.setCurrencyUnits(QStringLiteral("Eroeffnungssaldo"), eur("120").einheiten());
        kontoVorDemSpeichern(*db, t);
        t.post();
        QCOMPARE(stand(bank), eur("90"));
        stimmt();
    }

    // A new register's books: kinds, categories in the program's language (German where the
    // catalogue has no text), each with its rate and kind; once only, and never over kept books.
    void buecherEinrichten_data()
    {
        QTest::addColumn<bool>("eigene"); // categories and rates kept before
        QTest::newRow("new register") << false;
        QTest::newRow("books kept before") << true;
    }
    void buecherEinrichten()
    {
        QFETCH(bool, eigene);
        for (const char *t : {"KONTOART.DB", "MEHRWERT.DB"})
            if (db->tableExists(t))
                db->dropTable(t);
        Buchfuehrung::tabellenAnlegen(*db);
        if (eigene) {
            buch->kategorieAnlegen(QStringLiteral("Welpen"), EinAusEinnahme);
            Table m(db.get(), QStringLiteral("MEHRWERT.DB"));
            m.open();
            m.append();
            m.setValue(QStringLiteral("Prozent"), 16);
            m.post();
        }
        const auto englisch = [](int tag) {
            return tag == 7075   ? QStringLiteral("Cat food")
                   : tag == 7072 ? QStringLiteral("Kitten sales")
                                 : QString();
        };
        QVERIFY(tav::office::buecherEinrichten(*db, englisch));
        QVERIFY(!tav::office::buecherEinrichten(*db, englisch));
        Table arten(db.get(), QStringLiteral("KONTOART.DB"));
        arten.open();
        QCOMPARE(arten.recordCount(), 2);
        const QVector<Konto> k = kategorien(*db);
        Table m(db.get(), QStringLiteral("MEHRWERT.DB"));
        m.open();
        if (eigene) {
            QCOMPARE(k.size(), 1);
            QCOMPARE(m.recordCount(), 1);
            return;
        }
        QCOMPARE(k.size(), 12);
        QCOMPARE(m.recordCount(), 3);
        QHash<QString, Konto> nachName;
        for (const Konto &x : k)
            nachName.insert(x.name, x);
        QVERIFY(nachName.contains(QStringLiteral("Tierarzt")));
        QCOMPARE(nachName.value(QStringLiteral("Kitten sales")).einAus, EinAusEinnahme);
        const Konto futter = nachName.value(QStringLiteral("Cat food"));
        QCOMPARE(futter.einAus, EinAusAusgabe);
        Table t(db.get(), QStringLiteral("KONTEN.DB"));
        t.open();
        QVERIFY(t.findKey({futter.nummer}) && m.findKey({t.intValue(QStringLiteral("Mwst"))}));
        QCOMPARE(m.intValue(QStringLiteral("Prozent")), 7);
        // a posting on a delivered expense is a cost
        const int bank = buch->kontoAnlegen(Kontoart::Bankkonto, QStringLiteral("Bank"), eur("100"));
        buch->buchen({bank, futter.nummer, QDate(2024, 6, 1), eur("12,50"), {}});
        QCOMPARE(stand(bank), eur("87,50"));
    }
};

QTEST_GUILESS_MAIN(TstBuchfuehrung)
#include "tst_buchfuehrung.moc"
