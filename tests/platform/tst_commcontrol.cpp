// The serial port control over a pseudo-terminal: the test holds the master,
// the control opens the slave through a COM number mapped by ComPorts::setTable.
#include "platform/CommControl.h"
#include "support/Pty.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <termios.h>

class TestCommControl : public QObject
{
    Q_OBJECT

private:
    // A pty mapped to COM 3, and a control configured the way the program does.
    struct Rig {
        Pty pty;
        CommControl msc;
        bool ok = false;
        explicit Rig(int com = 3)
        {
            ok = pty.open();
            if (!ok)
                return;
            ComPorts::setTable({{com, pty.slavePath()}});
            msc.setCommPort(com);
            msc.setSettings(QStringLiteral("9600,N,8,1"));
            msc.setInBufferSize(1024);
            msc.setInputLen(1);
            msc.setRThreshold(1);
        }
    };

private slots:
    void cleanup() { ComPorts::clearTable(); }

    void settingsAreApplied_data();
    void settingsAreApplied();
    void settingsAreParsed_data();
    void settingsAreParsed();
    void everyByteValueBothWays();
    void discardDropsWhatWaits();
    void inputBufferIsBoundedButLosesNothing();
    void secondHolderIsRefused();
    void openingAnOpenControlFails();
    void bytesOutputBeforeCloseReachTheLine();
    void closingFromTheReceiveEvent();
    void portClosesWhenTheOtherEndGoesAway();
    void defaultMap_data();
    void defaultMap();
    void environmentReplacesTheMap();
    void missingComNumberDoesNotOpen();
};

void TestCommControl::settingsAreApplied_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("speed");
    QTest::addColumn<bool>("twoStop");

    // A pseudo-terminal keeps 8 data bits without parity whatever it is told,
    // so parity and character size are checked by the parser test alone.
    QTest::newRow("9600 8N1") << "9600,N,8,1" << int(B9600) << false;
    QTest::newRow("4800 8N2") << "4800,n,8,2" << int(B4800) << true;
    QTest::newRow("19200 8N1 with blanks") << " 19200 , N , 8 , 1 " << int(B19200) << false;
}

void TestCommControl::settingsAreApplied()
{
    QFETCH(QString, settings);
    QFETCH(int, speed);
    QFETCH(bool, twoStop);

    Rig rig;
    QVERIFY(rig.ok);
    QVERIFY(rig.msc.setSettings(settings));
    QVERIFY2(rig.msc.setPortOpen(true), qPrintable(rig.msc.errorString()));
    QVERIFY(rig.msc.portOpen());
    QCOMPARE(rig.msc.deviceName(), rig.pty.slavePath());

    // On Linux the master reports the terminal settings of its slave.
    termios tio{};
    QCOMPARE(tcgetattr(rig.pty.masterFd(), &tio), 0);
    QCOMPARE(int(cfgetospeed(&tio)), speed);
    QCOMPARE(int(cfgetispeed(&tio)), speed);
    QCOMPARE(int(tio.c_cflag & CSIZE), int(CS8));
    QCOMPARE(bool(tio.c_cflag & CSTOPB), twoStop);
    QVERIFY(!(tio.c_cflag & PARENB));
    // Binary line: no translation, no echo, no flow control.
    QVERIFY(!(tio.c_lflag & (ICANON | ECHO)));
    QVERIFY(!(tio.c_iflag & (ICRNL | INLCR | IXON)));
    QVERIFY(!(tio.c_cflag & CRTSCTS));
}

void TestCommControl::settingsAreParsed_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("valid");
    QTest::newRow("8N1") << "9600,N,8,1" << true;
    QTest::newRow("7E2 lower case") << "4800,e,7,2" << true;
    QTest::newRow("8O1.5") << "1200,O,8,1.5" << true;
    QTest::newRow("three fields") << "9600,N,8" << false;
    QTest::newRow("five fields") << "9600,N,8,1,1" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("baud not a number") << "fast,N,8,1" << false;
    QTest::newRow("baud zero") << "0,N,8,1" << false;
    QTest::newRow("negative baud") << "-9600,N,8,1" << false;
    QTest::newRow("unknown parity") << "9600,X,8,1" << false;
    QTest::newRow("nine data bits") << "9600,N,9,1" << false;
    QTest::newRow("four data bits") << "9600,N,4,1" << false;
    QTest::newRow("three stop bits") << "9600,N,8,3" << false;
}

void TestCommControl::settingsAreParsed()
{
    QFETCH(QString, settings);
    QFETCH(bool, valid);
    CommControl msc;
    QVERIFY(msc.setSettings(QStringLiteral("2400,N,8,2")));
    QCOMPARE(msc.setSettings(settings), valid);
    // A refused text leaves the settings as they were.
    QCOMPARE(msc.settings(), valid ? settings : QStringLiteral("2400,N,8,2"));
}

void TestCommControl::everyByteValueBothWays()
{
    Rig rig;
    QVERIFY(rig.ok);
    QSignalSpy events(&rig.msc, &CommControl::onComm);
    QVERIFY(rig.msc.setPortOpen(true));

    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));

    // Radio to program, one byte per input call.
    QCOMPARE(rig.pty.write(all), qint64(256));
    QTRY_COMPARE(rig.msc.inBufferCount(), 256);
    QVERIFY(!events.isEmpty());
    QCOMPARE(events.first().first().toInt(), CommControl::ComEvReceive);
    QByteArray got;
    while (rig.msc.inBufferCount() > 0) {
        const QByteArray one = rig.msc.input();
        QCOMPARE(one.size(), 1);
        got += one;
    }
    QCOMPARE(got, all);
    QVERIFY(rig.msc.input().isEmpty());

    // Program to radio.
    rig.msc.output(all);
    QCOMPARE(rig.pty.readExactly(256), all);
}

void TestCommControl::discardDropsWhatWaits()
{
    Rig rig;
    QVERIFY(rig.ok);
    QVERIFY(rig.msc.setPortOpen(true));
    rig.pty.write(QByteArray("0123456789"));
    QTRY_COMPARE(rig.msc.inBufferCount(), 10);
    rig.msc.clearInBuffer();
    QCOMPARE(rig.msc.inBufferCount(), 0);
    QTest::qWait(20);
    QCOMPARE(rig.msc.inBufferCount(), 0);

    // What comes afterwards is kept.
    rig.pty.write(QByteArray("\x06", 1));
    QTRY_COMPARE(rig.msc.inBufferCount(), 1);
    QCOMPARE(rig.msc.input(), QByteArray("\x06", 1));
}

void TestCommControl::inputBufferIsBoundedButLosesNothing()
{
    Rig rig;
    QVERIFY(rig.ok);
    rig.msc.setInBufferSize(16);
    rig.msc.setInputLen(0);  // all waiting bytes per call
    QVERIFY(rig.msc.setPortOpen(true));

    QByteArray sent;
    for (int i = 0; i < 40; ++i)
        sent.append(char('A' + i % 26));
    rig.pty.write(sent);
    QTRY_COMPARE(rig.msc.inBufferCount(), 16);

    QByteArray got;
    for (int round = 0; round < 10 && got.size() < sent.size(); ++round) {
        QTRY_VERIFY(rig.msc.inBufferCount() > 0);
        QVERIFY(rig.msc.inBufferCount() <= 16);
        got += rig.msc.input();
    }
    QCOMPARE(got, sent);
}

void TestCommControl::secondHolderIsRefused()
{
    Pty pty;
    QVERIFY(pty.open());
    // COM 2 reaches the same device through a link of another name.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("radio"));
    QVERIFY(QFile::link(pty.slavePath(), link));
    ComPorts::setTable({{1, pty.slavePath()}, {2, link}});

    CommControl first, second, third;
    first.setCommPort(1);
    second.setCommPort(1);
    third.setCommPort(2);
    QVERIFY(first.setPortOpen(true));
    QVERIFY(!second.setPortOpen(true));
    QVERIFY(!second.portOpen());
    QVERIFY(!second.errorString().isEmpty());
    QVERIFY(!third.setPortOpen(true));

    // The holder's close frees the device.
    QVERIFY(first.setPortOpen(false));
    QVERIFY(!first.portOpen());
    QVERIFY2(second.setPortOpen(true), qPrintable(second.errorString()));
    QVERIFY(second.portOpen());
}

void TestCommControl::openingAnOpenControlFails()
{
    Rig rig;
    QVERIFY(rig.ok);
    QVERIFY(rig.msc.setPortOpen(true));
    QVERIFY(!rig.msc.setPortOpen(true));
    QVERIFY(rig.msc.portOpen());
    rig.msc.output(QByteArray("U"));
    QCOMPARE(rig.pty.readExactly(1), QByteArray("U"));
}

void TestCommControl::bytesOutputBeforeCloseReachTheLine()
{
    Rig rig;
    QVERIFY(rig.ok);
    QVERIFY(rig.msc.setPortOpen(true));
    QByteArray frame("\x06X\x2D\x10\x10", 5);
    frame.append(QByteArray(16, char(0x5A)));
    QByteArray sent;
    for (int i = 0; i < 10; ++i) {
        rig.msc.output(frame);
        sent += frame;
    }
    rig.msc.output(QByteArray("\x06", 1));  // the last Ack, right before the close
    sent += QByteArray("\x06", 1);
    QVERIFY(rig.msc.setPortOpen(false));  // no event loop ran in between
    QVERIFY(!rig.msc.portOpen());
    QCOMPARE(rig.pty.readExactly(int(sent.size())), sent);
}

void TestCommControl::closingFromTheReceiveEvent()
{
    // The way an exchange ends: its receive handler takes the reply, sends
    // the last Ack and closes the port, all inside the receive event.
    Rig rig;
    QVERIFY(rig.ok);
    QByteArray taken;
    connect(&rig.msc, &CommControl::onComm, this, [&](int event) {
        QCOMPARE(event, CommControl::ComEvReceive);
        if (rig.msc.inBufferCount() < 4)
            return;
        while (rig.msc.inBufferCount() > 0)
            taken += rig.msc.input();
        rig.msc.output(QByteArray("\x06", 1));
        rig.msc.setPortOpen(false);
    });
    QVERIFY(rig.msc.setPortOpen(true));
    rig.pty.write(QByteArray("X\x2D\x00\x40", 4));
    QTRY_VERIFY(!rig.msc.portOpen());
    QCOMPARE(taken, QByteArray("X\x2D\x00\x40", 4));
    QCOMPARE(rig.pty.readExactly(1), QByteArray("\x06", 1));
    QTest::qWait(10);  // nothing left behind that fires later
    QVERIFY(!rig.msc.portOpen());
    QVERIFY(rig.msc.setPortOpen(true));
}

void TestCommControl::portClosesWhenTheOtherEndGoesAway()
{
    Rig rig;
    QVERIFY(rig.ok);
    QVERIFY(rig.msc.setPortOpen(true));
    rig.pty.close();
    QTRY_VERIFY(!rig.msc.portOpen());
    QVERIFY(!rig.msc.errorString().isEmpty());
    QCOMPARE(rig.msc.inBufferCount(), 0);
    rig.msc.output(QByteArray("S"));  // harmless on a closed port
    QVERIFY(!rig.msc.portOpen());

    // The device is no longer held: a new terminal under the same COM number opens.
    Pty next;
    QVERIFY(next.open());
    ComPorts::setTable({{3, next.slavePath()}});
    QVERIFY2(rig.msc.setPortOpen(true), qPrintable(rig.msc.errorString()));
}

void TestCommControl::defaultMap_data()
{
    QTest::addColumn<int>("com");
    QTest::addColumn<QString>("device");
    QTest::newRow("COM1") << 1 << "/dev/ttyS0";
    QTest::newRow("COM4") << 4 << "/dev/ttyS3";
    QTest::newRow("COM5") << 5 << "/dev/ttyUSB0";
    QTest::newRow("COM12") << 12 << "/dev/ttyUSB7";
    QTest::newRow("COM13") << 13 << "/dev/ttyACM0";
    QTest::newRow("COM20") << 20 << "/dev/ttyACM7";
    QTest::newRow("COM0") << 0 << "";
    QTest::newRow("COM21") << 21 << "";
}

void TestCommControl::defaultMap()
{
    QFETCH(int, com);
    QFETCH(QString, device);
    qunsetenv(QByteArray("ZQ7310_COM" + QByteArray::number(com)).constData());
    QCOMPARE(ComPorts::defaultDevice(com), device);
    QCOMPARE(ComPorts::device(com), device);
}

void TestCommControl::environmentReplacesTheMap()
{
    qputenv("ZQ7310_COM5", "/dev/serial/by-id/usb-cable-if00-port0");
    qputenv("ZQ7310_COM3", "");
    qunsetenv("ZQ7310_COM6");
    QCOMPARE(ComPorts::device(5), QStringLiteral("/dev/serial/by-id/usb-cable-if00-port0"));
    QCOMPARE(ComPorts::device(3), QString());  // empty: COM3 does not exist
    QCOMPARE(ComPorts::device(6), QStringLiteral("/dev/ttyUSB1"));

    // An injected table replaces all of it; clearing it brings the map back.
    ComPorts::setTable({{7, QStringLiteral("/tmp/x")}});
    QCOMPARE(ComPorts::device(5), QString());
    QCOMPARE(ComPorts::device(7), QStringLiteral("/tmp/x"));
    ComPorts::clearTable();
    QCOMPARE(ComPorts::device(5), QStringLiteral("/dev/serial/by-id/usb-cable-if00-port0"));
    qunsetenv("ZQ7310_COM5");
    qunsetenv("ZQ7310_COM3");
}

void TestCommControl::missingComNumberDoesNotOpen()
{
    Rig rig(3);
    QVERIFY(rig.ok);
    rig.msc.setCommPort(4);  // not in the table
    QVERIFY(!rig.msc.setPortOpen(true));
    QVERIFY(!rig.msc.portOpen());
    QVERIFY(rig.msc.errorString().contains(QStringLiteral("COM4")));

    // A mapped device that is not there fails as well, and leaves nothing held.
    ComPorts::setTable({{3, rig.pty.slavePath()}, {4, QStringLiteral("/nonexistent/tty-zq")}});
    QVERIFY(!rig.msc.setPortOpen(true));
    rig.msc.setCommPort(3);
    QVERIFY(rig.msc.setPortOpen(true));
}

QTEST_MAIN(TestCommControl)
#include "tst_commcontrol.moc"
