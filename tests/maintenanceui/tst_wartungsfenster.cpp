// The maintenance windows on the demo register: the index reconstruction from the System menu,
// and the search-and-replace dialog on a grid over a real table.
#include "../common/ProgramFixture.h"
#include "maintenance/ui/Indexrekonstruktion.h"
#include "maintenance/ui/SuchenErsetzen.h"
#include "store/Table.h"
#include "widgets/ChildWindow.h"
#include "widgets/DBGrid.h"
#include "widgets/DbEngine.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace tav::app;
using namespace tav::widgets;
using namespace tav::maintenance::ui;
using tav::store::Table;

class TstWartungsfenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    static QString zuletzt()
    {
        const auto &shown = Scripted::shown();
        return shown.isEmpty() ? QString() : shown.last().text;
    }
    static void grab(QWidget *w, const QString &name)
    {
        const QString dir = qEnvironmentVariable("TAV_GRAB_DIR");
        if (!dir.isEmpty())
            w->grab().save(dir + "/" + name);
    }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1000, 700));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
    void cleanupTestCase() { f.stop(); }

    void indexReconstruction()
    {
        registerIndexrekonstruktion();
        QAction *a = f.main->action("Indexrekonstruktion1");
        QVERIFY(a && a->isEnabled());
        a->trigger();
        auto *w = TFormIndexrekonstruktion::instance();
        QVERIFY(w);
        QVERIFY(w->Gruppen[14]->isHidden());
        grab(w->parentWidget(), "indexrekonstruktion.png");
        Scripted::reset();

        // nothing ticked: finished, and the program goes on
        w->BitBtnStart->click();
        QCOMPARE(zuletzt(), messageText(7250));
        QVERIFY(!TDBError::indexrekonstruktion());

        f.db->dropIndex("Vereine.db", "VereinIdx");
        w->Gruppen[8]->setChecked(true);
        bool startFrei = true;
        QTimer::singleShot(0, w, [&] { startFrei = w->BitBtnStart->isEnabled(); });
        w->BitBtnStart->click();
        QVERIFY(!startFrei);
        QVERIFY(w->BitBtnStart->isEnabled() && !w->BitBtnAbbruch->isEnabled());
        QCOMPARE(zuletzt(), messageText(7250));
        QVERIFY(f.db->indexNames("Vereine.db").contains("VereinIdx"));
        QVERIFY(TDBError::indexrekonstruktion());
        TDBError::resetIndexrekonstruktion();

        // a group that fails is named
        const QString zwinger = f.db->resolve("zwingreg.db");
        QVERIFY(QFile::rename(zwinger, zwinger + ".weg"));
        w->Gruppen[8]->setChecked(false);
        w->Gruppen[10]->setChecked(true);
        w->BitBtnStart->click();
        QVERIFY(QFile::rename(zwinger + ".weg", zwinger));
        QVERIFY(zuletzt().startsWith(messageText(7251)));
        QVERIFY(zuletzt().contains("Zwingerregister"));
        TDBError::resetIndexrekonstruktion();
        w->close();
        // the run closed every table, the catalogues too; the program would start again now
        sprache().open(f.db.get());
    }

    void searchAndReplace()
    {
        int bisher = 0;
        {
            Table v(f.db.get(), "Vereine.db");
            v.open();
            for (v.first(); !v.eof(); v.next())
                bisher = std::max(bisher, v.intValue("LaufendeNummer"));
            for (const char *n : {"Cat Club Nord", "Katzenfreunde", "My Cattery", "Cat Friends"}) {
                v.append();
                v.setValue("Verein", QString::fromUtf8(n));
                v.post();
            }
        }
        Table t(f.db.get(), "Vereine.db");
        t.setIndexName("VereinIdx");
        t.setFilter(QString("LaufendeNummer > %1").arg(bisher)); // the demo's clubs stay out
        t.setFiltered(true);
        t.open();
        DataSource source(&t);
        QWidget caller;
        caller.resize(600, 400);
        auto *grid = new DBGrid(&source, &caller);
        grid->resize(600, 400);
        grid->tableModel()->addColumn("Verein", "Verein", true);
        grid->tableModel()->addColumn("LaufendeNummer", "Nr");
        caller.show();
        QVERIFY(QTest::qWaitForWindowExposed(&caller));
        Scripted::reset();
        QVERIFY(!messageText(200).isEmpty() && !captionText(1528).isEmpty());

        TFormSuchen_Ersetzen *d = TFormSuchen_Ersetzen::oeffnen(grid, &caller);
        QCOMPARE(d->modus(), 2);
        QCOMPARE(d->feldName(), QString("Verein"));
        d->BitBtnSuchen->click();
        QCOMPARE(zuletzt(), messageText(204));

        QTest::keyClicks(d->Editsuche, "Cat");
        QTest::keyClicks(d->Editersetzen, "Dog");
        d->BitBtnSuchen->click();
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(t.text("Verein"), QString("Cat Club Nord"));
        QCOMPARE(d->BitBtnSuchen->text(), captionText(1528));
        grab(d, "suchenersetzen.png");
        d->BitBtnErsetzen->click();
        Table probe(f.db.get(), "Vereine.db");
        probe.open();
        QVERIFY(probe.locate("Verein", "Dog Club Nord"));
        QVERIFY(!d->BitBtnErsetzen->isEnabled());

        d->BitBtnSuchen->click(); // goes on after the replaced row
        QCOMPARE(t.text("Verein"), QString("Cat Friends"));
        QCOMPARE(grid->currentIndex().row(), t.recNo() - 1);
        d->BitBtnAlleErsetzen->click();
        QCOMPARE(zuletzt(), messageText(201) + " 2" + messageText(202));
        QStringList namen;
        for (t.first(); !t.eof(); t.next())
            namen << t.text("Verein");
        QCOMPARE(namen, QStringList({"Dog Club Nord", "Dog Friends", "Katzenfreunde", "My Dogtery"}));

        QTest::keyClicks(d->Editsuche, "Hund");
        d->BitBtnSuchen->click();
        QCOMPARE(zuletzt(), messageText(200));

        // another column: the dialog follows it, takes digits only and replaces nothing there
        const QRect zelle = grid->visualRect(grid->tableModel()->index(1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, zelle.center());
        QCOMPARE(d->feldName(), QString("LaufendeNummer"));
        QCOMPARE(d->modus(), 1);
        QVERIFY(d->Editsuche->text().isEmpty() && !d->BitBtnErsetzen->isVisible());
        QTest::keyClicks(d->Editsuche, "a1.");
        QCOMPARE(d->Editsuche->text(), QString("1"));
        d->close();
        QTRY_VERIFY(!TFormSuchen_Ersetzen::instance());

        // a read-only grid: searching only, and the note says why
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setCurrentIndex(grid->tableModel()->index(0, 0));
        d = TFormSuchen_Ersetzen::oeffnen(grid, &caller);
        QCOMPARE(d->modus(), 1);
        QVERIFY(!d->BitBtnErsetzen->isVisible() && !d->BitBtnAlleErsetzen->isVisible());
        QCOMPARE(d->Label2->text(), captionText(1593));
        QTest::keyClicks(d->Editsuche, "Dog");
        d->BitBtnSuchen->click();
        QCOMPARE(t.text("Verein"), QString("Dog Club Nord"));
        grab(d, "suchenlesemodus.png");
        d->close();
    }
};

QTEST_MAIN(TstWartungsfenster)
#include "tst_wartungsfenster.moc"
