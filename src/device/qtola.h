// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QThread>
#include <atomic>

class QUdpSocket;

// Client of the module's register access protocol over UDP. Strictly one
// request in flight; every exchange runs on this thread's run(), so the socket
// is created by open() on the worker thread. Only abort() may be called from
// another thread.
class QTola : public QThread
{
    Q_OBJECT

public:
    // Status exception of the protocol layer; never leaves the worker thread.
    struct ErrSts
    {
        qint32 code;
    };
    enum StatusCode : qint32 {
        Aborted = 0,
        UnableToWrite = -1,
        UnableToRead = -2,
        SocketFailure = -3,
        BusError = -4,
        TimedOut = -5,
    };
    explicit QTola(QObject *parent = nullptr);
    ~QTola() override;

    int maxChunk() const { return m_maxChunk; }
    qint64 pollCount() const { return m_pollCount; }
    int attempts() const { return m_attempts; }
    const QString &detailLog() const { return m_detailLog; }
    // Status code of the exchange that ended the run; noFailure when none did.
    // Read only after the thread has finished.
    static constexpr qint32 noFailure = 1;
    qint32 failureStatus() const { return m_failureStatus; }

public slots:
    virtual void setHost(const QHostAddress &address, quint16 port);
    virtual void abort();
    virtual void setTimeout(int seconds);
    virtual void setRetry(int retries);

public:
    // Register operations; addresses are full 32-bit, data big-endian as stored.
    virtual int readByte(quint32 address, char *dest);
    virtual int read(quint32 address, char *dest, unsigned length);
    virtual int readExact(quint32 address, char *dest, unsigned length);
    virtual int writeByte(quint32 address, char value);
    virtual int write(quint32 address, const char *src, unsigned length);
    virtual int writeExact(quint32 address, const char *src, unsigned length);
    virtual bool setEepromWriteEnable(bool enable);
    virtual int buildReadRequest(quint32 address, int length);
    virtual int readChunk(quint32 address, char *dest, unsigned length);
    virtual int buildWriteRequest(quint32 address, const char *data, int length);
    virtual int writeChunk(quint32 address, const char *src, unsigned length);
    virtual bool open();
    virtual void close();
    virtual int transact(int id);
    virtual int nextId();

signals:
    void closed(bool ok);
    // Points at detailLog, which lives as long as this object.
    void error(QString *text);

protected:
    // Text of a status code as reported to the user (socket error for -3).
    QString statusText(const ErrSts &status) const;
    bool isAborted() const { return m_abortFlag.load() != 0; }
    // The lines a failed read adds to the detail log: address and both lengths.
    static QString readFailureDetail(quint32 address, unsigned length, int count);
    const QHostAddress &host() const { return m_host; }

    QString m_detailLog;
    bool m_resultFlag = false;  // argument of closed()
    qint32 m_failureStatus = noFailure;

private:
    void throwIfAborted() const;
    bool waitForDatagram();
    void buildHeader(quint8 command, quint32 address, int length);
    // firstLine is the translated "read address" or "write address" line.
    [[noreturn]] void failChunk(const QString &firstLine, quint32 address, unsigned length,
                                qint32 code);
    template<typename Chunk>
    int chunked(unsigned length, Chunk chunk) const;

    qint8 m_id = 0;
    quint16 m_port = 0;
    QHostAddress m_host;
    QUdpSocket *m_socket = nullptr;
    std::atomic<quint8> m_abortFlag{0};
    qint32 m_maxChunk = 128;
    qint64 m_pollCount = 40;  // 100 ms waits per attempt; 64 bits so no time-out overflows
    qint32 m_attempts = 3;
    QByteArray m_packet;      // request being sent, then the reply received
    bool m_unreachable = false;  // the last socket failure was an ICMP wake-up
};
