#include "breeding/BaumInzucht.h"
#include "breeding/GrosseZahl.h"
#include "breeding/InzuchtFormat.h"

#include <QtTest>

using namespace tav::breeding;

class TestAhnenstrukturen : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void binaerbaum();
    void grosseZahlRundetEinmal_data();
    void grosseZahlRundetEinmal();
    void grosseZahlText();
    void prozentSpeicherform_data();
    void prozentSpeicherform();
    void mischungOhneTextGleichMitText();
};

void TestAhnenstrukturen::binaerbaum()
{
    BaumInzucht::TBinaerbaum b;
    QVERIFY(!b.Anlegen(1)); // no cursor yet
    QVERIFY(b.Anlegen(0));
    BaumInzucht::Satz *wurzel = b.ZeigerAktuell;
    QVERIFY(b.Anlegen(2)); // dam only
    BaumInzucht::Satz *mutter = b.ZeigerAktuell;
    QVERIFY(b.Anlegen(1));
    QCOMPARE(b.ZeigerAktuell->Generation, quint8(3));
    QCOMPARE(b.Wechsel(BaumInzucht::richtung::zurueck, b.ZeigerAktuell), mutter);
    QCOMPARE(b.Wechsel(BaumInzucht::richtung::rechts, wurzel), mutter);
    QVERIFY(!b.Wechsel(BaumInzucht::richtung::links, wurzel));
    QCOMPARE(b.Wechsel(BaumInzucht::richtung::root, mutter), wurzel);
    QCOMPARE(b.zaehler, 3);
    QCOMPARE(b.Generationen, quint8(3));
    b.freigeben();
    QCOMPARE(b.zaehler, 0);
    QVERIFY(!b.Zeigeranfang);
}

void TestAhnenstrukturen::grosseZahlRundetEinmal_data()
{
    QTest::addColumn<QList<int>>("exponenten"); // sum of 2^-e
    QTest::addColumn<double>("wert");
    QTest::newRow("exact") << QList<int>{1, 3} << 0.625;
    // 1/2 + 2^-54: exactly half an ulp above 1/2, ties to even keeps 1/2
    QTest::newRow("tie to even") << QList<int>{1, 55} << 0.5;
    // one more tiny term breaks the tie upwards
    QTest::newRow("tie broken") << QList<int>{1, 55, 300} << 0.5 + std::ldexp(1.0, -53);
    QTest::newRow("deepest term") << QList<int>{507} << std::ldexp(1.0, -507);
}

void TestAhnenstrukturen::grosseZahlRundetEinmal()
{
    QFETCH(QList<int>, exponenten);
    QFETCH(double, wert);
    GrosseZahl z;
    for (int e : exponenten)
        QVERIFY(z.addiere(GrosseZahl::term(e)));
    QCOMPARE(z.alsAnteil(), wert);
}

void TestAhnenstrukturen::grosseZahlText()
{
    GrosseZahl z;
    for (int k = 1; k < 70; ++k)
        z.addiere(GrosseZahl::zweiHoch(k));
    QCOMPARE(z.text(), QStringLiteral("1180591620717411303422")); // 2^70 - 2
    QCOMPARE(anzahlText(~Anzahl(0)), QStringLiteral("340282366920938463463374607431768211455"));
    Anzahl a = ~Anzahl(0);
    QVERIFY(!addiere(a, 1));
    GrosseZahl voll = GrosseZahl::zweiHoch(GrosseZahl::Bits - 1);
    QVERIFY(!voll.addiere(voll));
}

void TestAhnenstrukturen::prozentSpeicherform_data()
{
    QTest::addColumn<float>("wert");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 50.0f << "50";
    QTest::newRow("fraction") << 12.5f << "12,5";
    QTest::newRow("small") << float(100.0 / 1048576.0) << "0,000095367431640625";
    QTest::newRow("scientific") << float(100.0 / 16777216.0) << "5,96046447753906E-6";
    QTest::newRow("float digits") << 100.0f / 3.0f << "33,3333320617676";
}

void TestAhnenstrukturen::prozentSpeicherform()
{
    QFETCH(float, wert);
    QFETCH(QString, text);
    QCOMPARE(prozentSpeicherText(wert, QLatin1Char(',')), text);
    QCOMPARE(prozentLesen(text, QLatin1Char(',')), wert);
    // the stored form read back and mixed again gives the same text
    const QString a = QStringLiteral("3-") + text + QStringLiteral("/");
    QCOMPARE(mischeProzent(a, 3, a, 3, QLatin1Char(',')), a);
}

// Random pedigrees of breeds, many generations deep (tiny and subnormal shares), mixed through
// the stored text at every generation and as values: the texts must be identical.
void TestAhnenstrukturen::mischungOhneTextGleichMitText()
{
    QRandomGenerator rng(5);
    for (QChar dezimal : {QLatin1Char(','), QLatin1Char('.')}) {
        for (int runde = 0; runde < 60; ++runde) {
            struct Tier {
                qint32 rasse;
                QString text;
                RasseAnteile werte;
            };
            QVector<Tier> tiere;
            for (int i = 0; i < 14; ++i) { // founders of up to 14 breeds: more than ten slots
                const qint32 r = 1 + qint32(rng.bounded(14));
                tiere.append({r, ende(), ganzeRasse(r)});
            }
            for (int i = 0; i < 200; ++i) {
                // parents mostly recent, sometimes far back: shares of 100 / 2^k for large k
                const int n = int(tiere.size());
                const Tier &v = tiere[n - 1 - int(rng.bounded(std::min(n, rng.bounded(4) ? 6 : n)))];
                const Tier &m = tiere[n - 1 - int(rng.bounded(std::min(n, 6)))];
                const qint32 r = rng.bounded(3) ? v.rasse : m.rasse;
                Tier kind{r, mischeProzent(v.text, v.rasse, m.text, m.rasse, dezimal),
                          mischeAnteile(v.werte, m.werte)};
                QCOMPARE(kind.werte.speicherText(dezimal), kind.text);
                tiere.append(kind);
            }
        }
    }
    // deep enough for shares below the smallest normal float
    QString text = ende();
    RasseAnteile werte = ganzeRasse(7);
    const RasseAnteile andere = ganzeRasse(9);
    for (int i = 0; i < 160; ++i) {
        text = mischeProzent(text, 7, ende(), 9, QLatin1Char(','));
        werte = mischeAnteile(werte, andere);
        QCOMPARE(werte.speicherText(QLatin1Char(',')), text);
    }
}

QTEST_GUILESS_MAIN(TestAhnenstrukturen)
#include "tst_ahnenstrukturen.moc"
