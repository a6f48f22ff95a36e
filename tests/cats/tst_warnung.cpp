#include "CatsFixture.h"
#include "cats/Warnung.h"

#include <QtTest>

using namespace tav::cats;

// The reminders' checks on a register: the ±6-day window compared as dates, the expiry date of
// the pharmacy, the order of the lists.
class TstWarnung : public QObject
{
    Q_OBJECT

    struct Register {
        CatsFixture f;
        explicit Register(bool mitApotheke = true)
        {
            QStringList tabellen = {"IMPFUNG.DB", "WURMKUR.DB"};
            if (mitApotheke)
                tabellen << "APOTHEKE.DB";
            for (const QString &t : tabellen)
                f.db().createTable(t);
        }
        void termin(const QDate &naechste, int katze = 0)
        {
            f.add("IMPFUNG.DB", {{"Katze", katze}, {"Impfung", "RCP"}, {"NeuAm", naechste}});
            f.add("WURMKUR.DB", {{"Katze", katze}, {"Medikament", "Milbemax"}, {"Naechste", naechste}});
        }
    };

  private Q_SLOTS:
    void dueWindowComparesDates_data()
    {
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QDate>("naechste");
        QTest::addColumn<bool>("faellig");
        const QDate h(2026, 6, 15);
        QTest::newRow("6 days ago") << h << h.addDays(-6) << true;
        QTest::newRow("in 6 days") << h << h.addDays(6) << true;
        QTest::newRow("7 days ago") << h << h.addDays(-7) << false;
        QTest::newRow("in 7 days") << h << h.addDays(7) << false;
        // as day-first text "04.01.2027" would sort before "29.12.2026"
        QTest::newRow("year end: in 6 days") << QDate(2026, 12, 29) << QDate(2027, 1, 4) << true;
        QTest::newRow("year end: in 7 days") << QDate(2026, 12, 29) << QDate(2027, 1, 5) << false;
        QTest::newRow("year start: 6 days ago") << QDate(2027, 1, 3) << QDate(2026, 12, 28) << true;
        // 29 February counts as a day
        QTest::newRow("leap day: in 6 days") << QDate(2024, 2, 26) << QDate(2024, 3, 3) << true;
        QTest::newRow("leap day: in 7 days") << QDate(2024, 2, 26) << QDate(2024, 3, 4) << false;
        QTest::newRow("leap day: 6 days ago") << QDate(2024, 3, 1) << QDate(2024, 2, 24) << true;
        QTest::newRow("leap day: 7 days ago") << QDate(2024, 3, 1) << QDate(2024, 2, 23) << false;
        QTest::newRow("no next date") << h << QDate() << false;
    }
    void dueWindowComparesDates()
    {
        QFETCH(QDate, heute);
        QFETCH(QDate, naechste);
        QFETCH(bool, faellig);
        Register r;
        const int katze = r.f.cat("Amara", "2");
        r.termin(naechste, katze);
        r.termin(heute.addDays(40), katze); // never due, in both lists
        const WarnungsListen l = warnungenPruefen(r.f.db(), heute, {});
        QCOMPARE(l.impfungen.size(), faellig ? 1 : 0);
        QCOMPARE(l.wurmkuren.size(), faellig ? 1 : 0);
        if (faellig) {
            QCOMPARE(l.impfungen[0].naechste, naechste);
            QCOMPARE(l.impfungen[0].katze, QStringLiteral("Amara"));
            QCOMPARE(l.wurmkuren[0].naechste, naechste);
        }
    }

    void expiredMedicines()
    {
        Register r;
        const QDate heute(2024, 2, 29);
        for (const auto &[name, verfall] : QList<QPair<QString, QDate>>{{"heute", heute},
                                                                        {"morgen", heute.addDays(1)},
                                                                        {"ohne Datum", QDate()},
                                                                        {"lange her", QDate(1999, 5, 1)},
                                                                        {"gestern", heute.addDays(-1)}})
            r.f.add("APOTHEKE.DB", {{"Medikament", name}, {"Verfallsdatum", verfall}});
        // by expiry date; an empty expiry date is never expired
        QCOMPARE(warnungenPruefen(r.f.db(), heute, {}).medikamente,
                 QStringList({"lange her", "gestern", "heute"}));
        QVERIFY(warnungenPruefen(r.f.db(), heute, {false, true, true}).medikamente.isEmpty());
    }

    // the lists in the order medicines, vaccinations, dewormings; a check switched off finds none;
    // a cat that does not exist leaves the name empty
    void listsInOrder()
    {
        Register r;
        const QDate heute(2026, 12, 31);
        r.f.add("APOTHEKE.DB", {{"Medikament", "Alt"}, {"Verfallsdatum", heute}});
        r.termin(heute, 4711);
        const WarnungsListen alle = warnungenPruefen(r.f.db(), heute, {});
        QCOMPARE(alle.wurmkuren.value(0).katze, QString());
        QCOMPARE(naechsteWarnungsListe(alle), WarnungsListe::Medikamente);
        QCOMPARE(naechsteWarnungsListe(alle, WarnungsListe::Medikamente), WarnungsListe::Impfungen);
        QCOMPARE(naechsteWarnungsListe(alle, WarnungsListe::Impfungen), WarnungsListe::Wurmkuren);
        QCOMPARE(naechsteWarnungsListe(alle, WarnungsListe::Wurmkuren), WarnungsListe::Keine);
        const WarnungsListen ohneImpfung = warnungenPruefen(r.f.db(), heute, {true, false, true});
        QVERIFY(ohneImpfung.impfungen.isEmpty());
        QCOMPARE(naechsteWarnungsListe(ohneImpfung, WarnungsListe::Medikamente), WarnungsListe::Wurmkuren);
        QCOMPARE(naechsteWarnungsListe(warnungenPruefen(r.f.db(), heute, {false, false, false})),
                 WarnungsListe::Keine);
    }

    // a table that cannot be read is named; the other checks still run
    void unreadableTable()
    {
        Register r(false);
        r.termin(QDate(2026, 5, 5));
        const WarnungsListen l = warnungenPruefen(r.f.db(), QDate(2026, 5, 5), {});
        QCOMPARE(l.nichtGeoeffnet, QStringList{"APOTHEKE.DB"});
        QCOMPARE(l.impfungen.size(), 1);
        QCOMPARE(l.wurmkuren.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TstWarnung)
#include "tst_warnung.moc"
