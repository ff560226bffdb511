#pragma once
// One window's serial exchange with the radio: it opens the port, sends the
// opening command, takes the identification and the password block, then
// reads a stretch of radio memory in 64-byte blocks or writes it in 16-byte
// rows, with progress, a reply time-out, a retry pause and retries. It is
// bound to the window's controls and configured by the window's LinkSettings;
// windows whose exchange departs further override the protected steps. What
// the exchange shows (bar, label, boxes, panels) is LinkReport's.
#include <QByteArray>
#include <QObject>
#include <array>
#include <functional>

#include "link/Frames.h"
#include "link/LinkControls.h"
#include "link/LinkReport.h"
#include "link/LinkSettings.h"

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
    // Bytes arrived before the data phase: takes the identification in
    // stage 0 and the password block in stage 1 when enough are buffered.
    virtual void handleHandshake();
    // Stage 0: 50 bytes are in ReceiveBuffer; the form is A or B.
    virtual void identReplyAccepted(IdentForm form);
    // BandLimits and the status-bar panels from an accepted identification.
    virtual void publishIdentification(const IdentInfo &info);
    // The password block is taken (or there is none): the first data frame.
    virtual void startDataPhase();
    // An Ack of the current write frame arrived.
    virtual void writeAckReceived();
    // A usable 69-byte data reply (already answered with an Ack): it
    // echoes the address and length of the request that went out last, and
    // nothing followed it while the line settled.
    virtual void dataReplyReceived(const quint8 *reply);
    // A block reply with bytes beyond the block: by default refuseReply, with
    // the reply time-out running again when the reply had stopped it.
    virtual void refuseBlockReply();
    // No retry left after the retry pause.
    virtual void reportFailure();
    // A retry found the port gone: the bar to 0, the failure label and
    // (where the window reports there) panel 2; the port box came first.
    void reportPortLost();

    // Helpers for those steps.
    // Into TransmitFrame, then StartSendTimer. A read request is also what
    // the next data reply must echo.
    void queueFrame(const QByteArray &frame);
    // A data reply that is not the block asked for counts as no reply: no
    // Ack, and whatever else arrives in this attempt is discarded, so that
    // no stray byte of it is taken for the start of a later reply; the
    // reply time-out, the retry pause and the retries follow as for silence.
    void refuseReply();
    // The reply to a 64-byte block request is DataReplyTaken bytes and no
    // more. Takes them into `into` once they are in; false while they are
    // not, or when more are buffered (then refuseBlockReply has run).
    bool takeBlockReply(quint8 *into);
    // After a taken block reply that the caller found usable: when the line
    // has stayed quiet behind it for the settle time, `accepted` runs (it
    // sends the Ack); a byte that came meanwhile refuses the reply. Until the
    // next frame goes out, a byte that arrives still refuses it.
    void settleThen(std::function<void()> accepted);
    void sendNow(quint8 byte);                 // one byte straight to the port
    // Sets the port up at "9600,N,8,1" on CommPortNumber and opens it;
    // false when that fails. Shows nothing and leaves PortErrorFlag alone.
    bool openPortQuietly();
    void discardInput();
    // Takes up to count buffered bytes, one input call each, in arrival order.
    int takeBytes(quint8 *into, int count);
    void closePort();
    void timersOff();
    // End of an exchange: timers off, busy flags 0, port closed.
    void finishExchange();
    void completeRead();
    void completeWrite();
    void refusePassword();
    // Runs fn after the counted pause of `steps` steps, without blocking;
    // receive events meanwhile are handled after it. Cancelled by a stop,
    // a time-out or a new start.
    void pauseThen(int steps, std::function<void()> fn);
    void pauseForUs(qint64 us, std::function<void()> fn);
    void showProgress(double value);   // shows the bar with Int(value)
    void setLabel(const QString &text);
    int sessionBase() const;
    std::array<quint8, 16> writeRowData(int index) const;
    QString progressText(const BiText &before, int n, const BiText &after) const;

    LinkControls m_controls;
    LinkSettings m_settings;
    LinkReport m_report{m_controls, m_settings};

private:
    // What the timer and receive handlers do: a tick of the send timer puts
    // (part of) the frame out; the reply time-out ends the attempt and
    // starts the retry pause; the end of the retry pause starts the next
    // attempt or reports the failure; arrived bytes advance the exchange.
    void sendTick();
    void replyTimedOut();
    void retryPauseEnded();
    void bytesArrived(int event);

    std::array<quint8, 201> TransmitFrame{};
    int TransmitLength = 0;
    int SendPosition = 0;

    void startByButton(bool write);  // a Read or Write click
    bool startExchange(bool write);
    // Ends what is pending of the attempt: timers, pauses, deferred input.
    void cancelPending();
    // Input that waited for a pause, a box or a frame's sending.
    void handleWaitingInput();
    void handlePasswordReply();
    void handleReadReply();
    void handleWriteReply();
    void endPause(const std::function<void()> &fn);

    // Puts bytes on the line and keeps the time by which they can have
    // crossed it (at the byte time of the port's speed).
    void putOnLine(const QByteArray &bytes);
    // A block reply was accepted and the frame that follows it has not gone
    // out: a byte arriving now lies beyond the block.
    bool blockBehindCheck();

    ReadRequest m_request;     // the read request that went out last
    std::array<quint8, Frame::DataReplyTaken> m_blockReply{};  // the block reply taken last
    double m_lineFreeMs = 0;     // when what was put on the line has crossed it
    double m_frameCrossedMs = 0; // when the frame that went out last has crossed it
    bool m_nextFrameTimed = false;  // the send timer runs for a frame not queued yet
    bool m_blockBehind = false;  // an accepted block reply awaits the next frame
    bool m_replyRefused = false;  // this attempt's reply was not the block asked for
    quint64 m_generation = 0;  // cancels pauses that belong to an ended attempt
    bool m_pausing = false;
    bool m_sending = false;    // inside the send timer's tick
    bool m_deferred = false;   // a receive event came while sending
    int m_taken = 0;           // bytes of the password reply taken so far
    int m_boxOpen = 0;         // boxes of this exchange now open
    std::function<void()> m_afterBox;  // a pause that ended while a box was open
};
