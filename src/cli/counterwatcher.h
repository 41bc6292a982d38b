// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/counterconfig.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <array>

class CliReporter;
class QKovixThread;

// Receives the counter stream's signals and prints the updates of the
// counters the design uses as lines: time, counter name, value in its unit.
// Updates are taken on the stream's thread and coalesced: while standard
// output is slow or blocked only the latest value per counter waits, so
// memory stays bounded however fast the module sends.
class CounterWatcher : public QObject
{
    Q_OBJECT

public:
    CounterWatcher(const CounterConfig &config, CliReporter &reporter, QObject *parent = nullptr);

    // Connects the stream's signals; before the stream is started.
    void attach(QKovixThread &stream);

    // The stream's error or close text; empty while it runs normally.
    const QString &failure() const { return m_failure; }
    // Fails the stream with "Connection timed out" unless it is connected
    // (or stopped) within this many seconds.
    void startConnectDeadline(int seconds);
    int updates(int counter) const;
    quint32 lastValue(int counter) const;

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
    // Called on the stream's thread.
    void updateData(int counter, quint32 value);

private:
    // On the main thread: prints what waits, then clears it.
    void printPending();

    CounterConfig m_config;
    CliReporter &m_reporter;
    bool m_connected = false;
    bool m_wasConnected = false;
    bool m_stopping = false;
    QString m_failure;
    std::array<bool, CounterConfig::counterCount> m_shown{};
    // Guards the fields below, written on the stream's thread.
    mutable QMutex m_mutex;
    std::array<int, CounterConfig::counterCount> m_updates{};
    std::array<quint32, CounterConfig::counterCount> m_lastValues{};
    std::array<bool, CounterConfig::counterCount> m_pending{};
    bool m_printQueued = false;
};
