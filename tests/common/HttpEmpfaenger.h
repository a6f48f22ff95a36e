#pragma once

// A small HTTP server for the upload tests: listens on 127.0.0.1 on a free port, on its own
// thread, takes each POST and records the multipart parts named "bild" (file name, content
// type, bytes). It answers 200, or 500, or drops the connection without an answer, or redirects
// to `umleitungsZiel`, or keeps silent, or trickles 2 bytes a second (both until it is destroyed).

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>

#include <arpa/inet.h>
#include <atomic>
#include <functional>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

class HttpEmpfaenger
{
  public:
    enum class Antwort { Ok, Fehler500, Abbrechen, Umleitung, Schweigen, Tropfen };
    struct Teil {
        QString dateiname, typ;
        QByteArray daten;
    };

    HttpEmpfaenger()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        int ja = 1;
        ::setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &ja, sizeof ja);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        if (::bind(m_fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0 && ::listen(m_fd, 8) == 0) {
            socklen_t l = sizeof a;
            ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&a), &l);
            m_port = ntohs(a.sin_port);
            m_thread = std::thread([this] { laufen(); });
        }
    }
    ~HttpEmpfaenger()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_fd);
    }

    int port() const { return m_port; }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/upload").arg(m_port); }
    void setAntwort(Antwort a) { m_antwort = a; }
    void setUmleitung(const QByteArray &ziel)
    {
        QMutexLocker l(&m_mutex);
        m_ziel = ziel;
    }
    QList<Teil> teile() const
    {
        QMutexLocker l(&m_mutex);
        return m_teile;
    }
    int anfragen() const { return m_anfragen; }

  private:
    void laufen()
    {
        while (!m_stop) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            const int c = ::accept(m_fd, nullptr, nullptr);
            if (c < 0)
                continue;
            bedienen(c);
            ::close(c);
        }
    }

    // Reads until `genug` says the bytes suffice; false on a closed connection or after 10 s.
    static bool lesen(int c, QByteArray &puffer, const std::function<bool()> &genug)
    {
        char b[65536];
        for (int versuche = 0; !genug(); ++versuche) {
            pollfd p{c, POLLIN, 0};
            if (versuche > 200 || ::poll(&p, 1, 50) < 0)
                return false;
            if (!(p.revents & POLLIN))
                continue;
            const ssize_t n = ::recv(c, b, sizeof b, 0);
            if (n <= 0)
                return false;
            puffer.append(b, int(n));
            versuche = 0;
        }
        return true;
    }

    static QByteArray kopfWert(const QByteArray &kopf, const QByteArray &name)
    {
        for (const QByteArray &z : kopf.split('\n')) {
            const int d = z.indexOf(':');
            if (d > 0 && z.left(d).trimmed().toLower() == name)
                return z.mid(d + 1).trimmed();
        }
        return {};
    }

    void bedienen(int c)
    {
        QByteArray in;
        if (!lesen(c, in, [&in] { return in.contains("\r\n\r\n"); }))
            return;
        ++m_anfragen;
        if (m_antwort == Antwort::Abbrechen)
            return;
        const int kopfEnde = in.indexOf("\r\n\r\n") + 4;
        const QByteArray kopf = in.left(kopfEnde);
        if (kopfWert(kopf, "expect").toLower() == "100-continue")
            senden(c, "HTTP/1.1 100 Continue\r\n\r\n");
        const int laenge = kopfWert(kopf, "content-length").toInt();
        if (!lesen(c, in, [&] { return in.size() >= kopfEnde + laenge; }))
            return;
        if (m_antwort == Antwort::Umleitung) {
            QMutexLocker l(&m_mutex);
            senden(c, "HTTP/1.1 302 Found\r\nLocation: " + m_ziel +
                          "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            return;
        }
        if (m_antwort == Antwort::Schweigen || m_antwort == Antwort::Tropfen) {
            if (m_antwort == Antwort::Tropfen)
                senden(c, "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n");
            for (int i = 0; !m_stop; ++i) {
                ::usleep(50000);
                if (m_antwort == Antwort::Tropfen && i % 10 == 0)
                    senden(c, "ok");
            }
            return;
        }
        if (m_antwort == Antwort::Fehler500) {
            senden(c, "HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            return;
        }
        teileLesen(kopf, in.mid(kopfEnde, laenge));
        senden(c, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
    }

    void teileLesen(const QByteArray &kopf, const QByteArray &rumpf)
    {
        const QByteArray typ = kopfWert(kopf, "content-type");
        const int b = typ.indexOf("boundary=");
        if (b < 0)
            return;
        const QByteArray grenze = "--" + typ.mid(b + 9).replace("\"", "");
        int pos = rumpf.indexOf(grenze);
        while (pos >= 0) {
            const int start = pos + grenze.size() + 2;
            const int naechste = rumpf.indexOf("\r\n" + grenze, start);
            if (naechste < 0)
                break;
            const QByteArray teil = rumpf.mid(start, naechste - start);
            const int k = teil.indexOf("\r\n\r\n");
            const QByteArray tkopf = teil.left(k);
            const QByteArray disp = kopfWert(tkopf, "content-disposition");
            if (disp.contains("name=\"bild\"")) {
                const int f = disp.indexOf("filename=\"");
                QByteArray name = f >= 0 ? disp.mid(f + 10) : QByteArray();
                name.truncate(name.indexOf('"'));
                QMutexLocker l(&m_mutex);
                m_teile.append({QString::fromUtf8(name), QString::fromUtf8(kopfWert(tkopf, "content-type")),
                                teil.mid(k + 4)});
            }
            pos = naechste + 2;
        }
    }

    static void senden(int c, const QByteArray &b)
    {
        ::send(c, b.constData(), size_t(b.size()), MSG_NOSIGNAL);
    }

    int m_fd = -1;
    int m_port = 0;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<Antwort> m_antwort{Antwort::Ok};
    std::atomic<int> m_anfragen{0};
    mutable QMutex m_mutex;
    QList<Teil> m_teile;
    QByteArray m_ziel;
};
