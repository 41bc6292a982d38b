// SPDX-License-Identifier: GPL-3.0-or-later
// karix-cli as a process, for everything that needs no module: arguments,
// help, documents, the design rule check and the register image.
#include "cliprocess.h"
#include "common/testrunner.h"
#include "common/testdocuments.h"

#include "compiler/imagecapture.h"
#include "io/designdocument.h"
#include "io/documentreader.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QByteArray inMemoryImage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    DesignDocument document;
    document.reset();
    if (!DocumentReader(document.context()).read(file.readAll()).ok)
        return QByteArray();
    return ImageCapture::compile(document.model());
}

QByteArray parseHexDump(const QString &dump, QList<quint32> &lineAddresses)
{
    QByteArray bytes;
    for (const QString &line : dump.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        lineAddresses << fields.value(0).chopped(1).toUInt(nullptr, 16);
        for (int i = 1; i < fields.size(); ++i)
            bytes.append(char(fields.at(i).toUInt(nullptr, 16)));
    }
    return bytes;
}

} // namespace

class TestCliOffline : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void badArguments_data();
    void badArguments();
    void unusableDocuments_data();
    void unusableDocuments();
    void helpTexts_data();
    void helpTexts();
    void germanLocaleTranslates();
    void checkExitCodes_data();
    void checkExitCodes();
    void compileEqualsInMemoryImage_data();
    void compileEqualsInMemoryImage();
    void hexDumpCarriesAddresses();
    void exportWithoutDisplay();
    void compileReportsExpressionError();
    void compileOutputProblems();
    void jsonOnFailure();
    void countersLogDirectoryMissing();
    void unreadablePaths_data();
    void unreadablePaths();
    void specialOutputFiles_data();
    void specialOutputFiles();
    void unwritableStandardOutput_data();
    void unwritableStandardOutput();
    void closedPipeEndsQuietly();
    void simulatedDumpEqualsDesign_data();
    void simulatedDumpEqualsDesign();
    void simulateNamesBadStimulusLine();

private:
    QTemporaryDir m_dir;
    QString m_clean;
};

void TestCliOffline::initTestCase()
{
    QVERIFY(QFile::exists(CliRun::program()));
    QVERIFY(m_dir.isValid());
    m_clean = TestDocuments::write(m_dir, QStringLiteral("clean.krx"), TestDocuments::clean());
}

void TestCliOffline::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");

    // Every module command here fails before any packet is sent; the
    // address is loopback all the same.
    const QStringList local{QStringLiteral("-h"), QStringLiteral("127.0.0.1")};
    QTest::newRow("no command") << QStringList{} << "No command given.";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "Unknown command: frobnicate";
    QTest::newRow("unknown option") << QStringList{"check", "--frob", "x.krx"}
                                    << "Unknown option: --frob";
    QTest::newRow("missing value") << QStringList{"compile", "x.krx", "-o"}
                                   << "Option -o needs a value";
    QTest::newRow("flag with value") << QStringList{"check", "--json=yes", "x.krx"}
                                     << "Option --json takes no value.";
    QTest::newRow("missing design") << QStringList{"check"} << "Missing argument.";
    QTest::newRow("two designs") << QStringList{"check", "a.krx", "b.krx"}
                                 << "Unexpected argument: b.krx";
    QTest::newRow("port too big") << QStringList{"version", "-u", "65536"} + local
                                  << "Invalid port (0 to 65535 expected): \"65536\"";
    QTest::newRow("port signed") << QStringList{"version", "-t", "+24"} + local
                                 << "Invalid port";
    QTest::newRow("bad address") << QStringList{"version", "-h", "300.1.1.1"}
                                 << "Invalid module address: \"300.1.1.1\"";
    QTest::newRow("bad timeout") << QStringList{"version", "-o", "1s"} + local
                                 << "Invalid time-out";
    QTest::newRow("timeout zero") << QStringList{"version", "-o", "0"} + local
                                  << "Invalid time-out (whole seconds from 1 to 3600 expected): \"0\"";
    QTest::newRow("timeout overflowing") << QStringList{"version", "-o", "214748365"} + local
                                         << "Invalid time-out";
    QTest::newRow("rom page 16") << QStringList{"rom", "restore", "16"} + local
                                 << "Invalid ROM page (0 to 15 expected): 16";
    QTest::newRow("rom action") << QStringList{"rom", "erase"} + local << "Unknown action: erase";
    QTest::newRow("rom save no comment") << QStringList{"rom", "save", "1"} + local
                                         << "Please give it a user comment.";
    QTest::newRow("rom save long comment")
        << QStringList{"rom", "save", "1", "--comment", QString(113, QLatin1Char('c'))} + local
        << "The length of the user comment should be at most 112 bytes.";
    QTest::newRow("rom init unconfirmed") << QStringList{"rom", "init"} + local
                                          << "Are you sure you want to initialize ROM area?";
    QTest::newRow("protect value") << QStringList{"protect", "--current", "yes"} + local
                                   << "--current takes on or off.";
    QTest::newRow("netsetup address") << QStringList{"netsetup", "--new-address", "10.1.1"} + local
                                      << "10.1.1 is invalid address.";
    QTest::newRow("netsetup port")
        << QStringList{"netsetup", "--new-address", "127.0.0.2", "--new-tcp-port", "65536"} + local
        << "65536 is invalid port.";
    QTest::newRow("counters list") << QStringList{"counters", "--start", "4"} + local
                                   << "Invalid counter list for --start";
}

void TestCliOffline::badArguments()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const CliRun run = CliRun::run(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(run.err.contains(QLatin1String("Usage: karix-cli")), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestCliOffline::unusableDocuments_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing") << "absent.krx" << QByteArray() << "No such file: ";
    QTest::newRow("directory") << "folder.krx" << QByteArray() << "is a directory";
    QTest::newRow("malformed") << "broken.krx" << QByteArray("<KaRiX><tab id=\"0\">")
                               << "Parse error at line";
    QTest::newRow("foreign root") << "other.krx"
                                  << QByteArray("<?xml version=\"1.0\"?>\n<Other/>\n")
                                  << "is not a valid XML file for KaRiX.";
    QTest::newRow("entry without id")
        << "noid.krx"
        << QByteArray("<KaRiX addr=\"127.0.0.1\"><tab id=\"0\" name=\"S\">"
                      "<entry term=\"PreLogic\"><name>P</name></entry></tab></KaRiX>")
        << "Parse error at line";
}

void TestCliOffline::unusableDocuments()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(fileName);
    if (fileName.startsWith(QLatin1String("folder")))
        QVERIFY(QDir(m_dir.path()).mkpath(fileName));
    else if (!content.isEmpty())
        TestDocuments::write(m_dir, fileName, QString::fromUtf8(content));

    for (const QString &command : {QStringLiteral("check"), QStringLiteral("compile"),
                                   QStringLiteral("download"), QStringLiteral("verify")}) {
        QStringList args{command, path};
        if (command == QLatin1String("compile"))
            args << QStringLiteral("--hex");
        else if (command != QLatin1String("check"))
            args << QStringLiteral("-h") << QStringLiteral("127.0.0.1");
        const CliRun run = CliRun::run(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(command + QLatin1String(": ") + run.err));
    }
}

void TestCliOffline::helpTexts_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tool") << QStringList{"--help"} << "Commands:";
    QTest::newRow("help command") << QStringList{"help", "rom"} << "Usage: karix-cli rom";
    for (const char *command : {"check", "compile", "download", "verify", "version", "protect",
                                "rom", "netsetup", "counters", "export"}) {
        QTest::newRow(command) << QStringList{QString::fromLatin1(command), "--help"}
                               << QStringLiteral("Usage: karix-cli %1").arg(QLatin1String(command));
    }
}

void TestCliOffline::helpTexts()
{
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    const CliRun run = CliRun::run(args);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(expected), qPrintable(run.out));
    QVERIFY(run.out.contains(QLatin1String("130  interrupted by Ctrl-C")));
}

void TestCliOffline::germanLocaleTranslates()
{
    const CliRun run = CliRun::run({"check", m_clean}, 30000, QStringLiteral("de_DE.UTF-8"));
    QVERIFY2(run.out.contains(QLatin1String("Kein Fehler gefunden.")), qPrintable(run.out));
}

void TestCliOffline::checkExitCodes_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("result");

    QTest::newRow("clean") << TestDocuments::clean() << 0 << "No error detected." << 0;
    QTest::newRow("warnings") << TestDocuments::warningsOnly() << 3
                              << "warning: PreLgc1: Outport is not connected.\n" << -1;
    QTest::newRow("errors") << TestDocuments::withErrors() << 1
                            << "error: NIM-OUT1: InputPort is not connected.\n" << 1;
    QTest::newRow("renamed on load") << TestDocuments::renamedCounter() << 1
                                     << "error: MsrCnt entry '2147483648' renamed to MsrCnt0\n" << 1;
}

void TestCliOffline::checkExitCodes()
{
    QFETCH(QString, document);
    QFETCH(int, exitCode);
    QFETCH(QString, report);
    QFETCH(int, result);
    const QString path = TestDocuments::write(m_dir, QStringLiteral("drc.krx"), document);

    const CliRun text = CliRun::run({QStringLiteral("check"), path});
    QCOMPARE(text.exitCode, exitCode);
    // Printed as the report holds it, ending with a line feed.
    QCOMPARE(text.out, report.endsWith(QLatin1Char('\n')) ? report : report + QLatin1Char('\n'));

    const CliRun json = CliRun::run({QStringLiteral("check"), QStringLiteral("--json"), path});
    QCOMPARE(json.exitCode, exitCode);
    QCOMPARE(json.json().value(QStringLiteral("report")).toString(), report);
    QCOMPARE(json.json().value(QStringLiteral("result")).toInt(), result);
    QCOMPARE(json.json().value(QStringLiteral("exitCode")).toInt(), exitCode);
    QCOMPARE(json.json().value(QStringLiteral("ok")).toBool(), exitCode == 0);
}

void TestCliOffline::compileEqualsInMemoryImage_data()
{
    TestDocuments::addDesignRows(m_clean);
}

void TestCliOffline::compileEqualsInMemoryImage()
{
    QFETCH(QString, path);
    const QString output = m_dir.filePath(QStringLiteral("image.bin"));
    QFile::remove(output);
    const CliRun run = CliRun::run({QStringLiteral("compile"), path, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 0);
    QFile image(output);
    QVERIFY(image.open(QIODevice::ReadOnly));
    const QByteArray bytes = image.readAll();
    QCOMPARE(bytes.size(), ImageCapture::ImageSize);
    QCOMPARE(bytes, inMemoryImage(path));
}

void TestCliOffline::hexDumpCarriesAddresses()
{
    const CliRun run = CliRun::run({QStringLiteral("compile"), m_clean, QStringLiteral("--hex")});
    QCOMPARE(run.exitCode, 0);
    QList<quint32> addresses;
    QCOMPARE(parseHexDump(run.out, addresses), inMemoryImage(m_clean));
    // The parameter block ends with a short line; the tables start afresh.
    QCOMPARE(addresses.value(0), 0x0004u);
    QCOMPARE(addresses.value(6), 0x0064u);
    QCOMPARE(addresses.value(7), 0x2000u);
    QCOMPARE(addresses.last(), 0x3FF0u);
}

// Run with no display variable at all: export paints offscreen by itself.
void TestCliOffline::exportWithoutDisplay()
{
    const QString design = QStringLiteral(KARIX_SOURCE_DIR "/examples/multisheet.krx");
    const QString pdf = m_dir.filePath(QStringLiteral("m.pdf"));
    qunsetenv("DISPLAY");
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    qunsetenv("QT_QPA_PLATFORM");
    const CliRun run = CliRun::run({QStringLiteral("export"), design, QStringLiteral("--format"),
                                    QStringLiteral("pdf"), QStringLiteral("-o"), pdf});
    const CliRun badSheet = CliRun::run({QStringLiteral("export"), design, QStringLiteral("--sheet"),
                                         QStringLiteral("3"), QStringLiteral("-o"), pdf});
    qputenv("QT_QPA_PLATFORM", platform);
    QCOMPARE(run.exitCode, 0);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 2);
    QCOMPARE(badSheet.exitCode, 2);
}

void TestCliOffline::compileReportsExpressionError()
{
    const QString path =
        TestDocuments::write(m_dir, QStringLiteral("bad.krx"), TestDocuments::badExpression());
    const QString output = m_dir.filePath(QStringLiteral("never.bin"));
    const CliRun run = CliRun::run({QStringLiteral("compile"), path, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QLatin1String("PreLgc0")), qPrintable(run.err));
    QVERIFY(!QFile::exists(output));
}

void TestCliOffline::compileOutputProblems()
{
    // A directory as the output file: nothing written, a plain message.
    const CliRun intoDirectory =
        CliRun::run({QStringLiteral("compile"), m_clean, QStringLiteral("-o"), m_dir.path()});
    QCOMPARE(intoDirectory.exitCode, 1);
    QVERIFY2(intoDirectory.err.contains(QLatin1String("Cannot write")), qPrintable(intoDirectory.err));

    const CliRun json = CliRun::run({QStringLiteral("compile"), m_clean, QStringLiteral("--json")});
    QCOMPARE(json.exitCode, 0);
    QCOMPARE(QByteArray::fromHex(json.json().value(QStringLiteral("image")).toString().toLatin1()),
             inMemoryImage(m_clean));
}

void TestCliOffline::jsonOnFailure()
{
    const CliRun run = CliRun::run({QStringLiteral("verify"), QStringLiteral("--json"),
                                    QStringLiteral("-h"), QStringLiteral("127.0.0.1"),
                                    m_dir.filePath(QStringLiteral("absent.krx"))});
    QCOMPARE(run.exitCode, 2);
    const QJsonObject result = run.json();
    QCOMPARE(result.value(QStringLiteral("command")).toString(), QStringLiteral("verify"));
    QCOMPARE(result.value(QStringLiteral("ok")).toBool(true), false);
    QCOMPARE(result.value(QStringLiteral("exitCode")).toInt(), 2);
    QVERIFY(result.value(QStringLiteral("error")).toString().contains(QLatin1String("No such file")));

    const CliRun usage = CliRun::run({QStringLiteral("check"), QStringLiteral("--json")});
    QCOMPARE(usage.exitCode, 2);
    QCOMPARE(usage.json().value(QStringLiteral("exitCode")).toInt(), 2);
}

void TestCliOffline::countersLogDirectoryMissing()
{
    // The log files are made before the stream is opened: nothing is sent.
    const QString missing = m_dir.filePath(QStringLiteral("no/such/dir"));
    const CliRun run = CliRun::run({QStringLiteral("counters"), m_clean, QStringLiteral("--log"),
                                    missing, QStringLiteral("--duration"), QStringLiteral("1"),
                                    QStringLiteral("-h"), QStringLiteral("127.0.0.1")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(missing + QLatin1String(":\nNo such directory.")), qPrintable(run.err));
}

namespace {

mode_t typeOf(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

QByteArray readAvailable(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, got);
    return bytes;
}

} // namespace

void TestCliOffline::unreadablePaths_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("FIFO without writer") << "fifo" << "is not a regular file";
    QTest::newRow("name too long") << "long" << "File name too long";
    QTest::newRow("symlink loop") << "loop" << "Too many levels of symbolic links";
    QTest::newRow("over the size cap") << "huge" << "is larger than 8 MB";
}

void TestCliOffline::unreadablePaths()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString path = dir.filePath(kind);
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else if (kind == QLatin1String("long")) {
        path = dir.filePath(QString(300, QLatin1Char('n')) + QStringLiteral(".krx"));
    } else if (kind == QLatin1String("loop")) {
        QCOMPARE(::symlink(name.constData(), name.constData()), 0);
    } else {
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(9 * 1024 * 1024));
    }
    const CliRun run = CliRun::run({QStringLiteral("check"), path}, 10000);
    QVERIFY(!run.timedOut);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(!run.err.contains(QLatin1String("No such file")), qPrintable(run.err));
}

void TestCliOffline::specialOutputFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("typeAfter");
    QTest::newRow("FIFO") << "fifo" << 0 << int(S_IFIFO);
    QTest::newRow("null device") << "null" << 0 << int(S_IFCHR);
    QTest::newRow("full device") << "full" << 1 << int(S_IFCHR);
    QTest::newRow("the design itself") << "design" << 2 << int(S_IFREG);
}

// Nodes are made in a scratch folder only: the real devices are never a target.
void TestCliOffline::specialOutputFiles()
{
    QFETCH(QString, kind);
    QFETCH(int, exitCode);
    QFETCH(int, typeAfter);
    QTemporaryDir dir;
    const QString design = TestDocuments::write(dir, QStringLiteral("d.krx"), TestDocuments::clean());
    QString output = dir.filePath(kind);
    const QByteArray name = QFile::encodeName(output);
    // Held open before the tool writes: the image fits the FIFO's buffer, so
    // nothing blocks whatever the tool does with the name.
    int fifoReader = -1;
    const auto closeReader = qScopeGuard([&fifoReader] {
        if (fifoReader >= 0)
            ::close(fifoReader);
    });
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        fifoReader = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(fifoReader >= 0);
    } else if (kind == QLatin1String("design")) {
        output = design;
    } else if (::mknod(name.constData(), S_IFCHR | 0600,
                       makedev(1, kind == QLatin1String("null") ? 3u : 7u)) != 0) {
        QSKIP("mknod is not permitted here: device nodes cannot be made");
    }
    const CliRun run = CliRun::run({QStringLiteral("compile"), design, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(int(typeOf(output)), typeAfter);
    if (fifoReader >= 0)
        QCOMPARE(readAvailable(fifoReader), inMemoryImage(design));
    if (kind == QLatin1String("design")) {
        QVERIFY2(run.err.contains(QLatin1String("Refusing to overwrite the design")), qPrintable(run.err));
        QCOMPARE(inMemoryImage(design), inMemoryImage(m_clean));
    }
}

void TestCliOffline::unwritableStandardOutput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("program");
    const QString cli = QStringLiteral("karix-cli");
    QTest::newRow("compile --json") << QStringList{"compile", "--json", m_clean} << cli;
    QTest::newRow("compile --hex") << QStringList{"compile", "--hex", m_clean} << cli;
    QTest::newRow("check") << QStringList{"check", m_clean} << cli;
    QTest::newRow("help") << QStringList{"--help"} << cli;
    QTest::newRow("command help") << QStringList{"check", "--help"} << cli;
    QTest::newRow("version") << QStringList{"--version"} << cli;
    QTest::newRow("program help") << QStringList{"--help"} << "karix";
    QTest::newRow("program version") << QStringList{"--version"} << "karix";
    QTest::newRow("simulator help") << QStringList{"--help"} << "karix-sim";
}

// Redirecting into /dev/full only opens the device; nothing replaces it.
void TestCliOffline::unwritableStandardOutput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, program);
    const CliRun run = CliRun::runToFile(args, QStringLiteral("/dev/full"),
                                         QStringLiteral(KARIX_BINARY_DIR "/") + program);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QLatin1String("Cannot write to standard output")), qPrintable(run.err));
}

void TestCliOffline::closedPipeEndsQuietly()
{
    const CliRun run = CliRun::runIntoClosedPipe({QStringLiteral("compile"), QStringLiteral("--hex"), m_clean});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QString());
}

void TestCliOffline::simulatedDumpEqualsDesign_data()
{
    TestDocuments::addDesignRows(m_clean);
}

// What is simulated is the image: the design and its "compile --hex" dump
// give the same traces (the VCD after its header, which names the design's
// blocks) and the same summary.
void TestCliOffline::simulatedDumpEqualsDesign()
{
    QFETCH(QString, path);
    const CliRun dump = CliRun::run({QStringLiteral("compile"), path, QStringLiteral("--hex")});
    QCOMPARE(dump.exitCode, 0);
    const QString hex = TestDocuments::write(m_dir, QStringLiteral("dump.hex"), dump.out);
    QStringList traces;
    QList<QJsonObject> results;
    for (const QString &target : {path, hex}) {
        const QString vcd = m_dir.filePath(QStringLiteral("run.vcd"));
        const CliRun run = CliRun::run({"simulate", target, "--duration", "300us", "--json", "--vcd", vcd,
                                        "--rate", "NIM-IN-S0=2MHz", "--rate", "NIM-IN-S1=1MHz,40ns",
                                        "--pulse", "NIM-IN-S2=1us,100ns", "--level", "BNC-IN=1"});
        QCOMPARE(run.exitCode, 0);
        QFile file(vcd);
        QVERIFY(file.open(QIODevice::ReadOnly));
        traces << QString::fromUtf8(file.readAll()).section(QStringLiteral("$enddefinitions"), 1);
        results << run.json();
        results.last().remove(QStringLiteral("vcd"));
    }
    QVERIFY(traces.first().count(QLatin1Char('#')) > 100);
    QCOMPARE(traces.last(), traces.first());
    QCOMPARE(results.last(), results.first());
}

void TestCliOffline::simulateNamesBadStimulusLine()
{
    const QString stimulus = TestDocuments::write(
        m_dir, QStringLiteral("bad.stim"), QStringLiteral("# S0 pulse\n0ns NIM-IN-S0 1\n\n5ns NIM-IN-S9 0\n"));
    const CliRun run = CliRun::run({"simulate", m_clean, "--duration", "1us", "--stimulus", stimulus});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(QLatin1String("line 4")) && run.err.contains(QLatin1String("NIM-IN-S9")),
             qPrintable(run.err));
}

KARIX_TEST(TestCliOffline)
#include "tst_clioffline.moc"
