// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/counterstreamserver.h"

#include "sim/simregisterspace.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {
constexpr int recordSize = 8;
constexpr char badHeader = 0x23;
}

CounterStreamServer::CounterStreamServer(SimRegisterSpace &space, const FaultPlan &faults,
                                         int intervalMs, QObject *parent)
    : QObject(parent)
    , m_space(space)
    , m_faults(faults)
    , m_server(new QTcpServer(this))
    , m_timer(new QTimer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &CounterStreamServer::acceptClients);
    connect(m_timer, &QTimer::timeout, this, &CounterStreamServer::sendRecords);
    m_timer->start(std::max(1, intervalMs));
}

bool CounterStreamServer::listen(quint16 port)
{
    return m_server->listen(QHostAddress::LocalHost, port);
}

quint16 CounterStreamServer::port() const
{
    return m_server->serverPort();
}

void CounterStreamServer::acceptClients()
{
    while (QTcpSocket *client = m_server->nextPendingConnection()) {
        m_sent.insert(client, 0);
        connect(client, &QTcpSocket::disconnected, this, [this, client] {
            m_sent.remove(client);
            client->deleteLater();
        });
    }
}

void CounterStreamServer::sendRecords()
{
    QList<int> running;
    for (int counter = 0; counter < int(m_started.size()); ++counter) {
        QElapsedTimer &started = m_started[size_t(counter)];
        if (!m_space.counterRunning(counter)) {
            started.invalidate();
            continue;
        }
        if (!started.isValid())
            started.start();
        running << counter;
    }
    if (running.isEmpty())
        return;
    const QList<QTcpSocket *> clients = m_sent.keys();
    for (QTcpSocket *client : clients) {
        QByteArray records;
        for (int counter : std::as_const(running))
            records += record(counter, ++m_sent[client]);
        sendTo(client, records);
    }
}

QByteArray CounterStreamServer::record(int counter, qint64 index) const
{
    const quint32 ticks = quint32(m_started[size_t(counter)].nsecsElapsed() / 5);
    QByteArray bytes(recordSize, '\0');
    const bool bad = FaultPlan::hits(m_faults.badRecordEvery, index)
                     || (m_faults.goodRecordEvery > 0
                         && !FaultPlan::hits(m_faults.goodRecordEvery, index));
    bytes[0] = bad ? badHeader : char(0x10 + counter);
    for (int i = 0; i < 4; ++i)
        bytes[4 + i] = char(ticks >> (24 - 8 * i));
    return bytes;
}

// With a record limit the client gets exactly that many records, then the
// server closes the connection.
void CounterStreamServer::sendTo(QTcpSocket *client, const QByteArray &records)
{
    const qint64 limit = m_faults.closeStreamAfter;
    const qint64 sent = m_sent.value(client);
    if (limit > 0 && sent >= limit) {
        const qint64 over = sent - limit;
        client->write(records.left(records.size() - int(over) * recordSize));
        m_sent.remove(client);
        client->disconnectFromHost();
        return;
    }
    client->write(records);
}
