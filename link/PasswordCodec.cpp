#include "link/PasswordCodec.h"

#include "link/Frames.h"
#include "link/PasswordTexts.h"
#include "platform/ByteCodec.h"
#include "platform/TextBox.h"

namespace PasswordRules {

void setPasswordCodes(Codes &codes, const QString &text)
{
    const QString t = text.trimmed();
    for (int i = 0; i < Length; ++i)
        codes[i] = i < t.size() ? charToByte(t.at(i)).value_or(quint8('?')) : Blank;
}

int passwordKey(int key)
{
    if (key == TextBox::KeyBackspace || key == TextBox::KeyEnter)
        return key;
    if (key <= 0 || key > 0xFFFF)
        return 0;
    if (!charToByte(QChar(char16_t(key))))
        return TextBox::refuse(PasswordText::Characters);
    return key;
}

bool noUserPassword(const Block &block)
{
    auto all = [&](quint8 value) {
        for (int i = 0; i < Length; ++i)
            if (block[i] != value)
                return false;
        return true;
    };
    return all(Blank) || all(0xFF);
}

bool oldPasswordAccepted(const Codes &old, const Block &block)
{
    auto matchesAt = [&](int first) {
        for (int i = 0; i < Length; ++i)
            if (old[i] != block[first + i])
                return false;
        return true;
    };
    return matchesAt(0) || matchesAt(Length);
}

std::optional<Block> blockFromReply(const quint8 *reply)
{
    const int x = findDataMark(reply, 0, 1);
    if (x < 0 || !dataHeadAnswers(reply + x, ReadRequest{BlockReadAddress, BlockReadLength}))
        return std::nullopt;
    Block block{};
    const int first = x + 4 + BlockInRead;  // after 'X', address high, low and length
    for (int i = 0; i < 16; ++i)
        block[i] = reply[first + i];
    return block;
}

QByteArray blockRequestFrame()
{
    return readRequestFrame(BlockReadAddress, BlockReadLength, true);
}

QByteArray newBlockFrame(const Codes &newPassword, const Block &read)
{
    Block data = read;
    for (int i = 0; i < Length; ++i)
        data[i] = quint8(newPassword[i] & 0xFF);
    return writeFrame(Frame::PasswordBlockAddress, data, false);
}
}
