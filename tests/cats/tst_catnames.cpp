#include "CatsFixture.h"
#include "cats/CatNames.h"

#include <QtTest>

using namespace tav::cats;

class TstCatNames : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void leavingTheNameField_data()
    {
        QTest::addColumn<bool>("undo");
        QTest::addColumn<bool>("neu");
        QTest::addColumn<bool>("suche");
        QTest::addColumn<bool>("ausStb");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("zwinger");
        QTest::addColumn<QString>("schritte"); // d duplicate check, s search, z cattery
        QTest::newRow("focus on undo") << true << true << true << false << "Felix"
                                       << ""
                                       << "";
        QTest::newRow("new cat") << false << true << true << false << "Felix vom Haus"
                                 << ""
                                 << "dz";
        QTest::newRow("new cat, check off") << false << true << false << false << "Felix vom Haus"
                                            << ""
                                            << "z";
        QTest::newRow("existing cat") << false << false << true << false << "Felix vom Haus"
                                      << ""
                                      << "z";
        QTest::newRow("cattery kept") << false << true << true << false << "Felix vom Haus"
                                      << "Alt"
                                      << "d";
        QTest::newRow("blank cattery is empty") << false << false << true << false << "Felix vom Haus"
                                                << " "
                                                << "z";
        QTest::newRow("pedigree entry with %") << false << true << true << true << "Fel%"
                                               << ""
                                               << "ds";
        QTest::newRow("pedigree entry") << false << true << true << true << "Felix vom Haus"
                                        << ""
                                        << "dz";
        QTest::newRow("% outside pedigree entry") << false << true << false << false << "100% Kater"
                                                  << ""
                                                  << "z";
    }
    void leavingTheNameField()
    {
        QFETCH(bool, undo);
        QFETCH(bool, neu);
        QFETCH(bool, suche);
        QFETCH(bool, ausStb);
        QFETCH(QString, name);
        QFETCH(QString, zwinger);
        QFETCH(QString, schritte);
        const NameVerlassen n = nameVerlassen(undo, neu, suche, ausStb, name, zwinger);
        QString got;
        if (n.duplikatPruefen)
            got += 'd';
        if (n.katzenSuche)
            got += 's';
        if (n.zwingerAbleiten)
            got += 'z';
        QCOMPARE(got, schritte);
    }

    void catteryFromName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("zusatz");
        QTest::addColumn<QString>("zwinger"); // empty: nothing derived
        QTest::addColumn<int>("marke");       // 1-based order in the marker table

        QTest::newRow("vom, particle dropped") << "Felix vom Katzenhaus" << false << "Katzenhaus" << 12;
        QTest::newRow("vom, particle kept as typed")
            << "Felix vom Katzenhaus" << true << "vom Katzenhaus" << 12;
        QTest::newRow("VOM upper-case") << "Felix VOM Katzenhaus" << true << "VOM Katzenhaus" << 12;
        QTest::newRow("van den before van and de") << "Felix van den Berg" << false << "Berg" << 13;
        QTest::newRow("van den kept") << "Felix van den Berg" << true << "van den Berg" << 13;
        QTest::newRow("apostrophe: part before") << "Katzenhaus's Felix" << false << "Katzenhaus" << 7;
        QTest::newRow("apostrophe ignores setting") << "Katzenhaus's Felix" << true << "Katzenhaus" << 7;
        QTest::newRow("first space: part before") << "Katzenhaus Felix" << false << "Katzenhaus" << 43;
        QTest::newRow("table order beats position") << "Felix vom Haus of Glory" << false << "Glory" << 11;
        QTest::newRow("table order beats position, kept")
            << "Felix vom Haus of Glory" << true << "of Glory" << 11;
        QTest::newRow("v.d. before dot") << "Tom v.d. Linde" << false << "Linde" << 1;
        QTest::newRow("through A: up to the A") << "Chat a Noir" << false << "Chat a" << 8;
        QTest::newRow("through dot") << "St.Felix" << false << "St." << 9;
        QTest::newRow("through dot, setting irrelevant") << "St.Felix" << true << "St." << 9;
        QTest::newRow("through backtick") << "Mon`Chat Noir" << false << "Mon`" << 10;
        QTest::newRow("o' particle") << "Felix o' Malley" << false << "Malley" << 4;
        QTest::newRow("umlauts kept") << "Mücke von Bärenfels" << false << "Bärenfels" << 16;
        QTest::newRow("sharp s keeps positions") << "Straßenkatze vom Haus" << false << "Haus" << 12;
        QTest::newRow("sharp s keeps positions, kept")
            << "Großkatze aus den Öfen" << true << "aus den Öfen" << 23;
        QTest::newRow("one word") << "Felix" << false << "" << -1;
        QTest::newRow("blank at the end is no word gap") << "Felix " << false << "" << -1;
        QTest::newRow("blank in front is no word gap") << " Felix" << false << "" << -1;
        QTest::newRow("single space (reset name)") << " " << false << "" << -1;
        QTest::newRow("runs of blanks") << "  Felix   vom  Haus " << false << "Haus" << 12;
        QTest::newRow("apostrophe first: nothing in front") << "'Felix Haus" << false << "" << -1;
        QTest::newRow("van't") << "Poes van't Hof" << false << "Hof" << 5;
        QTest::newRow("a la") << "Minou a la Maison" << true << "a la Maison" << 6;
    }
    void catteryFromName()
    {
        QFETCH(QString, name);
        QFETCH(bool, zusatz);
        QFETCH(QString, zwinger);
        QFETCH(int, marke);
        const auto r = zwingerAusName(name, zusatz);
        if (zwinger.isEmpty()) {
            QVERIFY2(!r, qPrintable(r ? r->zwinger : QString()));
            return;
        }
        QVERIFY(r);
        QCOMPARE(r->zwinger, zwinger);
        QCOMPARE(r->marke + 1, marke);
    }

    // Every particle that cuts behind itself, with both settings: "Tom <particle> Haus".
    void everyParticleMarker()
    {
        const auto &marken = zwingerMarken();
        QCOMPARE(marken.size(), 43);
        int hinter = 0;
        for (int i = 0; i < marken.size(); ++i) {
            if (marken[i].schnitt != Schnitt::Hinter)
                continue;
            ++hinter;
            const QString teilchen = marken[i].text.trimmed().toLower();
            const QString name = QStringLiteral("Tom ") + teilchen + QStringLiteral(" Haus");
            const auto aus = zwingerAusName(name, false);
            const auto an = zwingerAusName(name, true);
            QVERIFY2(aus && an, qPrintable(name));
            QCOMPARE(aus->marke, i);
            QCOMPARE(aus->zwinger, QStringLiteral("Haus"));
            QCOMPARE(an->zwinger, teilchen + QStringLiteral(" Haus"));
        }
        QCOMPARE(hinter, 38);
    }

    void normalisedNames_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("unchanged") << "Felix vom Haus"
                                   << "Felix vom Haus";
        QTest::newRow("ends") << "  Felix "
                              << "Felix";
        QTest::newRow("inner runs and tabs") << "Felix \t vom\nHaus"
                                             << "Felix vom Haus";
        QTest::newRow("blank only") << " "
                                    << "";
        QTest::newRow("apostrophe and umlaut kept") << "Öland's  Stern"
                                                    << "Öland's Stern";
    }
    void normalisedNames()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(normalizedName(in), out);
    }

    void duplicateNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("ausser");
        QTest::addColumn<QStringList>("found"); // Zwinger of the found cats, in Nameidx order

        QTest::newRow("other case finds both") << "felix vom haus" << 0 << QStringList{"B", "A"};
        QTest::newRow("blanks around") << "  FELIX   vom HAUS " << 0 << QStringList{"B", "A"};
        QTest::newRow("own record left out") << "Felix vom Haus" << 2 << QStringList{"A"};
        QTest::newRow("umlaut in other case") << "MÜCKE" << 0 << QStringList{"M"};
        QTest::newRow("apostrophe and quote") << "o\"neil's pride" << 0 << QStringList{"Q"};
        QTest::newRow("prefix is no duplicate") << "Feli" << 0 << QStringList{};
        QTest::newRow("whole name only") << "felix" << 0 << QStringList{"F"};
        QTest::newRow("wildcards are letters") << "Felix*" << 0 << QStringList{};
        QTest::newRow("percent is a letter") << "Fel%" << 0 << QStringList{};
        QTest::newRow("empty name") << " " << 0 << QStringList{};
    }
    void duplicateNames()
    {
        QFETCH(QString, typed);
        QFETCH(int, ausser);
        QFETCH(QStringList, found);
        CatsFixture f;
        f.cat("Felix vom Haus", "1", {{"Zwinger", "A"}, {"GebDatum", QDate(2021, 1, 1)}});
        f.cat("FELIX VOM HAUS", "2", {{"Zwinger", "B"}, {"GebDatum", QDate(2020, 1, 1)}});
        f.cat("Mücke", "2", {{"Zwinger", "M"}});
        f.cat("O\"Neil's Pride", "1", {{"Zwinger", "Q"}});
        f.cat("Felix", "1", {{"Zwinger", "F"}});
        QStringList got;
        for (const GefundeneKatze &k : katzenMitNamen(f.db(), typed, ausser))
            got << k.Zwinger;
        QCOMPARE(got, found);
    }

    void foundCatForPedigreeGap_data()
    {
        QTest::addColumn<QString>("sex");
        QTest::addColumn<int>("nr");
        QTest::addColumn<QString>("vm");
        QTest::addColumn<int>("meldung");
        QTest::newRow("tom for father") << "1" << 7 << "V" << 0;
        QTest::newRow("neutered tom for father") << "3" << 7 << "V" << 0;
        QTest::newRow("queen for father") << "2" << 7 << "V" << 218;
        QTest::newRow("spayed queen for mother") << "4" << 7 << "M" << 0;
        QTest::newRow("tom for mother") << "1" << 7 << "M" << 218;
        QTest::newRow("no sex for mother") << "" << 7 << "M" << 218;
        QTest::newRow("the cat itself") << "1" << 5 << "V" << 225;
        QTest::newRow("wrong sex is told first") << "2" << 5 << "V" << 218;
    }
    void foundCatForPedigreeGap()
    {
        QFETCH(QString, sex);
        QFETCH(int, nr);
        QFETCH(QString, vm);
        QFETCH(int, meldung);
        GefundeneKatze k;
        k.LaufendeNummer = nr;
        k.Geschlecht = sex;
        QCOMPARE(ahnenlueckePruefen(k, vm.at(0), 5), meldung);
    }

    void breederOfCattery_data()
    {
        QTest::addColumn<QString>("zwinger");
        QTest::addColumn<QString>("breeder"); // Name of the address found, empty for none
        QTest::newRow("exact") << "Katzenhaus"
                               << "Albers";
        QTest::newRow("case ignored, first in AdrZwing order") << "KATZENHAUS"
                                                               << "Albers";
        QTest::newRow("umlaut in other case") << "bärenfels"
                                              << "Özdemir";
        QTest::newRow("blanks around") << " Bärenfels "
                                       << "Özdemir";
        QTest::newRow("prefix is no match") << "Katzen"
                                            << "";
        QTest::newRow("quote in cattery") << "O'Hara \"Cats\""
                                          << "Quinn";
        QTest::newRow("empty cattery links nothing") << ""
                                                     << "";
    }
    void breederOfCattery()
    {
        QFETCH(QString, zwinger);
        QFETCH(QString, breeder);
        CatsFixture f;
        QHash<int, QString> names;
        for (const auto &[name, zw] : QVector<QPair<QString, QString>>{{"Zander", "Katzenhaus"},
                                                                       {"Albers", "Katzenhaus"},
                                                                       {"Özdemir", "Bärenfels"},
                                                                       {"Leer", ""},
                                                                       {"Quinn", "O'Hara \"Cats\""}}) {
            QVariantMap v{{"Name", name}};
            if (!zw.isEmpty())
                v.insert("Zwinger", zw);
            names.insert(f.add("ADR_DAT.DB", v), name);
        }
        const auto nr = zuechterZumZwinger(f.db(), zwinger);
        QCOMPARE(nr ? names.value(*nr) : QString(), breeder);
    }
};

QTEST_GUILESS_MAIN(TstCatNames)
#include "tst_catnames.moc"
