// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ProgramWidget;
class QAction;
class QMenu;
class QPoint;

// The menu a right click on a canvas opens: the block's menu on a block,
// "Delete" on a wire (which it selects), else "Paste".
class CanvasMenu
{
public:
    // point: in sheet coordinates. paste: the window's paste command, which
    // "Paste" follows and triggers; may be null. The caller owns the menu.
    static QMenu *create(ProgramWidget &canvas, const QPoint &point, QAction *paste);
    // Opens the menu at a point in the canvas's pixels, as a context-menu
    // request gives it; the menu deletes itself when closed.
    static void popup(ProgramWidget &canvas, const QPoint &point, QAction *paste);
};
