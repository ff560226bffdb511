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

// The item the list shows for its byte, the byte put right first: a byte
// beyond the list (an erased 0xFF, say) is stored as the last index
// (StoreListByteInRange), so what is shown is what is written.
int StoreTwoToneTimingInRange(const TwoToneTiming &list);
// Stores a pick of item i; nothing for i outside the list.
void StoreTwoToneTiming(const TwoToneTiming &list, int i);
