// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockkinds.h"

#include <QSize>
#include <QString>

class BlockItem;

// The diagram pictures of the blocks (file names under ":/images/") and the
// size each one is drawn at, so that block geometry needs no picture loaded.
// Drawing them is the canvas's business.
class BlockImages
{
public:
    // Size of a block picture, or an empty size for a file not listed.
    static QSize size(const QString &fileName);
    // Size of the picture of the kind.
    static QSize sizeOf(BlockKind kind);
    // The picture variant a block shows once placed, chosen by its "Mode":
    // counter functions in mode 9 and measure counters. Empty when the block
    // keeps the picture of its kind.
    static QString placedImageFile(const BlockItem &block);
};
