#include "link/Frames.h"

namespace {
constexpr std::array<quint8, 8> HandshakeBytes{0x55, 0x20, 0x21, 0x01, 0x23, 0xFF, 0xDC, 0x02};

int limit(const quint8 *p)
{
    return 100 * p[0] + 10 * p[1] + p[2];
}
}

std::array<quint8, 10> ProgramModeHandshake{0x55, 0x20, 0x21, 0x01, 0x23, 0xFF, 0xDC, 0x02, 0, 0};

void StoreProgramModeHandshake()
{
    for (int i = 0; i < 8; ++i)
        ProgramModeHandshake[i] = HandshakeBytes[i];
}

QByteArray programModeHandshakeFrame()
{
    return QByteArray(reinterpret_cast<const char *>(ProgramModeHandshake.data()), 8);
}

IdentForm identForm(const quint8 *reply50)
{
    if (reply50[0] == 0x01 && reply50[48] == Frame::IdentEnd)
        return IdentForm::A;
    if (reply50[0] == Frame::Ack && reply50[49] == Frame::IdentEnd)
        return IdentForm::B;
    return IdentForm::None;
}

IdentInfo parseIdentReply(const quint8 *reply)
{
    IdentInfo info;
    static constexpr int at[4][2] = {{0, 3}, {16, 19}, {32, 35}, {40, 43}};
    for (int k = 0; k < 4; ++k) {
        info.bands[k].lower = limit(reply + at[k][0]);
        info.bands[k].upper = limit(reply + at[k][1]);
    }
    info.model = bytesText(reply + 10, 6);
    info.firmware = bytesText(reply + 26, 6);
    info.serial = bytesText(reply + 38, 10);
    return info;
}

QString bandPanelText(const BandPair &band)
{
    // The limits come from digit bytes: whole, non-negative numbers.
    return QLatin1Char(' ') + QString::number(qint64(band.lower)) + QLatin1String("--")
         + QLatin1Char(' ') + QString::number(qint64(band.upper));
}

QString bytesText(const quint8 *bytes, int count)
{
    QString text;
    text.reserve(count);
    for (int i = 0; i < count; ++i)
        text += QChar(ushort(bytes[i]));
    return text;
}

QByteArray readRequestFrame(int address, int length, bool leadingAck)
{
    QByteArray f;
    if (leadingAck)
        f.append(char(Frame::Ack));
    f.append(char(Frame::Request));
    f.append(char((address >> 8) & 0xFF));
    f.append(char(address & 0xFF));
    f.append(char(length & 0xFF));
    return f;
}

QByteArray writeFrame(int address, const std::array<quint8, 16> &data, bool leadingAck)
{
    QByteArray f;
    f.reserve(21);
    if (leadingAck)
        f.append(char(Frame::Ack));
    f.append(char(Frame::Data));
    f.append(char((address >> 8) & 0xFF));
    f.append(char(address & 0xFF));
    f.append(char(0x10));
    for (quint8 b : data)
        f.append(char(b));
    return f;
}

int findDataMark(const quint8 *bytes, int from, int to)
{
    for (int i = from; i <= to; ++i)
        if (bytes[i] == Frame::Data)
            return i;
    return -1;
}

std::optional<ReadRequest> readRequestOf(const QByteArray &frame)
{
    const int at = frame.size() == 5 && quint8(frame.at(0)) == Frame::Ack ? 1 : 0;
    if (frame.size() != at + 4 || quint8(frame.at(at)) != Frame::Request)
        return std::nullopt;
    return ReadRequest{quint8(frame.at(at + 1)) * 256 + quint8(frame.at(at + 2)), quint8(frame.at(at + 3))};
}

bool dataHeadAnswers(const quint8 *mark, const ReadRequest &request)
{
    if (request.address < 0 || request.length < 0)
        return false;
    return mark[0] == Frame::Data && mark[1] == ((request.address >> 8) & 0xFF)
        && mark[2] == (request.address & 0xFF) && mark[3] == (request.length & 0xFF);
}
