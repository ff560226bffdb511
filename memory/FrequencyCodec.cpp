#include "memory/FrequencyCodec.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"
#include "platform/NumberText.h"

#include <cmath>

double SnapFrequency(double mhz)
{
    const double k = mhz * 1000.0;
    // The 1 Hz added before dividing keeps a value a hair below a raster point
    // (floating-point error) on that point.
    const double i = std::floor((k + 0.001) / 2.5);
    const double r = std::floor((k - i * 2.5) * 100.0) / 100.0;
    const double j = std::floor((k + 0.001) / 6.25);
    const double s = std::floor((k - j * 6.25) * 100.0) / 100.0;
    const double snappedKhz = s < r ? j * 6.25 : i * 2.5;
    return snappedKhz / 1000.0;
}

QString PadFrequencyText(const QString &text, int width)
{
    QString out = text;
    if (!out.contains(QLatin1Char('.')))
        out += QLatin1Char('.');
    if (out.size() < width)
        out += QString(width - out.size(), QLatin1Char('0'));
    return out;
}

bool StoreFrequency(QString &text, int row, int col)
{
    if (row < 0 || row >= ImageRows || col < 0 || col + 3 >= ImageCols)
        return false;
    const double f = TextToNumber(text);
    if (!(f >= 0.0 && f < 1000.0))
        return false;
    const double snapped = SnapFrequency(f);
    if (!(snapped >= 0.0 && snapped < 1000.0))
        return false;

    const QString normalised = PadFrequencyText(NumberToText(snapped), 9);
    const double x = TextToNumber(normalised);
    const int d = int(std::floor(x / 100));
    const int t = int(std::floor((x - 100 * d) / 10));
    const int u = int(std::floor(x - 100 * d - 10 * t));
    const double y = (x - std::floor(x) + 1e-9) * 1000;
    const int a = int(std::floor(y / 100));
    const int b = int(std::floor((y - 100 * a) / 10));
    const int c = int(std::floor(y - 100 * a - 10 * b));
    const double z = (y - std::floor(y) + 1e-9) * 1000;
    const int e = int(std::floor(z / 100));
    const int g = int(std::floor((z - 100 * e) / 10));

    BcdScratch[0] = quint8(16 * d + t);
    BcdScratch[1] = quint8(16 * u + a);
    BcdScratch[2] = quint8(16 * b + c);
    BcdScratch[3] = quint8(16 * e + g);
    MemoryImage[row][col] = BcdScratch[3];
    MemoryImage[row][col + 1] = BcdScratch[2];
    MemoryImage[row][col + 2] = BcdScratch[1];
    MemoryImage[row][col + 3] = BcdScratch[0];
    text = normalised;
    return true;
}

QString FrequencyText(int b0, int b1, int b2, int b3)
{
    b0 &= 0xFF;
    b1 &= 0xFF;
    b2 &= 0xFF;
    b3 &= 0xFF;
    BcdScratch = {quint8(b3), quint8(b2), quint8(b1), quint8(b0)};
    const double value = 100.0 * (b3 >> 4) + 10.0 * (b3 & 15) + (b2 >> 4) + 0.1 * (b2 & 15)
                       + 0.01 * (b1 >> 4) + 0.001 * (b1 & 15) + 0.0001 * (b0 >> 4)
                       + 0.00001 * (b0 & 15);
    const QString text = NumberToText(value);
    if (text.size() >= 9)
        return text;
    return PadFrequencyText(text, value >= 100 ? 9 : 8);
}

void StoreFmFrequency(double mhz, int n)
{
    if (n < 0 || n > 15 || !(mhz >= 0.0 && mhz < 1000.0))
        return;
    // The value in 10 Hz steps, cut (not rounded) below 10 Hz; the tiny nudge
    // keeps 88.9 from reading as 88.8999999...
    qint64 steps = qint64(std::floor(mhz * 100000.0 + 1e-6));
    const int row = MemoryMap::FmAreaRow + n;
    for (int col = 7; col >= 0; --col) {
        MemoryImage[row][col] = qint16(steps % 10);
        steps /= 10;
    }
}
