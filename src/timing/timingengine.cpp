// SPDX-License-Identifier: GPL-3.0-or-later
#include "timingengine.h"

#include "compiler/registerimage.h"
#include "timing/inputsource.h"
#include "timing/timingimage.h"
#include "timing/tracesignals.h"
#include "timing/tracesink.h"

#include <algorithm>

namespace {

constexpr quint64 Never = TimerUnit::Never;
constexpr quint16 AllUnits = (1u << 11) - 1;

} // namespace

TimingEngine::TimingEngine(const TimingImage &image)
{
    setUpUnits(image);
    setUpTables(image);
    m_due.fill(Never);
}

// Which units are delay lines, timers or pass-throughs, and where each
// takes its input, as the unit mode and feedback masks say.
void TimingEngine::setUpUnits(const TimingImage &image)
{
    const quint16 modes = image.unitModeMask();
    const quint8 delayFeedback = image.dlyFeedbackMask();
    const quint8 timerFeedback = image.cntFeedbackMask();
    for (int unit = 0; unit < UnitCount; ++unit) {
        const bool modeBit = modes & (1u << unit);
        if (unit < 3)
            m_kinds[unit] = modeBit ? UnitKind::Delay : UnitKind::PassThrough;
        else if (unit < 8)
            m_kinds[unit] = modeBit ? UnitKind::Delay : UnitKind::Timer;
        else
            m_kinds[unit] = modeBit ? UnitKind::PassThrough : UnitKind::Timer;
        if (m_kinds[unit] != UnitKind::PassThrough)
            m_stateful |= quint16(1u << unit);
    }
    for (int k = 0; k < int(RegisterImage::passUnitOrder.size()); ++k) {
        if (m_kinds[RegisterImage::passUnitOrder[k]] == UnitKind::PassThrough)
            setUpUnitInput(RegisterImage::passUnitOrder[k], false, k);
    }
    for (int k = 0; k < int(RegisterImage::delayUnitOrder.size()); ++k) {
        const int unit = RegisterImage::delayUnitOrder[k];
        if (m_kinds[unit] != UnitKind::Delay)
            continue;
        m_delays[unit] = DelayLine(image.delayValue(k));
        const bool fed = delayFeedback & (1u << k);
        setUpUnitInput(unit, fed, fed ? k : (unit < 3 ? 13 + unit : 5 + unit));
    }
    for (int unit = 3; unit < UnitCount; ++unit) {
        if (m_kinds[unit] != UnitKind::Timer)
            continue;
        const int k = unit - 3;
        m_timers[unit] = TimerUnit(image.counterMode(k), image.mainCount(k), image.subCount(k));
        const bool fed = timerFeedback & (1u << k);
        setUpUnitInput(unit, fed, fed ? k : (unit < 8 ? 8 + k : 13 + unit - 8));
    }
}

void TimingEngine::setUpUnitInput(int unit, bool fromFeedback, int bit)
{
    if (fromFeedback)
        m_feedbackFed |= quint16(1u << unit);
    m_inputBit[unit] = quint8(bit);
}

void TimingEngine::setUpTables(const TimingImage &image)
{
    for (int p = 0; p < int(m_patternInputs.size()); ++p)
        m_patternInputs[p] = gatherInputs(image.preLogicWord(p), AllUnits & ~m_feedbackFed);
    using namespace TraceSignals;
    for (int a = 0; a < int(m_outputLevels.size()); ++a) {
        m_feedbackInputs[a] = gatherInputs(image.feedbackByte(a), m_feedbackFed);
        m_outputLevels[a] = quint64(a) << FirstUnit | quint64(image.outputByte(a)) << FirstOutput
                            | quint64(image.counterByte(a)) << FirstCounterInput;
        m_feedbackLevels[a] = quint64(image.feedbackByte(a)) << FirstFeedback;
    }
}

// Bit u of the result: the bit m_inputBit[u] of word, for the units given.
quint16 TimingEngine::gatherInputs(quint16 word, quint16 units) const
{
    quint16 inputs = 0;
    for (int unit = 0; unit < UnitCount; ++unit) {
        if (units & (1u << unit))
            inputs |= quint16(((word >> m_inputBit[unit]) & 1u) << unit);
    }
    return inputs;
}

void TimingEngine::addSink(TraceSink *sink)
{
    m_watchers.push_back({sink, sink->watched()});
}

void TimingEngine::runUntil(quint64 endTick)
{
    m_inputTick = m_source ? m_source->nextTick() : Never; // a live source may have grown
    for (quint64 tick = std::max(nextTick(), m_end); tick < endTick;
         tick = std::max(nextTick(), m_end))
        evaluate(tick);
    m_end = std::max(m_end, endTick);
}

void TimingEngine::finish()
{
    for (const Watcher &watcher : m_watchers)
        watcher.sink->finish(m_end);
}

void TimingEngine::evaluate(quint64 tick)
{
    takeInputs(tick);
    const quint64 feedbackLevels = m_feedbackLevels[m_unitOutputs]; // from the tick before
    const quint16 inputs = m_patternInputs[m_inputs] | m_feedbackInputs[m_unitOutputs];
    const quint16 due = tick == m_nextDue ? m_dueUnits : 0;
    const quint16 stepping = tick == 0 ? m_stateful : ((inputs ^ m_unitInputs) & m_stateful) | due;
    m_unitInputs = inputs;
    const quint16 outputs = (inputs & ~m_stateful) | stepUnits(stepping, tick, inputs);
    m_unitOutputs = outputs;
    m_feedbackChange = m_feedbackLevels[outputs] != feedbackLevels ? tick + 1 : Never;
    m_end = tick + 1;
    tell(tick, quint64(m_inputs) << TraceSignals::FirstInput | m_outputLevels[outputs]
                   | feedbackLevels);
}

void TimingEngine::takeInputs(quint64 tick)
{
    for (; m_inputTick <= tick; m_inputTick = m_source->nextTick()) {
        const InputChange change = m_source->take();
        if (change.level)
            m_inputs |= quint16(1u << change.input);
        else
            m_inputs &= quint16(~(1u << change.input));
    }
}

// Steps the given units; returns the outputs of all timers and delay lines,
// and keeps the earliest due tick.
quint16 TimingEngine::stepUnits(quint16 units, quint64 tick, quint16 inputs)
{
    quint16 outputs = m_unitOutputs & m_stateful;
    if (!units)
        return outputs;
    for (; units; units &= units - 1) {
        const int unit = __builtin_ctz(units);
        const quint16 bit = quint16(1u << unit);
        outputs = stepUnit(unit, tick, inputs & bit) ? outputs | bit : outputs & quint16(~bit);
        m_timedUnits = m_due[unit] != Never ? m_timedUnits | bit : m_timedUnits & quint16(~bit);
    }
    findNextDue();
    return outputs;
}

// One pass over the units with a due tick after each step: cheaper than
// keeping a heap up to date for at most eleven entries.
void TimingEngine::findNextDue()
{
    m_nextDue = Never;
    m_dueUnits = 0;
    for (quint16 timed = m_timedUnits; timed; timed &= timed - 1) {
        const int unit = __builtin_ctz(timed);
        if (m_due[unit] < m_nextDue) {
            m_nextDue = m_due[unit];
            m_dueUnits = 0;
        }
        if (m_due[unit] == m_nextDue)
            m_dueUnits |= quint16(1u << unit);
    }
}

bool TimingEngine::stepUnit(int unit, quint64 tick, bool input)
{
    if (m_kinds[unit] == UnitKind::Delay) {
        const bool output = m_delays[unit].step(tick, input);
        m_due[unit] = m_delays[unit].due();
        return output;
    }
    const bool output = m_timers[unit].step(tick, input);
    m_due[unit] = m_timers[unit].due();
    return output;
}

void TimingEngine::tell(quint64 tick, quint64 levels)
{
    const quint64 changed = levels ^ m_levels;
    if (!changed)
        return;
    m_levels = levels;
    const quint64 rises = changed & levels;
    const quint64 falls = changed & ~levels;
    for (const Watcher &watcher : m_watchers) {
        if ((rises & watcher.edges.rises) | (falls & watcher.edges.falls))
            watcher.sink->step(tick, levels, changed);
    }
}
