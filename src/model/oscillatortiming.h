// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The two widths of an oscillator counter (true and false time, in
// nanoseconds) against its frequency form: frequency and duty cycle.
class OscillatorTiming
{
public:
    // Period T + F, or T alone when F is 0.
    static double periodNs(double trueNs, double falseNs);
    static double frequencyHz(double trueNs, double falseNs);
    // Share of the true width in the period, in percent (100 when F is 0).
    static double dutyPercent(double trueNs, double falseNs);

    // 10^9 / frequency, truncated to whole nanoseconds.
    static qint64 periodFromFrequency(double frequencyHz);
    // duty × period / 100, truncated to whole nanoseconds.
    static qint64 trueWidthFromDuty(double dutyPercent, qint64 periodNs);
};
