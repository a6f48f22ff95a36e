#include "app/MenuDefs.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "app/global.h"
#include "app/ui/ChildWindow.h"
#include "app/ui/DBGrid.h"
#include "app/ui/Dialogs.h"
#include "app/ui/Main.h"
#include "maintenance/Indexerstellung.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::app;
using namespace tav::app::ui;
using namespace tav::store;

namespace {
class FakeWindow : public ChildWindow
{
  public:
    explicit FakeWindow(const QString &name) : ChildWindow(name) { finishCreate(); }
};

int count(Database &db, const QString &sql)
{
    Query q(&db, sql);
    q.open();
    return q.value(0).toInt();
}
} // namespace

class TstMainWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home, m_config;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<TMirravel> m_main;
    std::unique_ptr<TDatenGlobal> m_global;

    void setStatus(const QString &status, const QString &index = "Nameidx")
    {
        tsysteminfo::instance()->Status = status;
        tsysteminfo::instance()->index = index;
        m_main->applyListSettings();
    }

  private Q_SLOTS:
    void initTestCase()
    {
        qputenv("TAVRENNO_CONFIG", m_config.path().toUtf8());
        QProcess cli;
        cli.start(TAV_CLI, {"--home", m_home.path(), "demo"});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        Scripted::enable(true);
        m_db = std::make_unique<Database>(m_home.path() + "/Daten");
        setDefaultDatabase(m_db.get());
        QVERIFY(ensureSettingsFile(settingsPath()) != SettingsFileStatus::Failed);
        QVERIFY(tsysteminfo::load(settingsPath()));
        sprache().open(m_db.get());
        m_main = std::make_unique<TMirravel>(m_db.get());
        QVERIFY(m_main->FormCreate());
        m_global = std::make_unique<TDatenGlobal>(m_db.get());
        m_global->Dateienoeffnen();
        m_main->resize(1100, 700);
        m_main->show();
    }

    void cleanupTestCase()
    {
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        m_main->close();
        m_main.reset();
        m_global.reset();
        sprache().close();
        setDefaultDatabase(nullptr);
    }

    void refusesHomeWithoutCats()
    {
        QTemporaryDir empty;
        tav::maintenance::TDataModuleIndex check(empty.path(), m_db.get());
        QVERIFY(!check.pruefeDatenverzeichnis());
        QVERIFY(check.ProgEnde);
        const QString text = tav::maintenance::TDataModuleIndex::fehlendeTierdatenbankText(empty.path());
        QVERIFY(text.contains("keine Tierdatenbank vorhanden"));
        QVERIFY(text.contains("the animal database does not exist"));
    }

    void captionAndCount()
    {
        QCOMPARE(m_main->windowTitle(), QString("Tavrenno  <Anna Berger>"));
        const int all = count(*m_db, "SELECT count(*) FROM catstamm");
        QCOMPARE(m_main->findChild<QLabel *>("LabelAnzahlderDatensaetze")->text(), QString::number(all));
    }

    void statusFilterAndCallNames()
    {
        setStatus("alle");
        QCOMPARE(m_main->catList()->model()->rowCount(), count(*m_db, "SELECT count(*) FROM catstamm"));
        setStatus("12");
        QCOMPARE(m_main->catList()->model()->rowCount(),
                 count(*m_db, "SELECT count(*) FROM catstamm WHERE Status IN (1, 2)"));
        setStatus("1");
        QCOMPARE(m_main->catList()->model()->rowCount(),
                 count(*m_db, "SELECT count(*) FROM catstamm WHERE Status = 1"));
        setStatus("alle", "RufnaIdx");
        QAbstractItemModel *m = m_main->catList()->model();
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("Rufname"));
        Query first(m_db.get(),
                    "SELECT Rufname FROM catstamm ORDER BY Rufname COLLATE DE, Zwinger COLLATE DE LIMIT 1");
        first.open();
        QCOMPARE(m->data(m->index(0, 0)).toString(), first.value(0).toString());
        setStatus("alle");
    }

    void incrementalSearch()
    {
        m_main->catList()->setFocus();
        Table expected(m_db.get(), "CATSTAMM.DB");
        expected.setIndexName("Nameidx");
        expected.open();
        expected.findNearest({"Ro"});
        QTest::keyClicks(m_main->catList(), "Ro");
        QCOMPARE(m_main->currentListCat(), expected.value("LaufendeNummer").toInt());
        QCOMPARE(m_main->suchName, QString("Ro"));
        QTest::keyClick(m_main->catList(), Qt::Key_Escape);
        QVERIFY(m_main->suchName.isEmpty());
        expected.findNearest({"I"});
        QTest::keyClicks(m_main->catList(), "I");
        QCOMPARE(m_main->currentListCat(), expected.value("LaufendeNummer").toInt());
        QTest::keyClick(m_main->catList(), Qt::Key_Escape);
    }

    void recentCatsMenu()
    {
        QMenu *menu = m_main->findChild<QMenu *>("KatzenMenu");
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
            m_main->addRecentCat(QString("Katze %1").arg(nr), nr);
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
        QCOMPARE(m_main->currentListCat(), 4);
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
            QAction *a = m_main->action(item.name);
            QVERIFY2(a, item.name);
            QCOMPARE(a->property("tag").toInt(), item.tag);
        }
        QVERIFY(!m_main->action("Vereine1")->isEnabled());
        QVERIFY(m_main->action("FileExitItem")->isEnabled());
        QVERIFY(m_main->action("loeschen")->isEnabled());
    }

    void exclusiveWindowBlocksOtherCommands()
    {
        TMirravel::registerWindow("adressenverwaltung",
                                  [](TMirravel &) { return new FakeWindow("adressenverwaltung"); });
        TMirravel::registerWindow("formvereine", [](TMirravel &) { return new FakeWindow("formvereine"); });
        QVERIFY(m_main->action("Vereine1")->isEnabled());
        m_main->runCommand("Adresenverwaltung1");
        QVERIFY(ChildWindow::find("adressenverwaltung"));
        QVERIFY(!m_main->findChild<QWidget *>("pShowCats")->isVisible()); // the list is hidden meanwhile
        // an exclusive window fills the client area and follows the frame's size
        auto *sub = qobject_cast<QMdiSubWindow *>(ChildWindow::find("adressenverwaltung")->parentWidget());
        QVERIFY(sub);
        QTRY_COMPARE(sub->size(), m_main->mdiArea()->viewport()->size());
        m_main->resize(1000, 650);
        QTRY_COMPARE(sub->size(), m_main->mdiArea()->viewport()->size());
        m_main->resize(1100, 700);
        Scripted::reset();
        m_main->runCommand("Vereine1");
        QVERIFY(!ChildWindow::find("formvereine"));
        QCOMPARE(Scripted::shown().size(), 1);
        QCOMPARE(Scripted::shown().first().text, messageText(138));
        ChildWindow::find("adressenverwaltung")->close();
        QTRY_VERIFY(!ChildWindow::find("adressenverwaltung"));
        QTRY_VERIFY(m_main->findChild<QWidget *>("pShowCats")->isVisible());
        m_main->runCommand("Vereine1");
        QVERIFY(ChildWindow::find("formvereine"));
        ChildWindow::find("formvereine")->close();
        QTRY_COMPARE(m_main->mdiArea()->subWindowList().size(), 0); // no empty frame stays behind
    }

    void blockedInPedigreeEntry()
    {
        m_global->NeuausStb = true;
        Scripted::reset();
        m_main->runCommand("loeschen");
        QCOMPARE(Scripted::shown().size(), 1);
        QCOMPARE(Scripted::shown().first().text, messageText(223) + " " + messageText(224));
        m_global->NeuausStb = false;
    }

    void deleteAsksFirst()
    {
        const int before = count(*m_db, "SELECT count(*) FROM catstamm");
        m_main->positionListOn(5);
        Scripted::reset();
        Scripted::answer(QMessageBox::No);
        m_main->runCommand("loeschen");
        QCOMPARE(count(*m_db, "SELECT count(*) FROM catstamm"), before);
        QVERIFY(Scripted::shown().first().text.startsWith("<<"));
        QVERIFY(Scripted::shown().first().text.contains(messageText(15)));
        Scripted::answer(QMessageBox::Yes);
        m_main->runCommand("loeschen");
        QCOMPARE(count(*m_db, "SELECT count(*) FROM catstamm"), before - 1);
        QCOMPARE(count(*m_db, "SELECT count(*) FROM catstamm WHERE LaufendeNummer = 5"), 0);
    }

    void noAtTheExitQuestionKeepsRunning()
    {
        Scripted::reset();
        Scripted::answer(QMessageBox::No);
        QVERIFY(!m_main->close());
        QVERIFY(m_main->isVisible());
        QVERIFY(!m_main->ProgrammEnde);
        QCOMPARE(Scripted::shown().first().text, QString("Tavrenno wirklich beenden?"));
        const QString shots = qEnvironmentVariable("TAV_SCREENSHOTS");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            m_main->grab().save(shots + "/main-window.png");
        }
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
