// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/modulecommand.h"
#include "model/counterconfig.h"

#include <QList>

class CounterWatcher;
class ModuleSession;
class QKovixThread;

// counters [DESIGN]: starts or stops measure counters and prints the
// counter stream's values with their units as they arrive, optionally
// logging them to CSV files as the counter window does.
class CountersCommand : public ModuleCommand
{
    Q_DECLARE_TR_FUNCTIONS(CountersCommand)

public:
    using ModuleCommand::ModuleCommand;

    QString name() const override { return QStringLiteral("counters"); }
    QString summary() const override;
    QString synopsis() const override;
    QString details() const override;
    int run(const CliArguments &args, CliReporter &reporter) override;

protected:
    QList<CliOption> commandOptions() const override;

private:
    struct Plan
    {
        QList<int> start;
        QList<int> stop;
        int durationSeconds = -1; // -1: until Ctrl-C
        QString logDir;
    };

    int readPlan(const CliArguments &args, Plan &plan, CliReporter &reporter) const;
    static bool parseCounterList(const QString &text, QList<int> &counters);
    int switchCounters(ModuleSession &session, const Plan &plan, CliReporter &reporter) const;
    // Logs into logDir the counters the design uses (all without one); names
    // unnamed counters.
    static CounterConfig withLogging(CounterConfig config, const QString &logDir);
    int watch(const ConnectionSettings &settings, const CounterConfig &designConfig,
              const Plan &plan, CliReporter &reporter) const;
    // Returns when the duration is over, the stream failed or Ctrl-C came.
    void runStream(QKovixThread &stream, CounterWatcher &watcher, const Plan &plan,
                   int connectSeconds) const;
    void reportTotals(const CounterWatcher &watcher, const CounterConfig &config,
                      CliReporter &reporter) const;
};
