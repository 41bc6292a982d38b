// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/tracesignals.h"
#include "timing/tracesink.h"

#include <array>
#include <vector>

// Keeps every signal's changes in memory, for a waveform view of a short
// run. Memory grows with the number of changes.
class TraceRecorder : public TraceSink
{
public:
    struct Change
    {
        quint64 tick;
        bool level;
        bool operator==(const Change &other) const
        {
            return tick == other.tick && level == other.level;
        }
    };

    Watch watched() const override { return {~quint64(0), ~quint64(0)}; }
    void step(quint64 tick, quint64 levels, quint64 changed) override;
    void finish(quint64 endTick) override { m_end = endTick; }

    // Changes of a TraceSignals signal in tick order; 0 before the first.
    const std::vector<Change> &changes(int signal) const { return m_changes[signal]; }
    quint64 endTick() const { return m_end; }

private:
    std::array<std::vector<Change>, TraceSignals::Count> m_changes;
    quint64 m_end = 0;
};
