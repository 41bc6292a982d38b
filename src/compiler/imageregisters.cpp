// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/imageregisters.h"

#include "compiler/batchwriter.h"
#include "compiler/imagecapture.h"
#include "compiler/imagelayout.h"

namespace {

QVector<ImageRegisters::Field> buildFields()
{
    using namespace ImageLayout;
    QVector<ImageRegisters::Field> fields{{0x0004, 1}, {0x0005, 1}, {0x0006, 2}};
    for (quint32 k = 0; k < 8; ++k)
        fields.append({0x0008 + k, 1});
    for (quint32 k = 0; k < 8; ++k)
        fields.append({0x0010 + 2 * k, 2});
    for (quint32 k = 0; k < 8; ++k)
        fields << ImageRegisters::Field{0x0020 + 8 * k, 4} << ImageRegisters::Field{0x0024 + 8 * k, 4};
    for (quint32 address = 0x0060; address < parameterBlock + parameterBlockSize; ++address)
        fields.append({address, 1});
    for (quint32 offset = 0; offset < quint32(tableSize); offset += 2)
        fields.append({preLogicTable + offset, 2});
    for (quint32 address = outputTable; address < tableArea + tableCount * tableSize; ++address)
        fields.append({address, 1});
    return fields;
}

} // namespace

const QVector<ImageRegisters::Field> &ImageRegisters::fields()
{
    static const QVector<Field> all = buildFields();
    return all;
}

quint32 ImageRegisters::value(const QByteArray &image, const Field &field)
{
    const int offset = ImageCapture::imageOffset(field.address);
    quint32 result = 0;
    for (int i = 0; i < field.width; ++i)
        result = (result << 8) | quint8(image.at(offset + i));
    return result;
}

void ImageRegisters::put(BatchWriter &writer, const Field &field, quint32 value)
{
    if (field.width == 1)
        writer.putByte(int(value), field.address);
    else if (field.width == 2)
        writer.putShort(int(value), field.address);
    else
        writer.putInt(int(value), field.address);
}

void ImageRegisters::write(const QByteArray &image, BatchWriter &writer)
{
    for (const Field &field : fields())
        put(writer, field, ImageRegisters::value(image, field));
    writer.flush();
}
