#include "alignment/AdjustValueBoxes.h"

#include "memory/AdjustDefaults.h"
#include "memory/CharacterCodec.h"

const std::array<AdjustValueFamily, AdjustValueFamilyCount> AdjustValueFamilies{{
    {"Text_TXP_VHF", AdjustValueKind::Power, 0, AdjustPoints, 63},
    {"Text_TXP_UHF0", AdjustValueKind::Power, 1, AdjustPoints, 63},
    {"Text_TXP_UHF1", AdjustValueKind::Power, 2, AdjustPoints, 63},
    {"Text_TXP_UHF2", AdjustValueKind::Power, 3, AdjustPoints, 63},
    {"Text_SQ_VHF", AdjustValueKind::SquelchLevel, 0, AdjustLevels, 100},
    {"Text_SQ_UHF0", AdjustValueKind::SquelchLevel, 1, AdjustLevels, 100},
    {"Text_SQ_UHF1", AdjustValueKind::SquelchLevel, 2, AdjustLevels, 100},
    {"Text_SQ_UHF2", AdjustValueKind::SquelchLevel, 3, AdjustLevels, 100},
    {"Text_Sq_Offset_VHF", AdjustValueKind::SquelchOffset, 0, AdjustPoints, 10},
    {"Text_Sq_Offset_UHF0", AdjustValueKind::SquelchOffset, 1, AdjustPoints, 10},
    {"Text_Sq_Offset_UHF1", AdjustValueKind::SquelchOffset, 2, AdjustPoints, 10},
    {"Text_Sq_Offset_UHF2", AdjustValueKind::SquelchOffset, 3, AdjustPoints, 10},
}};

int AdjustValueUpper(AdjustValueKind kind)
{
    switch (kind) {
    case AdjustValueKind::Power:
        return 63;
    case AdjustValueKind::SquelchLevel:
        return 100;
    case AdjustValueKind::SquelchOffset:
        return 10;
    }
    return 0;
}

int AdjustValueRow(const AdjustValueFamily &family, int currentTab)
{
    switch (family.kind) {
    case AdjustValueKind::Power:
        if (currentTab != TabHighPower && currentTab != TabMiddlePower)
            return -1;
        return 4 * currentTab + family.band;
    case AdjustValueKind::SquelchLevel:
        return SquelchLevelRows[family.band];
    case AdjustValueKind::SquelchOffset:
        return SquelchOffsetRows[family.band];
    }
    return -1;
}

QString AdjustValueWarning(int upper)
{
    return QStringLiteral(" 输入数字范围为 0 - %1 ！").arg(upper);
}

std::optional<int> CheckAdjustValueText(const QString &text, int upper)
{
    const QString t = TrimSpaces(text);
    int value = 0;
    for (const QChar ch : t) {
        // Only the ASCII digits: a full-width digit is refused like a letter.
        if (ch.unicode() < '0' || ch.unicode() > '9')
            return std::nullopt;
        // Once above the bound the value stays refused; stop growing it.
        if (value <= upper)
            value = value * 10 + (ch.unicode() - '0');
    }
    if (value > upper)
        return std::nullopt;
    return value;
}
