// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <deque>
#include <limits>

// A function unit in delay mode: the output is the input of `steps` ticks
// before (0 before that). Holds one entry per input change still under
// way, so at most steps entries.
class DelayLine
{
public:
    static constexpr quint64 Never = std::numeric_limits<quint64>::max();

    DelayLine() = default;
    explicit DelayLine(quint16 steps);

    // The output at tick, given the input at tick; called at least for
    // every input change and at due().
    bool step(quint64 tick, bool input);
    quint64 due() const { return m_changes.empty() ? Never : m_changes.front().tick; }

private:
    struct Change
    {
        quint64 tick;
        bool level;
    };

    quint16 m_steps = 0;
    bool m_in = false;
    bool m_out = false;
    std::deque<Change> m_changes;
};
