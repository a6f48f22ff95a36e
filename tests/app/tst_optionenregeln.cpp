#include "app/OptionenRegeln.h"
#include "app/Systemi.h"

#include <QSet>
#include <QtTest>

using namespace tav::app;

class TestOptionenRegeln : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void reihenfolge()
    {
        const Reihenfolge de(Reihenfolge::Stammbaum, 0);
        // a word inside a longer one counts: "Rassecode" also shows "Rasse", which is not offered
        QCOMPARE(de.zeilen("Rassecode"), (QStringList{"Rasse", "Rassecode"}));
        const QStringList angeboten = de.auswahl("Rassecode");
        QVERIFY(!angeboten.contains("Rasse") && !angeboten.contains("RF-Code"));
        QCOMPARE(angeboten.size(), 22 - 3);
        QCOMPARE(de.auswahl(QString()).size(), 21);
        // joined without separator, read back as the comma form
        QCOMPARE(de.order({"Titel", "Farbe", "Rasse"}), QStringLiteral("TitelFarbeRasse"));
        QCOMPARE(stammbaumTokens("TitelFarbeRasse"), stammbaumTokens("Titel,Farbe,Rasse"));
        // German labels: ear tag and stud-book number stand for the storage words
        QCOMPARE(de.order({"Ohrmarkennr.", "Zuchtbuchnr"}), QStringLiteral("Zuchtbuchnr1Täto-Nr."));
        QCOMPARE(de.zeilen("Zuchtbuchnr1Täto-Nr."), (QStringList{"Ohrmarkennr.", "Zuchtbuchnr"}));

        const Reihenfolge en(Reihenfolge::Stammbaum, 1);
        QCOMPARE(en.order({"Died", "Type of coat"}), QStringLiteral("GestorbenFellart"));
        const Reihenfolge enV(Reihenfolge::Verpaarung, 1);
        QCOMPARE(enV.order({"Gekauft", "Verkauft", "Mark", "Tattoo-No."}),
                 QStringLiteral("GekauftVerkauftMerkmaleTäto-Nr."));
        QCOMPARE(enV.zeilen("Fellart,Gekauft"), (QStringList{"Type of coat", "Gekauft"}));
        const Reihenfolge nl(Reihenfolge::Stammbaum, 2);
        QCOMPARE(nl.zeilen("Zuchtbuchnr1"), QStringList{"Zuchtbuchnr1"});

        QStringList z = {"a", "b", "c"};
        zeileVerschieben(z, 2, 0);
        QCOMPARE(z, (QStringList{"c", "a", "b"}));
        zeileVerschieben(z, 0, 5);
        QCOMPARE(z, (QStringList{"c", "a", "b"}));
    }

    void status()
    {
        QCOMPARE(statusText(true, {true, false}), QStringLiteral("alle"));
        QCOMPARE(statusText(false, QVector<bool>(9, false)), QString());
        QCOMPARE(statusText(false, {false, true, false, false, true, false, false, false, true}),
                 QStringLiteral("259"));
        QVERIFY(statusAngekreuzt("25", 5) && !statusAngekreuzt("25", 3));
    }

    // a sort setting picks its item as the store finds its index: without regard to case
    void sortierung()
    {
        QCOMPARE(sortierungsWahl(stammdatenIndexe(), "Nameidx"), 0);
        QCOMPARE(sortierungsWahl(auswahlIndexe(), "Nameidx"), 0);
        QCOMPARE(sortierungsWahl(auswahlIndexe(), "statusname"), 3);
        QCOMPARE(sortierungsWahl(stammdatenIndexe(), "RasseName"), 3);
        QCOMPARE(sortierungsWahl(auswahlIndexe(), "RasseName"), -1);
        QCOMPARE(sortierungsWahl(auswahlIndexe(), "Name.*"), -1);
    }

    // "Speichern" writes exactly the keys of the pages shown
    void seiten()
    {
        const tsysteminfo s;
        QSet<QString> alle;
        for (const IniFile::Entry &e : s.entries())
            alle.insert(e.section + '/' + e.key);
        QSet<QString> gezeigt;
        QVector<OptionenSeite> jede;
        for (int p = 0; p < SeitenAnzahl; ++p) {
            jede << OptionenSeite(p);
            for (const auto &[section, key] : seitenSchluessel(OptionenSeite(p))) {
                const QString k = section + '/' + key;
                QVERIFY2(alle.contains(k), qPrintable(k));     // a key the settings know
                QVERIFY2(!gezeigt.contains(k), qPrintable(k)); // on one page only
                gezeigt.insert(k);
            }
        }
        QSet<QString> ohne = alle - gezeigt;
        QCOMPARE(ohne, (QSet<QString>{"Stammbaum/MitName", "Drucken/Schriftart", "Drucken/Schriftgroese",
                                      "System/WaehrungsumrechnungFaktor", "System/WaehrungsumrechnungAm",
                                      "LASTCATS/Cat1", "LASTCATS/Cat2", "LASTCATS/Cat3", "LASTCATS/Cat4",
                                      "LASTCATS/Cat5"}));
        QCOMPARE(seitenEintraege(s, jede).size(), gezeigt.size());

        const auto matings = seitenEintraege(s, {SeiteVerpaarung});
        QCOMPARE(matings.size(), 1);
        QCOMPARE(matings[0].key, QStringLiteral("Anzeige"));
        QStringList wurfbuch;
        for (const IniFile::Entry &e : seitenEintraege(s, {SeiteWurfbuch, SeiteInzucht}))
            wurfbuch << e.section + '/' + e.key;
        QCOMPARE(wurfbuch,
                 (QStringList{"Stammdaten/BerechnungGebtermin", "Wurfbuch/BerechnungRolligkeit",
                              "Wurfbuch/BerechnungPlusMinus", "Wurfbuch/BerechnungAbgabetermin",
                              "Inzucht/Generationen", "Inzucht/StbGenerationen", "Inzucht/BerechnungAuto",
                              "Inzucht/Fenster", "Inzucht/mitVorfahren"}));
    }
};

QTEST_GUILESS_MAIN(TestOptionenRegeln)
#include "tst_optionenregeln.moc"
