// Page "&Stammdaten" of the cat record window: the colour search, the remark, the status and age
// panel, and the gene group.
#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "cats/Stammdaten.h"
#include "cats/ui/CatRecordBaseDataPage.h"
#include "cats/ui/Pcatstam.h"
#include "shell/Main.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/Nav2.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

using namespace tav::app;
using namespace tav::widgets;
using namespace tav::shell;
using namespace tav::store;
using tav::cats::ui::TCatStamm;

namespace {

template <class W> W *byTag(QWidget *root, int tag)
{
    for (W *w : root->findChildren<W *>()) {
        if (w->property("tag").toInt() == tag)
            return w;
    }
    return nullptr;
}
} // namespace

class TstCatStammSeite0 : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    TCatStamm *w() const { return TCatStamm::instance(); }
    DBEdit *nameEdit() { return w()->findChild<DBEdit *>("DBName"); }
    void leaveName()
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(nameEdit(), &out);
    }
    void newCat(const QString &name)
    {
        f.main->action("KatzeNeuItem")->trigger();
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QTest::keyClicks(nameEdit(), name);
        leaveName();
    }
    void save() { f.main->action("FileSaveAsItem")->trigger(); }
    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QString failed = f.start(QSize(1280, 860), false);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        failed = f.openCatStamm();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void cleanupTestCase() { f.stop(); }

    void init() { Scripted::reset(); }

    void cleanup()
    {
        Scripted::reset();
        if (w() && w()->DBCatStamm()->isEditing())
            w()->DataSourceCatStamm()->undo();
        settle();
    }
    // typing into a colour combo searches its list table; Qt's own completion does not rewrite the text
    void typingIntoAColourComboSearchesTheList()
    {
        QTest::mouseClick(w()->navigator()->button(TNavigateBtn::nbFirst), Qt::LeftButton);
        struct Fall {
            const char *combo, *table, *field, *feld;
        };
        for (const Fall &fall : {Fall{"DBComboBoxFarbe", "farbe", "Farbname", "FellFarbe"},
                                 Fall{"DBComboBoxAugenfarbe", "augen", "Augenfarbe", "Augenfarbe"}}) {
            auto *combo = w()->findChild<QComboBox *>(fall.combo);
            QVERIFY(combo);
            QVERIFY(!combo->completer());
            // the second name in the list order, typed without its first letter's case
            const QString name = scalar(*f.db, QString("SELECT %1 FROM %2 WHERE length(%1) > 4 ORDER BY %1 "
                                                       "LIMIT 1 OFFSET 1")
                                                   .arg(fall.field, fall.table))
                                     .toString();
            QVERIFY2(!name.isEmpty(), fall.table);
            const QString prefix = name.left(3);
            const QString expected = scalar(*f.db,
                                            QString("SELECT %1 FROM %2 WHERE %1 >= ? ORDER BY %1 LIMIT 1")
                                                .arg(fall.field, fall.table),
                                            {prefix})
                                         .toString();
            combo->setFocus();
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo, prefix);
            QCOMPARE(w()->basisSeite()->farbSuche(), prefix);
            QCOMPARE(combo->currentText(), prefix);
            QCOMPARE(w()->DBCatStamm()->text(fall.feld), prefix);
            // the list opens on the nearest entry
            combo->showPopup();
            settle();
            QVERIFY(combo->view()->currentIndex().data().toString().endsWith(expected));
            combo->hidePopup();
            // one more letter narrows the search from the text shown
            QTest::keyClicks(combo, name.mid(3, 1));
            QCOMPARE(w()->basisSeite()->farbSuche(), name.left(4));
            combo->showPopup();
            settle();
            const QString expected4 = scalar(*f.db,
                                             QString("SELECT %1 FROM %2 WHERE %1 >= ? ORDER BY %1 LIMIT 1")
                                                 .arg(fall.field, fall.table),
                                             {name.left(4)})
                                          .toString();
            QVERIFY2(combo->view()->currentIndex().data().toString().endsWith(expected4),
                     qPrintable(combo->view()->currentIndex().data().toString() + " / " + expected4));
            combo->hidePopup();
            w()->DataSourceCatStamm()->undo();
        }
        // a move to another cat starts a new search
        QTest::mouseClick(w()->navigator()->button(TNavigateBtn::nbNext), Qt::LeftButton);
        QVERIFY(w()->basisSeite()->farbSuche().isEmpty());
    }

    // the preview line of the remark opens the full remark; a click on it or the mouse on its panel
    // closes it; a low main window shows neither
    void remarkPreviewOpensTheFullRemark()
    {
        QTest::mouseClick(w()->navigator()->button(TNavigateBtn::nbFirst), Qt::LeftButton);
        const int nr = w()->aktuelleKatze();
        const QString vorher = w()->DBCatStamm()->text("Bemerkung");
        const QString bemerkung =
            "Sehr verschmuste Katze mit ruhigem Wesen und langem Fell, frisst gern Huhn";
        w()->DataSourceCatStamm()->setFieldValue("Bemerkung", bemerkung);
        Scripted::answer(QMessageBox::Yes);
        save();
        QCOMPARE(scalar(*f.db, "SELECT Bemerkung FROM catstamm WHERE LaufendeNummer = ?", {nr}).toString(),
                 bemerkung);
        // the post rebuilds the preview
        auto *vorschau = w()->findChild<QPlainTextEdit *>("ButtonInfo");
        auto *panel = w()->findChild<QFrame *>("PanelZusatzInfo");
        auto *memo = w()->findChild<QPlainTextEdit *>("DBInfoZusatz");
        QVERIFY(vorschau && panel && memo);
        QVERIFY(vorschau->isVisible());
        QCOMPARE(vorschau->toPlainText(), tav::cats::bemerkungVorschau(bemerkung));
        QVERIFY(vorschau->toPlainText().endsWith(" ..."));
        QVERIFY(!panel->isVisible());

        QTest::mouseClick(vorschau->viewport(), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QCOMPARE(memo->toPlainText(), bemerkung);
        QTest::mouseClick(memo->viewport(), Qt::LeftButton);
        QVERIFY(!panel->isVisible());

        QTest::mouseClick(vorschau->viewport(), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QMouseEvent bewegt(QEvent::MouseMove, QPointF(3, 3), panel->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(panel, &bewegt);
        QVERIFY(!panel->isVisible());

        // the compact layout: neither the preview nor the full remark
        QTest::mouseClick(vorschau->viewport(), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        f.main->resize(1280, 650);
        w()->FensterTierAendern();
        QVERIFY(!vorschau->isVisible());
        QVERIFY(!panel->isVisible());
        f.main->resize(1280, 860);
        w()->FensterTierAendern();
        QVERIFY(vorschau->isVisible());

        // another cat closes the full remark
        QTest::mouseClick(vorschau->viewport(), Qt::LeftButton);
        QTest::mouseClick(w()->navigator()->button(TNavigateBtn::nbNext), Qt::LeftButton);
        QVERIFY(!panel->isVisible());

        QTest::mouseClick(w()->navigator()->button(TNavigateBtn::nbFirst), Qt::LeftButton);
        w()->DataSourceCatStamm()->setFieldValue("Bemerkung",
                                                 vorher.isEmpty() ? QVariant() : QVariant(vorher));
        Scripted::answer(QMessageBox::Yes);
        save();
    }

    // the owner block follows the status when the status combo gets the focus; the age panel has its
    // fixed widths
    void statusFocusAndAgePanel()
    {
        const QString eigenerName = scalar(*f.db, "SELECT Name FROM eigen").toString();
        QVERIFY(!eigenerName.isEmpty());
        const int nr =
            scalar(*f.db, "SELECT LaufendeNummer FROM catstamm WHERE Status <> 1 AND GebDatum IS NOT "
                          "NULL ORDER BY LaufendeNummer LIMIT 1")
                .toInt();
        QVERIFY(nr > 0);
        QVERIFY(w()->zeigeKatze(nr));
        auto *besitzer = w()->findChild<QPlainTextEdit *>("AdresseBesitzer");
        QVERIFY(!besitzer->toPlainText().startsWith(eigenerName));
        w()->DataSourceCatStamm()->setFieldValue("Status", 1);
        auto *status = w()->findChild<QComboBox *>("DBStatus");
        QFocusEvent rein(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(status, &rein);
        QVERIFY(besitzer->toPlainText().startsWith(eigenerName));
        w()->DataSourceCatStamm()->undo();

        auto *alter = w()->findChild<QWidget *>("PanelAlter");
        QVERIFY(alter);
        QCOMPARE(alter->width(), w()->basisSeite()->grosseSchrift() ? 192 : 167);
        QCOMPARE(alter->minimumWidth(), alter->maximumWidth());
        newCat("Ohnedatum");
        w()->TitelKatzeNeu(TCatStamm::Anlass::Einstellungen);
        QCOMPARE(alter->width(), 120);
        QTest::mouseClick(w()->findChild<QPushButton *>("BitBtnRueckgaengig"), Qt::LeftButton);
        QTRY_COMPARE(alter->width(), w()->basisSeite()->grosseSchrift() ? 192 : 167);
    }

    // the gene group: "Ändern" opens the gene code for typing until it is left, "trägt" holds the
    // factors and always explains itself
    void geneGroupControls()
    {
        QTest::mouseClick(w()->navigator()->button(TNavigateBtn::nbFirst), Qt::LeftButton);
        auto *gruppe = byTag<QGroupBox>(w(), 3156);
        QVERIFY(gruppe);
        QVERIFY(gruppe->isHidden()); // the edition hides it
        auto *gencode = w()->findChild<DBEdit *>("DBGencode");
        auto *aendern = w()->findChild<QPushButton *>("BitBtnGencodeAendern");
        QVERIFY(gencode && aendern);
        QVERIFY(gencode->isReadOnly());
        aendern->click();
        QVERIFY(!gencode->isReadOnly());
        gencode->selectAll();
        QTest::keyClicks(gencode, "aa B- D-");
        QVERIFY(w()->DBCatStamm()->isEditing());
        QCOMPARE(w()->DBCatStamm()->text("Gencode"), QString("aa B- D-"));
        QFocusEvent raus(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(gencode, &raus);
        QVERIFY(gencode->isReadOnly());

        auto *agouti = w()->findChild<QCheckBox *>("DBAgouti");
        auto *verd = w()->findChild<QCheckBox *>("DBVerduennung");
        QVERIFY(agouti && verd);
        agouti->setChecked(false);
        agouti->click();
        QVERIFY(w()->DBCatStamm()->value("Agouti").toBool());
        // Ctrl+Delete in the gene type clears the factors with the code
        QTest::keyClick(w()->findChild<QComboBox *>("DBGenoTyp"), Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(!w()->DBCatStamm()->value("Agouti").toBool());
        QVERIFY(w()->DBCatStamm()->text("Gencode").isEmpty());
        QVERIFY(!agouti->isChecked());
        w()->DataSourceCatStamm()->undo();

        auto *traegt = w()->findChild<QLabel *>("LabelTraegt");
        QVERIFY(traegt);
        tsysteminfo::instance()->hilfe = false;
        QHelpEvent hilfe(QEvent::ToolTip, QPoint(2, 2), traegt->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(traegt, &hilfe);
        QCOMPARE(QToolTip::text(), traegt->toolTip());
        QVERIFY(!traegt->toolTip().isEmpty());
        QToolTip::hideText();
        tsysteminfo::instance()->hilfe = true;
    }
};

QTEST_MAIN(TstCatStammSeite0)
#include "tst_catstammseite0.moc"
