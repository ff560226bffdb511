#include "channels/FmLink.h"

#include "link/LinkState.h"

LinkSettings FmLinkSettings(std::function<void()> show, int page)
{
    LinkSettings s;
    s.readBase = page * 256;
    s.writeBase = page * 256;
    s.readBlocks = 4;
    s.writeRows = 16;
    s.readRetries = 3;
    s.writeRetries = 3;
    s.retryDelayMs = 3000;
    s.identAckPauseSteps = 40000;
    s.passwordAckPauseSteps = 4000;
    s.firstReadBlock = 2;
    s.writeLabelOffset = 0;  // the rows acknowledged so far
    s.started = [] { RegionToggle = 0; };
    s.show = std::move(show);
    s.passwordCheck = [] { return FmPasswordAccepted(PasswordBlockCopy, TypedPassword); };

    LinkTexts &t = s.texts;
    t.portOpenTitle = PromptTitle;
    t.portOpen = {"Communication port is error, please setting right communication port . ！",
                  "通讯端口打开错误，请正确设置通讯端口 ！"};
    t.afterReadLabel = {"Read FM Radio parameters in gear. ", " FM 收音机参数读出正常 ！"};
    t.afterWriteBox = {"Complete Written FM parameters to the transceiver.", "向对讲机写入参数完毕 ！"};
    t.afterWriteLabel = {"Complete Written FM parameters ", "收音机参数写入完毕 ！"};
    return s;
}

bool FmPasswordAccepted(const std::array<quint8, 17> &block, const std::array<qint16, 17> &typed)
{
    auto all = [&](quint8 value) {
        for (int k = 0; k < 6; ++k)
            if (block[k] != value)
                return false;
        return true;
    };
    auto matches = [&](int first) {
        for (int k = 0; k < 6; ++k)
            if (block[first + k] != typed[k])
                return false;
        return true;
    };
    return all(0x20) || all(0xFF) || matches(0) || matches(6);
}
