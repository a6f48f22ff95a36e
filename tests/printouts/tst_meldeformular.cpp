// The show entry forms' rules: the classes on each registry's lines, the CFA date and colour class,
// what the forms take from the register, and the registry texts file.
#include "../cats/CatsFixture.h"
#include "printouts/KatzenDruck.h"
#include "printouts/Meldeformular.h"
#include "printouts/ReportMelde.h"
#include "report/ReportJob.h"

#include <QTemporaryFile>
#include <QtTest>

using namespace tav::printouts;

class TstMeldeformular : public QObject
{
    Q_OBJECT

    static QString wort(int tag)
    {
        // the English captions of the sex words
        const QHash<int, QString> en = {
            {9071, "male"}, {9072, "female"}, {9073, "Kastrat male"}, {9074, "Kastrat female"}};
        return en.value(tag);
    }

  private Q_SLOTS:
    void klassenzeilen_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("fife");
        QTest::addColumn<QString>("dru");
        QTest::newRow("SUC") << "SUC"
                             << "1 SUPREME CHAMPION"
                             << "1 SUC";
        QTest::newRow("SUP") << "SUP"
                             << "2 SUPREME PREMIOR"
                             << "8 SUP";
        QTest::newRow("CAGCIB") << "Int. Ch. Klasse (CAGCIB)"
                                << "5"
                                << "4 CAGCI";
        QTest::newRow("kitten") << "Kittenklasse (3-6 Mon.)"
                                << "12"
                                << "7 3-9 Monate";
        QTest::newRow("novice") << "Novizenklasse (ab 10 Mon.)"
                                << "13 a"
                                << "Novizen Klasse";
        QTest::newRow("FIFE only") << "Veteranenklasse (ab 7. J )"
                                   << "17"
                                   << "";
        QTest::newRow("D.R.U. only") << "Euro.Pr. Klasse (CAGPE)"
                                     << ""
                                     << "9 CAGPE";
        QTest::newRow("neither") << "Weltpremior"
                                 << ""
                                 << "";
    }
    void klassenzeilen()
    {
        QFETCH(QString, box);
        const QVector<MeldeKlasse> &k = meldeKlassen();
        QCOMPARE(k.size(), 27);
        const auto it = std::find_if(k.begin(), k.end(), [&](const MeldeKlasse &x) { return x.box == box; });
        QVERIFY(it != k.end());
        QTEST(it->fife, "fife");
        QTEST(it->dru, "dru");
    }

    // each registry's form lists its classes once, in the order of its line numbers
    void formularReihenfolge()
    {
        const auto zeilen = [](Verband v) {
            QStringList z;
            for (int i : klassenDesFormulars(v))
                z << (v == Verband::FIFE ? meldeKlassen()[i].fife : meldeKlassen()[i].dru).section(' ', 0, 0);
            return z.join(',');
        };
        QCOMPARE(zeilen(Verband::FIFE), QString("1,2,3,4,5,6,7,8,9,10,11,12,13,13,13,14,15,16,17,18"));
        QCOMPARE(zeilen(Verband::DRU),
                 QString::fromUtf8("1,2,3,4,5,6,7,8,9,10,11,12,13,Novizen,Hauskatzen,Außer"));
        QCOMPARE(klassenDesFormulars(Verband::Allgemein).size(), 27);
    }

    void texteDerFelder()
    {
        QCOMPARE(geschlechtWort("4", wort), QString("Kastrat female"));
        QCOMPARE(geschlechtWort("1", wort), QString("male"));
        QCOMPARE(geschlechtWort("", wort), QString());
        QCOMPARE(geschlechtWort("7", wort), QString());
        QCOMPARE(mitTitel("GIC/IC", "Amira"), QString("GIC/IC Amira"));
        QCOMPARE(mitTitel("", "Amira"), QString("Amira"));
        // the CFA date does not follow the locale
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(cfaDatum(QDate(2014, 3, 5)), QString("03/05/2014"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(cfaDatum(QDate(812, 12, 25)), QString("12/25/0812"));
        QCOMPARE(cfaDatum(QDate()), QString());
    }

    void ausDemRegister()
    {
        CatsFixture f;
        f.db().createTable("ZUSATZ.DB");
        f.add("EIGEN.DB", {{"Name", "Berger"}, {"Vorname", "Anna"}, {"Plz", "22301"}, {"Ort", "Hamburg"}});
        f.add("ZUSATZ.DB", {{"Verein", "Katzenfreunde Nord"}, {"Mitgliedsnummer", "4711"}});
        const int rasse =
            f.add("RASSE.DB",
                  {{"RName", "Britisch Kurzhaar"}, {"RNameEng", "British Shorthair"}, {"RKurzname", "BRI"}});
        f.add("FARBE.DB", {{"Farbname", "Blau"}, {"Farbnummer", "a"}});
        f.add("FARBE.DB", {{"Farbname", "blau"}, {"Farbnummer", "X"}});
        const int zuechter = f.add("ADR_DAT.DB", {{"Name", "Weber"}, {"Vorname", "Lukas"}, {"Ort", "Köln"}});
        const int ch = f.add("TITELBEZ.DB", {{"Sortierung", 1}, {"Titel", "Champion"}, {"Kuerzel", "CH"}});
        const int vater = f.cat("Bruno", "1", {{"FellFarbe", "blau"}});
        const int mutter = f.cat("Mia", "2", {{"FellFarbe", "creme"}});
        const int katze = f.cat("Amira", "4",
                                {{"Vater", vater},
                                 {"Mutter", mutter},
                                 {"Rasse", rasse},
                                 {"FellFarbe", "Blau"},
                                 {"GebDatum", QDate(2014, 3, 5)},
                                 {"Züchter", zuechter}});
        const int ohne = f.cat("Nala", "2", {{"FellFarbe", "schildpatt"}});
        for (int k : {katze, vater})
            f.add("TITELHUND.DB", {{"Hund", k}, {"Titel", ch}});

        const Meldung m = meldungLesen(f.db(), katze, 1, wort, QDate(2026, 12, 9));
        QCOMPARE(m.aussteller, QString("Berger, Anna"));
        QCOMPARE(m.plzOrt(), QString("22301 Hamburg"));
        QCOMPARE(m.mitgliedBei, QString("Katzenfreunde Nord"));
        QCOMPARE(m.name, QString("CH Amira"));
        QCOMPARE(m.nameOhneTitel, QString("Amira"));
        QCOMPARE(m.geschlecht, QString("Kastrat female"));
        QCOMPARE(m.rasse, QString("British Shorthair"));
        QCOMPARE(m.cfaGebDatum, QString("03/05/2014"));
        QCOMPARE(m.gebDatum, QString("05.03.2014"));
        // the colour class is that of the very same colour name
        QCOMPARE(m.farbklasse, QString("a"));
        QCOMPARE(m.ems, QString("BRI a"));
        QCOMPARE(m.vater, QString("CH Bruno"));
        QCOMPARE(m.mutter, QString("Mia"));
        QCOMPARE(m.zuechter, QString("Weber, Lukas"));
        QCOMPARE(m.ausgestellt, QString("09.12.2026"));

        // an unknown colour leaves the class blank
        const Meldung n = meldungLesen(f.db(), ohne, 0, wort);
        QCOMPARE(n.name, QString("Nala"));
        QCOMPARE(n.farbklasse, QString());
        QCOMPARE(n.ems, QString());
        QCOMPARE(n.vater, QString());
        // an unknown cat still gives the exhibitor
        const Meldung leer = meldungLesen(f.db(), 9999, 0, wort);
        QCOMPARE(leer.name, QString());
        QCOMPARE(leer.aussteller, QString("Berger, Anna"));
    }

    // the registry texts: one line per row, Dutch and French fall back to English; every form
    // prints them in its languages
    void formularTexte()
    {
        QTemporaryFile datei;
        QVERIFY(datei.open());
        datei.write("Schluessel\tde\ten\tnl\tfr\n# comment\n"
                    "melde.erklaerung\tIch versichere.\tI declare.\t\t\n"
                    "fife.erklaerung\tRegeln.\tRules.\tRegels.\tRègles.\n");
        datei.close();
        FormularTexte t;
        QVERIFY(t.lesen(datei.fileName()));
        QCOMPARE(t.zeilen("melde.erklaerung", "nl"), QStringList{"I declare."});
        QCOMPARE(t.zeilen("fife.erklaerung", "fr"), QStringList{QString::fromUtf8("Règles.")});
        QVERIFY(!FormularTexte().lesen("/nonexistent/Meldeformulare.tsv"));

        Meldung m;
        m.name = "CH Amira";
        m.klassen[0] = true;
        const auto seite = [&](Meldeform form, int sprache) {
            tav::report::ReportJob job = reportMeldeformular(form, m, t, sprache);
            return job.layout(tav::report::FixedMeasure()).pages;
        };
        for (Meldeform form : {Meldeform::Allgemein, Meldeform::FIFE, Meldeform::DRU, Meldeform::CFA})
            QCOMPARE(seite(form, 0).size(), 1);
        QVERIFY(seite(Meldeform::Allgemein, 2).first().texts().contains("I declare."));
        QVERIFY(seite(Meldeform::FIFE, 0).first().texts().contains(QString::fromUtf8("Règles.")));
        QVERIFY(seite(Meldeform::Allgemein, 0).first().texts().contains("CH Amira"));
    }
};

QTEST_GUILESS_MAIN(TstMeldeformular)
#include "tst_meldeformular.moc"
