#include "channels/FmLink.h"

#include <memory>

#include "link/LinkProfiles.h"
#include "link/LinkState.h"

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

LinkSettings FmLinkSettings(std::function<void()> show)
{
    LinkSettings s = LinkProfile::fm();
    auto reading = std::make_shared<bool>(false);
    s.beforeStart = [reading](bool write) {
        *reading = !write;
        return true;
    };
    s.started = [reading] {
        if (*reading)
            RegionToggle = 0;
    };
    s.show = std::move(show);
    s.passwordCheck = [] { return FmPasswordAccepted(PasswordBlockCopy, TypedPassword); };
    return s;
}
