#include "device/counterrates.h"

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

const QVector<QPointF> &CounterRates::history(int counter) const
{
    return m_history[size_t(counter)];
}

void CounterRates::clear()
{
    for (int counter = 0; counter < counterCount; ++counter) {
        m_last[size_t(counter)].reset();
        m_history[size_t(counter)].clear();
    }
    m_latestMs = 0;
}
