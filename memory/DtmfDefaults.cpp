#include "memory/DtmfDefaults.h"
#include "memory/CharacterCodec.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"

namespace {
const int Area = MemoryMap::DtmfAreaRow; // 656
}

void BuildDtmfDefaults()
{
    for (int row = Area; row < Area + 32; ++row)
        for (int c = 0; c < 16; ++c)
            MemoryImage[row][c] = 0xFF;

    StoreDtmfCodeString(QStringLiteral("12345"), Area);      // encode code 1
    StoreDtmfCodeString(QStringLiteral("54321"), Area + 14); // encode code 15
    // Function codes: inspection, monitor, alarm, stun, kill, revive.
    static const char *const functions[] = {"101", "102", "103", "104", "105", "106"};
    for (int k = 0; k < 6; ++k)
        StoreDtmfCodeString(QString::fromLatin1(functions[k]), Area + 16 + k);
    StoreDtmfCodeString(QStringLiteral("10001"), Area + 29); // master ID
    StoreDtmfCodeString(QStringLiteral("10002"), Area + 30); // vice ID

    auto &encode = MemoryImage[Area + 15]; // on and off time, 80 ms each
    encode[0] = 3;
    encode[1] = 3;

    static const qint16 decode[8] = {1, 31, 3, 0, 11, 12, 4, 159};
    for (int c = 0; c < 8; ++c)
        MemoryImage[Area + 31][c] = decode[c];
}
