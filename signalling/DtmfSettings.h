#pragma once
// The DTMF editor's lists and check boxes: which byte or bit each one owns,
// the list vocabularies, what a pick or a tick stores, and what a stored
// byte shows. The code boxes are in DtmfCodeBoxes.h.
#include <QString>
#include <QStringList>
#include <array>

#include "memory/RecordField.h"

enum class DtmfListStore {
    Index,          // the byte holds the item's position
    CharacterCode   // the byte holds the DTMF code of the item's character
};

struct DtmfList {
    QString name;  // objectName
    int row;
    int byte;
    DtmfListStore store;
    QStringList items;
};

inline constexpr int DtmfListCount = 6;
// Combo_Enc_ys1 (on time), Combo_Enc_ys2 (off time), Combo_Dec_qh (group
// code), Combo_Dec_Space_Code (separator), Combo_Dec_Proc_Ys (delay),
// Combo_Dec_Res_Time (reset time).
const std::array<DtmfList, DtmfListCount> &DtmfLists();

// The item a stored byte shows: for an index list ListIndexOfByte (the last
// item for a byte beyond the list, which a display stores back with
// StoreListByteInRange); for a character list the item of the byte's
// character, -1 (no selection) for a byte that names no item.
int DtmfListShownIndex(const DtmfList &list, int byte);
// The text a stored byte shows: its item's text; for a character list
// without an item for the byte, the byte's digit ("1"-"9", "0") or nothing.
QString DtmfListShownText(const DtmfList &list, int byte);
// The byte a pick of item i stores; -1 when i is no item.
int DtmfListPickByte(const DtmfList &list, int i);
// Stores a pick of item i into the list's byte; nothing for i outside the list.
void StoreDtmfListPick(const DtmfList &list, int i);

// A check box's field in the decode settings row: one bit, or for the ID
// control the whole byte (1 ticked, 0 cleared).
struct DtmfCheck {
    QString name;  // objectName
    RecordField field;
};

inline constexpr int DtmfCheckCount = 13;
// Check_Ctrl_En, Check_M(0)-Check_M(4), Check_S(0)-Check_S(4), Check_RX,
// Check_Tx.
const std::array<DtmfCheck, DtmfCheckCount> &DtmfChecks();

// Ticked when its field is not 0.
bool DtmfCheckTicked(const DtmfCheck &check);
// Stores 1 or 0 into its field, the byte's other bits as they are.
void StoreDtmfCheck(const DtmfCheck &check, bool ticked);

// The twelve controls that only the ID control enables: Text_MID,
// Check_M(0)-Check_M(4), Text_SID, Check_S(0)-Check_S(4).
const QStringList &DtmfIdControlledNames();
