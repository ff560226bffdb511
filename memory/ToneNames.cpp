#include "memory/ToneNames.h"

const std::array<int, CtcssCount> CtcssTenths = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
    1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

const std::array<int, DcsCodeCount> DcsCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,
    74,  114, 115, 116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162,
    165, 172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246, 251, 252, 255,
    261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351,
    356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455,
    462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

namespace {
// Blanks before and after a name, by its position in the list.
QString padded(int position, const QString &name)
{
    int before = 1, after = 3;
    if (position == 0) {
        before = 3;
        after = 6;
    } else if (position <= 9) {
        before = 3;
        after = 4;
    } else if (position <= 12) {
        before = 2;
        after = 4;
    } else if (position <= 99) {
        before = 2;
        after = 3;
    }
    return QString(before, QLatin1Char(' ')) + name + QString(after, QLatin1Char(' '));
}
} // namespace

void BuildToneNames()
{
    ToneNames[0] = padded(0, QStringLiteral("OFF"));
    ToneListPosition[0] = 0;
    ToneIndexLow[0] = 0;
    ToneIndexHigh[0] = 0;
    for (int k = 0; k < CtcssCount; ++k) {
        const int p = 1 + k;
        const int tenths = CtcssTenths[k];
        ToneNames[p] = padded(p, QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10));
        ToneListPosition[p] = qint16(p);
        ToneIndexLow[p] = qint16(tenths % 256);
        ToneIndexHigh[p] = qint16(tenths / 256);
    }
    for (int k = 0; k < 2 * DcsCodeCount; ++k) {
        const int p = FirstDcsPosition + k;
        const int code = DcsCodes[k % DcsCodeCount];
        const QChar polarity = k < DcsCodeCount ? QLatin1Char('N') : QLatin1Char('I');
        ToneNames[p] = padded(p, QStringLiteral("D%1").arg(code, 3, 10, QLatin1Char('0')) + polarity);
        ToneListPosition[p] = qint16(p);
        ToneIndexLow[p] = qint16(k + 1);
        ToneIndexHigh[p] = 0;
    }
}

int ToneIndexPosition(int low, int high)
{
    if ((low == 0 && high == 0) || (low == 0xFF && high == 0xFF))
        return 0;
    if (low < 0 || low > 0xFF || high < 0 || high > 0xFF)
        return -1;
    if (high == 0)
        return (low >= 1 && low <= 2 * DcsCodeCount) ? low + FirstDcsPosition - 1 : -1;
    const int tenths = high * 256 + low;
    for (int k = 0; k < CtcssCount; ++k)
        if (CtcssTenths[k] == tenths)
            return 1 + k;
    return -1;
}

QString ToneName(int position)
{
    if (position < 0 || position >= ToneNameCount)
        return QString();
    return ToneNames[position];
}
