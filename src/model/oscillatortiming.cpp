// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/oscillatortiming.h"

namespace {
constexpr double NsPerSecond = 1e9;
}

double OscillatorTiming::periodNs(double trueNs, double falseNs)
{
    return falseNs > 0 ? trueNs + falseNs : trueNs;
}

double OscillatorTiming::frequencyHz(double trueNs, double falseNs)
{
    return NsPerSecond / periodNs(trueNs, falseNs);
}

double OscillatorTiming::dutyPercent(double trueNs, double falseNs)
{
    if (falseNs <= 0)
        return 100;
    return trueNs / periodNs(trueNs, falseNs) * 100;
}

qint64 OscillatorTiming::periodFromFrequency(double frequencyHz)
{
    return qint64(NsPerSecond / frequencyHz);
}

qint64 OscillatorTiming::trueWidthFromDuty(double dutyPercent, qint64 periodNs)
{
    return qint64(dutyPercent * double(periodNs) / 100);
}
