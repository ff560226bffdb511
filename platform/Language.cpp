#include "platform/Language.h"

qint16 LanguageFlag = 0;
