// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulsegenerator.h"

#include "timing/simtime.h"

PulseGenerator::PulseGenerator(int input, qint64 period, qint64 width, qint64 phase)
    : m_input(input)
    , m_period(period)
    , m_width(width)
    , m_phase(phase)
{
}

qint64 PulseGenerator::nextEdgeTime() const
{
    return m_phase + m_pulse * m_period + (m_high ? m_width : 0);
}

quint64 PulseGenerator::nextTick() const
{
    return SimTime::tickAtOrAfter(nextEdgeTime());
}

InputChange PulseGenerator::take()
{
    const InputChange change{nextTick(), m_input, !m_high};
    if (m_high)
        ++m_pulse;
    m_high = !m_high;
    return change;
}
