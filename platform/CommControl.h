#pragma once
// The serial port control of a window with a transfer: a port number, a
// settings string such as "9600,N,8,1", a count of buffered input bytes
// (setting it to 0 discards them), input of one byte per call, output of byte
// arrays, an open flag and a receive event. Runs on QSerialPort; the methods
// are virtual so that tests can put a fake port in its place.
//
// Behaviour worth knowing:
// - One control per device at a time in this process: a second open of a
//   device that another control holds fails like a busy port (also as root).
// - Opening a control that is already open fails ("Port already open") and
//   leaves it open.
// - output() hands the bytes to the device at once (no event loop needed);
//   closing writes out whatever is still buffered (bounded wait) first.
// - The first read or write error (an unplugged adapter, a pseudo-terminal
//   whose other end closed) closes the port; portOpen() then reads false.
// - Received bytes are moved into the control's own input buffer of
//   InBufferSize bytes (1024); what does not fit waits in the port until
//   input() or clearInBuffer() makes room. onComm(ComEvReceive) is raised
//   when bytes arrive and at least RThreshold bytes wait (0 = never).
// - Nothing here waits for the line except the bounded drain on close.
#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>

class QSerialPort;

class CommControl : public QObject
{
    Q_OBJECT
public:
    static constexpr int ComEvReceive = 2;  // the receive event's code

    explicit CommControl(QObject *parent = nullptr);
    ~CommControl() override;

    void setCommPort(int n) { m_port = n; }
    int commPort() const { return m_port; }
    // "baud,parity,data,stop", for example "9600,N,8,1": parity N, E or O,
    // 5 to 8 data bits, 1 or 2 stop bits. False when malformed (the previous
    // settings stay). Applied at once when the port is open.
    bool setSettings(const QString &settings);
    QString settings() const { return m_settings; }
    void setInBufferSize(int bytes) { m_inBufferSize = bytes > 0 ? bytes : 1024; }
    int inBufferSize() const { return m_inBufferSize; }
    void setInputLen(int bytes) { m_inputLen = bytes; }  // bytes per input() call, 0 = all
    int inputLen() const { return m_inputLen; }
    void setRThreshold(int bytes) { m_rThreshold = bytes; }
    int rThreshold() const { return m_rThreshold; }

    // Opens or closes the port. Opening fails (false, with errorString) when
    // COM n has no device, the device is held by another control of this
    // process, or the system refuses it. Closing writes out what is buffered.
    virtual bool setPortOpen(bool open);
    virtual bool portOpen() const;
    QString errorString() const { return m_error; }

    virtual int inBufferCount() const;
    virtual void clearInBuffer();    // InBufferCount = 0
    virtual void clearOutBuffer();   // OutBufferCount = 0
    virtual QByteArray input();      // the next InputLen bytes in arrival order
    virtual void output(const QByteArray &bytes);

    QString deviceName() const { return m_device; }

signals:
    // The receive event: raised with ComEvReceive when input has arrived.
    void onComm(int event);

protected:
    // Adds received bytes to the input buffer (as far as it has room; returns
    // how many it took) and raises the receive event when the threshold is
    // reached. A fake port feeds its bytes through here.
    int receiveBytes(const QByteArray &bytes);
    // The input buffer itself, for subclasses.
    QByteArray &inBuffer() const { return m_in; }

    QString m_error;

private:
    void close();
    void failAndClose(const QString &why);
    bool serialOpen() const;    // the real port is open and held
    void pullFromPort() const;  // moves what the port has into m_in, up to InBufferSize
    void onReadyRead();

    int m_port = 1;
    QString m_settings = QStringLiteral("9600,N,8,1");
    int m_inBufferSize = 1024;
    int m_inputLen = 0;
    int m_rThreshold = 0;
    QSerialPort *m_serial = nullptr;
    QString m_device;     // the device path as mapped from the COM number
    QString m_holdKey;    // the device this control holds while open
    mutable QByteArray m_in;
};

// The map from COM numbers to devices: COM1-COM4 are /dev/ttyS0-3,
// COM5-COM12 /dev/ttyUSB0-7, COM13-COM20 /dev/ttyACM0-7. The environment
// variable ZQ7310_COM<n> replaces the device of COM n; an empty value means
// COM n does not exist. Tests inject the whole table in-process: while a
// table is injected, a COM number it does not list does not exist.
namespace ComPorts {
inline constexpr int Highest = 20;
QString device(int n);  // empty when COM n does not exist
QString defaultDevice(int n);  // the built-in map alone, empty outside 1..20
void setTable(const QMap<int, QString> &table);  // replaces the whole map
void clearTable();                               // back to the default map
}
