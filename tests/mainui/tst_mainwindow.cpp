#include "../common/ProgramFixture.h"
#include "app/Global.h"
#include "app/MenuDefs.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "maintenance/Indexerstellung.h"
#include "shell/Main.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"
#include "widgets/ChildWindow.h"
#include "widgets/DBGrid.h"
#include "widgets/Dialogs.h"
#include "widgets/Help.h"
#include "widgets/Translator.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace tav::app;
using namespace tav::widgets;
using namespace tav::shell;
using namespace tav::store;

namespace {
class FakeWindow : public ChildWindow
{
  public:
    explicit FakeWindow(const QString &name) : ChildWindow(name) { finishCreate(); }
};

int count(Database &db, const QString &sql)
{
    return scalar(db, sql).toInt();
}
} // namespace

class TstMainWindow : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    void setStatus(const QString &status, const QString &index = "Nameidx")
    {
        tsysteminfo::instance()->Status = status;
        tsysteminfo::instance()->index = index;
        f.main->applyListSettings();
    }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1100, 700));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void cleanupTestCase() { f.stop(); }

    void refusesHomeWithoutCats()
    {
        QTemporaryDir empty;
        tav::maintenance::TDataModuleIndex check(empty.path(), f.db.get());
        QVERIFY(!check.pruefeDatenverzeichnis());
        QVERIFY(check.ProgEnde);
        const QString text = tav::maintenance::TDataModuleIndex::fehlendeTierdatenbankText(empty.path());
        QVERIFY(text.contains("keine Tierdatenbank vorhanden"));
        QVERIFY(text.contains("the animal database does not exist"));
    }

    void captionAndCount()
    {
        QCOMPARE(f.main->windowTitle(), QString("Tavrenno  <Anna Berger>"));
        const int all = count(*f.db, "SELECT count(*) FROM catstamm");
        QCOMPARE(f.main->findChild<QLabel *>("LabelAnzahlderDatensaetze")->text(), QString::number(all));
    }

    void statusFilterAndCallNames()
    {
        setStatus("alle");
        QCOMPARE(f.main->catList()->model()->rowCount(), count(*f.db, "SELECT count(*) FROM catstamm"));
        setStatus("12");
        QCOMPARE(f.main->catList()->model()->rowCount(),
                 count(*f.db, "SELECT count(*) FROM catstamm WHERE Status IN (1, 2)"));
        setStatus("1");
        QCOMPARE(f.main->catList()->model()->rowCount(),
                 count(*f.db, "SELECT count(*) FROM catstamm WHERE Status = 1"));
        setStatus("alle", "RufnaIdx");
        QAbstractItemModel *m = f.main->catList()->model();
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("Rufname"));
        Query first(f.db.get(),
                    "SELECT Rufname FROM catstamm ORDER BY Rufname COLLATE DE, Zwinger COLLATE DE LIMIT 1");
        first.open();
        QCOMPARE(m->data(m->index(0, 0)).toString(), first.value(0).toString());
        setStatus("alle");
    }

    void incrementalSearch()
    {
        f.main->catList()->setFocus();
        Table expected(f.db.get(), "CATSTAMM.DB");
        expected.setIndexName("Nameidx");
        expected.open();
        expected.findNearest({"Ro"});
        QTest::keyClicks(f.main->catList(), "Ro");
        QCOMPARE(f.main->currentListCat(), expected.value("LaufendeNummer").toInt());
        QCOMPARE(f.main->suchName, QString("Ro"));
        QTest::keyClick(f.main->catList(), Qt::Key_Escape);
        QVERIFY(f.main->suchName.isEmpty());
        expected.findNearest({"I"});
        QTest::keyClicks(f.main->catList(), "I");
        QCOMPARE(f.main->currentListCat(), expected.value("LaufendeNummer").toInt());
        QTest::keyClick(f.main->catList(), Qt::Key_Escape);
    }

    void recentCatsMenu()
    {
        QMenu *menu = f.main->findChild<QMenu *>("KatzenMenu");
        QVERIFY(menu);
        auto recentEntries = [&] {
            QStringList out;
            for (QAction *a : menu->actions()) {
                if (a->text().endsWith('}'))
                    out << a->text();
            }
            return out;
        };
        for (int nr : {1, 2, 3, 2, 4, 5, 6, 1})
            f.main->addRecentCat(QString("Katze %1").arg(nr), nr);
        const QStringList entries = recentEntries();
        QCOMPARE(entries.size(), 5);
        QCOMPARE(QSet<QString>(entries.begin(), entries.end()).size(), 5);
        QCOMPARE(entries.first(), QString("Katze 1 {1}")); // 1 had dropped off the end
        // they are kept in the settings file for the next start
        RecentCats saved;
        saved.load(settingsPath());
        QCOMPARE(saved.shown(), entries);
        // choosing one puts the list on that cat
        for (QAction *a : menu->actions()) {
            if (a->text() == QLatin1String("Katze 4 {4}"))
                a->trigger();
        }
        QCOMPARE(f.main->currentListCat(), 4);
    }

    void menusCarryTagsAndUnbuiltWindowsAreDisabled()
    {
        for (const MenuItemDef &item : menuItems()) {
            if (item.flags & MenuItemDef::Separator || !*item.menu)
                continue;
            const bool isMenu =
                std::any_of(menuItems().begin(), menuItems().end(),
                            [&](const MenuItemDef &m) { return QLatin1String(item.name) == m.menu; });
            if (isMenu)
                continue;
            QAction *a = f.main->action(item.name);
            QVERIFY2(a, item.name);
            QCOMPARE(a->property("tag").toInt(), item.tag);
        }
        QVERIFY(!f.main->action("Vereine1")->isEnabled());
        QVERIFY(f.main->action("FileExitItem")->isEnabled());
        QVERIFY(f.main->action("loeschen")->isEnabled());
    }

    void helpContentsOpenInTheViewer()
    {
        f.main->action("HelpContentsItem")->trigger();
        THilfeFenster *v = THilfeFenster::current();
        QVERIFY(v);
        QCOMPARE(v->context(), THilfeFenster::InhaltKontext);
        QCOMPARE(v->window()->parentWidget(), static_cast<QWidget *>(f.main.get()));
        delete v;
    }

    void exclusiveWindowBlocksOtherCommands()
    {
        TMirravel::registerWindow("adressenverwaltung",
                                  [](Shell &) { return new FakeWindow("adressenverwaltung"); });
        TMirravel::registerWindow("formvereine", [](Shell &) { return new FakeWindow("formvereine"); });
        QVERIFY(f.main->action("Vereine1")->isEnabled());
        f.main->runCommand("Adresenverwaltung1");
        QVERIFY(ChildWindow::find("adressenverwaltung"));
        QVERIFY(!f.main->findChild<QWidget *>("pShowCats")->isVisible()); // the list is hidden meanwhile
        // an exclusive window fills the client area and follows the frame's size
        auto *sub = qobject_cast<QMdiSubWindow *>(ChildWindow::find("adressenverwaltung")->parentWidget());
        QVERIFY(sub);
        QTRY_COMPARE(sub->size(), f.main->mdiArea()->viewport()->size());
        f.main->resize(1000, 650);
        QTRY_COMPARE(sub->size(), f.main->mdiArea()->viewport()->size());
        f.main->resize(1100, 700);
        Scripted::reset();
        f.main->runCommand("Vereine1");
        QVERIFY(!ChildWindow::find("formvereine"));
        QCOMPARE(Scripted::shown().size(), 1);
        QCOMPARE(Scripted::shown().first().text, messageText(138));
        ChildWindow::find("adressenverwaltung")->close();
        QTRY_VERIFY(!ChildWindow::find("adressenverwaltung"));
        QTRY_VERIFY(f.main->findChild<QWidget *>("pShowCats")->isVisible());
        f.main->runCommand("Vereine1");
        QVERIFY(ChildWindow::find("formvereine"));
        ChildWindow::find("formvereine")->close();
        QTRY_COMPARE(f.main->mdiArea()->subWindowList().size(), 0); // no empty frame stays behind
    }

    // "Textverarbeitung" says when its program cannot be started and, once the options window
    // exists, offers it; no tool button shows without a glyph and a text, in any language
    void wordProcessorAndToolButtons()
    {
        tsysteminfo *s = tsysteminfo::instance();
        const QString vorher = s->Textverarbeitung;
        s->Textverarbeitung = "/kein/solches/programm --neu";
        Scripted::reset();
        f.main->runCommand("Textverarbeitung1");
        QCOMPARE(Scripted::shown().size(), 1);
        QCOMPARE(Scripted::shown().first().text, messageText(9152) + "\r/kein/solches/programm --neu");
        QCOMPARE(Scripted::shown().first().icon, MsgIcon::Error);
        TMirravel::registerWindow("foptionen", [](Shell &) { return new FakeWindow("foptionen"); });
        Scripted::reset();
        Scripted::answer(QMessageBox::Ok);
        Scripted::answer(QMessageBox::Yes);
        f.main->runCommand("Textverarbeitung1");
        QCOMPARE(Scripted::shown().size(), 2);
        QCOMPARE(Scripted::shown().last().text, messageText(9153));
        QVERIFY(ChildWindow::find("foptionen"));
        ChildWindow::find("foptionen")->close();
        QTRY_VERIFY(!ChildWindow::find("foptionen"));
        s->Textverarbeitung = "true";
        Scripted::reset();
        f.main->runCommand("Textverarbeitung1");
        QVERIFY(Scripted::shown().isEmpty());
        s->Textverarbeitung = vorher;

        // every tool button of a shown command shows its icon, with its caption as the tool tip
        for (int offset : {10000, 20000, 0}) {
            translateWindow(f.main.get(), offset);
            int gezeigt = 0;
            for (const MenuItemDef &item : menuItems()) {
                QToolButton *b = item.toolButton ? f.main->toolButton(item.name) : nullptr;
                if (!b)
                    continue;
                QCOMPARE(b->isVisible(), f.main->action(item.name)->isVisible());
                QVERIFY2(!b->icon().isNull(), item.toolButton);
                QVERIFY2(!b->toolTip().isEmpty() && !b->toolTip().contains('&'), item.toolButton);
                gezeigt += b->isVisible();
            }
            QCOMPARE(gezeigt, 18);
        }
    }

    // "Symbole anordnen" lines up the minimised windows' icons at the bottom; the open windows stay
    void symboleAnordnen()
    {
        auto *offen = new FakeWindow("offen");
        auto *klein = new FakeWindow("klein");
        QMdiSubWindow *a = f.main->addChild(offen);
        QMdiSubWindow *b = f.main->addChild(klein);
        QApplication::processEvents();
        a->setGeometry(40, 30, 300, 200);
        b->showMinimized();
        b->move(200, 10);
        const QRect vorher = a->geometry();
        f.main->runCommand("Symboleanordnen1");
        QCOMPARE(a->geometry(), vorher);
        QVERIFY(b->isMinimized());
        QCOMPARE(b->pos(), QPoint(0, f.main->mdiArea()->viewport()->height() - b->height()));
        offen->close();
        klein->close();
        QTRY_COMPARE(f.main->mdiArea()->subWindowList().size(), 0);
    }

    void blockedInPedigreeEntry()
    {
        f.global->NeuausStb = true;
        Scripted::reset();
        f.main->runCommand("loeschen");
        QCOMPARE(Scripted::shown().size(), 1);
        QCOMPARE(Scripted::shown().first().text, messageText(223) + " " + messageText(224));
        f.global->NeuausStb = false;
    }

    void deleteAsksFirst()
    {
        const int before = count(*f.db, "SELECT count(*) FROM catstamm");
        f.main->positionListOn(5);
        Scripted::reset();
        Scripted::answer(QMessageBox::No);
        f.main->runCommand("loeschen");
        QCOMPARE(count(*f.db, "SELECT count(*) FROM catstamm"), before);
        QVERIFY(Scripted::shown().first().text.startsWith("<<"));
        QVERIFY(Scripted::shown().first().text.contains(messageText(15)));
        Scripted::answer(QMessageBox::Yes);
        f.main->runCommand("loeschen");
        QCOMPARE(count(*f.db, "SELECT count(*) FROM catstamm"), before - 1);
        QCOMPARE(count(*f.db, "SELECT count(*) FROM catstamm WHERE LaufendeNummer = 5"), 0);
    }

    // the question speaks the language of the program
    void noAtTheExitQuestionKeepsRunning_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("question");
        QTest::newRow("German") << 0 << "Tavrenno wirklich beenden?";
        QTest::newRow("English") << 1 << "Really quit Tavrenno?";
        QTest::newRow("Dutch") << 2 << "Tavrenno echt afsluiten?";
    }
    void noAtTheExitQuestionKeepsRunning()
    {
        QFETCH(int, language);
        QFETCH(QString, question);
        tav::app::sprache().setLanguageNumber(language);
        Scripted::reset();
        Scripted::answer(QMessageBox::No);
        const bool closed = f.main->close();
        tav::app::sprache().setLanguageNumber(0);
        QVERIFY(!closed);
        QVERIFY(f.main->isVisible());
        QVERIFY(!f.main->ProgrammEnde);
        QCOMPARE(Scripted::shown().first().text, question);
        const QString shots = qEnvironmentVariable("TAV_SCREENSHOTS");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            f.main->grab().save(shots + "/main-window.png");
        }
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
