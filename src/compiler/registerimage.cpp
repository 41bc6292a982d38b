// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/registerimage.h"

#include "compiler/batchwriter.h"
#include "compiler/imageregisters.h"
#include "model/blockitem.h"
#include "model/counterparameters.h"
#include "model/delayparameters.h"
#include "model/designmodel.h"
#include "model/measurecounterparameters.h"

#include <algorithm>

namespace {

constexpr BlockKind CounterKind = BlockKind::CounterFunction;
constexpr BlockKind DelayKind = BlockKind::DelayFunction;
constexpr BlockKind PassKind = BlockKind::PassThrough;

bool isFeedbackSource(const BlockItem *source)
{
    return source && BlockKinds::isFeedback(source->kind());
}

} // namespace

RegisterImage::RegisterImage(Evaluation evaluation)
    : m_evaluation(evaluation)
{
}

void RegisterImage::assignUnits(const DesignModel &model)
{
    m_model = &model;
    m_units.fill(nullptr);
    m_nonFncCount = m_dlyFncCount = m_cntFncCount = 0;
    m_compiled.clear();

    QList<BlockItem *> oscillators, feedbackCounters, plainCounters, logicDelays, plainDelays;
    QList<BlockItem *> counters, delays;
    for (BlockItem *block : model.functionBlocks()) {
        const BlockItem *source = block->source(0);
        if (block->kind() == CounterKind) {
            ++m_cntFncCount;
            counters << block;
            if (!CounterParameters::fromProperty(block->property()).takesInput())
                oscillators << block;
            else if (source)
                (isFeedbackSource(source) ? feedbackCounters : plainCounters) << block;
        } else if (block->kind() == DelayKind) {
            ++m_dlyFncCount;
            delays << block;
            if (source)
                (BlockKinds::isLogic(source->kind()) ? logicDelays : plainDelays) << block;
        } else if (block->kind() == PassKind) {
            ++m_nonFncCount;
        }
    }

    const int k = m_cntFncCount;
    const int l = m_dlyFncCount;
    if (k + l > 8 && k > l) {
        placeFunctions({oscillators, feedbackCounters, plainCounters, plainDelays, logicDelays},
                       10, -1);
    } else if (k + l > 8) {
        placeFunctions({logicDelays, plainDelays, plainCounters, feedbackCounters, oscillators},
                       0, 1);
    } else if (k > l) {
        placeFunctions({delays, counters}, 3, 1);
    } else {
        placeFunctions({counters, delays}, 7, -1);
    }

    placePassThroughs();
    computeMasks();
    resolveRouting();
}

void RegisterImage::placeFunctions(const QList<QList<BlockItem *>> &lists, int firstUnit, int step)
{
    int unit = firstUnit;
    for (const QList<BlockItem *> &list : lists) {
        for (BlockItem *block : list) {
            if (unit < 0 || unit >= UnitCount)
                return;
            m_units[unit] = block;
            unit += step;
        }
    }
}

void RegisterImage::placePassThroughs()
{
    size_t scan = 0;
    for (BlockItem *block : m_model->functionBlocks()) {
        while (scan < passUnitOrder.size() && m_units[passUnitOrder[scan]])
            ++scan;
        if (scan == passUnitOrder.size())
            return;
        if (block->kind() == PassKind)
            m_units[passUnitOrder[scan]] = block;
    }
}

void RegisterImage::computeMasks()
{
    m_unitModeMask = 0;
    m_cntFeedbackMask = 0;
    m_dlyFeedbackMask = 0;
    for (int unit = 0; unit < UnitCount; ++unit) {
        const BlockItem *block = m_units[unit];
        const bool modeBit = unit < 3 ? blockOnUnit(unit, DelayKind) != nullptr
                                      : (block ? block->kind() != CounterKind : unit > 7);
        if (modeBit)
            m_unitModeMask |= 1u << unit;
    }
    for (int k = 0; k < 8; ++k) {
        const BlockItem *delay = blockOnUnit(delayUnitOrder[k], DelayKind);
        if (delay && isFeedbackSource(delay->source(0)))
            m_dlyFeedbackMask |= 1u << k;
        const BlockItem *counter = blockOnUnit(3 + k, CounterKind);
        if (counter && isFeedbackSource(counter->source(0)))
            m_cntFeedbackMask |= 1u << k;
    }
}

void RegisterImage::resolveRouting()
{
    m_tables = {};
    for (int bit = 0; bit < 16; ++bit)
        m_tables[PreLogicTable].blocks[bit] = preLogicSource(bit);
    for (int k = 0; k < 8; ++k) {
        const BlockItem *output = firstOutput(BlockKind::Output, k);
        m_tables[OutputTable].blocks[k] = output ? output->source(0) : nullptr;
        m_tables[FeedbackTable].blocks[k] = feedbackLogic(k);
    }
    for (int k = 0; k < 4; ++k) {
        const BlockItem *counter = firstOutput(BlockKind::MeasureCounter, k);
        m_tables[CounterTable].blocks[2 * k] = counter ? counter->source(0) : nullptr;
        m_tables[CounterTable].blocks[2 * k + 1] = counter ? counter->source(1) : nullptr;
    }
}

const BlockItem *RegisterImage::blockOnUnit(int unit, BlockKind kind) const
{
    const BlockItem *block = m_units[unit];
    return block && block->kind() == kind ? block : nullptr;
}

const BlockItem *RegisterImage::firstOutput(BlockKind kind, int resourceUnit) const
{
    for (const BlockItem *block : m_model->outputBlocks()) {
        if (block->kind() == kind && BlockKinds::resourceUnit(*block) == resourceUnit)
            return block;
    }
    return nullptr;
}

const BlockItem *RegisterImage::resolveLabel(const BlockItem *source) const
{
    if (!source || !BlockKinds::isLabel(source->kind()))
        return source;
    for (const BlockItem *block : m_model->outputBlocks()) {
        if (block->name() == source->name())
            return block->source(0);
    }
    return nullptr;
}

// Bits 0..5: pass-throughs in passUnitOrder; 8..12: units 3..7; 13..15:
// a counter on unit 8..10, else a delay on unit 0..2 (they share the line).
const BlockItem *RegisterImage::preLogicSource(int bit) const
{
    if (bit < 6) {
        const BlockItem *pass = blockOnUnit(passUnitOrder[bit], PassKind);
        return pass ? resolveLabel(pass->source(0)) : nullptr;
    }
    if (bit < 8)
        return nullptr;
    const int unit = bit - 5;
    if (unit <= 7) {
        const BlockItem *block = m_units[unit];
        const BlockItem *source = block ? block->source(0) : nullptr;
        return source && !isFeedbackSource(source) ? resolveLabel(source) : nullptr;
    }
    const BlockItem *counter = blockOnUnit(unit, CounterKind);
    if (counter && counter->source(0) && !isFeedbackSource(counter->source(0)))
        return resolveLabel(counter->source(0));
    const BlockItem *delay = blockOnUnit(unit - 8, DelayKind);
    return delay && delay->source(0) ? resolveLabel(delay->source(0)) : nullptr;
}

const BlockItem *RegisterImage::feedbackBlock(int bit) const
{
    const BlockItem *feedback = nullptr;
    const BlockItem *block = m_units[3 + bit];
    if (block && isFeedbackSource(block->source(0)))
        feedback = block->source(0);
    if (!feedback && bit >= 5) {
        const BlockItem *delay = blockOnUnit(bit - 5, DelayKind);
        if (delay && isFeedbackSource(delay->source(0)))
            feedback = delay->source(0);
    }
    if (!feedback)
        return nullptr;
    for (const BlockItem *output : m_model->outputBlocks()) {
        if (output->name().contains(feedback->name()))
            return output;
    }
    return nullptr;
}

// The post-logic block that drives feedback line `bit`.
const BlockItem *RegisterImage::feedbackLogic(int bit) const
{
    const BlockItem *feedback = feedbackBlock(bit);
    return feedback ? feedback->source(0) : nullptr;
}

int RegisterImage::sourceUnit(const BlockItem *logic, int port) const
{
    const BlockItem *source = resolveLabel(logic->source(port));
    if (!source)
        return -1;
    for (int unit = 0; unit < UnitCount; ++unit) {
        if (m_units[unit] == source)
            return unit;
    }
    return -1;
}

const RegisterImage::CompiledLogic &RegisterImage::compiled(const BlockItem *block) const
{
    auto found = m_compiled.find(block);
    if (found != m_compiled.end())
        return found->second;
    CompiledLogic logic;
    logic.table = LogicEvaluator::blockExpressionTable(block);

    std::array<quint16, 10> connectorPorts{}; // port bit driven by connector j
    const QStringList &connectors = LogicEvaluator::connectorNames();
    for (int j = 0; j < connectors.size(); ++j) {
        for (int port = 0; port < LogicEvaluator::InputCount; ++port) {
            const BlockItem *source = block->source(port);
            if (source && source->name() == connectors.at(j)) {
                connectorPorts[j] = quint16(1u << port);
                break;
            }
        }
    }
    for (int half = 0; half < 32; ++half) {
        for (int j = 0; j < 5; ++j) {
            if (half & (1 << j)) {
                logic.connectorLow[half] |= connectorPorts[j];
                logic.connectorHigh[half] |= connectorPorts[j + 5];
            }
        }
    }

    std::array<quint16, UnitCount> unitPorts{}; // ports fed by unit u
    for (int port = 0; port < LogicEvaluator::InputCount; ++port) {
        const int unit = sourceUnit(block, port);
        if (unit >= 0)
            unitPorts[unit] |= quint16(1u << port);
    }
    for (int low = 0; low < 64; ++low) {
        for (int unit = 0; unit < 6; ++unit) {
            if (low & (1 << unit))
                logic.unitLow[low] |= unitPorts[unit];
        }
    }
    for (int high = 0; high < 32; ++high) {
        for (int unit = 6; unit < UnitCount; ++unit) {
            if (high & (1 << (unit - 6)))
                logic.unitHigh[high] |= unitPorts[unit];
        }
    }
    return m_compiled.emplace(block, logic).first->second;
}

bool RegisterImage::unitLogicValue(const BlockItem *logic, int a) const
{
    if (m_evaluation == Evaluation::TruthTables)
        return compiled(logic).unitValue(a);
    LogicEvaluator::Values values{};
    for (int port = 0; port < LogicEvaluator::InputCount; ++port) {
        const int unit = sourceUnit(logic, port);
        values[port] = unit >= 0 && (a & (1 << unit));
    }
    return LogicEvaluator::evaluateBlockExpression(logic, values);
}

quint32 RegisterImage::tableBits(TableIndex index, int pattern) const
{
    TableLogic &table = m_tables[index];
    const bool preLogic = index == PreLogicTable;
    quint32 bits = 0;
    if (m_evaluation == Evaluation::PerEntry) {
        for (size_t bit = 0; bit < table.blocks.size(); ++bit) {
            const BlockItem *block = table.blocks[bit];
            if (block && (preLogic ? LogicEvaluator::evaluatePreLogic(block, quint16(pattern))
                                   : unitLogicValue(block, pattern)))
                bits |= 1u << bit;
        }
        return bits;
    }
    if (!table.isCompiled) {
        for (size_t bit = 0; bit < table.blocks.size(); ++bit)
            table.compiled[bit] = table.blocks[bit] ? &compiled(table.blocks[bit]) : nullptr;
        table.isCompiled = true;
    }
    for (size_t bit = 0; bit < table.compiled.size(); ++bit) {
        const CompiledLogic *logic = table.compiled[bit];
        if (logic && (preLogic ? logic->preLogicValue(pattern) : logic->unitValue(pattern)))
            bits |= 1u << bit;
    }
    return bits;
}

quint16 RegisterImage::preLogicWord(int offset) const
{
    return quint16(tableBits(PreLogicTable, offset));
}

quint8 RegisterImage::outputByte(int a) const
{
    return quint8(tableBits(OutputTable, a));
}

quint8 RegisterImage::feedbackByte(int a) const
{
    return quint8(tableBits(FeedbackTable, a));
}

quint8 RegisterImage::counterByte(int a) const
{
    return quint8(tableBits(CounterTable, a));
}

quint8 RegisterImage::counterMode(int k) const
{
    const BlockItem *counter = blockOnUnit(3 + k, CounterKind);
    return counter ? quint8(CounterParameters::fromProperty(counter->property()).mode()) : 0;
}

quint32 RegisterImage::mainCount(int k) const
{
    const BlockItem *counter = blockOnUnit(3 + k, CounterKind);
    return counter ? CounterParameters::fromProperty(counter->property()).mainSteps() : 0;
}

quint32 RegisterImage::subCount(int k) const
{
    const BlockItem *counter = blockOnUnit(3 + k, CounterKind);
    return counter ? CounterParameters::fromProperty(counter->property()).subRegister() : 0;
}

quint16 RegisterImage::delayValue(int k) const
{
    const BlockItem *delay = blockOnUnit(delayUnitOrder[k], DelayKind);
    return delay ? quint16(DelayParameters::fromProperty(delay->property()).steps()) : 0;
}

quint8 RegisterImage::measureCounterMode(int k) const
{
    const BlockItem *counter = firstOutput(BlockKind::MeasureCounter, k);
    return counter ? quint8(MeasureCounterParameters::fromProperty(counter->property()).mode()) : 0;
}

quint32 RegisterImage::parameterValue(quint32 address) const
{
    if (address < 0x0008) {
        const quint32 masks[] = {m_dlyFeedbackMask, m_cntFeedbackMask, m_unitModeMask};
        return address >= 0x0004 && address <= 0x0006 ? masks[address - 0x0004] : 0;
    }
    if (address < 0x0010)
        return counterMode(int(address - 0x0008));
    if (address < 0x0020)
        return delayValue(int(address - 0x0010) / 2);
    if (address < 0x0060) {
        const int k = int(address - 0x0020) / 8;
        return (address - 0x0020) % 8 ? subCount(k) : mainCount(k);
    }
    return address < ReservedBase ? measureCounterMode(int(address - 0x0060)) : 0;
}

quint32 RegisterImage::registerValue(quint32 address) const
{
    if (address < PreLogicBase)
        return parameterValue(address);
    if (address < OutputTableBase)
        return preLogicWord(int(address - PreLogicBase));
    if (address < FeedbackTableBase)
        return outputByte(int(address - OutputTableBase));
    if (address < CounterTableBase)
        return feedbackByte(int(address - FeedbackTableBase));
    return counterByte(int(address - CounterTableBase));
}

bool RegisterImage::writeImage(const DesignModel &model, BatchWriter &writer)
{
    assignUnits(model);
    for (const ImageRegisters::Field &field : ImageRegisters::fields())
        ImageRegisters::put(writer, field, registerValue(field.address));
    writer.flush();
    return true;
}
