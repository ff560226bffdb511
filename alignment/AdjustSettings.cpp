#include "alignment/AdjustSettings.h"

#include "alignment/AdjustLimits.h"
#include "platform/NumberText.h"

const std::array<AdjustListInfo, AdjustNumericListCount> AdjustNumericLists{{
    {"Combo_Voice_Dev", "话音调制度", 16, 0, 127},
    {"Combo_CT_Dev", "模拟哑音调制度", 16, 1, 63},
    {"Combo_DCS_Dev", "数字哑音调制度", 16, 2, 63},
    {"Combo_Wide_C", "宽带接收音量粗调", 16, 3, 15},
    {"Combo_Wide_F", "宽带接收音量细调", 16, 4, 15},
    {"Combo_Narror_C", "窄带接收音量粗调", 16, 5, 15},
    {"Combo_Narror_F", "窄带接收音量细调", 16, 6, 15},
    {"Combo_Beep_C", "提示音音量粗调", 16, 7, 15},
    {"Combo_Beep_F", "提示音音量细调", 16, 8, 15},
    {"Combo_VHF_Drive", "150兆 段驱动功率", 16, 9, 15},
    {"Combo_UHF0_Drive", "200 兆段驱动功率", 16, 10, 15},
    {"Combo_UHF1_Drive", "400 兆段驱动功率", 16, 11, 15},
    {"Combo_UHF2_Drive", "350 兆段驱动功率", 16, 12, 15},
    {"Combo_Tone_Dev", "信令调制度", 16, 13, 127},
    {"Combo_Adj_Txp_Low", "低功率调整值", 31, 14, 63},
}};

const std::array<const char *, 4> AdjustRangeTypes{
    "全开放频率范围", "无委标准频率范围", "GMRS 规范 ", "FCC 规范 "};

QStringList AdjustNumericEntries(int last)
{
    QStringList entries;
    entries.reserve(last + 1);
    for (int k = 0; k <= last; ++k)
        entries << NumberPrintForm(k);
    return entries;
}

qint16 StoreRangeType(qint16 cell, int entry)
{
    return qint16((cell & 240) + entry);
}

qint16 StoreInitialiseFlag(qint16 cell, bool ticked)
{
    return qint16((cell & 15) + (ticked ? 16 : 0));
}

int RangeTypeShown(qint16 cell)
{
    return cell & 15;
}

bool InitialiseFlagShown(qint16 cell)
{
    return RoundHalfEven(cell / 16.0) != 0;
}

qint16 StoreTxAllowed(bool ticked)
{
    return ticked ? 1 : 0;
}

bool TxAllowedShown(qint16 cell)
{
    return cell > 0;
}
