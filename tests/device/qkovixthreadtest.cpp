// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "model/operationerror.h"

#include "device/qkovixthread.h"
#include "sim/modulesimulator.h"
#include "sim/simregisterspace.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {
QByteArray record(int header, quint32 value)
{
    QByteArray bytes(8, '\0');
    bytes[0] = char(header);
    for (int i = 0; i < 4; ++i)
        bytes[4 + i] = char(value >> (24 - 8 * i));
    return bytes;
}

QByteArray record(int counter, quint32 value, bool)
{
    return record(0x10 + counter, value);
}
}

class StreamReceiver : public QObject
{
    Q_OBJECT

public:
    QList<std::pair<int, quint32>> updates;
    QStringList errors;
    int connections = 0;
    int closes = 0;

public slots:
    void connected() { ++connections; }
    void connectionClosedByServer() { ++closes; }
    void error(const QString &text) { errors << text; }
    void updateData(int counter, quint32 value) { updates.append({counter, value}); }
};

class QKovixThreadTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void splitRecordCompletedByNextRead();
    void badRecordKeepsTheRestOfTheRead_data();
    void badRecordKeepsTheRestOfTheRead();
    void garbageStreamEndsWithAnError();
    void logsWithSharedSequenceNumber();
    void logFileErrors_data();
    void logFileErrors();
    void logWriteErrorEndsTheStream();
    void streamsFromSimulatorUntilServerCloses();
    void refusedConnectionReportsAtOnce();
    void stopsWithinASecond();
    void idleConnectionOutlivesTheProbe();

private:
    std::unique_ptr<QKovixThread> connectThread(const QKovixThread::Texts &dirs = {},
                                                const QKovixThread::Texts &units = {});
    QTcpSocket *acceptPeer();

    QTcpServer m_server;
    StreamReceiver m_receiver;
};

void QKovixThreadTest::init()
{
    m_receiver.updates.clear();
    m_receiver.errors.clear();
    m_receiver.connections = 0;
    m_receiver.closes = 0;
    QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
}

void QKovixThreadTest::cleanup()
{
    m_server.close();
}

std::unique_ptr<QKovixThread> QKovixThreadTest::connectThread(const QKovixThread::Texts &dirs,
                                                              const QKovixThread::Texts &units)
{
    const QKovixThread::Texts names{QStringLiteral("Gate"), QStringLiteral("Events"),
                                    QStringLiteral("C2"), QStringLiteral("C3")};
    auto thread = std::make_unique<QKovixThread>(dirs, names, units, QStringLiteral("127.0.0.1"),
                                                 m_server.serverPort(), quint16(4660),
                                                 &m_receiver, false);
    thread->start();
    return thread;
}

QTcpSocket *QKovixThreadTest::acceptPeer()
{
    if (!m_server.waitForNewConnection(3000))
        return nullptr;
    QTcpSocket *peer = m_server.nextPendingConnection();
    if (!QTest::qWaitFor([this] { return m_receiver.connections == 1; }, 3000))
        return nullptr;
    return peer;
}

void QKovixThreadTest::splitRecordCompletedByNextRead()
{
    auto thread = connectThread();
    QTcpSocket *peer = acceptPeer();
    QVERIFY(peer);
    const QByteArray bytes = record(1, 7, true) + record(2, 9, true);
    peer->write(bytes.left(13));
    peer->flush();
    QTRY_COMPARE_WITH_TIMEOUT(m_receiver.updates.size(), 1, 3000);
    QCOMPARE(m_receiver.updates.first(), std::make_pair(1, quint32(7)));
    peer->write(bytes.mid(13));
    peer->flush();
    QTRY_COMPARE_WITH_TIMEOUT(m_receiver.updates.size(), 2, 3000);
    QCOMPARE(m_receiver.updates.last(), std::make_pair(2, quint32(9)));
    thread->stop();
    QVERIFY(thread->wait(3000));
}

void QKovixThreadTest::badRecordKeepsTheRestOfTheRead_data()
{
    using Updates = QList<std::pair<int, quint32>>;
    QTest::addColumn<QByteArray>("burst");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Updates>("kept");
    QTest::newRow("bad header, framing kept")
        << record(0, 1, true) + record(0x23, 2) + record(1, 3, true) + QByteArray("\x10\x00", 2)
        << QStringLiteral("Kovix error: numRead=24 35 0 0 0 2") << Updates{{0, 1}, {1, 3}};
    QTest::newRow("counter id 4") << record(0x14, 5) + QByteArray("\x10\x00", 2)
                                  << QStringLiteral("Kovix error: numRead=8 20 0 0 0 5") << Updates{};
    // One stray byte shifts every following record by one.
    QTest::newRow("stray byte, framing recovered")
        << QByteArray("\xAA", 1) + record(0, 1, true) + record(1, 2, true) + QByteArray("\x10\x00", 2)
        << QStringLiteral("Kovix error: numRead=16 170 16 0 0 0") << Updates{{0, 1}, {1, 2}};
}

// The burst ends with the first two bytes of a counter 0 record; the next
// read completes it, which only works when the framing is right again.
void QKovixThreadTest::badRecordKeepsTheRestOfTheRead()
{
    using Updates = QList<std::pair<int, quint32>>;
    QFETCH(QByteArray, burst);
    QFETCH(QString, message);
    QFETCH(Updates, kept);
    // The diagnostics are off in normal runs; switched on, they name the record.
    QLoggingCategory::setFilterRules(QStringLiteral("karix.counterstream.debug=true"));
    const auto rulesReset = qScopeGuard([] { QLoggingCategory::setFilterRules(QString()); });
    auto thread = connectThread();
    QTcpSocket *peer = acceptPeer();
    QVERIFY(peer);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
    peer->write(burst);
    peer->flush();
    QTest::qWait(300);
    peer->write(record(0, 42, true).mid(2) + record(3, 43, true));
    peer->flush();
    QTRY_COMPARE_WITH_TIMEOUT(m_receiver.updates.size(), kept.size() + 2, 3000);
    // A record cut by the read size may arrive with the next read.
    for (const auto &update : kept + Updates{{0, 42}, {3, 43}})
        QVERIFY(m_receiver.updates.contains(update));
    QVERIFY(m_receiver.errors.isEmpty());
    thread->stop();
    QVERIFY(thread->wait(3000));
}

// Random bytes are no counter stream: once more than half of the recent
// records are bad the receiver is told and the stream ends, however the
// good ones are spread.
void QKovixThreadTest::garbageStreamEndsWithAnError()
{
    auto thread = connectThread();
    QTcpSocket *peer = acceptPeer();
    QVERIFY(peer);
    const QByteArray badRecord = record(0x77, 1);
    for (int i = 0; i < 40; ++i)
        peer->write(i % 2 ? badRecord : record(2, quint32(i), true));
    peer->flush();
    QTest::qWait(300);
    QVERIFY(m_receiver.errors.isEmpty());
    for (int i = 0; i < 200 && m_receiver.errors.isEmpty(); ++i) {
        peer->write(i % 8 ? badRecord : record(2, 7, true));
        peer->flush();
        QTest::qWait(5);
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_receiver.errors.size(), 1, 3000);
    QCOMPARE(m_receiver.errors.first(),
             QStringLiteral("The counter stream is not understood (33 of the last 64 records are bad)."));
    QVERIFY(thread->wait(3000));
}

void QKovixThreadTest::logsWithSharedSequenceNumber()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString date = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    QFile taken(dir.filePath(QStringLiteral("Events_") + date + QStringLiteral("0.csv")));
    QVERIFY(taken.open(QIODevice::WriteOnly));
    taken.close();

    const QKovixThread::Texts dirs{dir.path(), dir.path(), QString(), QString()};
    const QKovixThread::Texts units{QStringLiteral("msec"), QString(), QString(), QString()};
    auto thread = connectThread(dirs, units);
    const QString gatePath = dir.path() + QDir::separator() + QStringLiteral("Gate_") + date + QStringLiteral("1.csv");
    QCOMPARE(thread->logPath(0), gatePath);
    QCOMPARE(thread->logPath(1), dir.path() + QDir::separator() + QStringLiteral("Events_") + date + QStringLiteral("1.csv"));
    QVERIFY(thread->logPath(2).isEmpty());

    QTcpSocket *peer = acceptPeer();
    QVERIFY(peer);
    peer->write(record(0, 2000000, true) + record(1, 123456789, true) + record(0, 3, true));
    peer->flush();
    QTRY_COMPARE_WITH_TIMEOUT(m_receiver.updates.size(), 2, 3000);
    thread->stop();
    QVERIFY(thread->wait(3000));

    const QRegularExpression stamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d,"));
    QFile gate(gatePath);
    QVERIFY(gate.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList lines = QString::fromUtf8(gate.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("Time[HH:MM:SS],Gate[msec]"));
    QVERIFY(stamp.match(lines.value(1)).hasMatch());
    QCOMPARE(lines.value(1).mid(9), QStringLiteral("10"));
    QCOMPARE(lines.value(2).mid(9), QStringLiteral("1.5e-05"));
    QFile events(thread->logPath(1));
    QVERIFY(events.open(QIODevice::ReadOnly | QIODevice::Text));
    lines = QString::fromUtf8(events.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("Time[HH:MM:SS],Events"));
    QCOMPARE(lines.value(1).mid(9), QStringLiteral("1.23457e+08"));
}

void QKovixThreadTest::logFileErrors_data()
{
    QTest::addColumn<bool>("continueOnError");
    QTest::newRow("throws") << false;
    QTest::newRow("continues unlogged") << true;
}

void QKovixThreadTest::logFileErrors()
{
    QFETCH(bool, continueOnError);
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing"));
    const QKovixThread::Texts dirs{missing, QString(), QString(), QString()};
    const QKovixThread::Texts names{QStringLiteral("Gate"), {}, {}, {}};
    try {
        QKovixThread thread(dirs, names, {}, QStringLiteral("127.0.0.1"), 1, 1, continueOnError);
        QVERIFY(continueOnError);
        QVERIFY(thread.logPath(0).isEmpty());
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        QVERIFY(!continueOnError);
        QCOMPARE(message, missing + QStringLiteral(":\nNo such directory."));
    }
}

// A log that stops taking values (here: the file size limit, as on a full
// disk) is an error, not a silent loss.
void QKovixThreadTest::logWriteErrorEndsTheStream()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto thread = connectThread({dir.path(), QString(), QString(), QString()});
    QTcpSocket *peer = acceptPeer();
    QVERIFY(peer);

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 512;
    auto *previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    const auto restore = qScopeGuard([&] {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    });
    for (int burst = 0; burst < 20 && m_receiver.errors.isEmpty(); ++burst) {
        QByteArray records;
        for (int i = 0; i < 10; ++i)
            records += record(0, quint32(1000 + i), true);
        peer->write(records);
        peer->flush();
        QTest::qWait(50);
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_receiver.errors.size(), 1, 3000);
    QVERIFY2(m_receiver.errors.first().startsWith(QStringLiteral("Cannot write ") + thread->logPath(0)),
             qPrintable(m_receiver.errors.first()));
    QVERIFY(thread->wait(3000));
}

void QKovixThreadTest::streamsFromSimulatorUntilServerCloses()
{
    SimConfig config;
    config.streamIntervalMs = 20;
    config.faults.closeStreamAfter = 5;
    ModuleSimulator sim(config);
    StreamReceiver receiver;
    QVERIFY(sim.start());
    QVERIFY(sim.registers().write(0x0064, QByteArray(1, char(0x80))));
    m_server.close();
    const QKovixThread::Texts names{QStringLiteral("Gate"), {}, {}, {}};
    QKovixThread thread({}, names, {}, QStringLiteral("127.0.0.1"), sim.tcpPort(), sim.udpPort(),
                        &receiver, false);
    thread.start();
    QTRY_VERIFY_WITH_TIMEOUT(receiver.closes >= 1, 5000);
    QVERIFY(thread.wait(3000));
    QVERIFY(!receiver.updates.isEmpty());
    quint32 previous = 0;
    for (const auto &[counter, value] : std::as_const(receiver.updates)) {
        QCOMPARE(counter, 0);
        QVERIFY(value > previous);
        previous = value;
    }
    QTRY_VERIFY_WITH_TIMEOUT(!receiver.errors.isEmpty(), 2000);
}

void QKovixThreadTest::refusedConnectionReportsAtOnce()
{
    const quint16 port = m_server.serverPort();
    m_server.close();
    StreamReceiver receiver;
    QKovixThread thread({}, {}, {}, QStringLiteral("127.0.0.1"), port, 1, &receiver, false);
    thread.start();
    QVERIFY(thread.wait(2000));
    QTRY_COMPARE_WITH_TIMEOUT(receiver.errors.size(), 1, 2000);
    QCOMPARE(receiver.connections, 0);
}

void QKovixThreadTest::stopsWithinASecond()
{
    auto thread = connectThread();
    QVERIFY(acceptPeer());
    QTest::qWait(200);
    thread->stop();
    QElapsedTimer clock;
    clock.start();
    QVERIFY(thread->wait(3000));
    QVERIFY(clock.elapsed() < 1200);
}

// After ten silent seconds the thread probes the socket; a probe that only
// finds the wait's time-out keeps the stream.
void QKovixThreadTest::idleConnectionOutlivesTheProbe()
{
    auto thread = connectThread();
    QTcpSocket *peer = acceptPeer();
    QVERIFY(peer);
    QTest::qWait(12000);
    QVERIFY(m_receiver.errors.isEmpty());
    peer->write(record(2, 77, true));
    peer->flush();
    QTRY_VERIFY_WITH_TIMEOUT(m_receiver.updates.contains(std::make_pair(2, quint32(77))), 3000);
    QVERIFY(m_receiver.errors.isEmpty());
    thread->stop();
    QVERIFY(thread->wait(3000));
}

KARIX_TEST(QKovixThreadTest)
#include "qkovixthreadtest.moc"
