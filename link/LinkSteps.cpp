#include "link/LinkSession.h"

#include <algorithm>

#include "link/LinkState.h"
#include "platform/CommControl.h"
#include "platform/VbTimer.h"

// The steps of an exchange: frames out, bytes in through the reply gate,
// and what follows each reply the gate takes: the identification, the
// password block, the data blocks of a read and the Acks of a write.

namespace {
// The send timer's interval before a frame.
constexpr int SendTimerMs = 15;
// A frame that carries a block's owed Ack in front goes out one byte time
// earlier, so that the request itself starts where it always did.
constexpr int AckLedSendTimerMs = 14;

ReplyGate::Reply replyAwaitedBy(const QByteArray &frame)
{
    if (const auto request = readRequestOf(frame))
        return request->length == 0x10 ? ReplyGate::Reply::PasswordBlock : ReplyGate::Reply::Block;
    const int x = frame.startsWith(char(Frame::Ack)) ? 1 : 0;
    if (frame.size() > x && quint8(frame.at(x)) == Frame::Data)
        return ReplyGate::Reply::WriteAck;
    return ReplyGate::Reply::None;
}
}

// ---------------------------------------------------------------- sending

void LinkSession::StartSendTimer()
{
    SendPosition = 0;
    FrameSent = 0;
    m_timers.startSend(SendTimerMs);
}

void LinkSession::queueFrame(const QByteArray &frame)
{
    queueFrame(frame, replyAwaitedBy(frame));
}

void LinkSession::queueFrame(const QByteArray &frame, ReplyGate::Reply awaited)
{
    QByteArray out = frame;
    const bool ackLed = m_ackOwed && !out.startsWith(char(Frame::Ack));
    if (ackLed)
        out.prepend(char(Frame::Ack));
    m_ackOwed = false;
    if (const auto request = readRequestOf(out))
        m_request = *request;
    m_frameAwaits = awaited;
    TransmitLength = std::min<int>(out.size(), int(TransmitFrame.size()));
    for (int i = 0; i < TransmitLength; ++i)
        TransmitFrame[i] = quint8(out.at(i));
    StartSendTimer();
    if (ackLed)
        m_timers.startSend(AckLedSendTimerMs);
}

void LinkSession::sendNow(quint8 byte)
{
    if (m_line.isOpen())
        m_line.put(QByteArray(1, char(byte)));
}

void LinkSession::sendTick()
{
    if (!m_line.isOpen()) {
        m_timers.stopSend();
        // The port closed itself (a line error) between two frames: the
        // attempt ends as a reply time-out would, instead of waiting forever.
        if (transferBusy())
            replyTimedOut();
        return;
    }
    if (TransmitLength == 0)
        return;
    if (SendPosition == 0) {
        // What came in meanwhile is judged before the frame goes out: a byte
        // behind a block taken last refuses it, and the frame stays unsent.
        takeIn();
        if (m_refusing) {
            advance();
            return;
        }
        m_gate.frameStarted();
    }
    // The whole frame in one tick, or one byte a tick.
    if (m_settings.bytePerTick)
        m_timers.setSendInterval(m_settings.byteTickMs);
    const int end = m_settings.bytePerTick ? std::min(SendPosition + 1, TransmitLength)
                                           : TransmitLength;
    // The bytes of this tick go to the port in one hand-over.
    const double crossedMs = m_line.put(QByteArray(
        reinterpret_cast<const char *>(TransmitFrame.data()) + SendPosition, end - SendPosition));
    m_timers.armTimeout(m_settings.byteTimeoutMs);
    SendPosition = end;
    if (SendPosition < TransmitLength)
        return;
    m_timers.armTimeout(m_settings.replyTimeoutMs);
    m_timers.stopSend();
    FrameSent = -1;
    m_gate.frameOut(crossedMs, m_frameAwaits);
    if (m_settings.framePauseSteps > 0)
        pauseThen(m_settings.framePauseSteps, [] {});
}

// ---------------------------------------------------------------- receiving

void LinkSession::bytesArrived(int event)
{
    if (event != CommControl::ComEvReceive)
        return;
    takeIn();
    advance();
}

void LinkSession::takeIn()
{
    if (!transferBusy())
        return;  // no exchange of this window runs
    const QByteArray bytes = m_line.takeAll();
    if (bytes.isEmpty())
        return;
    switch (m_gate.bytesIn(bytes, VbTimer::nowMs())) {
    case ReplyGate::Verdict::Refuse:
        m_refusing = true;
        m_tookReply = false;
        break;
    case ReplyGate::Verdict::Take:
        m_tookReply = true;
        break;
    case ReplyGate::Verdict::Wait:
        break;
    }
}

void LinkSession::advance()
{
    if (m_timers.pausing() || m_timers.boxOpen() || !transferBusy())
        return;  // handled when the pause ends or the box closes
    if (m_refusing) {
        m_refusing = false;
        m_tookReply = false;
        refuseBlockReply();
        return;
    }
    if (!m_tookReply)
        return;
    m_tookReply = false;
    replyTaken();
}

void LinkSession::replyTaken()
{
    switch (m_gate.awaited()) {
    case ReplyGate::Reply::Ident:
        identTaken();
        break;
    case ReplyGate::Reply::PasswordBlock:
        passwordBlockTaken();
        break;
    case ReplyGate::Reply::Block:
        blockTaken();
        break;
    case ReplyGate::Reply::WriteAck:
        m_timers.stopTimeout();
        m_rowsStored = true;
        ReceiveBuffer[0] = Frame::Ack;
        writeAckReceived();
        break;
    case ReplyGate::Reply::Answer:
        answerReceived(quint8(m_gate.reply().at(0)));
        break;
    case ReplyGate::Reply::None:
        break;
    }
}

void LinkSession::refuseReply()
{
    m_ackOwed = false;
    m_timers.stopSend();
    m_gate.refuse();
    // The reply had stopped the time-out: the attempt waits for it again.
    m_timers.armTimeout(m_settings.replyTimeoutMs);
}

void LinkSession::refuseBlockReply()
{
    refuseReply();
}

// ---------------------------------------------------------------- handshake

void LinkSession::identTaken()
{
    const QByteArray &reply = m_gate.reply();
    ReceiveBuffer.fill(0);
    std::copy(reply.begin(), reply.end(), ReceiveBuffer.begin());
    const IdentForm form = identForm(ReceiveBuffer.data());
    if (form == IdentForm::None) {
        m_gate.awaitAgain();  // no answer: the next bytes are looked at afresh
        return;
    }
    identReplyAccepted(form);
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
            BlockNumber = 0;
            queueFrame(readRequestFrame(Frame::PasswordBlockAddress, 0x10));
        } else {
            DataPhase = -1;
            m_timers.stopTimeout();
            m_timers.stopRetryPause();
            startDataPhase();
        }
    });
}

void LinkSession::publishIdentification(const IdentInfo &info)
{
    m_report.identification(info);
}

void LinkSession::passwordBlockTaken()
{
    m_timers.stopTimeout();
    const QByteArray &reply = m_gate.reply();
    ReceiveBuffer.fill(0);
    std::copy(reply.begin(), reply.end(), ReceiveBuffer.begin());
    if (m_settings.ackPasswordBlock)
        sendNow(Frame::Ack);
    pauseThen(m_settings.ackPasswordBlock ? m_settings.passwordAckPauseSteps : 0, [this] {
        const int x = findDataMark(ReceiveBuffer.data(), 0, 20);
        if (x < 0 || x >= 10 || !dataHeadAnswers(ReceiveBuffer.data() + x, m_request)) {
            refuseBlockReply();
            return;
        }
        std::copy(ReceiveBuffer.begin() + x, ReceiveBuffer.begin() + x + 71, ReceiveBuffer.begin());
        for (int i = 0; i < 16; ++i)
            PasswordBlockCopy[i] = ReceiveBuffer[4 + i];
        if (m_settings.passwordCheck && !m_settings.passwordCheck()) {
            // A byte beyond the block may still be on its way: the user is
            // told the password is wrong only once the line stayed quiet.
            afterQuiet([this] { refusePassword(); });
            return;
        }
        DataPhase = -1;
        m_timers.stopTimeout();
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
    }
}

// ---------------------------------------------------------------- blocks and rows

void LinkSession::blockTaken()
{
    // The reply time-out ends with the block's last byte, whatever follows.
    m_timers.stopTimeout();
    const QByteArray &reply = m_gate.reply();
    std::array<quint8, Frame::DataReplyTaken> block{};
    std::copy(reply.begin(), reply.begin() + std::min<int>(reply.size(), Frame::DataReplyTaken),
              block.begin());
    // Only a reply whose 'X' stands first or behind its Ack holds its 64
    // bytes within the 69, and only one that echoes the request is the
    // block asked for; anything else counts as no reply.
    const int x = findDataMark(block.data(), m_settings.replyBehindAck ? 1 : 0, 1);
    if (x < 0 || !dataHeadAnswers(block.data() + x, m_request)) {
        refuseBlockReply();
        return;
    }
    m_ackOwed = true;
    dataReplyReceived(block.data());
}

void LinkSession::afterQuiet(std::function<void()> accepted)
{
    // Whatever is due at the end of the quiet time is seen before it ends.
    m_timers.waitFor(qint64(ReplyGate::QuietBehindBlockMs) * 1000, [this, accepted = std::move(accepted)] {
        m_timers.waitFor(0, [this, accepted] { quietEnded(accepted); });
    });
}

void LinkSession::quietEnded(const std::function<void()> &accepted)
{
    takeIn();
    if (m_refusing) {
        advance();
        return;
    }
    if (m_gate.refused())
        return;  // refused meanwhile: the attempt waits for its time-out
    m_gate.release();
    if (m_ackOwed) {
        m_ackOwed = false;
        sendNow(Frame::Ack);
    }
    accepted();
}

void LinkSession::completeRead()
{
    auto complete = [this] {
        finishExchange();
        UnpackReadBlocks();
        m_report.readDone();
        emit readCompleted();
    };
    if (!m_gate.blockStands()) {
        complete();
        return;
    }
    afterQuiet(complete);
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
