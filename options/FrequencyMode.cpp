#include "options/FrequencyMode.h"

#include <cmath>

#include "memory/BandTable.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"
#include "memory/ToneNames.h"
#include "platform/TextBox.h"

namespace FrequencyMode {

namespace {
bool validRecord(int record) { return record >= 0 && record < RecordCount; }

bool inPair(const BandPair &band, double mhz)
{
    return band.lower <= mhz && mhz < band.upper + 1;
}

// The replacement frequency a band pair gives: its lower limit's whole MHz
// and 25 kHz.
double replacementOf(const BandPair &band)
{
    const double whole = std::floor(band.lower);
    return whole + 0.025;
}
} // namespace

int firstRow(int record)
{
    return MemoryMap::FrequencyModeRow + 2 * record;
}

int byteAt(int record, int k)
{
    if (!validRecord(record) || k < 0 || k > 31)
        return 0;
    return MemoryImage[firstRow(record) + k / 16][k % 16];
}

void setByte(int record, int k, int value)
{
    if (!validRecord(record) || k < 0 || k > 31)
        return;
    MemoryImage[firstRow(record) + k / 16][k % 16] = qint16(value);
}

QString frequencyText(int record)
{
    QString text;
    for (int k = 0; k < 8; ++k) {
        if (k == 3)
            text += QLatin1Char('.');
        const int b = byteAt(record, FrequencyByte + k);
        if (b >= 0 && b < 10)
            text += QChar(char16_t(u'0' + b));
    }
    return text;
}

double frequencyMhz(int record)
{
    qint64 tenHz = 0;
    for (int k = 0; k < 8; ++k) {
        const int b = byteAt(record, FrequencyByte + k);
        if (b < 0 || b > 9)
            return -1;
        tenHz = tenHz * 10 + b;
    }
    return double(tenHz) / 100000.0;
}

NormalisedFrequency normalise(double mhz)
{
    if (!(mhz > 0))  // also NaN
        mhz = 0;
    // Tens of Hz, a half rounding up; the small margin keeps a decimal half
    // that the double holds a hair below .5 a half.
    qint64 n = qint64(std::floor(mhz * 100000.0 + 0.5 + 1e-6));
    n = std::clamp<qint64>(n, 0, 99999999);
    const qint64 whole = n / 100000;
    const qint64 khz = (n % 100000) / 100;
    const qint64 r = n % 100;
    const int sub = r < 25 ? 0 : r < 50 ? 25 : r < 75 ? 50 : 75;

    NormalisedFrequency f;
    f.text = QStringLiteral("%1.%2%3")
                 .arg(whole)
                 .arg(khz, 3, 10, QLatin1Char('0'))
                 .arg(sub, 2, 10, QLatin1Char('0'));
    const qint64 value = whole * 100000 + khz * 100 + sub;
    qint64 rest = value;
    for (int k = 7; k >= 0; --k) {
        f.digits[k] = int(rest % 10);
        rest /= 10;
    }
    return f;
}

void storeFrequency(int record, const std::array<int, 8> &digits)
{
    for (int k = 0; k < 8; ++k)
        setByte(record, FrequencyByte + k, digits[k]);
}

QString outOfBandReplacement(int record)
{
    const double stored = frequencyMhz(record);
    const BandPair *chosen = nullptr;
    if (stored >= 0)
        for (const BandPair &band : BandLimits)
            if (inPair(band, stored) && inPair(band, replacementOf(band))) {
                chosen = &band;
                break;
            }
    if (!chosen)
        for (const BandPair &band : BandLimits)
            if (inPair(band, replacementOf(band))) {
                chosen = &band;
                break;
            }
    if (!chosen)
        chosen = &BandLimits[0];
    const double whole = std::clamp(std::floor(chosen->lower), 0.0, 999.0);
    return QStringLiteral("%1.02500").arg(qint64(whole));
}

int frequencyKey(const QString &text, int key)
{
    const QString t = text.trimmed();
    if (key == u'.')
        return t.isEmpty() ? 0 : key;
    if (key == TextBox::KeyBackspace)
        return key;
    if (key < u'0' || key > u'9')
        return 0;
    return t.size() > 8 ? 0 : key;
}

QString OffsetItemText(int i)
{
    const int khz = 50 * i;
    return QStringLiteral("%1.%2MHZ")
        .arg(khz / 1000, 2, 10, QLatin1Char('0'))
        .arg(khz % 1000, 3, 10, QLatin1Char('0'));
}

int offsetPosition(int record)
{
    // The decimal values of the six bytes written one after another, read
    // as one number; anything beyond the last item's 99950 kHz is clamped.
    constexpr qint64 beyond = qint64(OffsetItemCount) * 50;
    qint64 khz = 0;
    for (int k = 0; k < 6; ++k) {
        const int b = std::clamp(byteAt(record, OffsetByte + k), 0, 255);
        const qint64 scale = b >= 100 ? 1000 : b >= 10 ? 100 : 10;
        khz = std::min(khz * scale + b, beyond);
    }
    qint64 q = khz / 50;
    const qint64 r = khz % 50;
    if (2 * r > 50 || (2 * r == 50 && (q % 2) == 1))
        ++q;
    return int(std::min<qint64>(q, OffsetItemCount - 1));
}

void storeOffset(int record, int position)
{
    if (position < 0 || position >= OffsetItemCount)
        return;
    const int khz = 50 * position;
    const int mhz = khz / 1000;
    const int rest = khz % 1000;
    const int digits[6] = {0, mhz / 10, mhz % 10, rest / 100, rest / 10 % 10, rest % 10};
    for (int k = 0; k < 6; ++k)
        setByte(record, OffsetByte + k, digits[k]);
}

int tonePosition(int record, int at)
{
    const int low = byteAt(record, at);
    const int high = byteAt(record, at + 1);
    if ((low == 0 && high == 0) || low == 0xFF || high == 0xFF)
        return 0;
    return ToneIndexPosition(low, high);
}

QString unlistedToneText(int record, int at)
{
    if (tonePosition(record, at) >= 0)
        return QString();
    const int low = byteAt(record, at);
    const int high = byteAt(record, at + 1);
    if (high <= 0 || high > 0xFF || low < 0 || low > 0xFF)
        return QString();
    const int tenths = high * 256 + low;
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

void storeTone(int record, int at, int position)
{
    if (position < 0 || position >= ToneNameCount)
        return;
    setByte(record, at, ToneIndexLow[position]);
    setByte(record, at + 1, ToneIndexHigh[position]);
}

int settingValue(int record, Setting setting)
{
    return byteAt(record, setting);
}

void storeSetting(int record, Setting setting, int position)
{
    if (position < 0 || position > 255)
        return;
    setByte(record, setting, position);
}

} // namespace FrequencyMode
