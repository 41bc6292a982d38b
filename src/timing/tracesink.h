#pragma once

#include <QtGlobal>

// Receiver of a simulation's traces. The engine calls step() for each
// tick at which at least one signal changed, ticks increasing; levels holds
// every signal (TraceSignals bits) from that tick until the next step.
// Every signal is 0 before tick 0.
class TraceSink
{
public:
    virtual ~TraceSink() = default;
    virtual void step(quint64 tick, quint64 levels) = 0;
    // The run covers ticks 0 .. endTick - 1. A sink may be told more than
    // once when a run is continued.
    virtual void finish(quint64 endTick) { Q_UNUSED(endTick) }
};
