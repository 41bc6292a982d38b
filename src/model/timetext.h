// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Numbers of the parameter texts: times in nanoseconds, counted by the
// module in whole 5 ns steps.
class TimeText
{
public:
    static constexpr int StepNs = 5;

    // x in nanoseconds; unchanged when its integer part is a multiple of 5,
    // else to the nearest multiple of 5.
    static double roundTo5(double x);
    // Fixed notation with ten significant places and no trailing zeros;
    // "0" for values below 1e-14 (negatives included).
    static QString formatNumber(double x);
    // Shortest text that reads back as x.
    static QString shortestNumber(double x);
    // A number given in units of `factor` expressed in units of `newFactor`.
    static double rescale(double number, qint64 factor, qint64 newFactor);
    // Truncates toward zero; a value off by rounding error just below a whole
    // step count still gives that count. The rounding error grows with the
    // value (a few units in the last place), so the tolerance does too: a 21 s
    // count read from "8.30125062sec" lands 2e-7 below its whole step.
    // Out-of-range values count as unconvertible (0).
    static qint64 truncatedSteps(double steps);
};
