// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/delayparameters.h"

#include "model/timetext.h"

#include <cmath>
#include <limits>

namespace {
const QString Key = QStringLiteral("Delay=");
const QString Micro = QStringLiteral("us");
const QString Nano = QStringLiteral("ns");
}

DelayParameters DelayParameters::fromProperty(const QString &property)
{
    DelayParameters parameters;
    if (property.startsWith(Key))
        parameters.m_text = property.mid(property.indexOf(QLatin1Char('=')) + 1);
    return parameters;
}

DelayParameters DelayParameters::fromNumber(double number, const QString &unit)
{
    DelayParameters parameters;
    parameters.m_text = TimeText::formatNumber(number) + unit;
    return parameters;
}

QString DelayParameters::toProperty() const
{
    return Key + m_text;
}

int DelayParameters::steps() const
{
    QString text = m_text;
    if (text.lastIndexOf(Micro) >= 1) {
        bool ok = false;
        const double micro = text.remove(Micro).toDouble(&ok);
        const qint64 steps = ok ? TimeText::truncatedSteps(micro * 1000.0 / TimeText::StepNs) : 0;
        return steps >= std::numeric_limits<int>::min() && steps <= std::numeric_limits<int>::max()
                   ? int(steps)
                   : 0;
    }
    if (text.lastIndexOf(Nano) >= 1)
        return text.remove(Nano).toInt() / TimeText::StepNs;
    return text.toInt();
}

DelayParameters::Shown DelayParameters::shown() const
{
    for (const QString &unit : {Micro, Nano}) {
        if (m_text.lastIndexOf(unit) >= 1)
            return Shown{QString(m_text).remove(unit), unit};
    }
    return Shown{TimeText::formatNumber(double(TimeText::StepNs) * m_text.toLongLong()), Nano};
}

DelayParameters::Entry DelayParameters::checkEntry(const Shown &typed)
{
    bool isNumber = false;
    const double number = typed.number.toDouble(&isNumber);
    const double factor = double(unitFactor(typed.unit));
    const double ns = std::trunc(number * factor);
    if (number < 0)
        return Entry{Entry::Verdict::OutOfRange, 0.0};
    if (!isNumber)
        return Entry{Entry::Verdict::OutOfRange, std::nullopt};
    if (ns > double(MaxDelayNs))
        return Entry{Entry::Verdict::OutOfRange, double(MaxDelayNs) / factor};
    const double rounded = TimeText::roundTo5(ns) / factor;
    if (rounded == number || TimeText::formatNumber(rounded) == TimeText::formatNumber(number))
        return Entry{};
    return Entry{Entry::Verdict::Rounded, rounded};
}

qint64 DelayParameters::unitFactor(const QString &unit)
{
    return unit == Micro ? 1000 : 1;
}
