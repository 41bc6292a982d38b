// SPDX-License-Identifier: GPL-3.0-or-later
#include "timingimage.h"

#include "compiler/imagecapture.h"

TimingImage::TimingImage(const QByteArray &bytes)
    : m_bytes(bytes)
{
}

quint32 TimingImage::value(quint32 address, int width) const
{
    const int offset = ImageCapture::imageOffset(address);
    quint32 result = 0;
    for (int i = 0; i < width; ++i)
        result = (result << 8) | quint8(m_bytes.at(offset + i));
    return result;
}

quint8 TimingImage::dlyFeedbackMask() const
{
    return quint8(value(0x0004, 1));
}

quint8 TimingImage::cntFeedbackMask() const
{
    return quint8(value(0x0005, 1));
}

quint16 TimingImage::unitModeMask() const
{
    return quint16(value(0x0006, 2));
}

quint8 TimingImage::counterMode(int k) const
{
    return quint8(value(0x0008 + quint32(k), 1));
}

quint32 TimingImage::mainCount(int k) const
{
    return value(0x0020 + 8 * quint32(k), 4);
}

quint32 TimingImage::subCount(int k) const
{
    return value(0x0024 + 8 * quint32(k), 4);
}

quint16 TimingImage::delayValue(int k) const
{
    return quint16(value(0x0010 + 2 * quint32(k), 2));
}

quint8 TimingImage::measureCounterMode(int k) const
{
    return quint8(value(0x0060 + quint32(k), 1));
}

quint16 TimingImage::preLogicWord(int p) const
{
    return quint16(value(ModuleInterface::preLogicTable + 2 * quint32(p), 2));
}

quint8 TimingImage::outputByte(int a) const
{
    return quint8(value(ModuleInterface::outputTable + quint32(a), 1));
}

quint8 TimingImage::feedbackByte(int a) const
{
    return quint8(value(ModuleInterface::feedbackTable + quint32(a), 1));
}

quint8 TimingImage::counterByte(int a) const
{
    return quint8(value(ModuleInterface::counterTable + quint32(a), 1));
}
