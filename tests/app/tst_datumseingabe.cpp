#include "app/Datumseingabe.h"

#include <QtTest>

using namespace tav::app;

// Dates as typed into fields and grid cells: the form the program shows, in every language.
class TstDatumseingabe : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void datum_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gueltig");
        QTest::addColumn<QDate>("datum");
        QTest::newRow("shown form") << "01.01.2026" << true << QDate(2026, 1, 1);
        QTest::newRow("one digit, blanks") << " 5.6.2024 " << true << QDate(2024, 6, 5);
        QTest::newRow("two-digit year 20xx") << "31.12.49" << true << QDate(2049, 12, 31);
        QTest::newRow("two-digit year 19xx") << "01.01.50" << true << QDate(1950, 1, 1);
        QTest::newRow("leap day") << "29.02.2024" << true << QDate(2024, 2, 29);
        QTest::newRow("empty is no date, not wrong") << "   " << true << QDate();
        QTest::newRow("letters") << "abc" << false << QDate();
        QTest::newRow("letters in a date") << "01.0a.2026" << false << QDate();
        QTest::newRow("no leap day") << "29.02.2023" << false << QDate();
        QTest::newRow("month 13") << "01.13.2026" << false << QDate();
        QTest::newRow("order not guessed") << "01/02/2026" << false << QDate();
        QTest::newRow("stored form is not typed") << "2026-01-01" << false << QDate();
        QTest::newRow("three-digit year") << "01.01.202" << false << QDate();
    }
    void datum()
    {
        QFETCH(QString, text);
        QFETCH(bool, gueltig);
        QFETCH(QDate, datum);
        const std::optional<QDate> d = eingabeDatum(text);
        QCOMPARE(d.has_value(), gueltig);
        if (d)
            QCOMPARE(*d, datum);
    }

    void zeitpunkt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gueltig");
        QTest::addColumn<QDateTime>("wert");
        QTest::addColumn<QString>("gezeigt");
        const QDate d(2026, 1, 1);
        QTest::newRow("date alone is midnight")
            << "01.01.2026" << true << QDateTime(d, QTime(0, 0)) << "01.01.2026";
        QTest::newRow("with a time") << "01.01.2026 14:30" << true << QDateTime(d, QTime(14, 30))
                                     << "01.01.2026 14:30";
        QTest::newRow("with seconds")
            << "1.1.2026 7:05:09" << true << QDateTime(d, QTime(7, 5, 9)) << "01.01.2026 07:05:09";
        QTest::newRow("empty") << "" << true << QDateTime() << "";
        QTest::newRow("hour 25") << "01.01.2026 25:00" << false << QDateTime() << "";
        QTest::newRow("letters") << "heute" << false << QDateTime() << "";
    }
    void zeitpunkt()
    {
        QFETCH(QString, text);
        QFETCH(bool, gueltig);
        QFETCH(QDateTime, wert);
        QFETCH(QString, gezeigt);
        const std::optional<QDateTime> z = eingabeZeitpunkt(text);
        QCOMPARE(z.has_value(), gueltig);
        if (!z)
            return;
        QCOMPARE(*z, wert);
        // what is shown is read back as the same moment
        QCOMPARE(zeitpunktText(*z), gezeigt);
        QCOMPARE(eingabeZeitpunkt(zeitpunktText(*z)), z);
    }
};

QTEST_GUILESS_MAIN(TstDatumseingabe)
#include "tst_datumseingabe.moc"
