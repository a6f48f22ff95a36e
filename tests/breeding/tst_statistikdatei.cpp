// The register query of the trait statistics: expressions, filters, order and the inbreeding of
// its rows.
#include "../common/InzuchtTexte.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StatistikDatei.h"
#include "breeding/StorePedigree.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::breeding;
using namespace tav::store;

namespace {

struct Register {
    QTemporaryDir dir;
    Database db{dir.path()};
    QHash<QString, int> merkmalNr;

    Register()
    {
        for (const char *t : {"CATSTAMM.DB", "KATZEMERKMAL.DB", "MERKMALE.DB", "RASSE.DB", "TOPKATZE.DB"})
            db.createTable(QString::fromLatin1(t));
        Table m(&db, "MERKMALE.DB");
        m.open();
        int farbe = 100;
        for (const char *name : {"Klon", "Foundation", "PKD", "HCM", "Blau", "O'Neil", "PKD2"}) {
            m.append();
            m.setValue("Bezeichnung", QString::fromUtf8(name));
            m.setValue("farbe", ++farbe);
            m.post();
            merkmalNr.insert(QString::fromUtf8(name), m.value("LaufendeNummer").toInt());
        }
    }
    qint32 katze(const QString &name, const char *geschlecht, const QStringList &merkmale = {},
                 const QString &farbe = {}, QDate geb = {}, QDate tod = {}, qint32 vater = 0,
                 qint32 mutter = 0)
    {
        Table k(&db, "CATSTAMM.DB");
        k.open();
        k.append();
        k.setValue("Name", name);
        k.setValue("Geschlecht", geschlecht);
        k.setValue("FellFarbe", farbe);
        k.setValue("GebDatum", geb.isValid() ? QVariant(geb) : QVariant());
        k.setValue("Toddatum", tod.isValid() ? QVariant(tod) : QVariant());
        k.setValue("Vater", vater ? QVariant(vater) : QVariant());
        k.setValue("Mutter", mutter ? QVariant(mutter) : QVariant());
        k.post();
        const qint32 nr = k.value("LaufendeNummer").toInt();
        Table km(&db, "KATZEMERKMAL.DB");
        km.open();
        for (const QString &m : merkmale) {
            km.append();
            km.setValue("Katze", nr);
            km.setValue("Merkmal", merkmalNr.value(m));
            km.post();
        }
        return nr;
    }
    QStringList namen(const DateiAbfrage &a, const DateiFilter &f = {})
    {
        QStringList n;
        for (const DateiZeile &z : statistikDatei(db, a, f))
            n << z.name + (z.merkmal.isEmpty() || a.erweitert ? QString() : QLatin1Char('/') + z.merkmal);
        return n;
    }
};

} // namespace

class TstStatistikDatei : public QObject
{
    Q_OBJECT
    Register r;
    const QDate heute{2024, 2, 29};

  private Q_SLOTS:
    void initTestCase()
    {
        r.katze("a", "1", {"PKD"}, "rot", {2020, 1, 1});
        r.katze("ab", "2", {"PKD", "HCM"}, "Blau", {2022, 6, 1});
        r.katze("c", "3", {"Blau"}, "rot", {2023, 3, 1});
        r.katze("bc", "4", {"HCM", "Blau"}, "ROT", {2019, 2, 28});
        r.katze("keins", "2", {}, "creme", {2023, 2, 28});
        r.katze("tot", "1", {"PKD"}, "rot", {2021, 1, 1}, {2023, 1, 1});
        r.katze("quote", "2", {"O'Neil", "PKD2"}, "rot");
    }

    void ausdruecke_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("erwartet"); // "!" refused
        QTest::newRow("or below and") << "Merkmal='PKD' or Merkmal='HCM' and Merkmal='Blau'"
                                      << "a ab bc tot";
        QTest::newRow("parentheses") << "(Merkmal='PKD' or Merkmal='HCM') and Merkmal='Blau'"
                                     << "bc";
        QTest::newRow("not above and") << "not Merkmal='PKD' and Merkmal='HCM'"
                                       << "bc";
        QTest::newRow("not of a group, cats without traits") << "not (Merkmal='PKD' or Merkmal='Blau')"
                                                             << "keins quote";
        QTest::newRow("A and not B as the buttons write it") << " (Merkmal='PKD') and not (Merkmal='HCM')"
                                                             << "a tot";
        QTest::newRow("quote in a name, no prefix match") << "MERKMAL = 'O''Neil' AND NOT Merkmal='PKD'"
                                                          << "quote";
        QTest::newRow("unknown trait") << "Merkmal='PKD' or Merkmal='FIP'"
                                       << "!";
        QTest::newRow("injected SQL") << "Merkmal='PKD') or (1=1"
                                      << "!";
        QTest::newRow("statement after") << "Merkmal='PKD'; DELETE FROM catstamm.db"
                                         << "!";
        QTest::newRow("comment") << "Merkmal='PKD' -- x"
                                 << "!";
        QTest::newRow("open parenthesis") << "(Merkmal='PKD'"
                                          << "!";
        QTest::newRow("operator at the end") << "Merkmal='PKD' and"
                                             << "!";
        QTest::newRow("two traits without operator") << "Merkmal='PKD' Merkmal='HCM'"
                                                     << "!";
        QTest::newRow("other column") << "Name='a'"
                                      << "!";
        QTest::newRow("empty") << "  "
                               << "!";
    }
    // the extended query; a refused text is message 120 and reads nothing
    void ausdruecke()
    {
        QFETCH(QString, text);
        QFETCH(QString, erwartet);
        DateiAbfrage a{true, text};
        try {
            QCOMPARE(r.namen(a).join(' '), erwartet);
        } catch (const DateiAbfrageFehler &f) {
            QCOMPARE(f.meldung, 120);
            QCOMPARE(QStringLiteral("!"), erwartet);
        }
    }

    void filter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("farbe");
        QTest::addColumn<QString>("geschlecht");
        QTest::addColumn<int>("ab");
        QTest::addColumn<int>("bis");
        QTest::addColumn<bool>("monate");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("all") << ""
                             << ""
                             << "1234" << 0 << 0 << false << "a ab bc c keins quote tot";
        QTest::newRow("colour, any case") << ""
                                          << "rot"
                                          << "1234" << 0 << 0 << false << "a bc c quote tot";
        QTest::newRow("sex") << ""
                             << ""
                             << "24" << 0 << 0 << false << "ab bc keins quote";
        // born 28.2.2019 .. 28.2.2022: the limits from a 29 February are 28 February, both kept
        QTest::newRow("ab 5 bis 2, swapped, living") << ""
                                                     << ""
                                                     << "1234" << 5 << 2 << false << "a bc";
        QTest::newRow("bis alone") << ""
                                   << ""
                                   << "1234" << 0 << 1 << false << "c keins";
        QTest::newRow("ab alone keeps the limit day") << ""
                                                      << ""
                                                      << "1234" << 5 << 0 << false << "bc";
        QTest::newRow("months") << ""
                                << ""
                                << "1234" << 12 << 24 << true << "ab keins";
        QTest::newRow("simple query, once per trait")
            << " (Merkmal='PKD') or (Merkmal='HCM')"
            << ""
            << "1234" << 0 << 0 << false << "a/PKD ab/PKD ab/HCM bc/HCM tot/PKD";
        QTest::newRow("all combined") << " (Merkmal='PKD') or (Merkmal='Blau')"
                                      << "ROT"
                                      << "134" << 1 << 0 << false << "a/PKD bc/Blau";
    }
    void filter()
    {
        QFETCH(QString, text);
        QFETCH(QString, farbe);
        QFETCH(QString, geschlecht);
        QFETCH(int, ab);
        QFETCH(int, bis);
        QFETCH(bool, monate);
        QFETCH(QString, erwartet);
        DateiFilter f;
        f.heute = heute;
        f.farbe = farbe;
        for (int i = 0; i < 4; ++i)
            f.geschlecht[i] = geschlecht.contains(QChar('1' + i));
        f.ab = ab;
        f.bis = bis;
        f.monate = monate;
        QCOMPARE(r.namen({false, text}, f).join(' '), erwartet);
    }

    void schaltjahr()
    {
        DateiFilter f;
        f.heute = heute;
        f.ab = 1;
        f.bis = 4;
        QCOMPARE(f.geburtGrenzen(), qMakePair(QDate(2023, 2, 28), QDate(2020, 2, 29)));
        f.monate = true;
        f.ab = 12;
        f.bis = 0;
        QCOMPARE(f.geburtGrenzen().first, QDate(2023, 2, 28));
    }

    // two cats of one name: their rows never interleave, and the extended query lists each once
    // with all its traits in the colour of the first
    void gleicherName()
    {
        Register g;
        const qint32 eins = g.katze("Max", "1", {"HCM", "PKD"});
        const qint32 zwei = g.katze("Max", "1", {"PKD", "HCM"});
        const QVector<DateiZeile> einfach =
            statistikDatei(g.db, {false, "(Merkmal='PKD') or (Merkmal='HCM')"}, DateiFilter{});
        QCOMPARE(einfach.size(), 4);
        QCOMPARE(
            (QVector<qint32>{einfach[0].nummer, einfach[1].nummer, einfach[2].nummer, einfach[3].nummer}),
            (QVector<qint32>{eins, eins, zwei, zwei}));
        const QVector<DateiZeile> erw = statistikDatei(g.db, {true, "Merkmal='PKD'"}, DateiFilter{});
        QCOMPARE(erw.size(), 2);
        QCOMPARE(erw[0].nummer, eins);
        QCOMPARE(erw[0].merkmal, QStringLiteral("- HCM -- PKD -"));
        QCOMPARE(erw[0].farbe, 104);
        QCOMPARE(erw[1].farbe, 103);
    }

    // IK and AVK of every row as a direct engine call with the row's cat gives them, at limits
    // that cut (answered in memory) and at 255 (the whole-register pass answers)
    void inzuchtJeZeile_data()
    {
        QTest::addColumn<int>("generationen");
        QTest::newRow("4") << 4;
        QTest::newRow("7") << 7;
        QTest::newRow("255") << 255;
    }
    void inzuchtJeZeile()
    {
        QFETCH(int, generationen);
        static Register z;
        static QVector<DateiZeile> zeilen;
        if (zeilen.isEmpty()) {
            QRandomGenerator rng(11);
            QVector<qint32> nr;
            for (int i = 0; i < 150; ++i) {
                const auto elter = [&] { return i < 8 ? 0 : nr[std::max(0, i - 1 - int(rng.bounded(12)))]; };
                nr << z.katze(QStringLiteral("K%1").arg(i % 40), i % 2 ? "2" : "1", {}, {}, {}, {}, elter(),
                              rng.bounded(10) ? elter() : 99999);
            }
            zeilen = statistikDatei(z.db, {}, DateiFilter{});
        }
        DateiInzucht pass(z.db, generationen, QLatin1Char(','));
        pass.setzeZeilen(zeilen);
        QVector<DateiZeile> ergebnis = zeilen;
        while (pass.weiter(5, [&](const QVector<int> &rows, const QString &ik, const QString &avk) {
            for (int i : rows) {
                ergebnis[i].ik = ik;
                ergebnis[i].avk = avk;
            }
        })) {
        }
        QVERIFY(pass.paare() < zeilen.size()); // littermates share
        QVERIFY(generationen == 255 ? pass.ueberRegister() > 100 : pass.ueberRegister() < pass.paare());
        QVERIFY(generationen == 255 || pass.imSchnitt() > 50); // the cut pairs are answered in memory
        StorePedigree quelle(z.db);
        InzuchtBerechnung e(quelle);
        int mitWert = 0;
        for (const DateiZeile &zeile : ergebnis) {
            const bool ok = e.Berechne(zeile.nummer, zeile.vater, zeile.mutter, generationen, false);
            QCOMPARE(zeile.ik, ok ? texteVon(e).Inzuchtkoeffizientkurz : QString());
            QCOMPARE(zeile.avk, ok ? texteVon(e).Ahnenverlustkoeffizient : QString());
            mitWert += ok && ergebnisVon(e).koeffizient > 0;
        }
        QVERIFY(mitWert > 50);
    }
};

QTEST_GUILESS_MAIN(TstStatistikDatei)
#include "tst_statistikdatei.moc"
