// The printed pedigree: where its boxes stand, which share a colour, and that no text leaves its
// box at six generations with the longest texts the register holds.
#include "printouts/ReportStammbaum.h"
#include "printouts/StammbaumGeometrie.h"

#include <QTest>

using namespace tav::printouts;
using namespace tav::report;

class TstStammbaumDruck : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void boxenFuerDreiBisSechsGenerationen_data()
    {
        QTest::addColumn<int>("generationen");
        QTest::addColumn<double>("katzeBreite");
        for (int g = 3; g <= 6; ++g)
            QTest::addRow("%d", g) << g << (g <= 4 ? 62.0 : 54.0);
    }
    void boxenFuerDreiBisSechsGenerationen()
    {
        QFETCH(int, generationen);
        QFETCH(double, katzeBreite);
        const QRectF baum(4, 30, 270, 160);
        const QVector<QRectF> boxen = stammbaumBoxen(generationen, baum, katzeBreite);
        QCOMPARE(boxen.size(), (1 << (generationen + 1)) - 1);
        for (int a = 0; a < boxen.size(); ++a) {
            QVERIFY2(baum.contains(boxen[a]), qPrintable(QString::number(a)));
            QVERIFY(boxen[a].height() > 2 && boxen[a].width() > 20);
            for (int b = a + 1; b < boxen.size(); ++b)
                QVERIFY2(!boxen[a].intersects(boxen[b]), qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
        }
        for (int n = 0; 2 * n + 2 < boxen.size(); ++n) {
            const QRectF &vater = boxen[2 * n + 1], &mutter = boxen[2 * n + 2];
            QVERIFY(vater.bottom() < mutter.top());                  // sire above dam
            QVERIFY(vater.left() > boxen[n].right());                // parents right of the child
            QVERIFY(vater.top() <= boxen[n].center().y() || n == 0); // the child between them
            QVERIFY(mutter.bottom() >= boxen[n].center().y() || n == 0);
            QCOMPARE(generationDerBox(2 * n + 1), generationDerBox(n) + 1);
        }
        // out of range is held to 3..6
        QCOMPARE(stammbaumBoxen(9, baum, 50).size(), 127);
        QCOMPARE(stammbaumBoxen(1, baum, 50).size(), 15);
    }

    void doppelteTiereTeilenEineFarbe()
    {
        const QVector<QColor> liste = {Qt::red, Qt::green};
        // box:            0  1  2  3  4  5  6  7  8  9
        const QVector<qint32> tiere = {0, 7, 8, 7, 0, 9, 8, 9, 5, 0};
        const QVector<QColor> f = doppelteFarben(tiere, liste);
        QCOMPARE(f[1], QColor(Qt::red));
        QCOMPARE(f[3], QColor(Qt::red));
        QCOMPARE(f[2], QColor(Qt::green));
        QCOMPARE(f[6], QColor(Qt::green));
        // past the end of the list the last colour serves again
        QCOMPARE(f[5], QColor(Qt::green));
        QCOMPARE(f[7], QColor(Qt::green));
        // unknown and single animals stay white
        for (int n : {0, 4, 8, 9})
            QVERIFY(!f[n].isValid());
        // while colours last, different animals get different colours
        const QVector<QColor> viele = doppelteFarben({0, 1, 2, 3, 1, 2, 3}, vorgabeFarben());
        QCOMPARE(viele[1], viele[4]);
        QVERIFY(viele[1] != viele[2] && viele[2] != viele[3] && viele[1] != viele[3]);
        QVERIFY(!doppelteFarben(tiere, {}).at(1).isValid());
    }

    // six generations, every box full: names and lines longer than any box, pictures, a logo
    void sechsGenerationenBleibenInIhrenBoxen()
    {
        StammbaumDruck d;
        d.generationen = 6;
        const QString name =
            QStringLiteral("GIC IC CH Anastasia Čestmíra Łucja Ærø vom Lindenhof zu Hamburg");
        QImage img(300, 200, QImage::Format_RGB32);
        img.fill(Qt::gray);
        d.logo = d.bild = img;
        d.logoMm = d.bildMm = d.genBildMm = QSizeF(66, 66);
        d.katze = {1, name, true, {}, img};
        d.zwinger = name;
        d.zuechter = QStringList(4, name);
        for (int i = 0; i < 9; ++i)
            d.angaben << StammbaumDruck::Angabe{TagRasse, QStringLiteral("Rasse"), name};
        d.inzucht = QStringLiteral("12,50000%");
        d.ahnenverlust = QStringLiteral("33,33%");
        d.ahnen.resize(127);
        for (int n = 1; n < 127; ++n)
            d.ahnen[n] = n == 5 ? StammbaumDruck::Tier()
                                : StammbaumDruck::Tier{n + 1, name, true, QStringList(22, name), img};
        const Pages pages = reportStammbaum(d, FixedMeasure()).layout(FixedMeasure());
        QCOMPARE(pages.pages.size(), 1);
        const Page &p = pages.pages.first();
        QVERIFY(p.landscape);
        const QRectF papier(d.links, d.oben, 297 - d.links - d.rechts, 210 - d.oben - d.unten);
        const double linksBaum = d.links, obenBaum = d.oben + 24 + 5;
        const QVector<QRectF> boxen = stammbaumBoxen(
            6, QRectF(linksBaum, obenBaum, papier.width(), 210 - d.oben - d.unten - 6 - 29 - 1), 54);
        int gekuerzt = 0, unbekannt = 0;
        for (const DrawOp &op : p.ops) {
            const QRectF innen = papier.adjusted(-0.01, -0.01, 0.01, 0.01);
            QVERIFY2(innen.contains(op.rect.topLeft()) && innen.contains(op.rect.bottomRight()),
                     qPrintable(op.text));
            if (op.kind != DrawOp::Kind::Text)
                continue;
            QVERIFY2(FixedMeasure().width(op.text, op.font) <= op.rect.width() + 1e-6, qPrintable(op.text));
            gekuerzt += !op.fullText.isEmpty();
            unbekannt += op.text == QStringLiteral("unbekannt");
            for (int n = 1; n < boxen.size(); ++n)
                if (boxen[n].contains(op.rect.center()))
                    QVERIFY2(boxen[n].adjusted(-0.01, -0.01, 0.01, 0.01).contains(op.rect),
                             qPrintable(op.text));
        }
        QVERIFY(gekuerzt > 100);
        QCOMPARE(unbekannt, 1);
    }
};

QTEST_GUILESS_MAIN(TstStammbaumDruck)
#include "tst_stammbaumdruck.moc"
