#include "signalling/DtmfSettings.h"

#include "memory/CharacterCodec.h"
#include "memory/ListByte.h"
#include "memory/MemoryImage.h"
#include "platform/NumberText.h"
#include "signalling/DtmfLayout.h"

using namespace DtmfLayout;

namespace {
QString checkName(const char *array, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i);
}
} // namespace

const std::array<DtmfList, DtmfListCount> &DtmfLists()
{
    static const std::array<DtmfList, DtmfListCount> lists = [] {
        const QStringList times = SteppedNumberItems(50, 10, 196);  // 50-2000 ms
        const QStringList characters{"*", "#", "A", "B", "C", "D"};
        using S = DtmfListStore;
        return std::array<DtmfList, DtmfListCount>{{
            {QStringLiteral("Combo_Enc_ys1"), EncodeSettingsRow, 0, S::Index, times},
            {QStringLiteral("Combo_Enc_ys2"), EncodeSettingsRow, 1, S::Index, times},
            {QStringLiteral("Combo_Dec_qh"), DecodeSettingsRow, GroupCodeByte, S::CharacterCode,
             characters},
            {QStringLiteral("Combo_Dec_Space_Code"), DecodeSettingsRow, SeparatorByte,
             S::CharacterCode, characters},
            {QStringLiteral("Combo_Dec_Proc_Ys"), DecodeSettingsRow, ProcessDelayByte, S::Index,
             SteppedNumberItems(100, 100, 40)},  // 100-4000 ms
            {QStringLiteral("Combo_Dec_Res_Time"), DecodeSettingsRow, ResetTimeByte, S::Index,
             SteppedNumberItems(100, 100, 200)},  // 100-20000 ms
        }};
    }();
    return lists;
}

int DtmfListShownIndex(const DtmfList &list, int byte)
{
    if (list.store == DtmfListStore::CharacterCode) {
        const QString ch = DtmfCodeToChar(byte);
        return ch.isEmpty() ? -1 : int(list.items.indexOf(ch));
    }
    return ListIndexOfByte(byte, int(list.items.size()));
}

QString DtmfListShownText(const DtmfList &list, int byte)
{
    const int i = DtmfListShownIndex(list, byte);
    if (i >= 0)
        return list.items.at(i);
    return list.store == DtmfListStore::CharacterCode ? DtmfCodeToChar(byte) : QString();
}

int DtmfListPickByte(const DtmfList &list, int i)
{
    if (i < 0 || i >= list.items.size())
        return -1;
    if (list.store == DtmfListStore::CharacterCode)
        return DtmfCharToCode(list.items.at(i));
    return i;
}

void StoreDtmfListPick(const DtmfList &list, int i)
{
    const int byte = DtmfListPickByte(list, i);
    if (byte >= 0 && IsImageCell(list.row, list.byte))
        MemoryImage[list.row][list.byte] = qint16(byte);
}

const std::array<DtmfCheck, DtmfCheckCount> &DtmfChecks()
{
    static const std::array<DtmfCheck, DtmfCheckCount> checks = [] {
        std::array<DtmfCheck, DtmfCheckCount> c;
        c[0] = {QStringLiteral("Check_Ctrl_En"), {IdControlByte, 0xFF, 0}};
        for (int i = 0; i < RightCount; ++i) {
            c[1 + i] = {checkName("Check_M", i), {MasterRightsByte, 1, i}};
            c[6 + i] = {checkName("Check_S", i), {ViceRightsByte, 1, i}};
        }
        c[11] = {QStringLiteral("Check_RX"), {RadioStateByte, 1, 0}};
        c[12] = {QStringLiteral("Check_Tx"), {RadioStateByte, 1, 1}};
        return c;
    }();
    return checks;
}

bool DtmfCheckTicked(const DtmfCheck &check)
{
    return check.field.read(DecodeSettingsRow) > 0;
}

void StoreDtmfCheck(const DtmfCheck &check, bool ticked)
{
    check.field.write(DecodeSettingsRow, ticked ? 1 : 0);
}

const QStringList &DtmfIdControlledNames()
{
    static const QStringList names = [] {
        QStringList n{QStringLiteral("Text_MID")};
        for (int i = 0; i < RightCount; ++i)
            n << checkName("Check_M", i);
        n << QStringLiteral("Text_SID");
        for (int i = 0; i < RightCount; ++i)
            n << checkName("Check_S", i);
        return n;
    }();
    return names;
}
