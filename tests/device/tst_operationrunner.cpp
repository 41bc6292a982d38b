// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "testdesign.h"

#include "compiler/imagecapture.h"
#include "device/commandplans.h"
#include "device/moduleinterface.h"
#include "device/operationrunner.h"
#include "model/designmodel.h"
#include "sim/modulesimulator.h"
#include "sim/simregisterspace.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace ModuleInterface;

namespace {

ConnectionSettings loopback(quint16 udpPort)
{
    ConnectionSettings settings;
    settings.address = QStringLiteral("127.0.0.1");
    settings.udpPort = udpPort;
    settings.timeout = 1;
    return settings;
}

// Runs one plan to its end; at most limitMs.
OperationResult runToEnd(OperationRunner &runner, const OperationPlan &plan,
                         const ConnectionSettings &settings, int limitMs = 20000)
{
    QSignalSpy finished(&runner, &OperationRunner::finished);
    if (!runner.start(plan, settings) || !finished.wait(limitMs))
        return OperationResult();
    return finished.takeFirst().at(0).value<OperationResult>();
}

QByteArray moduleImage(SimRegisterSpace &space)
{
    return space.peek(parameterBlock, parameterBlockSize) + space.peek(tableArea, 4 * tableSize);
}

} // namespace

class TestOperationRunner : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_sim = std::make_unique<ModuleSimulator>();
        QVERIFY2(m_sim->start(), qPrintable(m_sim->errorString()));
        buildTestDesign(m_design);
    }
    void cleanup()
    {
        m_sim.reset();
        m_design.clearDesign();
    }

    void verifyVerdictIsAResult_data()
    {
        QTest::addColumn<bool>("spoil");
        QTest::newRow("matching module") << false;
        QTest::newRow("module with a changed table byte") << true;
    }
    void verifyVerdictIsAResult()
    {
        QFETCH(bool, spoil);
        OperationRunner runner;
        const ConnectionSettings settings = loopback(m_sim->udpPort());
        QVERIFY(runToEnd(runner, downloadPlan(), settings).succeeded());
        if (spoil) {
            const QByteArray byte = m_sim->registers().peek(tableArea + 0x900, 1);
            m_sim->registers().poke(tableArea + 0x900, QByteArray(1, char(~byte.at(0))));
        }
        const OperationResult result = runToEnd(runner, verifyPlan(), settings);
        QVERIFY(result.compared);
        QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
        QCOMPARE(result.matched(), !spoil);
        QCOMPARE(result.mismatch.isEmpty(), !spoil);
        QVERIFY(result.verdict.startsWith(spoil ? QLatin1String("Verify: The Register data don't match.")
                                                : QLatin1String("Verify: The Register data is matched.")));
    }

    // The link figures count every datagram the module saw, and the lost
    // ones show as retries.
    void linkHealthCountsRequestsAndRetries()
    {
        SimConfig config;
        config.faults.dropEveryRequest = 20;
        config.faults.dropEveryReply = 17;
        m_sim = std::make_unique<ModuleSimulator>(config);
        QVERIFY(m_sim->start());
        OperationRunner runner;
        const OperationResult result =
            runToEnd(runner, downloadPlan(), loopback(m_sim->udpPort()));
        QVERIFY2(result.succeeded(), qPrintable(result.errorText));
        QCOMPARE(qint64(result.link.requests()), m_sim->stats().requests.load());
        QCOMPARE(qint64(result.link.retries()),
                 m_sim->stats().droppedRequests.load() + m_sim->stats().droppedReplies.load());
        QVERIFY(result.link.meanRoundTripMs() > 0.0);
        QCOMPARE(moduleImage(m_sim->registers()), ImageCapture::compile(m_design));
    }

    void silentModuleEndsWithTheTimeOutText()
    {
        const quint16 port = m_sim->udpPort();
        m_sim.reset();
        OperationRunner runner;
        QElapsedTimer clock;
        clock.start();
        const OperationResult result =
            runToEnd(runner, CommandPlans::stateRead(CommandPlans::StateRead::Flags), loopback(port));
        QVERIFY(result.closed);
        QVERIFY(!result.succeeded());
        QVERIFY(!result.errorText.isEmpty());
        QVERIFY(clock.elapsed() < 10000);
    }

    void cancelledDownloadLeavesTheModuleAnswering_data()
    {
        QTest::addColumn<int>("cancelAt");
        for (const int bytes : {1, 700, 4000, 8000})
            QTest::addRow("after %d bytes", bytes) << bytes;
    }
    void cancelledDownloadLeavesTheModuleAnswering()
    {
        QFETCH(int, cancelAt);
        OperationRunner runner;
        connect(&runner, &OperationRunner::progressChanged, &runner, [&runner, cancelAt](int value) {
            if (value >= cancelAt)
                runner.cancel();
        });
        const ConnectionSettings settings = loopback(m_sim->udpPort());
        const OperationResult cancelled = runToEnd(runner, downloadPlan(), settings);
        QVERIFY(cancelled.cancelled);
        QVERIFY(!cancelled.succeeded());
        runner.disconnect();
        QVERIFY(runToEnd(runner, downloadPlan(), settings).succeeded());
        QCOMPARE(moduleImage(m_sim->registers()), ImageCapture::compile(m_design));
    }

    void secondStartWhileRunningIsRefused()
    {
        OperationRunner runner;
        const ConnectionSettings settings = loopback(m_sim->udpPort());
        QSignalSpy finished(&runner, &OperationRunner::finished);
        QVERIFY(runner.start(downloadPlan(), settings));
        QVERIFY(!runner.start(CommandPlans::versionRead(), settings));
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.count(), 1);
    }

private:
    std::unique_ptr<ModuleSimulator> m_sim;
    OperationPlan downloadPlan() const
    {
        return CommandPlans::download(ImageCapture::compile(m_design));
    }
    OperationPlan verifyPlan() const { return CommandPlans::verify(ImageCapture::compile(m_design)); }

    DesignModel m_design;
};

KARIX_TEST(TestOperationRunner)
#include "tst_operationrunner.moc"
