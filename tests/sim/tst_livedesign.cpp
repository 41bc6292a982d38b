// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"

#include "compiler/imagecapture.h"
#include "device/moduleinterface.h"
#include "io/designdocument.h"
#include "io/designloader.h"
#include "sim/designrun.h"
#include "sim/livedesign.h"
#include "sim/modulesimulator.h"
#include "sim/simregisterspace.h"

#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QTest>
#include <QtEndian>
#include <array>
#include <optional>

using namespace ModuleInterface;

namespace {
QByteArray compiledExample(const char *name)
{
    DesignDocument document;
    QString error;
    QStringList warnings;
    const bool loaded = DesignLoader::load(QStringLiteral(KARIX_SOURCE_DIR "/examples/") + name,
                                           document, error, warnings);
    return loaded ? ImageCapture::compile(document.model()) : QByteArray();
}

// The last value of each counter streamed to a client within ms.
std::array<std::optional<quint32>, 4> streamFor(quint16 port, int ms)
{
    std::array<std::optional<quint32>, 4> last;
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    const QDeadlineTimer deadline(ms);
    QByteArray buffer;
    while (!deadline.hasExpired() && socket.waitForReadyRead(int(deadline.remainingTime()))) {
        buffer += socket.readAll();
        for (; buffer.size() >= 8; buffer.remove(0, 8))
            last[size_t(buffer[0] & 3)] = qFromBigEndian<quint32>(buffer.constData() + 4);
    }
    return last;
}
}

// The counter stream of a simulator that runs its design: what the design's
// measure counters count from random inputs of known rates.
class LiveDesignTest : public QObject
{
    Q_OBJECT

private slots:
    void countsFollowTheDesignsInputs_data();
    void countsFollowTheDesignsInputs();
    void rateLists_data();
    void rateLists();
};

void LiveDesignTest::countsFollowTheDesignsInputs_data()
{
    QTest::addColumn<bool>("downloaded");
    QTest::addColumn<QString>("rates");
    QTest::addColumn<double>("hitsPerSecond");
    QTest::addColumn<bool>("gated"); // the gate input has pulses: gated counters report
    QTest::newRow("held from the start") << false << "S1=1MHz" << 1e6 << false;
    QTest::newRow("downloaded") << true << "S1=400kHz,S2=5kHz,1us" << 4e5 << true;
}

// counters.krx: MsrCnt0 counts ticks, MsrCnt2 the rises of S1, both from
// their start; MsrCnt1 and MsrCnt3 measure while S2 gates them.
void LiveDesignTest::countsFollowTheDesignsInputs()
{
    QFETCH(bool, downloaded);
    QFETCH(QString, rates);
    QFETCH(double, hitsPerSecond);
    QFETCH(bool, gated);
    const QByteArray image = compiledExample("counters.krx");
    QCOMPARE(image.size(), imageSize);
    SimConfig config;
    config.runsDesign = true;
    QString error;
    QVERIFY2(DesignRun::parseRates(rates, config.rates, error), qPrintable(error));
    if (!downloaded)
        config.designImage = image;
    ModuleSimulator simulator(config);
    QVERIFY(simulator.start());
    SimRegisterSpace &space = simulator.registers();
    if (downloaded) {
        QVERIFY(space.write(parameterBlock, image.left(parameterBlockSize)));
        for (int offset = parameterBlockSize; offset < imageSize; offset += 128)
            QVERIFY(space.write(tableArea + quint32(offset - parameterBlockSize), image.mid(offset, 128)));
        QTest::qWait(3 * LiveDesign::settleMs); // the simulator waits for the image to settle
    }
    QVERIFY(space.write(counterControl, QByteArray::fromHex("80008000")));
    const auto last = streamFor(simulator.tcpPort(), 1500);
    QVERIFY(last[0] && last[2]);
    const double seconds = *last[0] * 5e-9;
    QVERIFY2(seconds > 0.5 && seconds < 1.6, qPrintable(QString::number(seconds)));
    const double measured = *last[2] / seconds;
    QVERIFY2(qAbs(measured / hitsPerSecond - 1) < 0.03, qPrintable(QString::number(measured)));
    QCOMPARE(bool(last[1]), gated);
    QCOMPARE(bool(last[3]), gated);
}

void LiveDesignTest::rateLists_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rates"); // empty: refused
    QTest::newRow("two inputs") << "S0=10kHz,NIM-IN-S3=1MHz"
                                << QStringList{"S0=10kHz", "NIM-IN-S3=1MHz"};
    QTest::newRow("a width") << "S0=10kHz,50ns,M=1Hz" << QStringList{"S0=10kHz,50ns", "M=1Hz"};
    QTest::newRow("no input") << "10kHz" << QStringList();
    QTest::newRow("unknown input") << "S8=10kHz" << QStringList();
    QTest::newRow("pulses wider than their spacing") << "S0=1MHz,2us" << QStringList();
}

void LiveDesignTest::rateLists()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rates);
    QStringList parsed;
    QString error;
    QCOMPARE(DesignRun::parseRates(text, parsed, error), !rates.isEmpty());
    QCOMPARE(parsed, rates);
    QCOMPARE(error.isEmpty(), !rates.isEmpty());
}

KARIX_TEST(LiveDesignTest)
#include "tst_livedesign.moc"
