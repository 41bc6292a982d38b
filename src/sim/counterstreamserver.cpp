// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/counterstreamserver.h"

#include "sim/livedesign.h"
#include "sim/simregisterspace.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {
constexpr int recordSize = 8;
constexpr char badHeader = 0x23;
}

CounterStreamServer::CounterStreamServer(SimRegisterSpace &space, const FaultPlan &faults,
                                         int intervalMs, LiveDesign *design, QObject *parent)
    : QObject(parent)
    , m_space(space)
    , m_faults(faults)
    , m_design(design)
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
    if (m_design)
        m_design->advance();
    QList<std::pair<int, quint32>> values;
    for (int counter = 0; counter < int(m_started.size()); ++counter) {
        const std::optional<quint32> value =
            m_design ? m_design->streamValue(counter) : ticksSinceStart(counter);
        if (value)
            values.append({counter, *value});
    }
    if (values.isEmpty())
        return;
    const QList<QTcpSocket *> clients = m_sent.keys();
    for (QTcpSocket *client : clients) {
        QByteArray records;
        for (const auto &[counter, value] : std::as_const(values))
            records += record(counter, value, ++m_sent[client]);
        sendTo(client, records);
    }
}

std::optional<quint32> CounterStreamServer::ticksSinceStart(int counter)
{
    QElapsedTimer &started = m_started[size_t(counter)];
    if (!m_space.counterRunning(counter)) {
        started.invalidate();
        return std::nullopt;
    }
    if (!started.isValid())
        started.start();
    return quint32(started.nsecsElapsed() / 5);
}

QByteArray CounterStreamServer::record(int counter, quint32 value, qint64 index) const
{
    QByteArray bytes(recordSize, '\0');
    const bool bad = FaultPlan::hits(m_faults.badRecordEvery, index)
                     || (m_faults.goodRecordEvery > 0
                         && !FaultPlan::hits(m_faults.goodRecordEvery, index));
    bytes[0] = bad ? badHeader : char(0x10 + counter);
    for (int i = 0; i < 4; ++i)
        bytes[4 + i] = char(value >> (24 - 8 * i));
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
