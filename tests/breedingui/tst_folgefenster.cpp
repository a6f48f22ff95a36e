// The windows that show the current cat follow the cat record window: a double click in the main
// window's cat list (also on the cat already shown) and a rename reach the direct and all
// descendants, the matings, the inbreeding and the pedigree trait statistics.
#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "breeding/ui/Inzuchtgrad.h"
#include "breeding/ui/ListeNachkommen.h"
#include "breeding/ui/Nachkommen.h"
#include "breeding/ui/StatistikStammbaumFenster.h"
#include "breeding/ui/Verpaarung.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

using namespace tav::widgets;
using namespace tav::breeding::ui;
using tav::cats::ui::TCatStamm;

class TstFolgefenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    qint32 kater = 0, katze = 0, grossvater = 0;

    qint32 neu(const QString &name, const char *geschlecht, qint32 vater = 0, qint32 mutter = 0)
    {
        tav::store::Table t(f.db.get(), "CATSTAMM.DB");
        t.open();
        t.append();
        t.setValue("Name", name);
        t.setValue("Geschlecht", geschlecht);
        t.setValue("Vater", vater ? QVariant(vater) : QVariant());
        t.setValue("Mutter", mutter ? QVariant(mutter) : QVariant());
        t.post();
        return t.intValue("LaufendeNummer");
    }
    // a double click on the cat's row of the main window's list
    void doppelklick(qint32 nr)
    {
        DBGrid *liste = f.main->catList();
        f.main->positionListOn(nr);
        const QModelIndex zeile = liste->currentIndex();
        QVERIFY(zeile.isValid());
        liste->scrollTo(zeile);
        const QPoint p = liste->visualRect(zeile).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, p);
        QTest::mousePress(liste->viewport(), Qt::LeftButton, {}, p);
        QMouseEvent doppelt(QEvent::MouseButtonDblClick, p, liste->viewport()->mapToGlobal(p), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(liste->viewport(), &doppelt);
        QTest::mouseRelease(liste->viewport(), Qt::LeftButton, {}, p);
        QCOMPARE(TCatStamm::instance()->aktuelleKatze(), nr);
        QCoreApplication::processEvents();
    }
    // every following window shows the cat of that name and number
    void zeigenAlle(qint32 nr, const QString &name)
    {
        TFormNachkommen *direkt = TFormNachkommen::instance();
        QCOMPARE(direkt->LabelKatze->text(), name);
        QCOMPARE(direkt->karten().size(), nr == katze ? 2 : 1);
        QCOMPARE(TFormListeNachkommen::instance()->TreeView1->topLevelItem(0)->text(0),
                 QStringLiteral("%1 {%2}").arg(name).arg(nr));
        TFormVerpaarung *verpaarung = TFormVerpaarung::instance();
        QCOMPARE(verpaarung->tiernummer, nr);
        QVERIFY2(verpaarung->LabelKatze->text().contains(name), qPrintable(verpaarung->LabelKatze->text()));
        TFormStatistikMerkmaleStammbaum *statistik = TFormStatistikMerkmaleStammbaum::instance();
        QCOMPARE(statistik->satzKatze, nr);
        QCOMPARE(statistik->DBEdit1->text(), name);
        // both count again for the new cat
        QTRY_VERIFY(!statistik->Memo1->toPlainText().isEmpty());
        TFormInzuchtgrad *inzucht = TFormInzuchtgrad::instance();
        QCOMPARE(inzucht->SatznummerKatze, nr);
        QVERIFY2(inzucht->EditKatze->text().startsWith(name), qPrintable(inzucht->EditKatze->text()));
        QTRY_VERIFY(!inzucht->Edit1->text().isEmpty());
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(f.start(QSize(1280, 900), true).isEmpty());
        grossvater = neu("Folge Grossvater", "1");
        const qint32 grossmutter = neu("Folge Grossmutter", "2");
        kater = neu("Folge Kater", "1", grossvater, grossmutter);
        katze = neu("Folge Katze", "2", grossvater, grossmutter);
        const qint32 fremd = neu("Folge Fremdkater", "1");
        neu("Folge Kind A", "2", kater, grossmutter);
        neu("Folge Kind B", "1", fremd, katze);
        neu("Folge Kind C", "4", fremd, katze);
        // the list lists them all
        tav::app::tsysteminfo::instance()->Status = QStringLiteral("alle");
        f.main->applyListSettings();
        QVERIFY(f.openCatStamm().isEmpty());
        registerNachkommen();
        registerVerpaarung();
        registerInzuchtgrad();
        registerStatistikStammbaum();
        f.main->updateCommandStates();
    }
    void cleanupTestCase() { f.stop(); }

    void followTheCatShown()
    {
        doppelklick(kater);
        for (const char *eintrag : {"DatenderNachkommen1", "ListederNachkommen2", "VerpaarungenundWuerfe1",
                                    "MerkmaleeinesStammbaumes1", "Inzuchtgrad1"})
            f.main->runCommand(QString::fromLatin1(eintrag));
        QVERIFY(TFormNachkommen::instance() && TFormListeNachkommen::instance() &&
                TFormVerpaarung::instance() && TFormStatistikMerkmaleStammbaum::instance() &&
                TFormInzuchtgrad::instance());
        QCOMPARE(TFormNachkommen::instance()->LabelKatze->text(), QStringLiteral("Folge Kater"));
        TFormInzuchtgrad::instance()->berechnen();

        doppelklick(katze);
        zeigenAlle(katze, QStringLiteral("Folge Katze"));

        // renamed in the cat record window: the windows show the new name
        QVERIFY(TCatStamm::instance()->DataSourceCatStamm()->setFieldValue("Name", "Folge Katze Neu"));
        QVERIFY(TCatStamm::instance()->Speichern());
        zeigenAlle(katze, QStringLiteral("Folge Katze Neu"));

        // a cat without parents is taken, not calculated: passing by it asks nothing
        Scripted::reset();
        doppelklick(grossvater);
        QTest::qWait(50);
        QCOMPARE(TFormInzuchtgrad::instance()->SatznummerKatze, grossvater);
        QVERIFY2(Scripted::shown().isEmpty(), qPrintable(Scripted::shown().value(0).text));
    }

    void aPlannedMatingTakesTomAndQueen()
    {
        TFormInzuchtgrad *w = TFormInzuchtgrad::instance();
        w->RadioEltern->setChecked(true);
        // the queen shown already: a double click on her makes her the dam all the same
        doppelklick(katze);
        QCOMPARE(w->SatznummerMutter, katze);
        QCOMPARE(w->EditMutter->text(), QStringLiteral("Folge Katze Neu"));
        doppelklick(kater);
        QCOMPARE(w->SatznummerVater, kater);
        QCOMPARE(w->SatznummerMutter, katze);
        QCOMPARE(w->EditVater->text(), QStringLiteral("Folge Kater"));
    }
};

QTEST_MAIN(TstFolgefenster)
#include "tst_folgefenster.moc"
