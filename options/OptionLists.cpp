#include "options/OptionLists.h"

#include "memory/ToneNames.h"
#include "options/FrequencyMode.h"

namespace {

QStringList words(bool chinese, std::initializer_list<const char *> zh,
                  std::initializer_list<const char *> en)
{
    QStringList items;
    for (const char *w : chinese ? zh : en)
        items << QString::fromUtf8(w);
    return items;
}

QStringList counting(int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

// An off item in the list's own word, then the numbers first..last.
QStringList offThenCounting(bool chinese, const char *zhOff, int first, int last)
{
    return QStringList{chinese ? QString::fromUtf8(zhOff) : QStringLiteral("OFF")}
        + counting(first, last);
}

const char *const Guan = "关";
const char *const GuanBi = "关闭";

} // namespace

QStringList OptionListItems(OptionList list, bool chinese)
{
    using L = OptionList;
    switch (list) {
    case L::TxPower:
        return words(chinese, {"高功率", "低功率"}, {"HIGH", "LOW"});
    case L::ModeTone: {
        QStringList items{chinese ? QString::fromUtf8(Guan) : QStringLiteral("OFF")};
        for (int p = 1; p < ToneNameCount; ++p)
            items << ToneNames[p].trimmed();
        return items;
    }
    case L::Bandwidth:
        return words(chinese, {"宽带", "窄带"}, {"WIDE", "NARROR"});
    case L::ShiftDirection:
        return words(chinese, {"关", "加频", "减频"}, {"OFF", "+", "-"});
    case L::Offset: {
        // 2000 texts, the same in both languages: made once.
        static const QStringList items = [] {
            QStringList texts;
            texts.reserve(OffsetItemCount);
            for (int i = 0; i < OffsetItemCount; ++i)
                texts << OffsetItemText(i);
            return texts;
        }();
        return items;
    }
    case L::Step:
        return {QStringLiteral("2.50 KHZ"), QStringLiteral("5.00 KHZ"), QStringLiteral("6.25 KHZ"),
                QStringLiteral("10.00 KHZ"), QStringLiteral("12.50 KHZ"), QStringLiteral("25.00 KHZ")};
    case L::OptionalSignal:
        return words(chinese, {"关", "DTMF", "2TONE", "5TONE"}, {"OFF", "DTMF", "2TONE", "5TONE"});
    case L::MuteRelation:
        return words(chinese, {"哑音", "哑音与可选信令", "哑音或可选信令"},
                     {"QT/DQT", "QT/DQT AND OPTSIG", "QT/DQT OR OPTSIG"});
    case L::SignalCode:
        return counting(1, 15);
    case L::Scrambler:
        return offThenCounting(chinese, GuanBi, 1, 8);
    case L::WatchMode:
        return QStringList{chinese ? QString::fromUtf8(GuanBi) : QStringLiteral("OFF")}
            + QStringList{QStringLiteral("M+A"), QStringLiteral("M+B"), QStringLiteral("M+C"),
                          QStringLiteral("M+AB"), QStringLiteral("M+AC"), QStringLiteral("M+BC"),
                          QStringLiteral("M+ABC")};
    case L::OffOn:
        return words(chinese, {"关闭", "开启"}, {"OFF", "ON"});
    case L::DtmfSideTone:
        return words(chinese, {"关闭", "按键侧音", "发身份码侧音", "按键侧音+发身份码侧音"},
                     {"OFF All ", "KB DTMF Side Tone", "Send ANI DTMF Side Tone",
                      "KB DTMFST + Send ANI DTMFST"});
    case L::PttIdMode:
        return words(chinese, {"关", "按下发码", "松开发码", "两者均发"}, {"OFF", "BOT", "EOT", "BOTH"});
    case L::ScanMode:
        return words(chinese, {"时间", "载波", "搜索"}, {"TO", "CO", "SE"});
    case L::AlarmType:
        return words(chinese, {"现场", "远程", "现场+远程"}, {"Alarm", "Transpond", "Both"});
    case L::ChannelDisplay:
        return words(chinese, {"频率+信道号", "信道号", "信道名称+信道号"},
                     {"Channel+Frequency", "Channel", "Channel+Name"});
    case L::Language:
        return words(chinese, {"英文", "中文"}, {"English", "Chinese"});
    case L::VoicePrompt:
        return words(chinese, {"关闭", "英文", "中文"}, {"OFF", "English", "Chinese"});
    case L::Colour:
        return words(chinese, {"白色", "红色", "蓝色", "绿色", "黄色", "青色", "紫色", "灰色"},
                     {"White", "Red", "Blue", "Green", "Yellow", "Indigo", "Purple", "Gray"});
    case L::SquelchLevel:
        return counting(0, 9);
    case L::Volume:
        return counting(1, 11);
    case L::TimeOut: {
        QStringList items;
        for (int n = 0; n < 40; ++n)
            items << QString::number((n + 1) * 15);
        return items;
    }
    case L::PttIdDelay:
        return counting(0, 30);
    case L::AlarmChannel: {
        QStringList items;
        for (int n = 0; n < 200; ++n)
            items << QStringLiteral("CH-%1").arg(n, 3, 10, QLatin1Char('0'));
        return items;
    }
    case L::AniLength:
        return counting(3, 5);
    case L::RelayTone:
        return {QStringLiteral("1000Hz"), QStringLiteral("1450Hz"), QStringLiteral("1750Hz"),
                QStringLiteral("2100Hz")};
    case L::VoxDelay:
        return counting(0, 20);
    case L::DtmfGain:
        return counting(0, 127);
    case L::OffOneToFifty:
        return offThenCounting(chinese, Guan, 1, 50);
    case L::OffOneToTen:
        return offThenCounting(chinese, GuanBi, 1, 10);
    case L::Count:
        break;
    }
    return {};
}

std::span<const OptionListBox> OptionListBoxes()
{
    using L = OptionList;
    static const OptionListBox boxes[] = {
        // The left frame.
        {"Combo_txp_a", L::TxPower}, {"Combo_r_ctdcs_a", L::ModeTone},
        {"Combo_t_ctdcs_a", L::ModeTone}, {"Combo_wn_a", L::Bandwidth},
        {"Combo_sft_d_a", L::ShiftDirection}, {"Combo_Offset_A", L::Offset},
        {"Combo_step_a", L::Step}, {"Combo_Optsig_a", L::OptionalSignal},
        {"Combo_Spmute_a", L::MuteRelation}, {"Combo_S_info_a", L::SignalCode},
        {"Combo_Scr_a", L::Scrambler},
        // The right frame.
        {"Combo_txp_b", L::TxPower}, {"Combo_r_ctdcs_b", L::ModeTone},
        {"Combo_t_ctdcs_b", L::ModeTone}, {"Combo_wn_b", L::Bandwidth},
        {"Combo_sft_d_b", L::ShiftDirection}, {"Combo_offset_b", L::Offset},
        {"Combo_step_b", L::Step}, {"Combo_OptSig_b", L::OptionalSignal},
        {"Combo_Spmute_b", L::MuteRelation}, {"Combo_S_info_b", L::SignalCode},
        {"Combo_Scr_b", L::Scrambler},
        // The option block.
        {"Combo_Tdr", L::WatchMode}, {"Combo_Sql", L::SquelchLevel}, {"Combo_Vol", L::Volume},
        {"Combo_tot", L::TimeOut}, {"Combo_save", L::OffOn}, {"Combo_Abr", L::OffOneToFifty},
        {"Combo_Beep", L::OffOn}, {"Combo_Dtmfst", L::DtmfSideTone}, {"Combo_Bcl", L::OffOn},
        {"Combo_Sc_Add", L::OffOn}, {"Combo_Ptt_id", L::PttIdMode},
        {"Combo_Ptt_lt", L::PttIdDelay}, {"Combo_Sc_rev", L::ScanMode},
        {"Combo_Emc_Tp", L::AlarmType}, {"Combo_Emc_Ch", L::AlarmChannel},
        {"Combo_optsig_bp", L::OffOn}, {"Combo_MDF_A", L::ChannelDisplay},
        {"Combo_MDF_B", L::ChannelDisplay}, {"Combo_MDF_C", L::ChannelDisplay},
        {"Combo_Autolk", L::OffOn}, {"Combo_ANI_L", L::AniLength}, {"Combo_REP_S", L::RelayTone},
        {"Combo_TDR_AB", L::OffOneToFifty}, {"Combo_STE", L::OffOn},
        {"Combo_RP_STE", L::OffOneToTen}, {"Combo_RPT_DL", L::OffOneToTen},
        {"Combo_Language", L::Language}, {"Combo_voice", L::VoicePrompt},
        {"Combo_vox", L::OffOneToTen}, {"Combo_vox_t", L::VoxDelay},
        {"Combo_Dtmf_Gain", L::DtmfGain},
        {"Combo_stat_fc", L::Colour}, {"Combo_mf_fc", L::Colour}, {"Combo_sfa_fc", L::Colour},
        {"Combo_sfb_fc", L::Colour}, {"Combo_sfc_fc", L::Colour}, {"Combo_sub_fc", L::Colour},
        {"Combo_batt_fc", L::Colour}, {"Combo_sig_fc", L::Colour}, {"Combo_menu_fc", L::Colour},
        {"Combo_tx_fc", L::Colour}, {"Combo_rx_fc", L::Colour},
        {"Combo_Disp_Sub", L::OffOn},
    };
    static_assert(std::size(boxes) == 65);
    return boxes;
}
