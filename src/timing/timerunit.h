// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <limits>

// A function unit in counter mode: one of the timer functions 0..9 (one-shots,
// delayed one-shots, chattering elimination, delay function, oscillators),
// ticks being 5 ns clock edges. step() is called at least for every tick at
// which the input changes and at due(); in between the output holds.
class TimerUnit
{
public:
    static constexpr quint64 Never = std::numeric_limits<quint64>::max();

    TimerUnit() = default;
    // mainCount and subCount as the image holds them.
    TimerUnit(int mode, quint32 mainCount, quint32 subCount);

    // The output at tick, given the input at tick.
    bool step(quint64 tick, bool input);
    bool output() const { return m_out; }
    // Next tick at which the output may change with an unchanged input.
    quint64 due() const { return m_due; }

private:
    void oneShot(quint64 tick, bool rise, bool retrigger);
    void delayedOneShot(quint64 tick, bool rise, bool retrigger);
    void chatterFilter(quint64 tick, bool input, bool changed, bool retrigger);
    void delayFunction(quint64 tick, bool input, bool retrigger);
    void oscillator(quint64 tick, bool enabled, bool start);
    quint64 lengthFor(bool level) const { return level ? m_main : m_sub; }

    int m_mode = 10;
    quint64 m_main = 0;
    quint64 m_sub = 0; // the effective length: one more than written in modes 0, 1, 8, 9
    bool m_in = false;
    bool m_out = false;
    bool m_started = false;
    bool m_pending = false;   // delay function: a change to !m_out is due
    bool m_waiting = false;   // delayed one-shot: the wait before the pulse runs
    quint64 m_due = Never;
    quint64 m_until = 0;      // one-shot: end of the dead time; filters: end of the guard
};
