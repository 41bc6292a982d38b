// SPDX-License-Identifier: GPL-3.0-or-later
// karix-cli as a process against karix-sim as a process, both on loopback:
// the download and verify chain, the gates before it, ROM pages, protection,
// network settings, counters, time-outs and Ctrl-C.
#include "cliprocess.h"
#include "common/testrunner.h"
#include "common/testdocuments.h"

#include "compiler/imagecapture.h"
#include "device/qudpthread.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include <csignal>
#include <memory>

namespace {

// Changes one register behind the tool's back, with the program's own client.
bool writeRegister(quint16 udpPort, quint32 address, quint8 value)
{
    QUdpThread worker;
    worker.addCommand(address, QByteArray(1, char(value)), false);
    worker.setHost(QHostAddress::LocalHost, udpPort);
    worker.setTimeout(1);
    QSignalSpy closed(&worker, &QTola::closed);
    worker.start();
    const bool signalled = closed.wait(15000);
    worker.wait(5000);
    return signalled && closed.constFirst().constFirst().toBool();
}

// A loopback port nobody listens on (UDP and, almost surely, TCP).
quint16 closedPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

} // namespace

class TestCliModule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void downloadThenVerify_data();
    void downloadThenVerify();
    void verifyNamesFirstMismatch();
    void downloadGatedByDesign_data();
    void downloadGatedByDesign();
    void writeProtectedModuleRefuses();
    void oldFirmwareLacksFeatures_data();
    void oldFirmwareLacksFeatures();
    void moduleThatDoesNotAnswer_data();
    void moduleThatDoesNotAnswer();
    void ctrlCCancelsDownloadCleanly();
    void romPages();
    void networkSettings();
    void countersInDesignUnits();
    void countersJudgeTheStreamOverAWindow_data();
    void countersJudgeTheStreamOverAWindow();
    void shortReplyNamesTheRead();
    void countersMemoryBoundedWhileOutputBlocks();
    void countersEndQuietlyOnAClosedPipe();

private:
    QString design(const QString &name, const QString &text);
    // A copy whose counter log directories (PATH=) lie in the test's own
    // directory, so the "Save path does not exist." check passes; log
    // paths do not reach the registers.
    QString withLogDirectoriesHere(const QString &path);
    CliRun cli(const SimulatorProcess &sim, QStringList args);

    QTemporaryDir m_dir;
    QString m_clean;
};

void TestCliModule::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::exists(CliRun::program()));
    m_clean = design(QStringLiteral("clean.krx"), TestDocuments::clean());
}

QString TestCliModule::design(const QString &name, const QString &text)
{
    return TestDocuments::write(m_dir, name, text);
}

QString TestCliModule::withLogDirectoriesHere(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path;
    const QString logs = m_dir.filePath(QStringLiteral("logs"));
    QDir().mkpath(logs);
    static const QRegularExpression logPath(QStringLiteral("PATH=[^ <]*"));
    QString text = QString::fromUtf8(file.readAll());
    text.replace(logPath, QStringLiteral("PATH=") + logs);
    return design(QFileInfo(path).fileName(), text);
}

CliRun TestCliModule::cli(const SimulatorProcess &sim, QStringList args)
{
    return CliRun::run(args << sim.connection());
}

void TestCliModule::downloadThenVerify_data()
{
    TestDocuments::addDesignRows(m_clean);
}

void TestCliModule::downloadThenVerify()
{
    QFETCH(QString, path);
    path = withLogDirectoriesHere(path);
    SimulatorProcess sim;
    QVERIFY(sim.isRunning());
    const CliRun check = CliRun::run({QStringLiteral("check"), path});
    QVERIFY2(check.exitCode == 0 || check.exitCode == 3, qPrintable(check.out));

    const CliRun download = cli(sim, {QStringLiteral("download"), path, QStringLiteral("--force"),
                                      QStringLiteral("--json")});
    QCOMPARE(download.exitCode, 0);
    QCOMPARE(download.json().value(QStringLiteral("bytesWritten")).toInt(), ImageCapture::ImageSize);
    // The state read and every 128-byte piece of the image, none lost on loopback.
    const QJsonObject link = download.json().value(QStringLiteral("link")).toObject();
    QVERIFY(link.value(QStringLiteral("requests")).toInt() >= 2 + ImageCapture::ImageSize / 128);
    QCOMPARE(link.value(QStringLiteral("retries")).toInt(-1), 0);
    QVERIFY(link.value(QStringLiteral("roundTripMs")).toDouble() > 0.0);

    const CliRun verify = cli(sim, {QStringLiteral("verify"), path});
    QCOMPARE(verify.exitCode, 0);
    QCOMPARE(verify.out, QStringLiteral("Verify: The Register data is matched.\n"));
}

void TestCliModule::verifyNamesFirstMismatch()
{
    SimulatorProcess sim;
    QVERIFY(sim.isRunning());
    QCOMPARE(cli(sim, {QStringLiteral("download"), m_clean}).exitCode, 0);

    // Feedback table entry 5; the measure-counter table behind it is not reached.
    const CliRun image = CliRun::run({QStringLiteral("compile"), m_clean, QStringLiteral("--json")});
    const QByteArray bytes =
        QByteArray::fromHex(image.json().value(QStringLiteral("image")).toString().toLatin1());
    const int offset = ImageCapture::imageOffset(0x3005);
    const quint8 expected = quint8(bytes.at(offset));
    const quint8 changed = expected ^ 0x5A;
    QVERIFY(writeRegister(sim.udpPort(), 0x3005, changed));

    const CliRun verify = cli(sim, {QStringLiteral("verify"), m_clean, QStringLiteral("--json")});
    QCOMPARE(verify.exitCode, 1);
    const QJsonObject result = verify.json();
    QCOMPARE(result.value(QStringLiteral("matched")).toBool(true), false);
    const QString mismatch = QStringLiteral("address 0x00003005\ncurrent:%1  register:%2\n")
                                 .arg(expected, 2, 16, QLatin1Char('0'))
                                 .arg(changed, 2, 16, QLatin1Char('0'));
    QCOMPARE(result.value(QStringLiteral("mismatch")).toString(), mismatch);
    QCOMPARE(result.value(QStringLiteral("verdict")).toString(),
             QStringLiteral("Verify: The Register data don't match.\n\nfirst mismatch at ") + mismatch);

    const CliRun text = cli(sim, {QStringLiteral("verify"), m_clean});
    QCOMPARE(text.exitCode, 1);
    QVERIFY2(text.out.contains(QLatin1String("first mismatch at address 0x00003005")),
             qPrintable(text.out));
}

void TestCliModule::downloadGatedByDesign_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("force");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("warnings") << TestDocuments::warningsOnly() << false << 3
                              << "warning: PreLgc1: Outport is not connected.";
    QTest::newRow("warnings forced") << TestDocuments::warningsOnly() << true << 0 << "";
    QTest::newRow("errors") << TestDocuments::withErrors() << false << 1
                            << "error: NIM-OUT1: InputPort is not connected.";
    QTest::newRow("errors forced") << TestDocuments::withErrors() << true << 1
                                   << "The design has errors: nothing was downloaded.";
    QTest::newRow("expression") << TestDocuments::badExpression() << false << 1 << "PreLgc0";
    // The design would differ from the file: never sent, forced or not.
    QTest::newRow("repaired forced") << TestDocuments::renamedCounter() << true << 1
                                     << "error: MsrCnt entry '2147483648' renamed to MsrCnt0";
    // Clamped, not overflowed into an instant time-out.
    QTest::newRow("huge stored time-out")
        << TestDocuments::withTimeout(QStringLiteral("300000000")) << false << 0
        << "Time-out 300000000 is out of range (1 to 3600 seconds); 3600 is used.";
}

void TestCliModule::downloadGatedByDesign()
{
    QFETCH(QString, document);
    QFETCH(bool, force);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    SimulatorProcess sim;
    QVERIFY(sim.isRunning());
    QStringList args{QStringLiteral("download"), design(QStringLiteral("gate.krx"), document)};
    if (force)
        args << QStringLiteral("--force");
    const CliRun run = cli(sim, args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    if (exitCode != 0) {
        // Refused before anything was written: the module still holds zeros.
        const CliRun verify = cli(sim, {QStringLiteral("verify"), m_clean});
        QCOMPARE(verify.exitCode, 1);
    }
}

void TestCliModule::writeProtectedModuleRefuses()
{
    SimulatorProcess sim;
    QVERIFY(sim.isRunning());
    QCOMPARE(cli(sim, {QStringLiteral("protect"), QStringLiteral("--current"), QStringLiteral("on")})
                 .exitCode,
             0);
    const QStringList refused[] = {{QStringLiteral("download"), m_clean},
                                   {QStringLiteral("verify"), m_clean},
                                   {QStringLiteral("rom"), QStringLiteral("list")},
                                   {QStringLiteral("rom"), QStringLiteral("restore"), QStringLiteral("1")}};
    for (const QStringList &args : refused) {
        const CliRun run = cli(sim, args);
        QCOMPARE(run.exitCode, 5);
        QVERIFY2(run.err.contains(QLatin1String("The Register is write-protected.")),
                 qPrintable(run.err));
    }

    const CliRun shown = cli(sim, {QStringLiteral("protect"), QStringLiteral("--json")});
    QCOMPARE(shown.json().value(QStringLiteral("current")).toBool(), true);
    QCOMPARE(shown.json().value(QStringLiteral("boot")).toBool(), false);
    QCOMPARE(shown.json().value(QStringLiteral("changed")).toBool(true), false);

    const CliRun lifted = cli(sim, {QStringLiteral("protect"), QStringLiteral("--current"),
                                    QStringLiteral("off"), QStringLiteral("--boot"),
                                    QStringLiteral("on")});
    QCOMPARE(lifted.exitCode, 0);
    QCOMPARE(lifted.out, QStringLiteral("Write Protect (Current setting): off\n"
                                        "Write Protect (Boot setting): on\n"));
    QCOMPARE(cli(sim, {QStringLiteral("download"), m_clean}).exitCode, 0);
}

void TestCliModule::oldFirmwareLacksFeatures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("protect") << QStringList{"protect"} << 5
                             << "This version of the FPGA doesn't support Write-Protect.";
    QTest::newRow("rom list") << QStringList{"rom", "list"} << 5
                              << "This version of the FPGA doesn't support Save and Restore.";
    QTest::newRow("rom init") << QStringList{"rom", "init", "--yes"} << 5
                              << "This version of the FPGA doesn't support ROM access.";
    QTest::newRow("download still works") << QStringList{"download"} << 0 << "";
}

void TestCliModule::oldFirmwareLacksFeatures()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    SimulatorProcess sim({QStringLiteral("--firmware-version"), QStringLiteral("01000000")});
    QVERIFY(sim.isRunning());
    if (args.first() == QLatin1String("download"))
        args << m_clean;
    const CliRun run = cli(sim, args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

void TestCliModule::moduleThatDoesNotAnswer_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QString>("message");

    // A module that takes requests but never answers, and a port nobody has.
    QTest::newRow("version silent") << QStringList{"version"} << true
                                    << "QTola: Socket operation timed out";
    QTest::newRow("download silent") << QStringList{"download", m_clean} << true
                                     << "read address: 0x00000000\nlength: 4\n\nQTola: Socket "
                                        "operation timed out";
    QTest::newRow("version closed") << QStringList{"version"} << false << "127.0.0.1";
    QTest::newRow("netsetup closed") << QStringList{"netsetup"} << false
                                     << "Can't access Kovix Module(127.0.0.1:";
    QTest::newRow("counters closed") << QStringList{"counters", "--duration", "5"} << false
                                     << "127.0.0.1:";
}

void TestCliModule::moduleThatDoesNotAnswer()
{
    QFETCH(QStringList, args);
    QFETCH(bool, listening);
    QFETCH(QString, message);
    std::unique_ptr<SimulatorProcess> sim;
    if (listening)
        sim = std::make_unique<SimulatorProcess>(
            QStringList{QStringLiteral("--drop-requests"), QStringLiteral("1")});
    const QString port = QString::number(sim ? sim->udpPort() : closedPort());
    const QString tcpPort = QString::number(sim ? sim->tcpPort() : closedPort());
    const CliRun run = CliRun::run(args + QStringList{QStringLiteral("-h"), QStringLiteral("127.0.0.1"),
                                                      QStringLiteral("-u"), port, QStringLiteral("-t"),
                                                      tcpPort, QStringLiteral("-o"), QStringLiteral("1")});
    QCOMPARE(run.exitCode, 4);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

void TestCliModule::ctrlCCancelsDownloadCleanly()
{
    // Slow replies stretch the download over a few seconds.
    SimulatorProcess sim({QStringLiteral("--delay"), QStringLiteral("50")});
    QVERIFY(sim.isRunning());
    QProcess download;
    download.start(CliRun::program(), QStringList{QStringLiteral("download"), m_clean,
                                                  QStringLiteral("--json")}
                                          + sim.connection());
    QVERIFY(download.waitForStarted(5000));
    QTest::qWait(1200);
    QCOMPARE(download.state(), QProcess::Running);
    ::kill(pid_t(download.processId()), SIGINT);
    QVERIFY(download.waitForFinished(10000));
    QCOMPARE(download.exitStatus(), QProcess::NormalExit);
    QCOMPARE(download.exitCode(), 130);
    const QString err = QString::fromLocal8Bit(download.readAllStandardError());
    QVERIFY2(err.contains(QLatin1String("Download cancelled after")), qPrintable(err));
    const QJsonObject result = QJsonDocument::fromJson(download.readAllStandardOutput()).object();
    const int written = result.value(QStringLiteral("bytesWritten")).toInt();
    QVERIFY2(written > 0 && written < ImageCapture::ImageSize, qPrintable(QString::number(written)));

    // The module answers normally afterwards and takes the whole design.
    QCOMPARE(cli(sim, {QStringLiteral("download"), m_clean}).exitCode, 0);
    QCOMPARE(cli(sim, {QStringLiteral("verify"), m_clean}).exitCode, 0);
}

void TestCliModule::romPages()
{
    SimulatorProcess sim({QStringLiteral("--rom-time"), QStringLiteral("50")});
    QVERIFY(sim.isRunning());
    const QString rom = QStringLiteral("rom");
    QCOMPARE(cli(sim, {rom, QStringLiteral("save"), QStringLiteral("2"), QStringLiteral("--comment"),
                       QStringLiteral("run 42"), QStringLiteral("--boot")})
                 .exitCode,
             0);
    CliRun list = cli(sim, {rom, QStringLiteral("list")});
    QCOMPARE(list.exitCode, 0);
    QVERIFY2(list.out.startsWith(QLatin1String("Boot From 2\n")), qPrintable(list.out));
    QVERIFY(list.out.contains(QLatin1String("\n2 (boot) : run 42\n")));

    // Saving what the module holds while it differs from the design asks first.
    const CliRun differs = cli(sim, {rom, QStringLiteral("save"), QStringLiteral("3"),
                                     QStringLiteral("--design"), m_clean});
    QCOMPARE(differs.exitCode, 1);
    QVERIFY(differs.err.contains(QLatin1String("The displayed data have not been yet downloaded.")));
    QCOMPARE(cli(sim, {QStringLiteral("download"), m_clean}).exitCode, 0);
    QCOMPARE(cli(sim, {rom, QStringLiteral("save"), QStringLiteral("3"), QStringLiteral("--design"),
                       m_clean})
                 .exitCode,
             0);

    QCOMPARE(cli(sim, {rom, QStringLiteral("boot"), QStringLiteral("3")}).exitCode, 0);
    QCOMPARE(cli(sim, {rom, QStringLiteral("restore"), QStringLiteral("2")}).exitCode, 0);
    // Page 2 was saved before the download: restoring it empties the registers.
    QCOMPARE(cli(sim, {QStringLiteral("verify"), m_clean}).exitCode, 1);
    QCOMPARE(cli(sim, {rom, QStringLiteral("restore"), QStringLiteral("3")}).exitCode, 0);
    QCOMPARE(cli(sim, {QStringLiteral("verify"), m_clean}).exitCode, 0);

    list = cli(sim, {rom, QStringLiteral("list"), QStringLiteral("--json")});
    QCOMPARE(list.json().value(QStringLiteral("bootPage")).toInt(), 3);
    const QJsonArray pages = list.json().value(QStringLiteral("pages")).toArray();
    QCOMPARE(pages.size(), 16);
    QCOMPARE(pages.at(3).toObject().value(QStringLiteral("comment")).toString(),
             QStringLiteral("clean.krx"));

    QCOMPARE(cli(sim, {rom, QStringLiteral("init"), QStringLiteral("--yes")}).exitCode, 0);
    list = cli(sim, {rom, QStringLiteral("list"), QStringLiteral("--json")});
    QCOMPARE(list.json().value(QStringLiteral("bootPage")).toInt(), 0);
    QCOMPARE(list.json().value(QStringLiteral("pages")).toArray().at(2).toObject().value(
                 QStringLiteral("comment")).toString(),
             QString());
}

void TestCliModule::networkSettings()
{
    SimulatorProcess sim;
    QVERIFY(sim.isRunning());
    const CliRun read = cli(sim, {QStringLiteral("netsetup")});
    QCOMPARE(read.exitCode, 0);
    QVERIFY2(read.out.startsWith(QLatin1String("MAC Address : ")), qPrintable(read.out));
    QVERIFY(read.out.contains(QLatin1String("\nTCP Re-transmition Timer : ")));

    const CliRun written = cli(sim, {QStringLiteral("netsetup"), QStringLiteral("--new-address"),
                                     QStringLiteral("127.0.0.2"), QStringLiteral("--new-tcp-port"),
                                     QStringLiteral("2400"), QStringLiteral("--new-udp-port"),
                                     QStringLiteral("4661")});
    QCOMPARE(written.exitCode, 0);
    QVERIFY2(written.out.contains(QLatin1String("\nIP Address : 127.0.0.2\n")), qPrintable(written.out));
    QVERIFY(written.out.contains(QLatin1String("\nTCP Data Port : 2400\n")));
    QVERIFY(written.out.contains(QLatin1String("\nUDP Port : 4661\n")));
    QVERIFY(written.err.contains(QLatin1String("Succeeded in Updating the Kovix module.")));
}

void TestCliModule::countersInDesignUnits()
{
    SimulatorProcess sim({QStringLiteral("--stream-interval"), QStringLiteral("50")});
    QVERIFY(sim.isRunning());
    const QString logDir = m_dir.filePath(QStringLiteral("logs"));
    QVERIFY(QDir().mkpath(logDir));
    const CliRun run = cli(sim, {QStringLiteral("counters"), m_clean, QStringLiteral("--start"),
                                 QStringLiteral("0"), QStringLiteral("--duration"),
                                 QStringLiteral("2"), QStringLiteral("--log"), logDir});
    QCOMPARE(run.exitCode, 0);
    static const QRegularExpression line(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d Trigger \\d+\\.\\d{3} usec$"),
                                         QRegularExpression::MultilineOption);
    QVERIFY2(line.match(run.out).hasMatch(), qPrintable(run.out));

    const QString csv = logDir + QStringLiteral("/Trigger_")
                        + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
                        + QStringLiteral("0.csv");
    QFile log(csv);
    QVERIFY2(log.open(QIODevice::ReadOnly), qPrintable(csv));
    const QList<QByteArray> lines = log.readAll().split('\n');
    QCOMPARE(lines.value(0), QByteArray("Time[HH:MM:SS],Trigger[usec]"));
    QVERIFY(lines.size() > 2);

    // The stream ends with the duration: started counters are left running.
    const CliRun json = cli(sim, {QStringLiteral("counters"), m_clean, QStringLiteral("--duration"),
                                  QStringLiteral("1"), QStringLiteral("--json")});
    QCOMPARE(json.exitCode, 0);
    const QJsonObject first = json.json().value(QStringLiteral("counters")).toArray().at(0).toObject();
    QCOMPARE(first.value(QStringLiteral("name")).toString(), QStringLiteral("Trigger"));
    QVERIFY(first.value(QStringLiteral("updates")).toInt() > 0);
}


void TestCliModule::countersJudgeTheStreamOverAWindow_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("all bad") << QStringList{"--bad-record-every", "1"} << 4;
    // One chance good record must not excuse the rest.
    QTest::newRow("one good in 32") << QStringList{"--good-record-every", "32"} << 4;
    // Every read holds counter 3's bad record after three good ones.
    QTest::newRow("one bad in four") << QStringList{"--bad-record-every", "4"} << 0;
}

void TestCliModule::countersJudgeTheStreamOverAWindow()
{
    QFETCH(QStringList, faults);
    QFETCH(int, exitCode);
    SimulatorProcess sim(QStringList{QStringLiteral("--stream-interval"), QStringLiteral("2")}
                         + faults);
    QVERIFY(sim.isRunning());
    const CliRun run = cli(sim, {QStringLiteral("counters"), QStringLiteral("--start"),
                                 QStringLiteral("0,1,2,3"), QStringLiteral("--duration"),
                                 exitCode == 0 ? QStringLiteral("2") : QStringLiteral("20"),
                                 QStringLiteral("--json")});
    QCOMPARE(run.exitCode, exitCode);
    // Diagnostics of single records stay out of a normal run's output.
    QVERIFY2(!run.err.contains(QLatin1String("Kovix error")), qPrintable(run.err.left(2000)));
    QCOMPARE(run.json().value(QStringLiteral("ok")).toBool(!exitCode), exitCode == 0);
    if (exitCode != 0) {
        QVERIFY2(run.err.contains(QLatin1String("The counter stream is not understood")),
                 qPrintable(run.err));
        return;
    }
    const QJsonArray counters = run.json().value(QStringLiteral("counters")).toArray();
    for (int counter = 0; counter < 3; ++counter)
        QVERIFY(counters.at(counter).toObject().value(QStringLiteral("updates")).toInt() > 0);
}

void TestCliModule::shortReplyNamesTheRead()
{
    SimulatorProcess sim({QStringLiteral("--short-every"), QStringLiteral("1")});
    QVERIFY(sim.isRunning());
    const CliRun run = cli(sim, {QStringLiteral("version")});
    QCOMPARE(run.exitCode, 4);
    QVERIFY2(run.err.contains(QLatin1String("address: 0x00000000\nrequest length: 4\nread length: 0\n\n"
                                            "TOLA: Unable to read")),
             qPrintable(run.err));
}

namespace {

// Resident memory of a process in kB, from /proc; -1 when unknown.
qint64 residentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression rss(QStringLiteral("VmRSS:\\s+(\\d+) kB"));
    const QRegularExpressionMatch match = rss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

} // namespace

void TestCliModule::countersMemoryBoundedWhileOutputBlocks()
{
    // A fast stream, and nobody reading standard output for seconds.
    SimulatorProcess sim({QStringLiteral("--stream-interval"), QStringLiteral("1")});
    QVERIFY(sim.isRunning());
    OutputPipe pipe;
    QProcess process;
    pipe.attach(process);
    process.start(CliRun::program(), QStringList{QStringLiteral("counters"), QStringLiteral("--start"),
                                                 QStringLiteral("0,1,2,3"), QStringLiteral("--duration"),
                                                 QStringLiteral("30")}
                                         + sim.connection());
    QVERIFY(process.waitForStarted(5000));
    pipe.closeWriteEnd();
    QTest::qWait(2000);
    const qint64 before = residentKb(process.processId());
    QTest::qWait(4000);
    const qint64 after = residentKb(process.processId());
    const bool stillRunning = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished(5000);
    QVERIFY(stillRunning);
    QVERIFY(before > 0 && after > 0);
    // Queuing every update grew by some 0.7 MB a second here.
    QVERIFY2(after - before < 1024, qPrintable(QStringLiteral("%1 kB -> %2 kB").arg(before).arg(after)));
}

void TestCliModule::countersEndQuietlyOnAClosedPipe()
{
    SimulatorProcess sim({QStringLiteral("--stream-interval"), QStringLiteral("10")});
    QVERIFY(sim.isRunning());
    const CliRun run = CliRun::runIntoClosedPipe(
        QStringList{QStringLiteral("counters"), QStringLiteral("--start"), QStringLiteral("0"),
                    QStringLiteral("--duration"), QStringLiteral("20")}
        + sim.connection());
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(!run.err.contains(QLatin1String("Cannot write")), qPrintable(run.err));
}

KARIX_TEST(TestCliModule)
#include "tst_climodule.moc"
