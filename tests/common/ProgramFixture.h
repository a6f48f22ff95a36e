#pragma once

// The program on a demo home for window tests: settings in a temporary config directory, the
// catalogues, the main window and the global data module; message boxes answered by the test.

#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "shell/Main.h"
#include "store/Database.h"
#include "store/Query.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

struct ProgramFixture {
    QTemporaryDir home, config;
    std::unique_ptr<tav::store::Database> db;
    std::unique_ptr<tav::shell::TMirravel> main;
    std::unique_ptr<tav::app::TDatenGlobal> global;

    // Empty when the program stands, else what went wrong.
    QString start(const QSize &size, std::optional<bool> saveWithoutAsking = std::nullopt)
    {
        using namespace tav::app;
        qputenv("TAVRENNO_CONFIG", config.path().toUtf8());
        QProcess cli;
        cli.start(TAV_CLI, {"--home", home.path(), "demo"});
        if (!cli.waitForFinished(120000) || cli.exitCode() != 0)
            return QStringLiteral("tavrenno-cli demo failed");
        tav::widgets::Scripted::enable(true);
        db = std::make_unique<tav::store::Database>(home.path() + "/Daten");
        tav::store::setDefaultDatabase(db.get());
        if (ensureSettingsFile(settingsPath()) == SettingsFileStatus::Failed ||
            !tsysteminfo::load(settingsPath()))
            return QStringLiteral("no settings file");
        if (saveWithoutAsking) {
            tsysteminfo::instance()->speichern = *saveWithoutAsking;
            tav::widgets::DataSource::setDefaultSaveWithoutAsking(*saveWithoutAsking);
        }
        sprache().open(db.get());
        sprache().setLanguageNumber(0);
        main = std::make_unique<tav::shell::TMirravel>(db.get());
        if (!main->FormCreate())
            return QStringLiteral("the main window did not start");
        global = std::make_unique<TDatenGlobal>(db.get());
        global->Dateienoeffnen();
        main->resize(size);
        main->show();
        return QString();
    }

    // The cat record window, registered and opened as the program does at start-up.
    QString openCatStamm();

    void stop()
    {
        using namespace tav::app;
        tav::widgets::Scripted::reset();
        tav::widgets::Scripted::answer(QMessageBox::Yes);
        if (main)
            main->close();
        main.reset();
        global.reset();
        sprache().close();
        tav::store::setDefaultDatabase(nullptr);
    }
};

// The bytes of a file, empty when it cannot be read.
inline QByteArray datei(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The first value of the first row, or nothing.
inline QVariant scalar(tav::store::Database &db, const QString &sql, const QVariantList &args = {})
{
    tav::store::Query q(&db, sql);
    for (const QVariant &a : args)
        q.addBindValue(a);
    q.open();
    return q.isOpen() && !q.eof() ? q.value(0) : QVariant();
}

#ifdef TAV_WITH_CATSTAMM
#include "cats/ui/Pcatstam.h"

#include <QMdiSubWindow>

inline QString ProgramFixture::openCatStamm()
{
    tav::cats::ui::registerCatStamm();
    if (!tav::shell::TMirravel::windowFactory("catstamm")(*main) || !tav::cats::ui::TCatStamm::instance())
        return QStringLiteral("the cat record window did not open");
    if (auto *sub = qobject_cast<QMdiSubWindow *>(tav::cats::ui::TCatStamm::instance()->parentWidget()))
        sub->setGeometry(0, 0, 1040, 800);
    return tav::cats::ui::TCatStamm::instance()->DBCatStamm()->hasRecord() ? QString()
                                                                           : QStringLiteral("no cat shown");
}
#endif
