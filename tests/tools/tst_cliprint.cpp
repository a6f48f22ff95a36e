// tavrenno-cli print: print-outs of a register as PDF and HTML (the inbreeding print-out, the
// printed pedigree with every ancestor in its generation's column), and the failures it reports.
#include "../common/CliRun.h"
#include "store/Database.h"
#include "store/Query.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// a sibling mating with names in several alphabets
const QByteArray Stammbaum = "Name;Geschlecht;Vater;Mutter;GebDatum;Rasse\n"
                             "Čestmír Groß;1;;;;\n"
                             "Łucja Müller;2;;;;\n"
                             "Bořek Weiß;1;Čestmír Groß;Łucja Müller;;\n"
                             "Żaneta Jäger;2;Čestmír Groß;Łucja Müller;;\n"
                             "Ærø Kätzchen;2;Bořek Weiß;Żaneta Jäger;;\n";
const QString Enkelin = QStringLiteral("Ærø Kätzchen");

} // namespace

class TstCliPrint : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home, m_out, m_config;
    QString m_coefficient;

    Run cli(QStringList args)
    {
        return run(QStringLiteral(TAV_CLI), QStringList{"--home", m_home.path()} + args, m_config.path());
    }

    QString pdfText(const QString &path, const QStringList &extra = {})
    {
        return run(QStringLiteral("pdftotext"), QStringList{"-enc", "UTF-8"} + extra + QStringList{path, "-"})
            .out;
    }
    // the last demo cat: six generations of ancestors
    QString katze()
    {
        tav::store::Database db(m_home.filePath("Daten"));
        tav::store::Query q(&db,
                            "SELECT max(LaufendeNummer) FROM catstamm WHERE Zuchtbuchnummer1 LIKE 'DE-%'");
        q.open();
        return q.value(0).toString();
    }
    void einstellungen(const QString &zeilen)
    {
        QFile f(m_config.filePath("Tavrenno.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(zeilen.toUtf8());
    }
    int bilder(const QString &pdf)
    {
        return int(run(QStringLiteral("pdfimages"), {"-list", pdf})
                       .out.split('\n', Qt::SkipEmptyParts)
                       .size()) -
               2;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(cli({"demo"}).code == 0);
        QFile f(m_out.filePath("stamm.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Stammbaum);
        f.close();
        const Run imported = cli({"import-pedigree", f.fileName()});
        QVERIFY2(imported.code == 0, qPrintable(imported.err));
        const Run coi = cli({"coi", "--cat-name", Enkelin, "--json"});
        QCOMPARE(coi.code, 0);
        m_coefficient = QJsonDocument::fromJson(coi.out.toUtf8()).object().value("text").toString().trimmed();
        QVERIFY2(m_coefficient.endsWith(QStringLiteral("25,00%")), qPrintable(m_coefficient));
    }

    void pdfHoldsWhatWasAskedFor_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("plain") << QStringList{} << QStringList{"Inzucht von",
                                                               Enkelin,
                                                               "Der Inzuchtkoeffizient beträgt",
                                                               "Berechnung über 5 Generationen",
                                                               "Bořek Weiß",
                                                               "Seite 1",
                                                               "printed by"}
                               << QStringList{"Auflistung aller Katzen mit Inzucht", "Name des Vorfahren"};
        QTest::newRow("pairs") << QStringList{"--with-pairs", "--generations", "4"}
                               << QStringList{"Auflistung aller Katzen mit Inzucht", "Čestmír Groß",
                                              "Łucja Müller", "Berechnung über 4 Generationen"}
                               << QStringList{"Klonanalyse"};
        QTest::newRow("ancestors and clones")
            << QStringList{"--with-ancestors", "--with-clones"}
            << QStringList{"Name des Vorfahren", "Anzahl des Vorkommens im Stammbaum", "Top Katzen",
                           "Klonanalyse"}
            << QStringList{"Auflistung aller Katzen mit Inzucht"};
        QTest::newRow("english") << QStringList{"--lang", "en", "--with-pairs"}
                                 << QStringList{"Inbreeding of", "The coefficient of inbreeding is",
                                                "List of all cats with inbreeding", "Page 1"}
                                 << QStringList{"Inzucht von", "Seite"};
    }
    void pdfHoldsWhatWasAskedFor()
    {
        if (!installed("pdftotext"))
            QSKIP("pdftotext is not installed");
        QFETCH(QStringList, options);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        const QString pdf = m_out.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        const Run r = cli(QStringList{"print", "inbreeding", "--cat-name", Enkelin, "--pdf", pdf} + options);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(m_coefficient), qPrintable(text));
        for (const QString &t : present)
            QVERIFY2(text.contains(t), qPrintable(t + " missing in:\n" + text));
        for (const QString &t : absent)
            QVERIFY2(!text.contains(t), qPrintable(t));
    }

    // the trait catalogue, each trait beside a box of its own colour (stored with red in the low byte)
    void traitListShowsEachColour()
    {
        const QString page = m_out.filePath("traits.html");
        const Run r = cli({"print", "traits", "--html", page, "--lang", "en"});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QFile f(page);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        for (const char *t : {"Traits", "HCM-Schall o.B.", "PKD negativ", "Abbreviation", "Page 1"})
            QVERIFY2(html.contains(QLatin1String(t)), t);
        QVERIFY2(html.contains("background:#c8f0c8", Qt::CaseInsensitive), "the colour of HCM");
        QVERIFY2(html.contains("background:#c8dcff", Qt::CaseInsensitive), "the colour of PKD");
    }

    // the matings of the founding queen, and the traits of the grandchild's pedigree by colour only
    void matingsAndPedigreeTraits()
    {
        if (!installed("pdftotext"))
            QSKIP("pdftotext is not installed");
        const QString verpaarungen = m_out.filePath("matings.pdf"), merkmale = m_out.filePath("traits.pdf");
        Run r =
            cli({"print", "matings", "--cat-name", QStringLiteral("Łucja Müller"), "--pdf", verpaarungen});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QString text = pdfText(verpaarungen);
        for (const QString &t :
             {QStringLiteral("Verpaarungen von"), QStringLiteral("1 Wurf mit Čestmír Groß"),
              QStringLiteral("1/0 Bořek Weiß"), QStringLiteral("0/1 Żaneta Jäger")})
            QVERIFY2(text.contains(t), qPrintable(t + " missing in:\n" + text));
        r = cli({"print", "pedigree-traits", "--cat-name", Enkelin, "--colour-only", "--pdf", merkmale});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        text = pdfText(merkmale);
        for (const QString &t : {QStringLiteral("Es wurden 6 Vorfahren untersucht."),
                                 QStringLiteral("» Łucja Müller,"), QStringLiteral("2x2 ,")})
            QVERIFY2(text.contains(t), qPrintable(t + " missing in:\n" + text));
    }

    // the register statistics as a CSV file and as a print-out: the sibling mating's daughter with
    // its 25 %, the filters on the page, and a text that is no trait expression refused (120)
    void registerTraits()
    {
        const QString csv = m_out.filePath("register.csv"), pdf = m_out.filePath("register.pdf");
        Run r = cli({"register-traits", "--sex", "2,4", "--csv", csv});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList zeilen = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(zeilen.size() > 10);
        QVERIFY(std::none_of(zeilen.begin() + 1, zeilen.end(),
                             [](const QString &z) { return z.contains(";1;"); }));
        const auto enkelin =
            std::find_if(zeilen.begin(), zeilen.end(), [](const QString &z) { return z.contains(Enkelin); });
        QVERIFY(enkelin != zeilen.end());
        QVERIFY2(enkelin->contains(";25,00%;"), qPrintable(*enkelin));

        if (installed("pdftotext")) {
            r = cli({"print", "register-traits", "--query",
                     "Merkmal='PKD negativ' and not Merkmal='HCM-Schall o.B.'", "--sex", "1,2", "--age-from",
                     "2", "--pdf", pdf});
            QVERIFY2(r.code == 0, qPrintable(r.err));
            const QString text = pdfText(pdf).simplified();
            for (const QString &t :
                 {QStringLiteral("Merkmalstatistik aller Tiere"),
                  QStringLiteral("Alle männlichen und weiblichen Tiere"), QStringLiteral("ab 2 Jahre"),
                  QStringLiteral("mit der Abfrage: Merkmal='PKD negativ' and not"),
                  QStringLiteral("- PKD negativ -")})
                QVERIFY2(text.contains(t), qPrintable(t + " missing in:\n" + text));
        }
        const QString nichts = m_out.filePath("nichts.csv");
        r = cli({"register-traits", "--query", "Merkmal='PKD negativ') or (1=1", "--csv", nichts});
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains("Fehler in der Abfrage"), qPrintable(r.err));
        QVERIFY(!QFile::exists(nichts));
    }

    // the certificate of a demo tom's latest mating on one page, with both cats and their owners;
    // the cat list of a breed over several numbered pages
    void deckscheinUndKatzenliste()
    {
        if (!installed("pdftotext"))
            QSKIP("pdftotext is not installed");
        tav::store::Database db(m_home.filePath("Daten"));
        QString tom, queen, datum, rasse;
        {
            tav::store::Query q(&db, "SELECT d.Kater, d.Katze, d.Decktermin, r.RName FROM deckbuch d "
                                     "JOIN catstamm c ON c.LaufendeNummer = d.Kater "
                                     "JOIN rasse r ON r.RCode = c.Rasse ORDER BY d.Decktermin DESC LIMIT 1");
            q.open();
            QVERIFY(!q.eof());
            tom = q.value(0).toString();
            queen = q.value(1).toString();
            datum = QDate::fromString(q.value(2).toString().left(10), Qt::ISODate).toString("dd.MM.yyyy");
            rasse = q.value(3).toString();
        }
        tav::store::Query bewertung(&db, "INSERT INTO bewert (Katze, Bewertung) VALUES (?, 'V1 CACIB')");
        bewertung.addBindValue(tom.toInt());
        bewertung.exec();
        const auto name = [&](const QString &nr) {
            tav::store::Query q(&db, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?");
            q.addBindValue(nr.toInt());
            q.open();
            return q.value(0).toString();
        };
        const QString schein = m_out.filePath("deckschein.pdf");
        Run r = cli({"print", "mating-certificate", "--cat", tom, "--pdf", schein});
        QVERIFY2(r.code == 0 && r.out.contains("(1 Seiten)"), qPrintable(r.out + r.err));
        QVERIFY2(!r.err.contains("deckschein.txt"), qPrintable(r.err)); // the breeder has written none
        const QString text = pdfText(schein).simplified();
        for (const QString &t :
             {QStringLiteral("DECKSCHEIN"), name(tom), name(queen), rasse, QStringLiteral("V1 CACIB"),
              QStringLiteral("Anna Berger"), QStringLiteral("hat am ") + datum, QStringLiteral("gedeckt."),
              QStringLiteral("printed by")})
            QVERIFY2(text.contains(t), qPrintable(t + " missing in:\n" + text));
        r = cli({"print", "mating-certificate", "--cat", queen, "--pdf", m_out.filePath("nein.pdf")});
        QVERIFY(r.code != 0 && r.err.contains("nur für Kater"));
        QVERIFY(!QFile::exists(m_out.filePath("nein.pdf")));

        const QString liste = m_out.filePath("katzenliste.pdf");
        r = cli({"print", "cat-list", "--breed", rasse.left(4), "--pdf", liste});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QString seiten = pdfText(liste);
        QVERIFY2(seiten.contains("Katzendaten") && seiten.contains("Seite 1") && seiten.contains("Seite 2"),
                 qPrintable(seiten.left(2000)));
        QVERIFY(seiten.contains(name(tom)));
    }

    // the show entry forms of a demo cat: its data in the box under each caption, the sire's name,
    // the exhibitor from the breeder's own data; the CFA form with the birth date month first
    void showEntryForms_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("nameCaption");
        QTest::addColumn<QStringList>("present");
        QTest::newRow("general") << QStringList{"show-entry"} << "Name der Katze / Name of cat"
                                 << QStringList{"Entry Form Cat Show", "Ich versichere", "I declare"};
        QTest::newRow("fife") << QStringList{"show-entry", "--form", "fife"}
                              << "Name der Katze / Name of cat / Nom du chat"
                              << QStringList{"13 a Novizenklasse", "FIFe", "Je ne suis membre"};
        QTest::newRow("dru") << QStringList{"show-entry", "--form", "dru", "--lang", "en"} << "Name der Katze"
                             << QStringList{"RASSEKATZEN-SALON", "Mitgliedsnummer (unbedingt angeben)",
                                            "Novizen Klasse", "I hereby authorise"};
        QTest::newRow("cfa") << QStringList{"show-entry-cfa"}
                             << "Name der Katze, ohne Titel / Cat's name, no titles"
                             << QStringList{"THE CAT FANCIERS' ASSOCIATION, INC.", "9 International"};
    }
    void showEntryForms()
    {
        if (!installed("pdftotext"))
            QSKIP("pdftotext is not installed");
        QFETCH(QStringList, options);
        QFETCH(QString, nameCaption);
        QFETCH(QStringList, present);
        tav::store::Database db(m_home.filePath("Daten"));
        tav::store::Query q(&db, "SELECT k.Name, v.Name, k.GebDatum FROM catstamm k JOIN catstamm v "
                                 "ON v.LaufendeNummer = k.Vater WHERE k.LaufendeNummer = ?");
        q.addBindValue(katze().toInt());
        q.open();
        QVERIFY(!q.eof());
        const QString name = q.value(0).toString(), vater = q.value(1).toString();
        const QDate geboren = q.value(2).toDate();
        const QString pdf = m_out.filePath(QString::fromLatin1(QTest::currentDataTag()) + "-entry.pdf");
        const Run r = cli(QStringList{"print"} + options +
                          QStringList{"--cat", katze(), "--show-place", "Messehalle Süd", "--pdf", pdf});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QString text = pdfText(pdf, {"-layout"});
        for (const QString &t : present + QStringList{vater, "Messehalle Süd", "Berger, Anna"})
            QVERIFY2(text.contains(t), qPrintable(t + " missing in:\n" + text));
        // the value stands in the box under its caption
        const QStringList zeilen = text.split('\n', Qt::SkipEmptyParts);
        const int bei =
            int(zeilen.indexOf(QRegularExpression("\\s*" + QRegularExpression::escape(nameCaption) + ".*")));
        QVERIFY2(bei >= 0, qPrintable(text));
        QVERIFY2(zeilen.value(bei + 1).contains(name), qPrintable(zeilen.mid(bei, 2).join('\n')));
        if (QByteArray(QTest::currentDataTag()) == "cfa")
            QVERIFY(text.contains(geboren.toString("MM/dd/yyyy")));
        QCOMPARE(cli({"print", "show-entry", "--form", "tica", "--cat", katze(), "--pdf", pdf}).code, 2);
    }

    void demoCatAsHtmlPage()
    {
        tav::store::Database db(m_home.filePath("Daten"));
        tav::store::Query q(&db, "SELECT LaufendeNummer, Name FROM catstamm WHERE Vater > 0 AND Mutter > 0 "
                                 "ORDER BY LaufendeNummer DESC LIMIT 1");
        q.open();
        QVERIFY(!q.eof());
        const QString nr = q.value(0).toString(), name = q.value(1).toString();
        const QString page = m_out.filePath("demo.html");
        const Run r = cli({"print", "inbreeding", "--cat", nr, "--with-ancestors", "--html", page});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        if (installed("tidy")) {
            const Run tidy = run("tidy", {"-errors", "-q", page});
            QVERIFY2(tidy.code < 2, qPrintable(tidy.err));
        }
        if (!installed("chromium"))
            QSKIP("chromium is not installed");
        QTemporaryDir profile;
        const Run dom =
            run("chromium",
                {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + profile.path(), "--dump-dom", QUrl::fromLocalFile(page).toString()});
        for (const QString &t : {QStringLiteral("Inzucht von"), name, QStringLiteral("Name des Vorfahren"),
                                 QStringLiteral("Der Inzuchtkoeffizient beträgt")})
            QVERIFY2(dom.out.contains(t.toHtmlEscaped()), qPrintable(t));
    }

    // each generation's column (between the heads over the columns) holds its ancestors' names
    void jederAhnInSeinerGeneration()
    {
        if (!installed("pdftotext") || !installed("pdfimages"))
            QSKIP("pdftotext and pdfimages are not installed");
        QImage logo(200, 200, QImage::Format_RGB32);
        logo.fill(Qt::darkRed);
        QVERIFY(logo.save(m_out.filePath("logo.png")));
        QHash<int, std::tuple<QString, int, int>> reg; // name, sire, dam
        tav::store::Database db(m_home.filePath("Daten"));
        tav::store::Query q(&db, "SELECT LaufendeNummer, Name, Vater, Mutter FROM catstamm");
        q.open();
        for (; !q.eof(); q.next())
            reg.insert(q.value(0).toInt(), {q.value(1).toString(), q.value(2).toInt(), q.value(3).toInt()});
        einstellungen("[Stammbaum]\nLogo=" + m_out.filePath("logo.png") + "\n");
        const QString pdf = m_out.filePath("fuenf.pdf");
        const Run r = cli({"print", "pedigree", "--cat", katze(), "--generations", "5", "--pdf", pdf});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains("1 Seiten"));
        QVERIFY(bilder(pdf) >= 1);
        const QString box = pdfText(pdf, {"-bbox"});
        const QStringList koepfe = {"Eltern", "Großeltern", "Urgroßeltern", "Ururgroßeltern", "5."};
        QVector<double> mitte;
        double oben = 0;
        for (const QString &k : koepfe) {
            const QRegularExpression wort(
                "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">" +
                QRegularExpression::escape(k) + "</word>");
            const auto m = wort.match(box);
            QVERIFY2(m.hasMatch(), qPrintable(k));
            double rechts = m.captured(3).toDouble();
            // "5. Generation" is two words
            const auto zweites = QRegularExpression("xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">Generation</word>")
                                     .match(box, m.capturedEnd());
            if (k == "5." && zweites.hasMatch())
                rechts = zweites.captured(1).toDouble();
            mitte << (m.captured(1).toDouble() + rechts) / 2;
            oben = m.captured(2).toDouble() + 8;
        }
        QVector<int> ebene = {katze().toInt()};
        for (int g = 1; g <= 5; ++g) {
            const double halb = (g < 5 ? mitte[g] - mitte[g - 1] : mitte[g - 1] - mitte[g - 2]) / 2;
            const int x = int(mitte[g - 1] - halb), breite = int(2 * halb);
            const QString spalte = pdfText(pdf, {"-x", QString::number(x), "-y", QString::number(int(oben)),
                                                 "-W", QString::number(breite), "-H", "600"})
                                       .simplified();
            QVector<int> naechste;
            for (int k : ebene) {
                const auto [name, vater, mutter] = reg.value(k);
                for (int eltern : {vater, mutter}) {
                    naechste << eltern;
                    if (eltern)
                        QVERIFY2(spalte.contains(std::get<0>(reg.value(eltern))),
                                 qPrintable(QStringLiteral("%1 in %2: %3")
                                                .arg(std::get<0>(reg.value(eltern)))
                                                .arg(g)
                                                .arg(spalte)));
                }
            }
            ebene = naechste;
        }
    }

    void englischOhneBilderUndOhneEltern_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("english")
            << QStringList{"--lang", "en"}
            << QStringList{"PEDIGREE", "Parents", "Great-grandparents",    "Date of birth",
                           "Born:",    "male",    "Inbreeding coefficient"}
            << QStringList{"STAMMBAUM", "Eltern", "geb.:", "männlich", "Inzuchtkoeffizient"};
        QTest::newRow("german") << QStringList{"--generations", "3"}
                                << QStringList{"STAMMBAUM", "Urgroßeltern", "Geburtsdatum",
                                               "geb.:",     "Ahnenverlust", "printed by"}
                                << QStringList{"Ururgroßeltern", "PEDIGREE", "Born:"};
    }
    void englischOhneBilderUndOhneEltern()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        if (!installed("pdftotext") || !installed("pdfimages"))
            QSKIP("pdftotext and pdfimages are not installed");
        einstellungen("[Stammbaum]\nDruck=Titel,Farbe,Geburtsdatum\nBild=0\nGenBild=0\n");
        const QString pdf = m_out.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        const Run r = cli(QStringList{"print", "pedigree", "--cat", katze(), "--pdf", pdf} + args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(bilder(pdf), 0);
        const QString t = pdfText(pdf);
        for (const QString &s : present)
            QVERIFY2(t.contains(s), qPrintable(s + " missing in:\n" + t));
        for (const QString &s : absent)
            QVERIFY2(!t.contains(s), qPrintable(s));
    }

    void katzeOhneElternUndFehler()
    {
        if (!installed("pdftotext"))
            QSKIP("pdftotext is not installed");
        einstellungen("[Stammbaum]\nGeneration=3\n");
        const QString pdf = m_out.filePath("ohne.pdf"), html = m_out.filePath("ohne.html");
        Run r = cli({"print", "pedigree", "--cat-name", "Čestmír Groß", "--pdf", pdf, "--html", html});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains("1 Seiten"));
        QCOMPARE(pdfText(pdf).count("unbekannt"), 14);
        QFile f(html);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(f.readAll()).contains("Čestmír Groß"));
        r = cli({"print", "pedigree", "--cat", "1", "--generations", "7", "--pdf", pdf});
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains("--generations"));
        r = cli({"print", "pedigree", "--pdf", pdf});
        QCOMPARE(r.code, 2);
        r = cli({"print", "pedigree", "--cat-name", "Niemand", "--pdf", pdf});
        QCOMPARE(r.code, 1);
    }
    void failuresAreSaidAndWriteNothing_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");
        const QString pdf = m_out.filePath("nie.pdf");
        QTest::newRow("unknown cat") << QStringList{"print",   "inbreeding", "--cat-name",
                                                    "Niemand", "--pdf",      pdf}
                                     << 1 << "nicht im Katzenregister";
        QTest::newRow("missing folder") << QStringList{"print", "inbreeding", "--cat-name",
                                                       Enkelin, "--pdf",      m_out.filePath("fehlt/nie.pdf")}
                                        << 1 << "Der Ordner fehlt oder ist schreibgeschützt";
        QTest::newRow("unknown print-out") << QStringList{"print", "nothing", "--pdf", pdf} << 2 << "nothing";
        QTest::newRow("no file") << QStringList{"print", "inbreeding", "--cat", "1"} << 2 << "--pdf";
        QTest::newRow("foreign option")
            << QStringList{"print", "inbreeding", "--cat", "1", "--json", "--pdf", pdf} << 2 << "--json";
        QTest::newRow("language") << QStringList{"print",  "inbreeding", "--cat", "1",
                                                 "--lang", "fr",         "--pdf", pdf}
                                  << 2 << "--lang";
    }
    void failuresAreSaidAndWriteNothing()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, said);
        const Run r = cli(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(said), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(m_out.filePath("nie.pdf")));
    }
};

QTEST_GUILESS_MAIN(TstCliPrint)
#include "tst_cliprint.moc"
