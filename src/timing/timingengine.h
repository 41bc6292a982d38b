#pragma once

#include "timing/delayline.h"
#include "timing/timerunit.h"

#include <QtGlobal>

#include <array>
#include <vector>

class InputSource;
class TimingImage;
class TraceSink;

// The module's trigger logic run tick by tick (5 ns) from a compiled
// register image alone: inputs through the pre-logic table, eleven function
// units (pass-through, delay line or timer, as the image says), the output,
// feedback and measure-counter tables, feedback reaching the units one tick
// later. Event-driven: only ticks at which an input changes, a unit is due
// or a feedback line changes are computed. A run can be continued: the
// module simulator advances it in real time, pulling inputs from
// generators.
class TimingEngine
{
public:
    enum class UnitKind { PassThrough, Delay, Timer };

    explicit TimingEngine(const TimingImage &image);

    // Neither is owned; both must outlive the runs. Without a source the
    // inputs stay 0.
    void setInputSource(InputSource *source) { m_source = source; }
    void addSink(TraceSink *sink) { m_sinks.push_back(sink); }

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

    void setUpUnits(const TimingImage &image);
    void setUpUnitInput(int unit, bool fromFeedback, int bit);
    quint64 nextTick() const;
    void evaluate(quint64 tick);
    void takeInputs(quint64 tick);
    quint16 unitInputs(quint16 preLogic, quint8 feedback) const;
    quint16 dueUnits(quint64 tick) const;
    bool stepUnit(int unit, quint64 tick, bool input);

    std::array<quint16, 1024> m_preLogic{};
    std::array<quint8, 2048> m_outputs{};
    std::array<quint8, 2048> m_feedback{};
    std::array<quint8, 2048> m_counters{};

    std::array<UnitKind, UnitCount> m_kinds{};
    std::array<TimerUnit, UnitCount> m_timers{};
    std::array<DelayLine, UnitCount> m_delays{};
    std::array<quint64, UnitCount> m_due{};
    // Bit u set: unit u is fed by feedback line m_inputBit[u], else by that
    // pre-logic bit.
    quint16 m_feedbackFed = 0;
    std::array<quint8, UnitCount> m_inputBit{};

    InputSource *m_source = nullptr;
    std::vector<TraceSink *> m_sinks;

    quint16 m_inputs = 0;     // input pattern, bit j = connector j
    quint16 m_unitInputs = 0; // bit u = input of unit u
    quint16 m_unitOutputs = 0;
    quint64 m_levels = 0;
    // Tick at which a feedback line changes, or Never; 0 at first, as tick 0
    // is always computed (oscillators start there).
    quint64 m_feedbackChange = 0;
    quint64 m_end = 0;
};
