#include "memory/OptionDefaults.h"
#include "memory/CharacterCodec.h"
#include "memory/MemoryImage.h"
#include "memory/MemoryMap.h"
#include "memory/OptionFields.h"
#include "platform/ByteCodec.h"

const char *const DefaultAniCode = "12345";
const char *const DefaultPttIdBeginCode = "23456";
const char *const DefaultPttIdEndCode = "34567";
const char *const DefaultPowerOnText = " Model-ZQ7350  ";

namespace {

void setField(OptionField field, qint16 value)
{
    const int byte = OptionFieldByte(field);
    if (byte >= 0 && byte < 256)
        OptionValues[byte] = value;
}

void setCode(int firstByte, const char *digits)
{
    if (firstByte < 0 || firstByte > 240)
        return;
    const QString text = QString::fromLatin1(digits);
    for (qsizetype k = 0; k < text.size() && k < 16; ++k)
        OptionValues[firstByte + k] = qint16(DtmfCharToCode(QString(text.at(k))));
}

// One frequency-mode record: the frequency and offset digits in row r, the
// tone and option bytes in row r + 1 (bytes 12-15 of that row untouched).
void setFrequencyMode(int row, const std::array<qint16, 8> &freq,
                      const std::array<qint16, 6> &offset, qint16 signalCode)
{
    for (int c = 0; c < 8; ++c)
        MemoryImage[row][c] = freq[c];
    for (int c = 0; c < 6; ++c)
        MemoryImage[row][8 + c] = offset[c];
    MemoryImage[row][14] = 0;
    MemoryImage[row][15] = 0;
    for (int c = 0; c < 12; ++c)
        MemoryImage[row + 1][c] = 0;
    MemoryImage[row + 1][4] = signalCode;
}

} // namespace

std::span<const OptionFactorySetting> OptionFactorySettings()
{
    using F = OptionField;
    static const OptionFactorySetting settings[] = {
        {F::Combo_Tdr, 0},        {F::Combo_Sql, 5},       {F::Combo_tot, 3},
        {F::Combo_Autolk, 0},     {F::Combo_Language, 0},  {F::Combo_Beep, 1},
        {F::Combo_Dtmfst, 3},     {F::Combo_Bcl, 0},       {F::Combo_Sc_Add, 1},
        {F::Combo_Sc_rev, 0},     {F::Combo_Ptt_id, 0},    {F::Combo_Ptt_lt, 5},
        {F::Combo_Emc_Tp, 2},     {F::Combo_Emc_Ch, 0},    {F::Combo_optsig_bp, 1},
        {F::Combo_vox, 0},        {F::Combo_vox_t, 5},     {F::Combo_stat_fc, 5},
        {F::Combo_sfa_fc, 0},     {F::Combo_sfb_fc, 2},    {F::Combo_batt_fc, 4},
        {F::Combo_sig_fc, 5},     {F::Combo_menu_fc, 4},   {F::Combo_tx_fc, 6},
        {F::Combo_rx_fc, 3},      {F::Combo_ANI_L, 2},     {F::Combo_REP_S, 2},
        {F::Combo_TDR_AB, 10},    {F::Combo_STE, 1},       {F::Combo_RP_STE, 5},
        {F::Combo_RPT_DL, 0},     {F::Combo_Dtmf_Gain, 20},
        // The lists without a byte of their own: shown so, fixed.
        {F::Combo_Vol, 10},       // "11"
        {F::Combo_Abr, 20},       // "20"
        {F::Combo_sfc_fc, 1},     // red
        {F::Combo_sub_fc, 4},     // yellow
        {F::Combo_save, 0},       {F::Combo_Disp_Sub, 0},  {F::Combo_MDF_A, 0},
        {F::Combo_MDF_B, 0},      {F::Combo_MDF_C, 0},     {F::Combo_mf_fc, 0},
        {F::Combo_voice, 0},
    };
    return settings;
}

int OptionFactoryIndex(OptionField field)
{
    for (const OptionFactorySetting &s : OptionFactorySettings())
        if (s.field == field)
            return s.index;
    return -1;
}

void BuildOptionDefaults()
{
    using F = OptionField;
    // Each list's factory index into its byte; a list without a byte writes
    // nothing.
    for (const auto &[field, index] : OptionFactorySettings())
        setField(field, index);

    // Bytes that no list edits.
    static const std::pair<int, qint16> byteDefaults[] = {
        {1, 3},  {3, 0},  {4, 0},  {6, 0},  {10, 0}, {11, 0}, {12, 0}, {13, 0},
        {18, 0}, {19, 0}, {22, 0}, {26, 0}, {29, 0}, {40, 0}, {41, 0}, {42, 0},
        {43, 0}, {44, 0}, {54, 1}, {132, 31}, {133, 1},
    };
    for (const auto &[byte, value] : byteDefaults)
        OptionValues[byte] = value;

    for (int i = 208; i < 256; ++i)
        OptionValues[i] = 255;
    setCode(OptionFieldByte(F::Text_ANI), DefaultAniCode);
    setCode(OptionFieldByte(F::Text_PttId_Begin), DefaultPttIdBeginCode);
    setCode(OptionFieldByte(F::Text_PttId_End), DefaultPttIdEndCode);

    CopyOptionValuesToImage();

    const int r = MemoryMap::FrequencyModeRow;
    setFrequencyMode(r, {1, 3, 6, 0, 2, 5, 0, 0}, {0, 1, 0, 6, 5, 5}, 0);     // A 136.025
    setFrequencyMode(r + 2, {1, 4, 5, 6, 2, 5, 0, 0}, {0, 0, 1, 6, 2, 5}, 14); // B 145.625
    setFrequencyMode(r + 4, {4, 5, 0, 0, 2, 5, 0, 0}, {0, 1, 0, 6, 5, 5}, 0);  // C 450.025
    setFrequencyMode(r + 6, {4, 6, 0, 6, 2, 5, 0, 0}, {0, 0, 1, 6, 2, 5}, 14); // D 460.625

    const QString text = QString::fromLatin1(DefaultPowerOnText);
    for (int c = 0; c < 15; ++c)
        MemoryImage[MemoryMap::PowerOnTextRow][c] = qint16(*charToByte(text.at(c)));
}
