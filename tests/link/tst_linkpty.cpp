// The exchange end to end over a pseudo-terminal, with the real serial
// control and real timers: the 2-tone read and write reach the simulated
// radio byte for byte, and the last Ack is on the wire before the port closes.
#include "link/LinkProfiles.h"
#include <QtTest>

#include "link/LinkSession.h"
#include "link/LinkState.h"
#include "memory/MemoryImage.h"
#include "platform/CommControl.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "support/LinkFrames.h"
#include "support/LinkTestBench.h"
#include "support/LinkTestHost.h"

using namespace LinkFrames;

namespace {
constexpr int Com = 7;
}

class TestLinkPty : public QObject, LinkTestBench
{
    Q_OBJECT

private slots:
    void init()
    {
        setUpBench({}, Clock::Real);
        QVERIFY(radio->plugIntoCom(Com));
        CommPortNumber = Com;
    }
    void cleanup()
    {
        tearDownBench();
        ComPorts::clearTable();
    }

    void read_data()
    {
        QTest::addColumn<bool>("paced");
        QTest::newRow("instant") << false;
        QTest::newRow("9600 baud") << true;
    }
    void read()
    {
        QFETCH(bool, paced);
        radio->options().paced = paced;
        QByteArray data(12 * 64, 0);
        for (int i = 0; i < data.size(); ++i)
            data[i] = char(i * 13 + 1);
        radio->setBytes(0x2D00, data);
        LinkTestHost host(LinkProfile::twoTone(), nullptr, true);
        QSignalSpy done(host.session, &LinkSession::readCompleted);
        host.read->click();
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 10000);
        for (int r = 0; r < 48; ++r)
            for (int c = 0; c < 16; ++c)
                QCOMPARE(quint8(MemoryImage[720 + r][c]), quint8(data[16 * r + c]));
        QVERIFY(!host.port->portOpen());
        // Every request and every Ack reached the radio, the last block's
        // Ack before the port closed. Compared as one stream: on a loaded
        // machine a block's Ack may go out just ahead of the next request.
        QTRY_COMPARE_WITH_TIMEOUT(radio->frameBytes().join(), readFrames(0x2D00, 12).join(), 2000);
        QCOMPARE(MainPanel(8), QStringLiteral(" 136-- 174"));
    }

    void write()
    {
        for (int r = 720; r < 768; ++r)
            for (int c = 0; c < 16; ++c)
                MemoryImage[r][c] = qint16((r * 5 + c) & 0xFF);
        LinkTestHost host(LinkProfile::twoTone(), nullptr, true);
        QSignalSpy done(host.session, &LinkSession::writeCompleted);
        host.write->click();
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 10000);
        for (int r = 720; r < 768; ++r)
            for (int c = 0; c < 16; ++c)
                QCOMPARE(radio->byteAt(16 * r + c), quint8((r * 5 + c) & 0xFF));
        QCOMPARE(radio->frameBytes().size(), 4 + 48);
        QVERIFY(!host.port->portOpen());
    }

    void secondWindowCannotOpenThePort()
    {
        LinkTestHost first(LinkProfile::twoTone(), nullptr, true);
        LinkTestHost second(LinkProfile::fiveTone(), nullptr, true);
        QSignalSpy done(first.session, &LinkSession::readCompleted);
        first.read->click();
        second.read->click();
        QCOMPARE(PortErrorFlag, qint16(-1));
        QCOMPARE(second.session->ReadBusy, qint16(0));
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 10000);
    }
};

QTEST_MAIN(TestLinkPty)
#include "tst_linkpty.moc"
