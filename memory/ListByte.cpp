#include "ListByte.h"

int ListIndexOfByte(int byte, int count)
{
    if (count <= 0)
        return -1;
    return byte >= 0 && byte < count ? byte : count - 1;
}

int StoreListByteInRange(qint16 &cell, int count)
{
    const int index = ListIndexOfByte(cell, count);
    if (index >= 0 && cell != index)
        cell = qint16(index);
    return index;
}
