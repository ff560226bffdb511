#include "alignment/AdjustLayout.h"

const std::array<AdjustTabInfo, AdjustTabCount> AdjustTabs{{
    {"Adj_Txp_High", "发射功率（高）", "发射功率调整（高功率）", "Frame_Frame"},
    {"Adj_Txp_Low", "发射功率(中）", "发射功率调整（中功率）", "Frame_Frame"},
    {"Adj_Sql_Leve", "静噪等级", "静噪等级调整", "Frame_Sql"},
    {"Adj_Dev_Leve", "调制、音量", "调制度、输出音量调整", "Frame_Dev"},
    {"Adj_Other", "频率范围", "频率范围", "Frame_Other"},
}};

const std::array<const char *, AdjustBandCount> AdjustPowerGroupCaptions{
    "130 - 179 MHZ ", "200  -  270 MHZ ", "400  -  480 MHZ ", "350  -  390 MHZ "};
const std::array<const char *, AdjustBandCount> AdjustSquelchGroupCaptions{
    " 130 - 179 MHZ", "200 - 270 MHZ", "400 - 480 MHZ", "350 - 390 MHZ"};
const std::array<const char *, AdjustBandCount> AdjustRangeBandCaptions{
    "130 - 179", "200 - 270", "400 - 480", "350 - 390"};

int AdjustTabForKey(const QString &key)
{
    for (int t = 0; t < AdjustTabCount; ++t)
        if (key == QString::fromLatin1(AdjustTabs[t].key))
            return t;
    return -1;
}

int AdjustPointMHz(int band, int point)
{
    return AdjustBandBounds[band].lower + point * AdjustPointStep[band];
}

QString AdjustPointLabel(int band, int point)
{
    return QString::number(AdjustPointMHz(band, point)) + QStringLiteral("MHZ");
}

bool AdjustPointMarked(int band, int point)
{
    return band == 0 && AdjustPointMHz(band, point) >= AdjustBandBounds[0].upper;
}

QString AdjustLevelLabel(int band, int level)
{
    return band == 0 ? QString::number(level) : QStringLiteral("0");
}

QString AdjustOffsetPointLabel(int band, int point)
{
    return band == 0 ? QString::number(130 + 4 * point) : QStringLiteral("0");
}
