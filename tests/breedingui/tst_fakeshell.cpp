// A window against a stand-in shell instead of the whole program: the descendant cards open on
// the shell's current cat and go into the shell's frame, and their double click asks the shell
// for nothing it does not offer.
#include "../common/FakeShell.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/ui/Nachkommen.h"
#include "store/Database.h"
#include "store/Table.h"
#include "widgets/Dialogs.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::breeding::ui;

class TstFakeShell : public QObject
{
    Q_OBJECT
    QTemporaryDir home, config;
    std::unique_ptr<tav::store::Database> db;

    qint32 katze(const QString &name, const char *geschlecht, qint32 v, qint32 m)
    {
        tav::store::Table t(db.get(), "CATSTAMM.DB");
        t.open();
        t.append();
        t.setValue("Name", name);
        t.setValue("Geschlecht", geschlecht);
        t.setValue("Vater", v ? QVariant(v) : QVariant());
        t.setValue("Mutter", m ? QVariant(m) : QVariant());
        t.setValue("GebDatum", QDate(2024, 1, 1));
        t.post();
        return t.value("LaufendeNummer").toInt();
    }

  private Q_SLOTS:
    void initTestCase()
    {
        using namespace tav::app;
        qputenv("TAVRENNO_CONFIG", config.path().toUtf8());
        QProcess cli;
        cli.start(TAV_CLI, {"--home", home.path(), "demo"});
        QVERIFY(cli.waitForFinished(120000) && cli.exitCode() == 0);
        tav::widgets::Scripted::enable(true);
        db = std::make_unique<tav::store::Database>(home.path() + "/Daten");
        tav::store::setDefaultDatabase(db.get());
        QVERIFY(ensureSettingsFile(settingsPath()) != SettingsFileStatus::Failed &&
                tsysteminfo::load(settingsPath()));
        sprache().open(db.get());
        sprache().setLanguageNumber(0);
    }
    void cleanupTestCase()
    {
        tav::app::sprache().close();
        tav::store::setDefaultDatabase(nullptr);
    }

    void fensterAmStellvertreter()
    {
        FakeShell shell;
        QCOMPARE(tav::shell::Shell::current(), &shell);
        const qint32 vater = katze("Stellvertreter", "1", 0, 0);
        katze("Kind 1", "2", vater, 0);
        katze("Kind 2", "1", vater, 0);
        shell.listCat = vater;
        registerNachkommen();
        QWidget *w = tav::shell::windowFactory("formnachkommen")(shell);
        auto *n = qobject_cast<TFormNachkommen *>(w);
        QVERIFY(n);
        QCOMPARE(n->karten().size(), 2);
        QCOMPARE(shell.area.subWindowList().size(), 1);
        QCOMPARE(shell.area.subWindowList().first()->widget(), w);
        // opened again: the same window, nothing added to the frame
        QCOMPARE(tav::shell::windowFactory("formnachkommen")(shell), w);
        QCOMPARE(shell.area.subWindowList().size(), 1);
        shell.area.closeAllSubWindows();
    }
};

QTEST_MAIN(TstFakeShell)
#include "tst_fakeshell.moc"
