// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/counterparameters.h"

#include "model/propertytext.h"
#include "model/timetext.h"

#include <algorithm>
#include <cmath>

CounterParameters CounterParameters::fromProperty(const QString &property)
{
    CounterParameters parameters;
    parameters.m_mode = PropertyText::intValue(property, QStringLiteral("Mode"));
    parameters.m_mainCount = PropertyText::value(property, QStringLiteral("MainCnt"));
    parameters.m_subCount = PropertyText::value(property, QStringLiteral("SubCnt"));
    parameters.m_disp = PropertyText::value(property, QStringLiteral("Disp"));
    return parameters;
}

QString CounterParameters::toProperty() const
{
    QString text = QStringLiteral("Mode=%1 MainCnt=%2 SubCnt=%3").arg(m_mode).arg(m_mainCount, m_subCount);
    if (!m_disp.isEmpty())
        text += QStringLiteral(" Disp=%1").arg(m_disp);
    return text;
}

void CounterParameters::setMainCount(const Time &time)
{
    m_mainCount = timeText(time);
}

void CounterParameters::setSubCount(const Time &time)
{
    m_subCount = timeText(time);
}

quint32 CounterParameters::mainSteps() const
{
    return timeSteps(m_mainCount);
}

quint32 CounterParameters::subSteps() const
{
    return timeSteps(m_subCount);
}

quint32 CounterParameters::subRegister() const
{
    const quint32 sub = subSteps();
    const bool countsOneMore = m_mode == 0 || m_mode == 1 || hasOscillatorForm(m_mode);
    return countsOneMore && sub != 0 ? sub - 1 : sub;
}

qint64 CounterParameters::minimumSubNs(int mode)
{
    return mode == 0 || mode == 1 || hasOscillatorForm(mode) ? TimeText::StepNs : 0;
}

CounterParameters::Entry CounterParameters::checkEntry(int mode, const Typed &main, const Typed &sub)
{
    const double maximum = double(MaxCountNs);
    const double minimumSub = double(minimumSubNs(mode));
    const double mainFactor = double(unitFactor(main.unit));
    const double subFactor = double(unitFactor(sub.unit));
    bool mainIsNumber = false;
    bool subIsNumber = false;
    const double mainNumber = main.number.toDouble(&mainIsNumber);
    const double subNumber = sub.number.toDouble(&subIsNumber);
    const double mainNs = mainNumber * mainFactor;
    const double subNs = subNumber * subFactor;
    Entry entry;
    if (!subIsNumber || subNs < minimumSub || subNs > maximum)
        entry.verdict = Entry::Verdict::SubOutOfRange;
    else if (!mainIsNumber || mainNumber < 0 || mainNs > maximum)
        entry.verdict = Entry::Verdict::MainOutOfRange;
    if (entry.verdict != Entry::Verdict::Accepted) {
        if (subIsNumber && (subNs < minimumSub || subNs > maximum))
            entry.sub = std::clamp(subNs, minimumSub, maximum) / subFactor;
        if (mainIsNumber && mainNumber < 0)
            entry.main = 0.0;
        else if (mainIsNumber && mainNs > maximum)
            entry.main = maximum / mainFactor;
        return entry;
    }
    const auto rounded = [](double number, double factor) -> std::optional<double> {
        const double value = TimeText::roundTo5(std::trunc(number * factor)) / factor;
        if (TimeText::formatNumber(value) == TimeText::formatNumber(number))
            return std::nullopt;
        return value;
    };
    entry.main = rounded(mainNumber, mainFactor);
    entry.sub = rounded(subNumber, subFactor);
    if (entry.main || entry.sub)
        entry.verdict = Entry::Verdict::Rounded;
    return entry;
}

CounterParameters::FrequencyFault CounterParameters::checkFrequencyForm(const QString &frequency,
                                                                        const QString &width, bool duty)
{
    bool ok = false;
    const double hertz = frequency.toDouble(&ok);
    if (!ok || !(hertz > 0))
        return FrequencyFault::Frequency;
    const double value = width.toDouble(&ok);
    if (!ok || !(value > 0))
        return FrequencyFault::Width;
    return duty && value >= 100 ? FrequencyFault::Duty : FrequencyFault::None;
}

qint64 CounterParameters::frequencyFactor(const QString &unit)
{
    if (unit == QLatin1String("MHz"))
        return 1000000000;
    if (unit == QLatin1String("KHz"))
        return 1000000;
    return 1000;
}

qint64 CounterParameters::unitFactor(const QString &unit)
{
    static const qint64 factors[] = {1000000000, 1000000, 1000, 1};
    const int index = units().indexOf(unit);
    return index < 0 ? 0 : factors[index];
}

const QStringList &CounterParameters::units()
{
    static const QStringList list = {QStringLiteral("sec"), QStringLiteral("msec"),
                                     QStringLiteral("usec"), QStringLiteral("nsec")};
    return list;
}

quint32 CounterParameters::timeSteps(const QString &text)
{
    // The first unit found in this order wins; "sec" ends every other unit.
    static const char *const order[] = {"nsec", "usec", "msec", "sec"};
    QString number = text;
    double nanoseconds = TimeText::StepNs; // no unit: already in steps
    for (const char *unit : order) {
        if (number.indexOf(QLatin1String(unit)) >= 1) {
            number.remove(QLatin1String(unit));
            nanoseconds = double(unitFactor(QLatin1String(unit)));
            break;
        }
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return 0;
    return quint32(quint64(TimeText::truncatedSteps(value * nanoseconds / TimeText::StepNs)));
}

CounterParameters::Time CounterParameters::loadTime(const QString &text)
{
    static const char *const order[] = {"msec", "usec", "nsec", "sec"};
    for (const char *unit : order) {
        const int at = text.lastIndexOf(QLatin1String(unit));
        if (at >= 1)
            return Time{QString(text).remove(at, int(qstrlen(unit))).toDouble(), QLatin1String(unit)};
    }
    return Time{double(TimeText::StepNs) * text.toLongLong(), QStringLiteral("nsec")};
}

QString CounterParameters::timeText(const Time &time)
{
    return TimeText::formatNumber(time.number) + time.unit;
}

bool CounterParameters::operator==(const CounterParameters &other) const
{
    return m_mode == other.m_mode && m_mainCount == other.m_mainCount
           && m_subCount == other.m_subCount && m_disp == other.m_disp;
}
