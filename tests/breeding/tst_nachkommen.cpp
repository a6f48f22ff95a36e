// The offspring of a cat: which side links them, their order, the card texts, the walk over
// several generations and the index check.
#include "breeding/Nachkommen.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tav::breeding;
using namespace tav::store;

namespace {

struct Register {
    QTemporaryDir dir;
    Database db{dir.path()};
    std::unique_ptr<Table> katzen;

    Register()
    {
        for (const char *t : {"CATSTAMM.DB", "KATZEMERKMAL.DB", "MERKMALE.DB", "RASSE.DB", "ADR_DAT.DB"})
            db.createTable(QString::fromLatin1(t));
        zeile("RASSE.DB", {{"RName", "Perser"}});
        zeile("ADR_DAT.DB", {{"Name", "Müller"}, {"Vorname", "Anna"}});
        zeile("ADR_DAT.DB", {{"Name", "Schmidt"}});
        zeile("MERKMALE.DB", {{"Bezeichnung", "Blau"}, {"farbe", 255}, {"Kuerzel", "BL"}});
        zeile("MERKMALE.DB", {{"Bezeichnung", "Kurz"}, {"farbe", 255}, {"Kuerzel", "KS"}});
        katzen = std::make_unique<Table>(&db, "CATSTAMM.DB");
        katzen->open();
    }

    void zeile(const char *tabelle, const QList<QPair<const char *, QVariant>> &werte)
    {
        Table t(&db, QString::fromLatin1(tabelle));
        t.open();
        t.append();
        for (const auto &[feld, wert] : werte)
            t.setValue(QString::fromUtf8(feld), wert);
        t.post();
    }

    qint32 katze(const QString &name, const char *geschlecht, qint32 vater, qint32 mutter, const char *geb)
    {
        katzen->append();
        katzen->setValue("Name", name);
        katzen->setValue("Geschlecht", geschlecht);
        katzen->setValue("Vater", vater ? QVariant(vater) : QVariant());
        katzen->setValue("Mutter", mutter ? QVariant(mutter) : QVariant());
        katzen->setValue("GebDatum", QDate::fromString(QString::fromLatin1(geb), Qt::ISODate));
        katzen->post();
        return katzen->value("LaufendeNummer").toInt();
    }
};

QStringList namen(const QVector<Nachkomme> &liste)
{
    QStringList n;
    for (const Nachkomme &k : liste)
        n << k.name;
    return n;
}

// every descendant down to `tiefe` generations, one indented line each, as the tree opens them
void baum(NachkommenLeser &leser, qint32 nr, int tiefe, int ebene, QStringList &zeilen)
{
    if (ebene > tiefe)
        return;
    for (const Nachkomme &k : leser.nachkommen(nr, false)) {
        zeilen << QString(ebene * 2, QLatin1Char(' ')) + k.name;
        baum(leser, k.nummer, tiefe, ebene + 1, zeilen);
    }
}

} // namespace

class TstNachkommen : public QObject
{
    Q_OBJECT
    Register r;
    qint32 anton = 0, berta = 0, bruno = 0, cora = 0, dora = 0, emil = 0, unbekannt = 0;

  private Q_SLOTS:
    void initTestCase()
    {
        anton = r.katze("Anton", "1", 0, 0, "2018-01-01");
        berta = r.katze("Berta", "2", 0, 0, "2018-02-01");
        // born the same day: by name; the later birth comes last whatever its name
        r.katze("Aaron", "1", anton, berta, "2021-03-01");
        cora = r.katze("Cora", "2", anton, berta, "2020-05-01");
        bruno = r.katze("Bruno", "3", anton, berta, "2020-05-01");
        // a neutered tom sires through Vater; Emil is Anton's grand-child (by Bruno) and
        // great-grand-child (by Cora and Dora)
        dora = r.katze("Dora", "2", bruno, cora, "2022-06-01");
        emil = r.katze("Emil", "1", bruno, dora, "2023-07-01");
        // an invalid sex code counts as female
        unbekannt = r.katze("Unbekannt", "9", 0, 0, "2019-01-01");
        r.katze("Fritz", "1", anton, unbekannt, "2022-01-01");
    }

    void seiteUndReihenfolge_data()
    {
        QTest::addColumn<qint32>("katze");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("tom") << anton << QStringList{"Bruno", "Cora", "Aaron", "Fritz"};
        QTest::newRow("queen") << cora << QStringList{"Dora"};
        QTest::newRow("neutered tom") << bruno << QStringList{"Dora", "Emil"};
        QTest::newRow("invalid sex") << unbekannt << QStringList{"Fritz"};
        QTest::newRow("none") << emil << QStringList{};
    }
    void seiteUndReihenfolge()
    {
        QFETCH(qint32, katze);
        QFETCH(QStringList, erwartet);
        NachkommenLeser leser(r.db);
        QCOMPARE(namen(leser.nachkommen(katze)), erwartet);
    }

    void dreiGenerationen()
    {
        NachkommenLeser leser(r.db);
        QStringList zeilen;
        baum(leser, anton, 3, 0, zeilen);
        const QStringList erwartet = {"Bruno",  "  Dora",   "    Emil", "  Emil", "Cora",
                                      "  Dora", "    Emil", "Aaron",    "Fritz"};
        QCOMPARE(zeilen, erwartet);
    }

    void kartentexte()
    {
        r.zeile("KATZEMERKMAL.DB", {{"Katze", dora}, {"Merkmal", 2}});
        r.zeile("KATZEMERKMAL.DB", {{"Katze", dora}, {"Merkmal", 1}});
        r.zeile("KATZEMERKMAL.DB", {{"Katze", dora}, {"Merkmal", 99}}); // no longer in the catalogue
        QVERIFY(r.katzen->locate("LaufendeNummer", dora));
        r.katzen->edit();
        r.katzen->setValue("Rasse", 1);
        r.katzen->setValue("FellFarbe", "blau");
        r.katzen->setValue("Besitzer", 1);
        r.katzen->setValue("Züchter", 2);
        r.katzen->post();

        NachkommenLeser deutsch(r.db, 0);
        const QVector<Nachkomme> vonCora = deutsch.nachkommen(cora);
        QCOMPARE(vonCora.size(), 1);
        const Nachkomme &k = vonCora.first();
        QCOMPARE(k.geschl, QStringLiteral("w"));
        QCOMPARE(k.gebDatum, QDate(2022, 6, 1));
        QCOMPARE(k.rasseFarbe, QStringLiteral("Perser / blau"));
        QCOMPARE(k.besitzer, QStringLiteral("Müller, Anna"));
        QCOMPARE(k.zuechter, QStringLiteral("Schmidt"));
        QCOMPARE(k.merkmale, QStringLiteral("KS/BL"));
        // the other parent: the sire for a queen, the dam for a tom
        QCOMPARE(k.andererElternteil, QStringLiteral("Bruno"));
        QCOMPARE(deutsch.nachkommen(bruno).first().andererElternteil, QStringLiteral("Cora"));

        NachkommenLeser englisch(r.db, 1);
        QCOMPARE(englisch.nachkommen(cora).first().geschl, QStringLiteral("f"));
        // a cat without breed shows its colour alone, without owner nothing
        const Nachkomme emilKarte = englisch.nachkommen(dora).first();
        QCOMPARE(emilKarte.rasseFarbe, QString());
        QCOMPARE(emilKarte.besitzer, QString());
        QVERIFY(englisch.fehlend().isEmpty());
    }

    void texte_data()
    {
        QTest::addColumn<QString>("ist");
        QTest::addColumn<QString>("soll");
        QTest::newRow("neutered tom en") << geschlechtKurz("3", 1) << "m/k";
        QTest::newRow("spayed queen en") << geschlechtKurz("4", 2) << "f/k";
        QTest::newRow("invalid sex") << geschlechtKurz("7", 0) << "";
        QTest::newRow("number") << QString::number(knotenNummer("Max {12}")) << "12";
        QTest::newRow("braces in the name") << QString::number(knotenNummer("Tom {Kater} {7}")) << "7";
        QTest::newRow("no number") << QString::number(knotenNummer("Keine Nachkommen vorhanden")) << "0";
        QTest::newRow("memo") << datenMitEltern({"Kopf", "Farbe", "Rasse"}, "Mutter: M", "").join('|')
                              << "Kopf|Mutter: M|Farbe|Rasse";
    }
    void texte()
    {
        QFETCH(QString, ist);
        QFETCH(QString, soll);
        QCOMPARE(ist, soll);
    }

    void fehlendeNachschlagetabelle()
    {
        r.db.dropTable("ADR_DAT.DB");
        NachkommenLeser leser(r.db);
        const QVector<Nachkomme> liste = leser.nachkommen(cora);
        QCOMPARE(namen(liste), QStringList{"Dora"});
        QCOMPARE(liste.first().merkmale, QStringLiteral("KS/BL"));
        QCOMPARE(leser.fehlend(), QStringList{"ADR_DAT.DB"});
    }

    void indexeWerdenErgaenzt()
    {
        r.katzen->close();
        QVERIFY(nachkommenIndexePruefen(r.db).isEmpty());
        r.db.dropIndex("CATSTAMM.DB", "IdxVater");
        r.db.dropIndex("CATSTAMM.DB", "IdxMutter");
        QCOMPARE(nachkommenIndexePruefen(r.db), (QStringList{"IdxVater", "IdxMutter"}));
        QVERIFY(nachkommenIndexePruefen(r.db).isEmpty());
        NachkommenLeser leser(r.db);
        QCOMPARE(namen(leser.nachkommen(bruno)), (QStringList{"Dora", "Emil"}));
    }
};

QTEST_GUILESS_MAIN(TstNachkommen)
#include "tst_nachkommen.moc"
