// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QVector>
#include <array>
#include <optional>

// How fast each measure counter's value grows: the change per second
// between two readings, kept for the last few minutes. Values are in the
// unit the window shows (ticks already scaled). A value below the previous
// one means the counter was restarted: that reading starts a new baseline
// and yields no rate.
class CounterRates
{
public:
    static constexpr int counterCount = 4;

    explicit CounterRates(qint64 windowMs = 5 * 60 * 1000);

    // timeMs: a monotonic clock. Returns the rate since the counter's
    // previous reading, if there was one and time has passed.
    std::optional<double> add(int counter, qint64 timeMs, double value);
    // The same for a raw 32-bit count scaled by scale. A count that drops
    // from the top quarter of the range to the bottom quarter has wrapped
    // past 2^32 and keeps counting on; any other drop is a restart.
    std::optional<double> addCount(int counter, qint64 timeMs, quint32 count, double scale);
    // Wraps seen since the last clear().
    int wraps(int counter) const { return m_wraps[size_t(counter)]; }
    // (time in ms, rate per second) within the window, oldest first.
    const QVector<QPointF> &history(int counter) const;
    // history() cut where no reading came for a while (a stopped counter or
    // stream): longer than gapFactor times the interval before, and longer
    // than minimumGapMs. A plot draws each piece on its own.
    static constexpr double gapFactor = 3.0;
    static constexpr double minimumGapMs = 1500.0;
    QVector<QVector<QPointF>> segments(int counter) const;
    // The rate over the interval between two readings that holds timeMs;
    // none outside the readings and in a gap between segments.
    std::optional<double> rateAt(int counter, double timeMs) const;
    qint64 windowMs() const { return m_windowMs; }
    qint64 latestMs() const { return m_latestMs; }
    void clear();

private:
    struct Reading
    {
        qint64 timeMs = 0;
        double value = 0.0;
    };

    qint64 m_windowMs;
    qint64 m_latestMs = 0;
    std::array<std::optional<Reading>, counterCount> m_last;
    std::array<QVector<QPointF>, counterCount> m_history;
    std::array<std::optional<quint32>, counterCount> m_lastCount;
    std::array<quint64, counterCount> m_wrapOffset{};  // 2^32 per wrap
    std::array<int, counterCount> m_wraps{};
};
