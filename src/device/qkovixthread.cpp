// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/qkovixthread.h"

#include "io/safefilewriter.h"
#include "model/operationerror.h"

#include <QDate>
#include <QtEndian>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QStringConverter>
#include <QTcpSocket>
#include <QTextStream>
#include <QTime>
#include <algorithm>
#include <cstring>

namespace {
// Bad records are diagnostics for developers (QT_LOGGING_RULES), not output.
Q_LOGGING_CATEGORY(counterStream, "karix.counterstream", QtWarningMsg)

constexpr int waitInterval = 1000;          // ms; also the stop latency
constexpr int idleSecondsBeforeProbe = 10;
constexpr long connectWaitLimit = 10000000; // one-second waits

bool isRecordHeader(quint8 byte)
{
    return (byte >> 4) == 1 && (byte & 0x0F) < QKovixThread::counterCount;
}
}

QKovixThread::QKovixThread(const Texts &dirs, const Texts &names, const Texts &units,
                           const QString &host, quint16 tcpPort, quint16 udpPort,
                           bool continueOnError)
    : m_host(host)
    , m_tcpPort(tcpPort)
    , m_udpPort(udpPort)
    , m_units(units)
    , m_names(names)
{
    for (int i = 0; i < counterCount; ++i)
        m_scales[size_t(i)] = scaleOf(units[size_t(i)]);
    createLogFiles(dirs, names, continueOnError);
}

QKovixThread::~QKovixThread()
{
    stop();
    wait();
}

double QKovixThread::scaleOf(const QString &unit)
{
    if (unit == QLatin1String("nsec"))
        return 5.0;
    if (unit == QLatin1String("usec"))
        return 5.0 / 1000.0;
    if (unit == QLatin1String("msec"))
        return 5.0 / 1000000.0;
    if (unit == QLatin1String("sec"))
        return 5.0 / 1000000000.0;
    return 1.0;
}

// All four counters share the sequence number n: the smallest for which none
// of their files exists yet.
void QKovixThread::createLogFiles(const Texts &dirs, const Texts &names, bool continueOnError)
{
    const QString date = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    Texts paths;
    for (int n = 0;; ++n) {
        bool anyExists = false;
        for (int i = 0; i < counterCount; ++i) {
            if (dirs[size_t(i)].isEmpty())
                continue;
            paths[size_t(i)] = dirs[size_t(i)] + QDir::separator() + names[size_t(i)]
                               + QLatin1Char('_') + date + QString::number(n)
                               + QLatin1String(".csv");
            anyExists = anyExists || QFile::exists(paths[size_t(i)]);
        }
        if (!anyExists)
            break;
    }
    for (int i = 0; i < counterCount; ++i) {
        if (paths[size_t(i)].isEmpty())
            continue;
        QString header = QStringLiteral("Time[HH:MM:SS],") + names[size_t(i)];
        if (m_scales[size_t(i)] != 1.0)
            header += QLatin1Char('[') + m_units[size_t(i)] + QLatin1Char(']');
        const QByteArray bytes = (header + QLatin1Char('\n')).toUtf8();
        SafeFileWriter file(paths[size_t(i)]);
        if (!file.open() || file.device()->write(bytes) != bytes.size() || !file.commit()) {
            if (!continueOnError)
                throw OperationError(fileError(dirs[size_t(i)], file));
            continue;
        }
        m_logPaths[size_t(i)] = paths[size_t(i)];
    }
}

QString QKovixThread::fileError(const QString &dir, const SafeFileWriter &file)
{
    QString text = dir + QLatin1String(":\n");
    if (QDir(dir).exists())
        text += tr("FileError%1").arg(int(file.error())) + tr(" (%1)").arg(file.errorString());
    else
        text += tr("No such directory.");
    return text;
}

void QKovixThread::openLogs()
{
    for (int i = 0; i < counterCount; ++i) {
        if (m_logPaths[size_t(i)].isEmpty())
            continue;
        auto file = std::make_unique<SafeFileWriter>(m_logPaths[size_t(i)],
                                                     SafeFileWriter::Mode::Append);
        if (!file->open())
            continue;
        m_logStreams[size_t(i)] = std::make_unique<QTextStream>(file->device());
        m_logStreams[size_t(i)]->setEncoding(QStringConverter::Utf8);
        m_logFiles[size_t(i)] = std::move(file);
    }
}

// A log that can no longer be written ends the stream: values would be lost
// without a word otherwise.
bool QKovixThread::flushLogs()
{
    for (int i = 0; i < counterCount; ++i) {
        SafeFileWriter *file = m_logFiles[size_t(i)].get();
        if (!file)
            continue;
        m_logStreams[size_t(i)]->flush();
        if (!file->flush()) {
            emit error(tr("Cannot write %1: %2").arg(m_logPaths[size_t(i)], file->errorString()));
            m_stopFlag = 1;
            return false;
        }
    }
    return true;
}

void QKovixThread::closeLogs()
{
    for (int i = 0; i < counterCount; ++i) {
        m_logStreams[size_t(i)].reset();
        if (m_logFiles[size_t(i)])
            m_logFiles[size_t(i)]->commit();
        m_logFiles[size_t(i)].reset();
    }
}

void QKovixThread::run()
{
    openLogs();
    m_socket = new QTcpSocket;
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    m_socket->connectToHost(m_host, m_tcpPort, QIODevice::ReadOnly);
    connect(m_socket, &QAbstractSocket::disconnected, this, &QKovixThread::closedByServer,
            Qt::DirectConnection);
    if (m_attachReceiver)
        m_attachReceiver();
    m_buffer = std::make_unique<char[]>(bufferSize);
    m_incomplete = 0;
    m_recentRecords = RecordWindow();

    if (waitUntilConnected()) {
        emit connectedKovix();
        receive();
    }

    m_socket->close();
    closeLogs();
    m_stopFlag = 0;
    m_buffer.reset();
    delete m_socket;
    m_socket = nullptr;
}

// A refused or failed connection ends at once with the socket's error text
// rather than spinning on a socket that is no longer connecting.
bool QKovixThread::waitUntilConnected()
{
    for (long waits = 0; !m_stopFlag; ++waits) {
        if (waits >= connectWaitLimit) {
            emit error(tr("Connection timed out"));
            m_stopFlag = 1;
            break;
        }
        if (m_socket->waitForConnected(waitInterval))
            return true;
        if (m_socket->state() == QAbstractSocket::UnconnectedState) {
            emit error(m_socket->errorString());
            return false;
        }
    }
    return false;
}

void QKovixThread::receive()
{
    int idleSeconds = 0;
    while (!m_stopFlag) {
        if (m_socket->waitForReadyRead(waitInterval)) {
            readKovix();
            idleSeconds = 0;
            continue;
        }
        // A closed connection would otherwise wake the loop at once forever.
        if (m_socket->state() != QAbstractSocket::ConnectedState) {
            emit error(m_socket->errorString());
            return;
        }
        if (++idleSeconds < idleSecondsBeforeProbe)
            continue;
        if (!probeIdleConnection())
            return;
    }
}

// Reads what a silent connection may still hold; false when it has failed.
bool QKovixThread::probeIdleConnection()
{
    const qint64 got = m_socket->read(m_buffer.get() + m_incomplete, recordSize - m_incomplete);
    if (got < 0) {
        if (m_socket->errorString().isEmpty())
            return true;
        emit error(m_socket->errorString());
        return false;
    }
    if (got > 0) {
        m_incomplete += int(got);
        readKovix();
        return true;
    }
    if (m_socket->isValid() && m_socket->error() == QAbstractSocket::SocketTimeoutError)
        return true;
    emit error(m_socket->errorString());
    return false;
}

void QKovixThread::readKovix(int ignored)
{
    Q_UNUSED(ignored)
    readKovix();
}

void QKovixThread::readKovix()
{
    const qint64 available = m_socket->bytesAvailable() + m_incomplete;
    if (available < recordSize)
        return;
    const qint64 total = available / recordSize * recordSize;
    const qint64 limit = std::min<qint64>(bufferSize, total);
    std::array<quint32, counterCount> last{};
    std::array<int, counterCount> seen{};
    const QString stamp = QTime::currentTime().toString(QStringLiteral("hh:mm:ss,"));
    for (qint64 processed = 0; processed < total && !m_stopFlag; processed += bufferSize) {
        const qint64 got = m_socket->read(m_buffer.get() + m_incomplete, limit - m_incomplete);
        if (got < 0) {
            emit error(m_socket->errorString());
            m_stopFlag = 1;
            return;
        }
        if (!decodeSlice(m_incomplete + int(got), stamp, last, seen))
            return;
    }
    if (!flushLogs())
        return;
    for (int id = 0; id < counterCount; ++id) {
        if (seen[size_t(id)] > 0)
            emit recived(id, last[size_t(id)]);
    }
}

// Decodes the size bytes at the buffer start and keeps the partial record
// after the last whole one; false when the stream has been ended.
bool QKovixThread::decodeSlice(int size, const QString &stamp,
                               std::array<quint32, counterCount> &last,
                               std::array<int, counterCount> &seen)
{
    int offset = 0;
    while (offset + recordSize <= size) {
        if (decodeRecord(offset, stamp, last, seen)) {
            m_recentRecords.add(false);
            offset += recordSize;
            continue;
        }
        if (!judgeBadRecord(offset, size))
            return false;
        offset = nextRecordStart(offset, size);
    }
    m_incomplete = size - offset;
    std::memmove(m_buffer.get(), m_buffer.get() + offset, size_t(m_incomplete));
    return true;
}

bool QKovixThread::judgeBadRecord(int offset, int size)
{
    reportBadRecord(offset, size);
    if (!m_recentRecords.add(true))
        return true;
    emit error(tr("The counter stream is not understood (%1 of the last %2 records are bad).")
                   .arg(m_recentRecords.badCount())
                   .arg(RecordWindow::size));
    m_stopFlag = 1;
    return false;
}

bool QKovixThread::decodeRecord(int offset, const QString &stamp,
                                std::array<quint32, counterCount> &last,
                                std::array<int, counterCount> &seen)
{
    const quint8 header = quint8(m_buffer[size_t(offset)]);
    if (!isRecordHeader(header))
        return false;
    const int id = header & 0x0F;
    const quint32 value = qFromBigEndian<quint32>(m_buffer.get() + offset + 4);
    last[size_t(id)] = value;
    ++seen[size_t(id)];
    if (QTextStream *log = m_logStreams[size_t(id)].get())
        *log << stamp << double(value) * m_scales[size_t(id)] << '\n';
    return true;
}

// Diagnostic output only: the receiver hears of bad records only when too
// many of the recent ones are bad.
void QKovixThread::reportBadRecord(int offset, int size) const
{
    const char *record = m_buffer.get() + offset;
    qCDebug(counterStream).noquote() << QStringLiteral("Kovix error: numRead=%1 %2 %3 %4 %5 %6")
                              .arg(size / recordSize * recordSize)
                              .arg(quint8(record[0]))
                              .arg(quint8(record[1]))
                              .arg(quint8(record[2]))
                              .arg(quint8(record[3]))
                              .arg(qFromBigEndian<quint32>(record + 4));
}

// Where decoding goes on after a bad record: in the same framing when a
// record header follows there (a corrupted record), else at the first header
// inside the bad record (bytes lost or inserted shift the framing). Either
// way no good record of the read is dropped.
int QKovixThread::nextRecordStart(int badOffset, int size) const
{
    const int samePhase = badOffset + recordSize;
    if (samePhase >= size || isRecordHeader(quint8(m_buffer[size_t(samePhase)])))
        return samePhase;
    for (int at = badOffset + 1; at < samePhase; ++at) {
        if (isRecordHeader(quint8(m_buffer[size_t(at)])))
            return at;
    }
    return samePhase;
}
