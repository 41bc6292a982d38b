// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/tolaserver.h"

#include "device/moduleinterface.h"
#include "sim/simregisterspace.h"

#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>
#include <QtEndian>

using namespace ModuleInterface;

TolaServer::TolaServer(SimRegisterSpace &space, const FaultPlan &faults, quint32 seed,
                       SimStats &stats, QObject *parent)
    : QObject(parent)
    , m_space(space)
    , m_faults(faults)
    , m_random(seed)
    , m_socket(new QUdpSocket(this))
    , m_stats(stats)
{
    connect(m_socket, &QUdpSocket::readyRead, this, &TolaServer::readPending);
}

bool TolaServer::listen(quint16 port)
{
    return m_socket->bind(QHostAddress::LocalHost, port);
}

quint16 TolaServer::port() const
{
    return m_socket->localPort();
}

void TolaServer::readPending()
{
    while (m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        if (datagram.isValid() && datagram.senderAddress().isLoopback())
            handle(datagram.data(), datagram.senderAddress(), quint16(datagram.senderPort()));
    }
}

bool TolaServer::draw(double rate)
{
    return rate > 0.0 && m_random.generateDouble() < rate;
}

void TolaServer::handle(const QByteArray &request, const QHostAddress &peer, quint16 peerPort)
{
    if (request.size() < tolaHeaderSize)
        return;  // nothing to answer to
    const qint64 index = ++m_stats.requests;
    if (FaultPlan::hits(m_faults.dropEveryRequest, index) || draw(m_faults.requestDropRate)) {
        ++m_stats.droppedRequests;
        return;
    }
    sendReply(execute(request), peer, peerPort);
}

// A read request is exactly the header; a write carries exactly the length
// field's number of bytes; the id stays below 128.
bool TolaServer::isWellFormed(const QByteArray &request)
{
    const quint8 command = quint8(request[1]);
    const int length = quint8(request[3]);
    const int payload = request.size() - tolaHeaderSize;
    return quint8(request[0]) == tolaVersion && quint8(request[2]) < tolaIdCount && length > 0
        && ((command == tolaReadCommand && payload == 0)
            || (command == tolaWriteCommand && payload == length));
}

// Any malformed request is answered with the bus-error bit, so a client fault
// shows at once instead of as a time-out.
QByteArray TolaServer::execute(const QByteArray &request)
{
    QByteArray reply = request.left(tolaHeaderSize);
    if (!isWellFormed(request) || !perform(request, reply)) {
        reply.truncate(tolaHeaderSize);
        reply[1] = char(quint8(reply[1]) | tolaBusErrorBit);
    }
    return reply;
}

// Logs and executes a well-formed request; false = bus error.
bool TolaServer::perform(const QByteArray &request, QByteArray &reply)
{
    const int length = quint8(request[3]);
    const quint32 address = qFromBigEndian<quint32>(request.constData() + 4);
    const QByteArray payload = request.mid(tolaHeaderSize);
    const bool isRead = quint8(request[1]) == tolaReadCommand;
    if (isRead)
        m_stats.requestLog.addRead(address, length);
    else
        m_stats.requestLog.addWrite(address, payload);
    if (inBusErrorRange(address, length))
        return false;
    if (!isRead)
        return m_space.write(address, payload);
    QByteArray data;
    if (!m_space.read(address, length, data))
        return false;
    reply.append(data);
    return true;
}

bool TolaServer::inBusErrorRange(quint32 address, int length) const
{
    const quint64 last = quint64(address) + quint64(length) - 1;
    for (const auto &[first, end] : m_faults.busErrorRanges) {
        if (address <= end && last >= first)
            return true;
    }
    return false;
}

void TolaServer::sendReply(QByteArray reply, const QHostAddress &peer, quint16 peerPort)
{
    const qint64 index = ++m_stats.replies;
    if (FaultPlan::hits(m_faults.dropEveryReply, index) || draw(m_faults.replyDropRate)) {
        ++m_stats.droppedReplies;
        return;
    }
    if (FaultPlan::hits(m_faults.shortEveryReply, index) && reply.size() > tolaHeaderSize)
        reply.chop(1);
    if (FaultPlan::hits(m_faults.longEveryReply, index) && reply.size() > tolaHeaderSize)
        reply.append(char(0xEE));
    QList<QByteArray> datagrams;
    if (FaultPlan::hits(m_faults.staleEveryReply, index)) {
        QByteArray stale = reply;
        stale[2] = char((quint8(reply[2]) + 127) % 128);
        datagrams << stale;
    }
    datagrams << reply;
    if (FaultPlan::hits(m_faults.duplicateEveryReply, index))
        datagrams << reply;
    const bool delayed = m_faults.replyDelayMs > 0
        && (m_faults.delayEveryReply == 0 || FaultPlan::hits(m_faults.delayEveryReply, index));
    for (const QByteArray &datagram : std::as_const(datagrams)) {
        if (delayed) {
            QTimer::singleShot(m_faults.replyDelayMs, this,
                               [this, datagram, peer, peerPort] { transmit(datagram, peer, peerPort); });
        } else {
            transmit(datagram, peer, peerPort);
        }
    }
}

void TolaServer::transmit(const QByteArray &reply, const QHostAddress &peer, quint16 peerPort)
{
    m_socket->writeDatagram(reply, peer, peerPort);
}
