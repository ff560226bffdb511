#pragma once
// One window's serial exchange with the radio: it opens the port, sends the
// opening command, takes the identification and the password block, then
// reads a stretch of radio memory in 64-byte blocks or writes it in 16-byte
// rows, with progress, a reply time-out, a retry pause and retries. It is
// bound to the window's controls and configured by the window's LinkSettings;
// windows whose exchange departs further override the protected steps. What
// the exchange shows (bar, label, boxes, panels) is LinkReport's; which
// bytes belong to a reply is the ReplyGate's; the port and the line clock
// are the LinkLine's; the timers, pauses and boxes are the LinkTimers'.
#include <QByteArray>
#include <QObject>
#include <array>
#include <functional>

#include "link/Frames.h"
#include "link/LinkControls.h"
#include "link/LinkLine.h"
#include "link/LinkReport.h"
#include "link/LinkSettings.h"
#include "link/LinkTimers.h"
#include "link/ReplyGate.h"

class LinkSession : public QObject
{
    Q_OBJECT
public:
    // Connects to the controls' events: the Read and Write buttons' clicks,
    // the three timers, the port's receive event and the password box.
    LinkSession(const LinkControls &controls, const LinkSettings &settings,
                QObject *parent = nullptr);
    ~LinkSession() override;

    LinkSettings &settings() { return m_settings; }
    const LinkControls &controls() const { return m_controls; }

    // The buttons and the password box.
    void Command_read_Click();
    void Command_Write_Click();
    void Text_PassWord_Change();

    // The engine's operations.
    // Shows one of the exchange's boxes, also a window's busy refusals.
    // While it is open the exchange stands still: its timers are off, and
    // bytes that arrive and a pause that ends meanwhile are handled once it
    // is closed; then the timers that ran start their counts again (unless
    // the exchange ended meanwhile).
    void exchangeBox(const QString &text, const QString &title);
    void OpenCommPort();
    void StartSendTimer();
    // Start an attempt; false when the port did not open (its box shown).
    bool StartRead();
    bool StartWrite();
    void UnpackReadBlocks();
    // The engine's own unpacking, whatever the settings' unpack says: the
    // reply rows into MemoryImage from row readBase / 16, then the show
    // routine. A window's unpack that adds to the engine's calls this.
    void unpackIntoImage();

    // The handlers of the timers and of the port's receive event.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void MSC_OnComm(int event);
    // Ends whatever runs (attempt, pause, pending retry): timers off, port
    // closed, busy flags 0. Nothing is reported and the image is untouched.
    // The owning window calls it when it closes; the destructor does too.
    void stop();

    // What a window's load routine does to its exchange: the three timers
    // off and WriteMode, DataPhase, FrameSent, WriteBusy and ReadBusy 0.
    void clearForLoad();

    // True from the start of an exchange until it completes, fails or stops,
    // the retry pauses included.
    bool exchangeRunning() const;
    // True while a read or a write attempt runs (its busy flags are set):
    // what a window's transfer, file and close buttons refuse on.
    bool transferBusy() const { return WriteBusy == -1 || ReadBusy == -1; }
    // True while any window's exchange (the start-up identification
    // included) is running.
    static bool anyExchangeRunning();

    // The exchange's state that windows and tests read (flags: -1 true, 0
    // false): a write or a read runs, the data phase has begun, the block
    // the exchange is at.
    qint16 WriteBusy = 0;
    qint16 ReadBusy = 0;
    qint16 DataPhase = 0;
    int BlockNumber = 0;

    // How long the counted pause of `steps` steps lasts (0 for none).
    static int pauseMs(int steps);

signals:
    void readCompleted();
    void writeCompleted();
    void exchangeFailed();   // after the failure report
    void passwordRefused();  // after the refusal box

protected:
    // The rest of the exchange's state, for the link's own variants.
    qint16 WriteMode = 0;
    qint16 FrameSent = 0;
    qint16 HandshakeStage = 0;
    int ReadBlockCount = 0;
    int WriteBlockCount = 0;
    int RetriesLeft = 0;
    std::array<quint8, 2001> ReceiveBuffer{};

    // The steps a window's exchange can replace.
    // The identification (50 bytes in ReceiveBuffer) has form A or B.
    virtual void identReplyAccepted(IdentForm form);
    // BandLimits and the status-bar panels from an accepted identification.
    virtual void publishIdentification(const IdentInfo &info);
    // The password block is taken (or there is none): the first data frame.
    virtual void startDataPhase();
    // An Ack of the current write frame arrived.
    virtual void writeAckReceived();
    // A data reply of exactly 69 bytes that echoes the address and length of
    // the request that went out last. Its Ack is owed: it goes out in front
    // of the next frame, or behind the quiet wait of completeRead. A byte
    // beyond it until the next frame has crossed the line still refuses it.
    virtual void dataReplyReceived(const quint8 *reply);
    // The one byte that answers a frame queued to await ReplyGate::Answer.
    virtual void answerReceived(quint8) {}
    // A block reply refused: a wrong echo or mark, or a byte beyond the
    // block. By default it counts as no reply (refuseReply).
    virtual void refuseBlockReply();
    // No retry left after the retry pause.
    virtual void reportFailure();
    // A retry found the port gone: the bar to 0, the failure label and
    // (where the window reports there) panel 2; the port box came first.
    void reportPortLost();

    // Helpers for those steps.
    // Into TransmitFrame, then StartSendTimer. A read request is also what
    // the next data reply must echo. The reply the frame awaits follows from
    // the frame (identification, block, password block, write Ack) unless
    // given. An owed block Ack goes out in front of it.
    void queueFrame(const QByteArray &frame);
    void queueFrame(const QByteArray &frame, ReplyGate::Reply awaited);
    // The reply counts as no reply: no Ack, and everything else that arrives
    // in this attempt is dropped, so that no stray byte of it is taken for
    // the start of a later reply. The reply time-out runs again, and the
    // retry pause and the retries follow as for silence.
    void refuseReply();
    // Behind the block taken last, the line must stay quiet while an
    // adapter can still hand over its bytes; then the owed Ack goes out and
    // `accepted` runs. A byte meanwhile refuses the block.
    void afterQuiet(std::function<void()> accepted);
    void sendNow(quint8 byte);  // one byte straight onto the line
    // Sets the port up at "9600,N,8,1" on CommPortNumber and opens it;
    // false when that fails. Shows nothing and leaves PortErrorFlag alone.
    bool openPortQuietly();
    void closePort();
    // End of an exchange: timers off, pauses dropped, busy flags 0, port closed.
    void finishExchange();
    // The read is complete once the line stayed quiet behind its last block.
    void completeRead();
    void completeWrite();
    void refusePassword();
    // Runs fn after the counted pause of `steps` steps, without blocking;
    // receive events meanwhile are handled after it. Cancelled by a stop,
    // a time-out or a new start.
    void pauseThen(int steps, std::function<void()> fn);
    void showProgress(double value);   // shows the bar with Int(value)
    void setLabel(const QString &text);
    int sessionBase() const;
    std::array<quint8, 16> writeRowData(int index) const;
    QString progressText(const BiText &before, int n, const BiText &after) const;

    LinkControls m_controls;
    LinkSettings m_settings;
    LinkReport m_report{m_controls, m_settings};

private:
    // The send timer's tick puts (part of) the frame out; the reply time-out
    // ends the attempt and starts the retry pause; the end of the retry pause
    // starts the next attempt or reports the failure; arrived bytes go to the
    // reply gate and advance the exchange.
    void sendTick();
    void replyTimedOut();
    void retryPauseEnded();
    void bytesArrived(int event);

    void startByButton(bool write);  // a Read or Write click
    bool startExchange(bool write);
    // Everything of the attempt before: timers, pauses, the gate, the line clock.
    void resetAttempt();
    // Moves what the port holds into the gate.
    void takeIn();
    // Acts on what the gate decided, unless a pause or a box holds the exchange.
    void advance();
    void replyTaken();
    void identTaken();
    void passwordBlockTaken();
    void blockTaken();
    void quietEnded(const std::function<void()> &accepted);

    LinkLine m_line;
    ReplyGate m_gate;
    LinkTimers m_timers;

    std::array<quint8, 201> TransmitFrame{};
    int TransmitLength = 0;
    int SendPosition = 0;
    ReplyGate::Reply m_frameAwaits = ReplyGate::Reply::None;  // of the frame queued
    ReadRequest m_request;      // the read request that went out last
    bool m_ackOwed = false;     // a block taken is not acknowledged yet
    bool m_tookReply = false;   // the gate took a reply not acted on yet
    bool m_refusing = false;    // the gate refused a reply not acted on yet
    bool m_rowsStored = false;  // the radio acknowledged a row of this write
};
