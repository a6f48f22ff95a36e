#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "cats/ui/Warnung.h"
#include "store/Table.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace tav::widgets;
using tav::cats::ui::TFormWarnungen;

// The reminders after the program's start: what the cat record window's checks found, shown one
// list at a time.
class TstWarnungen : public QObject
{
    Q_OBJECT

    static void zeile(tav::store::Database &db, const QString &tabelle, const QVariantMap &werte)
    {
        tav::store::Table t(&db, tabelle);
        t.open();
        t.append();
        for (auto it = werte.cbegin(); it != werte.cend(); ++it)
            t.setValue(it.key(), it.value());
        t.post();
    }
    // the register holds nothing due: whatever the demo made due today is moved away
    static void nichtsFaellig(tav::store::Database &db)
    {
        const QDate h = QDate::currentDate();
        for (const char *sql : {"DELETE FROM impfung WHERE NeuAm BETWEEN ? AND ?",
                                "DELETE FROM wurmkur WHERE Naechste BETWEEN ? AND ?",
                                "DELETE FROM apotheke WHERE Verfallsdatum BETWEEN ? AND ?"}) {
            tav::store::Query q(&db, QString::fromLatin1(sql));
            q.addBindValue(QString::fromLatin1(sql).contains("apotheke") ? QDate(1, 1, 1) : h.addDays(-6));
            q.addBindValue(QString::fromLatin1(sql).contains("apotheke") ? h : h.addDays(6));
            q.exec();
        }
    }
    static QStringList spalte(QWidget *w, int tag, int column)
    {
        QStringList texte;
        auto *grid = w->findChild<QTableWidget *>(QStringLiteral("Grid%1").arg(tag));
        for (int r = 0; grid && r < grid->rowCount(); ++r)
            texte << grid->item(r, column)->text();
        return texte;
    }
    static bool sichtbar(QWidget *w, int tag)
    {
        auto *grid = w->findChild<QTableWidget *>(QStringLiteral("Grid%1").arg(tag));
        return grid && grid->isVisible();
    }

  private Q_SLOTS:
    void cleanup() { Scripted::reset(); }

    // a vaccination due in 3 days and an expired medicine: the medicines first, then the
    // vaccinations; the last "OK" closes the window
    void dueThingsShownInOrder()
    {
        ProgramFixture f;
        QVERIFY(f.start(QSize(1100, 760)).isEmpty());
        nichtsFaellig(*f.db);
        const int katze = scalar(*f.db, "SELECT min(LaufendeNummer) FROM catstamm").toInt();
        const QString name =
            scalar(*f.db, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?", {katze}).toString();
        const QDate faellig = QDate::currentDate().addDays(3);
        zeile(*f.db, "IMPFUNG.DB", {{"Katze", katze}, {"Impfung", "RCP"}, {"NeuAm", faellig}});
        zeile(*f.db, "APOTHEKE.DB",
              {{"Medikament", "Ohrentropfen"}, {"Verfallsdatum", QDate::currentDate().addDays(-2)}});
        zeile(*f.db, "APOTHEKE.DB", {{"Medikament", "ohne Verfall"}});
        QVERIFY(f.openCatStamm().isEmpty());

        TFormWarnungen *w = TFormWarnungen::FensterZeigen(f.main.get());
        QVERIFY(w && w->isVisible());
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(w->windowTitle(), QStringLiteral("Warnungen"));
        QVERIFY(sichtbar(w, 6521) && !sichtbar(w, 6522) && !sichtbar(w, 6523));
        QCOMPARE(spalte(w, 6521, 0), QStringList{"Ohrentropfen"});
        QDir().mkpath("/tmp/tavrenno-grabs");
        w->grab().save("/tmp/tavrenno-grabs/reminders-medicines.png");

        auto *ok = w->findChild<QPushButton *>("Button1");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!sichtbar(w, 6521) && sichtbar(w, 6522));
        QCOMPARE(spalte(w, 6522, 0), QStringList{faellig.toString("dd.MM.yyyy")});
        QCOMPARE(spalte(w, 6522, 1), QStringList{name});
        w->grab().save("/tmp/tavrenno-grabs/reminders-vaccinations.png");
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_VERIFY(!TFormWarnungen::instance());
        // the checks ran once: their findings are shown once
        QVERIFY(!TFormWarnungen::FensterZeigen(f.main.get()));
        f.stop();
    }

    void nothingDueShowsNoWindow()
    {
        ProgramFixture f;
        QVERIFY(f.start(QSize(1100, 760)).isEmpty());
        nichtsFaellig(*f.db);
        zeile(*f.db, "IMPFUNG.DB",
              {{"Katze", 1}, {"Impfung", "RCP"}, {"NeuAm", QDate::currentDate().addDays(7)}});
        zeile(*f.db, "APOTHEKE.DB",
              {{"Medikament", "frisch"}, {"Verfallsdatum", QDate::currentDate().addDays(1)}});
        QVERIFY(f.openCatStamm().isEmpty());
        QVERIFY(!TFormWarnungen::FensterZeigen(f.main.get()));
        QVERIFY(Scripted::shown().isEmpty());
        f.stop();
    }
};

QTEST_MAIN(TstWarnungen)
#include "tst_warnungen.moc"
