// SPDX-License-Identifier: GPL-3.0-or-later
#include "poissongenerator.h"

#include "timing/simtime.h"

#include <cmath>

PoissonGenerator::PoissonGenerator(int input, double ratePerSecond, qint64 width, quint64 seed)
    : m_input(input)
    , m_meanPicos(1e12 / ratePerSecond)
    , m_width(width)
    , m_random(seed)
{
    m_rise = spacing();
}

qint64 PoissonGenerator::spacing()
{
    const double uniform = double(m_random() >> 11) * 0x1.0p-53; // [0, 1)
    return qint64(std::llround(-std::log1p(-uniform) * m_meanPicos));
}

quint64 PoissonGenerator::nextTick() const
{
    return SimTime::tickAtOrAfter(m_high ? m_fall : m_rise);
}

InputChange PoissonGenerator::take()
{
    const InputChange change{nextTick(), m_input, !m_high};
    if (!m_high) {
        m_fall = m_rise + m_width;
        m_rise += spacing();
        while (m_rise <= m_fall) {
            m_fall = m_rise + m_width;
            m_rise += spacing();
        }
    }
    m_high = !m_high;
    return change;
}
