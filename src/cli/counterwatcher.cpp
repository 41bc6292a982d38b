// SPDX-License-Identifier: GPL-3.0-or-later
#include "counterwatcher.h"

#include "cli/clireporter.h"
#include "device/qkovixthread.h"

#include <QTime>
#include <QTimer>

#include <algorithm>

CounterWatcher::CounterWatcher(const CounterConfig &config, CliReporter &reporter, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_reporter(reporter)
{
    // A design that uses counters shows only those; without one, all four.
    const bool designUsesCounters = std::any_of(config.sources.begin(), config.sources.end(),
                                                [](int source) { return source >= 0; });
    for (size_t n = 0; n < m_shown.size(); ++n)
        m_shown[n] = !designUsesCounters || config.sources[n] >= 0;
}

QString CounterWatcher::valueText(quint32 value, const QString &unit)
{
    static const struct
    {
        const char *unit;
        double divisor;
        int decimals;
    } units[] = {{"nsec", 1.0, 0}, {"usec", 1e3, 3}, {"msec", 1e6, 6}, {"sec", 1e9, 9}};
    for (const auto &entry : units) {
        if (unit == QLatin1String(entry.unit)) {
            const double shown = double(value) * 5.0 / entry.divisor;
            return QStringLiteral("%1 %2").arg(shown, 0, 'f', entry.decimals).arg(unit);
        }
    }
    return QStringLiteral("%1 %2").arg(value).arg(unit).trimmed();
}

void CounterWatcher::startConnectDeadline(int seconds)
{
    QTimer::singleShot(seconds * 1000, this, [this] {
        if (m_wasConnected || m_stopping || !m_failure.isEmpty())
            return;
        m_failure = tr("Connection timed out");
        emit ended();
    });
}

void CounterWatcher::stopRequested()
{
    m_stopping = true;
    m_connected = false;
}

void CounterWatcher::connected()
{
    m_connected = true;
    m_wasConnected = true;
    m_reporter.note(tr("Waiting for data ..."));
}

void CounterWatcher::connectionClosedByServer()
{
    if (!m_connected)
        return;
    m_connected = false;
    m_failure = tr("Connection closed by server");
    emit ended();
}

void CounterWatcher::error(const QString &text)
{
    if (m_stopping)
        return;
    m_connected = false;
    m_failure = text.isEmpty() ? tr("Connection closed") : text;
    emit ended();
}

void CounterWatcher::attach(QKovixThread &stream)
{
    connect(&stream, &QKovixThread::connectedKovix, this, &CounterWatcher::connected);
    connect(&stream, &QKovixThread::closedByServer, this,
            &CounterWatcher::connectionClosedByServer);
    connect(&stream, &QKovixThread::error, this, &CounterWatcher::error);
    // Direct: a queued call per update would pile up while printing blocks.
    connect(&stream, &QKovixThread::recived, this, &CounterWatcher::updateData,
            Qt::DirectConnection);
}

int CounterWatcher::updates(int counter) const
{
    const QMutexLocker lock(&m_mutex);
    return m_updates[size_t(counter)];
}

quint32 CounterWatcher::lastValue(int counter) const
{
    const QMutexLocker lock(&m_mutex);
    return m_lastValues[size_t(counter)];
}

void CounterWatcher::updateData(int counter, quint32 value)
{
    if (counter < 0 || counter >= CounterConfig::counterCount)
        return;
    const auto index = size_t(counter);
    const QMutexLocker lock(&m_mutex);
    ++m_updates[index];
    m_lastValues[index] = value;
    if (!m_shown[index])
        return;
    m_pending[index] = true;
    if (m_printQueued)
        return;
    m_printQueued = true;
    QMetaObject::invokeMethod(this, &CounterWatcher::printPending, Qt::QueuedConnection);
}

void CounterWatcher::printPending()
{
    std::array<bool, CounterConfig::counterCount> pending;
    std::array<quint32, CounterConfig::counterCount> values;
    {
        const QMutexLocker lock(&m_mutex);
        pending = m_pending;
        values = m_lastValues;
        m_pending.fill(false);
        m_printQueued = false;
    }
    const QString time = QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
    for (size_t index = 0; index < pending.size(); ++index) {
        if (pending[index])
            m_reporter.print(QStringLiteral("%1 %2 %3").arg(time, m_config.names[index],
                                                           valueText(values[index],
                                                                     m_config.units[index])));
    }
    // Nobody reads any more (a closed pipe, a full disk): end the command.
    if (m_reporter.outputFailed() && !m_stopping) {
        m_stopping = true;
        emit ended();
    }
}
