#pragma once
// Factory contents of the option area: the option block (through
// OptionValues), the four frequency-mode records and the power-on text.
#include <QString>

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

// The factory setting (list index) of a list that has no byte of its own in
// the option block: the editor shows it there and lets nobody change it, as
// nothing would keep the change. -1 for a field that has its own byte.
int UnstoredOptionDefault(OptionField field);
