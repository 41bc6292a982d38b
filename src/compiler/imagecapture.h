// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compiler/batchwriter.h"
#include "compiler/imagelayout.h"

#include <QByteArray>

class DesignModel;

// Collects a register image in memory instead of sending it: the 100 bytes
// of 0x0004..0x0067 followed by the 0x2000..0x3FFF tables, in address order
// (8292 bytes). Writes outside these ranges are refused with a thrown QString.
class ImageCapture : public BatchWriter
{
public:
    static constexpr int ImageSize = ImageLayout::imageSize;

    ImageCapture();

    int putByte(int value, quint32 address) override;
    int putShort(int value, quint32 address) override;
    int putInt(int value, quint32 address) override;
    int flush() override;

    const QByteArray &bytes() const { return m_bytes; }

    // Offset of a register address inside the captured image, or -1.
    static int imageOffset(quint32 address);
    // Whole image of a design computed through the fast evaluation path.
    static QByteArray compile(const DesignModel &model);

private:
    int put(quint32 value, quint32 address, int width);

    QByteArray m_bytes;
};
