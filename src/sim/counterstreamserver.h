// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/faultplan.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <array>
#include <optional>

class QTcpServer;
class QTcpSocket;
class QTimer;
class LiveDesign;
class SimRegisterSpace;

// Streams the measure counters on 127.0.0.1: every interval, one 8-byte
// record (0x10 + counter, three zero bytes, 32-bit value) per counter that
// has a value to every client. Without a design run the value of a started
// counter is the count of 5 ns ticks since it was started; with one, what the
// run's counters count (LiveDesign::streamValue). Lives on the simulator
// thread.
class CounterStreamServer : public QObject
{
    Q_OBJECT

public:
    // design may be null; it is not owned and must outlive the server.
    CounterStreamServer(SimRegisterSpace &space, const FaultPlan &faults, int intervalMs,
                        LiveDesign *design, QObject *parent = nullptr);

    bool listen(quint16 port);
    quint16 port() const;

private:
    void acceptClients();
    void sendRecords();
    std::optional<quint32> ticksSinceStart(int counter);
    QByteArray record(int counter, quint32 value, qint64 index) const;
    void sendTo(QTcpSocket *client, const QByteArray &records);

    SimRegisterSpace &m_space;
    FaultPlan m_faults;
    LiveDesign *m_design;
    QTcpServer *m_server;
    QTimer *m_timer;
    std::array<QElapsedTimer, 4> m_started;  // invalid while a counter is stopped
    QHash<QTcpSocket *, qint64> m_sent;      // records sent per client
};
