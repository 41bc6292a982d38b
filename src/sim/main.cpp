// SPDX-License-Identifier: GPL-3.0-or-later
// karix-sim: the module simulator as a program. Serves 127.0.0.1 only, prints
// "udp=N tcp=N" once bound, and exits after --duration seconds or on
// SIGINT/SIGTERM.
#include "compiler/imagecapture.h"
#include "io/designdocument.h"
#include "io/designloader.h"
#include "io/documentwriter.h"
#include "io/standardoutput.h"
#include "karixversion.h"
#include "model/designmodel.h"
#include "model/operationerror.h"
#include "sim/designrun.h"
#include "sim/modulesimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <memory>

namespace {
volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

QString translate(const char *text)
{
    return QCoreApplication::translate("karix-sim", text);
}

struct Option
{
    const char *name;
    const char *help;
    const char *value;
};

const Option options[] = {
    {"udp-port", "UDP port of the register protocol (0 = any free port).", "port"},
    {"tcp-port", "TCP port of the counter stream (0 = any free port).", "port"},
    {"firmware-version", "Version block at 0x0000 as 8 hexadecimal digits (default 02010000).",
     "hex"},
    {"rom-time", "Milliseconds a ROM command keeps the module busy (default 300).", "ms"},
    {"stream-interval", "Milliseconds between counter records (default 100).", "ms"},
    {"state", "File keeping the EEPROM and the ROM pages across restarts.", "file"},
    {"duration", "Seconds after which the simulator exits (default 600, 0 = no limit).", "s"},
    {"seed", "Seed of the fault generator and the random inputs (default 1).", "n"},
    {"design", "Hold this design (.krx) from the start, as if it had been downloaded, and run "
               "it.", "file"},
    {"rate", "Random inputs such as S0=10kHz,S3=1MHz (IN=RATE[,WIDTH] each, WIDTH 20ns unless "
             "given; may be repeated). With --rate or --design the simulator runs the design it "
             "holds (and each one downloaded) in real time and streams what its measure counters "
             "count; without --rate every input the design uses gets random pulses at 1kHz. "
             "Without both the counter values are made up.", "rates"},
    {"design-copy", "With --design: write a copy of the design whose connection settings name "
                    "this simulator (127.0.0.1 and its ports) once they are bound.", "file"},
    {"drop-requests", "Probability (0..1) that a request is ignored.", "p"},
    {"drop-replies", "Probability (0..1) that a reply is lost.", "p"},
    {"drop-every-request", "Ignore every Nth request.", "n"},
    {"drop-every-reply", "Lose every Nth reply.", "n"},
    {"duplicate-every", "Send every Nth reply twice.", "n"},
    {"short-every", "Send every Nth read reply one data byte short.", "n"},
    {"long-every", "Send every Nth read reply one data byte too long.", "n"},
    {"stale-every", "Precede every Nth reply by a copy with the previous id.", "n"},
    {"delay", "Delay replies by this many milliseconds.", "ms"},
    {"delay-every", "Delay only every Nth reply (default: all).", "n"},
    {"bus-error", "Answer requests touching FIRST-LAST (hexadecimal, inclusive) with a bus "
                  "error; may be repeated.", "range"},
    {"bad-record-every", "Give every Nth stream record a bad header.", "n"},
    {"good-record-every", "Give every stream record but each Nth a bad header.", "n"},
    {"close-stream-after", "Close a stream connection after N records.", "n"},
};

[[noreturn]] void usageError(const QString &text)
{
    fprintf(stderr, "%s\n", qPrintable(text));
    ::exit(2);
}

int intValue(const QCommandLineParser &parser, const char *name, int fallback)
{
    const QString name16 = QString::fromLatin1(name);
    if (!parser.isSet(name16))
        return fallback;
    bool ok = false;
    const int value = parser.value(name16).toInt(&ok);
    if (!ok || value < 0)
        usageError(translate("Invalid value for --%1").arg(name16));
    return value;
}

double rateValue(const QCommandLineParser &parser, const char *name)
{
    bool ok = false;
    const QString name16 = QString::fromLatin1(name);
    const double value = parser.isSet(name16) ? parser.value(name16).toDouble(&ok) : 0.0;
    if (parser.isSet(name16) && (!ok || value < 0.0 || value > 1.0))
        usageError(translate("Invalid value for --%1").arg(name16));
    return value;
}

QList<std::pair<quint32, quint32>> busErrorRanges(const QCommandLineParser &parser)
{
    QList<std::pair<quint32, quint32>> ranges;
    for (const QString &text : parser.values(QStringLiteral("bus-error"))) {
        const QStringList parts = text.split(QLatin1Char('-'));
        bool okFirst = false;
        bool okLast = parts.size() == 2;
        const quint32 first = parts.value(0).toUInt(&okFirst, 16);
        const quint32 last = okLast ? parts.value(1).toUInt(&okLast, 16) : 0;
        if (!okFirst || !okLast || last < first)
            usageError(translate("Invalid bus error range: %1").arg(text));
        ranges.append({first, last});
    }
    return ranges;
}

SimConfig configFrom(const QCommandLineParser &parser)
{
    SimConfig config;
    config.udpPort = quint16(intValue(parser, "udp-port", 0));
    config.tcpPort = quint16(intValue(parser, "tcp-port", 0));
    const QString firmwareVersion = QStringLiteral("firmware-version");
    if (parser.isSet(firmwareVersion))
        config.version = QByteArray::fromHex(parser.value(firmwareVersion).toLatin1());
    config.romCommandMs = intValue(parser, "rom-time", config.romCommandMs);
    config.streamIntervalMs = intValue(parser, "stream-interval", config.streamIntervalMs);
    config.stateFile = parser.value(QStringLiteral("state"));
    config.seed = quint32(intValue(parser, "seed", 1));
    FaultPlan &faults = config.faults;
    faults.requestDropRate = rateValue(parser, "drop-requests");
    faults.replyDropRate = rateValue(parser, "drop-replies");
    faults.dropEveryRequest = intValue(parser, "drop-every-request", 0);
    faults.dropEveryReply = intValue(parser, "drop-every-reply", 0);
    faults.duplicateEveryReply = intValue(parser, "duplicate-every", 0);
    faults.staleEveryReply = intValue(parser, "stale-every", 0);
    faults.shortEveryReply = intValue(parser, "short-every", 0);
    faults.longEveryReply = intValue(parser, "long-every", 0);
    faults.replyDelayMs = intValue(parser, "delay", 0);
    faults.delayEveryReply = intValue(parser, "delay-every", 0);
    faults.busErrorRanges = busErrorRanges(parser);
    faults.badRecordEvery = intValue(parser, "bad-record-every", 0);
    faults.goodRecordEvery = intValue(parser, "good-record-every", 0);
    faults.closeStreamAfter = intValue(parser, "close-stream-after", 0);
    for (const QString &text : parser.values(QStringLiteral("rate"))) {
        QString error;
        if (!DesignRun::parseRates(text, config.rates, error))
            usageError(error);
    }
    config.runsDesign = !config.rates.isEmpty();
    return config;
}

// Compiles --design into the image the simulator holds; the document is
// kept for --design-copy.
std::unique_ptr<DesignDocument> loadDesign(const QCommandLineParser &parser, SimConfig &config)
{
    const QString path = parser.value(QStringLiteral("design"));
    if (path.isEmpty()) {
        if (parser.isSet(QStringLiteral("design-copy")))
            usageError(translate("--design-copy needs --design."));
        return nullptr;
    }
    auto document = std::make_unique<DesignDocument>();
    QString error;
    QStringList warnings;
    if (!DesignLoader::load(path, *document, error, warnings))
        usageError(error);
    try {
        config.designImage = ImageCapture::compile(document->model());
    } catch (const OperationError &failure) {
        usageError(translate("%1: %2").arg(path, failure.message()));
    } catch (const QString &message) {
        usageError(translate("%1: %2").arg(path, message));
    }
    config.runsDesign = true;
    return document;
}

// The design's own time-out and auto-connect stay; only the address and
// the ports become this simulator's.
bool writeDesignCopy(const QString &path, DesignDocument &document,
                     const ModuleSimulator &simulator)
{
    const ConnectionSettings here = simulator.connectionSettings();
    ConnectionSettings &settings = document.settings();
    settings.address = here.address;
    settings.udpPort = here.udpPort;
    settings.tcpPort = here.tcpPort;
    const QString error = DocumentWriter(document.context()).save(path);
    if (!error.isEmpty())
        fprintf(stderr, "%s\n", qPrintable(error));
    return error.isEmpty();
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("karix-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        translate("Simulates the trigger-logic module on 127.0.0.1: register access over UDP, "
                  "ROM pages, EEPROM, write protection and the counter stream over TCP, with "
                  "optional fault injection. With --design or --rate the design it holds runs "
                  "in real time and the counters stream what they count."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption versionOption(
        QStringLiteral("version"),
        translate("Show the version, the commit it was built from and the licence."));
    parser.addOption(versionOption);
    for (const Option &option : options) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name),
                                            translate(option.help),
                                            QString::fromLatin1(option.value)));
    }
    // Not process(): its help output ends the program with 0 even when it
    // could not be written.
    if (!parser.parse(app.arguments())) {
        fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        return 1;
    }
    if (parser.isSet(help))
        return StandardOutput::print(parser.helpText());
    if (parser.isSet(versionOption))
        return StandardOutput::print(
            QStringLiteral("karix-sim " KARIX_VERSION_TEXT "\n" KARIX_LICENCE_NOTICE));

    SimConfig config = configFrom(parser);
    const std::unique_ptr<DesignDocument> design = loadDesign(parser, config);
    ModuleSimulator simulator(config);
    if (!simulator.start()) {
        fprintf(stderr, "%s\n", qPrintable(simulator.errorString()));
        return 1;
    }
    const QString copy = parser.value(QStringLiteral("design-copy"));
    if (!copy.isEmpty() && !writeDesignCopy(copy, *design, simulator))
        return 1;
    printf("udp=%u tcp=%u\n", unsigned(simulator.udpPort()), unsigned(simulator.tcpPort()));
    fflush(stdout);

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    QTimer signalPoll;
    QObject::connect(&signalPoll, &QTimer::timeout, &app, [] {
        if (stopRequested)
            QCoreApplication::quit();
    });
    signalPoll.start(100);
    const int duration = intValue(parser, "duration", 600);
    if (duration > 0)
        QTimer::singleShot(duration * 1000, &app, &QCoreApplication::quit);

    const int result = app.exec();
    simulator.stop();
    return result;
}
