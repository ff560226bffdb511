#include "memory/TwoToneDefaults.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"

#include <cmath>

namespace {
const int Area = MemoryMap::TwoToneAreaRow; // 720
const int EncodePage = 45;                  // codes 1-15 in rows 720-734
const int DecodeTonePage = MemoryMap::TwoToneDecodeTonePage;

void putWord(int row, int col, int value)
{
    MemoryImage[row][col] = qint16(value % 256);
    MemoryImage[row][col + 1] = qint16(value / 256);
}
} // namespace

int TwoToneCount(double hz)
{
    return int(std::floor(10040000.0 / hz + 0.5));
}

int StoreTwoTonePair(int page, int &index, double f1, double f2)
{
    index = page * 16 + index;
    if (index < 0 || index >= ImageRows)
        return index;
    const int v1 = int(std::floor(f1 + 0.5));
    const int v2 = int(std::floor(f2 + 0.5));
    if (v1 < 0 || v1 > 0xFFFF || v2 < 0 || v2 > 0xFFFF)
        return index;
    putWord(index, 0, v1);
    putWord(index, 8, v2);
    return index;
}

bool StoreTwoToneDecode(int page, int row, int c, double hz)
{
    const int r = page * 16 + row;
    if (r < 0 || r >= ImageRows || c < 0 || c > 3)
        return false;
    if (!(hz >= 300 && hz <= 3000))
        return false;
    putWord(r, 2 * c, int(std::floor(hz + 0.5)));
    putWord(r, 2 * c + 8, TwoToneCount(hz));
    return true;
}

void BuildTwoToneDefaults()
{
    for (int row = Area; row < Area + 48; ++row)
        for (int c = 0; c < 16; ++c)
            MemoryImage[row][c] = 0xFF;

    struct Pair {
        int code, f1, f2;
    };
    static const Pair pairs[] = {
        {1, 1981, 1124}, {2, 1358, 1446},  {3, 1540, 1640}, {12, 2200, 970},
        {13, 1060, 1160}, {14, 1400, 1530}, {15, 1670, 1830},
    };
    for (const Pair &p : pairs) {
        int index = p.code - 1;
        StoreTwoTonePair(EncodePage, index, p.f1, p.f2);
    }

    auto &settings = MemoryImage[Area + 15]; // row 735: tone times 600, 600, gap 300 ms
    settings[0] = 60;
    settings[1] = 60;
    settings[2] = 30;

    // Decode entries: four (pair, response, alert) triples.
    static const qint16 forward[12] = {0, 1, 1, 4, 2, 2, 8, 3, 3, 9, 0, 4};
    static const qint16 backward[12] = {9, 0, 4, 8, 3, 3, 4, 2, 2, 0, 1, 1};
    for (int code : {1, 2, 14, 15}) {
        const qint16 *entry = code == 15 ? backward : forward;
        for (int c = 0; c < 12; ++c)
            MemoryImage[Area + 16 + code - 1][c] = entry[c];
    }

    struct Tones {
        int code, a, b, c, d;
    };
    static const Tones tones[] = {
        {1, 1981, 1124, 1197, 1275}, {2, 1358, 1446, 1540, 1640},
        {14, 2200, 970, 1060, 1160}, {15, 1400, 1530, 1670, 1830},
    };
    for (const Tones &t : tones) {
        const int hz[4] = {t.a, t.b, t.c, t.d};
        for (int c = 0; c < 4; ++c)
            StoreTwoToneDecode(DecodeTonePage, t.code - 1, c, hz[c]);
    }

    MemoryImage[Area + 47][0] = 59; // reset time 6000 ms
}
