// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/designcommand.h"

class InputMixer;
class InterruptWatcher;
class MeasureCounters;
class SimulationTarget;
class TimingEngine;
class TraceSummary;

// simulate DESIGN|IMAGE: runs the compiled image through the timing model
// with the given stimulus; prints the pulses on the NIM outputs and the
// measure-counter results, and writes a VCD on request.
class SimulateCommand : public DesignCommand
{
    Q_DECLARE_TR_FUNCTIONS(SimulateCommand)

public:
    explicit SimulateCommand(InterruptWatcher &interrupt);

    QString name() const override { return QStringLiteral("simulate"); }
    QString summary() const override;
    QString synopsis() const override;
    QString details() const override;
    QList<CliOption> options() const override;
    int run(const CliArguments &args, CliReporter &reporter) override;

private:
    int loadTarget(const QString &path, SimulationTarget &target, CliReporter &reporter) const;
    bool addInputs(const CliArguments &args, const SimulationTarget &target, InputMixer &mixer,
                   QString &error) const;
    // False when interrupted.
    bool runEngine(TimingEngine &engine, quint64 ticks) const;
    int simulate(const CliArguments &args, const SimulationTarget &target, InputMixer &mixer,
                 quint64 ticks, CliReporter &reporter) const;
    void reportOutputs(const TraceSummary &summary, quint64 ticks, CliReporter &reporter) const;
    void reportCounters(const MeasureCounters &counters, CliReporter &reporter) const;

    InterruptWatcher &m_interrupt;
};
