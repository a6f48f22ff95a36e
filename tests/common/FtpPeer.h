#pragma once

// A real FTP server for the tests (ftp_peer.py beside this file, Debian's python3-pyftpdlib):
// serves `root` on 127.0.0.1 on a free port; the password goes in on standard input.

#include <QProcess>
#include <QRandomGenerator>

struct FtpPeerOptions {
    int throttle = 0;  // bytes received per second, 0 for no limit
    int dropAfter = 0; // close the connections after this many bytes of one upload
    QString commands;  // file that gets the verb of every command received
};

struct FtpPeer {
    using Options = FtpPeerOptions;
    QProcess process;
    int port = 0;

    // Empty when the server listens, else what went wrong.
    QString start(const QString &root, const QString &user, const QString &password, Options o = {})
    {
        QStringList args{QStringLiteral(TAV_DATA_DIR "/../tests/common/ftp_peer.py"), root,
                         QStringLiteral("--user"), user};
        if (o.throttle)
            args << QStringLiteral("--throttle") << QString::number(o.throttle);
        if (o.dropAfter)
            args << QStringLiteral("--drop-after") << QString::number(o.dropAfter);
        if (!o.commands.isEmpty())
            args << QStringLiteral("--commands") << o.commands;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("/usr/bin/python3"), args);
        if (!process.waitForStarted(10000))
            return QStringLiteral("/usr/bin/python3 does not start");
        process.write(password.toUtf8() + '\n');
        while (!process.canReadLine())
            if (!process.waitForReadyRead(20000))
                return QStringLiteral("the FTP peer did not start (python3-pyftpdlib installed?)");
        port = process.readLine().trimmed().toInt();
        return port > 0 ? QString() : QStringLiteral("the FTP peer named no port");
    }

    ~FtpPeer()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.closeWriteChannel(); // the peer ends when its input closes
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    // picture contents that no encoding or line-end conversion leaves as they are
    static QByteArray randomBytes(int n)
    {
        QByteArray b(n, Qt::Uninitialized);
        for (char &c : b)
            c = char(QRandomGenerator::global()->bounded(256));
        return b;
    }
};
