// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/tracesignals.h"
#include "timing/tracesink.h"

#include <array>
#include <optional>
#include <vector>

class TimingImage;

// What the four measure counters measure in a run, from their GATE and SRC
// traces and their mode bytes: gate bits 0..1 (whole run, while GATE is 1,
// rise to rise, change to change), source bits 2..3 (ticks, ticks with SRC
// at 1, SRC rises, SRC changes). Values are in ticks. At most `limit`
// measurements are kept per counter; all are counted.
class MeasureCounters : public TraceSink
{
public:
    struct Measurement
    {
        quint64 endTick; // the tick of the closing edge
        quint64 value;
    };

    explicit MeasureCounters(const TimingImage &image, size_t limit = SIZE_MAX);

    Watch watched() const override { return m_watch; }
    void step(quint64 tick, quint64 levels, quint64 changed) override;
    void finish(quint64 endTick) override { m_end = endTick; }

    const std::vector<Measurement> &measurements(int counter) const;
    quint64 measurementCount(int counter) const { return m_counters[counter].count; }
    // The last closed interval, kept whatever the limit.
    std::optional<Measurement> latest(int counter) const;
    // Gate bits of the counter's mode: 0 = the whole run, no GATE.
    int gateMode(int counter) const { return m_counters[counter].gateMode; }
    // The value of the interval still open at the end of the run so far.
    std::optional<quint64> running(int counter) const;

private:
    struct Counter
    {
        int gateMode = 0;
        int sourceMode = 0;
        bool source = false; // SRC up to the tick before the last step
        bool open = false;
        quint64 start = 0;
        quint64 value = 0;      // edges counted, or ticks with SRC at 1 before highSince
        quint64 highSince = 0;  // start of the SRC = 1 stretch not yet added
        quint64 count = 0;
        Measurement latest{0, 0};
        std::vector<Measurement> kept;
    };

    void watch(int gateMode, int sourceMode, int gateSignal);
    // levels and changed: bit 0 GATE, bit 1 SRC.
    void update(Counter &counter, quint64 tick, quint64 levels, quint64 changed);
    void close(Counter &counter, quint64 tick);
    static quint64 valueAt(const Counter &counter, quint64 tick);

    size_t m_limit;
    Watch m_watch{0, 0};
    quint64 m_end = 0;
    std::array<Counter, TraceSignals::CounterCount> m_counters;
};
