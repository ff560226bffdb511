#include "memory/FmDefaults.h"
#include "memory/CharacterCodec.h"
#include "memory/FrequencyCodec.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"
#include "platform/ByteCodec.h"

namespace {
struct Station {
    int record;
    double mhz;
    const char *label;
};

const Station stations[] = {
    {0, 88.9, "MUSIC"},  {1, 90.4, "NEWS1"},  {3, 92.3, "NEWS2"},
    {5, 95.5, "SPORT"},  {7, 96.9, "TALK1"},  {9, 98.3, "JAZZ"},
    {11, 103.9, "ROCK1"}, {13, 100.7, "POPS1"}, {15, 105.9, "CITY1"},
};
} // namespace

void BuildFmDefaults()
{
    for (int n = 0; n < 16; ++n) {
        auto &rec = MemoryImage[MemoryMap::FmAreaRow + n];
        for (int c = 0; c < 8; ++c)
            rec[c] = 0;
        for (int c = 8; c < 16; ++c)
            rec[c] = 0xFF;
    }
    for (const Station &s : stations)
        StoreFmFrequency(s.mhz, s.record);
    for (const Station &s : stations) {
        QString name = QString::fromLatin1(s.label);
        StoreFmName(name, s.record);
    }
}

bool StoreFmName(QString &name, int n)
{
    name = TrimSpaces(name);
    if (n < 0 || n > 15)
        return false;
    const QString stored = name.left(8);
    for (QChar ch : stored)
        if (!charToByte(ch))
            return false;
    auto &rec = MemoryImage[MemoryMap::FmAreaRow + n];
    for (qsizetype i = 0; i < stored.size(); ++i)
        rec[8 + i] = *charToByte(stored.at(i));
    return true;
}
