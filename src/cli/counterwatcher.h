#pragma once

#include "device/counterconfig.h"

#include <QObject>
#include <QString>
#include <array>

class CliReporter;

// Receives the counter stream's signals (on the main thread) and prints
// every update of the counters the design uses as a line: time, counter
// name, value in its unit.
class CounterWatcher : public QObject
{
    Q_OBJECT

public:
    CounterWatcher(const CounterConfig &config, CliReporter &reporter, QObject *parent = nullptr);

    // The stream's error or close text; empty while it runs normally.
    const QString &failure() const { return m_failure; }
    // Fails the stream with "Connection timed out" unless it is connected
    // (or stopped) within this many seconds.
    void startConnectDeadline(int seconds);
    int updates(int counter) const { return m_updates[size_t(counter)]; }
    quint32 lastValue(int counter) const { return m_lastValues[size_t(counter)]; }

    // A raw count of 5 ns ticks in a time unit ("nsec" … "sec", with 0, 3, 6
    // or 9 decimals); any other unit shows the count itself.
    static QString valueText(quint32 value, const QString &unit);

signals:
    // The stream ended by itself (error or closed by the module).
    void ended();

public slots:
    // The command ends the stream itself: what the socket reports from now
    // on is not a failure.
    void stopRequested();
    void connected();
    void connectionClosedByServer();
    void error(const QString &text);
    void updateData(int counter, quint32 value);

private:
    CounterConfig m_config;
    CliReporter &m_reporter;
    bool m_connected = false;
    bool m_wasConnected = false;
    bool m_stopping = false;
    QString m_failure;
    std::array<bool, CounterConfig::counterCount> m_shown{};
    std::array<int, CounterConfig::counterCount> m_updates{};
    std::array<quint32, CounterConfig::counterCount> m_lastValues{};
};
