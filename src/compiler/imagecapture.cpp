// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/imagecapture.h"

#include "compiler/registerimage.h"
#include "model/operationerror.h"

#include <QCoreApplication>

ImageCapture::ImageCapture()
    : m_bytes(ImageSize, '\0')
{
}

int ImageCapture::imageOffset(quint32 address)
{
    const quint32 parameterEnd = RegisterImage::ParameterBase + RegisterImage::ParameterSize;
    constexpr quint32 tablesEnd = 0x4000;
    if (address >= RegisterImage::ParameterBase && address < parameterEnd)
        return int(address - RegisterImage::ParameterBase);
    if (address >= RegisterImage::PreLogicBase && address < tablesEnd)
        return RegisterImage::ParameterSize + int(address - RegisterImage::PreLogicBase);
    return -1;
}

int ImageCapture::put(quint32 value, quint32 address, int width)
{
    for (int i = 0; i < width; ++i) {
        const int offset = imageOffset(address + quint32(i));
        if (offset < 0) {
            throw OperationError(QCoreApplication::translate("ImageCapture",
                                                             "Register 0x%1 lies outside the image.")
                                     .arg(address + quint32(i), 8, 16, QLatin1Char('0')));
        }
        m_bytes[offset] = char(value >> (8 * (width - 1 - i)));
    }
    return width;
}

int ImageCapture::putByte(int value, quint32 address)
{
    return put(quint32(value), address, 1);
}

int ImageCapture::putShort(int value, quint32 address)
{
    return put(quint32(value), address, 2);
}

int ImageCapture::putInt(int value, quint32 address)
{
    return put(quint32(value), address, 4);
}

// Nothing is pending: every put lands in the image at once.
int ImageCapture::flush()
{
    return 0;
}

QByteArray ImageCapture::compile(const DesignModel &model)
{
    ImageCapture capture;
    RegisterImage image;
    image.writeImage(model, capture);
    return capture.bytes();
}
