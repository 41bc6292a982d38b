// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

class BlockHost;
class BlockItem;

// Opens a block's editor: its parameter dialog by kind, or the port list for
// a block without one. A double click and the menu's Edit come here alike.
class BlockEditing
{
public:
    static void open(BlockHost &host, BlockItem *block);

    // Where a dialog for a block whose top-left corner is at blockTopLeft
    // (global) goes: 100 px left of it, no lower than y 300.
    static QPoint dialogPosition(const QPoint &blockTopLeft);

private:
    static void choosePort(BlockHost &host, BlockItem *block, const QPoint &at);
};
