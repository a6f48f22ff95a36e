// Startup: the program's start: splash, checks, lock, main window.
#include "Startup.h"

#include "Main.h"
#include "Splascr.h"
#include "app/DataHome.h"
#include "app/Global.h"
#include "app/ProgramHome.h"
#include "app/RegisterLock.h"
#include "app/SettingsCheck.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "app/ui/AboutBox.h"
#include "app/ui/AnwDaten.h"
#include "app/ui/Optionen.h"
#include "breeding/Speicherbudget.h"
#include "breeding/ui/Deckplaner.h"
#include "breeding/ui/HTMLStammbaumFenster.h"
#include "breeding/ui/Inzuchtgrad.h"
#include "breeding/ui/Nachkommen.h"
#include "breeding/ui/Stammbaumfenster.h"
#include "breeding/ui/StatistikDateiFenster.h"
#include "breeding/ui/StatistikStammbaumFenster.h"
#include "breeding/ui/Verpaarung.h"
#include "cats/ui/Pcatstam.h"
#include "cats/ui/ReferenzlisteFenster.h"
#include "cats/ui/Warnung.h"
#include "maintenance/Datensicherung.h"
#include "maintenance/Indexerstellung.h"
#include "maintenance/ui/Datensicherung.h"
#include "maintenance/ui/Indexrekonstruktion.h"
#include "maintenance/ui/Registerpruefung.h"
#include "office/ui/Adressenverwaltung.h"
#include "office/ui/Buchfuehrung.h"
#include "office/ui/BueroFenster.h"
#include "online/ui/OnlineDBInterface.h"
#include "printouts/ui/DruckenKatzen.h"
#include "store/CommitLog.h"
#include "store/Database.h"
#include "store/FileCheck.h"
#include "widgets/DataSource.h"
#include "widgets/DbEngine.h"
#include "widgets/Dialogs.h"
#include "widgets/Fenstergroesse.h"
#include "widgets/Translator.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace tav::shell {

using namespace tav::app;
using namespace tav::widgets;

namespace {
QList<std::function<void()>> &registrations()
{
    static QList<std::function<void()>> r;
    return r;
}

// a register made before a message has it not in its catalogue: the lock's own German words then
QString messageOr(int nr, const QString &german)
{
    const QString text = messageText(nr);
    return text.isEmpty() ? german : text;
}

// the lock file and who holds it, so that a lock left behind can be found and judged
QString lockHolder(const RegisterLock &lock)
{
    const QString line =
        lock.holderLine(messageOr(9474, QStringLiteral("Rechner")),
                        messageOr(9475, QStringLiteral("Prozess")), messageOr(9476, QStringLiteral("seit")));
    return messageOr(9473, QStringLiteral("Sperrdatei:")) + QLatin1Char(' ') +
           QDir::toNativeSeparators(lock.path()) + (line.isEmpty() ? QString() : QStringLiteral("\r") + line);
}

QString lockText(const RegisterLock &lock, RegisterLock::Result r)
{
    switch (r) {
    case RegisterLock::Result::CannotCreate:
        return messageOr(9451, QString()).isEmpty()
                   ? lock.refusal(r)
                   : messageText(9451) + QStringLiteral("\r") + QDir::toNativeSeparators(lock.path());
    case RegisterLock::Result::HeldByCli:
        return messageOr(9450, lock.refusal(r)) + QStringLiteral("\r") + lockHolder(lock);
    case RegisterLock::Result::Unreadable:
        return messageOr(9470, lock.refusal(r)) + QStringLiteral("\r") + lockHolder(lock);
    case RegisterLock::Result::OtherHost:
        return messageOr(9471, lock.refusal(r)) + QStringLiteral("\r") + lockHolder(lock);
    default: break;
    }
    return lock.refusal(r);
}
} // namespace

void addWindowRegistration(std::function<void()> registration)
{
    registrations().append(std::move(registration));
}

QString homeFromArguments(const QStringList &args)
{
    const int i = int(args.indexOf(QStringLiteral("--home")));
    if (i >= 0 && i + 1 < args.size())
        return QDir(args[i + 1]).absolutePath();
    const QString env = qEnvironmentVariable("TAVRENNO_HOME");
    if (!env.isEmpty())
        return QDir(env).absolutePath();
    return QCoreApplication::applicationDirPath();
}

ProgramRun::ProgramRun() = default;

ProgramRun::~ProgramRun()
{
    // the windows go before the tables they read, the register's lock last
    m_global.reset();
    m_main.reset();
    m_lock.reset();
    m_dataModule.reset();
    if (m_db) {
        if (tav::store::defaultDatabase() == m_db.get())
            tav::store::setDefaultDatabase(nullptr);
        m_db.reset();
    }
    m_intro.reset();
}

bool ProgramRun::start(const QStringList &args)
{
    m_home = homeFromArguments(args);
    setProgramHome(m_home);

    m_intro = std::make_unique<TIntro>(m_home);
    m_intro->show();
    m_intro->setGauge(5);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // every way out before the main window shows takes the splash and the hourglass away
    const auto stop = [this](int code) {
        QApplication::restoreOverrideCursor();
        m_intro->hide();
        m_exitCode = code;
        return false;
    };
    // a message on the way that does not end the start: the splash steps aside, or it would cover it
    const auto aside = [this](const std::function<void()> &say) {
        QApplication::restoreOverrideCursor();
        m_intro->hide();
        say();
        m_intro->show();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    };

    m_db = std::make_unique<tav::store::Database>(QDir(m_home).filePath(QStringLiteral("Daten")));
    tav::store::setDefaultDatabase(m_db.get());
    if (dataDirUnreadable(m_db->dataDir())) {
        stop(1);
        showText(unreadableDataDirText(m_db->dataDir()), MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    // what an interrupted restore left is put right before the register is looked at
    tav::maintenance::ruecksicherungWiederherstellen(m_db->dataDir());
    // and what a crash left of a change, before anything reads a table; said once the texts are there
    const auto undone = tav::store::recoverInterrupted(m_db->dataDir());
    m_dataModule = std::make_unique<tav::maintenance::TDataModuleIndex>(m_home, m_db.get());
    if (!m_dataModule->pruefeDatenverzeichnis()) {
        stop(1);
        showText(tav::maintenance::TDataModuleIndex::fehlendeTierdatenbankText(m_home), MsgIcon::Error,
                 MsgButtons::Ok);
        return false;
    }

    m_intro->setGauge(10);
    sprache().open(m_db.get());
    installWorkAreaProvider();
    QRect area;
    tsysteminfo::GetFormMaxRect(area);
    const SettingsFileStatus settingsFile = ensureSettingsFile(settingsPath(), area);
    if (settingsFile == SettingsFileStatus::Failed || settingsFile == SettingsFileStatus::Unreadable ||
        !tsysteminfo::load(settingsPath(), area)) {
        stop(1);
        // a file that load() could not read is there, so it is unreadable rather than missing
        const bool missing = settingsFile == SettingsFileStatus::Failed;
        showMessage(missing ? 25 : 9401, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QLatin1Char(' ') + settingsPath());
        return false;
    }
    tav::breeding::leseSpeicherGrenze(settingsPath());
    tsysteminfo *settings = tsysteminfo::instance();
    sprache().setLanguageNumber(languageNumber(settings->Sprache));
    if (const auto failures = sprache().openFailures(); !failures.isEmpty()) {
        // the start goes on: the program works without its texts, and its own tools can rebuild them
        aside([&] {
            showText(catalogueFailureText(failures, sprache().languageNumber()), MsgIcon::Error,
                     MsgButtons::Ok);
        });
    }

    // one program or writing command per register; nothing in it is touched before
    m_lock = std::make_unique<RegisterLock>(m_db->dataDir());
    RegisterLock::Result r = m_lock->tryLock();
    // a lock nobody can vouch for (unreadable, or from another computer) is the user's to take over
    bool declined = false;
    if (RegisterLock::mayTakeOver(r)) {
        declined = showText(lockText(*m_lock, r) + QStringLiteral("\r") +
                                messageOr(9472, QStringLiteral("Sperre übernehmen? Nur, wenn sonst niemand "
                                                               "mit diesem Register arbeitet.")),
                            MsgIcon::Question, MsgButtons::YesNo) != QMessageBox::Yes;
        if (!declined)
            r = m_lock->takeOver();
    }
    if (r != RegisterLock::Result::Locked) {
        if (r == RegisterLock::Result::HeldByProgram) {
            stop(0);
            showText(QStringLiteral("Mirravel wird bereits ausgeführt!\r") + lockHolder(*m_lock),
                     MsgIcon::Information, MsgButtons::Ok);
            return false;
        }
        stop(1);
        if (!declined)
            showText(lockText(*m_lock, r), MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    if (!undone.isEmpty()) {
        QStringList changes;
        for (const auto &c : undone)
            changes << tav::store::describe(c);
        aside([&] {
            showMessage(9880, MsgIcon::Warning, MsgButtons::Ok, QString(),
                        QStringLiteral("\r") + changes.join(QStringLiteral("\r")));
        });
    }
    // the cat table must be a table: what is wrong with it is said once, before any window
    try {
        const QString cats = m_db->resolve(QStringLiteral("CATSTAMM.DB"));
        tav::store::checkTableFile(cats);
        tav::store::checkTableWritable(cats);
    } catch (const tav::store::EngineError &e) {
        stop(1);
        TDBError::HandleException(e, QStringLiteral("CATSTAMM.DB"));
        return false;
    }
    DataSource::setDefaultSaveWithoutAsking(settings->speichern);
    settings->addHook([](tsysteminfo &s, bool) { DataSource::setDefaultSaveWithoutAsking(s.speichern); });
    connectTranslator(settings);

    m_main = std::make_unique<TMirravel>(m_db.get());
    if (!m_main->FormCreate()) {
        QApplication::restoreOverrideCursor();
        m_exitCode = 1;
        return false;
    }
    TMirravel &main = *m_main;
    m_intro->setGauge(15);
    m_global = std::make_unique<TDatenGlobal>(m_db.get());
    m_global->onFehler = [](const tav::store::EngineError &e, const QString &table) {
        TDBError::HandleException(e, table);
    };
    m_global->Dateienoeffnen();
    m_intro->setGauge(55);
    // the cat record window (with the search) lives for the whole run
    tav::cats::ui::registerCatStamm();
    tav::breeding::ui::registerInzuchtgrad();
    tav::breeding::ui::registerStammbaum();
    tav::cats::ui::registerReferenzlisten();
    tav::breeding::ui::registerNachkommen();
    app::ui::registerOptionen();
    app::ui::registerAnwenderdaten();
    app::ui::registerAboutBox();
    tav::breeding::ui::registerVerpaarung();
    tav::breeding::ui::registerStatistikStammbaum();
    tav::breeding::ui::registerStatistikDatei();
    tav::breeding::ui::registerDeckplaner();
    tav::printouts::ui::registerDruckenKatzen();
    tav::office::ui::registerBuero();
    tav::office::ui::registerBuchfuehrung();
    tav::office::ui::registerAdressen();
    tav::breeding::ui::registerHTMLStammbaum();
    tav::maintenance::ui::registerIndexrekonstruktion();
    tav::maintenance::ui::registerDatensicherung();
    tav::maintenance::ui::registerRegisterpruefung();
    tav::online::ui::registerOnlineDBInterface();
    for (const auto &r : registrations())
        r();
    if (const auto open = TMirravel::windowFactory(QStringLiteral("catstamm")))
        open(main);
    main.updateCommandStates();
    m_intro->setGauge(90);
    settings->setzen();
    m_intro->setGauge(100);
    applyAufloesung(&main, settings->Aufloesung);
    main.show();
    m_intro->close();
    QApplication::restoreOverrideCursor();
    if (!settings->ungueltig.isEmpty())
        showMessage(9400, MsgIcon::Warning, MsgButtons::Ok, QString(),
                    QLatin1Char('\r') + ungueltigeEinstellungenText(settings->ungueltig));
    tav::cats::ui::TFormWarnungen::FensterZeigen(&main);
    tav::maintenance::ui::pruefungNachImportAnbieten(main, *m_db);
    QObject::connect(&TDBError::instance(), &TDBError::restartRequested, &main, [&main] { main.close(); });
    return true;
}

int runProgram(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrenno"));

    // a test run: nothing waits for a person, messages go to standard error, the program ends after
    // its first turn of the message loop
    const bool quitAfterStart = !qEnvironmentVariableIsEmpty("TAVRENNO_QUIT_AFTER_START");
    if (quitAfterStart) {
        Scripted::enable(true);
        Scripted::setEcho(true);
    }

    ProgramRun run;
    if (!run.start(app.arguments()))
        return run.exitCode();
    TMirravel &main = *run.mainWindow();
    // --grab FILE: a picture of the first screen (for the documentation), then the program ends
    if (const int g = int(app.arguments().indexOf(QStringLiteral("--grab")));
        g > 0 && g + 1 < app.arguments().size()) {
        const QString file = app.arguments().at(g + 1);
        QTimer::singleShot(1500, &main, [&main, file] {
            main.grab().save(file);
            QCoreApplication::exit(0);
        });
    }
    if (quitAfterStart)
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}

} // namespace tav::shell
