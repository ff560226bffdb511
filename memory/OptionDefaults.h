#pragma once
// Factory contents of the option area: the option block (through
// OptionValues), the four frequency-mode records and the power-on text.
#include <QString>
#include <span>

#include "memory/OptionFields.h"

// The factory ANI, PTT-ID begin and PTT-ID end codes (five DTMF digits each)
// and the power-on text (15 characters).
extern const char *const DefaultAniCode;
extern const char *const DefaultPttIdBeginCode;
extern const char *const DefaultPttIdEndCode;
extern const char *const DefaultPowerOnText;

// Writes the defaults into OptionValues (entries without a default keep their
// value), copies entries 0..255 into rows 224..239, then writes the
// frequency-mode records (rows 240..247) and the power-on text (row 254,
// bytes 0..14).
void BuildOptionDefaults();

// The factory setting of one option list: the index its byte gets from
// BuildOptionDefaults, or, for a list that has no byte of its own in the
// option block, the index the editor shows there and lets nobody change (as
// nothing would keep the change).
struct OptionFactorySetting {
    OptionField field;
    qint16 index;
};

// The one table of the option lists' factory settings, every list once.
std::span<const OptionFactorySetting> OptionFactorySettings();

// The factory setting of a list (from the table); -1 for a field that has
// none (the code fields).
int OptionFactoryIndex(OptionField field);
