// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/wiretargets.h"

#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/resourcecounters.h"
#include "model/sheet.h"
#include "model/sheetset.h"

namespace {

// Takes a successful trial's connection units back, so that the next
// candidate is tried against the counters the live design has.
void restoreCounters(ResourceCounters &counters, const QMap<QString, int> &before)
{
    for (auto kind = before.cbegin(); kind != before.cend(); ++kind) {
        const int delta = kind.value() - counters.free(kind.key());
        for (int i = 0; i < qAbs(delta); ++i)
            counters.useResource(delta > 0 ? 1 : -1, kind.key());
    }
}

} // namespace

QPoint WireTargets::dropPoint(const BlockItem &block)
{
    // Just inside the top-left corner: within every column's drop band and,
    // on a measure counter, its first input.
    return block.position() + QPoint(4, 1);
}

QList<BlockItem *> WireTargets::of(const DocumentContext &design, const Sheet &sheet,
                                   const BlockItem &source)
{
    if (!design.model)
        return {};
    const int next = int(source.traits().column) + 1;
    if (next >= Placement::columnCount || sheet.column(SheetColumn(next)).isEmpty())
        return {};
    DesignDocument scratch;
    DocumentReader(scratch.context()).read(DocumentWriter(design).toBytes());
    Sheet *copy = scratch.sheets().sheet(sheet.index());
    if (!copy)
        return {};
    QMap<QString, int> counters;
    for (const QString &kind : scratch.resources().kinds())
        counters.insert(kind, scratch.resources().free(kind));
    QList<BlockItem *> targets;
    const Sheet::ColumnMap &column = copy->column(SheetColumn(next));
    for (auto row = column.cbegin(); row != column.cend(); ++row) {
        const QPoint at = dropPoint(*row.value());
        if (!scratch.edits().dropWire(source.name(), sheet.index(), at).connected())
            continue;
        restoreCounters(scratch.resources(), counters);
        if (BlockItem *live = sheet.blockAt(SheetColumn(next), row.key()))
            targets << live;
    }
    return targets;
}
