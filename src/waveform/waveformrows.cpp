// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveformrows.h"

#include "timing/signalblocks.h"
#include "model/blockitem.h"
#include "timing/tracesignals.h"

QList<WaveformRow> WaveformRows::fromDesign(const SignalBlocks &blocks)
{
    QList<WaveformRow> rows;
    for (int signal = 0; signal < TraceSignals::Count; ++signal) {
        if (const BlockItem *block = blocks.block(signal))
            rows.append({signal, label(signal, *block), block});
    }
    return rows;
}

int WaveformRows::rowOf(const QList<WaveformRow> &rows, const BlockItem *block)
{
    for (int row = 0; row < rows.size(); ++row) {
        if (block && rows.at(row).block == block)
            return row;
    }
    return -1;
}

QString WaveformRows::label(int signal, const BlockItem &block)
{
    const QString name = TraceSignals::name(signal);
    if (signal >= TraceSignals::FirstUnit && signal < TraceSignals::FirstOutput)
        return tr("%1 (%2)").arg(block.displayName(), name);
    if (signal >= TraceSignals::FirstCounterInput && signal < TraceSignals::FirstFeedback)
        return tr("%1 %2").arg(block.displayName(), name.section(QLatin1Char('.'), 1));
    if (block.displayName() == name)
        return name;
    return tr("%1 (%2)").arg(block.displayName(), name);
}
