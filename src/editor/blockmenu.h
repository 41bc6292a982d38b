// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class BlockHost;
class BlockItem;
class QMenu;

// A block's context menu, built when it is asked for from a table of
// entries, each shown for the kinds it applies to.
class BlockMenu
{
public:
    // The caller owns the menu (a child of the host's dialog parent); its
    // actions act on `block` through `host`.
    static QMenu *create(BlockHost &host, BlockItem *block);
};
