#include "UiFixture.h"
#include "widgets/Translator.h"

#include <QtTest>

using namespace fixture;
using K = TNavigateBtn;

class TstNavigator : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempData> data;
    std::unique_ptr<Table> table;
    std::unique_ptr<DataSource> source;
    std::unique_ptr<TDBNavigatorSpec> nav;

    void make(int cats, bool readOnly = false)
    {
        nav.reset();
        source.reset();
        table.reset();
        data = std::make_unique<TempData>();
        data->addCats(cats);
        table = std::make_unique<Table>(data->db.get(), "TESTKATZ.DB");
        table->setReadOnly(readOnly);
        table->open();
        source = std::make_unique<DataSource>(table.get());
        nav = std::make_unique<TDBNavigatorSpec>();
        nav->setDataSource(source.get());
        nav->show();
    }
    // the enabled buttons as a string of kinds, e.g. "0 1 2"
    QString enabled() const
    {
        QStringList on;
        for (int i = 0; i < NavButtonCount; ++i)
            if (nav->button(K(i))->isEnabled())
                on << QString::number(i);
        return on.join(' ');
    }

  private Q_SLOTS:
    void initTestCase()
    {
        Scripted::enable(true);
        DataSource::setDefaultSaveWithoutAsking(true);
    }
    void init() { Scripted::reset(); }
    void cleanup()
    {
        nav.reset();
        source.reset();
        table.reset();
        data.reset();
    }

    void enablingInEveryState()
    {
        // 0 first 1 rw 2 prior 3 next 4 ff 5 last 6 insert 7 delete 8 edit 9 post 10 cancel
        // 11 refresh 12 mark 13 goto
        make(0);
        QCOMPARE(enabled(), QString("6 8 11 12"));
        make(1);
        QCOMPARE(enabled(), QString("6 7 8 11 12")); // one record can be deleted
        make(3);
        QCOMPARE(enabled(), QString("3 4 5 6 7 8 11 12"));
        source->next();
        QCOMPARE(enabled(), QString("0 1 2 3 4 5 6 7 8 11 12"));
        nav->BtnClick(K::nbMark);
        QCOMPARE(enabled(), QString("0 1 2 3 4 5 6 7 8 11 12 13"));
        source->last();
        QCOMPARE(enabled(), QString("0 1 2 6 7 8 11 12 13"));
        source->setFieldValue("Name", "anders");
        // editing: post and cancel; no edit, no mark, no go-to
        QCOMPARE(enabled(), QString("0 1 2 6 7 9 10 11"));
        nav->BtnClick(K::nbCancel);
        QCOMPARE(table->state(), Table::State::Browse);
        nav->BtnClick(K::nbInsert);
        QCOMPARE(table->state(), Table::State::Insert);
        QCOMPARE(enabled(), QString("0 1 2 3 4 5 6 7 9 10 11"));
        nav->setEnabled(false);
        QCOMPARE(enabled(), QString());
        nav->setEnabled(true);
        source->undo();
        table->close();
        QCOMPARE(enabled(), QString());
        make(3, true);
        QCOMPARE(enabled(), QString("3 4 5 11 12"));
    }

    void jumpsStopAtTheEnds()
    {
        make(5);
        source->moveTo(3);
        QTest::mouseClick(nav->button(K::nbRW), Qt::LeftButton);
        QCOMPARE(table->recNo(), 1);
        QCOMPARE(table->text("Name"), QString("Katze 0001"));
        QTest::mouseClick(nav->button(K::nbFF), Qt::LeftButton);
        QCOMPARE(table->recNo(), 5);
        nav->setJump(2);
        source->first();
        nav->BtnClick(K::nbFF);
        QCOMPARE(table->recNo(), 3);
    }

    void markAndGoToMark()
    {
        make(4);
        QVERIFY(!nav->button(K::nbGoto)->isEnabled());
        source->next();
        QTest::mouseClick(nav->button(K::nbMark), Qt::LeftButton);
        QTest::mouseClick(nav->button(K::nbLast), Qt::LeftButton);
        QCOMPARE(table->recNo(), 4);
        QTest::mouseClick(nav->button(K::nbGoto), Qt::LeftButton);
        QCOMPARE(table->recNo(), 2);
        QCOMPARE(table->text("Name"), QString("Katze 0002"));
        QVERIFY(Scripted::shown().isEmpty());
    }

    void goToMarkOfADeletedRecordSaysSo()
    {
        make(4);
        source->moveTo(2);
        nav->BtnClick(K::nbMark);
        Scripted::answer(QMessageBox::Yes);
        QVERIFY(source->remove());
        source->last();
        QVERIFY(nav->button(K::nbGoto)->isEnabled());
        nav->BtnClick(K::nbGoto);
        QCOMPARE(shownTexts().size(), 2);
        QCOMPARE(shownTexts().last(), tav::app::messageText(901));
        QVERIFY(!tav::app::messageText(901).isEmpty());
        QCOMPARE(table->recNo(), 3); // stays where it was
        QVERIFY(!nav->button(K::nbGoto)->isEnabled());
        QVERIFY(!nav->hasMark());
    }

    void deleteButtonUsesTheDeleteRule()
    {
        make(2);
        nav->setVisibleButtons({K::nbFirst, K::nbDelete});
        Scripted::answer(QMessageBox::No);
        QTest::mouseClick(nav->button(K::nbDelete), Qt::LeftButton);
        QCOMPARE(table->recordCount(), 2);
        QCOMPARE(shownTexts(), QStringList{tav::app::messageText(28)});
        nav->setConfirmDelete(false);
        QTest::mouseClick(nav->button(K::nbDelete), Qt::LeftButton);
        QCOMPARE(table->recordCount(), 1);
        QCOMPARE(Scripted::shown().size(), 1);
    }

    void arrowKeysMoveTheFocusWithoutWrapping()
    {
        make(3);
        nav->setVisibleButtons(TDBNavigatorSpec::standardButtons());
        nav->setFocus();
        QCOMPARE(nav->focusedButton(), K::nbFirst);
        QTest::keyClick(nav.get(), Qt::Key_Left);
        QCOMPARE(nav->focusedButton(), K::nbFirst);
        QTest::keyClick(nav.get(), Qt::Key_Right);
        QCOMPARE(nav->focusedButton(), K::nbPrior); // invisible jump button skipped
        QTest::keyClick(nav.get(), Qt::Key_Right);
        QCOMPARE(nav->focusedButton(), K::nbNext);
        QTest::keyClick(nav.get(), Qt::Key_Space);
        QCOMPARE(table->recNo(), 2);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(nav.get(), Qt::Key_Right);
        QCOMPARE(nav->focusedButton(), K::nbGoto);
        // Space on a disabled button does nothing
        QTest::keyClick(nav.get(), Qt::Key_Space);
        QCOMPARE(table->recNo(), 2);
        // a mouse press makes the pressed button the focused one
        QTest::mouseClick(nav->button(K::nbLast), Qt::LeftButton);
        QCOMPARE(nav->focusedButton(), K::nbLast);
        QCOMPARE(table->recNo(), 3);
    }

    void holdingNextRepeats()
    {
        make(40);
        TNavButton *next = nav->button(K::nbNext);
        QVERIFY(next->autoRepeat());
        QCOMPARE(next->autoRepeatDelay(), 400);
        QCOMPARE(next->autoRepeatInterval(), 100);
        QVERIFY(!nav->button(K::nbLast)->autoRepeat());
        QTest::mousePress(next, Qt::LeftButton);
        QTest::qWait(750);
        QTest::mouseRelease(next, Qt::LeftButton);
        const int reached = table->recNo();
        QVERIFY2(reached >= 3 && reached < 40, qPrintable(QString::number(reached)));
        QTest::qWait(300);
        QCOMPARE(table->recNo(), reached); // released: no more moves
    }

    void hintsFromTheCatalogue_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("gotoMark");
        QTest::newRow("German") << 0 << "Dateianfang"
                                << "gehe zur Marke";
        QTest::newRow("English") << 1 << "Beginning of file"
                                 << "Go to bookmark";
        QTest::newRow("Dutch") << 2 << "Begin van bestand"
                               << "Naar markering gaan";
    }
    void hintsFromTheCatalogue()
    {
        QFETCH(int, language);
        QFETCH(QString, first);
        QFETCH(QString, gotoMark);
        make(1);
        nav->setHints(TDBNavigatorSpec::germanHints());
        QCOMPARE(nav->hint(K::nbPrior), QString("vorheriger Datensatz"));
        tav::widgets::translateComponent(nav.get(), tav::app::languageOffset(language));
        QCOMPARE(nav->hint(K::nbFirst), first);
        QCOMPARE(nav->hint(K::nbGoto), gotoMark);
        // a missing record changes nothing
        nav->setProperty("tag", 99999);
        nav->setHints(TDBNavigatorSpec::germanHints());
        tav::widgets::translateComponent(nav.get(), 0);
        QCOMPARE(nav->hint(K::nbFirst), QString("Dateianfang"));
    }

    void buttonsShareTheWidthAndOverlap()
    {
        make(1);
        nav->setVisibleButtons(TDBNavigatorSpec::standardButtons());
        QCOMPARE(nav->minimumSizeHint(), QSize(6 * 19 + 1, 18));
        nav->resize(127, 25);
        QCoreApplication::processEvents();
        // (127 - 1) div 6 + 1 = 22 wide, each starting 21 pixels after the one before
        const QList<K> shown = nav->visibleButtons();
        for (int i = 0; i < shown.size(); ++i) {
            QCOMPARE(nav->button(shown[i])->geometry(), QRect(i * 21, 0, 22, 25));
        }
        QVERIFY(nav->button(K::nbRW)->isHidden());
        // aligned: the three pixels left over make three buttons one pixel wider
        nav->setAligned(true);
        nav->resize(130, 25);
        QCoreApplication::processEvents();
        int wider = 0;
        for (K k : shown)
            wider += nav->button(k)->width() == 23;
        QCOMPARE(wider, 3);
        QCOMPARE(nav->button(shown.last())->geometry().right(), 129);
    }
};

QTEST_MAIN(TstNavigator)
#include "tst_navigator.moc"
