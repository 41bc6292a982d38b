// SPDX-License-Identifier: GPL-3.0-or-later
#include "counterscommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "cli/counterwatcher.h"
#include "cli/exitcode.h"
#include "cli/interruptwatcher.h"
#include "cli/modulesession.h"
#include "device/moduleinterface.h"
#include "device/qkovixthread.h"
#include "device/recordwindow.h"
#include "io/designdocument.h"
#include "model/connectionsettings.h"
#include "model/connectionvalues.h"
#include "model/counterassignment.h"
#include "model/operationerror.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

// The stream thread itself keeps trying for a very long time; a command
// line tool gives up after the connection time-out.
constexpr int minimumConnectSeconds = 3;

QKovixThread::Texts texts(const std::array<QString, CounterConfig::counterCount> &values)
{
    QKovixThread::Texts result;
    for (size_t i = 0; i < result.size(); ++i)
        result[i] = values[i];
    return result;
}

} // namespace

QString CountersCommand::summary() const
{
    return tr("start/stop measure counters and print their values as they arrive");
}

QString CountersCommand::synopsis() const
{
    return tr("[DESIGN] [--start N,..] [--stop N,..] [--duration SECONDS] [--log DIR] "
              "[-h ADDRESS] [-u PORT] [-t PORT] [-o SECONDS]");
}

QString CountersCommand::details() const
{
    return tr("With a DESIGN the counters get its names and units (values in nsec, usec,\n"
              "msec or sec); without one the raw counts of 5 ns are shown. --start and\n"
              "--stop switch counters 0..3 on the module first; given alone they end the\n"
              "command. Otherwise the stream is shown for --duration seconds, or until\n"
              "Ctrl-C (exit 130). --log DIR appends every value to one CSV file per counter,\n"
              "named and formatted as the counter window does. While output is slow only the\n"
              "latest value of each counter is shown. When more than half of the last %1\n"
              "records are bad the command ends with \"The counter stream is not\n"
              "understood\" (exit 4).")
        .arg(RecordWindow::size);
}

QList<CliOption> CountersCommand::commandOptions() const
{
    return {
        {QChar(), QStringLiteral("start"), tr("N,.."), tr("start these counters (0..3)")},
        {QChar(), QStringLiteral("stop"), tr("N,.."), tr("stop these counters (0..3)")},
        {QLatin1Char('d'), QStringLiteral("duration"), tr("SECONDS"),
         tr("show the stream this long, then end")},
        {QLatin1Char('l'), QStringLiteral("log"), tr("DIR"), tr("log the values to CSV files in DIR")},
    };
}

bool CountersCommand::parseCounterList(const QString &text, QList<int> &counters)
{
    for (const QString &part : text.split(QLatin1Char(','))) {
        quint64 number = 0;
        if (!ConnectionValues::parseDecimal(part.trimmed(), CounterConfig::counterCount - 1,
                                             number))
            return false;
        counters << int(number);
    }
    return true;
}

int CountersCommand::readPlan(const CliArguments &args, Plan &plan, CliReporter &reporter) const
{
    for (const char *key : {"start", "stop"}) {
        const QString name = QLatin1String(key);
        QList<int> &list = name == QLatin1String("start") ? plan.start : plan.stop;
        if (args.isSet(name) && !parseCounterList(args.value(name), list))
            return usageError(reporter, tr("Invalid counter list for --%1 (0 to 3 expected): %2")
                                            .arg(name, args.value(name)));
    }
    if (args.isSet(QStringLiteral("duration"))) {
        quint64 seconds = 0;
        if (!ConnectionValues::parseDecimal(args.value(QStringLiteral("duration")), 86400 * 365,
                                             seconds))
            return usageError(reporter, tr("Invalid duration (whole seconds expected): %1")
                                            .arg(args.value(QStringLiteral("duration"))));
        plan.durationSeconds = int(seconds);
    }
    plan.logDir = args.value(QStringLiteral("log"));
    if (args.isSet(QStringLiteral("log")) && plan.logDir.isEmpty())
        return usageError(reporter, tr("--log needs a directory."));
    return ExitCode::Success;
}

int CountersCommand::run(const CliArguments &args, CliReporter &reporter)
{
    const QString countError = operandCountError(args, 0, 1);
    if (!countError.isEmpty())
        return usageError(reporter, countError);
    Plan plan;
    int exitCode = readPlan(args, plan, reporter);
    if (exitCode != ExitCode::Success)
        return exitCode;
    ConnectionSettings settings;
    CounterConfig config = CounterAssignment::withoutDesign();
    if (!args.operands().isEmpty()) {
        const auto document = loadDesign(args.operand(0), reporter, exitCode);
        if (!document)
            return exitCode;
        settings = document->settings();
        config = CounterAssignment::fromDesign(document->model());
    }
    exitCode = resolveSettings(args, settings, reporter);
    if (exitCode != ExitCode::Success)
        return exitCode;

    ModuleSession session(settings, m_interrupt, reporter);
    const bool switching = !plan.start.isEmpty() || !plan.stop.isEmpty();
    if (switching)
        exitCode = switchCounters(session, plan, reporter);
    if (exitCode == ExitCode::Success && (!switching || plan.durationSeconds >= 0))
        exitCode = watch(settings, config, plan, reporter);
    return reporter.finish(exitCode);
}

int CountersCommand::switchCounters(ModuleSession &session, const Plan &plan,
                                    CliReporter &reporter) const
{
    OperationPlan operation = CommandPlans::counterControl(plan.stop, false);
    operation.commands += CommandPlans::counterControl(plan.start, true).commands;
    const int exitCode = session.run(operation);
    if (exitCode == ExitCode::Success) {
        const auto toJson = [](const QList<int> &counters) {
            QJsonArray array;
            for (const int counter : counters)
                array.append(counter);
            return array;
        };
        reporter.set(QStringLiteral("started"), toJson(plan.start));
        reporter.set(QStringLiteral("stopped"), toJson(plan.stop));
        for (const int counter : plan.stop)
            reporter.note(tr("MsrCnt%1 stopped.").arg(counter));
        for (const int counter : plan.start)
            reporter.note(tr("MsrCnt%1 started.").arg(counter));
    }
    return exitCode;
}

CounterConfig CountersCommand::withLogging(CounterConfig config, const QString &logDir)
{
    // Without a design every counter may send; with one, only its counters.
    const bool designUsesCounters = std::any_of(config.sources.begin(), config.sources.end(),
                                                [](int source) { return source >= 0; });
    const CounterConfig fallback = CounterAssignment::withoutDesign();
    for (size_t n = 0; n < config.dirs.size(); ++n) {
        const bool logged = !designUsesCounters || config.sources[n] >= 0;
        config.dirs[n] = logged ? logDir : QString();
        // As the counter window's row labels: the resource name when unnamed.
        if (config.names[n].isEmpty())
            config.names[n] = fallback.names[n];
    }
    return config;
}

int CountersCommand::watch(const ConnectionSettings &settings, const CounterConfig &designConfig,
                           const Plan &plan, CliReporter &reporter) const
{
    const CounterConfig config = withLogging(designConfig, plan.logDir);
    CounterWatcher watcher(config, reporter);
    std::unique_ptr<QKovixThread> stream;
    try {
        stream = std::make_unique<QKovixThread>(texts(config.dirs), texts(config.names),
                                                texts(config.units), settings.address,
                                                settings.tcpPort, settings.udpPort, false);
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        reporter.error(message + tr("\nThe MsrCnt data cannot be saved."));
        return ExitCode::Failed;
    }
    QJsonArray logFiles;
    for (int n = 0; n < CounterConfig::counterCount; ++n) {
        if (!stream->logPath(n).isEmpty())
            logFiles.append(stream->logPath(n));
    }
    reporter.set(QStringLiteral("logFiles"), logFiles);
    watcher.attach(*stream);

    runStream(*stream, watcher, plan, int(qMax<quint32>(settings.timeout, minimumConnectSeconds)));
    reportTotals(watcher, config, reporter);
    if (m_interrupt.isInterrupted()) {
        reporter.error(tr("Interrupted."));
        return ExitCode::Interrupted;
    }
    if (!watcher.failure().isEmpty()) {
        reporter.error(tr("%1:%2: %3").arg(settings.address).arg(settings.tcpPort).arg(
            watcher.failure()));
        return ExitCode::NoAnswer;
    }
    return ExitCode::Success;
}

void CountersCommand::runStream(QKovixThread &stream, CounterWatcher &watcher, const Plan &plan,
                                int connectSeconds) const
{
    QEventLoop loop;
    QObject::connect(&stream, &QThread::finished, &loop, &QEventLoop::quit);
    const auto stop = [&stream, &watcher] {
        watcher.stopRequested();
        stream.stop();
    };
    QObject::connect(&watcher, &CounterWatcher::ended, &loop, stop);
    QObject::connect(&m_interrupt, &InterruptWatcher::interrupted, &loop, stop);
    QTimer durationLimit;
    durationLimit.setSingleShot(true);
    QObject::connect(&durationLimit, &QTimer::timeout, &loop, stop);
    if (plan.durationSeconds >= 0)
        durationLimit.start(plan.durationSeconds * 1000);
    watcher.startConnectDeadline(connectSeconds);
    if (!m_interrupt.isInterrupted()) {
        stream.start();
        loop.exec();
    }
    stream.wait();
}

void CountersCommand::reportTotals(const CounterWatcher &watcher, const CounterConfig &config,
                                   CliReporter &reporter) const
{
    QJsonArray counters;
    for (int n = 0; n < CounterConfig::counterCount; ++n) {
        const auto index = size_t(n);
        QJsonObject counter{{QStringLiteral("counter"), n},
                            {QStringLiteral("name"), config.names[index]},
                            {QStringLiteral("unit"), config.units[index]},
                            {QStringLiteral("source"), config.sources[index]},
                            {QStringLiteral("updates"), watcher.updates(n)}};
        if (watcher.updates(n) > 0) {
            counter.insert(QStringLiteral("value"), qint64(watcher.lastValue(n)));
            counter.insert(QStringLiteral("text"),
                           CounterWatcher::valueText(watcher.lastValue(n), config.units[index]));
        }
        counters.append(counter);
    }
    reporter.set(QStringLiteral("counters"), counters);
}
