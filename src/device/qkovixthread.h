// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/recordwindow.h"

#include <QString>
#include <QThread>
#include <array>
#include <atomic>
#include <functional>
#include <memory>

class QTcpSocket;
class SafeFileWriter;
class QTextStream;

// Client of the module's counter stream: 8-byte records (0x10 + counter id,
// three reserved bytes, 32-bit count of 5 ns ticks, big-endian). Hands the last
// value of each counter per read to its receiver and appends every value to
// the counter's CSV log; a log write error, or more than half of the last
// RecordWindow::size records bad, ends the stream with error(). After a bad
// record decoding goes on at the next record header. Socket, buffer and log files are used only by this
// thread; stop() may be called from any thread and is noticed within a second.
class QKovixThread : public QThread
{
    Q_OBJECT

public:
    static constexpr int counterCount = 4;
    static constexpr int recordSize = 8;
    static constexpr int bufferSize = 4096;
    using Texts = std::array<QString, counterCount>;

    // Counter i is logged when dirs[i] is non-empty. A log file that cannot be
    // created throws its message (QString) unless continueOnError is set; then
    // that counter is simply not logged.
    QKovixThread(const Texts &dirs, const Texts &names, const Texts &units, const QString &host,
                 quint16 tcpPort, quint16 udpPort, bool continueOnError);

    // Same, and run() connects the stream to the receiver's slots connected(),
    // connectionClosedByServer(), error(QString) and updateData(int,quint32).
    template<typename Receiver>
    QKovixThread(const Texts &dirs, const Texts &names, const Texts &units, const QString &host,
                 quint16 tcpPort, quint16 udpPort, Receiver *receiver, bool continueOnError)
        : QKovixThread(dirs, names, units, host, tcpPort, udpPort, continueOnError)
    {
        m_attachReceiver = [this, receiver] {
            connect(this, &QKovixThread::connectedKovix, receiver, &Receiver::connected);
            connect(this, &QKovixThread::closedByServer, receiver,
                    &Receiver::connectionClosedByServer);
            connect(this, &QKovixThread::error, receiver, &Receiver::error);
            connect(this, &QKovixThread::recived, receiver, &Receiver::updateData);
        };
    }
    ~QKovixThread() override;

    void stop() { m_stopFlag = 1; }
    quint16 udpPort() const { return m_udpPort; }
    // Empty when the counter is not logged.
    QString logPath(int counter) const { return m_logPaths[size_t(counter)]; }
    double scale(int counter) const { return m_scales[size_t(counter)]; }

    // Ticks per logged unit: 5 for "nsec" down to 5e-9 for "sec"; 1 for any
    // other unit text, which is then left out of the log header.
    static double scaleOf(const QString &unit);

public slots:
    void readKovix();
    void readKovix(int ignored);

signals:
    void recived(int counter, quint32 value);
    void error(const QString &text);
    void connectedKovix();
    void closedByServer();

protected:
    void run() override;

private:
    void createLogFiles(const Texts &dirs, const Texts &names, bool continueOnError);
    static QString fileError(const QString &dir, const SafeFileWriter &file);
    void openLogs();
    bool flushLogs();
    void closeLogs();
    bool waitUntilConnected();
    void receive();
    bool probeIdleConnection();
    bool decodeRecord(int offset, const QString &stamp, std::array<quint32, counterCount> &last,
                      std::array<int, counterCount> &seen);
    bool decodeSlice(int size, const QString &stamp, std::array<quint32, counterCount> &last,
                     std::array<int, counterCount> &seen);
    bool judgeBadRecord(int offset, int size);
    void reportBadRecord(int offset, int size) const;
    int nextRecordStart(int badOffset, int size) const;

    QTcpSocket *m_socket = nullptr;
    std::function<void()> m_attachReceiver;
    QString m_host;
    quint16 m_tcpPort;
    quint16 m_udpPort;  // kept for the owner; the stream does not use it
    std::array<double, counterCount> m_scales{};
    Texts m_units;
    Texts m_names;
    Texts m_logPaths;
    std::array<std::unique_ptr<SafeFileWriter>, counterCount> m_logFiles;
    std::array<std::unique_ptr<QTextStream>, counterCount> m_logStreams;
    std::unique_ptr<char[]> m_buffer;
    int m_incomplete = 0;  // bytes of a partial record kept at the buffer start
    RecordWindow m_recentRecords;
    std::atomic<quint8> m_stopFlag{0};
};
