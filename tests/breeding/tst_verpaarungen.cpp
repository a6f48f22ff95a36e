// The matings of a cat: partners by number, litters by birth date, the statistics, the print-out.
#include "breeding/Verpaarungen.h"
#include "maintenance/Indexerstellung.h"
#include "printouts/ReportVerpaarung.h"
#include "report/TextMeasure.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::breeding;
using namespace tav::printouts;

class TstVerpaarungen : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<tav::store::Database> m_db;
    std::unique_ptr<tav::store::Table> m_katzen;
    qint32 m_queen = 0, m_anton = 0, m_max1 = 0, m_max2 = 0, m_unbekannt = 0;

    qint32 katze(const QString &name, const QString &geschlecht, qint32 vater = 0, qint32 mutter = 0,
                 QDate geb = {})
    {
        m_katzen->append();
        m_katzen->setValue("Name", name);
        m_katzen->setValue("Geschlecht", geschlecht);
        m_katzen->setValue("Vater", vater ? QVariant(vater) : QVariant());
        m_katzen->setValue("Mutter", mutter ? QVariant(mutter) : QVariant());
        m_katzen->setValue("GebDatum", geb.isValid() ? QVariant(geb) : QVariant());
        m_katzen->post();
        return m_katzen->value("LaufendeNummer").toInt();
    }

    static QString text(qint32 nr) { return QStringLiteral("Katze %1").arg(nr); }

  private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<tav::store::Database>(m_dir.path());
        m_db->createTable("CATSTAMM.DB");
        m_katzen = std::make_unique<tav::store::Table>(m_db.get(), "CATSTAMM.DB");
        m_katzen->open();
        m_queen = katze("Queen", "2");
        m_max1 = katze("Max", "1");
        m_anton = katze("Anton", "1");
        m_max2 = katze("Max", "3");
        m_unbekannt = katze("Ohne Angabe", "0");
        katze("Anton Kind", "3", m_anton, m_queen, {2020, 1, 1});
        katze("Bea", "1", m_max1, m_queen, {2021, 5, 1});
        katze("Ada", "4", m_max1, m_queen, {2021, 5, 1});
        katze("Cleo", "2", m_max1, m_queen, {2022, 6, 1});
        katze("Dora", "2", m_max2, m_queen);
        katze("Emil", "5", m_max2, m_queen);
        // the cat of unknown sex is a dam here and a sire there: only the dam's side counts
        katze("Fritz", "1", m_anton, m_unbekannt, {2023, 3, 3});
        katze("Gina", "2", m_unbekannt, m_queen, {2023, 4, 4});
    }

    void queenWithSameNamedToms()
    {
        const Verpaarungen v = baueVerpaarungen(leseNachwuchs(*m_db, m_queen, istKater("2")));
        QCOMPARE(v.partner.size(), 4);
        // by name, then number: the two toms named Max stay two partners
        QCOMPARE(v.partner[0].nummer, m_anton);
        QCOMPARE(v.partner[1].nummer, m_max1);
        QCOMPARE(v.partner[2].nummer, m_max2);
        QCOMPARE(v.partner[3].nummer, m_unbekannt);
        QVERIFY(v.partner[2].kater); // neutered male
        QVERIFY(!v.partner[3].kater);
        const Partner &max1 = v.partner[1];
        QCOMPARE(max1.wuerfe.size(), 2);
        QCOMPARE(max1.wuerfe[0].datum, QDate(2022, 6, 1)); // newest first
        QCOMPARE(max1.wuerfe[1].zeilen.size(), 2);
        QCOMPARE(v.zeilen[max1.wuerfe[1].zeilen[0]].kittenName, QStringLiteral("Ada"));
        // kittens without a birth date make one litter without a date
        QCOMPARE(v.partner[2].wuerfe.size(), 1);
        QVERIFY(!v.partner[2].wuerfe[0].datum.isValid());
        QCOMPARE(v.partner[2].wuerfe[0].statistik.junge, 2);

        QCOMPARE(v.statistik.wuerfe, 5);
        QCOMPARE(v.statistik.junge, 7);
        QCOMPARE(v.statistik.groesste, 2);
        QCOMPARE(v.statistik.kleinste, 1);
        QCOMPARE(v.statistik.maennlich, 2); // "1" and neutered "3"
        QCOMPARE(v.statistik.weiblich, 5);  // "2", neutered "4" and the unknown code
        QCOMPARE(max1.statistik.durchschnitt(QLocale(QLocale::German)), QStringLiteral("1,5"));
        QCOMPARE(v.partnerZeilen("Wurf mit", "Würfe mit"),
                 QStringList({"  1  Wurf mit  Anton", "  2  Würfe mit  Max", "  1  Wurf mit  Max",
                              "  1  Wurf mit  Ohne Angabe"}));
    }

    void sexChoosesTheSide_data()
    {
        QTest::addColumn<QString>("geschlecht");
        QTest::addColumn<QStringList>("junge");
        QTest::newRow("unknown is female") << "" << QStringList{"Fritz"};
        QTest::newRow("invalid is female") << "X" << QStringList{"Fritz"};
        QTest::newRow("neutered male") << "3" << QStringList{"Gina"};
    }

    void sexChoosesTheSide()
    {
        QFETCH(QString, geschlecht);
        QFETCH(QStringList, junge);
        QStringList namen;
        for (const NachwuchsZeile &z : leseNachwuchs(*m_db, m_unbekannt, istKater(geschlecht)))
            namen << z.kittenName;
        QCOMPARE(namen, junge);
    }

    void noOffspring()
    {
        const Verpaarungen v = baueVerpaarungen(leseNachwuchs(*m_db, m_max2 + 100, false));
        QVERIFY(v.partner.isEmpty());
        QCOMPARE(v.statistik.durchschnitt(QLocale(QLocale::German)), QStringLiteral("0"));
        QCOMPARE(v.statistik.kleinste, 0);
        const VerpaarungDruck d = verpaarungDruck(v, {}, 99, false, "Niemand", text, {}, QLocale());
        QVERIFY(d.keineVerpaarungen);
        const QStringList texte = reportVerpaarung(d).layout(tav::report::FixedMeasure()).pages[0].texts();
        QVERIFY(texte.contains(QStringLiteral("Keine Verpaarungen für dieses Tier!")));
    }

    // each page prints its own part of the tree
    void printOutLines()
    {
        const Verpaarungen v = baueVerpaarungen(leseNachwuchs(*m_db, m_queen, false));
        const QLocale de(QLocale::German);
        VerpaarungAuswahl alle;
        VerpaarungDruck d = verpaarungDruck(v, alle, m_queen, false, "Queen", text, {"  x"}, de);
        QCOMPARE(d.knoten.size(), 1 + 4 + 5 + 7);
        VerpaarungAuswahl partner{VerpaarungAuswahl::PartnerSeite, 1, -1, -1, {}};
        d = verpaarungDruck(v, partner, m_queen, false, "Queen", text, {}, de);
        QCOMPARE(d.knoten.size(), 1 + 1 + 2 + 3);
        QCOMPARE(d.knoten[1].text, text(m_max1));
        VerpaarungAuswahl wurf{VerpaarungAuswahl::WurfSeite, 1, 1, -1, {}};
        d = verpaarungDruck(v, wurf, m_queen, false, "Queen", text, {}, de);
        QCOMPARE(d.knoten.size(), 1 + 1 + 1 + 2);
        QCOMPARE(d.knoten[2].text, QStringLiteral("01.05.21"));

        const QStringList texte = reportVerpaarung(d).layout(tav::report::FixedMeasure()).pages[0].texts();
        QVERIFY(texte.contains(QStringLiteral("0/1   ") +
                               text(v.zeilen[v.partner[1].wuerfe[1].zeilen[0]].kitten)));
        QVERIFY(texte.contains(QStringLiteral("1/0   ") +
                               text(v.zeilen[v.partner[1].wuerfe[1].zeilen[1]].kitten)));
        QVERIFY(texte.join(' ').contains(QStringLiteral("Partner: Max")));
    }

    // the kitten page: owner and breeder as "first name name" or the name alone, the sale from the
    // sales table; the print-out of that page lists them
    void kittenPageData()
    {
        for (const char *t : {"ADR_DAT.DB", "VERKAUFT.DB"})
            m_db->createTable(t);
        tav::store::Table adr(m_db.get(), "ADR_DAT.DB");
        adr.open();
        const auto adresse = [&](const QString &name, const QString &vorname) {
            adr.append();
            adr.setValue("Name", name);
            adr.setValue("Vorname", vorname);
            adr.post();
            return adr.value("LaufendeNr").toInt();
        };
        const qint32 kitten = katze("Hugo", "1", m_anton, m_queen, {2024, 2, 2});
        QVERIFY(m_katzen->findKey({kitten}));
        m_katzen->edit();
        m_katzen->setValue("Besitzer", adresse("Janssen", "Pieter"));
        m_katzen->setValue("Züchter", adresse("Zwinger vom Bach", ""));
        m_katzen->post();
        tav::store::Table verkauft(m_db.get(), "VERKAUFT.DB");
        verkauft.open();
        verkauft.append();
        verkauft.setValue("Katze", kitten);
        verkauft.setValue("Verkauftam", QDate(2024, 6, 1));
        verkauft.post();

        const JungtierDaten j = leseJungtier(*m_db, kitten);
        QCOMPARE(j.besitzer, QStringLiteral("Pieter Janssen"));
        QCOMPARE(j.zuechter, QStringLiteral("Zwinger vom Bach"));
        QCOMPARE(j.verkauft, QDate(2024, 6, 1));
        QVERIFY(!j.gekauft.isValid());
        QCOMPARE(leseJungtier(*m_db, kitten + 100).besitzer, QString());

        const Verpaarungen v = baueVerpaarungen(leseNachwuchs(*m_db, m_queen, false));
        VerpaarungAuswahl a{VerpaarungAuswahl::Jungtier, 0, 0, -1, j};
        QCOMPARE(v.zeilen[v.partner[0].wuerfe[0].zeilen[0]].kittenName, QStringLiteral("Hugo"));
        a.zeile = v.partner[0].wuerfe[0].zeilen[0];
        const VerpaarungDruck d =
            verpaarungDruck(v, a, m_queen, false, "Queen", text, {}, QLocale(QLocale::German));
        const QString texte =
            reportVerpaarung(d).layout(tav::report::FixedMeasure()).pages[0].texts().join(' ');
        QVERIFY(texte.contains(QStringLiteral("Besitzer: Pieter Janssen")));
        QVERIFY(texte.contains(QStringLiteral("Züchter: Zwinger vom Bach")));
        QVERIFY(texte.contains(QStringLiteral("verkauft: 01.06.24")));
    }

    // the litter book opens on its index; a missing index is rebuilt and the table opened again
    void litterBookIndexRebuiltAtOpen()
    {
        m_db->createTable("WURFBUCH.DB");
        m_db->dropIndex("WURFBUCH.DB", "KatzeKaterWurftag");
        m_db->dropIndex("WURFBUCH.DB", "KaterKatzeWurftag");
        tav::store::Table t(m_db.get(), "WURFBUCH.DB");
        t.setIndexName("KatzeKaterWurftag");
        QVERIFY_THROWS_EXCEPTION(tav::store::EngineError, t.open());
        tav::maintenance::TDataModuleIndex(QString(), m_db.get()).oeffnen(t);
        QVERIFY(t.isOpen());
        const QStringList namen = m_db->indexNames("WURFBUCH.DB");
        QVERIFY(namen.contains("KatzeKaterWurftag") && namen.contains("KaterKatzeWurftag"));
    }
};

QTEST_GUILESS_MAIN(TstVerpaarungen)
#include "tst_verpaarungen.moc"
