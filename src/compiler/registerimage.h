// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compiler/imagelayout.h"
#include "model/blockkinds.h"
#include "model/logicevaluator.h"
#include "model/truthtable.h"

#include <QList>
#include <QString>
#include <array>
#include <unordered_map>

class BatchWriter;
class BlockItem;
class DesignModel;

// Register view of a design: which function block sits on each of the eleven
// function units, the routing masks, and the generator of every register
// value. Generators read the design given to the last assignUnits(), which
// must stay alive and unchanged while they are used.
//
// Expression errors are thrown as message texts (QString) with the block's
// name in front, exactly as the logic evaluator reports them.
class RegisterImage
{
public:
    // TruthTables evaluates each logic block once for all 2048 input
    // combinations; PerEntry evaluates the expression text for every table
    // entry. Both give identical images.
    enum class Evaluation { TruthTables, PerEntry };

    static constexpr int UnitCount = 11;
    static constexpr std::array<int, 8> delayUnitOrder{3, 4, 5, 6, 7, 0, 1, 2};
    static constexpr std::array<int, 6> passUnitOrder{0, 1, 2, 8, 9, 10};

    static constexpr quint32 ParameterBase = ImageLayout::parameterBlock;
    static constexpr int ParameterSize = ImageLayout::parameterBlockSize; // 0x0004..0x0067
    // Four zero bytes, never compared.
    static constexpr quint32 ReservedBase = ImageLayout::counterControl;
    static constexpr quint32 PreLogicBase = ImageLayout::preLogicTable;
    static constexpr int PreLogicEntries = ImageLayout::tableSize / 2; // 16-bit words
    static constexpr quint32 OutputTableBase = ImageLayout::outputTable;
    static constexpr quint32 FeedbackTableBase = ImageLayout::feedbackTable;
    static constexpr quint32 CounterTableBase = ImageLayout::counterTable;
    static constexpr int TableEntries = ImageLayout::tableSize; // bytes per unit-output table

    explicit RegisterImage(Evaluation evaluation = Evaluation::TruthTables);

    void assignUnits(const DesignModel &model);
    // Writes every register of ImageRegisters::fields() in ascending address
    // order, then flushes. The
    // writer's own errors pass through.
    bool writeImage(const DesignModel &model, BatchWriter &writer);

    const BlockItem *unit(int index) const { return m_units[index]; }
    int nonFncCount() const { return m_nonFncCount; }
    int dlyFncCount() const { return m_dlyFncCount; }
    int cntFncCount() const { return m_cntFncCount; }
    quint16 unitModeMask() const { return m_unitModeMask; }
    quint8 cntFeedbackMask() const { return m_cntFeedbackMask; }
    quint8 dlyFeedbackMask() const { return m_dlyFeedbackMask; }

    // The value of the image register at `address`, as wide as
    // ImageRegisters::fields() says: 0x0004..0x0063 masks, counter modes,
    // delays, main and sub counts, measure-counter modes; the reserved bytes
    // 0x0064..0x0067 read 0; from 0x2000 the table entries.
    quint32 registerValue(quint32 address) const;

    // k = 0..7: counter function on unit 3 + k; 0 when there is none.
    quint8 counterMode(int k) const;
    quint32 mainCount(int k) const;
    // Reduced by one in modes 0, 1, 8 and 9 (a zero count stays zero).
    quint32 subCount(int k) const;
    // k = 0..7: delay function on unit delayUnitOrder[k], in 5 ns steps.
    quint16 delayValue(int k) const;
    // k = 0..3: measure counter "MsrCnt<k>".
    quint8 measureCounterMode(int k) const;

    // offset = 2p, p being the input pattern (bit j = connector j).
    quint16 preLogicWord(int offset) const;
    // a: unit-output pattern, bit j = output of unit j.
    bool unitLogicValue(const BlockItem *logic, int a) const;
    quint8 outputByte(int a) const;
    quint8 feedbackByte(int a) const;
    quint8 counterByte(int a) const;

    // The source a label stands for: the port-0 source of the first output
    // block with the label's name. Other blocks stand for themselves.
    const BlockItem *resolveLabel(const BlockItem *source) const;
    // The feedback block (output column) whose line `bit` a unit reads, found
    // through the feedback reference that feeds the unit; null when none.
    const BlockItem *feedbackBlock(int bit) const;

private:
    // Per logic block: its truth table and, split into two halves of the
    // pattern, which combination of the block's ports a pattern drives.
    struct CompiledLogic
    {
        TruthTable table;
        std::array<quint16, 32> connectorLow{};  // input pattern bits 0..4
        std::array<quint16, 32> connectorHigh{}; // input pattern bits 5..9
        std::array<quint16, 64> unitLow{};       // unit outputs 0..5
        std::array<quint16, 32> unitHigh{};      // unit outputs 6..10

        bool preLogicValue(int offset) const
        {
            return table.at(connectorLow[(offset >> 1) & 31] | connectorHigh[(offset >> 6) & 31]);
        }
        bool unitValue(int a) const { return table.at(unitLow[a & 63] | unitHigh[(a >> 6) & 31]); }
    };

    // The blocks that decide the bits of one register table. They do not
    // depend on the pattern, so they are resolved once per assignUnits and
    // compiled at the table's first entry, in bit order, as the per-entry
    // evaluation would first meet them.
    struct TableLogic
    {
        std::array<const BlockItem *, 16> blocks{};
        std::array<const CompiledLogic *, 16> compiled{};
        bool isCompiled = false;
    };
    enum TableIndex { PreLogicTable, OutputTable, FeedbackTable, CounterTable, TableCount };

    quint32 parameterValue(quint32 address) const;
    void placeFunctions(const QList<QList<BlockItem *>> &lists, int firstUnit, int step);
    void placePassThroughs();
    void computeMasks();
    void resolveRouting();

    const BlockItem *blockOnUnit(int unit, BlockKind kind) const;
    // The first output-side block of the kind on resource unit n ("NIM-OUT<n>").
    const BlockItem *firstOutput(BlockKind kind, int resourceUnit) const;
    const BlockItem *preLogicSource(int bit) const;
    const BlockItem *feedbackLogic(int bit) const;
    int sourceUnit(const BlockItem *logic, int port) const;
    const CompiledLogic &compiled(const BlockItem *block) const;
    quint32 tableBits(TableIndex index, int pattern) const;

    Evaluation m_evaluation;
    const DesignModel *m_model = nullptr;
    std::array<const BlockItem *, UnitCount> m_units{};
    int m_nonFncCount = 0;
    int m_dlyFncCount = 0;
    int m_cntFncCount = 0;
    quint16 m_unitModeMask = 0;
    quint8 m_cntFeedbackMask = 0;
    quint8 m_dlyFeedbackMask = 0;

    // Bits: pre-logic 0..15; NIM outputs 0..7; feedback lines 0..7; measure
    // counters 2k (GATE) and 2k + 1 (SRC).
    mutable std::array<TableLogic, TableCount> m_tables;
    // Node-based so that the pointers kept in m_tables stay valid.
    mutable std::unordered_map<const BlockItem *, CompiledLogic> m_compiled;
};
