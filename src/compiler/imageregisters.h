// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QVector>

class BatchWriter;

// The register writes that carry a compiled image: every register of the
// parameter block and the tables with its width, in address order. The
// compiler writes its image through this list. Sending an image again with the same widths keeps the
// module's requests (and their batching) exactly those of a fresh compile.
class ImageRegisters
{
public:
    struct Field
    {
        quint32 address;
        int width;  // bytes: 1, 2 or 4, most significant byte first
    };

    static const QVector<Field> &fields();
    // The field's value in an image of ImageLayout::imageSize bytes.
    static quint32 value(const QByteArray &image, const Field &field);
    // Puts one value as wide as the field.
    static void put(BatchWriter &writer, const Field &field, quint32 value);
    // Puts every field of the image in order, then flushes.
    static void write(const QByteArray &image, BatchWriter &writer);
};
