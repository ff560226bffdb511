#pragma once
// Qt's own captions on the program's windows - the edit menu of a text box,
// the menu of a child window's frame, the standard buttons - in the language
// in use: Chinese while LanguageFlag says so, Qt's English otherwise. Qt
// asks for them each time it builds such a menu or button.
#include <QString>

// Installs the translator into the application, once.
void InstallStandardTexts();

// The Chinese caption of one of Qt's own texts (its context and English
// source), or an empty string for a text the program does not translate.
QString StandardTextChinese(const char *context, const char *source);
