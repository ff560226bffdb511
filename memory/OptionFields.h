#pragma once
// The option block's field table: the byte of every option field inside the
// 256-byte OptionBlock (MemoryImage rows 224-239), and OptionValues, the
// block as values shared by the option defaults and the option editor.
#include <QtGlobal>
#include <array>

// One entry per option field, named after the control that edits it.
enum class OptionField : int {
    Combo_Tdr, Combo_Sql, Combo_tot, Combo_Autolk, Combo_Language, Combo_Beep,
    Combo_Dtmfst, Combo_Bcl, Combo_Sc_Add, Combo_Sc_rev, Combo_Ptt_id,
    Combo_Ptt_lt, Combo_Emc_Tp, Combo_Emc_Ch, Combo_optsig_bp, Combo_vox,
    Combo_vox_t, Combo_stat_fc, Combo_sfa_fc, Combo_sfb_fc, Combo_batt_fc,
    Combo_sig_fc, Combo_menu_fc, Combo_tx_fc, Combo_rx_fc, Combo_ANI_L,
    Combo_REP_S, Combo_TDR_AB, Combo_STE, Combo_RP_STE, Combo_RPT_DL,
    Combo_Dtmf_Gain,
    // The three DTMF code fields (16 bytes each, from this byte).
    Text_ANI, Text_PttId_Begin, Text_PttId_End,
    // Lists that have no byte of their own: they store nothing.
    Combo_Vol, Combo_save, Combo_Abr, Combo_Disp_Sub, Combo_MDF_A, Combo_MDF_B,
    Combo_MDF_C, Combo_mf_fc, Combo_sfc_fc, Combo_sub_fc, Combo_voice,
    Count
};
inline constexpr int OptionFieldCount = static_cast<int>(OptionField::Count);

// Entry value of a field that has no byte.
inline constexpr qint16 NoOptionByte = -1;

// Byte position (0..255) of each field, NoOptionByte for a list without a
// byte; all 0 until BuildOptionFieldOffsets has run.
extern std::array<qint16, OptionFieldCount> OptionFieldOffsets;

// The option block as values: entries 0..255 are bytes 0..255 of the block.
inline constexpr int OptionValueCount = 513;
extern std::array<qint16, OptionValueCount> OptionValues;

void BuildOptionFieldOffsets();

// The field's byte, or -1 when the field has no byte of its own.
inline int OptionFieldByte(OptionField field)
{
    return OptionFieldOffsets[static_cast<int>(field)];
}

// Copies OptionValues 0..255 into MemoryImage rows 224..239
// (entry i to row 224 + i / 16, column i % 16).
void CopyOptionValuesToImage();
