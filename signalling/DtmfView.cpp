#include "signalling/DtmfView.h"

#include "memory/CharacterCodec.h"
#include "memory/MemoryImage.h"

namespace {
bool rowHolds(int row, const DtmfCodeString &codes)
{
    for (int c = 0; c < DtmfCodeLength; ++c)
        if (MemoryImage[row][c] != codes[c])
            return false;
    return true;
}
} // namespace

DtmfView ReadDtmfView()
{
    DtmfView view;
    for (int k = 0; k < DtmfCodeBoxCount; ++k) {
        const int row = DtmfCodeBoxes()[k].row;
        view.codes[k] = DtmfCodeStringAt(row);
        view.repack[k] = !rowHolds(row, EncodeDtmfCodeString(view.codes[k]));
    }
    for (int k = 0; k < DtmfListCount; ++k) {
        const DtmfList &list = DtmfLists()[k];
        const int byte = IsImageCell(list.row, list.byte) ? MemoryImage[list.row][list.byte] : -1;
        view.lists[k] = DtmfListShownIndex(list, byte);
        view.listTexts[k] = DtmfListShownText(list, byte);
        view.listStores[k] = DtmfListDisplayStore(list, byte);
    }
    for (int k = 0; k < DtmfCheckCount; ++k)
        view.checks[k] = DtmfCheckTicked(DtmfChecks()[k]);
    view.idControlsEnabled = view.checks[0];
    return view;
}

void StoreDtmfViewBack(const DtmfView &view)
{
    for (int k = 0; k < DtmfCodeBoxCount; ++k)
        if (view.repack[k])
            StoreDtmfCodeBox(DtmfCodeBoxes()[k].row, view.codes[k]);
    for (int k = 0; k < DtmfListCount; ++k)
        if (view.listStores[k] >= 0) {
            const DtmfList &list = DtmfLists()[k];
            MemoryImage[list.row][list.byte] = qint16(view.listStores[k]);
        }
}
