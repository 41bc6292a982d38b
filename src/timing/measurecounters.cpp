// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurecounters.h"

#include "timing/timingimage.h"

namespace {

enum GateMode { WholeRun, WhileHigh, RiseToRise, ChangeToChange };
enum SourceMode { Ticks, HighTicks, Rises, Changes };

} // namespace

MeasureCounters::MeasureCounters(const TimingImage &image, size_t limit)
    : m_limit(limit)
{
    for (int k = 0; k < TraceSignals::CounterCount; ++k) {
        Counter &counter = m_counters[k];
        counter.gateMode = image.measureCounterMode(k) & 3;
        counter.sourceMode = (image.measureCounterMode(k) >> 2) & 3;
        counter.open = counter.gateMode == WholeRun;
        watch(counter.gateMode, counter.sourceMode, TraceSignals::FirstCounterInput + 2 * k);
    }
}

// Only the edges a mode counts: rise to rise needs no falls, a whole run
// no GATE and counting ticks no SRC at all.
void MeasureCounters::watch(int gateMode, int sourceMode, int gateSignal)
{
    const quint64 gate = quint64(1) << gateSignal;
    const quint64 source = gate << 1;
    if (gateMode != WholeRun)
        m_watch.rises |= gate;
    if (gateMode == WhileHigh || gateMode == ChangeToChange)
        m_watch.falls |= gate;
    if (sourceMode != Ticks)
        m_watch.rises |= source;
    if (sourceMode == HighTicks || sourceMode == Changes)
        m_watch.falls |= source;
}

void MeasureCounters::step(quint64 tick, quint64 levels, quint64 changed)
{
    for (int k = 0; k < TraceSignals::CounterCount; ++k) {
        const int gate = TraceSignals::FirstCounterInput + 2 * k;
        if ((changed >> gate) & 3u)
            update(m_counters[k], tick, levels >> gate, changed >> gate);
    }
}

// At a tick the interval closes first, then the next one opens, then the
// SRC edge of that tick is counted, in the new interval.
void MeasureCounters::update(Counter &counter, quint64 tick, quint64 levels, quint64 changed)
{
    const bool gate = levels & 1u;
    const bool source = levels & 2u;
    const bool gateChange = changed & 1u;
    const bool gateRise = gateChange && gate;
    bool closes = false;
    bool opens = false;
    switch (counter.gateMode) {
    case WhileHigh:
        closes = gateChange && !gate;
        opens = gateRise;
        break;
    case RiseToRise:
        closes = gateRise && counter.open;
        opens = gateRise;
        break;
    case ChangeToChange:
        closes = gateChange && counter.open;
        opens = gateChange;
        break;
    default:
        break;
    }
    if (closes)
        close(counter, tick);
    if (opens) {
        counter.open = true;
        counter.start = tick;
        counter.value = 0;
        counter.highSince = tick;
    }
    const bool sourceChange = changed & 2u;
    if (counter.open && sourceChange) {
        if (counter.sourceMode == Changes || (counter.sourceMode == Rises && source))
            ++counter.value;
        if (counter.sourceMode == HighTicks && !source)
            counter.value += tick - counter.highSince;
        if (source)
            counter.highSince = tick;
    }
    counter.source = source;
}

void MeasureCounters::close(Counter &counter, quint64 tick)
{
    counter.latest = {tick, valueAt(counter, tick)};
    if (counter.kept.size() < m_limit)
        counter.kept.push_back(counter.latest);
    ++counter.count;
    counter.open = false;
}

quint64 MeasureCounters::valueAt(const Counter &counter, quint64 tick)
{
    switch (counter.sourceMode) {
    case Ticks:
        return tick - counter.start;
    case HighTicks:
        return counter.value + (counter.source ? tick - counter.highSince : 0);
    default:
        return counter.value;
    }
}

const std::vector<MeasureCounters::Measurement> &MeasureCounters::measurements(int counter) const
{
    return m_counters[counter].kept;
}

std::optional<MeasureCounters::Measurement> MeasureCounters::latest(int counter) const
{
    const Counter &state = m_counters[counter];
    if (state.count == 0)
        return std::nullopt;
    return state.latest;
}

std::optional<quint64> MeasureCounters::running(int counter) const
{
    const Counter &state = m_counters[counter];
    if (!state.open)
        return std::nullopt;
    return valueAt(state, m_end);
}
