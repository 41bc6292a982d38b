// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/qtola.h"

#include "device/moduleinterface.h"

#include <QDeadlineTimer>
#include <QUdpSocket>
#include <algorithm>
#include <cstring>

using namespace ModuleInterface;

namespace {
constexpr int pollInterval = 100;  // ms; also the abort latency
constexpr int busErrorReply = -4;
constexpr int timedOutReply = -5;

QString hexAddress(quint32 address)
{
    return QStringLiteral("%1").arg(address, 8, 16, QLatin1Char('0'));
}
}

QTola::QTola(QObject *parent)
    : QThread(parent)
{
}

QTola::~QTola()
{
    m_abortFlag = 1;
    while (isRunning())
        wait(QDeadlineTimer(pollInterval));
    delete m_socket;
}

void QTola::setHost(const QHostAddress &address, quint16 port)
{
    m_host = address;
    m_port = port;
}

void QTola::abort()
{
    m_abortFlag = 1;
}

void QTola::setTimeout(int seconds)
{
    if (seconds > 0)
        m_pollCount = qint64(seconds) * (1000 / pollInterval);
}

void QTola::setRetry(int retries)
{
    if (retries > 0)
        m_attempts = retries + 1;
}

int QTola::readByte(quint32 address, char *dest)
{
    return readChunk(address, dest, 1);
}

template<typename Chunk>
int QTola::chunked(unsigned length, Chunk chunk) const
{
    unsigned done = 0;
    while (done < length) {
        const unsigned size = std::min<unsigned>(m_maxChunk, length - done);
        if (chunk(done, size) != int(size))
            return int(done);
        done += size;
    }
    return int(length);
}

int QTola::read(quint32 address, char *dest, unsigned length)
{
    return chunked(length, [&](unsigned done, unsigned size) {
        return readChunk(address + done, dest ? dest + done : nullptr, size);
    });
}

int QTola::readExact(quint32 address, char *dest, unsigned length)
{
    const int count = read(address, dest, length);
    if (count != int(length)) {
        m_detailLog += readFailureDetail(address, length, count);
        throw ErrSts{UnableToRead};
    }
    return count;
}

QString QTola::readFailureDetail(quint32 address, unsigned length, int count)
{
    return tr("address: 0x%1\n").arg(hexAddress(address))
           + tr("request length: %1\n").arg(length) + tr("read length: %1\n\n").arg(count);
}

int QTola::writeByte(quint32 address, char value)
{
    return writeChunk(address, &value, 1);
}

int QTola::write(quint32 address, const char *src, unsigned length)
{
    return chunked(length, [&](unsigned done, unsigned size) {
        return writeChunk(address + done, src + done, size);
    });
}

int QTola::writeExact(quint32 address, const char *src, unsigned length)
{
    const int count = write(address, src, length);
    if (count != int(length))
        throw ErrSts{UnableToWrite};
    return count;
}

bool QTola::setEepromWriteEnable(bool enable)
{
    return writeByte(eepromWriteEnable, char(enable ? 0x00 : 0xFF)) > 0;
}

void QTola::buildHeader(quint8 command, quint32 address, int length)
{
    m_packet.resize(tolaHeaderSize);
    m_packet[0] = char(tolaVersion);
    m_packet[1] = char(command);
    m_packet[2] = char(nextId());
    m_packet[3] = char(length & 0xFF);
    for (int i = 0; i < 4; ++i)
        m_packet[4 + i] = char(address >> (24 - 8 * i));
}

int QTola::buildReadRequest(quint32 address, int length)
{
    buildHeader(tolaReadCommand, address, length);
    return m_id;
}

int QTola::buildWriteRequest(quint32 address, const char *data, int length)
{
    buildHeader(tolaWriteCommand, address, length);
    m_packet.append(data, length & 0xFF);
    return m_id;
}

void QTola::failChunk(const QString &firstLine, quint32 address, unsigned length, qint32 code)
{
    m_detailLog += firstLine.arg(hexAddress(address));
    m_detailLog += tr("length: %1\n\n").arg(length);
    throw ErrSts{code};
}

int QTola::readChunk(quint32 address, char *dest, unsigned length)
{
    for (int attempt = 0; attempt < m_attempts; ++attempt) {
        const int reply = transact(buildReadRequest(address, int(length)));
        if (reply == busErrorReply)
            failChunk(tr("read address: 0x%1\n"), address, length, BusError);
        if (reply == timedOutReply)
            continue;
        const int payload = std::min(reply - tolaHeaderSize, int(length));
        if (dest && payload > 0)
            std::memcpy(dest, m_packet.constData() + tolaHeaderSize, size_t(payload));
        return payload;
    }
    failChunk(tr("read address: 0x%1\n"), address, length, TimedOut);
}

int QTola::writeChunk(quint32 address, const char *src, unsigned length)
{
    for (int attempt = 0; attempt < m_attempts; ++attempt) {
        const int reply = transact(buildWriteRequest(address, src, int(length)));
        if (reply == busErrorReply)
            failChunk(tr("write address: 0x%1\n"), address, length, BusError);
        if (reply != timedOutReply)
            return int(length & 0xFF);
    }
    failChunk(tr("write address: 0x%1\n"), address, length, TimedOut);
}

bool QTola::open()
{
    if (m_socket)
        return true;
    m_abortFlag = 0;
    m_resultFlag = false;
    if (m_host.isNull())
        return false;
    m_socket = new QUdpSocket;
    m_socket->connectToHost(m_host, m_port, QIODevice::ReadWrite);
    return true;
}

void QTola::close()
{
    if (m_socket) {
        m_socket->close();
        delete m_socket;
        m_socket = nullptr;
    }
    emit closed(m_resultFlag);
}

void QTola::throwIfAborted() const
{
    if (m_abortFlag)
        throw ErrSts{Aborted};
}

// Waits one poll for a datagram. A wake-up without a datagram, or an early
// return with a socket error, is an ICMP error on the connected socket (port
// unreachable): reported as a socket failure instead of polling again at once.
bool QTola::waitForDatagram()
{
    // No peek before the wait: a peek would swallow the pending ICMP error.
    const bool woke = m_socket->waitForReadyRead(pollInterval);
    if (m_socket->hasPendingDatagrams())
        return true;
    if (woke || m_socket->error() != QAbstractSocket::SocketTimeoutError) {
        m_unreachable = woke;
        throw ErrSts{SocketFailure};
    }
    return false;
}

int QTola::transact(int id)
{
    throwIfAborted();
    if (m_socket->write(m_packet) <= 0)
        throw ErrSts{SocketFailure};
    for (qint64 poll = 0; poll < m_pollCount; ++poll) {
        throwIfAborted();
        if (!waitForDatagram())
            continue;
        const qint64 size = m_socket->pendingDatagramSize();
        m_packet.resize(int(std::max<qint64>(size, 0)));
        const qint64 received = m_socket->readDatagram(m_packet.data(), m_packet.size());
        if (received < tolaHeaderSize)
            throw ErrSts{SocketFailure};
        if (qint8(m_packet[2]) == id)
            return (quint8(m_packet[1]) & tolaBusErrorBit) ? busErrorReply : int(received);
    }
    return timedOutReply;
}

int QTola::nextId()
{
    const int next = m_id + 1;
    m_id = qint8(next >= tolaIdCount ? 0 : next);
    return m_id;
}

QString QTola::statusText(const ErrSts &status) const
{
    switch (status.code) {
    case Aborted:
        return tr("QTola: Aborted");
    case UnableToWrite:
        return tr("QTola: Unable to write");
    case UnableToRead:
        return tr("QTola: Unable to read");
    case SocketFailure:
        // The socket layer records no error for an ICMP wake-up ("Unknown error").
        if (m_unreachable)
            return tr("QTola: %1 port %2 is unreachable").arg(m_host.toString()).arg(m_port);
        return m_socket ? m_socket->errorString() : tr("TOLA: Communication error");
    case BusError:
        return tr("QTola: Bus Error");
    case TimedOut:
        return tr("QTola: Socket operation timed out");
    }
    return tr("TOLA: Communication error");
}
