#include "signalling/TwoToneTimings.h"

#include "memory/MemoryImage.h"
#include "platform/NumberText.h"
#include "signalling/TwoToneLayout.h"

using namespace TwoToneLayout;

const std::array<TwoToneTiming, TwoToneTimingCount> &TwoToneTimings()
{
    static const std::array<TwoToneTiming, TwoToneTimingCount> lists = [] {
        const QStringList times = SteppedNumberItems(0, 10, 101);  // 0-1000 ms
        return std::array<TwoToneTiming, TwoToneTimingCount>{{
            {QStringLiteral("Combo_Enc_ys1"), EncodeSettingsRow, 0, times},
            {QStringLiteral("Combo_Enc_ys2"), EncodeSettingsRow, 1, times},
            {QStringLiteral("Combo_enc_ys3"), EncodeSettingsRow, 2, times},
            {QStringLiteral("Combo_Dec_Res_Time"), DecodeSettingsRow, 0,
             SteppedNumberItems(100, 100, 80)},  // 100-8000 ms
        }};
    }();
    return lists;
}

int TwoToneTimingShownIndex(const TwoToneTiming &list, int byte)
{
    if (byte < 0)
        return -1;
    return byte < list.items.size() ? byte : int(list.items.size()) - 1;
}

int TwoToneTimingDisplayStore(const TwoToneTiming &list, int byte)
{
    return byte >= list.items.size() ? int(list.items.size()) - 1 : -1;
}

void StoreTwoToneTiming(const TwoToneTiming &list, int i)
{
    if (i >= 0 && i < list.items.size() && IsImageCell(list.row, list.byte))
        MemoryImage[list.row][list.byte] = qint16(i);
}
