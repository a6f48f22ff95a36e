// The register check: each finding from a small crafted register (and its near misses), faults
// injected at random into a clean register each reported once, progress and cancel, and the
// check over a real data folder through tavrenno-cli (check, import-pedigree).
#include "../common/CliRun.h"
#include "app/DataHome.h"
#include "app/Sprache.h"
#include "maintenance/Registerpruefung.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <random>

using namespace tav::maintenance;

Q_DECLARE_METATYPE(QVector<Fund>)

namespace {

const QDate Geburt(2019, 6, 1);

// sire 1, dam 2, their kitten 3; a tom 4 and a neutered tom 5 without relatives
QVector<PruefKatze> familie()
{
    return {
        {1, 0, "Arno vom Rhein", "vom Rhein", "1", QDate(2015, 1, 10), {}, 0, 0},
        {2, 0, "Bella vom Rhein", "vom Rhein", "2", QDate(2016, 3, 5), {}, 0, 0},
        {3, 0, "Cleo vom Rhein", "vom Rhein", "2", Geburt, {}, 1, 2},
        {4, 0, "Dino of Sky", "of Sky", "1", QDate(2017, 2, 2), {}, 0, 0},
        {5, 0, "Emil", "", "3", QDate(2012, 1, 1), {}, 0, 0},
    };
}

PruefKatze &katze(QVector<PruefKatze> &r, qint32 nr)
{
    return *std::find_if(r.begin(), r.end(), [nr](const PruefKatze &k) { return k.nummer == nr; });
}

Fund fund(Befund art, QVector<qint32> katzen, qint32 wert = 0, bool vater = true)
{
    return {art, katzen, wert, vater};
}

// a finding with its cats in number order, for comparing sets of findings
QVector<Fund> geordnet(QVector<Fund> f)
{
    for (Fund &x : f)
        std::sort(x.katzen.begin(), x.katzen.end());
    std::sort(f.begin(), f.end(), [](const Fund &a, const Fund &b) {
        return std::tie(a.art, a.katzen, a.wert, a.vater) < std::tie(b.art, b.katzen, b.wert, b.vater);
    });
    return f;
}

QString befundText(const QVector<Fund> &f)
{
    QStringList t;
    for (const Fund &x : f) {
        QStringList nr;
        for (qint32 k : x.katzen)
            nr << QString::number(k);
        t << QStringLiteral("%1[%2]w%3%4")
                 .arg(int(x.art))
                 .arg(nr.join(','))
                 .arg(x.wert)
                 .arg(x.vater ? 'V' : 'M');
    }
    return t.join(QStringLiteral("; "));
}

} // namespace

class TstRegisterpruefung : public QObject
{
    Q_OBJECT
    QTemporaryDir home, config;
    std::unique_ptr<tav::store::Database> db;
    tav::app::Sprache katalog;

    QString datenOrdner() const { return tav::app::dataDirOf(home.path()); }

    void schreibe(const QVector<PruefKatze> &katzen)
    {
        tav::store::Table t(db.get(), QStringLiteral("CATSTAMM.DB"));
        t.open();
        for (const PruefKatze &k : katzen) {
            t.append();
            t.setValue("Name", k.name);
            t.setValue("Geschlecht", k.geschlecht);
            t.setValue("GebDatum", k.geboren);
            t.setValue("Toddatum", k.gestorben);
            t.setValue("Vater", k.vater ? QVariant(k.vater) : QVariant());
            t.setValue("Mutter", k.mutter ? QVariant(k.mutter) : QVariant());
            t.post();
        }
    }

  private Q_SLOTS:
    void initTestCase()
    {
        qputenv("TAVRENNO_CONFIG", config.path().toUtf8());
        const Run r = run(QStringLiteral(TAV_CLI), {"--home", home.path(), "init"}, config.path());
        QVERIFY2(r.code == 0, qPrintable(r.err));
        db = std::make_unique<tav::store::Database>(datenOrdner());
        QVERIFY(katalog.open(db.get()));
    }

    void befunde_data()
    {
        QTest::addColumn<std::function<void(QVector<PruefKatze> &)>>("fehler");
        QTest::addColumn<QVector<Fund>>("erwartet");
        using R = QVector<PruefKatze>;
        const auto fall = [](const char *name, std::function<void(R &)> f, QVector<Fund> erwartet) {
            QTest::newRow(name) << f << erwartet;
        };
        fall("clean", [](R &) {}, {});
        fall("loop of two, the sire born after its kitten",
             [](R &r) {
                 katze(r, 1).vater = 3;
                 katze(r, 3).geschlecht = "1";
             },
             {fund(Befund::Schleife, {1, 3}), fund(Befund::ElterNachKind, {1, 3})});
        fall("loop of three without dates, a branch beside it",
             [](R &r) {
                 for (PruefKatze &k : r)
                     k.geboren = {};
                 katze(r, 1).vater = 4;
                 katze(r, 4).mutter = 3;
             },
             {fund(Befund::Schleife, {1, 4, 3})});
        fall("its own sire", [](R &r) { katze(r, 5).vater = 5; }, {fund(Befund::Schleife, {5})});
        fall("sire female, once for all its kittens",
             [](R &r) {
                 katze(r, 1).geschlecht = "4";
                 katze(r, 4).vater = 1;
             },
             {fund(Befund::VaterWeiblich, {1, 3, 4})});
        fall("dam male", [](R &r) { katze(r, 2).geschlecht = "3"; },
             {fund(Befund::MutterMaennlich, {2, 3}, 0, false)});
        fall("a neutered tom as sire", [](R &r) { katze(r, 3).vater = 5; }, {});
        fall("dam born on the kitten's birthday", [](R &r) { katze(r, 2).geboren = Geburt; },
             {fund(Befund::ElterNachKind, {3, 2}, 0, false)});
        fall("dam six months and a day short of seven",
             [](R &r) { katze(r, 2).geboren = QDate(2018, 11, 2); },
             {fund(Befund::ElterZuJung, {3, 2}, 6, false)});
        fall("dam seven months to the day", [](R &r) { katze(r, 2).geboren = QDate(2018, 11, 1); }, {});
        fall("dam died the day before", [](R &r) { katze(r, 2).gestorben = Geburt.addDays(-1); },
             {fund(Befund::NachTod, {3, 2}, 0, false)});
        fall("dam died at the birth", [](R &r) { katze(r, 2).gestorben = Geburt; }, {});
        fall("sire died within a gestation", [](R &r) { katze(r, 1).gestorben = Geburt.addDays(-65); }, {});
        fall("sire died longer before", [](R &r) { katze(r, 1).gestorben = Geburt.addDays(-66); },
             {fund(Befund::NachTod, {3, 1})});
        fall("missing dam", [](R &r) { katze(r, 3).mutter = 99; },
             {fund(Befund::ElterFehlt, {3}, 99, false)});
        fall("duplicate in other case and blanks",
             [](R &r) {
                 r.append({6, 0, " cleo  VOM rhein", "", "2", Geburt, {}, 0, 0});
             },
             {fund(Befund::Duplikat, {3, 6})});
        fall("same name, no birth date or another one, or an umlaut",
             [](R &r) {
                 r.append({6, 0, "Cleo vom Rhein", "", "2", Geburt.addDays(1), {}, 0, 0});
                 r.append({7, 0, "Emil", "", "1", {}, {}, 0, 0});
                 r.append({8, 0, "Emil", "", "1", {}, {}, 0, 0});
                 r.append({9, 0, "Dïno of Sky", "", "1", QDate(2017, 2, 2), {}, 0, 0});
             },
             {});
    }

    // each finding from a crafted register, and its explanation in three languages
    void befunde()
    {
        QFETCH(std::function<void(QVector<PruefKatze> &)>, fehler);
        QFETCH(QVector<Fund>, erwartet);
        QVector<PruefKatze> r = familie();
        fehler(r);
        const PruefOptionen o;
        const PruefErgebnis e = registerPruefen(r, o);
        QVERIFY(!e.abgebrochen);
        QCOMPARE(befundText(e.funde), befundText(erwartet));
        const auto nummern = nachNummer(r);
        for (int sprache : {0, 1, 2}) {
            katalog.setLanguageNumber(sprache);
            for (const Fund &f : e.funde) {
                const QString text = erklaerung(f, nummern, o, katalog);
                QVERIFY2(text.contains(nummern.value(f.katzen[0])->name) && !text.contains('%') &&
                             !befundName(f.art, katalog).isEmpty(),
                         qPrintable(text));
            }
        }
        katalog.setLanguageNumber(0);
    }

    // a clean random register has no findings; 50 faults injected into it are each reported once
    void zufaelligeFehler_data()
    {
        QTest::addColumn<quint32>("saat");
        for (quint32 s : {1u, 2u, 3u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(s))) << s;
    }
    void zufaelligeFehler()
    {
        QFETCH(quint32, saat);
        QRandomGenerator rng(saat);
        QVector<PruefKatze> r;
        QVector<QVector<int>> kater(8), katzen(8);
        for (int g = 0; g < 8; ++g) {
            for (int i = 0; i < 250; ++i) {
                PruefKatze k{int(r.size()) + 1,
                             0,
                             QStringLiteral("Katze %1 vom Hof").arg(r.size() + 1),
                             "vom Hof",
                             rng.bounded(2) ? "1" : "2",
                             QDate(2000 + 2 * g, 1 + rng.bounded(12), 1 + rng.bounded(28)),
                             QDate(),
                             0,
                             0};
                if (rng.bounded(4) == 0)
                    k.gestorben = k.geboren.addYears(15);
                if (g > 0) {
                    k.vater = kater[g - 1][rng.bounded(int(kater[g - 1].size()))];
                    k.mutter = katzen[g - 1][rng.bounded(int(katzen[g - 1].size()))];
                }
                (k.geschlecht == "1" ? kater : katzen)[g].append(k.nummer);
                r.append(k);
            }
        }
        const PruefOptionen o;
        QCOMPARE(befundText(registerPruefen(r, o).funde), QString());

        QVector<Fund> erwartet;
        QSet<qint32> verdoppelt;
        const int basis = int(r.size());
        auto neu = [&](const char *g, QDate geboren = {}) -> PruefKatze & {
            const int nr = int(r.size()) + 1;
            r.append({nr, 0, QStringLiteral("Neu %1").arg(nr), "", g, geboren, QDate(), 0, 0});
            return r.last();
        };
        auto irgendein = [&](const QVector<QVector<int>> &aus) {
            return aus[1][rng.bounded(int(aus[1].size()))];
        };
        for (int i = 0; i < 50; ++i) {
            switch (Befund(rng.bounded(BefundArten))) {
            case Befund::Schleife: {
                const int n = 1 + int(rng.bounded(3)), erste = int(r.size()) + 1;
                QVector<qint32> ring;
                for (int j = 0; j < n; ++j) {
                    PruefKatze &k = neu("1");
                    k.vater = erste + (j + 1) % n;
                    k.mutter = irgendein(katzen);
                    ring << k.nummer;
                }
                erwartet << fund(Befund::Schleife, ring);
                break;
            }
            case Befund::VaterWeiblich:
            case Befund::MutterMaennlich: {
                const bool vater = rng.bounded(2);
                const qint32 p = neu(vater ? "2" : "1", QDate(1990, 1, 1)).nummer;
                QVector<qint32> beteiligt{p};
                for (int j = 0, n = 1 + int(rng.bounded(3)); j < n; ++j) {
                    PruefKatze &k = neu("2");
                    k.vater = vater ? p : irgendein(kater);
                    k.mutter = vater ? irgendein(katzen) : p;
                    beteiligt << k.nummer;
                }
                erwartet << fund(vater ? Befund::VaterWeiblich : Befund::MutterMaennlich, beteiligt, 0,
                                 vater);
                break;
            }
            case Befund::ElterNachKind: {
                const QDate d(2030, 5, 5);
                const qint32 p = neu("1", d.addDays(rng.bounded(400))).nummer;
                PruefKatze &k = neu("2", d);
                k.vater = p;
                erwartet << fund(Befund::ElterNachKind, {k.nummer, p});
                break;
            }
            case Befund::ElterZuJung: {
                const int monate = 1 + int(rng.bounded(6));
                const qint32 p = neu("2", QDate(2031, 1, 1)).nummer;
                PruefKatze &k = neu("1", QDate(2031, 1, 1).addMonths(monate));
                k.mutter = p;
                erwartet << fund(Befund::ElterZuJung, {k.nummer, p}, monate, false);
                break;
            }
            case Befund::NachTod: {
                const bool vater = rng.bounded(2);
                PruefKatze &p = neu(vater ? "1" : "2", QDate(2025, 1, 1));
                p.gestorben = QDate(2027, 1, 1);
                const qint32 pn = p.nummer;
                PruefKatze &k = neu("2", QDate(2027, 1, 1).addDays((vater ? 66 : 1) + rng.bounded(300)));
                (vater ? k.vater : k.mutter) = pn;
                erwartet << fund(Befund::NachTod, {k.nummer, pn}, 0, vater);
                break;
            }
            case Befund::ElterFehlt: {
                const bool vater = rng.bounded(2);
                PruefKatze &k = neu("1");
                (vater ? k.vater : k.mutter) = 900000 + i;
                erwartet << fund(Befund::ElterFehlt, {k.nummer}, 900000 + i, vater);
                break;
            }
            case Befund::Duplikat: {
                qint32 original;
                do
                    original = 1 + qint32(rng.bounded(basis));
                while (verdoppelt.contains(original));
                verdoppelt << original;
                const PruefKatze vorlage = r[original - 1];
                PruefKatze &k = neu("2", vorlage.geboren);
                k.name = QStringLiteral("  ") + vorlage.name.toUpper().replace(' ', "   ");
                erwartet << fund(Befund::Duplikat, {original, k.nummer});
                break;
            }
            }
        }
        // the order of the register does not matter
        std::shuffle(r.begin(), r.end(), std::mt19937(saat));
        QCOMPARE(befundText(geordnet(registerPruefen(r, o).funde)), befundText(geordnet(erwartet)));
    }

    void fortschrittUndAbbruch()
    {
        QVector<PruefKatze> r;
        for (int i = 1; i <= 10000; ++i)
            r.append({i, 0, QStringLiteral("K %1").arg(i), "", "1", {}, {}, i > 1 ? i - 1 : 0, 0});
        int zuletzt = -1, gesamt = 0;
        bool steigend = true;
        PruefErgebnis e = registerPruefen(r, {}, [&](int fertig, int alle) {
            steigend = steigend && fertig > zuletzt;
            zuletzt = fertig;
            gesamt = alle;
            return true;
        });
        QVERIFY(steigend && zuletzt > gesamt / 2 && zuletzt <= gesamt && !e.abgebrochen);
        r[0].vater = 10000; // one loop through every cat
        int aufrufe = 0;
        e = registerPruefen(r, {}, [&](int, int) { return ++aufrufe < 4; });
        QVERIFY(e.abgebrochen);
        QCOMPARE(aufrufe, 4);
        e = registerPruefen(r, {});
        QCOMPARE(e.funde.size(), 1);
        QCOMPARE(e.funde[0].katzen.size(), 10000);
    }

    // the check over a data folder: read, as text and JSON through tavrenno-cli, and an import
    void ueberDenDatenordner()
    {
        QVector<PruefKatze> r = familie();
        katze(r, 1).geschlecht = "2";
        katze(r, 3).mutter = 77;
        schreibe(r);
        const QVector<PruefKatze> gelesen = registerLesen(*db);
        QCOMPARE(gelesen.size(), 5);
        QCOMPARE(gelesen[2].geboren, Geburt);
        QCOMPARE(gelesen[2].vater, 1);

        const QString cli = QStringLiteral(TAV_CLI);
        Run c = run(cli, {"--home", home.path(), "check"}, config.path());
        QCOMPARE(c.code, 1);
        QVERIFY2(c.out.contains("Arno vom Rhein (1)") && c.out.contains("77"), qPrintable(c.out));
        c = run(cli, {"--home", home.path(), "check", "--json"}, config.path());
        QCOMPARE(c.code, 1);
        const QJsonArray funde = QJsonDocument::fromJson(c.out.toUtf8())["findings"].toArray();
        QStringList arten;
        for (const auto &f : funde)
            arten << f.toObject()["kind"].toString();
        QCOMPARE(arten, QStringList({"sire-female", "missing-parent"}));
        QCOMPARE(funde[0].toObject()["cats"].toArray()[1].toObject()["name"].toString(), "Cleo vom Rhein");

        // the file's cats are checked with the register before they are written
        QFile datei(home.filePath("stamm.csv"));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("Name;Geschlecht;Vater;Mutter;GebDatum;Rasse\n"
                    "Dino of Sky;1;;;2017-02-02;\n"
                    "Fips vom Rhein;1;Emil;Cleo vom Rhein;2019-09-01;\n");
        datei.close();
        c = run(cli, {"--home", home.path(), "import-pedigree", datei.fileName()}, config.path());
        QCOMPARE(c.code, 0);
        QVERIFY2(c.out.contains("Dino of Sky (Zeile 2), Dino of Sky (4)") &&
                     c.out.contains("Fips vom Rhein (Zeile 3)") && c.out.endsWith("2 Katzen importiert\n") &&
                     !c.out.contains("77"),
                 qPrintable(c.out));
        QCOMPARE(importVermerk(datenOrdner()), 2);
        importVermerken(datenOrdner(), 3);
        QCOMPARE(importVermerk(datenOrdner()), 5);
        importVermerkLoeschen(datenOrdner());
        QCOMPARE(importVermerk(datenOrdner()), 0);
    }
};

QTEST_GUILESS_MAIN(TstRegisterpruefung)
#include "tst_registerpruefung.moc"
