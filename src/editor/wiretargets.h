// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/documentcontext.h"

#include <QList>
#include <QPoint>

class BlockItem;
class Sheet;

// The blocks of a sheet that would take a wire drawn from `source`: the
// wire is dropped onto each block of the next column in a scratch copy of
// the design, so the answer is the wiring rules' own (free ports, connection
// units, refused kinds) and the live design is left alone.
class WireTargets
{
public:
    // Blocks of `sheet`; empty when the context has no design.
    static QList<BlockItem *> of(const DocumentContext &design, const Sheet &sheet,
                                 const BlockItem &source);
    // Where a wire dropped lands on `block`, by the drop rules of its column.
    static QPoint dropPoint(const BlockItem &block);
};
