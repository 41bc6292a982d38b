// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/delayline.h"
#include "timing/timerunit.h"
#include "timing/tracesink.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <vector>

class InputSource;
class TimingImage;

// The module's trigger logic run tick by tick (5 ns) from a compiled
// register image alone: inputs through the pre-logic table, eleven function
// units (pass-through, delay line or timer, as the image says), the output,
// feedback and measure-counter tables, feedback reaching the units one tick
// later. Event-driven: the engine jumps from one tick at which an input
// changes, a unit is due or a feedback line changes to the next; only
// units whose input changed or that are due are stepped, and a sink is
// called only for the edges it watches. A run can be continued: the module
// simulator advances it in real time, pulling inputs from generators.
class TimingEngine
{
public:
    enum class UnitKind { PassThrough, Delay, Timer };

    explicit TimingEngine(const TimingImage &image);

    // Neither is owned; both must outlive the runs. Without a source the
    // inputs stay 0.
    void setInputSource(InputSource *source) { m_source = source; }
    void addSink(TraceSink *sink);

    // Simulates the ticks before endTick not simulated yet.
    void runUntil(quint64 endTick);
    // Tells the sinks that the run covers the ticks before endTick().
    void finish();
    quint64 endTick() const { return m_end; }
    // Every signal's level at the last simulated tick (TraceSignals bits).
    quint64 levels() const { return m_levels; }
    UnitKind unitKind(int unit) const { return m_kinds[unit]; }

private:
    static constexpr int UnitCount = 11;

    struct Watcher
    {
        TraceSink *sink;
        TraceSink::Watch edges;
    };

    void setUpUnits(const TimingImage &image);
    void setUpUnitInput(int unit, bool fromFeedback, int bit);
    void setUpTables(const TimingImage &image);
    quint16 gatherInputs(quint16 word, quint16 units) const;
    quint64 nextTick() const { return std::min({m_inputTick, m_nextDue, m_feedbackChange}); }
    void evaluate(quint64 tick);
    void takeInputs(quint64 tick);
    quint16 stepUnits(quint16 units, quint64 tick, quint16 inputs);
    bool stepUnit(int unit, quint64 tick, bool input);
    void findNextDue();
    void tell(quint64 tick, quint64 levels);

    // Everything a tick needs, looked up instead of computed: the input
    // pattern p gives the inputs of the units fed by the pre-logic, the
    // unit outputs a the inputs of the feedback-fed units one tick later,
    // the unit, NIM-output and measure-counter levels, and the feedback
    // levels one tick later (TraceSignals bits).
    std::array<quint16, 1024> m_patternInputs{};
    std::array<quint16, 2048> m_feedbackInputs{};
    std::array<quint64, 2048> m_outputLevels{};
    std::array<quint64, 2048> m_feedbackLevels{};

    std::array<UnitKind, UnitCount> m_kinds{};
    std::array<TimerUnit, UnitCount> m_timers{};
    std::array<DelayLine, UnitCount> m_delays{};
    std::array<quint64, UnitCount> m_due{};
    quint16 m_stateful = 0; // bit u: unit u is a timer or a delay line
    quint16 m_timedUnits = 0; // bit u: m_due[u] is not Never
    // Bit u set: unit u is fed by feedback line m_inputBit[u], else by that
    // pre-logic bit.
    quint16 m_feedbackFed = 0;
    std::array<quint8, UnitCount> m_inputBit{};

    InputSource *m_source = nullptr;
    std::vector<Watcher> m_watchers;

    quint16 m_inputs = 0;     // input pattern, bit j = connector j
    quint16 m_unitInputs = 0; // bit u = input of unit u
    quint16 m_unitOutputs = 0;
    quint64 m_levels = 0;
    // The next ticks at which an input changes, the earliest unit is due and
    // a feedback line changes, each Never when none. The feedback one is 0
    // at first, as tick 0 is always computed (oscillators start there).
    quint64 m_inputTick = TimerUnit::Never;
    quint64 m_nextDue = TimerUnit::Never;
    quint16 m_dueUnits = 0; // the units due at m_nextDue
    quint64 m_feedbackChange = 0;
    quint64 m_end = 0;
};
