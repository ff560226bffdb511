#pragma once
// The 2-tone editor's four timing lists: first and second tone time and the
// gap (0-1000 ms in steps of 10) and the decode reset time (100-8000 ms in
// steps of 100), each the list position in one byte.
#include <QString>
#include <QStringList>
#include <array>

struct TwoToneTiming {
    QString name;  // objectName
    int row;
    int byte;
    QStringList items;
};

inline constexpr int TwoToneTimingCount = 4;
// Combo_Enc_ys1, Combo_Enc_ys2, Combo_enc_ys3, Combo_Dec_Res_Time.
const std::array<TwoToneTiming, TwoToneTimingCount> &TwoToneTimings();

// The item a stored byte shows: the byte, or the last item for a byte past
// the list (an erased 0xFF, say); -1 (no selection) only for a negative byte.
int TwoToneTimingShownIndex(const TwoToneTiming &list, int byte);
// The byte a display stores back: the last index for a byte past the list,
// so what is shown is what is written; -1 (nothing stored) for any other.
int TwoToneTimingDisplayStore(const TwoToneTiming &list, int byte);
// Stores a pick of item i; nothing for i outside the list.
void StoreTwoToneTiming(const TwoToneTiming &list, int i);
