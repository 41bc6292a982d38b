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
    for (int p = 0; p < int(m_preLogic.size()); ++p)
        m_preLogic[p] = image.preLogicWord(p);
    for (int a = 0; a < int(m_outputs.size()); ++a) {
        m_outputs[a] = image.outputByte(a);
        m_feedback[a] = image.feedbackByte(a);
        m_counters[a] = image.counterByte(a);
    }
    setUpUnits(image);
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

void TimingEngine::runUntil(quint64 endTick)
{
    for (quint64 tick = nextTick(); tick < endTick; tick = nextTick())
        evaluate(tick);
    m_end = std::max(m_end, endTick);
}

void TimingEngine::finish()
{
    for (TraceSink *sink : m_sinks)
        sink->finish(m_end);
}

quint64 TimingEngine::nextTick() const
{
    quint64 tick = std::min(m_feedbackChange, m_source ? m_source->nextTick() : Never);
    for (quint64 due : m_due)
        tick = std::min(tick, due);
    return std::max(tick, m_end);
}

void TimingEngine::evaluate(quint64 tick)
{
    takeInputs(tick);
    const quint8 feedback = m_feedback[m_unitOutputs]; // from the tick before
    const quint16 inputs = unitInputs(m_preLogic[m_inputs], feedback);
    quint16 stepping = (inputs ^ m_unitInputs) | dueUnits(tick);
    if (tick == 0)
        stepping = AllUnits;
    m_unitInputs = inputs;
    quint16 outputs = m_unitOutputs;
    for (int unit = 0; stepping; ++unit, stepping >>= 1) {
        if (!(stepping & 1u))
            continue;
        if (stepUnit(unit, tick, inputs & (1u << unit)))
            outputs |= quint16(1u << unit);
        else
            outputs &= quint16(~(1u << unit));
    }
    m_unitOutputs = outputs;
    m_feedbackChange = m_feedback[outputs] != feedback ? tick + 1 : Never;

    using namespace TraceSignals;
    const quint64 levels = quint64(m_inputs) << FirstInput | quint64(outputs) << FirstUnit
                           | quint64(m_outputs[outputs]) << FirstOutput
                           | quint64(m_counters[outputs]) << FirstCounterInput
                           | quint64(feedback) << FirstFeedback;
    m_end = tick + 1;
    if (levels == m_levels)
        return;
    m_levels = levels;
    for (TraceSink *sink : m_sinks)
        sink->step(tick, levels);
}

void TimingEngine::takeInputs(quint64 tick)
{
    while (m_source && m_source->nextTick() <= tick) {
        const InputChange change = m_source->take();
        if (change.level)
            m_inputs |= quint16(1u << change.input);
        else
            m_inputs &= quint16(~(1u << change.input));
    }
}

quint16 TimingEngine::unitInputs(quint16 preLogic, quint8 feedback) const
{
    quint16 inputs = 0;
    for (int unit = 0; unit < UnitCount; ++unit) {
        const quint16 word = (m_feedbackFed & (1u << unit)) ? feedback : preLogic;
        inputs |= quint16(((word >> m_inputBit[unit]) & 1u) << unit);
    }
    return inputs;
}

quint16 TimingEngine::dueUnits(quint64 tick) const
{
    quint16 units = 0;
    for (int unit = 0; unit < UnitCount; ++unit) {
        if (m_due[unit] == tick)
            units |= quint16(1u << unit);
    }
    return units;
}

bool TimingEngine::stepUnit(int unit, quint64 tick, bool input)
{
    switch (m_kinds[unit]) {
    case UnitKind::Delay: {
        const bool output = m_delays[unit].step(tick, input);
        m_due[unit] = m_delays[unit].due();
        return output;
    }
    case UnitKind::Timer: {
        const bool output = m_timers[unit].step(tick, input);
        m_due[unit] = m_timers[unit].due();
        return output;
    }
    case UnitKind::PassThrough:
        break;
    }
    return input;
}
