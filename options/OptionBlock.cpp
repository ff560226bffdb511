#include "options/OptionBlock.h"

#include "memory/ListByte.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"

namespace {
int fieldByte(OptionField field)
{
    const int b = OptionFieldByte(field);
    return b >= 0 && b < 256 ? b : -1;
}
} // namespace

std::span<const OptionBox> OptionBoxes()
{
    using F = OptionField;
    static const OptionBox boxes[] = {
        {"Combo_Tdr", F::Combo_Tdr, "Label_Tdr", {"TMR", "多频守侯"}, true, false},
        {"Combo_Sql", F::Combo_Sql, "Label_Sql", {"Squelch Level", "静噪电平"}, true, false},
        {"Combo_Vol", F::Combo_Vol, "Label_Vol", {"Volume", "当前音量"}, true, false},
        {"Combo_tot", F::Combo_tot, "Label_Tot", {"Time Out Timer(TOT)[S]", "发射超时定时器（秒）"}, true, false},
        {"Combo_Abr", F::Combo_Abr, "Label_Abr", {"ABR", "自动背光"}, true, false},
        {"Combo_Beep", F::Combo_Beep, "Label_Beep", {"Beep", "操作提示音"}, true, false},
        {"Combo_Dtmfst", F::Combo_Dtmfst, "Label_Stdtmf", {"DTMF-ST", "DTMF侧音"}, true, false},
        {"Combo_Bcl", F::Combo_Bcl, "Label_Bcl", {"BCL", "遇忙禁发"}, true, false},
        {"Combo_Sc_Add", F::Combo_Sc_Add, "Label_Sc_Add", {"Scan Add", "扫描添加"}, true, false},
        {"Combo_Sc_rev", F::Combo_Sc_rev, "Label_Scan_rev", {"Scan_Rev", "扫描方式"}, true, false},
        {"Combo_Ptt_id", F::Combo_Ptt_id, "Label_ptt_id", {"PTT_ID", "PTT_ID"}, true, false},
        {"Combo_Ptt_lt", F::Combo_Ptt_lt, "Label_Ptt_Lt", {"PTT_Delay", "发ID延迟"}, true, false},
        {"Combo_Emc_Tp", F::Combo_Emc_Tp, "Label_Emc_tp", {"Alarm Type", "报警模式"}, true, false},
        {"Combo_Emc_Ch", F::Combo_Emc_Ch, "Label_Emc_ch", {"Alarm Channel", "报警信道"}, true, false},
        {"Combo_optsig_bp", F::Combo_optsig_bp, "Label_Optsig_bp", {"Optsig Beep", "接收到有效信令提醒"}, true, false},
        {"Combo_MDF_A", F::Combo_MDF_A, "Label_MDF_A", {"A Channel Disp Way", "A 区信道显示方式"}, true, false},
        {"Combo_MDF_B", F::Combo_MDF_B, "Label_MDF_B", {"B Channel Disp Way", "B 区信道显示方式"}, true, false},
        {"Combo_MDF_C", F::Combo_MDF_C, "Label_MDF_C", {"", "C 区信道显示方式"}, false, true},
        {"Combo_Autolk", F::Combo_Autolk, "Label_Autolk", {"Auto Lock", "自动锁"}, true, false},
        {"Combo_ANI_L", F::Combo_ANI_L, "Label_ANI_L", {"Lang", "身份码长"}, true, false},
        {"Combo_REP_S", F::Combo_REP_S, "Label_REP_S", {"Relay Signal ", "中继激活信令"}, true, false},
        {"Combo_TDR_AB", F::Combo_TDR_AB, "Label_Tdr_AB", {"TDR Return AB ", "双守返回主频"}, true, false},
        {"Combo_STE", F::Combo_STE, "Label_STE", {"Tail noise Clear ", "尾音消除"}, true, false},
        {"Combo_RP_STE", F::Combo_RP_STE, "Label_RP_STE", {"RPT noise Clear", "过中继消尾音"}, true, false},
        {"Combo_RPT_DL", F::Combo_RPT_DL, "Label_RPT_DL", {"RPT noise(ms)", "过中继证实音"}, true, false},
        {"Combo_Language", F::Combo_Language, "Label_Language", {"Menu Language", "菜单语言"}, true, false},
        {"Combo_vox", F::Combo_vox, "Label_vox", {"VOX", "声控发射"}, true, false},
        {"Combo_vox_t", F::Combo_vox_t, "Label_vox_t", {"VOX Delay", "声控发射启动延迟"}, true, false},
        {"Combo_Disp_Sub", F::Combo_Disp_Sub, "Label_Disp_Sub", {"Display Sub", "亚音显示"}, true, true},
        {"Combo_Dtmf_Gain", F::Combo_Dtmf_Gain, "Label_Dtmf_Gain", {"DTMF Gain", "DTMF 增益"}, true, false},
        {"Combo_stat_fc", F::Combo_stat_fc, "Label_Stat_fc", {"Above Stat Fore Color", "状态条字符色"}, true, false},
        {"Combo_mf_fc", F::Combo_mf_fc, "Label_mf_fc", {"Main Fore Color", "主频字符颜色"}, true, true},
        {"Combo_sfa_fc", F::Combo_sfa_fc, "Label_sfa_fc", {"A - Fore Color", "A-字符颜色"}, true, false},
        {"Combo_sfb_fc", F::Combo_sfb_fc, "Label_sfb_fc", {"B - Fore Color", "B-字符颜色"}, true, false},
        {"Combo_sfc_fc", F::Combo_sfc_fc, "Label_sfc_fc", {"", "C-字符颜色"}, false, true},
        {"Combo_sub_fc", F::Combo_sub_fc, "Label_sub_Fc", {"Sub Fore Color", "哑音字符颜色"}, true, true},
        {"Combo_batt_fc", F::Combo_batt_fc, "Label_Batt_fc", {"BATT Fore Color", "电压显示颜色"}, true, false},
        {"Combo_sig_fc", F::Combo_sig_fc, "Label_Sig_fc", {"Signale Fore Color", "信号条字符色"}, true, false},
        {"Combo_menu_fc", F::Combo_menu_fc, "Label_menu_fc", {"Menu Fore Color", "菜单字符颜色"}, true, false},
        {"Combo_tx_fc", F::Combo_tx_fc, "Label_tx_fc", {"TX Fore Color", "发射-字符色"}, true, false},
        {"Combo_rx_fc", F::Combo_rx_fc, "Label_rx_fc", {"RX Fore Color", "接收-字符色"}, true, false},
        // Shown by no redisplay.
        {"Combo_save", F::Combo_save, "Label_Save", {"Save", "省电模式"}, true, false},
        {"Combo_voice", F::Combo_voice, "Label_voice", {"Voice", "语音提示"}, true, true},
    };
    static_assert(std::size(boxes) == 43);
    return boxes;
}

void StoreOptionBlock()
{
    CopyOptionValuesToImage();
}

void StoreOptionPick(OptionField field, int index)
{
    const int b = fieldByte(field);
    if (b < 0 || index < 0 || index > 255)
        return;
    OptionValues[b] = qint16(index);
    StoreOptionBlock();
}

void LoadOptionValues()
{
    for (int i = 0; i < 256; ++i)
        OptionValues[i] = MemoryImage[MemoryMap::OptionBlockRow + i / 16][i % 16];
}

int StoreOptionByteInRange(OptionField field, int listCount)
{
    const int b = fieldByte(field);
    if (b < 0)
        return -1;
    const qint16 before = OptionValues[b];
    const int shown = StoreListByteInRange(OptionValues[b], listCount);
    // Only this byte: the rest of the block stays as the image holds it.
    if (OptionValues[b] != before)
        MemoryImage[MemoryMap::OptionBlockRow + b / 16][b % 16] = OptionValues[b];
    return shown;
}
