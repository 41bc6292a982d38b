// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <limits>

// One change of a module input: from tick on, input (0..9, the connector
// order NIM-IN-S0..S7, NIM-IN-M, BNC-IN) has the level. Several changes on
// one tick: the last one wins.
struct InputChange
{
    quint64 tick;
    int input;
    bool level;
};

// A producer of input changes in tick order, asked one change at a time so
// that a generator can run for any duration in bounded memory and a
// simulation can be continued later.
class InputSource
{
public:
    static constexpr quint64 Exhausted = std::numeric_limits<quint64>::max();

    virtual ~InputSource() = default;
    // Tick of the next change, or Exhausted.
    virtual quint64 nextTick() const = 0;
    // Removes and returns the next change; only when nextTick() is not Exhausted.
    virtual InputChange take() = 0;
};
