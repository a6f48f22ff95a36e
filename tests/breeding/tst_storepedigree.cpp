#include "../common/InzuchtTexte.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StorePedigree.h"
#include "store/Database.h"
#include "store/Table.h"
#include "store/Transaction.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tav::breeding;
using namespace tav::store;
using Laden = StorePedigree::Laden;

Q_DECLARE_METATYPE(Laden)

namespace {

QString meldung(int n)
{
    return QStringLiteral("M%1 ").arg(n);
}

// The same register written with the store and held in memory.
struct Register {
    QTemporaryDir dir;
    Database db{dir.path()};
    MemoryPedigree speicher;
    std::unique_ptr<Table> katzen, merkmale;

    Register()
    {
        for (const char *t : {"CATSTAMM.DB", "KATZEMERKMAL.DB", "MERKMALE.DB", "RASSE.DB", "TOPKATZE.DB"})
            db.createTable(QString::fromLatin1(t));
        Table m(&db, "MERKMALE.DB");
        m.open();
        for (auto [name, farbe] : {std::pair{"Klon", 255}, {"Foundation", 65280}, {"Blau", 16711680}}) {
            m.append();
            m.setValue("Bezeichnung", name);
            m.setValue("farbe", farbe);
            m.post();
        }
        Table r(&db, "RASSE.DB");
        r.open();
        for (auto [nr, kurz] : {std::pair{1, "PER"}, {2, "BRI"}, {3, "Maine"}}) {
            r.append();
            r.setValue("RName", QString("Rasse %1").arg(nr));
            r.setValue("RKurzname", kurz);
            r.post();
            speicher.setzeRasse(nr, kurz);
        }
        katzen = std::make_unique<Table>(&db, "CATSTAMM.DB");
        katzen->open();
        merkmale = std::make_unique<Table>(&db, "KATZEMERKMAL.DB");
        merkmale->open();
    }

    qint32 katze(const QString &name, const char *geschlecht, qint32 vater = 0, qint32 mutter = 0,
                 qint32 rasse = 0)
    {
        katzen->append();
        katzen->setValue("Name", name);
        katzen->setValue("Geschlecht", geschlecht);
        katzen->setValue("Vater", vater ? QVariant(vater) : QVariant());
        katzen->setValue("Mutter", mutter ? QVariant(mutter) : QVariant());
        katzen->setValue("Rasse", rasse ? QVariant(rasse) : QVariant());
        katzen->post();
        const qint32 nr = katzen->value("LaufendeNummer").toInt();
        speicher.setzeKatze(nr, name, vater, mutter, rasse, QString::fromLatin1(geschlecht));
        return nr;
    }

    void merkmal(qint32 katze, qint32 merkmal, std::optional<qint32> farbe)
    {
        merkmale->append();
        merkmale->setValue("Katze", katze);
        merkmale->setValue("Merkmal", merkmal);
        merkmale->post();
        speicher.setzeMerkmal(katze, merkmal, farbe);
    }

    void topKatzen(const QVector<QPair<qint32, qint32>> &plaetze)
    {
        Table t(&db, "TOPKATZE.DB");
        t.open();
        int slot = 1;
        for (const auto &[katze, farbe] : plaetze) {
            t.append();
            t.setValue("Katze", katze ? QVariant(katze) : QVariant());
            t.setValue("Farbe", farbe);
            t.post();
            speicher.setzeTopKatze(slot++, katze, farbe);
        }
    }
};

// Line breeding over four generations with a foundation cat, a clone, coloured traits, a trait the
// trait table does not know, a parent number that is not in the register and several breeds.
// Returns the cats to examine.
QVector<qint32> fuelle(Register &r)
{
    const qint32 a = r.katze("Anton", "1", 0, 0, 1);
    const qint32 b = r.katze("Berta", "2", 0, 0, 2);
    const qint32 c = r.katze("Cäsar", "1", a, b, 1);
    const qint32 d = r.katze("Dora \"Blue\"", "2", a, b, 1);
    const qint32 f = r.katze("Fremde", "2", 0, 999, 3); // dam's number not in the register
    const qint32 g = r.katze("Gustav", "1", c, f, 1);
    const qint32 h = r.katze("Hanna", "4", c, d, 0);
    const qint32 i = r.katze("Ida", "2", g, d, 2);
    const qint32 k = r.katze("Kuno", "3", g, h, 1);
    const qint32 l = r.katze("Lotte", "2", k, i, 1);
    const qint32 m = r.katze("Max", "1", k, i, 3);
    r.merkmal(a, 1, 255);
    r.merkmal(d, 3, 16711680);
    r.merkmal(d, 1, 255);
    r.merkmal(f, 2, 65280); // foundation: her ancestors are not followed
    r.merkmal(g, 7, std::nullopt);
    r.topKatzen({{0, 16777215}, {a, 33023}, {c, 8421504}, {0, 16777215}, {d, 12632256}});
    return {l, m, i, h};
}

InzuchtTexte texte(const InzuchtBerechnung &e)
{
    return texteVon(e, meldung);
}

void vergleiche(const InzuchtBerechnung &x, const InzuchtBerechnung &y)
{
    const InzuchtTexte tx = texte(x), ty = texte(y);
    const InzuchtErgebnis &ex = *x.ergebnis(), &ey = *y.ergebnis();
    QCOMPARE(tx.Inzuchtkoeffizient, ty.Inzuchtkoeffizient);
    QCOMPARE(tx.Inzuchtkoeffizientkurz, ty.Inzuchtkoeffizientkurz);
    QCOMPARE(tx.Ahnenverlustkoeffizient, ty.Ahnenverlustkoeffizient);
    QCOMPARE(tx.Stammbaumkomplett, ty.Stammbaumkomplett);
    QCOMPARE(tx.Inzucht, ty.Inzucht);
    QCOMPARE(tx.Ahnenverlust, ty.Ahnenverlust);
    QCOMPARE(tx.Info, ty.Info);
    QCOMPARE(tx.Clon, ty.Clon);
    QCOMPARE(tx.RTier, ty.RTier);
    QCOMPARE(ex.namen[0] + ex.namen[1] + ex.namen[2] + ex.namen[3],
             ey.namen[0] + ey.namen[1] + ey.namen[2] + ey.namen[3]);
    QCOMPARE(tx.r[0] + tx.r[1] + tx.r[2] + tx.r[3], ty.r[0] + ty.r[1] + ty.r[2] + ty.r[3]);
    for (int s = 0; s < 5; ++s) {
        QCOMPARE(ex.AnzahlTopKatzen[s].katze, ey.AnzahlTopKatzen[s].katze);
        QVERIFY(ex.AnzahlTopKatzen[s].anzahl == ey.AnzahlTopKatzen[s].anzahl);
    }
    QCOMPARE(ex.Vorfahrenliste.size(), ey.Vorfahrenliste.size());
    for (int i = 0; i < ex.Vorfahrenliste.size(); ++i) {
        const auto &p = ex.Vorfahrenliste[i], &q = ey.Vorfahrenliste[i];
        QCOMPARE(p.Nummer, q.Nummer);
        QCOMPARE(p.Name, q.Name);
        QVERIFY(p.Anzahl == q.Anzahl);
        QCOMPARE(p.Farbe, q.Farbe);
    }
}

QString text(Table &t, const char *feld)
{
    return t.value(QString::fromLatin1(feld)).toString();
}

} // namespace

class TestStorePedigree : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void gleicheErgebnisseWieImSpeicher_data()
    {
        QTest::addColumn<Laden>("art");
        QTest::addColumn<int>("generationen");
        QTest::addColumn<bool>("merkmalVorTop");
        QTest::newRow("whole table, G=3") << Laden::Alles << 3 << false;
        QTest::newRow("whole table, G=6, trait before top cat") << Laden::Alles << 6 << true;
        QTest::newRow("by number, G=6") << Laden::Einzeln << 6 << false;
        QTest::newRow("by number, G=30, trait before top cat") << Laden::Einzeln << 30 << true;
        QTest::newRow("automatic, G=5") << Laden::Automatisch << 5 << false;
    }
    void gleicheErgebnisseWieImSpeicher()
    {
        QFETCH(Laden, art);
        QFETCH(int, generationen);
        QFETCH(bool, merkmalVorTop);
        Register r;
        const QVector<qint32> tiere = fuelle(r);
        StorePedigree quelle(r.db, art);
        for (qint32 tier : tiere) {
            const auto k = r.speicher.katze(tier);
            InzuchtBerechnung ausTabellen(quelle), ausSpeicher(r.speicher);
            for (InzuchtBerechnung *e : {&ausTabellen, &ausSpeicher}) {
                e->einstellungen.merkmalVorTop = merkmalVorTop;
                QVERIFY(e->Berechne(tier, k->vater, k->mutter, generationen, true));
            }
            vergleiche(ausTabellen, ausSpeicher);
        }
        // a planned mating of two cats of the register
        InzuchtBerechnung geplant(quelle), geplantSpeicher(r.speicher);
        QVERIFY(geplant.Berechne(0, tiere[1], tiere[0], generationen, true));
        QVERIFY(geplantSpeicher.Berechne(0, tiere[1], tiere[0], generationen, true));
        vergleiche(geplant, geplantSpeicher);
        QVERIFY(ergebnisVon(geplant).koeffizient >= 0.25); // full siblings
    }

    void katzenDaten_data()
    {
        QTest::addColumn<Laden>("art");
        QTest::newRow("whole table") << Laden::Alles;
        QTest::newRow("by number") << Laden::Einzeln;
        QTest::newRow("automatic") << Laden::Automatisch;
    }
    void katzenDaten()
    {
        QFETCH(Laden, art);
        Register r;
        fuelle(r);
        StorePedigree quelle(r.db, art);
        const auto hanna = quelle.katze(7);
        QVERIFY(hanna);
        QCOMPARE(hanna->name, QString("Hanna"));
        QCOMPARE(hanna->geschlecht, QString("4"));
        QCOMPARE(hanna->vater, 3);
        QCOMPARE(hanna->mutter, 4);
        QCOMPARE(hanna->rasse, 0); // no breed recorded
        QCOMPARE(quelle.katze(1)->vater, 0);
        QCOMPARE(quelle.katze(5)->mutter, 999);
        QVERIFY(!quelle.katze(999));
        QVERIFY(!quelle.katze(999)); // asked twice: still absent
        QVERIFY(!quelle.katze(0));
        QVERIFY(!quelle.katze(-3));
        QCOMPARE(quelle.katze(4)->name, QString("Dora \"Blue\""));

        // traits in the order of the trait index, colours looked up, unknown trait without colour
        const auto dora = quelle.merkmale(4);
        QCOMPARE(dora.size(), 2);
        QCOMPARE(dora[0].merkmal, 3);
        QCOMPARE(dora[0].farbe, std::optional<qint32>(16711680));
        QCOMPARE(dora[1].merkmal, 1);
        QCOMPARE(quelle.merkmale(6).size(), 1);
        QCOMPARE(quelle.merkmale(6)[0].farbe, std::optional<qint32>());
        QVERIFY(quelle.merkmale(2).isEmpty());

        QCOMPARE(quelle.rasseKurzname(3), std::optional<QString>("Maine"));
        QVERIFY(!quelle.rasseKurzname(4));
        const auto top = quelle.topKatzen();
        QCOMPARE(top[0].katze, 0);
        QCOMPARE(top[1].katze, 1);
        QCOMPARE(top[1].farbe, 33023);
        QCOMPARE(top[4].katze, 4);
    }

    void neuLadenSiehtGeaenderteTabellen()
    {
        Register r;
        fuelle(r);
        StorePedigree quelle(r.db, Laden::Alles);
        QVERIFY(!quelle.katze(12));
        r.katze("Neu", "1", 1, 2, 1);
        r.merkmal(12, 1, 255);
        QVERIFY(!quelle.katze(12)); // the whole table was read before
        quelle.neuLaden();
        QCOMPARE(quelle.katze(12)->name, QString("Neu"));
        QCOMPARE(quelle.merkmale(12).size(), 1);
    }

    void automatischLiestGrossesRegisterGanz()
    {
        Register r;
        tav::store::Transaction txn(r.db, "CATSTAMM.DB");
        qint32 vater = 0, mutter = 0;
        const int n = StorePedigree::AutomatischGrenze + 50;
        for (int i = 0; i < n; i += 2) {
            const qint32 v = r.katze(QString("K%1").arg(i), "1", vater, mutter);
            const qint32 m = r.katze(QString("Q%1").arg(i), "2", vater, mutter);
            vater = v;
            mutter = m;
        }
        txn.commit();
        StorePedigree lazy(r.db, Laden::Einzeln), auto_(r.db, Laden::Automatisch);
        InzuchtBerechnung a(lazy), b(auto_);
        QVERIFY(a.Berechne(0, vater, mutter, 100, false));
        QVERIFY(b.Berechne(0, vater, mutter, 100, false));
        QCOMPARE(texte(a).Inzuchtkoeffizient, texte(b).Inzuchtkoeffizient);
        QCOMPARE(texte(a).Ahnenverlust, texte(b).Ahnenverlust);
        QVERIFY(!lazy.allesGeladen());
        QCOMPARE(lazy.einzelAbrufe(), n);
        QVERIFY(auto_.allesGeladen());
        QCOMPARE(auto_.einzelAbrufe(), StorePedigree::AutomatischGrenze);
    }

    void vorfahrenlisteWirdNeuAngelegt()
    {
        Register r;
        const QVector<qint32> tiere = fuelle(r);
        StorePedigree quelle(r.db);
        InzuchtBerechnung e(quelle);
        const auto lotte = quelle.katze(tiere[0]);
        QVERIFY(e.Berechne(tiere[0], lotte->vater, lotte->mutter, 6, true));
        schreibeVorfahrenliste(r.db, ergebnisVon(e).Vorfahrenliste);
        schreibeVorfahrenliste(r.db, ergebnisVon(e).Vorfahrenliste); // again: the old rows are gone

        const QStringList indexe = r.db.indexNames("Vorfahrenliste.db");
        QVERIFY(indexe.contains("IndexName", Qt::CaseInsensitive));
        QVERIFY(indexe.contains("IndexAnzahl", Qt::CaseInsensitive));
        Table t(&r.db, "Vorfahrenliste.db");
        t.open();
        QCOMPARE(t.recordCount(), ergebnisVon(e).Vorfahrenliste.size());
        for (const auto &z : ergebnisVon(e).Vorfahrenliste) {
            QVERIFY(t.findKey({z.Nummer}));
            QCOMPARE(text(t, "Name"), z.Name);
            QCOMPARE(t.value("Anzahl").toLongLong(), qint64(z.Anzahl));
            QCOMPARE(t.value("Farbe").isNull(), !z.Farbe.has_value());
        }
        // Cäsar (3) is a top cat and carries no trait; Dora (4) carries a trait and is a top cat
        QVERIFY(t.findKey({3}));
        QCOMPARE(t.value("Farbe").toInt(), 8421504);
        QVERIFY(t.findKey({4}));
        QCOMPARE(t.value("Farbe").toInt(), 12632256);
        t.close();
        t.setIndexName("IndexAnzahl");
        t.open();
        t.first();
        qint64 vorher = t.value("Anzahl").toLongLong();
        for (t.next(); !t.eof(); t.next()) {
            QVERIFY(t.value("Anzahl").toLongLong() <= vorher);
            vorher = t.value("Anzahl").toLongLong();
        }
    }

    void vorfahrenlisteGrosseAnzahl()
    {
        // deep pedigrees count occurrences far beyond the integer field
        Register r;
        QVector<InzuchtBerechnung::VorfahrenZeile> zeilen = {
            {1, "Alt", Anzahl(1) << 40, std::nullopt},
            {2, "Jung", 5, 255},
            {3, "Grenze", Anzahl(2147483647), std::nullopt},
        };
        schreibeVorfahrenliste(r.db, zeilen);
        Table t(&r.db, "Vorfahrenliste.db");
        t.setIndexName("IndexAnzahl");
        t.open();
        t.first();
        QCOMPARE(text(t, "Name"), QString("Grenze"));
        QCOMPARE(t.value("Anzahl").toInt(), 2147483647);
        t.next();
        QCOMPARE(text(t, "Name"), QString("Alt"));
        QCOMPARE(t.value("Anzahl").toInt(), 2147483647);
        t.next();
        QCOMPARE(t.value("Anzahl").toInt(), 5);
        QCOMPARE(t.value("Farbe").toInt(), 255);
    }

    void topKatzenAnteil()
    {
        Register r;
        const QVector<qint32> tiere = fuelle(r);
        StorePedigree quelle(r.db);
        InzuchtBerechnung e(quelle);
        const qint32 max = tiere[1];
        const auto k = quelle.katze(max);
        Table top(&r.db, "TOPKATZE.DB");
        top.addCalcField("Anzahl", FieldType::String, 50);
        top.onCalcFields = [&](Table &t) { setzeTopKatzeAnzahl(t, e.ergebnis(), e.einstellungen.dezimal); };
        // G=4: 14 possible positions; Anton once (via Dora), Cäsar three times (via both Gustavs and
        // Hanna), Dora twice (Ida's dam, Hanna's dam)
        QVERIFY(e.Berechne(max, k->vater, k->mutter, 4, true));
        top.open();
        QStringList anteile;
        for (top.first(); !top.eof(); top.next())
            anteile << text(top, "Anzahl");
        QCOMPARE(anteile, QStringList({"0,00 %", "7,14 %", "21,43 %", "0,00 %", "14,29 %"}));

        // a slot replaced by a new row (record number 6): the share follows the row's cat
        top.first();
        top.next();
        top.remove();
        top.append();
        top.setValue("Katze", 3);
        top.setValue("Farbe", 0);
        top.post();
        QVERIFY(top.findKey({6}));
        QCOMPARE(text(top, "Anzahl"), QString("21,43 %"));
        // a cat that was not part of the calculation shows no share
        top.edit();
        top.setValue("Katze", 11);
        top.post();
        QVERIFY(top.findKey({6}));
        QCOMPARE(text(top, "Anzahl"), QString());
    }
};

QTEST_GUILESS_MAIN(TestStorePedigree)
#include "tst_storepedigree.moc"
