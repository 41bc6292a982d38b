// SPDX-License-Identifier: GPL-3.0-or-later
#include "timerunit.h"

TimerUnit::TimerUnit(int mode, quint32 mainCount, quint32 subCount)
    : m_mode(mode)
    , m_main(mainCount)
    , m_sub(subCount)
{
    if (mode == 0 || mode == 1 || mode == 8 || mode == 9)
        ++m_sub;
}

bool TimerUnit::step(quint64 tick, bool input)
{
    const bool rise = input && !m_in;
    const bool changed = input != m_in;
    m_in = input;
    switch (m_mode) {
    case 0:
    case 1:
        oneShot(tick, rise, m_mode == 1);
        break;
    case 2:
    case 3:
        delayedOneShot(tick, rise, m_mode == 3);
        break;
    case 4:
    case 5:
        chatterFilter(tick, input, changed, m_mode == 5);
        break;
    case 6:
    case 7:
        delayFunction(tick, input, m_mode == 7);
        break;
    case 8:
        oscillator(tick, input, rise);
        break;
    case 9:
        oscillator(tick, true, !m_started);
        m_started = true;
        break;
    default:
        break;
    }
    return m_out;
}

// Pulse of m_main ticks, then rises are ignored for m_sub ticks.
void TimerUnit::oneShot(quint64 tick, bool rise, bool retrigger)
{
    if (m_out && tick >= m_due) {
        m_out = false;
        m_due = Never;
    }
    if (!rise || m_main == 0 || !(m_out ? retrigger : tick >= m_until))
        return;
    m_out = true;
    m_due = tick + m_main;
    m_until = m_due + m_sub;
}

// Wait of m_main ticks, then a pulse of m_sub ticks.
void TimerUnit::delayedOneShot(quint64 tick, bool rise, bool retrigger)
{
    if (m_waiting && tick >= m_due) {
        m_waiting = false;
        m_out = true;
        m_due += m_sub;
    } else if (m_out && tick >= m_due) {
        m_out = false;
        m_due = Never;
    }
    const bool idle = !m_waiting && !m_out;
    if (!rise || m_sub == 0 || !(idle || retrigger))
        return;
    m_out = m_main == 0;
    m_waiting = !m_out;
    m_due = tick + (m_out ? m_sub : m_main);
}

// The output follows the input, then ignores it for a guard time that
// depends on the new level; a retriggerable guard restarts on every change.
void TimerUnit::chatterFilter(quint64 tick, bool input, bool changed, bool retrigger)
{
    const bool guarded = tick < m_until;
    if (guarded && changed && retrigger)
        m_until = tick + lengthFor(m_out);
    if (!guarded && input != m_out) {
        m_out = input;
        m_until = tick + lengthFor(m_out);
    }
    m_due = m_until > tick ? m_until : Never;
}

// The output takes the input's level after a delay that depends on that
// level; a retriggerable delay forgets a change whose input returned first.
void TimerUnit::delayFunction(quint64 tick, bool input, bool retrigger)
{
    if (m_pending && tick >= m_due) {
        m_out = !m_out;
        m_pending = false;
    }
    if (m_pending && retrigger && input == m_out)
        m_pending = false;
    if (!m_pending && input != m_out) {
        const quint64 delay = lengthFor(input);
        m_out = delay == 0 ? input : m_out;
        m_pending = delay != 0;
        m_due = tick + delay;
    }
    if (!m_pending)
        m_due = Never;
}

// High for m_main ticks, low for m_sub, from the start tick while enabled.
void TimerUnit::oscillator(quint64 tick, bool enabled, bool start)
{
    if (!enabled || m_main == 0) {
        m_out = false;
        m_due = Never;
    } else if (start) {
        m_out = true;
        m_due = tick + m_main;
    } else if (tick >= m_due) {
        m_out = !m_out;
        m_due = tick + lengthFor(m_out);
    }
}
