#include "CatsFixture.h"
#include "cats/RasseFarbe.h"

#include <QProcess>
#include <QtTest>

using namespace tav::cats;

namespace {
// breeds BRI (1), SIA (2), PER (3); colours with and without breed notes
struct Register {
    CatsFixture f;
    int bri, sia, per;
    Register()
    {
        bri = f.add("RASSE.DB", {{"RName", "Britisch Kurzhaar"}, {"RKurzname", "BRI"}});
        sia = f.add("RASSE.DB", {{"RName", "Siam"}, {"RKurzname", "SIA"}});
        per = f.add("RASSE.DB", {{"RName", "Perser"}, {"RKurzname", "PER"}});
        farbe("n", "schwarz", "");
        farbe("a", "blau", "");
        farbe("a", "blue-point", "SIA/BAL"); // the same number means another colour in Siamese
        farbe("b", "lilac-point", "SIA/BAL");
        farbe("a", "blau (britisch)", "BRI");
        farbe("w 61", "weiß blauäugig", "");
        farbe("o'1", "zimt \"spezial\"", "");
    }
    void farbe(const char *nr, const char *name, const char *info)
    {
        QVariantMap v{{"Farbnummer", QString::fromUtf8(nr)}, {"Farbname", QString::fromUtf8(name)}};
        if (*info)
            v.insert("Rasseinfo", QString::fromUtf8(info));
        f.add("FARBE.DB", v);
    }
};
} // namespace

class TstRasseFarbe : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_home; // a data directory made by tavrenno-cli init

  private Q_SLOTS:
    void colourEntries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("name");
        QTest::newRow("with note") << "(SIA/BAL) blue-point"
                                   << "SIA/BAL"
                                   << "blue-point";
        QTest::newRow("without note") << "schwarz"
                                      << ""
                                      << "schwarz";
        QTest::newRow("bracket later in the name") << "blau (britisch)"
                                                   << ""
                                                   << "blau (britisch)";
        QTest::newRow("note without blank") << "(BRI)blau"
                                            << "BRI"
                                            << "blau";
        QTest::newRow("note only") << "(BRI)"
                                   << "BRI"
                                   << "";
        QTest::newRow("opening bracket only") << "(BRI blau"
                                              << ""
                                              << "(BRI blau";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void colourEntries()
    {
        QFETCH(QString, text);
        QFETCH(QString, info);
        QFETCH(QString, name);
        const FarbEintrag e = farbEintragTeilen(text);
        QCOMPARE(e.rasseinfo, info);
        QCOMPARE(e.farbname, name);
        // an entry the list builds splits back into its parts
        const FarbEintrag back = farbEintragTeilen(farbEintragText(info, name));
        QCOMPARE(back.rasseinfo, info);
        QCOMPARE(back.farbname, name);
    }

    void codeDisplay_data()
    {
        QTest::addColumn<QString>("rasse"); // short name, empty for none
        QTest::addColumn<QString>("farbe");
        QTest::addColumn<QString>("code");
        QTest::newRow("breed and colour") << "PER"
                                          << "blau"
                                          << "PER a";
        QTest::newRow("note picks the breed's colour") << "SIA"
                                                       << "(SIA/BAL) lilac-point"
                                                       << "SIA b";
        QTest::newRow("note compared exactly") << "BRI"
                                               << "(BRI) blau"
                                               << "BRI";
        QTest::newRow("colour without breed") << ""
                                              << "schwarz"
                                              << " n";
        QTest::newRow("breed without colour") << "SIA"
                                              << ""
                                              << "SIA";
        QTest::newRow("unknown colour") << "SIA"
                                        << "kariert"
                                        << "SIA";
        QTest::newRow("quotes in the colour name") << ""
                                                   << "zimt \"spezial\""
                                                   << " o'1";
    }
    void codeDisplay()
    {
        QFETCH(QString, rasse);
        QFETCH(QString, farbe);
        QFETCH(QString, code);
        Register r;
        const int rcode = rasse == "BRI" ? r.bri : rasse == "SIA" ? r.sia : rasse == "PER" ? r.per : 0;
        QCOMPARE(rfCodeAnzeige(r.f.db(), rcode, farbe), code);
    }

    void codeEntry_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("rasse");     // short name set, empty: Rasse unchanged
        QTest::addColumn<QString>("fellFarbe"); // empty: FellFarbe unchanged
        QTest::newRow("breed and its own colour") << "sia a"
                                                  << "SIA"
                                                  << "(SIA/BAL) blue-point";
        QTest::newRow("breed note in the middle") << "SIA b"
                                                  << "SIA"
                                                  << "(SIA/BAL) lilac-point";
        QTest::newRow("own colour first, not the general one") << "bri a"
                                                               << "BRI"
                                                               << "(BRI) blau (britisch)";
        QTest::newRow("breed without own colours: general colour") << "PER a"
                                                                   << "PER"
                                                                   << "blau";
        QTest::newRow("own colours lack the number: general colour") << "sia n"
                                                                     << "SIA"
                                                                     << "schwarz";
        QTest::newRow("colour number upper-cased") << "PER N"
                                                   << "PER"
                                                   << "schwarz";
        QTest::newRow("breed only") << "per"
                                    << "PER"
                                    << "";
        QTest::newRow("breed and unknown colour") << "PER zz"
                                                  << "PER"
                                                  << "";
        QTest::newRow("no breed: colour part") << "XYZ n"
                                               << ""
                                               << "schwarz";
        QTest::newRow("no breed: whole text") << "w 61"
                                              << "" << QString::fromUtf8("weiß blauäugig");
        QTest::newRow("no breed: whole text, upper-case") << "W 61"
                                                          << "" << QString::fromUtf8("weiß blauäugig");
        QTest::newRow("no breed, single word") << "n"
                                               << ""
                                               << "schwarz";
        QTest::newRow("quote in the number") << "o'1"
                                             << ""
                                             << "zimt \"spezial\"";
        QTest::newRow("nothing matches") << "XYZ 99"
                                         << ""
                                         << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("blank") << " "
                               << ""
                               << "";
    }
    void codeEntry()
    {
        QFETCH(QString, typed);
        QFETCH(QString, rasse);
        QFETCH(QString, fellFarbe);
        Register r;
        const RFCodeTreffer t = rfCodeSuchen(r.f.db(), typed);
        const int rcode = rasse == "BRI" ? r.bri : rasse == "SIA" ? r.sia : rasse == "PER" ? r.per : 0;
        QCOMPARE(t.rasse.has_value(), rcode != 0);
        if (rcode)
            QCOMPARE(*t.rasse, rcode);
        QCOMPARE(t.fellFarbe.value_or(QString()), fellFarbe);
        // what the entry set is displayed as the code that was typed
        if (t.rasse && t.fellFarbe)
            QCOMPARE(rfCodeAnzeige(r.f.db(), *t.rasse, *t.fellFarbe).toLower(), typed.simplified().toLower());
    }

    // The delivered breed and colour lists of a new data directory.
    void deliveredLists_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("rasse");
        QTest::addColumn<QString>("fellFarbe");
        QTest::newRow("Siamese blue") << "sia a"
                                      << "SIA"
                                      << "(SIA/BAL) blue-point";
        QTest::newRow("Balinese shares the note") << "BAL a"
                                                  << "BAL"
                                                  << "(SIA/BAL) blue-point";
        QTest::newRow("British blue is the general blue") << "bri a"
                                                          << "BRI"
                                                          << "blau";
        QTest::newRow("white by the whole code") << "w 61"
                                                 << "" << QString::fromUtf8("weiß blauäugig");
    }
    void deliveredLists()
    {
        QFETCH(QString, typed);
        QFETCH(QString, rasse);
        QFETCH(QString, fellFarbe);
        if (!m_home) {
            m_home = std::make_unique<QTemporaryDir>();
            QProcess cli;
            cli.start(QStringLiteral(TAV_CLI), {"--home", m_home->path(), "init"});
            QVERIFY(cli.waitForFinished(120000));
            QCOMPARE(cli.exitCode(), 0);
        }
        tav::store::Database db(m_home->path() + "/Daten");
        const RFCodeTreffer t = rfCodeSuchen(db, typed);
        QCOMPARE(t.fellFarbe.value_or(QString()), fellFarbe);
        QCOMPARE(t.rasse.has_value(), !rasse.isEmpty());
        QCOMPARE(rfCodeAnzeige(db, t.rasse.value_or(0), fellFarbe).trimmed().toLower(), typed.toLower());
    }

    void orangeInsertion_data()
    {
        QTest::addColumn<QString>("gencode");
        QTest::addColumn<QString>("orange");
        QTest::addColumn<QString>("result");
        QTest::newRow("before ss") << "aa B- D- ii C- ss ww"
                                   << "Oo"
                                   << "aa B- D- ii C- Oo ss ww";
        QTest::newRow("ss wins over an earlier S-") << "S- aa ss ww"
                                                    << "O"
                                                    << "S- aa O ss ww";
        QTest::newRow("S- when no ss") << "aa S- ww"
                                       << "o"
                                       << "aa o S- ww";
        QTest::newRow("Ss") << "aa Ss ww"
                            << "OO"
                            << "aa OO Ss ww";
        QTest::newRow("SS") << "aa SS ww"
                            << "OO"
                            << "aa OO SS ww";
        QTest::newRow("W when no white spotting") << "aa W- D-"
                                                  << "O"
                                                  << "aa O W- D-";
        QTest::newRow("w last") << "aa D- ww"
                                << "O"
                                << "aa D- O ww";
        QTest::newRow("no place") << "aa D-"
                                  << "O"
                                  << "aa D-";
        QTest::newRow("not orange") << "aa ss ww"
                                    << "-"
                                    << "aa ss ww";
        QTest::newRow("empty orange") << "aa ss ww"
                                      << ""
                                      << "aa ss ww";
        QTest::newRow("code without blanks") << "aaB-ssww"
                                             << "O"
                                             << "aaB-Ossww";
    }
    void orangeInsertion()
    {
        QFETCH(QString, gencode);
        QFETCH(QString, orange);
        QFETCH(QString, result);
        QCOMPARE(orangeEinfuegen(gencode, orange), result);
    }

    void geneCodeForSex_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("genkatze");
        QTest::addColumn<QString>("genkater");
        QTest::addColumn<QString>("result"); // "<unchanged>" for no change
        QTest::newRow("no type clears") << 0 << "1"
                                        << "XOXo"
                                        << "XOY"
                                        << "";
        QTest::newRow("tom: X and Y removed") << 3 << "1"
                                              << "XOXO"
                                              << "XOY"
                                              << "aa B- D- O ss ww";
        QTest::newRow("neutered tom") << 3 << "3"
                                      << "XOXO"
                                      << "XoY"
                                      << "aa B- D- o ss ww";
        QTest::newRow("queen: X removed") << 3 << "2"
                                          << "XOXo"
                                          << "XOY"
                                          << "aa B- D- Oo ss ww";
        QTest::newRow("spayed queen") << 3 << "4"
                                      << "XoXo"
                                      << "-"
                                      << "aa B- D- oo ss ww";
        QTest::newRow("tortie for a tom") << 9 << "1"
                                          << "XOXo"
                                          << "-"
                                          << "<unchanged>";
        QTest::newRow("no sex") << 3 << ""
                                << "XOXO"
                                << "XOY"
                                << "<unchanged>";
        QTest::newRow("queen, cut to six") << 3 << "2"
                                           << "OoOoOoOo"
                                           << "-"
                                           << "aa B- D- OoOoOo ss ww";
        QTest::newRow("tom: Y removed after the cut") << 3 << "1"
                                                      << ""
                                                      << "XYYYYYYO"
                                                      << "aa B- D- ss ww";
    }
    void geneCodeForSex()
    {
        QFETCH(int, typ);
        QFETCH(QString, sex);
        QFETCH(QString, genkatze);
        QFETCH(QString, genkater);
        QFETCH(QString, result);
        const auto r = gencodeFuer(typ, sex, GenTyp{"aa B- D- ss ww", genkatze, genkater});
        QCOMPARE(r.value_or("<unchanged>"), result);
    }

    void geneTypeRead()
    {
        CatsFixture f;
        const int n =
            f.add("FARBEGEN.DB",
                  {{"Farbname", "rot"}, {"Gencode", "D- ss ww"}, {"Genkatze", "XOXO"}, {"Genkater", "XOY"}});
        const auto t = genTypLesen(f.db(), n);
        QVERIFY(t);
        QCOMPARE(gencodeFuer(n, "1", *t).value_or("?"), QString("D- O ss ww"));
        QVERIFY(!genTypLesen(f.db(), n + 1));
    }
};

QTEST_GUILESS_MAIN(TstRasseFarbe)
#include "tst_rassefarbe.moc"
