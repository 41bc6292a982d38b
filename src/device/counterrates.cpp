// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/counterrates.h"

#include <algorithm>

CounterRates::CounterRates(qint64 windowMs)
    : m_windowMs(windowMs)
{
}

std::optional<double> CounterRates::add(int counter, qint64 timeMs, double value)
{
    if (counter < 0 || counter >= counterCount)
        return std::nullopt;
    m_latestMs = std::max(m_latestMs, timeMs);
    std::optional<Reading> &last = m_last[size_t(counter)];
    const std::optional<Reading> previous = last;
    last = Reading{timeMs, value};
    if (!previous || timeMs <= previous->timeMs || value < previous->value)
        return std::nullopt;
    const double rate = (value - previous->value) * 1000.0 / double(timeMs - previous->timeMs);
    QVector<QPointF> &history = m_history[size_t(counter)];
    history.append(QPointF(double(timeMs), rate));
    const double oldest = double(timeMs - m_windowMs);
    while (!history.isEmpty() && history.first().x() < oldest)
        history.removeFirst();
    return rate;
}

std::optional<double> CounterRates::addCount(int counter, qint64 timeMs, quint32 count,
                                             double scale)
{
    if (counter < 0 || counter >= counterCount)
        return std::nullopt;
    constexpr quint32 quarter = 0x40000000;
    const size_t index = size_t(counter);
    const std::optional<quint32> previous = std::exchange(m_lastCount[index], count);
    if (previous && count < *previous) {
        if (*previous >= 3 * quarter && count < quarter) {
            m_wrapOffset[index] += quint64(1) << 32;
            ++m_wraps[index];
        } else {
            m_wrapOffset[index] = 0;
        }
    }
    return add(counter, timeMs, double(m_wrapOffset[index] + count) * scale);
}

const QVector<QPointF> &CounterRates::history(int counter) const
{
    return m_history[size_t(counter)];
}

QVector<QVector<QPointF>> CounterRates::segments(int counter) const
{
    QVector<QVector<QPointF>> pieces;
    double interval = minimumGapMs;
    const QVector<QPointF> &points = history(counter);
    for (qsizetype i = 0; i < points.size(); ++i) {
        const double step = i > 0 ? points.at(i).x() - points.at(i - 1).x() : 0.0;
        if (i == 0 || step > std::max(minimumGapMs, gapFactor * interval))
            pieces.append(QVector<QPointF>());
        else
            interval = step;
        pieces.last().append(points.at(i));
    }
    return pieces;
}

std::optional<double> CounterRates::rateAt(int counter, double timeMs) const
{
    for (const QVector<QPointF> &piece : segments(counter)) {
        if (timeMs < piece.first().x() || timeMs > piece.last().x())
            continue;
        const auto after = std::lower_bound(piece.begin(), piece.end(), timeMs,
                                            [](const QPointF &point, double time) {
                                                return point.x() < time;
                                            });
        return after->y();
    }
    return std::nullopt;
}

void CounterRates::clear()
{
    for (int counter = 0; counter < counterCount; ++counter) {
        m_last[size_t(counter)].reset();
        m_history[size_t(counter)].clear();
        m_lastCount[size_t(counter)].reset();
        m_wrapOffset[size_t(counter)] = 0;
        m_wraps[size_t(counter)] = 0;
    }
    m_latestMs = 0;
}
