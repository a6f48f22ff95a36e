#include "../common/InzuchtTexte.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/InzuchtFormat.h"
#include "breeding/Speicherbudget.h"

#include <QtTest>

using namespace tav::breeding;

namespace {

QString meldungStub(int n)
{
    return QStringLiteral("M%1").arg(n);
}

struct Register {
    MemoryPedigree p;
    void katze(qint32 nr, qint32 vater = 0, qint32 mutter = 0, qint32 rasse = 0)
    {
        p.setzeKatze(nr, QStringLiteral("K%1").arg(nr), vater, mutter, rasse);
    }
};

// s_t and d_t are full siblings for every t; numbers 2t+1 (tom) and 2t+2 (queen)
Register vollgeschwister(int t)
{
    Register r;
    r.katze(1);
    r.katze(2);
    for (int i = 1; i <= t; ++i) {
        r.katze(2 * i + 1, 2 * i - 1, 2 * i);
        r.katze(2 * i + 2, 2 * i - 1, 2 * i);
    }
    return r;
}

std::unique_ptr<InzuchtBerechnung> engine(const Register &r, InzuchtBerechnung::Rechenweg weg)
{
    auto e = std::make_unique<InzuchtBerechnung>(r.p);
    e->einstellungen.weg = weg;
    return e;
}

using Weg = InzuchtBerechnung::Rechenweg;

InzuchtTexte texte(const InzuchtBerechnung &e)
{
    return texteVon(e, meldungStub);
}

} // namespace

class TestInzucht : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void festkommaFormat_data();
    void festkommaFormat();
    void prozentKurzFormat_data();
    void prozentKurzFormat();
    void koeffizient_data();
    void koeffizient();
    void vollgeschwisterReihe_data();
    void vollgeschwisterReihe();
    void dreimalVorkommen();
    void ahnenverlustVierGenerationen();
    void fehlenderElternteilUndFoundation();
    void elternNichtImRegister();
    void zyklusWirdGemeldet_data();
    void zyklusWirdGemeldet();
    void generationenBegrenzt();
    void geplanterNachkommeNimmtRasseDerMutter();
    void zehnRassenFuellenZusammensetzung();
    void elternteilOhneRasseGibtEnde();
    void positionenMitLuecke();
    void speicherbudget_data();
    void speicherbudget();
    void klonNamenGenau();
    void topKatzenUndVorfahrenliste_data();
    void topKatzenUndVorfahrenliste();
    void abbruchUndWiedereintritt();
    void ruhigerModusOhneListen();
    void texteOhneBerechnung_data();
    void texteOhneBerechnung();
};

void TestInzucht::festkommaFormat_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("text");
    QTest::newRow("eighth") << 0.125 << 4 << 5 << "0,12500";
    QTest::newRow("percent") << 12.5 << 4 << 2 << "12,50";
    QTest::newRow("half away from zero") << 0.125 << 3 << 2 << "0,13";
    QTest::newRow("decimals win") << 0.0009765625 << 3 << 5 << "0,00098";
    QTest::newRow("digits win, padded") << 1.0 / 3.0 << 4 << 5 << "0,33330";
    QTest::newRow("hundred") << 100.0 << 3 << 2 << "100,00";
    QTest::newRow("zero") << 0.0 << 4 << 5 << "0,00000";
    QTest::newRow("below half stays") << 0.145 << 3 << 2 << "0,14"; // the double is just below
    QTest::newRow("above half") << 99.995 << 4 << 2 << "100,00";
    QTest::newRow("carry into integer") << 9.99951171875 << 4 << 2 << "10,00";
    QTest::newRow("tiny term") << 0.00048828125 << 3 << 5 << "0,00049";
}

void TestInzucht::festkommaFormat()
{
    QFETCH(double, wert);
    QFETCH(int, p);
    QFETCH(int, d);
    QFETCH(QString, text);
    QCOMPARE(festkomma(wert, p, d, QLatin1Char(',')), text);
}

void TestInzucht::prozentKurzFormat_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 100.0 << "100";
    QTest::newRow("one decimal") << 12.5 << "12,5";
    QTest::newRow("two decimals") << 6.25 << "6,25";
    QTest::newRow("rounded") << 0.78125 << "0,78";
    QTest::newRow("half up") << 0.125 << "0,13";
    QTest::newRow("trailing zero dropped") << 0.1953125 << "0,2";
}

void TestInzucht::prozentKurzFormat()
{
    QFETCH(double, wert);
    QFETCH(QString, text);
    QCOMPARE(prozentKurz(wert, QLatin1Char(',')), text);
}

// Pedigrees: sire 1, dam 2 of a planned offspring.
void TestInzucht::koeffizient_data()
{
    QTest::addColumn<QVector<QVector<int>>>("katzen"); // nr, sire, dam
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("kurz");
    QTest::addColumn<QStringList>("zeilen");

    QTest::newRow("unrelated") << QVector<QVector<int>>{{1, 3, 4}, {2, 5, 6}, {3}, {4}, {5}, {6}} << " 0%"
                               << " 0%" << QStringList{"M48"};
    QTest::newRow("half siblings") << QVector<QVector<int>>{{1, 10, 11}, {2, 10, 12}, {10}, {11}, {12}}
                                   << " 0,12500 = 12,50%"
                                   << "12,50%" << QStringList{"K10 : 1 : 1 = 0,12500"};
    QTest::newRow("full siblings") << QVector<QVector<int>>{{1, 10, 11}, {2, 10, 11}, {10}, {11}}
                                   << " 0,25000 = 25,00%"
                                   << "25,00%"
                                   << QStringList{"K10 : 1 : 1 = 0,12500", "K11 : 1 : 1 = 0,12500"};
    QTest::newRow("parent x offspring")
        << QVector<QVector<int>>{{1, 10, 11}, {2, 1, 12}, {10}, {11}, {12}} << " 0,25000 = 25,00%"
        << "25,00%" << QStringList{"K1 : 0 : 1 = 0,25000"};
    // sire and dam half siblings through 20; 21 is a parent of 20 on both lines through the same child
    QTest::newRow("same child on both lines")
        << QVector<QVector<int>>{{1, 20, 11}, {2, 20, 12}, {20, 21, 22}, {11}, {12}, {21}, {22}}
        << " 0,12500 = 12,50%"
        << "12,50%" << QStringList{"K20 : 1 : 1 = 0,12500"};
    // 30 is both sire and dam of 20: two slots, so both pairs through 20 to 30 count
    QTest::newRow("selfed ancestor") << QVector<QVector<int>>{{1, 20, 11}, {2, 20, 12}, {20, 30, 30},
                                                              {11},        {12},        {30}}
                                     << " 0,18750 = 18,75%"
                                     << "18,75%"
                                     << QStringList{"K30 : 2 : 2 = 0,03130", "K30 : 2 : 2 = 0,03130",
                                                    "K20 : 1 : 1 = 0,12500"};
}

void TestInzucht::koeffizient()
{
    QFETCH(QVector<QVector<int>>, katzen);
    QFETCH(QString, lang);
    QFETCH(QString, kurz);
    QFETCH(QStringList, zeilen);
    Register r;
    for (const auto &k : katzen)
        r.katze(k[0], k.value(1), k.value(2));
    for (Weg weg : {Weg::Baum, Weg::Schnell}) {
        auto e = engine(r, weg);
        e->einstellungen.listenZusammenfassen = false;
        QVERIFY(e->Berechne(0, 1, 2, 6, true));
        QCOMPARE(texte(*e).Inzuchtkoeffizient, lang);
        QCOMPARE(texte(*e).Inzuchtkoeffizientkurz, kurz);
        if (weg == Weg::Baum)
            QCOMPARE(texte(*e).Inzucht, zeilen);
    }
}

void TestInzucht::vollgeschwisterReihe_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<double>("f");
    const double werte[] = {0.25, 0.375, 0.5, 0.59375, 0.671875, 0.734375, 0.78515625, 0.826171875};
    for (int t = 1; t <= 8; ++t)
        QTest::addRow("t=%d", t) << t << werte[t - 1];
}

void TestInzucht::vollgeschwisterReihe()
{
    QFETCH(int, t);
    QFETCH(double, f);
    const Register r = vollgeschwister(t);
    for (Weg weg : {Weg::Baum, Weg::Schnell}) {
        for (int g : {t + 2, t + 5, 255}) {
            auto e = engine(r, weg);
            QVERIFY(e->Berechne(0, 2 * t + 1, 2 * t + 2, g, false));
            QCOMPARE(ergebnisVon(*e).koeffizient, f);
        }
    }
    // a generation short, the deepest pair is out of reach
    auto e = engine(r, Weg::Baum);
    QVERIFY(e->Berechne(0, 2 * t + 1, 2 * t + 2, t + 1, false));
    QVERIFY(t == 1 || ergebnisVon(*e).koeffizient < f);
}

void TestInzucht::dreimalVorkommen()
{
    // 10 is grandsire on the sire side twice (sire of 3 and of 4) and once on the dam side
    Register r;
    r.katze(1, 3, 4);
    r.katze(2, 10, 5);
    r.katze(3, 10, 6);
    r.katze(4, 10, 7);
    for (int nr : {5, 6, 7, 10})
        r.katze(nr);
    auto e = engine(r, Weg::Baum);
    QVERIFY(e->Berechne(0, 1, 2, 4, true));
    QCOMPARE(int(ergebnisVon(*e).AnzahlVorhandenerVorf), 10); // 1 2 | 3 4 10 5 | 10 6 10 7
    QCOMPARE(int(ergebnisVon(*e).zaehlerdoppelt), 2);
    QCOMPARE(int(ergebnisVon(*e).verschiedeneVorfahren), 8);
    QCOMPARE(texte(*e).Ahnenverlust.at(3), QStringLiteral("M45 8"));
    QCOMPARE(texte(*e).Ahnenverlust.at(5), QStringLiteral("M46 2"));
    QCOMPARE(texte(*e).Ahnenverlustkoeffizient, QStringLiteral("20,00%"));
}

void TestInzucht::ahnenverlustVierGenerationen()
{
    Register r;
    for (int nr = 1; nr <= 6; ++nr)
        r.katze(nr, 2 * nr + 1, 2 * nr + 2);
    for (int nr = 7; nr <= 14; ++nr)
        r.katze(nr, 100 + nr, 200 + nr); // great-grandparents are outside G = 4
    for (int nr = 7; nr <= 14; ++nr)
        r.katze(100 + nr), r.katze(200 + nr);
    r.katze(0 + 100, 1, 2);
    auto e = engine(r, Weg::Baum);
    QVERIFY(e->Berechne(100, 1, 2, 4, true));
    QCOMPARE(texte(*e).Ahnenverlust,
             (QStringList{"", "M44 14", "M93 14", "M45 14", "", "M46 0", "M47 0,00"}));
    QCOMPARE(texte(*e).Stammbaumkomplett, QStringLiteral("M42"));
    QCOMPARE(texte(*e).Ahnenverlustkoeffizient, QStringLiteral("0,00%"));
    QCOMPARE(ergebnisVon(*e).namen[2], (QStringList{"K7", "K8", "K9", "K10", "K11", "K12", "K13", "K14"}));
}

void TestInzucht::fehlenderElternteilUndFoundation()
{
    Register r;
    r.katze(1, 0, 4); // sire of 1 missing
    r.katze(2, 5, 6);
    r.katze(4, 99, 0); // 99 not in the register, dam not recorded
    r.katze(5, 7, 8);  // 5 is a foundation cat: 7 and 8 are not followed
    r.katze(6);
    r.katze(7);
    r.katze(8);
    r.p.setzeMerkmal(5, MerkmalFoundation);
    for (Weg weg : {Weg::Baum, Weg::Schnell}) {
        auto e = engine(r, weg);
        e->einstellungen.listenZusammenfassen = weg == Weg::Schnell;
        QVERIFY(e->Berechne(0, 1, 2, 4, true));
        QCOMPARE(texte(*e).Stammbaumkomplett, QStringLiteral("M43"));
        QCOMPARE(int(ergebnisVon(*e).AnzahlVorhandenerVorf), 5);
        if (weg == Weg::Baum)
            QCOMPARE(texte(*e).Info, (QStringList{"2 M39K1 M40", "3 M39K4 M40", "3 M39K4 M41", "3 M39K5 M107",
                                                  "3 M39K6 M40", "3 M39K6 M41"}));
        else
            QCOMPARE(texte(*e).Info.size(), 7);
    }
    // at the limit a missing parent is not looked at
    auto e = engine(r, Weg::Baum);
    QVERIFY(e->Berechne(0, 2, 6, 3, true));
    QCOMPARE(texte(*e).Stammbaumkomplett, QStringLiteral("M43")); // 6 (dam, generation 2) has no parents
    QVERIFY(e->Berechne(0, 5, 6, 3, true));
    QCOMPARE(texte(*e).Info, (QStringList{"2 M39K5 M107", "2 M39K6 M40", "2 M39K6 M41"}));
}

void TestInzucht::elternNichtImRegister()
{
    Register r;
    r.katze(1);
    auto e = engine(r, Weg::Automatisch);
    QVERIFY(!e->Berechne(0, 1, 2, 5, true));
    QCOMPARE(e->fehler().meldung, 83);
    QVERIFY(texte(*e).Inzuchtkoeffizient.isEmpty());
    QVERIFY(!e->Berechne(0, 0, 1, 5, true));
}

void TestInzucht::zyklusWirdGemeldet_data()
{
    QTest::addColumn<QVector<QVector<int>>>("katzen");
    QTest::addColumn<int>("tier");
    QTest::addColumn<QVector<qint32>>("beteiligt");
    QTest::newRow("two cats") << QVector<QVector<int>>{{1, 3, 0}, {2}, {3, 4, 0}, {4, 1, 0}} << 0
                              << QVector<qint32>{1, 3, 4};
    QTest::newRow("own sire") << QVector<QVector<int>>{{1, 0, 5}, {2}, {5, 5, 0}} << 0 << QVector<qint32>{5};
    QTest::newRow("examined cat") << QVector<QVector<int>>{{9, 1, 2}, {1, 9, 0}, {2}} << 9
                                  << QVector<qint32>{1, 9};
}

void TestInzucht::zyklusWirdGemeldet()
{
    QFETCH(QVector<QVector<int>>, katzen);
    QFETCH(int, tier);
    QFETCH(QVector<qint32>, beteiligt);
    Register r;
    for (const auto &k : katzen)
        r.katze(k[0], k.value(1), k.value(2));
    auto e = engine(r, Weg::Automatisch);
    QVERIFY(!e->Berechne(tier, tier ? 1 : 1, 2, 255, true));
    QVector<qint32> z = e->fehler().zyklus;
    std::sort(z.begin(), z.end());
    QCOMPARE(z, beteiligt);
    QVERIFY(fehlerText(e->fehler(), textArtVon(*e)).contains(QStringLiteral("K%1").arg(beteiligt.first())));
    QVERIFY(texte(*e).Inzucht.isEmpty());
}

void TestInzucht::generationenBegrenzt()
{
    Register r = vollgeschwister(2);
    auto e = engine(r, Weg::Automatisch);
    QVERIFY(e->Berechne(0, 5, 6, 1, false));
    QCOMPARE(ergebnisVon(*e).generationen, 3);
    QCOMPARE(texte(*e).Ahnenverlust.at(1), QStringLiteral("M44 6"));
    QVERIFY(e->Berechne(0, 5, 6, 64, false));
    QCOMPARE(texte(*e).Ahnenverlust.at(1), QStringLiteral("M44 18446744073709551614"));
    QVERIFY(e->Berechne(0, 5, 6, 1000, false));
    QCOMPARE(ergebnisVon(*e).generationen, 255);
    QCOMPARE(texte(*e).Ahnenverlust.at(1),
             QStringLiteral("M44 "
                            "57896044618658097711785492504343953926634992332820282019728792003956564819966"));
}

void TestInzucht::geplanterNachkommeNimmtRasseDerMutter()
{
    Register r;
    r.katze(1, 0, 0, 0); // sire without breed: the offspring's composition ends at once
    r.katze(2, 0, 0, 7);
    r.katze(3, 1, 2, 8); // a real offspring of the pair, breed 8
    r.p.setzeRasse(7, QStringLiteral("BRI"));
    r.p.setzeRasse(8, QStringLiteral("EKH"));
    auto e = engine(r, Weg::Baum);
    QVERIFY(e->Berechne(0, 1, 2, 5, false));
    QCOMPARE(texte(*e).RTier, QStringLiteral("100% BRI   "));
    const QString geplant = texte(*e).Inzuchtkoeffizient;
    QVERIFY(e->Berechne(3, 1, 2, 5, false));
    QCOMPARE(texte(*e).RTier, QStringLiteral("100% EKH   "));
    QCOMPARE(texte(*e).Inzuchtkoeffizient, geplant);
    // breed known for both parents: half each
    r.katze(1, 0, 0, 8);
    QVERIFY(e->Berechne(0, 1, 2, 5, false));
    QCOMPARE(texte(*e).RTier, QStringLiteral("50% EKH   50% BRI   "));
}

void TestInzucht::zehnRassenFuellenZusammensetzung()
{
    // generation 5 (16 cats) carries breeds 1..11, then breed 1 again
    Register r;
    for (int nr = 1; nr <= 14; ++nr)
        r.katze(nr, 2 * nr + 1, 2 * nr + 2, 50);
    for (int i = 0; i < 16; ++i)
        r.katze(15 + i, 0, 0, i < 11 ? i + 1 : 1);
    for (int b = 1; b <= 11; ++b)
        r.p.setzeRasse(b, QStringLiteral("B%1").arg(b));
    r.p.setzeRasse(50, QStringLiteral("MIX"));
    r.katze(100, 1, 2, 50);
    for (Weg weg : {Weg::Baum, Weg::Schnell}) {
        auto e = engine(r, weg);
        QVERIFY(e->Berechne(100, 1, 2, 6, false));
        QCOMPARE(texte(*e).RTier,
                 QStringLiteral("37,5% B1   6,25% B2   6,25% B3   6,25% B4   6,25% B5   6,25% B6   "
                                "6,25% B7   6,25% B8   6,25% B9   6,25% B10   "));
        QCOMPARE(texte(*e).r[0].at(1), QStringLiteral("12,5% B9   12,5% B10   12,5% B11   62,5% B1   "));
    }
}

void TestInzucht::elternteilOhneRasseGibtEnde()
{
    Register r;
    r.katze(1, 3, 4, 5); // sire with breed 5, its sire 3 has no breed
    r.katze(2, 0, 0, 6);
    r.katze(3, 0, 0, 0);
    r.katze(4, 0, 0, 6);
    r.p.setzeRasse(5, QStringLiteral("SIA"));
    r.p.setzeRasse(6, QStringLiteral("BAL"));
    auto e = engine(r, Weg::Baum);
    QVERIFY(e->Berechne(0, 1, 2, 5, false));
    QCOMPARE(texte(*e).r[0], (QStringList{"100% SIA   ", "100% BAL   "}));
    QCOMPARE(texte(*e).RTier, QStringLiteral("50% SIA   50% BAL   "));
    // below an "ende" the positions stay empty
    QCOMPARE(texte(*e).r[1], (QStringList{"", "", "", ""}));
    QCOMPARE(ergebnisVon(*e).namen[1], (QStringList{"K3", "K4", "", ""}));
    // a breed missing from the breed table cannot be shown
    r.katze(2, 0, 0, 77);
    QVERIFY(e->Berechne(0, 1, 2, 5, false));
    QCOMPARE(texte(*e).r[0].at(1), QStringLiteral("Rasse nicht gefunden!"));
}

void TestInzucht::positionenMitLuecke()
{
    // the sire's sire is missing; names of the others keep their pedigree positions
    Register r;
    r.katze(1, 0, 4);
    r.katze(2, 5, 6);
    r.katze(4, 8, 9);
    r.katze(5, 10, 0);
    for (int nr : {6, 8, 9, 10})
        r.katze(nr);
    for (Weg weg : {Weg::Baum, Weg::Schnell}) {
        auto e = engine(r, weg);
        QVERIFY(e->Berechne(0, 1, 2, 6, false));
        QCOMPARE(ergebnisVon(*e).namen[0], (QStringList{"K1", "K2"}));
        QCOMPARE(ergebnisVon(*e).namen[1], (QStringList{"", "K4", "K5", "K6"}));
        QCOMPARE(ergebnisVon(*e).namen[2], (QStringList{"", "", "K8", "K9", "K10", "", "", ""}));
        QCOMPARE(ergebnisVon(*e).namen[3].size(), 16);
    }
}

void TestInzucht::klonNamenGenau()
{
    Register r;
    r.katze(1, 3, 4);
    r.katze(2, 5, 3);
    r.p.setzeKatze(3, QStringLiteral("Tommy"), 0, 0);
    r.p.setzeKatze(4, QStringLiteral("Tom"), 0, 0);
    r.p.setzeKatze(5, QStringLiteral("Tom"), 0, 0); // another cat of the same name
    for (int nr : {3, 4, 5})
        r.p.setzeMerkmal(nr, MerkmalKlon);
    for (Weg weg : {Weg::Baum, Weg::Schnell}) {
        auto e = engine(r, weg);
        QVERIFY(e->Berechne(0, 1, 2, 4, true));
        // 14 possible ancestors; Tommy twice, the two Toms once each
        QCOMPARE(texte(*e).Clon, (QStringList{"14,29 %/Tommy", "14,29 %/Tom"}));
    }
    r.p = MemoryPedigree();
    r.katze(1);
    r.katze(2);
    auto e = engine(r, Weg::Baum);
    QVERIFY(e->Berechne(0, 1, 2, 4, true));
    QCOMPARE(texte(*e).Clon, QStringList{"0 %"});
}

void TestInzucht::topKatzenUndVorfahrenliste_data()
{
    QTest::addColumn<bool>("merkmalVorTop");
    QTest::addColumn<int>("farbe3");
    QTest::newRow("top colour wins") << false << 255;
    QTest::newRow("trait colour wins") << true << 4242;
}

void TestInzucht::topKatzenUndVorfahrenliste()
{
    QFETCH(bool, merkmalVorTop);
    QFETCH(int, farbe3);
    Register r;
    r.katze(1, 3, 4);
    r.katze(2, 3, 5);
    for (int nr : {3, 4, 5})
        r.katze(nr);
    r.p.setzeTopKatze(1, 3, 255);
    r.p.setzeTopKatze(2, 4, 65280);
    r.p.setzeTopKatze(4, 3, 1);
    r.p.setzeMerkmal(3, 9, 4242);
    for (Weg weg : {Weg::Baum, Weg::Schnell}) {
        auto e = engine(r, weg);
        e->einstellungen.merkmalVorTop = merkmalVorTop;
        QVERIFY(e->Berechne(0, 1, 2, 3, true));
        QCOMPARE(int(ergebnisVon(*e).AnzahlTopKatzen[0].anzahl), 2);
        QCOMPARE(ergebnisVon(*e).AnzahlTopKatzen[0].katze, 3);
        QCOMPARE(int(ergebnisVon(*e).AnzahlTopKatzen[3].anzahl), 2);
        QCOMPARE(topKatzeAnteilVon(*e, 1), QStringLiteral("33,33 %")); // 2 of 6
        QCOMPARE(topKatzeAnteilVon(*e, 2), QStringLiteral("16,67 %"));
        QCOMPARE(topKatzeAnteilVon(*e, 3), QStringLiteral("0,00 %"));
        QCOMPARE(ergebnisVon(*e).Vorfahrenliste.size(), 5);
        const auto &z = ergebnisVon(*e).Vorfahrenliste.at(2);
        QCOMPARE(z.Nummer, 3);
        QCOMPARE(int(z.Anzahl), 2);
        QCOMPARE(z.Farbe.value_or(-1), farbe3);
        QCOMPARE(ergebnisVon(*e).Vorfahrenliste.at(3).Farbe.value_or(-1), 65280);
        QVERIFY(!ergebnisVon(*e).Vorfahrenliste.at(4).Farbe.has_value());
    }
}

void TestInzucht::abbruchUndWiedereintritt()
{
    const Register r = vollgeschwister(3);
    for (Weg weg : {Weg::Baum, Weg::Schnell}) {
        auto e = engine(r, weg);
        int aufrufe = 0;
        e->fortschritt = [&](quint64, quint64) { return ++aufrufe < (weg == Weg::Baum ? 3 : 1); };
        QVERIFY(!e->Berechne(0, 7, 8, 6, true));
        QVERIFY(texte(*e).Inzuchtkoeffizient.isEmpty());
        QVERIFY(!e->laeuft());

        bool innen = true;
        e->fortschritt = [&](quint64, quint64) {
            innen = e->Berechne(0, 7, 8, 6, true);
            return true;
        };
        QVERIFY(e->Berechne(0, 7, 8, 6, true));
        QVERIFY(!innen);
        QCOMPARE(texte(*e).Inzuchtkoeffizientkurz, QStringLiteral("50,00%"));
    }
}

void TestInzucht::ruhigerModusOhneListen()
{
    const Register r = vollgeschwister(2);
    auto e = engine(r, Weg::Baum);
    bool gerufen = false;
    e->fortschritt = [&](quint64, quint64) { return gerufen = true; };
    QVERIFY(e->Berechne(0, 5, 6, 5, false));
    QVERIFY(!gerufen);
    QVERIFY(texte(*e).Inzucht.isEmpty());
    QVERIFY(texte(*e).Info.isEmpty());
    QCOMPARE(texte(*e).Clon, QStringList{"0 %"});
    QVERIFY(ergebnisVon(*e).Vorfahrenliste.isEmpty());
    QCOMPARE(texte(*e).Inzuchtkoeffizientkurz, QStringLiteral("37,50%"));
    QVERIFY(e->Binaerbaum());
    QCOMPARE(e->Binaerbaum()->zaehler, 1 + 2 + 4 + 8);
}

// The texts come from the result alone: a hand-made result, cut lists, both languages.
void TestInzucht::texteOhneBerechnung_data()
{
    QTest::addColumn<bool>("einzeln");
    QTest::addColumn<int>("sprache");
    QTest::addColumn<QStringList>("inzucht");
    QTest::addColumn<QStringList>("info");
    QTest::newRow("condensed, German")
        << false << 0
        << QStringList{"K7 : 1 : 2 = 0,06250 (3x)", "Liste zusammengefasst: 8 Paare in 4 Zeilen", "M9402 3"}
        << QStringList{"2 M39K9 M40 (2x)", "Liste zusammengefasst: 2 Einträge in 1 Zeilen"};
    QTest::newRow("condensed, English")
        << false << 1
        << QStringList{"K7 : 1 : 2 = 0,06250 (3x)", "List condensed: 8 pairs in 4 lines", "M9402 3"}
        << QStringList{"2 M39K9 M40 (2x)", "List condensed: 2 entries in 1 lines"};
    QTest::newRow("single lines") << true << 0 << QStringList{"K7 : 0 : 0 = 0,50000", "M9402 4"}
                                  << QStringList{"2 M39K9 M40"};
}

void TestInzucht::texteOhneBerechnung()
{
    QFETCH(bool, einzeln);
    QFETCH(int, sprache);
    QFETCH(QStringList, inzucht);
    QFETCH(QStringList, info);
    InzuchtErgebnis e;
    e.koeffizient = 0.1875;
    e.beitrag = e.listen = true;
    e.einzeln = einzeln;
    e.AnzahlMoeglicherVorf = GrosseZahl::von(6);
    e.paare = {{7, "K7", 1, 2, GrosseZahl::von(3)}};
    e.paareWeitere = 3;
    e.paareWeitereAnzahl = GrosseZahl::von(5);
    e.einzelPaare = {{7, "K7", 0, 0, GrosseZahl::von(1)}};
    e.einzelPaareWeitere = 4;
    e.info = {{2, "K9", InfoArt::VaterFehlt, 2}};
    e.infoGesamt = 2;
    e.klone = {{"K7", 3}};
    e.kloneWeitere = 1;
    const InzuchtTexte t = inzuchtTexte(e, {QLatin1Char(','), sprache, meldungStub});
    QCOMPARE(t.Inzuchtkoeffizient, QStringLiteral(" 0,18750 = 18,75%"));
    QCOMPARE(t.Inzucht, inzucht);
    QCOMPARE(t.Info, info);
    QCOMPARE(t.Clon, (QStringList{"50,00 %/K7", "M9402 1"}));
}

// Each way ends at the budget with the not-enough-memory message and frees what it built; the
// next calculation within the budget is whole again.
void TestInzucht::speicherbudget_data()
{
    QTest::addColumn<Weg>("weg");
    QTest::addColumn<int>("generationen");
    QTest::addColumn<qint64>("grenze");
    // 2^22 nodes: a few hundred megabytes of tree
    QTest::newRow("tree") << Weg::Baum << 22 << (qint64(96) << 20);
    QTest::newRow("path counts") << Weg::Schnell << 22 << qint64(1);
}

void TestInzucht::speicherbudget()
{
    QFETCH(Weg, weg);
    QFETCH(int, generationen);
    QFETCH(qint64, grenze);
    Register r = vollgeschwister(generationen);
    auto e = engine(r, weg);
    QVERIFY(e->Berechne(0, 5, 6, 4, true));
    const QString koeffizient = texte(*e).Inzuchtkoeffizient;
    setzeSpeicherGrenze(grenze);
    const bool ok = e->Berechne(0, 2 * generationen + 1, 2 * generationen + 2, generationen, true);
    setzeSpeicherGrenze(0);
    QVERIFY(!ok);
    QCOMPARE(e->fehler().meldung, 126);
    QVERIFY(texte(*e).Inzucht.isEmpty());
    QVERIFY(e->Berechne(0, 5, 6, 4, true));
    QCOMPARE(texte(*e).Inzuchtkoeffizient, koeffizient);
}

QTEST_GUILESS_MAIN(TestInzucht)
#include "tst_inzucht.moc"
