// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"

#include "device/moduleinterface.h"
#include "sim/modulesimulator.h"
#include "sim/simregisterspace.h"

#include <QDeadlineTimer>
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>
#include <memory>

using namespace ModuleInterface;

namespace {
QByteArray header(quint8 version, quint8 command, quint8 id, quint8 length, quint32 address)
{
    QByteArray bytes;
    bytes.append(char(version)).append(char(command)).append(char(id)).append(char(length));
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char(address >> shift));
    return bytes;
}

QByteArray readRequest(quint8 id, quint8 length, quint32 address)
{
    return header(tolaVersion, tolaReadCommand, id, length, address);
}
}

// The simulator as a peer on the wire: requests sent from a plain socket on
// 127.0.0.1, replies checked byte by byte.
class TolaServerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void requestLayout_data();
    void requestLayout();
    void tooShortRequestIsNotAnswered();

private:
    // The reply to one request, or an empty array after a second of silence.
    QByteArray exchange(const QByteArray &request);

    std::unique_ptr<ModuleSimulator> m_sim;
    QUdpSocket m_socket;
};

void TolaServerTest::initTestCase()
{
    m_sim = std::make_unique<ModuleSimulator>();
    QVERIFY(m_sim->start());
    QVERIFY(m_socket.bind(QHostAddress::LocalHost, 0));
}

void TolaServerTest::cleanupTestCase()
{
    m_sim.reset();
}

QByteArray TolaServerTest::exchange(const QByteArray &request)
{
    m_socket.writeDatagram(request, QHostAddress::LocalHost, m_sim->udpPort());
    const QDeadlineTimer deadline(1000);
    while (!m_socket.hasPendingDatagrams() && !deadline.hasExpired())
        m_socket.waitForReadyRead(int(deadline.remainingTime()));
    return m_socket.hasPendingDatagrams() ? m_socket.receiveDatagram().data() : QByteArray();
}

void TolaServerTest::requestLayout_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<bool>("busError");
    QTest::addColumn<QByteArray>("data");  // of a read reply

    const QByteArray write = header(tolaVersion, tolaWriteCommand, 5, 2, 0x2000);
    QTest::newRow("read") << readRequest(9, 4, 0) << false << QByteArray::fromHex("02010000");
    QTest::newRow("read of 255 bytes") << readRequest(9, 255, 0x3000) << false
                                       << QByteArray(255, '\0');
    QTest::newRow("id 127") << readRequest(127, 1, 0) << false << QByteArray::fromHex("02");
    QTest::newRow("id 128") << readRequest(128, 1, 0) << true << QByteArray();
    QTest::newRow("version byte not 0xFF")
        << header(0xFE, tolaReadCommand, 1, 1, 0) << true << QByteArray();
    QTest::newRow("unknown command") << header(tolaVersion, 0x40, 1, 1, 0) << true << QByteArray();
    QTest::newRow("length 0") << readRequest(1, 0, 0) << true << QByteArray();
    QTest::newRow("read carrying data") << readRequest(1, 1, 0) + "x" << true << QByteArray();
    QTest::newRow("write") << write + "ab" << false << QByteArray();
    QTest::newRow("write shorter than its length") << write + "a" << true << QByteArray();
    QTest::newRow("write longer than its length") << write + "abc" << true << QByteArray();
    QTest::newRow("unmapped address") << readRequest(1, 4, 0x10000) << true << QByteArray();
}

void TolaServerTest::requestLayout()
{
    QFETCH(QByteArray, request);
    QFETCH(bool, busError);
    QFETCH(QByteArray, data);
    const QByteArray reply = exchange(request);
    QCOMPARE(reply.size(), tolaHeaderSize + data.size());
    QCOMPARE(reply.at(0), request.at(0));
    QCOMPARE(quint8(reply.at(1)), quint8(request.at(1) | (busError ? tolaBusErrorBit : 0)));
    QCOMPARE(reply.mid(2, 6), request.mid(2, 6));
    QCOMPARE(reply.mid(tolaHeaderSize), data);
}

void TolaServerTest::tooShortRequestIsNotAnswered()
{
    const qint64 before = m_sim->stats().requests;
    QVERIFY(exchange(readRequest(1, 4, 0).left(7)).isEmpty());
    QCOMPARE(m_sim->stats().requests.load(), before);
}

KARIX_TEST(TolaServerTest)
#include "tolaservertest.moc"
