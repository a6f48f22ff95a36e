// The mating planner window on the demo register: opened from its menu, a queen planned against
// every living tom with the engine's coefficient, sorted by a header click, a row analysed in the
// inbreeding window, a tom refused as queen, and the planner opened from the inbreeding window.
#include "../common/ProgramFixture.h"
#include "app/Systemi.h"
#include "breeding/ui/Deckplaner.h"
#include "breeding/ui/Inzuchtgrad.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QLabel>

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

using namespace tav::breeding::ui;
using tav::widgets::Scripted;

class TstDeckplanerFenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    TFormDeckplaner *w = nullptr;
    qint32 koenigin = 0;

    qint32 ersteKatze(const char *sql)
    {
        tav::store::Query q(f.db.get(), QString::fromLatin1(sql));
        q.open();
        return q.eof() ? 0 : q.value(0).toInt();
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(f.start(QSize(1280, 860)), QString());
        registerDeckplaner();
        registerInzuchtgrad();
        tav::app::tsysteminfo::instance()->InzuchtBerechnungAuto = false;
        f.main->updateCommandStates();
        f.main->runCommand("Deckplaner1");
        w = TFormDeckplaner::instance();
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        // the youngest queen with both parents: the deepest pedigree of the demo
        koenigin = ersteKatze("SELECT LaufendeNummer FROM catstamm.db WHERE Geschlecht = '2' AND Vater > 0"
                              " AND Mutter > 0 ORDER BY LaufendeNummer DESC");
        QVERIFY(koenigin > 0);
    }
    void cleanupTestCase() { f.stop(); }

    void planenSortierenAnalysieren()
    {
        QVERIFY(w->setzeKatze(koenigin));
        QTest::mouseClick(w->BtnPlanen, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w->laeuft(), 20000);
        tav::breeding::Deckplaner p;
        p.lese(*f.db);
        QCOMPARE(w->modell()->rowCount(), int(p.kandidaten(w->filter()).size()));
        QVERIFY(w->modell()->rowCount() > 5);

        // a click on the IK heading turns the order round: the highest coefficient first
        QHeaderView *kopf = w->Tabelle->horizontalHeader();
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {},
                          QPoint(kopf->sectionViewportPosition(4) + 5, kopf->height() / 2));
        const QVector<tav::breeding::DeckZeile> &z = w->modell()->zeilen();
        for (int i = 1; i < z.size(); ++i)
            QVERIFY(z[i - 1].fehler != 0 || z[i].fehler != 0 || z[i - 1].koeffizient >= z[i].koeffizient);
        QVERIFY(z.first().beitrag); // the demo has related toms
        w->window()->grab().save(QDir::temp().filePath("mating-planner.png"));

        const QString ik = w->modell()->index(0, 4).data().toString();
        const QRect zelle = w->Tabelle->visualRect(w->modell()->index(0, 0));
        QTest::mouseClick(w->Tabelle->viewport(), Qt::LeftButton, {}, zelle.center());
        QTest::mouseDClick(w->Tabelle->viewport(), Qt::LeftButton, {}, zelle.center());
        TFormInzuchtgrad *i = TFormInzuchtgrad::instance();
        QVERIFY(i);
        QCOMPARE(i->SatznummerVater, z.first().kater);
        QCOMPARE(i->SatznummerMutter, koenigin);
        QCOMPARE(i->EditGenerationen->text().toInt(), w->SpinGenerationen->value());
        QVERIFY2(i->Edit1->text().endsWith(QLatin1Char(' ') + ik), qPrintable(i->Edit1->text() + " / " + ik));
    }

    void katerIstKeineKoenigin()
    {
        Scripted::reset();
        QVERIFY(!w->setzeKatze(ersteKatze("SELECT LaufendeNummer FROM catstamm.db WHERE Geschlecht = '1'")));
        QCOMPARE(Scripted::shown().size(), 1);
        QVERIFY(Scripted::shown()[0].text.contains("keine weibliche Katze"));
        QCOMPARE(w->katze(), koenigin);
    }

    // a queen too young to breed is planned with a note of her age at the kittens' birth; the age
    // is the register check's months setting (7 by default); she is read although she came into
    // the register after the window opened
    void zuJungeKoenigin()
    {
        QVERIFY(w->setzeKatze(koenigin));
        QVERIFY(!w->LabelHinweis->isVisible());
        int kitten = 0;
        {
            tav::store::Table t(f.db.get(), "CATSTAMM.DB");
            t.open();
            t.append();
            t.setValue("Name", "Mimi vom Monatsende");
            t.setValue("Geschlecht", "2");
            t.setValue("GebDatum", QDate::currentDate().addMonths(-1));
            t.post();
            kitten = t.intValue("LaufendeNummer");
        }
        Scripted::reset();
        QVERIFY(w->setzeKatze(kitten));
        QVERIFY(Scripted::shown().isEmpty());
        QVERIFY(w->LabelHinweis->isVisible());
        QVERIFY2(w->LabelHinweis->text().contains(" 3 ") && w->LabelHinweis->text().contains(" 7 "),
                 qPrintable(w->LabelHinweis->text()));
        QTest::mouseClick(w->BtnPlanen, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w->laeuft(), 20000);
        QVERIFY(w->LabelHinweis->isVisible());
        w->window()->grab().save(QDir::temp().filePath("mating-planner-young-queen.png"));
        QVERIFY(w->setzeKatze(koenigin));
        QVERIFY(!w->LabelHinweis->isVisible());
    }

    void ausDemInzuchtfenster()
    {
        TFormInzuchtgrad *i = TFormInzuchtgrad::instance();
        QVERIFY(i);
        const qint32 andere = ersteKatze("SELECT LaufendeNummer FROM catstamm.db WHERE Geschlecht = '2'"
                                         " ORDER BY LaufendeNummer");
        QVERIFY(andere != koenigin);
        i->setzeMutter(andere);
        QTest::mouseClick(i->BitBtnDeckplaner, Qt::LeftButton);
        QCOMPARE(TFormDeckplaner::instance(), w);
        QCOMPARE(w->katze(), andere);
        QCOMPARE(w->modell()->rowCount(), 0);
    }
};

QTEST_MAIN(TstDeckplanerFenster)
#include "tst_deckplanerfenster.moc"
