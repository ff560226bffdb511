#pragma once
// A simulated ZQ-7310 for the tests: it holds the radio's 0x4010-byte memory
// and answers the serial protocol like the radio does.
//
// What it understands (everything else is ignored, and recorded):
//   55 20 21 01 23 FF DC 02   handshake: answered with the identification
//                             reply (form B: 06 + 49 bytes, or form A: the 49
//                             bytes alone); puts the radio in program mode.
//   06                        the program's Ack: no answer.
//   'S' hi lo len             read request (program mode only): answered with
//                             [06] 'X' hi lo len + len memory bytes.
//   [06] 'X' hi lo len + 16   write frame (program mode only): the 16 bytes go
//                             to memory at hi lo, answered with 06.
//   'E'                       session end: leaves program mode.
// A handshake is accepted at any time and starts a new session.
//
// Request numbers: every handshake, read request and write frame the radio
// recognises gets the next number, from 0, over the radio's whole life (also
// across sessions and retries). The per-request options below use them. In a
// read the handshake is request 0, the password request 1 and the first block
// request 2; a retry goes on counting (its handshake is the next number).
//
// Transports: either a pseudo-terminal (openPty(); the test maps a COM number
// to slavePath() with ComPorts::setTable, or calls plugIntoCom; the radio
// listens on the master with a QSocketNotifier on the test's event loop), or
// in-process through FakeCommControl (no pty, works with the manual
// TestClock). Bytes the radio sends while no control has the port open are
// lost, as on a real line (a control flushes its input when it opens).
//
// Typical use on the test clock:
//   TestClock::install();            // before the radio carries traffic
//   SimRadio radio;
//   FakeCommControl::plug(3, &radio);  // controls made for COM3 reach it
//   ... run the exchange, TestClock::advance(ms) ...
//   QCOMPARE(radio.frameBytes(), expectedFrames);
//
// Time: time stamps are VbTimer::nowMs(), the program's own timer clock (the
// TestClock while it is installed), and all delays run on it
// (VbTimer::singleShot). Replies
// never block the event loop, paced or not. Paced or not, the radio answers a
// frame no earlier than its last byte can have crossed the line at byteMs a
// byte (a 21-byte write frame handed over at once: 21.9 ms later).
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <memory>

class Pty;
class QSocketNotifier;
class FakeCommControl;

class SimRadio : public QObject
{
    Q_OBJECT
public:
    static constexpr int MemorySize = 0x4010;
    static constexpr double ByteMs9600 = 10000.0 / 9600.0;  // 1.0417 ms: start, 8 data, stop bit

    // Behaviour switches; change them at any time through options().
    struct Options {
        bool formB = true;            // identification with a leading Ack (50 bytes)
        bool ackBeforeBlock = true;   // DataFrames of length != 0x10 start with 06 (69 bytes for 64)
        bool ackBeforePassword = false;  // DataFrames of length 0x10 start with 06 (21 bytes)
        bool paced = false;           // put bytes out at the 9600-baud byte time, and
                                      // take incoming bytes at that rate too
        double byteMs = ByteMs9600;
        int replyDelayMs = 0;         // the radio's turnaround before it answers
        int pieceSize = 0;            // > 0: deliver each reply in pieces of this size
        int pieceGapMs = 0;           // pause between the pieces
        QByteArray trailing;          // bytes appended to every reply
        QByteArray blockTrailing;     // bytes appended to every data frame of a block
                                      // (length other than 0x10)
        double adapterPacketMs = 0;   // > 0: what the radio sends reaches the program in
                                      // packets, at the next multiple of this period after
                                      // it crossed the line, as a USB serial adapter hands
                                      // it over (16 ms by default on common ones)
        bool requireHandshake = true; // ignore 'S' and 'X' outside program mode
    };

    // One byte the radio received, with its arrival time in ms.
    struct RxByte {
        quint8 byte;
        double ms;
    };
    // A frame of the program, split from the received bytes: 8-byte handshake
    // (from 0x55), 4-byte 'S' request, 20-byte 'X' write frame, 1-byte Ack or
    // 'E'; an Ack followed within JoinGapMs by 'S' or 'X' belongs to that
    // frame (5 or 21 bytes). Any other byte is a frame of its own; a frame cut
    // short by the end of the record is kept as it is.
    struct Frame {
        QByteArray bytes;
        double firstMs;   // arrival of its first byte
        double lastMs;    // arrival of its last byte
    };
    // One delivery the radio put on the line (a piece, or at least one byte).
    struct TxChunk {
        QByteArray bytes;
        double ms;
    };
    static constexpr double JoinGapMs = 5.0;

    explicit SimRadio(QObject *parent = nullptr);
    ~SimRadio() override;

    // --- transport -------------------------------------------------------
    // Opens a pseudo-terminal and listens on its master. Returns the slave
    // path, empty on failure.
    QString openPty();
    QString slavePath() const;
    // Convenience: openPty() if needed and ComPorts::setTable({{com, slave}}).
    bool plugIntoCom(int com);
    // The other end goes away: closes the pty (the control sees an error).
    void unplug();

    // --- memory ----------------------------------------------------------
    // All 0xFF at first, except the password block at 0x3DF0: bytes 0-11
    // are 0x20 (no user and no super password).
    QByteArray &memory() { return m_memory; }
    const QByteArray &memory() const { return m_memory; }
    quint8 byteAt(int address) const;
    void setBytes(int address, const QByteArray &bytes);
    QByteArray bytes(int address, int count) const;  // 0xFF outside memory

    // --- identification --------------------------------------------------
    // Band k (1-4): lower and upper limit in whole MHz, sent as three digit
    // bytes each (136 -> 01 03 06; values up to 999).
    void setBandLimits(int band, int lower, int upper);
    void setModel(const QByteArray &sixBytes);     // reply positions 10-15
    void setFirmware(const QByteArray &sixBytes);  // reply positions 26-31
    // Any reply position 0-48; the last setter to touch a position wins.
    // Defaults: bands 136-174, 136-174, 400-480, 400-480; model "ZQ7310";
    // firmware "V1.001"; 0x20 in the positions the program does not read;
    // 0x55 at 48.
    void setIdentByte(int position, quint8 value);
    // The identification reply as it goes out (50 bytes in form B, 49 in form A).
    QByteArray identReply() const;

    Options &options() { return m_options; }

    // --- faults and special answers, by request number ---------------------
    // Requests from..from+count-1 are not heard: no answer, no memory change.
    // count < 0: silent from `from` on for good; setSilence(-1) ends it.
    void setSilence(int from, int count = -1);
    // The answer to request n is these bytes instead of the normal one (a
    // write is still stored; no trailing bytes are added). Empty bytes: no
    // answer, but the request counts as heard.
    void replaceReply(int request, const QByteArray &reply);
    // The next `times` read requests for `requested` (times < 0: every one)
    // are answered as if they had asked for `answered`: that block's echo
    // and bytes, as long as asked. Leading Ack and trailing bytes as usual; a
    // replacement by request number still comes first.
    void answerAs(int requested, int answered, int times = 1);
    // The data frame the radio sends for a request of `length` bytes at
    // `address`: [06] 'X' hi lo len and the bytes (the Ack as the options say).
    QByteArray dataFrame(int address, int length) const;
    // The next `times` read requests for `requested` (times < 0: every one)
    // are answered with one byte (ExtraByte) more than the block: inserted
    // before data byte `at` (at = the length: behind the last data byte),
    // the bytes from there on `gapMs` later than the rest; with LastLate,
    // only the reply's last byte (the one too many) comes gapMs later.
    static constexpr quint8 ExtraByte = 0xA5;
    enum class Late { FromExtra, LastByte };
    void addExtraByte(int requested, int at, double gapMs = 0, int times = 1,
                      Late late = Late::FromExtra);
    // The write frame that is request n is answered with its 06 and, afterMs
    // after its last byte crossed the line, with a second 06; the frame after
    // it (request n + 1) is lost on the line: not stored, not answered.
    void lateSecondAck(int request, double afterMs);
    // Answers the write frame that is request n with this byte instead of 06.
    void setWriteAck(int request, quint8 byte) { replaceReply(request, QByteArray(1, char(byte))); }
    // Sends bytes now (after whatever is still queued), as the radio would.
    void sendRaw(const QByteArray &bytes);

    // --- what happened ----------------------------------------------------
    QList<RxByte> received() const { return m_rx; }
    QByteArray receivedBytes() const;
    QList<Frame> frames() const;
    QList<QByteArray> frameBytes() const;  // frames() without the times
    QList<TxChunk> sent() const { return m_tx; }
    QByteArray sentBytes() const;
    int requestCount() const { return m_requests; }  // requests recognised so far
    bool inProgramMode() const { return m_programMode; }
    bool busySending() const { return !m_queue.isEmpty(); }
    void clearRecord();  // forgets received and sent bytes (not the request count)

    double now() const;  // the radio's clock in ms

signals:
    void frameReceived(const QByteArray &frame);  // each request, handshake, Ack or 'E' it parsed
    void bytesSent(const QByteArray &bytes);

private:
    friend class FakeCommControl;
    // Transport hooks.
    void hear(const QByteArray &bytes);     // bytes from the program
    void attachFake(FakeCommControl *fake);
    void detachFake(FakeCommControl *fake);
    void onMasterReadable();
    void deliver(const QByteArray &bytes);  // bytes onto the line

    void parse();
    // splitAt >= 0: the bytes from there on go gapMs later.
    void answer(int request, QByteArray reply, double atMs, bool normal, int splitAt = -1,
                double gapMs = 0);
    void queueReply(const QByteArray &reply, double startMs, int splitAt = -1, double gapMs = 0);
    void schedulePump(double dueMs);
    void pump();
    bool silenced(int request) const;

    QByteArray m_memory;
    Options m_options;
    quint8 m_ident[49];
    bool m_programMode = false;
    int m_requests = 0;
    int m_silentFrom = -1;
    int m_silentCount = -1;
    QMap<int, QByteArray> m_replacements;
    struct Misdirect {
        int answered;
        int timesLeft;  // < 0: for good
    };
    QMap<int, Misdirect> m_misdirects;  // by requested address
    struct Extra {
        int at;
        double gapMs;
        int timesLeft;  // < 0: for good
        Late late;
    };
    QMap<int, Extra> m_extraBytes;      // by requested address
    QMap<int, double> m_secondAcks;     // by request number: the delay
    QSet<int> m_lost;                   // request numbers lost on the line

    QByteArray m_pending;          // unparsed bytes from the program
    QList<double> m_pendingMs;     // their arrival times
    double m_rxWireFree = 0;     // when the incoming line is free again
    double m_txWireFree = 0;     // when the outgoing line is free again

    struct Queued {
        double due;
        quint8 byte;
    };
    QList<Queued> m_queue;
    double m_pumpAt = -1;

    QList<RxByte> m_rx;
    QList<TxChunk> m_tx;

    std::unique_ptr<Pty> m_pty;
    QSocketNotifier *m_notifier = nullptr;
    FakeCommControl *m_fake = nullptr;
};
