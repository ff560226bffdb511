#pragma once
// A pseudo-terminal for tests: the master side stays with the test (raw,
// non-blocking), the slave path is what a serial control opens after the test
// maps a COM number to it with ComPorts::setTable. The helper also keeps a
// slave descriptor of its own open, so the master never sees a hang-up while
// the control closes and reopens the port between exchanges.
#include <QByteArray>
#include <QString>

class Pty
{
public:
    Pty() = default;
    ~Pty();
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;

    bool open();                  // false (and nothing open) on failure
    bool isOpen() const { return m_master >= 0; }
    int masterFd() const { return m_master; }
    QString slavePath() const { return m_slavePath; }

    // Writes to the master (to the control's side); returns bytes written.
    qint64 write(const QByteArray &bytes);
    // Everything the control's side has written so far, without waiting.
    QByteArray readAvailable();
    // Reads until n bytes came or timeoutMs passed (blocks the caller; for
    // tests that run no event loop while they wait).
    QByteArray readExactly(int n, int timeoutMs = 1000);

    // The other end goes away: closes the master and the kept slave.
    void close();

private:
    int m_master = -1;
    int m_keeper = -1;
    QString m_slavePath;
};
