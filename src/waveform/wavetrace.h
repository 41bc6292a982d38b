// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/tracerecorder.h"

#include <optional>
#include <vector>

// Questions the waveform view asks of one signal's recorded changes (tick
// order, level 0 before the first). Every answer costs a binary search, so
// it stays fast for millions of changes.
class WaveTrace
{
public:
    using Changes = std::vector<TraceRecorder::Change>;

    enum class Level { Low, High, Band };
    // Pixel columns from .. to - 1 drawn alike; Band: more than one edge
    // fell into each of them, drawn as a filled band.
    struct Span
    {
        int from;
        int to;
        Level level;
        bool operator==(const Span &other) const
        {
            return from == other.from && to == other.to && level == other.level;
        }
    };

    static bool levelAt(const Changes &changes, quint64 tick);
    // The first change after tick, or the last before it.
    static std::optional<quint64> nextEdge(const Changes &changes, quint64 tick);
    static std::optional<quint64> previousEdge(const Changes &changes, quint64 tick);
    // The columns 0 .. width - 1, column x covering ticks
    // [firstTick + x * ticksPerPixel, firstTick + (x + 1) * ticksPerPixel):
    // a column shows the level at its end, or a band when two or more edges
    // fall into it. Neighbouring columns alike are merged.
    static std::vector<Span> spans(const Changes &changes, double firstTick, double ticksPerPixel,
                                   int width);

private:
    // Index of the first change at a tick >= bound.
    static size_t firstAtOrAfter(const Changes &changes, size_t from, double bound);
};
