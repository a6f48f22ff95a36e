#pragma once

// A run of a command-line program for the tests: exit code and both outputs.

#include <QProcess>
#include <QStandardPaths>

struct Run {
    int code = -1;
    QString out, err;
};

// Without $TAVRENNO_HOME; with `config` as $TAVRENNO_CONFIG when given.
inline Run run(const QString &program, const QStringList &args, const QString &config = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("TAVRENNO_HOME"));
    if (!config.isEmpty())
        env.insert(QStringLiteral("TAVRENNO_CONFIG"), config);
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(180000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

inline bool installed(const char *tool)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty();
}

