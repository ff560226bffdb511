#include "memory/FactoryImage.h"
#include "memory/AdjustDefaults.h"
#include "memory/BandTable.h"
#include "memory/ChannelDefaults.h"
#include "memory/DtmfDefaults.h"
#include "memory/FiveToneDefaults.h"
#include "memory/FmDefaults.h"
#include "memory/MemoryImage.h"
#include "memory/OptionDefaults.h"
#include "memory/OptionFields.h"
#include "memory/ToneNames.h"
#include "memory/TwoToneDefaults.h"

void BuildSharedTables()
{
    BuildToneNames();
    BuildOptionFieldOffsets();
    BuildBandTable();
}

void BuildFactoryImage()
{
    for (auto &row : MemoryImage)
        for (int c = 0; c < 16; ++c)
            row[c] = 255;
    BuildFmDefaults();
    BuildOptionDefaults();
    BuildDtmfDefaults();
    BuildTwoToneDefaults();
    BuildFiveToneDefaults();
    BuildAdjustDefaults();
    CopyAdjustDefaultsToImage();
    BuildChannelDefaults();
}
