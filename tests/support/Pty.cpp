#include "support/Pty.h"

#include <QElapsedTimer>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

Pty::~Pty()
{
    close();
}

bool Pty::open()
{
    close();
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        return false;
    const char *name = nullptr;
    if (grantpt(master) != 0 || unlockpt(master) != 0 || !(name = ptsname(master))) {
        ::close(master);
        return false;
    }
    termios tio{};
    if (tcgetattr(master, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(master, TCSANOW, &tio);
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
    // Held so that the master does not hang up whenever the control closes.
    m_keeper = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    m_master = master;
    return true;
}

qint64 Pty::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return -1;
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd p{m_master, POLLOUT, 0};
            if (poll(&p, 1, 100) > 0)
                continue;
        }
        break;
    }
    return done;
}

QByteArray Pty::readAvailable()
{
    QByteArray out;
    if (m_master < 0)
        return out;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            out.append(buf, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    return out;
}

QByteArray Pty::readExactly(int n, int timeoutMs)
{
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (out.size() < n && m_master >= 0) {
        out += readAvailable();
        if (out.size() >= n)
            break;
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            break;
        pollfd p{m_master, POLLIN, 0};
        poll(&p, 1, int(qMin<qint64>(left, 50)));
    }
    return out;
}

void Pty::close()
{
    if (m_keeper >= 0)
        ::close(m_keeper);
    if (m_master >= 0)
        ::close(m_master);
    m_keeper = -1;
    m_master = -1;
}
