#include "cats/Stammdaten.h"

#include <QtTest>

using namespace tav::cats;

Q_DECLARE_METATYPE(Adresse)

class TstStammdaten : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void addressBlock_data()
    {
        QTest::addColumn<Adresse>("adresse");
        QTest::addColumn<QString>("anzeige");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("country code in front")
            << Adresse{"Berger", "Anna", "Hauptstr. 1", "12345", "Ort", "D", "0123"} << QString()
            << QStringList{"Berger, Anna", "Hauptstr. 1", "D-12345 Ort", "0123"};
        QTest::newRow("long country last") << Adresse{"Smith", "", "", "", "Leeds", "England", ""}
                                           << QString() << QStringList{"Smith", "Leeds", "England"};
        QTest::newRow("town without postcode, nothing else")
            << Adresse{"Meier", "Jo", "", "", "", "", ""} << QString() << QStringList{"Meier, Jo"};
        QTest::newRow("picked in the dialog")
            << Adresse{"Meier", "Jo", "Weg 2", "1", "X", "", ""} << QString("Jo Meier (Zwinger)")
            << QStringList{"Jo Meier (Zwinger)", "Weg 2", "1 X"};
    }
    void addressBlock()
    {
        QFETCH(Adresse, adresse);
        QFETCH(QString, anzeige);
        QFETCH(QStringList, zeilen);
        QCOMPARE(adressBlock(adresse, anzeige), zeilen);
    }

    void ageDisplay()
    {
        const QDate heute(2024, 6, 1);
        // living cat
        AlterAnzeige a = alterAnzeige(QDate(2020, 1, 1), QDate(), 2, 4, "4 Jahre");
        QVERIFY(a.mitGeburt && !a.tot);
        QCOMPARE(a.alterAkt, QString("4 Jahre"));
        QVERIFY(a.alter.isEmpty());
        // dead: the age reached
        a = alterAnzeige(QDate(2000, 1, 1), QDate(2010, 1, 1), 2, 10, "10 Jahre");
        QVERIFY(a.tot);
        QCOMPARE(a.alter, QString("10 Jahre"));
        QVERIFY(a.alterAkt.isEmpty());
        // older than 25 years without a death date: shown as dead with an empty age
        a = alterAnzeige(QDate(1990, 1, 1), QDate(), 2, 34, "34 Jahre");
        QVERIFY(a.tot);
        QVERIFY(a.alter.isEmpty() && a.alterAkt.isEmpty());
        // status 4 counts as dead, 25 years still alive
        QVERIFY(alterAnzeige(QDate(2020, 1, 1), QDate(), 4, 4, "x").tot);
        QVERIFY(!alterAnzeige(QDate(1999, 1, 1), QDate(), 2, 25, "x").tot);
        // no birth date: nothing
        QVERIFY(!alterAnzeige(QDate(), QDate(), 2, 0, QString()).mitGeburt);
        QCOMPARE(alterEnde(QDate(), 2, heute), heute);
        QCOMPARE(alterEnde(QDate(2020, 5, 5), 2, heute), QDate(2020, 5, 5));
        QVERIFY(!alterEnde(QDate(), 4, heute).isValid());

        // from the dates alone: the years up to the end date decide the 25-year rule
        a = alterAnzeigeAm(QDate(1990, 1, 1), QDate(), 2, heute);
        QVERIFY(a.tot && a.alter.isEmpty());
        a = alterAnzeigeAm(QDate(2000, 1, 1), QDate(2010, 1, 1), 2, heute);
        QVERIFY(a.tot && a.alter.startsWith(QLatin1String("10")) && a.alterAkt.isEmpty());
        a = alterAnzeigeAm(QDate(2020, 1, 1), QDate(), 2, heute);
        QVERIFY(!a.tot && a.alterAkt.startsWith(QLatin1String("4")));
        a = alterAnzeigeAm(QDate(2020, 1, 1), QDate(), 4, heute); // dead without a date: no age
        QVERIFY(a.tot && a.alter.isEmpty() && a.alterAkt.isEmpty());
    }

    void remarkPreview_data()
    {
        QTest::addColumn<QString>("bemerkung");
        QTest::addColumn<QString>("vorschau");
        QTest::newRow("short") << "kurz"
                               << "kurz";
        QTest::newRow("few words") << "sehr liebe Katze"
                                   << "sehr liebe Katze";
        QTest::newRow("seven words") << "a b c d e f g h"
                                     << "a b c d e f  ...";
        QTest::newRow("long word cut") << "Eine_sehr_lange_Bemerkung_ohne_Leerzeichen"
                                       << "Eine_sehr_lange_Beme ...";
    }
    void remarkPreview()
    {
        QFETCH(QString, bemerkung);
        QFETCH(QString, vorschau);
        QCOMPARE(bemerkungVorschau(bemerkung), vorschau);
    }

    void pictureFit()
    {
        // wide picture in a square panel: limited by the width, centred vertically
        QCOMPARE(bildEinpassen(QSize(200, 100), QSize(73, 73), 3, true), QRect(3, 20, 67, 33));
        // tall picture: limited by the height
        QCOMPARE(bildEinpassen(QSize(100, 400), QSize(200, 200), 0, true), QRect(75, 0, 50, 200));
        // not fitted: natural size, centred
        QCOMPARE(bildEinpassen(QSize(50, 40), QSize(200, 100), 0, false), QRect(75, 30, 50, 40));
        QVERIFY(bildEinpassen(QSize(), QSize(10, 10), 0, true).isNull());
    }

    void printPictureAfterDelete()
    {
        QCOMPARE(druckBildNachLoeschen(3, 1), 2); // in front: follows its picture
        QCOMPARE(druckBildNachLoeschen(3, 3), 0); // itself: no choice
        QCOMPARE(druckBildNachLoeschen(2, 3), 2); // behind: unchanged
        QVERIFY(!druckBildGueltig(0, 3));
        QVERIFY(!druckBildGueltig(4, 3));
        QVERIFY(druckBildGueltig(3, 3));
        QCOMPARE(bildZaehler(0, 0, 1), QString("Picture 0 of 0"));
        QCOMPARE(bildZaehler(2, 5, 2), QString("Afbeelding 2 van 5"));
        QCOMPARE(bildZaehler(1, 3, 0), QString("Bild 1 von 3"));
    }

    void caption()
    {
        QCOMPARE(katzeUeberschrift("Amira", "01.02.2020", "blau"), QString("Amira, 01.02.2020, blau"));
        QCOMPARE(katzeUeberschrift("Amira", "", "  "), QString("Amira"));
    }
};

QTEST_APPLESS_MAIN(TstStammdaten)
#include "tst_stammdaten.moc"
