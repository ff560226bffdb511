#pragma once
// A typed field of a record in MemoryImage: the byte at `offset` from the
// record's first byte (offsets of 16 and more lie in the following rows),
// and the bits of it that hold the value (mask, after shifting down by
// `shift`). Editors describe their records as tables of fields instead of
// inline bit literals.
#include <QtGlobal>

#include "memory/MemoryImage.h"

struct RecordField {
    int offset = 0;
    int mask = 0xFF;  // the value's bits, counted from bit 0
    int shift = 0;    // where the value's bit 0 lies in the byte

    // The bits of the byte that the field owns.
    int byteMask() const { return (mask << shift) & 0xFF; }

    // The field's value in the record that starts at image row `row`.
    int read(int row) const
    {
        const int r = row + offset / 16;
        if (!IsImageCell(r, offset % 16))
            return -1;
        return (MemoryImage[r][offset % 16] >> shift) & mask;
    }
    // Stores value into the field, leaving every other bit of the byte as
    // it was. Nothing is written outside the image.
    void write(int row, int value) const
    {
        const int r = row + offset / 16;
        if (!IsImageCell(r, offset % 16))
            return;
        qint16 &cell = MemoryImage[r][offset % 16];
        cell = qint16((cell & ~byteMask() & 0xFF) | ((value & mask) << shift));
    }
};

// Two fields share a bit.
constexpr bool FieldsOverlap(const RecordField &a, const RecordField &b)
{
    return a.offset == b.offset && (((a.mask << a.shift) & (b.mask << b.shift)) & 0xFF) != 0;
}
