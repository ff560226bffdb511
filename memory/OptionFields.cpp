#include "memory/OptionFields.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"

void BuildOptionFieldOffsets()
{
    struct Place {
        OptionField field;
        qint16 byte;
    };
    static const Place places[] = {
        {OptionField::Combo_Tdr, 0},          {OptionField::Combo_Sql, 2},
        {OptionField::Combo_tot, 5},          {OptionField::Combo_Autolk, 7},
        {OptionField::Combo_Language, 8},     {OptionField::Combo_Beep, 9},
        {OptionField::Combo_Dtmfst, 14},      {OptionField::Combo_Bcl, 15},
        {OptionField::Combo_Sc_Add, 16},      {OptionField::Combo_Sc_rev, 17},
        {OptionField::Combo_Ptt_id, 20},      {OptionField::Combo_Ptt_lt, 21},
        {OptionField::Combo_Emc_Tp, 23},      {OptionField::Combo_Emc_Ch, 24},
        {OptionField::Combo_optsig_bp, 25},   {OptionField::Combo_vox, 30},
        {OptionField::Combo_vox_t, 31},       {OptionField::Combo_stat_fc, 32},
        {OptionField::Combo_sfa_fc, 33},      {OptionField::Combo_sfb_fc, 34},
        {OptionField::Combo_batt_fc, 35},     {OptionField::Combo_sig_fc, 36},
        {OptionField::Combo_menu_fc, 37},     {OptionField::Combo_tx_fc, 38},
        {OptionField::Combo_rx_fc, 39},       {OptionField::Combo_ANI_L, 45},
        {OptionField::Combo_REP_S, 46},       {OptionField::Combo_TDR_AB, 48},
        {OptionField::Combo_STE, 49},         {OptionField::Combo_RP_STE, 50},
        {OptionField::Combo_RPT_DL, 51},      {OptionField::Combo_Dtmf_Gain, 52},
        {OptionField::Text_ANI, 208},         {OptionField::Text_PttId_Begin, 224},
        {OptionField::Text_PttId_End, 240},
        // These lists have no byte of their own; they store nothing, so the
        // byte of Combo_Tdr (0) is not overwritten by them.
        {OptionField::Combo_Vol, NoOptionByte},      {OptionField::Combo_save, NoOptionByte},
        {OptionField::Combo_Abr, NoOptionByte},      {OptionField::Combo_Disp_Sub, NoOptionByte},
        {OptionField::Combo_MDF_A, NoOptionByte},    {OptionField::Combo_MDF_B, NoOptionByte},
        {OptionField::Combo_MDF_C, NoOptionByte},    {OptionField::Combo_mf_fc, NoOptionByte},
        {OptionField::Combo_sfc_fc, NoOptionByte},   {OptionField::Combo_sub_fc, NoOptionByte},
        {OptionField::Combo_voice, NoOptionByte},
    };
    static_assert(std::size(places) == OptionFieldCount);
    for (const Place &p : places)
        OptionFieldOffsets[static_cast<int>(p.field)] = p.byte;
}

void CopyOptionValuesToImage()
{
    for (int i = 0; i < 256; ++i)
        MemoryImage[MemoryMap::OptionBlockRow + i / 16][i % 16] = OptionValues[i];
}
