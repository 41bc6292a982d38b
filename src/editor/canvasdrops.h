// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class BlockHost;
class BlockItem;
class DesignEdits;
class QMimeData;

// Blocks dropped onto a canvas from the palette and the label bar, and the
// boxes a drop ends in: no resource of the kind left, no free row in the
// column, or the warning a dragged wire or move was refused with.
class CanvasDrops
{
public:
    // host: the canvas, whose prompts show the warnings; edits place the
    // block. Both outlive this object.
    CanvasDrops(BlockHost &host, DesignEdits &edits);

    // The key of the block a drop of `data` places; empty when the canvas
    // does not take the drop.
    static QString newBlockKey(const QMimeData *data);
    // Places a new block of `key` on the sheet and warns about a refusal.
    // The block placed, or null.
    BlockItem *place(const QString &key, int sheet);
    // Shows the warning once the event in hand is over: a modal box inside
    // a drop handler would run while the platform still finishes the drag.
    void warnLater(const QString &text);

private:
    BlockHost &m_host;
    DesignEdits &m_edits;
};
