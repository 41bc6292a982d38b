// SPDX-License-Identifier: GPL-3.0-or-later
#include "timing/signalblocks.h"

#include "compiler/registerimage.h"
#include "model/blockitem.h"
#include "model/blockkinds.h"
#include "model/designmodel.h"

SignalBlocks::SignalBlocks(const DesignModel &model)
{
    addInputs(model);
    RegisterImage units;
    units.assignUnits(model);
    for (int unit = 0; unit < RegisterImage::UnitCount; ++unit)
        add(TraceSignals::FirstUnit + unit, units.unit(unit), units.unit(unit));
    addOutputs(model);
    // Feedback lines have no driver name: the unit they feed is named already.
    for (int line = 0; line < TraceSignals::FeedbackCount; ++line)
        m_blocks[TraceSignals::FirstFeedback + line] = units.feedbackBlock(line);
}

void SignalBlocks::addInputs(const DesignModel &model)
{
    for (const BlockItem *input : model.inputBlocks()) {
        const int connector = InputNames::connectors().indexOf(input->name());
        if (connector < 0)
            continue;
        m_names.addAlias(input->displayName(), connector);
        add(TraceSignals::FirstInput + connector, input, input);
    }
}

void SignalBlocks::addOutputs(const DesignModel &model)
{
    for (const BlockItem *output : model.outputBlocks()) {
        const int resource = BlockKinds::resourceUnit(*output);
        if (output->kind() == BlockKind::Output && output->source(0))
            add(TraceSignals::FirstOutput + resource, output, output->source(0));
        if (output->kind() != BlockKind::MeasureCounter)
            continue;
        for (int port = 0; port < 2; ++port) {
            if (output->source(port))
                add(TraceSignals::FirstCounterInput + 2 * resource + port, output, output->source(port));
        }
    }
}

void SignalBlocks::add(int signal, const BlockItem *block, const BlockItem *driver)
{
    if (!block)
        return;
    m_blocks[signal] = block;
    m_drivers.insert(signal, driver->displayName());
}
