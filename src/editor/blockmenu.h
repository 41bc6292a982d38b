// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class BlockItem;
class ProgramWidget;
class QMenu;

// A block's context menu, built when it is asked for from a table of
// entries, each shown for the kinds it applies to.
class BlockMenu
{
public:
    // The caller owns the menu; its actions act on `block` through `canvas`.
    static QMenu *create(ProgramWidget &canvas, BlockItem *block);
};
