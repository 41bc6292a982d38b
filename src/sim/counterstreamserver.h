// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/faultplan.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <array>

class QTcpServer;
class QTcpSocket;
class QTimer;
class SimRegisterSpace;

// Streams the running measure counters on 127.0.0.1: every interval, one
// 8-byte record (0x10 + counter, three zero bytes, 32-bit count of 5 ns ticks
// since the counter was started) per running counter to every client. Lives on
// the simulator thread.
class CounterStreamServer : public QObject
{
    Q_OBJECT

public:
    CounterStreamServer(SimRegisterSpace &space, const FaultPlan &faults, int intervalMs,
                        QObject *parent = nullptr);

    bool listen(quint16 port);
    quint16 port() const;

private:
    void acceptClients();
    void sendRecords();
    QByteArray record(int counter, qint64 index) const;
    void sendTo(QTcpSocket *client, const QByteArray &records);

    SimRegisterSpace &m_space;
    FaultPlan m_faults;
    QTcpServer *m_server;
    QTimer *m_timer;
    std::array<QElapsedTimer, 4> m_started;  // invalid while a counter is stopped
    QHash<QTcpSocket *, qint64> m_sent;      // records sent per client
};
