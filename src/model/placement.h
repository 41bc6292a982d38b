// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>

// The five columns of a sheet, left to right.
enum class SheetColumn { None = -1, Input = 0, PreLogic, Function, PostLogic, Output };

// Where a block of a given term sits on a sheet: its column, the column's x,
// the row pitch and the kind's vertical offset (all in pixels). A block in row r
// has its top-left corner at (x, pitch * r + offset).
struct PlacementRule
{
    SheetColumn column = SheetColumn::None;
    int x = 0;
    int pitch = 0;
    int offset = 0;

    bool isPlaceable() const { return column != SheetColumn::None; }
    QPoint position(int row) const { return QPoint(x, pitch * row + offset); }
};

// The fixed geometry shared by the canvas, the reader and paste.
class Placement
{
public:
    static constexpr int columnCount = 5;
    // A row is usable while pitch * row stays within this, in pixels.
    static constexpr int lastRowTop = 924;

    // A term that matches no rule yields a rule whose column is None.
    static PlacementRule forTerm(const QString &term);
    // x of the column's left edge and its row pitch, in pixels (0 for None).
    static int columnX(SheetColumn column);
    static int rowPitch(SheetColumn column);
    // The column whose band holds x: from its left edge up to the next
    // column's; the output column is open to the right.
    static SheetColumn columnAt(int x);
    // Rows 0..13 at a pitch of 68, 0..23 at 40.
    static bool isUsableRow(int pitch, int row);
};
