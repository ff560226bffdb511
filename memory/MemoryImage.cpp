// The shared state of the memory subsystem, in one place, and its reset.
#include "memory/MemoryImage.h"
#include "memory/AdjustDefaults.h"
#include "memory/BandTable.h"
#include "memory/FiveToneTables.h"
#include "memory/FrequencyCodec.h"
#include "memory/OptionFields.h"
#include "memory/ToneNames.h"

CellGrid<ImageRows, ImageCols> MemoryImage{};
CellGrid<AdjustRows, AdjustCols> AdjustImage{};
qint16 ChannelCount = 0;
std::array<BandPair, 4> BandLimits{};

std::array<QString, ToneNameCount> ToneNames;
std::array<qint16, ToneNameCount> ToneListPosition{};
std::array<qint16, ToneNameCount> ToneIndexLow{};
std::array<qint16, ToneNameCount> ToneIndexHigh{};

std::array<QString, BandTableRows> BandRangeNames;
CellGrid<BandTableRows, 5> BandTable{};
qint16 BandTableRow = 0;
BandPair BandARange{0.0, 0.0};
BandPair BandBRange{0.0, 0.0};

std::array<quint8, 4> BcdScratch{};

FiveToneTableSet FiveToneTables;

std::array<qint16, OptionFieldCount> OptionFieldOffsets{};
std::array<qint16, OptionValueCount> OptionValues{};

CellGrid<AdjustRows, AdjustCols> AdjustDefaults{};
std::array<qint16, 4> SquelchLevelRows{};
std::array<qint16, 4> SquelchOffsetRows{};

void resetMemoryState()
{
    MemoryImage = {};
    AdjustImage = {};
    ChannelCount = 0;
    BandLimits = {};

    ToneNames.fill(QString());
    ToneListPosition = {};
    ToneIndexLow = {};
    ToneIndexHigh = {};

    BandRangeNames.fill(QString());
    BandTable = {};
    BandTableRow = 0;
    BandARange = {0.0, 0.0};
    BandBRange = {0.0, 0.0};

    BcdScratch = {};

    FiveToneTables = FiveToneTableSet{};

    OptionFieldOffsets = {};
    OptionValues = {};

    AdjustDefaults = {};
    SquelchLevelRows = {};
    SquelchOffsetRows = {};
}
