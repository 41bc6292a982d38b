// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavetrace.h"

#include <algorithm>
#include <cmath>

namespace {

bool tickBefore(const TraceRecorder::Change &change, quint64 tick)
{
    return change.tick < tick;
}

} // namespace

bool WaveTrace::levelAt(const Changes &changes, quint64 tick)
{
    const auto after = std::upper_bound(changes.begin(), changes.end(), tick,
                                         [](quint64 t, const TraceRecorder::Change &c) { return t < c.tick; });
    return after != changes.begin() && std::prev(after)->level;
}

std::optional<quint64> WaveTrace::nextEdge(const Changes &changes, quint64 tick)
{
    const auto after = std::upper_bound(changes.begin(), changes.end(), tick,
                                         [](quint64 t, const TraceRecorder::Change &c) { return t < c.tick; });
    if (after == changes.end())
        return std::nullopt;
    return after->tick;
}

std::optional<quint64> WaveTrace::previousEdge(const Changes &changes, quint64 tick)
{
    const auto at = std::lower_bound(changes.begin(), changes.end(), tick, tickBefore);
    if (at == changes.begin())
        return std::nullopt;
    return std::prev(at)->tick;
}

size_t WaveTrace::firstAtOrAfter(const Changes &changes, size_t from, double bound)
{
    const quint64 tick = bound <= 0 ? 0 : quint64(std::ceil(bound));
    return size_t(std::lower_bound(changes.begin() + from, changes.end(), tick, tickBefore)
                  - changes.begin());
}

std::vector<WaveTrace::Span> WaveTrace::spans(const Changes &changes, double firstTick,
                                              double ticksPerPixel, int width)
{
    std::vector<Span> result;
    size_t next = firstAtOrAfter(changes, 0, firstTick);
    bool level = next > 0 && changes[next - 1].level;
    for (int x = 0; x < width; ++x) {
        const size_t end = firstAtOrAfter(changes, next, firstTick + (x + 1) * ticksPerPixel);
        const size_t edges = end - next;
        if (edges > 0)
            level = changes[end - 1].level;
        const Level shown = edges > 1 ? Level::Band : level ? Level::High : Level::Low;
        if (!result.empty() && result.back().level == shown)
            result.back().to = x + 1;
        else
            result.push_back({x, x + 1, shown});
        next = end;
    }
    return result;
}
