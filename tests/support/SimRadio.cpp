#include "support/SimRadio.h"

#include "platform/CommControl.h"
#include "platform/VbTimer.h"
#include "support/FakeCommControl.h"
#include "support/Pty.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
const quint8 Handshake[8] = {0x55, 0x20, 0x21, 0x01, 0x23, 0xFF, 0xDC, 0x02};
constexpr quint8 AckByte = 0x06;
constexpr int PasswordAddress = 0x3DF0;

// Where the identification reply keeps the digits of each band's limits.
constexpr int BandLowerPos[4] = {0, 16, 32, 40};
constexpr int BandUpperPos[4] = {3, 19, 35, 43};

void putDigits(quint8 *at, int value)
{
    value = qBound(0, value, 999);
    at[0] = quint8(value / 100);
    at[1] = quint8(value / 10 % 10);
    at[2] = quint8(value % 10);
}
} // namespace

SimRadio::SimRadio(QObject *parent) : QObject(parent), m_memory(MemorySize, char(0xFF))
{
    for (int i = 0; i < 12; ++i)
        m_memory[PasswordAddress + i] = char(0x20);

    std::memset(m_ident, 0x20, sizeof m_ident);
    m_ident[48] = 0x55;
    setBandLimits(1, 136, 174);
    setBandLimits(2, 136, 174);
    setBandLimits(3, 400, 480);
    setBandLimits(4, 400, 480);
    setModel("ZQ7310");
    setFirmware("V1.001");
}

SimRadio::~SimRadio()
{
    if (m_fake)
        m_fake->release();
    delete m_notifier;
}

double SimRadio::now() const { return VbTimer::nowMs(); }

// --- transport -----------------------------------------------------------

QString SimRadio::openPty()
{
    if (m_pty && m_pty->isOpen())
        return m_pty->slavePath();
    m_pty = std::make_unique<Pty>();
    if (!m_pty->open()) {
        m_pty.reset();
        return {};
    }
    m_notifier = new QSocketNotifier(qintptr(m_pty->masterFd()), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SimRadio::onMasterReadable);
    return m_pty->slavePath();
}

QString SimRadio::slavePath() const
{
    return m_pty ? m_pty->slavePath() : QString();
}

bool SimRadio::plugIntoCom(int com)
{
    const QString path = openPty();
    if (path.isEmpty())
        return false;
    ComPorts::setTable({{com, path}});
    return true;
}

void SimRadio::unplug()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_pty)
        m_pty->close();
}

void SimRadio::onMasterReadable()
{
    const QByteArray bytes = m_pty ? m_pty->readAvailable() : QByteArray();
    if (!bytes.isEmpty())
        hear(bytes);
}

void SimRadio::attachFake(FakeCommControl *fake)
{
    m_fake = fake;
}

void SimRadio::detachFake(FakeCommControl *fake)
{
    if (m_fake == fake)
        m_fake = nullptr;
}

void SimRadio::deliver(const QByteArray &bytes)
{
    m_tx.append({bytes, now()});
    if (m_pty && m_pty->isOpen())
        m_pty->write(bytes);
    if (m_fake)
        m_fake->fromRadio(bytes);
    emit bytesSent(bytes);
}

// --- memory --------------------------------------------------------------

quint8 SimRadio::byteAt(int address) const
{
    if (address < 0 || address >= MemorySize)
        return 0xFF;
    return quint8(m_memory[address]);
}

void SimRadio::setBytes(int address, const QByteArray &bytes)
{
    for (int i = 0; i < bytes.size(); ++i)
        if (address + i >= 0 && address + i < MemorySize)
            m_memory[address + i] = bytes[i];
}

QByteArray SimRadio::bytes(int address, int count) const
{
    QByteArray out;
    out.reserve(count);
    for (int i = 0; i < count; ++i)
        out.append(char(byteAt(address + i)));
    return out;
}

// --- identification --------------------------------------------------------

void SimRadio::setBandLimits(int band, int lower, int upper)
{
    if (band < 1 || band > 4)
        return;
    putDigits(m_ident + BandLowerPos[band - 1], lower);
    putDigits(m_ident + BandUpperPos[band - 1], upper);
}

void SimRadio::setModel(const QByteArray &sixBytes)
{
    for (int i = 0; i < 6; ++i)
        m_ident[10 + i] = i < sixBytes.size() ? quint8(sixBytes[i]) : 0x20;
}

void SimRadio::setFirmware(const QByteArray &sixBytes)
{
    for (int i = 0; i < 6; ++i)
        m_ident[26 + i] = i < sixBytes.size() ? quint8(sixBytes[i]) : 0x20;
}

void SimRadio::setIdentByte(int position, quint8 value)
{
    if (position >= 0 && position < 49)
        m_ident[position] = value;
}

QByteArray SimRadio::identReply() const
{
    QByteArray out;
    if (m_options.formB)
        out.append(char(AckByte));
    out.append(reinterpret_cast<const char *>(m_ident), 49);
    return out;
}

// --- faults --------------------------------------------------------------

void SimRadio::setSilence(int from, int count)
{
    m_silentFrom = from;
    m_silentCount = count;
}

void SimRadio::replaceReply(int request, const QByteArray &reply)
{
    m_replacements.insert(request, reply);
}

void SimRadio::answerAs(int requested, int answered, int times)
{
    m_misdirects.insert(requested, Misdirect{answered, times});
}

void SimRadio::addExtraByte(int requested, int at, double gapMs, int times, Late late)
{
    m_extraBytes.insert(requested, Extra{at, gapMs, times, late});
}

void SimRadio::lateSecondAck(int request, double afterMs)
{
    m_secondAcks.insert(request, afterMs);
    m_lost.insert(request + 1);
}

QByteArray SimRadio::dataFrame(int address, int length) const
{
    QByteArray reply;
    const bool ack = length == 0x10 ? m_options.ackBeforePassword : m_options.ackBeforeBlock;
    if (ack)
        reply.append(char(AckByte));
    reply.append('X');
    reply.append(char((address >> 8) & 0xFF));
    reply.append(char(address & 0xFF));
    reply.append(char(length & 0xFF));
    reply.append(bytes(address, length));
    if (length != 0x10)
        reply.append(m_options.blockTrailing);
    return reply;
}

bool SimRadio::silenced(int request) const
{
    if (m_silentFrom < 0 || request < m_silentFrom)
        return false;
    return m_silentCount < 0 || request < m_silentFrom + m_silentCount;
}

void SimRadio::sendRaw(const QByteArray &bytes)
{
    queueReply(bytes, now());
}

// --- receiving and answering ------------------------------------------------

void SimRadio::hear(const QByteArray &bytes)
{
    const double t = now();
    for (char c : bytes) {
        // Paced or not, a byte has crossed the line only a byte time after
        // the one before it: the radio answers no frame before that.
        const double crossed = std::max(t, m_rxWireFree) + m_options.byteMs;
        m_rxWireFree = crossed;
        m_rx.append({quint8(c), m_options.paced ? crossed : t});
        m_pending.append(c);
        m_pendingMs.append(crossed);
    }
    parse();
}

void SimRadio::parse()
{
    auto consume = [this](int n) {
        const QByteArray frame = m_pending.left(n);
        const double lastMs = m_pendingMs.at(n - 1);
        m_pending.remove(0, n);
        m_pendingMs.remove(0, n);
        emit frameReceived(frame);
        return std::make_pair(frame, lastMs);
    };
    auto drop = [this] {
        m_pending.remove(0, 1);
        m_pendingMs.remove(0, 1);
    };

    while (!m_pending.isEmpty()) {
        const quint8 b = quint8(m_pending[0]);
        if (b == Handshake[0]) {
            const int have = int(std::min<qsizetype>(m_pending.size(), 8));
            if (std::memcmp(m_pending.constData(), Handshake, size_t(have)) != 0) {
                drop();
                continue;
            }
            if (have < 8)
                return;
            auto [frame, lastMs] = consume(8);
            const int n = m_requests++;
            if (silenced(n))
                continue;
            m_programMode = true;
            answer(n, identReply(), lastMs, true);
            continue;
        }
        if (!m_programMode && m_options.requireHandshake) {
            drop();
            continue;
        }
        if (b == AckByte) {
            consume(1);
            continue;
        }
        if (b == 'E') {
            consume(1);
            m_programMode = false;
            continue;
        }
        if (b == 'S') {
            if (m_pending.size() < 4)
                return;
            auto [frame, lastMs] = consume(4);
            const int n = m_requests++;
            if (silenced(n))
                continue;
            int address = quint8(frame[1]) * 256 + quint8(frame[2]);
            const int length = quint8(frame[3]);
            auto wrong = m_misdirects.find(address);
            if (wrong != m_misdirects.end() && wrong->timesLeft != 0) {
                if (wrong->timesLeft > 0)
                    --wrong->timesLeft;
                address = wrong->answered;
            }
            QByteArray reply = dataFrame(address, length);
            int splitAt = -1;
            double gapMs = 0;
            auto extra = m_extraBytes.find(quint8(frame[1]) * 256 + quint8(frame[2]));
            if (extra != m_extraBytes.end() && extra->timesLeft != 0) {
                if (extra->timesLeft > 0)
                    --extra->timesLeft;
                splitAt = int(reply.size()) - length + std::clamp(extra->at, 0, length);
                reply.insert(splitAt, char(ExtraByte));
                if (extra->late == Late::LastByte)
                    splitAt = int(reply.size()) - 1;
                gapMs = extra->gapMs;
            }
            answer(n, reply, lastMs, true, splitAt, gapMs);
            continue;
        }
        if (b == 'X') {
            if (m_pending.size() < 20)
                return;
            auto [frame, lastMs] = consume(20);
            const int n = m_requests++;
            if (silenced(n) || m_lost.contains(n))
                continue;
            const int address = quint8(frame[1]) * 256 + quint8(frame[2]);
            setBytes(address, frame.mid(4, 16));
            answer(n, QByteArray(1, char(AckByte)), lastMs, true);
            if (m_secondAcks.contains(n))
                queueReply(QByteArray(1, char(AckByte)), lastMs + m_secondAcks.value(n));
            continue;
        }
        drop();
    }
}

void SimRadio::answer(int request, QByteArray reply, double atMs, bool normal, int splitAt,
                      double gapMs)
{
    if (m_replacements.contains(request)) {
        reply = m_replacements.value(request);
        normal = false;
        splitAt = -1;
    }
    if (normal)
        reply.append(m_options.trailing);
    if (reply.isEmpty())
        return;
    queueReply(reply, std::max(atMs, now()) + m_options.replyDelayMs, splitAt, gapMs);
}

void SimRadio::queueReply(const QByteArray &reply, double startMs, int splitAt, double gapMs)
{
    double cursor = std::max(startMs, m_txWireFree);
    const int piece = m_options.pieceSize > 0 ? m_options.pieceSize : int(reply.size());
    for (int i = 0; i < reply.size(); ++i) {
        if (i > 0 && i % piece == 0)
            cursor += m_options.pieceGapMs;
        if (i == splitAt)
            cursor += gapMs;
        if (m_options.paced)
            cursor += m_options.byteMs;
        double due = cursor;
        if (m_options.adapterPacketMs > 0)
            due = std::ceil(cursor / m_options.adapterPacketMs - 1e-9) * m_options.adapterPacketMs;
        m_queue.append({due, quint8(reply[i])});
    }
    m_txWireFree = cursor;
    if (!m_queue.isEmpty())
        schedulePump(m_queue.first().due);
}

void SimRadio::schedulePump(double dueMs)
{
    if (m_pumpAt >= 0 && m_pumpAt <= dueMs)
        return;
    m_pumpAt = dueMs;
    const qint64 delayUs = std::max<qint64>(0, qint64(std::ceil((dueMs - now()) * 1000 - 1e-6)));
    VbTimer::singleShotUs(delayUs, this, [this] {
        m_pumpAt = -1;
        pump();
    });
}

void SimRadio::pump()
{
    const double t = now() + 1e-6;
    QByteArray out;
    int taken = 0;
    while (taken < m_queue.size() && m_queue[taken].due <= t)
        out.append(char(m_queue[taken++].byte));
    m_queue.remove(0, taken);
    if (!out.isEmpty())
        deliver(out);
    if (!m_queue.isEmpty())
        schedulePump(m_queue.first().due);
}

// --- record --------------------------------------------------------------

QByteArray SimRadio::receivedBytes() const
{
    QByteArray out;
    out.reserve(m_rx.size());
    for (const RxByte &r : m_rx)
        out.append(char(r.byte));
    return out;
}

QByteArray SimRadio::sentBytes() const
{
    QByteArray out;
    for (const TxChunk &c : m_tx)
        out.append(c.bytes);
    return out;
}

QList<SimRadio::Frame> SimRadio::frames() const
{
    QList<Frame> out;
    const int n = int(m_rx.size());
    int i = 0;
    auto lengthFor = [](quint8 b) {
        switch (b) {
        case 0x55: return 8;
        case 'S': return 4;
        case 'X': return 20;
        default: return 1;
        }
    };
    while (i < n) {
        const quint8 b = m_rx[i].byte;
        int len = lengthFor(b);
        if (b == AckByte && i + 1 < n && m_rx[i + 1].ms - m_rx[i].ms <= JoinGapMs
            && (m_rx[i + 1].byte == 'S' || m_rx[i + 1].byte == 'X'))
            len = 1 + lengthFor(m_rx[i + 1].byte);
        len = std::min(len, n - i);
        Frame f{QByteArray(), m_rx[i].ms, m_rx[i + len - 1].ms};
        for (int k = 0; k < len; ++k)
            f.bytes.append(char(m_rx[i + k].byte));
        out.append(f);
        i += len;
    }
    return out;
}

QList<QByteArray> SimRadio::frameBytes() const
{
    QList<QByteArray> out;
    for (const Frame &f : frames())
        out.append(f.bytes);
    return out;
}

void SimRadio::clearRecord()
{
    m_rx.clear();
    m_tx.clear();
}
