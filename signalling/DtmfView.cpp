#include "signalling/DtmfView.h"

#include "memory/CharacterCodec.h"
#include "memory/ListByte.h"
#include "memory/MemoryImage.h"

DtmfView ReadDtmfView(const DtmfShown &before)
{
    DtmfView view;
    for (int k = 0; k < DtmfCodeBoxCount; ++k) {
        view.codes[k] = DtmfCodeStringAt(DtmfCodeBoxes()[k].row);
        view.repack[k] = view.codes[k] != before.codes[k];
    }
    for (int k = 0; k < DtmfListCount; ++k) {
        const DtmfList &list = DtmfLists()[k];
        const int byte = MemoryImage[list.row][list.byte];
        view.lists[k] = DtmfListShownIndex(list, byte);
        view.listTexts[k] = DtmfListShownText(list, byte);
    }
    for (int k = 0; k < DtmfCheckCount; ++k)
        view.checks[k] = DtmfCheckTicked(DtmfChecks()[k]);
    view.idControlStored = view.checks[0] && !before.idControlTicked;
    view.idControlsEnabled = view.checks[0];
    return view;
}

void StoreDtmfViewBack(const DtmfView &view)
{
    for (int k = 0; k < DtmfCodeBoxCount; ++k)
        if (view.repack[k])
            StoreDtmfCodeBox(DtmfCodeBoxes()[k].row, view.codes[k]);
    for (const DtmfList &list : DtmfLists())
        if (list.store == DtmfListStore::Index)
            StoreListByteInRange(MemoryImage[list.row][list.byte], int(list.items.size()));
    if (view.idControlStored)
        StoreDtmfCheck(DtmfChecks()[0], true);
}
