#include "tracesummary.h"

TraceSummary::TraceSummary(size_t limit)
    : m_limit(limit)
{
}

void TraceSummary::step(quint64 tick, quint64 levels)
{
    constexpr quint64 outputBits = quint64((1u << TraceSignals::OutputCount) - 1)
                                   << TraceSignals::FirstOutput;
    for (quint64 rises = levels & ~m_levels & outputBits; rises; rises &= rises - 1) {
        const int output = __builtin_ctzll(rises) - TraceSignals::FirstOutput;
        if (++m_counts[output] < m_limit) {
            m_ticks[output].push_back(tick);
        } else if (!m_ticks[output].empty()) {
            m_ticks[output].clear();
            m_ticks[output].shrink_to_fit();
        }
    }
    m_levels = levels;
}
