#include "link/LinkSession.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>
#include <algorithm>

#include "link/LinkState.h"
#include "memory/MemoryImage.h"
#include "platform/CommControl.h"
#include "platform/MessageBox.h"
#include "platform/VbTimer.h"

// The entry points of an exchange, its attempts and their endings. How the
// replies are taken and what follows each is in LinkSteps.cpp.

namespace {
QList<LinkSession *> &sessions()
{
    static QList<LinkSession *> list;
    return list;
}
}

LinkSession::LinkSession(const LinkControls &controls, const LinkSettings &settings,
                         QObject *parent)
    : QObject(parent), m_controls(controls), m_settings(settings), m_line(controls.MSC),
      m_timers(controls, this)
{
    sessions().append(this);
    m_timers.onResume = [this] {
        takeIn();
        advance();
    };
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
    if (m_settings.busyTest && transferBusy()) {
        exchangeBox(m_settings.texts.busy, m_settings.texts.busyTitle);
        return;
    }
    if (m_settings.beforeStart && !m_settings.beforeStart(write))
        return;
    RetriesLeft = write ? m_settings.writeRetries : m_settings.readRetries;
    m_rowsStored = false;
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
    return m_line.open();
}

void LinkSession::closePort()
{
    m_line.close();
}

// ---------------------------------------------------------------- attempts

bool LinkSession::StartRead()
{
    return startExchange(false);
}

bool LinkSession::StartWrite()
{
    return startExchange(true);
}

void LinkSession::resetAttempt()
{
    m_timers.endAttempt();
    m_gate.reset();
    m_line.resetClock();
    m_request = {};  // this attempt has asked for nothing yet
    m_frameAwaits = ReplyGate::Reply::None;
    m_ackOwed = false;
    m_tookReply = false;
    m_refusing = false;
    TransmitLength = 0;
    SendPosition = 0;
    FrameSent = 0;
}

bool LinkSession::startExchange(bool write)
{
    if (m_settings.busyTest && transferBusy())
        return false;
    // A start supersedes a pending retry, and (without the busy test) a
    // running attempt, so that two attempts never overlap.
    resetAttempt();
    if (!m_settings.busyTest && transferBusy()) {
        closePort();
        WriteBusy = ReadBusy = 0;
    }
    if (!m_line.isOpen())
        OpenCommPort();
    if (PortErrorFlag != 0)
        return false;
    DataPhase = 0;
    HandshakeStage = 0;
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
    queueFrame(programModeHandshakeFrame().left(8), ReplyGate::Reply::Ident);
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

void LinkSession::replyTimedOut()
{
    m_timers.endAttempt();  // a pause of this attempt ends with it
    m_timers.startRetryPause(m_settings.retryDelayMs);
    closePort();
    WriteBusy = 0;
    ReadBusy = 0;
}

void LinkSession::retryPauseEnded()
{
    m_timers.allOff();
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

void LinkSession::stop()
{
    m_timers.endAttempt();
    closePort();
    WriteBusy = 0;
    ReadBusy = 0;
}

void LinkSession::clearForLoad()
{
    m_timers.endAttempt();
    WriteMode = 0;
    DataPhase = 0;
    FrameSent = 0;
    WriteBusy = 0;
    ReadBusy = 0;
}

bool LinkSession::exchangeRunning() const
{
    return transferBusy() || m_timers.pausing() || m_timers.retryPauseRunning();
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
    // A reply refused during the pause ends the step there: the refusal is
    // handled as the pause ends, and nothing of the refused reply goes on.
    m_timers.pauseFor(qint64(pauseMs(steps)) * 1000, [this, fn = std::move(fn)] {
        takeIn();
        if (!m_refusing && !m_gate.refused())
            fn();
    });
}

void LinkSession::exchangeBox(const QString &text, const QString &title)
{
    m_timers.hold([&] { MsgBox(text, MsgIcon::Exclamation, title); });
}

// ---------------------------------------------------------------- endings

void LinkSession::finishExchange()
{
    stop();
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
    m_report.failure(m_rowsStored);
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

// ---------------------------------------------------------------- display

void LinkSession::showProgress(double value) { m_report.progress(value); }
void LinkSession::setLabel(const QString &text) { m_report.label(text); }

QString LinkSession::progressText(const BiText &before, int n, const BiText &after) const
{
    return before.text() + QString::number(n) + after.text();
}
