// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/counterassignment.h"

#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/measurecounterparameters.h"

namespace {
const QString measureCounterTerm = QStringLiteral("MsrCnt");
}

CounterConfig CounterAssignment::withoutDesign()
{
    CounterConfig config;
    for (int n = 0; n < CounterConfig::counterCount; ++n)
        config.names[size_t(n)] = measureCounterTerm + QString::number(n);
    return config;
}

CounterConfig CounterAssignment::fromDesign(const DesignModel &model)
{
    CounterConfig config;
    for (const BlockItem *block : model.outputBlocks()) {
        const int n = BlockKinds::resourceUnit(*block);
        if (block->kind() != BlockKind::MeasureCounter || n < 0 || n >= CounterConfig::counterCount)
            continue;
        const auto index = size_t(n);
        const auto parameters = MeasureCounterParameters::fromProperty(block->property());
        config.sources[index] = parameters.mode() & 0x0F;
        config.names[index] = block->displayName();
        if (parameters.fileSave())
            config.dirs[index] = parameters.path();
        if (!parameters.countsEvents()) {
            const QString unit = parameters.unit();
            config.units[index] = unit.isEmpty() ? QStringLiteral("nsec") : unit;
        }
    }
    return config;
}
