// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "workerprobe.h"

#include "device/qudpthread.h"
#include "sim/modulesimulator.h"
#include "sim/simregisterspace.h"

#include <QElapsedTimer>
#include <QTest>
#include <QUdpSocket>
#include <limits>
#include <memory>

namespace {
std::unique_ptr<ModuleSimulator> startSim(const FaultPlan &faults = FaultPlan())
{
    SimConfig config;
    config.faults = faults;
    auto sim = std::make_unique<ModuleSimulator>(config);
    if (!sim->start())
        qFatal("simulator: %s", qPrintable(sim->errorString()));
    return sim;
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + 3);
    return bytes;
}
}

// Protocol exchanges driven directly from the test thread: the client opens
// its socket on the calling thread, so no worker thread is needed here.
class QTolaTest : public QObject
{
    Q_OBJECT

private slots:
    void idsRunFromOneTo127ThenZero();
    void settersKeepDefaultsForZero();
    void readsThroughReplyFaults_data();
    void readsThroughReplyFaults();
    void writesAreChunked();
    void readExactFailures_data();
    void readExactFailures();
    void timeoutAfterAllAttempts();
    void abortEndsTheRunningExchange();
    void unreachablePortFailsWithoutWaiting();
    void nullHostEmitsNothing();
};

void QTolaTest::idsRunFromOneTo127ThenZero()
{
    QUdpThread client;
    QList<int> ids;
    for (int i = 0; i < 130; ++i)
        ids << client.nextId();
    QCOMPARE(ids.first(), 1);
    QCOMPARE(ids.at(126), 127);
    QCOMPARE(ids.at(127), 0);
    QCOMPARE(ids.at(128), 1);
}

void QTolaTest::settersKeepDefaultsForZero()
{
    QUdpThread client;
    client.setTimeout(0);
    client.setRetry(0);
    QCOMPARE(client.pollCount(), qint64(40));
    QCOMPARE(client.attempts(), 3);
    QCOMPARE(client.maxChunk(), 128);
    client.setTimeout(2);
    client.setRetry(4);
    QCOMPARE(client.pollCount(), qint64(20));
    QCOMPARE(client.attempts(), 5);
    // The largest time-out must not wrap into a short (or negative) wait.
    client.setTimeout(std::numeric_limits<int>::max());
    QCOMPARE(client.pollCount(), qint64(std::numeric_limits<int>::max()) * 10);
}

void QTolaTest::readsThroughReplyFaults_data()
{
    QTest::addColumn<FaultPlan>("faults");
    FaultPlan stale;
    stale.staleEveryReply = 1;
    FaultPlan duplicated;
    duplicated.duplicateEveryReply = 1;
    FaultPlan lateReplies;  // later than one poll: the retry's reply wins, the late one is stale
    lateReplies.replyDelayMs = 150;
    lateReplies.delayEveryReply = 2;
    FaultPlan lostReply;
    lostReply.dropEveryReply = 4;
    FaultPlan lostRequest;
    lostRequest.dropEveryRequest = 3;
    FaultPlan longReplies;  // one data byte more than asked for
    longReplies.longEveryReply = 1;
    QTest::newRow("stale id first") << stale;
    QTest::newRow("duplicated") << duplicated;
    QTest::newRow("delayed") << lateReplies;
    QTest::newRow("reply lost") << lostReply;
    QTest::newRow("request lost") << lostRequest;
    QTest::newRow("reply too long") << longReplies;
}

void QTolaTest::readsThroughReplyFaults()
{
    QFETCH(FaultPlan, faults);
    auto sim = startSim(faults);
    sim->registers().poke(0x2000, pattern(300));
    QUdpThread client;
    client.setHost(QHostAddress::LocalHost, sim->udpPort());
    client.setTimeout(1);
    QVERIFY(client.open());
    for (int round = 0; round < 2; ++round) {
        QByteArray data(300, '\0');
        QCOMPARE(client.readExact(0x2000, data.data(), 300), 300);
        QCOMPARE(data, pattern(300));
    }
    client.close();
}

void QTolaTest::writesAreChunked()
{
    auto sim = startSim();
    QUdpThread client;
    client.setHost(QHostAddress::LocalHost, sim->udpPort());
    QVERIFY(client.open());
    const QByteArray data = pattern(300);
    QCOMPARE(client.writeExact(0x2100, data.constData(), 300), 300);
    client.close();
    QCOMPARE(sim->stats().requests.load(), qint64(3));  // 128 + 128 + 44
    QCOMPARE(sim->registers().peek(0x2100, 300), data);
}

void QTolaTest::readExactFailures_data()
{
    QTest::addColumn<FaultPlan>("faults");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("detailLog");
    QTest::addColumn<int>("requests");
    FaultPlan shortReply;  // the third chunk comes back one byte short
    shortReply.shortEveryReply = 3;
    FaultPlan busError;
    busError.busErrorRanges = {{0x2080, 0x2080}};
    QTest::newRow("short reply") << shortReply << int(QTola::UnableToRead)
                                 << QStringLiteral("address: 0x00002000\nrequest length: 300\n"
                                                   "read length: 256\n\n")
                                 << 3;
    QTest::newRow("bus error, no retry")
        << busError << int(QTola::BusError)
        << QStringLiteral("read address: 0x00002080\nlength: 128\n\n") << 2;
}

void QTolaTest::readExactFailures()
{
    QFETCH(FaultPlan, faults);
    QFETCH(int, code);
    QFETCH(QString, detailLog);
    QFETCH(int, requests);
    auto sim = startSim(faults);
    QUdpThread client;
    client.setHost(QHostAddress::LocalHost, sim->udpPort());
    QVERIFY(client.open());
    QByteArray data(300, '\0');
    try {
        client.readExact(0x2000, data.data(), 300);
        QFAIL("failed read accepted");
    } catch (const QTola::ErrSts &status) {
        QCOMPARE(status.code, qint32(code));
    }
    QCOMPARE(client.detailLog(), detailLog);
    QCOMPARE(sim->stats().requests.load(), qint64(requests));
    client.close();
}

void QTolaTest::timeoutAfterAllAttempts()
{
    FaultPlan faults;
    faults.requestDropRate = 1.0;
    auto sim = startSim(faults);
    QUdpThread worker;
    worker.setBlockRead(0x2000, 128);
    WorkerProbe probe;
    probe.run(worker, sim->udpPort(), 1, 10000);
    QVERIFY(!probe.ok);
    QCOMPARE(probe.error(), QStringLiteral("read address: 0x00002000\nlength: 128\n\n"
                                           "QTola: Socket operation timed out"));
    QCOMPARE(sim->stats().requests.load(), qint64(3));
    QVERIFY(probe.elapsedMs >= 2900);
}

void QTolaTest::abortEndsTheRunningExchange()
{
    FaultPlan faults;
    faults.requestDropRate = 1.0;
    auto sim = startSim(faults);
    QUdpThread worker;
    QStringList errors;
    connect(&worker, &QTola::error, &worker, [&errors](QString *text) { errors << *text; },
            Qt::DirectConnection);
    worker.setBlockRead(0x2000, 128);
    worker.setHost(QHostAddress::LocalHost, sim->udpPort());
    worker.start();
    QThread::msleep(300);
    QElapsedTimer clock;
    clock.start();
    worker.cancel();
    QVERIFY(worker.wait(QDeadlineTimer(2000)));
    QVERIFY(clock.elapsed() < 500);
    QCOMPARE(errors, QStringList{QStringLiteral("QTola: Aborted")});
}

void QTolaTest::unreachablePortFailsWithoutWaiting()
{
    quint16 closedPort = 0;
    {
        QUdpSocket probeSocket;
        QVERIFY(probeSocket.bind(QHostAddress::LocalHost, 0));
        closedPort = probeSocket.localPort();
    }
    QUdpThread worker;
    worker.setBlockRead(0, 4);
    WorkerProbe probe;
    probe.run(worker, closedPort, 1, 10000);
    QVERIFY(probe.finished);
    QCOMPARE(probe.closedCount, 1);
    QVERIFY(!probe.ok);
    QVERIFY2(probe.elapsedMs < 1000, qPrintable(QString::number(probe.elapsedMs)));
    QCOMPARE(probe.error(), QStringLiteral("QTola: 127.0.0.1 port %1 is unreachable").arg(closedPort));
}

void QTolaTest::nullHostEmitsNothing()
{
    QUdpThread worker;
    int emitted = 0;
    connect(&worker, &QTola::closed, &worker, [&emitted] { ++emitted; }, Qt::DirectConnection);
    connect(&worker, &QTola::error, &worker, [&emitted] { ++emitted; }, Qt::DirectConnection);
    worker.setBlockRead(0, 4);
    worker.start();
    QVERIFY(worker.wait(QDeadlineTimer(2000)));
    QCOMPARE(emitted, 0);
}

KARIX_TEST(QTolaTest)
#include "qtolatest.moc"
