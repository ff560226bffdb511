#pragma once
// The module texts that follow the language: the About window's texts and
// the lists the 2-tone and 5-tone editors show.
#include <QStringList>

// Six entries: title line, version line, description, disclaimer, the OK
// button's caption, the system-information button's caption.
extern QStringList AboutTexts;
// The response kinds of a 2-tone decode entry, four entries.
extern QStringList DecodeResponseList;
// The functions of a 5-tone decode entry, nine entries.
extern QStringList CallFunctionList;

// Fills the three lists in the language LanguageFlag names.
void LoadLanguageTexts();
