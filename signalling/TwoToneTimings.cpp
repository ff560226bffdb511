#include "signalling/TwoToneTimings.h"

#include "memory/ListByte.h"
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

int StoreTwoToneTimingInRange(const TwoToneTiming &list)
{
    return StoreListByteInRange(MemoryImage[list.row][list.byte], int(list.items.size()));
}

void StoreTwoToneTiming(const TwoToneTiming &list, int i)
{
    if (i >= 0 && i < list.items.size() && IsImageCell(list.row, list.byte))
        MemoryImage[list.row][list.byte] = qint16(i);
}
