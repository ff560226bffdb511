#include "alignment/AdjustPasswords.h"

#include "memory/CharacterCodec.h"

void StoreAdjustPassword(const QString &text, int baseCol, AdjustGrid &grid)
{
    auto &row = grid[AdjustPasswordRow];
    const QString s = TrimSpaces(text);
    qsizetype n = s.size();
    for (int c = 0; c < 6; ++c)
        row[baseCol + c] = 32;
    qsizetype offset = 0;
    if (n >= 6)
        n = 6;
    else
        offset = (6 - n) / 2;
    for (qsizetype i = 0; i < n; ++i) {
        QString ch(s.at(i));
        if (ch == QLatin1String(" "))
            ch.clear();  // a blank inside the text stores as a character without a code
        row[baseCol + offset + i] = qint16(CharToCode(ch));
    }
}

QString AdjustPasswordText(const AdjustGrid &grid, int baseCol)
{
    const auto &row = grid[AdjustPasswordRow];
    QString t;
    for (int c = 0; c < 6; ++c)
        t = TrimSpaces(t) + CodeToChar(row[baseCol + c]);
    return t;
}
