#include "sim/tolaserver.h"

#include "sim/simregisterspace.h"

#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>

namespace {
constexpr int headerSize = 8;
constexpr quint8 requestVersion = 0xFF;
constexpr quint8 readCommand = 0xC0;
constexpr quint8 writeCommand = 0x80;
constexpr char busErrorBit = 0x01;

quint32 addressOf(const QByteArray &request)
{
    quint32 address = 0;
    for (int i = 4; i < headerSize; ++i)
        address = (address << 8) | quint8(request[i]);
    return address;
}
}

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
    if (request.size() < headerSize)
        return;  // nothing to answer to
    const qint64 index = ++m_stats.requests;
    if (FaultPlan::hits(m_faults.dropEveryRequest, index) || draw(m_faults.requestDropRate)) {
        ++m_stats.droppedRequests;
        return;
    }
    sendReply(execute(request), peer, peerPort);
}

// Any malformed request is answered with the bus-error bit, so a client fault
// shows at once instead of as a time-out.
QByteArray TolaServer::execute(const QByteArray &request)
{
    QByteArray reply = request.left(headerSize);
    const quint8 command = quint8(request[1]);
    const int length = quint8(request[3]);
    const int payload = request.size() - headerSize;
    const quint32 address = addressOf(request);
    const bool wellFormed = quint8(request[0]) == requestVersion && length > 0
        && ((command == readCommand && payload == 0) || (command == writeCommand && payload == length));
    bool ok = wellFormed && !inBusErrorRange(address, length);
    if (ok && command == readCommand) {
        QByteArray data;
        ok = m_space.read(address, length, data);
        reply.append(data);
    } else if (ok) {
        ok = m_space.write(address, request.mid(headerSize));
    }
    if (!ok) {
        reply.truncate(headerSize);
        reply[1] = char(reply[1] | busErrorBit);
    }
    return reply;
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
    if (FaultPlan::hits(m_faults.shortEveryReply, index) && reply.size() > headerSize)
        reply.chop(1);
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
