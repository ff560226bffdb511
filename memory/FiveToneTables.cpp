#include "memory/FiveToneTables.h"
#include "memory/CharacterCodec.h"
#include "memory/MemoryMap.h"

const std::array<const char *, FiveToneStandardCount> FiveToneStandards = {
    "CCIR1", "CCIR2", "PCCIR", "ZVEI1", "ZVEI2", "ZVEI3", "PZVEI", "DZVEI",
    "PDZVEI", "EEA", "EIA", "EURO", "CCITT", "NATEL", "MODAT"};

namespace {
// Tone of every digit 0-F per standard, in tenths of Hz; 0 = no tone.
const int ToneTenths[FiveToneStandardCount][16] = {
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 24000, 9300, 22470, 9910, 21100, 10550},
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 24000, 9300, 22470, 9910, 21100, 10550},
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 10500, 9300, 24000, 9910, 21100, 0},
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 28000, 8100, 9700, 8850, 26000, 6800},
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 8850, 8100, 7400, 6800, 9700, 26000},
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8850, 0, 0, 0, 24000, 0},
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 9700, 8100, 28000, 8850, 26000, 6800},
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8250, 7400, 26000, 8850, 24000, 6800},
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8250, 8860, 26000, 8560, 24000, 0},
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 10550, 9300, 24000, 9910, 21100, 22470},
    {6000, 7410, 8820, 10230, 11640, 13050, 14460, 15870, 17280, 18690, 21510, 24330, 20100, 22920, 4590, 10910},
    {9798, 9031, 8325, 7674, 7074, 6520, 6010, 5540, 5107, 4708, 0, 0, 0, 0, 10629, 0},
    {4000, 6970, 7700, 8520, 9410, 12090, 13350, 14770, 16330, 18000, 19000, 20000, 21000, 22000, 23000, 0},
    {16330, 6310, 6970, 7700, 8520, 9410, 10400, 12090, 13360, 14770, 19950, 5710, 22050, 24370, 18050, 26940},
    {6575, 7875, 9375, 10875, 12375, 13875, 15375, 16875, 18375, 19875, 0, 0, 0, 0, 4875, 0},
};
} // namespace

int FiveToneCount(int hz)
{
    return hz > 0 ? 10040000 / hz : 0;
}

void BuildFiveToneTables()
{
    for (int s = 0; s < FiveToneStandardCount; ++s) {
        for (int d = 0; d < 16; ++d) {
            const int tenths = ToneTenths[s][d];
            const QString value = QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
            FiveToneTables.text[s][d] = QStringLiteral("   ") + value.leftJustified(8);
            const int hz = tenths / 10; // the fraction is dropped, not rounded
            FiveToneTables.hzLow[s][d] = qint16(hz % 256);
            FiveToneTables.hzHigh[s][d] = qint16(hz / 256);
        }
    }
    const int base = MemoryMap::FiveToneTableRow;
    for (int s = 0; s < FiveToneStandardCount; ++s) {
        for (int d = 0; d < 16; ++d) {
            const int hz = 256 * FiveToneTables.hzHigh[s][d] + FiveToneTables.hzLow[s][d];
            const int count = FiveToneCount(hz);
            FiveToneTables.countLow[s][d] = qint16(count % 256);
            FiveToneTables.countHigh[s][d] = qint16(count / 256);
            MemoryImage[base + s][d] = FiveToneTables.hzLow[s][d];
            MemoryImage[base + 16 + s][d] = FiveToneTables.hzHigh[s][d];
            MemoryImage[base + 32 + s][d] = FiveToneTables.countLow[s][d];
            MemoryImage[base + 48 + s][d] = FiveToneTables.countHigh[s][d];
        }
    }
}

QString FiveToneStandardName(int index)
{
    if (index < 0 || index >= FiveToneStandardCount)
        return QString();
    return QString::fromLatin1(FiveToneStandards[index]);
}

int FiveToneStandardIndex(QString &name)
{
    name = TrimSpaces(name);
    for (int s = 0; s < FiveToneStandardCount; ++s)
        if (name == QLatin1String(FiveToneStandards[s]))
            return s;
    return 255;
}
