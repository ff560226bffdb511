#include "platform/CommControl.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QSerialPort>
#include <QStringList>

#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The devices held open by a control of this process, by canonical path.
QHash<QString, const CommControl *> &holders()
{
    static QHash<QString, const CommControl *> h;
    return h;
}

QMap<int, QString> injectedTable;
bool tableInjected = false;

// Bytes that may wait in QSerialPort's own buffer beyond the control's
// input buffer before it stops reading from the device.
constexpr qint64 PortReadBufferSize = 64 * 1024;

struct LineSettings {
    qint32 baud = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

bool parseSettings(const QString &text, LineSettings &out)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    bool ok = false;
    const QString baudText = parts[0].trimmed();
    const qint64 baud = baudText.toLongLong(&ok);
    if (!ok || baud <= 0 || baud > 4000000)
        return false;
    out.baud = qint32(baud);

    const QString parity = parts[1].trimmed().toUpper();
    if (parity == QLatin1String("N"))
        out.parity = QSerialPort::NoParity;
    else if (parity == QLatin1String("E"))
        out.parity = QSerialPort::EvenParity;
    else if (parity == QLatin1String("O"))
        out.parity = QSerialPort::OddParity;
    else if (parity == QLatin1String("M"))
        out.parity = QSerialPort::MarkParity;
    else if (parity == QLatin1String("S"))
        out.parity = QSerialPort::SpaceParity;
    else
        return false;

    const int data = parts[2].trimmed().toInt(&ok);
    if (!ok || data < 5 || data > 8)
        return false;
    out.dataBits = QSerialPort::DataBits(data);

    const QString stop = parts[3].trimmed();
    if (stop == QLatin1String("1"))
        out.stopBits = QSerialPort::OneStop;
    else if (stop == QLatin1String("1.5"))
        out.stopBits = QSerialPort::OneAndHalfStop;
    else if (stop == QLatin1String("2"))
        out.stopBits = QSerialPort::TwoStop;
    else
        return false;
    return true;
}

bool applySettings(QSerialPort *port, const LineSettings &s)
{
    return port->setBaudRate(s.baud) && port->setParity(s.parity) && port->setDataBits(s.dataBits)
        && port->setStopBits(s.stopBits) && port->setFlowControl(QSerialPort::NoFlowControl);
}

QString holdKeyOf(const QString &device)
{
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? device : canonical;
}

} // namespace

CommControl::CommControl(QObject *parent) : QObject(parent) {}

CommControl::~CommControl()
{
    close();
}

bool CommControl::setSettings(const QString &settings)
{
    LineSettings parsed;
    if (!parseSettings(settings, parsed)) {
        m_error = QStringLiteral("Invalid settings: %1").arg(settings);
        return false;
    }
    m_settings = settings;
    if (serialOpen() && !applySettings(m_serial, parsed)) {
        m_error = m_serial->errorString();
        return false;
    }
    return true;
}

bool CommControl::portOpen() const
{
    return serialOpen();
}

bool CommControl::serialOpen() const
{
    return m_serial && m_serial->isOpen() && !m_holdKey.isEmpty();
}

bool CommControl::setPortOpen(bool open)
{
    if (!open) {
        close();
        return true;
    }
    if (serialOpen()) {
        m_error = QStringLiteral("Port already open");
        return false;
    }
    // A port that failed is closed for good before it opens again.
    if (m_serial && m_serial->isOpen())
        m_serial->close();

    m_device = ComPorts::device(m_port);
    if (m_device.isEmpty()) {
        m_error = QStringLiteral("COM%1 does not exist").arg(m_port);
        return false;
    }
    LineSettings line;
    if (!parseSettings(m_settings, line)) {
        m_error = QStringLiteral("Invalid settings: %1").arg(m_settings);
        return false;
    }
    const QString key = holdKeyOf(m_device);
    if (holders().contains(key)) {
        m_error = QStringLiteral("%1 is in use").arg(m_device);
        return false;
    }

    if (!m_serial) {
        m_serial = new QSerialPort(this);
        connect(m_serial, &QSerialPort::readyRead, this, &CommControl::onReadyRead);
        connect(m_serial, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
            if (e == QSerialPort::NoError || e == QSerialPort::TimeoutError)
                return;
            if (serialOpen())
                failAndClose(m_serial->errorString());
        });
    }
    m_serial->setPortName(m_device);
    m_serial->setReadBufferSize(PortReadBufferSize);
    if (!m_serial->open(QIODevice::ReadWrite)) {
        m_error = m_serial->errorString();
        m_serial->clearError();
        return false;
    }
    if (!applySettings(m_serial, line)) {
        m_error = m_serial->errorString();
        m_serial->close();
        m_serial->clearError();
        return false;
    }
    // A freshly opened port starts with empty buffers.
    m_serial->clear(QSerialPort::Input);
    m_in.clear();
    holders().insert(key, this);
    m_holdKey = key;
    m_error.clear();
    return true;
}

void CommControl::close()
{
    const bool held = !m_holdKey.isEmpty();
    if (held) {
        holders().remove(m_holdKey);
        m_holdKey.clear();
    }
    m_in.clear();
    if (!m_serial || !m_serial->isOpen())
        return;
    if (!held) {  // failed earlier: nothing can be written any more
        m_serial->close();
        m_serial->clearError();
        return;
    }

    // QSerialPort::close drops what it has not written yet: hand it to the
    // device first, then let the device send it, both within a bound so a
    // stuck line cannot hold up the program.
    const int fd = int(m_serial->handle());
    int pending = 0;
    ioctl(fd, TIOCOUTQ, &pending);
    const qint64 bytes = m_serial->bytesToWrite() + qMax(pending, 0);
    const qint64 boundMs = qMin<qint64>(1000, 20 + bytes * 2);
    QElapsedTimer clock;
    clock.start();
    while (m_serial->bytesToWrite() > 0 && clock.elapsed() < boundMs) {
        if (!m_serial->flush())
            usleep(500);
        if (!m_serial->isOpen())
            return;
    }
    while (clock.elapsed() < boundMs) {
        pending = 0;
        if (ioctl(fd, TIOCOUTQ, &pending) != 0 || pending <= 0)
            break;
        usleep(500);
    }
    m_serial->close();
    m_serial->clearError();
}

void CommControl::failAndClose(const QString &why)
{
    m_error = why;
    if (!m_holdKey.isEmpty()) {
        holders().remove(m_holdKey);
        m_holdKey.clear();
    }
    m_in.clear();
    // The device is gone or broken: stop listening at once (QSerialPort
    // would otherwise keep polling it), and close it outside the handler
    // that reported the error.
    QSerialPort *serial = m_serial;
    QMetaObject::invokeMethod(this, [this, serial] {
        if (m_serial == serial && m_holdKey.isEmpty() && serial->isOpen()) {
            serial->close();
            serial->clearError();
        }
    }, Qt::QueuedConnection);
}

void CommControl::pullFromPort() const
{
    if (!serialOpen())
        return;
    const qint64 room = qint64(m_inBufferSize) - m_in.size();
    if (room <= 0 || m_serial->bytesAvailable() <= 0)
        return;
    m_in += m_serial->read(room);
}

void CommControl::onReadyRead()
{
    const qsizetype before = m_in.size();
    pullFromPort();
    if (m_in.size() > before && m_rThreshold > 0 && m_in.size() >= m_rThreshold)
        emit onComm(ComEvReceive);
}

int CommControl::receiveBytes(const QByteArray &bytes)
{
    const qsizetype room = qMax<qsizetype>(0, m_inBufferSize - m_in.size());
    const qsizetype taken = qMin(room, bytes.size());
    if (taken <= 0)
        return 0;
    m_in += bytes.left(taken);
    if (m_rThreshold > 0 && m_in.size() >= m_rThreshold)
        emit onComm(ComEvReceive);
    return int(taken);
}

int CommControl::inBufferCount() const
{
    pullFromPort();
    return int(m_in.size());
}

void CommControl::clearInBuffer()
{
    m_in.clear();
    if (serialOpen())
        m_serial->clear(QSerialPort::Input);
}

void CommControl::clearOutBuffer()
{
    if (serialOpen())
        m_serial->clear(QSerialPort::Output);
}

QByteArray CommControl::input()
{
    pullFromPort();
    const qsizetype n = m_inputLen <= 0 ? m_in.size() : qMin<qsizetype>(m_inputLen, m_in.size());
    QByteArray out = m_in.left(n);
    m_in.remove(0, n);
    // Bytes that waited in the port for room come in with a receive event
    // of their own, raised from the event loop rather than from inside this call.
    if (serialOpen() && n > 0 && m_serial->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &CommControl::onReadyRead, Qt::QueuedConnection);
    return out;
}

void CommControl::output(const QByteArray &bytes)
{
    if (!serialOpen()) {
        m_error = QStringLiteral("Port not open");
        return;
    }
    if (m_serial->write(bytes) != bytes.size()) {
        if (serialOpen())
            failAndClose(m_serial->errorString());
        return;
    }
    // Hand the bytes to the device now, as the program's sender expects
    // them on the line when its tick ends.
    m_serial->flush();
}

namespace ComPorts {

QString defaultDevice(int n)
{
    if (n >= 1 && n <= 4)
        return QStringLiteral("/dev/ttyS%1").arg(n - 1);
    if (n >= 5 && n <= 12)
        return QStringLiteral("/dev/ttyUSB%1").arg(n - 5);
    if (n >= 13 && n <= 20)
        return QStringLiteral("/dev/ttyACM%1").arg(n - 13);
    return {};
}

QString device(int n)
{
    if (tableInjected)
        return injectedTable.value(n);
    if (n < 1)
        return {};
    const QByteArray var = "ZQ7310_COM" + QByteArray::number(n);
    if (qEnvironmentVariableIsSet(var.constData()))
        return qEnvironmentVariable(var.constData());
    return defaultDevice(n);
}

void setTable(const QMap<int, QString> &table)
{
    injectedTable = table;
    tableInjected = true;
}

void clearTable()
{
    injectedTable.clear();
    tableInjected = false;
}

} // namespace ComPorts
