// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class BlockItem;
class SignalBlocks;

// One row of the waveform view: a traced signal (TraceSignals index), its
// caption and the design block it stands for (the model's; null for none).
struct WaveformRow
{
    int signal;
    QString label;
    const BlockItem *block;
};

// The rows a design's simulation shows, in signal-path order: the inputs
// the design uses, the function units that hold blocks (named after them),
// the NIM outputs in use, the measure-counter GATE and SRC inputs that are
// wired and the feedback lines the units read.
class WaveformRows
{
    Q_DECLARE_TR_FUNCTIONS(WaveformRows)

public:
    static QList<WaveformRow> fromDesign(const SignalBlocks &blocks);
    // The row showing a block's signal first, or -1.
    static int rowOf(const QList<WaveformRow> &rows, const BlockItem *block);

private:
    static QString label(int signal, const BlockItem &block);
};
