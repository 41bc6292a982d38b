// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "testdesign.h"
#include "workerprobe.h"
#include "model/operationerror.h"

#include "compiler/imagecapture.h"
#include "device/moduleinterface.h"
#include "device/qudpthread.h"
#include "model/designmodel.h"
#include "sim/modulesimulator.h"
#include "sim/simregisterspace.h"

#include <QTest>
#include <functional>
#include <memory>

using namespace ModuleInterface;

namespace {
// The image as the module holds it: parameter block, then the four tables.
QByteArray moduleImage(SimRegisterSpace &space)
{
    return space.peek(parameterBlock, parameterBlockSize) + space.peek(tableArea, 4 * tableSize);
}

QByteArray byte(int value)
{
    return QByteArray(1, char(value));
}

// The module's request log with each run of status polls shown once, since
// how often the status is polled depends on timing.
QStringList requestsWithoutRepeatedPolls(const ModuleSimulator &sim)
{
    QStringList lines;
    for (const QString &line : sim.stats().requestLog.lines()) {
        if (!(line.startsWith(QLatin1String("R 00008001")) && lines.value(lines.size() - 1) == line))
            lines << line;
    }
    return lines;
}

struct SequenceCase
{
    const char *name;
    int bootFlags;  // in the module's EEPROM before the operation
    std::function<void(QUdpThread &)> configure;
    QStringList requests;
};

const QList<SequenceCase> &sequenceCases()
{
    static const QList<SequenceCase> cases{
        {"save with comment and boot page", writableFlag,
         [](QUdpThread &worker) {
             worker.addCommand(commentArea + 3 * commentSize, "ab", false);
             worker.addCommand(bootPage, byte(3), true);
             worker.setRomCommand(romSaveCommand + 3, 0x4000);
         },
         {"R ffffff3c 1", "W ffffff3c 03", "W 00000250 6162", "W 00008040 ff", "R 00008001 7",
          "W fffffcff 00", "W fffffc3e 03", "W fffffcff ff", "W 00008053 ff", "R 00008001 7",
          "W ffffff3c 01", "R fffffc3c 1"}},
        {"save clears a raised boot flag", writableFlag | savingFlag,
         [](QUdpThread &worker) { worker.setRomCommand(romSaveCommand + 2, 0x4000); },
         {"R ffffff3c 1", "W ffffff3c 03", "W 00008052 ff", "R 00008001 7", "W ffffff3c 01",
          "R fffffc3c 1", "W fffffcff 00", "W fffffc3c 01", "W fffffcff ff"}},
        {"restore with only a boot page", writableFlag,
         [](QUdpThread &worker) {
             worker.addCommand(bootPage, byte(7), true);
             worker.setRomCommand(romRestoreCommand + 7, 0x4000);
         },
         {"W fffffcff 00", "W fffffc3e 07", "W fffffcff ff", "W 00008077 ff", "R 00008001 7"}},
        {"protection in the EEPROM bracket", writableFlag,
         [](QUdpThread &worker) {
             worker.addCommand(currentFlags, byte(0), false);
             worker.addCommand(bootFlags, byte(0), true);
         },
         {"W fffffcff 00", "W ffffff3c 00", "W fffffc3c 00", "W fffffcff ff"}},
        {"network settings", writableFlag,
         [](QUdpThread &worker) {
             HardwareSetup setup;
             setup.newAddress = QStringLiteral("127.0.0.3");
             setup.newTcpPort = 2424;
             setup.newUdpPort = 4661;
             worker.setHardwareSetup(setup);
         },
         {"W fffffcff 00", "W fffffc18 7f000003", "W fffffc1c 0978", "W fffffc22 1235",
          "W fffffcff ff"}},
        {"version with boot flags", writableFlag,
         [](QUdpThread &worker) { worker.setVersionRead(5); },
         {"R 00000000 4", "R ffffff3c 1", "R fffffc3c 1"}},
    };
    return cases;
}
}

class QUdpThreadTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void downloadThenVerifyMatches();
    void changedRegisterGivesFirstMismatch();
    void versionRead_data();
    void versionRead();
    void romInfoReadComparesWithDesign();
    void writeProtectionReadAndChange();
    void blockRead_data();
    void blockRead();
    void saveRestoreAndBootPage();
    void eepromOnlyEntryUnderRomCommandSkipsCommentCommand();
    void savingFlagAroundRomCommands_data();
    void savingFlagAroundRomCommands();
    void requestSequence_data();
    void requestSequence();
    void initialiseRomReportsPages();
    void cancelDuringRomCommandAbortsIt();
    void networkModuleWriteAndReadBack();
    void networkModuleFailures_data();
    void networkModuleFailures();
    void negativeBlockReadSendsNothing();
    void cancelDuringDownload();
    void simulatorStoppedMidDownload();
    void faultPatternDownloadAndVerify();

private:
    std::unique_ptr<ModuleSimulator> startSim(const SimConfig &config = SimConfig());
    WorkerProbe download(ModuleSimulator &sim);

    DesignModel m_design;
    QByteArray m_image;
};

void QUdpThreadTest::init()
{
    if (m_image.isEmpty()) {
        buildTestDesign(m_design);
        try {
            m_image = ImageCapture::compile(m_design);
        } catch (const OperationError &failure) {
            const QString &message = failure.message();
            qFatal("test design does not compile: %s", qPrintable(message));
        }
    }
}

std::unique_ptr<ModuleSimulator> QUdpThreadTest::startSim(const SimConfig &config)
{
    SimConfig quick = config;
    quick.romCommandMs = config.romCommandMs == SimConfig().romCommandMs ? 50 : config.romCommandMs;
    auto sim = std::make_unique<ModuleSimulator>(quick);
    if (!sim->start())
        qFatal("simulator: %s", qPrintable(sim->errorString()));
    return sim;
}

WorkerProbe QUdpThreadTest::download(ModuleSimulator &sim)
{
    QUdpThread worker;
    worker.setImage(m_image, 0);
    WorkerProbe probe;
    probe.run(worker, sim.udpPort());
    return probe;
}

void QUdpThreadTest::downloadThenVerifyMatches()
{
    auto sim = startSim();
    const WorkerProbe loaded = download(*sim);
    QVERIFY(loaded.finished);
    QCOMPARE(loaded.closedCount, 1);
    QVERIFY2(loaded.ok, qPrintable(loaded.error()));
    QCOMPARE(loaded.progress.last(), imageSize);
    for (int i = 1; i < loaded.progress.size(); ++i)
        QVERIFY(loaded.progress[i] - loaded.progress[i - 1] < 256);
    QCOMPARE(moduleImage(sim->registers()), m_image);

    QUdpThread verifier;
    verifier.setImage(m_image, 1);
    WorkerProbe checked;
    checked.run(verifier, sim->udpPort());
    QVERIFY(checked.ok);
    QCOMPARE(checked.errors, QStringList{QStringLiteral("Verify: The Register data is matched.")});
    QVERIFY(checked.html.isEmpty());
    QCOMPARE(checked.events, (QStringList{QStringLiteral("html"), QStringLiteral("error"),
                                          QStringLiteral("closed")}));
}

void QUdpThreadTest::changedRegisterGivesFirstMismatch()
{
    auto sim = startSim();
    QVERIFY(download(*sim).ok);
    const quint32 address = 0x3005;
    const quint8 expected = quint8(m_image[parameterBlockSize + 2 * tableSize + 5]);
    sim->registers().poke(address, byte(expected ^ 0x5A));
    sim->registers().poke(0x3800, byte(0xEE));  // later area: never reached

    QUdpThread verifier;
    verifier.setImage(m_image, 1);
    WorkerProbe checked;
    checked.run(verifier, sim->udpPort());
    QVERIFY(!checked.ok);
    const QString entry = QStringLiteral("address 0x00003005\ncurrent:%1  register:%2\n")
                              .arg(expected, 2, 16, QLatin1Char('0'))
                              .arg(expected ^ 0x5A, 2, 16, QLatin1Char('0'));
    QCOMPARE(checked.html, entry);
    QCOMPARE(checked.error(),
             QStringLiteral("Verify: The Register data don't match.\n\nfirst mismatch at ") + entry);
}

void QUdpThreadTest::versionRead_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<int>("currentFlags");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("expectedStart");
    QTest::addColumn<int>("expectedSize");
    QTest::addColumn<QStringList>("events");  // ROM information reads compare with the design

    const QByteArray v2 = QByteArray::fromHex("02010000");
    const QStringList plain{QStringLiteral("data"), QStringLiteral("closed")};
    const QStringList compared = QStringList{QStringLiteral("result")} + plain;
    QTest::newRow("0x20 reads as version 0") << QByteArray::fromHex("20030000") << 1 << 0
                                             << QByteArray::fromHex("00030000") << 4 << plain;
    QTest::newRow("version 1 has no flags") << QByteArray::fromHex("01000000") << 1 << 6
                                            << QByteArray::fromHex("01000000") << 4 << plain;
    QTest::newRow("0x80 counts as negative") << QByteArray::fromHex("80000000") << 1 << 5
                                             << QByteArray::fromHex("80000000") << 4 << plain;
    QTest::newRow("version 2 mode 0") << v2 << 1 << 0 << v2 + byte(1) << 5 << plain;
    QTest::newRow("version 2 mode 5") << v2 << 0 << 5 << v2 + byte(0) + byte(1) << 6 << plain;
    QTest::newRow("version 2 mode 6 protected") << v2 << 0 << 6 << v2 + byte(0) << 5 << plain;
    QTest::newRow("version 2 mode 6 writable") << v2 << 1 << 6 << v2 + byte(1) + byte(0) << 1798
                                               << compared;
}

void QUdpThreadTest::versionRead()
{
    QFETCH(QByteArray, version);
    QFETCH(int, currentFlags);
    QFETCH(int, mode);
    QFETCH(QByteArray, expectedStart);
    QFETCH(int, expectedSize);
    QFETCH(QStringList, events);
    SimConfig config;
    config.version = version;
    auto sim = startSim(config);
    sim->registers().poke(ModuleInterface::currentFlags, byte(currentFlags));
    sim->registers().poke(commentArea + 2 * commentSize, "page two");

    QUdpThread worker;
    if (mode == 6) {
        worker.setRomInfoRead(true);
        worker.setImage(m_image, 0);
    } else {
        worker.setVersionRead(mode);
    }
    WorkerProbe probe;
    probe.run(worker, sim->udpPort());
    QVERIFY(probe.ok);
    QCOMPARE(probe.data.size(), expectedSize);
    QCOMPARE(probe.data.left(expectedStart.size()), expectedStart);
    if (expectedSize == 1798)
        QCOMPARE(probe.data.mid(6 + 2 * commentSize, 8), QByteArray("page two"));
    QCOMPARE(probe.events, events);
}

void QUdpThreadTest::romInfoReadComparesWithDesign()
{
    auto sim = startSim();
    for (int round = 0; round < 2; ++round) {
        QUdpThread worker;
        worker.setRomInfoRead(true);
        worker.setImage(m_image, 0);
        WorkerProbe probe;
        probe.run(worker, sim->udpPort());
        QVERIFY(probe.ok);
        QCOMPARE(probe.results, QList<int>{round == 0 ? 1 : 0});
        if (round == 0)
            QVERIFY(download(*sim).ok);
    }
}

void QUdpThreadTest::writeProtectionReadAndChange()
{
    auto sim = startSim();
    QUdpThread protect;
    protect.addCommand(ModuleInterface::currentFlags, byte(0x00), false);
    protect.addCommand(bootFlags, byte(0x00), true);
    WorkerProbe changed;
    changed.run(protect, sim->udpPort());
    QVERIFY2(changed.ok, qPrintable(changed.error()));
    QCOMPARE(sim->registers().peek(eepromWriteEnable, 1), byte(0xFF));

    QUdpThread reader;
    reader.setVersionRead(5);
    WorkerProbe state;
    state.run(reader, sim->udpPort());
    QCOMPARE(state.data.mid(4), byte(0) + byte(0));

    const WorkerProbe refused = download(*sim);
    QVERIFY(!refused.ok);
    QCOMPARE(refused.error(), QStringLiteral("write address: 0x00000004\nlength: 100\n\n"
                                             "QTola: Bus Error"));
    QCOMPARE(sim->stats().requests.load(), qint64(4 + 3 + 1));  // no retry after a bus error
}

void QUdpThreadTest::blockRead_data()
{
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("expectedStart");

    QTest::newRow("firmware version") << quint32(0) << 4 << QByteArray::fromHex("02010000");
    QTest::newRow("network module") << networkSettings << networkSettingsSize
                                    << QByteArray::fromHex("0200000000017f000001");
    QTest::newRow("three chunks") << quint32(0x2000) << 300 << QByteArray::fromHex("a5");
}

void QUdpThreadTest::blockRead()
{
    QFETCH(quint32, address);
    QFETCH(int, length);
    QFETCH(QByteArray, expectedStart);
    auto sim = startSim();
    sim->registers().poke(0x2000, QByteArray(300, char(0xA5)));
    QUdpThread worker;
    worker.setBlockRead(address, length);
    WorkerProbe probe;
    probe.run(worker, sim->udpPort());
    QVERIFY(probe.ok);
    QCOMPARE(probe.data.size(), length);
    QVERIFY(probe.data.startsWith(expectedStart));
    QCOMPARE(sim->stats().requests.load(), qint64((length + 127) / 128));
}

void QUdpThreadTest::saveRestoreAndBootPage()
{
    auto sim = startSim();
    QVERIFY(download(*sim).ok);
    const int page = 3;
    QByteArray comment("saved design");
    comment.resize(commentSize);
    QUdpThread save;
    save.addCommand(commentArea + page * commentSize, comment, false);
    save.addCommand(bootPage, byte(page), true);
    save.setRomCommand(romSaveCommand + page, 0x4000);
    WorkerProbe saved;
    saved.run(save, sim->udpPort());
    QVERIFY2(saved.ok, qPrintable(saved.error()));
    QCOMPARE(saved.progress.last(), 0x4000);
    SimRegisterSpace &space = sim->registers();
    QCOMPARE(space.peek(ModuleInterface::currentFlags, 1), byte(1));  // saving flag cleared
    QCOMPARE(space.peek(bootPage, 1), byte(page));

    space.poke(tableArea, QByteArray(tableSize, '\x77'));
    QUdpThread restore;
    restore.setRomCommand(romRestoreCommand + page, 0x4000);
    WorkerProbe restored;
    restored.run(restore, sim->udpPort());
    QVERIFY(restored.ok);
    QCOMPARE(moduleImage(space), m_image);

    space.poke(tableArea, QByteArray(tableSize, '\x77'));
    space.poke(commentArea, QByteArray(commentAreaSize, '\0'));
    space.powerUp();
    QCOMPARE(moduleImage(space), m_image);
    QCOMPARE(space.peek(commentArea + page * commentSize, commentSize), comment);
}

void QUdpThreadTest::eepromOnlyEntryUnderRomCommandSkipsCommentCommand()
{
    auto sim = startSim();
    SimRegisterSpace &space = sim->registers();
    space.poke(commentArea, "not stored");
    QUdpThread restore;
    restore.addCommand(bootPage, byte(7), true);
    restore.setRomCommand(romRestoreCommand + 7, 0x4000);
    WorkerProbe probe;
    probe.run(restore, sim->udpPort());
    QVERIFY(probe.ok);
    QCOMPARE(space.peek(bootPage, 1), byte(7));
    space.powerUp();  // comments come back from ROM: the comment command never ran
    QCOMPARE(space.peek(commentArea, 10), QByteArray(10, '\0'));
}

void QUdpThreadTest::savingFlagAroundRomCommands_data()
{
    QTest::addColumn<quint32>("command");
    QTest::addColumn<int>("flagsBefore");  // current and boot flags alike
    QTest::addColumn<int>("flagsAfter");
    const int saving = writableFlag | savingFlag;
    QTest::newRow("save raises it, then clears it") << romSaveCommand + 2 << int(writableFlag)
                                                    << int(writableFlag);
    QTest::newRow("save clears a flag left raised") << romSaveCommand + 2 << saving
                                                    << int(writableFlag);
    QTest::newRow("restore leaves it down") << romRestoreCommand + 2 << int(writableFlag)
                                            << int(writableFlag);
    QTest::newRow("restore leaves it up") << romRestoreCommand + 2 << saving << saving;
}

// The module takes a save only while the saving flag is up, so a save that
// succeeds has raised it.
void QUdpThreadTest::savingFlagAroundRomCommands()
{
    QFETCH(quint32, command);
    QFETCH(int, flagsBefore);
    QFETCH(int, flagsAfter);
    auto sim = startSim();
    SimRegisterSpace &space = sim->registers();
    space.poke(ModuleInterface::currentFlags, byte(flagsBefore));
    space.poke(bootFlags, byte(flagsBefore));
    QUdpThread worker;
    worker.setRomCommand(command, 0x4000);
    WorkerProbe probe;
    probe.run(worker, sim->udpPort());
    QVERIFY2(probe.ok, qPrintable(probe.error()));
    QCOMPARE(space.peek(ModuleInterface::currentFlags, 1), byte(flagsAfter));
    QCOMPARE(space.peek(bootFlags, 1), byte(flagsAfter));
    QCOMPARE(space.peek(eepromWriteEnable, 1), byte(0xFF));
}

void QUdpThreadTest::requestSequence_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < sequenceCases().size(); ++i)
        QTest::newRow(sequenceCases().at(i).name) << i;
}

void QUdpThreadTest::requestSequence()
{
    QFETCH(int, index);
    const SequenceCase &sequence = sequenceCases().at(index);
    auto sim = startSim();
    sim->registers().poke(bootFlags, byte(sequence.bootFlags));
    QUdpThread worker;
    sequence.configure(worker);
    WorkerProbe probe;
    probe.run(worker, sim->udpPort());
    QVERIFY2(probe.ok, qPrintable(probe.error()));
    QCOMPARE(requestsWithoutRepeatedPolls(*sim), sequence.requests);
}

void QUdpThreadTest::initialiseRomReportsPages()
{
    SimConfig config;
    config.romCommandMs = 0;
    auto sim = startSim(config);
    SimRegisterSpace &space = sim->registers();
    space.poke(commentArea, "old comment");
    space.poke(bootPage, byte(4));
    DesignModel empty;
    QUdpThread init;
    init.addCommand(commentArea, QByteArray(commentAreaSize, '\0'), false);
    init.addCommand(bootPage, byte(0), true);
    init.setRomCommand(romCommentCommand, 0);
    init.setImage(ImageCapture::compile(empty), 0);
    WorkerProbe probe;
    probe.run(init, sim->udpPort());
    QVERIFY2(probe.ok, qPrintable(probe.error()));
    QList<int> expected;
    for (int value = 1; value <= 17; ++value)
        expected << value;
    QCOMPARE(probe.progress, expected);
    QCOMPARE(space.peek(bootPage, 1), byte(0));
    space.poke(tableArea, QByteArray(tableSize, '\x77'));
    space.powerUp();
    QCOMPARE(moduleImage(space), ImageCapture::compile(empty));
    QCOMPARE(space.peek(commentArea, 11), QByteArray(11, '\0'));
}

void QUdpThreadTest::cancelDuringRomCommandAbortsIt()
{
    SimConfig config;
    config.romCommandMs = 5000;
    auto sim = startSim(config);
    QUdpThread save;
    save.setRomCommand(romSaveCommand + 1, 0x4000);
    WorkerProbe probe;
    probe.run(save, sim->udpPort(), 1, 4000, [&save](int) { save.cancel(); });
    QVERIFY(probe.finished);
    QVERIFY(probe.ok);
    QVERIFY(probe.errors.isEmpty());
    QVERIFY(probe.elapsedMs < 2000);
    QVERIFY(!sim->registers().romBusy());
    QCOMPARE(sim->registers().peek(ModuleInterface::currentFlags, 1), byte(1));
}

void QUdpThreadTest::networkModuleWriteAndReadBack()
{
    auto sim = startSim();
    HardwareSetup setup;
    setup.targetAddress = QStringLiteral("127.0.0.1");
    setup.targetPort = sim->udpPort();
    setup.newAddress = QStringLiteral("127.0.0.2");
    setup.newTcpPort = 2424;
    setup.newUdpPort = 4661;
    QUdpThread writer;
    writer.setHardwareSetup(setup);
    WorkerProbe written;
    written.run(writer, sim->udpPort());
    QVERIFY2(written.ok, qPrintable(written.error()));
    QCOMPARE(sim->registers().peek(eepromWriteEnable, 1), byte(0xFF));

    QUdpThread reader;
    reader.setBlockRead(networkSettings, networkSettingsSize);
    WorkerProbe read;
    read.run(reader, sim->udpPort());
    QCOMPARE(read.data.mid(6, 4), QByteArray::fromHex("7f000002"));
    QCOMPARE(read.data.mid(10, 2), QByteArray::fromHex("0978"));
    QCOMPARE(read.data.mid(16, 2), QByteArray::fromHex("1235"));
}

void QUdpThreadTest::networkModuleFailures_data()
{
    QTest::addColumn<quint32>("busErrorAt");
    QTest::addColumn<bool>("targetIsDefault");
    QTest::addColumn<QString>("message");  // %1 = the target port
    const QString access = QStringLiteral("Can't access Kovix Module(127.0.0.1:%1).\n");
    QTest::newRow("no access, default target") << eepromWriteEnable << true
        << access + QStringLiteral("Please check network connectivity, and set DIP switch to ON.");
    QTest::newRow("no access, other target") << eepromWriteEnable << false
        << access + QStringLiteral("Please push Default Button, or set target address and port correctly.");
    QTest::newRow("write refused") << networkTcpPort << false
                                   << QStringLiteral("Can't Write Kovix Module(127.0.0.1:%1)");
}

void QUdpThreadTest::networkModuleFailures()
{
    QFETCH(quint32, busErrorAt);
    QFETCH(bool, targetIsDefault);
    QFETCH(QString, message);
    SimConfig config;
    config.faults.busErrorRanges = {{busErrorAt, busErrorAt}};
    auto sim = startSim(config);
    HardwareSetup setup;
    setup.targetAddress = QStringLiteral("127.0.0.1");
    setup.targetPort = sim->udpPort();
    setup.defaultAddress = setup.targetAddress;
    setup.defaultPort = targetIsDefault ? setup.targetPort : 4660;
    setup.newAddress = QStringLiteral("127.0.0.3");
    QUdpThread writer;
    writer.setHardwareSetup(setup);
    WorkerProbe probe;
    probe.run(writer, sim->udpPort());
    QVERIFY(!probe.ok);
    QCOMPARE(probe.error(), message.arg(sim->udpPort()));
    QCOMPARE(sim->registers().peek(eepromWriteEnable, 1), byte(0xFF));
}

void QUdpThreadTest::negativeBlockReadSendsNothing()
{
    auto sim = startSim();
    QUdpThread worker;
    worker.setBlockRead(0x2000, -1);
    WorkerProbe probe;
    probe.run(worker, sim->udpPort());
    QVERIFY(!probe.ok);
    QCOMPARE(probe.error(), QStringLiteral("address: 0x00002000\nrequest length: 0\n"
                                           "read length: 0\n\nTOLA: Unable to read"));
    QCOMPARE(sim->stats().requests.load(), qint64(0));
}

void QUdpThreadTest::cancelDuringDownload()
{
    SimConfig config;
    config.faults.replyDelayMs = 20;
    auto sim = startSim(config);
    QUdpThread worker;
    worker.setImage(m_image, 0);
    WorkerProbe probe;
    probe.run(worker, sim->udpPort(), 1, 10000, [&worker](int) { worker.cancel(); });
    QVERIFY(probe.finished);
    QVERIFY(!probe.ok);
    QVERIFY2(probe.error() == QStringLiteral("TOLA: Download Cancelled")
                 || probe.error().endsWith(QStringLiteral("QTola: Aborted")),
             qPrintable(probe.error()));
    QVERIFY(probe.progress.last() < imageSize);
}

void QUdpThreadTest::simulatorStoppedMidDownload()
{
    SimConfig config;
    config.faults.replyDelayMs = 10;
    auto sim = startSim(config);
    ModuleSimulator *running = sim.get();
    QUdpThread worker;
    worker.setImage(m_image, 0);
    WorkerProbe probe;
    bool stopped = false;
    probe.run(worker, sim->udpPort(), 1, 10000, [&](int value) {
        if (value > 1000 && !stopped) {
            stopped = true;
            running->stop();
        }
    });
    QVERIFY(probe.finished);
    QCOMPARE(probe.closedCount, 1);
    QVERIFY(!probe.ok);
    QVERIFY(!probe.error().isEmpty());
    QVERIFY(probe.elapsedMs < 5000);
}

void QUdpThreadTest::faultPatternDownloadAndVerify()
{
    SimConfig config;
    config.faults.dropEveryRequest = 20;
    config.faults.dropEveryReply = 17;
    auto sim = startSim(config);
    const WorkerProbe loaded = download(*sim);
    QVERIFY2(loaded.ok, qPrintable(loaded.error()));
    QUdpThread verifier;
    verifier.setImage(m_image, 1);
    WorkerProbe checked;
    checked.run(verifier, sim->udpPort(), 1, 60000);
    QVERIFY2(checked.ok, qPrintable(checked.error()));
    const qint64 retries = sim->stats().droppedRequests + sim->stats().droppedReplies;
    qInfo("fault pattern: %lld requests, %lld retries after dropped requests or replies",
          qint64(sim->stats().requests), retries);
    QVERIFY(retries > 0);
}

KARIX_TEST(QUdpThreadTest)
#include "qudpthreadtest.moc"
