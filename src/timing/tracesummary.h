// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/tracesignals.h"
#include "timing/tracesink.h"

#include <array>
#include <vector>

// Pulses on the NIM outputs: the count of rising edges and, while there
// are fewer than a limit, their ticks (memory stays bounded).
class TraceSummary : public TraceSink
{
public:
    static constexpr size_t DefaultLimit = 10000;

    explicit TraceSummary(size_t limit = DefaultLimit);

    Watch watched() const override;
    void step(quint64 tick, quint64 levels, quint64 changed) override;

    quint64 riseCount(int output) const { return m_counts[output]; }
    // Empty once the count reached the limit.
    const std::vector<quint64> &riseTicks(int output) const { return m_ticks[output]; }
    bool hasAllRises(int output) const { return m_counts[output] < m_limit; }

private:
    size_t m_limit;
    std::array<quint64, TraceSignals::OutputCount> m_counts{};
    std::array<std::vector<quint64>, TraceSignals::OutputCount> m_ticks;
};
