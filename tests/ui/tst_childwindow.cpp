#include "UiFixture.h"
#include "widgets/DbEngine.h"

#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

using namespace fixture;

namespace {
class Vereine : public ChildWindow
{
  public:
    Vereine() : ChildWindow(QStringLiteral("formvereine"))
    {
        setProperty("tag", 96); // "Katze" menu record: its hint becomes the title
        label = new QLabel(QStringLiteral("Entwurf"), this);
        label->setProperty("tag", 97);
        finishCreate();
    }
    QLabel *label;
    int activations = 0;

  protected:
    void activated() override { ++activations; }
};
} // namespace

class TstChildWindow : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { Scripted::enable(true); }
    void init() { Scripted::reset(); }

    void answersAreTakenInOrderAndNothingBlocks()
    {
        Scripted::answer(QMessageBox::Yes);
        Scripted::answer(QMessageBox::No);
        QCOMPARE(showText("eins", MsgIcon::Question, MsgButtons::YesNo), QMessageBox::Yes);
        QCOMPARE(showText("zwei", MsgIcon::Question, MsgButtons::YesNo), QMessageBox::No);
        // none queued: the answer that changes nothing
        QCOMPARE(showText("drei", MsgIcon::Question, MsgButtons::YesNo), QMessageBox::No);
        QCOMPARE(showText("vier", MsgIcon::Warning, MsgButtons::OkCancel), QMessageBox::Cancel);
        QCOMPARE(showText("fünf", MsgIcon::Error, MsgButtons::Ok), QMessageBox::Ok);
        QCOMPARE(Scripted::shown().size(), 5);
        QCOMPARE(Scripted::shown()[3].icon, MsgIcon::Warning);
        Scripted::file("/tmp/a.csv");
        QCOMPARE(saveFileName(nullptr, "Export", "/tmp", "*.csv"), QString("/tmp/a.csv"));
        QCOMPARE(openFileName(nullptr, "Bild", "/tmp", "*.jpg"), QString()); // cancelled
        QCOMPARE(Scripted::shown().last().kind, QString("open"));
        QCOMPARE(Scripted::pendingAnswers(), 0);
    }

    void messagesComeFromTheCatalogueByNumber()
    {
        TempData data;
        showMessage(29, MsgIcon::Warning, MsgButtons::YesNo, "<<Mimi>>\r");
        QCOMPARE(Scripted::shown().last().text, "<<Mimi>>\r" + tav::app::messageText(29));
        tav::app::sprache().setLanguageNumber(1);
        showMessage(28, MsgIcon::Warning, MsgButtons::YesNo);
        QCOMPARE(Scripted::shown().last().text, QString("Do you really want to delete this record?"));
        tav::app::sprache().setLanguageNumber(0);
    }

    void windowTranslatesItselfAndFreesItselfOnClose()
    {
        TempData data;
        tav::app::sprache().setLanguageNumber(1);
        QPointer<Vereine> ref = new Vereine;
        QCOMPARE(ref->windowTitle(), QString("Add, find and edit cats"));
        // "&New cat": the label has no control for its mnemonic, so the marker goes
        QCOMPARE(ref->label->text(), QString("New cat"));
        tav::app::sprache().setLanguageNumber(0);
        QCOMPARE(ChildWindow::find("FormVereine"), ref.data());
        QMdiArea area;
        QMdiSubWindow *frame = area.addSubWindow(ref);
        area.show();
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QPointer<QMdiSubWindow> frameRef = frame;
        frame->close();
        QTRY_VERIFY(ref.isNull());
        QTRY_VERIFY(frameRef.isNull());
        QCOMPARE(ChildWindow::find("formvereine"), nullptr);
    }

    void activationRunsTheExclusiveWindowCheck()
    {
        QStringList calls;
        int code = 0;
        ChildWindow::setActivationCheck([&](const QString &name) {
            calls << name;
            return code;
        });
        Vereine w;
        QVERIFY(w.runActivationCheck());
        QCOMPARE(w.activations, 1);
        code = 2; // the bookkeeping is open
        QVERIFY(!w.runActivationCheck());
        QCOMPARE(w.activations, 1);
        // the window asks with its own name, so that it never counts itself as the one in the way
        QCOMPARE(calls, (QStringList{"formvereine", "formvereine"}));
        w.setChecksOnActivation(false);
        QVERIFY(w.runActivationCheck());
        QCOMPARE(calls.size(), 2);
        ChildWindow::setActivationCheck(nullptr);
    }

    void errorDialogPicture()
    {
        EngineError e(EngineError::Category::IndexDamage, 9729, "Der Index passt nicht zu den Datensätzen.",
                      11);
        e.push(9729, "CATSTAMM.DB").push(8449, "Schlüssel Nameidx", 267);
        TDBError d;
        d.prepareEngineError(e, "CATSTAMM.DB");
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::mouseClick(d.NatBtn, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(d.grab().save("/tmp/tav_dberror.png"));
    }
};

QTEST_MAIN(TstChildWindow)
#include "tst_childwindow.moc"
