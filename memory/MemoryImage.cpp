#include "memory/MemoryImage.h"

CellGrid<ImageRows, ImageCols> MemoryImage{};
CellGrid<AdjustRows, AdjustCols> AdjustImage{};
qint16 ChannelCount = 0;
std::array<BandPair, 4> BandLimits{};
