#include "../common/InzuchtTexte.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/PedigreeSource.h"
#include "breeding/ui/InzuchtFortschritt.h"
#include "shell/Main.h"
#include "store/Database.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace tav::breeding;
using namespace tav::breeding::ui;

namespace {
// full siblings mated over several generations: 1 x 2 -> 3, 4; 3 x 4 -> 5, 6; ...
MemoryPedigree sibChain(int generations)
{
    MemoryPedigree p;
    p.setzeKatze(1, "A", 0, 0, 0, "1");
    p.setzeKatze(2, "B", 0, 0, 0, "2");
    int sire = 1, dam = 2, next = 3;
    for (int g = 0; g < generations; ++g) {
        p.setzeKatze(next, QString("S%1").arg(g), sire, dam, 0, "1");
        p.setzeKatze(next + 1, QString("D%1").arg(g), sire, dam, 0, "2");
        sire = next;
        dam = next + 1;
        next += 2;
    }
    return p;
}
} // namespace

class TstInzuchtFortschritt : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void fullAnalysisRunsWithTheDialog()
    {
        const MemoryPedigree p = sibChain(3);
        InzuchtBerechnung engine(p);
        QVERIFY(berechneMitFortschritt(engine, 0, 3, 4, 6, true, nullptr));
        QCOMPARE(ergebnisVon(engine).koeffizient, 0.25);
        QVERIFY(!engine.fortschritt); // the dialog's callback does not outlive it
        QVERIFY(!engine.phase);
    }

    // both ways of calculating name their stages in order: building, then analysing
    void stagesInOrder_data()
    {
        QTest::addColumn<int>("weg");
        QTest::newRow("tree") << int(InzuchtBerechnung::Rechenweg::Baum);
        QTest::newRow("fast") << int(InzuchtBerechnung::Rechenweg::Schnell);
    }
    void stagesInOrder()
    {
        QFETCH(int, weg);
        const MemoryPedigree p = sibChain(3);
        InzuchtBerechnung engine(p);
        engine.einstellungen.weg = InzuchtBerechnung::Rechenweg(weg);
        QList<int> stages;
        engine.phase = [&](int m) { stages << m; };
        QVERIFY(engine.Berechne(0, 3, 4, 6, true));
        QCOMPARE(stages, QList<int>({134, 132}));
        stages.clear();
        QVERIFY(engine.Berechne(0, 3, 4, 6, false)); // quick mode shows no stages
        QVERIFY(stages.isEmpty());
    }

    // "Abbruch" stops the calculation: no result, and the main window may start the next one
    void cancelStopsAndClearsTheRunningFlag()
    {
        QTemporaryDir dir;
        tav::store::Database db(dir.path());
        tav::shell::TMirravel main(&db);
        const MemoryPedigree p = sibChain(8);
        InzuchtBerechnung engine(p);
        bool clicked = false;
        QTimer::singleShot(0, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *dlg = qobject_cast<TFormInzuchtFortschritt *>(w)) {
                    QVERIFY(main.InzuchtBerechne);
                    QTest::mouseClick(dlg->BitBtnAbbruch, Qt::LeftButton);
                    clicked = true;
                }
            }
        });
        QVERIFY(!berechneMitFortschritt(engine, 0, 15, 16, 12, true, &main));
        QVERIFY(clicked);
        QVERIFY(!main.InzuchtBerechne);
        // a second calculation runs to its end
        QVERIFY(berechneMitFortschritt(engine, 0, 3, 4, 6, true, &main));
        QCOMPARE(ergebnisVon(engine).koeffizient, 0.25);
        // and none starts while one is running
        main.InzuchtBerechne = true;
        QVERIFY(!berechneMitFortschritt(engine, 0, 3, 4, 6, false, &main));
        main.InzuchtBerechne = false;
    }
};

QTEST_MAIN(TstInzuchtFortschritt)
#include "tst_inzuchtfortschritt.moc"
