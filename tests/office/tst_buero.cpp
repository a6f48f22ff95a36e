// The office lists' rules without a window: declarations against the tables, the links handed to
// the desktop, expired medicines, the first coming show and sort indexes created when missing.
#include "app/MenuDefs.h"
#include "app/Weblinks.h"
#include "maintenance/Indexerstellung.h"
#include "office/Apotheke.h"
#include "office/Bueroliste.h"
#include "office/Zwingerregister.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Table.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tav::office;
using tav::store::Database;
using tav::store::Table;

class TstBuero : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<Database> db;

    void zeilen(const QString &tabelle, const QString &feld, const QVector<QVariantList> &werte,
                const QStringList &weitere = {})
    {
        Table t(db.get(), tabelle);
        t.open();
        for (const QVariantList &w : werte) {
            t.append();
            t.setValue(feld, w.value(0));
            for (int i = 0; i < weitere.size(); ++i)
                t.setValue(weitere[i], w.value(i + 1));
            t.post();
        }
    }
    static QStringList spalte(Table &t, const QString &feld)
    {
        QStringList out;
        for (t.first(); !t.eof(); t.next())
            out << t.text(feld);
        return out;
    }

  private Q_SLOTS:
    void init()
    {
        db = std::make_unique<Database>(dir.path());
        for (const char *t : {"VEREINE.DB", "AUSSTELT.DB", "APOTHEKE.DB"}) {
            if (db->tableExists(t))
                db->dropTable(t);
            db->createTable(QString::fromLatin1(t));
        }
    }
    void cleanup() { db.reset(); }

    void declarationsFitTheirTablesAndMenu()
    {
        for (const Bueroliste *l : {&vereinsliste(), &ausstellungsliste(), &apothekenliste(),
                                    &zwingerregisterListe(false), &zwingerregisterListe(true)}) {
            const tav::store::TableDef *t = tav::store::findTableDef(l->tabelle);
            QVERIFY(t);
            QVERIFY2(t->index(l->index), qPrintable(l->index));
            for (const BueroFeld &f : l->felder)
                QVERIFY2(t->field(f.name) && f.tag > 0, qPrintable(l->fenster + " " + f.name));
            for (const BueroSpalte &s : l->spalten)
                QVERIFY2(t->field(s.feld) && s.tag > 0, qPrintable(s.feld));
            QVERIFY(t->field(l->fokusFeld));
            for (const Sortierkriterium &k : l->sortierung)
                QVERIFY2(t->index(k.index), qPrintable(k.index));
            // the window opens in the order of the first criterion
            QVERIFY(l->sortierung.isEmpty() || l->sortierung.first().index == l->index);
            bool imMenue = false;
            for (const tav::app::MenuItemDef &m : tav::app::menuItems())
                imMenue = imMenue ||
                          (m.window && l->fenster == QLatin1String(m.window) && m.helpContext == l->hilfe);
            QVERIFY2(imMenue, qPrintable(l->fenster));
        }
        QCOMPARE(sortIndex(apothekenliste(), 1), QString("Medikament"));
        QVERIFY(sortIndex(apothekenliste(), 3).isEmpty());
        QVERIFY(sortIndex(vereinsliste(), 0).isEmpty());
    }

    void links_data()
    {
        QTest::addColumn<bool>("mail");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("url"); // empty: nothing is opened
        QTest::newRow("home page without scheme") << false << " www.katzenverein.de "
                                                  << "http://www.katzenverein.de";
        QTest::newRow("https kept") << false << "https://verein.nl/show?jaar=2026"
                                    << "https://verein.nl/show?jaar=2026";
        QTest::newRow("local file refused") << false << "file:///etc/passwd"
                                            << "";
        QTest::newRow("script refused") << false << "javascript:alert(1)"
                                        << "";
        QTest::newRow("empty home page") << false << "  "
                                         << "";
        QTest::newRow("mail") << true << "info@katzenverein.de"
                              << "mailto:info@katzenverein.de";
        QTest::newRow("no headers smuggled in") << true << "a@b.de?attach=/etc/passwd&x=1"
                                                << "mailto:a@b.de%3Fattach%3D%2Fetc%2Fpasswd%26x%3D1";
        QTest::newRow("several addresses") << true << "a@b.de; c d@e.de"
                                           << "mailto:a@b.de,c%20d@e.de";
        QTest::newRow("no address") << true << " ; "
                                    << "";
    }
    void links()
    {
        QFETCH(bool, mail);
        QFETCH(QString, text);
        QFETCH(QString, url);
        const QUrl u = mail ? tav::app::mailLink({text}) : tav::app::webLink(text);
        QCOMPARE(u.isValid(), !url.isEmpty());
        if (u.isValid())
            QCOMPARE(QString::fromLatin1(u.toEncoded()), url);
    }

    void expiredMedicines()
    {
        const QDate heute(2026, 3, 1);
        QVERIFY(!abgelaufen(QDate(), heute));
        QVERIFY(abgelaufen(heute, heute));
        QVERIFY(abgelaufen(QDate(2025, 12, 31), heute));
        QVERIFY(!abgelaufen(heute.addDays(1), heute));

        // the range leaves the undated medicine out; its missing index is made on the way
        db->dropIndex("APOTHEKE.DB", "VerfallsdatumIdx");
        zeilen("APOTHEKE.DB", "Medikament",
               {{"ohne Datum", QVariant()},
                {"morgen", heute.addDays(1)},
                {"heute", heute},
                {"alt", QDate(2024, 2, 29)}},
               {"Verfallsdatum"});
        Table t(db.get(), "APOTHEKE.DB");
        t.open();
        abgelaufeneEingrenzen(t, heute);
        QCOMPARE(spalte(t, "Medikament"), QStringList({"alt", "heute"}));
    }

    void firstComingShow()
    {
        Table t(db.get(), "AUSSTELT.DB");
        t.setIndexName("DatumIdx");
        t.open();
        QVERIFY(!ersteKommendeAusstellung(t, QDate(2026, 4, 10)));
        t.close();
        zeilen("AUSSTELT.DB", "Ort",
               {{"Gent", QDate(2026, 6, 1)}, {"ohne", QVariant()}, {"Bonn", QDate(2026, 3, 1)}}, {"Datum"});
        t.open();
        QVERIFY(ersteKommendeAusstellung(t, QDate(2026, 4, 10)));
        QCOMPARE(t.text("Ort"), QString("Gent"));
        QVERIFY(ersteKommendeAusstellung(t, QDate(2026, 3, 1))); // a show of today still comes
        QCOMPARE(t.text("Ort"), QString("Bonn"));
        QVERIFY(ersteKommendeAusstellung(t, QDate(2026, 6, 2))); // all past: the last one
        QCOMPARE(t.text("Ort"), QString("Gent"));
    }

    void missingSortIndexIsCreated()
    {
        db->dropIndex("AUSSTELT.DB", "OrtDatum");
        zeilen("AUSSTELT.DB", "Ort",
               {{"Zwolle", QDate(2026, 1, 5)}, {"Aachen", QDate(2026, 2, 5)}, {"Münster", QDate(2026, 3, 5)}},
               {"Datum"});
        Table t(db.get(), "AUSSTELT.DB");
        t.setIndexName("DatumIdx");
        t.open();
        QVERIFY(t.locate("Ort", "Münster"));
        QVERIFY(tav::maintenance::indexWaehlen(t, "OrtDatum"));
        QCOMPARE(t.indexName(), QString("OrtDatum"));
        QCOMPARE(t.text("Ort"), QString("Münster")); // stays on its record
        QCOMPARE(spalte(t, "Ort"), QStringList({"Aachen", "Münster", "Zwolle"}));
        QVERIFY(!tav::maintenance::indexWaehlen(t, "DatumIdx"));
        QCOMPARE(spalte(t, "Ort"), QStringList({"Zwolle", "Aachen", "Münster"}));
        // a name nobody declared is an error of the caller, and the order stays
        try {
            tav::maintenance::indexWaehlen(t, "Unsinn");
            QFAIL("no error");
        } catch (const tav::store::EngineError &e) {
            QCOMPARE(e.code(), tav::store::code::UnknownIndex);
        }
        QCOMPARE(t.indexName(), QString("DatumIdx"));
        QVERIFY(t.isOpen());
    }
};

QTEST_GUILESS_MAIN(TstBuero)
#include "tst_buero.moc"
