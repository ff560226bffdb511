#pragma once
// The option block (MemoryImage rows 224-239) as the editor's 43 option lists
// edit it: which box edits which field, under which label and caption; the
// store routine of a pick; and the value a redisplay selects. A list's byte
// holds the 0-based index of the item picked; OptionValues mirrors the block.
#include <span>

#include "memory/OptionFields.h"
#include "platform/Language.h"

// One option list of the window and its label.
struct OptionBox {
    const char *name;      // the list's objectName, "Combo_Sql"
    OptionField field;     // its entry of OptionFieldOffsets
    const char *label;     // the label's objectName, "Label_Sql"
    BiText caption;        // the label's caption
    bool englishCaption;   // false: the label keeps its design text in English
    bool hidden;           // list and label are never shown
};

// The 43 option lists: the 32 with a byte of their own and the eleven
// without one, in the order the redisplay shows them.
std::span<const OptionBox> OptionBoxes();

// Copies OptionValues entries 0-255 into rows 224-239.
void StoreOptionBlock();

// The store routine of an option list: the picked index into the field's
// OptionValues entry, then the whole block into the image. A field without
// a byte of its own stores nothing.
void StoreOptionPick(OptionField field, int index);

// OptionValues entries 0-255 := rows 224-239 (the redisplay's first step).
void LoadOptionValues();

// The redisplay of one list of listCount items: a byte beyond the list (an
// erased 0xFF, say) is stored as the list's last index, in its OptionValues
// entry and in the image alike, so that what the list shows is what is
// written to the radio; a byte within its list is left as it is. Returns the
// index to show; -1 when the field has no byte of its own or the list is
// empty.
int StoreOptionByteInRange(OptionField field, int listCount);
