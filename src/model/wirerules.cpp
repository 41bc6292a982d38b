// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/wirerules.h"

#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/prelogic.h"
#include "model/resourcecounters.h"

#include <algorithm>

namespace {

enum Column { InputColumn, PreLogicColumn, FunctionColumn, PostLogicColumn, OutputColumn };

// A drop belongs to the column whose left edge it has passed, by these
// margins (pixels): the wire end sits on the picture's left edge.
constexpr int functionDropMargin = 0;
constexpr int postLogicDropMargin = 3;
constexpr int outputDropMargin = 3;

WireRules::DropResult connectedTo(BlockItem *destination, int port)
{
    return port < 0 ? WireRules::DropResult{} : WireRules::DropResult{destination, port, {}};
}

const QString preLogicInfo = QStringLiteral("PreLogicInfo");
const QString feedBackInfo = QStringLiteral("FeedBackInfo");

bool isFeedback(const BlockItem *block)
{
    return BlockKinds::isFeedback(block->kind());
}

bool isCountedFunction(const BlockItem *block)
{
    return BlockKinds::isCountedFunction(block->kind());
}

} // namespace

WireRules::WireRules(DesignModel &model, ResourceCounters &counters)
    : m_model(model), m_counters(counters)
{
}

WireRules::DropResult WireRules::dropWire(const QString &sourceName, int sheet, const QPoint &drop)
{
    switch (dropColumn(drop.x())) {
    case PreLogicColumn:
        return dropOnPreLogic(sourceName, sheet, drop);
    case FunctionColumn:
        return dropOnFunction(sourceName, sheet, drop);
    case PostLogicColumn:
        return dropOnPostLogic(sourceName, sheet, drop);
    case OutputColumn:
        return dropOnOutput(sourceName, sheet, drop);
    default:
        return {};
    }
}

WireRules::DropResult WireRules::connect(BlockItem *source, BlockItem *destination, int port)
{
    if (!source || !destination || source == destination || source->sheet() != destination->sheet())
        return {};
    // A label or feedback definition is a sink: its signal leaves through
    // the references, and a document cannot name it as a driver.
    if (BlockKinds::definesLabel(source->kind()))
        return {};
    const SheetColumn column = destination->traits().column;
    if (static_cast<int>(source->traits().column) != static_cast<int>(column) - 1)
        return {};
    switch (column) {
    case SheetColumn::PreLogic:
        if (destination->kind() != BlockKind::PreLogic)
            return {};
        return connectedTo(destination, destination->connectSource(port, source));
    case SheetColumn::Function:
        return connectFunction(destination, source);
    case SheetColumn::PostLogic:
        if (destination->kind() == BlockKind::PostLogic)
            return connectedTo(destination, destination->connectSource(port, source));
        if (destination->kind() == BlockKind::Label)
            return connectedTo(destination, destination->connectSource(0, source));
        return {};
    case SheetColumn::Output:
        return connectedTo(destination, destination->connectSource(qMax(port, 0), source));
    default:
        return {};
    }
}

bool WireRules::deleteWire(BlockItem *destination, const QLine &wire)
{
    // The wire must be one of the destination's, so that inputs and fan-out
    // are changed together or not at all.
    const qsizetype index = destination->wires().indexOf(wire);
    return index >= 0 && disconnect(destination, destination->inputs().keys().at(index));
}

bool WireRules::disconnect(BlockItem *destination, int port)
{
    BlockItem *source = destination->source(port);
    if (!source)
        return false;
    giveBack(connectionUnit(source, destination));
    source->removeFanout(destination);
    destination->eraseInput(port);
    return true;
}

void WireRules::deleteBlock(BlockItem *block)
{
    for (BlockItem *source : block->inputs())
        giveBack(connectionUnit(source, block));
    for (BlockItem *destination : block->fanout())
        giveBack(connectionUnit(block, destination));
    giveBack(block->traits().resource);
    m_model.removeBlock(block);
}

QString WireRules::connectionUnit(const BlockItem *source, const BlockItem *destination)
{
    // Only counter and delay inputs hold a line; a pass-through never took
    // one, so giving one back for it would free a line another wire holds.
    if (!isCountedFunction(destination))
        return QString();
    if (isFeedback(source))
        return feedBackInfo;
    const bool preLogicSide = source->kind() == BlockKind::PreLogic
                              || BlockKinds::isLabel(source->kind());
    return preLogicSide ? preLogicInfo : QString();
}

int WireRules::dropColumn(int x)
{
    if (x < Placement::columnX(SheetColumn::PreLogic))
        return InputColumn;
    if (x < Placement::columnX(SheetColumn::Function) - functionDropMargin)
        return PreLogicColumn;
    if (x < Placement::columnX(SheetColumn::PostLogic) - postLogicDropMargin)
        return FunctionColumn;
    if (x < Placement::columnX(SheetColumn::Output) - outputDropMargin)
        return PostLogicColumn;
    return OutputColumn;
}

WireRules::DropResult WireRules::dropOnPreLogic(const QString &sourceName, int sheet,
                                                const QPoint &drop)
{
    BlockItem *source = columnBlockNamed(InputColumn, sheet, sourceName);
    if (!source)
        return {};
    for (BlockItem *destination : m_model.preLogics()) {
        const int y = destination->position().y();
        if (destination->sheet() == sheet && y < drop.y() && drop.y() <= y + 67)
            return connect(source, destination, -1);
    }
    return {};
}

WireRules::DropResult WireRules::dropOnFunction(const QString &sourceName, int sheet,
                                                const QPoint &drop)
{
    BlockItem *source = columnBlockNamed(PreLogicColumn, sheet, sourceName);
    if (!source)
        return {};
    const QList<BlockItem *> column = columnBlocks(FunctionColumn, sheet);
    const auto hit = std::find_if(column.cbegin(), column.cend(), [&](const BlockItem *block) {
        return qAbs(block->position().y() - drop.y()) <= 29;
    });
    return hit == column.cend() ? DropResult{} : connect(source, *hit, 0);
}

WireRules::DropResult WireRules::dropOnPostLogic(const QString &sourceName, int sheet,
                                                 const QPoint &drop)
{
    BlockItem *source = columnBlockNamed(FunctionColumn, sheet, sourceName);
    if (!source)
        return {};
    const QList<BlockItem *> column = columnBlocks(PostLogicColumn, sheet);
    const auto hit = std::find_if(column.cbegin(), column.cend(), [&](const BlockItem *block) {
        return block->containsPoint(sheet, drop.x(), drop.y());
    });
    return hit == column.cend() ? DropResult{} : connect(source, *hit, -1);
}

WireRules::DropResult WireRules::dropOnOutput(const QString &sourceName, int sheet,
                                              const QPoint &drop)
{
    BlockItem *source = columnBlockNamed(PostLogicColumn, sheet, sourceName);
    if (!source)
        return {};
    const QList<BlockItem *> column = columnBlocks(OutputColumn, sheet);
    const auto hit = std::find_if(column.cbegin(), column.cend(), [&](const BlockItem *block) {
        const int y = block->position().y();
        return y < drop.y() && drop.y() <= y + 39;
    });
    if (hit == column.cend())
        return {};
    BlockItem *destination = *hit;
    int port = 0;
    if (destination->kind() == BlockKind::MeasureCounter) {
        const int middle = destination->position().y() + destination->size().height() / 2;
        port = drop.y() < middle ? 0 : 1;
    }
    return connect(source, destination, port);
}

WireRules::DropResult WireRules::connectFunction(BlockItem *destination, BlockItem *source)
{
    const BlockKind kind = destination->kind();
    if (kind == BlockKind::PassThrough) {
        if (source->name().startsWith(QLatin1String("FeedBack")))
            return {nullptr, -1,
                    tr("Cannot connect FeedBack and NonFnc. Please use DlyFnc with delay value 0.")};
        return connectedTo(destination, destination->connectSource(0, source));
    }
    if (kind == BlockKind::PreLabel) {
        if (!source->name().startsWith(QLatin1String("PreLgc")))
            return {};
        return connectedTo(destination, destination->connectSource(0, source));
    }
    if (isCountedFunction(destination))
        return connectCountedFunction(destination, source);
    return {};
}

WireRules::DropResult WireRules::connectCountedFunction(BlockItem *destination, BlockItem *source)
{
    // The function input line is held by the class of its source: pre-logic
    // lines and feedback lines are counted separately.
    const BlockItem *present = destination->source(0);
    const QString wanted = isFeedback(source) ? feedBackInfo : preLogicInfo;
    if (!present || isFeedback(present) != isFeedback(source)) {
        if (!m_counters.useResource(-1, wanted))
            return {};
        if (present)
            giveBack(isFeedback(present) ? feedBackInfo : preLogicInfo);
    }
    return connectedTo(destination, destination->connectSource(0, source));
}

QList<BlockItem *> WireRules::columnBlocks(int column, int sheet) const
{
    QList<BlockItem *> blocks;
    const QList<BlockItem *> all = m_model.allBlocks();
    for (BlockItem *block : all) {
        if (block->sheet() == sheet && dropColumn(block->position().x()) == column)
            blocks.append(block);
    }
    std::stable_sort(blocks.begin(), blocks.end(),
                     [](const BlockItem *a, const BlockItem *b) { return a->id() < b->id(); });
    return blocks;
}

BlockItem *WireRules::columnBlockNamed(int column, int sheet, const QString &name) const
{
    const QList<BlockItem *> blocks = columnBlocks(column, sheet);
    const auto hit = std::find_if(blocks.cbegin(), blocks.cend(),
                                  [&name](const BlockItem *block) { return block->name() == name; });
    return hit == blocks.cend() ? nullptr : *hit;
}

void WireRules::giveBack(const QString &unit)
{
    if (!unit.isEmpty())
        m_counters.useResource(1, unit);
}
