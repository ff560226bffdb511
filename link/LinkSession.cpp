#include "link/LinkSession.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

#include "link/LinkState.h"
#include "memory/MemoryImage.h"
#include "platform/CommControl.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/VbTimer.h"

namespace {
QList<LinkSession *> &sessions()
{
    static QList<LinkSession *> list;
    return list;
}

void timerOn(VbTimer *t, int ms)
{
    if (!t)
        return;
    t->setInterval(ms);
    t->setEnabled(true);
}

void timerOff(VbTimer *t)
{
    if (t)
        t->setEnabled(false);
}
}

LinkSession::LinkSession(const LinkControls &controls, const LinkSettings &settings,
                         QObject *parent)
    : QObject(parent), m_controls(controls), m_settings(settings)
{
    sessions().append(this);
    if (m_controls.Command_read)
        connect(m_controls.Command_read, &QAbstractButton::clicked, this,
                &LinkSession::Command_read_Click);
    if (m_controls.Command_Write)
        connect(m_controls.Command_Write, &QAbstractButton::clicked, this,
                &LinkSession::Command_Write_Click);
    if (m_controls.Text_PassWord)
        connect(m_controls.Text_PassWord, &QLineEdit::textChanged, this,
                &LinkSession::Text_PassWord_Change);
    if (m_controls.Timer1)
        connect(m_controls.Timer1, &VbTimer::timer, this, &LinkSession::Timer1_Timer);
    if (m_controls.Timer2)
        connect(m_controls.Timer2, &VbTimer::timer, this, &LinkSession::Timer2_Timer);
    if (m_controls.Timer3)
        connect(m_controls.Timer3, &VbTimer::timer, this, &LinkSession::Timer3_Timer);
    if (m_controls.MSC)
        connect(m_controls.MSC, &CommControl::onComm, this, &LinkSession::MSC_OnComm);
}

LinkSession::~LinkSession()
{
    sessions().removeAll(this);
    stop();  // controls already destroyed read as null
}

// ---------------------------------------------------------------- buttons

void LinkSession::Command_read_Click()
{
    startByButton(false);
}

void LinkSession::Command_Write_Click()
{
    startByButton(true);
}

void LinkSession::startByButton(bool write)
{
    if (m_settings.busyTest && (WriteBusy == -1 || ReadBusy == -1)) {
        exchangeBox(m_settings.texts.busy, m_settings.texts.busyTitle);
        return;
    }
    if (m_settings.beforeStart && !m_settings.beforeStart(write))
        return;
    RetriesLeft = write ? m_settings.writeRetries : m_settings.readRetries;
    if (startExchange(write)) {
        if (m_settings.started)
            m_settings.started();
        m_report.connecting();
    }
}

void LinkSession::Text_PassWord_Change()
{
    if (m_controls.Text_PassWord)
        SetTypedPassword(m_controls.Text_PassWord->text());
}

// ---------------------------------------------------------------- port

void LinkSession::OpenCommPort()
{
    PortErrorFlag = 0;
    if (!openPortQuietly()) {
        exchangeBox(m_settings.texts.portOpen, m_settings.texts.portOpenTitle);
        PortErrorFlag = -1;
    }
}

bool LinkSession::openPortQuietly()
{
    CommControl *msc = m_controls.MSC.data();
    bool ok = msc && !msc->portOpen();  // a port that is already open cannot open again
    if (ok) {
        msc->setCommPort(CommPortNumber);
        ok = msc->setSettings(QStringLiteral("9600,N,8,1"));
    }
    if (ok) {
        msc->setInBufferSize(1024);
        msc->setInputLen(1);
        msc->setRThreshold(1);
        msc->clearInBuffer();
        msc->clearOutBuffer();
        ok = msc->setPortOpen(true);
    }
    return ok;
}

void LinkSession::closePort()
{
    if (m_controls.MSC && m_controls.MSC->portOpen())
        m_controls.MSC->setPortOpen(false);
}

void LinkSession::discardInput()
{
    if (m_controls.MSC && m_controls.MSC->portOpen())
        m_controls.MSC->clearInBuffer();
}

void LinkSession::sendNow(quint8 byte)
{
    if (m_controls.MSC && m_controls.MSC->portOpen())
        putOnLine(QByteArray(1, char(byte)));
}

void LinkSession::putOnLine(const QByteArray &bytes)
{
    m_controls.MSC->output(bytes);
    m_lineFreeMs = std::max(VbTimer::nowMs(), m_lineFreeMs) + double(bytes.size()) * Frame::ByteMs;
}

int LinkSession::takeBytes(quint8 *into, int count)
{
    CommControl *msc = m_controls.MSC.data();
    int n = 0;
    while (n < count && msc->inBufferCount() > 0) {
        const QByteArray b = msc->input();
        if (b.isEmpty())
            break;
        into[n++] = quint8(b.at(0));
    }
    return n;
}

// ---------------------------------------------------------------- start

void LinkSession::StartSendTimer()
{
    SendPosition = 0;
    FrameSent = 0;
    // The frame that follows a block reply goes out 15 ms after the reply:
    // its send timer started then, while the line settled behind it.
    const bool timed = m_nextFrameTimed && m_controls.Timer1 && m_controls.Timer1->enabled();
    m_nextFrameTimed = false;
    if (!timed)
        timerOn(m_controls.Timer1, 15);
}

void LinkSession::queueFrame(const QByteArray &frame)
{
    if (const auto request = readRequestOf(frame))
        m_request = *request;
    TransmitLength = std::min<int>(frame.size(), int(TransmitFrame.size()));
    for (int i = 0; i < TransmitLength; ++i)
        TransmitFrame[i] = quint8(frame.at(i));
    StartSendTimer();
}

bool LinkSession::StartRead()
{
    return startExchange(false);
}

bool LinkSession::StartWrite()
{
    return startExchange(true);
}

bool LinkSession::startExchange(bool write)
{
    if (m_settings.busyTest && (WriteBusy == -1 || ReadBusy == -1))
        return false;
    // A start supersedes a pending retry, and (without the busy test) a
    // running attempt, so that two attempts never overlap.
    timersOff();
    ++m_generation;
    m_pausing = false;
    if (!m_settings.busyTest && (WriteBusy == -1 || ReadBusy == -1)) {
        closePort();
        WriteBusy = ReadBusy = 0;
    }
    if (!m_controls.MSC || !m_controls.MSC->portOpen())
        OpenCommPort();
    if (PortErrorFlag != 0)
        return false;
    DataPhase = 0;
    discardInput();
    HandshakeStage = 0;
    m_taken = 0;
    m_request = {};  // this attempt has asked for nothing yet
    m_replyRefused = false;
    m_lineFreeMs = 0;  // the port was opened afresh: nothing is on the line
    m_frameCrossedMs = 0;
    const QByteArray hs = programModeHandshakeFrame();
    TransmitLength = 8;
    for (int i = 0; i < 8; ++i)
        TransmitFrame[i] = quint8(hs.at(i));
    BlockNumber = 0;
    if (write) {
        WriteMode = -1;
        WriteBlockCount = m_settings.writeRows;
        SessionBaseAddress = {quint8((m_settings.writeBase >> 8) & 0xFF), quint8(m_settings.writeBase & 0xFF)};
        WriteBusy = -1;
        ReadBusy = 0;
    } else {
        WriteMode = 0;
        ReadBlockCount = m_settings.readBlocks;
        SessionBaseAddress = {quint8((m_settings.readBase >> 8) & 0xFF), quint8(m_settings.readBase & 0xFF)};
        WriteBusy = 0;
        ReadBusy = -1;
    }
    StartSendTimer();
    return true;
}

int LinkSession::sessionBase() const
{
    return SessionBaseAddress[0] * 256 + SessionBaseAddress[1];
}

// ---------------------------------------------------------------- timers

void LinkSession::Timer1_Timer() { sendTick(); }
void LinkSession::Timer2_Timer() { replyTimedOut(); }
void LinkSession::Timer3_Timer() { retryPauseEnded(); }
void LinkSession::MSC_OnComm(int event) { bytesArrived(event); }

void LinkSession::sendTick()
{
    CommControl *msc = m_controls.MSC.data();
    if (!msc || !msc->portOpen()) {
        timerOff(m_controls.Timer1);
        // The port closed itself (a line error) between two frames: the
        // attempt ends as a reply time-out would, instead of waiting forever.
        if (WriteBusy == -1 || ReadBusy == -1)
            replyTimedOut();
        return;
    }
    if (TransmitLength == 0)
        return;  // the block reply before the frame is still settling
    if (SendPosition == 0 && blockBehindCheck())
        return;
    m_sending = true;
    // Whatever is left of an earlier reply never counts toward this frame's.
    if (SendPosition == 0) {
        m_blockBehind = false;
        msc->clearInBuffer();
    }
    // The whole frame in one tick, or one byte a tick.
    if (m_settings.bytePerTick && m_controls.Timer1->interval() != m_settings.byteTickMs)
        m_controls.Timer1->setInterval(m_settings.byteTickMs);
    const int end = m_settings.bytePerTick ? std::min(SendPosition + 1, TransmitLength)
                                           : TransmitLength;
    while (SendPosition < end) {
        putOnLine(QByteArray(1, char(TransmitFrame[SendPosition])));
        timerOn(m_controls.Timer2, m_settings.byteTimeoutMs);
        ++SendPosition;
    }
    if (SendPosition >= TransmitLength) {
        timerOn(m_controls.Timer2, m_settings.replyTimeoutMs);
        timerOff(m_controls.Timer1);
        FrameSent = -1;
        m_frameCrossedMs = m_lineFreeMs;
    }
    m_sending = false;
    if (FrameSent == -1 && m_settings.framePauseSteps > 0) {
        pauseThen(m_settings.framePauseSteps, [] {});
        return;
    }
    if (m_deferred) {
        m_deferred = false;
        handleWaitingInput();
    }
}

void LinkSession::replyTimedOut()
{
    timerOff(m_controls.Timer2);
    timerOff(m_controls.Timer1);
    ++m_generation;  // a pause of this attempt ends with it
    m_pausing = false;
    m_deferred = false;
    m_blockBehind = false;
    m_nextFrameTimed = false;
    if (m_controls.Timer3) {
        m_controls.Timer3->setEnabled(true);
        m_controls.Timer3->setInterval(m_settings.retryDelayMs);
    }
    closePort();
    WriteBusy = 0;
    ReadBusy = 0;
}

void LinkSession::retryPauseEnded()
{
    timersOff();
    if (RetriesLeft > 0) {
        RetriesLeft -= 1;
        // The port could not be opened again (the device went away): the
        // exchange ends here, and says so after the port box.
        if (!(WriteMode == -1 ? StartWrite() : StartRead()))
            reportPortLost();
        return;
    }
    reportFailure();
}

void LinkSession::timersOff()
{
    timerOff(m_controls.Timer1);
    timerOff(m_controls.Timer2);
    timerOff(m_controls.Timer3);
}

void LinkSession::cancelPending()
{
    ++m_generation;  // pauses of the attempt that ends are dropped
    m_pausing = false;
    m_deferred = false;
    m_blockBehind = false;
    m_nextFrameTimed = false;
    timersOff();
}

void LinkSession::stop()
{
    cancelPending();
    closePort();
    WriteBusy = 0;
    ReadBusy = 0;
}

void LinkSession::clearForLoad()
{
    cancelPending();
    WriteMode = 0;
    DataPhase = 0;
    FrameSent = 0;
    WriteBusy = 0;
    ReadBusy = 0;
}

bool LinkSession::exchangeRunning() const
{
    return WriteBusy == -1 || ReadBusy == -1 || m_pausing
        || (m_controls.Timer3 && m_controls.Timer3->running());
}

bool LinkSession::anyExchangeRunning()
{
    for (const LinkSession *s : sessions())
        if (s->exchangeRunning())
            return true;
    return false;
}

int LinkSession::pauseMs(int steps)
{
    // The pauses were counted loops of a few microseconds per thousand
    // steps; 40000 steps are taken as one millisecond.
    if (steps <= 0)
        return 0;
    return (steps + 39999) / 40000;
}

void LinkSession::pauseThen(int steps, std::function<void()> fn)
{
    if (steps <= 0) {
        fn();
        return;
    }
    pauseForUs(qint64(pauseMs(steps)) * 1000, std::move(fn));
}

void LinkSession::pauseForUs(qint64 us, std::function<void()> fn)
{
    m_pausing = true;
    const quint64 gen = m_generation;
    VbTimer::singleShotUs(us, this, [this, gen, fn = std::move(fn)] {
        if (gen != m_generation)
            return;
        if (m_boxOpen > 0) {
            m_afterBox = fn;  // the box holds the exchange
            return;
        }
        endPause(fn);
    });
}

void LinkSession::endPause(const std::function<void()> &fn)
{
    m_pausing = false;
    fn();
    handleWaitingInput();
}

void LinkSession::handleWaitingInput()
{
    CommControl *msc = m_controls.MSC.data();
    if (!m_pausing && msc && msc->portOpen() && msc->inBufferCount() > 0)
        bytesArrived(CommControl::ComEvReceive);
}

void LinkSession::exchangeBox(const QString &text, const QString &title)
{
    const QPointer<VbTimer> timers[3] = {m_controls.Timer1, m_controls.Timer2, m_controls.Timer3};
    bool ran[3];
    for (int i = 0; i < 3; ++i) {
        ran[i] = timers[i] && timers[i]->enabled();
        timerOff(timers[i]);
    }
    const quint64 gen = m_generation;
    QPointer<LinkSession> self(this);
    ++m_boxOpen;
    MsgBox(text, MsgIcon::Exclamation, title);
    if (!self)
        return;  // the window went while its box was open
    --m_boxOpen;
    if (m_boxOpen > 0)
        return;
    std::function<void()> pending = std::move(m_afterBox);
    m_afterBox = nullptr;
    if (gen != m_generation)
        return;  // stopped, finished or started anew meanwhile
    for (int i = 0; i < 3; ++i)
        if (ran[i] && timers[i])
            timers[i]->setEnabled(true);
    if (pending) {
        endPause(pending);
        return;
    }
    handleWaitingInput();
}

// ---------------------------------------------------------------- receive

void LinkSession::bytesArrived(int event)
{
    if (event != CommControl::ComEvReceive)
        return;
    CommControl *msc = m_controls.MSC.data();
    if (!msc || !msc->portOpen())
        return;
    // No radio answers a frame before its last byte has crossed the line:
    // what arrives earlier belongs to the exchange before it.
    if (VbTimer::nowMs() < m_frameCrossedMs) {
        discardInput();
        return;
    }
    if (m_sending) {
        m_deferred = true;
        return;
    }
    if (m_pausing || m_boxOpen > 0)
        return;  // handled when the pause ends or the box closes
    if (WriteBusy != -1 && ReadBusy != -1)
        return;  // no exchange of this window runs
    if (m_replyRefused) {
        discardInput();  // the attempt waits for its time-out
        return;
    }
    if (blockBehindCheck())
        return;
    if (DataPhase == -1 && WriteMode == -1)
        handleWriteReply();
    else if (DataPhase == -1)
        handleReadReply();
    else
        handleHandshake();
}

void LinkSession::handleWriteReply()
{
    // Every buffered byte is examined: an Ack behind another byte still counts.
    CommControl *msc = m_controls.MSC.data();
    while (msc->portOpen() && msc->inBufferCount() > 0) {
        quint8 b = 0;
        if (takeBytes(&b, 1) != 1)
            return;
        ReceiveBuffer[0] = b;
        if (b == Frame::Ack && FrameSent == -1) {
            timerOff(m_controls.Timer2);
            writeAckReceived();
            return;
        }
    }
}

void LinkSession::handleReadReply()
{
    if (!takeBlockReply(m_blockReply.data()))
        return;
    // Only a reply whose 'X' stands first or behind its Ack holds its 64
    // bytes within the 69 taken, and only one that echoes the request is
    // the block asked for; anything else counts as no reply.
    const int x = findDataMark(m_blockReply.data(), m_settings.replyBehindAck ? 1 : 0, 1);
    if (x < 0 || !dataHeadAnswers(m_blockReply.data() + x, m_request)) {
        refuseReply();
        return;
    }
    // The next frame's send timer counts from the reply, as if the frame
    // were queued now; the frame itself comes with the accepted reply.
    TransmitLength = 0;
    SendPosition = 0;
    FrameSent = 0;
    timerOn(m_controls.Timer1, 15);
    m_nextFrameTimed = true;
    settleThen([this] {
        timerOff(m_controls.Timer2);
        sendNow(Frame::Ack);
        dataReplyReceived(m_blockReply.data());
    });
}

void LinkSession::refuseReply()
{
    m_replyRefused = true;
    discardInput();
}

bool LinkSession::takeBlockReply(quint8 *into)
{
    const int buffered = m_controls.MSC->inBufferCount();
    if (buffered < Frame::DataReplyTaken)
        return false;
    if (buffered > Frame::DataReplyTaken) {
        refuseBlockReply();  // a byte too many inside or behind the block
        return false;
    }
    takeBytes(into, Frame::DataReplyTaken);
    return true;
}

void LinkSession::settleThen(std::function<void()> accepted)
{
    pauseForUs(qint64(Frame::BlockSettleMs * 1000), [this, accepted = std::move(accepted)] {
        CommControl *msc = m_controls.MSC.data();
        if (msc && msc->portOpen() && msc->inBufferCount() > 0) {
            refuseBlockReply();
            return;
        }
        m_blockBehind = true;
        accepted();
    });
}

bool LinkSession::blockBehindCheck()
{
    if (!m_blockBehind)
        return false;
    CommControl *msc = m_controls.MSC.data();
    if (!msc || !msc->portOpen() || msc->inBufferCount() == 0)
        return false;
    timerOff(m_controls.Timer1);
    refuseBlockReply();
    return true;
}

void LinkSession::refuseBlockReply()
{
    m_blockBehind = false;
    m_nextFrameTimed = false;
    timerOff(m_controls.Timer1);
    refuseReply();
    // The reply had stopped the time-out: the attempt waits for it again.
    if (m_controls.Timer2 && !m_controls.Timer2->enabled())
        timerOn(m_controls.Timer2, m_settings.replyTimeoutMs);
}

void LinkSession::dataReplyReceived(const quint8 *reply)
{
    if (BlockNumber >= 0 && BlockNumber < ReplyRows) {
        auto &row = ReadReplyBuffer[BlockNumber];
        for (int k = 0; k < Frame::DataReplyTaken; ++k)
            row[k] = reply[k];
    }
    if (BlockNumber > ReadBlockCount) {
        completeRead();
        return;
    }
    const int n = BlockNumber;
    const QByteArray request = readRequestFrame(sessionBase() + 64 * (n - 1), 0x40);
    const double total = ReadBlockCount + 1;
    if (m_settings.readProgressAfterAdvance) {
        BlockNumber = n + 1;
        queueFrame(request);
        showProgress(BlockNumber / total * 100);
        m_report.progressLabel(m_settings.texts.readProgressBefore, BlockNumber,
                               m_settings.texts.readProgressAfter);
    } else {
        queueFrame(request);
        showProgress(n / total * 100);
        m_report.progressLabel(m_settings.texts.readProgressBefore, n,
                               m_settings.texts.readProgressAfter);
        BlockNumber = n + 1;
    }
}

void LinkSession::writeAckReceived()
{
    if (BlockNumber >= WriteBlockCount) {
        completeWrite();
        return;
    }
    const int n = BlockNumber;
    showProgress(double(n) / double(WriteBlockCount) * 100);
    m_report.progressLabel(m_settings.texts.writeProgressBefore, n + m_settings.writeLabelOffset,
                           m_settings.texts.writeProgressAfter);
    const QByteArray frame = writeFrame(sessionBase() + 16 * n, writeRowData(n), true);
    BlockNumber = n + 1;
    queueFrame(frame);
}

void LinkSession::handleHandshake()
{
    CommControl *msc = m_controls.MSC.data();
    if (HandshakeStage == 0) {
        if (msc->inBufferCount() <= Frame::IdentReplyTaken - 1)
            return;
        ReceiveBuffer.fill(0);
        takeBytes(ReceiveBuffer.data(), Frame::IdentReplyTaken);
        msc->clearInBuffer();
        const IdentForm form = identForm(ReceiveBuffer.data());
        if (form == IdentForm::None)
            return;
        identReplyAccepted(form);
        return;
    }
    handlePasswordReply();
}

void LinkSession::identReplyAccepted(IdentForm form)
{
    if (m_settings.ackIdentReply)
        sendNow(Frame::Ack);
    pauseThen(m_settings.ackIdentReply ? m_settings.identAckPauseSteps : 0, [this, form] {
        if (form == IdentForm::B)
            std::copy(ReceiveBuffer.begin() + 1, ReceiveBuffer.begin() + 52, ReceiveBuffer.begin());
        publishIdentification(parseIdentReply(ReceiveBuffer.data()));
        if (m_settings.passwordStage) {
            HandshakeStage = 1;
            m_taken = 0;
            BlockNumber = 0;
            queueFrame(readRequestFrame(Frame::PasswordBlockAddress, 0x10));
            discardInput();
        } else {
            DataPhase = -1;
            timerOff(m_controls.Timer2);
            timerOff(m_controls.Timer3);
            startDataPhase();
        }
    });
}

void LinkSession::publishIdentification(const IdentInfo &info)
{
    m_report.identification(info);
}

void LinkSession::handlePasswordReply()
{
    CommControl *msc = m_controls.MSC.data();
    if (m_taken == 0) {
        if (msc->inBufferCount() <= Frame::PasswordReplyTaken - 1)
            return;
        ReceiveBuffer.fill(0);
        m_taken = takeBytes(ReceiveBuffer.data(), Frame::PasswordReplyTaken);
    }
    // A reply behind an Ack is one byte longer: its last block byte is the 21st.
    if (ReceiveBuffer[0] == Frame::Ack && m_taken == Frame::PasswordReplyTaken) {
        if (msc->inBufferCount() < 1)
            return;
        m_taken += takeBytes(ReceiveBuffer.data() + m_taken, 1);
    }
    msc->clearInBuffer();
    m_taken = 0;
    if (m_settings.ackPasswordBlock)
        sendNow(Frame::Ack);
    pauseThen(m_settings.ackPasswordBlock ? m_settings.passwordAckPauseSteps : 0, [this] {
        const int x = findDataMark(ReceiveBuffer.data(), 0, 20);
        if (x < 0 || x >= 10 || !dataHeadAnswers(ReceiveBuffer.data() + x, m_request)) {
            refuseReply();
            return;
        }
        std::copy(ReceiveBuffer.begin() + x, ReceiveBuffer.begin() + x + 71, ReceiveBuffer.begin());
        for (int i = 0; i < 16; ++i)
            PasswordBlockCopy[i] = ReceiveBuffer[4 + i];
        if (m_settings.passwordCheck && !m_settings.passwordCheck()) {
            refusePassword();
            return;
        }
        DataPhase = -1;
        timerOff(m_controls.Timer2);
        timerOff(m_controls.Timer3);
        startDataPhase();
    });
}

void LinkSession::startDataPhase()
{
    if (WriteMode == -1) {
        if (m_settings.writePreamble) {
            BlockNumber = 0;
            queueFrame(m_settings.writePreamble());
        } else {
            const QByteArray frame = writeFrame(sessionBase(), writeRowData(0), false);
            BlockNumber = 1;
            queueFrame(frame);
        }
    } else {
        BlockNumber = m_settings.firstReadBlock;
        queueFrame(readRequestFrame(sessionBase(), 0x40, m_settings.firstReadRequestAck));
        discardInput();
    }
}

std::array<quint8, 16> LinkSession::writeRowData(int index) const
{
    if (m_settings.writeRow)
        return m_settings.writeRow(index);
    std::array<quint8, 16> data{};
    const int row = m_settings.writeBase / 16 + index;
    if (row >= 0 && row < ImageRows)
        for (int c = 0; c < 16; ++c)
            data[c] = quint8(MemoryImage[row][c]);
    return data;
}

// ---------------------------------------------------------------- endings

void LinkSession::finishExchange()
{
    cancelPending();
    WriteBusy = 0;
    ReadBusy = 0;
    closePort();
}

void LinkSession::completeRead()
{
    finishExchange();
    UnpackReadBlocks();
    m_report.readDone();
    emit readCompleted();
}

void LinkSession::completeWrite()
{
    finishExchange();
    m_report.writeDone();
    emit writeCompleted();
}

void LinkSession::refusePassword()
{
    finishExchange();
    DataPhase = 0;
    m_report.passwordRefused();
    emit passwordRefused();
}

void LinkSession::reportFailure()
{
    if (m_settings.failureReport & FailHideFirst) {
        WriteBusy = 0;
        ReadBusy = 0;
    }
    m_report.failure();
    emit exchangeFailed();
}

void LinkSession::reportPortLost()
{
    m_report.portLost();
    emit exchangeFailed();
}

void LinkSession::UnpackReadBlocks()
{
    if (m_settings.unpack) {
        m_settings.unpack();
        return;
    }
    unpackIntoImage();
}

void LinkSession::unpackIntoImage()
{
    int row = m_settings.readBase / 16;
    for (int b = m_settings.firstReadBlock; b <= ReadBlockCount + m_settings.firstReadBlock - 1; ++b) {
        if (b < 0 || b >= ReplyRows)
            break;
        const auto &reply = ReadReplyBuffer[b];
        int p = ReplyDataStart(reply);
        for (int k = 0; k < 4; ++k, ++row, p += 16) {
            if (row < 0 || row >= ImageRows)
                continue;
            for (int c = 0; c < 16; ++c)
                MemoryImage[row][c] = p + c < ReplyCols ? reply[p + c] : 0;
        }
    }
    if (m_settings.show)
        m_settings.show();
}

// ---------------------------------------------------------------- display

void LinkSession::showProgress(double value) { m_report.progress(value); }
void LinkSession::setLabel(const QString &text) { m_report.label(text); }

QString LinkSession::progressText(const BiText &before, int n, const BiText &after) const
{
    return before.text() + QString::number(n) + after.text();
}
