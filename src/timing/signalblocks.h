// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/inputnames.h"
#include "timing/tracesignals.h"

#include <QHash>
#include <QString>

#include <array>

class BlockItem;
class DesignModel;

// The design's blocks behind the traced signals of a timing simulation of
// its compiled image: the input blocks, the blocks on the function units
// (as the compiler assigns them), the NIM-OUT and MsrCnt blocks and the
// feedback blocks. The pointers are the model's and live as long as it
// does unchanged.
class SignalBlocks
{
public:
    explicit SignalBlocks(const DesignModel &model);

    // The block a signal stands for; null when the design does not use it.
    const BlockItem *block(int signal) const { return m_blocks[signal]; }
    // TraceSignals index → name of the block that drives the signal.
    const QHash<int, QString> &drivers() const { return m_drivers; }
    // The connector names and the port names the design gives them.
    const InputNames &inputNames() const { return m_names; }

private:
    void addInputs(const DesignModel &model);
    void addOutputs(const DesignModel &model);
    void add(int signal, const BlockItem *block, const BlockItem *driver);

    std::array<const BlockItem *, TraceSignals::Count> m_blocks{};
    QHash<int, QString> m_drivers;
    InputNames m_names;
};
