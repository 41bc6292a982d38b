// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/timetext.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

double TimeText::roundTo5(double x)
{
    if (quint64(x) % StepNs == 0)
        return x;
    return std::floor((x + StepNs / 2.0) / StepNs) * StepNs;
}

QString TimeText::formatNumber(double x)
{
    if (!(x >= 1e-14))
        return QStringLiteral("0");
    const double magnitude = std::log10(x);
    if (magnitude > 15)
        return QString::number(x, 'g', 6);
    QString text = QString::number(x, 'f', 10 - int(std::floor(magnitude)));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString TimeText::shortestNumber(double x)
{
    return QString::number(x, 'g', QLocale::FloatingPointShortest);
}

double TimeText::rescale(double number, qint64 factor, qint64 newFactor)
{
    return number * double(factor) / double(newFactor);
}

qint64 TimeText::truncatedSteps(double steps)
{
    constexpr double limit = 9.2e18; // just inside the qint64 range
    if (!std::isfinite(steps) || std::fabs(steps) >= limit)
        return 0;
    const double tolerance = std::max(1e-7, std::fabs(steps) * 1e-13);
    const double nearest = std::round(steps);
    if (std::fabs(steps - nearest) < tolerance)
        return qint64(nearest);
    return qint64(steps);
}
