#include "app/Systemi.h"
#include "widgets/Fenstergroesse.h"

#include <QWidget>
#include <QtTest>

using namespace tav::app;

class TstFenstergroesse : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void placesTheWindow()
    {
        tsysteminfo::setWorkAreaProvider(nullptr);
        QWidget w;
        w.resize(300, 200);
        QVERIFY(!tav::widgets::applyAufloesung(&w, "1024x768")); // no work area: size kept
        QCOMPARE(w.size(), QSize(300, 200));

        tsysteminfo::setWorkAreaProvider([] { return QRect(0, 0, 1024, 768); });
        QVERIFY(tav::widgets::applyAufloesung(&w, "Angepasst 1280x1024"));
        QCOMPARE(w.geometry().size(), QSize(1024, 768));
        QCOMPARE(w.pos(), QPoint(0, 0));
        QVERIFY(tav::widgets::applyAufloesung(&w, "Maximized"));
        QVERIFY(w.windowState() & Qt::WindowMaximized);
        QVERIFY(tav::widgets::applyAufloesung(&w, "800x600"));
        QVERIFY(!(w.windowState() & Qt::WindowMaximized));
        QCOMPARE(w.size(), QSize(800, 600));
        QCOMPARE(w.pos(), QPoint(112, 84));

        tav::widgets::installWorkAreaProvider();
        QRect area;
        QVERIFY(tsysteminfo::GetFormMaxRect(area));
        QVERIFY(area.width() > 0);
    }
};

QTEST_MAIN(TstFenstergroesse)
#include "tst_fenstergroesse.moc"
