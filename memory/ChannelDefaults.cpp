#include "memory/ChannelDefaults.h"
#include "memory/FrequencyCodec.h"
#include "memory/MemoryImage.h"
#include "memory/ToneCodec.h"

namespace {
struct SampleChannel {
    int channel;
    const char *mhz;
    const char *tone; // CTCSS text, "" for none
};

const SampleChannel samples[] = {
    {0, "155.025", "67.0"}, {1, "136.1", "100.0"}, {2, "173.95", "127.3"},
    {3, "400.025", "203.5"}, {4, "479.95", ""},    {5, "436.5", "250.3"},
    {6, "155.5", ""},        {199, "480.625", ""},
};

const int DcsD754I = 210; // position among the 210 DCS names
} // namespace

void BuildChannelDefaults()
{
    for (int row = 0; row < 200; ++row)
        for (int c = 0; c < 16; ++c)
            MemoryImage[row][c] = 0xFF;

    for (const SampleChannel &s : samples) {
        auto &rec = MemoryImage[s.channel];
        for (int c = 0; c < 8; ++c)
            rec[c] = 0;
        for (int c = 8; c < 12; ++c)
            rec[c] = 0xFF;
        rec[12] = rec[13] = rec[14] = 0;
        rec[15] = 4; // scan add on, everything else off/high/wide

        QString rx = QString::fromLatin1(s.mhz);
        StoreFrequency(rx, s.channel, 0);
        QString tx = QString::fromLatin1(s.mhz);
        StoreFrequency(tx, s.channel, 4);
        if (*s.tone) {
            StoreToneText(QString::fromLatin1(s.tone), s.channel, 8);
            StoreToneText(QString::fromLatin1(s.tone), s.channel, 10);
        }
    }
    auto &dcs = MemoryImage[6];
    dcs[8] = dcs[10] = DcsD754I;
    dcs[9] = dcs[11] = 0;
}
