// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/inputsource.h"

#include <random>

// Random pulses on one input: rises form a Poisson process of the given
// rate (per second) from time 0; each pulse lasts width picoseconds, and a
// rise during a pulse prolongs it. The same seed gives the same pulses on
// every machine (the exponential spacing is computed here, not by the
// library's distribution).
class PoissonGenerator : public InputSource
{
public:
    PoissonGenerator(int input, double ratePerSecond, qint64 width, quint64 seed);

    quint64 nextTick() const override;
    InputChange take() override;

private:
    qint64 spacing();

    int m_input;
    double m_meanPicos;
    qint64 m_width;
    std::mt19937_64 m_random;
    qint64 m_rise;
    qint64 m_fall = 0;
    bool m_high = false; // level before the next edge
};
