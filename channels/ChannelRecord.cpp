#include "channels/ChannelRecord.h"

#include <cmath>

#include "memory/CharacterCodec.h"
#include "memory/FrequencyCodec.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"
#include "memory/ToneNames.h"
#include "platform/NumberText.h"

using namespace ChannelGrid;

namespace {
int byteAt(int row, int col)
{
    if (!IsImageCell(row, col))
        return 0xFF;
    return MemoryImage[row][col] & 0xFF;
}

void setByte(int row, int col, int value)
{
    if (IsImageCell(row, col))
        MemoryImage[row][col] = qint16(value & 0xFF);
}

bool isNameCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

const QStringList &optionItems(int col)
{
    static const QStringList power{"HIGH", "LOW"};
    static const QStringList bandwidth{"W", "N"};
    static const QStringList pttId{"OFF", "BOT", "EOT", "BOTH"};
    static const QStringList offOn{"OFF", "ON"};
    static const QStringList optSignal{"OFF", "DTMF", "2TONE", "5TONE"};
    static const QStringList mute{"QT", "AND", "OR"};
    static const QStringList sigCode = [] {
        QStringList l;
        for (int k = 1; k <= 15; ++k)
            l << QString::number(k);
        return l;
    }();
    static const QStringList band{BandItem};
    static const QStringList none;
    switch (col) {
    case ColBand: return band;
    case ColPower: return power;
    case ColBandwidth: return bandwidth;
    case ColPttId: return pttId;
    case ColBusyLock:
    case ColScanAdd:
    case ColScrambler: return offOn;
    case ColSigCode: return sigCode;
    case ColOptSignal: return optSignal;
    case ColMuteMode: return mute;
    default: return none;
    }
}
}

const std::array<ChannelOptionField, 9> &ChannelOptionFields()
{
    static const std::array<ChannelOptionField, 9> fields{{
        // The power is read from bits 0-2 although a pick writes bits 0-1
        // only, and any value but 1 shows as HIGH.
        {ColPower, {14, 0x03, 0}, {14, 0x07, 0}, true},
        {ColBandwidth, {15, 0x01, 6}, {15, 0x01, 6}, false},
        {ColPttId, {15, 0x03, 0}, {15, 0x03, 0}, false},
        {ColBusyLock, {15, 0x01, 3}, {15, 0x01, 3}, false},
        {ColScanAdd, {15, 0x01, 2}, {15, 0x01, 2}, false},
        {ColSigCode, {12, 0x0F, 0}, {12, 0x0F, 0}, false},  // codes 1-15 as 0-14
        {ColOptSignal, {13, 0x0F, 0}, {13, 0x0F, 0}, false},
        {ColMuteMode, {13, 0x0F, 4}, {13, 0x0F, 4}, false},
        {ColScrambler, {14, 0x0F, 4}, {14, 0x0F, 4}, false},
    }};
    return fields;
}

QString ToneWordText(int low, int high, bool keepBlanks)
{
    low &= 0xFF;
    high &= 0xFF;
    if ((low == 0 && high == 0) || (low == 0xFF && high == 0xFF))
        return QStringLiteral("OFF");
    if (high >= 1 && high <= 0x7F) {
        const int w = high * 256 + low;
        return QStringLiteral("%1.%2").arg(w / 10).arg(w % 10);
    }
    if (high == 0 && low >= 1 && low <= 2 * DcsCodeCount) {
        const QString name = ToneName(low + 50);
        return keepBlanks ? name : name.trimmed();
    }
    return QString();
}

std::optional<std::array<QString, 16>> ChannelCellTexts(int ch)
{
    if (byteAt(ch, 0) == 0xFF)
        return std::nullopt;
    int b[16];
    for (int k = 0; k < 16; ++k)
        b[k] = byteAt(ch, k);
    std::array<QString, 16> t;
    t[ColRxFreq] = FrequencyText(b[0], b[1], b[2], b[3]);
    t[ColRxTone] = ToneWordText(b[8], b[9], true);
    if (b[4] != 0xFF) {
        t[ColTxFreq] = FrequencyText(b[4], b[5], b[6], b[7]);
        t[ColTxTone] = ToneWordText(b[10], b[11], false);
    }
    t[ColBand] = BandText;
    for (const ChannelOptionField &f : ChannelOptionFields()) {
        const QStringList &items = optionItems(f.col);
        const int v = f.shown.read(ch);
        if (v >= 0 && v < items.size())
            t[f.col] = items.at(v);
        else
            t[f.col] = f.unknownShowsFirst ? items.at(0) : QString();
    }
    return t;
}

QString ChannelNameText(int ch)
{
    const int row = MemoryMap::ChannelNameFirstRow + ch;
    if (byteAt(row, 0) == 0xFF)
        return QString();
    QString name;
    for (int k = 0; k < NameLength; ++k) {
        const int v = byteAt(row, k);
        const QChar c{char16_t(v)};
        if (isNameCharacter(c))
            name += c;
        else if (IsNameBlankByte(v))
            name += QLatin1Char(' ');
    }
    return TrimSpaces(name);
}

void EraseChannelRecords(int ch)
{
    for (int k = 0; k < 16; ++k) {
        setByte(ch, k, 0xFF);
        setByte(MemoryMap::ChannelNameFirstRow + ch, k, 0xFF);
    }
}

void WriteNewChannelOptions(int ch)
{
    for (int k = 8; k <= 14; ++k)
        setByte(ch, k, 0);
    setByte(ch, 15, 4);
    for (int k = 0; k < 16; ++k)
        setByte(MemoryMap::ChannelNameFirstRow + ch, k, 0xFF);
}

const std::array<QString, 12> &NewChannelCellTexts()
{
    static const std::array<QString, 12> texts{"OFF", "OFF", "HIGH", "W",  "OFF", "OFF",
                                               "ON",  "1",   "OFF",  "QT", "OFF", ""};
    return texts;
}

QStringList ChannelListItems(int col)
{
    if (col == ColRxTone || col == ColTxTone) {
        QStringList l;
        l.reserve(ToneNameCount);
        for (int p = 0; p < ToneNameCount; ++p)
            l << ToneName(p).trimmed();
        return l;
    }
    return optionItems(col);
}

std::optional<std::pair<int, int>> ToneWordOfListPosition(int i)
{
    if (i == 0)
        return std::make_pair(0, 0);
    if (i >= 1 && i <= CtcssCount) {
        const int w = CtcssTenths[i - 1];
        return std::make_pair(w % 256, w / 256);
    }
    if (i > CtcssCount && i < ToneNameCount)
        return std::make_pair(i - 50, 0);
    return std::nullopt;
}

void StoreToneWord(int ch, int col, int low, int high)
{
    const int first = col == ColRxTone ? 8 : 10;
    setByte(ch, first, low);
    setByte(ch, first + 1, high);
}

void StoreChannelListPick(int ch, int col, int i)
{
    if (i < 0 || i >= ChannelListItems(col).size())
        return;
    switch (col) {
    case ColRxTone:
    case ColTxTone: {
        const auto word = ToneWordOfListPosition(i);
        if (!word)
            return;
        StoreToneWord(ch, col, word->first, word->second);
        if (col == ColRxTone) {
            setByte(ch, 10, byteAt(ch, 8));
            setByte(ch, 11, byteAt(ch, 9));
        }
        return;
    }
    default:
        for (const ChannelOptionField &f : ChannelOptionFields())
            if (f.col == col)
                f.stored.write(ch, i);
        return;
    }
}

std::optional<int> TypedCtcssTenths(const QString &text)
{
    const double v = TextToNumber(text.trimmed());
    if (!(v >= 60.0 && v <= 259.9))
        return std::nullopt;
    // Half to the even neighbour, whatever rounding mode is in force.
    const double x = v * 10.0;
    double w = std::floor(x);
    const double frac = x - w;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(w, 2.0) != 0.0))
        w += 1.0;
    return int(w);
}

int ToneListPositionOfName(const QString &text)
{
    const QString t = text.trimmed().toUpper();
    if (t.isEmpty())
        return -1;
    for (int p = 0; p < ToneNameCount; ++p)
        if (ToneName(p).trimmed() == t)
            return p;
    return -1;
}

bool ChannelNameTypable(QChar c)
{
    return isNameCharacter(c) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        || c == QLatin1Char(' ');
}

QString NormalizeChannelName(const QString &typed, NameVerdict *verdict)
{
    NameVerdict found = NameVerdict::Kept;
    QString name;
    for (QChar c : typed.trimmed()) {
        const QChar upper = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? c.toUpper() : c;
        if (!ChannelNameTypable(c)) {
            found = NameVerdict::Refused;
            name.clear();
            break;
        }
        name += upper;
    }
    if (name.size() > NameLength) {
        found = NameVerdict::Cut;
        name.truncate(NameLength);
    }
    if (verdict)
        *verdict = found;
    return name.trimmed();
}

void StoreChannelName(int ch, const QString &name)
{
    const int row = MemoryMap::ChannelNameFirstRow + ch;
    std::array<int, NameLength> before;
    for (int k = 0; k < NameLength; ++k)
        before[k] = byteAt(row, k);
    for (int k = 0; k < NameLength; ++k) {
        const QChar c = k < name.size() ? name.at(k) : QChar();
        if (isNameCharacter(c))
            setByte(row, k, c.unicode());
        else if (c == QLatin1Char(' ') && IsInnerNameBlank(before, k))
            setByte(row, k, before[k]);  // a stored blank (0x20 from the radio) stays
        else
            setByte(row, k, 0xFF);
    }
}
