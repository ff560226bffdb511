#include "signalling/DtmfCodeBoxes.h"

#include "memory/CharacterCodec.h"
#include "memory/MemoryImage.h"
#include "platform/TextBox.h"
#include "signalling/DtmfLayout.h"

using namespace DtmfLayout;

QString DtmfEncodeBoxName(int i)
{
    return QStringLiteral("Text_tx_Encode(%1)").arg(i);
}

const std::array<DtmfCodeBox, DtmfCodeBoxCount> &DtmfCodeBoxes()
{
    static const std::array<DtmfCodeBox, DtmfCodeBoxCount> boxes = [] {
        std::array<DtmfCodeBox, DtmfCodeBoxCount> b;
        for (int i = 0; i < EncodeCodeCount; ++i)
            b[i] = {DtmfEncodeBoxName(i), encodeCodeRow(i)};
        static const char *const functions[FunctionCodeCount] = {
            "Text_XC", "Text_JT", "Text_BJ", "Text_YY", "Text_YB", "Text_KJ"};
        for (int k = 0; k < FunctionCodeCount; ++k)
            b[EncodeCodeCount + k] = {QString::fromLatin1(functions[k]), functionCodeRow(k)};
        b[21] = {QStringLiteral("Text_MID"), MasterIdRow};
        b[22] = {QStringLiteral("Text_SID"), ViceIdRow};
        return b;
    }();
    return boxes;
}

void StoreDtmfCodeBox(int row, const QString &text)
{
    for (const DtmfCodeBox &box : DtmfCodeBoxes())
        if (box.row == row) {
            StoreDtmfCodeString(text, row);
            return;
        }
}

int DtmfCodeKey(int key, const QString &boxText)
{
    const bool code = (key >= '0' && key <= '9') || (key >= 'a' && key <= 'd')
        || (key >= 'A' && key <= 'D') || key == '*' || key == '#' || key == 13;
    if (!code) {
        // A character is refused in words; a blank (a pasted code's
        // separator) or a control key goes without one.
        const bool character = key > ' ' && key <= 0xFFFF && QChar(char16_t(key)).isPrint();
        return character ? TextBox::refuse(DtmfCodeCharacters) : 0;
    }
    if (TrimSpaces(boxText).size() > DtmfCodeLength - 1)
        return 0;
    return key;
}
