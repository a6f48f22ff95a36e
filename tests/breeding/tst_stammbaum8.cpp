#include "breeding/PedigreeSource.h"
#include "breeding/Stammbaum8.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::breeding;
namespace sb = tav::breeding::stammbaum8;

namespace {

// A full pedigree: the cat in box k of the tree has number 1000 + k, so box (g, i) shows 1000 + 2^g + i - 1.
MemoryPedigree vollerStammbaum()
{
    MemoryPedigree p;
    for (int k = 1; k <= 511; ++k) {
        const bool mitEltern = k < 256;
        p.setzeKatze(1000 + k, QStringLiteral("Katze %1").arg(k), mitEltern ? 1000 + 2 * k : 0,
                     mitEltern ? 1000 + 2 * k + 1 : 0);
    }
    return p;
}

} // namespace

class TestStammbaum8 : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void positionen_data();
    void positionen();
    void nichtsUeberdecktSich();
    void nummerAusBoxText_data();
    void nummerAusBoxText();
    void vollerStammbaum8();
    void lueckenUndWiederholungen();
    void bilderNachDruckbild();
};

void TestStammbaum8::positionen_data()
{
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("i");
    QTest::addColumn<QRect>("box");
    QTest::newRow("sire") << 1 << 1 << QRect(72, sb::Oben + 960 - 7, 300, 15);
    QTest::newRow("dam's sire") << 2 << 3 << QRect(155, sb::Oben + 2400 - 7, 300, 15);
    QTest::newRow("gen 8 first") << 8 << 1 << QRect(1204, sb::Oben + 7 - 6, 300, 13);
    QTest::newRow("gen 8 last") << 8 << 256 << QRect(1204, sb::Oben + 3832 - 6, 300, 13);
}

void TestStammbaum8::positionen()
{
    QFETCH(int, g);
    QFETCH(int, i);
    QFETCH(QRect, box);
    QCOMPARE(sb::box(g, i), box);
    const int k = sb::index(g, i);
    QCOMPARE(sb::generationVon(k), g);
    QCOMPARE(sb::positionVon(k), i);
    if (g < 8) {
        QCOMPARE(sb::index(g + 1, 2 * i - 1), 2 * k);
        QCOMPARE(sb::index(g + 1, 2 * i), 2 * k + 1);
    }
}

// Boxes, picture frames, headings and the root's text and picture stand apart and inside the area.
void TestStammbaum8::nichtsUeberdecktSich()
{
    QVector<QPair<QString, QRect>> teile;
    for (int g = 1; g <= 8; ++g) {
        for (int i = 1; i <= sb::anzahl(g); ++i) {
            teile.append({QStringLiteral("box %1,%2").arg(g).arg(i), sb::box(g, i)});
            if (g <= sb::BildGenerationen)
                teile.append({QStringLiteral("picture %1,%2").arg(g).arg(i), sb::bildRahmen(g, i)});
        }
    }
    for (const auto &u : sb::ueberschriften())
        teile.append({QStringLiteral("heading %1").arg(u.generation), u.rahmen});
    teile.append({QStringLiteral("root"), sb::wurzelText()});
    teile.append({QStringLiteral("root picture"), sb::wurzelBild()});
    const QRect flaeche(QPoint(0, 0), sb::flaeche());
    for (int a = 0; a < teile.size(); ++a) {
        QVERIFY2(flaeche.contains(teile[a].second), qPrintable(teile[a].first));
        for (int b = a + 1; b < teile.size(); ++b)
            QVERIFY2(!teile[a].second.intersects(teile[b].second),
                     qPrintable(teile[a].first + QStringLiteral(" / ") + teile[b].first));
    }
    // a bracket joins the parents' boxes at their left edges
    const sb::Klammer k = sb::klammer(3, 2);
    QCOMPARE(k.oben.p2(), QPoint(sb::box(4, 3).left(), sb::mitte(4, 3)));
    QCOMPARE(k.unten.p2(), QPoint(sb::box(4, 4).left(), sb::mitte(4, 4)));
}

void TestStammbaum8::nummerAusBoxText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("nummer"); // 0: none
    QTest::newRow("with title") << stammbaumBoxText("CH", "Amber vom Lindenhof", 12) << 12;
    QTest::newRow("braces in the name") << stammbaumBoxText(QString(), "Kim {2} Lee", 345) << 345;
    QTest::newRow("empty box") << QString() << 0;
    QTest::newRow("bare number while filling") << "123" << 0;
    QTest::newRow("not a number") << " Bo{x}" << 0;
}

void TestStammbaum8::nummerAusBoxText()
{
    QFETCH(QString, text);
    QFETCH(int, nummer);
    QCOMPARE(tav::breeding::nummerAusBoxText(text).value_or(0), nummer);
}

void TestStammbaum8::vollerStammbaum8()
{
    const MemoryPedigree p = vollerStammbaum();
    Stammbaum8 s = leseStammbaum8(p, 1001);
    QCOMPARE(s.katzen().size(), 511);
    QCOMPARE(s.katzen().first(), 1001);
    s.setzeTitel({{1002, QStringLiteral("GIC")}});
    QCOMPARE(s.text(1, 1), QStringLiteral(" GIC Katze 2{1002}"));
    QCOMPARE(s.ahn(1, 2).nummer, 1003);
    QCOMPARE(s.ahn(2, 1).nummer, 1004);
    QCOMPARE(s.ahn(2, 4).nummer, 1007);
    QCOMPARE(s.text(8, 1), QStringLiteral("  Katze 256{1256}"));
    QCOMPARE(s.ahn(8, 200).nummer, 1000 + 256 + 199);
    QCOMPARE(s.ahn(8, 256).nummer, 1511);

    // a new root: its ancestors move up, generation 8 is that of the grandparent
    const Stammbaum8 g = leseStammbaum8(p, 1005);
    QCOMPARE(g.ahn(1, 1).nummer, 1010);
    QCOMPARE(g.ahn(6, 64).nummer, 1000 + 5 * 64 + 63);
    QCOMPARE(g.ahn(7, 1).nummer, 0); // beyond the register's eight generations
}

void TestStammbaum8::lueckenUndWiederholungen()
{
    MemoryPedigree p;
    p.setzeKatze(1, "Ohne Eltern");
    p.setzeKatze(2, "Vater fehlt", 99, 3); // 99 is not in the register
    p.setzeKatze(3, "Mutter", 4, 5);
    p.setzeKatze(4, "Grossvater", 6, 7);
    p.setzeKatze(5, "Grossmutter", 6, 8); // 6 twice: sire of both grandparents
    p.setzeKatze(6, "Urgrossvater");

    const Stammbaum8 leer = leseStammbaum8(p, 1);
    for (int k = 2; k <= sb::Boxen + 1; ++k)
        QCOMPARE(leer.ahnen[k].nummer, 0);
    QCOMPARE(leseStammbaum8(p, 12345).ahnen[1].nummer, 0);

    Stammbaum8 s = leseStammbaum8(p, 2);
    s.setzeTitel({{6, QStringLiteral("CH")}});
    QVERIFY(s.text(1, 1).isEmpty());
    for (int i = 1; i <= 2; ++i)
        QCOMPARE(s.ahn(2, i).nummer, 0);
    QCOMPARE(s.ahn(1, 2).nummer, 3);
    QCOMPARE(s.ahn(3, 5).nummer, 6);
    QCOMPARE(s.ahn(3, 7).nummer, 6);
    QCOMPARE(s.text(3, 5), QStringLiteral(" CH Urgrossvater{6}"));
    QCOMPARE(s.text(3, 7), s.text(3, 5));
    QCOMPARE(s.katzen(), (QVector<qint32>{2, 3, 4, 5, 6}));
}

void TestStammbaum8::bilderNachDruckbild()
{
    QTemporaryDir dir;
    tav::store::Database db(dir.path());
    db.createTable("CATSTAMM.DB");
    db.createTable("BILDER.DB");
    const QString a = dir.filePath("a.jpg"), b = dir.filePath("b.jpg");
    for (const QString &f : {a, b}) {
        QFile file(f);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    tav::store::Table katzen(&db, "CATSTAMM.DB");
    katzen.open();
    // Feld2 chooses the picture; a chosen picture whose file is gone gives way to the first there
    const QList<QPair<int, QStringList>> faelle = {
        {2, {a, b}}, {0, {a, b}}, {1, {dir.filePath("weg.jpg"), b}}, {1, {dir.filePath("weg.jpg")}}};
    tav::store::Table bilder(&db, "BILDER.DB");
    bilder.open();
    QVector<qint32> nummern;
    for (const auto &[feld2, pfade] : faelle) {
        katzen.append();
        katzen.setValue("Name", "K");
        katzen.setValue("Geschlecht", "2");
        katzen.setValue("Feld2", feld2);
        katzen.post();
        const qint32 nr = katzen.value("LaufendeNummer").toInt();
        nummern.append(nr);
        for (const QString &pfad : pfade) {
            bilder.append();
            bilder.setValue("KatzeNr", nr);
            bilder.setValue("Bildpfad", pfad);
            bilder.post();
        }
    }
    const QHash<qint32, QString> gewaehlt = stammbaumBilder(db, nummern + QVector<qint32>{nummern[0], 777});
    QCOMPARE(gewaehlt.value(nummern[0]), b);
    QCOMPARE(gewaehlt.value(nummern[1]), a);
    QCOMPARE(gewaehlt.value(nummern[2]), b);
    QVERIFY(!gewaehlt.contains(nummern[3]));
    QCOMPARE(gewaehlt.size(), 3);
}

QTEST_GUILESS_MAIN(TestStammbaum8)
#include "tst_stammbaum8.moc"
