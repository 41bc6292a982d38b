// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulatecommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "cli/exitcode.h"
#include "cli/interruptwatcher.h"
#include "cli/progressbar.h"
#include "cli/simulationtarget.h"
#include "compiler/designrulecheck.h"
#include "io/designdocument.h"
#include "timing/changelistsource.h"
#include "timing/generatoroption.h"
#include "timing/inputmixer.h"
#include "timing/measurecounters.h"
#include "timing/simtime.h"
#include "timing/stimulusfile.h"
#include "timing/timingengine.h"
#include "timing/timingimage.h"
#include "timing/tracesummary.h"
#include "timing/vcdwriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QSaveFile>

namespace {

constexpr qint64 MaxImageFileSize = 1 << 20;
constexpr quint64 TicksPerSlice = 1u << 22; // about 20 ms of module time per progress step

QString rateText(double perSecond)
{
    if (perSecond >= 1e6)
        return QCoreApplication::translate("SimulateCommand", "%1 MHz").arg(perSecond / 1e6, 0, 'g', 4);
    if (perSecond >= 1e3)
        return QCoreApplication::translate("SimulateCommand", "%1 kHz").arg(perSecond / 1e3, 0, 'g', 4);
    return QCoreApplication::translate("SimulateCommand", "%1 Hz").arg(perSecond, 0, 'g', 4);
}

} // namespace

SimulateCommand::SimulateCommand(InterruptWatcher &interrupt)
    : m_interrupt(interrupt)
{
}

QString SimulateCommand::summary() const
{
    return tr("simulate the trigger tick by tick from its compiled image");
}

QString SimulateCommand::synopsis() const
{
    return tr("DESIGN|IMAGE --duration TIME [--stimulus FILE] [--pulse GENERATOR] [--rate GENERATOR] "
              "[--level GENERATOR] [--vcd FILE]");
}

QString SimulateCommand::details() const
{
    return tr("Runs the register image the module would receive (a design is compiled first;\n"
              "a \"compile --hex\" dump or the raw 8292-byte image is used as it is) through\n"
              "the timing model in 5 ns clock ticks, from 0 to TIME, and prints per NIM output\n"
              "the pulses and their rate and per measure counter its measurements. Times carry\n"
              "a unit: ps, ns, us, ms or s. Inputs are named by connector (NIM-IN-S0 .. S7,\n"
              "NIM-IN-M, BNC-IN) or by the port name the design gives them.\n"
              "The stimulus FILE holds one change a line, \"TIME INPUT LEVEL\", in time order;\n"
              "blank lines and # comments are allowed. Generators, each repeatable:\n"
              "  --pulse IN=PERIOD,WIDTH[,PHASE]   periodic pulses\n"
              "  --rate IN=RATE[,WIDTH]            random pulses (Poisson), RATE such as 10kHz,\n"
              "                                    WIDTH 20ns unless given; --seed N repeats them\n"
              "  --level IN=0|1                    a constant level\n"
              "A bad stimulus exits with 2 and names the line. A design with errors is\n"
              "simulated with a warning. The model and its assumptions: docs/timing-model.md.");
}

QList<CliOption> SimulateCommand::options() const
{
    return {
        {QChar(), QStringLiteral("duration"), tr("TIME"), tr("module time to simulate, such as 10us")},
        {QChar(), QStringLiteral("stimulus"), tr("FILE"), tr("input changes, one a line")},
        {QChar(), QStringLiteral("pulse"), tr("GENERATOR"), tr("periodic pulses: IN=PERIOD,WIDTH[,PHASE]")},
        {QChar(), QStringLiteral("rate"), tr("GENERATOR"), tr("random pulses: IN=RATE[,WIDTH]")},
        {QChar(), QStringLiteral("level"), tr("GENERATOR"), tr("a constant level: IN=0 or IN=1")},
        {QChar(), QStringLiteral("seed"), tr("N"), tr("seed of the random pulses (default 1)")},
        {QChar(), QStringLiteral("vcd"), tr("FILE"), tr("write every trace as a value change dump")},
    };
}

int SimulateCommand::run(const CliArguments &args, CliReporter &reporter)
{
    const QString countError = operandCountError(args, 1, 1);
    if (!countError.isEmpty())
        return usageError(reporter, countError);
    if (!args.isSet(QStringLiteral("duration")))
        return usageError(reporter, tr("Give the module time to simulate with --duration."));
    qint64 picos = 0;
    QString error;
    if (!SimTime::parse(args.value(QStringLiteral("duration")), picos, error) || picos == 0)
        return usageError(reporter, error.isEmpty() ? tr("The duration must be longer than 0.")
                                                    : tr("--duration: %1").arg(error));
    SimulationTarget target;
    const int loaded = loadTarget(args.operand(0), target, reporter);
    if (loaded != ExitCode::Success)
        return loaded;
    InputMixer mixer;
    if (!addInputs(args, target, mixer, error)) {
        reporter.error(error);
        return reporter.finish(ExitCode::Usage);
    }
    return simulate(args, target, mixer, SimTime::tickAtOrAfter(picos), reporter);
}

int SimulateCommand::loadTarget(const QString &path, SimulationTarget &target,
                                CliReporter &reporter) const
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    const SimulationTarget::Format format =
        SimulationTarget::formatOf(path, opened ? file.peek(64) : QByteArray());
    if (format == SimulationTarget::Format::Design) {
        int exitCode = ExitCode::Success;
        const auto document = loadDesign(path, reporter, exitCode);
        if (!document)
            return exitCode;
        QString report;
        if (DesignRuleCheck::checkDesign(document->model(), report) > 0)
            reporter.note(tr("Warning: %1 has design errors (karix-cli check lists them); "
                             "simulating it as it compiles.").arg(path));
        try {
            target.compile(document->model());
        } catch (const QString &message) {
            reporter.error(message);
            return reporter.finish(ExitCode::Failed);
        }
        return ExitCode::Success;
    }
    QString error;
    if (!opened)
        error = tr("Cannot read %1: %2").arg(path, file.errorString());
    else if (file.size() > MaxImageFileSize)
        error = tr("%1 is too large for a register image.").arg(path);
    else if (!target.readImage(file.readAll(), format, error))
        error = tr("%1: %2").arg(path, error);
    if (error.isEmpty())
        return ExitCode::Success;
    reporter.error(error);
    return reporter.finish(ExitCode::Usage);
}

bool SimulateCommand::addInputs(const CliArguments &args, const SimulationTarget &target,
                                InputMixer &mixer, QString &error) const
{
    const InputNames &names = target.inputNames();
    if (args.isSet(QStringLiteral("stimulus"))) {
        std::vector<InputChange> changes;
        if (!StimulusFile::load(args.value(QStringLiteral("stimulus")), names, changes, error))
            return false;
        mixer.addSource(std::make_unique<ChangeListSource>(std::move(changes)));
    }
    bool seedOk = true;
    const quint64 seed = args.value(QStringLiteral("seed"), QStringLiteral("1")).toULongLong(&seedOk);
    if (!seedOk) {
        error = tr("--seed: \"%1\" is not a whole number.").arg(args.value(QStringLiteral("seed")));
        return false;
    }
    quint64 stream = 0; // each --rate gets its own random sequence
    for (const QString &key : {QStringLiteral("level"), QStringLiteral("pulse"), QStringLiteral("rate")}) {
        for (const QString &option : args.values(key)) {
            std::unique_ptr<InputSource> source =
                key == QLatin1String("level")   ? GeneratorOption::level(option, names, error)
                : key == QLatin1String("pulse") ? GeneratorOption::pulse(option, names, error)
                                                : GeneratorOption::rate(option, names, seed + stream++, error);
            if (!source) {
                error = tr("--%1: %2").arg(key, error);
                return false;
            }
            mixer.addSource(std::move(source));
        }
    }
    return true;
}

bool SimulateCommand::runEngine(TimingEngine &engine, quint64 ticks) const
{
    const int slices = int((ticks + TicksPerSlice - 1) / TicksPerSlice);
    ProgressBar progress(tr("Simulating"), slices);
    for (int slice = 1; slice <= slices; ++slice) {
        engine.runUntil(std::min(ticks, quint64(slice) * TicksPerSlice));
        progress.setValue(slice);
        QCoreApplication::processEvents();
        if (m_interrupt.isInterrupted())
            return false;
    }
    progress.finish();
    engine.finish();
    return true;
}

int SimulateCommand::simulate(const CliArguments &args, const SimulationTarget &target,
                              InputMixer &mixer, quint64 ticks, CliReporter &reporter) const
{
    const TimingImage image(target.image());
    TimingEngine engine(image);
    engine.setInputSource(&mixer);
    TraceSummary summary;
    MeasureCounters counters(image, TraceSummary::DefaultLimit);
    engine.addSink(&summary);
    engine.addSink(&counters);

    const QString vcdPath = args.value(QStringLiteral("vcd"));
    QSaveFile vcdFile(vcdPath);
    std::unique_ptr<VcdWriter> vcd;
    if (!vcdPath.isEmpty()) {
        if (!vcdFile.open(QIODevice::WriteOnly)) {
            reporter.error(tr("Cannot write %1: %2").arg(vcdPath, vcdFile.errorString()));
            return reporter.finish(ExitCode::Failed);
        }
        vcd = std::make_unique<VcdWriter>(&vcdFile, target.drivers());
        engine.addSink(vcd.get());
    }
    if (!runEngine(engine, ticks)) {
        reporter.error(tr("Interrupted; nothing was written."));
        return reporter.finish(ExitCode::Interrupted);
    }
    reporter.print(tr("Simulated %1 ns (%2 ticks of 5 ns).").arg(SimTime::nanoseconds(ticks)).arg(ticks));
    reporter.set(QStringLiteral("duration_ns"), double(SimTime::nanoseconds(ticks)));
    reportOutputs(summary, ticks, reporter);
    reportCounters(counters, reporter);
    if (vcd && (vcd->hasError() || !vcdFile.commit())) {
        reporter.error(tr("Cannot write %1: %2").arg(vcdPath, vcdFile.errorString()));
        return reporter.finish(ExitCode::Failed);
    }
    if (vcd)
        reporter.set(QStringLiteral("vcd"), vcdPath);
    return reporter.finish(ExitCode::Success);
}

void SimulateCommand::reportOutputs(const TraceSummary &summary, quint64 ticks,
                                    CliReporter &reporter) const
{
    QJsonObject outputs;
    const double seconds = double(ticks) * 5e-9;
    for (int k = 0; k < TraceSignals::OutputCount; ++k) {
        const QString name = TraceSignals::name(TraceSignals::FirstOutput + k);
        const quint64 count = summary.riseCount(k);
        reporter.print(tr("%1: %2 pulses, %3").arg(name).arg(count).arg(rateText(double(count) / seconds)));
        if (!summary.hasAllRises(k)) {
            outputs.insert(name, double(count));
            continue;
        }
        QJsonArray rises;
        for (quint64 tick : summary.riseTicks(k))
            rises.append(double(SimTime::nanoseconds(tick)));
        outputs.insert(name, rises);
    }
    reporter.set(QStringLiteral("outputs"), outputs);
}

void SimulateCommand::reportCounters(const MeasureCounters &counters, CliReporter &reporter) const
{
    QJsonObject all;
    for (int k = 0; k < TraceSignals::CounterCount; ++k) {
        const QString name = QStringLiteral("MsrCnt%1").arg(k);
        QJsonArray measurements;
        for (const MeasureCounters::Measurement &measurement : counters.measurements(k))
            measurements.append(QJsonArray{double(SimTime::nanoseconds(measurement.endTick)),
                                           double(measurement.value)});
        const std::optional<quint64> running = counters.running(k);
        QJsonObject counter{{QStringLiteral("measurements"), measurements},
                            {QStringLiteral("count"), double(counters.measurementCount(k))},
                            {QStringLiteral("running"),
                             running ? QJsonValue(double(*running)) : QJsonValue()}};
        all.insert(name, counter);
        QString line = tr("%1: %2 measurements").arg(name).arg(counters.measurementCount(k));
        if (!counters.measurements(k).empty()) {
            const MeasureCounters::Measurement &last = counters.measurements(k).back();
            line += tr(", last %1 at %2 ns").arg(last.value).arg(SimTime::nanoseconds(last.endTick));
        }
        line += running ? tr(", running %1").arg(*running) : tr(", none running");
        reporter.print(line);
    }
    reporter.set(QStringLiteral("counters"), all);
}
