// SPDX-License-Identifier: GPL-3.0-or-later
#include "delayline.h"

DelayLine::DelayLine(quint16 steps)
    : m_steps(steps)
{
}

bool DelayLine::step(quint64 tick, bool input)
{
    if (input != m_in) {
        m_in = input;
        m_changes.push_back({tick + m_steps, input});
    }
    while (!m_changes.empty() && m_changes.front().tick <= tick) {
        m_out = m_changes.front().level;
        m_changes.pop_front();
    }
    return m_out;
}
