#include "signalling/DtmfView.h"

#include "memory/CharacterCodec.h"
#include "memory/MemoryImage.h"

DtmfView ReadDtmfView()
{
    DtmfView view;
    for (int k = 0; k < DtmfCodeBoxCount; ++k)
        view.codes[k] = DtmfCodeStringAt(DtmfCodeBoxes()[k].row);
    for (int k = 0; k < DtmfListCount; ++k) {
        const DtmfList &list = DtmfLists()[k];
        const int byte = IsImageCell(list.row, list.byte) ? MemoryImage[list.row][list.byte] : -1;
        view.lists[k] = DtmfListShownIndex(list, byte);
    }
    for (int k = 0; k < DtmfCheckCount; ++k)
        view.checks[k] = DtmfCheckTicked(DtmfChecks()[k]);
    view.idControlsEnabled = view.checks[0];
    return view;
}
