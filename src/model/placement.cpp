// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/placement.h"

#include "model/blockkinds.h"

#include <array>

namespace {

struct ColumnGeometry
{
    int x;
    int pitch;
};

// Input, PreLogic, Function, PostLogic, Output.
constexpr std::array<ColumnGeometry, Placement::columnCount> columns = {{
    {0, 40}, {142, 68}, {284, 40}, {425, 68}, {567, 40},
}};

} // namespace

PlacementRule Placement::forTerm(const QString &term)
{
    const BlockKindTraits &traits = BlockKinds::traits(BlockKinds::ofTerm(term));
    if (traits.column == SheetColumn::None)
        return PlacementRule();
    return PlacementRule{traits.column, columnX(traits.column), rowPitch(traits.column), traits.offset};
}

int Placement::columnX(SheetColumn column)
{
    return column == SheetColumn::None ? 0 : columns[static_cast<size_t>(column)].x;
}

int Placement::rowPitch(SheetColumn column)
{
    return column == SheetColumn::None ? 0 : columns[static_cast<size_t>(column)].pitch;
}

SheetColumn Placement::columnAt(int x)
{
    int column = columnCount - 1;
    while (column > 0 && x < columns[static_cast<size_t>(column)].x)
        --column;
    return SheetColumn(column);
}

bool Placement::isUsableRow(int pitch, int row)
{
    return row >= 0 && pitch > 0 && pitch * row <= lastRowTop;
}
