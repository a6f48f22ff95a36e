#include "../common/TableRows.h"
#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/InzuchtFormat.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::store;
using tav::app::TDatenGlobal;

namespace {
const QList<int> alleAngaben = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};

template <size_t N> std::array<int, N> tokens(const QList<int> &liste)
{
    std::array<int, N> a{};
    for (int i = 0; i < liste.size() && i < int(N); ++i)
        a[size_t(i)] = liste[i];
    return a;
}

void leereDatei(const QString &pfad)
{
    QFile f(pfad);
    f.open(QIODevice::WriteOnly);
}
} // namespace

class TstGlobal : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<TDatenGlobal> m_g;
    tav::app::tsysteminfo m_s;
    QHash<QString, int> m_nr;
    QString m_bildA, m_bildB;
    QStringList m_fehler;

    QString daten() const { return m_home.path() + QStringLiteral("/Daten"); }

    void register_()
    {
        Database &db = *m_db;
        m_nr["anna"] = neu(db, "ADR_DAT.DB", {{"Name", "Müller"}, {"Vorname", "Anna"}}, "LaufendeNr");
        m_nr["meier"] = neu(db, "ADR_DAT.DB", {{"Name", "Meier"}}, "LaufendeNr");
        m_nr["smith"] = neu(db, "ADR_DAT.DB", {{"Name", "Smith & <Co>"}}, "LaufendeNr");
        neu(db, "EIGEN.DB", {{"Name", "Berger"}, {"Vorname", "Eva"}});
        m_nr["testrasse"] = neu(db, "RASSE.DB", {{"RName", "Testrasse"}}, "RCode");
        // the same colour name in several breed lists; the note decides
        neu(db, "FARBE.DB", {{"Farbnummer", "q"}, {"Farbname", "blue"}});
        neu(db, "FARBE.DB", {{"Farbnummer", "zz"}, {"Farbname", "blue"}, {"Rasseinfo", "XYZ"}});
        neu(db, "FARBE.DB", {{"Farbnummer", "a"}, {"Farbname", "blue"}, {"Rasseinfo", "BRI"}});
        const int tm =
            neu(db, "MERKMALE.DB", {{"Bezeichnung", "Testmerkmal"}, {"farbe", 255}, {"Kuerzel", "TM"}},
                "LaufendeNummer");
        const int stb =
            neu(db, "MERKMALE.DB", {{"Bezeichnung", "Stammbaum"}, {"farbe", 0}, {"Kuerzel", "Stb"}},
                "LaufendeNummer");
        const int ohne = neu(db, "MERKMALE.DB", {{"Bezeichnung", "Ohne"}, {"farbe", 0}}, "LaufendeNummer");
        const int ohneTitel =
            neu(db, "TITELBEZ.DB", {{"Titel", "Ohne Kürzel"}, {"Sortierung", 999}}, "LaufendeNummer");

        m_bildA = m_home.path() + "/a.jpg";
        m_bildB = m_home.path() + "/b.jpg";
        leereDatei(m_bildA);
        leereDatei(m_bildB);
        const QString fehlt = m_home.path() + "/fehlt.jpg";

        const int anton = m_nr["anton"] = neu(db, "CATSTAMM.DB",
                                              {{"Name", "Anton vom Test"},
                                               {"Geschlecht", "1"},
                                               {"GebDatum", QDate(2020, 3, 10)},
                                               {"Toddatum", QDate(2023, 1, 5)},
                                               {"Rasse", 9}, // Britisch Kurzhaar, BRI
                                               {"FellFarbe", "(BRI) blue"},
                                               {"Augenfarbe", "blau"},
                                               {"Zuchtbuchnummer1", "ZB-1"},
                                               {"Zuchtbuchnummer2", "ZB-2"},
                                               {"Zuchtbuchnummer3", "ZB-3"},
                                               {"Züchter", m_nr["anna"]},
                                               {"Besitzer", m_nr["meier"]},
                                               {"Status", 2},
                                               {"TitelUSA1", "3"},
                                               {"TitelUSA3", "1"},
                                               {"ChipNr", "276000"},
                                               {"TaetoNr", "T-9"},
                                               {"Tests", "FIV neg"},
                                               {"Blutgruppe", "A"},
                                               {"Fellart", 1},
                                               {"Feld2", 3}},
                                              "LaufendeNummer");
        const int bella = m_nr["bella"] = neu(db, "CATSTAMM.DB",
                                              {{"Name", "Bella"},
                                               {"Geschlecht", "2"},
                                               {"Status", 1},
                                               {"Rasse", m_nr["testrasse"]},
                                               {"FellFarbe", "blau"},
                                               {"Züchter", 999},
                                               {"Besitzer", m_nr["meier"]},
                                               {"TitelGer1", "2"},
                                               {"TitelUSA1", "4"},
                                               {"Feld2", 1}},
                                              "LaufendeNummer");
        const int xaver = m_nr["xaver"] = neu(db, "CATSTAMM.DB",
                                              {{"Name", "Kater <X> & Co"},
                                               {"Geschlecht", "1"},
                                               {"FellFarbe", "red & white"},
                                               {"Tests", "<b>"},
                                               {"Besitzer", m_nr["smith"]}},
                                              "LaufendeNummer");
        m_nr["unbekannt"] = 9999;

        neu(db, "TITELHUND.DB", {{"Hund", anton}, {"Titel", 2}}); // IC
        neu(db, "TITELHUND.DB", {{"Hund", anton}, {"Titel", 3}}); // GIC
        neu(db, "TITELHUND.DB", {{"Hund", xaver}, {"Titel", 1}}); // CH
        neu(db, "TITELHUND.DB", {{"Hund", xaver}, {"Titel", ohneTitel}});
        neu(db, "KATZEMERKMAL.DB", {{"Katze", anton}, {"Merkmal", tm}});
        neu(db, "KATZEMERKMAL.DB", {{"Katze", anton}, {"Merkmal", stb}});
        neu(db, "KATZEMERKMAL.DB", {{"Katze", anton}, {"Merkmal", ohne}});
        neu(db, "BEWERT.DB", {{"Katze", anton}, {"Bewertung", "BIS\r\nNom"}});
        neu(db, "VERKAUFT.DB",
            {{"Katze", anton}, {"Gekauftam", QDate(2020, 6, 1)}, {"Verkauftam", QDate(2021, 7, 2)}});
        neu(db, "BILDER.DB", {{"KatzeNr", anton}, {"Bildpfad", fehlt}});
        neu(db, "BILDER.DB", {{"KatzeNr", anton}, {"Bildpfad", m_bildA}});
        neu(db, "BILDER.DB", {{"KatzeNr", anton}, {"Bildpfad", m_bildB}});
        neu(db, "BILDER.DB", {{"KatzeNr", bella}, {"Bildpfad", fehlt}});
        neu(db, "BILDER.DB", {{"KatzeNr", bella}, {"Bildpfad", m_bildA}});
    }

    // A copy of the data directory for tests that change files.
    QString kopie(const QTemporaryDir &ziel) const
    {
        const QString d = ziel.path() + "/Daten";
        QDir().mkpath(d);
        for (const QString &datei : QDir(daten()).entryList(QDir::Files))
            QFile::copy(daten() + "/" + datei, d + "/" + datei);
        return d;
    }

    std::unique_ptr<TDatenGlobal> modul(Database &db, QStringList &fehler)
    {
        auto g = std::make_unique<TDatenGlobal>(&db);
        g->setEinstellungen(&m_s);
        g->onFehler = [&fehler](const EngineError &, const QString &tabelle) { fehler << tabelle.toUpper(); };
        g->Dateienoeffnen();
        return g;
    }

    QStringList katzendaten(int typ, const QString &katze, int generation = 1, bool changeSprache = false,
                            const QString &zusatz = QString())
    {
        return m_g->Katzendaten(typ, m_nr.value(katze), changeSprache, generation, zusatz).daten;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QProcess cli;
        cli.start(QStringLiteral(TAV_CLI), {"--home", m_home.path(), "init"});
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), 0);
        m_db = std::make_unique<Database>(daten());
        register_();
        QVERIFY(tav::app::sprache().open(m_db.get()));
        m_g = modul(*m_db, m_fehler);
        QCOMPARE(m_fehler, QStringList());
    }

    void init()
    {
        m_s.stammbaumAnzeigeArray = {};
        m_s.StammbaumDruckenArray = {};
        m_s.verpaarungAnzeigeArray = {};
        m_s.TitelRot = true;
        m_g->HTMLAnzahlGenerationen = 4;
        m_g->HTMLFarbeGenerationen = 0;
        tav::app::sprache().setLanguageNumber(0);
    }

    void cleanupTestCase()
    {
        m_g.reset();
        tav::app::sprache().close();
        m_db.reset();
    }

    void alterBerechnen_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QDate>("von");
        QTest::addColumn<QDate>("bis");
        QTest::addColumn<QDate>("tod");
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QString>("erwartet");
        const QDate keins;
        QTest::newRow("Monat und Tage einer Katze")
            << 0 << QDate(2021, 3, 10) << QDate(2021, 4, 20) << keins << 0 << "1 Monat 1 Woche";
        QTest::newRow("41 Tage eines Jungtiers")
            << 4 << QDate(2021, 3, 10) << QDate(2021, 4, 20) << keins << 0 << "5 Wochen 6 Tage";
        QTest::newRow("englische Wörter")
            << 0 << QDate(2021, 3, 10) << QDate(2021, 4, 20) << keins << 1 << "1 month 1 week";
        QTest::newRow("niederländische Wörter")
            << 0 << QDate(2021, 3, 10) << QDate(2021, 4, 20) << keins << 2 << "1 maand 1 week";
        QTest::newRow("englische Mehrzahl")
            << 0 << QDate(2019, 1, 10) << QDate(2021, 4, 30) << keins << 1 << "2 years 3 months";
        QTest::newRow("niederländische Mehrzahl")
            << 4 << QDate(2021, 3, 10) << QDate(2021, 4, 20) << keins << 2 << "5 weken 6 dagen";
        QTest::newRow("ein Tag") << 4 << QDate(2021, 1, 1) << QDate(2021, 1, 2) << keins << 1
                                 << "0 weeks 1 day";
        QTest::newRow("Tod vor dem Enddatum")
            << 0 << QDate(2020, 1, 1) << QDate(2023, 6, 1) << QDate(2021, 3, 15) << 0 << "1 Jahr 2 Monate";
        QTest::newRow("Tod nach dem Enddatum")
            << 0 << QDate(2020, 1, 1) << QDate(2021, 3, 15) << QDate(2023, 6, 1) << 0 << "1 Jahr 2 Monate";
        QTest::newRow("Jahre") << 0 << QDate(2020, 3, 10) << QDate(2022, 4, 20) << keins << 0
                               << "2 Jahre 1 Monat";
        QTest::newRow("über den Jahreswechsel")
            << 0 << QDate(2020, 12, 15) << QDate(2021, 1, 10) << keins << 0 << "3 Wochen 5 Tage";
        QTest::newRow("Februar im Schaltjahr")
            << 0 << QDate(2024, 2, 28) << QDate(2024, 3, 1) << keins << 0 << "0 Wochen 2 Tage";
        QTest::newRow("Februar sonst")
            << 0 << QDate(2023, 2, 28) << QDate(2023, 3, 1) << keins << 0 << "0 Wochen 1 Tag";
        QTest::newRow("Jungtier über 150 Tage")
            << 4 << QDate(2021, 1, 1) << QDate(2021, 7, 15) << keins << 0 << "6 Monate 14 Tage";
        QTest::newRow("Jungtier unter einer Woche")
            << 4 << QDate(2021, 1, 1) << QDate(2021, 1, 5) << keins << 0 << "0 Wochen 4 Tage";
        QTest::newRow("Ende vor dem Beginn")
            << 0 << QDate(2021, 5, 1) << QDate(2021, 4, 1) << keins << 0 << "0 Wochen 0 Tage";
        QTest::newRow("ohne Geburtsdatum") << 0 << keins << QDate(2021, 4, 1) << keins << 0 << "";
        QTest::newRow("ohne Enddatum") << 0 << QDate(2021, 4, 1) << keins << QDate(2021, 5, 1) << 0 << "";
    }
    void alterBerechnen()
    {
        QFETCH(int, art);
        QFETCH(QDate, von);
        QFETCH(QDate, bis);
        QFETCH(QDate, tod);
        QFETCH(int, sprache);
        QFETCH(QString, erwartet);
        tav::app::sprache().setLanguageNumber(sprache);
        QCOMPARE(TDatenGlobal::alterBerechnen(art, tod, bis, von), erwartet);
    }

    // a breed composition whose breeds are all unknown says so in the program's language
    void unbekannteRasse_data()
    {
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("deutsch") << 0 << "Rasse nicht gefunden!";
        QTest::newRow("englisch") << 1 << "Breed not found!";
        QTest::newRow("niederländisch") << 2 << "Ras niet gevonden!";
    }
    void unbekannteRasse()
    {
        QFETCH(int, sprache);
        QFETCH(QString, erwartet);
        tav::app::sprache().setLanguageNumber(sprache);
        const tav::breeding::RasseKurzname keine = [](qint32) { return std::nullopt; };
        QCOMPARE(tav::breeding::anzeigeForm(QStringLiteral("ende"), 77, keine, QLatin1Char(',')), erwartet);
    }

    void getTitel_data()
    {
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QString>("katze");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("zwei Titel") << "xaver"
                                    << "anton"
                                    << "IC/GIC";
        QTest::newRow("Titel ohne Kürzel übergangen") << "anton"
                                                      << "xaver"
                                                      << "CH";
        QTest::newRow("ohne Titel") << "anton"
                                    << "bella"
                                    << "";
        QTest::newRow("unbekannte Katze") << "anton"
                                          << "unbekannt"
                                          << "";
    }
    void getTitel()
    {
        QFETCH(QString, vorher);
        QFETCH(QString, katze);
        QFETCH(QString, erwartet);
        m_g->GetTitel(m_nr[vorher]);
        QCOMPARE(m_g->GetTitel(m_nr[katze]), erwartet);
    }

    void katzendaten_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("katze");
        QTest::addColumn<QList<int>>("angaben");
        QTest::addColumn<int>("generation");
        QTest::addColumn<int>("sprache");
        QTest::addColumn<bool>("changeSprache");
        QTest::addColumn<int>("htmlGenerationen");
        QTest::addColumn<QStringList>("erwartet");
        const QString rot = R"(<font color="#FF0000"> <strong>)";
        const QString schwarz = R"(<font color="#000000"><strong>)";

        QTest::newRow("Bildschirm, alle Angaben") << 3 << "anton" << alleAngaben << 1 << 0 << false << 4
                                                  << QStringList{"IC/GIC Anton vom Test {N}",
                                                                 "(BRI) blue",
                                                                 "Augen:blau",
                                                                 "ZB-1",
                                                                 "ZB-2",
                                                                 "ZB-3",
                                                                 "geb.: 10.03.2020",
                                                                 "Züchter:Anna Müller",
                                                                 "Besitzer:Meier",
                                                                 "Britisch Kurzhaar",
                                                                 "BRI",
                                                                 "BIS\r\nNom",
                                                                 "BRI a",
                                                                 "Blutgruppe:A",
                                                                 "FIV neg",
                                                                 "Chip-Nr.:276000",
                                                                 "gest.: 05.01.2023",
                                                                 "TM",
                                                                 "Zbnr.: T-9",
                                                                 "Haarart: Kurzhaar"};
        // English texts take the English names of breed and eye colour
        QTest::newRow("Bildschirm englisch")
            << 1 << "anton" << QList<int>{1, 3, 7, 8, 9, 11, 15, 17, 18, 22} << 1 << 1 << false << 4
            << QStringList{"IC/GIC Anton vom Test {N}",
                           "Eye-Colour:blue",
                           "Born:10.03.2020",
                           "Breeder:Anna Müller",
                           "Owner:Meier",
                           "British Shorthair",
                           "Blood group:A",
                           "Chip-No.:276000",
                           "died: 05.01.2023",
                           "Type of coat: Kurzhaar"};
        QTest::newRow("englische Namen")
            << 3 << "anton" << QList<int>{3, 11} << 1 << 1 << true << 4
            << QStringList{"Anton vom Test {N}", "Eye-Colour:blue", "British Shorthair"};
        QTest::newRow("holländisch mit deutschen Wörtern")
            << 3 << "anton" << QList<int>{3, 7} << 1 << 2 << false << 4
            << QStringList{"Anton vom Test {N}", "Augen:blau", "geb.: 10.03.2020"};
        QTest::newRow("leere Reihenfolge")
            << 3 << "anton" << QList<int>{} << 1 << 0 << false << 4 << QStringList{"Anton vom Test {N}"};
        QTest::newRow("Rassecode vor Rasse") << 3 << "anton" << QList<int>{12, 11} << 1 << 0 << false << 4
                                             << QStringList{"Anton vom Test {N}", "BRI", "Britisch Kurzhaar"};
        QTest::newRow("Rasse vor Rassecode") << 3 << "anton" << QList<int>{11, 12} << 1 << 0 << false << 4
                                             << QStringList{"Anton vom Test {N}", "Britisch Kurzhaar", "BRI"};
        QTest::newRow("eigene Katze, Rasse ohne Kurzname")
            << 3 << "bella" << QList<int>{1, 8, 9, 10, 11, 12, 14} << 1 << 0 << false << 4
            << QStringList{"Bella {N}", "Besitzer:Berger, Eva", "Farb-Code:a", "Testrasse"};
        QTest::newRow("Bildschirm ohne Maskierung")
            << 3 << "xaver" << QList<int>{1, 2, 9, 16} << 1 << 0 << false << 4
            << QStringList{"CH Kater <X> & Co {N}", "red & white", "Besitzer:Smith & <Co>", "<b>"};

        QTest::newRow("HTML, alle Angaben") << 5 << "anton" << alleAngaben << 1 << 0 << false << 4
                                            << QStringList{rot + "IC/GIC Anton vom Test</strong></P>",
                                                           "(BRI) blue</P>",
                                                           "Augen: blau<BR>",
                                                           "ZB-1</P>",
                                                           "ZB-2<BR>",
                                                           "ZB-3<BR>",
                                                           "geb.: 10.03.2020<BR>",
                                                           "Züchter: Anna Müller<BR>",
                                                           "Besitzer: Meier<BR>",
                                                           "Rasse: Britisch Kurzhaar<BR>",
                                                           "BIS  Nom<BR>",
                                                           "BRI a<BR>",
                                                           "Blutgruppe: A<BR>",
                                                           "FIV neg<BR>",
                                                           "Chip-Nr.: 276000<BR>",
                                                           "gest.: 05.01.2023<BR>",
                                                           "TM<BR>",
                                                           "Zbnr.: T-9<BR>",
                                                           "Haarart: Kurzhaar<BR>"};
        QTest::newRow("HTML englisch, Eltern")
            << 5 << "anton" << QList<int>{2, 3, 4, 7, 11, 17, 18, 22} << 2 << 1 << true << 4
            << QStringList{schwarz + "Anton vom Test</strong><BR>",
                           "(BRI) blue<BR>",
                           "Eye-Colour: blue<BR>",
                           "ZB-1<BR>",
                           "Born: 10.03.2020<BR>",
                           "Breed: British Shorthair<BR>",
                           "Chip-No.: 276000<BR>",
                           "died: 05.01.2023<BR>",
                           "Type of coat: Kurzhaar<BR>"};
        QTest::newRow("HTML Großeltern mit Rassecode")
            << 5 << "anton" << QList<int>{1, 2, 11, 12} << 3 << 0 << false << 4
            << QStringList{rot + "IC/GIC Anton vom Test</strong><BR>", "(BRI) blue / BRI<BR>"};
        QTest::newRow("HTML Großeltern ohne Rassecode")
            << 5 << "anton" << QList<int>{2} << 3 << 0 << false << 4
            << QStringList{schwarz + "Anton vom Test</strong><BR>", "(BRI) blue<BR>"};
        QTest::newRow("HTML Rasse ohne Kurzname") << 5 << "bella" << QList<int>{2, 12} << 3 << 0 << false << 4
                                                  << QStringList{schwarz + "Bella</strong><BR>", "blau<BR>"};
        QTest::newRow("HTML maskiert")
            << 5 << "xaver" << QList<int>{1, 2, 9, 16} << 2 << 0 << false << 4
            << QStringList{rot + "CH Kater &lt;X&gt; &amp; Co</strong><BR>", "red &amp; white<BR>",
                           "Besitzer: Smith &amp; &lt;Co&gt;<BR>", "&lt;b&gt;<BR>"};

        const QList<int> fuenf = {2, 3, 4, 5, 6};
        const QStringList gen4 = {schwarz + "Anton vom Test</strong><BR>",
                                  "(BRI) blue<BR>",
                                  "Augen: blau<BR>",
                                  "ZB-1<BR>",
                                  "ZB-2<BR>",
                                  "ZB-3<BR>"};
        QTest::newRow("Generation 4 von 4")
            << 5 << "anton" << fuenf << 4 << 0 << false << 4 << gen4.mid(0, 2);
        QTest::newRow("Generation 4 von 5")
            << 5 << "anton" << fuenf << 4 << 0 << false << 5 << gen4.mid(0, 3);
        QTest::newRow("Generation 4 von 6")
            << 5 << "anton" << fuenf << 4 << 0 << false << 6 << gen4.mid(0, 4);
        // the HTML window allows 3 to 12 generations: from 8 on generation 4 takes every line
        QTest::newRow("Generation 4 von 12") << 5 << "anton" << fuenf << 4 << 0 << false << 12 << gen4;
        QTest::newRow("Generation 3 unbegrenzt") << 5 << "anton" << fuenf << 3 << 0 << false << 4 << gen4;
        QTest::newRow("Generation 5 nur Name")
            << 5 << "anton" << fuenf << 5 << 0 << false << 6 << gen4.mid(0, 1);
        QTest::newRow("Generation 4, leere Angabe zählt nicht")
            << 5 << "anton" << QList<int>{10, 2, 3} << 4 << 0 << false << 4 << gen4.mid(0, 2);
    }
    void katzendaten()
    {
        QFETCH(int, typ);
        QFETCH(QString, katze);
        QFETCH(QList<int>, angaben);
        QFETCH(int, generation);
        QFETCH(int, sprache);
        QFETCH(bool, changeSprache);
        QFETCH(int, htmlGenerationen);
        QFETCH(QStringList, erwartet);
        m_s.stammbaumAnzeigeArray = tokens<22>(angaben);
        m_s.StammbaumDruckenArray = tokens<22>(angaben);
        m_g->HTMLAnzahlGenerationen = htmlGenerationen;
        tav::app::sprache().setLanguageNumber(sprache);
        erwartet.replaceInStrings("{N}", QString("{%1}").arg(m_nr[katze]));
        QCOMPARE(katzendaten(typ, katze, generation, changeSprache), erwartet);
    }

    void reihenfolgeJeAusgabe()
    {
        m_s.stammbaumAnzeigeArray = tokens<22>({2});
        m_s.StammbaumDruckenArray = tokens<22>({3});
        m_s.verpaarungAnzeigeArray = tokens<23>({7});
        QCOMPARE(katzendaten(3, "anton").value(1), QString("(BRI) blue"));
        QCOMPARE(katzendaten(5, "anton", 2).value(1), QString("Augen: blau<BR>"));
        QCOMPARE(m_g->KatzendatenVerp(m_nr["anton"]).daten.value(1), QString(",  geb.: 10.03.2020"));
    }

    void zusatzVorDenErstenAchtZeilen()
    {
        m_s.stammbaumAnzeigeArray = tokens<22>(alleAngaben);
        const QStringList ohne = katzendaten(1, "anton");
        const QStringList mit = katzendaten(2, "anton", 1, false, "> ");
        QCOMPARE(mit.size(), ohne.size());
        QVERIFY(ohne.size() > 9);
        for (int i = 0; i < mit.size(); ++i)
            QCOMPARE(mit[i], i < 8 ? "> " + ohne[i] : ohne[i]);
    }

    void titelfarbeOhneTitelRot()
    {
        m_s.StammbaumDruckenArray = tokens<22>({1});
        m_s.TitelRot = false;
        m_g->HTMLFarbeGenerationen = 0x804020; // low byte red
        QCOMPARE(katzendaten(5, "anton", 2).value(0),
                 QString(R"(<font color="#204080"> <strong>IC/GIC Anton vom Test</strong><BR>)"));
        QCOMPARE(katzendaten(5, "bella", 2).value(0),
                 QString(R"(<font color="#204080"><strong>Bella</strong><BR>)"));
    }

    void titelErgebnisse_data()
    {
        QTest::addColumn<QString>("katze");
        QTest::addColumn<QList<int>>("angaben");
        QTest::addColumn<bool>("titelVorh");
        QTest::addColumn<int>("titelNr");
        QTest::newRow("Titel verlangt") << "anton" << QList<int>{1} << true << 3;
        QTest::newRow("Titel nicht verlangt") << "anton" << QList<int>{2} << false << 3;
        QTest::newRow("ohne freie Titel") << "bella" << QList<int>{1} << false << 2;
        QTest::newRow("ohne Titelserie") << "xaver" << QList<int>{1} << true << 0;
        QTest::newRow("unbekannte Katze") << "unbekannt" << QList<int>{1} << false << 0;
    }
    void titelErgebnisse()
    {
        QFETCH(QString, katze);
        QFETCH(QList<int>, angaben);
        QFETCH(bool, titelVorh);
        QFETCH(int, titelNr);
        m_s.stammbaumAnzeigeArray = tokens<22>(angaben);
        m_g->Katzendaten(3, m_nr["anton"], false, 1); // leaves the views on another cat
        const tav::app::KatzenTexte t = m_g->Katzendaten(3, m_nr[katze], false, 1);
        QCOMPARE(t.titelVorhanden, titelVorh);
        QCOMPARE(t.titelNr, titelNr);
    }

    void unbekannteKatzeErgibtNichts()
    {
        m_s.stammbaumAnzeigeArray = tokens<22>(alleAngaben);
        m_s.verpaarungAnzeigeArray = tokens<23>({1, 2});
        const tav::app::KatzenTexte anton = m_g->Katzendaten(3, m_nr["anton"], false, 1);
        QVERIFY(anton.daten.size() > 1);
        QCOMPARE(anton.bild, m_bildB);
        const tav::app::KatzenTexte keine = m_g->Katzendaten(3, m_nr["unbekannt"], false, 1);
        QCOMPARE(keine.daten, QStringList());
        QCOMPARE(keine.bild, QString());
        QCOMPARE(katzendaten(3, "anton", 1, false).size() > 1, true);
        const tav::app::KatzenTexte verp = m_g->KatzendatenVerp(m_nr["unbekannt"]);
        QCOMPARE(verp.daten, QStringList());
        QVERIFY(!verp.titelVorhanden);
    }

    void bild_data()
    {
        QTest::addColumn<QString>("katze");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Druckbild schlägt das erste") << "anton" << m_bildB;
        QTest::newRow("fehlende Datei nie, auch nicht als Druckbild") << "bella" << m_bildA;
        QTest::newRow("ohne Bilder") << "xaver" << QString();
    }
    void bild()
    {
        QFETCH(QString, katze);
        QFETCH(QString, erwartet);
        katzendaten(3, "anton");
        QCOMPARE(m_g->Katzendaten(3, m_nr[katze], false, 1).bild, erwartet);
    }

    void katzendatenVerp_data()
    {
        QTest::addColumn<QString>("katze");
        QTest::addColumn<QList<int>>("angaben");
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QStringList>("erwartet");
        QList<int> alle;
        for (int i = 1; i <= 23; ++i)
            alle << i;
        QTest::newRow("alle Angaben") << "anton" << alle << 0
                                      << QStringList{"IC/GIC Anton vom Test",
                                                     ",  (BRI) blue",
                                                     ",  A.:blau",
                                                     ",  ZB-1",
                                                     ",  ZB-2",
                                                     ",  ZB-3",
                                                     ",  geb.: 10.03.2020",
                                                     ",  Z.: Anna Müller",
                                                     ",  B.: Meier",
                                                     ",  Britisch Kurzhaar",
                                                     ",  BRI",
                                                     ",  BIS\r\nNom",
                                                     ",  BRI a",
                                                     ",  Blutgruppe: A",
                                                     ",  FIV neg",
                                                     ",  Chip-Nr.: 276000",
                                                     ",  gest.: 05.01.2023",
                                                     ",  01.06.2020",
                                                     ",  02.07.2021",
                                                     ",  TM"};
        QTest::newRow("englisch") << "anton" << QList<int>{3, 7, 8, 9, 10, 11, 15, 17, 18} << 1
                                  << QStringList{
                                         "Anton vom Test",     ",  Eye:blue",         ",  Born: 10.03.2020",
                                         ",  B.: Anna Müller", ",  O.: Meier",        ",  British Shorthair",
                                         ",  Blood group: A",  ",  Chip-No.: 276000", ",  died: 05.01.2023"};
        QTest::newRow("eigene Katze") << "bella" << QList<int>{1, 9, 10} << 0
                                      << QStringList{"Bella", ",  B.: Berger, Eva", ",  Farb-Code: a"};
        QTest::newRow("Tätonummer und Fellart nicht")
            << "anton" << QList<int>{22, 23} << 0 << QStringList{"Anton vom Test"};
    }
    void katzendatenVerp()
    {
        QFETCH(QString, katze);
        QFETCH(QList<int>, angaben);
        QFETCH(int, sprache);
        QFETCH(QStringList, erwartet);
        m_s.verpaarungAnzeigeArray = tokens<23>(angaben);
        tav::app::sprache().setLanguageNumber(sprache);
        const tav::app::KatzenTexte t = m_g->KatzendatenVerp(m_nr[katze]);
        QCOMPARE(t.daten, erwartet);
        QCOMPARE(t.titelVorhanden, angaben.contains(1) && katze == "anton");
    }

    void bewertungAngelegtNurWennDateiFehlt()
    {
        QTemporaryDir ziel;
        const QString d = kopie(ziel);
        QVERIFY(QFile::remove(d + "/BEWERT.DB"));
        Database db(d);
        QStringList fehler;
        auto g = modul(db, fehler);
        QCOMPARE(fehler, QStringList());
        QVERIFY(g->dbBewertung->isOpen());
        const TableDef layout = db.storedLayout("BEWERT.DB");
        QVERIFY(layout.field("LaufendeNr") && layout.field("LaufendeNr")->type == FieldType::AutoInc);
        QVERIFY(layout.field("Katze") && layout.field("Bewertung"));
        QVERIFY(layout.indexForFields("Katze;LaufendeNr"));
    }

    void beschaedigteDateiWirdGemeldetNichtErsetzt_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QList<int>>("angaben");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("Bewertungen") << "BEWERT.DB" << QList<int>{13, 15} << QStringList{"Blutgruppe:A"};
        QTest::newRow("Rassen") << "RASSE.DB" << QList<int>{11, 12, 14, 15} << QStringList{"Blutgruppe:A"};
    }
    void beschaedigteDateiWirdGemeldetNichtErsetzt()
    {
        QFETCH(QString, datei);
        QFETCH(QList<int>, angaben);
        QFETCH(QStringList, zeilen);
        QTemporaryDir ziel;
        const QString d = kopie(ziel);
        {
            QFile f(d + "/" + datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        }
        const QByteArray vorher = dateiInhalt(d + "/" + datei);
        Database db(d);
        QStringList fehler;
        auto g = modul(db, fehler);
        QCOMPARE(fehler, QStringList{datei});
        QCOMPARE(dateiInhalt(d + "/" + datei), vorher);
        QVERIFY(g->dbKatze->isOpen());
        m_s.stammbaumAnzeigeArray = tokens<22>(angaben);
        zeilen.prepend(QString("Anton vom Test {%1}").arg(m_nr["anton"]));
        QCOMPARE(g->Katzendaten(3, m_nr["anton"], false, 1).daten, zeilen);
    }

    void fehlendeDateiWirdGemeldet()
    {
        QTemporaryDir ziel;
        const QString d = kopie(ziel);
        QVERIFY(QFile::remove(d + "/AUGEN.DB"));
        Database db(d);
        QStringList fehler;
        auto g = modul(db, fehler);
        QCOMPARE(fehler, QStringList{"AUGEN.DB"});
        QVERIFY(!db.tableExists("AUGEN.DB"));
        m_s.stammbaumAnzeigeArray = tokens<22>({3});
        QCOMPARE(g->Katzendaten(3, m_nr["anton"], true, 1).daten.value(1), QString("Augen:blau"));
    }

    void fehlendeIndexeWerdenAngelegt()
    {
        QTemporaryDir ziel;
        const QString d = kopie(ziel);
        {
            Database db(d);
            db.dropIndex("RASSE.DB", "RKurznameRCode");
            db.dropIndex("FARBE.DB", "FarbnummerLaufendeNummer");
            QVERIFY(!db.storedLayout("RASSE.DB").indexForFields("RKurzname;RCode"));
        }
        Database db(d);
        QStringList fehler;
        auto g = modul(db, fehler);
        QCOMPARE(fehler, QStringList());
        QVERIFY(g->dbRasse->isOpen() && g->dbFarbe->isOpen());
        QVERIFY(db.storedLayout("RASSE.DB").indexForFields("RKurzname;RCode"));
        QVERIFY(db.storedLayout("FARBE.DB").indexForFields("Farbnummer;LaufendeNummer"));
        // the views keep their own order
        QCOMPARE(g->dbFarbe->indexName(), QString("FarbnameIndex"));
    }

    void haarartNachErweiterung_data()
    {
        QTest::addColumn<bool>("mitErgaenzung");
        QTest::addColumn<QStringList>("erwartet"); // RName=Haarart|Haarlos|Faltohr
        QTest::newRow("mit RasseErgaenzen")
            << true
            << QStringList{"Scottish Fold=|1|2",  "Scottish Fold Langhaar=1|1|2", "Testkatze Longhair=1||",
                           "Test Short-Hair=2||", "Exotic long-hair=1||",         "Testkatze=||"};
        QTest::newRow("nur nach dem Namen")
            << false
            << QStringList{"Scottish Fold=||",    "Scottish Fold Langhaar=1||", "Testkatze Longhair=1||",
                           "Test Short-Hair=2||", "Exotic long-hair=1||",       "Testkatze=||"};
    }
    void haarartNachErweiterung()
    {
        QFETCH(bool, mitErgaenzung);
        QFETCH(QStringList, erwartet);
        QTemporaryDir ziel;
        const QString d = kopie(ziel);
        {
            Database db(d);
            if (!mitErgaenzung)
                db.dropTable("RasseErgaenzen.db");
            db.dropTable("RASSE.DB");
            TableDef alt;
            alt.fileName = "RASSE.DB";
            alt.fields = {def::autoInc("RCode"), def::string("RName", 30), def::string("RKurzname", 10),
                          def::string("RNameEng", 30)};
            alt.indexes = {def::primary("RCode"), def::index("RasseName", "RName;RCode")};
            db.createTable(alt);
            for (const QString &zeile : erwartet) {
                Table t(&db, "RASSE.DB");
                t.setCheckLayout(false);
                t.open();
                t.append();
                t.setValue("RName", zeile.section('=', 0, 0));
                t.post();
            }
        }
        Database db(d);
        QStringList fehler;
        auto g = modul(db, fehler);
        QCOMPARE(fehler, QStringList());
        QVERIFY(g->dbRasse->isOpen());
        QVERIFY(db.storedLayout("RASSE.DB").indexForFields("RKurzname;RCode"));
        QStringList ist;
        for (g->dbRasse->first(); !g->dbRasse->eof(); g->dbRasse->next())
            ist << g->dbRasse->text("RName") + "=" + g->dbRasse->text("Haarart") + "|" +
                       g->dbRasse->text("Haarlos") + "|" + g->dbRasse->text("Faltohr");
        QCOMPARE(ist, erwartet);
    }

    void zustandDerStammbaumeingabe()
    {
        TDatenGlobal g(m_db.get());
        QVERIFY(!g.NeuausStb);
        QCOMPARE(g.CatNr, 0);
        QCOMPARE(g.CatNameVM, QString());
        QCOMPARE(g.VMZeiger, QChar(' '));
        QCOMPARE(TDatenGlobal::instance(), &g);
    }
};

QTEST_GUILESS_MAIN(TstGlobal)
#include "tst_global.moc"
