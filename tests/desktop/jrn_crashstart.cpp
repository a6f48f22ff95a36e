#include "Desktop.h"

#include <QtTest>

using namespace desktop;

// The demo register written into a new home is killed right after its first table committed. The
// next start undoes it before the main window reads anything, says so once, and the start after
// that says nothing.
class JrnCrashStart : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void interruptedChangeIsUndone()
    {
        User user("crashstart");
        const QString failed = runJourney(user, "crash-and-start", [](User &u) {
            const auto cli = [&u](const QStringList &args, int crashAfter) {
                QProcess p;
                QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
                env.insert(QStringLiteral("TAVRENNO_CONFIG"), u.config());
                if (crashAfter > 0) {
                    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(TAV_CRASH_SHIM));
                    env.insert(QStringLiteral("TAV_CRASH_AFTER"), QString::number(crashAfter));
                }
                p.setProcessEnvironment(env);
                p.start(QStringLiteral(TAV_CLI), QStringList{QStringLiteral("--home"), u.home()} + args);
                p.waitForFinished(180000);
                return p.exitStatus() == QProcess::NormalExit;
            };
            if (!cli({QStringLiteral("init")}, 0) || cli({QStringLiteral("demo")}, 1))
                u.failed(QStringLiteral("the demo register was not interrupted"));
            const QString said = u.startProgram(QStringLiteral("Eine unterbrochene Änderung wurde"));
            u.screenshot("started");
            if (!said.contains(QStringLiteral("CATSTAMM.DB")))
                u.failed(QStringLiteral("the message does not name the tables: ") + said);
            if (u.value(QStringLiteral("SELECT count(*) FROM catstamm")).toInt() != 0)
                u.failed(QStringLiteral("cats of the interrupted demo register stayed"));
            u.quitProgram();
            u.startProgram(); // any message now fails the journey
            u.quitProgram();
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

QTEST_MAIN(JrnCrashStart)
#include "jrn_crashstart.moc"
