// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Receiver of a simulation's traces. Each sink names the edges it needs
// (TraceSignals bits); the engine calls step() only for the ticks at which
// one of them happens, ticks increasing, so a sink costs nothing while its
// signals hold. Every signal is 0 before tick 0.
class TraceSink
{
public:
    struct Watch
    {
        quint64 rises;
        quint64 falls;
    };

    virtual ~TraceSink() = default;
    // Asked once, when the sink is added to an engine.
    virtual Watch watched() const = 0;
    // levels: every signal from tick on; changed: every signal whose level
    // differs from tick - 1, watched or not.
    virtual void step(quint64 tick, quint64 levels, quint64 changed) = 0;
    // The run covers ticks 0 .. endTick - 1. A sink may be told more than
    // once when a run is continued.
    virtual void finish(quint64 endTick) { Q_UNUSED(endTick) }
};
