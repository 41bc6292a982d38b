// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/inputsource.h"

// Periodic pulses on one input: high from phase + n * period for width,
// times in picoseconds (0 < width < period). Edges fall on the next clock
// edge, so a pulse shorter than a tick may be missed, as on the module.
class PulseGenerator : public InputSource
{
public:
    PulseGenerator(int input, qint64 period, qint64 width, qint64 phase);

    quint64 nextTick() const override;
    InputChange take() override;

private:
    qint64 nextEdgeTime() const;

    int m_input;
    qint64 m_period;
    qint64 m_width;
    qint64 m_phase;
    qint64 m_pulse = 0;
    bool m_high = false; // level before the next edge
};
