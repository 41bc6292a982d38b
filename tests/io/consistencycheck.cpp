// SPDX-License-Identifier: GPL-3.0-or-later
#include "consistencycheck.h"

#include "io/documentcontext.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QSet>

namespace {

QString sheetProblem(const Sheet &sheet, int index, const QSet<const BlockItem *> &blocks,
                     QSet<const BlockItem *> &placed)
{
    if (sheet.index() != index)
        return QStringLiteral("sheet %1 carries index %2").arg(index).arg(sheet.index());
    for (int column = 0; column < Placement::columnCount; ++column) {
        const Sheet::ColumnMap &map = sheet.column(static_cast<SheetColumn>(column));
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            const BlockItem *block = it.value();
            if (!blocks.contains(block))
                return QStringLiteral("sheet %1 holds a block the model lost").arg(index);
            if (placed.contains(block))
                return QStringLiteral("%1 placed twice").arg(block->name());
            placed.insert(block);
            if (block->id() != it.key() || block->sheet() != index)
                return QStringLiteral("%1 sits at row %2 of sheet %3 but says row %4 of sheet %5")
                    .arg(block->name()).arg(it.key()).arg(index).arg(block->id()).arg(block->sheet());
            const PlacementRule rule = Placement::forTerm(block->term());
            if (rule.column != static_cast<SheetColumn>(column))
                return QStringLiteral("%1 is in the wrong column").arg(block->name());
            if (!Placement::isUsableRow(rule.pitch, it.key()))
                return QStringLiteral("%1 is beyond the usable rows").arg(block->name());
        }
    }
    return QString();
}

QString connectionProblem(const BlockItem &block, const QSet<const BlockItem *> &blocks)
{
    const BlockItem::InputMap &inputs = block.inputs();
    for (auto it = inputs.cbegin(); it != inputs.cend(); ++it) {
        const BlockItem *source = it.value();
        if (!blocks.contains(source))
            return QStringLiteral("%1 port %2 names a deleted block").arg(block.name()).arg(it.key());
        const qsizetype fed = std::count(inputs.cbegin(), inputs.cend(), source);
        if (source->fanout().count(const_cast<BlockItem *>(&block)) != fed)
            return QStringLiteral("fan-out of %1 misses %2").arg(source->name(), block.name());
    }
    for (const BlockItem *destination : block.fanout()) {
        if (!blocks.contains(destination))
            return QStringLiteral("fan-out of %1 names a deleted block").arg(block.name());
        if (!destination->inputs().values().contains(const_cast<BlockItem *>(&block)))
            return QStringLiteral("%1 feeds %2 one-sidedly").arg(block.name(), destination->name());
    }
    return QString();
}

} // namespace

QString ConsistencyCheck::problem(const DocumentContext &context)
{
    const QList<BlockItem *> all = context.model->allBlocks();
    QSet<const BlockItem *> blocks(all.cbegin(), all.cend());
    if (blocks.size() != all.size())
        return QStringLiteral("a block is in two model lists");

    QSet<const BlockItem *> placed;
    const QList<Sheet *> &sheets = context.sheets->sheets();
    for (int index = 0; index < sheets.size(); ++index) {
        const QString problem = sheetProblem(*sheets.at(index), index, blocks, placed);
        if (!problem.isEmpty())
            return problem;
    }
    if (placed.size() != blocks.size())
        return QStringLiteral("%1 blocks are on no sheet").arg(blocks.size() - placed.size());

    for (const BlockItem *block : all) {
        const QString problem = connectionProblem(*block, blocks);
        if (!problem.isEmpty())
            return problem;
    }
    const auto registered = context.labels->feedbackLabels() + context.labels->labels();
    for (const LabelRegistry::Entry &entry : registered) {
        if (entry.source && !blocks.contains(entry.source))
            return QStringLiteral("label %1 keeps a deleted block").arg(entry.name);
    }
    return QString();
}
