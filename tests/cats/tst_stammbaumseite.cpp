// Which ancestor stands in which box of the pedigree page, the placeholders of missing parents,
// the colours of repeated ancestors and where the boxes sit.
#include "CatsFixture.h"
#include "cats/CatNames.h"
#include "cats/Stammbaumseite.h"
#include "store/Query.h"

#include <QHash>
#include <QtTest>

using namespace tav::cats;

namespace {
// a register of parents by cat number
ElternLesen register_(const QHash<int, Eltern> &r)
{
    return [r](int nr, Eltern &e) {
        if (!r.contains(nr))
            return false;
        e = r.value(nr);
        return true;
    };
}
} // namespace

class TstStammbaumseite : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void boxesFollowFatherAndMother()
    {
        // 10's parents 20 and 21; 20's parents 30 and a number that no longer exists; 21 has none
        const QHash<int, Eltern> r = {{10, {20, 21}}, {20, {30, 99}}, {21, {}}, {30, {}}};
        const QVector<AhnenBox> b = ahnenBoxen(10, {20, 21}, register_(r));
        QCOMPARE(b.size(), StammbaumBoxen + 1);
        QCOMPARE(b[1].katze, 20);
        QCOMPARE(b[2].katze, 21);
        QCOMPARE(b[3].katze, 30);
        // the lost number and the unrecorded parents get placeholders naming their child
        QCOMPARE(b[4].fehlt, QChar('M'));
        QCOMPARE(b[4].kind, 20);
        QCOMPARE(b[5].fehlt, QChar('V'));
        QCOMPARE(b[6].fehlt, QChar('M'));
        QCOMPARE(b[6].kind, 21);
        QCOMPARE(b[7].fehlt, QChar('V'));
        QCOMPARE(b[7].kind, 30);
        // behind a placeholder everything stays empty
        for (int n : {9, 10, 11, 12, 13, 14, 19, 30, 62})
            QVERIFY2(!b[n].katze && !b[n].platzhalter(), qPrintable(QString::number(n)));

        const QVector<AhnenBox> ohne = ahnenBoxen(5, {}, register_({}));
        QVERIFY(ohne[1].platzhalter() && ohne[2].platzhalter());
        QCOMPARE(ohne[1].kind, 5);
        QCOMPARE(ohne[2].fehlt, QChar('M'));
        int leer = 0;
        for (int n = 3; n <= StammbaumBoxen; ++n)
            leer += !ohne[n].katze && !ohne[n].platzhalter();
        QCOMPARE(leer, 60);

        QCOMPARE(generationDerBox(1), 1);
        QCOMPARE(generationDerBox(6), 2);
        QCOMPARE(generationDerBox(30), 4);
        QCOMPARE(generationDerBox(31), 5);
        QCOMPARE(generationDerBox(62), 5);
    }

    void placeholderTextsAndNumberTags()
    {
        const QString t = platzhalterText("NEW RECORD", 'M', 417);
        QCOMPARE(t, QString("NEW RECORD{M417}"));
        QChar vm;
        int kind = 0;
        QVERIFY(platzhalterLesen(t, vm, kind));
        QCOMPARE(vm, QChar('M'));
        QCOMPARE(kind, 417);
        QVERIFY(!platzhalterLesen("Arito {12}", vm, kind));
        QCOMPARE(ahnenNummer({"CH Arito vom Lindenhof {12}", "BKH"}), 12);
        QCOMPARE(ahnenNummer({"NEUAUFNAHME{V12}"}), 0);
        QCOMPARE(ahnenNummer({}), 0);
    }

    void repeatedAncestorsShareAColour()
    {
        QVector<AhnenBox> b(StammbaumBoxen + 1);
        const auto setzen = [&](std::initializer_list<int> boxen, int katze) {
            for (int n : boxen)
                b[n].katze = katze;
        };
        setzen({1}, 100);
        setzen({3, 6, 40}, 7); // three times
        setzen({4, 20}, 8);    // twice, first found after 7
        setzen({2}, 101);
        bool zuWenig = true;
        QVector<int> f = doppelteFarben(b, 5, &zuWenig);
        QVERIFY(!zuWenig);
        QCOMPARE(f[3], 0);
        QCOMPARE(f[6], 0);
        QCOMPARE(f[40], 0);
        QCOMPARE(f[4], 1); // the list advanced once for the three boxes of 7
        QCOMPARE(f[20], 1);
        QCOMPARE(f[1], -1);
        QCOMPARE(f[2], -1);
        // one colour for two repeated ancestors: the last one is used again and it is said
        f = doppelteFarben(b, 1, &zuWenig);
        QVERIFY(zuWenig);
        QCOMPARE(f[4], 0);
        // without colours every box stays white
        f = doppelteFarben(b, 0, &zuWenig);
        QVERIFY(std::all_of(f.begin(), f.end(), [](int x) { return x == -1; }));
        QVERIFY(!zuWenig);
    }

    void boxesSitInGenerationColumns()
    {
        const QSize seite(1000, 640); // h/32 = 20: all five generations
        QCOMPARE(boxRechteck(1, seite).top(), 640 / 4 - 60);
        QCOMPARE(boxRechteck(2, seite).top(), 3 * 640 / 4 - 60);
        QCOMPARE(boxRechteck(1, seite).height() + 1, 5 * 40);
        QCOMPARE(boxRechteck(4, seite).top(), 640 / 4);
        QCOMPARE(boxRechteck(30, seite).top(), 15 * 640 / 16);
        QCOMPARE(boxRechteck(62, seite).top(), 31 * 640 / 32);
        for (int n = 1; n < 31; ++n) // each generation in a column right of its parents' children
            QVERIFY(boxRechteck(n, seite).right() < boxRechteck(2 * n + 1, seite).left());
        QVERIFY(seite.width() >= boxRechteck(62, seite).right());
        // below 15 pixels a fifth-generation box is hidden
        QVERIFY(boxRechteck(31, QSize(1000, 479)).isEmpty());
        QVERIFY(!boxRechteck(31, QSize(1000, 480)).isEmpty());
        // a page lower than 318 pixels keeps the layout of 318
        QCOMPARE(boxRechteck(3, QSize(1000, 200)), boxRechteck(3, QSize(1000, 318)));
    }

    // A cat of the register picked for a missing parent: its sex must suit the gap, and neither
    // the cat itself nor one of its descendants may become its parent.
    void aPickedParentMustFitTheGap()
    {
        CatsFixture f;
        const int grossvater = f.cat("Gero", "1");
        const int kater = f.cat("Kai", "3");
        const int katze = f.cat("Lina", "2", {{"Vater", grossvater}});
        const int kind = f.cat("Mimi", "4", {{"Mutter", katze}});
        const int enkel = f.cat("Nino", "1", {{"Mutter", kind}});
        const int olga = f.cat("Olga", "2");
        QCOMPARE(ahnPruefen(f.db(), kater, 'V', katze), 0);
        QCOMPARE(ahnPruefen(f.db(), olga, 'M', grossvater), 0);
        QCOMPARE(ahnPruefen(f.db(), kater, 'M', katze), meldung::FalschesGeschlecht);
        QCOMPARE(ahnPruefen(f.db(), katze, 'M', katze), meldung::EigenerVorfahr);
        // her grandson as her sire, her daughter as her dam, his granddaughter as his dam: each
        // would close a circle
        QCOMPARE(ahnPruefen(f.db(), enkel, 'V', katze), meldung::EigenerVorfahr);
        QCOMPARE(ahnPruefen(f.db(), kind, 'M', katze), meldung::EigenerVorfahr);
        QCOMPARE(ahnPruefen(f.db(), kind, 'M', grossvater), meldung::EigenerVorfahr);
        QCOMPARE(ahnPruefen(f.db(), 9999, 'V', katze), 50);

        QVERIFY(elternteilEintragen(f.db(), katze, 'M', olga));
        QVERIFY(elternteilEintragen(f.db(), kind, 'V', kater));
        QVERIFY(!elternteilEintragen(f.db(), 9999, 'V', kater));
        tav::store::Query q(&f.db(), "SELECT LaufendeNummer, Vater, Mutter FROM catstamm ORDER BY 1");
        q.open();
        QHash<int, QPair<int, int>> eltern;
        for (; !q.eof(); q.next())
            eltern.insert(q.value(0).toInt(), {q.value(1).toInt(), q.value(2).toInt()});
        // the other parent stays
        QCOMPARE(eltern.value(katze), qMakePair(grossvater, olga));
        QCOMPARE(eltern.value(kind), qMakePair(kater, katze));
    }
};

QTEST_GUILESS_MAIN(TstStammbaumseite)
#include "tst_stammbaumseite.moc"
