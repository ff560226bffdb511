#include "memory/ToneCodec.h"
#include "memory/MemoryImage.h"
#include "platform/NumberText.h"

#include <cmath>

bool StoreToneText(const QString &text, int row, int col)
{
    if (!IsImageCell(row, col) || !IsImageCell(row, col + 1))
        return false;
    if (text == QLatin1String("FF")) {
        MemoryImage[row][col] = 0xFF;
        MemoryImage[row][col + 1] = 0xFF;
        return true;
    }
    const double v = TextToNumber(text);
    if (!(v > 0 && v < 255))
        return false;
    // Tenths rounded half to even first, then split, so no byte reaches 256.
    const int w = int(std::nearbyint(v * 10));
    MemoryImage[row][col] = qint16(w % 256);
    MemoryImage[row][col + 1] = qint16(w / 256);
    return true;
}
