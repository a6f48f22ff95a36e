#include "breeding/InzuchtSpeicherung.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Table.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::breeding;
using tav::store::Database;
using tav::store::Table;

namespace {
GespeicherteBerechnung beispiel(const QString &name, int generation)
{
    GespeicherteBerechnung b;
    b.art = 1;
    b.name = name;
    b.vater = QStringLiteral("Kater");
    b.vaterNr = 3;
    b.mutter = QStringLiteral("Kätzin");
    b.mutterNr = 4;
    b.generation = generation;
    b.inzucht = {QStringLiteral("Ahn : 1 : 1 = 0,12500")};
    b.prozent = QStringLiteral(" 0,12500 = 12,50%");
    b.ahnenverlust = {QString(), QStringLiteral("Mögliche Vorfahren 14")};
    b.stammbaumkomplett = QStringLiteral("Stammbaum unvollständig");
    b.mitTopKatzen = true;
    for (int slot = 1; slot <= 5; ++slot)
        b.topKatzen.append({slot, QStringLiteral("Top %1").arg(slot), QStringLiteral("0,00 %")});
    b.klone = {{12.5, QStringLiteral("Klon A")}, {25.0, QStringLiteral("Klon B")}};
    b.vorfahren = {{7, QStringLiteral("Ahn"), 2, 255}, {8, QStringLiteral("Łucja"), 1, std::nullopt}};
    return b;
}

int zeilen(Database &db, const QString &table)
{
    Table t(&db, table);
    t.open();
    return t.recordCount();
}
} // namespace

class TstInzuchtSpeicherung : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void eingaben_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("generationen");
        QTest::newRow("two") << "2" << 3;
        QTest::newRow("letters") << "abc" << 3;
        QTest::newRow("empty") << "" << 3;
        QTest::newRow("negative") << "-7" << 3;
        QTest::newRow("kept") << " 12 " << 12;
        QTest::newRow("above a byte") << "300" << 255;
        QTest::newRow("huge") << "99999999999" << 255;
    }
    void eingaben()
    {
        QFETCH(QString, text);
        QFETCH(int, generationen);
        QCOMPARE(generationenEingabe(text), generationen);
    }

    void klonZeilen()
    {
        const KlonZeile k = klonZeile(QStringLiteral("12,50 %/Mia/Lu"));
        QCOMPARE(k.prozent, QStringLiteral("12,50 %"));
        QCOMPARE(k.name, QStringLiteral("Mia/Lu")); // only the first "/" splits
        QCOMPARE(klonZeile(QStringLiteral("0 %")).name, QString());
        QCOMPARE(klonProzent(QStringLiteral("12,50 %")), 12.5);
        QCOMPARE(speicherNameVorschlag("Ares", "Bella"), QStringLiteral("Ares_Bella"));
    }

    // every field and detail row comes back; a long name is found by name and generations
    void speichernUndLaden()
    {
        QTemporaryDir dir;
        Database db(dir.path());
        const QString lang =
            QString(QStringLiteral("Prinz Ödön von der Sehr Langen Zwingerbezeichnung ")).repeated(4) +
            QStringLiteral("   50% PER   50% BRI   ");
        QVERIFY(lang.size() > 200);
        QVERIFY(gespeicherteBerechnungen(db).isEmpty());
        const qint64 k = berechnungSpeichern(db, beispiel(lang, 6));
        QCOMPARE(findeBerechnung(db, lang, 6), std::optional<qint64>(k));
        QVERIFY(!findeBerechnung(db, lang, 5));
        QVERIFY(!findeBerechnung(db, lang.left(70), 6));

        const auto b = berechnungLaden(db, k);
        QVERIFY(b);
        const GespeicherteBerechnung s = beispiel(lang, 6);
        QCOMPARE(b->name, lang);
        QCOMPARE(b->mutter, s.mutter);
        QCOMPARE(b->inzucht, s.inzucht);
        QCOMPARE(b->ahnenverlust, s.ahnenverlust);
        QCOMPARE(b->prozent, s.prozent);
        QCOMPARE(b->topKatzen.size(), 5);
        QCOMPARE(b->topKatzen[4].name, QStringLiteral("Top 5"));
        QCOMPARE(b->klone.size(), 2);
        QCOMPARE(b->klone[0].prozent, 12.5);
        QCOMPARE(b->vorfahren.size(), 2);
        QCOMPARE(b->vorfahren[0].farbe, std::optional<qint32>(255));
        QCOMPARE(b->vorfahren[1].farbe, std::optional<qint32>());
        QCOMPARE(b->vorfahren[1].name, QStringLiteral("Łucja"));
    }

    // same name, other generations: a second row; same generations: overwritten in place, and the
    // top-cat rows stay when the window showed a loaded calculation
    void ueberschreiben()
    {
        QTemporaryDir dir;
        Database db(dir.path());
        const qint64 a = berechnungSpeichern(db, beispiel("Mia", 5));
        const qint64 b = berechnungSpeichern(db, beispiel("Mia", 6));
        QVERIFY(a != b);
        QCOMPARE(gespeicherteBerechnungen(db).size(), 2);

        GespeicherteBerechnung neu = beispiel("Mia", 5);
        neu.prozent = QStringLiteral(" 0%");
        neu.klone = {{50.0, QStringLiteral("Klon C")}};
        neu.vorfahren.removeLast();
        neu.mitTopKatzen = false;
        QCOMPARE(berechnungSpeichern(db, neu, findeBerechnung(db, "Mia", 5)), a);
        QCOMPARE(gespeicherteBerechnungen(db).size(), 2);
        const auto geladen = berechnungLaden(db, a);
        QCOMPARE(geladen->prozent, QStringLiteral(" 0%"));
        QCOMPARE(geladen->klone.size(), 1);
        QCOMPARE(geladen->klone[0].name, QStringLiteral("Klon C"));
        QCOMPARE(geladen->vorfahren.size(), 1);
        QCOMPARE(geladen->topKatzen.size(), 5);
        QCOMPARE(berechnungLaden(db, b)->vorfahren.size(), 2); // the other one is untouched
        QCOMPARE(zeilen(db, "InzuchtgradSpeicherungTopKatzen.db"), 10);
    }

    // a failure while the detail rows are written leaves the tables as they were
    void fehlerLaesstNichtsZurueck()
    {
        QTemporaryDir dir;
        Database db(dir.path());
        const qint64 a = berechnungSpeichern(db, beispiel("Mia", 5));
        Table::setReadProbe([](const Table &t) {
            if (t.tableName() == QLatin1String("InzuchtgradVorf.db"))
                throw tav::store::EngineError(tav::store::EngineError::Category::Io, tav::store::code::Io,
                                              QStringLiteral("Lesefehler"));
        });
        const auto ohneProbe = qScopeGuard([] { Table::setReadProbe(nullptr); });
        GespeicherteBerechnung neu = beispiel("Mia", 5);
        neu.prozent = QStringLiteral(" 0%");
        QVERIFY_THROWS_EXCEPTION(tav::store::EngineError, berechnungSpeichern(db, neu, a));
        QVERIFY_THROWS_EXCEPTION(tav::store::EngineError, berechnungSpeichern(db, beispiel("Lu", 5)));
        Table::setReadProbe(nullptr);
        QCOMPARE(gespeicherteBerechnungen(db).size(), 1);
        const auto alt = berechnungLaden(db, a);
        QCOMPARE(alt->prozent, beispiel("Mia", 5).prozent);
        QCOMPARE(alt->klone.size(), 2);
        QCOMPARE(zeilen(db, "InzuchtSpeicherClone.db"), 2);
        QCOMPARE(zeilen(db, "InzuchtgradSpeicherungTopKatzen.db"), 5);
        QCOMPARE(zeilen(db, "InzuchtgradVorf.db"), 2);
    }
};

QTEST_GUILESS_MAIN(TstInzuchtSpeicherung)
#include "tst_inzuchtspeicherung.moc"
