#include "CatsFixture.h"
#include "cats/Titel.h"
#include "store/Query.h"

#include <QtTest>

using namespace tav::cats;

namespace {
struct Titles {
    CatsFixture f;
    int ch, ic, gic, sup;
    Titles()
    {
        // Sortierung differs from the record order on purpose
        gic = f.add("TITELBEZ.DB",
                    {{"Sortierung", 30}, {"Titel", "Grand International Champion"}, {"Kuerzel", "GIC"}});
        ch = f.add("TITELBEZ.DB", {{"Sortierung", 10}, {"Titel", "Champion"}, {"Kuerzel", "Ch"}});
        ic = f.add("TITELBEZ.DB",
                   {{"Sortierung", 20}, {"Titel", "International Champion"}, {"Kuerzel", "IC"}});
        sup = f.add("TITELBEZ.DB", {{"Sortierung", 40}, {"Titel", "Supreme"}});
    }
    int link(int cat, int title) { return f.add("TITELHUND.DB", {{"Hund", cat}, {"Titel", title}}); }
    // (link number, title) of a cat, by link number
    QList<QPair<int, int>> links(int cat)
    {
        tav::store::Query q(&f.db(), "SELECT LaufendeNummer, Titel FROM \"TITELHUND.DB\" WHERE Hund = ? "
                                     "ORDER BY LaufendeNummer");
        q.addBindValue(cat);
        q.open();
        QList<QPair<int, int>> out;
        for (; !q.eof(); q.next())
            out.append({q.value(0).toInt(), q.value(1).toInt()});
        return out;
    }
};
} // namespace

class TstTitel : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void registryTitles_data()
    {
        QTest::addColumn<int>("reg");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("WCF 1") << int(Register::WCF) << "1"
                               << "Ch." << true;
        QTest::newRow("WCF 5") << int(Register::WCF) << "5"
                               << "Gr.Er.Ch." << true;
        QTest::newRow("WCF 6") << int(Register::WCF) << "6"
                               << "World Ch." << true;
        QTest::newRow("TICA 2") << int(Register::TICA) << "2"
                                << "GRC" << true;
        QTest::newRow("TICA 6") << int(Register::TICA) << "6"
                                << "SGC" << true;
        QTest::newRow("CFA 2") << int(Register::CFA) << "2"
                               << "GC" << true;
        QTest::newRow("CFA 3 unused") << int(Register::CFA) << "3"
                                      << "" << false;
        QTest::newRow("empty") << int(Register::TICA) << ""
                               << "" << true;
        QTest::newRow("out of range") << int(Register::WCF) << "7"
                                      << "" << false;
        QTest::newRow("zero") << int(Register::WCF) << "0"
                              << "" << false;
        QTest::newRow("two characters") << int(Register::WCF) << "11"
                                        << "" << false;
    }
    void registryTitles()
    {
        QFETCH(int, reg);
        QFETCH(QString, code);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(registerTitelText(Register(reg), code), text);
        QCOMPARE(registerTitelGueltig(Register(reg), code), valid);
    }

    void titleNumberOfFirstRegistry()
    {
        QCOMPARE(titelNr("", "4", "2"), 4);
        QCOMPARE(titelNr("3", "4", "2"), 3);
        QCOMPARE(titelNr(" ", "", "2"), 2);
        QCOMPARE(titelNr("", " ", ""), 0);
    }

    void composedTitle_data()
    {
        QTest::addColumn<QStringList>("kuerzel");
        QTest::addColumn<QString>("text");
        QTest::newRow("two") << QStringList{"Ch", "IC"} << "Ch/IC";
        QTest::newRow("one, no slash") << QStringList{"IC"} << "IC";
        QTest::newRow("none") << QStringList{} << "";
        QTest::newRow("empty ones skipped") << QStringList{"", "IC", "", "GIC", ""} << "IC/GIC";
        QTest::newRow("only empty") << QStringList{"", ""} << "";
    }
    void composedTitle()
    {
        QFETCH(QStringList, kuerzel);
        QFETCH(QString, text);
        QCOMPARE(titelText(kuerzel), text);
    }

    void catalogueAndHeldTitles()
    {
        Titles t;
        QStringList order;
        for (const TitelBez &b : titelKatalog(t.f.db()))
            order << b.Kuerzel;
        QCOMPARE(order, (QStringList{"Ch", "IC", "GIC", ""}));

        t.link(5, t.ic);
        t.link(5, t.ch);
        t.link(5, t.sup);
        t.link(5, 99); // a title since removed from the catalogue
        t.link(6, t.gic);
        QCOMPARE(titelDerKatze(t.f.db(), 5), (QSet<int>{t.ic, t.ch, t.sup}));
        QCOMPARE(titelDerKatze(t.f.db(), 7), QSet<int>{});
        // in the order of HundTitel, the empty abbreviations give no slash
        QCOMPARE(titelText(titelKuerzelDerKatze(t.f.db(), 5)), QString("Ch/IC"));
        QCOMPARE(titelText(titelKuerzelDerKatze(t.f.db(), 6)), QString("GIC"));
        QCOMPARE(titelText(titelKuerzelDerKatze(t.f.db(), 7)), QString());
        // the same texts for many cats at once
        QCOMPARE(titelTexte(t.f.db(), {5, 6, 7}), (QHash<int, QString>{{5, "Ch/IC"}, {6, "GIC"}}));
    }

    void saveAddsRemovesAndKeeps()
    {
        Titles t;
        const int keptCh = t.link(5, t.ch);
        t.link(5, t.ic);
        const int orphan = t.link(5, 99);
        const int otherCat = t.link(6, t.ic);

        const TitelAenderung a = titelSpeichern(t.f.db(), 5, {t.ch, t.gic, 1234});
        QVERIFY(a.gespeichert);
        QCOMPARE(a.hinzugefuegt, 1);
        QCOMPARE(a.entfernt, 1);
        const auto rows = t.links(5);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0], qMakePair(keptCh, t.ch)); // kept: the same record, not written again
        QCOMPARE(rows[1], qMakePair(orphan, 99));   // not in the catalogue: not ours to remove
        QCOMPARE(rows[2].second, t.gic);
        QCOMPARE(t.links(6), (QList<QPair<int, int>>{{otherCat, t.ic}}));

        // saving the same state again changes nothing
        const TitelAenderung b = titelSpeichern(t.f.db(), 5, {t.ch, t.gic});
        QCOMPARE(b.hinzugefuegt, 0);
        QCOMPARE(b.entfernt, 0);
        QCOMPARE(t.links(5), rows);

        // unticking everything removes every catalogue title, duplicates included
        t.link(5, t.ch);
        const TitelAenderung c = titelSpeichern(t.f.db(), 5, {});
        QCOMPARE(c.entfernt, 3);
        QCOMPARE(t.links(5), (QList<QPair<int, int>>{{orphan, 99}}));
        QCOMPARE(t.links(6).size(), 1);
    }

    void saveWithoutCatNumberWritesNothing()
    {
        Titles t;
        t.link(0, t.ch);
        const TitelAenderung a = titelSpeichern(t.f.db(), 0, {t.ic});
        QVERIFY(!a.gespeichert);
        QCOMPARE(t.links(0).size(), 1);
        QCOMPARE(t.links(0)[0].second, t.ch);
    }

    void boxPositions_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("aufloesung");
        QTest::addColumn<QPoint>("pos");
        QTest::newRow("first") << 0 << "800x600" << QPoint(3, 0);
        QTest::newRow("second, right column") << 1 << "800x600" << QPoint(123, 0);
        QTest::newRow("third, next row small") << 2 << "800x600" << QPoint(3, 13);
        QTest::newRow("next row 1024") << 3 << "1024x768" << QPoint(123, 16);
        QTest::newRow("fifth 1152") << 4 << "1152x864" << QPoint(3, 32);
        QTest::newRow("large screens use the narrow rows") << 4 << "1280x1024" << QPoint(3, 26);
    }
    void boxPositions()
    {
        QFETCH(int, index);
        QFETCH(QString, aufloesung);
        QFETCH(QPoint, pos);
        QCOMPARE(titelBoxPosition(index, aufloesung), pos);
    }
};

QTEST_GUILESS_MAIN(TstTitel)
#include "tst_titel.moc"
