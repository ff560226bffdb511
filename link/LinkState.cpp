#include "link/LinkState.h"

#include "link/Frames.h"

qint16 CommPortNumber = 1;
qint16 PortErrorFlag = 0;
std::array<quint8, 2> SessionBaseAddress{};
std::array<qint16, 17> TypedPassword{};
std::array<quint8, 17> PasswordBlockCopy{};
std::array<qint16, 17> OldPassword{};
std::array<qint16, 17> NewPassword{};
qint16 RegionToggle = 0;
CellGrid<ReplyRows, ReplyCols> ReadReplyBuffer{};
CellGrid<ReplyRows, ReplyCols> NameReplyBuffer{};

void SetTypedPassword(const QString &text)
{
    const QString t = text.trimmed();
    for (int i = 0; i < 6; ++i)
        TypedPassword[i] = 32;
    const int n = std::min<int>(t.size(), int(TypedPassword.size()));
    for (int i = 0; i < n; ++i) {
        const ushort code = t.at(i).unicode();
        TypedPassword[i] = qint16(code <= 0xFF ? code : '?');
    }
}

void resetLinkState()
{
    CommPortNumber = 1;
    PortErrorFlag = 0;
    SessionBaseAddress = {};
    TypedPassword = {};
    PasswordBlockCopy = {};
    OldPassword = {};
    NewPassword = {};
    RegionToggle = 0;
    for (auto &row : ReadReplyBuffer)
        row.fill(0);
    for (auto &row : NameReplyBuffer)
        row.fill(0);
    StoreProgramModeHandshake();
}

int ReplyDataStart(const StoredReply &reply)
{
    for (int j = 0; j <= 5; ++j)
        if (reply[j] == Frame::Data)
            return j + 4;
    return 4;
}
