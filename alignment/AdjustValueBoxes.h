#pragma once
// The alignment editor's numeric value boxes: transmit power per band and
// frequency point (two power tabs), squelch levels and squelch offsets per
// band. Each family is one control array per band; a box edits one cell of
// AdjustImage, takes whole numbers from 0 to its family's upper bound and
// answers anything else with a warning and the cell's factory value.
#include "alignment/AdjustLayout.h"

#include <QString>
#include <array>
#include <optional>

enum class AdjustValueKind { Power, SquelchLevel, SquelchOffset };

struct AdjustValueFamily {
    const char *name;  // the control array, e.g. "Text_TXP_VHF"
    AdjustValueKind kind;
    int band;          // 0 VHF .. 3 UHF2
    int boxes;         // boxes in the array (= columns 0..boxes-1)
    int upper;         // largest accepted value
};
inline constexpr int AdjustValueFamilyCount = 12;
extern const std::array<AdjustValueFamily, AdjustValueFamilyCount> AdjustValueFamilies;

// Largest accepted value of each kind.
int AdjustValueUpper(AdjustValueKind kind);

// The AdjustImage row a box of the family edits: power rows follow the shown
// tab (4 * tab + band), and exist only on the two power tabs (-1 elsewhere);
// squelch rows come from SquelchLevelRows and SquelchOffsetRows.
int AdjustValueRow(const AdjustValueFamily &family, int currentTab);

// The Chinese-only range warning of a family: " 输入数字范围为 0 - 63 ！".
QString AdjustValueWarning(int upper);

// A box's text as the box judges it: blanks around it are dropped; it must
// then be nothing but the digits 0-9 (an empty text is 0) and at most upper.
// The value to store, or nothing when the box warns and takes its default.
std::optional<int> CheckAdjustValueText(const QString &text, int upper);
