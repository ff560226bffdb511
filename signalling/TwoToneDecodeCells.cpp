#include "signalling/TwoToneDecodeCells.h"

#include "memory/MemoryImage.h"
#include "signalling/TwoToneLayout.h"

using namespace TwoToneLayout;

namespace {
const char *const PairNames[12] = {"A-B", "A-C", "A-D", "B-A", "B-C", "B-D",
                                   "C-A", "C-B", "C-D", "D-A", "D-B", "D-C"};
const int AlertCount = 16;

bool isCell(int n, int c)
{
    return n >= 1 && n <= CodeCount && c >= 1 && c <= 12;
}
} // namespace

TwoToneDecodeColumn DecodeColumnKind(int c)
{
    if (c < 1 || c > 12)
        return TwoToneDecodeColumn::Code;
    switch ((c - 1) % 3) {
    case 0: return TwoToneDecodeColumn::Pair;
    case 1: return TwoToneDecodeColumn::Response;
    default: return TwoToneDecodeColumn::Alert;
    }
}

int DecodePairColumn(int c)
{
    return c < 1 ? c : 3 * ((c - 1) / 3) + 1;
}

QString TonePairName(int byte)
{
    return byte >= 0 && byte < 12 ? QString::fromLatin1(PairNames[byte]) : QString();
}

QString ResponseName(int byte, const QStringList &responses)
{
    if (byte < 0 || byte >= 255)
        return QString();
    return responses.value(byte < 4 ? byte : 0);
}

QString AlertText(int byte)
{
    return byte >= 0 && byte <= AlertCount ? QString::number(byte) : QString();
}

QString DecodeCellText(int n, int c, const QStringList &responses)
{
    if (!isCell(n, c))
        return QString();
    const int byte = MemoryImage[decodeEntryRow(n)][c - 1];
    switch (DecodeColumnKind(c)) {
    case TwoToneDecodeColumn::Pair: return TonePairName(byte);
    case TwoToneDecodeColumn::Response: return ResponseName(byte, responses);
    case TwoToneDecodeColumn::Alert: return AlertText(byte);
    case TwoToneDecodeColumn::Code: break;
    }
    return QString();
}

QStringList DecodeListItems(TwoToneDecodeColumn kind, const QStringList &responses)
{
    QStringList items;
    switch (kind) {
    case TwoToneDecodeColumn::Pair:
        for (const char *name : PairNames)
            items << QString::fromLatin1(name);
        break;
    case TwoToneDecodeColumn::Response:
        items = responses.mid(0, 4);
        break;
    case TwoToneDecodeColumn::Alert:
        for (int k = 1; k <= AlertCount; ++k)
            items << QString::number(k);
        break;
    case TwoToneDecodeColumn::Code:
        break;
    }
    return items;
}

int DecodePickByte(TwoToneDecodeColumn kind, int i)
{
    switch (kind) {
    case TwoToneDecodeColumn::Pair: return i >= 0 && i < 12 ? i : -1;
    case TwoToneDecodeColumn::Response: return i >= 0 && i < 4 ? i : -1;
    case TwoToneDecodeColumn::Alert: return i >= 0 && i < AlertCount ? i + 1 : -1;
    case TwoToneDecodeColumn::Code: break;
    }
    return -1;
}

void StoreDecodePick(int n, int c, int i)
{
    if (!isCell(n, c))
        return;
    const int byte = DecodePickByte(DecodeColumnKind(c), i);
    if (byte >= 0)
        MemoryImage[decodeEntryRow(n)][c - 1] = qint16(byte);
}
