#pragma once
// The serial port control of a window with a transfer: a port number, a
// settings string such as "9600,N,8,1", a count of buffered input bytes
// (setting it to 0 discards them), input of one byte per call, output of byte
// arrays, an open flag and a receive event. Runs on QSerialPort; the methods
// are virtual so that tests can put a fake port in its place.
#include <QByteArray>
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
    // "baud,parity,data,stop", for example "9600,N,8,1". False when malformed.
    bool setSettings(const QString &settings);
    QString settings() const { return m_settings; }
    void setInBufferSize(int bytes) { m_inBufferSize = bytes; }
    void setInputLen(int bytes) { m_inputLen = bytes; }  // bytes per input() call, 0 = all
    void setRThreshold(int bytes) { m_rThreshold = bytes; }

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
    QString m_error;

private:
    void close();
    void failAndClose(const QString &why);

    int m_port = 1;
    QString m_settings = QStringLiteral("9600,N,8,1");
    int m_inBufferSize = 1024;
    int m_inputLen = 0;
    int m_rThreshold = 0;
    QSerialPort *m_serial = nullptr;
    QString m_device;
};

// The map from COM numbers to devices: COM1-COM4 are /dev/ttyS0-3,
// COM5-COM12 /dev/ttyUSB0-7, COM13-COM20 /dev/ttyACM0-7. The environment
// variable ZQ7310_COM<n> replaces the device of COM n; an empty value means
// COM n does not exist. Tests inject the whole table in-process.
namespace ComPorts {
inline constexpr int Highest = 20;
QString device(int n);  // empty when COM n does not exist
void setTable(const QMap<int, QString> &table);  // replaces the whole map
void clearTable();                               // back to the default map
}
