// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracesummary.h"

namespace {

constexpr quint64 OutputBits = quint64((1u << TraceSignals::OutputCount) - 1)
                               << TraceSignals::FirstOutput;

} // namespace

TraceSummary::TraceSummary(size_t limit)
    : m_limit(limit)
{
}

TraceSink::Watch TraceSummary::watched() const
{
    return {OutputBits, 0};
}

void TraceSummary::step(quint64 tick, quint64 levels, quint64 changed)
{
    for (quint64 rises = levels & changed & OutputBits; rises; rises &= rises - 1) {
        const int output = __builtin_ctzll(rises) - TraceSignals::FirstOutput;
        if (++m_counts[output] < m_limit) {
            m_ticks[output].push_back(tick);
        } else if (!m_ticks[output].empty()) {
            m_ticks[output].clear();
            m_ticks[output].shrink_to_fit();
        }
    }
}
